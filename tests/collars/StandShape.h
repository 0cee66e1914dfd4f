// The relations every stand collar keeps, whatever neck it is drafted
// from.
#pragma once

#include <gtest/gtest.h>

#include "collars/Stand.h"
#include "kernel/Bezier.h"

inline void ExpectStandShape(const TStand& s, const BodiceNeck& neck) {
    SCOPED_TRACE(::testing::Message() << "N = " << neck.BackNeckLength);
    EXPECT_EQ(s.NeckLength, neck.BackNeckLength);
    EXPECT_NEAR(s.Length - s.NeckLength, Geom::Distance(neck.A4, neck.A5) * 3.141592653589793 / 3, 1e-4);
    // 4 cm high at the back end, the notch on the baseline at N.
    EXPECT_EQ(s.C, Vector(0, 0));
    EXPECT_EQ(s.C1, Vector(0, 4.0f));
    EXPECT_EQ(s.NotchBase, Vector(s.NeckLength, 0));
    EXPECT_EQ(s.NotchTop, Vector(s.NeckLength, 0.5f));
    EXPECT_NEAR(s.NotchLeft.x, s.NeckLength - 0.2f, 1e-5);
    EXPECT_NEAR(s.NotchRight.x, s.NeckLength + 0.2f, 1e-5);
    // The whole lower edge C -> C3 -> C4 is L long (to the chord walk's
    // approximation).
    const float lower = s.C3.x + Bezier2::ArcLength(s.C3, s.LowerCtrl, s.FrontEnd, 0, 1 - s.TrimParam);
    EXPECT_NEAR(lower, s.Length, 0.01);
    // C6 lies 3.5 cm from the untrimmed front end, along the arc's normal at C4.
    EXPECT_NEAR(Geom::Distance(s.FrontEnd, s.C6), 3.5f, 1e-4);
    const Vector n = Bezier2::Normal(s.C3, s.LowerCtrl, s.FrontEnd, 1 - s.TrimParam);
    EXPECT_NEAR(Vector::Cross(s.C6 - s.FrontEnd, n), 0, 1e-4);
    EXPECT_GT(Vector::Dot(s.C6 - s.FrontEnd, n), 0);
    // The upper arc leaves C5 horizontally and meets the front edge C4 C6 at
    // a right angle.
    EXPECT_NEAR(s.UpperCtrl.y, s.C5.y, 1e-4);
    EXPECT_NEAR(Vector::Dot(s.C6 - s.UpperCtrl, s.C6 - s.C4), 0, 1e-3);
    // The extent box.
    EXPECT_EQ(s.BoxLeft, 0);
    EXPECT_EQ(s.BoxRight, s.Length);
    EXPECT_EQ(s.BoxTop, s.C6.y);
    EXPECT_EQ(s.BoxBottom, 0);
}
