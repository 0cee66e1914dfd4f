#include "garments/common/JeansYoke.h"

#include <cmath>

#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

using DraftSteps::Arc;
using DraftSteps::Mid;

namespace {

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "jeans yoke draft"); }

// origin + u·along + n·across, kept as float.
Vector Offset(const Vector& origin, const Vector& u, double along, const Vector& n, double across) {
    return FloatStore::Point(origin.x + u.x * along + n.x * across, origin.y + u.y * along + n.y * across,
                             "jeans yoke draft");
}

bool DrawnAsQuadratic(double turn) { return std::fabs(turn) <= kYokeArcThreshold; }

// One waist edge of the yoke: the end of an arc of length Lw that leaves
// "13" along dir and turns by a towards n is moved until its distance from
// `other` is `target` (to kYokeFitTolerance).  Answers the turn a; `end`
// holds the fitted end.
float FitWaistEdge(const Vector& p13, const Vector& dir, const Vector& n, float Lw, float target,
                   const Vector& other, Vector& end) {
    float a = 0.0f;
    float delta = F(double(target) - Geom::Distance(other, end));
    for (int step = 0; std::fabs(delta) > kYokeFitTolerance; ++step) {
        if (step == TJeansYoke::kMaxFitSteps) Checked::Fail("yoke waist fit");
        a = F(a + Checked::Div(2.0 * delta, Lw, "yoke waist fit"));
        end = Offset(p13, dir, double(Lw) * Geom::SinX_X(a), n, double(Lw) * Geom::OneMinusCosX_X(a));
        delta = F(double(target) - Geom::Distance(other, end));
    }
    return a;
}

// A waist edge of the yoke from "13" along dir, its end fitted (FitWaistEdge
// over the edge's length as it starts), then drawn as a quadratic curve
// (its control) or, turned further, as an arc (its centre).
void ShapeWaistEdge(const Vector& p13, const Vector& dir, const Vector& n, float target, const Vector& other,
                    Vector& end, float& turn, int& mode, Vector& ctrl, Vector& centre) {
    const float Lw = Geom::Distance(p13, end);
    turn = FitWaistEdge(p13, dir, n, Lw, target, other, end);
    if (DrawnAsQuadratic(turn)) {
        mode = kYokeQuadratic;
        ctrl = p13 + dir * F(Geom::Distance(p13, end) / (2.0 * std::cos(turn / 2.0)));
    } else {
        mode = kYokeArcs;
        centre = p13 + n * F(Checked::Div(Lw, turn, "yoke waist arc"));
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// The back

void TJeansYoke::DraftSeat(float hipHalfGirth, float hipEase, float seatDepth, float seatEase, float hipY,
                           float crotchY) {
    const float hips = F(double(hipHalfGirth) + hipEase);
    // The back hip width A, turned up by α.
    const float A = F(0.5 * hips + 1.0);
    const float alpha = F(Checked::Div(YokeConstants.backTilt * (double(hipHalfGirth) + seatDepth), A, "back seat tilt"));
    const float ax = F(A * std::cos(double(alpha)));
    const float ay = F(A * std::sin(double(alpha)));
    // m: from B5 down to the crotch line, square to B3 → B5.
    const float m = F(std::tan(double(alpha)) * (seatDepth / 3.0 + seatEase - 1.0 + ay));
    // e: the back crotch extension.
    const float e = F(0.2 * hips);
    B3 = Vector(F(-(double(ax) + m + e) / 2.0), hipY);
    B4 = Vector(F(double(B3.x) + A), hipY);
    B5 = Vector(F(double(B3.x) + ax), F(double(hipY) + ay));
    C3 = Vector(F(double(B5.x) + m), crotchY);
    C4 = Vector(F(double(C3.x) + e), crotchY);
    // The back centre line continued above B5 by the depth of the hip line.
    T5 = B5 + Vector::UnitBetween(C3, B5) * -hipY;
}

void TJeansYoke::DraftSide(float bulge) {
    P9 = Mid(B3, T6);
    const Vector u = Vector::UnitBetween(B3, T6);
    P10 = bulge > 0.0f ? P9 + Vector::UnitNormalBetween(B3, T6) * bulge : P9;
    const float d = Geom::Distance(B3, T6);
    SideUpperCtrl = P10 + u * F(d / 6.0);
    SideLowerCtrl = P10 - u * F(d / YokeConstants.lowerSideDivisor);
}

void TJeansYoke::DraftYoke(const Vector& B0, float excess, float seatDepth, float depth) {
    // The yoke line through "y", along the hip line.
    P13 = Mid(T5, T6);
    Y = P13 + Vector::UnitNormalBetween(T5, T6) * depth;
    const Vector along = Vector::UnitBetween(B0, B3);
    T51 = Geom::IntersectLines(Y, B5, along, Vector::UnitBetween(B5, T5));
    YokeT = 0.5f;
    if (Y.y >= P10.y)
        T61 = Bezier2::CrossLine(Y, along, P10, SideUpperCtrl, T6, YokeT);
    else
        T61 = Bezier2::CrossLine(Y, along, P10, SideLowerCtrl, B3, YokeT);

    // The seam: two arcs of lengths L1, L2 from "y" that together turn by
    // k = seamTurn·D/W, shared in proportion to the lengths.
    const float k = F(Checked::Div(YokeConstants.seamTurn * excess, seatDepth, "yoke seam turn"));
    const float shrink = F(1.0 - YokeConstants.seamShrink * k);
    const float L1 = F(double(shrink) * Geom::Distance(Y, T51));
    const float L2 = F(double(shrink) * Geom::Distance(Y, T61));
    const float k1 = F(Checked::Div(double(k) * L2, double(L1) + L2, "yoke seam turn"));
    const float k2 = F(double(k) - k1);
    {
        const Vector u = Vector::UnitBetween(Y, T51);
        const Vector n = Vector::UnitNormalBetween(Y, T51);
        T52 = Offset(Y, u, double(L1) * Geom::SinX_X(k1), n, double(L1) * Geom::OneMinusCosX_X(k1));
        T62 = Offset(Y, u, -double(L2) * Geom::SinX_X(k2), n, double(L2) * Geom::OneMinusCosX_X(k2));
    }
    if (DrawnAsQuadratic(k)) {
        SeamMode = kYokeQuadratic;
        SeamCtrl51 = Vector(F(Y.x + Geom::Distance(Y, T52) / (2.0 * std::cos(k1 / 2.0))), Y.y);
        SeamCtrl61 = Vector(F(Y.x - Geom::Distance(Y, T62) / (2.0 * std::cos(k2 / 2.0))), Y.y);
    } else {
        SeamMode = kYokeArcs;
        SeamCentre51 = Vector(Y.x, F(Y.y + Checked::Div(L1, k1, "yoke seam arc")));
        SeamCentre61 = Vector(Y.x, F(Y.y + Checked::Div(L2, k2, "yoke seam arc")));
    }

    // The waist edges: T53, T63 first 0.11·D in from T5, T6 along the waist,
    // then turned until the centre edge T52–T53 is as long as T51–T5 and the
    // side edge T62–T63 as long as T61–T6.
    const Vector u = Vector::UnitBetween(P13, T5);
    const Vector n = Vector::UnitNormalBetween(P13, T5);
    T53 = T5 - u * F(0.11 * excess);
    T63 = T6 + u * F(0.11 * excess);
    ShapeWaistEdge(P13, u, n, Geom::Distance(T51, T5), T52, T53, TurnT53, TopModeT53, TopCtrl53, TopCentre53);
    ShapeWaistEdge(P13, u * -1.0f, n, Geom::Distance(T61, T6), T62, T63, TurnT63, TopModeT63, TopCtrl63, TopCentre63);

    // The side edge: the side curve above the yoke line, turned and
    // stretched from T61 → T6 onto T62 → T63.
    const Matrix2 M = Matrix2::MapSegment(T61, T6, T62, T63);
    auto image = [&](const Vector& p) { return T62 + Matrix2::Apply(M, p - T61); };
    EdgeP10 = image(P10);
    EdgeUpperCtrl = image(SideUpperCtrl);
    if (Y.y <= P10.y) {
        EdgeLowerCtrl = image(SideLowerCtrl);
        EdgeB3 = image(B3);
    }
}

void TJeansYoke::DraftPentagon() {
    PentTop = Vector(F((double(T61.x) + T51.x) / 2.0), F(Y.y - 2.0));
    PentBottom = Vector(PentTop.x, F(PentTop.y - 15.0));
    PentTopLeft = Vector(F(PentTop.x - 7.0), PentTop.y);
    PentTopRight = Vector(F(PentTop.x + 7.0), PentTop.y);
    PentLowLeft = Geom::CircleCross(PentTopLeft, PentBottom, 12.0f, 6.5f, 0);
    PentLowRight = Geom::CircleCross(PentTopRight, PentBottom, 12.0f, 6.5f, 1);
}

float TJeansYoke::CrotchSeamLength(const Vector& backStart, const Vector& backEnd, const Vector& T111,
                                   const Vector& B1, const Vector& frontCtrl, const Vector& C2) const {
    float length = Arc(backStart, C3, backEnd);
    length += Geom::Distance(T53, T52);
    length += Geom::Distance(T51, backStart);
    length += Geom::Distance(backEnd, C5);
    length += Geom::Distance(T111, B1);
    length += Arc(B1, frontCtrl, C2);
    return F(length);
}

std::vector<ValueTableRow> TJeansYoke::SeatRows(const Vector& B) const {
    return {{"[ B, B3 ]", F(double(B.x) - B3.x)}, {"[ B3, B4 ]", F(double(B4.x) - B3.x)},
            {"[ B4, B5 ]", Geom::Distance(B4, B5)}, {"[ C0, C3 ]", C3.x},
            {"[ B5, T5 ]", Geom::Distance(B5, T5)}, {"[ C3, C4 ]", F(double(C4.x) - C3.x)}};
}

void TJeansYoke::SeatSegments(const Vector& B, float* lengths) const {
    for (const ValueTableRow& r : SeatRows(B)) *lengths++ = r.value;
}

std::vector<ValueTableRow> TJeansYoke::YokeRows() const {
    return {{"[ 13, y ]", Geom::Distance(P13, Y)},     {"[ y, T52 ]", Geom::Distance(Y, T52)},
            {"[ T51, T52 ]", Geom::Distance(T51, T52)}, {"[ y, T62 ]", Geom::Distance(Y, T62)},
            {"[ T61, T62 ]", Geom::Distance(T61, T62)}, {"[ 13, T63 ]", Geom::Distance(P13, T63)},
            {"[ T6, T63 ]", Geom::Distance(T6, T63)},   {"[ 13, T53 ]", Geom::Distance(P13, T53)},
            {"[ T5, T53 ]", Geom::Distance(T5, T53)}};
}

void TJeansYoke::YokeSegments(float* lengths) const {
    for (const ValueTableRow& r : YokeRows()) *lengths++ = r.value;
}

void TJeansYoke::DrawYoke(TDrawContext& dc) const {
    // The waist edges, from T63 over "13" to T53, and the centre edge.
    if (TopModeT63 == kYokeArcs)
        dc.Arc3(TopCentre63, T63, P13, 1, 20);
    else
        dc.Bezier2(T63, TopCtrl63, P13, 20);
    if (TopModeT53 == kYokeArcs)
        dc.Arc3(TopCentre53, P13, T53, 1, 20);
    else
        dc.Bezier2(P13, TopCtrl53, T53, 20);
    dc.LineTo(T52);
    // The seam T52 → "y" → T62.
    if (SeamMode == kYokeArcs) {
        dc.Arc3(SeamCentre51, Y, T52, 0, 20);
        dc.Arc3(SeamCentre61, T62, Y, 0, 20);
    } else {
        dc.Bezier2(T52, SeamCtrl51, Y, 20);
        dc.Bezier2(Y, SeamCtrl61, T62, 20);
    }
    // The side edge up to T63.
    if (LowYoke()) {
        dc.Bezier2Part(EdgeB3, EdgeLowerCtrl, EdgeP10, 1.0f - YokeT, 1.0f, 7);
        dc.Bezier2(EdgeP10, EdgeUpperCtrl, T63, 20);
    } else {
        dc.Bezier2Part(EdgeP10, EdgeUpperCtrl, T63, YokeT, 1.0f, 16);
    }
}

void TJeansYoke::DrawPanelSide(TDrawContext& dc) const {
    if (LowYoke()) {
        dc.Bezier2Part(P10, SideLowerCtrl, B3, YokeT, 1.0f, 14);
    } else {
        dc.Bezier2Part(T6, SideUpperCtrl, P10, 1.0f - YokeT, 1.0f, 7);
        dc.Bezier2(P10, SideLowerCtrl, B3, 17);
    }
}

void TJeansYoke::DrawPentagon(TDrawContext& dc) const {
    dc.MoveTo(PentTopLeft);
    dc.LineTo(PentTopRight);
    dc.LineTo(PentLowRight);
    dc.LineTo(PentBottom);
    dc.LineTo(PentLowLeft);
    dc.LineTo(PentTopLeft);
}

void TJeansYoke::DrawPentagonAxis(TDrawContext& dc) const {
    dc.MoveTo(PentTop);
    dc.LineTo(PentBottom);
}

void TJeansYoke::DrawBackConstruction(TDrawContext& dc, const Vector& B1) const {
    dc.MoveTo(B3);
    dc.LineTo(B1);
    dc.MoveTo(B4);
    dc.Arc3(B3, B4, B5, 1, 10);
    dc.LineTo(B3);
    dc.LineTo(P9);
    dc.LineTo(P10);
    dc.MoveTo(P9);
    dc.LineTo(T6);
    // The back side curve above the yoke line.
    if (LowYoke()) {
        dc.Bezier2(T6, SideUpperCtrl, P10, 20);
        dc.Bezier2Part(P10, SideLowerCtrl, B3, 0.0f, YokeT, 7);
    } else {
        dc.Bezier2Part(T6, SideUpperCtrl, P10, 0.0f, 1.0f - YokeT, 16);
    }
    dc.MoveTo(T6);
    dc.LineTo(T5);
    dc.LineTo(T51);
}

void TJeansYoke::DrawCrotchConstruction(TDrawContext& dc, const Vector& from, const Vector& to,
                                        const Vector& C) const {
    dc.MoveTo(from);
    dc.LineTo(C3);
    dc.LineTo(to);
    dc.MoveTo(C5);
    dc.Arc3(C3, C5, C4, 1, 10);
    dc.LineTo(C);
}

// ---------------------------------------------------------------------------
// The front

void TJeansFront::DraftFrontWaist(float excess, float waistWidth) {
    T = Vector(B.x, 0);
    T1 = Vector(B1.x, 0);
    T11 = Vector(F(T1.x - excess / 6.0), 0);
    T111 = Vector(T11.x, F(excess / 28.0));
    T3 = Vector(F(double(T11.x) - waistWidth), 0);
    T4 = Vector(T3.x, F(excess / 9.0));
    C = Vector(B.x, C0.y);
    C1 = Vector(B1.x, C0.y);
}

void TJeansFront::DraftHipCurve(float bulge) {
    P1 = Mid(B, T4);
    const Vector u = Vector::UnitBetween(B, T4);
    P2 = bulge > 0.0f ? P1 + Vector::UnitNormalBetween(B, T4) * bulge : P1;
    HipUpperCtrl = P2 + u * F(Geom::Distance(P1, T4) / 3.0);
    HipLowerCtrl = P2 - u * F(Geom::Distance(P1, B) / 2.0);
}

void TJeansFront::DraftCrotch(float share) {
    const Vector centre = Vector::UnitBetween(T111, B1);
    CrotchCorner = Geom::IntersectLines(C2, B1, Vector::UnitBetween(C2, C0), centre);
    CrotchCtrl = CrotchCorner - centre * F(double(share) * Geom::Distance(B1, CrotchCorner));
}

void TJeansFront::DraftWaistControls() {
    WaistCtrl11 = Vector(F(T11.x / 2.0), 0);
    WaistCtrl3 = Vector(F(T3.x / 2.0), 0);
}

void TJeansFront::DraftArcLine(const Vector& c1, const Vector& c2, const Vector& c3) {
    const float r = F(0.914 * Geom::Distance(T4, T0));
    ArcOnWaist = Bezier2::CrossCircle(T4, r, T4, WaistCtrl3, T0, 10);
    if (Geom::Distance(T4, P2) >= r)
        ArcOnSide = Bezier2::CrossCircle(T4, r, P2, HipUpperCtrl, T4, 10);
    else if (Geom::Distance(T4, B) >= r)
        ArcOnSide = Bezier2::CrossCircle(T4, r, P2, HipLowerCtrl, B, 10);
    else
        ArcOnSide = Bezier3::CrossCircle(T4, r, B, c1, c2, c3, 20);
}

void TJeansFront::DrawHip(TDrawContext& dc) const {
    dc.Bezier2(T4, HipUpperCtrl, P2, 20);
    dc.Bezier2(P2, HipLowerCtrl, B, 20);
}

void TJeansFront::DrawCrotchAndWaist(TDrawContext& dc) const {
    dc.Bezier2(C2, CrotchCtrl, B1, 30);
    dc.LineTo(T111);
    dc.Bezier2(T111, WaistCtrl11, T0, 15);
    dc.Bezier2(T0, WaistCtrl3, T4, 15);
}

void TJeansFront::DrawArcLine(TDrawContext& dc) const { dc.Arc3(T4, ArcOnSide, ArcOnWaist, 1, 40); }

void TJeansFront::DrawHipConstruction(TDrawContext& dc) const {
    dc.MoveTo(C);
    dc.LineTo(T);
    dc.LineTo(T3);
    dc.LineTo(T4);
    dc.LineTo(P1);
    dc.LineTo(P2);
    dc.MoveTo(P1);
    dc.LineTo(B);
}

void TJeansFront::DrawWaistConstruction(TDrawContext& dc) const {
    dc.MoveTo(T3);
    dc.LineTo(T11);
    dc.LineTo(T111);
    dc.MoveTo(T11);
    dc.LineTo(T1);
    dc.LineTo(C1);
}
