#include "collars/MenForCoat.h"

#include <algorithm>
#include <cmath>

#include "garments/coats_men/MenPattern.h"
#include "collars/LapelSteps.h"
#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"

namespace {

using DraftSteps::Arc;
using namespace LapelSteps;

// s1 and s2: demi-season coats, winter coats, blazers, the vest.
constexpr TMenLapelCollar::Sizes kSizes[4] = {{3.5f, 3.0f}, {4.0f, 3.0f}, {2.5f, 2.0f}, {2.0f, 2.0f}};

int SleeveKindNow() { return MainForm ? MainForm->SleeveKind : 0; }

constexpr int kOuterChords = 20;
constexpr int kNeckChords = 30;

}  // namespace

TMenForCoat::TMenForCoat() : TMenLapelCollar(kKind) {
    AddHandle(Gorge);
    AddHandle(Break);
}

void TMenForCoat::Draft(const TMenPattern& g) {
    const bool dragging = DraggingCollar();
    // 1. The sizes of the garment type.
    Take(g, kSizes);
    const float s1 = StandHeight;
    const int sleeve = SleeveKindNow();
    raglan_ = sleeve == 15 || sleeve == 16;
    const float N = g.NeckLength;
    const Vector& A4 = g.A4;
    const Vector& A5g = g.A5;
    EndWidth = FloatStore::Scalar(double(FallWidth) * 0.888, "men's jacket collar: end width");

    // 2. - 4. The break point and its marks; handle 1 on the garment's A5
    //    unless it is dragged.
    if (!dragging) A5 = A5g;
    Vector l, m;
    PlaceBreak(g, l, m);

    // 5. The roll line from the top of the front edge touches the circle of
    //    s1 - 0.5 around A4.
    C = Lapel::RollTouch(EdgeTop, A4, s1 - 0.5f);

    // 6. How far A5 may slide towards G8: to the roll line, at most to G8.
    const Vector roll = Unit(C, EdgeTop);
    const Vector centre = Unit(g.A3, g.G8);
    RollShoulder = Cross(C, roll, g.A3, centre);
    LimitTowardG8 = std::min(Dist(A5g, RollShoulder), Dist(A5g, g.G8));

    // 7. The collar's front end A6 on the neck side, F2 s1 on towards A5.
    ShoulderMid = DraftSteps::Mid(g.P10, A4);
    const Vector toGorge = Unit(ShoulderMid, A5);
    A6 = Cross(A4, centre, ShoulderMid, toGorge);
    F2 = A6 + toGorge * s1;

    // 8. How far A5 may slide towards A3, fixed for the length of a drag.
    if (!dragging) {
        GorgeCross = Cross(A4, Unit(g.P10, A4), C, toGorge);
        MirrorP10 = Geom::Mirror(C, EdgeTop, g.P10);
        GorgeShoulder = Cross(GorgeCross, Unit(GorgeCross, MirrorP10), g.A3, centre);
        GorgeLimit = GorgeShoulder + centre * EndWidth;
        LimitTowardA3 = Dist(A5g, GorgeLimit);
        if (raglan_) {
            const Vector x = Cross(ShoulderMid, Unit(ShoulderMid, g.A41), g.A3, centre);
            LimitTowardA3 = std::min(LimitTowardA3, Dist(A5g, x));
        }
    }

    // 9. The handle boxes (the break point's with the break point).
    Gorge.PlaceBox();

    // 10. The neck edge on the front: N along the roll line beyond C, turned
    //     by the lowered back neck's excess.
    l = Unit(EdgeTop, C);
    C1 = C + l * N;
    l = Geom::Rotated(l, FloatStore::Scalar(Checked::Div(g.LowNeckExcess, FallWidth, "men's jacket collar: turn"),
                                            "men's jacket collar: turn"));
    TurnedEnd = C + l * N;
    m = Turned(l);
    C2 = TurnedEnd + m * s1;

    // 11. C2 slides along l until the neck curve is |A4 A6| + N long.
    NeckCtrl = Cross(C2, l, A6, Unit(A4, A6));
    neckTarget_ = FloatStore::Scalar(double(Dist(A4, A6)) + N, "men's jacket collar: neck length");
    Lapel::MatchLength(
        neckTarget_ - Arc(C2, NeckCtrl, A6),
        [&](float d) {
            C2 = C2 + l * d;
            return neckTarget_ - Arc(C2, NeckCtrl, A6);
        },
        "men's jacket collar: neck edge length");

    // 12. The roll line's and the outer edge's back ends.
    C3 = C2 - m * s1;
    C4 = C3 - m * FallWidth;

    // 13. The outer edge 2 s1 + 1.5 off the neck curve where the shoulder
    //     line crosses it.
    CrossParam = 0.5f;
    CrossPoint = Bezier2::CrossLineFrom(g.P10, Unit(g.P10, A4), C2, NeckCtrl, A6, CrossParam, 0);
    const Vector n = Bezier2::Normal(C2, NeckCtrl, A6, CrossParam);
    const Vector q = Turned(n);
    OuterPoint = CrossPoint + n * (s1 + FallWidth);

    // 14. - 16. Its controls, its joint and its front end, where the line
    //     from OuterCtrl2 touches the circle of EndWidth around A5.
    OuterCtrl1 = Cross(C4, l, OuterPoint, q);
    OuterCtrl2 = OuterPoint - q * FloatStore::Scalar((double(Dist(OuterPoint, A5)) - 1.125 * FallWidth) * 0.67,
                                                     "men's jacket collar: outer control");
    OuterMid = Dist(OuterPoint, OuterCtrl2) >= Dist(OuterCtrl1, OuterPoint) ? OuterPoint
                                                                            : DraftSteps::Mid(OuterCtrl1, OuterCtrl2);
    {
        const double d = Dist(OuterCtrl2, A5);
        const float tangent = FloatStore::Scalar(
            Checked::Sqrt(d * d - double(EndWidth) * EndWidth, "men's jacket collar: end point"), "end point");
        EndPoint = Geom::CircleCross(OuterCtrl2, A5, tangent, EndWidth, 1);
    }

    // 17., 18. The lapel and the lapel folded back across the roll line.
    LapelPoint = A5 + Vector::UnitNormalBetween(g.A3, g.G8) * FallWidth;
    FoldedOuterMid = Lapel::Fold(C, roll, OuterMid);
    FoldedOuterCtrl2 = Lapel::Fold(C, roll, OuterCtrl2);
    FoldedEndPoint = Lapel::Fold(C, roll, EndPoint);
    FoldedA5 = Lapel::Fold(C, roll, A5);
    FoldedLapelPoint = Lapel::Fold(C, roll, LapelPoint);
    F = Cross(C, roll, ShoulderMid, Unit(ShoulderMid, A5));

    // 19., 20. The front edge down to the waist and the hem.
    PlaceFrontEdge(g);

    // 21. The stand and the fall.
    PlaceStand(g);
    PlaceFall(g);
    PlaceCuttingLine();

    // 22. The extent box.
    SetBox(StandC2.x, std::max(BoxRight, LapelPoint.x), std::max(PieceC4.y, SeamEnd.y), BoxBottom);
}

// ---------------------------------------------------------------------------
// Dragging

Vector TMenForCoat::Limit(const DragHandle& handle, const Vector& p) const {
    const TMenPattern& g = Garment();
    if (&handle == &Gorge) {
        // A5 slides along A3 -> G8 through the garment's A5, within its limits.
        const Vector e = Unit(g.A3, g.G8);
        float s = Vector::Dot(p - g.A5, e);
        if (s > LimitTowardG8) s = LimitTowardG8;
        if (s < -LimitTowardA3) s = -LimitTowardA3;
        return g.A5 + e * s;
    }
    return LimitBreak(g, p);
}

Vector TMenForCoat::LimitBreak(const TMenPattern& g, Vector p) const {
    const Vector& A5g = g.A5;
    // 1. Below the gorge: 1 cm under the lower of the two A5s (without the
    //    turn, of A5g and the roll line's crossing with the front edge).
    float h;
    if (g.FrontEdgeTurn) {
        h = std::min(A5g.y, A5.y);
    } else {
        const Vector y = Cross(C, Unit(C, A5), A5g, Unit(A5g, g.T32));
        h = std::min(A5g.y, y.y);
    }
    BreakTopLimit = h - 1.0f;
    p.y = std::min(p.y, BreakTopLimit);

    // 2. On the lapel's side of the line from C to the gorge.
    const Vector n = A5g.y - A5.y > 0 ? Vector::UnitNormalBetween(C, A5) : Vector::UnitNormalBetween(C, A5g);
    const float D = Vector::Dot((p - C) - Unit(g.G7, g.T32), n);
    if (D > 0) p = p - n * D;

    // 3. - 5. Right of the front edge, above the waist, inside the vest.
    return LimitToFrontEdge(g, C, p);
}

// ---------------------------------------------------------------------------
// Drawing

void TMenForCoat::DrawPiece(TDrawContext& dc) const {
    // 1., 2. The separate pieces.
    DrawFall(dc);
    DrawStand(dc);

    // 3. The collar on the front.
    dc.MoveTo(C2);
    dc.LineTo(C4);
    dc.Bezier2(C4, OuterCtrl1, OuterMid, kOuterChords);
    dc.Bezier2(OuterMid, OuterCtrl2, EndPoint, kOuterChords);
    dc.LineTo(A5);
    dc.LineTo(A6);
    const TMenPattern* g = CurrentMenPattern();
    const Vector a4 = g ? g->A4 : A6;
    if (raglan_ && g) {
        dc.LineTo(g->A41);
        dc.SetPenWidth(kConstructionPen);
        dc.LineTo(a4);
        dc.SetPenWidth(OutlinePen(dc));
    } else {
        dc.LineTo(a4);
    }
    dc.Bezier2(A6, NeckCtrl, C2, kNeckChords);

    // 4. The roll line.
    dc.SetPenWidth(kConstructionPen);
    dc.Bezier2(C3, C, F2, kNeckChords);
    dc.MoveTo(a4);
    dc.LineTo(C);
    dc.LineTo(TurnedEnd);
    dc.Arc3(C, C1, TurnedEnd, 0, 20);
    dc.LineTo(EdgeTop);

    // 5. The lapel, and the lapel folded back.
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(LapelPoint);
    dc.LineTo(A5);
    dc.SetPenWidth(kConstructionPen);
    dc.Bezier2Part(FoldedOuterMid, FoldedOuterCtrl2, FoldedEndPoint, 0.5f, 1.0f, 10);
    dc.LineTo(FoldedA5);
    dc.MoveTo(F);
    dc.LineTo(FoldedA5);
    dc.LineTo(FoldedLapelPoint);
    dc.LineTo(EdgeTop);

    // 6. The marks at the break level.
    Marks.Draw(dc, OutlinePen(dc));

    // 7. The front edge down to the hem.
    dc.MoveTo(EdgeTop);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(BreakPoint);
    DrawFrontEdgeDown(dc);
}

void TMenForCoat::LabelPiece(TDrawContext& dc, bool printer) const {
    const auto put = [&](const Vector& p, const char* text, int placement) {
        Labels::Put(dc, printer, p, text, placement);
    };
    put(PieceC4, "C4", 1);
    put(PieceC3, "C3", 2);
    put(PieceF2, "F2", 2);
    put(PieceA5, "A5", 3);
    put(StandF2, "F2", 3);
    put(StandC3, "C3", 6);
    put(StandC2, "C2", 4);
    put(StandA6, "A6", 4);
    put(C2, "C2", 5);
    put(C3, "C3", 6);
    put(C4, "C4", 6);
    put(C1, "C1", 2);
    put(C, "C", 2);
    put(A6, "A6", 5);
    put(F2, "F2", 5);
    put(F, "F", 2);
    put(A5, "A5", 7);
    put(L, "L", 3);
    LabelBreak(dc, printer);
    LabelHem(dc, printer);
}
