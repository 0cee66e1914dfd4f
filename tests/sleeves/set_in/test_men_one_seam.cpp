// The men's coats' one-seam sleeve (kind 13) drafted on the coats' own
// armholes: the back cap half longer by the coat's balance offset, the
// notches the coat's ease shares beyond the armhole's points, the bar at
// the cap top, the shoulder pad in the length; and in the main window with
// every coat that offers it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/coats_men/MenPattern.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/garments/coats_men/MenPatternFixture.h"
#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

using namespace SleeveCheck;


// The coat drafted for the sleeve with the sleeve's sample inputs, and the
// sleeve drafted on its armhole.
void DraftOnCoat(TMenOneSeam& s, TTestMenPattern& g, int type = 28, const MenMeasures& body = kCoatSamples,
                 const SleeveMeasures& m = kSleeveSamples) {
    Put(s, m);
    BodiceChoice choice;
    choice.sleeve = &s;
    choice.sleeveKind = 13;
    DraftMen(g, body, type, choice);
    s.Draft(MenCoatSleeveGarment(g));
}

double FrontArmhole(const TMenPattern& g) {
    return double(Bezier2::ArcLength(g.FrontG2, g.FrontArmholeCtrl1, g.FrontArmholeJoin, 0, 1)) +
           Bezier2::ArcLength(g.FrontArmholeJoin, g.FrontArmholeCtrl2, g.P6, 0, 1);
}
double BackArmhole(const TMenPattern& g) {
    return double(Bezier2::ArcLength(g.BackArmholeJoin, g.BackArmholeCtrl3, g.G2, 0, 1)) +
           Bezier2::ArcLength(g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, 0, 1);
}

}  // namespace

// On every coat, demi-season and winter: the cap is (n + 1)·A long as the
// drawn curves measure, its back half longer than its front half by
// 0.18·A·n + 2·X; the notches lie 0.06·A·n (front) and 0.26·A·n (back)
// beyond the armhole's P6 and P31, each 0.6 cm deep with a 0.4 cm bar.
TEST(MenOneSeamDraft, TheCapAndItsNotchesOnEveryCoat) {
    for (int type : {28, 29, 30, 31, 32, 33}) {
        SCOPED_TRACE(type);
        TTestMenPattern g;
        TMenOneSeam s;
        DraftOnCoat(s, g, type);
        const double a = g.ArmholeLength, n = g.CapEaseNorm, x = g.ArmholeArcLength;
        ASSERT_GT(x, 0.0);
        EXPECT_EQ(s.Family, SleeveGarment::Family::MenCoat);
        EXPECT_NEAR(s.BalanceOffset, 0.18 * a * n + 2 * x, 1e-4);
        const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
        EXPECT_NEAR(front + back, (n + 1) * a, 0.1);
        EXPECT_NEAR(back - front, 0.18 * a * n + 2 * x, 0.1);

        const auto [f, fOff] = LengthAlong(FrontChain(s), s.FrontNotch.point);
        const auto [b, bOff] = LengthAlong(BackChain(s), s.BackNotch.point);
        EXPECT_LT(fOff, 0.05);
        EXPECT_LT(bOff, 0.05);
        EXPECT_NEAR(f, FrontArmhole(g) + 0.06 * a * n, 0.11);
        EXPECT_NEAR(b, BackArmhole(g) + 0.26 * a * n, 0.11);
        const std::vector<Vector> outline = Outline(s);
        for (const BalanceNotch* notch : {&s.FrontNotch, &s.BackNotch}) {
            EXPECT_NEAR(Dist(notch->point, notch->foot), 0.6, 1e-4);
            EXPECT_NEAR(Dist(notch->bar1, notch->bar2), 0.4, 1e-4);
            EXPECT_TRUE(Inside(outline, notch->foot));
        }
        // Only a bar 0.6 cm below the cap top, never a stem.
        EXPECT_EQ(s.TopNotch.point, s.TopNotch.foot);
        EXPECT_EQ(s.TopNotch.bar1, Vector(-0.2f, -0.6f));
        EXPECT_EQ(s.TopNotch.bar2, Vector(0.2f, -0.6f));
    }
}

// The coat's values as the sleeve reads them, for a few norms: with X = 0
// and n = 0 the balance target is 0 and the halves end equal, as on the
// women's sleeve; the width line starts X further back than there.
TEST(MenOneSeamDraft, BalanceTargetFromTheNormAndTheBackArc) {
    struct Case {
        float n, x;
    } cases[] = {{0, 0}, {0.07f, 0}, {0, 1.5f}, {0.07f, 0.8f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n " << c.n << " X " << c.x);
        TTestMenPattern g;
        TMenOneSeam s;
        DraftOnCoat(s, g);
        g.CapEaseNorm = c.n;
        g.ArmholeArcLength = c.x;
        const SleeveGarment sg = MenCoatSleeveGarment(g);
        const double a = g.ArmholeLength;
        EXPECT_NEAR(sg.balanceOffset, 0.18 * a * c.n + 2 * c.x, 1e-4);
        EXPECT_NEAR(sg.frontNotchEase, 0.06 * a * c.n, 1e-5);
        EXPECT_NEAR(sg.backNotchEase, 0.26 * a * c.n, 1e-5);
        s.Draft(sg);
        const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
        EXPECT_NEAR(back - front, sg.balanceOffset, 0.1);
        EXPECT_NEAR(front + back, (c.n + 1) * a, 0.1);
        EXPECT_NEAR(s.P3.x - s.P6.x, s.UpperArmGirth + s.UpperArmEaseTotal, 1e-4);

        // The same armhole read as a women's one (no shift, no offset).
        SleeveGarment plain = sg;
        plain.family = SleeveGarment::Family::Women;
        plain.armholeArcLength = plain.balanceOffset = plain.frontNotchEase = plain.backNotchEase = 0;
        TOneSeam w;
        Put(w, kSleeveSamples);
        w.Draft(plain);
        if (c.n == 0 && c.x == 0) {
            EXPECT_EQ(s.P31, w.P31);
            EXPECT_EQ(s.FrontNotch.point, w.FrontNotch.point);
        } else {
            // A longer back half: the width line sits further back.
            EXPECT_LT(s.P3.x, w.P3.x);
        }
    }
}

// The shoulder pad and the interlining lengthen the coat's sleeve: hem and
// elbow lie Пн + cap ease + h further down (the coat's own armhole moves
// with the pad too, so each draft is checked on its own).
TEST(MenOneSeamDraft, ThePadAndTheInterliningLengthenTheSleeve) {
    for (float pad : {0.0f, 1.5f}) {
        SCOPED_TRACE(pad);
        SleeveMeasures m = kSleeveSamples;
        m.pad = pad;
        TTestMenPattern g;
        TMenOneSeam s;
        DraftOnCoat(s, g, 28, kCoatSamples, m);
        const double h = kCoatSamples.h;
        EXPECT_NEAR(s.CapEase, 0.662 * g.ArmholeLength * g.CapEaseNorm, 1e-5);
        EXPECT_NEAR(s.H.y, -(57.4 + pad + s.CapEase + h), 1e-4);
        EXPECT_NEAR(s.L.y, -(0.58 * 57.4 + pad + s.CapEase + h), 1e-4);
    }
}

// A sleeve too wide for the armhole ends in the integer 1.
TEST(MenOneSeamDraft, ATooWideSleeveFailsAsTheCap) {
    TTestMenPattern g;
    TMenOneSeam s;
    DraftOnCoat(s, g);
    s.UpperArmGirth = 80;
    EXPECT_THROW(s.Draft(MenCoatSleeveGarment(g)), int);
}
