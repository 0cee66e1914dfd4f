#include "garments/lower_men/MBryuki.h"

#include <cmath>
#include <iterator>
#include <vector>

#include "garments/common/PointLabels.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"

using namespace MenTrousers;

namespace {

// ---- The two kinds. ----

using namespace MeasureHints;
using M = TMenTrousersDraft;

// The order comment stands under the tables, on paper a little lower.
constexpr int kCommentY = 550;
constexpr int kPaperCommentY = kCommentY + 23;

const MenTrousersKind kKind1{
    {kMBryukiType,
     {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
      {"Дсб:", "Длина брюк сбоку", "100", nullptr, kBody, LowerLine13},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3}},
     {},
     kCommentY,
     kPaperCommentY},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SideLength, &M::WaistEase, &M::HipEase}};
const MenTrousersKind kKind2{
    {kMBryuki2Type,
     {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
      {"Вс:", "Высота сидения", "23", "5", kBody, LowerLine11},
      {"Дсб:", "Длина брюк сбоку", "100", nullptr, kBody, LowerLine13},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3},
      {"Пвс:", "Прибавка к высоте сидения", "0", nullptr, kFree, LowerPvs2}},
     {},
     kCommentY,
     kPaperCommentY},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SeatHeight, &M::SideLength, &M::WaistEase, &M::HipEase,
     &M::SeatEase}};

// ---- The result tables: each row's text and how its value is measured. ----

using D = TMenTrousersDraft;
float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }
float Diff(float a, float b) { return F(double(a) - b); }

const std::vector<SegmentRule> kFrontWaist = {
    {"[ T0, K0 ]", [](const D& d) { return -d.K0.y; }},
    {"[ T, T2 ]", [](const D& d) { return -d.T2.y; }},
    {"[ B, B0 ]", [](const D& d) { return -d.B.x; }},
    {"[ B0, B1 ]", [](const D& d) { return d.B1.x; }},
    {"[ B1, B11 ]", [](const D& d) { return Diff(d.B11.x, d.B1.x); }},
};
const std::vector<SegmentRule> kFrontSide = {
    {"[ T, T21 ]", [](const D& d) { return Diff(d.T21.x, d.T.x); }},
    {"[ T11, T7 ]", [](const D& d) { return Diff(d.T7.y, d.T11.y); }},
    {"[ T7, T8 ]", [](const D& d) { return Diff(d.T8.x, d.T7.x); }},
    {"[ b0, b1 ]", [](const D& d) { return -d.b1.x; }},
    {"[ 1, 2 ]", [](const D& d) { return Dist(d.N1, d.N2); }},
    {"[ 3, 4 ]", [](const D& d) { return Dist(d.N3, d.N4); }},
    {"[ 5, 6 ]", [](const D& d) { return Dist(d.N5, d.N6); }},
    {"[ T21, T4 ]", [](const D& d) { return Dist(d.T21, d.T4); }},
    {"[ T4, B6 ]", [](const D& d) { return Dist(d.T4, d.B6); }},
};
const std::vector<SegmentRule> kBackWaist = {
    {"[ K, T3 ]", [](const D& d) { return Dist(d.K, d.T3); }},
    {"[ T5, T6 ]", [](const D& d) { return Dist(d.T5, d.T6); }},
    {"[ T5, b2 ]", [](const D& d) { return Dist(d.T5, d.b2); }},
    {"[ b2, b3 ]", [](const D& d) { return Dist(d.b2, d.b3); }},
    {"[ b2, b21 ]", [](const D& d) { return Dist(d.b2, d.b21); }},
    {"[ b4, b5 ]", [](const D& d) { return Dist(d.b4, d.b5); }},
    {"[ 9, 10 ]", [](const D& d) { return Dist(d.N9, d.N10); }},
    {"[ 11, 12 ]", [](const D& d) { return Dist(d.N11, d.N12); }},
    {"[ P, P1 ]", [](const D& d) { return Dist(d.P1, d.P); }},
};

// ---- Point labels, in writing order. ----

using P = MenTrouserPoints;
const Labels::Row<MenTrouserPoints> kLabelsBeforeSeat[] = {
    {"B", &P::B, 4},     {"B3", &P::B3, 7},   {"1", &P::N1, 3},    {"2", &P::N2, 1},    {"P", &P::P, 4},
    {"9", &P::N9, 2},    {"10", &P::N10, 7},  {"T3", &P::T3, 7},   {"T6", &P::T6, 1},   {"T2", &P::T2, 7},
    {"T", &P::T, 1},     {"T21", &P::T21, 2}, {"T4", &P::T4, 3},   {"b4", &P::b4, 6},   {"b21", &P::b21, 1},
    {"b5", &P::b5, 2},   {"b2", &P::b2, 3},   {"b3", &P::b3, 3},   {"P1", &P::P1, 3},   {"b1", &P::b1, 5},
    {"b0", &P::b0, 3},   {"T0", &P::T0, 2},   {"T5", &P::T5, 2},   {"T1", &P::T1, 6},   {"T11", &P::T11, 3},
    {"T7", &P::T7, 7},   {"T8", &P::T8, 2},   {"B11", &P::B11, 2}, {"B1", &P::B1, 6},   {"B5", &P::B5, 2},
    {"B4", &P::B4, 5},   {"B0", &P::B0, 2},   {"C0", &P::C0, 3},
};
}  // namespace

TMBryukiDraft::TMBryukiDraft(const MenTrousersKind& kind, bool seatMeasured)
    : TMenTrousersDraft(kind), seatMeasured_(seatMeasured) {}

TMBryuki::TMBryuki() : TMBryukiDraft(kKind1, false) {}

TMBryuki2::TMBryuki2() : TMBryukiDraft(kKind2, true) {}

// ---------------------------------------------------------------------------
// The draft

void TMBryukiDraft::Draft() {
    const double Ct = WaistHalfGirth, Cb = HipHalfGirth, Pt = WaistEase;
    const double W = Cb + HipEase;  // Сб + Пб
    const double waist = (Ct + Pt) / 2.0;

    // 1. The surplus E and the levels: the seat depth s and its ease p.
    const double E = Surplus = F(W - Ct - Pt);
    double s, p;
    if (seatMeasured_) {
        s = SeatDepth = SeatHeight;
        p = SeatEase;
    } else {
        s = SeatDepth = F(Cb * 0.5 - 1.5);
        p = 0.0;
    }
    const float yB = F(-(2.0 / 3.0) * s);
    const float yC = F(-s - p);

    // 2. The crease line: waist, hem, hips, seat and the knee halfway
    //    between hips and hem.
    T0 = Vector(0, 0);
    H0 = Vector(0, F(-double(SideLength)));
    B0 = Vector(0, yB);
    C0 = Vector(0, yC);
    K0 = Vector(0, F((double(yB) + H0.y) / 2.0));

    // 3.-4. The front's width at the hips, its verticals and the crotch.
    B = Vector(F(-(0.6 * W - 1.0) / 2.0), yB);
    B1 = Vector(F(0.5 * W + B.x - 1.0), yB);
    B11 = Vector(F(B1.x + 0.5), yB);
    T = Vector(B.x, 0);
    T1 = Vector(B1.x, 0);
    C = Vector(B.x, yC);
    K = Vector(B.x, K0.y);
    C1 = Vector(B1.x, yC);
    C2 = Vector(F(C1.x + 0.1 * W), yC);

    // 5.-7. The knee symmetric about the crease line, the hem 0.5 inside it.
    K2 = Vector(F(C1.x + (double(C2.x) - C1.x) / 3.0), K0.y);
    K1 = Vector(-K2.x, K0.y);
    H = Vector(B.x, H0.y);
    H1 = Vector(F(K1.x + 0.5), H0.y);
    H2 = Vector(F(K2.x - 0.5), H0.y);
    H01 = Vector(0, F(H0.y + 0.5));
    T21 = Vector(F(T.x + 0.1 * E), 0);
    T2 = Vector(T.x, F(-0.08 * E));
    T11 = Vector(T1.x, T2.y);
    C11 = Vector(K2.x, yC);

    // 8.-9. The figure switch: hips that exceed the waist by less than the
    //       quadratic raise the front waist 0.3 at the fly, 0.4 wide.
    FigureSwitch = Cb - Ct < -0.0189 * Cb * Cb + 1.4545 * Cb - 17.3788;
    T7 = FigureSwitch ? Vector(T1.x, F(T11.y + 0.3)) : T11;
    T8 = T7.y > T11.y ? Vector(F(T7.x + 0.4), T7.y) : T7;

    // 10. The front waist from b1 (half the waist from T21, less 1) curving
    //     to T21, and its marks.
    b0 = Vector(0, T7.y);
    b1 = Vector(F(waist + T21.x - T1.x - 1.0), T7.y);
    WaistMarkFrom = Vector(0, F(b0.y - 1.0));
    WaistMarkTo = Vector(b1.x, F(b1.y - 1.0));
    WaistMarkDown = Vector(b1.x, F(b1.y - 4.0));
    WaistCtrl = Vector(F((double(T21.x) + b1.x) / 2.0), b1.y);

    // 11.-17. The front side seam and hem.
    FrontSideAboveHips(0.025 * E);
    FrontSideBelowHips(23.5f, 0.15);

    // 18.-19. The front inside leg.
    FrontInseam();

    // 20. The fly: a cubic turning up to T8 when T8 lies right of B11.
    Vector flyDir;
    if (CurvedFly()) {
        const double h = double(T8.y) - B11.y;
        FlyEnd = Vector(T8.x, F(T8.y - h / 3.0));
        FlyCtrl1 = Vector(B11.x, F(B11.y + h / 6.0));
        FlyCtrl2 = Vector(T8.x, F(T8.y - h / 3.0 - h / 6.0));
        flyDir = Vector::UnitBetween(T1, B1);
    } else {
        flyDir = Vector::UnitBetween(T8, B11);
    }
    // 21. The front crotch curve C2 → B11.
    FrontCrotchCtrl = CrotchControl(B11, flyDir, C1, Vector::UnitBetween(C0, C1), &FrontCrotchCorner);

    // 22. The back knee and hem.
    BackKneeAndHem();

    // 23.-26. The back hip line w wide turned up by a about B3.
    const float w = F((W + 1.0) / 2.0);
    const float a = F(Checked::Div(0.05 * (Cb + s), w, "back width"));
    const float d = F(std::tan(double(a)) * (s / 3.0 + p + std::sin(double(a)) * w));
    const float v = F(0.23 * W);
    TurnedBackHip(yB, yC, w, a, d, v).Into(B3, B4, B5, C3, C4);

    // 27. The back centre rises from B5 as high as the front's.
    T5 = Aside(B3, B5, B5, Geom::Distance(B1, T11));

    // 28.-36. C5, T3, the back waist with its dart and pocket line, the
    //         back side above the hips.
    BackWaist(0.25 * E + waist + (double(T7.x) - T8.x) + 1.0, s / 3.0);

    // 37.-41. The back side below the hips, the back inside leg.
    BackSeams(0.14, 0.25, 0.25);

    // 42. The back crotch: the centre line T5 – B5 carried down to the hips.
    BackCrotchTop = Cross(B1, Vector::UnitBetween(B0, B1), B5, Vector::UnitBetween(T5, B5));

    // 43.-44. The front pocket.
    FrontPocket(Vector(F(b1.x + 3.0), b1.y), B6);

    // 45.-46. "Средний срез:" and the crotch seam.
    SeamLabelPos = Vector(F(B.x + 1.2), F(B.y - 0.6));
    CrotchSeam = SeamLength(Arc(BackCrotchTop, C3, BackStep), Geom::Distance(T5, BackCrotchTop),
                            Geom::Distance(BackStep, C5), Geom::Distance(T8, B11), Arc(C2, FrontCrotchCtrl, B11));
}

std::vector<SegmentRule> TMBryukiDraft::FrontRules() const {
    static const std::vector<SegmentRule> head = {{"[ T0, H0 ]", [](const D& d) { return d.SideLength; }}};
    return Join({head, kFrontLevels, kFrontWaist, kFrontLeg, kFrontSide});
}

std::vector<SegmentRule> TMBryukiDraft::BackRules() const { return Join({kBackKneeToStep, kBackWaist}); }

// ---------------------------------------------------------------------------
// Drawing

void TMBryukiDraft::DrawPaths(TDrawContext& dc, int thick) const {
    DrawOutline(dc, thick, T8, CurvedFly());
    // Construction lines, pen 1, from T6.
    DrawBackHipLines(dc);
    dc.MoveTo(B11);
    dc.LineTo(B3);
    dc.LineTo(T3);
    dc.LineTo(T5);
    if (T7.y >= T1.y) {
        dc.MoveTo(T7);
        dc.LineTo(T1);
    } else {
        dc.MoveTo(T1);
    }
    dc.LineTo(T);
    dc.LineTo(H);
    dc.LineTo(H4);
    dc.MoveTo(H011);
    dc.LineTo(b0.y >= T0.y ? b0 : T0);  // the crease line
    DrawPocketLine(dc, P1, P);
    // The front pocket.
    dc.MoveTo(T4);
    dc.LineTo(PocketMark);
    dc.LineTo(PocketMarkTick);
    dc.MoveTo(PocketMark);
    dc.LineTo(B6);
    dc.MoveTo(B);
    dc.LineTo(N1);
    dc.LineTo(N2);
    dc.MoveTo(N1);
    dc.LineTo(T21);
    dc.MoveTo(T2);
    dc.LineTo(T11);
    dc.MoveTo(T1);
    dc.LineTo(C1);
    dc.MoveTo(BackCrotchTop);
    dc.LineTo(C3);
    dc.LineTo(BackStep);
    dc.MoveTo(C11);
    dc.LineTo(K2);
    dc.LineTo(N5);
    dc.LineTo(N6);
    dc.MoveTo(N5);
    dc.LineTo(C2);
    dc.LineTo(C4);
    dc.Arc3(C3, C5, C4, 0, 10);
    dc.LineTo(N7);
    dc.LineTo(N8);
    dc.MoveTo(N7);
    dc.LineTo(K4);
    dc.LineTo(K);
    dc.MoveTo(K3);
    dc.LineTo(N11);
    dc.LineTo(N12);
    dc.MoveTo(N11);
    dc.LineTo(B3);
    dc.MoveTo(C);
    dc.LineTo(C2);
    dc.MoveTo(K1);
    dc.LineTo(N3);
    dc.LineTo(N4);
    dc.MoveTo(N3);
    dc.LineTo(B);
}

void TMBryukiDraft::DrawLabels(TDrawContext& dc, bool printer) const {
    Labels::PutAll(dc, printer, static_cast<const MenTrouserPoints&>(*this), kLabelsBeforeSeat);
    DrawSeatToHemLabels(dc, printer);
    Labels::Put(dc, printer, B6, "B6", 3);
}


void RegisterMBryuki() {
    RegisterModelMaker(kMBryukiType, [] { return new TMBryuki; });
    RegisterModelMaker(kMBryuki2Type, [] { return new TMBryuki2; });
    // Ст, Сб, Дсб, Пт, Пб; TMBryuki2 adds Вс and Пвс.
    RegisterLowerBlock(kKind1.column);
    RegisterLowerBlock(kKind2.column);
}
