#include "sleeves/set_in/SleeveGarment.h"

#include "garments/bodice_women/Dress.h"
#include "garments/coats_men/MenPattern.h"
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

// Four points of a notch: the point, the bar end foot − 0.2·T̂, the foot,
// the bar end foot + 0.2·T̂.  The front foot lies along minus the normal,
// so that bar1 is foot − 0.2·T̂; the back one along plus it, so that bar2 is.
void KeepFront(Vector* n, const BalanceNotch& front) {
    n[0] = front.point, n[1] = front.bar1, n[2] = front.foot, n[3] = front.bar2;
}
void KeepBack(Vector* n, const BalanceNotch& back) {
    n[0] = back.point, n[1] = back.bar2, n[2] = back.foot, n[3] = back.bar1;
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
    g.writeNotches = [&d](const BalanceNotch& front, const BalanceNotch& back) {
        KeepFront(d.ArmholeNotches, front);
        KeepBack(d.ArmholeNotches + 4, back);
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
    g.frontShoulder = {d.Point4, d.FrontArmholeCtrl4, d.P10};
    // The front notch is FrontSleeveNotch with BackNotchMark as its bar end,
    // foot and bar end; the back one BackSleeveNotch.  A yoke that meets the
    // back armhole below the back notch is raised to it.
    g.writeNotches = [&d](const BalanceNotch& front, const BalanceNotch& back) {
        d.FrontSleeveNotch = front.point;
        d.BackNotchMark[0] = front.bar1, d.BackNotchMark[1] = front.foot, d.BackNotchMark[2] = front.bar2;
        KeepBack(d.BackSleeveNotch, back);
        d.RaiseYokeToNotch(back.point);
    };
    g.writeShoulderMark = [&d](const Vector& point, const Vector& bar1, const Vector& bar2) {
        d.FrontNotchMark[0] = point, d.FrontNotchMark[1] = bar1, d.FrontNotchMark[2] = bar2;
    };
    return g;
}

SleeveGarment MenCoatSleeveGarment(TMenPattern& d) {
    SleeveGarment g = Sizes(d, SleeveGarment::Family::MenCoat);
    const double a = d.ArmholeLength, n = d.CapEaseNorm, x = d.ArmholeArcLength;
    g.armholeArcLength = d.ArmholeArcLength;
    g.balanceOffset = FloatStore::Scalar(0.18 * a * n + 2 * x, "coat sleeve balance");
    g.frontNotchEase = FloatStore::Scalar(0.06 * a * n, "coat sleeve notch");
    g.backNotchEase = FloatStore::Scalar(0.26 * a * n, "coat sleeve notch");
    g.front[0] = {d.FrontG2, d.FrontArmholeCtrl1, d.FrontArmholeJoin};
    g.front[1] = {d.FrontArmholeJoin, d.FrontArmholeCtrl2, d.P6};
    g.back[0] = {d.G2, d.BackArmholeCtrl3, d.BackArmholeJoin};
    g.back[1] = {d.BackArmholeJoin, d.BackArmholeCtrl2, d.P31};
    g.frontBeyond = {d.P6, d.FrontArmholeCtrl3, d.FrontArmhole2};
    g.frontShoulder = {d.FrontArmhole2, d.FrontArmholeCtrl4, d.P10};
    g.backBeyond = {d.P31, d.BackArmholeCtrl1, d.P1};
    g.writeNotches = [&d](const BalanceNotch& front, const BalanceNotch& back) {
        KeepFront(d.SleeveNotch1, front);
        KeepBack(d.SleeveNotch2, back);
    };
    g.writeFrontNotchParam = [&d](float t) { d.SplitParam = t; };
    g.writeShoulderMark = [&d](const Vector& point, const Vector& bar1, const Vector& bar2) {
        d.ShoulderMark[0] = point, d.ShoulderMark[1] = bar1, d.ShoulderMark[2] = bar2;
    };
    return g;
}

SleeveGarment CurrentSleeveGarment() {
    if (TDress* d = CurrentDress()) return WomenSleeveGarment(*d);
    if (TMenDress* d = CurrentMenDress()) return MenShirtSleeveGarment(*d);
    if (TMenPattern* d = CurrentMenPattern()) return MenCoatSleeveGarment(*d);
    Checked::Fail("set-in sleeve without a bodice");
}
