// The garment steps of the men's coats and blazers drafted without the
// windows: the side-seam coat's pocket fan, the side-part point, the front
// dart's rule, the overlap and hem levels, and the separate side part's
// seam-length matching.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>
#include <string>

#include "garments/coats_men/MenCoatWSideSeam.h"
#include "garments/coats_men/MenSeparateSide.h"
#include "garments/coats_men/MenJoinedSide.h"
#include "garments/coats_men/Vest.h"
#include "tests/DraftExpect.h"
#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

constexpr float kTol = 1e-3f;

template <class Garment>
void Draft(Garment& g, const MenMeasures& m) {
    Put(g, m);
    g.Calculate();
    ASSERT_TRUE(g.calculated);
}

// Every line of the pocket fan is (Сг2 − 48)/5 + 16 long; the slanted ones
// start on the quarter ellipse about K0 through K1 and up to FanP4's height.
TEST(MenCoatWSideSeamDraft, PocketFanLinesAndTheirStarts) {
    for (float cg2 : {48.0f, 52.2f, 56.0f}) {
        MenMeasures m = kCoatSamples;
        m.Cg2 = cg2;
        for (int type : {28, 31}) {
            TMenCoatWSideSeam g(type);
            Draft(g, m);
            const std::string context = std::to_string(type) + " Сг2 " + std::to_string(cg2);
            const float lp = (cg2 - 48) * 0.2f + 16;
            EXPECT_NEAR(Geom::Distance(g.K1, g.K2), lp, kTol) << context;
            EXPECT_NEAR(Geom::Distance(g.FanP4, g.FanE4), lp, kTol) << context;
            EXPECT_FLOAT_EQ(g.FanP4.x, g.FanE4.x) << context;
            const Vector d2 = Vector::UnitBetween(g.T2, g.T51);
            const Vector e = Vector::UnitBetween(g.K0, g.FanP4);
            const float r = Geom::Distance(g.K1, g.K0), a = lp / 3;
            for (const auto& [p, q] : {std::pair{g.FanP1, g.FanE1}, {g.FanP2, g.FanE2}, {g.FanP3, g.FanE3}}) {
                EXPECT_NEAR(Geom::Distance(p, q), lp, kTol) << context;
                // p − K0 in the (oblique) frame of d2 and e.
                const Vector w = p - g.K0;
                const float det = Vector::Cross(d2, e);
                const float u = Vector::Cross(w, e) / det / r, v = Vector::Cross(d2, w) / det / a;
                EXPECT_NEAR(u * u + v * v, 1.0f, 1e-3f) << context;
            }
            // The fan's lines aim at the quarters of K → K0.
            EXPECT_LT(OffLine(g.FanP2, g.FanE2, g.FanQ2), kTol) << context;
            // The front hem's control is as far from B31 as from B5.
            EXPECT_NEAR(Geom::Distance(g.HemCtrl, g.B31), Geom::Distance(g.HemCtrl, g.B5), kTol) << context;
            // The overlap: 3 cm beyond T32, down to the hip line.
            EXPECT_EQ(g.EdgeHem, Vector(g.T32.x + 3, g.B32.y)) << context;
        }
    }
}

// The side seams take the waist shaping w either side of T2 and cross below
// the waist with the hem flare f.
TEST(MenCoatWSideSeamDraft, SideSeamsShareTheShapingAndTheFlare) {
    TMenCoatWSideSeam g(28);
    Draft(g, kCoatSamples);
    const double w = (double(g.BustHalfGirth2) + g.BustEase - g.WaistHalfGirth - g.WaistEase + g.T.x - g.T0.x +
                      g.BellyAllowance) * 0.5;
    const double f =
        (double(g.HipHalfGirth) + g.HipEase + g.BustWidthEase + 1.5 * g.InterliningEase - g.T32.x + g.T0.x) * 0.5;
    EXPECT_NEAR(g.T22.x - g.T2.x, w, kTol);
    EXPECT_NEAR(g.T2.x - g.T21.x, w, kTol);
    EXPECT_NEAR(g.B4.x - g.B2.x, f, kTol);
    EXPECT_NEAR(g.B2.x - g.B5.x, f, kTol);
}

// The side part leaves the armhole straight above the point 0.68 of the way
// from FrontG2 to G4, on the arc it falls on.
TEST(MenSidePartDraft, SplitPointAboveItsFootOnTheArmhole) {
    TMenCoatWOnePiece coat(29);
    TMenBlazerWOnePiece blazer;
    TMenCoatWCutOffPiece apart(30);
    TMenSidePart* cases[] = {&coat, &blazer, &apart};
    for (TMenSidePart* g : cases) {
        Draft(*g, g->IsBlazer() ? kBlazerSamples : kCoatSamples);
        // Within the armhole crossing's own bisection.
        EXPECT_NEAR(g->SplitPoint.x, g->FrontG2.x + 0.68f * (g->G4.x - g->FrontG2.x), 5e-3f);
        const Vector on = g->SplitArc == 2
                              ? Bezier2::Point(g->FrontArmholeJoin, g->FrontArmholeCtrl2, g->P6, g->SplitParam)
                              : Bezier2::Point(g->FrontG2, g->FrontArmholeCtrl1, g->FrontArmholeJoin, g->SplitParam);
        EXPECT_NEAR(Geom::Distance(on, g->SplitPoint), 0.0f, 1e-2f);
        EXPECT_EQ(g->SplitArc, g->FrontArmholeJoin.x < g->SplitPoint.x ? 2 : 1);
        // The separate side part lifts the front's point afterwards, not the
        // side part's copy.
        EXPECT_EQ(g->SplitBack.x, g->SplitPoint.x - g->FrontShift);
    }
}

// The front dart of the one-piece garments: only without a belly allowance
// and above 3.5 cm of waist suppression; the back seam takes the rest, half
// either side of T1.
TEST(MenSidePartDraft, FrontDartOnlyForAFlatFrontAndEnoughSuppression) {
    struct Case {
        float waist;
    } cases[] = {{40}, {44}, {46}, {47.5f}, {49}, {50}};
    for (const Case& c : cases) {
        MenMeasures m = kCoatSamples;
        m.Ct = c.waist;
        TMenCoatWOnePiece g(32);
        Draft(g, m);
        const std::string context = "Ст " + std::to_string(c.waist);
        const float ws = g.WaistSuppression;
        const bool dart = g.BellyAllowance <= 0 && ws > 3.5f;
        EXPECT_EQ(g.HasFrontDart, dart) << context;
        EXPECT_NEAR(g.SeamSuppression, dart ? (ws - 1.5f) / 2 : ws / 2, kTol) << context;
        EXPECT_NEAR(g.T8.x - g.T1.x, g.SeamSuppression, kTol) << context;
        EXPECT_NEAR(g.T1.x - g.T11.x, g.SeamSuppression, kTol) << context;
        if (dart) {
            EXPECT_NEAR(Geom::Distance(g.T5, g.T52), 1.5f, kTol) << context;
            EXPECT_LT(OffLine(g.G61, g.DartMid, g.DartEnd), kTol) << context;
            EXPECT_LT(OffLine(g.K1, g.K2, g.DartEnd), kTol) << context;
        }
    }
    // A waist above Сг2 − 6.2 has a belly allowance: no dart however much is
    // taken in.
    MenMeasures belly = kCoatSamples;
    belly.Ct = 50;
    belly.Pg = 20;
    TMenCoatWOnePiece g(29);
    Draft(g, belly);
    EXPECT_GT(g.BellyAllowance, 0.0f);
    EXPECT_GT(g.WaistSuppression, 3.5f);
    EXPECT_FALSE(g.HasFrontDart);
}

// The coats end at the hip line, the blazers at the hem line with a breast
// pocket.
TEST(MenSidePartDraft, CoatsEndAtTheHipBlazersAtTheHem) {
    TMenCoatWOnePiece coat(29);
    TMenBlazerWOnePiece blazer;
    TMenCoatWCutOffPiece coatApart(33);
    TMenBlazerWCutOffPiece blazerApart;
    Draft(coat, kCoatSamples);
    Draft(blazer, kBlazerSamples);
    Draft(coatApart, kCoatSamples);
    Draft(blazerApart, kBlazerSamples);
    EXPECT_EQ(coat.EdgeHem, Vector(coat.T32.x + 3, coat.B32.y));
    EXPECT_EQ(coatApart.EdgeHem, Vector(coatApart.T32.x + 3, coatApart.B32.y));
    EXPECT_EQ(blazer.EdgeHem, Vector(blazer.T32.x + 3, blazer.H32.y));
    EXPECT_EQ(blazerApart.EdgeHem, Vector(blazerApart.T32.x + 3, blazerApart.H32.y));
    EXPECT_EQ(blazer.H5, Vector(blazer.B5.x, blazer.H.y));
    for (const TMenPattern* g : {static_cast<TMenPattern*>(&blazer), static_cast<TMenPattern*>(&blazerApart)}) {
        const Vector p1 = g == &blazer ? blazer.BreastPocket1 : blazerApart.BreastPocket1;
        const Vector p4 = g == &blazer ? blazer.BreastPocket4 : blazerApart.BreastPocket4;
        EXPECT_NEAR(p1.x, g->G4.x + 4, kTol);
        EXPECT_NEAR(p1.y, g->P6.y - 0.1f, kTol);
        EXPECT_NEAR(p4.x - p1.x, 11, kTol);
        EXPECT_NEAR(p1.y - p4.y, 3.5f, kTol);
    }
    // The blazer's hem at the hem line H = −(Р/2 − 11)·1.015.
    EXPECT_NEAR(blazer.H.y, -(176 / 2.0f - 11) * 1.015f, kTol);
}

// After the matching the front's seam below the pocket is as long as the
// side part's back edge less the front's edge above the pocket, within
// 0.04 cm, for a flat front and with a belly allowance.
TEST(MenWCutOffPieceDraft, SeamLengthsMatchAndABellyLowersTheFront) {
    struct Case {
        int type;
        float waist;
    } cases[] = {{30, 49}, {33, 49}, {35, 49}, {30, 52}, {35, 54}, {33, 44}};
    for (const Case& c : cases) {
        MenMeasures m = c.type == 35 ? kBlazerSamples : kCoatSamples;
        m.Ct = c.waist;
        std::unique_ptr<TMenWCutOffPiece> g;
        if (c.type == 35)
            g = std::make_unique<TMenBlazerWCutOffPiece>();
        else
            g = std::make_unique<TMenCoatWCutOffPiece>(c.type);
        Draft(*g, m);
        const std::string context = std::to_string(c.type) + " Ст " + std::to_string(c.waist);
        EXPECT_LE(std::fabs(g->LowerFrontEdgeLength() - (g->SideBackEdgeLength() - g->UpperFrontEdgeLength())),
                  TMenWCutOffPiece::kMatchTolerance + 1e-4f)
            << context;
        EXPECT_LE(g->MatchingPasses, TMenWCutOffPiece::kMaxMatchingPasses) << context;
        EXPECT_NEAR(g->KSide.y - g->K4.y, g->BellyAllowance, kTol) << context;
        EXPECT_EQ(g->K4.x, g->KSide.x) << context;
        // The pocket crosses the side part: from K1 back its length plus the
        // side part's width at the pocket.
        EXPECT_NEAR(g->K1.x - g->K2.x, g->PocketLength + (g->KSide.x - g->KSideBack.x), kTol) << context;
    }
}

// The upper front rises by the lift of K3: FrontG2 and its control only when
// the side part leaves the first armhole arc.
TEST(MenWCutOffPieceDraft, TheUpperFrontRisesWithTheClosedDart) {
    TMenCoatWCutOffPiece g(30);
    Draft(g, kCoatSamples);
    TTestMenPattern bare;
    DraftMen(bare, kCoatSamples, 30);
    const float lift = g.K3.y - g.KSide.y;
    EXPECT_NEAR(g.P10.y - bare.P10.y, lift, kTol);
    EXPECT_NEAR(g.P6.y - bare.P6.y, lift, kTol);
    EXPECT_EQ(g.P10.x, bare.P10.x);
    EXPECT_NEAR(g.FrontG2.y - bare.FrontG2.y, g.SplitArc == 1 ? lift : 0.0f, kTol);
    EXPECT_NEAR(g.FrontArmholeCtrl1.y - bare.FrontArmholeCtrl1.y, g.SplitArc == 1 ? lift : 0.0f, kTol);
    // The back is not touched.
    EXPECT_EQ(g.P1, bare.P1);
    EXPECT_EQ(g.G2, bare.G2);
}

}  // namespace

namespace {

// The vest's suppression: 20 % front dart, 30 % side, 50 % back dart; a
// share under 1 cm goes to the others (the front dart's half each to the
// side and the back, the side's to the back), and a back share under 1 cm
// leaves the back without a dart.
TEST(VestDraft, SharesOfTheWaistSuppression) {
    // Waists from a slim to a stout figure: the suppression falls by 0.6 cm
    // for each centimetre (the belly allowance takes 0.4 of it back).
    struct Case {
        float waist;
    };
    std::vector<Case> cases;
    for (float waist = 40; waist <= 72; waist += 1.5f) cases.push_back({waist});
    bool sawEach[3] = {};
    for (const Case& c : cases) {
        MenMeasures m = kVestSamples;
        m.Ct = c.waist;
        TVest g;
        Draft(g, m);
        const std::string context = "Ст " + std::to_string(c.waist);
        const float ws = g.WaistSuppression;
        float front = 0.2f * ws, side = 0.3f * ws, back = 0.5f * ws;
        const bool dart = front >= 1;
        if (!dart) {
            side += front / 2;
            back += front / 2;
        }
        const bool shaping = side >= 1;
        if (!shaping) back += side;
        EXPECT_EQ(g.HasFrontDart, dart) << context;
        EXPECT_EQ(g.HasSideShaping, shaping) << context;
        EXPECT_EQ(g.HasBackDart, back >= 1) << context;
        sawEach[0] |= !dart;
        sawEach[1] |= !shaping;
        sawEach[2] |= back < 1;
        if (shaping) {
            EXPECT_NEAR(g.T22.x - g.T21.x, side, 1e-3f) << context;
        }
        if (g.HasBackDart) {
            EXPECT_NEAR(g.T12.x - g.T11.x, back, 1e-3f) << context;
        } else {
            // A straight line B1 → G1 and the belt's ends on it.
            EXPECT_EQ(g.BeltDartTop, Vector(g.T1.x, g.T.y + 1.5f)) << context;
        }
        if (dart) {
            EXPECT_NEAR(Geom::Distance(g.T51, g.T52), front, 1e-3f) << context;
        }
    }
    EXPECT_TRUE(sawEach[0] && sawEach[1] && sawEach[2]) << "the table reaches every case";
}

// A belly allowance above 0.1 turns the lower front about K1: the pocket's
// end moves by the allowance, and the side hem point keeps its distances
// from the front point and from V.
TEST(VestDraft, AStoutFigureOpensTheLowerFront) {
    for (float waist : {49.0f, 56.0f}) {
        MenMeasures m = kVestSamples;
        m.Ct = waist;
        TVest g;
        Draft(g, m);
        const std::string context = "Ст " + std::to_string(waist);
        if (g.BellyAllowance < 0.1f) {
            EXPECT_EQ(g.PocketLineOpened, g.PocketLineEnd) << context;
            EXPECT_NEAR(Geom::Distance(g.V, g.V1), 0.0f, 1e-3f) << context;
        } else {
            EXPECT_NEAR(Geom::Distance(g.PocketLineOpened, g.PocketLineEnd), g.BellyAllowance, 1e-3f) << context;
            EXPECT_GT(Geom::Distance(g.V, g.V1), 0.1f) << context;
        }
        EXPECT_NEAR(Geom::Distance(g.H5, g.H6), Geom::Distance(g.H5, g.SideHemCross), 1e-3f) << context;
        EXPECT_NEAR(Geom::Distance(g.V1, g.H6), Geom::Distance(g.V, g.SideHemCross), 1e-3f) << context;
        // The breast pocket is PocketWidth wide and rises 1 cm.
        EXPECT_NEAR(Geom::Distance(g.K3, g.K4), 0.18f * g.BustHalfGirth2, 1e-3f) << context;
        EXPECT_NEAR(g.K3.y - g.K4.y, -1.0f, 1e-4f) << context;
        // The front point 5.5 cm below H32 and 3 cm inside it.
        EXPECT_EQ(g.H5, g.H32 - Vector(3, 5.5f)) << context;
    }
}

// Closed: a 2.5 cm overlap with the first buttonhole 3 cm below A5; open
// without a collar: a V neckline down to L on the overlap.
TEST(VestDraft, ClosedAndOpenNecklines) {
    TVest closed;
    Draft(closed, kVestSamples);
    EXPECT_NEAR(Geom::Distance(closed.A5, closed.A51), 2.5f, 1e-3f);
    EXPECT_NEAR(Geom::Distance(closed.A5, closed.L), 3.0f, 1e-3f);
    EXPECT_NEAR(Geom::Distance(closed.TopButtonholeStart, closed.TopButtonholeEnd), 2.4f, 1e-3f);
    EXPECT_NEAR(Geom::Distance(closed.T32, closed.T33), 2.5f, 1e-3f);
    EXPECT_LT(OffLine(closed.H5, closed.H32, closed.EdgeHem), 1e-3f);

    TVest open;
    open.Neckline = 1;
    Draft(open, kVestSamples);
    EXPECT_LT(OffLine(open.EdgeG7, open.EdgeT32, open.L), 1e-3f);
    EXPECT_NEAR(open.L.y, open.G3.y - 2 + (open.L.x - open.G3.x) * (open.G3.y - open.FrontG2.y) /
                                              (open.G3.x - open.FrontG2.x),
                1e-3f);
    EXPECT_EQ(open.TopButtonholeStart, open.L - Vector(1.7f, 0));
    EXPECT_LT(OffLine(open.H5, open.H32, open.L1), 1e-3f);
}

}  // namespace
