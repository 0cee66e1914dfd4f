#include "garments/lower_men/MJeans.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/LegSeams.h"
#include "garments/common/PointLabels.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"

using DraftSteps::HemControls;

namespace {

using M = TMJeansDraft;
using namespace MeasureHints;

// ---- TMJeans: seven rows; П о.бед.н.к. is the seventh edit but the fifth
// value of the record.  The measurement table writes the length as "Дсп"
// and the thigh without the caption's blank. ----
const TMJeansVariant kJeans{
    {kMJeansType,
     {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
      {"О бед.н.к.:", "Обхват бедра над коленом", "40", "5", kBody, LowerLine12, "О.бед.н.к."},
      {"Дсб:", "Длина брюк сбоку", "98", nullptr, kBody, LowerLine13, "Дсп"},
      {"Пт:", "Прибавка к полуобхвату талии", "0", "5", kFree, LowerPt3},
      {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr, kFree, LowerPb4},
      {"П о.бед.н.к.:", "Прибавка к обхвату бедра над коленом", "8", nullptr, kFree, LowerPobednk}},
     {0, 1, 2, 3, 6, 4, 5},
     614,
     582},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::ThighGirth, &M::SideLength, &M::WaistEase, &M::HipEase,
     &M::ThighEase},
    true};

// ---- TMJeans2: nine rows; edits, record and table in one order. ----
const TMJeansVariant kJeans2{
    {kMJeans2Type,
     {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
      {"Вс:", "Высота сидения", "23", "5", kBody, LowerLine11},
      {"О бед.н.к.:", "Обхват бедра над коленом", "40", "5", kBody, LowerLine12, "О.бед.н.к."},
      {"Дсб:", "Длина брюк сбоку", "98", nullptr, kBody, LowerLine13, "Дсп"},
      {"Пт:", "Прибавка к полуобхвату талии", "0", "5", kFree, LowerPt3},
      {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr, kFree, LowerPb4},
      {"Пвс:", "Прибавка к высоте сидения", "0", nullptr, kFree, LowerPvs2},
      {"П о.бед.н.к.:", "Прибавка к обхвату бедра над коленом", "8", nullptr, kFree, LowerPobednk}},
     {},
     614,
     582},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SeatHeight, &M::ThighGirth, &M::SideLength, &M::WaistEase,
     &M::HipEase, &M::SeatEase, &M::ThighEase},
    false};

// "y" lies 0.35·S below "13".
constexpr double kYokeDepth = 0.35;

// ---- Point labels, in drawing order, after C1 and C3. ----
using PointLabel = Labels::Row<M>;
const PointLabel kLabels[] = {
    {"C2", &M::C2, 2},     {"C4", &M::C4, 2},     {"C5", &M::C5, 3},   {"6", &M::P6, 1},      {"5", &M::P5, 4},
    {"8", &M::P8, 2},      {"7", &M::P7, 3},      {"D4", &M::D4, 3},   {"D2", &M::D2, 8},     {"D0", &M::D0, 3},
    {"K0", &M::K0, 3},     {"K2", &M::K2, 8},     {"K4", &M::K4, 3},   {"H2", &M::H2, 8},     {"H4", &M::H4, 3},
    {"H01", &M::H01, 2},   {"H0", &M::H0, 7},     {"H011", &M::H011, 3}, {"H1", &M::H1, 2},   {"H3", &M::H3, 4},
    {"K1", &M::K1, 3},     {"K3", &M::K3, 7},     {"K", &M::K, 1},     {"D3", &M::D3, 7},     {"D1", &M::D1, 3},
    {"4", &M::P4, 2},      {"3", &M::P3, 4},      {"11", &M::P11, 4},  {"12", &M::P12, 2},    {"C", &M::C, 4},
    {"B3", &M::B3, 7},     {"B", &M::B, 4},       {"C0", &M::C0, 3},   {"B0", &M::B0, 3},     {"B5", &M::B5, 10},
    {"B4", &M::B4, 5},     {"B1", &M::B1, 6},     {"B11", &M::B11, 2}, {"T1", &M::T1, 3},     {"T111", &M::T111, 2},
    {"T11", &M::T11, 5},   {"T51", &M::T51, 5},   {"T52", &M::T52, 2}, {"T5", &M::T5, 2},     {"T53", &M::T53, 2},
    {"T0", &M::T0, 3},     {"13", &M::P13, 2},    {"y", &M::Y, 3},     {"1", &M::P1, 3},      {"2", &M::P2, 1},
    {"9", &M::P9, 2},      {"10", &M::P10, 5},    {"T61", &M::T61, 5}, {"T62", &M::T62, 8},   {"T3", &M::T3, 3},
    {"T4", &M::T4, 2},     {"T", &M::T, 5},       {"T6", &M::T6, 8},   {"T63", &M::T63, 2},
};

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "men's jeans draft"); }

// One leg's outline: from the hip point down the side seam (a cubic to its
// bulge, a quadratic on to the thigh point), round the knee, across the hem
// and up the inseam over the other knee to the crotch point.
struct LegOutline {
    const Vector &hip, &sideCtl1, &sideCtl2, &sideBulge, &thighCtl, &sideThigh;
    const Vector &sideKneeUp, &sideKnee, &sideKneeDown, &sideHem, &hemCtl1, &hemMid, &hemCtl2, &innerHem;
    const Vector &innerKneeDown, &innerKnee, &innerKneeUp, &innerThigh, &inseamCtl1, &inseamBulge, &inseamCtl2;
    const Vector& crotch;
    int thighChords;
};
void DrawLeg(TDrawContext& dc, const LegOutline& l) {
    dc.Bezier3(l.hip, l.sideCtl1, l.sideCtl2, l.sideBulge, 30);
    dc.Bezier2(l.sideBulge, l.thighCtl, l.sideThigh, l.thighChords);
    dc.LineTo(l.sideKneeUp);
    dc.Bezier2(l.sideKneeUp, l.sideKnee, l.sideKneeDown, 10);
    dc.LineTo(l.sideHem);
    dc.Bezier2(l.sideHem, l.hemCtl1, l.hemMid, 10);
    dc.Bezier2(l.hemMid, l.hemCtl2, l.innerHem, 10);
    dc.LineTo(l.innerKneeDown);
    dc.Bezier2(l.innerKneeDown, l.innerKnee, l.innerKneeUp, 10);
    dc.LineTo(l.innerThigh);
    dc.Bezier2(l.innerThigh, l.inseamCtl1, l.inseamBulge, 20);
    dc.Bezier2(l.inseamBulge, l.inseamCtl2, l.crotch, 14);
}

// The knee's rounding: the points a quarter of |knee thigh| from the knee
// towards the thigh point and towards the hem.
void DraftKnee(const Vector& knee, const Vector& thigh, const Vector& hem, Vector& up, Vector& down) {
    const float d = F(0.25 * Geom::Distance(knee, thigh));
    up = knee + Vector::UnitBetween(knee, thigh) * d;
    down = knee + Vector::UnitBetween(knee, hem) * d;
}

}  // namespace

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TMJeansDraft::TMJeansDraft(const TMJeansVariant& variant)
    : TLowerGarment(variant), TJeansYoke(kMenJeansYoke), variant_(variant) {}

TMJeansDraft::~TMJeansDraft() = default;

TMJeans::TMJeans() : TMJeansDraft(kJeans) {}

TMJeans2::TMJeans2() : TMJeansDraft(kJeans2) {}

std::vector<MeasureSlot> TMJeansDraft::Slots() { return FieldSlots(*this, variant_.editFields); }

bool TMJeansDraft::CheckMeasures() { return WaistWithinHips(WaistHalfGirth, WaistEase, HipHalfGirth, HipEase); }

// ---------------------------------------------------------------------------
// The draft

void TMJeansDraft::Calculate() {
    // A draft that throws half way must not be drawn.
    calculated = false;
    Excess = F(double(HipHalfGirth) + HipEase - WaistHalfGirth - WaistEase);
    SeatDepth = variant_.seatFromHip ? F(0.5 * HipHalfGirth - 1.5) : SeatHeight;
    const float S = SeatDepth;
    const float p = variant_.seatFromHip ? 0.0f : SeatEase;
    DraftLevels(S, p);
    DraftFront();
    DraftBack(S, p);
    DraftPockets();
    SeamTextAnchor = Vector(F(C0.x + 0.5), F(C0.y - 1.7));
    CrotchSeam = CrotchSeamLength(BackHipPoint, BackCrotchStart, T111, B11, CrotchCtrl, C2);
    calculated = true;
}

void TMJeansDraft::DraftLevels(float S, float p) {
    const double E = Excess;
    T0 = Vector(0, 0);
    H0 = Vector(0, F(E / 9.0 - SideLength));
    C0 = Vector(0, F(E / 9.0 - S - p));
    B0 = Vector(0, F(E / 9.0 - 2.0 / 3.0 * S - 1.0));
    K0 = Vector(0, F((double(B0.y) + H0.y) * 0.5));
    D0 = Vector(0, F((2.0 * K0.y + C0.y) / 3.0));
}

void TMJeansDraft::DraftFront() {
    const double hips = double(HipHalfGirth) + HipEase;
    const double thigh = double(ThighGirth) + ThighEase;
    B = Vector(F(hips * -0.295 + 0.5), B0.y);
    B1 = Vector(F(hips * 0.205 - 0.5), B0.y);
    B11 = Vector(F(B1.x + 0.5), B0.y);

    D2 = Vector(F(thigh * 0.25 - 0.5), D0.y);
    D1 = Vector(-D2.x, D0.y);
    K2 = Vector(F(D2.x - 0.5), K0.y);
    K1 = Vector(-K2.x, K0.y);
    H1 = Vector(K1.x, H0.y);
    H2 = Vector(K2.x, H0.y);
    H01 = Vector(0, F(H0.y + 0.5));

    // The waist T .. T4, and C, C1 on the seat level.
    DraftFrontWaist(Excess, F(0.5 * (double(WaistHalfGirth) + WaistEase) - 1.0));
    SideOffset = F(double(T3.x) - T.x);
    DraftHipCurve(F(0.25 * SideOffset));

    // The side below the hip, B → "4" → D1, and the knees.
    DraftSideBelowHip(B, D1, K1, HipLowerCtrl, 4.0, 0.25).Into(P3, P4, FrontSideCtl1, FrontSideCtl2, FrontThighCtl);
    DraftKnee(K1, D1, H1, K1Up, K1Down);
    HemControls(-H2.x, H2.x, H01.y, FrontHemCtl1, FrontHemCtl2);
    DraftKnee(K2, D2, H2, K2Up, K2Down);

    // The crotch point and the inseam D2 → "6" → C2.
    C2 = Vector(F(C1.x + hips * 0.09), C1.y);
    DraftInnerLeg(D2, C2, K2).Into(P5, P6, FrontInseamCtl1, FrontInseamCtl2);

    // The fly: the crotch curve C2 → B11 turns into the centre line
    // T111 → B11, its control 0.8 of the way from B11 to the corner.
    const Vector centre = Vector::UnitBetween(T111, B11);
    CrotchCorner = Geom::IntersectLines(C2, B11, Vector::UnitBetween(C1, C0), centre);
    CrotchCtrl = B11 + centre * F(0.8 * Geom::Distance(B11, CrotchCorner));
    DraftWaistControls();
}

void TMJeansDraft::DraftBack(float S, float p) {
    const double thigh = double(ThighGirth) + ThighEase;
    const double E = Excess;
    D4 = Vector(F(thigh * 0.25 + 0.5), D0.y);
    D3 = Vector(-D4.x, D0.y);
    K4 = Vector(F(D4.x - 0.5), K0.y);
    K3 = Vector(-K4.x, K0.y);
    K = Vector(B.x, K0.y);
    H3 = Vector(K3.x, H0.y);
    H4 = Vector(K4.x, H0.y);
    H011 = Vector(0, F(H0.y - 0.5));

    // The seat frame, turned up about B3, and the back centre line up to T5.
    DraftSeat(HipHalfGirth, HipEase, S, p, B0.y, C0.y);

    // The back inseam as long as the front's, the back side as long as the
    // front's from the thigh level to the waist.
    C5 = Geom::CircleCross(D4, C3, Geom::Distance(D2, C2), F(double(C4.x) - C3.x), 0);
    T6 = Geom::CircleCross(D3, T5, Geom::Distance(D1, T4),
                           F(0.22 * E + (double(WaistHalfGirth) + WaistEase) * 0.5 + 1.0), 1);

    // The back side curve B3 → "10" → T6, and the yoke 0.35·S below the
    // waist with its seam closing the back dart.
    DraftSide(SideOffset > 0.0f ? F(0.2 * SideOffset) : 0.0f);
    DraftYoke(B0, Excess, S, F(kYokeDepth * S));

    // The back side below the hip, B3 → "12" → D3.
    DraftSideBelowHip(B3, D3, K3, SideLowerCtrl, 3.0, 0.3).Into(P11, P12, BackSideCtl1, BackSideCtl2, BackThighCtl);

    // The back knees and hem.
    DraftKnee(K3, D3, H3, K3Up, K3Down);
    HemControls(-H4.x, H4.x, H011.y, BackHemCtl1, BackHemCtl2);
    DraftKnee(K4, D4, H4, K4Up, K4Down);

    // The back inseam D4 → "8" → C5.
    DraftInnerLeg(D4, C5, K4).Into(P7, P8, BackInseamCtl1, BackInseamCtl2);

    // The back crotch.
    BackCrotchStart = C3 + (C5 - C3) * 0.75f;
    BackHipPoint = Geom::IntersectLines(B1, C3, Vector::UnitBetween(B0, B1), Vector::UnitBetween(C3, B5));
}

void TMJeansDraft::DraftPockets() {
    // The front pocket: the circle about T4 through 0.914·|T4 T0|.
    DraftArcLine(FrontSideCtl1, FrontSideCtl2, P4);

    // The back patch pocket hangs from the yoke seam: its top edge 14 cm
    // wide along the waist's direction, 15 cm deep at the middle, its
    // sides 12 cm and its lower edges 6.5 cm.
    const Vector e = Vector::UnitBetween(T5, T6);
    const Vector n = Vector::UnitNormalBetween(T5, T6);
    const Vector h = Vector::UnitBetween(T1, T);
    const double drop = Checked::Div(7.0 * Vector::Cross(h, e) + 1.5, Vector::Dot(h, e), "back pocket");
    PocketTop = Y + n * F(drop);
    PocketTopCentre = PocketTop - e * 7.0f;
    PocketTopSide = PocketTop + e * 7.0f;
    PocketBottom = PocketTop + n * 15.0f;
    PocketMidSide = Geom::CircleCross(PocketTopSide, PocketBottom, 12.0f, 6.5f, 0);
    PocketMidCentre = Geom::CircleCross(PocketTopCentre, PocketBottom, 12.0f, 6.5f, 1);
}

// ---------------------------------------------------------------------------
// The segment tables

void TMJeansDraft::CalcSegments() {
    FrontRows = {
        {"[ T0, H0 ]", SideLength},
        {"[ T0, C0 ]", -C0.y},
        {"[ C0, B0 ]", F(double(B0.y) - C0.y)},
        {"[ T0, K0 ]", -K0.y},
        {"[ B0, D0 ]", F(double(B0.y) - D0.y)},
        {"[ B0, B ]", -B.x},
        {"[ B0, B1 ]", B1.x},
        {"[ B1, B11 ]", F(double(B11.x) - B1.x)},
        {"[ D0, D1 ]", -D1.x},
        {"[ D0, D2 ]", D2.x},
        {"[ K0, K1 ]", -K1.x},
        {"[ K0, K2 ]", K2.x},
        {"[ H0, H1 ]", -H1.x},
        {"[ H0, H2 ]", H2.x},
        {"[ H0, H01 ]", 0.5f},  // H01 lies 0.5 above H0
        {"[ T1, T11 ]", F(double(T1.x) - T11.x)},
        {"[ T11, T111 ]", T111.y},
        {"[ T11, T3 ]", F(double(T11.x) - T3.x)},
        {"[ T3, T4 ]", T4.y},
        {"[ 1, 2 ]", Geom::Distance(P1, P2)},
        {"[ 3, 4 ]", Geom::Distance(P3, P4)},
        {"[ C1, C2 ]", F(double(C2.x) - C1.x)},
        {"[ C2, 5 ]", Geom::Distance(C2, P5)},
        {"[ 5, 6 ]", Geom::Distance(P5, P6)},
    };
    BackRows = {
        {"[ D0, D3 ]", -D3.x}, {"[ D0, D4 ]", D4.x}, {"[ K0, K3 ]", -K3.x}, {"[ K0, K4 ]", K4.x},
        {"[ H0, H3 ]", -H3.x}, {"[ H0, H4 ]", H4.x},
        {"[ H0, H011 ]", 0.5f},  // H011 lies 0.5 below H0
    };
    for (const ValueTableRow& r : SeatRows(B)) BackRows.push_back(r);  // "[ B, B3 ]" .. "[ C3, C4 ]"
    const std::pair<const char*, std::pair<const Vector*, const Vector*>> distances[] = {
        {"[ C3, C5 ]", {&C3, &C5}},     {"[ D4, C5 ]", {&D4, &C5}},   {"[ 7, 8 ]", {&P7, &P8}},
        {"[ T5, T6 ]", {&T5, &T6}},     {"[ K, T6 ]", {&K, &T6}},     {"[ 9, 10 ]", {&P9, &P10}},
        {"[ 11, 12 ]", {&P11, &P12}},   {"[ 13, y ]", {&P13, &Y}},    {"[ T51, T52 ]", {&T51, &T52}},
        {"[ y, T52 ]", {&Y, &T52}},     {"[ T52, T53 ]", {&T52, &T53}}, {"[ 13, T53 ]", {&P13, &T53}},
        {"[ T61, T62 ]", {&T61, &T62}}, {"[ y, T62 ]", {&Y, &T62}},   {"[ T62, T63 ]", {&T62, &T63}},
        {"[ 13, T63 ]", {&P13, &T63}},
    };
    for (const auto& [text, ends] : distances) BackRows.push_back({text, Geom::Distance(*ends.first, *ends.second)});
}

// ---------------------------------------------------------------------------
// Drawing

void TMJeansDraft::DrawPieces(const PieceTarget& t) const {
    DrawOutlines(t.dc, t.outline);
    DrawConstruction(t.dc);
    if (t.labels) DrawLabels(t.dc, t.printer);
}

void TMJeansDraft::DrawOutlines(TDrawContext& dc, int outline) const {
    dc.SetPenWidth(outline);
    // The front, from the waist at the side round to the waist.
    DrawHip(dc);
    DrawLeg(dc, {B, FrontSideCtl1, FrontSideCtl2, P4, FrontThighCtl, D1, K1Up, K1, K1Down, H1, FrontHemCtl1, H01,
                 FrontHemCtl2, H2, K2Down, K2, K2Up, D2, FrontInseamCtl1, P6, FrontInseamCtl2, C2, 15});
    dc.Bezier2(C2, CrotchCtrl, B11, 30);
    dc.LineTo(T111);
    dc.Bezier2(T111, WaistCtrl11, T0, 15);
    dc.Bezier2(T0, WaistCtrl3, T4, 15);
    // The front pocket, the yoke and the lower back panel's side.
    DrawArcLine(dc);
    DrawYoke(dc);
    DrawPanelSide(dc);
    // The rest of the back.
    DrawLeg(dc, {B3, BackSideCtl1, BackSideCtl2, P12, BackThighCtl, D3, K3Up, K3, K3Down, H3, BackHemCtl1, H011,
                 BackHemCtl2, H4, K4Down, K4, K4Up, D4, BackInseamCtl1, P8, BackInseamCtl2, C5, 20});
    dc.LineTo(BackCrotchStart);
    dc.Bezier2(BackCrotchStart, C3, B5, 30);
    dc.LineTo(T51);
    dc.LineTo(T61);
    // The yoke's middle line, thin, and the back patch pocket.
    dc.SetPenWidth(1);
    dc.MoveTo(P13);
    dc.LineTo(Y);
    dc.SetPenWidth(outline);
    dc.MoveTo(PocketTopSide);
    for (const Vector* p : {&PocketTopCentre, &PocketMidCentre, &PocketBottom, &PocketMidSide, &PocketTopSide})
        dc.LineTo(*p);
    dc.SetPenWidth(1);
}

// Each list is a move to its first point and lines through the rest.
void TMJeansDraft::DrawConstruction(TDrawContext& dc) const {
    auto polyline = [&dc](std::initializer_list<const Vector*> points) {
        dc.MoveTo(**points.begin());
        for (auto p = points.begin() + 1; p != points.end(); ++p) dc.LineTo(**p);
    };
    dc.SetPenWidth(1);
    polyline({&PocketTop, &PocketBottom});
    DrawHipConstruction(dc);
    DrawBackConstruction(dc, B11);
    DrawCrotchConstruction(dc, B5, BackCrotchStart, C);
    dc.LineTo(K);
    dc.LineTo(K4);
    polyline({&D2, &P5, &P6});
    polyline({&P5, &C2});
    polyline({&C5, &P7, &P8});
    polyline({&P7, &D4, &D3, &P11, &P12});
    polyline({&P11, &B3});
    polyline({&B, &P3, &P4});
    polyline({&P3, &D1});
    polyline({&H3, &H4});
    polyline({&H011, &T0});
    DrawWaistConstruction(dc);
}

void TMJeansDraft::DrawLabels(TDrawContext& dc, bool printer) const {
    PatternSheets::LabelC1C3(dc, printer, C1, C3);
    Labels::PutAll(dc, printer, *this, kLabels);
    Labels::CrotchSeam(dc, printer, SeamTextAnchor, CrotchSeam);
}

PatternSheets::Box TMJeansDraft::Extent() const {
    PatternSheets::Box box;
    for (const PointLabel& l : kLabels) box.Take(this->*l.point);
    for (const Vector* p :
         {&C1, &C3, &HipUpperCtrl, &HipLowerCtrl, &CrotchCtrl, &WaistCtrl11, &WaistCtrl3, &ArcOnWaist, &ArcOnSide,
          &SideUpperCtrl, &SideLowerCtrl, &EdgeP10, &EdgeUpperCtrl, &FrontSideCtl1, &FrontSideCtl2, &FrontThighCtl,
          &FrontHemCtl1, &FrontHemCtl2, &FrontInseamCtl1, &FrontInseamCtl2, &BackSideCtl1, &BackSideCtl2,
          &BackThighCtl, &BackHemCtl1, &BackHemCtl2, &BackInseamCtl1, &BackInseamCtl2, &BackCrotchStart,
          &PocketTopCentre, &PocketTopSide, &PocketMidCentre, &PocketMidSide, &PocketBottom, &SeamTextAnchor})
        box.Take(*p);
    if (LowYoke()) {
        box.Take(EdgeLowerCtrl);
        box.Take(EdgeB3);
    }
    return box;
}

// ---------------------------------------------------------------------------
// Registration

void RegisterMJeans() {
    RegisterModelMaker(kMJeansType, [] { return new TMJeans; });
    RegisterModelMaker(kMJeans2Type, [] { return new TMJeans2; });
    // Seven floats: Ст, Сб, О бед.н.к., Дсб, П о.бед.н.к., Пт, Пб; nine for
    // the second: Ст, Сб, Вс, О бед.н.к., Дсб, Пт, Пб, Пвс, П о.бед.н.к.
    RegisterLowerBlock(kJeans);
    RegisterLowerBlock(kJeans2);
}
