#include <gtest/gtest.h>

#include <cmath>

#include "tests/sleeves/set_in/SleeveFixture.h"

TEST(OneSeam, Probe) {
    TTestDress d;
    TOneSeam s;
    DraftSleeve(s, d);
    printf("A=%g W=%g y0=%g cap=%g req=%g bal=%g P3=%g,%g P31=%g,%g H=%g H1=%g,%g\n", d.ArmholeLength,
           s.P3.x - s.P6.x, s.P.y, s.CapLength, s.CapLengthRequired, s.BalanceMismatch, s.P3.x, s.P3.y, s.P31.x,
           s.P31.y, s.H.y, s.H1.x, s.H1.y);
    printf("front notch %g,%g back %g,%g  box %g %g %g %g\n", s.FrontNotch.point.x, s.FrontNotch.point.y,
           s.BackNotch.point.x, s.BackNotch.point.y, s.BoxLeft, s.BoxRight, s.BoxTop, s.BoxBottom);
}
