// Steps that the drafts take alike on top of the kernel's geometry, the
// bodices' and the lower-body garments', women's and men's.  Each result is
// kept as float, computed in double from the float inputs as the method
// computes it, and a degenerate construction (coincident points, a
// non-finite value) throws EFloatError.
#pragma once

#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "kernel/Geometry.h"

namespace DraftSteps {

// The crossing of the line through p with direction d and the line through
// q with direction e.  Parallel lines have no crossing: EFloatError naming
// `what` (the kernel's own crossing would answer a midpoint).
inline Vector Crossing(const Vector& p, const Vector& d, const Vector& q, const Vector& e, const char* what) {
    if (double(d.y) * e.x - double(d.x) * e.y == 0.0) Checked::Fail(what);
    return Geom::IntersectLines(p, q, d, e);
}

// The length of a quadratic arc, whole or between two parameters.
inline float Arc(const Vector& p0, const Vector& p1, const Vector& p2, float t1 = 0.0f, float t2 = 1.0f) {
    return Bezier2::ArcLength(p0, p1, p2, t1, t2);
}

// The midpoint of a and b.
inline Vector Mid(const Vector& a, const Vector& b) {
    return FloatStore::Point((double(a.x) + b.x) / 2.0, (double(a.y) + b.y) / 2.0, "midpoint");
}

// p + u(p→q)·l, u the unit vector from p towards q.
inline Vector Toward(const Vector& p, const Vector& q, double l) {
    return Geom::PointAlong(p, Vector::UnitBetween(p, q), FloatStore::Scalar(l, "point along"));
}

// from + n(p→q)·l, n the unit normal of p→q (u turned +90°).
inline Vector Aside(const Vector& p, const Vector& q, const Vector& from, double l) {
    return Geom::PointAlong(from, Vector::UnitNormalBetween(p, q), FloatStore::Scalar(l, "point across"));
}

// The controls of a hem drawn as two quadratics from its end at leftX
// through its middle on the crease line (x = 0, height y) to its end at
// rightX: a third of the way from the crease towards either end, at the
// middle's height.
inline void HemControls(float leftX, float rightX, float y, Vector& left, Vector& right) {
    left = Vector(FloatStore::Scalar(leftX / 3.0, "hem control"), y);
    right = Vector(FloatStore::Scalar(rightX / 3.0, "hem control"), y);
}

// Where a bodice keeps its upper front armhole P6 → [ctrl3] → "4" →
// [ctrl4] → top: the points labelled "3" and "4" and the two controls.
struct UpperFrontArmhole {
    Vector& point3;
    Vector& point4;
    Vector& ctrl3;
    Vector& ctrl4;
};

// Builds the upper front armhole from P6 up to its top end `top`, which
// lies on the line from p6 along the unit e (towards the front shoulder
// point): "3" 0.4 of the way from p6 to top; "4" off "3", square to
// top → "3", by `bow` times the shoulder's reach beyond the front width line
// (frontWidthX − top.x); ctrl4 0.2 |"3" top| on from "4" along e; ctrl3
// where the front width line p6 → level meets the line through "4" along e.
// Returns `target` less the length of the two arcs, the mismatch that the
// armhole balance corrects.
float BuildUpperFrontArmhole(const UpperFrontArmhole& out, const Vector& p6, const Vector& top, const Vector& e,
                             const Vector& level, float frontWidthX, double bow, float target);

}  // namespace DraftSteps
