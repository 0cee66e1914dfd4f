#include "garments/lower_women/YubkaBruyki.h"

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
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "platform/Printer.h"
#include "shell/Factory.h"
#include "shell/GarmentSheets.h"
#include "shell/MeasureColumn.h"

using DraftSteps::Mid;

using Y = TYubka_Bruyki;

namespace {

using namespace MeasureHints;

// Sheets 1 and 2 carry the halves, sheet 3 the tables and the comment.
const GarmentColumn kColumn{kYubkaBruykiType,
                            {{"Ст:", "Полуобхват талии", "38", nullptr, kBody, LowerLine1},
                             {"Сб:", "Полуобхват бёдер", "53", nullptr, kBody, LowerLine2},
                             {"Дю:", "Длина юбки", "75", nullptr, kBody, LowerDlinayubki},
                             {"Пвс:", "Прибавка к высоте сиденья", "1", nullptr, kFree, LowerPvs4},
                             {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt1},
                             {"Пб:", "Прибавка по бёдрам", "2", nullptr, kFree, LowerPb2}},
                            {},
                            533,
                            549,
                            3};

constexpr int kArcChords = 10;

constexpr int kTablesSheet = 3;
const char* const kHalfTitles[2] = {"Передняя половинка", "Задняя половинка"};
// Where a half's title stands: on the sheet below its header, on the first
// printed page of the half below the header and the scale line.
constexpr int kScreenHalfTitleAt[2] = {24, 24};
constexpr int kPaperHalfTitleAt[2] = {24, 42};

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "skirt-trousers draft"); }

// ---- The drawn paths, as data. ----
using Pt = Vector Y::*;

struct PathStep {
    enum Kind { Thick, Thin, Move, Line, Curve, Arc } kind;
    // Move, Line: a.  Curve: a, b (control), c, chords.  Arc: about a from
    // b to c.
    Pt a = nullptr, b = nullptr, c = nullptr;
    int chords = 0;
};

constexpr PathStep kThick{PathStep::Thick};
constexpr PathStep kThin{PathStep::Thin};
constexpr PathStep M(Pt p) { return {PathStep::Move, p}; }
constexpr PathStep L(Pt p) { return {PathStep::Line, p}; }
constexpr PathStep Q(Pt p0, Pt p1, Pt p2, int chords) { return {PathStep::Curve, p0, p1, p2, chords}; }
constexpr PathStep A(Pt centre, Pt from, Pt to) { return {PathStep::Arc, centre, from, to, kArcChords}; }

const PathStep kFrontPath[] = {
    // The outline: waist, dart, side, flared hem, inseam, crotch, centre.
    kThick, Q(&Y::T5, &Y::FrontWaistCtrl1, &Y::b1, 10), L(&Y::b01), L(&Y::b2),
    Q(&Y::b2, &Y::FrontWaistCtrl2, &Y::T4, 15), Q(&Y::T4, &Y::FrontSideCtrl, &Y::B2, 20), L(&Y::H3),
    A(&Y::B2, &Y::H3, &Y::H1), L(&Y::H), A(&Y::B, &Y::H, &Y::H2), L(&Y::H4), L(&Y::C2),
    Q(&Y::C2, &Y::FrontCrotchCtrl1, &Y::P1, 20), Q(&Y::P1, &Y::FrontCrotchCtrl2, &Y::B, 20), L(&Y::T5),
    // Construction lines.
    kThin, L(&Y::T1), L(&Y::T2), L(&Y::b2), L(&Y::b01), L(&Y::b1), L(&Y::b), L(&Y::b2), L(&Y::T5),
    M(&Y::B), L(&Y::C1), L(&Y::P1), M(&Y::C1), L(&Y::C2), M(&Y::FrontSeatInner), L(&Y::FrontSeatSide),
    M(&Y::B2), L(&Y::T3), M(&Y::T4), L(&Y::B2), L(&Y::B3), M(&Y::b01), L(&Y::B3), L(&Y::B), L(&Y::B1),
    M(&Y::T1), L(&Y::H1), M(&Y::H3), L(&Y::FrontSideAtHem), L(&Y::H1), M(&Y::H), L(&Y::FrontInseamAtHem),
    L(&Y::H4), M(&Y::FrontCentreAtHem), L(&Y::C1), M(&Y::H), L(&Y::T), L(&Y::T5),
};

const PathStep kBackPath[] = {
    // The outline: waist, dart, centre, crotch, inseam, flared hem, side.
    kThick, Q(&Y::T41, &Y::BackWaistCtrl1, &Y::b4, 15), L(&Y::b61), L(&Y::b5),
    Q(&Y::b5, &Y::BackWaistCtrl2, &Y::T6, 15), L(&Y::B5), Q(&Y::B5, &Y::BackCrotchCtrl2, &Y::P2, 20),
    Q(&Y::P2, &Y::BackCrotchCtrl1, &Y::C5, 20), L(&Y::H8), L(&Y::H7), A(&Y::B5, &Y::H7, &Y::H5), L(&Y::H1),
    A(&Y::B2, &Y::H1, &Y::H6), L(&Y::B2), Q(&Y::B2, &Y::BackSideCtrl, &Y::T41, 20),
    // Construction lines.
    kThin, L(&Y::B2), L(&Y::T31), M(&Y::T2), L(&Y::B2), L(&Y::B5), L(&Y::T7), L(&Y::T1), M(&Y::T2), L(&Y::T6),
    M(&Y::b5), L(&Y::b61), L(&Y::b4), L(&Y::b3), L(&Y::b5), M(&Y::b61), L(&Y::B6), M(&Y::B5), L(&Y::C4),
    L(&Y::P2), M(&Y::C4), L(&Y::C5), M(&Y::BackSeatInner), L(&Y::C3), L(&Y::B2), M(&Y::B1), L(&Y::B4),
    M(&Y::B5), L(&Y::H5), L(&Y::BackInseamAtHem), L(&Y::H8), M(&Y::BackCentreAtHem), L(&Y::C4), M(&Y::C3),
    L(&Y::H1), L(&Y::BackSideAtHem), L(&Y::H6),
};

// ---- Point labels, in drawing order. ----
using PointLabel = Labels::Row<Y>;

const PointLabel kFrontLabels[] = {
    {"T5", &Y::T5, 2},  {"T", &Y::T, 4},    {"B", &Y::B, 1},     {"C", &Y::C, 3},      {"C1", &Y::C1, 7},
    {"1", &Y::P1, 1},   {"C2", &Y::C2, 6},  {"H4", &Y::H4, 8},   {"H2", &Y::H2, 2},    {"H", &Y::H, 3},
    {"H1", &Y::H1, 3},  {"H3", &Y::H3, 2},  {"C3", &Y::C3, 7},   {"B1", &Y::B1, 7},    {"B2", &Y::B2, 2},
    {"B3", &Y::B3, 8},  {"b", &Y::b, 4},    {"b0", &Y::b0, 3},   {"b1", &Y::b1, 8},    {"b01", &Y::b01, 1},
    {"b2", &Y::b2, 2},  {"T4", &Y::T4, 8},  {"T3", &Y::T3, 1},   {"T2", &Y::T2, 2},    {"T1", &Y::T1, 3},
};

const PointLabel kBackLabels[] = {
    {"T2", &Y::T2, 8},  {"T1", &Y::T1, 7},  {"B2", &Y::B2, 8},   {"B1", &Y::B1, 3},    {"C3", &Y::C3, 3},
    {"H6", &Y::H6, 8},  {"H1", &Y::H1, 3},  {"H5", &Y::H5, 5},   {"H7", &Y::H7, 2},    {"H8", &Y::H8, 2},
    {"C5", &Y::C5, 2},  {"2", &Y::P2, 2},   {"C4", &Y::C4, 3},   {"B4", &Y::B4, 7},    {"B5", &Y::B5, 2},
    {"T7", &Y::T7, 3},  {"T6", &Y::T6, 2},  {"b5", &Y::b5, 2},   {"b61", &Y::b61, 1},  {"b6", &Y::b6, 3},
    {"b3", &Y::b3, 3},  {"B6", &Y::B6, 2},  {"b4", &Y::b4, 6},   {"T41", &Y::T41, 2},  {"T31", &Y::T31, 1},
};

// The front's or the back's table of steps or labels, and its length.
template <typename Item, size_t N, size_t K>
const Item* OfHalf(Y::Half half, const Item (&front)[N], const Item (&back)[K], size_t& count) {
    count = half == Y::Front ? N : K;
    return half == Y::Front ? front : back;
}

const PathStep* PathOf(Y::Half half, size_t& count) { return OfHalf(half, kFrontPath, kBackPath, count); }

const PointLabel* LabelsOf(Y::Half half, size_t& count) { return OfHalf(half, kFrontLabels, kBackLabels, count); }

// ---- Tables. ----
struct ResultRow {
    const char* text;
    Y::Segment segment;
};

// Rows of equal lengths by construction show the one stored value.
const ResultRow kFrontRows[] = {
    {"[ T, H ]", Y::SegTH},     {"[ T, C ]", Y::SegTC},     {"[ C, B ]", Y::SegCB},
    {"[ B, B1 ]", Y::SegBB1},   {"[ B1, B2 ]", Y::SegB1B2}, {"[ H1, H3 ]", Y::SegH1H3},
    {"[ H, H2 ]", Y::SegH1H3},  {"[ B2, H1 ]", Y::SegB2H1}, {"[ B2, H3 ]", Y::SegB2H1},
    {"[ B, H ]", Y::SegBH},     {"[ B, H2 ]", Y::SegBH},    {"[ T, T5 ]", Y::SegTT5},
    {"[ B2, T2 ]", Y::SegB2T2}, {"[ T2, T4 ]", Y::SegT2T4}, {"[ T4, T5 ]", Y::SegT4T5},
    {"[ B, B3 ]", Y::SegBB3},   {"[ b1, b2 ]", Y::Segb1b2}, {"[ b0, b ]", Y::Segb0b},
    {"[ C1, C2 ]", Y::SegH2H4}, {"[ H2, H4 ]", Y::SegH2H4}, {"[ C1, 1 ]", Y::SegC1P1},
};

const ResultRow kBackRows[] = {
    {"[ B1, B4 ]", Y::SegB1B4}, {"[ B4, B5 ]", Y::SegB4B5}, {"[ H1, H6 ]", Y::SegH1H3},
    {"[ B2, H1 ]", Y::SegB2H1}, {"[ B2, H6 ]", Y::SegB2H1}, {"[ H5, H7 ]", Y::SegH1H3},
    {"[ B5, H5 ]", Y::SegB5H5}, {"[ B5, H7 ]", Y::SegB5H5}, {"[ C4, C5 ]", Y::SegH7H8},
    {"[ H7, H8 ]", Y::SegH7H8}, {"[ C4, 2 ]", Y::SegC4P2},  {"[ T2, T41 ]", Y::SegT2T41},
    {"[ T6, T41 ]", Y::SegT6T41}, {"[ B5, B6 ]", Y::SegB5B6}, {"[ B6, b3 ]", Y::SegB6b3},
    {"[ b4, b5 ]", Y::SegBackDart},
};

// The printed titles of the half tables stand at 24 and 30.  On the screen
// the left rule of the front table stops at the last horizontal rule and
// only the inner and right ones run one unit further.
ValueTableLayout FrontTable(TableMedium medium) {
    ValueTableLayout layout = FrontHalfTableLayout(medium, 24);
    if (medium == TableMedium::Screen) {
        layout.ruleOvershoot = 0;
        layout.rightRulesExtra = 1;
    }
    return layout;
}
ValueTableLayout BackTable(TableMedium medium) { return BackHalfTableLayout(medium, 30); }

std::vector<ValueTableRow> RowsOf(const Y& y, const ResultRow* rows, size_t count) {
    std::vector<ValueTableRow> out;
    for (size_t i = 0; i < count; ++i) out.push_back({rows[i].text, y.TableValue(rows[i].segment)});
    return out;
}

}  // namespace

void RegisterYubkaBruyki() {
    RegisterModelMaker(kYubkaBruykiType, [] { return new TYubka_Bruyki; });
    // Six floats: Ст, Сб, Дю, Пвс, Пт, Пб.
    RegisterLowerBlock(kColumn);
}

// ---------------------------------------------------------------------------
// Life cycle and the measurement column

TYubka_Bruyki::TYubka_Bruyki() : TLowerGarment(kColumn) {}

std::vector<MeasureSlot> TYubka_Bruyki::Slots() {
    return {WaistHalfGirth, HipHalfGirth, SkirtLength, SeatEase, WaistEase, HipEase};
}

// Only missing or unreadable measurements are refused: any six numbers make
// a draft (a degenerate one fails Calculate instead).
bool TYubka_Bruyki::CheckMeasures() { return true; }

// ---------------------------------------------------------------------------
// The draft

void TYubka_Bruyki::Calculate() {
    const float Ct = WaistHalfGirth, Cb = HipHalfGirth, Du = SkirtLength, Pvs = SeatEase;
    const float Pt = WaistEase, Pb = HipEase;
    const Vector h(1, 0);   // the horizontal
    const Vector up(0, 1);  // the vertical

    // 1. E = Сб + Пб − Ст − Пт; S = Сб + Пб.
    const float E = Suppression = F(double(Cb) + Pb - Ct - Pt);
    const float S = F(double(Cb) + Pb);

    // 2. The front frame: waist, seat, hip and hem levels.
    T1 = Vector(0, 0);
    T = Vector(F(-S / 2.0), 0);
    H1 = Vector(0, -Du);
    H = Vector(T.x, -Du);
    C = Vector(T.x, F(-Cb / 2.0 - Pvs));
    C3 = Vector(0, C.y);
    B = Vector(T.x, F(-(double(Cb) + 2.0 * Pvs) / 3.0));
    B1 = Vector(0, B.y);
    B2 = Vector(0, F(B1.y + E / 7.0));
    B3 = Vector(F(-S / 4.0), F(B.y + E / 14.0));
    T5 = Vector(F(T.x + 1.0), 0);

    // 3. The front side line rises square to the hip line B → B2.
    const Vector n = Vector::UnitNormalBetween(B, B2);
    T3 = B2 + n * Geom::Distance(B, T5);
    FrontSideCtrl = B2 + n * F(Geom::Distance(B2, T3) / 3.0);

    // 4. The waist line T5 → T3; T2 over the side line, T4 a quarter of E
    //    back from it.
    const Vector u = Vector::UnitBetween(T5, T3);
    T2 = Geom::IntersectLines(T5, B1, u, up);
    T4 = T2 - u * F(E / 4.0);

    // 5. The front dart, E/6 wide, 10 cm deep, square to the hip line.
    b0 = Geom::IntersectLines(B3, T5, n, u);
    b1 = b0 - u * F(E / 12.0);
    b2 = b0 + u * F(E / 12.0);
    b = b0 - n * 10.0f;
    b01 = b0 + n * F(Geom::Distance(b1, b2) / 8.0);

    // 6. The side flare: B2 → H1 swung square to the hip line.
    H3 = B2 - n * Geom::Distance(B2, H1);
    FrontSideAtHem = Geom::IntersectLines(H1, H3, h, n);

    // 7.
    FrontWaistCtrl1 = T5 + h * F(Geom::Distance(T5, b1) / 3.0);

    // 8. The centre flare by as much as the side one; the crotch extension
    //    S·0.2 square to the swung centre line B → H2.
    H2 = Geom::CircleCross(H, B, Geom::Distance(H1, H3), Geom::Distance(B, H), 1);
    const Vector m = Vector::UnitNormalBetween(H2, B);
    const Vector w = Vector::UnitBetween(B, H2);
    FrontCentreAtHem = Geom::IntersectLines(H, B, h, w);
    C1 = Geom::IntersectLines(C, B, h, w);
    const float frontCrotch = F(S * 0.2);
    H4 = H2 + m * frontCrotch;
    C2 = C1 + m * frontCrotch;

    // 9.
    FrontWaistCtrl2 = T4 + Vector::UnitNormalBetween(FrontSideCtrl, T4) * F(Geom::Distance(b2, T4) / 2.0);

    // 10. The front crotch curve about C1: K = √(2/9), so that point 1 lies
    //     a third of |C1 B| from C1.
    CrotchFactor = F(std::sqrt(0.2222222222222222));
    const float K = CrotchFactor;
    {
        const float rK = F(double(Geom::Distance(C1, B)) * K);
        FrontCrotchCtrl1 = C1 + Vector::UnitNormalBetween(C1, B) * rK;
        FrontCrotchCtrl2 = C1 - w * rK;
        P1 = Mid(FrontCrotchCtrl1, FrontCrotchCtrl2);
    }

    // 11. The hem and seat lines of the front's construction.
    FrontInseamAtHem = Geom::IntersectLines(H4, FrontCentreAtHem, w, h);
    FrontSeatInner = Geom::IntersectLines(C2, C1, w, h);
    FrontSeatSide = Geom::IntersectLines(B2, C3, Vector::UnitBetween(B2, H3), h);

    // 12. The back frame; the back hip point B5 stands 1 cm above the hip line.
    T7 = Vector(F(S / 2.0), 0);
    B4 = Vector(T7.x, B1.y);
    B5 = Vector(B4.x, F(B4.y + 1.0));
    H5 = Vector(T7.x, H1.y);
    B6 = Mid(B2, B5);

    // 13. The back's side and centre flares, as wide as the front's.
    const float flare = Geom::Distance(H1, H3);
    H6 = Geom::CircleCross(H1, B2, flare, Geom::Distance(B2, H1), 1);
    H7 = Geom::CircleCross(H5, B5, flare, Geom::Distance(B5, H5), 0);

    // 14. The back centre rises from B5 away from H7.
    T6 = B5 + Vector::UnitBetween(H7, B5) * Geom::Distance(B4, T7);

    // 15. The back waist T2 → T6; the back side line from B2 away from H6.
    const Vector a = Vector::UnitBetween(H6, B2);
    const Vector v = Vector::UnitBetween(T2, T6);
    T31 = Geom::IntersectLines(T2, B2, v, a);
    T41 = T2 + v * F(E / 4.0);

    // 16. The back dart, 5 cm above the hip line at B6; its opening W makes
    //     the two waists Ст + Пт together.
    const Vector c = Vector::UnitNormalBetween(B2, B5);
    b3 = B6 + c * 5.0f;
    b6 = Geom::IntersectLines(B6, T2, c, v);
    BackDartOpening = F(double(Geom::Distance(T41, T6)) + (double(Geom::Distance(T4, T5)) - E / 6.0) - Ct - Pt);
    const float W = BackDartOpening;
    b4 = b6 - v * F(W / 2.0);
    b5 = b6 + v * F(W / 2.0);
    b61 = b6 + c * F(W / 8.0);

    // 17.
    BackSideCtrl = B2 + a * F(Geom::Distance(B2, T31) / 3.0);

    // 18. The back crotch extension S·0.2 + 2 square to the centre line B5 → H7.
    const Vector g = Vector::UnitBetween(B5, H7);
    const Vector q = Vector::UnitNormalBetween(B5, H7);
    C4 = Geom::IntersectLines(C3, B5, h, g);
    const float backCrotch = F(S * 0.2 + 2.0);
    C5 = C4 + q * backCrotch;
    H8 = H7 + q * backCrotch;
    {
        const float rK = F(double(Geom::Distance(C4, C5)) * K);
        BackCrotchCtrl1 = C4 + q * rK;
        BackCrotchCtrl2 = C4 - g * rK;
        P2 = Mid(BackCrotchCtrl1, BackCrotchCtrl2);
    }

    // 19. The back waist curves on either side of the dart.
    BackWaistCtrl1 = T41 + Vector::UnitNormalBetween(T41, BackSideCtrl) * F(Geom::Distance(T41, b4) / 2.0);
    BackWaistCtrl2 = T6 + Vector::UnitNormalBetween(B5, T6) * F(Geom::Distance(T6, b5) / 2.0);

    // 20. The hem and seat lines of the back's construction.
    BackSideAtHem = Geom::IntersectLines(H6, H1, Vector::UnitBetween(B2, H6), h);
    BackCentreAtHem = Geom::IntersectLines(H5, H7, h, g);
    BackInseamAtHem = Geom::IntersectLines(H5, H8, h, g);
    BackSeatInner = Geom::IntersectLines(C4, C5, h, g);

    // 21.
    calculated = true;
}

void TYubka_Bruyki::CalcSegments() {
    struct Pair {
        Segment s;
        Pt p, q;
    };
    static const Pair kPairs[kSegments] = {
        {SegTH, &Y::T, &Y::H},         {SegTC, &Y::T, &Y::C},         {SegCB, &Y::C, &Y::B},
        {SegBB1, &Y::B, &Y::B1},       {SegB1B2, &Y::B1, &Y::B2},     {SegH1H3, &Y::H1, &Y::H3},
        {SegB2H1, &Y::B2, &Y::H1},     {SegBH, &Y::B, &Y::H},         {SegTT5, &Y::T, &Y::T5},
        {SegB2T2, &Y::B2, &Y::T2},     {SegT2T4, &Y::T2, &Y::T4},     {SegT4T5, &Y::T4, &Y::T5},
        {SegBB3, &Y::B, &Y::B3},       {Segb1b2, &Y::b1, &Y::b2},     {Segb0b, &Y::b0, &Y::b},
        {SegH2H4, &Y::H2, &Y::H4},     {SegC1P1, &Y::C1, &Y::P1},     {SegB1B4, &Y::B1, &Y::B4},
        {SegB4B5, &Y::B4, &Y::B5},     {SegB5H5, &Y::B5, &Y::H5},     {SegH7H8, &Y::H7, &Y::H8},
        {SegC4P2, &Y::C4, &Y::P2},     {SegT2T41, &Y::T2, &Y::T41},   {SegT6T41, &Y::T6, &Y::T41},
        {SegB5B6, &Y::B5, &Y::B6},     {SegB6b3, &Y::B6, &Y::b3},
    };
    for (const Pair& p : kPairs) Segments[p.s] = Geom::Distance(this->*p.p, this->*p.q);
}

// ---------------------------------------------------------------------------
// Drawing

void TYubka_Bruyki::DrawPaths(TDrawContext& dc, int thick, Half half) const {
    size_t count = 0;
    const PathStep* steps = PathOf(half, count);
    for (size_t i = 0; i < count; ++i) {
        const PathStep& s = steps[i];
        switch (s.kind) {
            case PathStep::Thick: dc.SetPenWidth(thick); break;
            case PathStep::Thin: dc.SetPenWidth(1); break;
            case PathStep::Move: dc.MoveTo(this->*s.a); break;
            case PathStep::Line: dc.LineTo(this->*s.a); break;
            case PathStep::Curve: dc.Bezier2(this->*s.a, this->*s.b, this->*s.c, s.chords); break;
            // Arc3 starts at its third point and turns clockwise to its second.
            case PathStep::Arc: dc.Arc3(this->*s.a, this->*s.c, this->*s.b, 0, s.chords); break;
        }
    }
}

void TYubka_Bruyki::DrawPieces(const PieceTarget& t) const {
    const Half half = t.sheet == 1 ? Front : Back;
    DrawPaths(t.dc, t.outline, half);
    size_t count = 0;
    const PointLabel* labels = LabelsOf(half, count);
    if (t.labels) Labels::PutAll(t.dc, t.printer, *this, labels, count);
}

TYubka_Bruyki::PieceBox TYubka_Bruyki::PrintBox(Half half) const {
    size_t count = 0;
    const PathStep* steps = PathOf(half, count);
    PieceBox box;
    bool first = true;
    auto take = [&](Pt pt) {
        if (!pt) return;
        const Vector& p = this->*pt;
        if (first) {
            box = {p.x, p.x, p.y, p.y};
            first = false;
            return;
        }
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.top = std::max(box.top, p.y);
        box.bottom = std::min(box.bottom, p.y);
    };
    for (size_t i = 0; i < count; ++i) {
        take(steps[i].a);
        take(steps[i].b);
        take(steps[i].c);
    }
    return box;
}

void TYubka_Bruyki::Draw() {
    if (!calculated) return;
    for (Half half : {Front, Back}) {
        const int n = half == Front ? 1 : 2;
        if (!GarmentSheets::Attach(n)) return;
        ScreenDC.SetIntOffset(0, 0);
        // The half in the middle of the sheet across, the waist 10 cm below
        // its top edge.
        const Vector& left = half == Front ? FrontInseamAtHem : BackSideAtHem;
        const Vector& right = half == Front ? FrontSideAtHem : BackInseamAtHem;
        ScreenDC.SetOrigin(F(kSheetWidthCm / 2.0 - (double(left.x) + right.x) / 2.0), 10.0f);
        DrawPieces({ScreenDC, GarmentSheets::kScreenOutline, false, true, n});
        GarmentSheets::Refresh(n);
    }
}

std::vector<ValueTableRow> TYubka_Bruyki::FrontTableRows() const {
    return RowsOf(*this, kFrontRows, std::size(kFrontRows));
}

std::vector<ValueTableRow> TYubka_Bruyki::BackTableRows() const {
    return RowsOf(*this, kBackRows, std::size(kBackRows));
}

PatternSheets::Box TYubka_Bruyki::Extent() const {
    PatternSheets::Box box;
    for (Half half : {Front, Back}) {
        const PieceBox b = PrintBox(half);
        box.Take(b.left, b.top);
        box.Take(b.right, b.bottom);
    }
    return box;
}

// The three tables and the comment block.  Sheet 3 has them side by side;
// the printed page, narrower, has the back table under the measurement
// table and the comment block below both columns.
std::vector<PlacedTable> TYubka_Bruyki::Tables(TableMedium medium) const {
    const bool screen = medium == TableMedium::Screen;
    return {{screen ? 50 : 35, 57, MeasureTableLayout(medium), MeasureTableRows()},
            {screen ? 296 : 282, 57, FrontTable(medium), FrontTableRows()},
            {screen ? 541 : 35, screen ? 57 : 233, BackTable(medium), BackTableRows()}};
}

// Each half's sheet has the half's name below the header.
void TYubka_Bruyki::CaptionPieceSheet(int n) const {
    ScreenDC.TextAt(kScreenHalfTitleAt[0], kScreenHalfTitleAt[1], kHalfTitles[n - 1]);
}

// ---------------------------------------------------------------------------
// Printing: each half tiled over its own block of pages at the print scale
// (sheet label "Лист 1 из 3", "Лист 2 из 3"), then one page with the three
// tables and the comment block ("Лист 3 из 3").

void TYubka_Bruyki::Print() {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    PrinterDC.BeginTrueScalePage(float(CurrentOrder().TilingMode()));
    RunPrintJob([&] {
        for (Half half : {Front, Back}) {
            if (half == Back) ThePrinter().NewPage();
            const PieceBox box = PrintBox(half);
            TilePrintSheets(box.left, box.right, box.top, box.bottom);
            WalkPrintPages(GarmentSheets::SheetText(half + 1, kTablesSheet), [&](const PrintPage& page) {
                GarmentSheets::SetPaperLabelFont();
                DrawPieces({PrinterDC, GarmentSheets::kPaperOutline, true, true, half + 1});
                if (page.row != 0 || page.column != 0) return;
                // The half's name under the header of its first page.
                PrinterDC.SetIntOffset(0, 0);
                PrinterDC.TextAt(kPaperHalfTitleAt[0], kPaperHalfTitleAt[1], kHalfTitles[half]);
            });
        }
        GarmentSheets::PrintTablesPage(GarmentSheets::SheetText(kTablesSheet, kTablesSheet),
                                       [&] { PlaceTables(TableMedium::Paper); });
    });
}
