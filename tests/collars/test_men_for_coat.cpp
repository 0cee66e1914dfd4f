// The men's jacket collar drafted on every garment of the men's outerwear
// family: its sizes by garment type, the default break point, the lengths
// its searches match, the stand and fall pieces, the front edge and the box
// on sheet 1; its two handles and their limits; the order file and print.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QStandardItemModel>
#include <cmath>
#include <limits>
#include <memory>

#include "garments/coats_men/Vest.h"
#include "kernel/Bezier.h"
#include "shell/BaseCatalog.h"
#include "shell/Factory.h"
#include "shell/NewPrForm.h"
#include "shell/ReporForm.h"
#include "kernel/PrintTiling.h"
#include "tests/StubGarments.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/collars/MenForCoatFixture.h"
#include "shell/OrderFile.h"

namespace {

float Arc(const Vector& a, const Vector& b, const Vector& c) { return Bezier2::ArcLength(a, b, c, 0, 1); }
float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }

constexpr int kFamily[] = {28, 29, 30, 31, 32, 33, 34, 35, 36};

TEST_F(MenForCoatTest, SizesAndTheDefaultBreakPointByGarmentType) {
    struct Case {
        int type;
        float s1, s2;
    } cases[] = {{28, 3.5f, 3}, {29, 3.5f, 3}, {30, 3.5f, 3}, {31, 4, 3}, {32, 4, 3},
                 {33, 4, 3},    {34, 2.5f, 2}, {35, 2.5f, 2}, {36, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        TMenPattern& g = Calculated(c.type);
        ASSERT_TRUE(g.calculated);
        const TMenForCoat& k = Collar();
        EXPECT_EQ(k.StandHeight, c.s1);
        EXPECT_EQ(k.Extension, c.s2);
        EXPECT_FLOAT_EQ(k.FallWidth, c.s1 + 1.5f);
        EXPECT_NEAR(k.EndWidth, (c.s1 + 1.5f) * 0.888f, 1e-5);
        // The break point 1 cm below the top of the front edge, s2 off the
        // centre line: "L0 :" shows s2.  Handle 1 sits on the garment's A5.
        EXPECT_NEAR(Dist(k.EdgeTop, k.BreakPoint), 1.0f, 1e-4);
        EXPECT_LT(k.BreakPoint.y, k.EdgeTop.y);
        EXPECT_NEAR(k.ExtensionAtBreak, c.s2, 1e-3);
        EXPECT_GT(k.BreakPoint.x, k.L.x);
        EXPECT_EQ(k.A5, g.A5);
        EXPECT_EQ(k.BreakZone, 3);
        // Each handle box around its point.
        for (const DragHandle* h : {&k.Gorge, &k.Break}) EXPECT_TRUE(h->Contains(h->Point.x, h->Point.y));
    }
}

// The lengths the searches match, within their 0.1 cm, and the separate
// pieces where they belong.
TEST_F(MenForCoatTest, TheNeckEdgesStandAndFallMatchTheirLengths) {
    for (int type : kFamily) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        ASSERT_TRUE(g.calculated);
        const TMenForCoat& k = Collar();
        const float s1 = k.StandHeight;
        const float target = Dist(g.A4, k.A6) + g.NeckLength;
        EXPECT_NEAR(Arc(k.C2, k.NeckCtrl, k.A6), target, 0.1);
        EXPECT_NEAR(Arc(k.StandC2, k.StandNeckCtrl, k.StandA6), target, 0.1);
        // The stand: s1 high at its back edge, on the vertical through A01
        // from 5 cm above it; its front end s1 from the top edge's end.
        EXPECT_EQ(k.StandC2, Vector(g.A01.x, g.A01.y + 5));
        EXPECT_FLOAT_EQ(k.StandC3.y - k.StandC2.y, s1);
        EXPECT_EQ(k.StandC3.x, g.A01.x);
        EXPECT_NEAR(Dist(k.StandA6, k.StandF2), s1, 1e-3);
        // The fall: its roll line as long as the stand's top edge, its outer
        // edge as long as on the front.
        EXPECT_NEAR(Arc(k.PieceC3, k.PieceFoldCtrl, k.PieceF2), k.StandF2.x - k.StandC2.x, 0.1);
        const float front = Arc(k.C4, k.OuterCtrl1, k.OuterMid) + Arc(k.OuterMid, k.OuterCtrl2, k.EndPoint);
        const float piece = Arc(k.PieceBackOuter, k.PieceOuterCtrl1, k.PieceOuterMid) +
                            Arc(k.PieceOuterMid, k.PieceOuterCtrl2, k.PieceEndPoint);
        EXPECT_NEAR(piece, front, 0.1);
        EXPECT_NEAR(Dist(k.PieceEndPoint, k.PieceA5), k.EndWidth, 1e-3);
        // The cutting line 0.5 cm outside the outer edge, 0.6 cm beyond its
        // front end.
        EXPECT_NEAR(Dist(k.PieceBackOuter, k.PieceC4), 0.5f, 1e-4);
        EXPECT_NEAR(Dist(k.PieceOuterMid, k.SeamMid), 0.5f, 1e-4);
        EXPECT_NEAR(Dist(k.PieceEndPoint, k.SeamEnd), std::sqrt(0.5f * 0.5f + 0.6f * 0.6f), 1e-4);
        // The roll line touches the circle of s1 - 0.5 around A4 at C.
        EXPECT_NEAR(Dist(k.C, g.A4), s1 - 0.5f, 1e-3);
        EXPECT_NEAR(Vector::Dot(Vector::UnitBetween(k.C, k.EdgeTop), k.C - g.A4), 0, 1e-3);
        // The lapel folded back lies across the roll line from the lapel.
        EXPECT_NEAR(Dist(k.FoldedA5, k.C), Dist(k.A5, k.C), 1e-3);
        // The extent box: the stand's back edge on the left, the fall on top.
        EXPECT_EQ(k.BoxLeft, k.StandC2.x);
        EXPECT_EQ(k.BoxTop, std::max(k.PieceC4.y, k.SeamEnd.y));
        EXPECT_GE(k.BoxRight, k.LapelPoint.x);
        EXPECT_GE(k.BoxRight, k.T33.x);
    }
}

// The front edge's bottom: the coats end at the hip line in "B33" drawn
// thin to B32; the blazers at the hem in "H33" drawn thick to H32; the vest
// at its lower edge.
TEST_F(MenForCoatTest, TheFrontEdgeEndsByGarment) {
    for (int type : kFamily) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        ASSERT_TRUE(g.calculated);
        const TMenForCoat& k = Collar();
        // T33 across the centre line at T32, as far out as the break point.
        EXPECT_NEAR(Vector::Dot(k.T33 - g.T32, Vector::UnitBetween(g.G7, g.T32)), 0, 1e-3);
        EXPECT_NEAR(Dist(k.T33, g.T32), k.ExtensionAtBreak, 1e-3);
        EXPECT_GT(k.T33.x, g.T32.x);
        if (type == MenPatternType::kVest) {
            const TVest& vest = dynamic_cast<const TVest&>(g);
            EXPECT_EQ(k.BoxBottom, vest.H5.y);
            // H33 lies on the lower edge H5 -> H32.
            EXPECT_NEAR(Geom::Side(vest.H5, Vector::UnitBetween(vest.H5, g.H32), k.H33), 0, 1e-3);
            EXPECT_EQ(k.VestHemAbove, k.T33.y >= k.H33.y);
        } else if (type >= 34) {
            EXPECT_EQ(k.B33, Vector(k.T33.x, g.H31.y));
            EXPECT_EQ(k.HemCorner, g.H32);
        } else {
            EXPECT_EQ(k.B33, Vector(k.T33.x, g.B31.y));
            EXPECT_EQ(k.HemCorner, g.B32);
        }
    }
}

// The collar drawn on sheet 1 with its box inside the sheet, the green
// handle squares at the two handles.
TEST_F(MenForCoatTest, TheCollarsBoxLiesOnSheetOne) {
    for (int type : kFamily) {
        SCOPED_TRACE(type);
        Calculated(type);
        ASSERT_TRUE(main->Model->calculated);
        const TMenForCoat& k = Collar();
        ScreenDC.RestoreCollarOrigin();
        const QImage& sheet = report->List1()->Bitmap();
        for (float x : {k.BoxLeft, k.BoxRight})
            for (float y : {k.BoxTop, k.BoxBottom}) {
                EXPECT_TRUE(sheet.valid(ScreenDC.PixelX(x), ScreenDC.PixelY(y))) << x << ", " << y;
            }
        for (const Vector& p : {k.A5, k.BreakPoint}) {
            const QPoint c(ScreenDC.PixelX(p.x + DragHandle::kHalfSide), ScreenDC.PixelY(p.y));
            EXPECT_EQ(sheet.pixel(c), qRgb(0, 255, 0)) << p.x << ", " << p.y;
        }
    }
}

// The base selection offers the collar with an open neckline on every
// garment of the family, and choosing it drafts the garment with it.
TEST_F(MenForCoatTest, ChoosableInTheBaseSelectionForTheWholeFamily) {
    ExpectChoosableForTheWholeFamily("Пиджачный");
}

// ---------------------------------------------------------------------------
// The handles

class MenForCoatHandles : public MenForCoatTest {};

TEST_F(MenForCoatHandles, HandleOneSlidesAlongTheCentreLineWithinItsLimits) {
    for (int type : {28, 34, 36}) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        TMenForCoat& k = Collar();
        const Vector e = Vector::UnitBetween(g.A3, g.G8);
        const Vector across = Vector::Perpendicular(e);
        const float towardG8 = k.LimitTowardG8, towardA3 = k.LimitTowardA3;
        ASSERT_GT(towardG8, 0.5f);
        ASSERT_GT(towardA3, 0.5f);
        struct Case {
            Vector to;       // where the cursor goes
            float expected;  // A5's distance from the garment's A5 along A3 -> G8
        } cases[] = {
            {g.A5, 0},                              // pressed and not moved
            {g.A5 + e * 0.5f + across * 3, 0.5f},   // off the line: its foot
            {g.A5 + e * 100, towardG8},             // far towards G8
            {g.A5 - e * 100, -towardA3},            // far towards A3
        };
        for (const Case& c : cases) {
            DragFromTo(g.A5, c.to);
            EXPECT_NEAR(Vector::Dot(k.A5 - g.A5, e), c.expected, 1e-4);
            EXPECT_NEAR(Vector::Dot(k.A5 - g.A5, across), 0, 1e-4);
            // The limits of the default draft hold for the whole drag.
            EXPECT_EQ(k.LimitTowardA3, towardA3);
            main->DraggingCollar = false;
            main->CalcExecute();
            EXPECT_EQ(k.A5, g.A5) << "a new calculation brings it back";
        }
    }
}

TEST_F(MenForCoatHandles, APressOnAPointInBothSquaresTakesHandleOne) {
    TMenPattern& g = Calculated(28);
    TMenForCoat& k = Collar();
    // The break point dragged up to its top limit, then both squares
    // overlapping: a press between them moves A5.
    k.Break.Point = k.A5 + Vector(0.3f, -0.3f);
    k.Break.PlaceBox();
    const Vector between = k.A5 + Vector(0.15f, -0.15f);
    const Vector breakBefore = k.BreakPoint;
    main->DraggingCollar = k.HitTest(1, between.x, between.y);
    ASSERT_TRUE(main->DraggingCollar);
    k.Drag(between.x + 1, between.y - 1);
    EXPECT_NE(k.A5, g.A5);
    EXPECT_EQ(k.BreakPoint, breakBefore);
}

TEST_F(MenForCoatHandles, TheBreakPointStaysWithinTheFrontEdgeTheRollLineAndTheWaist) {
    for (int type : {28, 34, 36}) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        TMenForCoat& k = Collar();
        ASSERT_TRUE(g.FrontEdgeTurn);
        const Vector start = k.BreakPoint;

        // Pressed and not moved: in place.
        DragFromTo(start, start);
        EXPECT_NEAR(Dist(k.BreakPoint, start), 0, 1e-4);

        // Far up: 1 cm below the lower of the two A5s.
        DragFromTo(k.BreakPoint, start + Vector(0, 50));
        EXPECT_FLOAT_EQ(k.BreakTopLimit, std::min(g.A5.y, k.A5.y) - 1);
        EXPECT_LE(k.BreakPoint.y, k.BreakTopLimit + 1e-4);
        EXPECT_GE(k.BreakPoint.x, Geom::XAtY(g.A5, g.G8, k.BreakPoint.y) - 1e-3);

        // Far left at the chest level: on the front edge G8 -> G7 or below.
        DragFromTo(k.BreakPoint, Vector(start.x - 30, g.G7.y + 0.5f * (g.G8.y - g.G7.y)));
        EXPECT_NEAR(k.BreakPoint.x, Geom::XAtY(g.G8, g.G7, k.BreakPoint.y), 1e-3);

        // Far down: not below the waist line.
        DragFromTo(k.BreakPoint, start - Vector(0, 200));
        const Vector up = Vector::UnitBetween(g.T32, g.G7);
        EXPECT_GE(Vector::Dot(k.BreakPoint - g.T32, up), -1e-3);
        EXPECT_GE(k.BreakPoint.x, g.T32.x);
        // Each place drafts: L0 follows the break point, T33 stays on the
        // waist.
        EXPECT_TRUE(std::isfinite(k.ExtensionAtBreak));
        EXPECT_NEAR(Vector::Dot(k.T33 - g.T32, Vector::UnitBetween(g.G7, g.T32)), 0, 1e-3);

        // Dragged to the side of the front edge, in each zone of its bend:
        // above G8, on the bend G8 -> G7, below G7.
        struct Zone {
            float y;
            int zone;
        } zones[] = {{g.G8.y + 0.3f * (k.BreakTopLimit - g.G8.y), 1},
                     {0.5f * (g.G8.y + g.G7.y), 2},
                     {0.5f * (g.G7.y + g.T32.y), 3}};
        for (const Zone& z : zones) {
            const float y = z.y;
            DragFromTo(k.BreakPoint, Vector(start.x + 1, y));
            EXPECT_NEAR(k.BreakPoint.y, y, 1e-3);
            EXPECT_EQ(k.BreakZone, z.zone) << y;
            EXPECT_GT(k.ExtensionAtBreak, 0);
            EXPECT_NEAR(Dist(k.EdgeTop, k.BreakPoint), 1, 1e-4);
        }
        main->DraggingCollar = false;
    }
}

// The drag through the drawing window: the sheet follows the break point;
// a draft that fails while dragging is reported once and the collar keeps
// its last good draft.
TEST_F(MenForCoatHandles, DraggedOnTheSheetAndAFailedDraftReported) {
    ExpectTheBreakPointDraggedOnTheSheet();
}

// With a men's raglan the A3-side limit of A5 is the nearer of the gorge's
// and the raglan line's crossing with the centre line.
float gRaglanNeckShare = 0;  // where the stub raglan puts A41 on the way from A4 to A5
class TRaglanStub : public TTestSleeve {
public:
    void Calculate() override {
        TMenPattern* g = CurrentMenPattern();
        g->A41 = g->A4 + (g->A5 - g->A4) * gRaglanNeckShare;
    }
};

TEST_F(MenForCoatHandles, WithARaglanTheLimitTowardsA3IsTheNearerOne) {
    struct Restore {
        SleeveMaker kept = RegisterSleeveMaker(15, [] { return new TRaglanStub; });
        ~Restore() { RegisterSleeveMaker(15, kept); }
    } restore;
    // A41 near A4: the gorge's limit is the nearer; far down the neck: the
    // raglan's.
    for (float share : {0.05f, 0.6f}) {
        SCOPED_TRACE(share);
        gRaglanNeckShare = share;
        TMenPattern& g = Calculated(28, 15);
        ASSERT_TRUE(g.calculated);
        const TMenForCoat& k = Collar();
        const Vector mid = (g.P10 + g.A4) * 0.5f;
        const Vector x =
            Geom::IntersectLines(mid, g.A3, Vector::UnitBetween(mid, g.A41), Vector::UnitBetween(g.A3, g.G8));
        EXPECT_FLOAT_EQ(k.LimitTowardA3, std::min(Dist(g.A5, k.GorgeLimit), Dist(g.A5, x)));
    }
}

// ---------------------------------------------------------------------------
// The order file and printing

TEST_F(MenForCoatTest, AnOrderWithTheCollarIsSavedReopenedAndPrinted) {
    ExpectSavedReopenedAndPrinted({29, 35, 36}, " Пиджачный", "menforcoat");
}

}  // namespace

namespace {

// Paired with a garment outside the men's outerwear family (only a damaged
// order file can do it), the collar fails the calculation through the
// road's message instead of reading a garment it does not have.
TEST_F(MenForCoatTest, OnAGarmentOfAnotherFamilyTheRoadReportsTheFailure) {
    ExpectTheRoadToReportAnotherFamily();
}

}  // namespace


namespace {

// The last piece of the front edge, along the hem to the garment's corner:
// thick on the blazers, whose hem it is, thin on the coats, where the
// coat's own hem goes on below the hip line.
TEST_F(MenForCoatTest, TheBlazersDrawTheHemPieceOfTheFrontEdgeThick) {
    for (int type : {28, 31, 34, 35}) {
        SCOPED_TRACE(type);
        Calculated(type);
        TMenForCoat& k = Collar();
        CollarDrawing drawing(800, 1100, 40, 25);
        k.Draw();
        const Vector mid = (k.B33 + k.HemCorner) * 0.5f;
        const int x = ScreenDC.PixelX(mid.x), y = ScreenDC.PixelY(mid.y);
        int ink = 0;
        for (int dy = -4; dy <= 4; ++dy) ink += CollarDrawing::Ink(drawing.Image().pixel(x, y + dy)) ? 1 : 0;
        EXPECT_EQ(ink, type >= 34 ? 2 : 1);
    }
}

}  // namespace

namespace {

// A waist wide enough for the belly allowance to carry the front edge out
// below the bust: the front edge runs straight from A5 to T32, without the
// turn at the bust, and the break point is placed and limited along it.
TEST_F(MenForCoatHandles, AFrontEdgeWithoutTheTurn) {
    TMenPattern& g = CalculatedWithoutTheTurn();
    ASSERT_TRUE(g.calculated) << (messages.empty() ? "" : messages[0].text);
    ASSERT_FALSE(g.FrontEdgeTurn);
    TMenForCoat& k = Collar();
    const Vector down = Vector::UnitBetween(g.A5, g.T32);
    EXPECT_NEAR(k.ExtensionAtBreak, k.Extension, 1e-3);
    EXPECT_NEAR(Vector::Dot(k.EdgeTop - k.BreakPoint, down), -1, 1e-4);
    EXPECT_NEAR(Geom::Side(g.A5, down, k.EdgeAnchor), 0, 1e-3);
    const Vector anchor = k.EdgeAnchor;

    // Far up and left: below the gorge, not left of the line A5 -> T32.
    DragFromTo(k.BreakPoint, k.BreakPoint + Vector(-20, 40));
    EXPECT_LE(k.BreakPoint.y, k.BreakTopLimit + 1e-4);
    EXPECT_LE(k.BreakTopLimit, g.A5.y - 1);
    EXPECT_GE(k.BreakPoint.x, Geom::XAtY(g.A5, g.T32, k.BreakPoint.y) - 1e-3);
    EXPECT_EQ(k.BreakZone, 3);
    EXPECT_EQ(k.EdgeAnchor, anchor) << "kept for the drag";
    // Out and down the edge: L0 grows with the distance from the centre line.
    DragFromTo(k.BreakPoint, Vector(Geom::XAtY(g.A5, g.T32, g.G7.y) + 5, g.G7.y));
    EXPECT_NEAR(k.ExtensionAtBreak, std::fabs(Geom::Side(anchor, down, k.BreakPoint)), 1e-3);
    EXPECT_NEAR(Vector::Dot(k.T33 - g.T32, down), 0, 1e-3);
}

}  // namespace
