#include "garments/common/BodiceDraft.h"

#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

BodiceChoice CurrentBodiceChoice() {
    BodiceChoice choice;
    if (!MainForm) return choice;
    choice.sleeve = MainForm->Sleeve;
    choice.hasCollar = MainForm->Collar != nullptr;
    choice.collarKind = MainForm->CollarKind;
    choice.sleeveKind = MainForm->SleeveKind;
    choice.modelIndex = MainForm->ModelIndex;
    return choice;
}

namespace BodiceDraft {

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    if (double(d.y) * e.x - double(d.x) * e.y == 0.0) Checked::Fail("bodice draft: parallel lines");
    return Geom::IntersectLines(p, q, d, e);
}

void ClearSheets() { GarmentSheets::Clear(MainForm && MainForm->Sleeve ? 3 : 2); }

float Arc(const Vector& p0, const Vector& p1, const Vector& p2) { return Bezier2::ArcLength(p0, p1, p2, 0.0f, 1.0f); }

}  // namespace BodiceDraft
