#include "collars/MenShawl.h"

#include <algorithm>
#include <string>
#include <vector>

#include "collars/LapelSteps.h"
#include "garments/coats_men/MenPattern.h"
#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MeasureColumn.h"

namespace {

using DraftSteps::Arc;
using namespace LapelSteps;

// s and e: demi-season coats, winter coats, blazers, the vest.
constexpr TMenLapelCollar::Sizes kSizes[4] = {{3.5f, 4.0f}, {3.5f, 4.0f}, {3.0f, 2.0f}, {2.5f, 2.0f}};

constexpr int kArcChords = 20;
constexpr int kEdgeChords = 40;

}  // namespace

TMenShawl::TMenShawl() : TMenLapelCollar(kKind) { AddHandle(Break); }

void TMenShawl::Draft(const TMenPattern& g) {
    // 1. The sizes of the garment type.
    Take(g, kSizes);
    const float s = StandHeight;
    NeckDrop = 1.0f;
    const float N = g.NeckLength;
    const Vector& A4 = g.A4;
    const Vector& A5 = g.A5;
    const Vector& centre = g.FrontNeckCentre;

    // 2. The break point, L1 and L, the marks at the break level.
    Vector along, across;
    PlaceBreak(g, along, across);

    // 3. - 9. The roll line, the neck edge N long, the back edge.
    DraftFall(L1, A4, centre, Dist(centre, A5), s, N, g.LowNeckExcess);
    const Vector& l = NeckEnd;
    const Vector roll = Unit(L1, C);

    // 10. The controls of the outer edge.
    OuterCtrl = Cross(C4, l, C5, roll);
    EdgeCtrl = C5 - roll * (0.25f * Dist(C5, L1));

    // 11. The line from A51, 1 cm beyond A5, touching the front neckline's
    //     circle, and where it meets the outer edge.
    A51 = A5 + Unit(g.A3, A5) * NeckDrop;
    NeckTangent = Lapel::Touch(A51, centre, Dist(A5, centre), 1, "shawl collar neck tangent");
    float t = 0.5f;
    L2 = Bezier2::CrossLine(NeckTangent, Unit(NeckTangent, A51), C5, EdgeCtrl, L1, t);

    // 12. The roll line on the front edge and its depth along the edge.
    PlaceRollFront(g);

    // 13. The front edge down to the waist and the hem.
    PlaceFrontEdge(g);

    // 14. The extent box.
    SetBox(std::min(C2.x, TurnedEnd.x), BoxRight, C4.y, BoxBottom);
}

// Where the roll line's line crosses the front edge below A5, segment by
// segment down the edge (a crossing beyond a segment's end goes on to the
// next; the last takes it wherever it falls), and the length of the edge
// from A5 down to it.
void TMenShawl::PlaceRollFront(const TMenPattern& g) {
    const Vector roll = Unit(L1, C);
    std::vector<Vector> edge = {g.A5};
    if (g.FrontEdgeTurn) {
        edge.push_back(g.G8);
        edge.push_back(g.G7);
    }
    edge.push_back(g.T32);
    float depth = 0;
    for (size_t i = 0; i + 1 < edge.size(); ++i) {
        const Vector& a = edge[i];
        const Vector& b = edge[i + 1];
        const Vector x = Cross(a, Unit(a, b), L1, roll);
        const float t = Checked::Div(Vector::Dot(x - a, b - a), Vector::Dot(b - a, b - a),
                                     "men's shawl collar: front edge");
        if (t <= 1.0f || i + 2 == edge.size()) {
            RollFront = x;
            RollDepth = depth + Dist(a, x);
            return;
        }
        depth += Dist(a, b);
    }
}

// ---------------------------------------------------------------------------
// Dragging

Vector TMenShawl::Limit(const DragHandle&, const Vector& point) const {
    const TMenPattern& g = Garment();
    Vector p = point;
    // 1. At least 1 cm below A51.
    p.y = std::min(p.y, A51.y - 1.0f);
    // 2. On the front's side of the line from C to A5.
    const Vector n = Vector::UnitNormalBetween(C, g.A5);
    const float D = Vector::Dot((p - C) - Unit(g.A5, g.G8), n);
    if (D > 0) p = p - n * D;
    // 3. - 5. Right of the front edge, above the waist, inside the vest.
    return LimitToFrontEdge(g, C, p);
}

// ---------------------------------------------------------------------------
// Drawing

void TMenShawl::DrawPiece(TDrawContext& dc) const {
    const TMenPattern* g = CurrentMenPattern();
    const Vector a4 = g ? g->A4 : C;

    // 1. Construction lines and the marks at the break level.
    dc.SetPenWidth(kConstructionPen);
    Path(dc, {a4, C5});
    Path(dc, {NeckTangent, L2});
    Marks.Draw(dc, OutlinePen(dc));

    // 2. The roll line and the neck edge's construction.
    Path(dc, {L1, C1});
    dc.Arc3(F, C1, TurnedEnd, 1, kArcChords);
    dc.LineTo(C2);
    dc.Bezier2(C, RollCtrl, C3, kArcChords);

    // 3. The collar's outline: the neck edge, the back end, the outer edge
    //    down to the break point.
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(a4, NeckCtrl, C2, kArcChords);
    dc.LineTo(C4);
    dc.Bezier2(C4, OuterCtrl, C5, kArcChords);
    dc.Bezier2(C5, EdgeCtrl, L1, kEdgeChords);
    dc.LineTo(BreakPoint);

    // 4. The front edge down to the hem.
    DrawFrontEdgeDown(dc);
}

void TMenShawl::LabelPiece(TDrawContext& dc, bool printer) const {
    const auto put = [&](const Vector& p, const std::string& text, int placement) {
        Labels::Put(dc, printer, p, text, placement);
    };
    put(C3, "C3", 8);
    put(C4, "C4", 6);
    put(C2, "C2", 5);
    put(C1, "C1", 1);
    put(C, "C", 3);
    put(C5, "C5", 2);
    put(F, "F", 2);
    put(A51, "A51", 3);
    put(L2, "L2", 3);
    put(RollFront, ":" + MeasureColumn::OneDecimalText(RollDepth), 2);
    put(L1, "L1", 2);
    LabelBreak(dc, printer);
    put(L, "L", 3);
    LabelHem(dc, printer);
}
