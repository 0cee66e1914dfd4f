#include "sleeves/set_in/SetInSleeve.h"

#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "set-in sleeve"); }

constexpr float kNotchDepth = 0.6f;  // point to foot
constexpr float kBarHalf = 0.2f;     // foot to either bar end

// The notch at the point t of the arc: foot along side·N̂, bar1 along side·T̂.
BalanceNotch NotchAt(const CapArc& arc, float t, float side) {
    BalanceNotch n;
    n.point = arc.Point(t);
    const Vector tangent = arc.Tangent(t);
    const Vector normal = Vector::Perpendicular(tangent);
    n.foot = n.point + normal * (side * kNotchDepth);
    n.bar1 = n.foot + tangent * (side * kBarHalf);
    n.bar2 = n.foot - tangent * (side * kBarHalf);
    return n;
}

// t on the arc where the length from its start is within kTolerance of
// target (0 ≤ target ≤ the arc's length + kTolerance).
float BisectLength(const CapArc& arc, float target, float startT) {
    float t = startT, lo = 0.0f, hi = 1.0f;
    float f = F(double(arc.LengthTo(t)) - target);
    for (int steps = 0; !(std::fabs(f) < SetIn::kTolerance); ++steps) {
        if (steps == SetIn::kMaxNotchSteps) throw 1;
        if (f > 0)
            hi = t;
        else
            lo = t;
        t = (lo + hi) / 2;
        f = F(double(arc.LengthTo(t)) - target);
    }
    return t;
}

}  // namespace

// ---------------------------------------------------------------------------
// Cap arcs

CapArc CapArc::Quad(const Vector& p0, const Vector& p1, const Vector& p2) {
    CapArc a;
    a.p[0] = p0;
    a.p[1] = p1;
    a.p[2] = p2;
    a.p[3] = p2;
    return a;
}

CapArc CapArc::Cubic(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int intervals) {
    CapArc a;
    a.p[0] = p0;
    a.p[1] = p1;
    a.p[2] = p2;
    a.p[3] = p3;
    a.cubic = true;
    a.intervals = intervals;
    return a;
}

float CapArc::LengthTo(float t) const {
    if (cubic) return F(Bezier3::ArcLength(p[0], p[1], p[2], p[3], 0.0, t, intervals));
    return Bezier2::ArcLength(p[0], p[1], p[2], 0.0f, t);
}

Vector CapArc::Point(float t) const {
    return cubic ? Bezier3::Point(p[0], p[1], p[2], p[3], t) : Bezier2::Point(p[0], p[1], p[2], t);
}

Vector CapArc::Tangent(float t) const {
    return cubic ? Bezier3::Tangent(p[0], p[1], p[2], p[3], t) : Bezier2::Tangent(p[0], p[1], p[2], t);
}

// ---------------------------------------------------------------------------
// The frame's steps

SetIn::Sizes SetIn::DeriveSizes(TSleeve& s, const SleeveGarment& g, double capFactor, double levelFactor) {
    const double a = g.armholeLength, n = g.capEaseNorm, h = g.interliningEase;
    s.UpperArmEaseTotal = F(s.UpperArmEase + 3 * h);
    s.WristEaseTotal = F(s.WristEase + 3 * h);
    s.CapEase = F(capFactor * a * n);
    Sizes z;
    z.width = F(double(s.UpperArmGirth) + s.UpperArmEaseTotal);
    z.wristWidth = F(double(s.WristGirth) + s.WristEaseTotal);
    z.capLengthRequired = F((n + 1) * a);
    z.startLevel = F(0.5 * z.width - levelFactor * (n + 1) * a);
    return z;
}

BalanceNotch SetIn::PlaceNotch(const CapArc* chain, std::size_t count, float target, float side, float startT) {
    if (count == 0) Checked::Fail("notch on no arc");
    std::size_t i = 0;
    float rest = target;
    for (float whole = chain[0].Length(); rest > whole && i + 1 < count; whole = chain[i].Length()) {
        rest = F(double(rest) - whole);
        ++i;
    }
    // Beyond the end of the last arc the search could never close in.
    if (!(rest < chain[i].Length() + kTolerance)) throw 1;
    return NotchAt(chain[i], BisectLength(chain[i], rest, startT), side);
}

BalanceNotch SetIn::ArmholeNotch(const ArmholeArc (&lower)[2], const ArmholeArc& beyond, float length, float side) {
    const CapArc chain[] = {CapArc::Quad(lower[0].start, lower[0].ctrl, lower[0].end),
                            CapArc::Quad(lower[1].start, lower[1].ctrl, lower[1].end),
                            CapArc::Quad(beyond.start, beyond.ctrl, beyond.end)};
    return PlaceNotch(chain, length, side);
}

BalanceNotch SetIn::TopBar(const Vector& top) {
    BalanceNotch n;
    n.point = n.foot = top;
    n.bar1 = Vector(F(double(top.x) - kBarHalf), F(double(top.y) - kNotchDepth));
    n.bar2 = Vector(F(double(top.x) + kBarHalf), F(double(top.y) - kNotchDepth));
    return n;
}

BalanceNotch SetIn::TopNotch(const CapArc& firstFrontArc) { return PlaceNotch(&firstFrontArc, 1, 1.0f, -1.0f, 0.2f); }

SetIn::CapCorner SetIn::RoundCorner(const Vector& corner, const Vector& down, const Vector& along, double share) {
    const Vector dP = Vector::UnitBetween(corner, down), dT = Vector::UnitBetween(corner, along);
    const Vector b = FloatStore::Unit(double(dP.x) + dT.x, double(dP.y) + dT.y, "sleeve cap corner");
    CapCorner k;
    k.point = corner + b * F(share * Vector::Dot(b, dT));
    const Vector n = Vector::UnitNormalBetween(corner, k.point);
    k.topCtrl = DraftSteps::Crossing(corner, dT, k.point, n, "sleeve cap corner: parallel lines");
    k.lowerCtrl = DraftSteps::Crossing(corner, dP, k.point, n, "sleeve cap corner: parallel lines");
    return k;
}

SetIn::LowerBackCap SetIn::BuildLowerBack(const Vector& p5, const Vector& o4, const Vector& underarm,
                                          const Vector& seamEnd) {
    LowerBackCap c;
    c.point4 = (underarm + p5) / 2;
    const float half = Geom::Distance(p5, c.point4);
    c.ctrl1 = p5 + Vector::UnitBetween(o4, p5) * F(0.2 * half);
    const Vector down = Vector::UnitBetween(p5, underarm);
    c.point5 = c.point4 + Vector::UnitNormalBetween(p5, underarm) * F(0.05 * Geom::Distance(p5, underarm));
    c.ctrl2 = c.point5 - down * F(0.25 * half);
    c.seamCtrl = DraftSteps::Crossing(underarm, Vector::UnitNormalBetween(underarm, seamEnd), c.point5, down,
                                      "sleeve back cap: parallel lines");
    return c;
}

void SetIn::DrawNotch(TDrawContext& dc, const BalanceNotch& n, bool stem) {
    dc.SetPenWidth(1);
    if (stem) {
        dc.MoveTo(n.point);
        dc.LineTo(n.foot);
    }
    dc.MoveTo(n.bar1);
    dc.LineTo(n.bar2);
}

// ---------------------------------------------------------------------------
// Drawing

void TSetInSleeve::Draw() { DrawOutline(ScreenDC, GarmentSheets::kScreenOutline); }

void TSetInSleeve::DrawLabels() { WriteLabels(ScreenDC, false); }

void TSetInSleeve::DrawPiece(TDrawContext& dc, bool printer) {
    DrawOutline(dc, printer ? GarmentSheets::kPaperOutline : GarmentSheets::kScreenOutline);
    WriteLabels(dc, printer);
}
