#include "garments/common/LegSeams.h"

#include "kernel/FloatStore.h"

namespace {

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "leg seam draft"); }

}  // namespace

SideBelowHip DraftSideBelowHip(const Vector& top, const Vector& end, const Vector& below, const Vector& arriving,
                               double beforeDivisor, double leaveShare) {
    SideBelowHip s;
    const Vector u = Vector::UnitBetween(top, end);
    const Vector n = Vector::UnitNormalBetween(top, end);
    s.mid = top + u * F(0.63 * Geom::Distance(top, end));
    const Vector X = Geom::IntersectLines(s.mid, end, n, Vector::UnitBetween(below, end));
    s.bulge = s.mid + n * F(0.25 * Geom::Distance(s.mid, X));
    s.before = s.bulge - u * F(Geom::Distance(top, s.mid) / beforeDivisor);
    s.after = s.bulge + u * F(0.75 * Geom::Distance(s.mid, end));
    s.leave = top + Vector::UnitBetween(arriving, top) * F(leaveShare * Geom::Distance(top, s.mid));
    return s;
}

InnerLeg DraftInnerLeg(const Vector& end, const Vector& crotch, const Vector& below) {
    InnerLeg l;
    const Vector u = Vector::UnitBetween(end, crotch);
    const Vector n = Vector::UnitNormalBetween(end, crotch);
    const Vector v = Vector::UnitBetween(below, end);
    l.mid = FloatStore::Point((double(end.x) + crotch.x) / 2.0, (double(end.y) + crotch.y) / 2.0, "leg seam draft");
    const Vector X = Geom::IntersectLines(l.mid, end, n, v);
    l.bulge = l.mid + n * F(0.42 * Geom::Distance(l.mid, X));
    l.lower = Geom::IntersectLines(l.bulge, end, u, v);
    l.upper = l.bulge + u * F(Geom::Distance(l.mid, crotch) / 3.0);
    return l;
}
