// scratch
#include <gtest/gtest.h>
#include <cstdio>
#include "garments/lower_men/MVolumeBryuki.h"
#include "platform/Text.h"

TEST(MVolumeScratch, Dump) {
    SetDecimalSeparator('.');
    TMVolumeBryuki w;
    w.WaistHalfGirth = 41; w.HipHalfGirth = 50; w.SideLength = 102; w.HemWidth = 19; w.WaistEase = 1; w.HipEase = 6; w.SeatEase = 0; w.PleatCount = 3;
    w.Calculate(); w.CalcSegments();
    printf("s=%g E=%g K=%d T2=(%g,%g) T12=(%g,%g) Wb=%g D=%g %s\n", w.SeatDepth, w.PleatSurplus, w.PleatCount, w.T2.x, w.T2.y, w.T12.x, w.T12.y, w.BackHipWidth, w.BackDart, w.SeamLabelText().c_str());
    for (auto r : w.FrontTableRows()) printf("%s %s\n", r.text, FormatFixed(r.value,5,1).c_str());
    for (auto r : w.BackTableRows()) printf("%s %s\n", r.text, FormatFixed(r.value,5,1).c_str());
    for (int i=0;i<3;i++) printf("pleat %d near (%g,%g) far (%g,%g) depth %g\n", i, w.Pleats[i].Near.x, w.Pleats[i].Near.y, w.Pleats[i].Far.x, w.Pleats[i].Far.y, w.PleatDepth[i]);
    printf("T4 (%g,%g) T5 (%g %g) T6 (%g %g) b61 (%g %g) b7 (%g %g) C5 (%g %g)\n", w.T4.x,w.T4.y,w.T5.x,w.T5.y,w.T6.x,w.T6.y,w.b61.x,w.b61.y,w.b7.x,w.b7.y,w.C5.x,w.C5.y);
    SetDecimalSeparator(0);
}
