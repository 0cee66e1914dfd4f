#include "sleeves/set_in/TwoSeam.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "two-seam sleeve"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "two-seam sleeve: parallel lines");
}

// p mirrored in the vertical x = axis.
Vector MirrorX(const Vector& p, float axis) { return Vector(F(2.0 * axis - p.x), p.y); }

float Len(const Vector& a, const Vector& b, const Vector& c) { return DraftSteps::Arc(a, b, c); }

// The cubic's length from 0 to t by Simpson's rule with n double intervals.
float CubicLength(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double t, int n) {
    return F(Bezier3::ArcLength(p0, p1, p2, p3, 0.0, t, n));
}

double Distance(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }

// The square root of the hem's constructions: a wrist or an elbow too wide
// for the sleeve's length leaves none, and the sleeve cannot be built.
double HemRoot(double x) {
    if (!(x >= 0.0)) throw 1;
    return Checked::Sqrt(x, "two-seam sleeve hem");
}

}  // namespace

TTwoSeam::TTwoSeam(int kind) : TSetInSleeve(kind) {}

// ---------------------------------------------------------------------------
// The draft

void TTwoSeam::Draft(const SleeveGarment& g) {
    Family = g.family;
    // The women's and the coats' sleeve hangs from the shoulder pad; the
    // shirts' does not.
    const double pad = g.family == SleeveGarment::Family::MenShirt ? 0.0 : ShoulderPad;
    const double h = g.interliningEase;

    // 1. Eases, cap ease (0.662·A·n, the men's 0.715·A·n), W, Wr,
    // (n + 1)·A; the first underarm level (the men's 1 cm higher).
    const double factor = Women() ? 0.662 : 0.715;
    const SetIn::Sizes z = SetIn::DeriveSizes(*this, g, factor, factor);
    SleeveWidth = z.width;
    WristWidth = z.wristWidth;
    CapLengthRequired = z.capLengthRequired;

    // 2. The cap's top line.
    O2 = Vector(0, 0);
    O = Vector(F(0.25 * SleeveWidth), 0);
    O1 = Vector(F(-0.25 * SleeveWidth), 0);
    O3 = Vector(F((Women() ? 0.15 : 0.125) * SleeveWidth), 0);
    O4 = Vector(F(-0.125 * SleeveWidth), 0);
    // The women's elbow level fixes their front seam's circle.
    L31 = Vector(F(1.25 * SleeveWidth / 4 - 1), F(-(0.58 * ArmLength + pad + CapEase + h)));

    // 3, 4. Build the caps and fit them to (n + 1)·A.
    float y0 = Women() ? z.startLevel : F(double(z.startLevel) + 1);
    const SetIn::CapMismatch m = PlaceUnderarmLine(y0);
    SetIn::FitCap(y0, m, [this](float level, float) { return PlaceUnderarmLine(level); });

    // 5. The cap-top mark: the shirts' notch 1 cm down the front cap, the
    // others' bar 0.6 cm below the top.
    if (g.family == SleeveGarment::Family::MenShirt)
        TopNotch = SetIn::TopNotch(CapArc::Quad(O2, O3, FrontArcJoin));
    else
        TopNotch = SetIn::TopBar(O2);

    PlaceNotches(g);
    BuildLowerSleeve(y0, pad, h);
}

SetIn::CapMismatch TTwoSeam::PlaceUnderarmLine(float y0) {
    P = Vector(O.x, y0);
    P2 = Vector(0, y0);
    P4 = Vector(O1.x, y0);
    P5 = Vector(O1.x, F(0.36 * y0));
    if (Women()) {
        P1 = Vector(O.x, F(2.0 / 3 * y0));
        P91 = Vector(F(L31.x + 1.0), y0);
        FrontArcEnd = Vector(F(O.x + 0.2 * SleeveWidth), y0);
        P3 = Vector(F(O.x - 0.2 * SleeveWidth), y0);
        // The top sleeve's front seam circle through L31 and P91.
        const double k = double(y0) - L31.y;
        FrontSeamRadius = F((k * k + 1) / 2);
        FrontSeamCentre = Vector(F(L31.x + double(FrontSeamRadius)), L31.y);
    } else {
        const double e = 0.13 * SleeveWidth / 2;
        P9 = Vector(F(O.x + e), y0);
        UnderFrontTop = Vector(F(O.x - e), y0);
        UnderFrontMid = Vector(F(0.5 * UnderFrontTop.x), y0);
        P3 = Vector(UnderFrontMid.x, F(double(y0) - 1));
    }
    BuildCap();
    CapMismatch = F(double(CapLengthRequired) - CapLength);
    return {CapMismatch, 0.0f};
}

void TTwoSeam::BuildWomensFront() {
    // The arc P1 → FrontArcEnd leaves P1 along O3 → P1; P9 where it meets
    // the front seam circle.
    const Vector dP = Vector::UnitBetween(O3, P1);
    FrontArcCtrl = Cross(P1, dP, P, Vector(1, 0));
    FrontArcParam = 0.5f;
    P9 = Bezier3::CrossCurve(FrontSeamCentre, FrontSeamRadius, P1, FrontArcCtrl, FrontArcEnd, FrontArcParam);
    UnderFrontTop = Vector(F(P9.x - SleeveWidth / 8.0), P9.y);
    // The under sleeve's front leaves UnderFrontTop as the top sleeve's
    // reaches P9, mirrored.
    const Vector t = Bezier2::Tangent(P1, FrontArcCtrl, FrontArcEnd, FrontArcParam);
    const Vector d(-t.x, t.y);
    UnderFrontGuideCtrl = Cross(UnderFrontTop, d, O, Vector(0, -1));
    UnderFrontCtrl = Cross(UnderFrontTop, d, P, Vector(1, 0));

    // "1" on the bisector at O3 of the top line and O3 → P1.
    const Vector back(-1, 0);
    const Vector b = FloatStore::Unit(double(dP.x) - 1, double(dP.y), "two-seam sleeve");
    const float c = Vector::Dot(b, back);
    Point1 = O3 + b * F(0.544 * O3.x * c);
    const Vector n1 = Vector::UnitNormalBetween(O3, Point1);
    FrontUpperCtrl = Cross(O3, back, Point1, n1);
    FrontLowerCtrl = Cross(O3, dP, Point1, n1);
}

void TTwoSeam::BuildMensFront() {
    // The under sleeve's front arc P3 → UnderFrontTop, and the top sleeve's
    // front P9 → P1 leaving P9 as steeply as that arc reaches UnderFrontTop.
    UnderFrontCtrl = Vector(F(UnderFrontMid.x + 0.4 * (double(UnderFrontTop.x) - UnderFrontMid.x)), P3.y);
    const Vector d2 =
        Geom::Rotated(Vector::UnitBetween(P, P2), Geom::Angle(UnderFrontCtrl, UnderFrontTop, UnderFrontMid));
    P1 = Cross(O, Vector(0, -1), P9, d2);
    FrontArcJoin = DraftSteps::Toward(P1, O3, Distance(P1, O3) / 3);
}

void TTwoSeam::BuildCap() {
    if (Women())
        BuildWomensFront();
    else
        BuildMensFront();

    // The back: "4" on the chord P2 → P5 (the middle; the men's a third of
    // the way), "5" pushed out of it by 0.05 of it (the men's 0.06); their
    // images in the back line.
    const double chord = Distance(P5, P2);
    if (Women())
        Point4 = Vector(F(P5.x / 2.0), F((double(P5.y) + P2.y) / 2));
    else
        Point4 = Vector(F(P4.x / 3.0), F(P4.y + (double(P5.y) - P4.y) / 3));
    Point5 = Point4 + Vector::UnitNormalBetween(P2, P5) * F((Women() ? 0.05 : 0.06) * chord);
    MidMirror = MirrorX(Point4, P4.x);
    BackSeamTop = MirrorX(Point5, P4.x);
    const Vector up = Vector::UnitBetween(P5, P2);
    UnderBackCtrl = Cross(Point5, up, P3, Vector(1, 0));
    const Vector down = Vector::UnitBetween(O4, P5);
    const double mid = Distance(MidMirror, P5);
    if (Women()) {
        BackCubicCtrl1 = BackSeamTop + Vector::UnitBetween(MidMirror, P5) * F(0.25 * mid);
        UnderBackCubicCtrl1 = MirrorX(BackCubicCtrl1, P4.x);
    } else {
        UnderBackCubicCtrl1 = Point5 - up * F(0.25 * chord);
        BackCubicCtrl1 = MirrorX(UnderBackCubicCtrl1, P4.x);
    }
    BackCubicCtrl2 = P5 + down * F(0.2 * mid);
    UnderBackCubicCtrl2 = MirrorX(BackCubicCtrl2, P4.x);

    // P6 on the back line (the women's halfway between P5 and "5", the
    // men's a fifth of the way down from P5); P8 level with it on the top
    // sleeve's back cubic.
    if (Women())
        P6 = Vector(P5.x, F((double(P5.y) + Point5.y) / 2));
    else
        P6 = Vector(P5.x, F(P5.y - 0.2 * (double(P5.y) - P4.y)));
    BackCubicParam = 0.5f;
    P8 = Bezier3::CrossLine(P6, Vector(1, 0), BackSeamTop, BackCubicCtrl1, BackCubicCtrl2, P5, BackCubicParam);
    UnderBackSeamTop = MirrorX(P8, P4.x);

    // "2" on the bisector at O4 of the top line and O4 → P5.
    const Vector across(1, 0);
    const Vector b = FloatStore::Unit(double(down.x) + 1, double(down.y), "two-seam sleeve");
    const float c = Vector::Dot(b, across);
    Point2 = O4 - b * F((Women() ? 0.46 : 0.51) * O4.x * c);
    const Vector n2 = Vector::UnitNormalBetween(O4, Point2);
    BackUpperCtrl = Cross(O4, across, Point2, n2);
    BackLowerCtrl = Cross(O4, down, Point2, n2);

    const float underFront = Len(UnderFrontTop, UnderFrontCtrl, P3);
    if (Women())
        FrontCapLength = F(double(Len(O2, FrontUpperCtrl, Point1)) + Len(Point1, FrontLowerCtrl, P1) +
                           DraftSteps::Arc(P1, FrontArcCtrl, FrontArcEnd, 0, FrontArcParam) + underFront);
    else
        FrontCapLength = F(double(Len(O2, O3, FrontArcJoin)) + Len(FrontArcJoin, P1, P9) + underFront);
    CapLength = F(double(FrontCapLength) + CubicLength(BackSeamTop, BackCubicCtrl1, BackCubicCtrl2, P5, 1.0, 10) +
                  Len(P5, BackLowerCtrl, Point2) + Len(Point2, BackUpperCtrl, O2) + Len(P3, UnderBackCtrl, Point5));
}

void TTwoSeam::PlaceNotches(const SleeveGarment& g) {
    const double a = g.armholeLength, n = g.capEaseNorm;

    // The under sleeve's notch lies (0.5 + 0.41·n)·A from the cap top over
    // the front of the cap (X nearer on the coats): dn past P3 towards "5",
    // or −dn back towards UnderFrontTop.
    // Unlike the other notches, its first bar end lies against the stem's
    // side: along +T̂ under the stem −N̂, along −T̂ under +N̂.
    const float dn = F((0.41 * n + 0.5) * a - FrontCapLength - g.armholeArcLength);
    if (dn < 0) {
        const CapArc front[] = {CapArc::Quad(P3, UnderFrontCtrl, UnderFrontTop)};
        CapNotch = SetIn::PlaceNotch(front, -dn, -1.0f, 0.5f);
    } else {
        const CapArc back[] = {CapArc::Quad(P3, UnderBackCtrl, Point5)};
        CapNotch = SetIn::PlaceNotch(back, dn, +1.0f, 0.5f);
    }
    std::swap(CapNotch.bar1, CapNotch.bar2);

    // The men's top sleeve's front notch meets the shoulder point of the
    // armhole: the garment's upper front arc plus 0.22·A·n down from the
    // cap top.
    if (!Women()) {
        const CapArc frontCap[] = {CapArc::Quad(O2, O3, FrontArcJoin), CapArc::Quad(FrontArcJoin, P1, P9)};
        FrontNotch = SetIn::PlaceNotch(frontCap, F(0.22 * a * n + g.frontShoulder.Length()), -1.0f);
    }

    // The notches the garment keeps: the front one as far up the front
    // armhole from G2 as the under sleeve's notch lies from UnderFrontTop,
    // the back one as far up the back as it lies from P5 over "5", less
    // 0.24·A·n.
    const float s1 = F(double(Len(P3, UnderFrontCtrl, UnderFrontTop)) + dn);
    const float s2 = F(double(Len(P3, UnderBackCtrl, Point5)) +
                       CubicLength(Point5, UnderBackCubicCtrl1, UnderBackCubicCtrl2, P5, BackCubicParam, 5) -
                       0.24 * a * n - dn);
    const BalanceNotch front = SetIn::ArmholeNotch(g.front, g.frontBeyond, s1, -1.0f);
    const BalanceNotch back = SetIn::ArmholeNotch(g.back, g.backBeyond, s2, +1.0f);
    if (g.writeNotches) g.writeNotches(front, back);
    if (g.writeFrontNotchParam) g.writeFrontNotchParam(front.param);

    // The shoulder mark at the armhole's "2" (where the shoulder arc
    // starts): 0.6 cm in across P6 → P10, a 0.4 cm bar along it.
    if (g.writeShoulderMark) {
        const Vector e = Vector::UnitBetween(g.front[1].end, g.frontShoulder.end);
        const Vector mark = g.frontShoulder.start - Vector::Perpendicular(e) * 0.6f;
        g.writeShoulderMark(mark, mark - e * 0.2f, mark + e * 0.2f);
    }
}

namespace {

// A back seam from its top over the elbow point to its hem end: the first
// control `first` down from the top along `along`, the aim `aim` of the way
// from the elbow to the hem end, the controls about the elbow `before` and
// `after` along the line from the top to the aim.
struct SeamShape {
    double first, aim, before, after;
};
struct SeamControls {
    Vector ctrl1, aim, ctrl2, ctrl3;
};
SeamControls Seam(const Vector& top, const Vector& along, const Vector& elbow, const Vector& hem,
                  const SeamShape& k) {
    SeamControls c;
    const double upper = Distance(top, elbow), lower = Distance(elbow, hem);
    c.ctrl1 = top + along * F(k.first * upper);
    c.aim = DraftSteps::Toward(elbow, hem, k.aim * lower);
    const Vector e = Vector::UnitBetween(top, c.aim);
    c.ctrl2 = elbow - e * F(k.before * upper);
    c.ctrl3 = elbow + e * F(k.after * lower);
    return c;
}

// The back seams of both pieces: the top sleeve's from `top` over L4 to
// H5, the under sleeve's from UnderBackUnderarm over L5 to H6, both leaving
// the underarm line straight down.
void PlaceBackSeams(TTwoSeam& s, const Vector& top, const SeamShape& k) {
    const Vector down(0, -1);
    const SeamControls t = Seam(top, down, s.L4, s.H5, k);
    s.BackSeamCtrl1 = t.ctrl1, s.BackSeamAim = t.aim, s.BackSeamCtrl2 = t.ctrl2, s.BackSeamCtrl3 = t.ctrl3;
    const SeamControls u = Seam(s.UnderBackUnderarm, down, s.L5, s.H6, k);
    s.UnderBackSeamCtrl1 = u.ctrl1, s.UnderBackSeamAim = u.aim, s.UnderBackSeamCtrl2 = u.ctrl2,
    s.UnderBackSeamCtrl3 = u.ctrl3;
}

// Draws each line of points (at most six, the rest null) as one stroke.
template <std::size_t N>
void Polylines(TDrawContext& dc, const Vector* const (&lines)[N][6]) {
    for (const auto& line : lines) {
        dc.MoveTo(*line[0]);
        for (int i = 1; i < 6 && line[i]; ++i) dc.LineTo(*line[i]);
    }
}

// A flap's outline on from the pen: its corner on the hem, its far corner,
// its end up the seam.
void DrawFlap(TDrawContext& dc, const TTwoSeam::Flap& f) {
    dc.LineTo(f.corner);
    dc.LineTo(f.farCorner);
    dc.LineTo(f.end);
}

// A vent flap `length` up the seam from foot towards ctrl, `width` across.
TTwoSeam::Flap FlapAt(const Vector& foot, const Vector& ctrl, float length, float width) {
    const Vector along = Vector::UnitBetween(foot, ctrl);
    const Vector across = Vector::UnitNormalBetween(foot, ctrl);
    TTwoSeam::Flap f;
    f.end = foot + along * length;
    f.corner = foot + across * width;
    f.farCorner = f.end + across * width;
    return f;
}

}  // namespace

void TTwoSeam::BuildLowerSleeve(float y0, double pad, double h) {
    // The hem Др1с + Пн + cap ease + h below the cap top, the elbow
    // 0.58·Др1с + Пн + cap ease + h.
    H = Vector(O.x, F(-(ArmLength + pad + CapEase + h)));
    const float yE = F(-(0.58 * ArmLength + pad + CapEase + h));
    L = Vector(O.x, yE);
    if (Women())
        BuildWomensLowerSleeve(y0, yE);
    else
        BuildMensLowerSleeve(y0, yE);
    ElbowTickUpper = Vector(L1.x, F(yE + 0.2));
    ElbowTickLower = Vector(L1.x, F(yE - 0.2));
    BoxTop = 0;
    BoxLeft = std::min(H5.x, P8.x);
    BoxRight = Women() ? H4.x : P9.x;
    BoxBottom = std::min(Women() ? HemCtrl.y : H.y, H5.y);
}

Vector TTwoSeam::SquareHem(double quarter) {
    const double l0h = Distance(L0, H);
    H0 = Geom::CircleCross(L0, H, F(HemRoot(l0h * l0h - quarter * quarter)), F(quarter), 0);
    return Vector::UnitBetween(H, H0);
}

void TTwoSeam::PlaceHemEnds(const Vector& d2, double backShift) {
    H2 = H + d2 * F(WristWidth / 2.0);
    const float sH = F(WristWidth / double(SleeveWidth) * backShift);
    H5 = H2 + d2 * sH;
    H6 = H2 - d2 * sH;
}

void TTwoSeam::BuildWomensLowerSleeve(float y0, float yE) {
    const double w = SleeveWidth;
    const double backShift = double(P6.x) - P8.x;
    BackUnderarm = Vector(P8.x, y0);
    UnderBackUnderarm = Vector(UnderBackSeamTop.x, y0);

    // The elbow line: the under sleeve's front seam W/8 behind the top
    // sleeve's, the elbow width We about their middle L1.
    L3 = Vector(F(L31.x - w / 8), yE);
    UnderFrontCentre = Vector(F(L3.x + double(FrontSeamRadius)), yE);
    L1 = Vector(F((double(L3.x) + L31.x) / 2), yE);
    const double we = (w - WristWidth) * 0.725 + WristWidth;
    const double s = we / w * backShift;
    L2 = Vector(F(L1.x - we / 2), yE);
    L4 = Vector(F(L2.x - s), yE);
    L5 = Vector(F(L2.x + s), yE);
    L0 = Vector(F((double(L1.x) + L2.x) / 2), yE);

    // The hem: H3 under UnderFrontTop on the circle on the diameter L0 H; a
    // wrist narrower than 4·|H H3| is widened to it.
    const double q = Distance(L0, H) / 2, u = double(UnderFrontTop.x) - (double(L0.x) + H.x) / 2;
    H3 = Vector(UnderFrontTop.x, F((double(L0.y) + H.y) / 2 - HemRoot(q * q - u * u)));
    Vector d2;
    if (WristWidth < 4 * Distance(H, H3)) {
        WristWidth = F(4 * Distance(H, H3));
        H0 = H3;
        d2 = Vector::UnitBetween(H, H0);
    } else {
        d2 = SquareHem(WristWidth / 4.0);
        H3 = Cross(UnderFrontTop, Vector(0, -1), H, d2);
    }
    PlaceHemEnds(d2, backShift);

    // The front seams below the elbow: circle arcs through L3 and H3 (L31
    // and H4) with their centres on the elbow line.
    const double dx = double(H3.x) - L3.x, dy = double(L3.y) - H3.y;
    FrontSeamRadiusLow = F(Checked::Div(dy * dy + dx * dx, 2 * dx, "two-seam sleeve front seam"));
    UnderFrontCentreLow = Vector(F(L3.x + double(FrontSeamRadiusLow)), yE);
    FrontSeamCentreLow = Vector(F(L31.x + double(FrontSeamRadiusLow)), yE);
    H4 = Vector(P9.x, H3.y);
    HemCtrl = Cross(Vector(F((double(UnderFrontTop.x) + P9.x) / 2), 0), Vector(0, -1), H, d2);

    // The back seams, and the vent seams that end at H2.
    const SeamShape plain{0.4, 0.42, 0.3, 0.26};
    PlaceBackSeams(*this, BackUnderarm, plain);
    const double a = Distance(L2, H2), b = Distance(P4, L2) + a, c = (double(P6.y) - P4.y) + b;
    const double f1 = Checked::Div(b, c, "two-seam sleeve vent") * backShift;
    const double f2 = Checked::Div(a, c, "two-seam sleeve vent") * backShift;
    VentTop = Vector(F(P4.x - f1), y0);
    UnderVentTop = Vector(F(P4.x + f1), y0);
    VentElbow = Vector(F(L2.x - f2), yE);
    UnderVentElbow = Vector(F(L2.x + f2), yE);
    const SeamControls vent = Seam(VentTop, Vector::UnitBetween(P8, VentTop), VentElbow, H2, plain);
    VentCtrl1 = vent.ctrl1, VentAim = vent.aim, VentCtrl2 = vent.ctrl2, VentCtrl3 = vent.ctrl3;
    const SeamControls underVent =
        Seam(UnderVentTop, Vector::UnitBetween(UnderBackSeamTop, UnderVentTop), UnderVentElbow, H2, plain);
    UnderVentCtrl1 = underVent.ctrl1, UnderVentAim = underVent.aim, UnderVentCtrl2 = underVent.ctrl2,
    UnderVentCtrl3 = underVent.ctrl3;
    TopFlap = FlapAt(H2, VentCtrl3, 10, 3);
    UnderFlap = FlapAt(H2, UnderVentCtrl3, 10, 3);

    float t = 0.5f;
    P81 = Bezier3::CrossLine(P4, Vector::UnitBetween(P, P4), P8, BackSeamCtrl1, BackSeamCtrl2, L4, t);
}

void TTwoSeam::BuildMensLowerSleeve(float y0, float yE) {
    const double w = SleeveWidth;
    P81 = Vector(P8.x, y0);
    UnderBackUnderarm = Vector(UnderBackSeamTop.x, y0);
    L0 = Vector(0, yE);

    // The elbow width We and the back seams' spread there.
    const double backShift = double(P6.x) - P8.x;
    const double we = (w - WristWidth) * 0.718 + WristWidth;
    const double s = we / w * backShift;
    L1 = Vector(F(we / 4), yE);
    L2 = Vector(F(L1.x - we / 2), yE);
    L5 = Vector(F(L2.x + s), yE);
    L4 = Vector(F(L2.x - s), yE);
    const double f = 0.88 * (double(P9.x) - P.x);
    L31 = Vector(F(L1.x + f), yE);
    L3 = Vector(F(L1.x - f), yE);

    // The hem square to L0 → H0 at H0, a quarter wrist from H; a wrist too
    // narrow for the front seams' offset f is widened to 4f.
    Vector d2;
    if (WristWidth / 4.0 < f) {
        WristWidth = F(4 * f);
        d2 = SquareHem(f);
        H3 = H0;
    } else {
        d2 = SquareHem(WristWidth / 4.0);
        H3 = H + d2 * F(f);
    }
    H4 = Vector(F(2.0 * H.x - H3.x), H3.y);
    PlaceHemEnds(d2, backShift);

    // The back seams and the vent flaps, 14 cm up them.
    const SeamShape plain{0.3, 0.58, 0.3, 0.24};
    PlaceBackSeams(*this, P81, plain);
    TopFlap = FlapAt(H5, BackSeamCtrl3, 14, 4);
    UnderFlap = FlapAt(H6, UnderBackSeamCtrl3, 14, 4);

    // The front seams above the elbow.
    UnderFrontSeamCtrl = L3 + Vector::UnitBetween(H3, L3) * F(0.45 * Distance(L3, UnderFrontTop));
    FrontSeamCtrl = L31 + Vector::UnitBetween(H4, L31) * F(0.45 * Distance(L31, P9));
}

// ---------------------------------------------------------------------------
// Drawing

void TTwoSeam::DrawOutline(TDrawContext& dc, int outline) const {
    if (Women())
        DrawWomen(dc, outline);
    else
        DrawMen(dc, outline);
}

void TTwoSeam::DrawBackCap(TDrawContext& dc, int outline) const {
    dc.SetPenWidth(outline);
    dc.Bezier3Part(BackSeamTop, BackCubicCtrl1, BackCubicCtrl2, P5, BackCubicParam, 1, 5);
    dc.Bezier2(P5, BackLowerCtrl, Point2, 15);
    dc.Bezier2(Point2, BackUpperCtrl, O2, 10);
}

void TTwoSeam::DrawWomen(TDrawContext& dc, int outline) const {
    const float backT = BackCubicParam;
    // The top sleeve's cap, its front seam, the hem and the under sleeve's
    // back seam and cap.
    DrawBackCap(dc, outline);
    dc.Bezier2(O2, FrontUpperCtrl, Point1, 10);
    dc.Bezier2(Point1, FrontLowerCtrl, P1, 20);
    dc.Bezier2Part(P1, FrontArcCtrl, FrontArcEnd, 0, FrontArcParam, 10);
    dc.Arc3(FrontSeamCentre, P9, L31, 1, 10);
    dc.Arc3(FrontSeamCentreLow, L31, H4, 1, 10);
    dc.Bezier2(H4, HemCtrl, H3, 10);
    dc.LineTo(H6);
    dc.Bezier2(H6, UnderBackSeamCtrl3, L5, 15);
    dc.Bezier3(L5, UnderBackSeamCtrl2, UnderBackSeamCtrl1, UnderBackSeamTop, 15);
    dc.Bezier3Part(P5, UnderBackCubicCtrl2, UnderBackCubicCtrl1, Point5, 1 - backT, 1, 5);
    dc.Bezier2(Point5, UnderBackCtrl, P3, 25);
    SetIn::DrawNotch(dc, CapNotch);
    // The under sleeve's front seam, the top sleeve's back seam and the two
    // vent seams with their flaps.
    dc.SetPenWidth(outline);
    dc.Bezier2(P3, UnderFrontCtrl, UnderFrontTop, 15);
    dc.Arc3(UnderFrontCentre, UnderFrontTop, L3, 1, 10);
    dc.Arc3(UnderFrontCentreLow, L3, H3, 1, 10);
    dc.MoveTo(H6);
    dc.LineTo(H5);
    dc.Bezier2(H5, BackSeamCtrl3, L4, 15);
    dc.Bezier3(L4, BackSeamCtrl2, BackSeamCtrl1, P8, 15);
    dc.Bezier3(P8, VentCtrl1, VentCtrl2, VentElbow, 15);
    dc.Bezier2(VentElbow, VentCtrl3, TopFlap.end, 12);
    dc.LineTo(TopFlap.farCorner);
    dc.LineTo(TopFlap.corner);
    dc.LineTo(H2);
    dc.SetPenWidth(1);
    dc.LineTo(TopFlap.end);
    dc.MoveTo(UnderFlap.end);
    dc.LineTo(H2);
    dc.SetPenWidth(outline);
    DrawFlap(dc, UnderFlap);
    dc.Bezier2(UnderFlap.end, UnderVentCtrl3, UnderVentElbow, 12);
    dc.Bezier3(UnderVentElbow, UnderVentCtrl2, UnderVentCtrl1, UnderBackSeamTop, 15);

    // Construction lines.
    dc.SetPenWidth(1);
    dc.LineTo(P8);
    const Vector* const kLines[][6] = {
        {&P81, &P91},
        {&P9, &UnderFrontTop},
    };
    Polylines(dc, kLines);
    dc.Bezier2(UnderFrontTop, UnderFrontGuideCtrl, P1, 16);
    dc.LineTo(O3);
    dc.LineTo(Point1);
    SetIn::DrawNotch(dc, TopNotch, false);
    const Vector* const kMore[][6] = {
        {&Point2, &O4, &P5, &P4, &L2, &H2},
        {&H3, &HemCtrl, &H4},
        {&H, &O, &O1, &P5},
    };
    Polylines(dc, kMore);
    dc.Bezier3Part(P5, UnderBackCubicCtrl2, UnderBackCubicCtrl1, Point5, 0, 1 - backT, 5);
    const Vector* const kLast[][6] = {
        {&P5, &Point4, &Point5},
        {&Point4, &P2},
        {&L4, &L31},
        {&ElbowTickUpper, &ElbowTickLower},
        {&H0, &L0, &P2, &O2},
    };
    Polylines(dc, kLast);
}

void TTwoSeam::DrawMen(TDrawContext& dc, int outline) const {
    const float backT = BackCubicParam;
    // The top sleeve's back cap and its front cap down to the front notch.
    DrawBackCap(dc, outline);
    dc.Bezier2(O2, O3, FrontArcJoin, 30);
    SetIn::DrawNotch(dc, FrontNotch);
    // On down the top sleeve's front seam, the hem and the back seam.
    dc.SetPenWidth(outline);
    dc.Bezier2(FrontArcJoin, P1, P9, 20);
    dc.Bezier2(P9, FrontSeamCtrl, L31, 15);
    dc.LineTo(H4);
    dc.Bezier2(H4, H, H3, 15);
    dc.LineTo(H5);
    DrawFlap(dc, TopFlap);
    dc.Bezier2(TopFlap.end, BackSeamCtrl3, L4, 15);
    dc.Bezier3(L4, BackSeamCtrl2, BackSeamCtrl1, P81, 15);
    dc.LineTo(P8);
    dc.SetPenWidth(1);
    dc.LineTo(UnderBackSeamTop);
    // The under sleeve's cap with its notch, its front seam and its back
    // seam.
    dc.SetPenWidth(outline);
    dc.Bezier3Part(P5, UnderBackCubicCtrl2, UnderBackCubicCtrl1, Point5, 1 - backT, 1, 15);
    dc.Bezier2(Point5, UnderBackCtrl, P3, 20);
    SetIn::DrawNotch(dc, CapNotch);
    dc.SetPenWidth(outline);
    dc.Bezier2(P3, UnderFrontCtrl, UnderFrontTop, 16);
    dc.Bezier2(UnderFrontTop, UnderFrontSeamCtrl, L3, 15);
    dc.LineTo(H3);
    dc.MoveTo(H6);
    DrawFlap(dc, UnderFlap);
    dc.Bezier2(UnderFlap.end, UnderBackSeamCtrl3, L5, 15);
    dc.Bezier3(L5, UnderBackSeamCtrl2, UnderBackSeamCtrl1, UnderBackUnderarm, 15);
    dc.LineTo(UnderBackSeamTop);

    // Construction lines.
    dc.SetPenWidth(1);
    dc.Bezier3Part(Point5, UnderBackCubicCtrl1, UnderBackCubicCtrl2, P5, backT, 1, 5);
    dc.LineTo(O4);
    dc.LineTo(Point2);
    const Vector* const kPolylines[][6] = {
        {&O3, &P1, &P9, &UnderFrontMid, &P3},
        {&UnderFrontMid, &P81},
        {&P4, &O1, &O, &H, &H4},
        {&H, &H3},
        {&H0, &L0, &O2},
        {&P2, &Point4, &Point5},
        {&Point4, &P5},
        {&P4, &L2, &H2},
        {&H5, &TopFlap.end},
        {&UnderFlap.end, &H6},
        {&L31, &L1},
        {&ElbowTickUpper, &ElbowTickLower},
        {&L1, &L4},
    };
    Polylines(dc, kPolylines);
    // The cap-top mark: the bar, and on the shirts the stem.
    SetIn::DrawNotch(dc, TopNotch, Family == SleeveGarment::Family::MenShirt);
}

void TTwoSeam::WriteLabels(TDrawContext& dc, bool printer) const {
    using Row = Labels::Row<TTwoSeam>;
    static const Row kWomen[] = {
        {"O2", &TTwoSeam::O2, 2},   {"1", &TTwoSeam::Point1, 4}, {"O3", &TTwoSeam::O3, 1},
        {"O", &TTwoSeam::O, 2},     {"P1", &TTwoSeam::P1, 2},    {"P", &TTwoSeam::P, 3},
        {"P9", &TTwoSeam::P9, 2},   {"P91", &TTwoSeam::P91, 3},  {"L31", &TTwoSeam::L31, 3},
        {"L", &TTwoSeam::L, 3},     {"L1", &TTwoSeam::L1, 6},    {"L3", &TTwoSeam::L3, 7},
        {"L0", &TTwoSeam::L0, 2},   {"H", &TTwoSeam::H, 1},      {"H4", &TTwoSeam::H4, 3},
        {"H3", &TTwoSeam::H3, 3},   {"H0", &TTwoSeam::H0, 3},    {"H6", &TTwoSeam::H6, 3},
        {"H2", &TTwoSeam::H2, 3},   {"H5", &TTwoSeam::H5, 2},    {"L5", &TTwoSeam::L5, 2},
        {"L2", &TTwoSeam::L2, 2},   {"L4", &TTwoSeam::L4, 5},    {"P81", &TTwoSeam::P81, 9},
        {"P4", &TTwoSeam::P4, 3},   {"P2", &TTwoSeam::P2, 7},    {"P3", &TTwoSeam::P3, 3},
        {"4", &TTwoSeam::Point4, 2}, {"5", &TTwoSeam::Point5, 4}, {"P6", &TTwoSeam::P6, 7},
        {"P8", &TTwoSeam::P8, 8},   {"P5", &TTwoSeam::P5, 8},    {"2", &TTwoSeam::Point2, 3},
        {"O4", &TTwoSeam::O4, 1},   {"O1", &TTwoSeam::O1, 1},
    };
    if (Women()) {
        Labels::PutAll(dc, printer, *this, kWomen);
        return;
    }
    static const Row kLabels[] = {
        {"H5", &TTwoSeam::H5, 2},   {"H2", &TTwoSeam::H2, 3},   {"H6", &TTwoSeam::H6, 3},
        {"H0", &TTwoSeam::H0, 3},   {"H3", &TTwoSeam::H3, 3},   {"H", &TTwoSeam::H, 1},
        {"H4", &TTwoSeam::H4, 3},   {"L31", &TTwoSeam::L31, 3}, {"L", &TTwoSeam::L, 3},
        {"L1", &TTwoSeam::L1, 6},   {"L3", &TTwoSeam::L3, 7},   {"L0", &TTwoSeam::L0, 2},
        {"L5", &TTwoSeam::L5, 2},   {"L2", &TTwoSeam::L2, 2},   {"L4", &TTwoSeam::L4, 5},
        {"P81", &TTwoSeam::P81, 9}, {"P4", &TTwoSeam::P4, 3},   {"P6", &TTwoSeam::P6, 7},
        {"P8", &TTwoSeam::P8, 8},   {"P5", &TTwoSeam::P5, 8},   {"5", &TTwoSeam::Point5, 4},
        {"4", &TTwoSeam::Point4, 2}, {"P2", &TTwoSeam::P2, 7},  {"P3", &TTwoSeam::P3, 3},
        {"P1", &TTwoSeam::P1, 5},   {"P9", &TTwoSeam::P9, 2},   {"P", &TTwoSeam::P, 3},
        {"O", &TTwoSeam::O, 2},     {"O3", &TTwoSeam::O3, 1},   {"O2", &TTwoSeam::O2, 2},
        {"2", &TTwoSeam::Point2, 3}, {"O4", &TTwoSeam::O4, 1},  {"O1", &TTwoSeam::O1, 1},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
