// The men's jacket collar drafted on every garment of the men's outerwear
// family: its sizes by garment type, the default break point, the lengths
// its searches match, the stand and fall pieces and the front edge.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/Bezier.h"
#include "tests/collars/MenForCoatFixture.h"

namespace {

float Arc(const Vector& a, const Vector& b, const Vector& c, float t1 = 0, float t2 = 1) {
    return Bezier2::ArcLength(a, b, c, t1, t2);
}

TEST_F(MenForCoatTest, DraftsOnEveryGarmentOfTheFamily) {
    struct Case {
        int type;
        float s1, s2;
    } cases[] = {{28, 3.5f, 3}, {29, 3.5f, 3}, {30, 3.5f, 3}, {31, 4, 3}, {32, 4, 3},
                 {33, 4, 3},    {34, 2.5f, 2}, {35, 2.5f, 2}, {36, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        TMenPattern& g = Calculated(c.type);
        ASSERT_TRUE(g.calculated);
        TMenForCoat& k = Collar();
        EXPECT_EQ(k.StandHeight, c.s1);
        EXPECT_EQ(k.Extension, c.s2);
        EXPECT_FLOAT_EQ(k.FallWidth, c.s1 + 1.5f);
        EXPECT_NEAR(k.EndWidth, (c.s1 + 1.5f) * 0.888f, 1e-5);
        printf("%d L0 %f zone %d turn %d A5 %f %f g %f %f\n", c.type, k.ExtensionAtBreak, k.BreakZone, g.FrontEdgeTurn, k.A5.x, k.A5.y, g.A5.x, g.A5.y);
        printf("  box %f %f %f %f\n", k.BoxLeft, k.BoxRight, k.BoxTop, k.BoxBottom);
        const float T = Geom::Distance(g.A4, k.A6) + g.NeckLength;
        printf("  neck %f %f stand %f\n", T, Arc(k.C2, k.NeckCtrl, k.A6), Arc(k.StandC2, k.StandNeckCtrl, k.StandA6));
        printf("  roll %f %f\n", Arc(k.PieceC3, k.PieceFoldCtrl, k.PieceF2), k.StandF2.x - k.StandC2.x);
    }
}

}  // namespace
