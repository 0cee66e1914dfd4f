#include "sleeves/shaping/BatWing.h"

#include <algorithm>
#include <cmath>

#include "kernel/Bezier.h"
#include "shell/Factory.h"
#include "sleeves/shaping/ShapingSteps.h"

namespace {

using namespace ShapingSteps;

// The sleeve end stays within this width of the sheet (not the sheet's own
// 105 cm): the fold keeps it 21 cm further in.
constexpr double kFoldWidth = 84.0;

// One side of the fitted bodice: the arc from G2 to the waist, then the
// cubic from the waist to the hip.
struct Side {
    Vector g2, ctrl, waist, hip1, hip2, hip;
    double ArcLength() const { return Bezier2::ArcLength(g2, ctrl, waist, 0, 1); }
};

// The point at arc length `target` from G2 along the side: on the arc, or,
// past its end, on the cubic at target − A from the waist.  A bisection on
// the parameter from 0.5 to 0.05 cm, at most TBatWing::kMaxHalvings
// halvings (a target beyond the cubic's end, or a negative one, cannot be
// met: the last parameter stands).
Vector AtLength(const Side& s, double target, int& curveCase, float& t) {
    const double A = s.ArcLength();
    const bool onCubic = target > A;
    curveCase = onCubic ? 2 : 1;
    const double goal = onCubic ? target - A : target;
    auto length = [&](double u) {
        return onCubic ? Bezier3::ArcLength(s.waist, s.hip1, s.hip2, s.hip, 0, u, 20)
                       : double(Bezier2::ArcLength(s.g2, s.ctrl, s.waist, 0, float(u)));
    };
    double lo = 0, hi = 1, u = 0.5;
    double D = length(u) - goal;
    for (int k = 0; std::fabs(D) >= 0.05 && k < TBatWing::kMaxHalvings; ++k) {
        if (D > 0)
            hi = u;
        else
            lo = u;
        u = (lo + hi) / 2;
        D = length(u) - goal;
    }
    t = Fl(u);
    return onCubic ? Bezier3::Point(s.waist, s.hip1, s.hip2, s.hip, t) : Bezier2::Point(s.g2, s.ctrl, s.waist, t);
}

Vector SideTangent(const Side& s, int curveCase, float t) {
    return curveCase == 1 ? Bezier2::Tangent(s.g2, s.ctrl, s.waist, t)
                          : Bezier3::Tangent(s.waist, s.hip1, s.hip2, s.hip, t);
}

// The cubic from `from` over the corner to `to`, its controls a share k of
// the way from the corner to either end.
struct Underarm {
    Vector from, corner, to;
    void Controls(double k, Vector& c1, Vector& c2) const {
        c1 = corner + (from - corner) * Fl(k);
        c2 = corner + (to - corner) * Fl(k);
    }
    double Length(double k) const {
        Vector c1, c2;
        Controls(k, c1, c2);
        return Bezier3::ArcLength(from, c1, c2, to, 0, 1, 20);
    }
    // How much longer the corner's two legs are than the chord.
    double Slack() const {
        return double(Geom::Distance(from, corner)) + Geom::Distance(corner, to) - Geom::Distance(from, to);
    }
};

// A sleeve end cut off by two fold lines of direction v through (x1, 0)
// and (x2, 0): where the top line (from its end `top` towards the
// shoulder) and the underarm line (from its wrist point `under` towards
// `underAim`) cross them, those on the first fold line also moved; returns
// the shift that moves the end across by dx and down below the fold.
struct Fold {
    Vector &top, &topMoved, &under, &underMoved, &top2, &under2;
};
Vector FoldEnd(const Fold& f, const Vector& top, const Vector& shoulder, const Vector& under, const Vector& underAim,
               const Vector& v, double x1, double x2, double dx) {
    const Vector at1(Fl(x1), 0), at2(Fl(x2), 0);
    const Vector t = Vector::UnitBetween(top, shoulder), u = Vector::UnitBetween(under, underAim);
    f.top = Cross(top, t, at1, v);
    f.top2 = Cross(top, t, at2, v);
    f.under = Cross(under, u, at1, v);
    f.under2 = Cross(under, u, at2, v);
    const double dy = double(f.top.y) - f.under.y > double(f.top2.y) - f.under2.y ? double(top.y) - f.under.y + 2
                                                                                  : double(f.top.y) - f.under2.y + 2;
    const Vector shift(Fl(dx), Fl(-dy));
    f.topMoved = f.top + shift;
    f.underMoved = f.under + shift;
    return shift;
}

double MinX(std::initializer_list<Vector> points) {
    double m = 1e30;
    for (const Vector& p : points) m = std::min(m, double(p.x));
    return m;
}
double MaxX(std::initializer_list<Vector> points) {
    double m = -1e30;
    for (const Vector& p : points) m = std::max(m, double(p.x));
    return m;
}

}  // namespace

TBatWing::TBatWing() : TOneWithBodice(11) { ArmholeDrop = kDefaultArmholeDrop; }

void TBatWing::Calculate() {
    const DressChoice choice = CurrentDressChoice();
    Draft(Bodice(), choice.hasCollar ? choice.collarKind : 0);
}

void TBatWing::Draft(TDress& d, int collarKind) {
    // 2. The armhole drop, at most half the height from the hip line to G3;
    //    the limited value replaces the input.
    const double R = (double(d.G3.y) - d.B2.y) / 2;
    if (ArmholeDrop > R) ArmholeDrop = Fl(R);
    const double c = ArmholeDrop;
    // 3.-4. The front top line and hem.
    BackShoulderEnd = d.P1;
    FrontShoulderEnd = d.P10;
    Interlining = d.InterliningEase;
    const double h = d.InterliningEase;
    WristWidth = Fl(double(WristGirth) + WristEase + 3 * h);
    const double L = double(ArmLength) + ShoulderPad + h;
    const double wF = WristWidth / 2.0 - 0.5, wB = WristWidth / 2.0 + 0.5;
    Vector e = Vector::UnitBetween(d.A7, d.P10);
    H2 = Along(d.P10, e, L);
    Vector n = Vector::Perpendicular(e);
    H3 = Along(H2, n, wF);
    H03 = DraftSteps::Mid(H2, H3);
    H04 = Along(H03, e, -0.5);
    const double k = Geom::Distance(H2, H3) / 6.0;
    FrontHemCtrl1 = Along(H04, n, -k);
    FrontHemCtrl2 = Along(H04, n, k);
    // 5.-6. The side points one and two drops below G2.
    MeetSide(d, c);
    // 7.-8. The front underarm line.
    HemAngle = Geom::Angle(d.P10, H2, FrontHemCtrl1);
    M2 = Toward(M, H3, c);
    if (M2.x < H3.x) M2 = H3;
    // 9.-11. The back top line, hem and underarm line: the back underarm
    //        line as long as the front one.
    e = Vector::UnitBetween(d.Q3, d.P1);
    H = Along(d.P1, e, 1.02 * L);
    H01 = Along(H, Geom::Rotated(e, HemAngle), wB / 3);
    H1 = Geom::CircleCross(N, H, Geom::Distance(M, H3), Fl(wB), 0);
    N2 = Toward(N, H1, c);
    if (H1.x < N2.x) N2 = H1;
    // 12. The corners of the underarm curves: on the fitted side where its
    //     tangent meets the underarm line.
    FrontCorner = M;
    BackCorner = N;
    if (auto* w = dynamic_cast<TDressOfWaist*>(&d)) {
        const Side front{w->G2, w->FrontSideUpperCtrl, w->FrontSideWaist, w->FrontSideLowerCtrl, w->FrontSideHipCtrl,
                         w->B5};
        const Side back{w->G2, w->BackSideUpperCtrl, w->BackSideWaist, w->BackSideLowerCtrl, w->BackSideHipCtrl, w->B4};
        FrontCorner = Cross(FrontEnd, SideTangent(front, FrontCurveCase, FrontCurveT), M2, Vector::UnitBetween(M2, M));
        BackCorner = Cross(BackEnd, SideTangent(back, BackCurveCase, BackCurveT), N2, Vector::UnitBetween(N2, N));
    }
    // 13.-14. The underarm curves, equally long.
    EqualiseUnderarms();
    // 15. The shoulder notches.
    n = Vector::UnitNormalBetween(H2, d.P10);
    FrontNotch[0] = Along(d.P10, n, 0.2);
    FrontNotch[1] = Along(d.P10, n, -0.2);
    n = Vector::UnitNormalBetween(d.P1, H);
    BackNotch[0] = Along(d.P1, n, 0.2);
    BackNotch[1] = Along(d.P1, n, -0.2);
    // 16.-17. The sleeve-end folds.
    FoldFront(d, collarKind);
    FoldBack(d);
    TellBodice(d, FrontEnd, BackEnd, FrontCurveCase, BackCurveCase, FrontCurveT, BackCurveT);
    // The extent of both halves as drawn, for the printed sheets.
    BoxLeft = BoxBottom = 1e30f;
    BoxRight = BoxTop = -1e30f;
    auto take = [&](const Vector& p) {
        BoxLeft = std::min(BoxLeft, p.x);
        BoxRight = std::max(BoxRight, p.x);
        BoxTop = std::max(BoxTop, p.y);
        BoxBottom = std::min(BoxBottom, p.y);
    };
    for (const Vector& p : {M2, N2, FrontNotch[0], BackNotch[0]}) take(p);
    if (FrontFolded)
        for (const Vector& p : FrontEndMoved) take(p);
    else
        for (const Vector& p : {H2, H3, FrontHemCtrl1, FrontHemCtrl2}) take(p);
    if (BackFolded)
        for (const Vector& p : BackEndMoved) take(p);
    else
        for (const Vector& p : {H, H1, H01}) take(p);
}

void TBatWing::MeetSide(TDress& d, double c) {
    if (auto* s = dynamic_cast<TDressOfStraight*>(&d)) {
        M = Toward(s->G2, s->B5, c);
        FrontEnd = Toward(s->G2, s->B5, 2 * c);
        N = Toward(s->G2, s->B4, c);
        BackEnd = Toward(s->G2, s->B4, 2 * c);
        FrontCurveCase = BackCurveCase = 0;
        return;
    }
    auto* w = dynamic_cast<TDressOfWaist*>(&d);
    if (!w) Checked::Fail("batwing sleeve without a silhouette");
    const Side front{w->G2, w->FrontSideUpperCtrl, w->FrontSideWaist, w->FrontSideLowerCtrl, w->FrontSideHipCtrl,
                     w->B5};
    const Side back{w->G2, w->BackSideUpperCtrl, w->BackSideWaist, w->BackSideLowerCtrl, w->BackSideHipCtrl, w->B4};
    int unusedCase = 0;
    float unusedT = 0;
    M = AtLength(front, c, unusedCase, unusedT);
    FrontEnd = AtLength(front, 2 * c, FrontCurveCase, FrontCurveT);
    N = AtLength(back, c, unusedCase, unusedT);
    BackEnd = AtLength(back, 2 * c, BackCurveCase, BackCurveT);
}

void TBatWing::EqualiseUnderarms() {
    const Underarm front{FrontEnd, FrontCorner, M2}, back{BackEnd, BackCorner, N2};
    double f = 0.3, b = 0.3;
    double lenF = front.Length(f), lenB = back.Length(b);
    double K = lenB - lenF;
    EqualisePasses = 0;
    if (K > 0) {
        // The front is the shorter: its controls move towards the corner.
        const double s = front.Slack();
        for (; std::fabs(K) >= 0.1 && EqualisePasses < kMaxEqualisePasses; ++EqualisePasses) {
            f -= Checked::Div(K, s, "batwing sleeve: straight front underarm");
            lenF = front.Length(f);
            K = lenB - lenF;
        }
    } else {
        const double s = back.Slack();
        for (; std::fabs(K) >= 0.1 && EqualisePasses < kMaxEqualisePasses; ++EqualisePasses) {
            b += Checked::Div(K, s, "batwing sleeve: straight back underarm");
            lenB = back.Length(b);
            K = lenB - lenF;
        }
    }
    front.Controls(f, FrontUnderarmCtrl1, FrontUnderarmCtrl2);
    back.Controls(b, BackUnderarmCtrl1, BackUnderarmCtrl2);
    FrontUnderarmLength = Fl(lenF);
    BackUnderarmLength = Fl(lenB);
}

void TBatWing::FoldFront(const TDress& d, int collarKind) {
    const double xmin = std::min(H2.x, H3.x);
    const double k = (collarKind == 4 || collarKind == 5) ? 12 : collarKind == 3 ? 6 : 5;
    const double o = kFoldWidth - d.a1.x - k;
    FrontFolded = xmin + o - 2 < 0;
    if (!FrontFolded) return;
    double xf = 2 - o;
    const double hm = MinX({H2, FrontHemCtrl1, FrontHemCtrl2, H3});
    if (xf < hm + 2) xf = hm + 2;
    const double dx = xf - xmin;
    const Fold fold{FrontFoldTop,        FrontFoldTopMoved, FrontFoldUnder,
                    FrontFoldUnderMoved, FrontFoldTop2,     FrontFoldUnder2};
    const Vector shift = FoldEnd(fold, H2, d.P10, H3, M2, Vector::UnitBetween(d.A, d.G), xf, xf + dx, dx);
    const Vector ends[6] = {H2, H3, H03, H04, FrontHemCtrl1, FrontHemCtrl2};
    for (int i = 0; i < 6; ++i) FrontEndMoved[i] = ends[i] + shift;
}

void TBatWing::FoldBack(const TDress& d) {
    const double xmax = MaxX({H, H01, H1});
    BackFolded = xmax - kFoldWidth - d.B0.x + 7 > 0;
    if (!BackFolded) return;
    double xb = kFoldWidth + d.B0.x - 7;
    const double hm = MinX({H, H01, H1});
    if (xb > hm - 2) xb = hm - 2;
    const double dx = xmax - xb;
    const Fold fold{BackFoldTop, BackFoldTopMoved, BackFoldUnder, BackFoldUnderMoved, BackFoldTop2, BackFoldUnder2};
    const Vector shift = FoldEnd(fold, H, d.P1, H1, N2, Vector::UnitBetween(d.A, d.G), xb, xb - dx, -dx);
    const Vector ends[3] = {H, H1, H01};
    for (int i = 0; i < 3; ++i) BackEndMoved[i] = ends[i] + shift;
}

// ---------------------------------------------------------------------------
// Drawing

void TBatWing::DrawFront(const PatternPen& pen) const {
    pen.Thin();
    pen.Tick(FrontNotch);
    pen.dc.MoveTo(FrontShoulderEnd);
    if (FrontFolded) {
        const Vector* e = FrontEndMoved;  // H2′, H3′, H03′, H04′, Ctrl1′, Ctrl2′
        pen.Thick();
        pen.To(FrontFoldTop);
        pen.Thin();
        pen.To(FrontFoldUnder);
        pen.Line({e[0], e[2], e[3]});
        pen.Line({e[2], e[1]});
        pen.Thick();
        pen.Quad(e[0], e[4], e[3], 20);
        pen.Quad(e[3], e[5], e[1], 20);
        pen.To(FrontFoldUnderMoved);
        pen.Thin();
        pen.To(FrontFoldTopMoved);
        pen.Thick();
        pen.To(e[0]);
        pen.dc.MoveTo(FrontFoldUnder);
    } else {
        pen.Thick();
        pen.To(H2);
        pen.Quad(H2, FrontHemCtrl1, H04, 20);
        pen.Quad(H04, FrontHemCtrl2, H3, 20);
        pen.Thin();
        pen.To(H2);
        pen.Line({H03, H04});
        pen.dc.MoveTo(H3);
        pen.Thick();
    }
    pen.Thick();
    pen.To(M2);
    pen.Cubic(M2, FrontUnderarmCtrl2, FrontUnderarmCtrl1, FrontEnd, 50);
    pen.Thin();
    pen.Line({M2, M});
}

void TBatWing::DrawBack(const PatternPen& pen) const {
    pen.Thin();
    pen.Tick(BackNotch);
    pen.dc.MoveTo(BackShoulderEnd);
    pen.Thick();
    if (BackFolded) {
        const Vector* e = BackEndMoved;  // H′, H1′, H01′
        pen.To(BackFoldTop);
        pen.Thin();
        pen.To(BackFoldUnder);
        pen.Line({e[0], e[2], e[1]});
        pen.Thick();
        pen.To(BackFoldUnderMoved);
        pen.Thin();
        pen.To(BackFoldTopMoved);
        pen.Thick();
        pen.To(e[0]);
        pen.Quad(e[0], e[2], e[1], 30);
        pen.dc.MoveTo(BackFoldUnder);
    } else {
        pen.To(H);
        pen.Quad(H, H01, H1, 30);
        pen.dc.MoveTo(H);
        pen.Thin();
        pen.To(H01);
        pen.To(H1);
        pen.Thick();
    }
    pen.Thick();
    pen.To(N2);
    pen.Cubic(N2, BackUnderarmCtrl2, BackUnderarmCtrl1, BackEnd, 50);
    pen.Thin();
    pen.Line({N2, N});
}

void TBatWing::LabelFront(const PatternPen& pen) const {
    const bool f = FrontFolded;
    pen.Label(f ? FrontEndMoved[0] : H2, "H2", 6);
    pen.Label(f ? FrontEndMoved[2] : H03, "H03", 7);
    pen.Label(f ? FrontEndMoved[3] : H04, "H04", 2);
    pen.Label(f ? FrontEndMoved[1] : H3, "H3", 5);
    pen.Label(M2, "M2", 6);
    pen.Label(FrontEnd, "M1", 7);
    pen.Label(M, "M", 6);
}

void TBatWing::LabelBack(const PatternPen& pen) const {
    const bool f = BackFolded;
    pen.Label(f ? BackEndMoved[0] : H, "H", 2);
    pen.Label(f ? BackEndMoved[2] : H01, "H01", 3);
    pen.Label(f ? BackEndMoved[1] : H1, "H1", 3);
    pen.Label(N2, "N2", 2);
    pen.Label(BackEnd, "N1", 3);
    pen.Label(N, "N", 2);
}

void RegisterBatWingSleeve() {
    RegisterSleeveMaker(11, [] { return new TBatWing; });
}
