#include "sleeves/shaping/Kimono.h"

#include <algorithm>
#include <cmath>

#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "shell/Factory.h"
#include "sleeves/shaping/ShapingSteps.h"

namespace {

using namespace ShapingSteps;

// The inverse slope dx/dy of the line a–b; a horizontal line has none.
double InverseSlope(const Vector& a, const Vector& b) {
    return Checked::Div(double(a.x) - b.x, double(a.y) - b.y, "kimono sleeve: horizontal seam or side");
}

// One half's top line from the shoulder's end s: the foot w of the
// perpendicular from the underarm point u at distance f from it, on the
// right of s → u (front) or on its left (back).  A width line longer than
// |s u| cannot stand on the top line: the integer 1.  When it is exactly
// as long, the foot is s itself and the top line runs square to s → u.
struct TopLine {
    Vector foot, dir;
};
TopLine StandWidthLine(const Vector& s, const Vector& u, double f, int flag) {
    const double d = Geom::Distance(s, u);
    const double q = d * d - f * f;
    if (q < 0) throw 1;
    if (q == 0) {
        const Vector su = Vector::UnitBetween(s, u);
        const Vector n = Vector::Perpendicular(su);
        return {s, flag ? n : n * -1.0f};
    }
    const Vector foot = Geom::CircleCross(s, u, Fl(std::sqrt(q)), Fl(f), flag);
    return {foot, Vector::UnitBetween(s, foot)};
}

// The straight bodice's front hip arc B21 → B5 after B5 has moved.
template <class Silhouette>
void RebuildHipArc(Silhouette& d) {
    d.FrontHipMid = DraftSteps::Mid(d.B5, d.B21);
    d.FrontHipCtrl =
        Cross(d.B21, Vector::UnitBetween(d.B2, d.B5), d.FrontHipMid, Vector::UnitNormalBetween(d.B21, d.FrontHipMid));
}

}  // namespace

// ---------------------------------------------------------------------------
// The top lines

void TKimono::Calculate() { Draft(Bodice()); }

void TKimono::Draft(TDress& d) { DraftTopLines(d); }

void TKimono::DraftTopLines(TDress& d) {
    const double h = d.InterliningEase;
    Interlining = d.InterliningEase;
    ArmWidth = Fl(double(UpperArmGirth) + UpperArmEase + 3 * h);
    WristWidth = Fl(double(WristGirth) + WristEase + 3 * h);
    const double W = ArmWidth;

    // Front: P13 1 cm on from the shoulder arc, N1 a sixth of the armhole
    // width in from G4, the width line square to the top line through N1.
    FrontShoulderEnd = d.P11;
    P13 = Along(d.P11, Vector::UnitBetween(d.FrontShoulderMid, d.P11), 1);
    N1 = Vector(Fl(d.G4.x - (double(d.G4.x) - d.G1.x) / 6), d.G4.y);
    const TopLine front = StandWidthLine(P13, N1, 0.5 * W - 2 * (double(d.G4.x) - N1.x) - 0.5, 0);
    O3 = front.foot;
    FrontDir = front.dir;
    FrontTopJoin = Geom::Distance(P13, O3) > 5 ? Along(P13, front.dir, 2.5) : O3;
    const double L = double(ArmLength) + ShoulderPad + h;
    H2 = Along(P13, front.dir, L);
    O2 = Along(O3, FrontAcross(), (W - 1) / 2);

    // Back: the same from P12 and N, on the other side; the back top line
    // is 2 % longer and the back half of the width 1 cm wider.
    N = Vector(Fl(d.G1.x + (double(d.G4.x) - d.G1.x) / 6), d.G1.y);
    BackShoulderEnd = d.P1;
    P12 = Along(d.P1, Vector::UnitBetween(d.Q3, d.P1), 1);
    const TopLine back = StandWidthLine(P12, N, 0.5 * W - 2 * (double(N.x) - d.G1.x) + 0.5, 1);
    O1 = back.foot;
    BackDir = back.dir;
    BackTopJoin = Geom::Distance(P12, O1) > 5 ? Along(P12, back.dir, 2.5) : O1;
    H = Along(P12, back.dir, 1.02 * L);
    O = Along(O1, BackAcross(), (W + 1) / 2);
    const Vector n = Vector::UnitNormalBetween(d.Q3, d.P1);
    ShoulderNotch[0] = Along(d.P1, n, 0.2);
    ShoulderNotch[1] = Along(d.P1, n, -0.2);
}

// ---------------------------------------------------------------------------
// The meeting with the side seam

void TKimono::MeetSide(TDress& d, const Vector& frontAim, const Vector& backAim) {
    const Vector df = Vector::UnitBetween(O2, frontAim), db = Vector::UnitBetween(O, backAim);
    SideShiftLimited = false;
    if (auto* s = dynamic_cast<TDressOfStraight*>(&d)) {
        // The straight side: lines G2–B5 and G2–B4; the shift that brings
        // both meetings to one height in closed form.
        auto meet = [&] {
            FrontEnd = Cross(s->G2, Vector::UnitBetween(s->G2, s->B5), O2, df);
            BackEnd = Cross(s->G2, Vector::UnitBetween(s->G2, s->B4), O, db);
        };
        meet();
        const double dy = double(BackEnd.y) - FrontEnd.y;
        const double kF = InverseSlope(O2, frontAim), kB = InverseSlope(backAim, O);
        const double kSF = InverseSlope(s->G2, s->B5), kSB = InverseSlope(s->B4, s->G2);
        const char* what = "kimono sleeve: side shift";
        double shift = Checked::Div(dy, Checked::Div(1, kF - kSF, what) - Checked::Div(1, kB - kSB, what), what);
        if (shift > N1.x) {
            shift = N1.x;
            SideShiftLimited = true;
        } else if (shift < N.x) {
            shift = N.x;
            SideShiftLimited = true;
        }
        SideShift = Fl(shift);
        s->G2.x = Fl(double(s->G2.x) + SideShift);
        s->B4.x = Fl(double(s->B4.x) + SideShift);
        s->B5.x = Fl(double(s->B5.x) + SideShift);
        meet();
        RebuildHipArc(*s);
        s->B3.x = s->G2.x;
        BackCurveCase = FrontCurveCase = 0;
    } else {
        auto* w = dynamic_cast<TDressOfWaist*>(&d);
        if (!w) Checked::Fail("kimono sleeve without a silhouette");
        // The fitted side: on each half the arc from G2 to the waist and
        // the cubic from the waist to the hip.
        auto meet = [&] {
            const Vector a = Vector::UnitBetween(O, w->BackSideWaist);
            BackCurveT = 0.5f;
            if (CrossZ(a, db) > 0) {
                BackCurveCase = 1;
                BackEnd = Bezier2::CrossLineFrom(O, db, w->G2, w->BackSideUpperCtrl, w->BackSideWaist, BackCurveT, 0);
            } else {
                BackCurveCase = 2;
                BackEnd = Bezier3::CrossLineFrom(O, db, w->BackSideWaist, w->BackSideLowerCtrl, w->BackSideHipCtrl,
                                                 w->B4, BackCurveT, 5, 0);
            }
            const Vector b = Vector::UnitBetween(O2, w->FrontSideWaist);
            FrontCurveT = 0.5f;
            if (CrossZ(df, b) > 0) {
                FrontCurveCase = 1;
                FrontEnd =
                    Bezier2::CrossLineFrom(O2, df, w->G2, w->FrontSideUpperCtrl, w->FrontSideWaist, FrontCurveT, 1);
            } else {
                FrontCurveCase = 2;
                FrontEnd = Bezier3::CrossLineFrom(O2, df, w->FrontSideWaist, w->FrontSideLowerCtrl, w->FrontSideHipCtrl,
                                                  w->B5, FrontCurveT, 5, 1);
            }
        };
        meet();
        const float x0 = w->G2.x;
        double lo = N.x, hi = N1.x, x = w->G2.x;
        double dy = double(BackEnd.y) - FrontEnd.y;
        // The interval halves on every pass; the bound only guards against
        // a float interval that stops shrinking: the last place stands.
        for (int pass = 0; std::fabs(hi - lo) > 0.005 && pass < kMaxSideHalvings; ++pass) {
            if (dy > 0)
                lo = x;
            else
                hi = x;
            x = (lo + hi) / 2;
            const float shift = Fl(x - w->G2.x);
            w->G2.x = Fl(x);
            for (Vector* p : {&w->BackSideUpperCtrl, &w->FrontSideUpperCtrl, &w->BackSideWaist, &w->FrontSideWaist,
                              &w->BackSideLowerCtrl, &w->FrontSideLowerCtrl, &w->FrontSideHipCtrl, &w->BackSideHipCtrl,
                              &w->B5, &w->B4})
                p->x = Fl(double(p->x) + shift);
            meet();
            dy = double(BackEnd.y) - FrontEnd.y;
        }
        SideShift = Fl(double(w->G2.x) - x0);
        RebuildHipArc(*w);
        w->B3.x = w->G2.x;
        w->T6.x = w->BackSideWaist.x;
        w->T6Tick[0].x = w->T6Tick[1].x = w->BackSideWaist.x;
        w->T7.x = w->FrontSideWaist.x;
        w->T7Tick[0].x = w->T7Tick[1].x = w->FrontSideWaist.x;
    }
    TellBodice(d, FrontEnd, BackEnd, FrontCurveCase, BackCurveCase, FrontCurveT, BackCurveT);
}

void TKimono::PlaceGusset() {
    const Vector e = Vector::UnitBetween(O2, O3), n = Vector::UnitNormalBetween(O2, O3);
    F1 = Along(O3, n, 2);
    F = Vector(Fl(double(F1.x) - N1.x + N.x - 2), F1.y);
    F2 = Geom::CircleCross(F, F1, Fl(double(Geom::Distance(N, BackEnd)) + 2),
                           Fl(double(Geom::Distance(N1, FrontEnd)) + 2), 1);
    F3 = Vector(F2.x, Fl(2.0 * F.y - F2.y));
    const double p = Vector::Dot(F1 - F3, e);
    const double t = p > 0 ? p + 2 : 2;
    for (Vector* v : {&F, &F1, &F2, &F3}) *v = Along(*v, e, t);
}

// ---------------------------------------------------------------------------
// Drawing

void TKimono::SpanBox(std::initializer_list<Vector> points) {
    bool first = true;
    for (const Vector& p : points) {
        if (first || p.x < BoxLeft) BoxLeft = p.x;
        if (first || p.x > BoxRight) BoxRight = p.x;
        if (first || p.y > BoxTop) BoxTop = p.y;
        if (first || p.y < BoxBottom) BoxBottom = p.y;
        first = false;
    }
}

namespace {

// One half's upper sleeve: the construction corner at the carried-on
// shoulder point, the rounding from the shoulder into the top line up to
// the width line's foot, the width line carried down to the side, and the
// slit from there to the underarm point.
void DrawUpperHalf(const PatternPen& pen, const Vector& shoulder, const Vector& carried, const Vector& join,
                   const Vector& foot, const Vector& width, const Vector& meeting, const Vector& underarm) {
    pen.Thin();
    pen.Line({shoulder, carried, join});
    pen.dc.MoveTo(shoulder);
    pen.Thick();
    pen.Quad(shoulder, carried, join, 20);
    pen.To(foot);
    pen.Thin();
    pen.Line({foot, width, meeting});
    pen.Thick();
    pen.Line({meeting, underarm});
}

}  // namespace

void TKimono::DrawFront(const PatternPen& pen) const {
    DrawUpperHalf(pen, FrontShoulderEnd, P13, FrontTopJoin, O3, O2, FrontEnd, N1);
}

void TKimono::DrawBack(const PatternPen& pen) const {
    pen.Thin();
    pen.Tick(ShoulderNotch);
    DrawUpperHalf(pen, BackShoulderEnd, P12, BackTopJoin, O1, O, BackEnd, N);
}

void TKimono::DrawGusset(const PatternPen& pen) const {
    pen.Thick();
    pen.Line({F, F2, F1, F3, F});
    pen.Thin();
    pen.Line({F, F1});
}

namespace {

template <class Sleeve>
using LabelRow = Labels::Row<Sleeve>;

const LabelRow<TKimono> kFrontLabels[] = {
    {"P13", &TKimono::P13, 8}, {"O3", &TKimono::O3, 6}, {"N1", &TKimono::N1, 2},
    {"O2", &TKimono::O2, 3},   {"F1", &TKimono::F1, 3}, {"F2", &TKimono::F2, 2},
    {"F", &TKimono::F, 1},     {"F3", &TKimono::F3, 5},
};
const LabelRow<TKimono> kBackLabels[] = {
    {"P12", &TKimono::P12, 2},
    {"O1", &TKimono::O1, 2},
    {"N", &TKimono::N, 1},
    {"O", &TKimono::O, 4},
};

template <class Sleeve, std::size_t N>
void PutLabels(const PatternPen& pen, const Sleeve& s, const LabelRow<Sleeve> (&rows)[N]) {
    Labels::PutAll(pen.dc, pen.printer, s, rows);
}

}  // namespace

void TKimono::LabelFront(const PatternPen& pen) const { PutLabels(pen, *this, kFrontLabels); }
void TKimono::LabelBack(const PatternPen& pen) const { PutLabels(pen, *this, kBackLabels); }

// ---------------------------------------------------------------------------
// The straight kimono sleeve

TKimonoStright::TKimonoStright() : TKimono(7) {}

void TKimonoStright::Draft(TDress& d) {
    DraftTopLines(d);
    const double w = WristWidth;
    H3 = Along(H2, FrontAcross(), (w - 1) / 2);
    H1 = Along(H, BackAcross(), (w + 1) / 2);
    MeetSide(d, H3, H1);

    // Front hem: two arcs through H01, 0.5 cm off the chord's middle.
    H0 = DraftSteps::Mid(H2, H3);
    H01 = Along(H0, Vector::UnitNormalBetween(H2, H3), 0.5);
    const Vector e = Vector::UnitBetween(H3, H2);
    const double k = Geom::Distance(H2, H3) / 6.0;
    FrontHemCtrl1 = Along(H01, e, k);
    FrontHemCtrl2 = Along(H01, e, -k);
    const float aT = Geom::Angle(O3, H2, FrontHemCtrl1), aU = Geom::Angle(O2, H3, FrontHemCtrl2);

    // Back hem: the back seam M–H4 as long as the front M1–H3, the hem
    // leaving the top line and the seam at the front hem's angles.
    const Vector seam = Vector::UnitBetween(O, H1);
    H4 = Along(H1, seam, double(Geom::Distance(FrontEnd, H3)) - Geom::Distance(BackEnd, H1));
    const double k2 = Geom::Distance(H, H4) / 6.0;
    BackHemCtrl2 = Along(H4, Geom::Rotated(seam, aU), k2);
    BackHemCtrl1 = Along(H, Geom::Rotated(Vector::UnitBetween(O1, H), aT), k2);

    PlaceGusset();
    SpanBox(
        {P12, P13, H, H1, H2, H3, H4, O, O2, F, F1, F2, F3, BackHemCtrl1, BackHemCtrl2, FrontHemCtrl1, FrontHemCtrl2});
}

void TKimonoStright::DrawFront(const PatternPen& pen) const {
    TKimono::DrawFront(pen);
    pen.Line({O3, H2});
    pen.Quad(H2, FrontHemCtrl1, H01, 10);
    pen.Quad(H01, FrontHemCtrl2, H3, 10);
    pen.Thin();
    pen.Line({H3, H2});
    pen.Line({H01, H0});
    pen.Thick();
    pen.Line({H3, FrontEnd});
    DrawGusset(pen);
}

void TKimonoStright::DrawBack(const PatternPen& pen) const {
    TKimono::DrawBack(pen);
    pen.Line({O1, H});
    pen.Cubic(H, BackHemCtrl1, BackHemCtrl2, H4, 30);
    pen.To(H1);
    pen.Thin();
    pen.Line({H1, H});
    pen.Thick();
    pen.Line({H1, BackEnd});
}

namespace {

const LabelRow<TKimonoStright> kStraightFrontLabels[] = {
    {"H2", &TKimonoStright::H2, 6},
    {"H0", &TKimonoStright::H0, 5},
    {"H01", &TKimonoStright::H01, 2},
    {"H3", &TKimonoStright::H3, 3},
    {"M1", &TKimonoStright::FrontEnd, 3},
};
const LabelRow<TKimonoStright> kStraightBackLabels[] = {
    {"H", &TKimonoStright::H, 2},
    {"H4", &TKimonoStright::H4, 3},
    {"H1", &TKimonoStright::H1, 7},
    {"M", &TKimonoStright::BackEnd, 2},
};

}  // namespace

void TKimonoStright::LabelFront(const PatternPen& pen) const {
    TKimono::LabelFront(pen);
    PutLabels(pen, *this, kStraightFrontLabels);
}

void TKimonoStright::LabelBack(const PatternPen& pen) const {
    TKimono::LabelBack(pen);
    PutLabels(pen, *this, kStraightBackLabels);
}

// ---------------------------------------------------------------------------
// The kimono sleeve with an elbow dart

TKimonoWDart::TKimonoWDart() : TKimono(8) {}

double TKimonoWDart::TurnBack(double w, double lB) {
    const double phi = (double(ArmWidth) - w) / 4 / lB;
    const Vector e = Geom::Rotated(Vector::UnitBetween(L, H), Fl(phi));
    H1 = Along(L, e, lB);
    BackTopRound2 = Along(L, e, 3);
    const Vector n = Vector::UnitNormalBetween(H1, L);
    H4 = Along(H1, n, (w + 1) / 2);
    Hp = Along(H1, n, w / 4);
    BackWristCross = Cross(L1, Vector::UnitBetween(O, L1), H1, n);
    return Vector::Dot(BackWristCross - H4, n);
}

void TKimonoWDart::Draft(TDress& d) {
    DraftTopLines(d);
    const double W = ArmWidth;
    // 2.-4. The elbow lines, the back one 2 % farther down the top line.
    const double E = 0.55 * ArmLength + ShoulderPad + d.InterliningEase;
    const Vector eb = BackDir;
    L = Along(P12, eb, 1.02 * E);
    const Vector nb = BackAcross();
    L1 = Along(L, nb, 0.45 * W + 0.5);
    Lp = Along(L, nb, 0.225 * W);
    const Vector ef = FrontDir;
    L5 = Along(P13, ef, E);
    const Vector nf = FrontAcross();
    L6 = Along(L5, nf, 0.45 * W - 0.5);
    Lpp = Along(L5, nf, 0.225 * W);
    // 5. The seams aim at the elbow when they meet the side.
    MeetSide(d, L6, L1);

    // 6. The back lower sleeve turned towards the underarm; a wrist point
    //    beyond the carried-on seam narrows the wrist until it lies on it.
    double w = WristWidth;
    const double lF = Geom::Distance(L5, H2), lB = Geom::Distance(L, H);
    BackTopRound1 = Along(L, Vector::UnitBetween(L, H), -3);
    double g = TurnBack(w, lB);
    WristPasses = 0;
    if (g < 0)
        while (std::fabs(g) >= 0.1 && WristPasses < kMaxWristPasses) {
            w += g;
            g = TurnBack(w, lB);
            ++WristPasses;
        }
    WristWidth = Fl(w);
    const double ex = (W - w) / 4;

    // 7. The front lower sleeve turned by the same ex.
    const Vector e0 = Vector::UnitBetween(L5, H2);
    FrontTopRound1 = Along(L5, e0, -3);
    const Vector e1 = Geom::Rotated(e0, Fl(ex / lF));
    H3 = Along(L5, e1, lF);
    FrontTopRound2 = Along(L5, e1, 3);
    const Vector n3 = Vector::UnitNormalBetween(L5, H3);
    H5 = Along(H3, n3, (w - 1) / 2);
    Hpp = Along(H3, n3, w / 4);

    // 8. The rounding of the front seam at the elbow, at most 3 cm.
    const double r = std::min(double(Geom::Distance(L6, FrontEnd)), 3.0);
    FrontElbowRound1 = Toward(L6, O2, r);
    FrontElbowRound2 = Toward(L6, H5, r);

    // 9. The front hem.
    H02 = Toward(Hpp, Lpp, 0.5);
    const Vector eh = Vector::UnitBetween(H5, H3);
    FrontHemCtrl1 = Along(H02, eh, Geom::Distance(H3, Hpp) / 3.0);
    FrontHemCtrl2 = Along(H02, eh, -Geom::Distance(Hpp, H5) / 3.0);
    const float aT = Geom::Angle(L5, H3, FrontHemCtrl1), aU = Geom::Angle(L6, H5, FrontHemCtrl2);

    // 10. The dart's place: L2 on the back seam where Lp bisects the angle
    //     between the seam up and the seam down to H4.
    UpperSeamDir = Vector::UnitBetween(L1, O);
    const Vector K = UpperSeamDir;
    double s = 0;
    L2 = L1;
    auto bisectorGap = [&] {
        const Vector e = Vector::UnitBetween(L2, H4);
        return Vector::Dot(K - e, Lp - L2);
    };
    double m = bisectorGap();
    for (DartPasses = 0; std::fabs(m) >= 0.05 && DartPasses < kMaxDartPasses; ++DartPasses) {
        s -= m / 2;
        L2 = Along(L1, K, -s);
        m = bisectorGap();
    }

    // 11.-13. The back seam's extra length: a dart above 1 cm, else a
    //         shortened wrist point.
    const double a = DraftSteps::Arc(FrontElbowRound1, L6, FrontElbowRound2);
    const double back = double(Geom::Distance(BackEnd, L2)) + Geom::Distance(L2, H4);
    const double front = double(Geom::Distance(FrontEnd, FrontElbowRound1)) + a + Geom::Distance(FrontElbowRound2, H5);
    SeamExcess = Fl(back - front);
    const Vector down = Vector::UnitBetween(L2, H4);
    Vector hemEnd = H4;
    if (SeamExcess > 1) {
        DartDrawn = true;
        const double half = SeamExcess / 2.0;
        L4 = Along(L2, down, half);
        L3 = Along(L2, K, half);
        const Vector e = Geom::Rotated(Vector::UnitBetween(Lp, L4), Geom::Angle(L2, Lp, L4));
        DartCross = Cross(Lp, e, L2, K);
        DartTip = Toward(Lp, L2, Geom::Distance(Lp, DartCross));
    } else {
        DartDrawn = false;
        BackElbowRound1 = Along(L2, K, 3);
        BackElbowRound2 = Along(L2, down, 3);
        H41 = Along(H4, down, -double(SeamExcess));
        hemEnd = H41;
    }
    BackHemCtrl2 = Along(hemEnd, Geom::Rotated(down, aU), Geom::Distance(H4, Hp) / 3.0);
    BackHemCtrl1 = Along(H1, Geom::Rotated(Vector::UnitBetween(L, H1), aT), Geom::Distance(Hp, H1) / 3.0);

    // 14. The gusset.
    PlaceGusset();
    SpanBox({P12, P13, H, H1, H2, H3, H4, H5, O, O2, F, F1, F2, F3, BackHemCtrl1, BackHemCtrl2, FrontHemCtrl1,
             FrontHemCtrl2});
}

void TKimonoWDart::DrawFront(const PatternPen& pen) const {
    TKimono::DrawFront(pen);
    pen.Line({O3, FrontTopRound1});
    pen.Quad(FrontTopRound1, L5, FrontTopRound2, 10);
    pen.To(H3);
    // The top line before the turn: the arc from H3 back to H2 about the
    // elbow, then on through L5.
    pen.Thin();
    pen.dc.Arc3(L5, H2, H3, 0, 10);
    pen.To(FrontTopRound1);
    pen.Line({FrontTopRound2, L5, L6});
    pen.Line({FrontElbowRound1, L6, FrontElbowRound2});
    pen.Line({Lpp, Hpp});
    pen.Line({H5, H3});
    pen.Thick();
    pen.Quad(H3, FrontHemCtrl1, H02, 15);
    pen.Quad(H02, FrontHemCtrl2, H5, 15);
    pen.To(FrontElbowRound2);
    pen.Quad(FrontElbowRound2, L6, FrontElbowRound1, 15);
    pen.To(FrontEnd);
    DrawGusset(pen);
}

void TKimonoWDart::DrawBack(const PatternPen& pen) const {
    TKimono::DrawBack(pen);
    pen.Line({O1, BackTopRound1});
    pen.Quad(BackTopRound1, L, BackTopRound2, 10);
    pen.To(H1);
    pen.Thin();
    pen.dc.Arc3(L, H, H1, 0, 10);
    pen.To(BackTopRound1);
    pen.Line({BackTopRound2, L, Lp, Hp});
    pen.Line({H4, H1});
    pen.Thick();
    if (DartDrawn) {
        pen.Cubic(H1, BackHemCtrl1, BackHemCtrl2, H4, 40);
        pen.Line({H4, L4, DartTip, L3});
        pen.Thin();
        pen.Line({L3, Lp, L4, L2, L3});
        pen.Line({DartTip, Lp, L1});
        pen.Thick();
        pen.dc.MoveTo(L3);
    } else {
        pen.Cubic(H1, BackHemCtrl1, BackHemCtrl2, H41, 40);
        if (Geom::Distance(H41, BackElbowRound2) < Geom::Distance(H4, BackElbowRound2)) {
            pen.Thin();
            pen.Line({H4, H41});
            pen.Thick();
        }
        pen.To(BackElbowRound2);
        pen.Quad(BackElbowRound2, L2, BackElbowRound1, 10);
        pen.Thin();
        pen.To(L2);
        pen.To(BackElbowRound2);
        pen.Line({L2, Lp, L1});
        pen.Thick();
        pen.dc.MoveTo(BackElbowRound1);
    }
    pen.To(BackEnd);
}

namespace {

bool WithDart(const TKimonoWDart& s) { return s.DartDrawn; }
bool WithoutDart(const TKimonoWDart& s) { return !s.DartDrawn; }

using D = TKimonoWDart;
const LabelRow<D> kDartFrontLabels[] = {
    {"L5", &D::L5, 6}, {"H2", &D::H2, 6},   {"H3", &D::H3, 5},   {"Hpp", &D::Hpp, 5},
    {"H5", &D::H5, 3}, {"H02", &D::H02, 2}, {"Lpp", &D::Lpp, 2}, {"L6", &D::L6, 3},
    {"M1", &D::FrontEnd, 3},
};
const LabelRow<D> kDartBackLabels[] = {
    {"M", &D::BackEnd, 2},
    {"Lp", &D::Lp, 1},
    {"L", &D::L, 2},
    {"H1", &D::H1, 2},
    {"H", &D::H, 1},
    {"Hp", &D::Hp, 8},
    {"H4", &D::H4, 7, WithDart},
    {"L4", &D::L4, 5, WithDart},
    {"L3", &D::L3, 5, WithDart},
    {"H4", &D::H4, 3, WithoutDart},
    {"H41", &D::H41, 9, WithoutDart},
    {"L2", &D::L2, 5, WithoutDart},
    {"L1", &D::L1, 2},
};

}  // namespace

void TKimonoWDart::LabelFront(const PatternPen& pen) const {
    TKimono::LabelFront(pen);
    PutLabels(pen, *this, kDartFrontLabels);
}

void TKimonoWDart::LabelBack(const PatternPen& pen) const {
    TKimono::LabelBack(pen);
    PutLabels(pen, *this, kDartBackLabels);
}

void RegisterKimonoSleeves() {
    RegisterSleeveMaker(7, [] { return new TKimonoStright; });
    RegisterSleeveMaker(8, [] { return new TKimonoWDart; });
}
