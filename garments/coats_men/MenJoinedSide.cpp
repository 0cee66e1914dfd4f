#include "garments/coats_men/MenJoinedSide.h"

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "men's garment with a one-piece side part"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "men's side part: parallel lines");
}

}  // namespace

void TMenWOnePiece::Calculate() {
    DraftGarment(true, [this] { CalcSidePart(); });
}

void TMenWOnePiece::CalcSidePart() {
    const double Cg2 = BustHalfGirth2, h = InterliningEase;
    // 1. - 3. The side part's point on the front armhole and its dart's
    //    legs at the waist.
    PlaceSplit();
    T6 = Vector(F(SplitPoint.x - 1.0), T.y);
    T7 = Vector(F(SplitPoint.x + 1.0), T.y);
    // 4. The pocket line: along the lowered waist T51 → T2, from 1 cm
    //    inside the bust point line, (Сг2 − 48)/5 + 17 long.
    K = Vector(FrontWidthWaist.x, F(FrontWidthWaist.y - 0.25 * BackWaistLength + 6));
    const Vector d = Vector::UnitBetween(T51, T2);
    const Vector n = Vector::UnitNormalBetween(T51, T2);
    const Vector down(0, -1);
    KBase = Cross(K, d, G5, down);
    K1 = KBase - d;
    K2 = K1 + d * F((Cg2 - 48) * 0.2 + 17);
    KTicks[0] = K1 - n * 0.2f;
    KTicks[1] = K1 + n * 0.2f;
    KTicks[2] = K2 - n * 0.2f;
    KTicks[3] = K2 + n * 0.2f;
    SplitFoot = Cross(SplitPoint, down, K, d);
    // 5. The side-part dart's controls.
    SideCutBack = T6 + Vector::UnitBetween(T6, SplitBack) * F(0.2 * Geom::Distance(T6, SplitBack));
    SideCutFront = T7 + Vector::UnitBetween(T7, SplitPoint) * F(0.2 * Geom::Distance(T7, SplitPoint));
    // 6. The waist suppression: a front dart of 1.5 cm only without a belly
    //    allowance and above 3.5 cm; the back seam takes the rest.
    WaistSuppression = F(Cg2 + BustEase - WaistHalfGirth - WaistEase + T.x - T0.x);
    HasFrontDart = BellyAllowance <= 0 && WaistSuppression > 3.5f;
    SeamSuppression = F((HasFrontDart ? WaistSuppression - 1.5 : WaistSuppression) * 0.5);
    // 7. The front dart under the bust point.
    if (HasFrontDart) {
        G61 = Vector(G6.x, F(G6.y - 0.25 * (double(G6.y) - T5.y)));
        T52 = Geom::CircleCross(T5, G61, 1.5f, F(double(G61.y) - T5.y), 1);
        DartMid = DraftSteps::Mid(T5, T52);
        const Vector axis = Vector::UnitBetween(G61, DartMid);
        DartEnd = Cross(K1, Vector::UnitBetween(K1, K2), G61, axis);
        const Vector p = Vector::Perpendicular(axis) * 0.2f;
        DartTicks[0] = G61 - p;
        DartTicks[1] = G61 + p;
    }
    // 8. - 10. The back seam: its hip ends share what the hip with its
    //     eases leaves, its waist legs the suppression.
    const float hip = F(((double(T32.x) - T0.x) - HipHalfGirth - HipEase - BustWidthEase - 1.5 * h) * 0.5);
    PlaceBackSeam(hip, SeamSuppression);
    // 11. The front hem, the overlap, the blazer's hem line and breast pocket.
    PlaceHemAndOverlap();
    if (IsBlazer())
        PlaceFrontHem(H31, H5, HemMid, HemCtrl);
    else
        PlaceFrontHem(B31, B5, HemMid, HemCtrl);
}

void TMenWOnePiece::DrawOutline(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    const bool blazer = IsBlazer();
    // 1. The side line, the side part's armhole, its dart, the front
    //    armhole on to P6.
    dc.SetPenWidth(1);
    dc.MoveTo(blazer ? H2 : B2);
    dc.LineTo(G2);
    dc.SetPenWidth(t.outline);
    DrawSideArmhole(t);
    dc.LineTo(SideCutBack);
    dc.Bezier2(SideCutBack, T6, SplitFoot, 20);
    dc.Bezier2(SplitFoot, T7, SideCutFront, 20);
    dc.LineTo(SplitPoint);
    DrawFrontArmholeFromSplit(t);
    // 2. - 4. The upper front, the neck and the overlap.
    DrawUpperFront(t);
    DrawNeckAndOverlap(t, {EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, blazer ? H32 : B32);
    // 5. The pockets.
    if (blazer) DrawBreastPocket(t, BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4);
    dc.SetPenWidth(1);
    dc.MoveTo(G4);
    dc.LineTo(K);
    dc.MoveTo(T2);
    dc.LineTo(T51);
    DrawPocketTicks(t);
    dc.SetPenWidth(t.outline);
    dc.MoveTo(K1);
    dc.LineTo(K2);
    dc.SetPenWidth(1);
    dc.MoveTo(SplitFoot);
    dc.LineTo(SplitPoint);
    // 6. The front dart.
    if (HasFrontDart) {
        dc.MoveTo(DartTicks[0]);
        dc.LineTo(DartTicks[1]);
        dc.MoveTo(G61);
        dc.LineTo(T52);
        dc.LineTo(DartEnd);
        dc.LineTo(T5);
        dc.LineTo(T52);
        dc.MoveTo(DartEnd);
        dc.LineTo(G61);
    }
    // 7. - 9. The back seam, the back centre and the hem.
    dc.MoveTo(P12);
    dc.LineTo(P13);
    dc.MoveTo(G1);
    dc.LineTo(blazer ? H1 : B1);
    if (blazer) {
        dc.MoveTo(H4.x < H5.x ? H4 : H5);
        dc.LineTo(H3);
        dc.MoveTo(H31);
        dc.LineTo(B31);
        dc.MoveTo(B32);
        dc.LineTo(H32);
        dc.SetPenWidth(t.outline);
        dc.LineTo(H31);
        dc.Bezier2(H31, HemCtrl, H5, 40);
        dc.LineTo(B5);
    }
    DrawBackSeam(t);
    if (blazer) {
        dc.MoveTo(B4);
        dc.LineTo(H4);
        dc.LineTo(H0);
        dc.LineTo(T0);
        dc.SetPenWidth(1);
        dc.MoveTo(B);
        dc.LineTo(H);
        dc.LineTo(H0);
    } else {
        dc.MoveTo(T0);
        dc.LineTo(B0);
        dc.SetPenWidth(FrontHemPen(t));
        dc.Bezier2(B31, HemCtrl, B5, 40);
        dc.SetPenWidth(1);
    }
}

void TMenWOnePiece::DrawPieceLines(const PieceTarget& t) const {
    DrawBase(t);
    DrawOutline(t);
}

namespace {

// The garment's own point names in their order; the coat's are the
// blazer's without its hem line.
using G = TMenWOnePiece;
using namespace SidePartNames;
bool WithDart(const G& g) { return g.HasFrontDart; }
const Labels::Row<G> kOwnNames[] = {
    {"H", &G::H, 4, Blazer<G>},         {"H0", &G::H0, 3, Blazer<G>},       {"H1", &G::H1, 3, Blazer<G>},
    {"H5", &G::H5, 2, HemApart<G>},     {"H4", &G::H4, 5, HemApart<G>},     {"H5", &G::H5, 5, HemCrossed<G>},
    {"H4", &G::H4, 2, HemCrossed<G>},   {"H2", &G::H2, 2, Blazer<G>},       {"H3", &G::H3, 8, Blazer<G>},
    {"H31", &G::H31, 9, Blazer<G>},     {"H32", &G::H32, 3, Blazer<G>},     {"B2", &G::B2, 2},
    {"B1", &G::B1, 3},                  {"B5", &G::B5, 2, HipApart<G>},     {"B4", &G::B4, 5, HipApart<G>},
    {"B5", &G::B5, 5, HipCrossed<G>},   {"B4", &G::B4, 2, HipCrossed<G>},   {"B0", &G::B0, 3},
    {"T11", &G::T11, 10},               {"T1", &G::T1, 2},                  {"T8", &G::T8, 3},
    {"P12", &G::P12, 9},                {"P13", &G::P13, 2},                {"T2", &G::T2, 2},
    {"T6", &G::T6, 8},                  {"T7", &G::T7, 2},                  {"K2", &G::K2, 7},
    {"K", &G::K, 2},                    {"K1", &G::K1, 3},                  {"T52", &G::T52, 10, WithDart},
    {"G61", &G::G61, 2, WithDart},      {"1", &G::FrontArmhole1, 4},        {"2", &G::FrontArmhole2, 2},
    {"P10", &G::P10, 10},               {"A5", &G::A5, 7, A5Named<G>},
};

}  // namespace

void TMenWOnePiece::LabelPieces(const PieceTarget& t) const {
    DrawPointNames(t);
    Labels::PutAll(t.dc, t.printer, *this, kOwnNames);
}
