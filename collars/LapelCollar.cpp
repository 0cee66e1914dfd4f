#include "collars/LapelCollar.h"

#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "platform/Text.h"

namespace {

constexpr float kRollStart = 1.0f;     // L1 above the break point
constexpr float kMarkOut = 0.8f;       // the buttonhole's outer end past the front centre
constexpr float kMarkLength = 2.5f;
constexpr float kMarkHalfBar = 0.2f;
constexpr float kCentreHalfTick = 0.1f;
constexpr float kBreakHalfTick = 0.2f;

std::string Length(const char* prefix, float value) { return prefix + FormatFixed(value, 5, 1); }

}  // namespace

TLapelCollar::Sizes TLapelCollar::SizesFor(int type) {
    if (type == 7 || type == 8) return {2.5f, 3.0f, 2.0f};
    if (type == 9 || type == 10) return {2.5f, 3.0f, 2.5f};
    if (type >= 11 && type <= 14) return {4.0f, 4.0f, 5.0f};
    return {3.0f, 3.0f, 3.0f};
}

TLapelCollar::TLapelCollar(int kind) : TCollarFrame(kind) { AddHandle(BreakPoint); }

void TLapelCollar::PlaceBreak(const Vector& defaultPoint, const Vector& a5, float hemY) {
    PlaceHandle(BreakPoint, defaultPoint);
    const Vector& b = BreakPoint.Point;
    L = Vector(a5.x, b.y);
    L1 = Vector(b.x, b.y + kRollStart);
    EdgeBottom = Vector(b.x, hemY);
    MarkRight = Vector(L.x + kMarkOut, b.y);
    MarkLeft = Vector(MarkRight.x - kMarkLength, b.y);
    for (int k = 0; k < 2; ++k) {
        const float side = k == 0 ? 1.0f : -1.0f;
        MarkRightBar[k] = Vector(MarkRight.x, b.y + side * kMarkHalfBar);
        MarkLeftBar[k] = Vector(MarkLeft.x, b.y + side * kMarkHalfBar);
        CentreTick[k] = Vector(a5.x, b.y - side * kCentreHalfTick);
        BreakTick[k] = Vector(b.x + side * kBreakHalfTick, b.y);
    }
}

void TLapelCollar::PlaceRoll(const Vector& c, const Vector& g3, const Vector& a5, float highest) {
    ExtensionAtBreak = BreakPoint.Point.x - g3.x;
    RollFront = Geom::IntersectLines(L1, g3, eVector(L1, c), eVector(g3, a5));
    RollDepth = a5.y - RollFront.y;
    limitA5_ = a5;
    limitC_ = c;
    limitTop_ = highest;
}

Vector TLapelCollar::Limit(const DragHandle&, const Vector& drag) const {
    Vector p = drag;
    if (p.x < limitA5_.x) p.x = limitA5_.x;
    if (p.y > limitTop_) p.y = limitTop_;
    // Not above the line 1 cm below c parallel to c -> A5: L1 stays below
    // the line c -> A5 itself.
    const nVector n(limitC_, limitA5_);
    const float g = Vector::Dot(Vector(p.x - limitC_.x, p.y + kRollStart - limitC_.y), n);
    return g > 0 ? p - n * g : p;
}

void TLapelCollar::DrawFrontEdge(TDrawContext& dc, const Vector& hem) const {
    const Vector& b = BreakPoint.Point;
    dc.MoveTo(hem);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(EdgeBottom);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(b);
    dc.MoveTo(BreakTick[0]);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(BreakTick[1]);
    for (const Vector* tick : {MarkRightBar, CentreTick, MarkLeftBar}) {
        dc.MoveTo(tick[0]);
        dc.LineTo(tick[1]);
    }
    dc.SetPenWidth(OutlinePen(dc));
    dc.MoveTo(MarkLeft);
    dc.LineTo(MarkRight);
    dc.MoveTo(b);
    dc.LineTo(L1);
}

void TLapelCollar::LabelBreak(TDrawContext& dc, bool printer) const {
    Labels::Put(dc, printer, L1, "L1", 2);
    Labels::Put(dc, printer, BreakPoint.Point, Length("L0 :", ExtensionAtBreak), 3);
    Labels::Put(dc, printer, L, "L", 4);
    Labels::Put(dc, printer, RollFront, Length(":", RollDepth), 2);
}
