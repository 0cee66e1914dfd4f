// The men's coats' and blazers' two-seam sleeve (kind 12) drafted on the
// garments' own armholes: both caps fitted to (n + 1)·A, the balance notch
// (0.5 + 0.41·n)·A − X from the cap top over the front, the notches and
// shoulder mark it writes into the garment, the lower sleeve; and in the
// main window with every garment that offers it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/coats_men/MenPattern.h"
#include "shell/OrderFile.h"
#include "sleeves/set_in/TwoSeam.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/garments/coats_men/MenPatternFixture.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

using namespace SleeveCheck;

void DraftOn(TMenTwoSeam& s, TTestMenPattern& g, int type, const SleeveMeasures& m = kSleeveSamples) {
    Put(s, m);
    BodiceChoice choice;
    choice.sleeve = &s;
    choice.sleeveKind = 12;
    DraftMen(g, type >= 34 ? kBlazerSamples : kCoatSamples, type, choice);
    s.Draft(MenCoatSleeveGarment(g));
}

double Quad(const Vector& a, const Vector& b, const Vector& c) { return Bezier2::ArcLength(a, b, c, 0, 1); }

// Both caps as the drawn curves measure them.
double CapsByChords(const TTwoSeam& s) {
    const std::vector<CapArc> top = {CapArc::Cubic(s.BackSeamTop, s.BackCubicCtrl1, s.BackCubicCtrl2, s.P5),
                                     CapArc::Quad(s.P5, s.BackLowerCtrl, s.Point2),
                                     CapArc::Quad(s.Point2, s.BackUpperCtrl, s.O2),
                                     CapArc::Quad(s.O2, s.O3, s.FrontArcJoin),
                                     CapArc::Quad(s.FrontArcJoin, s.P1, s.P9)};
    const std::vector<CapArc> under = {CapArc::Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3),
                                       CapArc::Quad(s.P3, s.UnderBackCtrl, s.Point5)};
    return ChordLength(top) + ChordLength(under);
}

bool Finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// The under sleeve's notch as its bars are named: the stem 0.6 cm from the
// point to the foot, the bar 0.4 cm across its end, the first bar end on
// the stem turned a quarter counter-clockwise (along the cap's tangent
// where the stem runs against the normal, against it where the stem runs
// along the normal).
void ExpectTheCapNotchsBars(const TTwoSeam& s) {
    const BalanceNotch& n = s.CapNotch;
    const Vector stem = n.foot - n.point;
    EXPECT_NEAR(std::hypot(stem.x, stem.y), 0.6, 1e-4);
    const Vector across = Vector::Perpendicular(stem) * (1.0f / 3);
    EXPECT_NEAR(n.bar1.x, n.foot.x + across.x, 1e-4);
    EXPECT_NEAR(n.bar1.y, n.foot.y + across.y, 1e-4);
    EXPECT_NEAR(n.bar2.x, n.foot.x - across.x, 1e-4);
    EXPECT_NEAR(n.bar2.y, n.foot.y - across.y, 1e-4);
}

}  // namespace

// On every coat and blazer: both caps together are (n + 1)·A; the under
// sleeve's notch lies (0.5 + 0.41·n)·A − X from the cap top measured over
// the front; the coat's front notch (and split point) lies as far up its
// front armhole from FrontG2 as the sleeve's notch from UnderFrontTop, the
// back notch as far from G2 as the notch from P5 less 0.24·A·n.
TEST(MenTwoSeamDraft, TheCapsAndTheNotchesOnEveryGarment) {
    for (int type : {28, 29, 30, 31, 32, 33, 34, 35}) {
        SCOPED_TRACE(type);
        TTestMenPattern g;
        TMenTwoSeam s;
        DraftOn(s, g, type);
        const double a = g.ArmholeLength, n = g.CapEaseNorm, x = g.ArmholeArcLength;
        EXPECT_NEAR(s.CapLengthRequired, (n + 1) * a, 1e-4);
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        EXPECT_NEAR(CapsByChords(s), (n + 1) * a, 0.1);
        EXPECT_NEAR(s.CapEase, 0.715 * a * n, 1e-5);

        // The balance notch, over the front of the cap.
        const double front = Quad(s.O2, s.O3, s.FrontArcJoin) + Quad(s.FrontArcJoin, s.P1, s.P9) +
                             Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3);
        const double dn = (0.5 + 0.41 * n) * a - x - front;
        const std::vector<CapArc> under = {CapArc::Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3),
                                           CapArc::Quad(s.P3, s.UnderBackCtrl, s.Point5)};
        const double fromUnderTop = LengthAlong(under, s.CapNotch.point).first;
        const double toP3 = Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3);
        EXPECT_NEAR(fromUnderTop, toP3 + dn, 0.11);

        // The garment's notches.
        const SleeveGarment sg = MenCoatSleeveGarment(g);
        EXPECT_EQ(g.SplitPoint, g.SleeveNotch1[0]);
        EXPECT_NEAR(AlongArmhole(sg.front, sg.frontBeyond, g.SleeveNotch1[0]), toP3 + dn, 0.11);
        const double fromP5 = Quad(s.P3, s.UnderBackCtrl, s.Point5) +
                              Bezier3::ArcLength(s.Point5, s.UnderBackCubicCtrl1, s.UnderBackCubicCtrl2, s.P5, 0,
                                                 s.BackCubicParam, 50);
        EXPECT_NEAR(AlongArmhole(sg.back, sg.backBeyond, g.SleeveNotch2[0]), fromP5 - 0.24 * a * n - dn, 0.11);
        EXPECT_GE(g.SplitParam, 0.0f);
        EXPECT_LE(g.SplitParam, 1.0f);
        // Stem 0.6 cm into the piece, a 0.4 cm bar about the foot.
        for (const Vector* notch : {g.SleeveNotch1, g.SleeveNotch2}) {
            EXPECT_NEAR(Dist(notch[0], notch[2]), 0.6, 1e-4);
            EXPECT_NEAR(Dist(notch[1], notch[3]), 0.4, 1e-4);
        }
        // The shoulder mark 0.6 cm from "2", its bar across the mark.
        EXPECT_NEAR(Dist(g.ShoulderMark[0], g.FrontArmhole2), 0.6, 1e-4);
        EXPECT_NEAR(Dist(g.ShoulderMark[1], g.ShoulderMark[2]), 0.4, 1e-4);

        // The front notch on the top sleeve: the garment's shoulder arc plus
        // 0.22·A·n down from the cap top.
        const std::vector<CapArc> frontCap = {CapArc::Quad(s.O2, s.O3, s.FrontArcJoin),
                                              CapArc::Quad(s.FrontArcJoin, s.P1, s.P9)};
        EXPECT_NEAR(LengthAlong(frontCap, s.FrontNotch.point).first,
                    0.22 * a * n + Quad(g.FrontArmhole2, g.FrontArmholeCtrl4, g.P10), 0.11);
        // Only a bar at the cap top.
        EXPECT_EQ(s.TopNotch.point, s.TopNotch.foot);
        EXPECT_EQ(s.TopNotch.bar1, Vector(-0.2f, -0.6f));

        for (const Vector& p : {s.H2, s.H5, s.H6, s.L4, s.L5, s.P81, s.BackSeamCtrl3, s.TopFlap.farCorner})
            EXPECT_TRUE(Finite(p));
        EXPECT_EQ(s.BoxTop, 0.0f);
        EXPECT_EQ(s.BoxRight, s.P9.x);
    }
}

// The lower sleeve: the hem and the elbow lie Др1с (0.58·Др1с) + Пн + cap
// ease + h below the cap top; the hem is square to L0 → H0 at H0; the wrist
// is Wr wide about H, or 4f when its quarter is less than the front seams'
// offset f; the flaps are 14 by 4 cm.
TEST(MenTwoSeamDraft, TheLowerSleeve) {
    struct Case {
        float pad, wrist;
        bool widened;
    } cases[] = {{0.5f, 15.9f, false}, {1.5f, 15.9f, false}, {0.5f, 2.0f, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pad " << c.pad << " wrist " << c.wrist);
        SleeveMeasures m = kSleeveSamples;
        m.pad = c.pad;
        m.wrist = c.wrist;
        if (c.widened) m.wristEase = 0;
        TTestMenPattern g;
        TMenTwoSeam s;
        DraftOn(s, g, 31, m);
        const double h = g.InterliningEase;
        EXPECT_NEAR(s.H.y, -(57.4 + c.pad + s.CapEase + h), 1e-4);
        EXPECT_NEAR(s.L.y, -(0.58 * 57.4 + c.pad + s.CapEase + h), 1e-4);
        const double f = 0.88 * (s.P9.x - s.P.x);
        const double wr = m.wrist + m.wristEase + 3 * h;
        EXPECT_EQ(wr / 4 < f, c.widened);
        EXPECT_NEAR(s.WristWidth, c.widened ? 4 * f : wr, 1e-4);
        EXPECT_NEAR(Dist(s.H, s.H2), s.WristWidth / 2, 1e-3);
        EXPECT_NEAR(CornerCos(s.H0, s.L0, s.H), 0, 1e-3);
        EXPECT_NEAR(Dist(s.H2, s.H5), s.WristWidth / s.SleeveWidth * (s.P6.x - s.P8.x), 1e-3);
        EXPECT_NEAR(Dist(s.H2, s.H6), Dist(s.H2, s.H5), 1e-3);
        EXPECT_NEAR(Dist(s.H5, s.TopFlap.end), 14, 1e-3);
        EXPECT_NEAR(Dist(s.H5, s.TopFlap.corner), 4, 1e-3);
        EXPECT_NEAR(Dist(s.H6, s.UnderFlap.end), 14, 1e-3);
        // The back halves are images of each other in the back line.
        EXPECT_NEAR(s.P8.x + s.UnderBackSeamTop.x, 2 * s.P4.x, 1e-4);
        EXPECT_NEAR(s.BackSeamTop.x + s.Point5.x, 2 * s.P4.x, 1e-4);
    }
}

// A large back arc X makes dn negative: the balance notch moves onto the
// under sleeve's front part (P3 → UnderFrontTop).
TEST(MenTwoSeamDraft, ALargeBackArcPutsTheNotchOnTheUnderSleevesFront) {
    TTestMenPattern g;
    TMenTwoSeam s;
    DraftOn(s, g, 28);
    SleeveGarment sg = MenCoatSleeveGarment(g);
    sg.armholeArcLength = 0;
    s.Draft(sg);
    EXPECT_LT(s.CapNotch.point.x, s.P3.x);  // towards "5"
    ExpectTheCapNotchsBars(s);
    // dn halfway between P3 and UnderFrontTop.
    const double dn = (0.5 + 0.41 * sg.capEaseNorm) * sg.armholeLength - s.FrontCapLength;
    sg.armholeArcLength = float(dn + 0.5 * Quad(s.P3, s.UnderFrontCtrl, s.UnderFrontTop));
    s.Draft(sg);
    const std::vector<CapArc> front = {CapArc::Quad(s.P3, s.UnderFrontCtrl, s.UnderFrontTop)};
    EXPECT_NEAR(LengthAlong(front, s.CapNotch.point).first, 0.5 * Quad(s.P3, s.UnderFrontCtrl, s.UnderFrontTop), 0.11);
    EXPECT_GT(s.CapNotch.point.x, s.P3.x);  // towards UnderFrontTop
    EXPECT_LT(s.CapNotch.point.y, s.UnderFrontTop.y);
    ExpectTheCapNotchsBars(s);
}

// The top sleeve's front notch moves onto the second front arc
// (FrontArcJoin → P1 → P9) once the garment's shoulder arc plus 0.22·A·n
// is longer than the first (O2 → O3 → FrontArcJoin).
TEST(MenTwoSeamDraft, ALongShoulderArcPutsTheFrontNotchOnTheSecondArc) {
    TTestMenPattern g;
    TMenTwoSeam s;
    DraftOn(s, g, 28);
    EXPECT_LT(Dist(s.FrontNotch.point, s.O2), Dist(s.FrontArcJoin, s.O2));  // on the first arc
    SleeveGarment sg = MenCoatSleeveGarment(g);
    const double first = Quad(s.O2, s.O3, s.FrontArcJoin);
    // A straight shoulder arc 2 cm longer than the first cap arc.
    const Vector start = sg.frontShoulder.start;
    const Vector end = start + Vector(0, float(first + 2 - 0.22 * sg.armholeLength * sg.capEaseNorm));
    sg.frontShoulder = {start, (start + end) / 2, end};
    s.Draft(sg);
    const std::vector<CapArc> second = {CapArc::Quad(s.FrontArcJoin, s.P1, s.P9)};
    const auto [along, off] = LengthAlong(second, s.FrontNotch.point);
    EXPECT_LT(off, 0.05);
    EXPECT_NEAR(along, 2, 0.11);
}

// A sleeve too wide for the armhole ends in the integer 1.
TEST(MenTwoSeamDraft, ATooWideSleeveFailsAsTheCap) {
    TTestMenPattern g;
    TMenTwoSeam s;
    DraftOn(s, g, 28);
    s.UpperArmGirth = 80;
    EXPECT_THROW(s.Draft(MenCoatSleeveGarment(g)), int);
}

// On the men's shirts' and jackets' armholes the same draft fits its caps,
// marks the cap top with a notch 1 cm down the front cap, places the front
// notch by the shirt's shoulder arc and leaves the pad out of the length.
TEST(MenTwoSeamDraft, TheShirtsBranch) {
    for (MenDressKind kind : kMenKinds) {
        SCOPED_TRACE(int(kind));
        TTestMenDress d;
        TTwoSeam s;
        SleeveMeasures m = kSleeveSamples;
        m.pad = 2;
        DraftOnShirt(s, d, 2, m, kind);
        EXPECT_EQ(s.Family, SleeveGarment::Family::MenShirt);
        const double a = d.ArmholeLength, n = d.CapEaseNorm;
        EXPECT_NEAR(CapsByChords(s), (n + 1) * a, 0.1);
        const std::vector<CapArc> first = {CapArc::Quad(s.O2, s.O3, s.FrontArcJoin)};
        EXPECT_NEAR(LengthAlong(first, s.TopNotch.point).first, 1.0, 0.1);
        EXPECT_NEAR(Dist(s.TopNotch.point, s.TopNotch.foot), 0.6, 1e-4);
        const std::vector<CapArc> frontCap = {CapArc::Quad(s.O2, s.O3, s.FrontArcJoin),
                                              CapArc::Quad(s.FrontArcJoin, s.P1, s.P9)};
        EXPECT_NEAR(LengthAlong(frontCap, s.FrontNotch.point).first,
                    0.22 * a * n + Quad(d.Point4, d.FrontArmholeCtrl4, d.P10), 0.11);
        EXPECT_NEAR(s.H.y, -(57.4 + s.CapEase + d.InterliningEase), 1e-4);
        EXPECT_TRUE(Finite(s.H5) && Finite(s.H6));
    }
}
