#include "garments/lower_men/MVolumeBryuki.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "garments/common/PointLabels.h"
#include "garments/common/ValueTable.h"
#include "garments/lower_men/MenTrousers.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"

// What tells the two trousers apart: the column, the float fields its rows
// fill before Кс, and whether the seat depth is a measurement
// (TMVolumeBryuki2) or derived from Сб.
struct MVolumeBryukiKind {
    GarmentColumn column;
    std::vector<float TMVolumeBryukiDraft::*> fields;
    bool seatMeasured;
};

using namespace MenTrousers;

namespace {

// ---- The two kinds. ----

using namespace MeasureHints;

// The comment block of sheet 2 stands below the front and back tables,
// whose longest is 17 rows; on paper a little lower.
constexpr int kScreenCommentY = 430;
constexpr int kPaperCommentY = 453;

// The first trousers keep Пб before Пт in their record, unlike their rows;
// the second keep the row order.  Кс ends both records.
using D = TMVolumeBryukiDraft;
const MVolumeBryukiKind kKind1{{kMVolumeBryukiType,
                                {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
                                 {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
                                 {"Дсб:", "Длина брюк сбоку", "102", nullptr, kBody, LowerLine13},
                                 {"Шн:", "Ширина низа", "19", nullptr, kBody, LowerShn3},
                                 {"Пт:", "Прибавка по талии", "1", nullptr, kFree, LowerPt4},
                                 {"Пб:", "Прибавка по бёдрам", "6", nullptr, kFree, LowerPb5},
                                 {"Пвс:", "Прибавка к высоте сиденья", "0", nullptr, kFree, LowerPvs3},
                                 {"Кс:", "Количество складок у талии", "3", nullptr, kFree, LowerKs2}},
                                {0, 1, 2, 3, 5, 4, 6, 7},
                                kScreenCommentY,
                                kPaperCommentY},
                               {&D::WaistHalfGirth, &D::HipHalfGirth, &D::SideLength, &D::HemWidth, &D::WaistEase,
                                &D::HipEase, &D::SeatEase},
                               false};
const MVolumeBryukiKind kKind2{{kMVolumeBryuki2Type,
                                {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, LowerLine9},
                                 {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine10},
                                 {"Дсб:", "Длина брюк сбоку", "102", nullptr, kBody, LowerLine13},
                                 {"Вс:", "Высота сидения", "23", "5", kBody, LowerLine11},
                                 {"Шн:", "Ширина низа", "19", nullptr, kBody, LowerShn3},
                                 {"Пт:", "Прибавка по талии", "1", nullptr, kFree, LowerPt4},
                                 {"Пб:", "Прибавка по бёдрам", "6", nullptr, kFree, LowerPb5},
                                 {"Пвс:", "Прибавка к высоте сиденья", "0", nullptr, kFree, LowerPvs3},
                                 {"Кс:", "Количество складок у талии", "3", nullptr, kFree, LowerKs2}},
                                {},
                                kScreenCommentY,
                                kPaperCommentY},
                               {&D::WaistHalfGirth, &D::HipHalfGirth, &D::SideLength, &D::SeatDepth, &D::HemWidth,
                                &D::WaistEase, &D::HipEase, &D::SeatEase},
                               true};

// ---- Which drafts show a label or a table row (nullptr: every draft). ----
using Shown = bool (*)(const D&);
bool WithoutPleats(const D& d) { return d.DrawnPleats() == 0; }
bool OnePleat(const D& d) { return d.DrawnPleats() >= 1; }
bool TwoPleats(const D& d) { return d.DrawnPleats() >= 2; }
bool ThreePleats(const D& d) { return d.DrawnPleats() >= 3; }
constexpr Shown kAlways = nullptr;
constexpr Shown kWithoutPleats = WithoutPleats;
// With at least n pleats.
Shown Pleats(int n) { return n == 1 ? OnePleat : n == 2 ? TwoPleats : ThreePleats; }

// ---- Point labels, in drawing order. ----
using PointLabel = Labels::Row<D>;

using P = MVolumeBryukiPoints;
const PointLabel kLabels[] = {
    {"T1", &P::T1, 3, kAlways},   {"T11", &P::T11, 5, kAlways},        {"T12", &P::T12, 2, kAlways},
    {"T5", &P::T5, 2, kAlways},   {"b9", &P::b9, 2, kAlways},          {"b61", &P::b61, 1, kAlways},
    {"b6", &P::b6, 3, kAlways},   {"b7", &P::b7, 3, kAlways},          {"P1", &P::P1, 3, kAlways},
    {"P", &P::P, 4, kAlways},     {"b8", &P::b8, 8, kAlways},          {"T4", &P::T4, 2, kAlways},
    {"T6", &P::T6, 6, kAlways},   {"T2", &P::T2, 7, kAlways},          {"T21", &P::T21, 2, kWithoutPleats},
    {"T", &P::T, 4, kAlways},     {"b5", &P::b5, 5, Pleats(3)},        {"b4", &P::b4, 3, Pleats(3)},
    {"b3", &P::b3, 5, Pleats(2)}, {"b2", &P::b2, 3, Pleats(2)},        {"b1", &P::b1, 5, Pleats(1)},
    {"b", &P::b, 3, Pleats(1)},   {"T0", &P::T0, 3, kAlways},          {"B5", &P::B5, 8, kAlways},
    {"B0", &P::B0, 7, kAlways},   {"B4", &P::B4, 7, kAlways},          {"B2", &P::B2, 3, kAlways},
    {"B1", &P::B1, 6, kAlways},   {"B11", &P::B11, 2, kAlways},
    // The right column.
    {"C4", &P::C4, 2, kAlways},   {"C5", &P::C5, 3, kAlways},          {"C2", &P::C2, 2, kAlways},
    {"C1", &P::C1, 3, kAlways},   {"C3", &P::C3, 5, kAlways},          {"C0", &P::C0, 7, kAlways},
    {"K0", &P::K0, 8, kAlways},   {"K2", &P::K2, 8, kAlways},          {"K4", &P::K4, 3, kAlways},
    {"H4", &P::H4, 3, kAlways},   {"H2", &P::H2, 8, kAlways},          {"H011", &P::H011, 3, kAlways},
    {"H0", &P::H0, 2, kAlways},   {"H01", &P::H01, 10, kAlways},       {"H1", &P::H1, 2, kAlways},
    {"H3", &P::H3, 7, kAlways},   {"H", &P::H, 4, kAlways},            {"K", &P::K, 4, kAlways},
    {"K3", &P::K3, 7, kAlways},   {"K1", &P::K1, 2, kAlways},          {"C", &P::C, 5, kAlways},
    {"B", &P::B, 3, kAlways},     {"B3", &P::B3, 7, kAlways},
};

// ---- Result tables. ----

// The curve points that are not labelled, which with the labelled ones hold
// every line of the draft.
Vector MVolumeBryukiPoints::*const kUnlabelled[] = {
    &P::W,            &P::TickP1,        &P::TickP2,        &P::TickP11,       &P::TickP12,
    &P::FrontHemCtrl1, &P::FrontHemCtrl2, &P::BackHemCtrl1,  &P::BackHemCtrl2,  &P::Q,
    &P::FrontCrotchCtrl, &P::FrontSideCtrl, &P::BackSideCtrl, &P::BackCrotchStart,
};

// How a row measures its value.
enum class Measure {
    Distance,  // |P Q|
    DeltaX,    // x(Q) − x(P)
    Constant,  // a fixed length
    Pleat,     // the depth of a pleat, |near edge, far edge|
};

// A row of a segment table; its value is stored at its own index.
struct SegmentRow {
    const char* text;
    Measure measure;
    Vector MVolumeBryukiPoints::*p;
    Vector MVolumeBryukiPoints::*q;
    Shown shown;
    float constant = 0.0f;  // Constant: the length; Pleat: the pleat's index
};

using S = TMVolumeBryukiDraft;
constexpr Measure kDist = Measure::Distance;
const SegmentRow kFrontRows[S::kFrontSegments] = {
    {"[ T, H ]", kDist, &P::T, &P::H, kAlways},
    {"[ T, C ]", kDist, &P::T, &P::C, kAlways},
    {"[ C, B ]", kDist, &P::C, &P::B, kAlways},
    {"[ B, K ]", kDist, &P::B, &P::K, kAlways},
    {"[ B, B1 ]", kDist, &P::B, &P::B1, kAlways},
    {"[ H1, T2 ]", kDist, &P::H1, &P::T2, kAlways},
    {"[ T2, T21 ]", kDist, &P::T2, &P::T21, kWithoutPleats},
    {"[ C1, C2 ]", kDist, &P::C1, &P::C2, kAlways},
    {"[ B1, B11 ]", kDist, &P::B1, &P::B11, kAlways},
    {"[ C, C0 ]", kDist, &P::C, &P::C0, kAlways},
    {"[ T1, T11 ]", kDist, &P::T1, &P::T11, kAlways},
    {"[ T11, T12 ]", kDist, &P::T11, &P::T12, kAlways},
    {"[ H0, H1 ]", kDist, &P::H0, &P::H1, kAlways},
    {"[ H0, H2 ]", kDist, &P::H0, &P::H2, kAlways},
    {"[ H0, H01 ]", kDist, &P::H0, &P::H01, kAlways},
    {"[ b, b1 ]", Measure::Pleat, nullptr, nullptr, Pleats(1), 0},
    {"[ b2, b3 ]", Measure::Pleat, nullptr, nullptr, Pleats(2), 1},
    {"[ b4, b5 ]", Measure::Pleat, nullptr, nullptr, Pleats(3), 2},
};

// The hems' steps (2, 2, 0.5) are constants; the hip and seat lines'
// widths differences of x.  C5 lies on the circle about C3 through C4, so
// "[ C3, C5 ]" shows the same length as "[ C3, C4 ]".
const SegmentRow kBackRows[S::kBackSegments] = {
    {"[ H1, H3 ]", Measure::Constant, nullptr, nullptr, kAlways, 2.0f},
    {"[ H2, H4 ]", Measure::Constant, nullptr, nullptr, kAlways, 2.0f},
    {"[ H0, H011 ]", Measure::Constant, nullptr, nullptr, kAlways, 0.5f},
    {"[ B0, B3 ]", Measure::DeltaX, &P::B3, &P::B0, kAlways},
    {"[ B3, B4 ]", Measure::DeltaX, &P::B3, &P::B4, kAlways},
    {"[ B4, B5 ]", kDist, &P::B4, &P::B5, kAlways},
    {"[ C0, C3 ]", Measure::DeltaX, &P::C0, &P::C3, kAlways},
    {"[ C3, C4 ]", Measure::DeltaX, &P::C3, &P::C4, kAlways},
    {"[ C3, C5 ]", Measure::DeltaX, &P::C3, &P::C4, kAlways},
    {"[ H3, T6 ]", kDist, &P::H3, &P::T6, kAlways},
    {"[ T5, T6 ]", kDist, &P::T5, &P::T6, kAlways},
    {"[ T5, T4 ]", kDist, &P::T4, &P::T5, kAlways},
    {"[ b6, b61 ]", kDist, &P::b6, &P::b61, kAlways},
    {"[ b8, b9 ]", kDist, &P::b8, &P::b9, kAlways},
    {"[ b61, b7 ]", kDist, &P::b61, &P::b7, kAlways},
    {"[ P, b7 ]", kDist, &P::P, &P::b7, kAlways},
    {"[ b7, P1 ]", kDist, &P::b7, &P::P1, kAlways},
};

bool IsShown(const SegmentRow& r, const D& d) { return !r.shown || r.shown(d); }

// The rows the draft shows, with their stored values.
template <size_t N>
std::vector<ValueTableRow> RowsOf(const SegmentRow (&rows)[N], const float* segments, const D& d) {
    std::vector<ValueTableRow> out;
    for (size_t i = 0; i < N; ++i)
        if (IsShown(rows[i], d)) out.push_back({rows[i].text, segments[i]});
    return out;
}

}  // namespace

std::int32_t ClampedPleatCount(double value) {
    if (std::isnan(value)) return kMinPleats;
    return std::int32_t(std::clamp(value, double(kMinPleats), double(kMaxPleats)));
}

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TMVolumeBryukiDraft::TMVolumeBryukiDraft(const MVolumeBryukiKind& kind) : TLowerGarment(kind.column), kind_(kind) {}

TMVolumeBryuki::TMVolumeBryuki() : TMVolumeBryukiDraft(kKind1) {}

TMVolumeBryuki2::TMVolumeBryuki2() : TMVolumeBryukiDraft(kKind2) {}

std::vector<MeasureSlot> TMVolumeBryukiDraft::Slots() {
    std::vector<MeasureSlot> places = FieldSlots(*this, kind_.fields);
    places.push_back(MeasureSlot(PleatCount, ClampedPleatCount));
    return places;
}

bool TMVolumeBryukiDraft::CheckMeasures() {
    // The bare half-girths and eases; Кс is already clamped and stored.
    if (MeasureColumn::Exceeds(WaistHalfGirth, HipHalfGirth)) return MeasureColumn::Refuse("Ст > Сб");
    if (MeasureColumn::Exceeds(WaistEase, HipEase)) return MeasureColumn::Refuse("Пт > Пб");
    // The user sees the count the draft starts from.
    ShowCounts();
    return true;
}

// ---------------------------------------------------------------------------
// The draft

void TMVolumeBryukiDraft::Calculate() {
    KeepingTheLastDraft([this] { Draft(); }, static_cast<MVolumeBryukiPoints&>(*this), SeatDepth, PleatCount,
                        PleatSurplus, WaistSlope, BackHipWidth, BackDart, CrotchSeam, NoPleats, PleatDepth[0],
                        PleatDepth[1], PleatDepth[2]);
    // 36.
    calculated = true;
}

void TMVolumeBryukiDraft::Draft() {
    // A fresh set of points: nothing of an earlier draft survives.
    static_cast<MVolumeBryukiPoints&>(*this) = MVolumeBryukiPoints{};
    std::fill(std::begin(PleatDepth), std::end(PleatDepth), 0.0f);
    // 1. The seat depth.
    if (!kind_.seatMeasured) SeatDepth = F(HipHalfGirth * 0.5 - 1.5);
    const float s = SeatDepth;

    FrontFrame(s);
    // 11. The surplus of the front waist over its share of the waist.
    PleatSurplus = F(double(Geom::Distance(T2, T12)) - (double(WaistHalfGirth) + WaistEase) / 2 - 0.5);
    if (PleatSurplus >= 2.0f)
        FrontPleats();
    else
        FrontWithoutPleats();
    Back(s);
    BackDartAndLine(s);

    // 34.
    SeamLabelPos = Vector(F(C.x + 2.3), F(C.y - 0.6));

    // 35. The crotch seam: the back from its crotch curve up to the waist,
    //     then the front from the fly down to the inside leg.
    CrotchSeam = SeamLength(Arc(B2, C3, BackCrotchStart), Geom::Distance(T5, B2),
                            Geom::Distance(BackCrotchStart, C5), Geom::Distance(T12, B11),
                            Arc(B11, FrontCrotchCtrl, C2));
}

void TMVolumeBryukiDraft::FrontFrame(float s) {
    const double Ct = WaistHalfGirth, Cb = HipHalfGirth, Pb = HipEase;
    // The hem, seat, hip and knee lines.
    const float yH = F(-double(SideLength));
    const float yC = F(-double(s) - SeatEase);
    const float yB = F(-(2.0 / 3.0) * s);
    const float yK = F((double(yB) + yH) / 2);

    // 2.
    T0 = Vector(0, 0);
    H0 = Vector(0, yH);
    C0 = Vector(0, yC);
    B0 = Vector(0, yB);
    K0 = Vector(0, yK);

    // 3.-4. The side and the middle of the front on the hip line.
    B = Vector(F(-0.3 * Cb - 0.85 * Pb + 0.5), yB);
    B1 = Vector(F(0.2 * Cb - 0.05 * Pb - 0.5), yB);
    B11 = Vector(F(double(B1.x) + 0.5), yB);
    T = Vector(B.x, 0);
    T1 = Vector(B1.x, 0);
    C = Vector(B.x, yC);
    C1 = Vector(B1.x, yC);
    K = Vector(B.x, yK);
    H = Vector(B.x, yH);

    // 5. The front crotch width, a tenth of Сб + Пб.
    C2 = Vector(F(double(B1.x) + 0.1 * (Cb + Pb)), yC);

    // 6. The fly: its top stands 0.1·Пб above the waist line.
    T11 = Vector(F(double(B1.x) - 0.07 * (Cb - Ct)), 0);
    T12 = Vector(T11.x, F(0.1 * Pb));

    // 7. The front hem, Шн − 2 wide, rising 0.5 cm at the crease.
    const double halfHem = (double(HemWidth) - 2) / 2;
    H2 = Vector(F(halfHem), yH);
    H1 = Vector(F(-halfHem), yH);
    H01 = Vector(0, F(double(yH) + 0.5));
    HemControls(H1.x, -H1.x, H01.y, FrontHemCtrl1, FrontHemCtrl2);

    // 8. The side line from H1 through B, as long as Дсб + (Сб − Ст)/10.
    T2 = Toward(H1, B, double(SideLength) + 0.1 * (Cb - Ct));

    // 9. The knee line meets the side line and the inside leg H2–C2.
    const Vector across = Vector::UnitBetween(K0, K);
    K1 = Geom::IntersectLines(H1, K0, Vector::UnitBetween(H1, B), across);
    K2 = Geom::IntersectLines(H2, K0, Vector::UnitBetween(H2, C2), across);

    // 10. The fly line T12–B11 continued down to the seat line at Q; the
    //     crotch curve's control a third of the way back from Q.
    FrontCrotchCtrl = CrotchControl(B11, Vector::UnitBetween(T12, B11), C2, across, &Q);
}

void TMVolumeBryukiDraft::FrontPleats() {
    // 12. Pleats at least 2 cm deep: fewer when the surplus is short.
    NoPleats = false;
    const float E = PleatSurplus;
    // Only 1 .. 3 can be laid out, whatever set the count.
    PleatCount = ClampedPleatCount(PleatCount);
    float depth = F(double(E) / PleatCount);
    while (depth < 2.0f) {
        // E ≥ 2, so one pleat is always deep enough: the count never
        // drops below 1, and the loop runs at most twice.
        if (PleatCount <= kMinPleats) Checked::Fail("pleat depth");
        --PleatCount;
        depth = F(double(E) / PleatCount);
    }

    // 13. The front waist line T2–T12.
    WaistSlope = F(Checked::Div(double(T12.y) - T2.y, double(T12.x) - T2.x, "front waist slope"));
    auto waistY = [this](double x) { return F(T2.y + (x - T2.x) * WaistSlope); };

    // 14.-15. Pleat 1 starts on the crease line; the others follow towards
    //         the side, 4 cm (two pleats) or 3 cm (three) apart.  Pleat 1's
    //         far edge keeps W's height; pleats 2 and 3 take the waist line's
    //         height at their near edge.
    W = Vector(0, F(T2.y - double(T2.x) * WaistSlope));
    static const double kShares[kMaxPleats][kMaxPleats] = {{1.0, 0, 0}, {0.6, 0.4, 0}, {0.4, 0.3, 0.3}};
    const float gap = PleatCount == 2 ? 4.0f : 3.0f;
    for (int i = 0; i < PleatCount; ++i) {
        WaistPleat& p = Pleats[i];
        if (i == 0) {
            p.Near = W;
        } else {
            const float x = F(double(Pleats[i - 1].Far.x) - gap);
            p.Near = Vector(x, waistY(x));
        }
        p.Far = Vector(F(double(p.Near.x) - kShares[PleatCount - 1][i] * E), p.Near.y);
        p.NearMark = Vector(p.Near.x, F(double(p.Near.y) - 2));
        p.FarMark = Vector(p.Far.x, F(double(p.Far.y) - 2));
        p.NearLabel = Vector(p.Near.x, F(double(p.Near.y) - 1.5));
        p.FarLabel = Vector(p.Far.x, F(double(p.Far.y) - 1.5));
        PleatDepth[i] = Geom::Distance(p.Near, p.Far);
    }

    // 16.
    b = Pleats[0].NearLabel;
    b1 = Pleats[0].FarLabel;
    b2 = Pleats[1].NearLabel;
    b3 = Pleats[1].FarLabel;
    b4 = Pleats[2].NearLabel;
    b5 = Pleats[2].FarLabel;
}

void TMVolumeBryukiDraft::FrontWithoutPleats() {
    // 17. The waist shortened by E at the side; the side curve from T21
    //     over the midpoint of T2 and B down to B.
    NoPleats = true;
    T21 = Geom::PointAlong(T2, Vector::UnitBetween(T2, T12), PleatSurplus);
    FrontSideCtrl = Mid(T2, B);
}

void TMVolumeBryukiDraft::Back(float s) {
    const double Cb = HipHalfGirth, Pb = HipEase;
    const float yB = B.y, yC = C.y, yH = H.y;

    // 18. The back hip width W_b, turned up by α about B3; δ is how far the
    //     middle seam leans out between the hip and seat lines; c the back
    //     crotch width.
    const float Wb = BackHipWidth = F(0.2 * Pb + 0.5 * Cb + 0.5);
    const float alpha = F(Checked::Div(0.05 * (Cb + s), Wb, "back hip angle"));
    const float delta = F(std::tan(double(alpha)) * ((double(yB) - yC) + std::sin(double(alpha)) * Wb));
    const float c = F(0.2 * (Cb + Pb));

    // 19.-20. The back's width at the seat line, B3 to C4, centred on the
    //         crease; B5 is B4 turned about B3 by α.
    TurnedBackHip(yB, yC, Wb, alpha, delta, c).Into(B3, B4, B5, C3, C4);

    // 21. The back hem, 2 cm wider each side than the front's, dipping
    //     0.5 cm at the crease.
    H4 = Vector(F(double(H2.x) + 2), yH);
    H3 = Vector(F(-double(H4.x)), yH);
    H011 = Vector(0, F(double(yH) - 0.5));
    HemControls(H3.x, -H3.x, H011.y, BackHemCtrl1, BackHemCtrl2);

    // 22. The back inside leg as long as the front's; C5 c from C3.
    C5 = Geom::CircleCross(H4, C3, Geom::Distance(H2, C2), c, 0);

    // 23.-24. The middle seam straight from C3 through B5 up to T5.
    const Vector across = Vector::UnitBetween(K0, K);
    const Vector middle = Vector::UnitBetween(C3, B5);
    B2 = Geom::IntersectLines(C3, B4, middle, across);
    T5 = Geom::PointAlong(B5, middle, F((2.0 / 3.0) * s));

    // 25. The knee line across the back's legs.
    K4 = Geom::IntersectLines(H4, K0, Vector::UnitBetween(H4, C5), across);
    K3 = Geom::IntersectLines(H3, K0, Vector::UnitBetween(H3, B3), across);

    // 26. The back side from H3 through B3, as long as the front's.
    T6 = Toward(H3, B3, Geom::Distance(H1, T2));

    // 27. The curves' middle points.
    BackCrotchStart = Mid(C3, C5);
    BackSideCtrl = Mid(T6, B3);
}

void TMVolumeBryukiDraft::BackDartAndLine(float s) {
    const double Ct = WaistHalfGirth, Cb = HipHalfGirth, Pt = WaistEase;
    const Vector waist = Vector::UnitBetween(T5, T6);

    // 28. The back waist with its dart, from the middle seam.
    T4 = Geom::PointAlong(T5, waist, F((Ct + Pt) / 2 + 0.5 + (Cb - Ct) / 4));

    // 29. The dart: (Сб − Ст)/4, or what the waist line T5–T6 leaves when T4
    //     would pass T6; none when even that is short, T4 then beyond T6.
    if (T4.x >= T6.x) {
        BackDart = F((Cb - Ct) / 4);
    } else {
        BackDart = F(double(Geom::Distance(T5, T6)) - (Ct + Pt) / 2);
        if (BackDart >= 0.0f) {
            T4 = T6;
        } else {
            T4 = Geom::PointAlong(T6, waist, F(-double(BackDart)));
            BackDart = 0.0f;
        }
    }
    const double Dv = BackDart;

    // 30.-33. The dart halfway along T4–T5: its apex b7 s/3 below the
    //         waist, its top b61 D/3 above it, its waist ends b8 and b9 D/2
    //         from the top; the top then moved along the centre line to
    //         where the waist T5–b9, folded over the leg b7–b9, meets it.
    b6 = Mid(T4, T5);
    const Vector n = Vector::UnitNormalBetween(T6, T5);
    BackWaistDart(T4, T5, b6, n, double(s) / 3, Dv / 3, Dv / 2).Into(b7, b61, b8, b9);

    // 31. The line P–P1 across the apex, 14 cm, with 0.4 cm ticks across
    //     its ends.
    const PocketLine pocket = BackPocket(b7, T6, T5);
    P = pocket.P;
    P1 = pocket.P1;
    TickP1 = Geom::PointAlong(P, n, -0.2f);
    TickP2 = Geom::PointAlong(P, n, 0.2f);
    TickP11 = Geom::PointAlong(P1, n, -0.2f);
    TickP12 = Geom::PointAlong(P1, n, 0.2f);
}

void TMVolumeBryukiDraft::CalcSegments() {
    // The rows a draft does not show (the pleats it has not, "[ T2, T21 ]"
    // with pleats) keep 0.
    auto fill = [this](const SegmentRow* rows, size_t count, float* segments) {
        for (size_t i = 0; i < count; ++i) {
            const SegmentRow& r = rows[i];
            segments[i] = 0.0f;
            if (!IsShown(r, *this)) continue;
            switch (r.measure) {
                case Measure::Distance: segments[i] = Geom::Distance(this->*r.p, this->*r.q); break;
                case Measure::DeltaX: segments[i] = F(double((this->*r.q).x) - (this->*r.p).x); break;
                case Measure::Constant: segments[i] = r.constant; break;
                case Measure::Pleat: segments[i] = PleatDepth[int(r.constant)]; break;
            }
        }
    };
    fill(kFrontRows, std::size(kFrontRows), FrontSegments);
    fill(kBackRows, std::size(kBackRows), BackSegments);
}

std::string TMVolumeBryukiDraft::SeamLabelText() const { return Labels::CrotchSeamText(CrotchSeam); }

// ---------------------------------------------------------------------------
// Tables

std::vector<ValueTableRow> TMVolumeBryukiDraft::FrontTableRows() const {
    return RowsOf(kFrontRows, FrontSegments, *this);
}

std::vector<ValueTableRow> TMVolumeBryukiDraft::BackTableRows() const {
    return RowsOf(kBackRows, BackSegments, *this);
}

// ---------------------------------------------------------------------------
// Drawing

void TMVolumeBryukiDraft::DrawPaths(TDrawContext& dc, int thick) const {
    // 1.-8. The front outline from the fly's top.
    dc.SetPenWidth(thick);
    dc.MoveTo(T12);
    const int pleats = DrawnPleats();
    if (pleats > 0) {
        // 2. The waist with its pleats: pleat 1 from the crease, its far
        //    edge marked; the others marked at both edges.
        const WaistPleat& first = Pleats[0];
        dc.LineTo(W);
        dc.LineTo(first.Far);
        dc.SetPenWidth(1);
        dc.MoveTo(b);
        dc.LineTo(b1);
        dc.MoveTo(first.FarMark);
        dc.LineTo(first.Far);
        dc.SetPenWidth(thick);
        for (int i = 1; i < pleats; ++i) {
            const WaistPleat& p = Pleats[i];
            dc.LineTo(p.Near);
            dc.LineTo(p.Far);
            dc.MoveTo(p.Near);
            dc.SetPenWidth(1);
            dc.LineTo(p.NearMark);
            dc.MoveTo(p.NearLabel);
            dc.LineTo(p.FarLabel);
            dc.MoveTo(p.FarMark);
            dc.LineTo(p.Far);
            dc.SetPenWidth(thick);
        }
        dc.LineTo(T2);
    } else {
        // 3. The waist shortened at the side, the side curving down to B.
        dc.LineTo(T21);
        dc.Bezier2(T21, FrontSideCtrl, B, 20);
    }
    dc.LineTo(H1);
    dc.Bezier2(H1, FrontHemCtrl1, H01, 10);
    dc.Bezier2(H01, FrontHemCtrl2, H2, 10);
    dc.LineTo(C2);
    dc.Bezier2(C2, FrontCrotchCtrl, B11, 30);
    dc.LineTo(T12);

    // 9. The back waist and its dart.
    dc.MoveTo(T5);
    dc.LineTo(b9);
    dc.LineTo(b61);
    dc.LineTo(b8);
    dc.SetPenWidth(1);
    dc.LineTo(b7);
    dc.LineTo(b61);
    dc.MoveTo(b9);
    dc.LineTo(b7);

    // 10. The line P–P1 with its ticks, then the waist on to T4.
    dc.MoveTo(TickP11);
    dc.LineTo(TickP12);
    dc.MoveTo(P1);
    dc.SetPenWidth(thick);
    dc.LineTo(P);
    dc.SetPenWidth(1);
    dc.MoveTo(TickP1);
    dc.LineTo(TickP2);
    dc.MoveTo(b8);
    dc.SetPenWidth(thick);
    dc.LineTo(T4);

    // 11. The back outline: side, hem, inside leg, crotch, middle seam.
    dc.Bezier2(T4, BackSideCtrl, B3, 20);
    dc.LineTo(H3);
    dc.Bezier2(H3, BackHemCtrl1, H011, 10);
    dc.Bezier2(H011, BackHemCtrl2, H4, 10);
    dc.LineTo(C5);
    dc.LineTo(BackCrotchStart);
    dc.Bezier2(BackCrotchStart, C3, B2, 30);
    dc.LineTo(T5);

    // 12.-21. Construction lines.
    dc.SetPenWidth(1);
    dc.MoveTo(pleats > 0 ? W : T0);
    dc.LineTo(H011);  // the crease line
    dc.MoveTo(H4);
    dc.LineTo(H);
    dc.LineTo(K);
    dc.LineTo(K4);
    dc.MoveTo(K);
    dc.LineTo(T);
    dc.LineTo(T1);
    dc.MoveTo(T11);
    dc.LineTo(T12);
    dc.MoveTo(T5);
    dc.LineTo(T6);
    dc.LineTo(B3);
    if (pleats == 0) {
        dc.MoveTo(B);
        dc.LineTo(T2);
        dc.LineTo(T21);
    }
    dc.MoveTo(C);
    dc.LineTo(C4);  // the seat line
    dc.Arc3(C3, C5, C4, 0, 10);
    dc.MoveTo(BackCrotchStart);
    dc.LineTo(C3);
    dc.LineTo(B2);
    dc.MoveTo(B4);
    dc.Arc3(B3, B4, B5, 1, 10);
    dc.LineTo(B3);
    dc.LineTo(B11);  // the hip line
    dc.MoveTo(C1);
    dc.LineTo(T1);
}

void TMVolumeBryukiDraft::DrawPieces(const PieceTarget& t) const {
    DrawPaths(t.dc, t.outline);
    if (t.labels) Labels::PutAll(t.dc, t.printer, *this, kLabels);
    // 22.
    Labels::CrotchSeam(t.dc, t.printer, SeamLabelPos, CrotchSeam);
}

PatternSheets::Box TMVolumeBryukiDraft::Extent() const {
    PatternSheets::Box box;
    for (const PointLabel& l : kLabels) box.Take(this->*l.point);
    for (Vector MVolumeBryukiPoints::*p : kUnlabelled) box.Take(this->*p);
    return box;
}

// ---------------------------------------------------------------------------

void RegisterMVolumeBryuki() {
    RegisterModelMaker(kMVolumeBryukiType, [] { return new TMVolumeBryuki; });
    RegisterModelMaker(kMVolumeBryuki2Type, [] { return new TMVolumeBryuki2; });
    // The floats of the rows, then Кс as a 32-bit integer.
    for (const MVolumeBryukiKind* kind : {&kKind1, &kKind2})
        RegisterLowerBlock(kind->column, {{int(kind->column.rows.size()) - 1, kMinPleats, kMaxPleats}});
}
