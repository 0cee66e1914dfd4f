#include "garments/lower_women/WShort.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"

using DraftSteps::HemControls;
using DraftSteps::Mid;

namespace {

using namespace MeasureHints;

const GarmentColumn kColumn{kWShortType,
                            {{"Ст:", "Полуобхват талии", "39", "5", kBody, LowerLine1},
                             {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
                             {"Вс:", "Высота сидения", "23", "5", kBody, LowerLine3},
                             {"Дш:", "Длина шорт", "30", nullptr, kBody, LowerDlinashort},
                             {"Шн:", "Ширина низа", "30", nullptr, kBody, LowerShn2},
                             {"Пт:", "Прибавка к полуобхвату талии", "0", "5", kFree, LowerPt3},
                             {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr, kFree, LowerPb4},
                             {"Пвс:", "Прибавка к высоте сидения", "0", nullptr, kFree, LowerPvs1}},
                            {},
                            562,
                            530};

// ---- Point labels, in drawing order (C1 and C3 between the lists). ----
using S = TWShort;
using PointLabel = Labels::Row<S>;
const PointLabel kLabelsBeforeC[] = {
    {"T0", &S::T0, 3},   {"T53", &S::T53, 2}, {"T5", &S::T5, 2},  {"T111", &S::T111, 2}, {"T11", &S::T11, 5},
    {"T1", &S::T1, 3},   {"T52", &S::T52, 2}, {"T51", &S::T51, 5}, {"B5", &S::B5, 10},   {"B0", &S::B0, 3},
    {"B4", &S::B4, 5},   {"B1", &S::B1, 2},
};
const PointLabel kLabelsAfterC[] = {
    {"C2", &S::C2, 2},   {"C4", &S::C4, 2},     {"C5", &S::C5, 3},   {"7", &S::P7, 3},    {"8", &S::P8, 1},
    {"H4", &S::H4, 3},   {"H2", &S::H2, 8},     {"5", &S::P5, 3},    {"6", &S::P6, 1},    {"C0", &S::C0, 3},
    {"H01", &S::H01, 2}, {"H0", &S::H0, 7},     {"H011", &S::H011, 3}, {"H1", &S::H1, 2}, {"H3", &S::H3, 4},
    {"C", &S::C, 4},     {"B", &S::B, 4},       {"B3", &S::B3, 7},   {"2", &S::P2, 1},    {"1", &S::P1, 3},
    {"y", &S::Y, 3},     {"13", &S::P13, 2},    {"T4", &S::T4, 2},   {"T3", &S::T3, 3},   {"T", &S::T, 5},
    {"9", &S::P9, 2},    {"10", &S::P10, 7},    {"T61", &S::T61, 5}, {"T62", &S::T62, 8}, {"T63", &S::T63, 2},
    {"T6", &S::T6, 8},
};

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "shorts draft"); }

// The side of a half from the hip point `top` down to the hem point: the
// side line hem → top meets the crotch line at `corner`; the cubic leaves
// `top` along the direction in which the curve above arrives from
// `arriving`, 0.8 of |top corner| out, and reaches the hem along the side
// line from half of |corner hem| above it.
struct SideCurve {
    Vector corner, fromTop, toHem;
};
SideCurve DraftSideCurve(const Vector& top, const Vector& hem, const Vector& arriving, const Vector& C0,
                         const Vector& C) {
    SideCurve s;
    const Vector up = Vector::UnitBetween(hem, top);
    s.corner = Geom::IntersectLines(C0, hem, Vector::UnitBetween(C0, C), up);
    s.fromTop = top + Vector::UnitBetween(arriving, top) * F(0.8 * Geom::Distance(top, s.corner));
    s.toHem = hem + up * F(0.5 * Geom::Distance(s.corner, hem));
    return s;
}

// The inseam from the hem point to the crotch point: "mid" halfway, "bulge"
// set off by 0.2·k of the width between them, the controls a quarter of the
// inseam below and a sixth above.
struct Inseam {
    Vector mid, bulge, lower, upper;
};
Inseam DraftInseam(const Vector& hem, const Vector& crotch, float shape) {
    Inseam s;
    const float L = Geom::Distance(hem, crotch);
    const Vector u = Vector::UnitBetween(hem, crotch);
    s.mid = Mid(hem, crotch);
    s.bulge = s.mid + Vector::UnitNormalBetween(hem, crotch) * F(0.2 * shape * (double(crotch.x) - hem.x));
    s.lower = s.bulge - u * F(L / 4.0);
    s.upper = s.bulge + u * F(L / 6.0);
    return s;
}

}  // namespace

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

// The waist line 15 cm below the top edge of sheet 1.
TWShort::TWShort() : TJeansGarment(kColumn, 15.0f) {}

TWShort::~TWShort() = default;

std::vector<MeasureSlot> TWShort::Slots() {
    return {WaistHalfGirth, HipHalfGirth, SeatHeight, ShortsLength, HemWidth, WaistEase, HipEase, SeatEase};
}

bool TWShort::CheckMeasures() {
    const float Cb = HipHalfGirth, Pb = HipEase;
    if (!WaistWithinHips(WaistHalfGirth, WaistEase, Cb, Pb)) return false;
    // A length of exactly Вс + 0.1·Сб and a hem of exactly
    // 0.6·(Сб + Пб) + 0.1, as typed, pass.
    if (MeasureColumn::Exceeds(0.1 * Cb + SeatHeight, ShortsLength)) return MeasureColumn::Refuse("Дш < Вс+0.1*Сб");
    if (MeasureColumn::Exceeds(double(HemWidth) - 0.1, 0.6 * (double(Cb) + Pb)))
        return MeasureColumn::Refuse("Шн > 0,6*(Сб+Пб)");
    return true;
}

// ---------------------------------------------------------------------------
// The draft

void TWShort::Calculate() {
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Vs = SeatHeight, Pt = WaistEase, Pb = HipEase;
    const float hips = F(double(Cb) + Pb);

    // 1. The hip-over-waist excess.
    const float D = Excess = F(double(Cb) + Pb - Ct - Pt);

    // 2. The base line: waist, hem, crotch and hip levels.
    T0 = Vector(0, 0);
    H0 = Vector(0, -ShortsLength);
    C0 = Vector(0, F(D / 9.0 - Vs - SeatEase));
    B0 = Vector(0, F(D / 9.0 - Vs * 2.0 / 3.0 - 1.0));

    // 3. The back seat frame.
    DraftSeat(Cb, Pb, Vs, SeatEase, B0.y, C0.y);

    // 4. The front hip points and the hems, shared out of Шн by the back's
    //    extra width e.
    B = Vector(F(-hips * 0.3 + 0.5), B0.y);
    B1 = Vector(F(hips * 0.2 - 0.5), B0.y);
    const float e = F(double(B.x) - B3.x);
    H2 = Vector(F((double(HemWidth) - e) * 0.5), H0.y);
    H1 = Vector(-H2.x, H0.y);
    H01 = Vector(0, F(H0.y + 0.5));

    // 5. The front waist.
    DraftFrontWaist(D, F((double(Ct) + Pt) * 0.5));

    // 6. The front hip curve, "2" set off by 0.25·diff.
    SideInset = F(double(T3.x) - T.x);
    const float diff = SideInset;
    DraftHipCurve(F(0.25 * diff));

    // 7. The front side below the hip, B → H1.
    {
        const SideCurve side = DraftSideCurve(B, H1, HipLowerCtrl, C0, C);
        s3 = side.corner;
        s4 = side.fromTop;
        s5 = side.toHem;
    }

    // 8. - 9. The front hem controls and the front crotch point.
    HemControls(H1.x, H2.x, H01.y, s6, s7);
    C2 = Vector(F(C1.x + 0.1 * hips), C1.y);

    // 10. The front inseam; k grows with the length below the crotch.
    s8 = Vector(B.x, F(-double(Cb) - Pb));
    const double k = Checked::Div(double(C0.y) - H0.y - 0.1 * Cb, double(C0.y) - s8.y - 0.1 * Cb, "shorts inseam");
    InseamShape = F(std::clamp(k, 0.0, 1.0));
    {
        const Inseam seam = DraftInseam(H2, C2, InseamShape);
        P5 = seam.mid;
        P6 = seam.bulge;
        s9 = seam.lower;
        s10 = seam.upper;
    }

    // 11. - 12. The front crotch and the waist controls.
    DraftCrotch(float(1.0 / 3.0));
    DraftWaistControls();

    // 13. The back hem.
    H4 = Vector(F((double(HemWidth) + e) * 0.5), H0.y);
    H3 = Vector(-H4.x, H0.y);
    H011 = Vector(0, F(H0.y - 0.5));

    // 14. - 16. The back crotch point, the back crotch curve, the back waist
    //           at the side.
    C5 = Geom::CircleCross(H4, C3, F(0.98 * Geom::Distance(H2, C2)), F(double(C4.x) - C3.x), 0);
    s15 = Mid(C3, C5);
    s16 = Geom::IntersectLines(B0, C3, Vector::UnitBetween(C0, C1), Vector::UnitBetween(C3, B5));
    T6 = Geom::CircleCross(s8, T5, Geom::Distance(s8, T4), F((double(Ct) + Pt) * 0.5 + 0.22 * D), 1);

    // 17. The back side curve, "10" set off by 0.2·diff.
    DraftSide(F(0.2 * diff));

    // 18. - 21. The yoke, 0.3·Вс below the waist.
    DraftYoke(B0, D, Vs, F(0.3 * Vs));

    // 22. The back side below the yoke, B3 → H3, and the back hem controls.
    {
        const SideCurve side = DraftSideCurve(B3, H3, SideLowerCtrl, C0, C);
        s31 = side.corner;
        s32 = side.fromTop;
        s33 = side.toHem;
    }
    HemControls(-H4.x, H4.x, H011.y, s34, s35);

    // 23. The back inseam.
    {
        const Inseam seam = DraftInseam(H4, C5, InseamShape);
        P7 = seam.mid;
        P8 = seam.bulge;
        s36 = seam.lower;
        s37 = seam.upper;
    }

    // 24. - 26. The front arc line, the back pentagon, the label anchor.
    DraftArcLine(s4, s5, H1);
    DraftPentagon();
    s46 = Vector(F(C0.x + 0.5), F(C0.y - 1.7));

    // 27. The crotch seam.
    CrotchSeam = CrotchSeamLength(s16, s15, T111, B1, CrotchCtrl, C2);

    MeasureExtent({&s4, &s5, &s9, &s10, &s32, &s33, &s36, &s37, &s15, &s16, &s46});
    // 28.
    calculated = true;
}

void TWShort::CalcSegments() {
    SetTables({{"[ T0, H0 ]", ShortsLength},
               {"[ T0, C0 ]", -C0.y},
               {"[ C0, B0 ]", F(double(B0.y) - C0.y)},
               {"[ B0, B ]", -B.x},
               {"[ B0, B1 ]", B1.x},
               {"[ H0, H1 ]", -H1.x},
               {"[ H0, H2 ]", H2.x},
               {"[ H0, H01 ]", 0.5f},
               {"[ T1, T11 ]", F(double(T1.x) - T11.x)},
               {"[ T11, T111 ]", T111.y},
               {"[ T11, T3 ]", F(double(T11.x) - T3.x)},
               {"[ T3, T4 ]", T4.y},
               {"[ 1, 2 ]", Geom::Distance(P1, P2)},
               {"[ C1, C2 ]", F(double(C2.x) - C1.x)},
               {"[ 5, 6 ]", Geom::Distance(P5, P6)}},
              // The back: hem, seat, sides (the yoke's rows follow).
              {{"[ H0, H3 ]", -H3.x}, {"[ H0, H4 ]", H4.x}, {"[ H0, H011 ]", 0.5f}},
              {{"[ C3, C5 ]", Geom::Distance(C3, C5)},
               {"[ C5, H4 ]", Geom::Distance(C5, H4)},
               {"[ 7, 8 ]", Geom::Distance(P7, P8)},
               {"[ T5, T6 ]", Geom::Distance(T5, T6)},
               {"[ B3, T6 ]", Geom::Distance(B3, T6)},
               {"[ 9, 10 ]", Geom::Distance(P9, P10)},
               {"[ T6, 13 ]", Geom::Distance(T6, P13)}});
}

// ---------------------------------------------------------------------------
// Drawing

void TWShort::DrawHalves(TDrawContext& dc, int outline, bool printer) const {
    // 1. - 2. The front outline and its arc line.
    dc.SetPenWidth(outline);
    DrawHip(dc);
    dc.Bezier3(B, s4, s5, H1, 20);
    dc.Bezier2(H1, s6, H01, 10);
    dc.Bezier2(H01, s7, H2, 10);
    dc.Bezier2(H2, s9, P6, 20);
    dc.Bezier2(P6, s10, C2, 20);
    DrawCrotchAndWaist(dc);
    DrawArcLine(dc);

    // 3. - 6. The yoke and the lower back panel from T61 round to T61.
    DrawYoke(dc);
    DrawPanelSide(dc);
    dc.Bezier3(B3, s32, s33, H3, 20);
    dc.Bezier2(H3, s34, H011, 10);
    dc.Bezier2(H011, s35, H4, 10);
    dc.Bezier2(H4, s36, P8, 20);
    dc.Bezier2(P8, s37, C5, 20);
    dc.LineTo(s15);
    dc.Bezier2(s15, C3, s16, 30);
    dc.LineTo(T51);
    dc.LineTo(T61);

    // 7. The yoke's middle line and the back pentagon.
    DrawYokeLineAndPentagon(dc, outline);

    // 8. - 10. Construction lines.
    DrawHipConstruction(dc);
    DrawBackConstruction(dc, B1);
    DrawCrotchConstruction(dc, s16, s15, C);
    dc.MoveTo(B3);
    dc.LineTo(H3);
    dc.LineTo(H1);
    dc.LineTo(B);
    DrawWaistConstruction(dc);
    DrawInseamConstruction(dc, H4, H2);
    dc.MoveTo(H2);
    dc.LineTo(H1);
    dc.MoveTo(H011);
    dc.LineTo(T0);

    // Labels, and the crotch seam last.
    Labels::PutAll(dc, printer, *this, kLabelsBeforeC);
    PatternSheets::LabelC1C3(dc, printer, C1, C3);
    Labels::PutAll(dc, printer, *this, kLabelsAfterC);
    Labels::CrotchSeam(dc, printer, s46, CrotchSeam);
}

// ---------------------------------------------------------------------------
// Registration

void RegisterWShort() {
    RegisterModelMaker(kWShortType, [] { return new TWShort; });
    // Eight floats: Ст, Сб, Вс, Дш, Шн, Пт, Пб, Пвс.
    RegisterLowerBlock(kColumn);
}
