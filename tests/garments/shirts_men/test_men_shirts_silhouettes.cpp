// The silhouettes' steps on their own (no windows): the straight side
// lines' waist crossings, and the fitted waist's suppression shared out
// over the side seams and the darts by its range.
#include <gtest/gtest.h>

#include <cmath>

#include "garments/shirts_men/MenShirts.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

namespace {

template <class Garment>
void DraftGarment(Garment& g, const ShirtMeasures& m) {
    Put(g, m);
    g.Calculate();
    g.CalcSegments();
}

// How far p lies off the line through a and b.
float OffLine(const Vector& p, const Vector& a, const Vector& b) {
    return std::fabs(Geom::Side(a, Vector::UnitBetween(a, b), p));
}

// T4 and T5 lie on the straight side lines at the waist's height; the shirt
// and the jacket differ wherever the ease constants enter.
TEST(MenShirtSilhouettes, TheStraightSideLinesCrossTheWaist) {
    TMenShirtOfStraight shirt;
    TMenJacketOfStraight jacket;
    ShirtMeasures m = kShirtSamples;
    m.Cb = 60;
    DraftGarment(shirt, m);
    DraftGarment(jacket, m);
    for (const TMenDressOfStraight* g : {static_cast<const TMenDressOfStraight*>(&shirt),
                                         static_cast<const TMenDressOfStraight*>(&jacket)}) {
        EXPECT_TRUE(g->calculated);
        EXPECT_LT(OffLine(g->BackSideCross, g->G2, g->B4), 1e-4f);
        EXPECT_LT(OffLine(g->FrontSideCross, g->G2, g->B5), 1e-4f);
        EXPECT_FLOAT_EQ(g->BackSideCross.y, g->T.y);
        EXPECT_FLOAT_EQ(g->FrontSideCross.y, g->T.y);
        // Hips wider than the chest with their eases: the back side line
        // leans to the front below G2 and the front one to the back.
        EXPECT_GT(g->B4.x, 0.0f);
        EXPECT_GT(g->BackSideCross.x, g->FrontSideCross.x);
    }
    EXPECT_NE(shirt.P10, jacket.P10);
    EXPECT_NE(shirt.A01.y, jacket.A01.y);
    EXPECT_NEAR(jacket.ChestLineLength - shirt.ChestLineLength, 0.8f, 1e-5f);  // WidthEase
    EXPECT_EQ(shirt.Type(), 22);
    EXPECT_EQ(jacket.Type(), 24);
}

// The waist suppression S by its range: the side take-in s at each side
// seam, the back dart up to 2 cm, then the front dart up to 2 cm; more is
// not taken in; a negative S moves the side points outwards.
TEST(MenShirtSilhouettes, TheFittedWaistSharesOutItsSuppression) {
    const struct {
        float S, side, backDart, frontDart;  // a dart of width 0: none
    } cases[] = {
        {3, 1.5f, 0, 0}, {4, 1.5f, 1, 0}, {5, 1.5f, 2, 0}, {6, 1.5f, 2, 1},
        {7, 1.5f, 2, 2}, {9, 1.5f, 2, 2}, {1, 0.5f, 0, 0}, {-2, -1, 0, 0},
    };
    // The hips with their ease as wide as the chest with its: the side
    // lines stand upright and S is exactly Сг2 + Пг − Ст − Пт.
    ShirtMeasures m = kShirtSamples;
    m.Cg2 = 52;
    m.Cb = 54;
    for (MenDressKind kind : kMenKinds) {
        for (const auto& c : cases) {
            TMenShirtOfWaist shirt;
            TMenJacketOfWaist jacket;
            TMenDressOfWaist& g = kind == MenDressKind::Shirt ? static_cast<TMenDressOfWaist&>(shirt) : jacket;
            g.WaistEase = 5;
            g.WaistGirth = 0;
            DraftGarment(g, m);
            ASSERT_EQ(g.BackSideCross.x - g.FrontSideCross.x, 0.0f);
            g.WaistGirth = 52 + 7 - 5 - c.S;
            DraftGarment(g, m);
            const std::string context = "S = " + std::to_string(c.S) + (kind == MenDressKind::Shirt ? " shirt" : " jacket");
            ASSERT_EQ(g.WaistSuppression, c.S) << context;
            EXPECT_NEAR(g.BackSideCross.x - g.BackWaistPoint.x, c.side, 1e-4f) << context;
            EXPECT_NEAR(g.FrontWaistPoint.x - g.FrontSideCross.x, c.side, 1e-4f) << context;
            EXPECT_FLOAT_EQ(g.BackWaistPoint.y, g.T.y) << context;
            EXPECT_FLOAT_EQ(g.FrontWaistPoint.y, g.T.y) << context;
            EXPECT_EQ(g.HasBackDart(), c.backDart > 0) << context;
            EXPECT_EQ(g.HasFrontDart(), c.frontDart > 0) << context;
            if (c.backDart > 0) {
                EXPECT_NEAR(g.BackDartRight.x - g.BackDartLeft.x, c.backDart, 1e-4f) << context;
                EXPECT_NEAR(g.BackDartCentre.x, (g.T.x + g.BackWaistPoint.x) / 2, 1e-4f) << context;
                EXPECT_FLOAT_EQ(g.BackDartTop.y, g.G.y - 6) << context;
                EXPECT_FLOAT_EQ(g.BackDartBottom.y, g.B.y + 5) << context;
                EXPECT_NEAR(g.BackDartBottomBar[1].x - g.BackDartBottomBar[0].x, 0.4f, 1e-5f) << context;
            }
            if (c.frontDart > 0) {
                EXPECT_NEAR(g.FrontDartRight.x - g.FrontDartLeft.x, c.frontDart, 1e-4f) << context;
                EXPECT_NEAR(g.FrontDartCentre.x, (g.FrontWaistPoint.x + g.T3.x) / 2, 1e-4f) << context;
                EXPECT_FLOAT_EQ(g.FrontDartTop.y, g.G.y - 6) << context;
            }
            // The side seams' controls: 30 % up to G2, 20 % down to the hip
            // line, and on the straight side lines near the hip points.
            EXPECT_NEAR(g.FrontSideUpperCtrl.y, g.T2.y + 0.3f * (g.G2.y - g.T2.y), 1e-4f) << context;
            EXPECT_FLOAT_EQ(g.BackSideUpperCtrl.x, g.BackWaistPoint.x) << context;
            EXPECT_NEAR(g.BackSideLowerCtrl.y, g.T2.y - 0.2f * (g.T2.y - g.B2.y), 1e-4f) << context;
            EXPECT_LT(OffLine(g.FrontSideHemCtrl, g.G2, g.B5), 1e-4f) << context;
            EXPECT_NEAR(Geom::Distance(g.FrontSideHemCtrl, g.B5), 0.2f * Geom::Distance(g.B5, g.T2), 1e-4f);
            EXPECT_NEAR(Geom::Distance(g.BackSideHemCtrl, g.B4), 0.2f * Geom::Distance(g.B4, g.BackSideCross), 1e-4f);
        }
    }
}

// Wider hips add to S what narrower ones take from it.
TEST(MenShirtSilhouettes, TheSideLinesSlantCorrectsTheSuppression) {
    TMenShirtOfWaist narrow, wide;
    for (TMenShirtOfWaist* g : {&narrow, &wide}) {
        g->WaistGirth = 47;
        g->WaistEase = 5;
    }
    ShirtMeasures m = kShirtSamples;
    m.Cb = 48;
    DraftGarment(narrow, m);
    m.Cb = 60;
    DraftGarment(wide, m);
    const float base = 52.2f + 7 - 47 - 5;
    EXPECT_LT(narrow.WaistSuppression, base);
    EXPECT_GT(wide.WaistSuppression, base);
}

}  // namespace
