#include "sleeves/shaping/Drop.h"

#include <algorithm>
#include <cmath>

#include "garments/common/FitLoop.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "shell/Factory.h"
#include "sleeves/shaping/ShapingSteps.h"

namespace {

using namespace ShapingSteps;

// The seams, notches and hem meet their targets within this (cm).
constexpr double kTolerance = 0.1;

Vector Unit(const Vector& from, const Vector& to) { return Vector::UnitBetween(from, to); }
Vector Normal(const Vector& from, const Vector& to) { return Vector::UnitNormalBetween(from, to); }
double Dot(const Vector& u, const Vector& v) { return double(u.x) * v.x + double(u.y) * v.y; }
double Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }

double Root(double x) { return Checked::Sqrt(x, "dropped-shoulder sleeve: root"); }

// The cubic seam from its upper end p0 down to p3.
struct Seam {
    Vector p0, p1, p2, p3;
    double Length(double t) const { return Bezier3::ArcLength(p0, p1, p2, p3, 0, t, 10); }
};

// The parameter at `target` cm along the seam from its upper end: halving
// [0, 1] from 0.5 until the length is within kTolerance; a target the
// bisection does not reach in TDrop::kMaxNotchHalvings halvings (one
// beyond the seam's end) throws the integer 1.
float NotchParam(const Seam& s, double target) {
    double lo = 0, hi = 1, t = 0.5;
    for (int k = 0;; ++k) {
        const double f = s.Length(t) - target;
        if (std::fabs(f) < kTolerance) return Fl(t);
        if (k == TDrop::kMaxNotchHalvings) throw 1;
        (f <= 0 ? lo : hi) = t;
        t = (lo + hi) / 2;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// The bodice and the sleeve top

void TDrop::Calculate() { Draft(Bodice()); }

void TDrop::Draft(TDress& d) {
    // 1. The tangent from A2 to the back armhole.
    Vector e = Unit(d.A2, d.BackArmMid);
    Vector n = Normal(d.BackArmCtrl2, d.BackArmCtrl3);
    TangentParam = 0.5f;
    TangentCase = Dot(e, n) > 0 ? 2 : 1;
    TangentPoint = TangentCase == 2
                       ? Bezier2::TangentFromPoint(d.A2, d.BackArmMid, d.BackArmCtrl3, d.G2, TangentParam, 0)
                       : Bezier2::TangentFromPoint(d.A2, d.P3, d.BackArmCtrl2, d.BackArmMid, TangentParam, 0);
    // 2. Widths.
    Interlining = d.InterliningEase;
    const double h = Interlining;
    ArmWidth = Fl(double(UpperArmGirth) + UpperArmEase + 3 * h);
    const double W = ArmWidth;
    // 3.-5. The front's line from A7 turned by the back's angle at A2 (as
    //       the same arc on the front's radius), and the front underarm.
    const double alpha = Geom::Angle(TangentPoint, d.A2, d.P3);
    const double a7p6 = Dist(d.A7, d.P6);
    const double turn = Checked::Div(Dist(d.A2, d.P3) * alpha, a7p6, "dropped shoulder: front radius");
    Vector dir = Unit(d.A7, d.P6);
    Vector::Rotate(dir, Fl(turn));
    FrontShoulderEnd = Along(d.A7, dir, a7p6 + d.P6.y - d.G4.y);
    FrontUnderarm = Along(FrontShoulderEnd, Normal(d.A7, FrontShoulderEnd), double(d.G4.x) - d.G2.x);
    const Vector F = FrontUnderarm;
    // 6. P13, 1 cm on from the shoulder arc.
    d.P13 = Toward(d.P11, d.P11 + (d.P11 - d.FrontShoulderMid), 1);
    // 7.-8. The front cap point J: the line from P13 touches the circle of
    //       the front half width about F there.
    const double r = W / 2 - 0.5;
    const double L = Dist(F, d.P13);
    if (!(L * L - r * r >= 4.84)) throw 1;
    FrontCapPoint = Geom::CircleCross(d.P13, F, Fl(Root(L * L - r * r)), Fl(r), 0);
    const Vector J = FrontCapPoint;
    // 9.-13. The foot C1 of Pp on J–P13, no farther from P13 than J.
    e = Unit(J, d.P13);
    n = Normal(J, d.P13);
    d.Pp = Vector(d.P6.x, Fl(d.P6.y + 0.2 * (double(d.a2.y) - d.P6.y)));
    d.C1 = Cross(J, e, d.Pp, n);
    const double dC = Dist(d.C1, d.P13);
    if (Dist(J, d.P13) < dC) {
        d.C1 = J;
        d.Pp = Cross(d.G4, Unit(d.G4, d.a2), d.C1, n);
    }
    if (!(dC >= 2.2)) throw 1;
    const double k = std::min(dC, 2.5);
    // 14. The front drop corner.
    d.DropFrontEnd = Toward(d.P13, J, k);
    // 15.-19. The back: the guide line of its underarm point, P12, the
    //         underarm point U and the back cap point V.
    e = Unit(d.A2, TangentPoint);
    n = Normal(d.A2, TangentPoint);
    BackGuide = Along(TangentPoint, n, -(double(d.G2.x) - d.G1.x));
    d.P12 = Toward(d.P1, d.P1 + (d.P1 - d.Q3), 1);
    const double R = W / 2 + 0.5;
    const double Lf = Dist(J, d.P13);
    const double D = std::hypot(R, Lf);
    const double rho = Dot(d.P12 - BackGuide, n);
    const double m = D > rho ? Root(D * D - rho * rho) : 0.0;
    BackUnderarm = Along(Along(d.P12, n, -rho), e, m);
    BackCapPoint = Geom::CircleCross(d.P12, BackUnderarm, Fl(Lf), Fl(R), 1);
    const Vector V = BackCapPoint, U = BackUnderarm;
    // 20.-22. The back drop: corner, C, the join Q with the armhole where
    //         its tangent runs along P12 → V, and the control Pc.
    e = Unit(d.P12, V);
    d.DropBackEnd = Along(d.P12, e, k);
    d.C = Along(d.P12, e, Dist(d.P13, d.C1));
    n = Normal(d.BackArmCtrl2, d.BackArmCtrl3);
    d.RaglanBackParam = 0.5f;
    d.RaglanSide = Dot(e, n) > 0 ? 2 : 1;
    d.Q = d.RaglanSide == 2
              ? Bezier2::ParamForDirection(e, d.BackArmMid, d.BackArmCtrl3, d.G2, d.RaglanBackParam, 0)
              : Bezier2::ParamForDirection(e, d.P3, d.BackArmCtrl2, d.BackArmMid, d.RaglanBackParam, 0);
    n = Normal(d.P12, V);
    d.Pc = Cross(d.Q, e, d.C, n);
    // 23.-25. P3, the notch at Q, the dropped top's length.
    d.RaglanP3 = Vector(d.a.x, d.Y.y);
    d.DropNotch = Along(d.Q, n, -0.6);
    d.DropTick[0] = Along(d.DropNotch, e, -0.2);
    d.DropTick[1] = Along(d.DropNotch, e, 0.2);
    TopLength = Fl(Dist(d.P13, d.C1));

    // 27.-28. The back cap in its frame: origin C, x along n.
    AxesSystem back(d.C, n);
    BackTop = Vector(0, 0);
    BackCapPoint = back.ToLocal(V);
    BackUnderarm = back.ToLocal(U);
    BackCapCtrl = back.ToLocal(d.Pc);
    BackCapEnd = back.ToLocal(d.Q);
    BackMid = Vector(Fl(BackCapPoint.x - W / 4), BackCapPoint.y);
    BackCrossParam = 0.5f;
    BackCapCross = Bezier2::CrossLineFrom(BackMid, Unit(BackCapPoint, BackTop), BackCapEnd, BackCapCtrl, BackTop,
                                          BackCrossParam, 0);
    BackMidTop = Vector(BackMid.x, BackCapCross.y);
    // 29.-30. The front cap in its frame: origin C1, x towards Pp.
    AxesSystem front(d.C1, Unit(d.C1, d.Pp));
    FrontTop = Vector(0, 0);
    FrontCapPoint = front.ToLocal(J);
    FrontUnderarm = front.ToLocal(F);
    FrontCapCtrl = front.ToLocal(d.Pp);
    FrontCapEnd = front.ToLocal(d.P6);
    FrontMid = Vector(Fl(FrontCapPoint.x + W / 4), FrontCapPoint.y);
    FrontCrossParam = 0.5f;
    FrontCapCross = Bezier2::CrossLineFrom(FrontMid, Unit(FrontCapPoint, FrontTop), FrontTop, FrontCapCtrl,
                                           FrontCapEnd, FrontCrossParam, 0);
    FrontMidTop = Vector(FrontMid.x, FrontCapCross.y);
    // 31.-32. The lengths the underarm seams must match: the cap below the
    //         mid-line and the bodice's armhole below the join.
    using DraftSteps::Arc;
    BackCapArc = Arc(BackCapEnd, BackCapCtrl, BackTop, 0, BackCrossParam);
    const double backArmhole = d.RaglanSide == 1 ? double(Arc(d.P3, d.BackArmCtrl2, d.BackArmMid, d.RaglanBackParam, 1)) +
                                                       Arc(d.BackArmMid, d.BackArmCtrl3, d.G2)
                                                 : Arc(d.BackArmMid, d.BackArmCtrl3, d.G2, d.RaglanBackParam, 1);
    BackSeam = Fl(BackCapArc + backArmhole);
    FrontCapArc = Arc(FrontTop, FrontCapCtrl, FrontCapEnd, FrontCrossParam, 1);
    FrontSeam = Fl(double(FrontCapArc) + Arc(d.G2, d.FrontArmCtrl1, d.FrontArmMid) +
                   Arc(d.FrontArmMid, d.FrontArmCtrl2, d.P6));
    // 33.-34.
    WristWidth = Fl(double(WristGirth) + WristEase + 3 * h);
    BoxTop = BackTop.y;
    // The cap tangents at Z and Z1, which the seams leave along.
    tF_ = Bezier2::Tangent(FrontTop, FrontCapCtrl, FrontCapEnd, FrontCrossParam);
    tB_ = Bezier2::Tangent(BackCapEnd, BackCapCtrl, BackTop, BackCrossParam);
    FitPasses = 0;
}

// ---------------------------------------------------------------------------
// The underarm seams and notches, as both kinds build them

void TDrop::BuildSeams(const SeamEnds& s, double& eB, double& eF) {
    const double dF = Dist(FrontCapCross, FrontUnderarm);
    FrontSeamCtrl1 = Along(FrontCapCross, tF_, dF * 0.34);
    FrontSeamCtrl2 = Along(s.frontLow, Normal(s.frontFrom, s.frontLow), dF * 0.45);
    const double dB = Dist(BackCapCross, BackUnderarm);
    BackSeamCtrl2 = Along(BackCapCross, tB_, -dB * 0.45);
    BackSeamCtrl1 = Along(s.backLow, Normal(s.backLow, s.backAim), dB * 0.34);
    eB = BackSeam - Bezier3::ArcLength(s.backLow, BackSeamCtrl1, BackSeamCtrl2, BackCapCross, 0, 1, 10);
    eF = FrontSeam - Bezier3::ArcLength(FrontCapCross, FrontSeamCtrl1, FrontSeamCtrl2, s.frontLow, 0, 1, 10);
}

template <class Ends>
void TDrop::FitSeams(Ends ends) {
    double eB = 0, eF = 0;
    BuildSeams(ends(), eB, eF);
    auto miss = [&] { return FitLoop::Larger(eB, eF); };
    FitPasses = FitLoop::Fit(miss(), kTolerance, kMaxFitPasses, 1, [&](double) {
        FrontUnderarm.x = Fl(FrontUnderarm.x - (eB - eF) * 0.5);
        BackUnderarm.x = Fl(double(FrontUnderarm.x) - ArmWidth);
        FrontUnderarm.y = Fl(FrontUnderarm.y - (eB + eF) * 0.5);
        FrontMid.y = FrontCapPoint.y = BackCapPoint.y = BackMid.y = BackUnderarm.y = FrontUnderarm.y;
        BuildSeams(ends(), eB, eF);
        return miss();
    });
}

void TDrop::PlaceNotches(const Vector& backLow, const Vector& frontLow) {
    const Seam back{BackCapCross, BackSeamCtrl2, BackSeamCtrl1, backLow};
    float t = NotchParam(back, BackCapArc);
    Vector T = Bezier3::Tangent(back.p0, back.p1, back.p2, back.p3, t);
    Vector N = Bezier3::Normal(back.p0, back.p1, back.p2, back.p3, t);
    BackNotch = Bezier3::Point(back.p0, back.p1, back.p2, back.p3, t);
    BackNotchIn = Along(BackNotch, N, 0.6);
    BackNotchEnd1 = Along(BackNotchIn, T, 0.2);
    BackNotchEnd2 = Along(BackNotchIn, T, -0.2);
    const Seam front{FrontCapCross, FrontSeamCtrl1, FrontSeamCtrl2, frontLow};
    t = NotchParam(front, FrontCapArc);
    T = Bezier3::Tangent(front.p0, front.p1, front.p2, front.p3, t);
    N = Bezier3::Normal(front.p0, front.p1, front.p2, front.p3, t);
    FrontNotch = Bezier3::Point(front.p0, front.p1, front.p2, front.p3, t);
    FrontNotchIn = Along(FrontNotch, N, -0.6);
    FrontNotchEnd2 = Along(FrontNotchIn, T, 0.2);
    FrontNotchEnd1 = Along(FrontNotchIn, T, -0.2);
}

// ---------------------------------------------------------------------------
// Drawing

void TDrop::Draw() { DrawOutline(ScreenPen()); }
void TDrop::DrawLabels() { WriteLabels(ScreenPen()); }

void TDrop::DrawPiece(TDrawContext& dc, bool printer) {
    const PatternPen pen = printer ? PaperPen(dc) : PatternPen{dc, false, GarmentSheets::kScreenOutline};
    DrawOutline(pen);
    WriteLabels(pen);
}

void TDrop::DrawOutline(const PatternPen& pen) const {
    pen.Thin();
    pen.Line({BackMid, BackMidTop});
    pen.Thick();
    pen.QuadPart(BackCapEnd, BackCapCtrl, BackTop, BackCrossParam, 1.0f, 20);
    pen.QuadPart(FrontTop, FrontCapCtrl, FrontCapEnd, 0.0f, FrontCrossParam, 20);
    pen.Thin();
    pen.Line({FrontMidTop, FrontMid});
}

void TDrop::DrawSeams(const PatternPen& pen, std::initializer_list<Vector> lows) const {
    const Vector backLow = *lows.begin(), frontLow = *(lows.end() - 1);
    pen.Thick();
    pen.Cubic(backLow, BackSeamCtrl1, BackSeamCtrl2, BackCapCross, 30);
    pen.Thin();
    pen.Line({BackCapCross, BackSeamCtrl2});
    pen.Line({BackNotch, BackNotchIn});
    pen.Line({BackNotchEnd1, BackNotchEnd2});
    pen.Line({BackSeamCtrl2, BackSeamCtrl1});
    for (const Vector& p : lows) pen.To(p);
    pen.To(FrontSeamCtrl2);
    pen.To(FrontSeamCtrl1);
    pen.Line({FrontNotch, FrontNotchIn});
    pen.Line({FrontNotchEnd2, FrontNotchEnd1});
    pen.Line({FrontSeamCtrl1, FrontCapCross});
    pen.Thick();
    pen.Cubic(FrontCapCross, FrontSeamCtrl1, FrontSeamCtrl2, frontLow, 30);
}

namespace {

template <class Sleeve>
using LabelRow = Labels::Row<Sleeve>;

template <class Sleeve, std::size_t N>
void PutLabels(const PatternPen& pen, const Sleeve& s, const LabelRow<Sleeve> (&rows)[N]) {
    Labels::PutAll(pen.dc, pen.printer, s, rows);
}

const LabelRow<TDrop> kTopLabels[] = {
    {"P4", &TDrop::BackMid, 3},       {"Z", &TDrop::BackCapCross, 1}, {"C", &TDrop::BackTop, 2},
    {"Z1", &TDrop::FrontCapCross, 2}, {"P", &TDrop::FrontMid, 3},
};

}  // namespace

void TDrop::WriteLabels(const PatternPen& pen) const { PutLabels(pen, *this, kTopLabels); }

// ---------------------------------------------------------------------------
// Kind 9: the straight sleeve

void TDropStright::PlaceSeamLows(const Vector& down) {
    FrontSeamMid = DraftSteps::Mid(FrontMid, HemFront);
    FrontSeamRadius = Fl(Dist(FrontMid, FrontSeamMid));
    FrontSeamLow = Geom::LineCircle(FrontSeamMid, FrontSeamRadius, FrontUnderarm, down);
    BackSeamLow = Vector(BackUnderarm.x, FrontSeamLow.y);
}

void TDropStright::Draft(TDress& d) {
    TDrop::Draft(d);
    const double w = WristWidth;
    // 2.-3. The hem line, the arm length counted from P11.
    const float yh = Fl(double(TopLength) + FrontTop.y - ArmLength - ShoulderPad - Interlining);
    auto placeHem = [&] {
        HemFront = Vector(Fl((double(BackUnderarm.x) + FrontUnderarm.x + w) * 0.5), yh);
        HemBack = Vector(Fl(HemFront.x - w), yh);
    };
    HemMid = Vector(FrontTop.x, yh);
    placeHem();
    // 4.-6. The seams' lower ends.
    PlaceSeamLows(Unit(FrontTop, HemMid));
    // 7.-9. The seams fitted to the bodice.
    FitSeams([&] {
        placeHem();
        PlaceSeamLows(Vector(0, -1));
        return SeamEnds{BackSeamLow, HemBack, HemFront, FrontSeamLow};
    });
    // 10.-11. The notches.
    PlaceNotches(BackSeamLow, FrontSeamLow);
    // 12. The lower seams lengthened by what the seam above the upper arm
    //     falls short of the height down to the hem.
    const double s = (double(FrontCapPoint.y) - yh) - Dist(FrontSeamLow, HemFront);
    HemFrontLow = Along(HemFront, Unit(FrontSeamLow, HemFront), s);
    HemBackLow = Along(HemBack, Unit(BackSeamLow, HemBack), s);
    // 13. The hem curve dips at the back and rises at the front.
    HemBackMid = Vector(Fl((double(HemBack.x) + HemMid.x) * 0.5), yh);
    HemFrontMid = Vector(Fl((double(HemMid.x) + HemFront.x) * 0.5), yh);
    HemBackCtrl = Vector(HemBackMid.x, Fl(yh - (double(HemMid.x) - HemBackMid.x) / 6));
    HemFrontCtrl = Vector(HemFrontMid.x, Fl(yh + (double(HemFrontMid.x) - HemMid.x) / 6));
    // 14. The extent box.
    BoxLeft = std::min(HemBackLow.x, BackSeamLow.x);
    BoxRight = std::max(FrontSeamLow.x, HemFrontLow.x);
    BoxBottom = std::min(HemBackLow.y, HemBackCtrl.y);
}

void TDropStright::DrawOutline(const PatternPen& pen) const {
    TDrop::DrawOutline(pen);
    DrawSeams(pen, {BackSeamLow, BackUnderarm, BackMid, FrontUnderarm, FrontSeamLow});
    pen.To(HemFrontLow);
    pen.Quad(HemFrontLow, HemFrontCtrl, HemMid, 30);
    pen.Quad(HemMid, HemBackCtrl, HemBackLow, 30);
    pen.To(BackSeamLow);
    pen.Thin();
    pen.Line({BackMid, FrontMid});
    pen.Line({FrontTop, HemMid, HemFrontCtrl, HemFrontLow});
    // The thin line on to the hem line's end only where the seam was
    // shortened above it.
    if (HemFrontLow.y > HemFront.y)
        pen.To(HemFront);
    else
        pen.dc.MoveTo(HemFront);
    pen.To(HemFrontMid);
    pen.Line({HemFrontCtrl, HemFrontMid, HemBack});
    if (HemBackLow.y > HemBack.y)
        pen.To(HemBackLow);
    else
        pen.dc.MoveTo(HemBackLow);
    pen.To(HemBackCtrl);
    pen.To(HemMid);
    pen.Line({HemBackMid, HemBackCtrl});
}

namespace {

using S = TDropStright;
const LabelRow<S> kStraightLabels[] = {
    {"H31", &S::HemBackCtrl, 3},     {"H21", &S::HemBackLow, 5},     {"H2", &S::HemBack, 2},
    {"H3", &S::HemBackMid, 2},       {"H", &S::HemMid, 3},           {"H41", &S::HemFrontCtrl, 1},
    {"H4", &S::HemFrontMid, 4},      {"H11", &S::HemFrontLow, 3},    {"H1", &S::HemFront, 2},
    {"P31", &S::FrontSeamLow, 3},    {"O2", &S::FrontUnderarm, 2},   {"4", &S::FrontSeamCtrl2, 4},
    {"3", &S::FrontSeamCtrl1, 2},    {"O1", &S::BackCapPoint, 3},    {"2", &S::BackSeamCtrl2, 1},
    {"1", &S::BackSeamCtrl1, 3},     {"P61", &S::BackSeamLow, 9},    {"O", &S::BackUnderarm, 1},
};

}  // namespace

void TDropStright::WriteLabels(const PatternPen& pen) const {
    TDrop::WriteLabels(pen);
    PutLabels(pen, *this, kStraightLabels);
}

// ---------------------------------------------------------------------------
// Kind 10: the sleeve with an elbow dart

void TDropWDart::PlaceHem(double D2, double w) {
    const double r = w / 2;
    HemBack = Geom::CircleCross(DartTip, HemCentre, Fl(Root(D2 - r * r)), Fl(r), 0);
    HemMid = DraftSteps::Mid(HemBack, HemCentre);
    const Vector uB = Unit(BackUnderarm, ElbowBack), uF = Unit(FrontUnderarm, ElbowFront);
    const Vector dir = Unit(HemCentre, HemBack);
    HemSeamCross = Cross(HemBack, dir, ElbowBack, uB);
    HemFront = Cross(ElbowFront, uF, HemCentre, Vector(-dir.x, dir.y));
    const double k = 0.75 * w - Bezier2::ArcLength(HemFront, HemCentre, HemMid, 0, 1);
    HemBackEnd = Along(HemBack, dir, k);
}

void TDropWDart::Draft(TDress& d) {
    TDrop::Draft(d);
    const double W = ArmWidth, A = ArmLength;
    const double y0 = double(TopLength) + FrontTop.y - ShoulderPad - Interlining;
    // 2. The elbow line.
    const float yL = Fl(y0 - 0.58 * A);
    auto placeElbow = [&] {
        ElbowFront = Vector(Fl(FrontUnderarm.x - 0.035 * W), yL);
        ElbowBack = Vector(Fl(ElbowFront.x - 0.9 * W), yL);
    };
    Elbow = Vector(FrontCapPoint.x, yL);
    placeElbow();
    // 3.-5. The seams from the upper arm, fitted to the bodice.
    FitSeams([&] {
        placeElbow();
        return SeamEnds{BackUnderarm, ElbowBack, ElbowFront, FrontUnderarm};
    });
    // 6. The notches.
    PlaceNotches(BackUnderarm, FrontUnderarm);
    // 7.-10. The dart's tip, the hem's centre and the hem for the wrist.
    DartTip = Vector(Fl((double(ElbowBack.x) + Elbow.x) * 0.5), yL);
    ElbowQuarter = Vector(Fl(0.25 * W), yL);
    HemCentre = Vector(ElbowQuarter.x, Fl(y0 - A));
    const double D2 = double(Dist(DartTip, HemCentre)) * Dist(DartTip, HemCentre);
    double w = WristWidth;
    PlaceHem(D2, w);
    // 11. A hem whose back corner passes the back seam line narrows the
    //     wrist until the corner meets the line.
    DartDrawn = HemBackEnd.x - HemSeamCross.x > 0;
    WristPasses = 0;
    if (!DartDrawn)
        WristPasses = FitLoop::Fit(Dist(HemBackEnd, HemSeamCross), kTolerance, kMaxWristPasses, 1, [&](double f) {
            w -= 0.7 * f;
            WristWidth = Fl(w);
            w = WristWidth;
            PlaceHem(D2, w);
            return Dist(HemBackEnd, HemSeamCross);
        });
    // 12. The dart's point on the back seam line, where the line to Lp
    //     bisects the corner between the seam upwards and the line to H4.
    const Vector up = Unit(ElbowBack, BackUnderarm);
    double s = 0;
    DartPoint = ElbowBack;
    Vector u = Unit(DartPoint, HemBackEnd);
    DartPasses = FitLoop::Fit(Dot(up - u, DartTip - DartPoint), 0.05, kMaxDartPasses, 1, [&](double g) {
        s -= 0.5 * g;
        DartPoint = Along(ElbowBack, up, -s);
        u = Unit(DartPoint, HemBackEnd);
        return Dot(up - u, DartTip - DartPoint);
    });
    // 13.-15. The back seam's excess over the front's (1.5 % allowed) goes
    //         into the dart, part of it to the hem when the hem's back part
    //         is long.
    const double x = Dist(BackUnderarm, DartPoint) + Dist(DartPoint, HemBackEnd) -
                     1.015 * Dist(FrontUnderarm, HemFront);
    const double q = Dist(HemBackEnd, HemBack) - 0.25 * w;
    HemShortened = q > 0;
    double share = 1;
    if (HemShortened) {
        const double c = q / (Dist(HemBackEnd, HemSeamCross) + q);
        HemBackEnd = Along(HemBackEnd, u, -x * c);
        share = 1 - c;
    }
    DartUpper = Along(DartPoint, up, share * x * 0.5);
    DartLower = Along(DartPoint, u, share * x * 0.5);
    // 16. The lower dart line mirrored about the line to Lp.
    Vector v = Unit(DartTip, DartUpper);
    if (DartUpper != DartPoint) Vector::Rotate(v, Geom::Angle(DartPoint, DartTip, DartUpper));
    DartSeamCross = Cross(BackUnderarm, up, DartTip, v);
    DartLegEnd = Toward(DartTip, DartPoint, Dist(DartTip, DartSeamCross));
    // 17. The extent box.
    BoxLeft = BackUnderarm.x;
    BoxRight = FrontUnderarm.x;
    BoxBottom = std::min(HemBack.y, HemBackEnd.y);
}

void TDropWDart::DrawOutline(const PatternPen& pen) const {
    TDrop::DrawOutline(pen);
    DrawSeams(pen, {BackUnderarm, FrontUnderarm});
    pen.To(HemFront);
    if (HemShortened) {
        pen.Quad(HemFront, HemCentre, HemMid, 15);
        pen.Quad(HemMid, HemBack, HemBackEnd, 15);
    } else {
        pen.Quad(HemFront, HemCentre, HemBack, 15);
        pen.To(HemBackEnd);
    }
    if (DartDrawn) {
        pen.To(DartLower);
        pen.To(DartLegEnd);
        pen.To(DartUpper);
        pen.Thin();
        pen.To(DartTip);
        pen.To(DartLower);
        pen.To(DartPoint);
        pen.To(DartUpper);
        pen.Thick();
    }
    pen.To(BackUnderarm);
    pen.Thin();
    pen.Line({BackMid, FrontMid, HemCentre, HemFront});
    pen.Line({HemCentre, HemMid});
    if (HemShortened)
        pen.Line({HemMid, HemBack, HemBackEnd});
    else
        pen.Line({HemMid, HemBack});
    pen.Line({HemBack, DartTip, DartLegEnd});
    pen.Line({ElbowBack, ElbowFront});
    pen.Line({HemMid, Elbow, BackTop});
}

namespace {

using DW = TDropWDart;
const LabelRow<DW> kDartLabels[] = {
    {"2", &DW::BackSeamCtrl2, 1},  {"1", &DW::BackSeamCtrl1, 3},  {"O", &DW::BackUnderarm, 1},
    {"O1", &DW::BackCapPoint, 3},  {"3", &DW::FrontSeamCtrl1, 2}, {"4", &DW::FrontSeamCtrl2, 4},
    {"O2", &DW::FrontUnderarm, 2}, {"L1", &DW::ElbowFront, 3},    {"Lpp", &DW::ElbowQuarter, 2},
    {"H3", &DW::HemFront, 3},      {"H", &DW::HemCentre, 2},      {"H0", &DW::HemMid, 3},
    {"H2", &DW::HemBack, 3},       {"H4", &DW::HemBackEnd, 5},    {"L", &DW::Elbow, 2},
    {"Lp", &DW::DartTip, 2},       {"L5", &DW::DartLower, 7},     {"L4", &DW::DartUpper, 8},
    {"L3", &DW::ElbowBack, 2},
};

}  // namespace

void TDropWDart::WriteLabels(const PatternPen& pen) const {
    TDrop::WriteLabels(pen);
    PutLabels(pen, *this, kDartLabels);
}

void RegisterDropSleeves() {
    RegisterSleeveMaker(9, [] { return new TDropStright; });
    RegisterSleeveMaker(10, [] { return new TDropWDart; });
}
