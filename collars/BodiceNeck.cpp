#include "collars/BodiceNeck.h"

#include "garments/bodice_women/Dress.h"
#include "garments/coats_men/MenPattern.h"
#include "garments/shirts_men/MenDress.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "shell/MainForm.h"

namespace {

// The back neckline as the two arcs A01 -> A9 -> A2, and the front neck
// points, of either bodice draft.
template <class Bodice>
BodiceNeck NeckOfArcs(const Bodice& d) {
    BodiceNeck neck;
    neck.BackNeckLength =
        Bezier2::ArcLength(d.A01, d.NeckCtrl1, d.A9, 0, 1) + Bezier2::ArcLength(d.A9, d.NeckCtrl2, d.A2, 0, 1);
    neck.A4 = d.A4;
    neck.A5 = d.A5;
    return neck;
}

}  // namespace

BodiceNeck NeckOf(const TDress& d) { return NeckOfArcs(d); }

BodiceNeck NeckOf(const TMenDress& d) { return NeckOfArcs(d); }

BodiceNeck NeckOf(const TMenPattern& g) {
    BodiceNeck neck;
    neck.BackNeckLength = g.NeckLength;
    neck.A4 = g.A4;
    neck.A5 = g.A5;
    return neck;
}

BodiceNeck NeckOfCurrentBodice() {
    if (const TDress* dress = CurrentDress()) return NeckOf(*dress);
    if (const TMenDress* dress = CurrentMenDress()) return NeckOf(*dress);
    if (const TMenPattern* pattern = CurrentMenPattern()) return NeckOf(*pattern);
    Checked::Fail("collar: the garment is not a bodice");
}

int CurrentGarmentType() { return MainForm ? MainForm->ModelIndex : 0; }

CollarGarmentGroup CollarGarmentGroupOf(int type) {
    using G = CollarGarmentGroup;
    if (type >= 9 && type <= 10) return G::WomensJacket;
    if (type >= 11 && type <= 14) return G::WomensCoat;
    if (type >= 24 && type <= 25) return G::MensJacket;
    if (type >= 28 && type <= 30) return G::MensAutumnCoat;
    if (type >= 31 && type <= 33) return G::MensWinterCoat;
    if (type >= 34 && type <= 35) return G::Blazer;
    return G::Other;
}
