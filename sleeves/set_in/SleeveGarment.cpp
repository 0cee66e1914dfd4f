#include "sleeves/set_in/SleeveGarment.h"

#include "garments/bodice_women/Dress.h"
#include "garments/common/DraftSteps.h"
#include "garments/shirts_men/MenDress.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"

float ArmholeArc::Length() const { return DraftSteps::Arc(start, ctrl, end); }

namespace {

float SumOf(const ArmholeArc (&arcs)[2]) {
    return FloatStore::Scalar(double(arcs[0].Length()) + arcs[1].Length(), "armhole length");
}

// What every bodice family names alike: A, n and h.
template <class Bodice>
SleeveGarment Sizes(const Bodice& d, SleeveGarment::Family family) {
    SleeveGarment g;
    g.family = family;
    g.armholeLength = d.ArmholeLength;
    g.capEaseNorm = d.CapEaseNorm;
    g.interliningEase = d.InterliningEase;
    return g;
}

}  // namespace

float SleeveGarment::FrontArmholeLength() const { return SumOf(front); }
float SleeveGarment::BackArmholeLength() const { return SumOf(back); }

SleeveGarment WomenSleeveGarment(TDress& d) {
    SleeveGarment g = Sizes(d, SleeveGarment::Family::Women);
    g.front[0] = {d.G2, d.FrontArmCtrl1, d.FrontArmMid};
    g.front[1] = {d.FrontArmMid, d.FrontArmCtrl2, d.P6};
    g.back[0] = {d.G2, d.BackArmCtrl3, d.BackArmMid};
    g.back[1] = {d.BackArmMid, d.BackArmCtrl2, d.P3};
    g.frontBeyond = {d.P6, d.FrontArmCtrl3, d.Point4};
    g.backBeyond = {d.P3, d.BackArmCtrl1, d.P1};
    // The front foot lies along minus the normal, so that bar1 is foot −
    // 0.2·T̂; the back one along plus it, so that bar2 is.
    g.writeNotches = [&d](const BalanceNotch& front, const BalanceNotch& back) {
        Vector* n = d.ArmholeNotches;
        n[0] = front.point, n[1] = front.bar1, n[2] = front.foot, n[3] = front.bar2;
        n[4] = back.point, n[5] = back.bar2, n[6] = back.foot, n[7] = back.bar1;
    };
    return g;
}

SleeveGarment MenShirtSleeveGarment(TMenDress& d) {
    SleeveGarment g = Sizes(d, SleeveGarment::Family::MenShirt);
    g.front[0] = {d.G2, d.FrontArmholeCtrl1, d.FrontArmholeJoin};
    g.front[1] = {d.FrontArmholeJoin, d.FrontArmholeCtrl2, d.P6};
    g.back[0] = {d.G2, d.BackArmholeCtrl2, d.BackArmholeJoin};
    g.back[1] = {d.BackArmholeJoin, d.BackArmholeCtrl1, d.P31};
    g.frontBeyond = {d.P6, d.FrontArmholeCtrl3, d.Point4};
    g.backBeyond = {d.P31, d.BackArmholeCtrl, d.P};
    return g;
}

SleeveGarment CurrentSleeveGarment() {
    if (TDress* d = CurrentDress()) return WomenSleeveGarment(*d);
    if (TMenDress* d = CurrentMenDress()) return MenShirtSleeveGarment(*d);
    Checked::Fail("set-in sleeve without a bodice");
}
