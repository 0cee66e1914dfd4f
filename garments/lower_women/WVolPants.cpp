#include "garments/lower_women/WVolPants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "garments/common/ValueTable.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"

using DraftSteps::Arc;
using DraftSteps::HemControls;
using DraftSteps::Mid;

namespace {

using namespace MeasureHints;

// Rows 1..8 are floats, row 9 the pleat count (an int32 in the order file).
const GarmentColumn kColumn{kWVolPantsType,
                            {{"Ст:", "Полуобхват талии", "37", "5", kBody, LowerLine1},
                             {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
                             {"Вс:", "Высота сидения", "25", nullptr, kBody, LowerLine3},
                             {"Дсп:", "Длина брюк спереди", "99", "9", kBody, LowerLine6},
                             {"Шн:", "Ширина низа", "20", nullptr, kBody, LowerShn1},
                             {"Пт:", "Прибавка по талии", "1", nullptr, kFree, LowerPt2},
                             {"Пб:", "Прибавка по бёдрам", "6", nullptr, kFree, LowerPb1},
                             {"Пвс:", "Прибавка к высоте сиденья", "1", nullptr, kFree, LowerPvs1},
                             {"Кс:", "Количество складок у талии", "2", nullptr, kFree, LowerKs1}}};

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "model trousers draft"); }

// ---- When a label, a row or a point belongs to the drawing. ----
using W = TWVolPants;
using Shown = bool (*)(const W&);
constexpr Shown kA = nullptr;  // always
bool Pleats0(const W& w) { return w.PleatCount == 0; }
bool Pleats1(const W& w) { return w.PleatCount == 1; }
bool Pleats2(const W& w) { return w.PleatCount == 2; }
bool Pleats3(const W& w) { return w.PleatCount == 3; }
bool TwoDarts(const W& w) { return w.TwoBackDarts(); }

bool IsShown(Shown shown, const W& w) { return !shown || shown(w); }

using PointLabel = Labels::Row<W>;


const PointLabel kLabels[] = {
    {"T2", &W::T2, 7, kA},     {"T21", &W::T21, 2, kA},   {"T3", &W::T3, 8, kA},     {"T6", &W::T6, 1, kA},
    {"T", &W::T, 4, kA},
    // The waist over the pleats.
    {"T0", &W::T0, 3, Pleats0},
    {"b0", &W::b0, 2, Pleats1},  {"T0", &W::T0, 3, Pleats1},
    {"b2", &W::b2, 2, Pleats2},  {"b1", &W::b1, 2, Pleats2},
    {"b0", &W::b0, 3, Pleats2},  {"T0", &W::T0, 3, Pleats2},
    {"b8", &W::b8, 2, Pleats3},  {"b7", &W::b7, 2, Pleats3},
    {"b2", &W::b2, 2, Pleats3},  {"b1", &W::b1, 2, Pleats3},
    {"b0", &W::b0, 2, Pleats3},  {"T0", &W::T0, 3, Pleats3},
    {"T111", &W::T111, 1, kA}, {"T11", &W::T11, 9, kA},   {"T1", &W::T1, 3, kA},     {"T5", &W::T5, 3, kA},
    {"T51", &W::T51, 5, kA},   {"T511", &W::T511, 1, kA}, {"b6", &W::b6, 2, kA},     {"b41", &W::b41, 2, kA},
    {"b4", &W::b4, 3, kA},     {"b3", &W::b3, 3, kA},     {"b5", &W::b5, 2, kA},
    // The second back dart.
    {"b61", &W::b61, 2, TwoDarts}, {"b22", &W::b22, 2, TwoDarts}, {"b21", &W::b21, 3, TwoDarts},
    {"b31", &W::b31, 3, TwoDarts}, {"b51", &W::b51, 2, TwoDarts},
    {"3", &W::P3, 2, kA},      {"4", &W::P4, 4, kA},      {"1", &W::P1, 3, kA},      {"2", &W::P2, 1, kA},
    {"B11", &W::B11, 9, kA},   {"B3", &W::B3, 2, kA},     {"B", &W::B, 2, kA},       {"B0", &W::B0, 3, kA},
    {"B5", &W::B5, 2, kA},     {"B4", &W::B4, 5, kA},     {"B2", &W::B2, 2, kA},     {"B1", &W::B1, 3, kA},
    {"C0", &W::C0, 3, kA},     {"C3", &W::C3, 5, kA},     {"C1", &W::C1, 3, kA},     {"C2", &W::C2, 2, kA},
    {"C4", &W::C4, 2, kA},     {"C5", &W::C5, 3, kA},     {"C6", &W::C6, 7, kA},     {"K4", &W::K4, 3, kA},
    {"K2", &W::K2, 8, kA},     {"K0", &W::K0, 2, kA},     {"H4", &W::H4, 3, kA},     {"H2", &W::H2, 4, kA},
    {"H01", &W::H01, 2, kA},   {"H0", &W::H0, 8, kA},     {"H011", &W::H011, 3, kA}, {"H1", &W::H1, 3, kA},
    {"H3", &W::H3, 4, kA},     {"H", &W::H, 4, kA},       {"K", &W::K, 2, kA},       {"K1", &W::K1, 5, kA},
    {"K3", &W::K3, 3, kA},     {"C", &W::C, 3, kA},
};

// Control points of the drawn curves, with the labelled points the extent
// of the draft.
struct ControlPoint {
    Vector TWVolPants::*point;
    Shown shown;
};
const ControlPoint kControls[] = {
    {&W::q1, kA},  {&W::q2, kA},  {&W::q3, kA},  {&W::q4, kA},  {&W::q5, Pleats0}, {&W::q5, Pleats1},
    {&W::q25, kA}, {&W::q26, kA}, {&W::q27, kA}, {&W::q30, kA}, {&W::q31, kA}, {&W::q32, kA}, {&W::q33, kA},
    {&W::q34, kA}, {&W::q37, kA}, {&W::q38, kA}, {&W::q39, kA}, {&W::q41, kA}, {&W::q42, kA}, {&W::q43, kA},
    {&W::q44, kA}, {&W::q45, kA},
};

// ---- Tables. ----
// A row of a segment table: its text, where its length is kept, the two
// points it measures and when the table shows it ("[ H0, H1 ]" holds
// |H0 H2|: the hem is symmetric about the crease line).
struct SegmentRow {
    const char* text;
    TWVolPants::Segment segment;
    Vector TWVolPants::*from;
    Vector TWVolPants::*to;
    Shown shown = kA;
};

bool OnePleat(const W& w) { return w.PleatCount >= 1; }
bool TwoPleats(const W& w) { return w.PleatCount >= 2; }
bool ThreePleats(const W& w) { return w.PleatCount >= 3; }

const SegmentRow kFrontRows[] = {
    {"[ T0, H0 ]", W::SegT0H0, &W::T0, &W::H0},
    {"[ T0, C0 ]", W::SegT0C0, &W::T0, &W::C0},
    {"[ C0, B0 ]", W::SegC0B0, &W::C0, &W::B0},
    {"[ B0, K0 ]", W::SegB0K0, &W::B0, &W::K0},
    {"[ H0, H1 ]", W::SegH0H1, &W::H0, &W::H2},
    {"[ H0, H2 ]", W::SegH0H2, &W::H0, &W::H2},
    {"[ H0, H01 ]", W::SegH0H01, &W::H0, &W::H01},
    {"[ B0, B ]", W::SegB0B, &W::B0, &W::B},
    {"[ B, B1 ]", W::SegBB1, &W::B, &W::B1},
    {"[ B, B11 ]", W::SegBB11, &W::B, &W::B11},
    {"[ H1, B11 ]", W::SegH1B11, &W::H1, &W::B11},
    {"[ B11, T2 ]", W::SegB11T2, &W::B11, &W::T2},
    {"[ T2, T21 ]", W::SegT2T21, &W::T2, &W::T21},
    {"[ 1, 2 ]", W::Seg12, &W::P1, &W::P2},
    {"[ C1, C2 ]", W::SegC1C2, &W::C1, &W::C2},
    {"[ T1, T11 ]", W::SegT1T11, &W::T1, &W::T11},
    {"[ T11, T111 ]", W::SegT11T111, &W::T11, &W::T111},
    {"[ T0, b0 ]", W::SegT0b0, &W::T0, &W::b0, OnePleat},
    {"[ b1, b2 ]", W::Segb1b2, &W::b1, &W::b2, TwoPleats},
    {"[ b7, b8 ]", W::Segb7b8, &W::b7, &W::b8, ThreePleats},
};

const SegmentRow kBackRows[] = {
    {"[ H0, H3 ]", W::SegH0H3, &W::H0, &W::H3},
    {"[ H0, H4 ]", W::SegH0H4, &W::H0, &W::H4},
    {"[ H0, H011 ]", W::SegH0H011, &W::H0, &W::H011},
    {"[ B0, B3 ]", W::SegB0B3, &W::B0, &W::B3},
    {"[ B3, B4 ]", W::SegB3B4, &W::B3, &W::B4},
    {"[ B3, B5 ]", W::SegB3B5, &W::B3, &W::B5},
    {"[ B4, B5 ]", W::SegB4B5, &W::B4, &W::B5},
    {"[ C0, C3 ]", W::SegC0C3, &W::C0, &W::C3},
    {"[ B5, T5 ]", W::SegB5T5, &W::B5, &W::T5},
    {"[ B3, T3 ]", W::SegB3T3, &W::B3, &W::T3},
    {"[ T5, T51 ]", W::SegT5T51, &W::T5, &W::T51},
    {"[ T51, T6 ]", W::SegT51T6, &W::T51, &W::T6},
    {"[ T51, T511 ]", W::SegT51T511, &W::T51, &W::T511},
    {"[ K0, K4 ]", W::SegK0K4, &W::K0, &W::K4},
    {"[ C3, C4 ]", W::SegC3C4, &W::C3, &W::C4},
    {"[ C3, C5 ]", W::SegC3C5, &W::C3, &W::C5},
    {"[ H4, C6 ]", W::SegH4C6, &W::H4, &W::C6},
    {"[ 3, 4 ]", W::Seg34, &W::P3, &W::P4},
    {"[ b5, b6 ]", W::Segb5b6, &W::b5, &W::b6},
    {"[ b4, b3 ]", W::Segb4b3, &W::b4, &W::b3},
    {"[ b4, b41 ]", W::Segb4b41, &W::b4, &W::b41},
    {"[ b51, b61 ]", W::Segb51b61, &W::b51, &W::b61, TwoDarts},
    {"[ b21, b31 ]", W::Segb21b31, &W::b21, &W::b31, TwoDarts},
    {"[ b21, b22 ]", W::Segb21b22, &W::b21, &W::b22, TwoDarts},
};

// The comment block of sheet 2 goes below the front table, whose length
// follows Кс (table units).
constexpr int kScreenCommentY[4] = {520, 537, 553, 569};  // by Кс 0..3

// One pleat of the front waist: the fold from its foot F on the hem to its
// top A on the waist, the waist points on both sides of the fold, the tent
// of the fold and its marks.
struct Pleat {
    Vector outer;  // E2 (b2, b8): half a depth beyond A along the waist
    Vector inner;  // E1 (b1, b7): E2 mirrored in the fold line
    Vector cross;  // X (q11, q19)
    Vector tent;   // Y (q12, q20)
    Vector marks[4];  // M1..M4 (q13..q16, q21..q24)
};

// foot: the fold's foot on the hem (F), top: its top on the waist (A),
// before: the waist point before the pleat (R), e: the waist direction,
// d: the pleat depth.
Pleat FoldPleat(const Vector& foot, const Vector& top, const Vector& before, const Vector& e, float d) {
    Pleat p;
    p.outer = top + e * F(0.5 * d);
    p.inner = Geom::Mirror(foot, top, p.outer);
    Vector u = Vector::UnitBetween(foot, p.inner);
    Vector::Rotate(u, Geom::Angle(top, foot, p.inner));
    p.cross = Geom::IntersectLines(foot, before, u, Vector::UnitBetween(before, p.inner));
    p.tent = foot + Vector::UnitBetween(foot, top) * Geom::Distance(foot, p.cross);
    const Vector alongInner = Vector::UnitBetween(foot, p.inner);
    const Vector alongOuter = Vector::UnitBetween(foot, p.outer);
    p.marks[0] = p.inner - alongInner * 2.0f;
    p.marks[1] = p.marks[0] - alongInner * 0.5f;
    p.marks[2] = p.outer - alongOuter * 2.0f;
    p.marks[3] = p.marks[2] - alongOuter * 0.5f;
    return p;
}

}  // namespace

int PleatCountOf(double value) {
    if (!(value >= 1.0)) return 1;  // below 1, and NaN
    if (value >= 3.0) return 3;
    return int(value);  // 1 or 2, truncated toward zero
}

void RegisterWVolPants() {
    RegisterModelMaker(kWVolPantsType, [] { return new TWVolPants; });
    // Ст, Сб, Вс, Дсп, Шн, Пт, Пб, Пвс as floats, then Кс as an int32.
    RegisterLowerBlock(kColumn, {{int(kColumn.rows.size()) - 1, 1, 3}});
}

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TWVolPants::TWVolPants() : TLowerGarment(kColumn) {}

std::vector<MeasureSlot> TWVolPants::Slots() {
    return {WaistHalfGirth, HipHalfGirth, SeatHeight, FrontLength,
            HemWidth,       WaistEase,    HipEase,    SeatEase,
            MeasureSlot(PleatCount, PleatCountOf)};
}

bool TWVolPants::CheckMeasures() {
    // Кс is corrected in the field before the checks.
    ShowCounts();
    if (WaistHalfGirth > HipHalfGirth) return MeasureColumn::Refuse("Ст > Сб");
    if (WaistEase > HipEase) return MeasureColumn::Refuse("Пт > Пб");
    return true;
}

// ---------------------------------------------------------------------------
// The draft

void TWVolPants::Calculate() {
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Bc = SeatHeight, Dsp = FrontLength, Shn = HemWidth;
    const float Pt = WaistEase, Pb = HipEase, Pvs = SeatEase;
    // Only an order file or a rerun after a lowered count can bring Кс here
    // outside 1..3.
    PleatCount = PleatCountOf(PleatCount);

    // 1. D = Сб − Ст − Пт; Q = 0.33·D.
    const float D = Suppression = F(double(Cb) - Ct - Pt);
    const float Q = DartNorm = F(0.33 * D);

    // 2. Base line and the front's levels: waist, hip, seat, knee, hem.
    T0 = Vector(0, 0);
    H0 = Vector(0, -Dsp);
    C0 = Vector(0, F(-double(Bc) - Pvs + 0.1 * D));
    B0 = Vector(0, F(Bc / 3.0 + C0.y + Pvs));
    K0 = Vector(0, F((double(B0.y) + H0.y) * 0.5));
    B = Vector(F(-0.3 * Cb + 0.75), B0.y);
    B1 = Vector(F(0.5 * Cb + B.x - 1.0), B0.y);
    T = Vector(B.x, 0);
    T1 = Vector(B1.x, 0);
    C = Vector(B.x, C0.y);
    C1 = Vector(B1.x, C0.y);
    C2 = Vector(F(0.1 * Cb + C1.x - 0.5), C0.y);
    K = Vector(B.x, K0.y);
    H = Vector(B.x, H0.y);
    H2 = Vector(F(0.5 * Shn - 0.5), H0.y);
    H1 = Vector(-H2.x, H0.y);
    H01 = Vector(0, F(H0.y + 0.5));
    T11 = Vector(F(T1.x - 0.1 * D), 0);
    T111 = Vector(T11.x, F(D / 28.0));

    // 3. The side: B11 by compass from H1 and B0 (Пб wider than B), T2 above
    //    it on the line from H1, T21 0.16·D to the right of T2.
    B11 = Geom::CircleCross(H1, B0, Geom::Distance(H1, B), F(double(Pb) - B.x), 1);
    T2 = B11 + Vector::UnitBetween(H1, B11) * F(0.1 * D - B1.y);
    T21 = Geom::CircleCross(B11, T2, Geom::Distance(B11, T2), F(0.16 * D), 0);

    // 4. What the front waist T111–T0–T21 holds beyond Ст/2 + Пт goes into
    //    the pleats, each at least 2 cm deep; less than 2 cm in all gives
    //    no pleats, and T21 moves so that the waist measures Ст/2 + Пт.
    PleatTotal = F(double(Geom::Distance(T111, T0)) + Geom::Distance(T0, T21) - (double(Ct) + Pt) * 0.5);
    if (PleatTotal >= 2.0f) {
        PleatDepth = F(double(PleatTotal) / PleatCount);
        // At most two steps: Кс ≤ 3, and at Кс = 1 the depth is the total.
        while (PleatDepth < 2.0f && PleatCount > 1) {
            --PleatCount;
            PleatDepth = F(double(PleatTotal) / PleatCount);
        }
    } else {
        T21 = Geom::CircleCross(B11, T0, Geom::Distance(B11, T2), F(Ct * 0.5 + double(Pt) - Geom::Distance(T0, T111)), 1);
        PleatCount = 0;
        PleatTotal = 0.0f;
        PleatDepth = 0.0f;
    }

    // 5. The front side curve T21 → 2 → B11, bulging a quarter of |T2 T21|.
    P1 = Mid(B11, T21);
    P2 = P1 + Vector::UnitNormalBetween(B11, T21) * F(0.25 * Geom::Distance(T2, T21));
    {
        const Vector up = Vector::UnitBetween(B11, T21);
        q1 = P2 + up * F(Geom::Distance(P1, T21) / 3.0);
        q2 = Geom::IntersectLines(P2, B11, up, Vector::UnitBetween(B11, T2));
        q3 = B11 + Vector::UnitBetween(B11, H1) * F(0.25 * Geom::Distance(B11, T21));
    }

    // 6. Control of the waist curve T0–T111.
    q4 = Vector(F(T11.x * 0.5), 0);

    // 7. The pleats.
    Pleats();

    // 8. Front hem controls.
    HemControls(H1.x, H2.x, H01.y, q25, q26);

    // 9. The knee line on the side seam and the inseam.
    const Vector kneeDir = Vector::UnitBetween(K, K0);
    K1 = Geom::IntersectLines(H1, K0, Vector::UnitBetween(H1, B11), kneeDir);
    K2 = Geom::IntersectLines(H2, K0, Vector::UnitBetween(H2, C2), kneeDir);

    // 10. The front crotch.
    q27 = Vector(C1.x, F(C1.y + 0.36 * (double(B1.y) - C1.y)));
    q28 = Vector(F(C2.x - 1.0), C2.y);
    q29 = Vector(C1.x, F(C1.y + 0.09 * (double(B1.y) - C1.y)));
    q30 = Geom::IntersectLines(q28, C2, Vector::UnitBetween(q28, q27), Vector::UnitBetween(C2, q29));
    q31 = q28 + Vector::UnitBetween(q28, q27) * F(Geom::Distance(q28, q27) / 3.0);
    q32 = Vector(B1.x, F(B1.y * 0.5));

    // 11. The back hem, 1 cm wider than the front and 0.5 cm lower at the base line.
    H4 = Vector(F(0.5 * Shn + 0.5), H0.y);
    H3 = Vector(-H4.x, H0.y);
    H011 = Vector(0, F(H0.y - 0.5));
    HemControls(-H4.x, H4.x, H011.y, q33, q34);

    // 12. The back seat: the hip width w = Сб/2 + 1 turned up by
    //     α = (Сб + Вс)·0.05/w about B3.
    {
        const double w = 0.5 * Cb + 1.0;
        const double alpha = Checked::Div((double(Cb) + Bc) * 0.05, w, "back seat angle");
        const double c = w * std::cos(alpha);
        const double h = w * std::sin(alpha);
        const double t = Checked::Finite(std::tan(alpha), "back seat angle") * (h + Bc / 3.0 + Pvs);
        const double g = 0.2 * Cb - 1.0;
        B3 = Vector(F(-(c + t + g) * 0.5), B0.y);
        B4 = Vector(F(B3.x + w), B0.y);
        B5 = Vector(F(B3.x + c), F(B0.y + h));
        C3 = Vector(F(B5.x + t), C0.y);
        C4 = Vector(F(C3.x + g), C0.y);
    }

    // 13. The back waist.
    T5 = B5 - Vector::UnitNormalBetween(B3, B5) * B1.y;
    T3 = B3 + Vector::UnitBetween(H3, B3) * F(0.1 * D - B1.y);
    {
        const Vector e = Vector::UnitBetween(T5, T3);
        T51 = T5 + e * F(0.05 * D);
        T511 = T51 + Vector::UnitBetween(B5, T51) * F(0.05 * D);
        T6 = T51 + e * F((double(Ct) + Pt) * 0.5 + Q);
    }

    // 14. The back darts.
    BackDartsStep();

    // 15. The back side: curved in from T6 when T6 lies inside T3.
    if (BackSideCurved()) {
        P3 = Mid(T6, B3);
        P4 = P3 + Vector::UnitNormalBetween(B3, T6) * F(0.25 * Geom::Distance(T3, T6));
        q37 = P4 - Vector::UnitBetween(T6, B3) * F(Geom::Distance(P3, T6) / 3.0);
        q38 = Geom::IntersectLines(P4, B3, Vector::UnitBetween(T6, B3), Vector::UnitBetween(T3, B3));
    } else {
        P3 = P4 = Mid(T6, B3);
        q37 = P4 - Vector::UnitBetween(T6, B3) * F(Geom::Distance(P3, T6) / 3.0);
        q38 = Mid(P4, B3);
    }
    q39 = B3 + Vector::UnitBetween(B3, H3) * F(0.25 * Geom::Distance(B3, T6));

    // 16. Back knee, inseam and crotch.
    K3 = Geom::IntersectLines(K0, H3, Vector::UnitBetween(C0, C), Vector::UnitBetween(H3, B3));
    K4 = Vector(-K3.x, K0.y);
    C6 = H4 + Vector::UnitBetween(H4, K4) * F(0.99 * Geom::Distance(H2, C2));
    C5 = C3 + Vector::UnitBetween(C3, C6) * F(double(C4.x) - C3.x);
    q40 = Mid(K4, C6);
    q41 = Mid(C6, q40);
    B2 = Geom::IntersectLines(B0, C3, Vector::UnitBetween(B, B1), Vector::UnitBetween(C3, B5));
    q42 = Mid(C3, C5);
    q43 = C3 + Vector::UnitBetween(C3, B5) * F(0.8 * Geom::Distance(C3, B2));
    q44 = B5 + Vector::UnitBetween(B5, T51) * F(0.72 * Geom::Distance(B2, B5));
    q45 = Vector(F(B.x + 1.4), F(B.y - 0.6));

    // 17. The crotch seam: the back from T511 down to C5, then the front
    //     from T111 down to C2.
    {
        float sum = Arc(q44, B5, B2);
        for (float part : {Geom::Distance(T511, q44), Geom::Distance(B2, q43), Arc(q43, C3, q42),
                           Geom::Distance(q42, C5), Arc(T111, q32, B1), Arc(B1, q27, q31),
                           Arc(q31, q30, C2)})
            sum = F(double(sum) + part);
        CrotchLength = sum;
    }

    ComputeBox();
    // 18.
    calculated = true;
}

void TWVolPants::Pleats() {
    const int n = PleatCount;
    const float d = PleatDepth;
    if (n == 0) {
        q5 = Vector(F(-0.16 * Geom::Distance(T0, T21)), 0);
        return;
    }
    // The first pleat folds T0 onto b0; its marks stand 2 cm below the waist.
    b0 = Vector(-d, 0);
    q6 = Vector(0, -2);
    q7 = Vector(-d, -2);
    q8 = Vector(-d, -2.5f);
    if (n == 1) {
        q5 = Vector(F(b0.x - 0.16 * Geom::Distance(b0, T21)), 0);
        return;
    }
    const Vector e = Vector::UnitBetween(b0, T21);
    const float gap = Geom::Distance(T21, b0);
    auto assign = [](const Pleat& p, Vector& outer, Vector& inner, Vector& cross, Vector& tent, Vector* marks[4]) {
        outer = p.outer;
        inner = p.inner;
        cross = p.cross;
        tent = p.tent;
        for (int k = 0; k < 4; ++k) *marks[k] = p.marks[k];
    };
    Vector* firstMarks[4] = {&q13, &q14, &q15, &q16};
    if (n == 2) {
        // The second pleat halfway along the rest of the waist, never
        // closer than its depth.
        PleatSpacing = std::max(F((double(gap) - d) * 0.5), d);
        q9 = Vector(F(H1.x * 0.5), H0.y);
        q10 = b0 + e * PleatSpacing;
        assign(FoldPleat(q9, q10, b0, e, d), b2, b1, q11, q12, firstMarks);
        return;
    }
    // Three pleats share the rest of the waist in thirds (the spacing may
    // come out below the depth, even below zero).
    PleatSpacing = F((double(gap) - 2.0 * d) / 3.0);
    q9 = Vector(F(H1.x / 3.0), H0.y);
    q10 = b0 + e * F(0.5 * d + PleatSpacing);
    assign(FoldPleat(q9, q10, b0, e, d), b2, b1, q11, q12, firstMarks);
    q17 = Vector(F(H1.x * 2.0 / 3.0), H0.y);
    q18 = b0 + e * F(2.0 * PleatSpacing + 1.5 * d);
    Vector* secondMarks[4] = {&q21, &q22, &q23, &q24};
    assign(FoldPleat(q17, q18, b2, e, d), b8, b7, q19, q20, secondMarks);
}

void TWVolPants::BackDartsStep() {
    const float Q = DartNorm;
    const float Bc = SeatHeight;
    const Vector e = Vector::UnitBetween(T5, T3);
    const Vector m = Vector::UnitNormalBetween(T3, T5);
    const float waist = Geom::Distance(T6, T51);
    // The dart's top b41 rises until its sides are as long as b3 → q.
    auto closeDart = [](const Vector& tip, const Vector& top, const Vector& side, const Vector& toward) {
        Vector u = Vector::UnitBetween(tip, side);
        Vector::Rotate(u, Geom::Angle(top, tip, side));
        return Geom::IntersectLines(tip, side, u, Vector::UnitBetween(side, toward));
    };
    BackDarts = Q - 4.5f > 0.0f ? 2 : 1;
    if (TwoBackDarts()) {
        b4 = T51 + e * F(waist / 3.0);
        b3 = b4 - m * F(0.5 * Bc);
        b41 = b4 + m * F(0.12 * Q);
        b21 = T51 + e * F(waist * 2.0 / 3.0);
        b31 = b21 - m * F(0.5 * Bc);
        b22 = b21 + m * F(0.12 * Q);
        b6 = b41 + Vector::UnitBetween(b41, T51) * F(0.25 * Q);
        b5 = Geom::Mirror(b4, b3, b6);
        b51 = b22 + Vector::UnitBetween(b22, T6) * F(0.25 * Q);
        b61 = Geom::Mirror(b21, b31, b51);
        q35 = closeDart(b3, b4, b6, T511);
        b41 = b3 + m * Geom::Distance(b3, q35);
        q36 = closeDart(b31, b21, b61, b5);
        b22 = b31 + m * Geom::Distance(b31, q36);
    } else {
        b4 = T51 + e * F(waist * 0.5);
        b3 = b4 - m * F(0.5 * Bc);
        b41 = b4 + m * F(0.24 * Q);
        b5 = b41 + Vector::UnitBetween(b41, T6) * F(0.5 * Q);
        b6 = Geom::Mirror(b4, b3, b5);
        q35 = closeDart(b3, b4, b6, T511);
        b41 = b3 + m * Geom::Distance(b3, q35);
    }
}

void TWVolPants::ComputeBox() {
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    auto take = [&](const Vector& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    };
    for (const PointLabel& l : kLabels)
        if (IsShown(l.shown, *this)) take(this->*l.point);
    for (const ControlPoint& c : kControls)
        if (IsShown(c.shown, *this)) take(this->*c.point);
    BoxLeft = minX;
    BoxRight = maxX;
    BoxTop = maxY;
    BoxBottom = minY;
}

// The length as the measurement column writes it (with the main window's
// decimal separator), unlike the other trousers' CrotchSeamText.
std::string TWVolPants::CrotchText() const {
    return Labels::kCrotchSeamCaption + MeasureColumn::OneDecimalText(CrotchLength);
}

void TWVolPants::CalcSegments() {
    for (const SegmentRow& r : kFrontRows)
        if (IsShown(r.shown, *this)) Segments[r.segment] = Geom::Distance(this->*r.from, this->*r.to);
    for (const SegmentRow& r : kBackRows)
        if (IsShown(r.shown, *this)) Segments[r.segment] = Geom::Distance(this->*r.from, this->*r.to);
}

// ---------------------------------------------------------------------------
// Drawing

void TWVolPants::DrawFrontWaist(TDrawContext& dc, int thick) const {
    dc.SetPenWidth(thick);
    switch (PleatCount) {
        case 0:
            dc.Bezier2(T21, q5, T0, 28);
            return;
        case 1:
            dc.Bezier2(T21, q5, b0, 28);
            break;
        case 3:
            // The third pleat b7..b8, its marks and its tent.
            dc.LineTo(b8);
            dc.SetPenWidth(1);
            dc.LineTo(q24);
            dc.MoveTo(q23);
            dc.LineTo(q21);
            dc.MoveTo(q22);
            dc.LineTo(b7);
            dc.MoveTo(b8);
            dc.SetPenWidth(thick);
            dc.LineTo(q20);
            dc.LineTo(b7);
            [[fallthrough]];
        case 2:
            dc.LineTo(b2);
            dc.SetPenWidth(1);
            dc.LineTo(q16);
            dc.MoveTo(q15);
            dc.LineTo(q13);
            dc.MoveTo(q14);
            dc.LineTo(b1);
            dc.MoveTo(b2);
            dc.SetPenWidth(thick);
            dc.LineTo(q12);
            dc.LineTo(b1);
            dc.LineTo(b0);
            break;
        default:
            return;
    }
    // The first pleat T0..b0 and its mark.
    dc.SetPenWidth(1);
    dc.LineTo(q8);
    dc.MoveTo(q7);
    dc.LineTo(q6);
    dc.MoveTo(b0);
    dc.SetPenWidth(thick);
    dc.LineTo(T0);
}

void TWVolPants::DrawPaths(TDrawContext& dc, int thick) const {
    // 1.-3. Front: side seam, hem, inseam, crotch.
    dc.SetPenWidth(thick);
    dc.MoveTo(T21);
    dc.Bezier2(T21, q1, P2, 20);
    dc.Bezier3(P2, q2, B11, q3, 25);
    dc.LineTo(H1);
    dc.Bezier2(H1, q25, H01, 20);
    dc.Bezier2(H01, q26, H2, 20);
    dc.LineTo(C2);
    dc.Bezier2(C2, q30, q31, 15);
    dc.Bezier2(q31, q27, B1, 20);
    dc.Bezier2(B1, q32, T111, 40);
    // 4. The fly and the waist level.
    dc.SetPenWidth(1);
    dc.LineTo(T11);
    dc.MoveTo(T1);
    dc.LineTo(T);
    dc.MoveTo(T21);
    // 5.-6. The front waist.
    DrawFrontWaist(dc, thick);
    dc.SetPenWidth(thick);
    dc.Bezier2(T0, q4, T111, 28);

    // 7.-8. Back waist and darts.
    dc.MoveTo(T511);
    dc.SetPenWidth(thick);
    dc.LineTo(b6);
    dc.LineTo(b41);
    dc.LineTo(b5);
    dc.SetPenWidth(1);
    dc.LineTo(b3);
    dc.LineTo(b6);
    dc.MoveTo(b41);
    dc.LineTo(b3);
    dc.MoveTo(b5);
    if (TwoBackDarts()) {
        dc.SetPenWidth(thick);
        dc.LineTo(b61);
        dc.LineTo(b22);
        dc.LineTo(b51);
        dc.SetPenWidth(1);
        dc.LineTo(b31);
        dc.LineTo(b61);
        dc.MoveTo(b22);
        dc.LineTo(b31);
        dc.MoveTo(b51);
    }

    // 9. Back outline: waist to T6, side, hem, inseam, crotch.
    dc.SetPenWidth(thick);
    dc.LineTo(T6);
    if (BackSideCurved())
        dc.Bezier2(T6, q37, P4, 20);
    else
        dc.LineTo(P4);
    dc.Bezier3(P4, q38, B3, q39, 25);
    dc.LineTo(H3);
    dc.Bezier2(H3, q33, H011, 20);
    dc.Bezier2(H011, q34, H4, 20);
    dc.LineTo(q40);
    dc.Bezier2(q40, q41, C5, 20);
    dc.LineTo(C6);
    dc.LineTo(q42);
    dc.Bezier2(q42, C3, q43, 20);
    dc.LineTo(B2);
    dc.Bezier2(B2, B5, q44, 10);
    dc.LineTo(T511);

    // 10. Back construction.
    dc.SetPenWidth(1);
    dc.MoveTo(T5);
    dc.LineTo(T3);
    dc.LineTo(B3);
    if (BackSideCurved()) {
        dc.LineTo(P3);
        dc.LineTo(P4);
        dc.MoveTo(P3);
        dc.LineTo(T6);
    }

    // 11. Front side construction.
    dc.MoveTo(T21);
    dc.LineTo(P1);
    dc.LineTo(P2);
    dc.MoveTo(P1);
    dc.LineTo(B11);
    dc.LineTo(T2);
    dc.Arc3(B11, T21, T2, 0, 10);

    // 12. The levels, the seat widths and the compass arcs.
    dc.MoveTo(T);
    dc.LineTo(H);
    dc.LineTo(H4);
    dc.MoveTo(H011);
    dc.LineTo(T0);
    dc.MoveTo(T1);
    dc.LineTo(C1);
    dc.MoveTo(C3);
    dc.LineTo(C4);
    dc.Arc3(C3, C5, C4, 0, 10);
    dc.LineTo(C3);
    dc.LineTo(B5);
    dc.LineTo(q44);
    dc.MoveTo(B5);
    dc.LineTo(T5);
    dc.LineTo(T51);
    dc.MoveTo(T11);
    dc.LineTo(T111);
    dc.LineTo(B1);
    dc.LineTo(B3);
    dc.LineTo(q39);
    dc.MoveTo(q3);
    dc.LineTo(B11);
    dc.Arc3(H1, B, B11, 0, 10);
    dc.MoveTo(B3);
    dc.LineTo(B5);
    dc.Arc3(B3, B4, B5, 0, 10);
    dc.MoveTo(C3);
    dc.LineTo(C);

    // 13. The knee line from the leftmost of K, K1, K3.
    const Vector& kneeStart = K.x <= std::min(K1.x, K3.x) ? K : (K1.x <= K3.x ? K1 : K3);
    dc.MoveTo(kneeStart);
    dc.LineTo(K4);
    dc.MoveTo(q40);
    dc.LineTo(C6);
}

void TWVolPants::DrawPieces(const PieceTarget& t) const {
    DrawPaths(t.dc, t.outline);
    Labels::PutAll(t.dc, t.printer, *this, kLabels);
    Labels::Put(t.dc, t.printer, q45, CrotchText(), 3);
}

PatternSheets::Box TWVolPants::Extent() const { return {BoxLeft, BoxRight, BoxTop, BoxBottom}; }

// ---------------------------------------------------------------------------
// Tables

namespace {

template <std::size_t N>
std::vector<ValueTableRow> RowsOf(const SegmentRow (&rows)[N], const W& w) {
    std::vector<ValueTableRow> out;
    for (const SegmentRow& r : rows)
        if (IsShown(r.shown, w)) out.push_back({r.text, w.Segments[r.segment]});
    return out;
}

}  // namespace

std::vector<ValueTableRow> TWVolPants::FrontTableRows() const { return RowsOf(kFrontRows, *this); }

std::vector<ValueTableRow> TWVolPants::BackTableRows() const { return RowsOf(kBackRows, *this); }

// The comment block of sheet 2 goes below the front table.  The printed
// tables page has the measurement and back table in the left column, the
// front table and the comment in the right one, so that the page fits
// portrait A4 and Letter alike.
std::vector<PlacedTable> TWVolPants::Tables(TableMedium medium) const {
    std::vector<PlacedTable> tables = TLowerGarment::Tables(medium);
    if (medium == TableMedium::Paper) {
        tables[2].x = 35;
        tables[2].y = 277;
    }
    return tables;
}

TablePoint TWVolPants::CommentAt(TableMedium medium) const {
    if (medium == TableMedium::Paper) return {282, 450};
    return {228, kScreenCommentY[std::clamp(PleatCount, 0, 3)]};
}
