#include "sleeves/set_in/SleeveGarment.h"

#include "garments/bodice_women/Dress.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"

float ArmholeArc::Length() const { return Bezier2::ArcLength(start, ctrl, end, 0.0f, 1.0f); }

namespace {

float SumOf(const ArmholeArc (&arcs)[2]) {
    return FloatStore::Scalar(double(arcs[0].Length()) + arcs[1].Length(), "armhole length");
}

}  // namespace

float SleeveGarment::FrontArmholeLength() const { return SumOf(front); }
float SleeveGarment::BackArmholeLength() const { return SumOf(back); }

SleeveGarment WomenSleeveGarment(const TDress& d) {
    SleeveGarment g;
    g.family = SleeveGarment::Family::Women;
    g.armholeLength = d.ArmholeLength;
    g.capEaseNorm = d.CapEaseNorm;
    g.interliningEase = d.InterliningEase;
    g.front[0] = {d.G2, d.FrontArmCtrl1, d.FrontArmMid};
    g.front[1] = {d.FrontArmMid, d.FrontArmCtrl2, d.P6};
    g.back[0] = {d.G2, d.BackArmCtrl3, d.BackArmMid};
    g.back[1] = {d.BackArmMid, d.BackArmCtrl2, d.P3};
    return g;
}

SleeveGarment CurrentSleeveGarment() {
    if (const TDress* d = CurrentDress()) return WomenSleeveGarment(*d);
    Checked::Fail("set-in sleeve without a bodice");
}
