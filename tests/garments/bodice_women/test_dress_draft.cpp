// The women's bodice's common draft on its own (no windows): the grid of the
// sample dress worked by hand, the constructions' distances and angles, the
// armhole balance of every garment, the cases of the back shoulder, the
// clamps, the hip flare, what the sleeve and collar kinds make the draft
// write, the coats' pockets, and the failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "platform/Text.h"
#include "tests/DraftExpect.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

// The sample dress, worked by hand from the measurements: the dart angle
// (2·4.2 + 1.5)/(0.65 + 26.5) = 0.364641 rad, the front width
// 4.2·sin/angle + 7.755·cos + 9.855 = 21.20776, so the armhole is
// 51 − 18.69 − 21.20776 = 11.10224 wide.
TEST(DressDraft, GridOfTheSampleDressByHand) {
    TTestDress d;
    DraftDress(d, kDressSamples);
    ExpectAll({{"a2.x", d.a2.x, 5.55112f},
               {"a.x", d.a.x, -5.55112f},
               {"A.x", d.A.x, -24.24112f},   // a.x − Шс − 0.23·3
               {"a1.x", d.a1.x, 26.75888f},  // A.x + Сг2 + Пг
               {"T.y", d.T.y, -38.5f},
               {"B.y", d.B.y, -57.5f},
               {"G.y", d.G.y, -19.8f},  // −38.5 + 20.2 − 1.5
               {"Y.y", d.Y.y, -13.475f},
               {"B21.y", d.B21.y, -58.41f},
               {"U.x", d.U.x, -16.29612f},
               {"A0.y", d.A0.y, 0.3f},
               {"A01.x", d.A01.x, -23.84112f},
               {"T1.x", d.T1.x, -22.54112f},  // A.x + 0 − 0.8 + 2.5
               {"T3.y", d.T3.y, -39.3f},
               {"A3.y", d.A3.y, 5.0f},
               {"A4.x", d.A4.x, 19.72555f},  // a1.x − 18.1/3 − 1
               {"A5.y", d.A5.y, -3.645f},
               {"G6.x", d.G6.x, 16.90388f},
               {"G7.y", d.G7.y, -22.00300f},  // 5 − √(27.15² − 2.82167²)
               {"P6.y", d.P6.y, -15.26933f},  // −19.8 + 0.3·11.10224 + 1.2
               {"HipExcess", d.HipExcess, 3.5f}},
              1e-3f);
    // P3 came out at −13.742, below the blade line, and was lifted to it.
    EXPECT_EQ(d.P3.y, d.Y.y);
    EXPECT_EQ(d.P3Blade, d.P3);

    // The result table.
    const std::vector<std::pair<float, const char*>> rows = {
        {d.SegGG3, "51.0"}, {d.SegGG2, "24.2"}, {d.SegG2G3, "26.8"}, {d.SegA0T, "38.8"}, {d.SegA3T3, "44.3"}};
    for (const auto& r : rows) EXPECT_EQ(FormatFixed(r.first, 5, 1), r.second);
}

// Every compass and ruler step gives its point at the distances the method
// asks, for a garment with every allowance in play (the winter coat with
// interlining, with a sleeve and its shoulder pad).
TEST(DressDraft, TheConstructionsKeepTheirDistancesAndAngles) {
    for (const bool withSleeve : {false, true}) {
        TTestDress d;
        TTestSleeve sleeve;
        sleeve.ShoulderPad = 1.5f;
        const DressMeasures& m = kWinterCoatSamples;
        DressChoice choice;
        if (withSleeve) {
            choice.sleeve = &sleeve;
            choice.sleeveKind = 1;
        }
        DraftDress(d, m, DressKind::WinterCoat, Silhouette::Straight, choice);
        const float neckRise = 0.15f * m.Cw + d.NeckRiseEase;
        const float backShoulder = m.Shp + d.ShoulderLengthEase + 0.5f;
        const float frontShoulder = m.Shp + d.ShoulderLengthEase;
        const float nu = 0.5f * d.FrontLengthEase + m.Vg;
        const float pad = withSleeve ? 1.3f * sleeve.ShoulderPad : 0.0f;
        const double dartAngle = (2.0 * (m.Cg2 - m.Cg1) + 1.5) / nu;
        const std::string context = withSleeve ? " (with sleeve)" : " (no sleeve)";
        ExpectAll({{"|A01 A1|", Geom::Distance(d.A01, d.A1), m.Cw / 3 + d.NeckWidthEase},
                   {"A01 → A1 square to the back centre",
                    Vector::Dot(Vector::UnitBetween(d.A01, d.A1), Vector::UnitBetween(d.A01, d.BackCentreGuide)), 0},
                   {"|A1 A2|", Geom::Distance(d.A1, d.A2), neckRise},
                   {"|A1 A9|", Geom::Distance(d.A1, d.A9), 0.64f * neckRise},
                   {"|T1 P|", Geom::Distance(d.T1, d.P),
                    m.Vpk + d.ShoulderHeightEase + pad + d.ShoulderRaise},
                   {"|A2 P|", Geom::Distance(d.A2, d.P), backShoulder},
                   {"|A2 P4|", Geom::Distance(d.A2, d.P4), backShoulder},
                   {"|U2 P4| = |U2 P1|", Geom::Distance(d.U2, d.P4), Geom::Distance(d.U2, d.P1)},
                   {"|P3 P1| = |P3 P2|", Geom::Distance(d.P3, d.P1), Geom::Distance(d.P3, d.P2)},
                   {"|P9 P10|", Geom::Distance(d.P9, d.P10), d.P8.y - d.P6.y},
                   {"|A7 P10|", Geom::Distance(d.A7, d.P10), frontShoulder},
                   {"|P10 P11|", Geom::Distance(d.P10, d.P11), 0.5f},
                   {"|A7 P7|", Geom::Distance(d.A7, d.P7), frontShoulder / 3},
                   {"|G7 A4|", Geom::Distance(d.G7, d.A4), nu},
                   {"|G7 A7|", Geom::Distance(d.G7, d.A7), nu},
                   {"|G7 A6|", Geom::Distance(d.G7, d.A6), nu},
                   {"|G7 P5|", Geom::Distance(d.G7, d.P5), nu},
                   {"|G7 A8| = |G7 P7|", Geom::Distance(d.G7, d.A8), Geom::Distance(d.G7, d.P7)},
                   {"|G7 G71|", Geom::Distance(d.G7, d.G71), 2},
                   {"bust dart A4 G7 A7", float(AngleAt(d.G7, d.A4, d.A7)), float(dartAngle)},
                   {"closed dart A8 G7 P7", float(AngleAt(d.G7, d.A8, d.P7)), float(dartAngle)},
                   {"G71 on the dart's bisector", float(AngleAt(d.G7, d.G71, d.A8)),
                    float(AngleAt(d.G7, d.G71, d.P7))},
                   {"|FrontNeckCentre A4|", Geom::Distance(d.FrontNeckCentre, d.A4), Geom::Distance(d.A5, d.A3)},
                   {"|FrontNeckCentre A5|", Geom::Distance(d.FrontNeckCentre, d.A5), Geom::Distance(d.A5, d.A3)},
                   {"T5 on the side line", d.T5.x, 0},
                   {"T1 → T5 square to the back seam",
                    Vector::Dot(Vector::UnitBetween(d.T1, d.T5), Vector::UnitBetween(d.BackSeamStart, d.T1)), 0},
                   {"B3 on the side line G2 → T5", OffLine(d.G2, d.T5, d.B3), 0},
                   {"B3 on the hip line", d.B3.y, d.B.y},
                   {"Tk under G4", d.Tk.x, d.G4.x},
                   {"Tk on the waist line T5 → T4", OffLine(d.T5, d.T4, d.Tk), 0}},
                  1e-3f, context);
        // The front shoulder point lies left of P9 → A7, the back one right
        // of T1 → A2: the compass picked the right crossing.
        EXPECT_GT(Geom::Side(d.P9, Vector::UnitBetween(d.P9, d.A7), d.P10), 0) << context;
        EXPECT_LT(Geom::Side(d.T1, Vector::UnitBetween(d.T1, d.A2), d.P), 0) << context;
    }
}

// Every garment of the family, with and without a sleeve: the front
// armhole ends within 0.1 cm of the back one less the spread the sleeve
// does not take, and the sleeve is fitted to the sum of both.
TEST(DressDraft, TheArmholeBalancesForEveryGarment) {
    TTestSleeve sleeve;
    sleeve.ShoulderPad = 1;
    for (DressKind kind : kKinds)
        for (Silhouette s : kSilhouettes)
            for (const bool withSleeve : {false, true}) {
                TTestDress d;
                DressChoice choice;
                if (withSleeve) {
                    choice.sleeve = &sleeve;
                    choice.sleeveKind = 1;
                }
                DraftDress(d, kDressSamples, kind, s, choice);
                const std::string context = "type " + std::to_string(TypeOf(kind, s)) + (withSleeve ? " sleeve" : "");
                const float back = BackArmhole(d) - d.BackArmholeCut;
                EXPECT_LT(std::fabs(FrontArmhole(d) - back), 0.1f) << context;
                if (withSleeve) {
                    EXPECT_NEAR(d.ArmholeLength, back + FrontArmhole(d), 1e-3f) << context;
                }
                // P8 stands on the front width line.
                EXPECT_EQ(d.P8.x, d.G4.x) << context;
            }
}

// The back shoulder raise of the jacket (0.5) and the coats (1) spreads the
// back armhole between two lines from the blade point; the dress (0) has
// none.
TEST(DressDraft, TheShoulderRaiseSpreadsTheBackArmhole) {
    TTestDress dress;
    DraftDress(dress, kDressSamples);
    EXPECT_EQ(dress.U01, dress.U0);
    EXPECT_EQ(dress.U02, dress.U0);
    EXPECT_EQ(dress.U0, dress.U + Vector(11, 0));
    EXPECT_EQ(dress.D, dress.P3Blade);
    EXPECT_EQ(dress.D1, dress.P3Blade);
    EXPECT_EQ(dress.BackArmholeCut, 0.0f);

    // P3 on the blade line (the samples lift it there): D on the upper arc,
    // D1 on the lower one.  A longer side puts P3 above both lines: both on
    // the lower arc.
    struct Case {
        DressKind kind;
        float sideLength;
        bool bothBelowP3;
    } cases[] = {{DressKind::Jacket, 20.2f, false},
                 {DressKind::AutumnCoat, 20.2f, false},
                 {DressKind::WinterCoat, 20.2f, false},
                 {DressKind::Jacket, 24, true},
                 {DressKind::WinterCoat, 24, true}};
    for (const Case& c : cases) {
        TTestDress d;
        DressMeasures m = kDressSamples;
        m.Db = c.sideLength;
        DraftDress(d, m, c.kind);
        const std::string context = " kind " + std::to_string(int(c.kind)) + " Дб " + std::to_string(c.sideLength);
        const double beta = d.ShoulderRaise / 22.0;
        // The two lines leave U at ±β, 11 cm long.
        EXPECT_NEAR(Geom::Distance(d.U, d.U02), 11, 1e-4) << context;
        EXPECT_NEAR(d.U02.y - d.U.y, 11 * std::sin(beta), 1e-4) << context;
        EXPECT_EQ(d.U01.x, d.U02.x) << context;
        EXPECT_NEAR(d.U01.y - d.U.y, -11 * std::sin(beta), 1e-4) << context;
        // D on the upper line, D1 on the lower one (to the crossing's
        // tolerance), D above D1, and the cut at least their chord.
        EXPECT_LE(std::fabs(Geom::Side(d.U, Vector::UnitBetween(d.U, d.U02), d.D)), 0.005f) << context;
        EXPECT_LE(std::fabs(Geom::Side(d.U, Vector::UnitBetween(d.U, d.U01), d.D1)), 0.005f) << context;
        EXPECT_GT(d.D.y, d.D1.y) << context;
        EXPECT_GE(d.BackArmholeCut, Geom::Distance(d.D, d.D1)) << context;
        EXPECT_LT(d.BackArmholeCut, 1.2f * Geom::Distance(d.D, d.D1)) << context;
        if (c.bothBelowP3) {
            EXPECT_GT(d.P3.y, d.Y.y + 0.5f) << context;
            EXPECT_LT(d.D.y, d.P3.y) << context;
        } else {
            EXPECT_EQ(d.P3.y, d.Y.y) << context;
            EXPECT_GE(d.D.y, d.P3.y) << context;
            EXPECT_LE(d.D1.y, d.P3.y) << context;
        }
    }
}

// θ = (ShoulderRaise − 0.25 Пк)/11: a negative θ opens the back shoulder
// dart, θ ≥ 0 leaves none.
TEST(DressDraft, TheBackShoulderDartOpensOnlyBelowAQuarterOfThePosture) {
    struct Case {
        DressKind kind;  // shoulder raise 0, 0.5, 1, 1
        float posture;
        bool dart;
    } cases[] = {{DressKind::Dress, 4, true},      {DressKind::Jacket, 4, true},
                 {DressKind::Jacket, 2, false},    {DressKind::AutumnCoat, 4, false},
                 {DressKind::WinterCoat, 3, false}, {DressKind::WinterCoat, 4.2f, true}};
    for (const Case& c : cases) {
        TTestDress d;
        DressMeasures m = kDressSamples;
        m.Pk = c.posture;
        DraftDress(d, m, c.kind);
        const std::string context = " kind " + std::to_string(int(c.kind)) + " Пк " + std::to_string(c.posture);
        // U1 a third along the shoulder A2 → P, U03 11 cm from U towards it.
        EXPECT_NEAR(Geom::Distance(d.A2, d.U1), Geom::Distance(d.A2, d.P) / 3, 1e-4) << context;
        EXPECT_NEAR(OffLine(d.U, d.U1, d.U03), 0, 1e-4) << context;
        EXPECT_NEAR(Geom::Distance(d.U, d.U03), 11, 1e-4) << context;
        if (c.dart) {
            // U3 on the shoulder, the dart's far leg θ off U → U1; the apex
            // U2 below the legs' midpoint U4.
            const double theta = (d.ShoulderRaise - 0.25 * c.posture) / 11;
            EXPECT_NEAR(OffLine(d.A2, d.P, d.U3), 0, 1e-4) << context;
            EXPECT_NEAR(AngleAt(d.U, d.U1, d.U3), -theta, 1e-4) << context;
            EXPECT_NEAR(AngleAt(d.U, d.U1, d.U04), -theta, 1e-4) << context;
            EXPECT_EQ(d.U4, (d.U1 + d.U3) / 2) << context;
            EXPECT_LT(d.U2.y, d.U4.y) << context;
            EXPECT_GT(Geom::Distance(d.U1, d.U3), 0.0f) << context;
            // Closing the dart moves the shoulder point from P1 to P4 and
            // keeps the shoulder Sb long.
            EXPECT_GT(d.P4.y, d.P1.y) << context;
        } else {
            EXPECT_EQ(d.U3, d.U1) << context;
            EXPECT_EQ(d.U4, d.U1) << context;
            EXPECT_EQ(d.U2, d.U03) << context;
            EXPECT_EQ(d.U04, d.U03) << context;
            // Q1, Q2 and Q3 coincide where the dart's line U → U1 meets the
            // shoulder A2 → P4 with the dart closed; that line is not the
            // first shoulder line A2 → P, so they lie a little off U1.
            EXPECT_NEAR(Geom::Distance(d.Q1, d.Q2), 0, 1e-4) << context;
            EXPECT_NEAR(Geom::Distance(d.Q1, d.Q3), 0, 1e-4) << context;
            EXPECT_NEAR(OffLine(d.U, d.U1, d.Q1), 0, 1e-4) << context;
            EXPECT_NEAR(OffLine(d.A2, d.P4, d.Q1), 0, 1e-4) << context;
            // (0.05 to 0.25 cm in these cases.)
            EXPECT_LT(Geom::Distance(d.Q1, d.U1), 0.5f) << context;
        }
    }
}

// P3 below the blade line is lifted to it; P6 below 0.45 T.y likewise.
TEST(DressDraft, TheArmholePointsAreLiftedToTheirFloors) {
    struct Case {
        float sideLength;
        bool p3Lifted;
        bool p6Lifted;
    } cases[] = {{20.2f, true, false}, {24, false, false}, {15, true, true}};
    for (const Case& c : cases) {
        TTestDress d;
        DressMeasures m = kDressSamples;
        m.Db = c.sideLength;
        DraftDress(d, m);
        const std::string context = " Дб " + std::to_string(c.sideLength);
        const float p3 = d.G1.y + 0.3f * (d.G4.x - d.G1.x) + 0.15f * (d.P2.y - d.G1.y);
        const float p6 = d.G4.y + 0.3f * (d.G4.x - d.G1.x) + 1.2f;
        if (c.p3Lifted) {
            EXPECT_LT(p3, d.Y.y) << context;
            EXPECT_EQ(d.P3.y, d.Y.y) << context;
            EXPECT_EQ(d.P3Blade, d.P3) << context;
        } else {
            EXPECT_NEAR(d.P3.y, p3, 1e-4) << context;
            // The armhole met with the blade line, below P3.
            EXPECT_LE(std::fabs(d.P3Blade.y - d.Y.y), 0.005f) << context;
            EXPECT_LT(d.P3Blade.y, d.P3.y) << context;
            EXPECT_GT(d.P3Blade.x, d.G1.x) << context;
        }
        if (c.p6Lifted) {
            EXPECT_LT(p6, 0.45f * d.T.y) << context;
            EXPECT_FLOAT_EQ(d.P6.y, 0.45f * d.T.y) << context;
        } else {
            EXPECT_NEAR(d.P6.y, p6, 1e-4) << context;
        }
        EXPECT_EQ(d.P9, d.P6 + Vector(0.6f, 0)) << context;
    }
}

// E = Сб + Пб − Сг2 − Пг > 0 flares the back centre at the hip by
// δ = E / (2 (T5.y − B.y)/(T.y − B.y) + 1); otherwise nothing moves.
TEST(DressDraft, TheHipExcessFlaresTheBackCentre) {
    struct Case {
        float hip, hipEase;
        float excess;
    } cases[] = {{53, 1.5f, 3.5f}, {49.5f, 1.5f, 0}, {46, 1, -4}, {60, 3, 12}};
    for (const Case& c : cases) {
        TTestDress d;
        DressMeasures m = kDressSamples;
        m.Cb = c.hip;
        m.Pb = c.hipEase;
        DraftDress(d, m);
        const std::string context = " E " + std::to_string(c.excess);
        EXPECT_FLOAT_EQ(d.HipExcess, c.excess) << context;
        if (c.excess <= 0) {
            EXPECT_EQ(d.B0, d.B) << context;
            EXPECT_EQ(d.BackCentreWaist, d.T) << context;
            continue;
        }
        const double delta = c.excess / (2.0 * (d.T5.y - d.B.y) / (d.T.y - d.B.y) + 1);
        EXPECT_NEAR(d.B.x - d.B0.x, delta, 1e-4) << context;
        EXPECT_EQ(d.B0.y, d.B.y) << context;
        // The flared back centre runs straight from B0 to the guide point,
        // crossing the waist at BackCentreWaist.
        EXPECT_EQ(d.BackCentreWaist.y, d.T.y) << context;
        EXPECT_NEAR(OffLine(d.B0, d.BackCentreGuide, d.BackCentreWaist), 0, 1e-4) << context;
    }
}

// What the sleeve kind makes the draft write: the mark at P3 for kinds 1,
// 3 and 4, the waist notches for the kimono sleeves 7 and 8, nothing for
// the others (the two-seam sleeve writes its own marks), and the armhole
// length for any sleeve.  Without a sleeve the shoulder pad is ignored.
TEST(DressDraft, TheSleeveKindDecidesTheMarksWritten) {
    const Vector untouched(99, 99);
    for (int kind = 0; kind <= 16; ++kind) {
        TTestDress d;
        for (Vector& v : d.ArmholeNotches) v = untouched;
        d.T5Tick[0] = d.T5Tick[1] = d.TwTick[0] = d.TwTick[1] = untouched;
        d.ArmholeLength = 99;
        TTestSleeve sleeve;
        sleeve.ShoulderPad = 2;
        DressChoice choice;
        choice.sleeveKind = kind;
        if (kind > 0) choice.sleeve = &sleeve;
        DraftDress(d, kDressSamples, DressKind::Jacket, Silhouette::Straight, choice);
        const std::string context = " sleeve kind " + std::to_string(kind);

        const bool mark = kind == 1 || kind == 3 || kind == 4;
        EXPECT_EQ(d.ArmholeNotches[0], untouched) << context;
        for (int i = 4; i < 8; ++i) EXPECT_EQ(d.ArmholeNotches[i], untouched) << context;
        if (mark) {
            // A 0.6 cm tick from P3 towards the back centre, a 0.4 cm bar.
            EXPECT_FLOAT_EQ(d.ArmholeNotches[2].x, d.P3.x - 0.6f) << context;
            EXPECT_EQ(d.ArmholeNotches[2].y, d.P3.y) << context;
            EXPECT_EQ(d.ArmholeNotches[1].x, d.ArmholeNotches[2].x) << context;
            EXPECT_EQ(d.ArmholeNotches[3].x, d.ArmholeNotches[2].x) << context;
            EXPECT_FLOAT_EQ(d.ArmholeNotches[1].y, d.P3.y - 0.2f) << context;
            EXPECT_FLOAT_EQ(d.ArmholeNotches[3].y, d.P3.y + 0.2f) << context;
        } else {
            for (int i = 1; i < 4; ++i) EXPECT_EQ(d.ArmholeNotches[i], untouched) << context;
        }
        if (kind == 7 || kind == 8) {
            EXPECT_EQ(d.T5Tick[0], d.T5 + Vector(0, 0.2f)) << context;
            EXPECT_EQ(d.T5Tick[1], d.T5 - Vector(0, 0.2f)) << context;
            EXPECT_EQ(d.TwTick[0], d.Tw + Vector(0, 0.2f)) << context;
            EXPECT_EQ(d.TwTick[1], d.Tw - Vector(0, 0.2f)) << context;
        } else {
            EXPECT_EQ(d.T5Tick[0], untouched) << context;
            EXPECT_EQ(d.TwTick[1], untouched) << context;
        }
        if (kind > 0) {
            EXPECT_NEAR(d.ArmholeLength, BackArmhole(d) + FrontArmhole(d) - d.BackArmholeCut, 1e-3f) << context;
            EXPECT_NEAR(Geom::Distance(d.T1, d.P), 41 + d.ShoulderHeightEase + 1.3f * 2 + 0.5f, 1e-4) << context;
        } else {
            EXPECT_EQ(d.ArmholeLength, 99.0f) << context;
            EXPECT_NEAR(Geom::Distance(d.T1, d.P), 41 + d.ShoulderHeightEase + 0.5f, 1e-4) << context;
        }
    }
}

// The coats (types 11 to 14) place K and every pocket guide 1 cm lower
// than the dresses and jackets; nothing else moves.
TEST(DressDraft, TheCoatsPocketsLieOneCentimetreLower) {
    auto pocket = [](const TDress& d) {
        std::vector<Vector> points = {d.K,           d.K0,           d.K1,           d.K2,
                                      d.PocketBase,  d.PocketVTop,   d.PocketVBottom, d.PocketSlant1,
                                      d.PocketSlant2, d.PocketSlant3, d.PocketSlantEnd1, d.PocketSlantEnd2,
                                      d.PocketSlantEnd3, d.PocketAim1, d.PocketAim2,  d.PocketAim3};
        points.insert(points.end(), std::begin(d.PocketTicks), std::end(d.PocketTicks));
        return points;
    };
    auto draft = [](TDress& d, int type) {
        Put(d, kDressSamples);
        d.SetAllowances(AllowancesOf(DressKind::AutumnCoat, Silhouette::Straight));
        DressChoice choice;
        choice.modelIndex = type;
        d.Draft(choice);
    };
    TTestDress base;
    draft(base, 7);
    const std::vector<Vector> dress = pocket(base);
    for (int type = 8; type <= 14; ++type) {
        TTestDress d;
        draft(d, type);
        const float drop = type >= 11 ? 1.0f : 0.0f;
        const std::vector<Vector> points = pocket(d);
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].x, dress[i].x, 1e-4) << "type " << type << " point " << i;
            EXPECT_NEAR(points[i].y, dress[i].y - drop, 1e-4) << "type " << type << " point " << i;
        }
        EXPECT_EQ(d.Tk, base.Tk);
        EXPECT_EQ(d.P10, base.P10);
    }
    // The guides: K1–K2 and the vertical one PocketWidth long, the slanting
    // ones PocketWidth long towards their aims; each tick pair is 0.4 cm
    // across its guide end.
    const float w = base.PocketWidth;
    EXPECT_NEAR(Geom::Distance(base.K1, base.K2), w, 1e-4);
    EXPECT_NEAR(Geom::Distance(base.PocketVTop, base.PocketVBottom), w, 1e-4);
    EXPECT_NEAR(Geom::Distance(base.PocketSlant1, base.PocketSlantEnd1), w, 1e-4);
    EXPECT_NEAR(OffLine(base.PocketSlant2, base.PocketAim2, base.PocketSlantEnd2), 0, 1e-4);
    const Vector ends[] = {base.K1,           base.K2,           base.PocketVTop,      base.PocketSlant3,
                           base.PocketSlant2, base.PocketSlant1, base.PocketVBottom,   base.PocketSlantEnd3,
                           base.PocketSlantEnd2, base.PocketSlantEnd1};
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(Geom::Distance(base.PocketTicks[2 * i], base.PocketTicks[2 * i + 1]), 0.4f, 1e-4) << i;
        const Vector mid = (base.PocketTicks[2 * i] + base.PocketTicks[2 * i + 1]) / 2;
        EXPECT_NEAR(Geom::Distance(mid, ends[i]), 0, 1e-4) << i;
    }
    // The vertical guide's ticks are horizontal: − then + at the top, + then
    // − at the bottom.
    EXPECT_FLOAT_EQ(base.PocketTicks[4].x, base.PocketVTop.x - 0.2f);
    EXPECT_FLOAT_EQ(base.PocketTicks[12].x, base.PocketVBottom.x + 0.2f);
    // The slanting starts lie on the quarter ellipse about K0 with half axes
    // |K0 K1| along the waist line and PocketWidth/3 straight up, at π/8,
    // π/4 and 3π/8.
    const double d = Geom::Distance(base.K0, base.K1), rho = w / 3.0;
    const Vector e2 = Vector::UnitBetween(base.T5, base.T4);
    const std::pair<Vector, double> slants[] = {
        {base.PocketSlant1, M_PI / 8}, {base.PocketSlant2, M_PI / 4}, {base.PocketSlant3, 3 * M_PI / 8}};
    for (const auto& [p, phi] : slants) {
        const Vector s = p - base.K0;
        const double along = s.x / e2.x;  // s = along·e2 + up·(0, 1)
        const double up = s.y - along * e2.y;
        EXPECT_NEAR(along, d * std::cos(phi), 1e-3) << phi;
        EXPECT_NEAR(up, rho * std::sin(phi), 1e-3) << phi;
    }
}

// The shawl collar's lowered back neckline is written with a collar of kind
// 5 only.
TEST(DressDraft, TheShawlNecklineOnlyForTheShawlCollar) {
    for (const ShawlCase& c : kShawlCases) {
        TTestDress d;
        d.BackNeckLength = d.ShawlNeckExcess = 99;
        DraftDress(d, kDressSamples, DressKind::Dress, Silhouette::Straight, ChoiceOf(nullptr, 0, c.collar, c.kind));
        const std::string context = " collar " + std::to_string(c.collar) + " kind " + std::to_string(c.kind);
        if (!c.written) {
            EXPECT_EQ(d.BackNeckLength, 99.0f) << context;
            EXPECT_EQ(d.ShawlNeckExcess, 99.0f) << context;
            EXPECT_EQ(d.ShawlNeckEnd, Vector()) << context;
            continue;
        }
        EXPECT_NEAR(d.BackNeckLength,
                    Bezier2::ArcLength(d.A01, d.NeckCtrl1, d.A9, 0, 1) + Bezier2::ArcLength(d.A9, d.NeckCtrl2, d.A2, 0, 1),
                    1e-4)
            << context;
        // It starts 1 cm below A01, square to the neck's start, and ends on
        // the back shoulder line.
        EXPECT_NEAR(Geom::Distance(d.ShawlNeckStart, d.A01), 1, 1e-5) << context;
        EXPECT_LT(d.ShawlNeckStart.y, d.A01.y) << context;
        EXPECT_NEAR(Geom::Distance(d.ShawlNeckMid, d.A9), 1, 1e-5) << context;
        EXPECT_NEAR(OffLine(d.A2, d.P1, d.ShawlNeckEnd), 0, 1e-4) << context;
        const float shawl = Bezier2::ArcLength(d.ShawlNeckStart, d.ShawlNeckCtrl1, d.ShawlNeckMid, 0, 1) +
                            Bezier2::ArcLength(d.ShawlNeckMid, d.ShawlNeckCtrl2, d.ShawlNeckEnd, 0, 1);
        EXPECT_NEAR(d.ShawlNeckExcess, shawl - d.BackNeckLength, 1e-4) << context;
    }
}

// Сг1 = Сг2 + 0.75 gives a dart angle of exactly 0: no bust dart, and the
// front width takes sin x / x at its limit 1.
TEST(DressDraft, AZeroDartAngleDraftsWithoutADart) {
    TTestDress d;
    DressMeasures m = kDressSamples;
    m.Cg1 = m.Cg2 + 0.75f;
    ASSERT_NO_THROW(DraftDress(d, m));
    EXPECT_NEAR(Geom::Distance(d.A7, d.A4), 0, 1e-4);
    // a2.x = (Сг2 + Пг − Шс − 0.23 Пг − (−0.75 + Шг + 0.17 Пг)) / 2.
    EXPECT_NEAR(d.a2.x, (48 + 3 - 18 - 0.69 - (-0.75 + 17.1 + 0.51)) / 2, 1e-4);
}

// ---------------------------------------------------------------------------
// The armhole balance and the failures

// The loop itself, with a mismatch of its own: it corrects by the mismatch
// until that is below 0.1 cm, and throws 2 at the 500th correction; one
// whose correction overflows the height while the mismatch grows has run
// away (EFitRunAway naming 2).
TEST(DressArmholeBalance, CorrectsByTheMismatchUntilBelowATenth) {
    enum End { Balanced, Bound, RunAway };
    struct Case {
        float first;   // the first mismatch
        float factor;  // each correction's mismatch is the last one times this
        int rebuilds;  // expected
        End end;
    } cases[] = {
        {0.05f, 0.5f, 1, Balanced},  // balanced at once
        {-0.0999f, 0.5f, 1, Balanced},
        {0.1f, 0.5f, 2, Balanced},   // 0.1 is not below 0.1
        {1.6f, 0.5f, 6, Balanced},   // 1.6 0.8 0.4 0.2 0.1 0.05
        {-3, -0.5f, 6, Balanced},    // alternating: −3 1.5 −0.75 0.375 −0.1875 0.09375
        {15, 0.99f, 500, Balanced},  // below 0.1 after the 499th correction
        {15.15f, 0.99f, 500, Bound},  // would be below 0.1 after a 500th: 2 instead
        {1, 1, 500, Bound},          // never shrinks: 499 corrections, then 2
        {0.5f, -1, 500, Bound},      // swings for ever
        {0.5f, 1.5f, 219, RunAway},  // grows until the height overflows
        {2, -0.9f, 30, Balanced},    // swings, closing
    };
    for (const Case& c : cases) {
        float p8y = 10;
        float mismatch = c.first / c.factor;
        int rebuilds = 0;
        float applied = 0;  // the sum of all mismatches but the last
        float seen = 0;
        End end = Balanced;
        try {
            TDress::BalanceArmhole(p8y, [&] {
                ++rebuilds;
                mismatch *= c.factor;
                applied = seen;
                seen += mismatch;
                return mismatch;
            });
        } catch (int code) {
            EXPECT_EQ(code, 2);
            end = Bound;
        } catch (const EFitRunAway& e) {
            EXPECT_EQ(e.failure, 2);
            end = RunAway;
        }
        const std::string context = " first " + std::to_string(c.first) + " factor " + std::to_string(c.factor);
        EXPECT_EQ(end, c.end) << context;
        EXPECT_EQ(rebuilds, c.rebuilds) << context;
        // P8 moved by every mismatch but the last one seen.
        EXPECT_NEAR(p8y, 10 + applied, 1e-3) << context;
    }
}

TEST(DressArmholeBalance, NeitherANaNNorAnOverflowPassesAsBalanced) {
    float p8y = 0;
    int rebuilds = 0;
    EXPECT_THROW(TDress::BalanceArmhole(p8y,
                                        [&] {
                                            ++rebuilds;
                                            return std::nanf("");
                                        }),
                 EFloatError);  // the correction itself refuses it
    EXPECT_EQ(rebuilds, 1);
    // One that runs away until its correction overflows names the armhole's
    // failure, and the height keeps its last value.
    p8y = 0;
    float m = 1;
    try {
        TDress::BalanceArmhole(p8y, [&] {
            m *= 1e10f;
            return m;
        });
        ADD_FAILURE() << "balanced";
    } catch (const EFitRunAway& e) {
        EXPECT_EQ(e.failure, 2);
    }
    EXPECT_TRUE(std::isfinite(p8y));
}

// Measurements the draft cannot serve end in the armhole failure, a
// balance that runs away or the float error, and leave no non-finite point
// behind.
TEST(DressDraft, MeasurementsThatCannotBeDraftedFail) {
    using F = DraftFailure;
    struct Case {
        const char* what;
        DressMeasures m;
        DressKind kind;
        DraftFailure failure;
    } cases[] = {
        // The front shoulder swings between two heights for ever: the
        // circles of P10 meet only on one of them.
        {"swinging front shoulder",
         {15.8f, 38.1f, 50.5f, 45.4f, 27.3f, 37.8f, 19.3f, 9.9f, 40.2f, 46, 16.2f, 8.5f, 19.2f, 3.8f, 11.9f, 3, 1.5f, 0},
         DressKind::AutumnCoat,
         F::Armhole},
        // The mismatch grows with every correction until the arcs overflow:
        // the balance ran away.
        {"growing mismatch",
         {19, 25, 58, 71, 21, 26.7f, 17.3f, 10.3f, 52.9f, 38.4f, 25.1f, 3.9f, 12.6f, 2.2f, 9.5f, 3, 1.5f, 0},
         DressKind::Dress,
         F::ArmholeRunAway},
        {"no back waist length", {18.1f, 43.8f, 48, 53, 26.5f, 43, 17.1f, 9.6f, 0, 41, 18, 7.6f, 20.2f, 4, 13.5f, 3, 1.5f, 0},
         DressKind::Dress, F::Fault},
        // The bust height is shorter than the bust point's offset from A4.
        {"bust point out of reach",
         {18.1f, 43.8f, 48, 53, 1.5f, 43, 17.1f, 9.6f, 38, 41, 18, 7.6f, 20.2f, 4, 13.5f, 3, 1.5f, 0},
         DressKind::Dress,
         F::Fault},
    };
    for (const Case& c : cases) {
        TTestDress d;
        TTestSleeve sleeve;
        sleeve.ShoulderPad = 0.5f;
        DressChoice choice;
        choice.sleeve = &sleeve;
        choice.sleeveKind = 1;
        ExpectDraftFails(c.failure, [&] { DraftDress(d, c.m, c.kind, Silhouette::Straight, choice); }, c.what);
        EXPECT_FALSE(d.calculated) << c.what;
        for (const Vector& p : {d.P8, d.P10, d.P11, d.Point4, d.FrontArmCtrl3, d.A7, d.G7, d.P})
            EXPECT_TRUE(Finite(p)) << c.what;
    }
}

// A run keeps nothing from the one before: drafting a garment again after
// another gives the same points.
TEST(DressDraft, ADraftDependsOnlyOnItsInputs) {
    TTestDress fresh, reused;
    DraftDress(fresh, kDressSamples, DressKind::Jacket);
    DraftDress(reused, kDressSamples, DressKind::WinterCoat);
    DraftDress(reused, kDressSamples, DressKind::Jacket);
    for (const auto& p : {&TDress::P8, &TDress::P10, &TDress::D, &TDress::D1, &TDress::B0, &TDress::BackCentreWaist,
                          &TDress::K, &TDress::U2, &TDress::Q3})
        EXPECT_EQ(fresh.*p, reused.*p);
    EXPECT_EQ(fresh.BackArmholeCut, reused.BackArmholeCut);
}

}  // namespace
