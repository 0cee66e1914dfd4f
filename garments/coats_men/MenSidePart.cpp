#include "garments/coats_men/MenSidePart.h"

#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "shell/MainForm.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "men's side part"); }

Vector Left(const Vector& p, float by) { return Vector(p.x - by, p.y); }

}  // namespace

void TMenSidePart::PlaceSplit() {
    const int sleeve = MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0;
    if (sleeve != 12) {
        const Vector up = Vector::UnitBetween(G, A);
        SplitPoint = Vector(F(FrontG2.x + 0.68 * (double(G4.x) - FrontG2.x)), FrontG2.y);
        SplitParam = 0.5f;
        if (FrontArmholeJoin.x < SplitPoint.x)
            SplitPoint =
                Bezier2::CrossLineFrom(SplitPoint, up, FrontArmholeJoin, FrontArmholeCtrl2, P6, SplitParam, 0);
        else
            SplitPoint =
                Bezier2::CrossLineFrom(SplitPoint, up, FrontG2, FrontArmholeCtrl1, FrontArmholeJoin, SplitParam, 0);
    }
    SplitArc = FrontArmholeJoin.x < SplitPoint.x ? 2 : 1;
    BackCopyCtrl1 = Left(FrontArmholeCtrl1, FrontShift);
    BackCopyJoin = Left(FrontArmholeJoin, FrontShift);
    SplitBack = Left(SplitPoint, FrontShift);
    if (SplitArc == 2) {
        BackCopyCtrl2 = Left(FrontArmholeCtrl2, FrontShift);
        BackCopyP6 = Left(P6, FrontShift);
    }
}

void TMenSidePart::PlaceBackSeam(float hipSpread, float waistSpread) {
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
    B0 = Vector(T0.x, B.y);
    B1 = Vector(T1.x, B.y);
    B5 = Vector(F(double(B1.x) + hipSpread), B.y);
    B4 = Vector(F(double(B1.x) - hipSpread), B.y);
    const float hipCtrlY = F(B1.y + 0.2 * (double(T1.y) - B1.y));
    SeamCtrl4 = Vector(B4.x, hipCtrlY);
    SeamCtrl5 = Vector(B5.x, hipCtrlY);
    T8 = Vector(F(double(T1.x) + waistSpread), T.y);
    T11 = Vector(F(double(T1.x) - waistSpread), T.y);
    const float waistCtrlY = F(T1.y - 0.2 * (double(T1.y) - B1.y));
    SeamCtrl11 = Vector(T11.x, waistCtrlY);
    SeamCtrl8 = Vector(T8.x, waistCtrlY);
    const float upY = F(T1.y + Geom::Distance(P13, T1) / 3.0);
    SeamCtrl11Up = Vector(T11.x, upY);
    SeamCtrl8Up = Vector(T8.x, upY);
}

void TMenSidePart::PlaceHemAndOverlap() {
    const bool blazer = IsBlazer();
    if (blazer) {
        H0 = Vector(B0.x, H.y);
        H1 = Vector(B1.x, H.y);
        H4 = Vector(B4.x, H.y);
        H5 = Vector(B5.x, H.y);
        PlaceBreastPocket(BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4);
    }
    PlaceOverlap({EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem}, blazer ? H32.y : B32.y);
}

void TMenSidePart::DrawSideArmhole(const PieceTarget& t) const {
    if (SplitArc == 1) {
        t.dc.Bezier2Part(G2, BackCopyCtrl1, BackCopyJoin, 0, SplitParam, 10);
    } else {
        t.dc.Bezier2(G2, BackCopyCtrl1, BackCopyJoin, 10);
        t.dc.Bezier2Part(BackCopyJoin, BackCopyCtrl2, BackCopyP6, 0, SplitParam, 10);
    }
}

void TMenSidePart::DrawFrontArmholeFromSplit(const PieceTarget& t) const {
    if (SplitArc == 1) {
        t.dc.Bezier2Part(FrontG2, FrontArmholeCtrl1, FrontArmholeJoin, SplitParam, 1, 5);
        t.dc.Bezier2(FrontArmholeJoin, FrontArmholeCtrl2, P6, 10);
    } else {
        t.dc.Bezier2Part(FrontArmholeJoin, FrontArmholeCtrl2, P6, SplitParam, 1, 5);
    }
}

void TMenSidePart::DrawBackSeam(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    dc.SetPenWidth(t.outline);
    dc.Bezier2(P13, SeamCtrl11Up, T11, 40);
    dc.Bezier3(T11, SeamCtrl11, SeamCtrl4, B4, 30);
    dc.Bezier3(B5, SeamCtrl5, SeamCtrl8, T8, 30);
    dc.Bezier2(T8, SeamCtrl8Up, P13, 40);
}

void TMenSidePart::DrawPocketTicks(const PieceTarget& t) const {
    t.dc.SetPenWidth(1);
    for (int k = 0; k < 4; k += 2) {
        t.dc.MoveTo(KTicks[k]);
        t.dc.LineTo(KTicks[k + 1]);
    }
}

bool TMenSidePart::NamesA5() {
    const int collar = MainForm ? MainForm->CollarKind : 0;
    return collar != 7 && collar != 8;
}
