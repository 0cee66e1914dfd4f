#include "collars/MenLapel.h"

#include <algorithm>

#include "collars/LapelSteps.h"
#include "garments/coats_men/MenPattern.h"
#include "garments/coats_men/Vest.h"
#include "garments/common/PointLabels.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "shell/MeasureColumn.h"

namespace {

using namespace LapelSteps;

}  // namespace

TMenLapelCollar::Sizes TMenLapelCollar::SizesOf(int type, const Sizes (&table)[4]) {
    if (type >= 28 && type <= 30) return table[0];
    if (type >= 31 && type <= 33) return table[1];
    if (type == 34 || type == 35) return table[2];
    if (type == MenPatternType::kVest) return table[3];
    return {3.0f, 3.0f};
}

void TMenLapelCollar::Construct() { Draft(Garment()); }

const TMenPattern& TMenLapelCollar::Garment() const {
    const TMenPattern* g = CurrentMenPattern();
    if (!g) Checked::Fail("men's lapel collar: the garment is not a men's vest, coat or blazer");
    return *g;
}

void TMenLapelCollar::Take(const TMenPattern& g, const Sizes (&table)[4]) {
    type_ = g.Type();
    vest_ = dynamic_cast<const TVest*>(&g) != nullptr;
    blazer_ = type_ == 34 || type_ == 35;
    const Sizes sizes = SizesOf(type_, table);
    StandHeight = sizes.stand;
    Extension = sizes.extension;
    FallWidth = StandHeight + 1.5f;
}

void TMenLapelCollar::PlaceBreak(const TMenPattern& g, Vector& l, Vector& m) {
    const Vector& A5g = g.A5;
    const float s2 = Extension;
    const Vector o = Unit(g.G4, g.G3);
    l = Unit(g.G7, g.T32);
    m = Turned(l);
    if (!DraggingCollar()) {
        BreakZone = 3;
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
    } else {
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
                L = Cross(g.G7, l, BreakPoint, m);
            }
        } else {
            l = Unit(A5g, g.T32);
            m = Turned(l);
            L = Cross(EdgeAnchor, l, BreakPoint, m);
        }
        EdgeTop = BreakPoint - l;
    }
    Marks.Place(BreakPoint, L, l, m);
    ExtensionAtBreak = Dist(L, BreakPoint);
    Break.PlaceBox();
}

void TMenLapelCollar::PlaceFrontEdge(const TMenPattern& g) {
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
        const float hemY = blazer_ ? g.H31.y : g.B31.y;
        HemCorner = blazer_ ? g.H32 : g.B32;
        B33 = Vector(T33.x, hemY);
        right = T33.x;
        bottom = hemY;
    }
    BoxRight = right;
    BoxBottom = bottom;
}

Vector TMenLapelCollar::LimitToFrontEdge(const TMenPattern& g, const Vector& C, Vector p) const {
    const Vector& A5g = g.A5;
    // Not left of the front edge at its height.
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

    // Not below the waist line.
    const Vector up = Unit(g.T32, g.FrontEdgeTurn ? g.G7 : A5g);
    if (Vector::Dot(p - g.T32, up) < 0) {
        p = Cross(g.T32, Turned(up), p, Unit(EdgeTop, C));
        if (p.x < g.T32.x) p = g.T32;
    }

    // The vest: inside its lower edge.
    if (const TVest* vest = dynamic_cast<const TVest*>(&g)) {
        const Vector n5 = Vector::UnitNormalBetween(vest->H5, g.H32);
        const float d5 = Vector::Dot(p - vest->H5, n5);
        if (d5 < 0) p = p - n5 * d5;
    }
    return p;
}

void TMenLapelCollar::DrawFrontEdgeDown(TDrawContext& dc) const {
    const TMenPattern* g = CurrentMenPattern();
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
        dc.SetPenWidth(blazer_ ? OutlinePen(dc) : kConstructionPen);
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

void TMenLapelCollar::LabelBreak(TDrawContext& dc, bool printer) const {
    Labels::Put(dc, printer, BreakPoint, "L0 :" + MeasureColumn::OneDecimalText(ExtensionAtBreak), 3);
}

void TMenLapelCollar::LabelHem(TDrawContext& dc, bool printer) const {
    if (vest_) {
        if (VestHemAbove) Labels::Put(dc, printer, T33, "T33", 2);
        Labels::Put(dc, printer, H33, "H33", 3);
    } else {
        Labels::Put(dc, printer, T33, "T33", 2);
        Labels::Put(dc, printer, B33, blazer_ ? "H33" : "B33", 2);
    }
}
