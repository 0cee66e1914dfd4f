#include "collars/OpenFront.h"

#include "garments/bodice_women/Dress.h"
#include "garments/shirts_men/MenDress.h"
#include "kernel/Checked.h"
#include "shell/MainForm.h"

namespace {

bool RaglanSleeve() { return MainForm && MainForm->Sleeve && (MainForm->SleeveKind == 5 || MainForm->SleeveKind == 6); }

// What both bodices name alike.
template <class Bodice>
OpenFront Common(const Bodice& b) {
    OpenFront f;
    f.Neck = NeckOf(b);
    f.NeckCentre = b.FrontNeckCentre;
    f.G3 = b.G3;
    f.B21 = b.B21;
    f.Posture = b.Posture;
    f.NeckLength = b.BackNeckLength;
    f.LowNeckExcess = b.ShawlNeckExcess;
    return f;
}

}  // namespace

OpenFront OpenFrontOfCurrentBodice() {
    if (const TDress* d = CurrentDress()) {
        OpenFront f = Common(*d);
        f.Women = true;
        f.ShoulderEnd = d->A8;
        f.BreakGuide = d->T2;
        f.Hem = d->B21;
        f.ShawlBottom = d->B21;
        f.RaglanNeck = RaglanSleeve();
        f.A3 = d->A3;
        f.a1 = d->a1;
        f.A41 = d->A41;
        return f;
    }
    if (const TMenDress* m = CurrentMenDress()) {
        OpenFront f = Common(*m);
        f.ShoulderEnd = m->P10;
        f.BreakGuide = m->T3;
        f.Hem = m->H11;
        f.ShawlBottom = m->H1;
        return f;
    }
    Checked::Fail("collar: the garment has no open front");
}
