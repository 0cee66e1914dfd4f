#include "garments/coats_men/MenCoatWSideSeam.h"

#include <cmath>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

float F(double v) { return FloatStore::Scalar(v, "men's coat with side seam"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "men's coat with side seam: parallel lines");
}

// ---- The coat's point labels. ----
using CoatLabel = Labels::Row<TMenCoatWSideSeam>;
bool OwnEdge(const TMenCoatWSideSeam&) { return TMenPattern::OwnFrontEdge(); }
bool Apart(const TMenCoatWSideSeam& g) { return g.B4.x >= g.B5.x; }
bool Crossed(const TMenCoatWSideSeam& g) { return !Apart(g); }

const CoatLabel kSideSeamLabels[] = {
    {"A5", &TMenCoatWSideSeam::A5, 7, OwnEdge}, {"Tk", &TMenCoatWSideSeam::Tk, 2},
    {"K1", &TMenCoatWSideSeam::K1, 3},          {"K", &TMenCoatWSideSeam::K, 2},
    {"K0", &TMenCoatWSideSeam::K0, 3},          {"K2", &TMenCoatWSideSeam::K2, 6},
    {"T22", &TMenCoatWSideSeam::T22, 2},        {"T21", &TMenCoatWSideSeam::T21, 9},
    {"B5", &TMenCoatWSideSeam::B5, 7, Apart},   {"B4", &TMenCoatWSideSeam::B4, 3, Apart},
    {"B5", &TMenCoatWSideSeam::B5, 3, Crossed}, {"B4", &TMenCoatWSideSeam::B4, 7, Crossed},
    {"B0", &TMenCoatWSideSeam::B0, 3},
};

}  // namespace

TMenCoatWSideSeam::TMenCoatWSideSeam(int type) : TMenPattern(type) {}

void TMenCoatWSideSeam::Calculate() {
    DraftGarment(false, [this] { CalcSideSeam(); });
}

void TMenCoatWSideSeam::CalcSideSeam() {
    const double h = InterliningEase;
    // 1. The waist shaping and the hem flare, shared by the two side seams.
    const float w = F((double(BustHalfGirth2) + BustEase - WaistHalfGirth - WaistEase + T.x - T0.x + BellyAllowance) *
                      0.5);
    const float f = F((double(HipHalfGirth) + HipEase + BustWidthEase + 1.5 * h - T32.x + T0.x) * 0.5);
    // 2. The seams' waist and hem points: they cross below the waist.
    B0 = Vector(T0.x, B.y);
    T21 = Vector(F(double(T2.x) - w), T2.y);
    T22 = Vector(F(double(T2.x) + w), T2.y);
    B4 = Vector(F(double(B2.x) + f), B2.y);
    B5 = Vector(F(double(B2.x) - f), B2.y);
    // 3. Their controls.
    const float y1 = F(T2.y + 0.3 * (double(G2.y) - T2.y));
    const float y2 = F(T2.y - 0.2 * (double(T2.y) - B2.y));
    const float y3 = F(B2.y + 0.3 * (double(T2.y) - B2.y));
    SeamCtrl22a = Vector(T22.x, y1);
    SeamCtrl22b = Vector(T22.x, y2);
    SeamCtrl5 = Vector(B5.x, y3);
    SeamCtrl21a = Vector(T21.x, y1);
    SeamCtrl21b = Vector(T21.x, y2);
    SeamCtrl4 = Vector(B4.x, y3);
    // 4. The front hem B5 → B31 leaves B31 along the hem line.
    PlaceFrontHem(B31, B5, HemMid, HemCtrl);
    // 5. The 3 cm front overlap, where the collar leaves the front edge to
    //    the garment.
    PlaceOverlap({EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, B32.y);
    // 6. The K construction: the pocket line K1 → K2 and a fan of four more
    //    lines of the same length about K0.
    const Vector d1 = Vector::UnitBetween(G, T);
    const Vector d2 = Vector::UnitBetween(T2, T51);
    Tk = Cross(G4, d1, T51, d2);
    K = Tk + d1 * F(BackWaistLength * 0.125 + 1);
    KBase = Cross(G6, d1, K, d2);
    const float Lp = F((double(BustHalfGirth2) - 48) * 0.2 + 16);
    K1 = KBase + d2 * 2.0f;
    K2 = K1 - d2 * Lp;
    K0 = K1 - d2 * F(0.15 * BustHalfGirth1);
    FanP4 = Vector(K0.x, F(K0.y + 0.33 * Lp));
    FanE4 = Vector(FanP4.x, F(double(FanP4.y) - Lp));
    const Vector v = d2 * F(0.25 * Geom::Distance(K0, K));
    FanQ1 = K + v;
    FanQ2 = FanQ1 + v;
    FanQ3 = FanQ2 + v;
    {
        const Vector e = Vector::UnitBetween(K0, FanP4);
        const double r = Geom::Distance(K1, K0);
        const double a = Lp / 3.0;
        Vector* const starts[3] = {&FanP1, &FanP2, &FanP3};
        for (int i = 0; i < 3; ++i) {
            const double angle = (i + 1) * kPi / 8;
            *starts[i] = K0 + d2 * F(r * std::cos(angle)) + e * F(a * std::sin(angle));
        }
    }
    FanE3 = FanP3 + Vector::UnitBetween(FanP3, FanQ3) * Lp;
    FanE2 = FanP2 + Vector::UnitBetween(FanP2, FanQ2) * Lp;
    FanE1 = FanP1 + Vector::UnitBetween(FanP1, FanQ1) * Lp;
    // 7. The ticks across both ends of every K line.
    {
        const Vector* lines[4][2] = {{&K1, &K2}, {&FanP1, &FanE1}, {&FanP2, &FanE2}, {&FanP3, &FanE3}};
        int k = 0;
        for (const auto& l : lines) {
            const Vector n = nVector(*l[0], *l[1]) * 0.2f;
            FanTicks[k++] = *l[0] - n;
            FanTicks[k++] = *l[0] + n;
            FanTicks[k++] = *l[1] + n;
            FanTicks[k++] = *l[1] - n;
        }
        FanTicks[k++] = Vector(F(FanP4.x - 0.2), FanP4.y);
        FanTicks[k++] = Vector(F(FanP4.x + 0.2), FanP4.y);
        FanTicks[k++] = Vector(F(FanE4.x + 0.2), FanE4.y);
        FanTicks[k++] = Vector(F(FanE4.x - 0.2), FanE4.y);
    }
}

void TMenCoatWSideSeam::DrawOutline(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    // 1. The back centre below the waist and the two side seams.
    dc.SetPenWidth(t.outline);
    dc.MoveTo(T0);
    dc.LineTo(B0);
    dc.Bezier3(B4, SeamCtrl4, SeamCtrl21b, T21, 15);
    dc.Bezier2(T21, SeamCtrl21a, G2, 15);
    dc.Bezier2(FrontG2, SeamCtrl22a, T22, 15);
    dc.Bezier3(T22, SeamCtrl22b, SeamCtrl5, B5, 15);
    // 2. The front hem.
    dc.SetPenWidth(FrontHemPen(t));
    dc.Bezier2(B5, HemCtrl, B31, 20);
    // 3. The neck and the front edge, by the collar.
    DrawNeckAndOverlap(t, {EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, B32);
    // 4. The front width line down to K and the lowered waist.
    dc.SetPenWidth(1);
    dc.MoveTo(G4);
    dc.LineTo(K);
    dc.MoveTo(T51);
    dc.LineTo(T2);
    // 5. The K lines and their ticks.
    dc.SetPenWidth(t.outline);
    dc.MoveTo(K2);
    dc.LineTo(K1);
    dc.MoveTo(FanE4);
    dc.LineTo(FanP4);
    dc.SetPenWidth(1);
    dc.MoveTo(FanP1);
    dc.LineTo(FanE1);
    dc.MoveTo(FanE2);
    dc.LineTo(FanP2);
    dc.MoveTo(FanP3);
    dc.LineTo(FanE3);
    for (int k = 0; k < 20; k += 2) {
        dc.MoveTo(FanTicks[k]);
        dc.LineTo(FanTicks[k + 1]);
    }
}

void TMenCoatWSideSeam::DrawOwnNames(const PieceTarget& t) const {
    Labels::PutAll(t.dc, t.printer, *this, kSideSeamLabels);
}

void TMenCoatWSideSeam::DrawPieceLines(const PieceTarget& t) const {
    DrawBase(t);
    DrawLines(t);
    DrawOutline(t);
}

void TMenCoatWSideSeam::LabelPieces(const PieceTarget& t) const {
    DrawPointNames(t);
    DrawLinePointNames(t);
    DrawOwnNames(t);
}
