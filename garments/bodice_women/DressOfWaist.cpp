// The fitted silhouette: the waist suppression S = Сг2 + Пг − Ст − Пт
// shared out over the back centre, the two side seams, the back waist dart
// and one or two front waist darts, with the fitted side seams and hip
// curves.
#include "garments/bodice_women/DressGarment.h"
#include "garments/bodice_women/DressMath.h"
#include "garments/common/PatternPen.h"
#include "kernel/Bezier.h"
#include "shell/MeasureColumn.h"

using DressMath::Cross;
using DressMath::F;
using DressMath::Tick;

namespace {

const Vector kAcross(1.0f, 0.0f);  // the dart ticks lie across, x ± 0.2
const Vector kUp(0.0f, 1.0f);      // the side ticks stand up, y ± 0.2
constexpr float kTick = 0.2f;
// The side seams' hip control stands this far up towards the waist.
constexpr double kSideHipCtrl = 0.2263157;

}  // namespace

float* TDressOfWaist::SilhouetteSlot(DressQ q) {
    switch (q) {
        case DressQ::Ct: return &WaistGirth;
        case DressQ::Pt: return &WaistEase;
        case DressQ::S: return &WaistSuppression;
        default: return nullptr;
    }
}

bool TDressOfWaist::CheckSilhouette() {
    WaistSuppression = F(double(BustHalfGirth2) + BustEase - WaistGirth - WaistEase);
    if (MeasureColumn::Exceeds(double(WaistGirth) + WaistEase, double(BustHalfGirth2) + BustEase))
        return MeasureColumn::Refuse("Сг2+Пг < Ст+Пт");
    return true;
}

// A format-1 order holds no waist suppression: it is worked out again, and
// a negative one (which the column's check would refuse) is taken as none.
// A format-0 order keeps the one it stores.
void TDressOfWaist::AfterLoad(int version) {
    if (version != 1) return;
    const double s = double(BustHalfGirth2) + BustEase - WaistGirth - WaistEase;
    WaistSuppression = s >= 0.0 && std::isfinite(s) ? float(s) : 0.0f;
}

void TDressOfWaist::DraftWaist() {
    const double S = WaistSuppression;
    // 1.-3. The side seams and the back centre take their share of S.
    SecondDart = -1.0f;
    SideSuppression = F(0.2 * S);
    BackCentreSuppression = F(0.15 * S);
    if (BackCentreSuppression > 2.5f) BackCentreSuppression = 2.5f;
    // 4.-5. The waist widths of back and front with their ease.
    WaistBalance = F((double(WaistGirth) - 0.835 * BustHalfGirth1) * 0.4);
    BackWaistWidth = F((double(WaistGirth) + WaistEase - 3 - WaistBalance) * 0.5);
    FrontWaistWidth = F(double(WaistGirth) + WaistEase - BackWaistWidth);
    // 6.-7. What is left of each piece's width at the waist goes into its darts.
    BackDart = F(double(T5.x) - T.x - SideSuppression - BackCentreSuppression - BackWaistWidth);
    FrontDartLeft = FrontDartRight = F((double(T2.x) - T5.x - SideSuppression - FrontWaistWidth) * 0.5);
    auto halves = [this](double v) { FrontDartLeft = FrontDartRight = F(v); };
    // 8. A back dart too small goes to the side seams; a negative one
    //    narrows the front dart.
    if (BackDart < 0) {
        halves(FrontDartRight + 0.5 * BackDart);
        BackDart = 0.0f;
        if (FrontDartRight < 0) halves(0.0);
    } else if (BackDart < 1.0f) {
        SideSuppression = F(SideSuppression + 0.5 * BackDart);
        BackDart = 0.0f;
    }
    // 9. Likewise the front dart.
    if (FrontDartRight < 0) {
        BackDart = F(BackDart + 2.0 * FrontDartRight);
        if (BackDart < 0) BackDart = 0.0f;
        halves(0.0);
    } else if (FrontDartRight < 0.5f) {
        SideSuppression = F(double(SideSuppression) + FrontDartRight);
        halves(0.0);
    }
    // 10. A wide front dart is split with a second one (at most 2 cm).
    if (FrontDartRight > 1.5f) {
        const double half = FrontDartRight;
        SecondDart = F(2 * (half - 1));
        if (SecondDart > 2.0f) {
            SecondDart = 2.0f;
            halves(half - 1);
        } else {
            halves(half - 0.5 * SecondDart);
        }
    }
    // 11.-13. Waist points.
    T11 = Vector(F(double(T.x) + BackCentreSuppression), T.y);
    T6 = Vector(F(double(T5.x) - SideSuppression), T5.y);
    T7 = Vector(F(double(T5.x) + SideSuppression), T5.y);
    Tick(T6Tick, T6, kUp, kTick);
    Tick(T7Tick, T7, kUp, kTick);
    BackSideWaist = Vector(T6.x, F(T6.y + (double(G2.y) - T6.y) / 6));
    FrontSideWaist = Vector(T7.x, F(T7.y + (double(G2.y) - T7.y) / 6));
    T8 = Vector(F(double(T4.x) - FrontDartLeft), T4.y);
    T9 = Vector(F(double(T4.x) + FrontDartRight), T4.y);
    // 14. The back dart under the blade point (or the shoulder dart's end).
    const float xb = U2.x <= Q1.x ? U2.x : Q1.x;
    BackDartApex = Vector(xb, F(0.5 * T.y));
    Tick(BackDartApexTick, BackDartApex, kAcross, kTick);
    BackDartWaist = Vector(xb, T.y);
    T13 = Vector(F(xb - 0.5 * BackDart), T.y);
    T14 = Vector(F(xb + 0.5 * BackDart), T.y);
    // 15. Hip points and the dart ends.
    const double E = HipExcess;
    B4 = Vector(E > 0 ? F((E + B0.x - B.x) * 0.5) : F(0.5 * E), B.y);
    B5 = Vector(-B4.x, B.y);
    BackDartEnd = Vector(xb, F(double(B.y) + 3));
    FrontDartApex = Vector(G6.x, F(double(G7.y) - 2));
    FrontDartEnd = Vector(G6.x, F(double(B.y) + 3));
    Tick(BackDartEndTick, BackDartEnd, kAcross, kTick);
    Tick(FrontDartApexTick, FrontDartApex, kAcross, kTick);
    Tick(FrontDartEndTick, FrontDartEnd, kAcross, kTick);
    // 16. The back centre: the bodice's seam line and the fitted one met
    //     with the chest line.
    const Vector chest = Vector::UnitBetween(G, G2);
    BackSeamChest = Cross(BackSeamStart, Vector::UnitBetween(BackSeamStart, T1), G, chest);
    BackSeamUpperCtrl = Vector(T11.x, F(T11.y + 0.2 * (double(G.y) - T.y)));
    BackSeamLowerCtrl = Vector(T11.x, F(T11.y - 0.2 * (double(T.y) - B.y)));
    FittedBackSeamChest = Cross(BackSeamStart, Vector::UnitBetween(BackSeamStart, BackSeamUpperCtrl), G, chest);
    // 17. A front dart wider than 2 cm opens down to the hip line; the hip
    //     points move two thirds of the excess X.
    FrontDartExcess = F(double(FrontDartLeft) - 1);
    const float X = FrontDartExcess;
    if (X > 0) {
        const float k = F(2.0 / 3.0 * X);
        B0.x = F(double(B0.x) - k);
        B5.x = F(double(B5.x) - k);
        B4.x = F(double(B4.x) + k);
        FrontDartLegLow1 = Vector(F(double(FrontDartEnd.x) - X), FrontDartEnd.y);
        FrontDartLegLow2 = Vector(F(double(FrontDartEnd.x) + X), FrontDartEnd.y);
    }
    // 18. The second front dart, halfway between Tk and T4.
    if (SecondDart > 0) {
        SecondDartCentre = (Tk + T4) * 0.5f;
        const Vector& c = SecondDartCentre;
        T15 = Vector(F(c.x - 0.5 * SecondDart), c.y);
        T16 = Vector(F(c.x + 0.5 * SecondDart), c.y);
        SecondDartApex = Vector(c.x, F(double(c.y) + FrontDartApex.y - T4.y));
        SecondDartEnd = Vector(c.x, F(double(c.y) + FrontDartEnd.y - T4.y));
        Tick(SecondDartApexTick, SecondDartApex, kAcross, kTick);
        Tick(SecondDartEndTick, SecondDartEnd, kAcross, kTick);
    }
    // 19. Controls of the back centre and the side seams.
    BackHipCtrl = Vector(B0.x, F(B0.y + 0.2 * (double(T.y) - B0.y)));
    BackSideUpperCtrl = Vector(BackSideWaist.x, F(BackSideWaist.y + 0.2 * (double(G2.y) - BackSideWaist.y)));
    FrontSideUpperCtrl = Vector(FrontSideWaist.x, F(FrontSideWaist.y + 0.2 * (double(G2.y) - FrontSideWaist.y)));
    BackSideLowerCtrl = Vector(T6.x, F(T6.y - (double(T6.y) - B4.y) / 15));
    FrontSideLowerCtrl = Vector(T7.x, F(T7.y - (double(T7.y) - B5.y) / 15));
    FrontSideHipCtrl = Vector(B5.x, F(B5.y + kSideHipCtrl * (double(T7.y) - B5.y)));
    BackSideHipCtrl = Vector(B4.x, F(B4.y + kSideHipCtrl * (double(T6.y) - B4.y)));
    // 20. The front hip curve; with the front dart opened, drawn in two
    //     parts 2X apart.
    const Vector d = Vector::UnitBetween(B, B2);
    if (X <= 0) {
        FrontHipMid = (B5 + B21) * 0.5f;
        FrontHipCtrl = Cross(B21, d, FrontHipMid, Vector::UnitNormalBetween(B21, B5));
    } else {
        const float shift = F(2.0 * X);
        HipSideShifted = Vector(F(double(B5.x) + shift), B5.y);
        FrontHipMid = (HipSideShifted + B21) * 0.5f;
        FrontHipCtrl = Cross(B21, d, FrontHipMid, Vector::UnitNormalBetween(B21, HipSideShifted));
        FrontHipCtrlShifted = FrontHipCtrl - Vector(shift, 0.0f);
        HipCurveT = 0.5f;
        FrontDartHip2 = Bezier2::CrossLine(FrontDartLegLow2, Vector::UnitBetween(T2, B2), B21, FrontHipCtrl,
                                           HipSideShifted, HipCurveT);
        FrontDartHip1 = FrontDartHip2 - Vector(shift, 0.0f);
        HipFrontShifted = B21 - Vector(shift, 0.0f);
    }
}

// ---------------------------------------------------------------------------
// Lines and labels

// Steps 1-3 of the shared sheet: the second dart, the front dart, the
// front hip.
void TDressOfWaist::DrawFrontDart(const PatternPen& pen) const {
    pen.Thin();
    if (SecondDart > 0) {
        pen.Tick(SecondDartEndTick);
        pen.Line({SecondDartEnd, SecondDartApex});
        pen.Tick(SecondDartApexTick);
        pen.Line({SecondDartApex, T15, SecondDartEnd, T16});
        pen.Line({T15, T16, SecondDartApex});
    }
    pen.Tick(FrontDartApexTick);
    pen.Line({FrontDartApex, T8, T4});
    if (FrontDartExcess <= 0) {
        pen.Line({T8, FrontDartEnd, T9, FrontDartApex, FrontDartEnd});
        pen.Tick(FrontDartEndTick);
        pen.Thick();
        pen.Line({B2, B21});
        pen.Thin();
        pen.Quad(B21, FrontHipCtrl, B5, 20);
    } else {
        pen.Line({T8, FrontDartLegLow1, FrontDartHip1});
        pen.Tick(FrontDartEndTick);
        pen.Line({FrontDartEnd, FrontDartApex, T9, FrontDartLegLow2, FrontDartHip2});
        pen.Thick();
        pen.Line({B2, B21});
        pen.Thin();
        pen.QuadPart(B21, FrontHipCtrl, HipSideShifted, 0.0f, HipCurveT, 6);
        pen.QuadPart(HipFrontShifted, FrontHipCtrlShifted, B5, HipCurveT, 1.0f, 16);
    }
}

// Steps 6-8: the back dart, the fitted back centre and the bodice's own.
void TDressOfWaist::DrawBackDartAndCentre(const PatternPen& pen) const {
    pen.Thin();
    pen.Tick(BackDartApexTick);
    pen.Line({BackDartApex, T13, BackDartEnd, T14});
    pen.Line({BackDartWaist, T5});
    pen.Line({T14, BackDartApex, BackDartEnd});
    pen.Tick(BackDartEndTick);
    pen.Line({B, B0});
    pen.Thick();
    pen.Cubic(B0, BackHipCtrl, BackSeamLowerCtrl, T11, 25);
    pen.Quad(T11, BackSeamUpperCtrl, FittedBackSeamChest, 20);
    pen.Quad(FittedBackSeamChest, BackSeamStart, Y, 10);
    pen.Thin();
    pen.Quad(Y, BackSeamStart, BackSeamChest, 10);
    pen.To(T1);
}

void TDressOfWaist::DrawLines(const PatternPen& pen) const {
    DrawFrontDart(pen);
    pen.Thick();
    pen.Cubic(B5, FrontSideHipCtrl, FrontSideLowerCtrl, FrontSideWaist, 25);
    pen.Quad(FrontSideWaist, FrontSideUpperCtrl, G2, 20);
    pen.Quad(G2, BackSideUpperCtrl, BackSideWaist, 20);
    pen.Cubic(BackSideWaist, BackSideLowerCtrl, BackSideHipCtrl, B4, 25);
    pen.Thin();
    pen.Line({B3, T5});
    pen.Tick(T6Tick);
    pen.Line({T6, T7});
    pen.Tick(T7Tick);
    pen.Line({T5, G2});
    DrawBackDartAndCentre(pen);
}

// The front side seam is bold from the hip up to where the sleeve made in
// one with the bodice leaves it (parameter 1 − t of the curve it meets).
void TDressOfWaist::DrawFrontLines(const PatternPen& pen) const {
    DrawFrontDart(pen);
    pen.Line({B5, B3});
    pen.Thick();
    const float t = 1.0f - FrontCurveT;
    if (FrontCurveCase == 1) {
        pen.Cubic(B5, FrontSideHipCtrl, FrontSideLowerCtrl, FrontSideWaist, 25);
        pen.QuadPart(FrontSideWaist, FrontSideUpperCtrl, G2, 0.0f, t, 20);
        pen.Thin();
        pen.QuadPart(FrontSideWaist, FrontSideUpperCtrl, G2, t, 1.0f, 20);
    } else if (FrontCurveCase == 2) {
        pen.CubicPart(B5, FrontSideHipCtrl, FrontSideLowerCtrl, FrontSideWaist, 0.0f, t, 20);
        pen.Thin();
        pen.CubicPart(B5, FrontSideHipCtrl, FrontSideLowerCtrl, FrontSideWaist, t, 1.0f, 20);
        pen.Quad(FrontSideWaist, FrontSideUpperCtrl, G2, 20);
    }
    pen.Thin();
    pen.Line({T5, T7});
    pen.Tick(T7Tick);
}

void TDressOfWaist::DrawBackLines(const PatternPen& pen) const {
    pen.Thin();
    const float t = BackCurveT;
    if (BackCurveCase == 1) {
        pen.QuadPart(G2, BackSideUpperCtrl, BackSideWaist, 0.0f, t, 20);
        pen.Thick();
        pen.QuadPart(G2, BackSideUpperCtrl, BackSideWaist, t, 1.0f, 20);
        pen.Cubic(BackSideWaist, BackSideLowerCtrl, BackSideHipCtrl, B4, 25);
    } else if (BackCurveCase == 2) {
        pen.Quad(G2, BackSideUpperCtrl, BackSideWaist, 20);
        pen.CubicPart(BackSideWaist, BackSideLowerCtrl, BackSideHipCtrl, B4, 0.0f, t, 20);
        pen.Thick();
        pen.CubicPart(BackSideWaist, BackSideLowerCtrl, BackSideHipCtrl, B4, t, 1.0f, 20);
    }
    pen.Thin();
    pen.Line({B4, B3, G2});
    pen.Tick(T6Tick);
    pen.Line({T6, T5});
    DrawBackDartAndCentre(pen);
    pen.Line({B, Y});
}

void TDressOfWaist::LabelLines(const PatternPen& pen) const {
    pen.Label(B5, "B5", 8);
    pen.Label(B4, "B4", 2);
    pen.Label(B21, "B21", 3);
    LabelFrontWaist(pen);
    LabelBackWaist(pen);
}

void TDressOfWaist::LabelFrontLines(const PatternPen& pen) const {
    pen.Label(B5, "B5", 8);
    pen.Label(B21, "B21", 3);
    LabelFrontWaist(pen);
}

void TDressOfWaist::LabelFrontWaist(const PatternPen& pen) const {
    if (SecondDart > 0) {
        pen.Label(T15, "T15", 7);
        pen.Label(T16, "T16", 2);
    }
    pen.Label(T9, "T9", 3);
    pen.Label(T8, "T8", 7);
    pen.Label(T7, "T7", 2);
}

void TDressOfWaist::LabelBackLines(const PatternPen& pen) const {
    pen.Label(B4, "B4", 3);
    LabelBackWaist(pen);
}

void TDressOfWaist::LabelBackWaist(const PatternPen& pen) const {
    pen.Label(T6, "T6", 8);
    pen.Label(T14, "T14", 2);
    pen.Label(T13, "T13", 10);
    pen.Label(T11, "T11", 2);
}
