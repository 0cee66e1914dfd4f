#include "sleeves/set_in/OneCut.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "garments/common/DraftSteps.h"
#include "garments/common/FitLoop.h"
#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"

namespace {

constexpr int kKind = 3, kMenKind = 14;
constexpr int kMenFrontIntervals = 12;  // Simpson's double intervals of the men's front cubic

float F(double v) { return FloatStore::Scalar(v, "one-seam sleeve with dart"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "one-seam sleeve with dart: parallel lines");
}

float Len(const CapArc& a) { return a.Length(); }

// The right-angle point of a triangle on the hypotenuse a–b with the leg
// `leg` at b: a wrist wider than the lower sleeve allows has none, and the
// sleeve cannot be built.
Vector RightAngle(const Vector& a, const Vector& b, float leg) {
    const double ab = Geom::Distance(a, b);
    const double rest = ab * ab - double(leg) * leg;
    if (!(rest > 0.0)) throw 1;
    return Geom::CircleCross(a, b, F(std::sqrt(rest)), leg, 0);
}

}  // namespace

TOneCut::TOneCut() : TSetInSleeve(kKind) {}
TOneCut::TOneCut(int kind) : TSetInSleeve(kind) {}
TMenOneCut::TMenOneCut() : TOneCut(kMenKind) {}

// ---------------------------------------------------------------------------
// The draft

void TOneCut::Draft(const SleeveGarment& g) {
    const bool women = g.family == SleeveGarment::Family::Women;
    const bool shirt = g.family == SleeveGarment::Family::MenShirt;
    // The men's shirts leave the shoulder pad out of the sleeve's length;
    // only the men's coats move the width line back by the armhole's arc
    // share.
    const Variant v{!women, shirt ? 0.0 : double(ShoulderPad), double(g.armholeArcLength), shirt};
    MenCut = v.men;
    TopNotched = v.topNotch;
    if (v.men)
        DraftMen(g, v);
    else
        DraftWomen(g, v);
}

void TOneCut::DraftWomen(const SleeveGarment& g, const Variant& v) {
    const double a = g.armholeLength, n = g.capEaseNorm, h = g.interliningEase;
    // 1. Eases, cap ease 0.662·A·n, W.
    const SetIn::Sizes z = SetIn::DeriveSizes(*this, g);
    const float w = SleeveWidth = z.width;
    CapLengthRequired = z.capLengthRequired;

    // 2. The top line.
    O2 = Vector(0, 0);
    O = Vector(F(w / 4.0), 0);
    O1 = Vector(F(-w / 4.0), 0);
    O3 = Vector(F(0.6 * w / 4.0), 0);
    O4 = Vector(F(-w / 8.0), 0);
    // 3. The elbow line.
    const float ly = F(-(0.58 * ArmLength + v.pad + CapEase + h));
    L0 = Vector(0, ly);

    // 4, 5. The cap depth, the cap frame and the width line.
    float py = z.startLevel;
    auto place = [&](float level, float p31x) {
        P = Vector(O.x, level);
        P1 = Vector(O.x, F(0.58 * level));
        P5 = Vector(O1.x, F(0.36 * level));
        P31 = Vector(p31x, level);
        P32 = Vector(F(double(P31.x) - w), level);
        L1 = Vector(F(P31.x - 0.035 * w), ly);
        L3 = Vector(F(L1.x - 0.9 * w), ly);
        // 7. Working directions and the cap.
        nS = Vector::UnitNormalBetween(L1, P31);
        dP = Vector::UnitBetween(O3, P1);
        dT = Vector::UnitBetween(O3, O1);
        BuildWomenCap();
        CapMismatch = F(double(CapLengthRequired) - CapLength);
        return SetIn::CapMismatch{CapMismatch, BalanceMismatch};
    };
    // 6. The bar under the cap top.
    TopNotch = SetIn::TopBar(O2);
    BalanceOffset = F(0.18 * a * n);
    const SetIn::CapMismatch m = place(py, F(w / 4.0 + 0.235 * w));

    // 8. Fit the cap.
    SetIn::FitCap(py, m, [&](float level, float shift) { return place(level, F(double(P31.x) + shift)); });

    // 9, 10. The notches, with the ease shares of the armhole.
    PlaceNotches(g, {CapArc::Quad(P31, Point3, P1), CapArc::Quad(P1, FrontLowerCtrl, Point1)});

    // 11. Width-line marks, the elbow, the hem centre.
    P2 = Vector(0, py);
    P4 = Vector(O1.x, py);
    L = Vector(O.x, ly);
    L2 = Vector(F(L3.x / 2.0), ly);
    H = Vector(O.x, F(-(ArmLength + v.pad + CapEase + h)));

    // 12 - 14. The hem, square to L2 at H2 and Wr long from H3 to H4; a
    // wrist so wide that H4 passes the back seam line is narrowed.
    float wr = z.wristWidth;
    PlaceWomenHem(wr);
    NarrowWrist(wr, [this](float x) { PlaceWomenHem(x); });
    WristWidth = wr;

    // 15 - 19. The dart against the front seam P31–H3.
    FinishDart(Geom::Distance(P31, H3), F(double(Geom::Distance(H2, H4)) - wr / 4.0));
}

void TOneCut::DraftMen(const SleeveGarment& g, const Variant& v) {
    const double a = g.armholeLength, n = g.capEaseNorm, h = g.interliningEase;
    // 1. Cap ease 0.715·A·n; the cap depth from 0.715·(n + 1)·A.
    const SetIn::Sizes z = SetIn::DeriveSizes(*this, g, 0.715, 0.715);
    const float w = SleeveWidth = z.width;
    ElbowWidth = F(0.88 * w);
    CapLengthRequired = z.capLengthRequired;

    // 2. The top line, O3 at W/8; the elbow and hem depths.
    O2 = Vector(0, 0);
    O = Vector(F(w / 4.0), 0);
    O1 = Vector(F(-w / 4.0), 0);
    O3 = Vector(F(w / 8.0), 0);
    O4 = Vector(F(-w / 8.0), 0);
    const float ly = F(-(0.58 * ArmLength + v.pad + CapEase + h));
    L0 = Vector(0, ly);
    H = Vector(O.x, F(-(ArmLength + v.pad + CapEase + h)));
    L = Vector(O.x, ly);

    // 4. The width line, X further back on the men's coats, and the
    // narrower elbow line.
    float py = z.startLevel;
    L11 = Vector(F(0.22 * w), ly);
    auto frontLine = [&](float level, float p31x) {
        P = Vector(O.x, level);
        P5 = Vector(O1.x, F(0.36 * level));
        P31 = Vector(p31x, level);
        P32 = Vector(F(double(P31.x) - w), level);
        L1 = Vector(F((P31.x - w / 4.0) * 0.88 + 0.22 * w), ly);
        L3 = Vector(F(double(L1.x) - ElbowWidth), ly);
    };
    frontLine(py, F(w / 2.0 - 0.5 - v.arcShare));

    // 3, 5. The hem's start: H0 square to L0, the hem direction and H3 on
    // the vertical through L1 (where the fit does not move it); then the
    // front seam's control and the cap's working direction.
    float wr = z.wristWidth;
    PlaceMenHem(wr);
    FrontLowerCtrl = Vector(L1.x, F(L1.y + Geom::Distance(L1, P31) / 2.0));

    auto place = [&](float level, float p31x) {
        frontLine(level, p31x);
        FrontLowerCtrl.x = L1.x;
        nS = Vector::UnitNormalBetween(FrontLowerCtrl, P31);
        BuildMenCap();
        CapMismatch = F(double(CapLengthRequired) - CapLength);
        return SetIn::CapMismatch{CapMismatch, BalanceMismatch};
    };
    BalanceOffset = F(2 * v.arcShare + 0.18 * a * n);
    nS = Vector::UnitNormalBetween(FrontLowerCtrl, P31);
    BuildMenCap();
    CapMismatch = F(double(CapLengthRequired) - CapLength);

    // 6. Fit the cap.
    SetIn::FitCap(py, {CapMismatch, BalanceMismatch},
                  [&](float level, float shift) { return place(level, F(double(P31.x) + shift)); });

    // 8. The cap top: a notch 1 cm along the cap on the men's shirts, a bar
    // on the coats.
    TopNotch = v.topNotch ? SetIn::TopNotch(CapArc::Quad(O2, O3, FrontUpperCtrl)) : SetIn::TopBar(O2);

    // 9. The notches, with the ease shares of the armhole.
    PlaceNotches(g, {CapArc::Cubic(P31, MenFrontCtrl2, P1, FrontUpperCtrl, kMenFrontIntervals),
                     CapArc::Quad(FrontUpperCtrl, O3, O2)});

    // 10. Width-line marks and the elbow point; the hem end H4 Wr from H0
    // along the hem, the wrist narrowed while H4 passes the back seam line.
    P2 = Vector(0, py);
    P4 = Vector(O1.x, py);
    L2 = Vector(F(-0.22 * w), ly);
    auto hemEnd = [this](float x) {
        const Vector d1 = Vector::UnitBetween(H, H0);
        HemSeamCross = Cross(H0, d1, P32, Vector::UnitBetween(P32, L3));
        H4 = H0 + d1 * F(double(x) - DraftSteps::Arc(H0, H, H3));
    };
    hemEnd(wr);
    NarrowWrist(wr, [&](float x) {
        PlaceMenHem(x);
        hemEnd(x);
    });
    WristWidth = wr;
    H2 = H0 + Vector::UnitBetween(H, H0) * F(wr / 4.0);

    // 11. The dart against the front seam P31 → L1 → H3.
    FinishDart(F(double(DraftSteps::Arc(P31, FrontLowerCtrl, L1)) + Geom::Distance(L1, H3)),
               F(double(wr) - 0.7 * w));

    // 12. The elbow tick.
    ElbowTickUpper = Vector(L11.x, F(ly + 0.2));
    ElbowTickLower = Vector(L11.x, F(ly - 0.2));
}

void TOneCut::PlaceNotches(const SleeveGarment& g, std::initializer_list<CapArc> front) {
    const double an = double(g.armholeLength) * g.capEaseNorm;
    FrontNotch = SetIn::PlaceNotch(front.begin(), front.size(), F(g.FrontArmholeLength() + 0.06 * an), +1.0f);
    const CapArc back[] = {CapArc::Quad(P32, BackSeamCtrl, Point5),
                           CapArc::Cubic(Point5, BackCubicCtrl2, BackCubicCtrl1, P5),
                           CapArc::Quad(P5, BackLowerCtrl, Point2)};
    BackNotch = SetIn::PlaceNotch(back, F(g.BackArmholeLength() + 0.26 * an), -1.0f);
}

void TOneCut::PlaceWomenHem(float wr) {
    H2 = RightAngle(L2, H, F(wr / 2.0));
    H0 = DraftSteps::Mid(H2, H);
    const Vector d1 = Vector::UnitBetween(H, H2);
    HemSeamCross = Cross(H2, d1, L3, Vector::UnitBetween(P32, L3));
    H3 = Cross(L1, Vector::UnitBetween(P31, L1), H, Vector(-d1.x, d1.y));
    H4 = H2 + d1 * F(0.75 * wr - DraftSteps::Arc(H3, H, H0));
}

void TOneCut::PlaceMenHem(float wr) {
    H0 = RightAngle(L0, H, F(wr / 4.0));
    const Vector k = Vector::UnitNormalBetween(L0, H0);
    H3 = Cross(L1, Vector(0, 1), H, Vector(k.x, -k.y));
}

template <class Place>
void TOneCut::NarrowWrist(float& wr, Place place) {
    DartOpen = H4.x - HemSeamCross.x > 0;
    if (DartOpen) return;
    FitLoop::Fit(Geom::Distance(HemSeamCross, H4), SetIn::kTolerance, kMaxPasses, 1, [&](double over) {
        wr = F(wr - 0.7 * over);
        place(wr);
        return double(Geom::Distance(HemSeamCross, H4));
    });
}

void TOneCut::FinishDart(float frontSeam, float e) {
    // 15. The dart mouth on the back seam line, where the dart's axis from
    // L2 bisects the angle between the upper and the lower back seam.
    const Vector g = Vector::UnitBetween(L3, P32);
    DartMouth = L3;
    double s = 0;
    Vector f = Vector::UnitBetween(DartMouth, H4);
    FitLoop::Fit(Vector::Dot(g - f, L2 - DartMouth), 0.05, kMaxPasses, 1, [&](double v) {
        s -= v / 2;
        DartMouth = L3 - g * F(s);
        f = Vector::UnitBetween(DartMouth, H4);
        return double(Vector::Dot(g - f, L2 - DartMouth));
    });

    // 16, 17. The intake (the back seam less 1.015 times the front); part
    // of it shortens the hem end when the hem runs long.
    const float d = F(double(Geom::Distance(P32, DartMouth)) + Geom::Distance(DartMouth, H4) - 1.015 * frontSeam);
    HemSplit = e > 0;
    double dart = d;
    if (HemSplit) {
        const double q = Checked::Div(e, double(e) + Geom::Distance(HemSeamCross, H4), "dart share");
        H4 = H4 - f * F(d * q);
        dart = d * (1 - q);
    }
    L4 = DartMouth + g * F(dart / 2);
    L5 = DartMouth + f * F(dart / 2);

    // 18. The seam edge over the closed dart: L2 → DartMouth mirrored in
    // the line L2–L4.
    const Vector toMouth = Vector::UnitBetween(L2, DartMouth), toL4 = Vector::UnitBetween(L2, L4);
    const Vector r = Geom::Rotated(toL4, F(Checked::Asin(Vector::Cross(toMouth, toL4), "closed dart")));
    DartFoldPoint = Cross(P32, g, L2, r);
    DartCapPoint = L2 + toMouth * Geom::Distance(L2, DartFoldPoint);

    // 19. The extent box.
    BoxLeft = P32.x;
    BoxRight = P31.x;
    BoxTop = O2.y;
    BoxBottom = std::min(H2.y, H4.y);
}

// ---------------------------------------------------------------------------
// The cap builders

void TOneCut::BuildBackCap(double share) {
    const SetIn::CapCorner corner = SetIn::RoundCorner(O4, P5, O, share * std::fabs(O4.x));
    Point2 = corner.point;
    BackUpperCtrl = corner.topCtrl;
    BackLowerCtrl = corner.lowerCtrl;
    const SetIn::LowerBackCap lower = SetIn::BuildLowerBack(P5, O4, P32, L3);
    Point4 = lower.point4;
    BackCubicCtrl1 = lower.ctrl1;
    Point5 = lower.point5;
    BackCubicCtrl2 = lower.ctrl2;
    BackSeamCtrl = lower.seamCtrl;
}

float TOneCut::BackCapLength() const {
    return F(double(Len(CapArc::Quad(O2, BackUpperCtrl, Point2))) + Len(CapArc::Quad(Point2, BackLowerCtrl, P5)) +
             Len(CapArc::Cubic(P5, BackCubicCtrl1, BackCubicCtrl2, Point5)) +
             Len(CapArc::Quad(Point5, BackSeamCtrl, P32)));
}

void TOneCut::BuildWomenCap() {
    // "3": the arc P1 → "3" → P31 leaves P1 along O3 → P1 and meets the
    // front seam square; "1" and "2" round the corners at O3 and O4.
    Point3 = Cross(P1, dP, P31, nS);
    const SetIn::CapCorner corner = SetIn::RoundCorner(O3, P1, O1, 0.54 * O3.x);
    Point1 = corner.point;
    FrontUpperCtrl = corner.topCtrl;
    FrontLowerCtrl = corner.lowerCtrl;
    BuildBackCap(0.46);
    const float front = F(double(Len(CapArc::Quad(P31, Point3, P1))) + Len(CapArc::Quad(P1, FrontLowerCtrl, Point1)) +
                          Len(CapArc::Quad(Point1, FrontUpperCtrl, O2)));
    const float back = BackCapLength();
    CapLength = F(double(front) + back);
    BalanceMismatch = F(double(BalanceOffset) + front - back);
}

void TOneCut::BuildMenCap() {
    // The front: one cubic from P31, leaving it square to the front seam,
    // with P1 (over O) as its third control, to FrontUpperCtrl on the way
    // from P1 to O3; then the arc over O3 to the cap top.
    P1 = Cross(P31, nS, O, Vector(0, 1));
    MenFrontCtrl2 = P31 + nS * F(0.8 * Geom::Distance(P31, P1));
    FrontUpperCtrl = P1 + Vector::UnitBetween(P1, O3) * F(0.4 * Geom::Distance(P1, O3));
    BuildBackCap(0.51);
    const float front = F(double(Len(CapArc::Cubic(P31, MenFrontCtrl2, P1, FrontUpperCtrl, kMenFrontIntervals))) +
                          Len(CapArc::Quad(FrontUpperCtrl, O3, O2)));
    const float back = BackCapLength();
    CapLength = F(double(front) + back);
    BalanceMismatch = F(double(BalanceOffset) + front - back);
}

// ---------------------------------------------------------------------------
// Drawing

void TOneCut::DrawOutline(TDrawContext& dc, int outline) const {
    auto to = [&dc](const Vector& p) { dc.LineTo(p); };
    // 1, 2. The back underarm and its notch.
    dc.SetPenWidth(outline);
    dc.Bezier2(P32, BackSeamCtrl, Point5, 24);
    dc.Bezier3(Point5, BackCubicCtrl2, BackCubicCtrl1, P5, 15);
    SetIn::DrawNotch(dc, BackNotch);
    // 3. Over the cap top.
    dc.SetPenWidth(outline);
    dc.Bezier2(P5, BackLowerCtrl, Point2, 30);
    dc.Bezier2(Point2, BackUpperCtrl, O2, 15);
    if (MenCut) {
        dc.Bezier2(O2, O3, FrontUpperCtrl, 30);
        dc.Bezier3(FrontUpperCtrl, P1, MenFrontCtrl2, P31, 25);
    } else {
        dc.Bezier2(O2, FrontUpperCtrl, Point1, 15);
        dc.Bezier2(Point1, FrontLowerCtrl, P1, 30);
    }
    // 4. The front notch.
    SetIn::DrawNotch(dc, FrontNotch);
    // 5. The front seam and the hem.
    dc.SetPenWidth(outline);
    if (MenCut) {
        dc.Bezier2(P31, FrontLowerCtrl, L1, 15);
        to(H3);
        dc.Bezier2(H3, H, H0, 15);
        if (HemSplit)
            dc.Bezier2(H0, H2, H4, 15);
        else
            to(H4);
    } else {
        dc.Bezier2(P1, Point3, P31, 20);
        to(H3);
        if (HemSplit) {
            dc.Bezier2(H3, H, H0, 15);
            dc.Bezier2(H0, H2, H4, 15);
        } else {
            dc.Bezier2(H3, H, H2, 15);
            to(H4);
        }
    }
    // 6. The back seam, with the closed dart's edge and its legs.
    if (DartOpen) {
        to(L5);
        to(DartCapPoint);
        to(L4);
        dc.SetPenWidth(1);
        to(L2);
        to(L5);
        to(DartMouth);
        to(L4);
        dc.SetPenWidth(outline);
    }
    to(P32);

    // 7. Construction lines.
    dc.SetPenWidth(1);
    auto path = [&dc](std::initializer_list<Vector> points) {
        dc.MoveTo(*points.begin());
        for (const Vector& p : points) dc.LineTo(p);
    };
    auto hemGuide = [&] {
        if (HemSplit)
            path({H, H0, H2, H4, H2, L2, DartCapPoint});
        else
            path({H, H0, H2, L2, DartCapPoint});
    };
    if (MenCut) {
        path({P32, P31, P1, O3});
        path({Point2, O4, P5, Point4, Point5});
        path({Point4, P32});
        path({P4, O1, O, L});
        path({ElbowTickUpper, ElbowTickLower});
        path({L, H, H3});
    } else {
        path({P32, P31, Point3, O3, Point1});
        path({Point2, O4, P5, Point4, Point5});
        path({Point4, P32});
        path({P4, O1, O, H, H3});
    }
    hemGuide();
    path({L3, L1});
    path({H0, L0, O2});
    SetIn::DrawNotch(dc, TopNotch, TopNotched);
}

void TOneCut::WriteLabels(TDrawContext& dc, bool printer) const {
    using Row = Labels::Row<TOneCut>;
    static auto women = [](const TOneCut& s) { return !s.MenCut; };
    static auto men = [](const TOneCut& s) { return s.MenCut; };
    static const Row kLabels[] = {
        {"O2", &TOneCut::O2, 2},      {"O4", &TOneCut::O4, 1},     {"O1", &TOneCut::O1, 1},
        {"P5", &TOneCut::P5, 8},      {"5", &TOneCut::Point5, 3},  {"4", &TOneCut::Point4, 1},
        {"P32", &TOneCut::P32, 10},   {"P4", &TOneCut::P4, 3},     {"P2", &TOneCut::P2, 3},
        {"P", &TOneCut::P, 3},        {"L", &TOneCut::L, 3},       {"L11", &TOneCut::L11, 10, men},
        {"L0", &TOneCut::L0, 2},      {"L3", &TOneCut::L3, 2},     {"L2", &TOneCut::L2, 2},
        {"L4", &TOneCut::L4, 8},      {"L5", &TOneCut::L5, 7},     {"H4", &TOneCut::H4, 5},
        {"H2", &TOneCut::H2, 3},      {"H0", &TOneCut::H0, 3},     {"H", &TOneCut::H, 2},
        {"H3", &TOneCut::H3, 3},      {"L1", &TOneCut::L1, 3},     {"P31", &TOneCut::P31, 2},
        {"3", &TOneCut::Point3, 2, women}, {"P1", &TOneCut::P1, 2, women}, {"P1", &TOneCut::P1, 5, men},
        {"O", &TOneCut::O, 2},        {"O3", &TOneCut::O3, 1},     {"1", &TOneCut::Point1, 4, women},
        {"2", &TOneCut::Point2, 3},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
