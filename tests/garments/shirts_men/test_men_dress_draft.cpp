// The men's bodice's common draft on its own (no windows): the worked
// example, the widths, the constructions' distances, the yoke and its
// clamp, the posture, the armhole balance of both garments with every
// sleeve, what the sleeve and collar kinds make the draft write, the breast
// pocket, and the failures.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "tests/DraftExpect.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

namespace {

std::string KindName(MenDressKind kind) { return kind == MenDressKind::Shirt ? "shirt" : "jacket"; }

// The shirt of the worked example, without a sleeve.  The values stated to
// two decimals are checked to a hundredth: the yoke's crossings K1 and K2
// are found to 0.005 cm off their lines, which moves YokeArc, the start of
// the balance and so P10 by up to that much (P10 comes out at (7.805,
// -3.504); crossings found exactly would give -3.506).
TEST(MenDressDraft, TheWorkedExample) {
    TTestMenDress d;
    DraftMenDress(d, kWorkedExample);
    const float drop = d.YokeBackEnd.y - d.YokeDartEnd.y;  // d
    const float back = BackArmhole(d);
    ExpectAll({{"W", d.ArmholeWidth, 14.8f},
               {"A.x", d.A.x, -29.5f},
               {"A.y", d.A.y, 0},
               {"a1.x", d.a1.x, 29.5f},
               {"a1.y", d.a1.y, 0},
               {"K.x", d.K.x, -29.5f},
               {"K.y", d.K.y, -5.7f},
               {"Шк, not clamped", d.YokeWidth, 6},
               {"A4.x", d.A4.x, 23},
               {"A4.y", d.A4.y, -1},
               {"A5.x", d.A5.x, 29.5f},
               {"A5.y", d.A5.y, -10.275f},
               {"|G G3|", d.ChestLineLength, 59},
               {"|A01 H0|", d.BackLength, 78.74f},  // 0.3 + 0.44·176 + 1
               {"|A5 H11|", d.FrontLength, 66.165f}},
              1e-4f);
    ExpectAll({{"d", drop, 0.753f}}, 1e-3f);
    ExpectAll({{"A9.x", d.A9.x, -24.32f},
               {"A9.y", d.A9.y, 1.62f},
               {"P.x", d.P.x, -8.04f},
               {"P.y", d.P.y, -2.17f},
               {"P31.x", d.P31.x, -7.40f},
               {"P31.y", d.P31.y, -15.01f},
               {"P6.x", d.P6.x, 7.40f},
               {"P6.y", d.P6.y, -16.86f},
               {"YokeArc", d.YokeArc, 0.73f},
               {"FrontNeckCentre.x", d.FrontNeckCentre.x, 32.27f},
               {"FrontNeckCentre.y", d.FrontNeckCentre.y, -1.42f},
               // One repetition: the front shoulder moved by the first
               // pass's mismatch alone.
               {"first mismatch", d.P4.y - (d.P2.y - d.YokeArc), -0.60f},
               {"P10.x", d.P10.x, 7.81f},
               {"P10.y", d.P10.y, -3.51f},
               {"Lb", back, 26.40f},
               {"back armhole less YokeArc", back - d.YokeArc, 25.67f},
               {"front armhole", FrontArmhole(d), 25.67f}},
              0.01f);
    EXPECT_TRUE(d.HasYoke);
    EXPECT_FALSE(d.calculated);  // the draft alone does not mark the garment
}

TEST(MenDressDraft, TheEaseConstantsOfTheShirtAndTheJacket) {
    struct Row {
        const char* what;
        float MenDressEase::*member;
        float shirt, jacket;
    } rows[] = {{"ArmholeLowering", &MenDressEase::ArmholeLowering, 2.0f, 3.0f},
                {"LengthEase", &MenDressEase::LengthEase, 1.0f, 1.2f},
                {"FrontLengthEase", &MenDressEase::FrontLengthEase, 1.0f, 1.2f},
                {"BackNeckRise", &MenDressEase::BackNeckRise, 0.3f, 1.0f},
                {"NeckWidthEase", &MenDressEase::NeckWidthEase, 0, 1.5f},
                {"NeckRiseEase", &MenDressEase::NeckRiseEase, 0, 0.4f},
                {"ShoulderEase", &MenDressEase::ShoulderEase, 0, 1.0f},
                {"WidthEase", &MenDressEase::WidthEase, 0, 0.8f},
                {"BackWidthEase", &MenDressEase::BackWidthEase, 0, 0.16f},
                {"ChestWidthEase", &MenDressEase::ChestWidthEase, 0, 0.43f}};
    for (const Row& r : rows) {
        EXPECT_EQ(EaseOf(MenDressKind::Shirt).*r.member, r.shirt) << r.what;
        EXPECT_EQ(EaseOf(MenDressKind::Jacket).*r.member, r.jacket) << r.what;
    }
    // SetEase puts each constant into the member of its name.
    TTestMenDress d;
    d.SetEase(EaseOf(MenDressKind::Jacket));
    const float set[] = {d.ArmholeLowering, d.LengthEase,   d.FrontLengthEase, d.BackNeckRise,  d.NeckWidthEase,
                         d.NeckRiseEase,    d.ShoulderEase, d.WidthEase,       d.BackWidthEase, d.ChestWidthEase};
    for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(set[i], rows[i].jacket) << rows[i].what;
}

// Back width + armhole width + chest width make the half girth with its
// ease, Сг2 + X (X = Пг + 1.5h), and the jacket's WidthEase on top; the
// segment table's |G G3| is that sum.
TEST(MenDressDraft, TheWidthsAddUpToTheHalfGirth) {
    for (MenDressKind kind : kMenKinds)
        for (const float h : {0.0f, 0.6f, 2.0f}) {
            TTestMenDress d;
            ShirtMeasures m = kShirtSamples;
            m.h = h;
            DraftMenDress(d, m, kind);
            const MenDressEase& e = EaseOf(kind);
            const double X = m.Pg + 1.5 * h;
            const std::string context = " " + KindName(kind) + " h " + std::to_string(h);
            const float backWidth = d.a.x - d.A.x, chestWidth = d.a1.x - d.a2.x;
            ExpectAll(
                {{"back + armhole + chest", backWidth + d.ArmholeWidth + chestWidth, float(m.Cg2 + X + e.WidthEase)},
                 {"back width", backWidth, float(m.Shs + 0.3 * X + e.BackWidthEase + 1.0)},
                 {"chest width", chestWidth, float(m.Shg + 0.3 * X + e.ChestWidthEase)},
                 {"armhole centred on x = 0", d.a.x + d.a2.x, 0},
                 {"|G G3|", d.ChestLineLength, float(m.Cg2 + X + e.WidthEase)}},
                1e-4f, context);
        }
}

// Every compass and ruler step gives its point where the method puts it,
// for both garments (every ease constant in play with the jacket) with an
// interlining ease and a sleeve.
TEST(MenDressDraft, TheConstructionsKeepTheirDistances) {
    for (MenDressKind kind : kMenKinds) {
        TTestMenDress d;
        TTestSleeve sleeve;
        const BodiceChoice choice = ChoiceOf(&sleeve, 1);
        const ShirtMeasures& m = kShirtSamples;
        DraftMenDress(d, m, kind, choice);
        const MenDressEase& e = EaseOf(kind);
        const float drop = d.YokeBackEnd.y - d.YokeDartEnd.y;
        const float neckRise = 0.15f * m.Cw + e.NeckRiseEase;
        const std::string context = " " + KindName(kind);
        ExpectAll(
            {// The grid.
             {"A01 above the top line", d.A01.y, e.BackNeckRise + 0.6f * m.h},
             {"chest line", d.G.y, -m.Vprz - 0.5f * e.LengthEase - 0.6f * m.h},
             {"armhole bottom", d.G2.y - d.G.y, -e.ArmholeLowering},
             {"waist line", d.T.y, -m.Dts - e.LengthEase},
             {"hip line", d.B.y - d.T.y, -0.5f * m.Dts + 2.5f},
             {"hem line", d.H0.y, -0.44f * m.R - e.LengthEase},
             {"front hem 2 cm up", d.H11.y - d.H1.y, 2},
             {"button overlap", d.H5.x - d.H11.x, 1.5f},
             {"B21 2 cm above the front hem", d.B21.y - d.H11.y, 2},
             // The back neck.
             {"|A01 A1|", Geom::Distance(d.A01, d.A1), m.Cw / 3 + e.NeckWidthEase},
             {"A01 → A1 level", d.A1.y - d.A01.y, 0},
             {"|A1 A2|", Geom::Distance(d.A1, d.A2), neckRise},
             {"|A1 A9|", Geom::Distance(d.A1, d.A9), 0.64f * neckRise},
             {"A9 on the bisector of the corner at A1", d.A9.x - d.A1.x, -(d.A9.y - d.A1.y)},
             {"NeckCtrl1 level with A01", d.NeckCtrl1.y, d.A01.y},
             {"NeckCtrl1 on A9's square to A1 → A9", Vector::Dot(d.NeckCtrl1 - d.A9, d.A9 - d.A1), 0},
             {"NeckCtrl2 on it too", Vector::Dot(d.NeckCtrl2 - d.A9, d.A9 - d.A1), 0},
             {"|A9 NeckCtrl2|", Geom::Distance(d.A9, d.NeckCtrl2), 0.5f * Geom::Distance(d.A9, d.A2)},
             // The back shoulder and armhole.
             {"|T0 P|", Geom::Distance(d.T0, d.P), m.Vpk + e.LengthEase + 0.6f * m.h + drop},
             {"|A2 P|", Geom::Distance(d.A2, d.P), 1.1f * m.Shp + e.ShoulderEase + 0.5f},
             {"BackArmholeCtrl above P31", d.BackArmholeCtrl.y - d.P31.y, Geom::Distance(d.P, d.P31) / 3},
             {"back joint on its controls' segment", OffLine(d.BackArmholeCtrl1, d.BackArmholeCtrl2, d.BackArmholeJoin),
              0},
             {"back joint at 0.7", Geom::Distance(d.BackArmholeCtrl1, d.BackArmholeJoin),
              0.7f * Geom::Distance(d.BackArmholeCtrl1, d.BackArmholeCtrl2)},
             {"front joint at 0.7", Geom::Distance(d.FrontArmholeCtrl2, d.FrontArmholeJoin),
              0.7f * Geom::Distance(d.FrontArmholeCtrl2, d.FrontArmholeCtrl1)},
             {"front joint on its controls' segment",
              OffLine(d.FrontArmholeCtrl1, d.FrontArmholeCtrl2, d.FrontArmholeJoin), 0},
             // The front neck and shoulder.
             {"A3 above the front waist", d.A3.y - d.T3.y, m.Dtp + e.FrontLengthEase + 0.6f * m.h},
             {"front neck as wide as the back one", d.A3.x - d.A4.x, d.A1.x - d.A01.x},
             {"front neck depth", d.A3.y - d.A5.y, 0.45f * m.Cw + 0.5f},
             {"|FrontNeckCentre A4|", Geom::Distance(d.FrontNeckCentre, d.A4), d.A3.y - d.A5.y},
             {"|FrontNeckCentre A5|", Geom::Distance(d.FrontNeckCentre, d.A5), d.A3.y - d.A5.y},
             {"|P6 P10|", Geom::Distance(d.P6, d.P10), d.P4.y - d.P6.y},
             {"|A4 P10|", Geom::Distance(d.A4, d.P10), 1.1f * m.Shp + e.ShoulderEase},
             {"\"3\" on P6 → P10", OffLine(d.P6, d.P10, d.Point3), 0},
             {"|P6 \"3\"|", Geom::Distance(d.P6, d.Point3), 0.4f * Geom::Distance(d.P6, d.P10)},
             {"\"4\" square off \"3\"", Vector::Dot(d.Point4 - d.Point3, d.P10 - d.P6), 0},
             {"|\"3\" \"4\"|", Geom::Distance(d.Point3, d.Point4), std::fabs(9.0f / 67 * (d.G4.x - d.P10.x))},
             {"FrontArmholeCtrl3 on P6 → P4", d.FrontArmholeCtrl3.x, d.P6.x},
             // The shoulder seam moved 1 cm to the front.
             {"A41 on the neck circle", Geom::Distance(d.FrontNeckCentre, d.A41), d.A3.y - d.A5.y},
             {"A41 1 cm below the front shoulder line", Geom::Side(d.P10, Vector::UnitBetween(d.P10, d.A4), d.A41), -1},
             {"A21 1 cm above the back shoulder line", Geom::Side(d.A2, Vector::UnitBetween(d.A2, d.P), d.A21), 1},
             {"P1 1 cm above it", Geom::Side(d.A2, Vector::UnitBetween(d.A2, d.P), d.P1), 1},
             {"A21 on the neckline's tangent at A2", OffLine(d.NeckCtrl2, d.A2, d.A21), 0},
             {"P1 on the armhole's tangent at P", OffLine(d.BackArmholeCtrl, d.P, d.P1), 0},
             // The front edge, side lines and hem.
             {"A51 on the overlap line", d.A51.x, d.H5.x},
             {"A51 on the neck's tangent at A5", Vector::Dot(d.A51 - d.A5, d.A5 - d.FrontNeckCentre), 0},
             {"B5.x", d.B5.x, 0.5f * (m.Cg2 + m.Pg - m.Cb - m.Pb)},
             {"B4 mirrors B5", d.B4.x, -d.B5.x},
             {"B41 on G2 → B4", OffLine(d.G2, d.B4, d.B41), 0},
             {"B41 level with B21", d.B41.y, d.B21.y},
             {"BackSideHem on G2 → B4", OffLine(d.G2, d.B4, d.BackSideHem), 0},
             {"BackSideHem on the hem line", d.BackSideHem.y, d.H0.y},
             {"B51 on G2 → B5", OffLine(d.G2, d.B5, d.B51), 0},
             {"B51 level with B21", d.B51.y, d.B21.y},
             {"FrontSideHem on G2 → B5", OffLine(d.G2, d.B5, d.FrontSideHem), 0},
             {"FrontSideHem on the hem line", d.FrontSideHem.y, d.H0.y},
             {"FrontSideHem2 on G2 → B5", OffLine(d.G2, d.B5, d.FrontSideHem2), 0},
             {"FrontSideHem2 level with H11", d.FrontSideHem2.y, d.H11.y},
             {"back hem level at H3", d.HemCtrl[0].y, d.H3.y},
             {"back hem level at B41", d.HemCtrl[1].y, d.B41.y},
             {"front hem level at B51", d.HemCtrl[2].y, d.B51.y},
             {"front hem level at H4", d.HemCtrl[3].y, d.H4.y},
             {"back hem handle at H3", d.HemCtrl[0].x - d.H3.x, 0.4f * (d.B41.x - d.H3.x)},
             {"back hem handle at B41", d.B41.x - d.HemCtrl[1].x, 0.4f * (d.B41.x - d.H3.x)},
             {"front hem handle at B51: the back's", d.HemCtrl[2].x - d.B51.x, 0.4f * (d.B41.x - d.H3.x)},
             {"front hem handle at H4: the back's", d.H4.x - d.HemCtrl[3].x, 0.4f * (d.B41.x - d.H3.x)},
             // Ticks.
             {"T0", d.T0.x - d.T.x, 3 - 0.1f * m.Pk},
             {"waist notch", Geom::Distance(d.WaistNotch[0], d.WaistNotch[1]), 0.4f},
             {"waist notch about T0", Geom::Distance((d.WaistNotch[0] + d.WaistNotch[1]) * 0.5f, d.T0), 0},
             {"shoulder level tick", Geom::Distance(d.ShoulderLevelTick[0], d.ShoulderLevelTick[1]), 0.4f},
             {"shoulder level tick about P4",
              Geom::Distance((d.ShoulderLevelTick[0] + d.ShoulderLevelTick[1]) * 0.5f, d.P4), 0}},
            1e-3f, context);
        // P11 lies on the 1 cm offset of the front shoulder line and on the
        // upper front armhole, to the crossing's tolerance.
        EXPECT_LE(std::fabs(Geom::Side(d.FrontShoulderOffset, Vector::UnitBetween(d.P10, d.A4), d.P11)), 0.005f)
            << context;
        EXPECT_EQ(d.P11, Bezier2::Point(d.Point4, d.FrontArmholeCtrl4, d.P10, d.ShoulderSplitParam)) << context;
        // The compasses picked the right crossings: P right of T0 → A2,
        // P10 left of P6 → A4, the neck centre left of A4 → A5; A41 is the
        // crossing towards P10.
        EXPECT_LT(Geom::Side(d.T0, Vector::UnitBetween(d.T0, d.A2), d.P), 0) << context;
        EXPECT_GT(Geom::Side(d.P6, Vector::UnitBetween(d.P6, d.A4), d.P10), 0) << context;
        EXPECT_GT(Geom::Side(d.A4, Vector::UnitBetween(d.A4, d.A5), d.FrontNeckCentre), 0) << context;
        EXPECT_LT(d.A41.x, d.FrontNeckCentre.x) << context;
    }
}

// Шк 4 or more gives a yoke: its seam K → U level YokeWidth below A01, the
// crossings K1 (level) and K2 (d lower) on the arc P → P31, and the arc
// between them taken out of the back armhole.  Below 4 there is none: the
// yoke's points keep what they held and the back shoulder is not raised.
TEST(MenDressDraft, TheYokeStartsAtFourCentimetres) {
    const Vector untouched(-999, -999);
    for (const float width : {0.0f, 3.9f, 4.0f, 9.0f}) {
        TTestMenDress d;
        d.K = d.K1 = d.K2 = d.U = d.YokeCtrl = untouched;
        ShirtMeasures m = kWorkedExample;
        m.Shk = width;
        DraftMenDress(d, m);
        const std::string context = " Шк " + std::to_string(width);
        const bool yoke = width >= 4.0f;
        EXPECT_EQ(d.HasYoke, yoke) << context;
        const float shoulder = Geom::Distance(d.T0, d.P) - m.Vpk - 1.0f;  // less LengthEase
        // Without a yoke the front balances against the whole back.
        EXPECT_LT(std::fabs(FrontArmhole(d) - (BackArmhole(d) - d.YokeArc)), 0.1f) << context;
        if (!yoke) {
            EXPECT_EQ(d.YokeArc, 0.0f) << context;
            EXPECT_NEAR(shoulder, 0, 1e-4) << context;
            EXPECT_EQ(d.K, untouched) << context;
            EXPECT_EQ(d.K1, untouched) << context;
            EXPECT_EQ(d.YokeCtrl, untouched) << context;
            continue;
        }
        const float drop = d.YokeBackEnd.y - d.YokeDartEnd.y;
        EXPECT_NEAR(drop, (d.a.x - d.U.x) * 0.15f * m.Pk / 11, 1e-5) << context;
        EXPECT_NEAR(shoulder, drop, 1e-4) << context;  // the shoulder raised by d
        EXPECT_EQ(d.YokeWidth, width) << context;
        EXPECT_FLOAT_EQ(d.K.y, d.A01.y - width) << context;
        EXPECT_EQ(d.U.y, d.K.y) << context;
        EXPECT_FLOAT_EQ(d.U.x, (d.A.x + d.a.x) / 2) << context;
        EXPECT_EQ(d.YokeBackEnd, Vector(d.a.x, d.U.y)) << context;
        EXPECT_FLOAT_EQ(d.YokeCtrl.x, d.U.x + 0.45f * (d.a.x - d.U.x)) << context;
        // K1 and K2 on their lines and on the arc, K2 below K1.
        EXPECT_LE(std::fabs(Geom::Side(d.U, Vector::UnitBetween(d.U, d.YokeBackEnd), d.K1)), 0.005f) << context;
        EXPECT_LE(std::fabs(Geom::Side(d.U, Vector::UnitBetween(d.U, d.YokeDartEnd), d.K2)), 0.005f) << context;
        EXPECT_EQ(d.K1, Bezier2::Point(d.P, d.BackArmholeCtrl, d.P31, d.YokeParam1)) << context;
        EXPECT_EQ(d.K2, Bezier2::Point(d.P, d.BackArmholeCtrl, d.P31, d.YokeParam2)) << context;
        EXPECT_LT(d.YokeParam1, d.YokeParam2) << context;
        EXPECT_FLOAT_EQ(d.YokeArc, Bezier2::ArcLength(d.P, d.BackArmholeCtrl, d.P31, d.YokeParam1, d.YokeParam2))
            << context;
        EXPECT_GT(d.YokeArc, drop * 0.9f) << context;
    }
}

// A yoke that would come down below P31.y + d is raised to it, and the
// member keeps the lowered width until the measurements are read again: a
// second draft starts from it.
TEST(MenDressDraft, AVeryWideYokeIsClamped) {
    TTestMenDress d;
    ShirtMeasures m = kWorkedExample;
    m.Shk = 30;
    DraftMenDress(d, m);
    ASSERT_TRUE(d.HasYoke);
    const float drop = d.YokeBackEnd.y - d.YokeDartEnd.y;
    EXPECT_FLOAT_EQ(d.YokeWidth, d.A01.y - d.P31.y - drop);
    EXPECT_NEAR(d.K.y, d.P31.y + drop, 1e-4);
    // The lower seam line ends at P31 itself.
    EXPECT_NEAR(d.YokeDartEnd.y, d.P31.y, 1e-4);
    EXPECT_LT(Geom::Distance(d.K2, d.P31), 0.01f);
    EXPECT_LT(std::fabs(FrontArmhole(d) - (BackArmhole(d) - d.YokeArc)), 0.1f);

    const float clamped = d.YokeWidth;
    const Vector k = d.K;
    d.Draft(BodiceChoice{});
    EXPECT_EQ(d.YokeWidth, clamped);
    EXPECT_EQ(d.K, k);
}

// The posture Пк moves T0 left by 0.1 Пк and, with a yoke, raises the back
// shoulder by d = 0.15 Пк (a.x − U.x)/11 (the compass radius from T0 grows
// by d).
TEST(MenDressDraft, ThePostureMovesTheWaistPointAndRaisesTheYokedShoulder) {
    for (const float pk : {0.0f, 5.0f, 12.0f})
        for (const float yokeWidth : {0.0f, 6.0f}) {
            TTestMenDress d;
            ShirtMeasures m = kWorkedExample;
            m.Pk = pk;
            m.Shk = yokeWidth;
            DraftMenDress(d, m);
            const std::string context = " Пк " + std::to_string(pk) + " Шк " + std::to_string(yokeWidth);
            const float drop = yokeWidth > 0 ? 0.15f * pk * (d.a.x - (d.A.x + d.a.x) / 2) / 11 : 0.0f;
            EXPECT_FLOAT_EQ(d.T0.x, d.T.x + 3 - 0.1f * pk) << context;
            EXPECT_NEAR(Geom::Distance(d.T0, d.P), m.Vpk + 1.0f + drop, 1e-4) << context;
            if (yokeWidth > 0) {
                EXPECT_NEAR(d.YokeBackEnd.y - d.YokeDartEnd.y, drop, 1e-5) << context;
            }
        }
}

// P31 and P6 never come lower than 0.35 and 0.4 of the waist depth: a deep
// armhole height lifts both to their floors.
TEST(MenDressDraft, TheArmholePointsAreLiftedToTheirFloors) {
    for (const float height : {22.0f, 28.0f}) {
        TTestMenDress d;
        ShirtMeasures m = kWorkedExample;
        m.Vprz = height;
        DraftMenDress(d, m);
        const std::string context = " Впр.з " + std::to_string(height);
        const float width = d.G4.x - d.G1.x;
        const float back = d.G1.y + 0.3f * width + 0.15f * (d.P2.y - d.G1.y);
        const float front = d.G4.y + 0.3f * width + 1.2f;
        const bool lifted = height > 25;
        EXPECT_EQ(back < 0.35f * d.T.y, lifted) << context;
        EXPECT_EQ(front < 0.4f * d.T.y, lifted) << context;
        EXPECT_FLOAT_EQ(d.P31.y, lifted ? 0.35f * d.T.y : back) << context;
        EXPECT_FLOAT_EQ(d.P6.y, lifted ? 0.4f * d.T.y : front) << context;
        EXPECT_EQ(d.P31.x, d.a.x) << context;
        EXPECT_EQ(d.P6.x, d.a2.x) << context;
    }
}

// Both garments with every sleeve: the front armhole G2 → P10 ends within
// 0.1 cm of the back one less YokeArc, and a sleeve is fitted to the sum of
// both.
TEST(MenDressDraft, TheArmholeBalancesForEveryGarmentAndSleeve) {
    TTestSleeve sleeve;
    for (MenDressKind kind : kMenKinds)
        for (const ShirtMeasures& m : {kWorkedExample, kShirtSamples})
            for (int sleeveKind = 0; sleeveKind <= 6; ++sleeveKind) {
                TTestMenDress d;
                DraftMenDress(d, m, kind, ChoiceOf(sleeveKind > 0 ? &sleeve : nullptr, sleeveKind));
                const std::string context =
                    " " + KindName(kind) + " Сш " + std::to_string(m.Cw) + " sleeve " + std::to_string(sleeveKind);
                const float back = BackArmhole(d) - d.YokeArc;
                EXPECT_LT(std::fabs(FrontArmhole(d) - back), 0.1f) << context;
                EXPECT_EQ(d.P4.x, d.a2.x) << context;
                if (sleeveKind > 0) {
                    EXPECT_NEAR(d.ArmholeLength, back + FrontArmhole(d), 1e-3f) << context;
                    EXPECT_FLOAT_EQ(d.ArmholeDepth, (d.P.y + d.P10.y) / 2 - d.G.y) << context;
                }
            }
}

// What each sleeve kind makes the draft write: kinds 1, 3 and 4 the two
// set-in notch marks, the raglans (5, 6) the raglan ticks and a 5 cm yoke,
// the two-seam sleeve (2) nothing of the notch block (it writes its own);
// without a sleeve neither marks nor the armhole's length and depth.
TEST(MenDressDraft, TheSleeveKindDecidesWhatTheDraftWrites) {
    const Vector untouched(-999, -999);
    for (int kind = 0; kind <= 6; ++kind) {
        TTestMenDress d;
        for (Vector* block : {d.BackNotchMark, d.FrontNotchMark})
            for (int i = 0; i < 3; ++i) block[i] = untouched;
        for (Vector& v : d.BackSleeveNotch) v = untouched;
        d.FrontSleeveNotch = untouched;
        for (Vector* tick : {d.BackRaglanNotch, d.FrontRaglanNotch}) tick[0] = tick[1] = untouched;
        d.ArmholeLength = d.ArmholeDepth = 99;
        TTestSleeve sleeve;
        ShirtMeasures m = kWorkedExample;
        m.Shk = 0;  // no yoke of its own
        DraftMenDress(d, m, MenDressKind::Jacket, ChoiceOf(kind > 0 ? &sleeve : nullptr, kind));
        const std::string context = " sleeve kind " + std::to_string(kind);

        const bool setIn = kind == 1 || kind == 3 || kind == 4;
        const bool raglan = kind == 5 || kind == 6;
        if (setIn) {
            const float back = d.P31.x - 0.6f, front = d.P6.x + 0.6f;
            const Vector backMark[] = {{back, d.P31.y - 0.2f}, {back, d.P31.y}, {back, d.P31.y + 0.2f}};
            const Vector frontMark[] = {{front, d.P6.y}, {front, d.P6.y - 0.2f}, {front, d.P6.y + 0.2f}};
            for (int i = 0; i < 3; ++i) {
                EXPECT_NEAR(Geom::Distance(d.BackNotchMark[i], backMark[i]), 0, 1e-5) << context << " back " << i;
                EXPECT_NEAR(Geom::Distance(d.FrontNotchMark[i], frontMark[i]), 0, 1e-5) << context << " front " << i;
            }
        } else {
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(d.BackNotchMark[i], untouched) << context;
                EXPECT_EQ(d.FrontNotchMark[i], untouched) << context;
            }
        }
        if (raglan) {
            EXPECT_NEAR(Geom::Distance(d.BackRaglanNotch[0], d.P31 - Vector(0.2f, 0)), 0, 1e-5) << context;
            EXPECT_NEAR(Geom::Distance(d.BackRaglanNotch[1], d.P31 + Vector(0.2f, 0)), 0, 1e-5) << context;
            EXPECT_NEAR(Geom::Distance(d.FrontRaglanNotch[0], d.P6 - Vector(0.2f, 0)), 0, 1e-5) << context;
            EXPECT_NEAR(Geom::Distance(d.FrontRaglanNotch[1], d.P6 + Vector(0.2f, 0)), 0, 1e-5) << context;
        } else {
            EXPECT_EQ(d.BackRaglanNotch[0], untouched) << context;
            EXPECT_EQ(d.FrontRaglanNotch[1], untouched) << context;
        }
        // The raglans take a 5 cm yoke whatever Шк says.
        EXPECT_EQ(d.HasYoke, raglan) << context;
        EXPECT_EQ(d.YokeWidth, raglan ? 5.0f : 0.0f) << context;
        // The two-seam sleeve's own block is never written by the draft.
        EXPECT_EQ(d.FrontSleeveNotch, untouched) << context;
        for (const Vector& v : d.BackSleeveNotch) EXPECT_EQ(v, untouched) << context;
        if (kind == 0) {
            EXPECT_EQ(d.ArmholeLength, 99.0f) << context;
            EXPECT_EQ(d.ArmholeDepth, 99.0f) << context;
        } else {
            EXPECT_NE(d.ArmholeLength, 99.0f) << context;
        }
    }
}

// A raglan's 5 cm yoke is clamped like any other when the armhole is too
// shallow for it.
TEST(MenDressDraft, TheRaglansYokeIsClampedLikeAnyOther) {
    TTestMenDress d;
    TTestSleeve sleeve;
    const BodiceChoice choice = ChoiceOf(&sleeve, 6);
    ShirtMeasures m = kWorkedExample;
    m.Dts = 12;  // P31 no lower than 0.35 T.y = -4.55
    m.Shk = 12;
    DraftMenDress(d, m, MenDressKind::Shirt, choice);
    const float drop = d.YokeBackEnd.y - d.YokeDartEnd.y;
    EXPECT_TRUE(d.HasYoke);
    EXPECT_LT(d.YokeWidth, 5.0f);
    EXPECT_FLOAT_EQ(d.YokeWidth, d.A01.y - d.P31.y - drop);
}

// The breast pocket is 13 cm wide and 14 cm deep, centred between G4 and
// G3 with its top 2.7 cm below P6, whatever the chest width: the outline
// decides whether it is drawn.
TEST(MenDressDraft, TheBreastPocketIsComputedForEveryChestWidth) {
    for (const float chest : {8.0f, 16.99f, 17.0f, 24.0f}) {
        TTestMenDress d;
        ShirtMeasures m = kWorkedExample;
        m.Shg = chest;
        DraftMenDress(d, m);
        const std::string context = " Шг " + std::to_string(chest);
        const Vector* c = d.PocketCorners;
        ExpectAll({{"width", c[1].x - c[0].x, 13},
                   {"bottom width", c[3].x - c[2].x, 13},
                   {"depth", c[0].y - c[2].y, 14},
                   {"right side depth", c[1].y - c[3].y, 14},
                   {"left side upright", c[2].x - c[0].x, 0},
                   {"top level", c[1].y - c[0].y, 0},
                   {"top below P6", d.P6.y - c[0].y, 2.7f},
                   {"centred between G4 and G3", c[0].x + c[1].x, d.G4.x + d.G3.x}},
                  1e-4f, context);
    }
}

// The shawl collar's back neckline is written with a collar of kind 5 only:
// from 1 cm below A01, through the point 1 cm from A9 square off A1 → A9,
// to the back shoulder line.
TEST(MenDressDraft, TheShawlNecklineOnlyForTheShawlCollar) {
    for (const ShawlCase& c : kShawlCases) {
        TTestMenDress d;
        d.BackNeckLength = d.ShawlNeckExcess = 99;
        DraftMenDress(d, kShirtSamples, MenDressKind::Jacket, ChoiceOf(nullptr, 0, c.collar, c.kind));
        const std::string context = " collar " + std::to_string(c.collar) + " kind " + std::to_string(c.kind);
        if (!c.written) {
            EXPECT_EQ(d.BackNeckLength, 99.0f) << context;
            EXPECT_EQ(d.ShawlNeckExcess, 99.0f) << context;
            EXPECT_EQ(d.ShawlNeck[2], Vector()) << context;
            continue;
        }
        const Vector* s = d.ShawlNeck;
        const Vector inner = d.A2 - Vector::UnitNormalBetween(d.NeckCtrl2, d.A2);
        const float back =
            Bezier2::ArcLength(d.A01, d.NeckCtrl1, d.A9, 0, 1) + Bezier2::ArcLength(d.A9, d.NeckCtrl2, d.A2, 0, 1);
        const float shawl = Bezier2::ArcLength(s[1], s[0], s[4], 0, 1) + Bezier2::ArcLength(s[4], s[3], s[2], 0, 1);
        ExpectAll({{"BackNeckLength", d.BackNeckLength, back},
                   {"s1 1 cm below A01", d.A01.y - s[1].y, 1},
                   {"s1 under A01", s[1].x - d.A01.x, 0},
                   {"|A9 s4|", Geom::Distance(d.A9, s[4]), 1},
                   {"s4 square off A1 → A9", Vector::Dot(s[4] - d.A9, d.A9 - d.A1), 0},
                   {"s0 level with s1", s[0].y, s[1].y},
                   {"s0 on s4's guide", OffLine(s[4], s[3], s[0]), 0},
                   {"s2 on the back shoulder line", OffLine(d.A2, d.P1, s[2]), 0},
                   // s2 first stands 1 cm in from A2, square to the
                   // neckline there; s3 lies half its distance from s4 along
                   // s4's guide, and s2 then moves along that guide.
                   {"|s4 s3|", Geom::Distance(s[4], s[3]), 0.5f * Geom::Distance(s[4], inner)},
                   {"s2 moved along the guide", OffLine(inner, inner + (s[3] - s[4]), s[2]), 0},
                   {"ShawlNeckExcess", d.ShawlNeckExcess, shawl - back}},
                  1e-4f, context);
        EXPECT_GT(d.ShawlNeckExcess, 0) << context;
    }
}

// Measurements the draft cannot serve end in the armhole failure, a
// balance that runs away or the float error, and leave no non-finite point
// behind.
TEST(MenDressDraft, MeasurementsThatCannotBeDraftedFail) {
    using F = DraftFailure;
    struct Case {
        const char* what;
        float ShirtMeasures::*field;
        float value;
        DraftFailure failure;
    } cases[] = {
        // The front shoulder swings between two heights for ever: the
        // compass circles of P10 meet at one of them only.
        {"swinging front shoulder (Вп.к 72.5)", &ShirtMeasures::Vpk, 72.5f, F::Armhole},
        {"no back waist length", &ShirtMeasures::Dts, 0, F::Armhole},
        // The front shoulder sinks towards P6 with every correction until
        // its arcs fold up: the balance ran away.
        {"front shoulder sinking into the armhole (Дт.п 58)", &ShirtMeasures::Dtp, 58, F::ArmholeRunAway},
        {"no neck", &ShirtMeasures::Cw, 0, F::Fault},
    };
    for (const Case& c : cases) {
        TTestMenDress d;
        TTestSleeve sleeve;
        const BodiceChoice choice = ChoiceOf(&sleeve, 1);
        ShirtMeasures m = kWorkedExample;
        m.*c.field = c.value;
        ExpectDraftFails(
            c.failure, [&] { DraftMenDress(d, m, MenDressKind::Shirt, choice); }, c.what);
        EXPECT_FALSE(d.calculated) << c.what;
        for (const Vector& p : {d.P4, d.P10, d.Point3, d.Point4, d.FrontArmholeCtrl3, d.FrontArmholeCtrl4, d.P, d.A9})
            EXPECT_TRUE(Finite(p)) << c.what;
        EXPECT_TRUE(std::isfinite(d.YokeArc)) << c.what;
    }
}

// Measurements drawn at random far beyond any body (from nothing to twice a
// tall man's) either draft, with every point finite and the armhole
// balanced, or fail with the armhole failure or the float error: no other
// exception, no NaN draft, no endless loop.
TEST(MenDressDraft, AnyMeasurementsDraftOrFailCleanly) {
    std::mt19937 random(11);
    const auto in = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(random); };
    const Vector TMenDress::*points[] = {&TMenDress::A9,
                                         &TMenDress::A21,
                                         &TMenDress::A41,
                                         &TMenDress::A51,
                                         &TMenDress::K1,
                                         &TMenDress::K2,
                                         &TMenDress::P,
                                         &TMenDress::P1,
                                         &TMenDress::P4,
                                         &TMenDress::P10,
                                         &TMenDress::P11,
                                         &TMenDress::Point3,
                                         &TMenDress::Point4,
                                         &TMenDress::FrontArmholeCtrl3,
                                         &TMenDress::FrontArmholeCtrl4,
                                         &TMenDress::FrontNeckCentre,
                                         &TMenDress::B41,
                                         &TMenDress::B51,
                                         &TMenDress::FrontSideHem2,
                                         &TMenDress::NeckCtrl1,
                                         &TMenDress::NeckCtrl2};
    TTestSleeve sleeve;
    int drafted = 0, armhole = 0;
    for (int i = 0; i < 3000; ++i) {
        const ShirtMeasures m{in(100, 220), in(0, 30), in(30, 80), in(30, 80), in(0, 70), in(0, 35),
                              in(0, 35),    in(0, 70), in(0, 70),  in(0, 35),  in(0, 25), in(0, 15),
                              in(0, 14),    in(0, 10), in(0, 10),  in(0, 2)};
        const int sleeveKind = i % 7;
        TTestMenDress d;
        try {
            DraftMenDress(d, m, kMenKinds[i % 2], ChoiceOf(sleeveKind > 0 ? &sleeve : nullptr, sleeveKind, true, 5));
        } catch (int code) {
            EXPECT_EQ(code, 2);
            ++armhole;
            continue;
        } catch (const EFitRunAway& e) {
            EXPECT_EQ(e.failure, 2);
            ++armhole;
            continue;
        } catch (const EFloatError&) {
            continue;  // a degenerate draft, failed cleanly
        }
        ++drafted;
        for (const auto p : points) ASSERT_TRUE(Finite(d.*p)) << "case " << i;
        ASSERT_TRUE(std::isfinite(d.ShawlNeckExcess)) << "case " << i;
        ASSERT_LT(std::fabs(FrontArmhole(d) - (BackArmhole(d) - d.YokeArc)), 0.1f) << "case " << i;
    }
    // Drafts and the armhole's failure (at the bound or running away) both
    // occur.
    EXPECT_GT(drafted, 0);
    EXPECT_GT(armhole, 0);
}

// A run keeps nothing from the one before but a clamped yoke width:
// drafting a garment again after another gives the same points.
TEST(MenDressDraft, ADraftDependsOnlyOnItsInputs) {
    TTestMenDress fresh, reused;
    TTestSleeve sleeve;
    const BodiceChoice choice = ChoiceOf(&sleeve, 1);
    DraftMenDress(fresh, kShirtSamples, MenDressKind::Shirt, choice);
    DraftMenDress(reused, kWorkedExample, MenDressKind::Jacket, choice);
    DraftMenDress(reused, kShirtSamples, MenDressKind::Shirt, choice);
    for (const auto p : {&TMenDress::P4, &TMenDress::P10, &TMenDress::K2, &TMenDress::A41, &TMenDress::P11,
                         &TMenDress::A51, &TMenDress::B41})
        EXPECT_EQ(fresh.*p, reused.*p);
    EXPECT_EQ(fresh.YokeArc, reused.YokeArc);
    EXPECT_EQ(fresh.ArmholeLength, reused.ArmholeLength);
}

}  // namespace
