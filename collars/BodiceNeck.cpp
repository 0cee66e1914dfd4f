#include "collars/BodiceNeck.h"

#include "garments/bodice_women/Dress.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"

BodiceNeck NeckOf(const TDress& d) {
    BodiceNeck neck;
    neck.BackNeckLength =
        Bezier2::ArcLength(d.A01, d.NeckCtrl1, d.A9, 0, 1) + Bezier2::ArcLength(d.A9, d.NeckCtrl2, d.A2, 0, 1);
    neck.A4 = d.A4;
    neck.A5 = d.A5;
    return neck;
}

BodiceNeck NeckOfCurrentBodice() {
    if (const TDress* dress = CurrentDress()) return NeckOf(*dress);
    Checked::Fail("collar: the garment is not a bodice");
}
