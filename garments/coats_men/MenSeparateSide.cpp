#include "garments/coats_men/MenSeparateSide.h"

#include <cmath>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "men's garment with a separate side part"); }

int SleeveKindNow() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }

// Simpson's rule over five double intervals, as the matching measures.
float Length3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3) {
    return F(Bezier3::ArcLength(p0, p1, p2, p3, 0.0, 1.0, 5));
}

void Raise(Vector& p, float by) { p.y = F(double(p.y) + by); }

}  // namespace

void TMenWCutOffPiece::Calculate() {
    DraftGarment(true, [this] { CalcSidePart(); });
}

float TMenWCutOffPiece::SideBackEdgeLength() const {
    return F(double(Bezier2::ArcLength(SplitBack, SideBackCtrlTop, T6, 0, 1)) +
             Length3(T6, SideBackCtrlWaist, SideBackCtrlLow, B6));
}
float TMenWCutOffPiece::UpperFrontEdgeLength() const {
    return Length3(SplitPoint, FrontEdgeCtrlTop, FrontEdgeCtrlLow, K3);
}
float TMenWCutOffPiece::LowerFrontEdgeLength() const {
    return Length3(K4, SideFrontCtrlPocket, SideFrontCtrlLow, B7);
}

void TMenWCutOffPiece::CalcSidePart() {
    const double Cg2 = BustHalfGirth2, h = InterliningEase;
    const float BA = BellyAllowance;
    // 1. The side part's point on the front armhole.
    PlaceSplit();
    // 2. The pocket level and the front dart, which runs down to it.
    KLevel = Vector(FrontWidthWaist.x, F(FrontWidthWaist.y - 0.25 * BackWaistLength + 6));
    PocketLength = F((Cg2 - 48) * 0.2 + 17);
    KT51 = Vector(T51.x, KLevel.y);
    K1 = KT51 + Vector(2.5f, 0);
    G61 = Vector(G6.x, F(G6.y - 0.25 * (double(G6.y) - T5.y)));
    G61Ticks[0] = G61 - Vector(0.2f, 0);
    G61Ticks[1] = G61 + Vector(0.2f, 0);
    K11 = KT51 + Vector(1.0f, 0);
    K12 = KT51 - Vector(1.0f, 0);
    DartWaistLeft = Vector(K12.x, T5.y);
    DartWaistRight = Vector(K11.x, T5.y);
    {
        const float y1 = F(T5.y + 0.2 * (double(G61.y) - T5.y));
        DartCtrlLeft = Vector(K12.x, y1);
        DartCtrlRight = Vector(K11.x, y1);
    }
    // 3. - 4. The side part's edges before shaping, and what the waist and
    //    the hip leave over the measurements with their eases.
    B0 = Vector(T0.x, B.y);
    SideFrontHemBase = Vector(F(SplitPoint.x + 1.0), B.y);
    FrontWaistBase = Vector(F(SplitPoint.x + 1.0), T.y);
    SideBackWaistBase = Vector(F(SplitBack.x + 3.0), T.y);
    SideBackHemBase = Vector(SideBackWaistBase.x, B.y);
    const double ease = BustWidthEase + 1.5 * h;
    WaistExcess = F((double(T32.x) - T0.x) + SideBackWaistBase.x - SplitPoint.x - WaistHalfGirth - WaistEase - ease);
    HemExcess = F((double(B32.x) - B0.x) + SideBackHemBase.x - SideFrontHemBase.x - HipHalfGirth - HipEase - ease);
    // 5. A fifth of either goes into each of the side part's seams.
    const float waistShare = F(0.2 * WaistExcess), hemShare = F(0.2 * HemExcess);
    const float rise = F(0.2 * (double(T.y) - B.y));
    SideFrontWaist = FrontWaistBase + Vector(waistShare, 0);
    T6 = Vector(F(double(SideBackWaistBase.x) - waistShare), T.y);
    B7 = SideFrontHemBase + Vector(hemShare, 0);
    B6 = SideBackHemBase - Vector(hemShare, 0);
    SideBackCtrlLow = Vector(B6.x, F(double(B.y) + rise));
    SideFrontCtrlLow = Vector(B7.x, F(double(B.y) + rise));
    SideBackCtrlWaist = Vector(T6.x, F(double(T.y) - rise));
    SideFrontCtrlWaist = Vector(SideFrontWaist.x, F(double(T.y) - rise));
    SideBackCtrlTop = Vector(T6.x, F(T6.y + (double(SplitBack.y) - T6.y) / 3));
    FrontEdgeCtrlTop = Vector(SideFrontWaist.x, SideBackCtrlTop.y);
    // 6. The front's seam at the pocket level; K4 that much lower with a
    //    belly allowance.
    const Vector left(-1, 0);
    KParam = 0.5f;
    KSide = Bezier3::CrossLineFrom(KLevel, left, B7, SideFrontCtrlLow, SideFrontCtrlWaist, SideFrontWaist, KParam, 5,
                                   0);
    K4 = Vector(KSide.x, F(double(KSide.y) - BA));
    // 7. The dart closed into the pocket turns the front's lower edge by
    //    the dart's angle.
    {
        Vector e = Vector::UnitBetween(K1, KLevel);
        Vector::Rotate(e, Geom::Angle(K11, G61, K12));
        K3 = K12 + e * F(double(Geom::Distance(K4, K1)) - 1.5);
    }
    // 8. The upper front rises by what the turn lifted K3 over the seam.
    const float lift = F(double(K3.y) - KSide.y);
    for (Vector* p : {&SplitPoint, &FrontArmholeJoin, &FrontArmholeCtrl2, &P6, &FrontArmholeCtrl3, &FrontArmhole1,
                      &FrontArmhole2, &FrontArmholeCtrl4, &P10, &FrontEdgeCtrlTop})
        Raise(*p, lift);
    if (SplitArc == 1) {
        Raise(FrontG2, lift);
        Raise(FrontArmholeCtrl1, lift);
    }
    const int sleeve = SleeveKindNow();
    if (sleeve == 13 || sleeve == 14)
        for (int k = 1; k <= 3; ++k) Raise(SleeveNotch2[k], lift);
    // 9. The front's seam below the pocket drops with the belly allowance.
    for (Vector* p : {&SideFrontWaist, &SideFrontCtrlWaist, &SideFrontCtrlLow, &B7}) Raise(*p, -BA);
    // 10. - 11. The seam leaves K4 along its old direction; the front's side
    //     edge leaves K3 turned as the pocket turns.
    {
        const Vector tan =
            Vector::UnitBetween(Vector(), Bezier3::Tangent(B7, SideFrontCtrlLow, SideFrontCtrlWaist, SideFrontWaist, KParam));
        PocketTangentEnd = K4 + tan * 10.0f;
        SideFrontCtrlPocket = K4 - tan * F(0.2 * Geom::Distance(K4, SideFrontCtrlLow));
        Vector e2 = Vector::UnitBetween(K3, K12);
        Vector::Rotate(e2, Geom::Angle(K1, K4, PocketTangentEnd));
        FrontEdgeCtrlLow = K3 + e2 * F(0.27 * Geom::Distance(K3, FrontEdgeCtrlTop));
    }
    // 12. The seam-length matching: B7 moves until the front's seam below
    //     the pocket is as long as the side part's back edge less the
    //     front's side edge above it.
    {
        const float target = F(double(SideBackEdgeLength()) - UpperFrontEdgeLength());
        const float ratio = F(Checked::Div(double(SideFrontCtrlPocket.y) - SideFrontCtrlLow.y,
                                           double(SideFrontCtrlPocket.y) - B7.y, "side part matching"));
        float d = F(double(LowerFrontEdgeLength()) - target);
        MatchingPasses = 0;
        while (std::fabs(d) > kMatchTolerance) {
            if (MatchingPasses == kMaxMatchingPasses) Checked::Fail("side part seam lengths do not match");
            ++MatchingPasses;
            Raise(B7, d);
            Raise(SideFrontCtrlLow, F(double(d) * ratio));
            d = F(double(LowerFrontEdgeLength()) - target);
        }
    }
    // 13. The back seam along the back width line takes 0.3 of either excess.
    PlaceBackSeam(F(0.3 * HemExcess), F(0.3 * WaistExcess));
    // 14. The pocket runs on over the side part.
    {
        float t = 0.5f;
        KSideBack = Bezier3::CrossLineFrom(KLevel, left, B6, SideBackCtrlLow, SideBackCtrlWaist, T6, t, 5, 0);
    }
    K2 = Vector(F(double(K1.x) - PocketLength - (double(KSide.x) - KSideBack.x)), KLevel.y);
    KTicks[0] = K1 + Vector(0, 0.2f);
    KTicks[1] = K1 - Vector(0, 0.2f);
    KTicks[2] = K2 + Vector(0, 0.2f);
    KTicks[3] = K2 - Vector(0, 0.2f);
    // 15. - 17. The overlap, the hem and the blazer's breast pocket.
    PlaceHemAndOverlap();
    if (IsBlazer()) {
        H6 = Vector(B6.x, H.y);
        H7 = Vector(B7.x, F(H6.y + (double(B7.y) - B6.y)));
        HemCtrl = Vector(F((double(H3.x) + H7.x) / 2), H31.y);
    } else {
        HemCtrl = Vector(F(B3.x - 0.5 * (double(B3.x) - B7.x)), B31.y);
    }
}

void TMenWCutOffPiece::DrawOutline(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    const bool blazer = IsBlazer();
    const int thick = t.outline;
    // 1. - 2. The back centre, the back seam and the hem.
    if (blazer) {
        dc.SetPenWidth(thick);
        dc.MoveTo(T0);
        dc.LineTo(H0);
        dc.SetPenWidth(1);
        dc.MoveTo(B);
        dc.LineTo(H);
        dc.LineTo(H0);
        dc.SetPenWidth(thick);
        if (H5.x > H4.x) {
            dc.LineTo(H4);
            dc.SetPenWidth(1);
            dc.LineTo(H5);
            dc.SetPenWidth(thick);
        }
        dc.LineTo(H6);
        dc.SetPenWidth(1);
        dc.LineTo(H3);
        dc.MoveTo(H31);
        dc.LineTo(B31);
        dc.MoveTo(B32);
        dc.LineTo(H32);
        dc.SetPenWidth(thick);
        dc.LineTo(H31);
        dc.Bezier2(H31, HemCtrl, H7, 20);
        dc.SetPenWidth(1);
        dc.MoveTo(H1);
        dc.LineTo(G1);
    } else {
        dc.SetPenWidth(thick);
        dc.MoveTo(T0);
        dc.LineTo(B0);
        dc.SetPenWidth(1);
        dc.MoveTo(B1);
        dc.LineTo(G1);
    }
    dc.MoveTo(P12);
    dc.LineTo(P13);
    DrawBackSeam(t);
    if (blazer) {
        dc.MoveTo(B4);
        dc.LineTo(H4);
        dc.MoveTo(H5);
        dc.LineTo(B5);
    }
    dc.SetPenWidth(1);
    dc.MoveTo(G2);
    dc.LineTo(blazer ? H2 : B2);
    if (!blazer) {
        dc.SetPenWidth(FrontHemPen(t));
        dc.Bezier2(B31, HemCtrl, B7, 20);
        dc.SetPenWidth(1);
    }
    dc.MoveTo(T51);
    dc.LineTo(T2);
    // 3. The side part: its armhole, its back edge.
    dc.SetPenWidth(thick);
    DrawSideArmhole(t);
    dc.Bezier2(SplitBack, SideBackCtrlTop, T6, 20);
    dc.Bezier3(T6, SideBackCtrlWaist, SideBackCtrlLow, B6, 30);
    if (blazer) {
        dc.LineTo(H6);
        dc.MoveTo(H7);
        dc.LineTo(B7);
    }
    // 4. The front's seam below the pocket, the pocket with the closed
    //    dart, the front's side edge and the front armhole.
    dc.Bezier3(B7, SideFrontCtrlLow, SideFrontCtrlPocket, K4, 20);
    dc.LineTo(K1);
    DrawPocketTicks(t);
    dc.SetPenWidth(thick);
    dc.MoveTo(K1);
    dc.LineTo(K11);
    dc.LineTo(DartWaistRight);
    dc.Bezier2(DartWaistRight, DartCtrlRight, G61, 20);
    dc.SetPenWidth(1);
    dc.MoveTo(G61Ticks[0]);
    dc.LineTo(G61Ticks[1]);
    dc.SetPenWidth(thick);
    dc.Bezier2(G61, DartCtrlLeft, DartWaistLeft, 20);
    dc.LineTo(K12);
    dc.LineTo(K3);
    dc.MoveTo(KSideBack);
    dc.LineTo(K2);
    dc.SetPenWidth(thick);
    dc.Bezier3(K3, FrontEdgeCtrlLow, FrontEdgeCtrlTop, SplitPoint, 20);
    DrawFrontArmholeFromSplit(t);
    // 5. The upper front, the breast pocket, the neck and the overlap.
    if (blazer) DrawBreastPocket(t, BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4);
    DrawUpperFront(t);
    DrawNeckAndOverlap(t, {EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, blazer ? H32 : B32);
}

void TMenWCutOffPiece::DrawPieceLines(const PieceTarget& t) const {
    DrawBase(t);
    DrawOutline(t);
}

namespace {

// The garment's own point names in their order: the blazer's hem line
// first, B0 with the hem line on the blazer and after the hip line's ends
// on the coat.
using G = TMenWCutOffPiece;
using namespace SidePartNames;
const Labels::Row<G> kOwnNames[] = {
    {"H32", &G::H32, 3, Blazer<G>},     {"H31", &G::H31, 9, Blazer<G>},     {"H3", &G::H3, 8, Blazer<G>},
    {"H7", &G::H7, 5, Blazer<G>},       {"H6", &G::H6, 5, Blazer<G>},       {"B7", &G::B7, 3, Blazer<G>},
    {"B7", &G::B7, 4, Coat<G>},         {"B6", &G::B6, 8},                  {"B2", &G::B2, 3},
    {"H2", &G::H2, 2, Blazer<G>},       {"H1", &G::H1, 3, Blazer<G>},       {"H5", &G::H5, 2, HemApart<G>},
    {"H4", &G::H4, 5, HemApart<G>},     {"H5", &G::H5, 5, HemCrossed<G>},   {"H4", &G::H4, 2, HemCrossed<G>},
    {"H0", &G::H0, 3, Blazer<G>},       {"H", &G::H, 4, Blazer<G>},         {"B0", &G::B0, 3, Blazer<G>},
    {"B1", &G::B1, 3},                  {"B5", &G::B5, 2, HipApart<G>},     {"B4", &G::B4, 5, HipApart<G>},
    {"B5", &G::B5, 5, HipCrossed<G>},   {"B4", &G::B4, 2, HipCrossed<G>},   {"B0", &G::B0, 3, Coat<G>},
    {"T11", &G::T11, 10},               {"T1", &G::T1, 2},                  {"T8", &G::T8, 3},
    {"P12", &G::P12, 9},                {"P13", &G::P13, 2},                {"T2", &G::T2, 2},
    {"T6", &G::T6, 8},                  {"K2", &G::K2, 7},                  {"K3", &G::K3, 2},
    {"K4", &G::K4, 3},                  {"K12", &G::K12, 6},                {"K11", &G::K11, 2},
    {"K1", &G::K1, 3},                  {"G61", &G::G61, 2},                {"1", &G::FrontArmhole1, 4},
    {"2", &G::FrontArmhole2, 2},        {"P10", &G::P10, 10},               {"A5", &G::A5, 7, A5Named<G>},
};

}  // namespace

void TMenWCutOffPiece::LabelPieces(const PieceTarget& t) const {
    DrawPointNames(t);
    Labels::PutAll(t.dc, t.printer, *this, kOwnNames);
}
