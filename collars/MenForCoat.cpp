#include "collars/MenForCoat.h"

#include <algorithm>
#include <cmath>

#include "garments/coats_men/MenPattern.h"
#include "garments/coats_men/Vest.h"
#include "collars/LapelSteps.h"
#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"

namespace {

using DraftSteps::Arc;
using LapelSteps::Cross;
using LapelSteps::Turned;
using LapelSteps::Unit;

float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }

// s1 and s2 by garment type.
struct Sizes {
    float stand, extension;
};
Sizes SizesOf(int type) {
    if (type >= 28 && type <= 30) return {3.5f, 3.0f};  // demi-season coats
    if (type >= 31 && type <= 33) return {4.0f, 3.0f};  // winter coats
    if (type == 34 || type == 35) return {2.5f, 2.0f};  // blazers
    if (type == MenPatternType::kVest) return {2.0f, 2.0f};
    return {3.0f, 3.0f};
}

bool Blazer(int type) { return type == 34 || type == 35; }

int SleeveKindNow() { return MainForm ? MainForm->SleeveKind : 0; }

constexpr int kOuterChords = 20;
constexpr int kNeckChords = 30;

}  // namespace

TMenForCoat::TMenForCoat() : TCollarFrame(kKind) {
    AddHandle(Gorge);
    AddHandle(Break);
}

void TMenForCoat::Construct() {
    const TMenPattern* g = CurrentMenPattern();
    if (!g) Checked::Fail("men's jacket collar: the garment is not a men's vest, coat or blazer");
    Draft(*g);
}

// Step 3: the break point (its default only while no handle is dragged),
// the top of the front edge and the foot L; l along the front edge
// downwards, m across it outwards.
void TMenForCoat::PlaceBreak(const TMenPattern& g, Vector& l, Vector& m) {
    const Vector& A5g = g.A5;
    const float s2 = Extension;
    const Vector o = Unit(g.G4, g.G3);
    if (!DraggingCollar()) {
        BreakZone = 3;
        A5 = A5g;
        Vector top;
        if (g.FrontEdgeTurn) {
            top = g.G7 + m * s2;
            top = Cross(top, l, g.G7, o) + l * 2.0f;
            BreakPoint = top + l;
            L = Cross(g.G7, l, BreakPoint, m);
        } else {
            l = Unit(A5g, g.T32);
            m = Turned(l);
            EdgeAnchor = Cross(g.G7, o, A5g, l);
            top = EdgeAnchor + m * s2;
            top = Cross(top, l, g.G7, o) + l * 2.0f;
            BreakPoint = top + l;
            L = Cross(EdgeAnchor, l, BreakPoint, m);
        }
        EdgeTop = top;
        return;
    }
    if (g.FrontEdgeTurn) {
        const Vector upper = Unit(A5g, g.G8);
        const Vector radial = Unit(g.G6, BreakPoint);
        if (Vector::Dot(BreakPoint - g.G8, upper) <= 0) {
            BreakZone = 1;
            l = upper;
            m = Turned(l);
            L = Cross(A5g, l, BreakPoint, m);
        } else if (Vector::Dot(BreakPoint - g.G7, Turned(radial)) > 0) {
            BreakZone = 2;
            m = radial;
            l = Vector(radial.y, -radial.x);
            L = Cross(g.G8, l, BreakPoint, m);
        } else {
            BreakZone = 3;
            l = Unit(g.G7, g.T32);
            m = Turned(l);
            L = Cross(g.G7, l, BreakPoint, m);
        }
    } else {
        l = Unit(A5g, g.T32);
        m = Turned(l);
        L = Cross(EdgeAnchor, l, BreakPoint, m);
    }
    EdgeTop = BreakPoint - l;
}

void TMenForCoat::Draft(const TMenPattern& g) {
    const bool dragging = DraggingCollar();
    type_ = g.Type();
    vest_ = dynamic_cast<const TVest*>(&g) != nullptr;
    const int sleeve = SleeveKindNow();
    raglan_ = sleeve == 15 || sleeve == 16;
    const float N = g.NeckLength;
    const Vector& A4 = g.A4;
    const Vector& A5g = g.A5;

    // 1. The sizes of the garment type.
    const Sizes sizes = SizesOf(type_);
    const float s1 = StandHeight = sizes.stand;
    Extension = sizes.extension;
    FallWidth = s1 + 1.5f;
    EndWidth = FloatStore::Scalar(double(FallWidth) * 0.888, "men's jacket collar: end width");

    // 2. - 4. The break point and its marks.
    Vector l = Unit(g.G7, g.T32);
    Vector m = Turned(l);
    PlaceBreak(g, l, m);
    Marks.Place(BreakPoint, L, l, m);
    ExtensionAtBreak = Dist(L, BreakPoint);

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

    // 9. The handle boxes.
    Gorge.PlaceBox();
    Break.PlaceBox();

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

// Steps 19 and 20: T33 on the waist line and the bottom of the front edge;
// the box's right side and bottom for now.
void TMenForCoat::PlaceFrontEdge(const TMenPattern& g) {
    const Vector down = Unit(g.FrontEdgeTurn ? g.G7 : g.A5, g.T32);
    const Vector toEdge = Vector::UnitNormalBetween(g.G7, g.T32);
    if (g.FrontEdgeTurn && BreakZone == 1) {
        const Vector l = Unit(g.G6, g.G8);
        EdgeBendUpper = Cross(g.G8, l, BreakPoint, Turned(l));
        const float d = Dist(g.G8, EdgeBendUpper);
        EdgeBendLower = g.G7 + Unit(g.G6, g.G7) * d;
        T33 = g.T32 + toEdge * d;
    } else if (g.FrontEdgeTurn && BreakZone == 2) {
        const Vector l = Unit(g.G6, g.G7);
        EdgeBendLower = Cross(g.G7, l, BreakPoint, Turned(l));
        T33 = g.T32 + toEdge * Dist(g.G7, EdgeBendLower);
    } else {
        T33 = Cross(g.T32, Turned(down), BreakPoint, down);
    }

    float right = 0, bottom = 0;
    if (const TVest* vest = dynamic_cast<const TVest*>(&g)) {
        const Vector l = Unit(vest->H5, g.H32);
        H33 = Cross(g.H32, l, T33, Unit(g.G3, g.T3));
        VestHemAbove = T33.y >= H33.y;
        if (!VestHemAbove) H33 = Cross(EdgeTop, Unit(EdgeTop, T33), g.H32, l);
        right = H33.x;
        bottom = vest->H5.y;
    } else {
        const bool blazer = Blazer(type_);
        const float hemY = blazer ? g.H31.y : g.B31.y;
        HemCorner = blazer ? g.H32 : g.B32;
        B33 = Vector(T33.x, hemY);
        right = T33.x;
        bottom = hemY;
    }
    BoxRight = right;
    BoxBottom = bottom;
}

// ---------------------------------------------------------------------------
// Dragging

Vector TMenForCoat::Limit(const CollarHandle& handle, const Vector& p) const {
    const TMenPattern* g = CurrentMenPattern();
    if (!g) Checked::Fail("men's jacket collar: no garment");
    if (&handle == &Gorge) {
        // A5 slides along A3 -> G8 through the garment's A5, within its limits.
        const Vector e = Unit(g->A3, g->G8);
        float s = Vector::Dot(p - g->A5, e);
        if (s > LimitTowardG8) s = LimitTowardG8;
        if (s < -LimitTowardA3) s = -LimitTowardA3;
        return g->A5 + e * s;
    }
    return LimitBreak(*g, p);
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

    // 3. Not left of the front edge at its height.
    Vector a = A5g, b = g.T32;
    if (g.FrontEdgeTurn) {
        if (p.y > g.G8.y) {
            b = g.G8;
        } else if (p.y > g.G7.y) {
            a = g.G8;
            b = g.G7;
        } else {
            a = g.G7;
        }
    }
    p.x = std::max(p.x, Geom::XAtY(a, b, p.y));

    // 4. Not below the waist line.
    const Vector up = Unit(g.T32, g.FrontEdgeTurn ? g.G7 : A5g);
    if (Vector::Dot(p - g.T32, up) < 0) {
        p = Cross(g.T32, Turned(up), p, Unit(EdgeTop, C));
        if (p.x < g.T32.x) p = g.T32;
    }

    // 5. The vest: inside its lower edge.
    if (const TVest* vest = dynamic_cast<const TVest*>(&g)) {
        const Vector n5 = Vector::UnitNormalBetween(vest->H5, g.H32);
        const float d5 = Vector::Dot(p - vest->H5, n5);
        if (d5 < 0) p = p - n5 * d5;
    }
    return p;
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
        dc.SetPenWidth(kOutlinePen);
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
    dc.SetPenWidth(kOutlinePen);
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
    Marks.Draw(dc, kOutlinePen);

    // 7. The front edge down to the hem.
    dc.MoveTo(EdgeTop);
    dc.SetPenWidth(kOutlinePen);
    dc.LineTo(BreakPoint);
    const bool turn = g && g->FrontEdgeTurn;
    const auto bends = [&](float above) {
        if (!turn) return;
        if (BreakZone == 1 && EdgeBendUpper.y > above) dc.LineTo(EdgeBendUpper);
        if ((BreakZone == 1 || BreakZone == 2) && EdgeBendLower.y > above) dc.LineTo(EdgeBendLower);
    };
    if (!vest_) {
        bends(-1e30f);
        dc.LineTo(T33);
        dc.LineTo(B33);
        dc.SetPenWidth(Blazer(type_) ? kOutlinePen : kConstructionPen);
        dc.LineTo(HemCorner);
    } else {
        const TVest* vest = dynamic_cast<const TVest*>(g);
        const Vector h5 = vest ? vest->H5 : H33;
        if (VestHemAbove) {
            bends(-1e30f);
            dc.LineTo(T33);
        } else {
            bends(H33.y + 1.0f);
        }
        dc.LineTo(H33);
        dc.LineTo(h5);
    }
    dc.SetPenWidth(kConstructionPen);
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
    Labels::Put(dc, printer, BreakPoint, "L0 :" + MeasureColumn::OneDecimalText(ExtensionAtBreak), 3);
    if (vest_) {
        if (VestHemAbove) put(T33, "T33", 2);
        put(H33, "H33", 3);
    } else {
        put(T33, "T33", 2);
        put(B33, Blazer(type_) ? "H33" : "B33", 2);
    }
}
