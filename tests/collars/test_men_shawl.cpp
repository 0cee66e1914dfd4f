// The men's shawl collar drafted on every garment of the men's outerwear
// family: its sizes by garment type, the default break point, the roll line,
// the neck and outer edges and the depth of the roll line along the front
// edge; the box on sheet 1; its handle and the limits of the break point;
// the order file and print.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QStandardItemModel>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "collars/MenShawl.h"
#include "garments/coats_men/Vest.h"
#include "kernel/Bezier.h"
#include "kernel/PrintTiling.h"
#include "shell/BaseCatalog.h"
#include "shell/NewPrForm.h"
#include "shell/OrderFile.h"
#include "shell/ReporForm.h"
#include "tests/collars/MenForCoatFixture.h"

namespace {

float Arc(const Vector& a, const Vector& b, const Vector& c) { return Bezier2::ArcLength(a, b, c, 0, 1); }
float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }

constexpr int kFamily[] = {28, 29, 30, 31, 32, 33, 34, 35, 36};

class MenShawlTest : public MenForCoatTest {
protected:
    int Kind() const override { return TMenShawl::kKind; }
    TMenShawl& Shawl() { return dynamic_cast<TMenShawl&>(*main->Collar); }

    // The front edge below A5 as the roll line's depth is measured along it.
    static std::vector<Vector> FrontEdge(const TMenPattern& g) {
        if (g.FrontEdgeTurn) return {g.A5, g.G8, g.G7, g.T32};
        return {g.A5, g.T32};
    }
    // RollFront lies on the line of one segment of the front edge (the last
    // one when beyond it), and the depth is the path along the edge to it.
    void ExpectTheDepthAlongTheFrontEdge(const TMenPattern& g, const TMenShawl& k) {
        const std::vector<Vector> edge = FrontEdge(g);
        float path = 0;
        for (size_t i = 0; i + 1 < edge.size(); ++i) {
            const Vector a = edge[i], b = edge[i + 1];
            const float t = Vector::Dot(k.RollFront - a, b - a) / Vector::Dot(b - a, b - a);
            const bool last = i + 2 == edge.size();
            if (t <= 1.0f || last) {
                EXPECT_NEAR(Geom::Side(a, Vector::UnitBetween(a, b), k.RollFront), 0, 1e-3) << "segment " << i;
                EXPECT_NEAR(k.RollDepth, path + Dist(a, k.RollFront), 1e-3) << "segment " << i;
                return;
            }
            path += Dist(a, b);
        }
    }
};

TEST_F(MenShawlTest, SizesAndTheDefaultBreakPointByGarmentType) {
    struct Case {
        int type;
        float s, e;
    } cases[] = {{28, 3.5f, 4}, {29, 3.5f, 4}, {30, 3.5f, 4}, {31, 3.5f, 4}, {32, 3.5f, 4},
                 {33, 3.5f, 4}, {34, 3, 2},    {35, 3, 2},    {36, 2.5f, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        TMenPattern& g = Calculated(c.type);
        ASSERT_TRUE(g.calculated);
        const TMenShawl& k = Shawl();
        EXPECT_EQ(main->CollarType->text().toStdString(), " Покроя шаль");
        EXPECT_EQ(k.StandHeight, c.s);
        EXPECT_EQ(k.Extension, c.e);
        EXPECT_FLOAT_EQ(k.FallWidth, c.s + 1.5f);
        EXPECT_EQ(k.NeckDrop, 1.0f);
        // The break point 1 cm below L1 along the front edge, e off the
        // centre line: "L0 :" shows e.
        EXPECT_NEAR(Dist(k.L1, k.BreakPoint), 1.0f, 1e-4);
        EXPECT_LT(k.BreakPoint.y, k.L1.y);
        EXPECT_NEAR(k.ExtensionAtBreak, c.e, 1e-3);
        EXPECT_GT(k.BreakPoint.x, k.L.x);
        EXPECT_EQ(k.BreakZone, 3);
        EXPECT_TRUE(k.Break.Contains(k.BreakPoint.x, k.BreakPoint.y));
    }
}

// The construction on each garment: the roll line touching the circle of s
// around A4, F on the front neckline's circle, the neck edge N long, the
// back ends s and s + 1.5 apart, A51 and its tangent, the box.
TEST_F(MenShawlTest, TheRollLineAndTheEdgesOnEveryGarment) {
    for (int type : kFamily) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        ASSERT_TRUE(g.calculated);
        const TMenShawl& k = Shawl();
        const float s = k.StandHeight;
        const Vector roll = Vector::UnitBetween(k.L1, k.C);
        // The roll line from L1 touches the circle of s around A4 at C.
        EXPECT_NEAR(Dist(k.C, g.A4), s, 1e-3);
        EXPECT_NEAR(Vector::Dot(roll, k.C - g.A4), 0, 1e-3);
        EXPECT_NEAR(Dist(k.C5, g.A4), s + k.FallWidth, 1e-3);
        EXPECT_NEAR(Dist(k.C1, k.C), g.NeckLength, 1e-3);
        // F, where the roll line enters the front neckline's circle; C1
        // turned about it by the lowered neck's excess.
        const float r = Dist(g.A5, g.FrontNeckCentre);
        EXPECT_NEAR(Dist(k.F, g.FrontNeckCentre), r, 1e-3);
        EXPECT_NEAR(Geom::Side(k.L1, roll, k.F), 0, 1e-3);
        EXPECT_LT(Vector::Dot(k.F - k.L1, roll), Vector::Dot(g.FrontNeckCentre - k.L1, roll));
        EXPECT_NEAR(Dist(k.F, k.TurnedEnd), Dist(k.F, k.C1), 1e-3);
        const float turn = std::atan2(Geom::Side(k.F, Vector::UnitBetween(k.F, k.C1), k.TurnedEnd),
                                      Vector::Dot(k.TurnedEnd - k.F, Vector::UnitBetween(k.F, k.C1)));
        EXPECT_NEAR(turn, g.LowNeckExcess / k.FallWidth, 1e-4);
        // The neck edge from A4 to C2 as long as the back neckline, within
        // the search's 0.1 cm.
        EXPECT_NEAR(Arc(g.A4, k.NeckCtrl, k.C2), g.NeckLength, 0.1);
        EXPECT_NEAR(Dist(k.C3, k.C2), s, 1e-3);
        EXPECT_NEAR(Dist(k.C4, k.C3), s + 1.5f, 1e-3);
        // A51 1 cm beyond A5 on A3 -> A5; the line from it touches the
        // front neckline's circle; L2 on that line and on the outer edge.
        EXPECT_NEAR(Dist(k.A51, g.A5), 1.0f, 1e-4);
        EXPECT_NEAR(Geom::Side(g.A3, Vector::UnitBetween(g.A3, g.A5), k.A51), 0, 1e-3);
        EXPECT_NEAR(Dist(k.NeckTangent, g.FrontNeckCentre), r, 1e-3);
        EXPECT_NEAR(Vector::Dot(k.A51 - k.NeckTangent, k.NeckTangent - g.FrontNeckCentre), 0, 1e-2);
        EXPECT_NEAR(Geom::Side(k.NeckTangent, Vector::UnitBetween(k.NeckTangent, k.A51), k.L2), 0, 1e-2);
        // The roll line on the front edge, its depth along the edge.
        EXPECT_NEAR(Geom::Side(k.L1, roll, k.RollFront), 0, 1e-3);
        ExpectTheDepthAlongTheFrontEdge(g, k);
        // The box: the back end on the left, the outer edge's back end on top.
        EXPECT_EQ(k.BoxLeft, std::min(k.C2.x, k.TurnedEnd.x));
        EXPECT_EQ(k.BoxTop, k.C4.y);
        if (type == MenPatternType::kVest) {
            EXPECT_EQ(k.BoxBottom, dynamic_cast<const TVest&>(g).H5.y);
        } else {
            EXPECT_EQ(k.B33, Vector(k.T33.x, type >= 34 ? g.H31.y : g.B31.y));
            EXPECT_EQ(k.HemCorner, type >= 34 ? g.H32 : g.B32);
            EXPECT_EQ(k.BoxRight, k.T33.x);
        }
    }
}

// The collar drawn on sheet 1 with its box inside the sheet and the green
// handle square at the break point.
TEST_F(MenShawlTest, TheCollarsBoxLiesOnSheetOne) {
    for (int type : kFamily) {
        SCOPED_TRACE(type);
        Calculated(type);
        ASSERT_TRUE(main->Model->calculated);
        const TMenShawl& k = Shawl();
        ScreenDC.RestoreCollarOrigin();
        const QImage& sheet = report->List1()->Bitmap();
        for (float x : {k.BoxLeft, k.BoxRight})
            for (float y : {k.BoxTop, k.BoxBottom}) {
                EXPECT_TRUE(sheet.valid(ScreenDC.PixelX(x), ScreenDC.PixelY(y))) << x << ", " << y;
            }
        const QPoint c(ScreenDC.PixelX(k.BreakPoint.x + DragHandle::kHalfSide), ScreenDC.PixelY(k.BreakPoint.y));
        EXPECT_EQ(sheet.pixel(c), qRgb(0, 255, 0));
    }
}

// The base selection offers the shawl collar with an open neckline on
// every garment of the family, and choosing it drafts the garment with it.
TEST_F(MenShawlTest, ChoosableInTheBaseSelectionForTheWholeFamily) {
    ExpectChoosableForTheWholeFamily("Покроя шаль");
    EXPECT_NE(dynamic_cast<TMenShawl*>(main->Collar), nullptr);
}

// ---------------------------------------------------------------------------
// The handle

TEST_F(MenShawlTest, TheBreakPointStaysBelowA51RightOfTheFrontEdgeAndAboveTheWaist) {
    for (int type : {28, 34, 36}) {
        SCOPED_TRACE(type);
        TMenPattern& g = Calculated(type);
        TMenShawl& k = Shawl();
        ASSERT_TRUE(g.FrontEdgeTurn);
        const Vector start = k.BreakPoint;

        // Pressed and not moved: in place, the draft as before.
        const float depth = k.RollDepth;
        DragFromTo(start, start);
        EXPECT_NEAR(Dist(k.BreakPoint, start), 0, 1e-4);
        EXPECT_NEAR(k.RollDepth, depth, 1e-3);

        // Far up and left: first brought down to 1 cm below A51, then onto
        // the front edge at that height.
        DragFromTo(k.BreakPoint, start + Vector(-30, 60));
        EXPECT_LE(k.BreakPoint.y, k.A51.y - 1 + 1e-4);
        EXPECT_NEAR(k.BreakPoint.x, Geom::XAtY(g.A5, g.G8, k.BreakPoint.y), 1e-3);
        EXPECT_EQ(k.BreakZone, 1);

        // Far left at the chest level: on the front edge G8 -> G7.
        DragFromTo(k.BreakPoint, Vector(start.x - 30, 0.5f * (g.G8.y + g.G7.y)));
        EXPECT_NEAR(k.BreakPoint.x, Geom::XAtY(g.G8, g.G7, k.BreakPoint.y), 1e-3);

        // Far down: not below the waist line; the roll line then meets the
        // front edge low, its depth measured along the whole bent edge.
        DragFromTo(k.BreakPoint, start - Vector(0, 200));
        const Vector up = Vector::UnitBetween(g.T32, g.G7);
        EXPECT_GE(Vector::Dot(k.BreakPoint - g.T32, up), -1e-3);
        EXPECT_GE(k.BreakPoint.x, g.T32.x);
        EXPECT_NEAR(Vector::Dot(k.T33 - g.T32, Vector::UnitBetween(g.G7, g.T32)), 0, 1e-3);
        ExpectTheDepthAlongTheFrontEdge(g, k);
        if (type == MenPatternType::kVest) {
            const TVest& vest = dynamic_cast<const TVest&>(g);
            EXPECT_GE(Geom::Side(vest.H5, Vector::UnitBetween(vest.H5, g.H32), k.BreakPoint), -1e-3);
        }

        // In each zone of the bent front edge: L0 grows from the edge, L1
        // stays 1 cm above the break point.
        const float zones[] = {g.G8.y + 0.3f * (k.A51.y - 1 - g.G8.y), 0.5f * (g.G8.y + g.G7.y),
                               0.5f * (g.G7.y + g.T32.y)};
        for (int zone = 1; zone <= 3; ++zone) {
            const float y = zones[zone - 1];
            DragFromTo(k.BreakPoint, Vector(start.x + 1, y));
            EXPECT_NEAR(k.BreakPoint.y, y, 1e-3);
            EXPECT_EQ(k.BreakZone, zone) << y;
            EXPECT_GT(k.ExtensionAtBreak, 0);
            EXPECT_NEAR(Dist(k.L1, k.BreakPoint), 1, 1e-4);
            ExpectTheDepthAlongTheFrontEdge(g, k);
        }
        main->DraggingCollar = false;
        main->CalcExecute();
        EXPECT_EQ(k.BreakPoint, start) << "a new calculation brings it back";
    }
}

// The drag through the drawing window: the sheet follows the break point;
// a draft that fails while dragging is reported once and the collar keeps
// its last good draft.
TEST_F(MenShawlTest, DraggedOnTheSheetAndAFailedDraftReported) {
    ExpectTheBreakPointDraggedOnTheSheet();
}

// ---------------------------------------------------------------------------
// The order file, printing, failures

TEST_F(MenShawlTest, AnOrderWithTheCollarIsSavedReopenedAndPrinted) {
    ExpectSavedReopenedAndPrinted({29, 35, 36}, " Покроя шаль", "menshawl");
}

// Paired with a garment outside the men's outerwear family (only a damaged
// order file can do it), the collar fails the calculation through the
// road's message.
TEST_F(MenShawlTest, OnAGarmentOfAnotherFamilyTheRoadReportsTheFailure) {
    ExpectTheRoadToReportAnotherFamily();
}

// A waist wide enough to carry the front edge straight from A5 to T32: the
// break point is placed and limited along that line, and the roll line's
// depth is measured along it.
TEST_F(MenShawlTest, AFrontEdgeWithoutTheTurn) {
    TMenPattern& g = CalculatedWithoutTheTurn();
    ASSERT_TRUE(g.calculated) << (messages.empty() ? "" : messages[0].text);
    ASSERT_FALSE(g.FrontEdgeTurn);
    TMenShawl& k = Shawl();
    EXPECT_NEAR(k.ExtensionAtBreak, k.Extension, 1e-3);
    ExpectTheDepthAlongTheFrontEdge(g, k);
    DragFromTo(k.BreakPoint, k.BreakPoint + Vector(-20, 40));
    EXPECT_LE(k.BreakPoint.y, k.A51.y - 1 + 1e-4);
    EXPECT_GE(k.BreakPoint.x, Geom::XAtY(g.A5, g.T32, k.BreakPoint.y) - 1e-3);
    ExpectTheDepthAlongTheFrontEdge(g, k);
}

}  // namespace
