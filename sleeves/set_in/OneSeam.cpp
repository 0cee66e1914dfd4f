#include "sleeves/set_in/OneSeam.h"

#include <algorithm>
#include <cmath>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"

namespace {

constexpr int kKind = 1;

float F(double v) { return FloatStore::Scalar(v, "one-seam sleeve"); }

// The crossing of the line through p along d with the line through q
// along e; parallel lines have none and throw.
Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "one-seam sleeve: parallel lines");
}

float Len(const CapArc& a) { return a.Length(); }

}  // namespace

TOneSeam::TOneSeam() : TSetInSleeve(kKind) {}

// ---------------------------------------------------------------------------
// The draft

void TOneSeam::Draft(const SleeveGarment& g) {
    Family = g.family;
    const bool women = g.family == SleeveGarment::Family::Women;
    const double h = g.interliningEase;
    // The women's sleeve is lengthened by the shoulder pad, the men's
    // shirts' is not.
    const double pad = women ? ShoulderPad : 0.0;

    // 1. Eases, cap ease, W, Wr, (n + 1)·A and the first cap-base level.
    const SetIn::Sizes z = SetIn::DeriveSizes(*this, g);
    Width = z.width;
    WristWidth = z.wristWidth;
    CapLengthRequired = z.capLengthRequired;

    // 2. Top line through the cap top O2.
    O2 = Vector(0, 0);
    O = Vector(F(0.25 * Width), 0);
    O1 = Vector(F(-0.25 * Width), 0);
    O3 = Vector(F(0.6 * O.x), 0);
    O4 = Vector(F(0.5 * O1.x), 0);

    // 3. The women's cap top carries a bar.
    if (women) TopNotch = SetIn::TopBar(O2);

    // 5. Hem line: Др1с + Пн + cap ease + h below the cap top.
    H = Vector(O2.x, F(-(ArmLength + pad + CapEase + h)));

    // 4, 6 - 8. Width line P6–P3 at y0, centred 0.015·W left of the cap
    // top's vertical; hem line, underarm points and the cap.
    float y0 = z.startLevel;
    SetIn::CapMismatch m = PlaceWidthLine(y0, F(double(O.x) + 0.235 * Width));

    // 9. Fit the cap to (n + 1)·A with equal halves.
    SetIn::FitCap(y0, m, [this](float level, float shift) { return PlaceWidthLine(level, F(double(P3.x) + shift)); });

    // 10. The cap-top notch of the men's shirts, then the front notch that
    // meets P6 and the back notch that meets the back armhole point.
    if (!women) TopNotch = SetIn::TopNotch(CapArc::Quad(O2, FrontUpperCtrl, Point1));
    const CapArc front[] = {CapArc::Quad(P31, Point3, P1), CapArc::Quad(P1, FrontLowerCtrl, Point1)};
    FrontNotch = SetIn::PlaceNotch(front, g.FrontArmholeLength(), +1.0f);
    const CapArc back[] = {CapArc::Quad(P61, BackSeamCtrl, Point5),
                           CapArc::Cubic(Point5, BackCubicCtrl2, BackCubicCtrl1, P5),
                           CapArc::Quad(P5, BackLowerCtrl, Point2)};
    BackNotch = SetIn::PlaceNotch(back, g.BackArmholeLength(), -1.0f);

    // 11. Width-line marks and the elbow level 0.58·Др1с (+ Пн) + cap ease + h
    // below the cap top.
    P2 = Vector(O2.x, y0);
    P4 = Vector(O1.x, y0);
    L = Vector(O2.x, F(-(0.58 * ArmLength + pad + CapEase + h)));

    // 12. Seams as long as the drop y0 − H.y from the width line to the hem.
    const Vector across(1, 0);
    const float e = F((double(y0) - H.y) - Geom::Distance(P31, H1));
    const Vector frontSeam = Vector::UnitBetween(P31, H1);
    H11 = H1 + frontSeam * e;
    L2 = Cross(P31, frontSeam, L, across);
    const Vector backSeam = Vector::UnitBetween(P61, H2);
    H21 = H2 + backSeam * e;
    L1 = Cross(P61, backSeam, L, across);

    // 13. Hem: the front half rises above the hem line, the back half dips
    // below it, each control by a sixth of its distance from H.
    H3 = Vector(F((double(H2.x) + H.x) / 2), H.y);
    H4 = Vector(F((double(H.x) + H1.x) / 2), H.y);
    H31 = Vector(H3.x, F(H.y - (1.0 / 24) * 4 * (double(H.x) - H3.x)));
    H41 = Vector(H4.x, F(H.y + (1.0 / 24) * 4 * (double(H4.x) - H.x)));

    // 14. Extent box.
    BoxLeft = std::min(H21.x, P61.x);
    BoxRight = std::max(P31.x, H11.x);
    BoxTop = O2.y;
    BoxBottom = std::min(H21.y, H31.y);
}

SetIn::CapMismatch TOneSeam::PlaceWidthLine(float y0, float p3x) {
    P = Vector(O.x, y0);
    P3 = Vector(p3x, y0);
    P6 = Vector(F(double(P3.x) - Width), y0);
    // The wrist line Wr long, centred under the width line.
    H1 = Vector(F((double(P3.x) + P6.x + WristWidth) / 2), H.y);
    H2 = Vector(F(double(H1.x) - WristWidth), H.y);

    // P31: the higher crossing of the vertical through P3 with the circle on
    // the diameter P–H1, so that P–P31–H1 is a right angle.  A sleeve so
    // short that the vertical misses the circle cannot be built.
    const double cx = (double(P.x) + H1.x) / 2, cy = (double(P.y) + H1.y) / 2;
    const double rx = (double(H1.x) - P.x) / 2, ry = (double(H1.y) - P.y) / 2;
    const double dx = double(P3.x) - cx;
    const double rest = rx * rx + ry * ry - dx * dx;
    if (!(rest >= 0.0)) throw 1;
    P31 = Vector(P3.x, F(cy + std::sqrt(rest)));
    P61 = Vector(P6.x, P31.y);
    P1 = Vector(O.x, F(0.58 * P31.y));
    P5 = Vector(O1.x, F(0.36 * P61.y));

    // 7. Working directions.
    dP = Vector::UnitBetween(O3, P1);
    dT = Vector::UnitBetween(O3, O1);
    nS = Vector::UnitNormalBetween(H1, P31);

    // 8. The cap and what it misses.
    BuildCapCurves();
    CapMismatch = F(double(CapLengthRequired) - CapLength);
    return {CapMismatch, BalanceMismatch};
}

void TOneSeam::BuildCapCurves() {
    // 1. "3": the arc P1 → "3" → P31 leaves P1 along O3 → P1 and meets the
    // front seam at a right angle.
    Point3 = Cross(P1, dP, P31, nS);

    // 2, 3. "1" on the bisector at O3 of the top line and O3 → P1, with the
    // controls of the two upper front arcs where the normal at "1" crosses
    // those lines.
    const SetIn::CapCorner front = SetIn::RoundCorner(O3, P1, O1, 0.54 * O3.x);
    Point1 = front.point;
    FrontUpperCtrl = front.topCtrl;
    FrontLowerCtrl = front.lowerCtrl;

    // 4, 5. "2" likewise at O4 on the back.
    const SetIn::CapCorner back = SetIn::RoundCorner(O4, P5, O, 0.46 * std::fabs(O4.x));
    Point2 = back.point;
    BackUpperCtrl = back.topCtrl;
    BackLowerCtrl = back.lowerCtrl;

    // 6. The lower back cap: the cubic P5 → "5", bulging into the piece by
    // 0.05·|P5 P61| at "4", and the arc "5" → P61 that meets the back seam
    // at a right angle.
    const SetIn::LowerBackCap lower = SetIn::BuildLowerBack(P5, O4, P61, H2);
    Point4 = lower.point4;
    BackCubicCtrl1 = lower.ctrl1;
    Point5 = lower.point5;
    BackCubicCtrl2 = lower.ctrl2;
    BackSeamCtrl = lower.seamCtrl;

    // 7. The halves' lengths, the front from P31 up, the back from O2 down.
    const float frontLength = F(double(Len(CapArc::Quad(P31, Point3, P1))) + Len(CapArc::Quad(P1, FrontLowerCtrl, Point1)) +
                          Len(CapArc::Quad(Point1, FrontUpperCtrl, O2)));
    const float backLength = F(double(Len(CapArc::Quad(O2, BackUpperCtrl, Point2))) +
                         Len(CapArc::Quad(Point2, BackLowerCtrl, P5)) +
                         Len(CapArc::Cubic(P5, BackCubicCtrl1, BackCubicCtrl2, Point5)) +
                         Len(CapArc::Quad(Point5, BackSeamCtrl, P61)));
    CapLength = F(double(frontLength) + backLength);
    BalanceMismatch = F(double(frontLength) - backLength);
}

// ---------------------------------------------------------------------------
// Drawing

void TOneSeam::FrontCap(CapArc (&arcs)[3]) const {
    arcs[0] = CapArc::Quad(P31, Point3, P1);
    arcs[1] = CapArc::Quad(P1, FrontLowerCtrl, Point1);
    arcs[2] = CapArc::Quad(Point1, FrontUpperCtrl, O2);
}

void TOneSeam::BackCap(CapArc (&arcs)[4]) const {
    arcs[0] = CapArc::Quad(P61, BackSeamCtrl, Point5);
    arcs[1] = CapArc::Cubic(Point5, BackCubicCtrl2, BackCubicCtrl1, P5);
    arcs[2] = CapArc::Quad(P5, BackLowerCtrl, Point2);
    arcs[3] = CapArc::Quad(Point2, BackUpperCtrl, O2);
}

void TOneSeam::DrawOutline(TDrawContext& dc, int outline) const {
    // The back underarm.
    dc.SetPenWidth(outline);
    dc.Bezier2(P61, BackSeamCtrl, Point5, 20);
    dc.Bezier3(Point5, BackCubicCtrl2, BackCubicCtrl1, P5, 15);
    SetIn::DrawNotch(dc, BackNotch);
    // Over the cap top down to P1.
    dc.SetPenWidth(outline);
    dc.Bezier2(P5, BackLowerCtrl, Point2, 15);
    dc.Bezier2(Point2, BackUpperCtrl, O2, 15);
    dc.Bezier2(O2, FrontUpperCtrl, Point1, 15);
    dc.Bezier2(Point1, FrontLowerCtrl, P1, 40);
    SetIn::DrawNotch(dc, FrontNotch);
    // The front underarm, the front seam, the hem and the back seam.
    dc.SetPenWidth(outline);
    dc.Bezier2(P1, Point3, P31, 60);
    dc.MoveTo(P31);
    dc.LineTo(H11);
    dc.Bezier2(H11, H41, H, 30);
    dc.Bezier2(H, H31, H21, 30);
    dc.MoveTo(H21);
    dc.LineTo(P61);

    // Construction lines.
    static const Vector TOneSeam::*const kLines[][2] = {
        {&TOneSeam::P61, &TOneSeam::P6},     {&TOneSeam::P6, &TOneSeam::P4},     {&TOneSeam::P4, &TOneSeam::P61},
        {&TOneSeam::P61, &TOneSeam::Point4}, {&TOneSeam::Point4, &TOneSeam::Point5}, {&TOneSeam::Point4, &TOneSeam::P5},
        {&TOneSeam::P5, &TOneSeam::O4},      {&TOneSeam::O4, &TOneSeam::Point2}, {&TOneSeam::Point1, &TOneSeam::O3},
        {&TOneSeam::O3, &TOneSeam::Point3},  {&TOneSeam::Point3, &TOneSeam::P31}, {&TOneSeam::P31, &TOneSeam::P3},
        {&TOneSeam::P3, &TOneSeam::P},       {&TOneSeam::P, &TOneSeam::Point3},  {&TOneSeam::L2, &TOneSeam::L1},
        {&TOneSeam::H, &TOneSeam::H4},       {&TOneSeam::H4, &TOneSeam::H41},    {&TOneSeam::H4, &TOneSeam::H1},
        {&TOneSeam::H1, &TOneSeam::H11},     {&TOneSeam::H11, &TOneSeam::H41},   {&TOneSeam::H41, &TOneSeam::H31},
        {&TOneSeam::H31, &TOneSeam::H21},    {&TOneSeam::H21, &TOneSeam::H2},    {&TOneSeam::H2, &TOneSeam::H3},
        {&TOneSeam::H3, &TOneSeam::H31},     {&TOneSeam::H3, &TOneSeam::H},      {&TOneSeam::H, &TOneSeam::O2},
        {&TOneSeam::O2, &TOneSeam::O},       {&TOneSeam::O, &TOneSeam::P},       {&TOneSeam::P, &TOneSeam::P4},
        {&TOneSeam::P4, &TOneSeam::O1},      {&TOneSeam::O1, &TOneSeam::O2},
    };
    dc.SetPenWidth(1);
    for (const auto& line : kLines) {
        dc.MoveTo(this->*line[0]);
        dc.LineTo(this->*line[1]);
    }

    // The cap-top mark: the bar, and on the men's shirts the stem.
    dc.MoveTo(TopNotch.bar2);
    dc.LineTo(TopNotch.bar1);
    if (Family != SleeveGarment::Family::Women) {
        dc.MoveTo(TopNotch.foot);
        dc.LineTo(TopNotch.point);
    }
}

void TOneSeam::WriteLabels(TDrawContext& dc, bool printer) const {
    using Row = Labels::Row<TOneSeam>;
    static const Row kLabels[] = {
        {"O2", &TOneSeam::O2, 2},   {"1", &TOneSeam::Point1, 4}, {"O3", &TOneSeam::O3, 1},
        {"O", &TOneSeam::O, 2},     {"P1", &TOneSeam::P1, 2},    {"P", &TOneSeam::P, 4},
        {"3", &TOneSeam::Point3, 4}, {"P3", &TOneSeam::P3, 2},   {"P31", &TOneSeam::P31, 3},
        {"L2", &TOneSeam::L2, 3},   {"H1", &TOneSeam::H1, 2},    {"H11", &TOneSeam::H11, 3},
        {"H41", &TOneSeam::H41, 1}, {"H4", &TOneSeam::H4, 4},    {"H", &TOneSeam::H, 3},
        {"H3", &TOneSeam::H3, 2},   {"H31", &TOneSeam::H31, 3},  {"H21", &TOneSeam::H21, 5},
        {"H2", &TOneSeam::H2, 2},   {"L1", &TOneSeam::L1, 2},    {"L", &TOneSeam::L, 2},
        {"P2", &TOneSeam::P2, 3},   {"P4", &TOneSeam::P4, 3},    {"P61", &TOneSeam::P61, 5},
        {"P6", &TOneSeam::P6, 6},   {"4", &TOneSeam::Point4, 1}, {"5", &TOneSeam::Point5, 3},
        {"P5", &TOneSeam::P5, 8},   {"O1", &TOneSeam::O1, 1},    {"O4", &TOneSeam::O4, 1},
        {"2", &TOneSeam::Point2, 3},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
