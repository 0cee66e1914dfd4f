// The silhouette steps after the common draft: the straight side seams and
// front hip curve, and the fitted waist suppression shared out over the
// back centre, the side seams and the darts.
#include <gtest/gtest.h>

#include "garments/bodice_women/DressGarment.h"
#include "tests/DraftExpect.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

// The fitted dress of the sample column (Ст 38, Пт 4.8), drafted on its own.
void DraftFitted(TDressOfWaist& w, const DressMeasures& m = kDressSamples) {
    Put(w, m);
    w.BustEase = 2.8f;
    w.WaistGirth = 38;
    w.WaistEase = 4.8f;
    w.WaistSuppression = w.BustHalfGirth2 + w.BustEase - w.WaistGirth - w.WaistEase;
    w.Calculate();
}

TEST(DressOfStraight, SideSeamsShareTheHipExcess) {
    const struct {
        const char* what;
        float hips;
    } cases[] = {{"hips flare the back centre", 53}, {"hips narrower than the bust", 48}, {"no excess", 49.5f}};
    for (const auto& c : cases) {
        TDressOfStraight s;
        DressMeasures m = kDressSamples;
        m.Cb = c.hips;
        Put(s, m);
        s.Calculate();
        ASSERT_TRUE(s.calculated) << c.what;
        const float E = s.HipExcess;
        const float delta = s.B.x - s.B0.x;  // the back centre's share
        if (E > 0) {
            EXPECT_GT(delta, 0) << c.what;
            EXPECT_NEAR(s.B4.x, (E - delta) / 2, 1e-5) << c.what;
        } else {
            EXPECT_EQ(s.B0, s.B) << c.what;
            EXPECT_NEAR(s.B4.x, E / 2, 1e-6) << c.what;
        }
        EXPECT_EQ(s.B5.x, -s.B4.x) << c.what;
        EXPECT_EQ(s.B4.y, s.B.y);
        // The front hip curve leaves B21 along the hip line and is
        // symmetric about the bisector of B21 B5.
        EXPECT_NEAR(s.FrontHipCtrl.y, s.B21.y, 1e-4) << c.what;
        EXPECT_NEAR(Geom::Distance(s.FrontHipCtrl, s.B21), Geom::Distance(s.FrontHipCtrl, s.B5), 1e-3) << c.what;
        // The back seam met with the chest line.
        EXPECT_NEAR(s.BackSeamChest.y, s.G.y, 1e-4) << c.what;
        EXPECT_LT(OffLine(s.BackSeamStart, s.T1, s.BackSeamChest), 1e-3) << c.what;
    }
}

// The darts rebalanced: a case sets the back's and the front's width left
// at the waist (back dart and front half before the rebalancing) and S.
TEST(DressOfWaist, DartsAreRebalanced) {
    const struct {
        const char* what;
        float S, backDart, frontHalf;
        float expBack, expHalf, expSecond, expSide, expExcess;
    } cases[] = {
        {"back dart 0.8 goes to the sides", 0, 0.8f, 1.0f, 0, 1.0f, -1, 0.4f, 0},
        {"front half 0.3 goes to the sides", 0, 2, 0.3f, 2, 0, -1, 0.3f, -1},
        {"negative back dart narrows the front", 0, -1, 1.2f, 0, 0.7f, -1, 0, -1},
        {"front halves clamped at 0", 0, -1, 0.3f, 0, 0, -1, 0, -1},
        {"negative front half widens the back dart", 0, 2, -0.5f, 1, 0, -1, 0, -1},
        {"front half 1.4 opens the dart", 0, 2, 1.4f, 2, 1.4f, -1, 0, 0.4f},
        {"front half 1.8 makes a second dart", 0, 2, 1.8f, 2, 1.0f, 1.6f, 0, 0},
        {"front half 2.6: second dart capped", 0, 2, 2.6f, 2, 1.6f, 2, 0, 0.6f},
        {"large S: back centre capped", 20, 2, 1.0f, 2, 1.0f, -1, 4, 0},
    };
    for (const auto& c : cases) {
        TDressOfWaist w;
        DraftFitted(w);
        const Vector b0 = w.B0;
        // The widths left at the waist set through the side point and the
        // front centre.
        w.WaistSuppression = c.S;
        const float side = 0.2f * c.S, centre = std::min(0.15f * c.S, 2.5f);
        w.T5.x = w.T.x + side + centre + w.BackWaistWidth + c.backDart;
        w.T2.x = w.T5.x + side + w.FrontWaistWidth + 2 * c.frontHalf;
        w.DraftWaist();
        EXPECT_NEAR(w.BackDart, c.expBack, 1e-4) << c.what;
        EXPECT_NEAR(w.FrontDartLeft, c.expHalf, 1e-4) << c.what;
        EXPECT_EQ(w.FrontDartLeft, w.FrontDartRight) << c.what;
        EXPECT_NEAR(w.SecondDart, c.expSecond, 1e-4) << c.what;
        EXPECT_NEAR(w.SideSuppression, c.expSide, 1e-4) << c.what;
        EXPECT_NEAR(w.FrontDartExcess, c.expHalf - 1, 1e-4) << c.what;
        EXPECT_NEAR(w.BackCentreSuppression, centre, 1e-5) << c.what;
        EXPECT_NEAR(w.T11.x - w.T.x, centre, 1e-5) << c.what;
        // The opened front dart moves B0 and B5 back and B4 forward by 2/3 X.
        const float k = c.expExcess > 0 ? 2.0f / 3.0f * c.expExcess : 0.0f;
        EXPECT_NEAR(w.B0.x, b0.x - k, 1e-4) << c.what;
        // B5 moves back as far as B4 moves forward: they stay mirrored.
        EXPECT_NEAR(w.B5.x + w.B4.x, 0, 1e-4) << c.what;
        if (c.expExcess > 0) {
            EXPECT_NEAR(w.FrontDartLegLow2.x - w.FrontDartLegLow1.x, 2 * c.expExcess, 1e-4) << c.what;
            // The hip curve's two parts 2X apart, the dart leg on the first.
            EXPECT_NEAR(w.FrontDartHip2.x - w.FrontDartHip1.x, 2 * c.expExcess, 1e-4) << c.what;
            EXPECT_NEAR(w.HipSideShifted.x - w.B5.x, 2 * c.expExcess, 1e-4) << c.what;
            const Vector onArc = Bezier2::Point(w.B21, w.FrontHipCtrl, w.HipSideShifted, w.HipCurveT);
            EXPECT_NEAR(Geom::Distance(onArc, w.FrontDartHip2), 0, 0.01) << c.what;
        }
        if (c.expSecond > 0) {
            EXPECT_NEAR(w.T16.x - w.T15.x, c.expSecond, 1e-4) << c.what;
            EXPECT_NEAR(w.SecondDartCentre.x, (w.Tk.x + w.T4.x) / 2, 1e-4) << c.what;
        }
        // What the waist takes in adds up to the width the pieces have more
        // than the waist, where no clamp dropped a deficit.
        if (c.backDart >= 0 && c.frontHalf >= 0) {
            const float total = w.BackCentreSuppression + 2 * w.SideSuppression + w.BackDart + w.FrontDartLeft +
                                w.FrontDartRight + std::max(w.SecondDart, 0.0f);
            EXPECT_NEAR(total, (w.T2.x - w.T.x) - (w.WaistGirth + w.WaistEase), 1e-3) << c.what;
        }
    }
}

// The hip points of the fitted silhouette share the hip excess as the
// straight one does, before an opened front dart moves them.
TEST(DressOfWaist, HipPointsAndSideSeams) {
    for (float hips : {48.0f, 53.0f}) {
        TDressOfWaist w;
        DressMeasures m = kDressSamples;
        m.Cb = hips;
        DraftFitted(w, m);
        const float k = w.FrontDartExcess > 0 ? 2.0f / 3.0f * w.FrontDartExcess : 0.0f;
        const float E = w.HipExcess;
        if (E <= 0) EXPECT_NEAR(w.B4.x - k, 0.5f * E, 1e-5) << hips;
        // The side seams leave the waist points straight up and down.
        EXPECT_EQ(w.BackSideLowerCtrl.x, w.T6.x);
        EXPECT_EQ(w.FrontSideLowerCtrl.x, w.T7.x);
        EXPECT_NEAR(w.T7.x - w.T5.x, w.SideSuppression, 1e-5);
        EXPECT_NEAR(w.T5.x - w.T6.x, w.SideSuppression, 1e-5);
        // The back dart stands under the back shoulder dart's apex.
        EXPECT_EQ(w.BackDartApex.x, std::min(w.U2.x, w.Q1.x));
        EXPECT_NEAR(w.T14.x - w.T13.x, w.BackDart, 1e-5);
    }
    // S = 0: nothing taken at the centre and the sides; T11 = T.
    TDressOfWaist w;
    DressMeasures m = kDressSamples;
    DraftFitted(w, m);
    w.WaistSuppression = 0;
    w.DraftWaist();
    EXPECT_EQ(w.T11, w.T);
    EXPECT_EQ(w.T6.x, w.T5.x);
    EXPECT_EQ(w.T7.x, w.T5.x);
}

// The jackets and coats are their silhouette with their own constants.
TEST(DressVariants, EachVariantDraftsWithItsKindsAllowances) {
    TCoatOfWinterStraight coat;
    Put(coat, kDressSamples);
    coat.InterliningEase = 0.4f;
    coat.Calculate();
    EXPECT_EQ(coat.Type(), 13);
    EXPECT_NEAR(coat.ArmholeDepthEase, 3.12f, 1e-5);
    EXPECT_NEAR(coat.FrontLengthEase, 3.04f, 1e-5);
    EXPECT_NEAR(coat.BackNeckRaise, 0.94f, 1e-5);
    EXPECT_NEAR(coat.FrontNeckDepthEase, 1.74f, 1e-5);
    EXPECT_NEAR(coat.BustEaseTotal, 3.6f, 1e-5);
    const struct {
        TDressGarment* garment;
        int type;
    } variants[] = {{new TDressOfStraight, 7},      {new TDressOfWaist, 8},       {new TCoateeOfStraight, 9},
                    {new TCoateeOfWaist, 10},       {new TCoatOfAutumnStraight, 11}, {new TCoatOfAutumnWaist, 12},
                    {new TCoatOfWinterStraight, 13}, {new TCoatOfWinterWaist, 14}};
    for (const auto& v : variants) {
        EXPECT_EQ(v.garment->Type(), v.type);
        EXPECT_EQ(v.garment->Shape() == Silhouette::Fitted, v.type % 2 == 0);
        delete v.garment;
    }
}

}  // namespace
