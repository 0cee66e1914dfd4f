// The one-seam sleeve drafted on the women's bodices' armholes: the cap
// fitted to the armhole, the notches where the armhole's points meet it,
// the seams, the hem and the marks, measured on the drafted curves rather
// than read back from the sleeve's own sums.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "kernel/Bezier.h"
#include "tests/DraftExpect.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/sleeves/set_in/EveryDress.h"

namespace {

using namespace SleeveCheck;

std::vector<CapArc> FrontChain(const TOneSeam& s) {
    CapArc a[3];
    s.FrontCap(a);
    return {a[0], a[1], a[2]};
}
std::vector<CapArc> BackChain(const TOneSeam& s) {
    CapArc a[4];
    s.BackCap(a);
    return {a[0], a[1], a[2], a[3]};
}

// The armhole from G2 up to P6 and up to P3, along the bodice's own arcs.
double FrontArmholeToP6(const TDress& d) {
    return double(Bezier2::ArcLength(d.G2, d.FrontArmCtrl1, d.FrontArmMid, 0, 1)) +
           Bezier2::ArcLength(d.FrontArmMid, d.FrontArmCtrl2, d.P6, 0, 1);
}
double BackArmholeToP3(const TDress& d) {
    return double(Bezier2::ArcLength(d.G2, d.BackArmCtrl3, d.BackArmMid, 0, 1)) +
           Bezier2::ArcLength(d.BackArmMid, d.BackArmCtrl2, d.P3, 0, 1);
}

}  // namespace

// On every garment of the family the fitted cap is (n + 1)·A long with
// halves of equal length, both as the sleeve sums them and as the drawn
// curves measure.
TEST(OneSeamDraft, TheCapFitsEveryBodicesArmhole) {
    OnEveryGarment<TOneSeam>([](const TDress& d, const TOneSeam& s) {
        const double required = (1 + double(kSleeveSamples.capEaseNorm)) * d.ArmholeLength;
        EXPECT_NEAR(s.CapLengthRequired, required, 1e-4);
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        EXPECT_LT(std::fabs(s.BalanceMismatch), 0.1);
        EXPECT_FLOAT_EQ(s.CapMismatch, s.CapLengthRequired - s.CapLength);

        const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
        EXPECT_NEAR(front + back, required, 0.1);
        EXPECT_NEAR(front, back, 0.1);
        // The cap base has come down below the cap top.
        EXPECT_LT(s.P.y, -5.0f);
    });
}

// The cap is one smooth curve: consecutive arcs share their tangent, both
// halves leave the top horizontally, the front cap meets the front seam and
// the back cap the back seam at right angles.
TEST(OneSeamDraft, TheCapIsSmoothAndMeetsTheSeamsSquare) {
    OnEveryGarment<TOneSeam>([](const TDress& d, const TOneSeam& s) {
        EXPECT_LT(Bend(s.FrontUpperCtrl, s.Point1, s.FrontLowerCtrl), 1e-3);  // at "1"
        EXPECT_LT(Bend(s.FrontLowerCtrl, s.P1, s.Point3), 1e-3);              // at P1
        EXPECT_LT(Bend(s.BackUpperCtrl, s.Point2, s.BackLowerCtrl), 1e-3);    // at "2"
        EXPECT_LT(Bend(s.BackLowerCtrl, s.P5, s.BackCubicCtrl1), 1e-3);       // at P5
        EXPECT_LT(Bend(s.BackCubicCtrl2, s.Point5, s.BackSeamCtrl), 1e-3);    // at "5"
        EXPECT_EQ(s.FrontUpperCtrl.y, 0.0f);
        EXPECT_EQ(s.BackUpperCtrl.y, 0.0f);
        EXPECT_GT(s.FrontUpperCtrl.x, 0.0f);
        EXPECT_LT(s.BackUpperCtrl.x, 0.0f);
        EXPECT_NEAR(CornerCos(s.P31, s.Point3, s.H11), 0, 1e-3);
        EXPECT_NEAR(CornerCos(s.P61, s.BackSeamCtrl, s.H21), 0, 1e-3);
        // The lower back cap bulges into the piece: "5" lies right of P61 → P5.
        EXPECT_LT(Geom::Side(s.P61, Vector::UnitBetween(s.P61, s.P5), s.Point5), 0.0f);
    });
}

// The width line is W long, the wrist line Wr long and centred under it;
// the underarm P31 sits on the vertical through P3 with a right angle
// P–P31–H1; both seams are as long as the drop from the width line to the
// hem line, the back one extended by as much as the front one.
TEST(OneSeamDraft, WidthWristAndSeams) {
    TTestDress d;
    TOneSeam s;
    DraftSleeve(s, d);
    const double w = 29.1 + 5, wr = 15.9 + 5;
    EXPECT_NEAR(s.P3.x - s.P6.x, w, 1e-4);
    EXPECT_NEAR(s.H1.x - s.H2.x, wr, 1e-4);
    EXPECT_NEAR((s.H1.x + s.H2.x) / 2, (s.P3.x + s.P6.x) / 2, 1e-4);
    EXPECT_EQ(s.P31.x, s.P3.x);
    EXPECT_LT(s.P31.y, s.P3.y);
    EXPECT_NEAR(CornerCos(s.P31, s.P, s.H1), 0, 1e-4);
    EXPECT_EQ(s.P61.y, s.P31.y);
    const double drop = double(s.P.y) - s.H.y;
    EXPECT_NEAR(Dist(s.P31, s.H11), drop, 1e-3);
    EXPECT_NEAR(Dist(s.H1, s.H11), Dist(s.H2, s.H21), 1e-4);
    EXPECT_NEAR(Dist(s.P61, s.H21) - Dist(s.P61, s.H2), Dist(s.P31, s.H11) - Dist(s.P31, s.H1), 1e-3);
    // The elbow marks lie on the seams at the elbow level.
    EXPECT_EQ(s.L1.y, s.L.y);
    EXPECT_EQ(s.L2.y, s.L.y);
    EXPECT_LT(OffLine(s.P31, s.H11, s.L2), 1e-3);
    EXPECT_LT(OffLine(s.P61, s.H21, s.L1), 1e-3);
    // The hem's front half rises above the hem line, its back half dips.
    EXPECT_NEAR(s.H41.y - s.H.y, (s.H4.x - s.H.x) / 6, 1e-4);
    EXPECT_NEAR(s.H.y - s.H31.y, (s.H.x - s.H3.x) / 6, 1e-4);
}

// The derived sizes for the cap-ease norm n and the interlining ease h:
// cap ease 0.662·A·n, the eases plus 3h, the hem Др1с + Пн + cap ease + h
// and the elbow 0.58·Др1с + Пн + cap ease + h below the cap top.
TEST(OneSeamDraft, SizesFromTheNormAndTheInterlining) {
    struct Case {
        float n, h;
    } cases[] = {{0.04f, 0}, {0, 0}, {0.06f, 0.4f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n " << c.n << " h " << c.h);
        SleeveMeasures m = kSleeveSamples;
        m.capEaseNorm = c.n;
        DressMeasures body = kDressSamples;
        body.h = c.h;
        TTestDress d;
        TOneSeam s;
        DraftSleeve(s, d, m, body);
        const double a = d.ArmholeLength;
        EXPECT_NEAR(s.CapEase, 0.662 * a * c.n, 1e-5);
        if (c.n == 0) {
            EXPECT_EQ(s.CapEase, 0.0f);
            EXPECT_EQ(s.CapLengthRequired, d.ArmholeLength);
        }
        EXPECT_NEAR(s.UpperArmEaseTotal, 5 + 3 * c.h, 1e-5);
        EXPECT_NEAR(s.WristEaseTotal, 5 + 3 * c.h, 1e-5);
        EXPECT_NEAR(s.H.y, -(57.4 + 0.5 + s.CapEase + c.h), 1e-4);
        EXPECT_NEAR(s.L.y, -(0.58 * 57.4 + 0.5 + s.CapEase + c.h), 1e-4);
        EXPECT_NEAR(s.P3.x - s.P6.x, 29.1 + 5 + 3 * c.h, 1e-4);
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
    }
}

// The front notch lies as far up the cap from P31 as P6 lies up the front
// armhole from G2, the back notch as far from P61 as P3 from G2; each has
// its stem 0.6 cm into the piece and a bar 0.4 cm across.
TEST(OneSeamDraft, NotchesMeetTheArmholesPoints) {
    OnEveryGarment<TOneSeam>([](const TDress& d, const TOneSeam& s) {
        const std::vector<CapArc> front = FrontChain(s), back = BackChain(s);
        const auto [f, fOff] = LengthAlong(front, s.FrontNotch.point);
        const auto [b, bOff] = LengthAlong(back, s.BackNotch.point);
        EXPECT_LT(fOff, 0.05);
        EXPECT_LT(bOff, 0.05);
        EXPECT_NEAR(f, FrontArmholeToP6(d), 0.11);
        EXPECT_NEAR(b, BackArmholeToP3(d), 0.11);

        const std::vector<Vector> outline = Outline(s);
        for (const BalanceNotch* n : {&s.FrontNotch, &s.BackNotch}) {
            EXPECT_NEAR(Dist(n->point, n->foot), 0.6, 1e-4);
            EXPECT_NEAR(Dist(n->bar1, n->bar2), 0.4, 1e-4);
            EXPECT_NEAR((n->bar1.x + n->bar2.x) / 2, n->foot.x, 1e-4);
            EXPECT_NEAR((n->bar1.y + n->bar2.y) / 2, n->foot.y, 1e-4);
            EXPECT_TRUE(Inside(outline, n->foot));
            EXPECT_TRUE(Inside(outline, n->bar1));
            EXPECT_TRUE(Inside(outline, n->bar2));
        }
    });
}

// The women's cap top carries a bar 0.6 cm below O2 and no stem; the
// men's shirts' a notch 1 cm along the front cap.  The men's shirts' sleeve
// hangs from the shoulder without the pad: its hem and elbow do not move
// with Пн, the women's move by it.
TEST(OneSeamDraft, WomensAndMenShirtsBranches) {
    TTestDress d;
    TOneSeam women;
    DraftSleeve(women, d);
    EXPECT_EQ(women.Family, SleeveGarment::Family::Women);
    EXPECT_FLOAT_EQ(women.TopNotch.bar1.x, -0.2f);
    EXPECT_FLOAT_EQ(women.TopNotch.bar2.x, 0.2f);
    EXPECT_FLOAT_EQ(women.TopNotch.bar1.y, -0.6f);
    EXPECT_FLOAT_EQ(women.TopNotch.bar2.y, -0.6f);
    EXPECT_EQ(women.TopNotch.point, women.TopNotch.foot);

    SleeveGarment shirt = WomenSleeveGarment(d);
    shirt.family = SleeveGarment::Family::MenShirt;
    float hem[2], elbow[2];
    for (const float pad : {0.0f, 3.0f}) {
        SCOPED_TRACE(pad);
        TOneSeam men, padded;
        Put(men, kSleeveSamples);
        men.ShoulderPad = pad;
        men.Draft(shirt);
        hem[pad > 0] = men.H.y;
        elbow[pad > 0] = men.L.y;
        EXPECT_NEAR(men.H.y, -(57.4 + men.CapEase + d.InterliningEase), 1e-4);

        const std::vector<CapArc> top = {CapArc::Quad(men.O2, men.FrontUpperCtrl, men.Point1)};
        const auto [along, off] = LengthAlong(top, men.TopNotch.point);
        EXPECT_NEAR(along, 1.0, 0.1);
        EXPECT_LT(off, 0.05);
        EXPECT_NEAR(Dist(men.TopNotch.point, men.TopNotch.foot), 0.6, 1e-4);
        EXPECT_LT(men.TopNotch.foot.y, men.TopNotch.point.y - 0.55f);  // into the piece
        EXPECT_TRUE(Inside(Outline(men), men.TopNotch.foot));

        Put(padded, kSleeveSamples);
        padded.ShoulderPad = pad;
        padded.Draft(WomenSleeveGarment(d));
        EXPECT_NEAR(padded.H.y, -(57.4 + pad + padded.CapEase + d.InterliningEase), 1e-4);
        EXPECT_NEAR(padded.L.y, -(0.58 * 57.4 + pad + padded.CapEase + d.InterliningEase), 1e-4);
    }
    EXPECT_EQ(hem[0], hem[1]);
    EXPECT_EQ(elbow[0], elbow[1]);
}

// The extent box holds the whole outline: its top is the cap top, its
// sides the widest points of the cap and seams, its bottom the lowest of
// the back hem end and the back hem's control point.
TEST(OneSeamDraft, TheExtentBoxHoldsThePiece) {
    OnEveryGarment<TOneSeam>([](const TDress& d, const TOneSeam& s) {
        float left = 1e9f, right = -1e9f, top = -1e9f, bottom = 1e9f;
        for (const Vector& q : Outline(s)) {
            left = std::min(left, q.x);
            right = std::max(right, q.x);
            top = std::max(top, q.y);
            bottom = std::min(bottom, q.y);
        }
        EXPECT_EQ(s.BoxTop, 0.0f);
        EXPECT_NEAR(top, 0.0f, 1e-4);
        EXPECT_NEAR(left, s.BoxLeft, 0.02);
        EXPECT_NEAR(right, s.BoxRight, 0.02);
        EXPECT_LE(s.BoxBottom, bottom);
        EXPECT_EQ(s.BoxBottom, std::min(s.H21.y, s.H31.y));
    });
}

// A sleeve wider than the armhole can take (W/2 ≥ 0.662·(n + 1)·A) starts
// with its cap base at or above the cap top and fails as the cap, as does a
// sleeve so wide that the corrections lift the cap base to the top.
TEST(OneSeamDraft, ATooWideSleeveFailsAsTheCap) {
    TTestDress d;
    TOneSeam probe;
    DraftSleeve(probe, d);
    const double limit = 2 * 0.662 * 1.04 * d.ArmholeLength - 5;  // Оп.в at which W/2 reaches the bound
    for (const double girth : {limit, limit + 10, limit - 1.0}) {
        SCOPED_TRACE(girth);
        SleeveMeasures m = kSleeveSamples;
        m.upperArm = float(girth);
        TOneSeam s;
        Put(s, m);
        try {
            s.Draft(WomenSleeveGarment(d));
            ADD_FAILURE() << "drafted a sleeve " << girth << " cm round the upper arm";
        } catch (int code) {
            EXPECT_EQ(code, 1);
        }
    }
}

// An arm so short that the hem comes near the cap base leaves the front
// underarm nowhere (the vertical through P3 misses the circle on P–H1) or
// the cap unfittable: the sleeve fails as the cap, never as a NaN draft.
TEST(OneSeamDraft, ATooShortArmFailsAsTheCap) {
    for (const float arm : {15.0f, 1.0f, 0.0f}) {
        SCOPED_TRACE(arm);
        SleeveMeasures m = kSleeveSamples;
        m.armLength = arm;
        TTestDress d;
        TOneSeam s;
        try {
            DraftSleeve(s, d, m);
            ADD_FAILURE() << "drafted a sleeve for an arm " << arm << " cm long";
        } catch (int code) {
            EXPECT_EQ(code, 1);
        }
    }
}

// The notches a sleeve writes into the women's bodice: found the given
// length up the armhole from G2, on the lower arcs or the arc beyond them,
// and kept in the bodice's four points each (point, bar end, foot, bar
// end), the foot 0.6 cm into the front or the back piece.
TEST(ArmholeNotches, WrittenIntoTheWomensBodice) {
    TTestDress d;
    TOneSeam sleeve;
    Put(sleeve, kSleeveSamples);
    DraftForSleeve(d, sleeve, kSleeveSamples);
    const SleeveGarment g = WomenSleeveGarment(d);
    auto chain = [](const ArmholeArc (&lower)[2], const ArmholeArc& beyond) {
        std::vector<CapArc> c;
        for (const ArmholeArc* a : {&lower[0], &lower[1], &beyond}) c.push_back(CapArc::Quad(a->start, a->ctrl, a->end));
        return c;
    };
    const std::vector<CapArc> front = chain(g.front, g.frontBeyond), back = chain(g.back, g.backBeyond);
    const float frontLower = g.FrontArmholeLength(), backLower = g.BackArmholeLength();
    struct Case {
        float front, back;
    } cases[] = {{3, 4}, {frontLower - 1, backLower - 1}, {frontLower + 2, backLower + 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.front << " " << c.back);
        g.writeNotches(SetIn::ArmholeNotch(g.front, g.frontBeyond, c.front, -1),
                       SetIn::ArmholeNotch(g.back, g.backBeyond, c.back, +1));
        const Vector* n = d.ArmholeNotches;
        for (const auto& [marks, along, length, into] :
             {std::make_tuple(n, front, c.front, +1.0f), std::make_tuple(n + 4, back, c.back, -1.0f)}) {
            const auto [at, off] = LengthAlong(along, marks[0]);
            EXPECT_NEAR(at, length, 0.11);
            EXPECT_LT(off, 0.05);
            EXPECT_NEAR(Dist(marks[0], marks[2]), 0.6, 1e-4);
            EXPECT_NEAR(Dist(marks[1], marks[3]), 0.4, 1e-4);
            EXPECT_NEAR((marks[1].x + marks[3].x) / 2, marks[2].x, 1e-4);
            EXPECT_NEAR((marks[1].y + marks[3].y) / 2, marks[2].y, 1e-4);
            // The front piece lies right of its armhole, the back one left.
            EXPECT_GT(into * (marks[2].x - marks[0].x), 0.2f);
        }
    }
    EXPECT_THROW(SetIn::ArmholeNotch(g.front, g.frontBeyond, frontLower + 40, -1), int);
}

// On the men's shirts' and jackets' armholes (the back armhole ending at
// P31): the cap fits, the notches meet P6 and P31, the cap top carries the
// notch 1 cm along the front cap, and the length leaves out the pad.
TEST(OneSeamDraft, FitsTheMenShirtsArmholes) {
    for (MenDressKind kind : kMenKinds)
        for (const ShirtMeasures& body : {kWorkedExample, kShirtSamples}) {
            SCOPED_TRACE(testing::Message() << int(kind) << " h " << body.h);
            TTestMenDress d;
            TOneSeam s;
            Put(s, kSleeveSamples);
            s.ShoulderPad = 2;
            d.CapEaseNorm = kSleeveSamples.capEaseNorm;
            BodiceChoice choice;
            choice.sleeve = &s;
            choice.sleeveKind = 1;
            DraftMenDress(d, body, kind, choice);
            s.Draft(MenShirtSleeveGarment(d));

            EXPECT_EQ(s.Family, SleeveGarment::Family::MenShirt);
            const double required = (1 + double(d.CapEaseNorm)) * d.ArmholeLength;
            EXPECT_NEAR(s.CapLengthRequired, required, 1e-4);
            const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
            EXPECT_NEAR(front + back, required, 0.1);
            EXPECT_NEAR(front, back, 0.1);

            const double toP6 = double(Bezier2::ArcLength(d.G2, d.FrontArmholeCtrl1, d.FrontArmholeJoin, 0, 1)) +
                                Bezier2::ArcLength(d.FrontArmholeJoin, d.FrontArmholeCtrl2, d.P6, 0, 1);
            const double toP31 = double(Bezier2::ArcLength(d.G2, d.BackArmholeCtrl2, d.BackArmholeJoin, 0, 1)) +
                                 Bezier2::ArcLength(d.BackArmholeJoin, d.BackArmholeCtrl1, d.P31, 0, 1);
            EXPECT_NEAR(LengthAlong(FrontChain(s), s.FrontNotch.point).first, toP6, 0.11);
            EXPECT_NEAR(LengthAlong(BackChain(s), s.BackNotch.point).first, toP31, 0.11);

            const std::vector<CapArc> top = {CapArc::Quad(s.O2, s.FrontUpperCtrl, s.Point1)};
            EXPECT_NEAR(LengthAlong(top, s.TopNotch.point).first, 1.0, 0.1);
            EXPECT_TRUE(Inside(Outline(s), s.TopNotch.foot));
            EXPECT_NEAR(s.H.y, -(57.4 + s.CapEase + d.InterliningEase), 1e-4);
        }
}
