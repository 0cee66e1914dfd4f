// The men's outerwear base's common draft on its own (no windows): the
// constants of every garment type, the grid of the sample coat worked by
// hand, the constructions' distances and angles, the armhole balance of
// every garment, the blade dart's cases, the clamps, what the collar and
// sleeve kinds make the draft write, and the failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "platform/Text.h"
#include "tests/DraftExpect.h"
#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

std::string TypeText(int type) { return " type " + std::to_string(type); }

// The garment types' constants: the season's or garment's table, the
// construction's front shift, and the width eases from c = 1.5h + Пг (the
// vest's 2 less).  With h 0.4 and Пг 7, c = 7.6: 0.17c = 1.292, 0.25c = 1.9.
TEST(MenPatternConstants, EveryGarmentTypeSetsItsOwn) {
    struct Case {
        int type;
        float frontShift, chestEase, backEase, armholeDepth, backLength, frontDrop, backNeckRise, backNeckWidth,
            backNeckHeight, frontNeckDepth, dartWidth, shoulder, bustWidth, backAddition, chestAddition;
    } cases[] = {
        {28, 0, 1.292f, 1.9f, 5, 1.2f, 3.3f, 1, 2, 0.8f, 1, 1, 1, 3.3f, 1.2f, 1.5f},
        {29, 2, 1.292f, 1.9f, 5, 1.2f, 3.3f, 1, 2, 0.8f, 1, 1, 1, 3.3f, 1.2f, 1.5f},
        {30, 4, 1.292f, 1.9f, 5, 1.2f, 3.3f, 1, 2, 0.8f, 1, 1, 1, 3.3f, 1.2f, 1.5f},
        {31, 0, 1.292f, 1.9f, 5, 1.6f, 3.5f, 2, 2.5f, 1, 1.5f, 1, 1.2f, 3.8f, 1.4f, 1.7f},
        {32, 2, 1.292f, 1.9f, 5, 1.6f, 3.5f, 2, 2.5f, 1, 1.5f, 1, 1.2f, 3.8f, 1.4f, 1.7f},
        {33, 4, 1.292f, 1.9f, 5, 1.6f, 3.5f, 2, 2.5f, 1, 1.5f, 1, 1.2f, 3.8f, 1.4f, 1.7f},
        {34, 2, 1.292f, 1.9f, 3, 1, 1.5f, 0.7f, 1, 0.4f, 0.5f, 0.5f, 0.7f, 1.2f, 0.4f, 0.7f},
        {35, 4, 1.292f, 1.9f, 3, 1, 1.5f, 0.7f, 1, 0.4f, 0.5f, 0.5f, 0.7f, 1.2f, 0.4f, 0.7f},
        {36, 0, -0.708f, -0.1f, 5, 0.3f, 0.7f, 0.5f, 1.5f, 0.2f, 1, 0, 0.3f, 0.8f, 0.16f, 0.43f},
    };
    for (const Case& c : cases) {
        TTestMenPattern g;
        g.BustEase = 7;
        g.InterliningEase = 0.4f;
        g.SetConstants(MenPatternConstantsOf(c.type));
        ExpectAll({{"FrontShift", g.FrontShift, c.frontShift},
                   {"ChestWidthEase", g.ChestWidthEase, c.chestEase},
                   {"BackWidthEase", g.BackWidthEase, c.backEase},
                   {"ArmholeDepthEase", g.ArmholeDepthEase, c.armholeDepth},
                   {"BackLengthEase", g.BackLengthEase, c.backLength},
                   {"FrontDropEase", g.FrontDropEase, c.frontDrop},
                   {"BackNeckRise", g.BackNeckRise, c.backNeckRise},
                   {"BackNeckWidthEase", g.BackNeckWidthEase, c.backNeckWidth},
                   {"BackNeckHeightEase", g.BackNeckHeightEase, c.backNeckHeight},
                   {"FrontNeckDepthEase", g.FrontNeckDepthEase, c.frontNeckDepth},
                   {"ArmholeDartWidth", g.ArmholeDartWidth, c.dartWidth},
                   {"ShoulderEase", g.ShoulderEase, c.shoulder},
                   {"BustWidthEase", g.BustWidthEase, c.bustWidth},
                   {"BackWidthAddition", g.BackWidthAddition, c.backAddition},
                   {"ChestWidthAddition", g.ChestWidthAddition, c.chestAddition}},
                  1e-6f, TypeText(c.type));
    }
    for (const int other : {0, 7, 27, 37}) EXPECT_THROW(MenPatternConstantsOf(other), std::invalid_argument) << other;
}

// The sample demi-season side-seam coat without a sleeve, worked by hand:
// W = 52.2 + 7 + 0.6 + 3.3 − 20.1 − 1.9 − 1.2 − 19.4 − 1.292 − 1.5 = 17.708.
TEST(MenPatternDraft, GridOfTheSampleCoatByHand) {
    TTestMenPattern g;
    DraftMen(g, kCoatSamples, 28);
    ExpectAll({{"a.x", g.a.x, -9.91648f},    // −0.56 W
               {"G21.x", g.G21.x, -1.06248f},  // −0.06 W
               {"A.x", g.A.x, -33.11648f},    // a.x − 20.1 − 1.9 − 1.2
               {"G.y", g.G.y, -27.9125f},     // −(0.6 + 21.9 + 5) · 1.015
               {"T.y", g.T.y, -47.096f},      // −(45.2 + 1.2) · 1.015
               {"Y.y", g.Y.y, -14.1288f},     // 0.3 T.y
               {"B.y", g.B.y, -67.196f},      // T.y − 22.6 + 2.5
               {"H.y", g.H.y, -107.184f},     // −0.609 · 176
               {"A0.x", g.A0.x, -32.31648f},  // A.x + 0.8
               {"A01.y", g.A01.y, 1.24f},     // 0.24 + 1
               {"T0.x", g.T0.x, -31.33648f},  // A.x + 0.08 − 0.8 + 2.5
               {"BackCentreGuide.y", g.BackCentreGuide.y, -12.4074f},
               {"U.x", g.U.x, -23.83648f},  // 0.4 of the way from A to a
               {"U0.x", g.U0.x, -11.83648f},
               {"a2.x", g.a2.x, 7.79152f},   // 0.44 W
               {"a1.x", g.a1.x, 29.98352f},  // a2.x + 19.4 + 1.292 + 1.5
               {"BellyAllowance", g.BellyAllowance, 1.2f},  // 0.4 (49 − 52.2 + 6.2)
               {"T31.y", g.T31.y, -49.606f},  // T.y − 2.31 − 0.6 + 0.4
               {"T32.x", g.T32.x, 31.18352f},
               {"B31.y", g.B31.y, -69.706f},
               {"H31.y", g.H31.y, -109.694f},
               {"G5.x", g.G5.x, 18.88752f},  // a1.x − 9.7 − 0.5 (1.292 + 1.5)
               {"G6.y", g.G6.y, -26.696f},   // T.y + 1.02 (47.2 − 27.8 + 0.6)
               {"G7.x", g.G7.x, 29.98352f},
               {"P6.y", g.P6.y, -18.8384f}},  // −22.04 lifted to 0.4 T.y
              1e-3f);
    EXPECT_EQ(g.FrontG2, g.G2);
    EXPECT_EQ(g.P8.x, g.a2.x);
    // The front turns about G6 by (52.2 − 51.1)/11.096 rad.
    EXPECT_NEAR(AngleAt(g.G6, g.G7, g.G8), 1.1 / 11.096, 1e-5);
    // P31 came out at −18.9, below the blade level, and was lifted to it.
    EXPECT_EQ(g.P31.y, g.Y.y);
    EXPECT_EQ(g.P3, g.P31);

    // The result table: |G G3|, |G G2|, |G2 G3|, |A01 H|.
    const std::vector<std::pair<float, const char*>> rows = {
        {g.SegGG3, "63.1"}, {g.SegGG2, "33.1"}, {g.SegG2G3, "30.0"}, {g.SegA01H, "108.4"}};
    for (const auto& r : rows) EXPECT_EQ(FormatFixed(r.first, 5, 1), r.second);
}

// The vest and the coats and blazers part in steps 2, 6 and 25 only; the
// blazers and the coats in step 6 only (the hem).  With the same constants
// the rest of the draft is the same to the bit.
TEST(MenPatternDraft, TheGarmentKindsDifferOnlyInTheirGridShares) {
    const MenPatternConstants constants = MenPatternConstantsOf(28);
    const auto draft = [&](TTestMenPattern& g, int type) {
        Put(g, kCoatSamples);
        g.SetConstants(constants);
        BodiceChoice choice;
        choice.modelIndex = type;
        g.Draft(choice);
    };
    TTestMenPattern coat, blazer, vest;
    draft(coat, 28);
    draft(blazer, 34);
    draft(vest, 36);

    const float W = coat.a2.x - coat.a.x;
    EXPECT_NEAR(coat.a.x, -0.56f * W, 1e-4f);
    EXPECT_NEAR(coat.G21.x, -0.06f * W, 1e-4f);
    EXPECT_NEAR(vest.a.x, -0.7f * W, 1e-4f);
    EXPECT_NEAR(vest.G21.x, -0.2f * W, 1e-4f);
    EXPECT_NEAR(vest.a2.x, 0.3f * W, 1e-4f);
    EXPECT_NEAR(blazer.H.y, -(0.5f * 176 - 11) * 1.015f, 1e-3f);
    EXPECT_NEAR(vest.H.y, vest.T.y - 0.25f * 45.2f, 1e-3f);

    // Everything above the hem is the blazer's as the coat's.
    for (const auto p : {&TMenPattern::A, &TMenPattern::A4, &TMenPattern::A5, &TMenPattern::G8, &TMenPattern::P1,
                         &TMenPattern::P3, &TMenPattern::D1, &TMenPattern::D2, &TMenPattern::P8, &TMenPattern::P10,
                         &TMenPattern::T32, &TMenPattern::B32, &TMenPattern::FrontArmholeCtrl3})
        EXPECT_EQ(coat.*p, blazer.*p);
    EXPECT_NE(coat.H.y, blazer.H.y);
    // The vest's armhole is split otherwise.
    EXPECT_NE(coat.a.x, vest.a.x);
    EXPECT_NE(coat.a2.x, vest.a2.x);
}

// Every compass and ruler step gives its point at the distances and angles
// the method asks, for the winter coat with a separate side part (every
// constant in play), without and with a sleeve and its shoulder pad.
TEST(MenPatternDraft, TheConstructionsKeepTheirDistancesAndAngles) {
    for (const bool withSleeve : {false, true}) {
        TTestMenPattern g;
        TTestSleeve sleeve;
        sleeve.ShoulderPad = 1.5f;
        BodiceChoice choice;
        if (withSleeve) {
            choice.sleeve = &sleeve;
            choice.sleeveKind = 13;
        }
        MenMeasures m = kCoatSamples;
        m.Pg = 9;
        DraftMen(g, m, 33, choice);
        const std::string context = withSleeve ? " (with sleeve)" : " (no sleeve)";
        const float neckHeight = 0.15f * m.Cw + g.BackNeckHeightEase;
        const float shoulder = m.Shp + g.ShoulderEase;
        const float pad = withSleeve ? 1.3f * sleeve.ShoulderPad : 0.0f;
        const float w = Geom::Distance(g.A01, g.A1) + 1;
        const float d = g.G7.x - g.G6.x;
        const Vector up(0, 1);
        ExpectAll({{"|A01 A1|", Geom::Distance(g.A01, g.A1), m.Cw / 3 + g.BackNeckWidthEase},
                   {"A01 → A1 square to the back centre",
                    Vector::Dot(Vector::UnitBetween(g.A01, g.A1), Vector::UnitBetween(g.A01, g.BackCentreGuide)), 0},
                   {"|A1 A2|", Geom::Distance(g.A1, g.A2), neckHeight},
                   {"A1 → A2 square to A01 → A1",
                    Vector::Dot(Vector::UnitBetween(g.A1, g.A2), Vector::UnitBetween(g.A01, g.A1)), 0},
                   {"|A1 A9|", Geom::Distance(g.A1, g.A9), 0.64f * neckHeight},
                   {"A9 on the corner's bisector", float(AngleAt(g.A1, g.A9, g.A2)), float(M_PI / 4)},
                   {"NeckCtrl1 on A01 → A1", OffLine(g.A01, g.A1, g.NeckCtrl1), 0},
                   {"the neck passes A9 square to A1 → A9",
                    Vector::Dot(Vector::UnitBetween(g.NeckCtrl1, g.NeckCtrl2), Vector::UnitBetween(g.A1, g.A9)), 0},
                   {"|T0 P|", Geom::Distance(g.T0, g.P), (m.Vpk + g.BackLengthEase + pad + 0.6f * m.h) * 1.015f},
                   {"|A2 P|", Geom::Distance(g.A2, g.P), shoulder * 1.03f},
                   {"|A2 P1| = |A2 P|", Geom::Distance(g.A2, g.P1), Geom::Distance(g.A2, g.P)},
                   {"P turned by the dart", float(AngleAt(g.A2, g.P, g.P1)),
                    g.ArmholeDartWidth * (g.a.x - g.U.x) / (12 * Geom::Distance(g.A2, g.P))},
                   {"P2 level with P", g.P2.y, g.P.y},
                   {"|U U01|", Geom::Distance(g.U, g.U01), 12},
                   {"|U U02|", Geom::Distance(g.U, g.U02), 12},
                   {"|U01 U02|: the dart's opening", Geom::Distance(g.U01, g.U02),
                    float(24 * std::sin(g.ArmholeDartWidth / 24.0))},
                   {"U0 on the bisector of the legs", float(AngleAt(g.U, g.U0, g.U01)),
                    float(AngleAt(g.U, g.U0, g.U02))},
                   {"|P6 P10|", Geom::Distance(g.P6, g.P10), g.P8.y - g.P6.y},
                   {"|A4 P10|", Geom::Distance(g.A4, g.P10), shoulder},
                   {"|P6 \"1\"|", Geom::Distance(g.P6, g.FrontArmhole1), 0.4f * Geom::Distance(g.P6, g.P10)},
                   {"\"1\" on P6 → P10", OffLine(g.P6, g.P10, g.FrontArmhole1), 0},
                   {"|\"1\" \"2\"|", Geom::Distance(g.FrontArmhole1, g.FrontArmhole2),
                    std::fabs(9.0f / 67 * (g.G4.x - g.P10.x))},
                   {"FrontArmholeCtrl3 on the front width line", g.FrontArmholeCtrl3.x, g.P6.x},
                   {"|G6 G8|", Geom::Distance(g.G6, g.G8), d},
                   {"|G6 A4|", Geom::Distance(g.G6, g.A4), 0.6f * m.h + 1.02f * (m.Vg + 0.5f * g.BackLengthEase)},
                   {"A4 → A3 along G6 → G8",
                    Vector::Cross(Vector::UnitBetween(g.A4, g.A3), Vector::UnitBetween(g.G6, g.G8)), 0},
                   {"|A4 A3|", Geom::Distance(g.A4, g.A3), w},
                   {"|A3 A5|", Geom::Distance(g.A3, g.A5), 0.45f * (m.Cw + g.FrontNeckDepthEase)},
                   {"A5 on A3 → G8", OffLine(g.A3, g.G8, g.A5), 0},
                   {"|FrontNeckCentre A4|", Geom::Distance(g.FrontNeckCentre, g.A4), Geom::Distance(g.A3, g.A5)},
                   {"|FrontNeckCentre A5|", Geom::Distance(g.FrontNeckCentre, g.A5), Geom::Distance(g.A3, g.A5)},
                   {"FrontG2.x", g.FrontG2.x, 4},
                   {"P8 bar", Geom::Distance(g.P8Bar[0], g.P8Bar[1]), 0.4f}},
                  1e-3f, context);
        // The compass picked the stated crossings: P right of T0 → A2, P10
        // left of P6 → A4, A4 above the bust point.
        EXPECT_LT(Geom::Side(g.T0, Vector::UnitBetween(g.T0, g.A2), g.P), 0) << context;
        EXPECT_GT(Geom::Side(g.P6, Vector::UnitBetween(g.P6, g.A4), g.P10), 0) << context;
        EXPECT_GT(g.A4.y, g.G6.y) << context;
        EXPECT_GT(Vector::Dot(Vector::UnitBetween(g.U, g.U01), up), 0) << context;
        // g21 straight above G21, to the search's 0.001 in t.
        EXPECT_NEAR(g.g21.x, g.G21.x, 0.01f) << context;
        EXPECT_GT(g.g21.y, g.G21.y) << context;
    }
}

// Every garment of the family, without a sleeve and with a set-in and a
// raglan sleeve: the upper front armhole ends within 0.1 cm of what the
// back leaves it, and the sleeves fit to the whole armhole less the dart.
TEST(MenPatternDraft, TheArmholeBalancesForEveryGarment) {
    TTestSleeve sleeve;
    sleeve.ShoulderPad = 1;
    for (const int type : kMenTypes)
        for (const int sleeveKind : {0, 13, 15}) {
            if (type == 36 && sleeveKind != 0) continue;
            TTestMenPattern g;
            BodiceChoice choice;
            if (sleeveKind != 0) {
                choice.sleeve = &sleeve;
                choice.sleeveKind = sleeveKind;
            }
            const MenMeasures& m = type == 36 ? kVestSamples : type >= 34 ? kBlazerSamples : kCoatSamples;
            DraftMen(g, m, type, choice);
            const std::string context = TypeText(type) + " sleeve " + std::to_string(sleeveKind);
            const float target = BackPart(g) - LowerFront(g) - g.DartArcLength;
            EXPECT_LT(std::fabs(UpperFront(g) - target), 0.1f) << context;
            EXPECT_NEAR(g.ArmholeArcLength,
                        Bezier2::ArcLength(g.BackArmholeJoin, g.BackArmholeCtrl3, g.G2, g.SideParam, 1), 1e-4f)
                << context;
            if (sleeveKind != 0) {
                EXPECT_NEAR(g.ArmholeLength, BackPart(g) + LowerFront(g) + UpperFront(g) - g.DartArcLength, 1e-3f)
                    << context;
                EXPECT_NEAR(g.ArmholeHeight, (g.P1.y + g.P10.y) / 2 - g.G.y, 1e-4f) << context;
                EXPECT_NEAR(g.ArmholeWidth, g.G4.x - g.G1.x - g.FrontShift, 1e-4f) << context;
            }
        }
}

// The blade dart: a width of 0.1 or less is no dart; a wider one cuts the
// armhole between where its legs meet it.  The samples lift P31 to the
// blade level, between the legs; a higher armhole leaves it inside them
// (P3 below it on the armhole), or above both.
TEST(MenPatternDraft, TheBladeDartCutsTheBackArmhole) {
    struct Case {
        float dartWidth, backWaist, armholeHeight;
        enum { None, Between, Above } where;
        bool lifted;
    } cases[] = {
        {0, 45.2f, 21.9f, Case::None, true},       {0.05f, 45.2f, 21.9f, Case::None, true},
        {0.1f, 45.2f, 21.9f, Case::None, true},    {1, 45.2f, 21.9f, Case::Between, true},
        {2, 45.2f, 21.9f, Case::Between, true},    {1, 45.2f, 16, Case::Between, false},
        {1, 50, 16, Case::Above, false},           {1, 65, 18, Case::Above, false},
        {0.1f, 50, 16, Case::None, false},
    };
    for (const Case& c : cases) {
        TTestMenPattern g;
        MenMeasures m = kCoatSamples;
        m.Dts = c.backWaist;
        m.Vprz = c.armholeHeight;
        Put(g, m);
        g.SetConstants(MenPatternConstantsOf(28));
        g.ArmholeDartWidth = c.dartWidth;
        BodiceChoice choice;
        choice.modelIndex = 28;
        g.Draft(choice);
        const std::string context = " width " + std::to_string(c.dartWidth) + " Дт.с " + std::to_string(c.backWaist) +
                                    " Впр.з " + std::to_string(c.armholeHeight);

        // The legs follow from the width whatever it is.
        EXPECT_NEAR(AngleAt(g.U, g.U0, g.U01), c.dartWidth / 24.0, 1e-5) << context;
        EXPECT_NEAR(g.U01.y - g.U.y, g.U.y - g.U02.y, 1e-5f) << context;
        EXPECT_EQ(c.lifted, g.P31.y == g.Y.y) << context;
        if (c.lifted) {
            EXPECT_EQ(g.P3, g.P31) << context;
        } else {
            //  P3: the blade level on the armhole below P31.
            EXPECT_NEAR(g.P3.y, g.U.y, 0.01f) << context;
            EXPECT_LT(g.P3.y, g.P31.y) << context;
        }
        if (c.where == Case::None) {
            EXPECT_EQ(g.D1, g.P3) << context;
            EXPECT_EQ(g.D2, g.P3) << context;
            EXPECT_EQ(g.DartArcLength, 0.0f) << context;
            continue;
        }
        // D1 and D2 on the upper and lower legs.
        EXPECT_NEAR(OffLine(g.U, g.U01, g.D1), 0, 0.01f) << context;
        EXPECT_NEAR(OffLine(g.U, g.U02, g.D2), 0, 0.01f) << context;
        EXPECT_GT(g.D1.y, g.D2.y) << context;
        // The cut is the armhole between them: from D1 down to P31 (when
        // P31 lies between the legs) and on to D2.
        float t1 = 0.5f, t2 = 0.5f;
        if (c.where == Case::Between) {
            EXPECT_GT(g.D1.y, g.P31.y) << context;
            EXPECT_LE(g.D2.y, g.P31.y) << context;
            Bezier2::CrossLine(g.U, Vector::UnitBetween(g.U, g.U01), g.P1, g.BackArmholeCtrl1, g.P31, t1);
            Bezier2::CrossLine(g.U, Vector::UnitBetween(g.U, g.U02), g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, t2);
            EXPECT_NEAR(g.DartArcLength,
                        Bezier2::ArcLength(g.P1, g.BackArmholeCtrl1, g.P31, t1, 1) +
                            Bezier2::ArcLength(g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, 0, t2),
                        1e-4f)
                << context;
        } else {
            EXPECT_LT(g.D1.y, g.P31.y) << context;
            Bezier2::CrossLine(g.U, Vector::UnitBetween(g.U, g.U01), g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, t1);
            Bezier2::CrossLine(g.U, Vector::UnitBetween(g.U, g.U02), g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, t2);
            EXPECT_NEAR(g.DartArcLength, Bezier2::ArcLength(g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, t1, t2),
                        1e-4f)
                << context;
        }
        // Roughly the opening across the armhole.
        EXPECT_GT(g.DartArcLength, Geom::Distance(g.D1, g.D2) - 1e-3f) << context;
    }

    // No width at all: the legs lie on U → U0 and P1 is P.
    TTestMenPattern g;
    Put(g, kCoatSamples);
    g.SetConstants(MenPatternConstantsOf(28));
    g.ArmholeDartWidth = 0;
    g.Draft(BodiceChoice{nullptr, false, 0, 0, 28});
    EXPECT_NEAR(Geom::Distance(g.U01, g.U0), 0, 1e-5f);
    EXPECT_NEAR(Geom::Distance(g.U02, g.U0), 0, 1e-5f);
    EXPECT_NEAR(Geom::Distance(g.P1, g.P), 0, 1e-5f);
}

// The clamps and limits of the front: no belly allowance for a waist of
// Сг2 − 6.2 or less, and the front edge straight down from T31; equal bust
// girths do not turn the front; P6 never below 0.4 T.y.
TEST(MenPatternDraft, TheFrontsLimits) {
    struct Case {
        float waist;
        float belly;  // 0.4 (Ст − 52.2 + 6.2), not below 0
        bool edgeTurns;
    } cases[] = {{40, 0, true}, {46, 0, true}, {49, 1.2f, true}, {55, 3.6f, false}, {65, 7.6f, false}};
    for (const Case& c : cases) {
        TTestMenPattern g;
        MenMeasures m = kCoatSamples;
        m.Ct = c.waist;
        DraftMen(g, m, 28);
        const std::string context = " Ст " + std::to_string(c.waist);
        EXPECT_NEAR(g.BellyAllowance, c.belly, 1e-5f) << context;
        EXPECT_NEAR(g.T32.x - g.T31.x, c.belly, 1e-5f) << context;
        EXPECT_EQ(g.B32.x, g.T32.x) << context;
        EXPECT_EQ(g.H32.x, g.T32.x) << context;
        if (c.belly == 0) {
            EXPECT_EQ(g.T32, g.T31) << context;
            EXPECT_EQ(g.B32, g.B31) << context;
            EXPECT_EQ(g.H32, g.H31) << context;
        }
        // The hip and hem drop with the waist.
        EXPECT_NEAR(g.B3.y - g.B31.y, g.T3.y - g.T31.y, 1e-4f) << context;
        EXPECT_NEAR(g.H3.y - g.H31.y, g.T3.y - g.T31.y, 1e-4f) << context;
        // A large belly pushes the waist out past the neck's line: the
        // edge then no longer turns left at the bust.
        EXPECT_EQ(g.FrontEdgeTurn, c.edgeTurns) << context;
    }

    TTestMenPattern even;
    MenMeasures m = kCoatSamples;
    m.Cg1 = m.Cg2;
    DraftMen(even, m, 28);
    EXPECT_NEAR(Geom::Distance(even.G8, even.G7), 0, 1e-5f);

    // A wide armhole (narrow back and chest) keeps P6 where the formula
    // puts it, 1.2 + 0.6 of the front's armhole width above the chest line.
    m = kCoatSamples;
    m.Shs = 12;
    m.Shg = 12;
    TTestMenPattern wide;
    DraftMen(wide, m, 29);
    const float free = wide.G4.y + 1.2f + 0.6f * (wide.G4.x - wide.FrontG2.x);
    ASSERT_GT(free, 0.4f * wide.T.y);
    EXPECT_NEAR(wide.P6.y, free, 1e-4f);
}

// What the collar and sleeve kinds make the draft write, and what it leaves
// as it was without them.
TEST(MenPatternDraft, TheCollarAndSleeveDataFollowTheKinds) {
    const Vector mark(-777, 777);
    const auto draft = [&](TTestMenPattern& g, int collarKind, const TSleeve* sleeve, int sleeveKind) {
        g.NeckLength = g.LowNeckExcess = g.ArmholeLength = g.ArmholeHeight = 777;
        g.LowNeck1 = g.LowNeck3 = mark;
        for (Vector* group : {g.SleeveNotch1, g.SleeveNotch2, g.RaglanNotches})
            for (int i = 0; i < 4; ++i) group[i] = mark;
        BodiceChoice choice;
        choice.hasCollar = collarKind != 0;
        choice.collarKind = collarKind;
        choice.sleeve = sleeve;
        choice.sleeveKind = sleeveKind;
        DraftMen(g, kCoatSamples, 28, choice);
    };
    TTestSleeve sleeve;
    sleeve.ShoulderPad = 1;

    // Neither: nothing of theirs is touched.
    TTestMenPattern bare;
    draft(bare, 0, nullptr, 0);
    EXPECT_EQ(bare.NeckLength, 777);
    EXPECT_EQ(bare.LowNeckExcess, 777);
    EXPECT_EQ(bare.LowNeck1, mark);
    EXPECT_EQ(bare.ArmholeLength, 777);
    EXPECT_EQ(bare.ArmholeHeight, 777);
    EXPECT_EQ(bare.SleeveNotch1[1], mark);
    EXPECT_EQ(bare.RaglanNotches[0], mark);

    // The stand collar: the neck's length only.
    TTestMenPattern stand;
    draft(stand, 1, nullptr, 0);
    EXPECT_NEAR(stand.NeckLength,
                Bezier2::ArcLength(stand.A01, stand.NeckCtrl1, stand.A9, 0, 1) +
                    Bezier2::ArcLength(stand.A9, stand.NeckCtrl2, stand.A2, 0, 1),
                1e-4f);
    EXPECT_EQ(stand.LowNeck1, mark);
    EXPECT_EQ(stand.LowNeckExcess, 777);

    // The jacket and shawl collars: the neckline 1 cm lower, ending on the
    // back shoulder line.
    for (const int kind : {7, 8}) {
        TTestMenPattern g;
        draft(g, kind, nullptr, 0);
        const std::string context = " collar " + std::to_string(kind);
        EXPECT_NEAR(Geom::Distance(g.A01, g.LowNeck1), 1, 1e-5f) << context;
        EXPECT_NEAR(OffLine(g.A01, g.BackCentreGuide, g.LowNeck1), 0, 1e-4f) << context;  // down the back centre
        EXPECT_LT(g.LowNeck1.y, g.A01.y) << context;
        //  LowNeck2 and its control lie on the neck's tangent at A9.
        EXPECT_NEAR(Geom::Distance(g.A9, g.LowNeck2), 1, 1e-5f) << context;
        EXPECT_NEAR(OffLine(g.A9, g.NeckCtrl2, g.LowNeck2), 0, 1e-4f) << context;
        EXPECT_NEAR(OffLine(g.A9, g.NeckCtrl2, g.LowNeckCtrl2), 0, 1e-4f) << context;
        EXPECT_NEAR(OffLine(g.LowNeck1, g.LowNeck1 + Vector::UnitBetween(g.A01, g.A1), g.LowNeckCtrl1), 0, 1e-4f)
            << context;
        EXPECT_NEAR(OffLine(g.A2, g.P1, g.LowNeck3), 0, 1e-3f) << context;
        EXPECT_NEAR(g.LowNeckExcess,
                    Bezier2::ArcLength(g.LowNeck1, g.LowNeckCtrl1, g.LowNeck2, 0, 1) +
                        Bezier2::ArcLength(g.LowNeck2, g.LowNeckCtrl2, g.LowNeck3, 0, 1) - g.NeckLength,
                    1e-4f)
            << context;
    }

    // The set-in sleeves: the back notch at P31 and the front one at P6; the
    // side-part point (entry 0) is not the draft's.
    for (const int kind : {12, 13, 14}) {
        TTestMenPattern g;
        draft(g, 0, &sleeve, kind);
        const std::string context = " sleeve " + std::to_string(kind);
        const Vector b = g.P31, f = g.P6;
        const std::vector<std::pair<Vector, Vector>> points = {
            {g.SleeveNotch1[1], Vector(b.x - 0.6f, b.y - 0.2f)}, {g.SleeveNotch1[2], Vector(b.x - 0.6f, b.y)},
            {g.SleeveNotch1[3], Vector(b.x - 0.6f, b.y + 0.2f)}, {g.SleeveNotch2[1], Vector(f.x + 0.6f, f.y)},
            {g.SleeveNotch2[2], Vector(f.x + 0.6f, f.y + 0.2f)}, {g.SleeveNotch2[3], Vector(f.x + 0.6f, f.y - 0.2f)}};
        for (const auto& p : points) {
            EXPECT_NEAR(p.first.x, p.second.x, 1e-5f) << context;
            EXPECT_NEAR(p.first.y, p.second.y, 1e-5f) << context;
        }
        EXPECT_EQ(g.SplitPoint, mark) << context;
        EXPECT_EQ(g.SleeveNotch2[0], mark) << context;
        EXPECT_EQ(g.RaglanNotches[0], mark) << context;
        EXPECT_NE(g.ArmholeLength, 777) << context;
    }
    // The raglan sleeves: the two short bars only.
    for (const int kind : {15, 16}) {
        TTestMenPattern g;
        draft(g, 0, &sleeve, kind);
        const std::string context = " sleeve " + std::to_string(kind);
        EXPECT_EQ(g.SleeveNotch1[1], mark) << context;
        EXPECT_NEAR(g.RaglanNotches[0].x, g.P31.x - 0.2f, 1e-5f) << context;
        EXPECT_NEAR(g.RaglanNotches[1].x, g.P31.x + 0.2f, 1e-5f) << context;
        EXPECT_NEAR(g.RaglanNotches[2].x, g.P6.x - 0.2f, 1e-5f) << context;
        EXPECT_NEAR(g.RaglanNotches[3].x, g.P6.x + 0.2f, 1e-5f) << context;
        EXPECT_EQ(g.RaglanNotches[2].y, g.P6.y) << context;
    }
    // The split point is the first back notch point, shared.
    TTestMenPattern g;
    g.SleeveNotch1[0] = Vector(1, 2);
    EXPECT_EQ(g.SplitPoint, Vector(1, 2));
    g.SplitPoint = Vector(3, 4);
    EXPECT_EQ(g.SleeveNotch1[0], Vector(3, 4));
}

// Measurements the draft cannot serve end in the armhole failure, a
// balance that runs away or the float error, and leave no non-finite point
// behind.
TEST(MenPatternDraft, MeasurementsThatCannotBeDraftedFail) {
    using F = DraftFailure;
    struct Case {
        const char* what;
        MenMeasures m;
        DraftFailure failure;
    } cases[] = {
        // The upper front armhole swings around its length for ever.
        {"swinging front shoulder",
         {245.6f, 18.4f, 49.2f, 60.6f, 46.3f, 27.3f, 16.8f, 35.9f, 23, 12.1f, 28.8f, 65, 54.6f, 23.6f, 11.4f, 8,
          7, 7, 7, 0.07f, 0.4f},
         F::Armhole},
        // The back leaves the upper front less than it can ever be: the
        // mismatch grows with every correction until the floats overflow,
        // the balance ran away.
        {"growing mismatch",
         {101.4f, 15.1f, 65.4f, 42.8f, 46, 78.9f, 34, 45.1f, 28.7f, 7.8f, 22.7f, 34.5f, 48.4f, 11.8f, 8.8f, 7.4f, 7,
          7, 7, 0.07f, 0.4f},
         F::ArmholeRunAway},
        // The bust point lies farther from the neck's line than the bust
        // height reaches, on either side.
        {"neck point beyond the bust height",
         {176, 20.7f, 51.1f, 52.2f, 49, 53.4f, 10, 47.2f, 19.4f, 40, 21.9f, 45.2f, 48.3f, 20.1f, 15.4f, 8, 7, 7, 7,
          0.07f, 0.4f},
         F::Fault},
        {"neck point behind the bust height",
         {176, 20.7f, 51.1f, 52.2f, 49, 53.4f, 2, 47.2f, 19.4f, -6, 21.9f, 45.2f, 48.3f, 20.1f, 15.4f, 8, 7, 7, 7,
          0.07f, 0.4f},
         F::Fault},
    };
    for (const Case& c : cases) {
        TTestMenPattern g;
        TTestSleeve sleeve;
        sleeve.ShoulderPad = 1;
        BodiceChoice choice;
        choice.sleeve = &sleeve;
        choice.sleeveKind = 13;
        ExpectDraftFails(c.failure, [&] { DraftMen(g, c.m, 28, choice); }, c.what);
        EXPECT_FALSE(g.calculated) << c.what;
        for (const Vector& p : {g.P8, g.P10, g.FrontArmhole1, g.FrontArmhole2, g.FrontArmholeCtrl3,
                                g.FrontArmholeCtrl4, g.A4, g.G8, g.P})
            EXPECT_TRUE(Finite(p)) << c.what;
        EXPECT_TRUE(std::isfinite(g.ArmholeLength)) << c.what;
    }
}

// A run keeps nothing from the one before: drafting a garment again after
// another gives the same points.
TEST(MenPatternDraft, ADraftDependsOnlyOnItsInputs) {
    TTestMenPattern fresh, reused;
    DraftMen(fresh, kCoatSamples, 29);
    DraftMen(reused, kVestSamples, 36);
    DraftMen(reused, kCoatSamples, 33);
    DraftMen(reused, kCoatSamples, 29);
    for (const auto p : {&TMenPattern::P8, &TMenPattern::P10, &TMenPattern::D1, &TMenPattern::D2, &TMenPattern::A4,
                         &TMenPattern::g21, &TMenPattern::FrontArmholeCtrl3, &TMenPattern::T32})
        EXPECT_EQ(fresh.*p, reused.*p);
    EXPECT_EQ(fresh.DartArcLength, reused.DartArcLength);
    EXPECT_EQ(fresh.SideParam, reused.SideParam);
}

}  // namespace
