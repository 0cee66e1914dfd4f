#include "garments/lower_women/Yubka.h"

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
#include "kernel/Units.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"

using DraftSteps::Arc;

namespace {

using namespace MeasureHints;

const GarmentColumn kColumn{kYubkaType,
                            {{"Ст:", "Полуобхват талии", "38", nullptr, kBody, LowerLine1},
                             {"Сб:", "Полуобхват бёдер", "53", nullptr, kBody, LowerLine2},
                             {"Дтк:", "Расстояние от линии талии до колена", "53", "3", kBody, LowerLine4},
                             {"Дсб:", "Расстояние от линии талии до пола сбоку", "99", "4", kBody, LowerLine5},
                             {"Дсп:", "Расстояние от линии талии до пола спереди", "97", "9", kBody, LowerLine6},
                             {"Дтс:", "Длина спины до талии", "38", "2", kBody, LowerLine7},
                             {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt1},
                             {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb2}},
                            {},
                            494,
                            517};

// Chords of the drawn curves.
constexpr int kWaistChords = 12;
constexpr int kSideChords = 20;

// ---- Point labels, in drawing order. ----
using PointLabel = Labels::Row<TYubka>;
bool SecondDart(const TYubka& y) { return y.TwoDarts(); }

const PointLabel kLabels[] = {
    {"T", &TYubka::T, 4},       {"T0", &TYubka::T0, 1},    {"b7", &TYubka::b7, 1},
    {"b6", &TYubka::b6, 3},     {"B4", &TYubka::B4, 3},    {"b8", &TYubka::b8, 1},
    {"b10", &TYubka::b10, 1, SecondDart},    {"b9", &TYubka::b9, 3, SecondDart},     {"B5", &TYubka::B5, 3, SecondDart},
    {"b11", &TYubka::b11, 1, SecondDart},    {"b5", &TYubka::b5, 1},    {"4", &TYubka::P4, 3},
    {"3", &TYubka::P3, 1},      {"B2", &TYubka::B2, 3},    {"1", &TYubka::P1, 3},
    {"2", &TYubka::P2, 1},      {"T21", &TYubka::T21, 2},  {"b1", &TYubka::b1, 2},
    {"b2", &TYubka::b2, 6},     {"T3", &TYubka::T3, 1},    {"b4", &TYubka::b4, 3},
    {"b3", &TYubka::b3, 2},     {"B3", &TYubka::B3, 3},    {"T1", &TYubka::T1, 2},
    {"B1", &TYubka::B1, 3},     {"H1", &TYubka::H1, 3},    {"H2", &TYubka::H2, 3},
    {"H", &TYubka::H, 4},       {"B", &TYubka::B, 4},
};

// ---- Tables. ----
// The segment table, the rows of the second dart shown only with two darts
// (the text of "[ T3, b4 ]" then has a second blank before its bracket).
bool OneDart(const TYubka& y) { return !y.TwoDarts(); }

struct SegmentRow {
    const char* text;
    TYubka::Segment segment;
    bool (*shown)(const TYubka&) = nullptr;
};

const SegmentRow kSegmentRows[] = {
    {"[ T, H ]", TYubka::SegTH},
    {"[ T, B ]", TYubka::SegTB},
    {"[ B, B1 ]", TYubka::SegBB1},
    {"[ B, B2 ]", TYubka::SegBB2},
    {"[ B1, B3 ]", TYubka::SegB1B3},
    {"[ B, B4 ]", TYubka::SegBB4},
    {"[ B4, B5 ]", TYubka::SegB4B5, SecondDart},
    {"[ T2, T21 ]", TYubka::SegT2T21},
    {"[ b2, b3 ]", TYubka::Segb2b3},
    {"[ T3, b4 ]", TYubka::SegT3b4, OneDart},
    {"[ T3, b4  ]", TYubka::SegT3b4, SecondDart},
    {"[ T21, b1 ]", TYubka::SegT21b1},
    {"[ 1, 2 ]", TYubka::Seg12},
    {"[ b1, b5 ]", TYubka::Segb1b5},
    {"[ 3, 4 ]", TYubka::Seg34},
    {"[ T, T0 ]", TYubka::SegTT0},
    {"[ b7, b8 ]", TYubka::Segb7b8},
    {"[ b10, b11 ]", TYubka::Segb10b11, SecondDart},
    {"[ B4, b6 ]", TYubka::SegB4b6},
    {"[ B5, b9 ]", TYubka::SegB5b9, SecondDart},
};

// The segment table's title: at 40 on the screen, at 24 on paper.
ValueTableLayout SegmentTable(TableMedium medium) {
    return SegmentTableLayout(medium, "Таблица результатов (см)", 40, 24);
}

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "skirt draft"); }

// The quadratic curve's length over its whole parameter range.

}  // namespace

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TYubka::TYubka() : TLowerGarment(kColumn) {}

void RegisterYubka() {
    RegisterModelMaker(kYubkaType, [] { return new TYubka; });
    // Eight floats: Ст, Сб, Дтк, Дсб, Дсп, Дтс, Пт, Пб.
    RegisterLowerBlock(kColumn);
}

std::vector<MeasureSlot> TYubka::Slots() {
    return {WaistHalfGirth, HipHalfGirth, WaistToKnee, SideWaistToFloor,
            FrontWaistToFloor, BackWaistLength, WaistEase, HipEase};
}

bool TYubka::CheckMeasures() {
    if (!WaistWithinHips(WaistHalfGirth, WaistEase, HipHalfGirth, HipEase, "Сб+Пб < Ст+Пт")) return false;
    if (SideWaistToFloor < FrontWaistToFloor) return MeasureColumn::Refuse("Дсб < Дсп");
    if (BackWaistLength >= WaistToKnee) return MeasureColumn::Refuse("Дтс >= Дтк");
    return true;
}

// ---------------------------------------------------------------------------
// The draft

void TYubka::LeftSideCurve() {
    const Vector u = Vector::UnitBetween(b5, B2);
    const Vector n = Vector::UnitNormalBetween(b5, B2);
    const Vector v(0, 1);
    P3 = b5 + u * F(Geom::Distance(b5, B2) / 2.0);
    P4 = P3 + n * F(std::fabs(b5.x) / 4.0);
    LeftSideCtrlUpper = P4 - u * F(Geom::Distance(P3, b5) / 4.0);
    LeftSideCtrlLower = Geom::IntersectLines(P4, B2, u, v);
}

float TYubka::LeftCurveLength() const {
    return F(double(Arc(b5, LeftSideCtrlUpper, P4)) + Arc(P4, LeftSideCtrlLower, B2));
}

void TYubka::Calculate() {
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Dtk = WaistToKnee, Dtc = BackWaistLength;
    const float Pt = WaistEase, Pb = HipEase;
    const Vector up(0, 1);  // v: the vertical

    // 1. What the side shaping and the darts take in: D = Сб + Пб − Ст − Пт.
    const float D = Suppression = F(double(Cb) + Pb - Ct - Pt);

    // 2. The side line: waist, hip and hem levels.
    T2 = Vector(0, 0);
    H2 = Vector(0, -Dtk);
    B2 = Vector(0, F(-Dtc / 2.0));

    // 3. The panel edges: e = −(Сб + Пб)/2 − D/6 + 2 on the left, f = e + Сб + Пб on the right.
    const float e = F(-(double(Cb) + Pb) / 2.0 - D / 6.0 + 2.0);
    const float f = F(double(e) + Cb + Pb);
    T = Vector(e, 0);
    B = Vector(e, B2.y);
    H = Vector(e, -Dtk);
    T1 = Vector(f, 0);
    B1 = Vector(f, B2.y);
    H1 = Vector(f, -Dtk);

    // 4. k = 0.1·D + 0.02·Дтс; the side waist rises Дсб − Дсп.
    RiseNorm = F(0.1 * D + 0.02 * Dtc);
    const float rise = SideRise = F(double(SideWaistToFloor) - FrontWaistToFloor);
    T21 = Vector(0, rise);

    // 5. b1: D/3 from T21 towards T1.
    const Vector waistDir = Vector::UnitBetween(T21, T1);
    b1 = T21 + waistDir * F(D / 3.0);

    // 6. Right side curve B2 → 2 → b1, bulging D/12 out at its middle.
    {
        const Vector u = Vector::UnitBetween(B2, b1);
        const Vector n = Vector::UnitNormalBetween(B2, b1);
        P1 = B2 + u * F(Geom::Distance(B2, b1) / 2.0);
        P2 = P1 + n * F(D / 12.0);
        RightSideCtrlUpper = P2 + u * F(Geom::Distance(P1, b1) / 4.0);
        RightSideCtrlLower = Geom::IntersectLines(P2, B2, u, up);
    }

    // 7. b5 on the circle about B2 through b1, at x = a·D; the factor a
    //    follows t = rise − k.
    const float t = F(double(rise) - RiseNorm);
    const float a = t < -0.5f ? -0.07f : (t <= 0.5f ? float(-1.0 / 6.0) : -0.22f);
    b5.x = F(double(a) * D);
    const double r = Geom::Distance(B2, b1);
    b5.y = F(B2.y + Checked::Sqrt(r * r - double(b5.x) * b5.x, "skirt side circle"));

    // 8. Left side curve b5 → 4 → B2.
    LeftSideCurve();

    // 9. From D ≥ 8 on, b5 moves down (or up) until the left side is as
    //    long as the right one, to 0.1 cm.
    if (D >= 8.0f) {
        RightSideLength = F(double(Arc(b1, RightSideCtrlUpper, P2)) + Arc(P2, RightSideCtrlLower, B2));
        for (int step = 0;; ++step) {
            LeftSideLength = LeftCurveLength();
            SideLengthDiff = F(double(LeftSideLength) - RightSideLength);
            if (std::fabs(SideLengthDiff) < 0.1f) break;
            if (step == kMaxSideSearchSteps) Checked::Fail("skirt side length search");
            b5.y = F(double(b5.y) - SideLengthDiff);
            LeftSideCurve();
        }
    }

    // 10. The right dart's line: B3 halfway across the right panel.
    B3 = Vector(F(B1.x / 2.0), B2.y);
    T3 = Vector(B3.x, F(rise / 2.0));
    b4 = Vector(T3.x, F(T3.y - 10.0));

    // 11. Right dart opening m = min(D/12, 1) on each side of T3.
    const float m = std::min(F(D / 12.0), 1.0f);
    b3 = T3 + waistDir * m;
    b2 = Geom::Mirror(T3, b4, b3);

    // 12.-13. The waist over the right dart: T3 rises so that the dart's
    //         sides are as long as b4 → RightWaistJoin.
    RightWaistCtrl = Vector(F(T1.x - (double(T1.x) - b3.x) / 3.0), 0);
    {
        const Vector u = Vector::UnitBetween(b3, RightWaistCtrl);
        Vector w = Vector::UnitBetween(b4, b3);
        Vector::Rotate(w, Geom::Angle(T3, b4, b3));
        RightWaistJoin = Geom::IntersectLines(b3, b4, u, w);
        T3.y = F(double(b4.y) + Geom::Distance(b4, RightWaistJoin));
    }

    // 14. R = D − |b5 b1| − |b2 b3|: what is left for the left-panel darts.
    LeftDartTotal = F(double(D) - Geom::Distance(b5, b1) - Geom::Distance(b2, b3));
    const float R = LeftDartTotal;

    // 15. The left panel's waist corner.
    T0 = Vector(T.x, F(double(b5.y) - b1.y));

    // 16. Left-panel darts on the waist line T0 → b5.
    const Vector u = Vector::UnitBetween(T0, b5);
    if (TwoDarts()) {
        B4 = Vector(F(2.0 * e / 3.0 + 2.0), B2.y);
        b6 = Vector(B4.x, F(B4.y + 3.0));
        B5 = Vector(F(B4.x / 2.0 - 0.7), B2.y);
        b9 = Vector(B5.x, b6.y);
        LeftDart1Top = Geom::IntersectLines(T0, B4, u, up);
        LeftDart2Top = Geom::IntersectLines(T0, B5, u, up);
        b8 = LeftDart1Top + u * F(R / 4.0);
        b7 = Geom::Mirror(LeftDart1Top, b6, b8);
        b11 = LeftDart2Top + u * F(R / 4.0);
        b10 = Geom::Mirror(LeftDart2Top, b9, b11);
    } else {
        B4 = Vector(F(e / 2.0), B2.y);
        b6 = Vector(B4.x, F(B4.y + 3.0));
        LeftDart1Top = Geom::IntersectLines(T0, B4, u, up);
        b8 = LeftDart1Top + u * F(R / 2.0);
        b7 = Geom::Mirror(LeftDart1Top, b6, b8);
    }

    // 17. The waist from T0 to the first dart; its top rises to match.
    LeftWaistCtrl = Vector(F(T0.x + (double(b7.x) - T0.x) / 3.0), T0.y);
    {
        const Vector u1 = Vector::UnitBetween(b7, LeftWaistCtrl);
        Vector w = Vector::UnitBetween(b6, b7);
        Vector::Rotate(w, Geom::Angle(LeftDart1Top, b6, b7));
        LeftWaistJoin = Geom::IntersectLines(b7, b6, u1, w);
        LeftDart1Top.y = F(double(b6.y) + Geom::Distance(b6, LeftWaistJoin));
    }

    // 18. The same over the second dart.
    if (TwoDarts()) {
        const Vector u2 = Vector::UnitBetween(b10, b8);
        Vector w = Vector::UnitBetween(b9, b10);
        Vector::Rotate(w, Geom::Angle(LeftDart2Top, b9, b10));
        LeftDart2Join = Geom::IntersectLines(b10, b9, u2, w);
        LeftDart2Top.y = F(double(b9.y) + Geom::Distance(b9, LeftDart2Join));
    }

    // 19. The extent of the draft.
    BoxLeft = T.x;
    BoxRight = T1.x;
    BoxTop = std::max(b5.y, rise);
    BoxBottom = H.y;

    // 20.
    calculated = true;
}

void TYubka::CalcSegments() {
    float* s = Segments;
    s[SegTH] = -H.y;
    s[SegTB] = -B.y;
    s[SegBB1] = F(double(B1.x) - B.x);
    s[SegBB2] = -B.x;
    s[SegB1B3] = F(double(B1.x) - B3.x);
    s[SegBB4] = F(double(B4.x) - B.x);
    s[SegT2T21] = T21.y;
    s[Segb2b3] = F(double(b3.x) - b2.x);
    s[SegT3b4] = F(double(T3.y) - b4.y);
    s[SegT21b1] = Geom::Distance(T21, b1);
    s[Seg12] = Geom::Distance(P1, P2);
    s[Segb1b5] = Geom::Distance(b5, b1);
    s[Seg34] = Geom::Distance(P3, P4);
    s[SegTT0] = T0.y;
    s[Segb7b8] = F(double(b8.x) - b7.x);
    s[SegB4b6] = F(double(b6.y) - B4.y);
    if (TwoDarts()) {
        s[SegB4B5] = F(double(B5.x) - B4.x);
        s[Segb10b11] = F(double(b11.x) - b10.x);
        s[SegB5b9] = F(double(b9.y) - B5.y);
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TYubka::DrawPaths(TDrawContext& dc, int thick) const {
    // 1. The waist to the first dart, the dart and its construction.
    dc.SetPenWidth(thick);
    dc.Bezier2(T0, LeftWaistCtrl, LeftWaistJoin, kWaistChords);
    dc.LineTo(b7);
    dc.LineTo(LeftDart1Top);
    dc.LineTo(b8);
    dc.SetPenWidth(1);
    dc.MoveTo(B4);
    dc.LineTo(LeftDart1Top);
    dc.MoveTo(b7);
    dc.LineTo(b6);
    dc.LineTo(b8);

    // 2. The second dart.
    if (TwoDarts()) {
        dc.SetPenWidth(thick);
        dc.MoveTo(b8);
        dc.LineTo(b10);
        dc.LineTo(LeftDart2Top);
        dc.LineTo(b11);
        dc.SetPenWidth(1);
        dc.MoveTo(B5);
        dc.LineTo(LeftDart2Top);
        dc.MoveTo(b10);
        dc.LineTo(b9);
        dc.LineTo(b11);
    }

    // 3. The waist on to b5 and the side seam down to B2 and up to b1.
    dc.SetPenWidth(thick);
    dc.LineTo(b5);
    dc.Bezier2(b5, LeftSideCtrlUpper, P4, kSideChords);
    dc.Bezier2(P4, LeftSideCtrlLower, B2, kSideChords);
    dc.Bezier2(B2, RightSideCtrlLower, P2, kSideChords);
    dc.Bezier2(P2, RightSideCtrlUpper, b1, kSideChords);

    // 4. Construction of the side curves and the side line.
    dc.SetPenWidth(1);
    dc.LineTo(P1);
    dc.LineTo(P2);
    dc.MoveTo(P1);
    dc.LineTo(B2);
    dc.LineTo(P3);
    dc.LineTo(P4);
    dc.MoveTo(P3);
    dc.LineTo(b5);
    dc.MoveTo(H2);
    dc.LineTo(T21);
    dc.LineTo(b1);

    // 5. The right dart, the right waist, the right edge, the hem and the
    //    left edge.
    dc.SetPenWidth(thick);
    dc.LineTo(b2);
    dc.LineTo(T3);
    dc.LineTo(b3);
    dc.SetPenWidth(1);
    dc.MoveTo(B3);
    dc.LineTo(T3);
    dc.MoveTo(b2);
    dc.LineTo(b4);
    dc.LineTo(b3);
    dc.SetPenWidth(thick);
    dc.LineTo(RightWaistJoin);
    dc.Bezier2(RightWaistJoin, RightWaistCtrl, T1, kWaistChords);
    dc.LineTo(H1);
    dc.LineTo(H);
    dc.LineTo(T0);

    // 6. The waist and hip levels.
    dc.SetPenWidth(1);
    dc.MoveTo(T);
    dc.LineTo(T1);
    dc.MoveTo(B1);
    dc.LineTo(B);
}

void TYubka::DrawPieces(const PieceTarget& t) const {
    DrawPaths(t.dc, t.outline);
    if (t.labels) Labels::PutAll(t.dc, t.printer, *this, kLabels);
}

// x = 0 in the middle of the sheet, T21 10 cm below its top edge.
Vector TYubka::SheetOrigin() const { return Vector(kSheetQuarterWidth * 2, Geom::Distance(T21, T2) + 10.0f); }

PatternSheets::Box TYubka::Extent() const { return {BoxLeft, BoxRight, BoxTop, BoxBottom}; }

std::vector<ValueTableRow> TYubka::SegmentTableRows() const {
    std::vector<ValueTableRow> rows;
    for (const SegmentRow& r : kSegmentRows)
        if (!r.shown || r.shown(*this)) rows.push_back({r.text, Segments[r.segment]});
    return rows;
}

std::vector<PlacedTable> TYubka::Tables(TableMedium medium) const {
    const bool screen = medium == TableMedium::Screen;
    return {{screen ? 50 : 35, 57, MeasureTableLayout(medium), MeasureTableRows()},
            {screen ? 296 : 282, 57, SegmentTable(medium), SegmentTableRows()}};
}

// Printing at 1:1 (one sheet): the measurement table rides in the left
// panel, between the hem and the hip line.
bool TYubka::OneSheetTableAt(Vector& corner) const {
    corner = Vector(F(B.x + (double(B2.x) - B.x - kTable200UnitsCm) * 0.33), F(H.y + (double(B.y) - H.y) * 0.614));
    return true;
}
