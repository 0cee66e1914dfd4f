#include "garments/lower_women/WJeans.h"

#include <cmath>
#include <string>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/LegSeams.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "platform/Text.h"
#include "shell/Factory.h"

using DraftSteps::HemControls;

namespace {

using Field = TWJeansVariant::Field;

using J = TWJeansBase;
using namespace MeasureHints;

// ---- TWJeans: seven rows; Пок is the seventh edit but the fifth field. ----
const TWJeansVariant kJeans{
    {kWJeansType,
     {{"Ст:", "Полуобхват талии", "39", "5", kBody, LowerLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
      {"Ок:", "Обхват колена", "39", "4", kBody, LowerLine8},
      {"Дсп:", "Длина брюк спереди", "99", "9", kBody, LowerLine6, "Дб"},
      {"Пт:", "Прибавка к полуобхвату талии", "0", "5", kFree, LowerPt3},
      {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr, kFree, LowerPb4},
      {"Пок:", "Прибавка к обхвату колена", "4", nullptr, kFree, LowerPok}},
     {0, 1, 2, 3, 6, 4, 5},
     562,
     530},
    {&J::WaistHalfGirth, &J::HipHalfGirth, &J::KneeGirth, &J::FrontLength, &J::WaistEase, &J::HipEase, &J::KneeEase},
    true};

// ---- TWJeans2: nine rows, fields, record and table all in edit order. ----
const TWJeansVariant kJeans2{
    {kWJeans2Type,
     {{"Ст:", "Полуобхват талии", "39", "5", kBody, LowerLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
      {"Вс:", "Высота сидения", "23", "5", kBody, LowerLine3},
      {"Ок:", "Обхват колена", "39", "4", kBody, LowerLine8},
      {"Дсп:", "Длина брюк спереди", "99", "9", kBody, LowerLine6},
      {"Пт:", "Прибавка к полуобхвату талии", "0", "5", kFree, LowerPt3},
      {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr, kFree, LowerPb4},
      {"Пвс:", "Прибавка к высоте сидения", "0", nullptr, kFree, LowerPvs1},
      {"Пок:", "Прибавка к обхвату колена", "4", nullptr, kFree, LowerPok}},
     {},
     562,
     530},
    {&J::WaistHalfGirth, &J::HipHalfGirth, &J::SeatHeight, &J::KneeGirth, &J::FrontLength, &J::WaistEase,
     &J::HipEase, &J::SeatEase, &J::KneeEase},
    false};

// ---- Point labels, in drawing order. ----
using PointLabel = Labels::Row<J>;
const PointLabel kLabelsBeforeC[] = {
    {"H3", &J::H3, 4},   {"H1", &J::H1, 2},   {"H01", &J::H01, 2}, {"H0", &J::H0, 7},  {"H011", &J::H011, 3},
    {"H2", &J::H2, 8},   {"H4", &J::H4, 3},   {"K4", &J::K4, 3},   {"7", &J::P7, 3},   {"8", &J::P8, 2},
    {"5", &J::P5, 4},    {"6", &J::P6, 1},    {"K2", &J::K2, 8},   {"K0", &J::K0, 3},  {"K1", &J::K1, 3},
    {"K3", &J::K3, 7},   {"11", &J::P11, 4},  {"12", &J::P12, 2},  {"3", &J::P3, 4},   {"4", &J::P4, 2},
    {"C", &J::C, 4},     {"B3", &J::B3, 7},   {"B", &J::B, 4},     {"B0", &J::B0, 3},  {"C0", &J::C0, 3},
};
const PointLabel kLabelsAfterC[] = {
    {"C5", &J::C5, 3},     {"C4", &J::C4, 2},   {"C2", &J::C2, 2},   {"B1", &J::B1, 2},   {"B4", &J::B4, 5},
    {"B5", &J::B5, 10},    {"T51", &J::T51, 5}, {"T52", &J::T52, 2}, {"T1", &J::T1, 3},   {"T11", &J::T11, 5},
    {"T111", &J::T111, 2}, {"T5", &J::T5, 2},   {"T53", &J::T53, 2}, {"T0", &J::T0, 3},   {"13", &J::P13, 2},
    {"y", &J::Y, 3},       {"1", &J::P1, 3},    {"2", &J::P2, 1},    {"9", &J::P9, 2},    {"10", &J::P10, 5},
    {"T61", &J::T61, 5},   {"T62", &J::T62, 8}, {"T3", &J::T3, 3},   {"T4", &J::T4, 2},   {"T", &J::T, 5},
    {"T6", &J::T6, 8},     {"T63", &J::T63, 2},
};

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "jeans draft"); }

}  // namespace

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

// The waist line 10 cm below the top edge of sheet 1.
TWJeansBase::TWJeansBase(const TWJeansVariant& variant)
    : TJeansGarment(variant, 10.0f), variant_(variant) {}

TWJeansBase::~TWJeansBase() = default;

TWJeans::TWJeans() : TWJeansBase(kJeans) {}

TWJeans2::TWJeans2() : TWJeansBase(kJeans2) {}

std::vector<MeasureSlot> TWJeansBase::Slots() { return FieldSlots(*this, variant_.editFields); }

bool TWJeansBase::CheckMeasures() { return WaistWithinHips(WaistHalfGirth, WaistEase, HipHalfGirth, HipEase); }

// ---------------------------------------------------------------------------
// The draft

void TWJeansBase::Calculate() {
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Pt = WaistEase, Pb = HipEase;
    const float hips = F(double(Cb) + Pb);

    // 1. The hip-over-waist excess, the seat depth W and the seat ease E.
    const float D = Excess = F(double(Cb) + Pb - Ct - Pt);
    SeatDepth = variant_.seatFromHip ? F(0.5 * Cb - 1.5) : SeatHeight;
    const float W = SeatDepth;
    const float E = variant_.seatFromHip ? 0.0f : SeatEase;

    // 2. The base line: waist, hem, crotch, hip and knee levels.
    T0 = Vector(0, 0);
    H0 = Vector(0, -FrontLength);
    C0 = Vector(0, F(D / 9.0 - W - E));
    B0 = Vector(0, F(W / 3.0 + C0.y + E - 1.0));
    K0 = Vector(0, F((double(B0.y) + H0.y) / 2.0));

    // 3. The front frame.
    B = Vector(F(-0.29 * hips + 0.5), B0.y);
    B1 = Vector(F(0.21 * hips - 0.5), B0.y);
    C2 = Vector(F(B1.x + 0.08 * hips), C0.y);
    K2 = Vector(F(0.25 * (double(KneeGirth) + KneeEase) - 0.5), K0.y);
    K1 = Vector(-K2.x, K0.y);
    H2 = Vector(K2.x, H0.y);
    H1 = Vector(K1.x, H0.y);
    H01 = Vector(0, F(H0.y + 0.5));
    DraftFrontWaist(D, F(0.5 * (double(Ct) + Pt) - 1.0));
    SideInset = F(double(T3.x) - T.x);
    const float s = SideInset;

    // 4. The front hip curve, "2" set off by 0.24·s.
    DraftHipCurve(F(0.24 * s));

    // 5. The front side below the hip, B → "4" → K1.
    DraftSideBelowHip(B, K1, H1, HipLowerCtrl).Into(P3, P4, j11, j12, j13);

    // 6. The front hem.
    HemControls(-H2.x, H2.x, H01.y, j14, j15);

    // 7. The front inner leg, K2 → "6" → C2.
    DraftInnerLeg(K2, C2, H2).Into(P5, P6, j16, j17);

    // 8. - 9. The front crotch and the waist controls.
    DraftCrotch(0.2f);
    DraftWaistControls();

    // 10. The back knee and hem.
    K4 = Vector(F(0.25 * (double(KneeGirth) + KneeEase) + 0.5), K0.y);
    K3 = Vector(-K4.x, K0.y);
    H3 = Vector(K3.x, H0.y);
    H4 = Vector(K4.x, H0.y);
    H011 = Vector(0, F(H0.y - 0.5));
    HemControls(-H4.x, H4.x, H011.y, j20, j21);

    // 11. The back hip line, tilted, and the back centre up to T5.
    DraftSeat(Cb, Pb, W, E, B0.y, C0.y);

    // 12. The back inner leg as long as the front one, the back side as
    //     long as the front side.
    C5 = Geom::CircleCross(K4, C3, Geom::Distance(K2, C2), F(double(C4.x) - C3.x), 0);
    T6 = Geom::CircleCross(K3, T5, Geom::Distance(K1, T4), F(0.5 * (double(Ct) + Pt) + 0.22 * D + 1.0), 1);

    // 13. The back side curve, "10" set off by 0.18·s.
    DraftSide(F(0.18 * s));

    // 14. - 17. The yoke, 0.4·W below the waist.
    DraftYoke(B0, D, W, F(0.4 * W));

    // 18. The back side below the hip, B3 → "12" → K3.
    DraftSideBelowHip(B3, K3, H3, SideLowerCtrl).Into(P11, P12, j28, j29, j30);

    // 19. The back inner leg, K4 → "8" → C5.
    DraftInnerLeg(K4, C5, H4).Into(P7, P8, j31, j32);

    // 20. The back crotch curve starts 3/4 of the way from C3 to C5.
    j43 = C3 + (C5 - C3) * 0.75f;

    // 21. - 23. The front arc line, the back pentagon, the label anchor.
    DraftArcLine(j11, j12, P4);
    DraftPentagon();
    j44 = Vector(F(C0.x + 0.5), F(C0.y - 1.7));

    // 24. The crotch seam.
    CrotchSeam = CrotchSeamLength(B5, j43, T111, B1, CrotchCtrl, C2);

    MeasureExtent({&K1, &K2, &K3, &K4, &P3, &P4, &P12, &j11, &j12, &j13, &j16, &j17, &j28, &j29, &j30, &j31,
                   &j32, &j43, &j44});
    // 25.
    calculated = true;
}

void TWJeansBase::CalcSegments() {
    SetTables({{"[ T0, H0 ]", FrontLength},
               {"[ T0, C0 ]", -C0.y},
               {"[ C0, B0 ]", F(double(B0.y) - C0.y)},
               {"[ T0, K0 ]", -K0.y},
               {"[ B0, B ]", -B.x},
               {"[ B0, B1 ]", B1.x},
               {"[ K0, K1 ]", -K1.x},
               {"[ K0, K2 ]", K2.x},
               {"[ H0, H1 ]", -H1.x},
               {"[ H0, H2 ]", H2.x},
               {"[ H0, H01 ]", 0.5f},
               {"[ T1, T11 ]", F(double(T1.x) - T11.x)},
               {"[ T11, T111 ]", T111.y},
               {"[ T11, T3 ]", F(double(T11.x) - T3.x)},
               {"[ T3, T4 ]", T4.y},
               {"[ 1, 2 ]", Geom::Distance(P1, P2)},
               {"[ 3, 4 ]", Geom::Distance(P3, P4)},
               {"[ C1, C2 ]", F(double(C2.x) - C1.x)},
               {"[ C2, 5 ]", Geom::Distance(C2, P5)},
               {"[ 5, 6 ]", Geom::Distance(P5, P6)}},
              // The back: hem ("[ H0, H11 ]": H011 lies 0.5 below H0), seat,
              // sides (the yoke's rows follow).
              {{"[ K0, K3 ]", -K3.x}, {"[ K0, K4 ]", K4.x}, {"[ H0, H3 ]", -H3.x}, {"[ H0, H4 ]", H4.x},
               {"[ H0, H11 ]", 0.5f}},
              {{"[ K4, C5 ]", Geom::Distance(K4, C5)},
               {"[ 7, 8 ]", Geom::Distance(P7, P8)},
               {"[ T5, T6 ]", Geom::Distance(T5, T6)},
               {"[ K3, T6 ]", Geom::Distance(K3, T6)},
               {"[ 9, 10 ]", Geom::Distance(P9, P10)},
               {"[ 11, 12 ]", Geom::Distance(P11, P12)}});
}

// ---------------------------------------------------------------------------
// Drawing

void TWJeansBase::DrawHalves(TDrawContext& dc, int outline, bool printer) const {
    // 1. The front outline.
    dc.SetPenWidth(outline);
    DrawHip(dc);
    dc.Bezier3(B, j11, j12, P4, 40);
    dc.Bezier2(P4, j13, K1, 15);
    dc.LineTo(H1);
    dc.Bezier2(H1, j14, H01, 10);
    dc.Bezier2(H01, j15, H2, 10);
    dc.LineTo(K2);
    dc.Bezier2(K2, j16, P6, 24);
    dc.Bezier2(P6, j17, C2, 16);
    DrawCrotchAndWaist(dc);

    // 2. - 3. The front arc line and the yoke.
    DrawArcLine(dc);
    DrawYoke(dc);

    // 4. The lower back panel from T61 round to T61.
    DrawPanelSide(dc);
    dc.Bezier3(B3, j28, j29, P12, 40);
    dc.Bezier2(P12, j30, K3, 20);
    dc.LineTo(H3);
    dc.Bezier2(H3, j20, H011, 10);
    dc.Bezier2(H011, j21, H4, 10);
    dc.LineTo(K4);
    dc.Bezier2(K4, j31, P8, 24);
    dc.Bezier2(P8, j32, C5, 16);
    dc.LineTo(j43);
    dc.Bezier2(j43, C3, B5, 30);
    dc.LineTo(T51);
    dc.LineTo(T61);

    // 5. - 6. The yoke's middle line and the back pentagon.
    DrawYokeLineAndPentagon(dc, outline);

    // 7. Construction lines.
    DrawHipConstruction(dc);
    DrawBackConstruction(dc, B1);
    DrawCrotchConstruction(dc, B5, j43, C);
    dc.MoveTo(B3);
    dc.LineTo(P11);
    dc.LineTo(P12);
    dc.MoveTo(P11);
    dc.LineTo(K3);
    dc.LineTo(K1);
    dc.LineTo(P3);
    dc.LineTo(P4);
    dc.MoveTo(P3);
    dc.LineTo(B);
    DrawWaistConstruction(dc);
    DrawInseamConstruction(dc, K4, K2);
    dc.MoveTo(T0);
    dc.LineTo(K0);
    dc.MoveTo(K2);
    dc.LineTo(K1);
    dc.MoveTo(K0);
    dc.LineTo(H011);
    dc.MoveTo(H4);
    dc.LineTo(H3);

    // 8. - 9. The labels and the crotch seam.
    DrawLabels(dc, printer);
}

void TWJeansBase::DrawLabels(TDrawContext& dc, bool printer) const {
    Labels::PutAll(dc, printer, *this, kLabelsBeforeC);
    PatternSheets::LabelC1C3(dc, printer, C1, C3);
    Labels::PutAll(dc, printer, *this, kLabelsAfterC);
    Labels::CrotchSeam(dc, printer, j44, CrotchSeam);
}

// ---------------------------------------------------------------------------
// Registration

void RegisterWJeans() {
    RegisterModelMaker(kWJeansType, [] { return new TWJeans; });
    RegisterModelMaker(kWJeans2Type, [] { return new TWJeans2; });
    // Seven floats: Ст, Сб, Ок, Дсп, Пок, Пт, Пб; nine for the second: Ст,
    // Сб, Вс, Ок, Дсп, Пт, Пб, Пвс, Пок.
    RegisterLowerBlock(kJeans);
    RegisterLowerBlock(kJeans2);
}
