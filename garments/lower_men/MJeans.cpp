#include "garments/lower_men/MJeans.h"

#include <cmath>
#include <vector>

#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "shell/GarmentSheets.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"

namespace {

using M = TMJeansDraft;
using Field = TMJeansVariant::Field;

// ---- TMJeans: seven rows; П о.бед.н.к. is the seventh edit but the fifth
// value of the record. ----
const MeasureRow kJeansRows[] = {
    {"Ст:", "Полуобхват талии", "41", nullptr},
    {"Сб:", "Полуобхват бёдер", "50", nullptr},
    {"О бед.н.к.:", "Обхват бедра над коленом", "40", "5"},
    {"Дсб:", "Длина брюк сбоку", "98", nullptr},
    {"Пт:", "Прибавка к полуобхвату талии", "0", "5"},
    {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr},
    {"П о.бед.н.к.:", "Прибавка к обхвату бедра над коленом", "8", nullptr},
};
const Field kJeansEdits[] = {&M::WaistHalfGirth, &M::HipHalfGirth, &M::ThighGirth, &M::SideLength,
                             &M::WaistEase,      &M::HipEase,      &M::ThighEase};
const Field kJeansRecord[] = {&M::WaistHalfGirth, &M::HipHalfGirth, &M::ThighGirth, &M::SideLength,
                              &M::ThighEase,      &M::WaistEase,    &M::HipEase};
const TMJeansVariant::TableRow kJeansTable[] = {
    {"Ст", &M::WaistHalfGirth}, {"Сб", &M::HipHalfGirth}, {"О.бед.н.к.", &M::ThighGirth},
    {"Дсп", &M::SideLength},    {"Пт", &M::WaistEase},    {"Пб", &M::HipEase},
    {"П о.бед.н.к.", &M::ThighEase},
};
void (*const kJeansIllustrations[])() = {
    MeasureHints::LowerLine9, MeasureHints::LowerLine10, MeasureHints::LowerLine12,  MeasureHints::LowerLine13,
    MeasureHints::LowerPt3,   MeasureHints::LowerPb4,    MeasureHints::LowerPobednk,
};
const TMJeansVariant kJeans{kMJeansType,  7,           kJeansRows,          kJeansEdits,
                            kJeansRecord, kJeansTable, kJeansIllustrations, true};

// ---- TMJeans2: nine rows; edits, record and table in one order. ----
const MeasureRow kJeans2Rows[] = {
    {"Ст:", "Полуобхват талии", "41", nullptr},
    {"Сб:", "Полуобхват бёдер", "50", nullptr},
    {"Вс:", "Высота сидения", "23", "5"},
    {"О бед.н.к.:", "Обхват бедра над коленом", "40", "5"},
    {"Дсб:", "Длина брюк сбоку", "98", nullptr},
    {"Пт:", "Прибавка к полуобхвату талии", "0", "5"},
    {"Пб:", "Прибавка к полуобхвату бёдер", "0", nullptr},
    {"Пвс:", "Прибавка к высоте сидения", "0", nullptr},
    {"П о.бед.н.к.:", "Прибавка к обхвату бедра над коленом", "8", nullptr},
};
const Field kJeans2Fields[] = {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SeatHeight, &M::ThighGirth, &M::SideLength,
                               &M::WaistEase,      &M::HipEase,      &M::SeatEase,   &M::ThighEase};
const TMJeansVariant::TableRow kJeans2Table[] = {
    {"Ст", &M::WaistHalfGirth}, {"Сб", &M::HipHalfGirth}, {"Вс", &M::SeatHeight},
    {"О.бед.н.к.", &M::ThighGirth}, {"Дсп", &M::SideLength}, {"Пт", &M::WaistEase},
    {"Пб", &M::HipEase},        {"Пвс", &M::SeatEase},    {"П о.бед.н.к.", &M::ThighEase},
};
void (*const kJeans2Illustrations[])() = {
    MeasureHints::LowerLine9, MeasureHints::LowerLine10, MeasureHints::LowerLine11,
    MeasureHints::LowerLine12, MeasureHints::LowerLine13, MeasureHints::LowerPt3,
    MeasureHints::LowerPb4,   MeasureHints::LowerPvs2,   MeasureHints::LowerPobednk,
};
const TMJeansVariant kJeans2{kMJeans2Type,  9,            kJeans2Rows,          kJeans2Fields,
                             kJeans2Fields, kJeans2Table, kJeans2Illustrations, false};

// The drafting constants in which the men's jeans differ from the women's.
constexpr double kBackTilt = 0.09;     // of (Сб + S)/R, the turn of the back seat frame
constexpr double kSeamTurn = 0.88;     // α = 0.88·E/S, the dart the yoke seam takes up
constexpr double kSeamShrink = 0.033;  // the seam arcs are (1 − 0.033·α) of the yoke line
constexpr double kYokeDepth = 0.35;    // "y" lies 0.35·S below "13"

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "men's jeans draft"); }

Vector Mid(const Vector& a, const Vector& b) {
    return FloatStore::Point((double(a.x) + b.x) / 2.0, (double(a.y) + b.y) / 2.0, "men's jeans draft");
}

// origin + u·along + n·across, kept as float.
Vector Offset(const Vector& origin, const Vector& u, double along, const Vector& n, double across) {
    return FloatStore::Point(origin.x + u.x * along + n.x * across, origin.y + u.y * along + n.y * across,
                             "men's jeans draft");
}

bool DrawnAsQuadratic(double turn) { return std::fabs(turn) <= kYokeArcThreshold; }

// The side of a half below the hip, from the hip point `top` to the thigh
// point: "mid" 0.63 of the way, "bulge" a quarter of the way out to the leg
// line knee → thigh continued; the cubic's second control `before` back
// from the bulge by beforeShare of |top mid|, its first control `leave`
// leaveShare of |top mid| from top along the curve arriving at top from
// `arriving`; `after` the control of the curve on to the thigh point.
struct SideBelowHip {
    Vector mid, bulge, leave, before, after;
};
SideBelowHip DraftSideBelowHip(const Vector& top, const Vector& thigh, const Vector& knee, const Vector& arriving,
                               double beforeShare, double leaveShare) {
    SideBelowHip s;
    const Vector e = Vector::UnitBetween(top, thigh);
    const Vector n = Vector::UnitNormalBetween(top, thigh);
    s.mid = top + e * F(0.63 * Geom::Distance(top, thigh));
    const Vector X = Geom::IntersectLines(s.mid, thigh, n, Vector::UnitBetween(knee, thigh));
    s.bulge = s.mid + n * F(0.25 * Geom::Distance(s.mid, X));
    s.after = s.bulge + e * F(0.75 * Geom::Distance(s.mid, thigh));
    const float topMid = Geom::Distance(top, s.mid);
    s.before = s.bulge - e * F(beforeShare * topMid);
    s.leave = top + Vector::UnitBetween(arriving, top) * F(leaveShare * topMid);
    return s;
}

// The inseam from the thigh point to the crotch point: "mid" halfway,
// "bulge" 0.42 of the way out to the leg line knee → thigh continued, the
// control below it on that line, the one above it a third of |mid crotch|
// on.
struct Inseam {
    Vector mid, bulge, lower, upper;
};
Inseam DraftInseam(const Vector& thigh, const Vector& crotch, const Vector& knee) {
    Inseam l;
    const Vector e = Vector::UnitBetween(thigh, crotch);
    const Vector n = Vector::UnitNormalBetween(thigh, crotch);
    const Vector g = Vector::UnitBetween(knee, thigh);
    l.mid = Mid(thigh, crotch);
    const Vector X = Geom::IntersectLines(l.mid, thigh, n, g);
    l.bulge = l.mid + n * F(0.42 * Geom::Distance(l.mid, X));
    l.lower = Geom::IntersectLines(l.bulge, thigh, e, g);
    l.upper = l.bulge + e * F(Geom::Distance(l.mid, crotch) / 3.0);
    return l;
}

// The knee's rounding: the points a quarter of |knee thigh| from the knee
// towards the thigh point and towards the hem.
void DraftKnee(const Vector& knee, const Vector& thigh, const Vector& hem, Vector& up, Vector& down) {
    const float d = F(0.25 * Geom::Distance(knee, thigh));
    up = knee + Vector::UnitBetween(knee, thigh) * d;
    down = knee + Vector::UnitBetween(knee, hem) * d;
}

// One waist edge of the yoke: the end of an arc of length d0 that leaves
// "13" along dir and turns by β towards n is moved until its distance from
// `other` is `target` (to kYokeFitTolerance).  Answers β; `end` holds the
// fitted end.
float FitWaistEdge(const Vector& p13, const Vector& dir, const Vector& n, float d0, float target,
                   const Vector& other, Vector& end) {
    float beta = 0.0f;
    float delta = F(double(target) - Geom::Distance(other, end));
    for (int step = 0; std::fabs(delta) > kYokeFitTolerance; ++step) {
        if (step == TJeansYoke::kMaxFitSteps) Checked::Fail("men's yoke waist fit");
        beta = F(beta + Checked::Div(2.0 * delta, d0, "men's yoke waist fit"));
        end = Offset(p13, dir, double(d0) * Geom::SinX_X(beta), n, double(d0) * Geom::OneMinusCosX_X(beta));
        delta = F(double(target) - Geom::Distance(other, end));
    }
    return beta;
}

}  // namespace

// ---------------------------------------------------------------------------
// The segment tables

const char* const TMJeansDraft::kFrontRowTexts[kFrontRows] = {
    "[ T0, H0 ]",  "[ T0, C0 ]",   "[ C0, B0 ]",  "[ T0, K0 ]",  "[ B0, D0 ]", "[ B0, B ]",  "[ B0, B1 ]",
    "[ B1, B11 ]", "[ D0, D1 ]",   "[ D0, D2 ]",  "[ K0, K1 ]",  "[ K0, K2 ]", "[ H0, H1 ]", "[ H0, H2 ]",
    "[ H0, H01 ]", "[ T1, T11 ]",  "[ T11, T111 ]", "[ T11, T3 ]", "[ T3, T4 ]", "[ 1, 2 ]",   "[ 3, 4 ]",
    "[ C1, C2 ]",  "[ C2, 5 ]",    "[ 5, 6 ]",
};

const char* const TMJeansDraft::kBackRowTexts[kBackRows] = {
    "[ D0, D3 ]",   "[ D0, D4 ]",   "[ K0, K3 ]",  "[ K0, K4 ]",   "[ H0, H3 ]",   "[ H0, H4 ]",
    "[ H0, H011 ]", "[ B, B3 ]",    "[ B3, B4 ]",  "[ B4, B5 ]",   "[ C0, C3 ]",   "[ B5, T5 ]",
    "[ C3, C4 ]",   "[ C3, C5 ]",   "[ D4, C5 ]",  "[ 7, 8 ]",     "[ T5, T6 ]",   "[ K, T6 ]",
    "[ 9, 10 ]",    "[ 11, 12 ]",   "[ 13, y ]",   "[ T51, T52 ]", "[ y, T52 ]",   "[ T52, T53 ]",
    "[ 13, T53 ]",  "[ T61, T62 ]", "[ y, T62 ]",  "[ T62, T63 ]", "[ 13, T63 ]",
};

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TMJeansDraft::TMJeansDraft(const TMJeansVariant& variant) : variant_(variant) {
    calculated = false;
    MeasureColumn::LayOut(variant_.rows, variant_.rowCount);
    MeasureColumn::WriteOrderCaption(variant_.type);
    GarmentSheets::Show(2, true);
}

TMJeansDraft::~TMJeansDraft() {
    MeasureColumn::Hide(1, variant_.rowCount);
    GarmentSheets::Show(2, false);
}

TMJeans::TMJeans() : TMJeansDraft(kJeans) {}

TMJeans2::TMJeans2() : TMJeansDraft(kJeans2) {}

bool TMJeansDraft::GetMeasures() {
    std::vector<float*> fields;
    for (int k = 0; k < variant_.rowCount; ++k) fields.push_back(&(this->*variant_.editFields[k]));
    if (!MeasureColumn::Read(fields.data(), variant_.rowCount)) return false;
    if (MeasureColumn::Exceeds(double(WaistHalfGirth) + WaistEase, double(HipHalfGirth) + HipEase))
        return MeasureColumn::Refuse("Ст+Пт > Сб+Пб");
    return true;
}

void TMJeansDraft::ClearSheets() { GarmentSheets::Clear(2); }

void TMJeansDraft::ClearInputs(int) {
    calculated = false;
    MeasureColumn::ClearOrder(variant_.type, 1, variant_.rowCount);
}

void TMJeansDraft::ShowMeasure(int n) {
    if (n >= 1 && n <= variant_.rowCount) variant_.illustrations[n - 1]();
}

void TMJeansDraft::SaveMeasures(RecordWriter& f) {
    for (int k = 0; k < variant_.rowCount; ++k) f.WriteFloat(this->*variant_.recordFields[k]);
}

void TMJeansDraft::LoadMeasures(RecordReader& f) {
    for (int k = 0; k < variant_.rowCount; ++k) this->*variant_.recordFields[k] = f.ReadFloat();
    std::vector<float> edits;
    for (int k = 0; k < variant_.rowCount; ++k) edits.push_back(this->*variant_.editFields[k]);
    MeasureColumn::Load(edits.data(), variant_.rowCount);
}

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
    const SideBelowHip side = DraftSideBelowHip(B, D1, K1, HipLowerCtrl, 0.25, 0.25);
    P3 = side.mid;
    P4 = side.bulge;
    FrontThighCtl = side.after;
    FrontSideCtl2 = side.before;
    FrontSideCtl1 = side.leave;
    DraftKnee(K1, D1, H1, K1Up, K1Down);
    FrontHemCtl2 = Vector(F(H2.x / 3.0), H01.y);
    FrontHemCtl1 = Vector(F(-H2.x / 3.0), H01.y);
    DraftKnee(K2, D2, H2, K2Up, K2Down);

    // The crotch point and the inseam D2 → "6" → C2.
    C2 = Vector(F(C1.x + hips * 0.09), C1.y);
    const Inseam leg = DraftInseam(D2, C2, K2);
    P5 = leg.mid;
    P6 = leg.bulge;
    FrontInseamCtl1 = leg.lower;
    FrontInseamCtl2 = leg.upper;

    // The fly: the crotch curve C2 → B11 turns into the centre line
    // T111 → B11, its control 0.8 of the way from B11 to the corner.
    const Vector centre = Vector::UnitBetween(T111, B11);
    CrotchCorner = Geom::IntersectLines(C2, B11, Vector::UnitBetween(C1, C0), centre);
    CrotchCtrl = B11 + centre * F(0.8 * Geom::Distance(B11, CrotchCorner));
    DraftWaistControls();
}

void TMJeansDraft::DraftBack(float S, float p) {
    const double hips = double(HipHalfGirth) + HipEase;
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

    // The seat frame, turned up by φ about B3.
    const float R = F(hips * 0.5 + 1.0);
    const float phi = F(Checked::Div((double(HipHalfGirth) + S) * kBackTilt, R, "back seat tilt"));
    const float w1 = F(R * std::cos(double(phi)));
    const float w2 = F(std::tan(double(phi)) * (S / 3.0 + p - 1.0 + double(R) * std::sin(double(phi))));
    const float w3 = F(hips * 0.2);
    B3 = Vector(F((double(w1) + w2 + w3) * -0.5), B0.y);
    B4 = Vector(F(double(B3.x) + R), B0.y);
    B5 = Vector(F(double(B3.x) + w1), F(B0.y + double(R) * std::sin(double(phi))));
    C3 = Vector(F(double(B5.x) + w2), C0.y);
    C4 = Vector(F(double(C3.x) + w3), C0.y);

    // The back inseam as long as the front's, the back side as long as the
    // front's from the thigh level to the waist.
    C5 = Geom::CircleCross(D4, C3, Geom::Distance(D2, C2), F(double(C4.x) - C3.x), 0);
    T5 = B5 + Vector::UnitBetween(C3, B5) * Geom::Distance(B1, T1);
    T6 = Geom::CircleCross(D3, T5, Geom::Distance(D1, T4),
                           F(0.22 * E + (double(WaistHalfGirth) + WaistEase) * 0.5 + 1.0), 1);

    // The back side curve B3 → "10" → T6.
    {
        P9 = Mid(B3, T6);
        const Vector e = Vector::UnitBetween(B3, T6);
        P10 = SideOffset > 0.0f ? P9 + Vector::UnitNormalBetween(B3, T6) * F(0.2 * SideOffset) : P9;
        const double d = Geom::Distance(B3, T6);
        SideUpperCtrl = P10 + e * F(d / 6.0);
        SideLowerCtrl = P10 - e * F(0.25 * d);
    }

    // The yoke line through "y", along the hip line.
    P13 = Mid(T6, T5);
    Y = P13 + Vector::UnitNormalBetween(T5, T6) * F(kYokeDepth * S);
    const Vector along = Vector::UnitBetween(B0, B3);
    T51 = Geom::IntersectLines(Y, B5, along, Vector::UnitBetween(B5, T5));
    YokeT = 0.5f;
    if (HighYoke())
        T61 = Bezier2::CrossLine(Y, along, P10, SideUpperCtrl, T6, YokeT);
    else
        T61 = Bezier2::CrossLine(Y, along, P10, SideLowerCtrl, B3, YokeT);

    // The seam: two arcs of lengths L1, L2 from "y" that together turn by
    // the dart angle α, shared in proportion to the other arc's length.
    const float alpha = F(Checked::Div(kSeamTurn * E, S, "yoke seam turn"));
    const double shrink = 1.0 - kSeamShrink * alpha;
    const float L1 = F(shrink * Geom::Distance(Y, T51));
    const float L2 = F(shrink * Geom::Distance(Y, T61));
    const float a1 = F(Checked::Div(double(alpha) * L2, double(L1) + L2, "yoke seam turn"));
    const float a2 = F(double(alpha) - a1);
    {
        const Vector e = Vector::UnitBetween(Y, T51);
        const Vector n = Vector::UnitNormalBetween(Y, T51);
        T52 = Offset(Y, e, double(L1) * Geom::SinX_X(a1), n, double(L1) * Geom::OneMinusCosX_X(a1));
        T62 = Offset(Y, e, -double(L2) * Geom::SinX_X(a2), n, double(L2) * Geom::OneMinusCosX_X(a2));
    }
    if (DrawnAsQuadratic(alpha)) {
        SeamMode = kYokeQuadratic;
        SeamCtrl51 = Vector(F(Y.x + Geom::Distance(Y, T52) / (2.0 * std::cos(a1 / 2.0))), Y.y);
        SeamCtrl61 = Vector(F(Y.x - Geom::Distance(Y, T62) / (2.0 * std::cos(a2 / 2.0))), Y.y);
    } else {
        SeamMode = kYokeArcs;
        SeamCentre51 = Vector(Y.x, F(Y.y + Checked::Div(L1, a1, "yoke seam arc")));
        SeamCentre61 = Vector(Y.x, F(Y.y + Checked::Div(L2, a2, "yoke seam arc")));
    }

    // The waist edges: T53, T63 first 0.11·E in from T5, T6, then turned
    // until the centre edge T52–T53 is as long as T51–T5 and the side edge
    // T62–T63 as long as T61–T6.
    const Vector e = Vector::UnitBetween(P13, T5);
    const Vector n = Vector::UnitNormalBetween(P13, T5);
    T53 = T5 - e * F(0.11 * E);
    T63 = T6 + e * F(0.11 * E);
    const Vector back = e * -1.0f;
    {
        const float d0 = Geom::Distance(P13, T53);
        TurnT53 = FitWaistEdge(P13, e, n, d0, Geom::Distance(T51, T5), T52, T53);
        if (DrawnAsQuadratic(TurnT53)) {
            TopModeT53 = kYokeQuadratic;
            TopCtrl53 = P13 + e * F(Geom::Distance(P13, T53) / (2.0 * std::cos(TurnT53 / 2.0)));
        } else {
            TopModeT53 = kYokeArcs;
            TopCentre53 = P13 + n * F(Checked::Div(d0, TurnT53, "yoke waist arc"));
        }
    }
    {
        const float d0 = Geom::Distance(P13, T63);
        TurnT63 = FitWaistEdge(P13, back, n, d0, Geom::Distance(T61, T6), T62, T63);
        if (DrawnAsQuadratic(TurnT63)) {
            TopModeT63 = kYokeQuadratic;
            TopCtrl63 = P13 + back * F(Geom::Distance(P13, T63) / (2.0 * std::cos(TurnT63 / 2.0)));
        } else {
            TopModeT63 = kYokeArcs;
            TopCentre63 = P13 + n * F(Checked::Div(d0, TurnT63, "yoke waist arc"));
        }
    }

    // The yoke's side edge: the side curve above the yoke line, turned and
    // stretched from T61 → T6 onto T62 → T63.
    const Matrix2 map = Matrix2::MapSegment(T61, T6, T62, T63);
    auto image = [&](const Vector& q) { return T62 + Matrix2::Apply(map, q - T61); };
    EdgeUpperCtrl = image(SideUpperCtrl);
    EdgeP10 = image(P10);
    if (Y.y <= P10.y) {
        EdgeLowerCtrl = image(SideLowerCtrl);
        EdgeB3 = image(B3);
    }

    // The back side below the hip, B3 → "12" → D3.
    const SideBelowHip side = DraftSideBelowHip(B3, D3, K3, SideLowerCtrl, 1.0 / 3.0, 0.3);
    P11 = side.mid;
    P12 = side.bulge;
    BackSideCtl2 = side.before;
    BackThighCtl = side.after;
    BackSideCtl1 = side.leave;

    // The back knees and hem.
    DraftKnee(K3, D3, H3, K3Up, K3Down);
    BackHemCtl2 = Vector(F(H4.x / 3.0), H011.y);
    BackHemCtl1 = Vector(F(-H4.x / 3.0), H011.y);
    DraftKnee(K4, D4, H4, K4Up, K4Down);

    // The back inseam D4 → "8" → C5.
    const Inseam leg = DraftInseam(D4, C5, K4);
    P7 = leg.mid;
    P8 = leg.bulge;
    BackInseamCtl1 = leg.lower;
    BackInseamCtl2 = leg.upper;

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
    float* f = FrontSegments;
    f[0] = SideLength;
    f[1] = -C0.y;
    f[2] = F(double(B0.y) - C0.y);
    f[3] = -K0.y;
    f[4] = F(double(B0.y) - D0.y);
    f[5] = -B.x;
    f[6] = B1.x;
    f[7] = F(double(B11.x) - B1.x);
    f[8] = -D1.x;
    f[9] = D2.x;
    f[10] = -K1.x;
    f[11] = K2.x;
    f[12] = -H1.x;
    f[13] = H2.x;
    f[14] = 0.5f;  // H01 lies 0.5 above H0
    f[15] = F(double(T1.x) - T11.x);
    f[16] = T111.y;
    f[17] = F(double(T11.x) - T3.x);
    f[18] = T4.y;
    f[19] = Geom::Distance(P1, P2);
    f[20] = Geom::Distance(P3, P4);
    f[21] = F(double(C2.x) - C1.x);
    f[22] = Geom::Distance(C2, P5);
    f[23] = Geom::Distance(P5, P6);

    float* b = BackSegments;
    b[0] = -D3.x;
    b[1] = D4.x;
    b[2] = -K3.x;
    b[3] = K4.x;
    b[4] = -H3.x;
    b[5] = H4.x;
    b[6] = 0.5f;  // H011 lies 0.5 below H0
    SeatSegments(B, b + 7);  // "[ B, B3 ]" .. "[ C3, C4 ]"
    b[13] = Geom::Distance(C3, C5);
    b[14] = Geom::Distance(D4, C5);
    b[15] = Geom::Distance(P7, P8);
    b[16] = Geom::Distance(T5, T6);
    b[17] = Geom::Distance(K, T6);
    b[18] = Geom::Distance(P9, P10);
    b[19] = Geom::Distance(P11, P12);
    const Vector* const yoke[][2] = {{&P13, &Y},  {&T51, &T52}, {&Y, &T52},   {&T52, &T53}, {&P13, &T53},
                                     {&T61, &T62}, {&Y, &T62},  {&T62, &T63}, {&P13, &T63}};
    for (int k = 0; k < 9; ++k) b[20 + k] = Geom::Distance(*yoke[k][0], *yoke[k][1]);
}

// ---------------------------------------------------------------------------
// Drawing (the sheets, tables and print come with the shared lower-body
// garment base)

void TMJeansDraft::Draw() {}

void TMJeansDraft::DrawTables(int) {}

void TMJeansDraft::Print() {}

// ---------------------------------------------------------------------------
// Registration

void RegisterMJeans() {
    RegisterModelMaker(kMJeansType, [] { return new TMJeans; });
    RegisterModelMaker(kMJeans2Type, [] { return new TMJeans2; });
    // Seven floats: Ст, Сб, О бед.н.к., Дсб, П о.бед.н.к., Пт, Пб.
    RegisterOrderBlockSize(kMJeansType, [](int, int, int) { return 28; });
    // Nine floats: Ст, Сб, Вс, О бед.н.к., Дсб, Пт, Пб, Пвс, П о.бед.н.к.
    RegisterOrderBlockSize(kMJeans2Type, [](int, int, int) { return 36; });
}
