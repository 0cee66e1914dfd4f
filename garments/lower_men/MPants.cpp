#include "garments/lower_men/MPants.h"

#include <cmath>
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
constexpr int kCommentY = 549;
constexpr int kPaperCommentY = kCommentY + 23;

// The side length's row reads "Дб" in the measurement table, though its
// field's label reads "Дсб:".
const MenTrousersKind kKind1{
    {kMPantsType,
     {{"Ст:", "Полуобхват талии", "42", "5", kBody, MenPantsLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, MenPantsLine2},
      {"Дсб:", "Длина брюк сбоку", "102", nullptr, kBody, MenPantsLine3, "Дб"},
      {"Дш:", "Длина шага", "78", "5", kBody, MenPantsLine4},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3},
      {"Псш:", "Прибавка на свободу шага", "1", "5", kFree, MenPants1}},
     {},
     kCommentY,
     kPaperCommentY},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SideLength, &M::StepLength, &M::WaistEase, &M::HipEase,
     &M::StepEase}};
const MenTrousersKind kKind2{
    {kMPants2Type,
     {{"Ст:", "Полуобхват талии", "42", "5", kBody, MenPantsLine1},
      {"Сб:", "Полуобхват бёдер", "50", nullptr, kBody, MenPantsLine2},
      {"Дсб:", "Длина брюк сбоку", "102", nullptr, kBody, MenPantsLine3, "Дб"},
      {"Дш:", "Длина шага", "78", "5", kBody, MenPantsLine4},
      {"Зп:", "Занижение пояса спереди", "2", nullptr, kFree, MenPants2},
      {"Пт:", "Прибавка по талии", "0", "5", kFree, LowerPt2},
      {"Пб:", "Прибавка по бёдрам", "1", nullptr, kFree, LowerPb3},
      {"Псш:", "Прибавка на свободу шага", "1", nullptr, kFree, MenPants1}},
     {},
     kCommentY,
     kPaperCommentY},
    {&M::WaistHalfGirth, &M::HipHalfGirth, &M::SideLength, &M::StepLength, &M::FrontLowering, &M::WaistEase,
     &M::HipEase, &M::StepEase}};

// ---- The result tables: each row's text and how its value is measured. ----

using D = TMenTrousersDraft;
float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }
float Diff(float a, float b) { return F(double(a) - b); }

const std::vector<SegmentRule> kHips = {
    {"[ B0, K0 ]", [](const D& d) { return Diff(d.B0.y, d.K0.y); }},
    {"[ B0, B ]", [](const D& d) { return -d.B.x; }},
    {"[ B0, B1 ]", [](const D& d) { return d.B1.x; }},
};
const std::vector<SegmentRule> kSide = {
    {"[ T21, 1 ]", [](const D& d) { return Dist(d.N1, d.T21); }},
    {"[ 1, 2 ]", [](const D& d) { return Dist(d.N1, d.N2); }},
    {"[ B, 3 ]", [](const D& d) { return Dist(d.B, d.N3); }},
    {"[ 3, 4 ]", [](const D& d) { return Dist(d.N3, d.N4); }},
    {"[ C2, 5 ]", [](const D& d) { return Dist(d.N5, d.C2); }},
    {"[ 5, 6 ]", [](const D& d) { return Dist(d.N5, d.N6); }},
};
// TMPants: the waist lowered at the crease line.
const std::vector<SegmentRule> kLength1 = {{"[ T0, H0 ]", [](const D& d) { return d.SideLength; }}};
const std::vector<SegmentRule> kCentre1 = {
    {"[ B1, B11 ]", [](const D&) { return 0.5f; }},
    {"[ T0, b0 ]", [](const D& d) { return -d.b0.y; }},
};
const std::vector<SegmentRule> kWaist1 = {
    {"[ T, T21 ]", [](const D& d) { return Diff(d.T21.x, d.T.x); }},
    {"[ b0, b1 ]", [](const D& d) { return -d.b1.x; }},
};
// TMPants2: the hem raised by 0.1·E; the front waist turned about B.
const std::vector<SegmentRule> kLength2 = {{"[ T0, H0 ]", [](const D& d) { return -d.H0.y; }}};
const std::vector<SegmentRule> kCentre2 = {
    {"[ B1, B6 ]", [](const D& d) { return Diff(d.B1.y, d.B6.y); }},
    {"[ B6, B11 ]", [](const D& d) { return Dist(d.B6, d.B11); }},
    {"[ B6, T11 ]", [](const D& d) { return -d.B0.y; }},
};
const std::vector<SegmentRule> kWaist2 = {
    {"[ T11, T2 ]", [](const D& d) { return Dist(d.T11, d.T2); }},
    {"[ T2, T21 ]", [](const D& d) { return Dist(d.T2, d.T21); }},
    {"[ b0, b1 ]", [](const D& d) { return Dist(d.b0, d.b1); }},
};
const std::vector<SegmentRule> kBackWaist = {
    {"[ K3, T3 ]", [](const D& d) { return Dist(d.K3, d.T3); }},
    {"[ T5, T6 ]", [](const D& d) { return Dist(d.T5, d.T6); }},
    {"[ T5, b2 ]", [](const D& d) { return Dist(d.b2, d.T5); }},
    {"[ b2, b3 ]", [](const D& d) { return Dist(d.b2, d.b3); }},
    {"[ b4, b5 ]", [](const D& d) { return Dist(d.b4, d.b5); }},
    {"[ b2, b21 ]", [](const D& d) { return Dist(d.b2, d.b21); }},
    {"[ T6, 9 ]", [](const D& d) { return Dist(d.T6, d.N9); }},
    {"[ 9, 10 ]", [](const D& d) { return Dist(d.N9, d.N10); }},
    {"[ B3, 11 ]", [](const D& d) { return Dist(d.B3, d.N11); }},
    {"[ 11, 12 ]", [](const D& d) { return Dist(d.N11, d.N12); }},
};

// ---- Point labels up to the seat line, in writing order. ----

using P = MenTrouserPoints;
const Labels::Row<MenTrouserPoints> kLabels1[] = {
    {"B3", &P::B3, 7},   {"B", &P::B, 4},     {"1", &P::N1, 3},   {"2", &P::N2, 1},   {"P", &P::P, 4},
    {"9", &P::N9, 2},    {"10", &P::N10, 7},  {"T3", &P::T3, 7},  {"T6", &P::T6, 1},  {"T2", &P::T2, 7},
    {"T", &P::T, 1},     {"T21", &P::T21, 2}, {"T4", &P::T4, 3},  {"b4", &P::b4, 6},  {"b21", &P::b21, 1},
    {"b5", &P::b5, 2},   {"b2", &P::b2, 3},   {"b3", &P::b3, 3},  {"P1", &P::P1, 3},  {"b1", &P::b1, 5},
    {"b0", &P::b0, 3},   {"T0", &P::T0, 2},   {"T5", &P::T5, 2},  {"T1", &P::T1, 6},  {"T11", &P::T11, 3},
    {"B11", &P::B11, 2}, {"B1", &P::B1, 6},   {"B5", &P::B5, 2},  {"B4", &P::B4, 5},  {"B0", &P::B0, 2},
    {"C0", &P::C0, 3},
};
const Labels::Row<MenTrouserPoints> kLabels2[] = {
    {"B3", &P::B3, 7},   {"B", &P::B, 4},     {"1", &P::N1, 3},   {"2", &P::N2, 1},   {"P1", &P::P1, 4},
    {"9", &P::N9, 2},    {"10", &P::N10, 7},  {"T3", &P::T3, 7},  {"T6", &P::T6, 1},  {"T2", &P::T2, 3},
    {"T", &P::T, 4},     {"T7", &P::T7, 1},   {"T21", &P::T21, 2}, {"T4", &P::T4, 3}, {"b4", &P::b4, 6},
    {"b21", &P::b21, 1}, {"b5", &P::b5, 2},   {"b2", &P::b2, 3},  {"b3", &P::b3, 3},  {"P", &P::P, 3},
    {"b1", &P::b1, 5},   {"b0", &P::b0, 3},   {"T0", &P::T0, 2},  {"T5", &P::T5, 2},  {"T1", &P::T1, 6},
    {"T11", &P::T11, 3}, {"B11", &P::B11, 2}, {"B6", &P::B6, 7},  {"B1", &P::B1, 6},  {"B5", &P::B5, 2},
    {"B4", &P::B4, 5},   {"B0", &P::B0, 2},   {"C0", &P::C0, 3},
};

}  // namespace

TMPantsDraft::TMPantsDraft(const MenTrousersKind& kind, bool frontLowered)
    : TMenTrousersDraft(kind), frontLowered_(frontLowered) {}

TMPants::TMPants() : TMPantsDraft(kKind1, false) {}

TMPants2::TMPants2() : TMPantsDraft(kKind2, true) {}

// ---------------------------------------------------------------------------
// The draft

void TMPantsDraft::Draft() {
    const double Ct = WaistHalfGirth, Cb = HipHalfGirth, Pt = WaistEase;
    const double W = Cb + HipEase;  // Сб + Пб
    const double waist = (Ct + Pt) / 2.0;
    const bool lowered = frontLowered_;

    // 1. The surplus E.
    const double E = Surplus = F(W - Ct - Pt);

    // 2. The levels on the crease line: hem, crotch line Дш − Псш above the
    //    hem, hip line, the knee halfway between hips and hem.
    T0 = Vector(0, 0);
    if (lowered) {
        H0 = Vector(0, F(0.1 * E - SideLength));
        C0 = Vector(0, F(double(H0.y) + StepLength - StepEase));
        B0 = Vector(0, F(double(C0.y) + StepEase + Cb / 6.0 - 1.0));
    } else {
        H0 = Vector(0, F(-double(SideLength)));
        C0 = Vector(0, F(double(StepLength) - StepEase - SideLength));
        B0 = Vector(0, F(double(C0.y) + StepEase + (Cb / 2.0 - 1.5) / 3.0));
    }
    K0 = Vector(0, F((double(B0.y) + H0.y) / 2.0));

    // 3. The front's widths and verticals.
    B = Vector(F(-(0.6 * W - 1.0) / 2.0), B0.y);
    B1 = Vector(F(0.2 * W - 0.5), B0.y);
    B11 = Vector(F(B1.x + 0.5), B0.y);
    T = Vector(B.x, 0);
    T1 = Vector(B1.x, 0);
    C = Vector(B.x, C0.y);
    C1 = Vector(B1.x, C0.y);
    K = Vector(B.x, K0.y);
    H = Vector(B.x, H0.y);
    // TMPants2: the centre lowered by Зп/2 at the hips turns the front
    // waist about B.
    Vector along, up;
    if (lowered) {
        B6 = Vector(B1.x, F(B1.y - FrontLowering / 2.0));
        along = Vector::UnitBetween(B, B6);
        up = Vector::UnitNormalBetween(B, B6);
        B11 = Geom::PointAlong(B6, along, 0.5f);
        T11 = Geom::PointAlong(B6, up, -B0.y);
    }

    // 4. The waist lowered at the crease line (TMPants).
    if (!lowered) b0 = Vector(0, F(-0.1 * (Cb - Ct)));

    // 5. The leg widths.
    C2 = Vector(F(C1.x + 0.1 * W), C0.y);
    K2 = Vector(F(C1.x + (double(C2.x) - C1.x) / 3.0), K0.y);
    K1 = Vector(-K2.x, K0.y);
    C11 = Vector(K2.x, C0.y);
    H2 = Vector(F(K2.x - 0.5), H0.y);
    H1 = Vector(-H2.x, H0.y);
    H01 = Vector(0, F(H0.y + 0.5));

    // 6. The front waist from b1 (half the waist from the side, less 1) to
    //    T21, and its marks.
    if (lowered) {
        T7 = Geom::PointAlong(T11, along, F(-(double(T1.x) - T.x)));
        T2 = Geom::PointAlong(T7, along, F(0.1 * E));
        T21 = Geom::PointAlong(T2, up, F(0.1 * E));
        b0 = Cross(T11, along, T0, Vector(0, 1));
        b1 = Geom::PointAlong(b0, along, F(-(Geom::Distance(T11, T2) - waist - 1.0)));
        WaistCtrl = Mid(T2, b1);
        WaistMarkFrom = Vector(b0.x, F(b0.y - 1.0));
        WaistMarkTo = Vector(b1.x, WaistMarkFrom.y);
    } else {
        T21 = Vector(F(T.x + 0.1 * E), 0);
        T2 = Vector(T.x, b0.y);
        T11 = Vector(T1.x, b0.y);
        b1 = Vector(F(T21.x + waist - T1.x - 1.0), b0.y);
        WaistCtrl = Vector(F((double(T21.x) + b1.x) / 2.0), b0.y);
        WaistMarkFrom = Vector(0, F(b0.y - 1.0));
        WaistMarkTo = Vector(b1.x, F(b1.y - 1.0));
    }
    WaistMarkDown = Vector(b1.x, F(b1.y - 4.0));

    // 7.-11. The front side seam and hem.
    FrontSideAboveHips(lowered ? Geom::Distance(T, T2) / 4.0 : E / 36.0);
    FrontSideBelowHips(lowered ? 23.5f : 25.0f, 0.2);

    // 12. The front inside leg.
    FrontInseam();

    // 13. The front crotch leaves the line T11 → B11.
    const Vector flyDir = Vector::UnitBetween(T11, B11);
    FrontCrotchCtrl = CrotchControl(B11, flyDir, C1, Vector::UnitBetween(C0, C1), &FrontCrotchCorner);

    // 14. The back knee and hem.
    BackKneeAndHem();

    // 15. The back hip line w wide turned up by α about B3.
    const float w = F((W + 1.0) / 2.0);
    const double turn = 0.05 * (1.5 * Cb - 1.5) + (lowered ? 0.5 * FrontLowering : 0.0);
    const float alpha = F(Checked::Div(turn, w, "back width"));
    const float h = F(w * std::sin(double(alpha)) + (double(B0.y) - C0.y));
    TurnedBackHip(B0.y, C0.y, w, alpha, h * std::tan(double(alpha)), 0.23 * W).Into(B3, B4, B5, C3, C4);

    // 16. The back centre: T5 above B5, and where its line meets the hips.
    if (lowered) {
        const Vector centre = Vector::UnitBetween(C3, B5);
        T5 = Geom::PointAlong(B5, centre, -B0.y);
        BackCrotchTop = Cross(B5, centre, B0, Vector::UnitBetween(B0, B1));
    } else {
        const Vector centre = Vector::UnitNormalBetween(B3, B5);
        T5 = Geom::PointAlong(B5, centre, Geom::Distance(B1, T11));
        BackCrotchTop = Cross(B5, centre, B4, Vector::UnitBetween(C0, C1));
    }

    // 17.-21. C5, T3, the back waist with its dart and pocket line, the
    //         back side above the hips.
    BackWaist(waist + E / 4.0 + 1.0, (Cb / 2.0 - 1.5) / 3.0);

    // 22.-25. The back side below the hips, the back inside leg and step.
    BackSeams(0.13, 0.3, 0.2);

    // 26.-27. The front pocket; in TMPants2 its side end is B7.
    const Vector shortWaist = lowered ? Toward(b1, T11, 3.0) : Vector(F(b1.x + 3.0), b1.y);
    FrontPocket(shortWaist, lowered ? B7 : B6);

    // 29.-30. "Средний срез:" and the crotch seam.
    SeamLabelPos = Vector(F(C.x + 1.4), F(C.y - 0.6));
    CrotchSeam = SeamLength(Arc(BackCrotchTop, C3, BackStep), Geom::Distance(T5, BackCrotchTop),
                            Geom::Distance(BackStep, C5), Geom::Distance(T11, B11),
                            Arc(B11, FrontCrotchCtrl, C2));
}

std::vector<SegmentRule> TMPantsDraft::FrontRules() const {
    if (frontLowered_) return Join({kLength2, kFrontLevels, kHips, kCentre2, kFrontLeg, kWaist2, kSide});
    return Join({kLength1, kFrontLevels, kHips, kCentre1, kFrontLeg, kWaist1, kSide});
}

std::vector<SegmentRule> TMPantsDraft::BackRules() const { return Join({kBackKneeToStep, kBackWaist}); }

// ---------------------------------------------------------------------------
// Drawing

void TMPantsDraft::DrawPaths(TDrawContext& dc, int thick) const {
    DrawOutline(dc, thick, T11, false);
    // Construction lines, pen 1, from T6.
    DrawBackHipLines(dc);
    // The seat line with the back step's arc about C3 from C5 to C4.
    auto seatLines = [&] {
        dc.MoveTo(T1);
        dc.LineTo(C1);
        dc.MoveTo(BackCrotchTop);
        dc.LineTo(C3);
        dc.LineTo(BackStep);
        dc.Arc3(C3, C5, C4, 1, 10);
        dc.LineTo(C);
    };
    // 3 → 4 and 3 → K1 from B.
    auto frontSideLines = [&] {
        dc.MoveTo(B);
        dc.LineTo(N3);
        dc.LineTo(N4);
        dc.MoveTo(N3);
        dc.LineTo(K1);
    };
    // The knee line to K4 and the back inside leg's 7 → 8, 7 → C5; the
    // front inside leg's 5 → 6, 5 → K2 → C11.
    auto insideLegLines = [&] {
        dc.MoveTo(K);
        dc.LineTo(K4);
        dc.LineTo(N7);
        dc.LineTo(N8);
        dc.MoveTo(N7);
        dc.LineTo(C5);
        dc.MoveTo(C2);
        dc.LineTo(N5);
        dc.LineTo(N6);
        dc.MoveTo(N5);
        dc.LineTo(K2);
        dc.LineTo(C11);
    };
    // 11 → 12 and 11 on from K3.
    auto backSideLines = [&] {
        dc.MoveTo(K3);
        dc.LineTo(N11);
        dc.LineTo(N12);
        dc.MoveTo(N11);
    };
    // The front pocket: from `from` to the mark, the 1 cm tick, the mark to `to`.
    auto frontPocket = [&](const Vector& from, const Vector& to) {
        dc.MoveTo(from);
        dc.LineTo(PocketMark);
        dc.LineTo(PocketMarkTick);
        dc.MoveTo(PocketMark);
        dc.LineTo(to);
    };

    if (!frontLowered_) {
        dc.MoveTo(B11);
        dc.LineTo(B3);
        dc.LineTo(T3);
        dc.LineTo(T5);
        dc.MoveTo(T1);
        dc.LineTo(T);
        dc.MoveTo(T0);
        dc.LineTo(H011);  // the crease line
        dc.MoveTo(H4);
        dc.LineTo(H);
        dc.LineTo(T);
        dc.LineTo(T1);
        dc.MoveTo(T11);
        dc.LineTo(T2);
        dc.MoveTo(T21);
        dc.LineTo(N1);
        dc.LineTo(N2);
        dc.MoveTo(N1);
        dc.LineTo(B);
        frontPocket(B6, T4);
        DrawPocketLine(dc, P, P1);
        seatLines();
        frontSideLines();
        insideLegLines();
        backSideLines();
        dc.LineTo(B3);
    } else {
        dc.MoveTo(B11);
        dc.LineTo(B3);
        dc.LineTo(B1);
        dc.MoveTo(B6);
        dc.LineTo(T11);
        seatLines();
        frontSideLines();
        backSideLines();
        dc.LineTo(T3);
        dc.LineTo(T5);
        dc.MoveTo(T1);
        dc.LineTo(T);
        dc.LineTo(H);
        dc.LineTo(H4);
        dc.MoveTo(H011);
        dc.LineTo(K0);
        insideLegLines();
        dc.MoveTo(K0);
        dc.LineTo(T0);
        dc.MoveTo(b1);
        dc.LineTo(T7);
        dc.LineTo(B);
        dc.LineTo(N1);
        dc.LineTo(N2);
        dc.MoveTo(N1);
        dc.LineTo(T21);
        dc.LineTo(T2);
        DrawPocketLine(dc, P1, P);
        frontPocket(T4, B7);
    }
}

void TMPantsDraft::DrawLabels(TDrawContext& dc, bool printer) const {
    const MenTrouserPoints& p = *this;
    if (frontLowered_)
        Labels::PutAll(dc, printer, p, kLabels2);
    else
        Labels::PutAll(dc, printer, p, kLabels1);
    DrawSeatToHemLabels(dc, printer);
    if (frontLowered_)
        Labels::Put(dc, printer, B7, "B7", 3);
    else
        Labels::Put(dc, printer, B6, "B6", 3);
}


void RegisterMPants() {
    RegisterModelMaker(kMPantsType, [] { return new TMPants; });
    RegisterModelMaker(kMPants2Type, [] { return new TMPants2; });
    // Ст, Сб, Дсб, Дш, Пт, Пб, Псш; TMPants2 adds Зп after Дш.
    RegisterLowerBlock(kKind1.column);
    RegisterLowerBlock(kKind2.column);
}
