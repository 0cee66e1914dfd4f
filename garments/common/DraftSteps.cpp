#include "garments/common/DraftSteps.h"

#include "kernel/FloatStore.h"

namespace DraftSteps {

float BuildUpperFrontArmhole(const UpperFrontArmhole& out, const Vector& p6, const Vector& top, const Vector& e,
                             const Vector& level, float frontWidthX, double bow, float target) {
    const char* what = "upper front armhole";
    const auto F = [what](double v) { return FloatStore::Scalar(v, what); };
    out.point3 = p6 + e * F(0.4 * Geom::Distance(p6, top));
    out.point4 = out.point3 + Vector::UnitNormalBetween(top, out.point3) * F(bow * (double(frontWidthX) - top.x));
    out.ctrl4 = out.point4 + e * F(0.2 * Geom::Distance(out.point3, top));
    out.ctrl3 = Crossing(p6, Vector::UnitBetween(p6, level), out.point4, e, "upper front armhole: parallel lines");
    return F(double(target) - Arc(p6, out.ctrl3, out.point4) - Arc(out.point4, out.ctrl4, top));
}

}  // namespace DraftSteps
