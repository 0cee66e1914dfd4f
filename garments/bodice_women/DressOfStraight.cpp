// The straight silhouette: side seams straight from the chest line to the
// hip line, the hip excess shared out between them, and the front hip
// curve that leaves B21 along the hip line.
#include "garments/bodice_women/DressGarment.h"
#include "garments/bodice_women/DressMath.h"
#include "garments/common/PatternPen.h"

using DressMath::Cross;
using DressMath::F;

void TDressOfStraight::DraftStraight() {
    // 1.-2. The back seam line met with the chest line.
    const Vector d1 = Vector::UnitBetween(BackSeamStart, T1);
    const Vector d2 = Vector::UnitBetween(G, G1);
    BackSeamChest = Cross(G, d2, BackSeamStart, d1);
    // 3.-4. Each side seam takes half of the hip excess E that the back
    //       centre has not taken (B0 − B, when the hips flare it).
    const double E = HipExcess;
    B4 = Vector(E > 0 ? F((E + B0.x - B.x) / 2) : F(E / 2), B.y);
    B5 = Vector(-B4.x, B.y);
    // 5.-6. The front hip curve, symmetric about the bisector of B21 B5.
    const Vector n = Vector::UnitNormalBetween(B21, B5);
    FrontHipMid = B21 + Vector::UnitBetween(B21, B5) * F(0.5 * Geom::Distance(B21, B5));
    FrontHipCtrl = Cross(FrontHipMid, n, B21, Vector::UnitBetween(B2, B));
}

void TDressOfStraight::DrawLines(const PatternPen& pen) const {
    pen.Thick();
    pen.Line({B2, B21});
    pen.Thin();
    pen.Quad(B21, FrontHipCtrl, B5, 20);
    pen.Thick();
    pen.Line({B5, G2, B4});
    pen.Thin();
    pen.Line({B3, G2});
    if (HipExcess > 0) {
        pen.Line({T1, BackSeamChest});
        pen.Quad(BackSeamChest, BackSeamStart, Y, 10);
        pen.Line({Y, B, B0});
        pen.Thick();
        pen.Line({B0, BackCentreWaist});
    } else {
        pen.Quad(Y, BackSeamStart, BackSeamChest, 10);
        pen.Line({BackSeamChest, T1});
        pen.Thick();
        pen.Line({B, Y});
    }
}

// The side seam runs up to where the sleeve made in one with the bodice
// leaves it.
void TDressOfStraight::DrawFrontLines(const PatternPen& pen) const {
    pen.Thick();
    pen.Line({B2, B21});
    pen.Thin();
    pen.Quad(B21, FrontHipCtrl, B5, 20);
    pen.Line({B3, B5});
    pen.Thick();
    pen.Line({B5, SleeveFrontEnd});
    pen.Thin();
    pen.To(G2);
}

void TDressOfStraight::DrawBackLines(const PatternPen& pen) const {
    if (HipExcess > 0) {
        pen.Thick();
        pen.Line({BackCentreWaist, B0});
        pen.Thin();
        pen.Line({B0, B, Y});
    } else {
        pen.Thick();
        pen.Line({B, Y});
    }
    pen.Thin();
    pen.Quad(Y, BackSeamStart, BackSeamChest, 10);
    pen.To(T1);
    pen.Line({G2, B3, B4});
    pen.Thick();
    pen.Line({B4, SleeveBackEnd});
    pen.Thin();
    pen.To(G2);
}

void TDressOfStraight::LabelLines(const PatternPen& pen) const {
    pen.Label(B5, "B5", 8);
    pen.Label(B4, "B4", 2);
    pen.Label(B21, "B21", 3);
}

void TDressOfStraight::LabelFrontLines(const PatternPen& pen) const {
    pen.Label(B21, "B21", 3);
    pen.Label(B5, "B5", 5);
}

void TDressOfStraight::LabelBackLines(const PatternPen& pen) const { pen.Label(B4, "B4", 3); }
