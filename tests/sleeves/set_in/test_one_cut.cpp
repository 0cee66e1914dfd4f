// The one-seam sleeve with elbow dart drafted on the women's bodices' and
// the men's shirts' armholes: the cap fitted with its back half the longer,
// the notches with their ease shares, the hem square to its guide line, the
// dart taking up what the back seam has over the front one; measured on the
// drafted curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sleeves/set_in/OneCut.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/sleeves/set_in/EveryDress.h"

namespace {

using namespace SleeveCheck;

std::vector<CapArc> FrontChain(const TOneCut& s) {
    if (s.MenCut)
        return {CapArc::Cubic(s.P31, s.MenFrontCtrl2, s.P1, s.FrontUpperCtrl, 12),
                CapArc::Quad(s.FrontUpperCtrl, s.O3, s.O2)};
    return {CapArc::Quad(s.P31, s.Point3, s.P1), CapArc::Quad(s.P1, s.FrontLowerCtrl, s.Point1),
            CapArc::Quad(s.Point1, s.FrontUpperCtrl, s.O2)};
}
std::vector<CapArc> BackChain(const TOneCut& s) {
    return {CapArc::Quad(s.P32, s.BackSeamCtrl, s.Point5), CapArc::Cubic(s.Point5, s.BackCubicCtrl2, s.BackCubicCtrl1, s.P5),
            CapArc::Quad(s.P5, s.BackLowerCtrl, s.Point2), CapArc::Quad(s.Point2, s.BackUpperCtrl, s.O2)};
}


// What every fitted darted sleeve shows: the cap (n + 1)·A long, its back
// half `offset` longer than the front; the notches `frontEase` and
// `backEase` beyond the armhole's lengths; the dart's axis bisecting the
// back seam's corner at the mouth; the back seam less the dart 1.015 times
// the front seam; the box from P32 to P31.
void ExpectSleeve(const TOneCut& s, const SleeveGarment& g, double frontSeam) {
    const double a = g.armholeLength, n = g.capEaseNorm;
    const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
    EXPECT_NEAR(front + back, (n + 1) * a, 0.1);
    EXPECT_NEAR(back - front, s.BalanceOffset, 0.1);
    EXPECT_NEAR(LengthAlong(FrontChain(s), s.FrontNotch.point).first, g.FrontArmholeLength() + 0.06 * a * n, 0.11);
    EXPECT_NEAR(LengthAlong(BackChain(s), s.BackNotch.point).first, g.BackArmholeLength() + 0.26 * a * n, 0.11);

    if (s.DartOpen) {
        const double upper = Dist(s.P32, s.L4), lower = Dist(s.L5, s.H4);
        EXPECT_NEAR(upper + lower, 1.015 * frontSeam, 1e-3);
        // The legs meet the mouth's corner on the back seam, equally long.
        EXPECT_NEAR(Dist(s.DartMouth, s.L4), Dist(s.DartMouth, s.L5), 1e-3);
        EXPECT_NEAR(Bend(s.P32, s.L4, s.DartMouth), 0, 1e-4);
        // The axis L2 → mouth bisects the corner between the seam's halves.
        EXPECT_NEAR(CornerCos(s.DartMouth, s.L2, s.P32), CornerCos(s.DartMouth, s.L2, s.H4), 0.01);
        // The closed dart's edge: DartCapPoint on the axis as far from L2 as
        // the fold point, which lies on the upper seam line.
        EXPECT_NEAR(Dist(s.L2, s.DartCapPoint), Dist(s.L2, s.DartFoldPoint), 1e-3);
        EXPECT_NEAR(Bend(s.L3, s.P32, s.DartFoldPoint), 0, 1e-3);
    } else {
        // The hem end on the straight back seam line (moved up it when the
        // hem was split).
        EXPECT_LT(Bend(s.P32, s.L3, s.H4) * Dist(s.L3, s.H4), 0.1);
    }
    EXPECT_EQ(s.BoxLeft, s.P32.x);
    EXPECT_EQ(s.BoxRight, s.P31.x);
    EXPECT_EQ(s.BoxTop, 0);
    EXPECT_EQ(s.BoxBottom, std::min(s.H2.y, s.H4.y));
}

}  // namespace

// Every women's garment: the women's construction with the shoulder pad in
// the length, the bar at the cap top, H2 square under L2 at Wr/2 from H.
TEST(OneCutDraft, FitsEveryWomensArmhole) {
    OnEveryGarment<TOneCut>([](TDress& d, const TOneCut& s) {
        const SleeveGarment g = WomenSleeveGarment(d);
        EXPECT_FALSE(s.MenCut);
        EXPECT_NEAR(s.BalanceOffset, 0.18 * d.ArmholeLength * d.CapEaseNorm, 1e-4);
        ExpectSleeve(s, g, Dist(s.P31, s.H3));
        EXPECT_TRUE(s.DartOpen);
        const double h = d.InterliningEase;
        EXPECT_NEAR(s.H.y, -(57.4 + 0.5 + s.CapEase + h), 1e-4);
        EXPECT_NEAR(s.L0.y, -(0.58 * 57.4 + 0.5 + s.CapEase + h), 1e-4);
        EXPECT_NEAR(CornerCos(s.H2, s.L2, s.H), 0, 1e-4);
        EXPECT_NEAR(Dist(s.H2, s.H), s.WristWidth / 2, 1e-3);
        EXPECT_EQ(s.TopNotch.bar1, Vector(-0.2f, -0.6f));
        EXPECT_EQ(s.TopNotch.bar2, Vector(0.2f, -0.6f));
        // The hem from H3 over H0 and H2 to the unshortened H4 is Wr.
        if (!s.HemSplit)
            EXPECT_NEAR(ChordLength({CapArc::Quad(s.H3, s.H, s.H0)}) + Dist(s.H0, s.H2) + Dist(s.H2, s.H4),
                        s.WristWidth, 0.01);
    });
}

// The men's shirts and jackets: the men's construction without the pad,
// the notch 1 cm along the arc over O3, the elbow tick at L11, H0 square
// under L0 at Wr/4 from H.
TEST(OneCutDraft, FitsTheMenShirtsArmholes) {
    for (MenDressKind kind : kMenKinds) {
        SCOPED_TRACE(int(kind));
        TTestMenDress d;
        TOneCut s;
        SleeveMeasures m = kSleeveSamples;
        m.pad = 3;
        DraftOnShirt(s, d, 3, m, kind);
        const SleeveGarment g = MenShirtSleeveGarment(d);
        EXPECT_TRUE(s.MenCut);
        ExpectSleeve(s, g, ChordLength({CapArc::Quad(s.P31, s.FrontLowerCtrl, s.L1)}) + Dist(s.L1, s.H3));
        const double h = d.InterliningEase;
        EXPECT_NEAR(s.CapEase, 0.715 * d.ArmholeLength * d.CapEaseNorm, 1e-4);
        EXPECT_NEAR(s.H.y, -(57.4 + s.CapEase + h), 1e-4);
        EXPECT_NEAR(s.ElbowWidth, 0.88 * s.SleeveWidth, 1e-4);
        EXPECT_NEAR(s.L1.x - s.L3.x, s.ElbowWidth, 1e-3);
        EXPECT_NEAR(CornerCos(s.H0, s.L0, s.H), 0, 1e-4);
        EXPECT_NEAR(Dist(s.H0, s.H), s.WristWidth / 4, 1e-3);
        EXPECT_NEAR(LengthAlong({CapArc::Quad(s.O2, s.O3, s.FrontUpperCtrl)}, s.TopNotch.point).first, 1.0, 0.1);
        EXPECT_NEAR(s.ElbowTickUpper.y - s.ElbowTickLower.y, 0.4, 1e-4);
        EXPECT_EQ(s.ElbowTickUpper.x, s.L11.x);
        EXPECT_EQ(s.HemSplit, s.WristWidth > 0.7 * s.SleeveWidth);
    }
}

// The wrist against the sleeve: a sound wrist opens the dart; a wrist so
// wide that the hem end passes the back seam line is narrowed until H4
// lies within 0.1 cm of that line, and the seam runs straight, no dart; a
// wide hem splits part of the intake into the hem end.  Every case keeps
// the seam lengths.
TEST(OneCutDraft, TheWristDecidesDartAndHem) {
    struct Case {
        float wrist;
        bool men;
    };
    int open = 0, closed = 0, split = 0;
    for (const Case c : {Case{10, false}, Case{15.9f, false}, Case{24, false}, Case{30, false}, Case{15.9f, true},
                         Case{24, true}, Case{30, true}, Case{36, true}}) {
        SCOPED_TRACE(testing::Message() << c.wrist << (c.men ? " men" : " women"));
        SleeveMeasures m = kSleeveSamples;
        m.wrist = c.wrist;
        TOneCut s;
        const float typed = c.wrist + m.wristEase;
        if (c.men) {
            TTestMenDress d;
            DraftOnShirt(s, d, 3, m, MenDressKind::Shirt);
            ExpectSleeve(s, MenShirtSleeveGarment(d),
                         ChordLength({CapArc::Quad(s.P31, s.FrontLowerCtrl, s.L1)}) + Dist(s.L1, s.H3));
            EXPECT_EQ(s.HemSplit, s.WristWidth > 0.7 * s.SleeveWidth);
            if (!s.DartOpen) EXPECT_LT(s.WristWidth, typed + 3 * d.InterliningEase);
        } else {
            TTestDress d;
            DraftSleeve(s, d, m);
            ExpectSleeve(s, WomenSleeveGarment(d), Dist(s.P31, s.H3));
            if (!s.DartOpen) EXPECT_LT(s.WristWidth, typed + 3 * d.InterliningEase);
        }
        open += s.DartOpen;
        closed += !s.DartOpen;
        split += s.HemSplit;
    }
    EXPECT_GT(open, 0);
    EXPECT_GT(closed, 0);
    EXPECT_GT(split, 0);
}

// Failures: a sleeve too wide for the armhole, and a wrist wider than the
// lower sleeve can take (no right angle at H2), end in the integer 1.
TEST(OneCutDraft, ASleeveThatCannotBeBuiltThrowsTheCapFailure) {
    struct Case {
        float upperArm, wrist;
    };
    for (const Case c : {Case{80, 15.9f}, Case{29.1f, 400}}) {
        SCOPED_TRACE(testing::Message() << c.upperArm << " " << c.wrist);
        TTestDress d;
        TOneCut s;
        SleeveMeasures m = kSleeveSamples;
        m.upperArm = c.upperArm;
        m.wrist = c.wrist;
        Put(s, m);
        DraftForSleeve(d, s, m);
        EXPECT_THROW(s.Draft(WomenSleeveGarment(d)), int);
    }
}
