#include "garments/lower_women/WBryuki.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "garments/common/ValueTable.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"

using DraftSteps::Arc;
using DraftSteps::Aside;
using DraftSteps::Toward;

// What tells the two trousers apart.
struct WBryukiKind {
    GarmentColumn column;
    // TWBryuki2: the seat height and its ease are measurements; TWBryuki
    // takes s = 0.5·Сб and p = 0.
    bool seatMeasured;
    std::vector<float TWBryukiDraft::*> fields;  // the fields the rows fill, in row order
};

namespace {

// ---- The two kinds. ----

using D = TWBryukiDraft;
using namespace MeasureHints;

// The comment block of sheet 2 stands below the front table, whose length
// follows the waist variant (see TWBryukiDraft::CommentAt).
const WBryukiKind kKind1{
    {kWBryukiType,
     {{"Ст:", "Полуобхват талии", "37", "5", kBody, LowerLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
      {"Дсп:", "Длина брюк спереди", "99", "9", kBody, LowerLine6},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3}}},
    false,
    {&D::WaistHalfGirth, &D::HipHalfGirth, &D::FrontLength, &D::WaistEase, &D::HipEase}};
const WBryukiKind kKind2{
    {kWBryuki2Type,
     {{"Ст:", "Полуобхват талии", "37", "5", kBody, LowerLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, LowerLine2},
      {"Вс:", "Высота сидения", "25", nullptr, kBody, LowerLine3},
      {"Дсп:", "Длина брюк спереди", "99", "9", kBody, LowerLine6},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3},
      {"Пвс:", "Прибавка к высоте сидения", "0", nullptr, kFree, LowerPvs1}}},
    true,
    {&D::WaistHalfGirth, &D::HipHalfGirth, &D::SeatHeight, &D::FrontLength, &D::WaistEase, &D::HipEase,
     &D::SeatEase}};

// ---- Drawing constants. ----

constexpr int kArcChords = 10;

// When a label or a table row is shown: in the waist variants with a front
// dart, in one variant, or with two back darts only (nullptr: always).
bool WithFrontDart(const D& d) { return d.WaistVariant != 2; }
bool NoCreaseDart(const D& d) { return d.WaistVariant != 3; }
bool CreaseDart(const D& d) { return d.WaistVariant == 3; }
bool TwoDarts(const D& d) { return d.TwoBackDarts(); }
using Shown = bool (*)(const D&);
constexpr Shown kAny = nullptr;
constexpr Shown kDart = WithFrontDart;
constexpr Shown kV3 = CreaseDart;
constexpr Shown kTwoDarts = TwoDarts;

bool IsShown(Shown shown, const D& d) { return !shown || shown(d); }

// ---- Point labels, in drawing order. ----
using PointLabel = Labels::Row<D>;

using P = WBryukiPoints;
const PointLabel kLabels[] = {
    {"T3", &P::T3, 1, kAny},        {"T6", &P::T6, 2, kAny},         {"b9", &P::b9, 2, kTwoDarts},
    {"b81", &P::b81, 2, kTwoDarts}, {"b8", &P::b8, 3, kTwoDarts},    {"b7", &P::b7, 3, kTwoDarts},
    {"b10", &P::b10, 2, kTwoDarts}, {"b5", &P::b5, 2, kAny},         {"b41", &P::b41, 2, kAny},
    {"b4", &P::b4, 3, kAny},        {"b3", &P::b3, 3, kAny},         {"b6", &P::b6, 2, kAny},
    {"T511", &P::T511, 8, kAny},    {"T51", &P::T51, 5, kAny},       {"T5", &P::T5, 2, kAny},
    {"T", &P::T, 4, kAny},          {"T2", &P::T2, 3, kAny},         {"T21", &P::T21, 1, kAny},
    {"b1", &P::b1, 2, kDart},       {"b", &P::b, 2, kDart},          {"b0", &P::b0, 3, kDart},
    {"b2", &P::b2, 2, kDart},       {"T0", &P::T0, 3, NoCreaseDart},    {"b12", &P::b12, 2, kV3},
    {"b20", &P::b20, 2, kV3},       {"b02", &P::b02, 3, kV3},        {"T0", &P::T0, 3, kV3},
    {"b22", &P::b22, 2, kV3},       {"T111", &P::T111, 1, kAny},     {"T11", &P::T11, 4, kAny},
    {"T1", &P::T1, 3, kAny},        {"B5", &P::B5, 2, kAny},         {"B1", &P::B1, 3, kAny},
    {"B2", &P::B2, 2, kAny},        {"B4", &P::B4, 5, kAny},         {"C0", &P::C0, 2, kAny},
    {"C6", &P::C6, 7, kAny},        {"C1", &P::C1, 2, kAny},         {"C11", &P::C11, 3, kAny},
    {"C2", &P::C2, 2, kAny},        {"C3", &P::C3, 2, kAny},         {"C4", &P::C4, 3, kAny},
    {"7", &P::P7, 3, kAny},         {"8", &P::P8, 1, kAny},          {"5", &P::P5, 3, kAny},
    {"6", &P::P6, 1, kAny},         {"K2", &P::K2, 2, kAny},         {"K4", &P::K4, 3, kAny},
    {"H4", &P::H4, 3, kAny},        {"H2", &P::H2, 4, kAny},         {"H01", &P::H01, 2, kAny},
    {"H0", &P::H0, 8, kAny},        {"H011", &P::H011, 3, kAny},     {"H1", &P::H1, 3, kAny},
    {"H3", &P::H3, 4, kAny},        {"H", &P::H, 4, kAny},           {"K0", &P::K0, 2, kAny},
    {"K1", &P::K1, 2, kAny},        {"K3", &P::K3, 7, kAny},         {"K", &P::K, 1, kAny},
    {"4", &P::P4, 2, kAny},         {"3", &P::P3, 4, kAny},          {"12", &P::P12, 2, kAny},
    {"11", &P::P11, 5, kAny},       {"C", &P::C, 1, kAny},           {"B", &P::B, 4, kAny},
    {"B3", &P::B3, 7, kAny},        {"1", &P::P1, 3, kAny},          {"2", &P::P2, 1, kAny},
    {"9", &P::P9, 2, kAny},         {"10", &P::P10, 5, kAny},
};

// The curve control points, which together with the labelled points hold
// every curve of the draft (a Bézier curve stays within its control points).
Vector WBryukiPoints::*const kControlPoints[] = {
    &P::FrontCrotchCtrl1, &P::FrontWaistCtrl2, &P::FrontWaistCtrl1, &P::FrontSideCtrl5,  &P::FrontSideCtrl4,
    &P::FrontSideCtrl3,   &P::FrontSideCtrl2,  &P::FrontSideCtrl1,  &P::FrontHemCtrl2,   &P::FrontHemCtrl1,
    &P::BackHemCtrl1,     &P::BackHemCtrl2,    &P::FrontInseamCtrl2, &P::FrontInseamCtrl1, &P::BackInseamCtrl1,
    &P::BackInseamCtrl3,  &P::BackInseamCtrl2, &P::BackSideCtrl1,   &P::BackSideCtrl2,    &P::BackSideCtrl3,
    &P::BackSideCtrl4,    &P::BackSideCtrl5,   &P::BackCrotchStart, &P::BackCrotchCtrl1,  &P::BackCrotchJoint,
    &P::BackCrotchCtrl2,  &P::FrontCrotchCtrl2, &P::BackCrotchTop,
};

// ---- Result tables. ----

// How a row measures its two points.
enum class Measure {
    Distance,  // |P Q|
    DeltaX,    // Q.x − P.x
    DeltaY,    // Q.y − P.y
    Zero,      // no length ("[ C2, C5 ]": the draft builds no C5)
};

struct SegmentRow {
    const char* text;
    TWBryukiDraft::Segment segment;
    Measure measure;
    Vector WBryukiPoints::*p;
    Vector WBryukiPoints::*q;
    Shown show;
};

using S = TWBryukiDraft;
const SegmentRow kFrontRows[] = {
    {"[ T, H ]", S::SegTH, Measure::Distance, &P::T, &P::H, kAny},
    {"[ T, C ]", S::SegTC, Measure::Distance, &P::T, &P::C, kAny},
    {"[ C, B ]", S::SegCB, Measure::Distance, &P::C, &P::B, kAny},
    {"[ B, K ]", S::SegBK, Measure::Distance, &P::B, &P::K, kAny},
    {"[ B, B1 ]", S::SegBB1, Measure::Distance, &P::B, &P::B1, kAny},
    {"[ C1, C2 ]", S::SegC1C2, Measure::Distance, &P::C1, &P::C2, kAny},
    {"[ C, C0 ]", S::SegCC0, Measure::Distance, &P::C, &P::C0, kAny},
    {"[ T1, T11 ]", S::SegT1T11, Measure::Distance, &P::T1, &P::T11, kAny},
    {"[ T11, T111 ]", S::SegT11T111, Measure::Distance, &P::T11, &P::T111, kAny},
    {"[ T11, T2 ]", S::SegT11T2, Measure::Distance, &P::T11, &P::T2, kAny},
    {"[ T2, T21 ]", S::SegT2T21, Measure::Distance, &P::T2, &P::T21, kAny},
    {"[ 1, 2 ]", S::Seg1_2, Measure::Distance, &P::P1, &P::P2, kAny},
    // Without a front dart (variant 2) b1 is not built: the row shows the
    // whole front waist from T21 to the crease line, |T21 T0| (see CalcSegments).
    {"[ T21, b1 ]", S::SegT21b1, Measure::Distance, &P::T21, &P::b1, kAny},
    {"[ b1, b2 ]", S::Segb1b2, Measure::Distance, &P::b1, &P::b2, kDart},
    {"[ b, b0 ]", S::Segbb0, Measure::Distance, &P::b, &P::b0, kDart},
    {"[ b12, b22 ]", S::Segb12b22, Measure::DeltaX, &P::b12, &P::b22, kV3},
    {"[ T0, b20 ]", S::SegT0b20, Measure::DeltaY, &P::T0, &P::b20, kV3},
    {"[ T0, b02 ]", S::SegT0b02, Measure::DeltaY, &P::b02, &P::T0, kV3},
    {"[ C1, C11 ]", S::SegC1C11, Measure::Distance, &P::C1, &P::C11, kAny},
    {"[ K1, K0 ]", S::SegK1K0, Measure::Distance, &P::K1, &P::K0, kAny},
    {"[ K0, K2 ]", S::SegK0K2, Measure::Distance, &P::K0, &P::K2, kAny},
    {"[ H1, H0 ]", S::SegH1H0, Measure::Distance, &P::H1, &P::H0, kAny},
    {"[ H0, H2 ]", S::SegH0H2, Measure::Distance, &P::H0, &P::H2, kAny},
    {"[ H0, H01 ]", S::SegH0H01, Measure::Distance, &P::H0, &P::H01, kAny},
    {"[ 3, 4 ]", S::Seg3_4, Measure::Distance, &P::P3, &P::P4, kAny},
    {"[ C2, 5 ]", S::SegC2_5, Measure::Distance, &P::C2, &P::P5, kAny},
    {"[ 5, 6 ]", S::Seg5_6, Measure::Distance, &P::P5, &P::P6, kAny},
};

const SegmentRow kBackRows[] = {
    {"[ H1, H3 ]", S::SegH1H3, Measure::Distance, &P::H1, &P::H3, kAny},
    {"[ H2, H4 ]", S::SegH2H4, Measure::Distance, &P::H2, &P::H4, kAny},
    {"[ K1, K3 ]", S::SegK1K3, Measure::Distance, &P::K1, &P::K3, kAny},
    {"[ K2, K4 ]", S::SegK2K4, Measure::Distance, &P::K2, &P::K4, kAny},
    {"[ H0, H011 ]", S::SegH0H011, Measure::Distance, &P::H0, &P::H011, kAny},
    {"[ B, B3 ]", S::SegBB3, Measure::Distance, &P::B, &P::B3, kAny},
    {"[ B3, T3 ]", S::SegB3T3, Measure::Distance, &P::B3, &P::T3, kAny},
    {"[ B3, B4 ]", S::SegB3B4, Measure::Distance, &P::B3, &P::B4, kAny},
    {"[ B4, B5 ]", S::SegB4B5, Measure::Distance, &P::B4, &P::B5, kAny},
    {"[ B5, T5 ]", S::SegB5T5, Measure::Distance, &P::B5, &P::T5, kAny},
    {"[ C6, C3 ]", S::SegC6C3, Measure::Distance, &P::C6, &P::C3, kAny},
    // C4 lies on the circle about C6 through C3: the same length.
    {"[ C6, C4 ]", S::SegC6C3, Measure::Distance, &P::C6, &P::C3, kAny},
    {"[ C4, 7 ]", S::SegC4_7, Measure::Distance, &P::C4, &P::P7, kAny},
    {"[ 7, 8 ]", S::Seg7_8, Measure::Distance, &P::P7, &P::P8, kAny},
    {"[ C2, C5 ]", S::SegC2C5, Measure::Zero, &P::C2, &P::C2, kAny},
    {"[ T5, T6 ]", S::SegT5T6, Measure::Distance, &P::T5, &P::T6, kAny},
    {"[ 9, 10 ]", S::Seg9_10, Measure::Distance, &P::P9, &P::P10, kAny},
    {"[ 11, 12 ]", S::Seg11_12, Measure::Distance, &P::P11, &P::P12, kAny},
    {"[ b3, b4 ]", S::Segb3b4, Measure::Distance, &P::b3, &P::b4, kAny},
    {"[ b4, b41 ]", S::Segb4b41, Measure::Distance, &P::b4, &P::b41, kAny},
    {"[ b5, b6 ]", S::Segb5b6, Measure::Distance, &P::b5, &P::b6, kAny},
    {"[ b7, b8 ]", S::Segb7b8, Measure::Distance, &P::b7, &P::b8, kTwoDarts},
    {"[ b8, b81 ]", S::Segb8b81, Measure::Distance, &P::b8, &P::b81, kTwoDarts},
    {"[ b9, b10 ]", S::Segb9b10, Measure::Distance, &P::b9, &P::b10, kTwoDarts},
};

// Where the comment block stands (table units): below the front table,
// whose length follows the waist variant; on paper a little lower.
constexpr int kScreenCommentX = 228;
constexpr int kScreenCommentY[4] = {0, 537, 505, 585};  // by waist variant
constexpr int kPaperCommentX = 184;
constexpr int kPaperCommentBelowScreen = 23;

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "trousers draft"); }

// The direction from `from` to `to` turned by angle(apex; from, to): the
// side of a dart mirrored in its other side, to find where the waist meets it.
Vector MirroredSide(const Vector& apex, const Vector& from, const Vector& to) {
    return Geom::Rotated(Vector::UnitBetween(from, to), Geom::Angle(apex, from, to));
}

}  // namespace

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TWBryukiDraft::TWBryukiDraft(const WBryukiKind& kind) : TLowerGarment(kind.column), kind_(kind) {}

TWBryuki::TWBryuki() : TWBryukiDraft(kKind1) {}

TWBryuki2::TWBryuki2() : TWBryukiDraft(kKind2) {}

std::vector<MeasureSlot> TWBryukiDraft::Slots() { return FieldSlots(*this, kind_.fields); }

bool TWBryukiDraft::CheckMeasures() { return WaistWithinHips(WaistHalfGirth, WaistEase, HipHalfGirth, HipEase); }

// ---------------------------------------------------------------------------
// The draft

void TWBryukiDraft::FrontWaistOneDart(float s) {
    // The dart halfway along T0 → T21, 0.4·s deep, FrontDart wide.
    const Vector d = Vector::UnitBetween(T0, T21);
    b = Vector(F(T21.x / 2.0), F(T21.y / 2.0));
    b0 = Vector(b.x, F(b.y - 0.4 * s));
    b2 = Geom::PointAlong(b, d, F(-FrontDart / 2.0));
    b1 = Geom::Mirror(b, b0, b2);
    FrontWaistCtrl2 = Vector(F(0.5 * T11.x), 0);
    FrontWaistCtrl1 = Vector(F(0.32 * b2.x), 0);
    // The dart's centre reaches as high as the waist curve meets b2's side
    // mirrored in the dart's other side.
    float t = 0.5f;
    const Vector X = Bezier2::CrossLine(b0, MirroredSide(b, b0, b2), b2, FrontWaistCtrl1, T0, t);
    b.y = F(double(b0.y) + Geom::Distance(b0, X));
}

void TWBryukiDraft::FrontWaistNoDart() {
    FrontWaistCtrl2 = Vector(F(0.5 * T11.x), 0);
    FrontWaistCtrl1 = Vector(F(0.16 * T2.x), 0);
}

void TWBryukiDraft::FrontWaistTwoDarts(float s) {
    // A 2 cm dart on the crease line, shaped like the first.
    b12 = Vector(F(T0.x - 1.0), 0);
    b22 = Vector(F(T0.x + 1.0), 0);
    b02 = Vector(T0.x, F(T0.y - 0.4 * s));
    FrontWaistCtrl2 = Vector(F((double(b22.x) + T11.x) / 2.0), 0);
    float t = 0.3f;
    Vector X = Bezier2::CrossLine(b02, MirroredSide(T0, b02, b22), b22, FrontWaistCtrl2, T111, t);
    b20 = Vector(T0.x, F(double(b02.y) + Geom::Distance(b02, X)));

    // The other dart on the line b12 → T21 takes what is left of FrontDart.
    b.x = F(T21.x / 2.0);
    b.y = F(T21.y * Checked::Div(double(b12.x) - b.x, double(b12.x) - T21.x, "front dart on the waist"));
    b0 = Vector(b.x, F(b.y - 0.4 * s));
    b2 = Geom::PointAlong(b, Vector::UnitBetween(b12, T21), F(1.0 - FrontDart / 2.0));
    b1 = Geom::Mirror(b, b0, b2);
    FrontWaistCtrl1 = Vector(F(b12.x - 0.32 * (double(b12.x) - b2.x)), 0);
    t = 0.5f;
    X = Bezier2::CrossLine(b0, MirroredSide(b, b0, b2), b2, FrontWaistCtrl1, b12, t);
    b.y = F(double(b0.y) + Geom::Distance(b0, X));
}

void TWBryukiDraft::BackOneDart(const Vector& d, const Vector& m, float s) {
    const float D = Suppression;
    b4 = Geom::PointAlong(T51, d, F(Geom::Distance(T51, T6) / 2.0));
    b3 = Geom::PointAlong(b4, m, F(s / 2.0));
    b41 = Geom::PointAlong(b4, m, F(-0.0768 * D));
    b5 = Toward(b41, T6, 0.16 * D);
    b6 = Toward(b41, T51, 0.16 * D);
    const Vector X = Geom::IntersectLines(b3, b6, MirroredSide(b4, b3, b6), Vector::UnitBetween(b6, T511));
    b41 = Geom::PointAlong(b3, m, -Geom::Distance(b3, X));
}

void TWBryukiDraft::BackTwoDarts(const Vector& d, const Vector& m, float s) {
    const float D = Suppression;
    const float third = F(Geom::Distance(T51, T6) / 3.0);
    b4 = Geom::PointAlong(T51, d, third);
    b8 = Geom::PointAlong(T6, d, -third);
    b3 = Geom::PointAlong(b4, m, F(s / 2.0));
    b41 = Geom::PointAlong(b4, m, F(-0.0384 * D));
    b7 = Geom::PointAlong(b8, m, F(s / 2.0));
    b81 = Geom::PointAlong(b8, m, F(-0.0384 * D));
    b9 = Toward(b81, T6, BackDart);
    b10 = Geom::Mirror(b8, b7, b9);
    b6 = Toward(b41, T51, BackDart);
    b5 = Geom::Mirror(b4, b3, b6);
    const Vector X1 = Geom::IntersectLines(b3, b6, MirroredSide(b4, b3, b6), Vector::UnitBetween(b6, T511));
    b41 = Geom::PointAlong(b3, m, -Geom::Distance(b3, X1));
    const Vector X2 = Geom::IntersectLines(b7, b10, MirroredSide(b8, b7, b10), Vector::UnitBetween(b10, b5));
    b81 = Geom::PointAlong(b7, m, -Geom::Distance(b7, X2));
}

void TWBryukiDraft::SeamPoints() {
    const float L = Geom::Distance(K, K1);
    // Front side seam above and below the hips.
    P1 = Toward(B, T21, Geom::Distance(B, T21) / 2.0);
    P2 = Aside(B, T21, P1, Geom::Distance(T, T2) / 4.0);
    P3 = Toward(B, K1, Geom::Distance(B, K1) / 2.0);
    P4 = Aside(B, K1, P3, 0.1 * L);
    // Front and back inseams.
    P5 = Toward(C2, K2, Geom::Distance(C2, K2) / 3.0);
    P6 = Aside(C2, K2, P5, -0.2 * L);
    P7 = Toward(C4, K4, 0.4 * Geom::Distance(C4, K4));
    P8 = Aside(C4, K4, P7, 0.2 * (double(K4.x) - C4.x));
    // Back side seam above and below the hips; straight above them unless
    // the waist ends right of T3.
    P9 = Toward(B3, T6, Geom::Distance(B3, T6) / 2.0);
    P10 = T6.x > T3.x ? Aside(B3, T6, P9, Geom::Distance(T3, T6) / 4.0) : P9;
    P11 = Toward(B3, K3, Geom::Distance(B3, K3) / 2.0);
    P12 = Aside(B3, K3, P11, 0.1 * (double(K3.x) - B3.x));
}

void TWBryukiDraft::CurvePoints() {
    // Front crotch.
    FrontCrotchCtrl1 = Geom::PointAlong(B1, Vector::UnitBetween(C1, T1), F(Geom::Distance(B1, T1) / 2.0));

    // Front side seam.
    const Vector toWaist = Vector::UnitBetween(B, T21);
    const Vector toKnee = Vector::UnitBetween(B, K1);
    const Vector up = Vector::UnitBetween(B, T);
    FrontSideCtrl5 = Geom::PointAlong(P2, toWaist, F(Geom::Distance(P1, T21) / 3.0));
    FrontSideCtrl4 = Geom::IntersectLines(B, P2, up, toWaist);
    FrontSideCtrl3 = Geom::PointAlong(B, up, F(-0.0625 * Geom::Distance(B, K)));
    FrontSideCtrl2 = Geom::PointAlong(P4, Vector::UnitBetween(K1, B), F(Geom::Distance(B, K1) / 8.0));
    FrontSideCtrl1 = Geom::IntersectLines(K1, P4, Vector::UnitBetween(H1, K1), toKnee);

    // Hems, curving 0.5 cm through the crease line.
    const Vector across = Vector::UnitBetween(H, H4);
    const float frontHem = F(Geom::Distance(H1, H2) / 6.0);
    const float backHem = F(Geom::Distance(H3, H4) / 6.0);
    FrontHemCtrl2 = Geom::PointAlong(H01, across, -frontHem);
    FrontHemCtrl1 = Geom::PointAlong(H01, across, frontHem);
    BackHemCtrl1 = Geom::PointAlong(H011, across, -backHem);
    BackHemCtrl2 = Geom::PointAlong(H011, across, backHem);

    // Inseams.
    const Vector frontInseam = Vector::UnitBetween(C2, K2);
    FrontInseamCtrl2 = Geom::IntersectLines(P6, K2, frontInseam, Vector::UnitBetween(H2, K2));
    FrontInseamCtrl1 = Geom::PointAlong(P6, frontInseam, F(-Geom::Distance(P5, C2) / 3.0));
    const Vector backInseam = Vector::UnitBetween(C4, K4);
    BackInseamCtrl1 = Geom::IntersectLines(P8, K4, backInseam, Vector::UnitBetween(H4, K4));
    BackInseamCtrl2 = Geom::PointAlong(P8, backInseam, F(0.4 * Geom::Distance(P7, K4)));
    BackInseamCtrl3 = Geom::PointAlong(P8, backInseam, F(-Geom::Distance(P7, C4) / 3.0));

    // Back side seam.
    const Vector backUp = Vector::UnitBetween(B3, T6);
    const Vector backDown = Vector::UnitBetween(B3, K3);
    const float backLeg = Geom::Distance(B3, K3);
    BackSideCtrl1 = Geom::PointAlong(P10, backUp, F(Geom::Distance(P9, T6) / 3.0));
    BackSideCtrl2 = Geom::IntersectLines(B3, P10, backDown, backUp);
    BackSideCtrl3 = Geom::PointAlong(B3, backDown, F(backLeg / 16.0));
    BackSideCtrl4 = Geom::PointAlong(P12, backDown, F(-backLeg / 8.0));
    BackSideCtrl5 = Geom::IntersectLines(K3, P12, Vector::UnitBetween(H3, K3), backDown);

    // Back crotch.
    const Vector alongC = Vector::UnitBetween(C4, C6);
    const float c4c6 = Geom::Distance(C4, C6);
    BackCrotchStart = Geom::PointAlong(C4, alongC, F(c4c6 / 3.0));
    BackCrotchCtrl1 = Geom::PointAlong(C4, alongC, F(2.0 * c4c6 / 3.0));
    BackCrotchCtrl2 = Geom::PointAlong(C6, Vector::UnitBetween(C6, B5), F(Geom::Distance(C6, B2) / 2.0));
    BackCrotchJoint = Toward(BackCrotchCtrl2, BackCrotchCtrl1, 0.58 * Geom::Distance(BackCrotchCtrl2, BackCrotchCtrl1));

    FrontCrotchCtrl2 = Vector(C1.x, F(C1.y + 0.1 * (double(B1.y) - C1.y)));
    BackCrotchTop = Toward(B5, T51, 0.72 * Geom::Distance(B4, B5));
    SeamLabelPos = Vector(F(B.x + 1.2), F(B.y - 0.6));
}

void TWBryukiDraft::ExtentBox() {
    BoxLeft = BoxRight = T0.x;
    BoxTop = BoxBottom = T0.y;
    auto take = [this](const Vector& v) {
        BoxLeft = std::min(BoxLeft, v.x);
        BoxRight = std::max(BoxRight, v.x);
        BoxTop = std::max(BoxTop, v.y);
        BoxBottom = std::min(BoxBottom, v.y);
    };
    for (const PointLabel& l : kLabels) take(this->*l.point);
    for (Vector WBryukiPoints::*c : kControlPoints) take(this->*c);
}

void TWBryukiDraft::Calculate() {
    KeepingTheLastDraft([this] { Draft(); }, static_cast<WBryukiPoints&>(*this), SeatHeight, SeatEase, Suppression,
                        FrontDart, BackDart, CrotchSeam, WaistVariant, BoxLeft, BoxRight, BoxTop, BoxBottom);
    // 37.
    calculated = true;
}

void TWBryukiDraft::Draft() {
    // A fresh set of points: nothing of an earlier draft survives.
    static_cast<WBryukiPoints&>(*this) = WBryukiPoints{};
    if (!kind_.seatMeasured) {
        SeatHeight = F(0.5 * HipHalfGirth);
        SeatEase = 0.0f;
    }
    const float s = SeatHeight, p = SeatEase;
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Pt = WaistEase;
    const double hips = double(Cb) + HipEase;  // Сб + Пб

    // 1.-3. D = Сб + Пб − Ст − Пт; the darts; the front waist variant.
    const float D = Suppression = F(hips - Ct - Pt);
    FrontDart = F(double(D) * 2.0 / 9.0);
    BackDart = F(0.08 * D);
    if (FrontDart < 1.0f) {
        WaistVariant = 2;
        FrontDart = 0.0f;
    } else {
        WaistVariant = FrontDart <= 3.0f ? 1 : 3;
    }

    // 4. The front waist line from the side T to T1.
    T = Vector(F(-0.5 * (0.6 * hips - 1.0)), 0);
    T0 = Vector(0, 0);
    T1 = Vector(F(0.5 * hips + T.x - 0.5), 0);

    // 5. The crotch line, s + p − D/8 below the waist.
    C = Vector(T.x, F(D / 8.0 - s - p));
    C0 = Vector(0, C.y);
    C1 = Vector(T1.x, C.y);
    C2 = Vector(F(C1.x + 0.1 * hips - 0.5), C.y);
    C11 = Vector(F(C1.x + (double(C2.x) - C1.x) / 3.0), C.y);

    // 6. The hip line.
    B = Vector(T.x, F(C.y + s / 3.0 + p));
    B1 = Vector(T1.x, B.y);

    // 7.-8. The back width R, turned by the angle a about B3.
    const float R = F(0.5 * hips + 0.5);
    const float a = F(Checked::Div(0.05 * (double(Cb) + s), R, "back width"));
    const float w1 = F(R * std::cos(double(a)));
    const float w2 = F(std::tan(double(a)) * (s / 3.0 + p + R * std::sin(double(a))));
    const float w3 = F(0.2 * hips);
    B3 = Vector(F(-0.5 * (double(w1) + w2 + w3)), B.y);
    B4 = Vector(F(double(B3.x) + R), B.y);
    B5 = Vector(F(double(B3.x) + w1), F(B.y + R * std::sin(double(a))));
    C6 = Vector(F(double(B5.x) + w2), C.y);
    C3 = Vector(F(double(C6.x) + w3), C.y);

    // 9. Hem and knee: the knee halfway down from the hips.
    H = Vector(T.x, -FrontLength);
    H0 = Vector(0, -FrontLength);
    K = Vector(T.x, F((double(B.y) + H.y) / 2.0));
    K0 = Vector(0, K.y);
    K2 = Vector(C11.x, K.y);
    K1 = Vector(-C11.x, K.y);
    K3 = Vector(F(K1.x - 1.0), K.y);
    K4 = Vector(F(K2.x + 1.0), K.y);
    H1 = Vector(F(K1.x + 1.0), H.y);
    H2 = Vector(F(K2.x - 1.0), H.y);
    H3 = Vector(F(H1.x - 1.0), H.y);
    H4 = Vector(F(H2.x + 1.0), H.y);

    // 10. The front waist: T2 half the waist (with ease, less 1) and the
    //     dart from T11; the side rises D/8, the centre D/28.
    T11 = Vector(F(T1.x - 0.1 * D), 0);
    T2 = Vector(F(T11.x - 0.5 * (double(Ct) + Pt - 1.0) - FrontDart), 0);
    T21 = Vector(T2.x, F(D / 8.0));
    T111 = Vector(T11.x, F(D / 28.0));

    // 11. The hem centres.
    H01 = Vector(0, F(H.y + 0.5));
    H011 = Vector(0, F(H0.y - 0.5));

    // 12.-14. The front waist by variant.
    if (WaistVariant == 1)
        FrontWaistOneDart(s);
    else if (WaistVariant == 2)
        FrontWaistNoDart();
    else
        FrontWaistTwoDarts(s);

    // 15.-17. The back waist T51 → T6: half the waist with ease plus the
    //         darts (0.32·D in all), on the line T5 → T3.
    T5 = Aside(B3, B5, B5, Geom::Distance(B1, T1));
    T3 = Geom::PointAlong(B3, Vector::UnitBetween(K3, B3), Geom::Distance(B, T21));
    const Vector d = Vector::UnitBetween(T5, T3);
    T51 = Geom::PointAlong(T5, d, F(0.05 * D));
    T6 = Geom::PointAlong(T51, d, F(0.32 * D + 0.5 * (double(Ct) + Pt + 1.0)));
    T511 = Geom::PointAlong(T51, Vector::UnitBetween(B5, T51), F(0.05 * D));
    const Vector m = Vector::UnitNormalBetween(T5, T3);  // into the back, below the waist

    // 18.-19. The back darts.
    if (TwoBackDarts())
        BackTwoDarts(d, m, s);
    else
        BackOneDart(d, m, s);

    // 20. The back centre line meets the hip line.
    B2 = Geom::IntersectLines(B5, B, Vector::UnitBetween(B5, T5), Vector(1, 0));

    // 21. The back inseam 0.98 of the front one, C4 on the circle about C6
    //     through C3.
    C4 = Geom::CircleCross(K4, C6, F(0.98 * Geom::Distance(K2, C2)), F(double(C3.x) - C6.x), 0);

    // 22.-35.
    SeamPoints();
    CurvePoints();

    // 36. The crotch seam: back from the waist to the inseam, then the front.
    float seam = Arc(BackCrotchTop, B5, B2);
    seam = F(double(seam) + Geom::Distance(T511, BackCrotchTop));
    seam = F(double(seam) + Arc(B2, BackCrotchCtrl2, BackCrotchJoint));
    seam = F(double(seam) + Arc(BackCrotchJoint, BackCrotchCtrl1, BackCrotchStart));
    seam = F(double(seam) + Geom::Distance(BackCrotchStart, C4));
    seam = F(double(seam) + Arc(T111, FrontCrotchCtrl1, B1));
    seam = F(double(seam) + Arc(B1, FrontCrotchCtrl2, C2));
    CrotchSeam = seam;

    ExtentBox();
}

void TWBryukiDraft::CalcSegments() {
    std::fill(std::begin(Segments), std::end(Segments), 0.0f);
    auto measure = [this](const SegmentRow& r) {
        const Vector& p = this->*r.p;
        const Vector& q = this->*r.q;
        switch (r.measure) {
            case Measure::Distance: return Geom::Distance(p, q);
            case Measure::DeltaX: return F(double(q.x) - p.x);
            case Measure::DeltaY: return F(double(q.y) - p.y);
            case Measure::Zero: break;
        }
        return 0.0f;
    };
    for (const SegmentRow& r : kFrontRows)
        if (IsShown(r.show, *this)) Segments[r.segment] = measure(r);
    for (const SegmentRow& r : kBackRows)
        if (IsShown(r.show, *this)) Segments[r.segment] = measure(r);
    // Without a front dart the waist runs from T21 straight to the crease line.
    if (WaistVariant == 2) Segments[SegT21b1] = Geom::Distance(T21, T0);
}

std::string TWBryukiDraft::SeamLabelText() const { return Labels::CrotchSeamText(CrotchSeam); }

// ---------------------------------------------------------------------------
// Drawing

void TWBryukiDraft::DrawPaths(TDrawContext& dc, int thick) const {
    // 2. The side waist rise.
    dc.MoveTo(T2);
    dc.SetPenWidth(1);
    dc.LineTo(T21);
    dc.SetPenWidth(thick);

    // A dart on the waist: its legs near → top → far in the outline pen,
    // the construction lines from its tip in the thin one; the pen ends at
    // `far`.
    auto dart = [&](const Vector& near, const Vector& top, const Vector& far, const Vector& tip) {
        dc.LineTo(near);
        dc.LineTo(top);
        dc.LineTo(far);
        dc.SetPenWidth(1);
        dc.LineTo(tip);
        dc.LineTo(near);
        dc.MoveTo(top);
        dc.LineTo(tip);
        dc.MoveTo(far);
        dc.SetPenWidth(thick);
    };

    // 3. The front waist by variant.
    if (WaistVariant == 1) {
        dart(b1, b, b2, b0);
        dc.Bezier2(b2, FrontWaistCtrl1, T0, 14);
        dc.Bezier2(T0, FrontWaistCtrl2, T111, 28);
    } else if (WaistVariant == 2) {
        dc.Bezier2(T21, FrontWaistCtrl1, T0, 28);
        dc.Bezier2(T0, FrontWaistCtrl2, T111, 28);
    } else {
        dart(b1, b, b2, b0);
        dc.Bezier2(b2, FrontWaistCtrl1, b12, 14);
        dart(b12, b20, b22, b02);  // on the crease line; the pen stands at b12
        dc.Bezier2(b22, FrontWaistCtrl2, T111, 28);
    }

    // 4. The waist line.
    dc.SetPenWidth(1);
    dc.LineTo(T11);
    dc.MoveTo(T1);
    dc.LineTo(T2);
    dc.LineTo(T);
    dc.MoveTo(T6);
    dc.SetPenWidth(thick);

    // 5. The back waist with its darts, from T6.
    if (TwoBackDarts()) dart(b9, b81, b10, b7);
    dart(b5, b41, b6, b3);
    dc.LineTo(T511);

    // 6.
    dc.SetPenWidth(1);
    dc.MoveTo(T5);
    dc.LineTo(T6);
    dc.SetPenWidth(thick);

    // 7. The back outline: side seam, hem, inseam, crotch.
    if (T6.x > T3.x) {
        dc.Bezier2(T6, BackSideCtrl1, P10, 20);
        dc.Bezier2(P10, BackSideCtrl2, B3, 20);
    } else {
        dc.LineTo(B3);
    }
    dc.Bezier3(B3, BackSideCtrl3, BackSideCtrl4, P12, 40);
    dc.Bezier2(P12, BackSideCtrl5, K3, 40);
    dc.LineTo(H3);
    dc.Bezier2(H3, BackHemCtrl1, H011, 20);
    dc.Bezier2(H011, BackHemCtrl2, H4, 20);
    dc.LineTo(K4);
    dc.Bezier3(K4, BackInseamCtrl1, BackInseamCtrl2, P8, 40);
    dc.Bezier2(P8, BackInseamCtrl3, C4, 20);
    dc.LineTo(BackCrotchStart);
    dc.Bezier2(BackCrotchStart, BackCrotchCtrl1, BackCrotchJoint, 15);
    dc.Bezier2(BackCrotchJoint, BackCrotchCtrl2, B2, 20);
    dc.Bezier2(B2, B5, BackCrotchTop, 10);
    dc.LineTo(T511);

    // 8. The front outline: crotch, inseam, hem, side seam.
    dc.MoveTo(T111);
    dc.Bezier2(T111, FrontCrotchCtrl1, B1, 40);
    dc.Bezier2(B1, FrontCrotchCtrl2, C2, 20);
    dc.Bezier2(C2, FrontInseamCtrl1, P6, 20);
    dc.Bezier2(P6, FrontInseamCtrl2, K2, 40);
    dc.LineTo(H2);
    dc.Bezier2(H2, FrontHemCtrl1, H01, 20);
    dc.Bezier2(H01, FrontHemCtrl2, H1, 20);
    dc.LineTo(K1);
    dc.Bezier2(K1, FrontSideCtrl1, P4, 40);
    dc.Bezier3(P4, FrontSideCtrl2, FrontSideCtrl3, B, 40);
    dc.Bezier2(B, FrontSideCtrl4, P2, 20);
    dc.Bezier2(P2, FrontSideCtrl5, T21, 20);

    // 9. Construction lines.
    dc.SetPenWidth(1);
    dc.LineTo(P1);
    dc.LineTo(P2);
    dc.MoveTo(P1);
    dc.LineTo(B);
    dc.LineTo(P3);
    dc.LineTo(P4);
    dc.MoveTo(P3);
    dc.LineTo(K1);
    dc.MoveTo(K);
    dc.LineTo(K2);
    dc.LineTo(C11);
    dc.MoveTo(C2);
    dc.LineTo(P5);
    dc.LineTo(P6);
    dc.MoveTo(P5);
    dc.LineTo(K2);
    dc.LineTo(K4);
    dc.LineTo(P7);
    dc.LineTo(P8);
    dc.MoveTo(P7);
    dc.LineTo(C4);
    dc.Arc3(C6, C4, C3, 1, kArcChords);
    dc.LineTo(C6);
    dc.LineTo(C4);
    dc.MoveTo(C1);
    dc.LineTo(T1);
    dc.MoveTo(T5);
    dc.LineTo(B5);
    dc.LineTo(B3);
    dc.LineTo(B1);
    dc.LineTo(T111);
    dc.MoveTo(B4);
    dc.Arc3(B3, B4, B5, 0, kArcChords);
    dc.MoveTo(B5);
    dc.LineTo(C6);
    dc.LineTo(C);
    dc.MoveTo(K3);
    dc.LineTo(P11);
    dc.LineTo(P12);
    dc.MoveTo(P11);
    dc.LineTo(T3);
    dc.LineTo(T6);
    if (T6.x > T3.x) {
        dc.LineTo(P9);
        dc.LineTo(P10);
        dc.MoveTo(P9);
        dc.LineTo(B3);
    }
    dc.MoveTo(T);
    dc.LineTo(H);
    dc.LineTo(H4);
    dc.MoveTo(H011);
    dc.LineTo(T0);  // the crease line
}

void TWBryukiDraft::DrawPieces(const PieceTarget& t) const {
    DrawPaths(t.dc, t.outline);
    if (t.labels) Labels::PutAll(t.dc, t.printer, *this, kLabels);
    Labels::CrotchSeam(t.dc, t.printer, SeamLabelPos, CrotchSeam);
}

namespace {

std::vector<ValueTableRow> RowsOf(const SegmentRow* rows, size_t count, const float* segments, const D& d) {
    std::vector<ValueTableRow> out;
    for (size_t i = 0; i < count; ++i)
        if (IsShown(rows[i].show, d)) out.push_back({rows[i].text, segments[rows[i].segment]});
    return out;
}

}  // namespace

std::vector<ValueTableRow> TWBryukiDraft::FrontTableRows() const {
    return RowsOf(kFrontRows, std::size(kFrontRows), Segments, *this);
}

std::vector<ValueTableRow> TWBryukiDraft::BackTableRows() const {
    return RowsOf(kBackRows, std::size(kBackRows), Segments, *this);
}

// ---------------------------------------------------------------------------
// Sheet 2 and printing: at 1:1 (one sheet) the labels are left out and the
// measurement table rides on the front leg below the knee.

TablePoint TWBryukiDraft::CommentAt(TableMedium medium) const {
    if (medium == TableMedium::Screen) return {kScreenCommentX, kScreenCommentY[WaistVariant]};
    return {kPaperCommentX, kScreenCommentY[WaistVariant] + kPaperCommentBelowScreen};
}

PatternSheets::Box TWBryukiDraft::Extent() const { return {BoxLeft, BoxRight, BoxTop, BoxBottom}; }

bool TWBryukiDraft::OneSheetTableAt(Vector& corner) const {
    // The table's top left corner 1 cm inside the front hem's side end,
    // three tenths of the way from the knee to the hem.
    corner = Vector(F(H1.x + 1.0), F(K.y + (double(H.y) - K.y) * 0.3));
    return true;
}

// ---------------------------------------------------------------------------

void RegisterWBryuki() {
    RegisterModelMaker(kWBryukiType, [] { return new TWBryuki; });
    RegisterModelMaker(kWBryuki2Type, [] { return new TWBryuki2; });
    // Ст, Сб, Дсп, Пт, Пб; TWBryuki2 adds Вс and Пвс.
    RegisterLowerBlock(kKind1.column);
    RegisterLowerBlock(kKind2.column);
}
