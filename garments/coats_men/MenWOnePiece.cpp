#include "garments/coats_men/MenWOnePiece.h"

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "men's garment with a one-piece side part"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "men's side part: parallel lines");
}

int SleeveKindNow() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }

Vector Left(const Vector& p, float by) { return Vector(p.x - by, p.y); }

}  // namespace

int PlaceSplitPoint(TMenPattern& g, int sleeveKind, Vector& splitBack, Vector& copyCtrl1, Vector& copyJoin,
                    Vector& copyCtrl2, Vector& copyP6) {
    const Vector up = Vector::UnitBetween(g.G, g.A);
    if (sleeveKind != 12) {
        //  0.68 of the way from FrontG2 to G4, carried straight up to the armhole.
        g.SplitPoint = Vector(F(g.FrontG2.x + 0.68 * (double(g.G4.x) - g.FrontG2.x)), g.FrontG2.y);
        g.SplitParam = 0.5f;
        if (g.FrontArmholeJoin.x < g.SplitPoint.x)
            g.SplitPoint = Bezier2::CrossLineFrom(g.SplitPoint, up, g.FrontArmholeJoin, g.FrontArmholeCtrl2, g.P6,
                                                  g.SplitParam, 0);
        else
            g.SplitPoint = Bezier2::CrossLineFrom(g.SplitPoint, up, g.FrontG2, g.FrontArmholeCtrl1,
                                                  g.FrontArmholeJoin, g.SplitParam, 0);
    }
    const int arc = g.FrontArmholeJoin.x < g.SplitPoint.x ? 2 : 1;
    const float shift = g.FrontShift;
    copyCtrl1 = Left(g.FrontArmholeCtrl1, shift);
    copyJoin = Left(g.FrontArmholeJoin, shift);
    splitBack = Left(g.SplitPoint, shift);
    if (arc == 2) {
        copyCtrl2 = Left(g.FrontArmholeCtrl2, shift);
        copyP6 = Left(g.P6, shift);
    }
    return arc;
}

void TMenWOnePiece::Calculate() {
    DraftGarment(true, [this] { CalcSidePart(); });
}

void TMenWOnePiece::CalcSidePart() {
    const double Cg2 = BustHalfGirth2, h = InterliningEase;
    // 1. - 3. The side part's point on the front armhole and its dart's
    //    legs at the waist.
    SplitArc = PlaceSplitPoint(*this, SleeveKindNow(), SplitBack, BackCopyCtrl1, BackCopyJoin, BackCopyCtrl2,
                               BackCopyP6);
    T6 = Vector(F(SplitPoint.x - 1.0), T.y);
    T7 = Vector(F(SplitPoint.x + 1.0), T.y);
    // 4. The pocket line: square to the lowered waist T51 → T2, from 1 cm
    //    inside the bust point line, (Сг2 − 48)/5 + 17 long.
    K = Vector(FrontWidthWaist.x, F(FrontWidthWaist.y - 0.25 * BackWaistLength + 6));
    const Vector d = Vector::UnitBetween(T51, T2);
    const Vector n = Vector::UnitNormalBetween(T51, T2);
    const Vector down(0, -1);
    const float pocket = F((Cg2 - 48) * 0.2 + 17);
    KBase = Cross(K, d, G5, down);
    K1 = KBase - d;
    K2 = K1 + d * pocket;
    KTicks[0] = K1 - n * 0.2f;
    KTicks[1] = K1 + n * 0.2f;
    KTicks[2] = K2 - n * 0.2f;
    KTicks[3] = K2 + n * 0.2f;
    SplitFoot = Cross(SplitPoint, down, K, d);
    // The blazer's breast pocket.
    if (IsBlazer()) PlaceBreastPocket(BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4);
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
        DartMid = (T5 + T52) * 0.5f;
        const Vector axis = Vector::UnitBetween(G61, DartMid);
        DartEnd = Cross(K1, Vector::UnitBetween(K1, K2), G61, axis);
        const Vector p = Vector::Perpendicular(axis) * 0.2f;
        DartTicks[0] = G61 - p;
        DartTicks[1] = G61 + p;
    }
    // 8. The back seam leaves the back armhole halfway between P31 and the
    //    chest line.
    P12 = Vector(G1.x, F((double(P31.y) + G1.y) * 0.5));
    T1 = Vector(G1.x, T.y);
    {
        float t = 0.5f;
        const Vector across = Vector::UnitBetween(A, a);
        if (P12.y <= BackArmholeJoin.y)
            P13 = Bezier2::CrossLineFrom(P12, across, G2, BackArmholeCtrl3, BackArmholeJoin, t, 1);
        else
            P13 = Bezier2::CrossLineFrom(P12, across, BackArmholeJoin, BackArmholeCtrl2, P31, t, 1);
    }
    // 9. Its hem ends share what the hip with its eases leaves.
    const float g = F(((double(T32.x) - T0.x) - HipHalfGirth - HipEase - BustWidthEase - 1.5 * h) * 0.5);
    B1 = Vector(T1.x, B.y);
    B5 = Vector(F(double(B1.x) + g), B.y);
    B4 = Vector(F(double(B1.x) - g), B.y);
    const float hemCtrlY = F(B4.y + 0.2 * (double(T.y) - B.y));
    SeamCtrl4 = Vector(B4.x, hemCtrlY);
    SeamCtrl5 = Vector(B5.x, hemCtrlY);
    // 10. Its waist legs and controls.
    T8 = Vector(F(double(T1.x) + SeamSuppression), T.y);
    T11 = Vector(F(double(T1.x) - SeamSuppression), T.y);
    const float waistCtrlY = F(T1.y - 0.2 * (double(T1.y) - B1.y));
    SeamCtrl11 = Vector(T11.x, waistCtrlY);
    SeamCtrl8 = Vector(T8.x, waistCtrlY);
    const float upY = F(T1.y + Geom::Distance(P13, T1) / 3.0);
    SeamCtrl11Up = Vector(T11.x, upY);
    SeamCtrl8Up = Vector(T8.x, upY);
    // 11. The back centre, the front hem and the overlap: at the hip line for
    //     the coats, at the hem line for the blazer.
    B0 = Vector(T0.x, B.y);
    if (IsBlazer()) {
        H0 = Vector(B0.x, H.y);
        H1 = Vector(B1.x, H.y);
        H4 = Vector(B4.x, H.y);
        H5 = Vector(B5.x, H.y);
        PlaceFrontHem(H31, H5, HemMid, HemCtrl);
    } else {
        PlaceFrontHem(B31, B5, HemMid, HemCtrl);
    }
    PlaceOverlap({EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, IsBlazer() ? H32.y : B32.y);
}

void TMenWOnePiece::DrawOutline(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    const bool blazer = IsBlazer();
    // 1. The side seam line, the armhole to the side part, its dart, the
    //    front armhole on to P6.
    dc.SetPenWidth(1);
    dc.MoveTo(blazer ? H2 : B2);
    dc.LineTo(G2);
    dc.SetPenWidth(t.outline);
    const auto sideDart = [&] {
        dc.LineTo(SideCutBack);
        dc.Bezier2(SideCutBack, T6, SplitFoot, 20);
        dc.Bezier2(SplitFoot, T7, SideCutFront, 20);
        dc.LineTo(SplitPoint);
    };
    if (SplitArc == 1) {
        dc.Bezier2Part(G2, BackCopyCtrl1, BackCopyJoin, 0, SplitParam, 10);
        sideDart();
        dc.Bezier2Part(FrontG2, FrontArmholeCtrl1, FrontArmholeJoin, SplitParam, 1, 5);
        dc.Bezier2(FrontArmholeJoin, FrontArmholeCtrl2, P6, 10);
    } else {
        dc.Bezier2(G2, BackCopyCtrl1, BackCopyJoin, 10);
        dc.Bezier2Part(BackCopyJoin, BackCopyCtrl2, BackCopyP6, 0, SplitParam, 10);
        sideDart();
        dc.Bezier2Part(FrontArmholeJoin, FrontArmholeCtrl2, P6, SplitParam, 1, 5);
    }
    // 2. - 3. The front sleeve notch, the upper front armhole and shoulder.
    DrawUpperFront(t);
    // 4. The neck and the overlap.
    DrawNeckAndOverlap(t, {EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, blazer ? H32 : B32);
    // 5. The pockets.
    if (blazer) DrawBreastPocket(t, BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4);
    dc.SetPenWidth(1);
    dc.MoveTo(G4);
    dc.LineTo(K);
    dc.MoveTo(T2);
    dc.LineTo(T51);
    dc.MoveTo(KTicks[0]);
    dc.LineTo(KTicks[1]);
    dc.SetPenWidth(t.outline);
    dc.MoveTo(K1);
    dc.LineTo(K2);
    dc.SetPenWidth(1);
    dc.MoveTo(KTicks[2]);
    dc.LineTo(KTicks[3]);
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
    dc.SetPenWidth(t.outline);
    dc.Bezier3(B5, SeamCtrl5, SeamCtrl8, T8, 30);
    dc.Bezier2(T8, SeamCtrl8Up, P13, 40);
    dc.Bezier2(P13, SeamCtrl11Up, T11, 40);
    dc.Bezier3(T11, SeamCtrl11, SeamCtrl4, B4, 30);
    if (blazer) {
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
        dc.SetPenWidth(1);
        dc.Bezier2(B31, HemCtrl, B5, 40);
    }
}

void TMenWOnePiece::DrawOwnNames(const PieceTarget& t) const {
    const auto put = [&](const Vector& p, const char* text, int placement) {
        Labels::Put(t.dc, t.printer, p, text, placement);
    };
    if (IsBlazer()) {
        put(H, "H", 4);
        put(H0, "H0", 3);
        put(H1, "H1", 3);
        put(H5, "H5", H5.x > H4.x ? 2 : 5);
        put(H4, "H4", H5.x > H4.x ? 5 : 2);
        put(H2, "H2", 2);
        put(H3, "H3", 8);
        put(H31, "H31", 9);
        put(H32, "H32", 3);
    }
    put(B2, "B2", 2);
    put(B1, "B1", 3);
    put(B5, "B5", B5.x > B4.x ? 2 : 5);
    put(B4, "B4", B5.x > B4.x ? 5 : 2);
    put(B0, "B0", 3);
    put(T11, "T11", 10);
    put(T1, "T1", 2);
    put(T8, "T8", 3);
    put(P12, "P12", 9);
    put(P13, "P13", 2);
    put(T2, "T2", 2);
    put(T6, "T6", 8);
    put(T7, "T7", 2);
    put(K2, "K2", 7);
    put(K, "K", 2);
    put(K1, "K1", 3);
    if (HasFrontDart) {
        put(T52, "T52", 10);
        put(G61, "G61", 2);
    }
    put(FrontArmhole1, "1", 4);
    put(FrontArmhole2, "2", 2);
    put(P10, "P10", 10);
    const int collar = MainForm ? MainForm->CollarKind : 0;
    if (collar != 7 && collar != 8) put(A5, "A5", 7);
}

void TMenWOnePiece::DrawPieces(const PieceTarget& t) const {
    DrawBase(t);
    DrawOutline(t);
    DrawPointNames(t);
    DrawOwnNames(t);
}
