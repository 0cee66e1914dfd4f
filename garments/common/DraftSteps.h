// Steps that the bodice drafts take alike on top of the kernel's geometry.
#pragma once

#include "kernel/Bezier.h"
#include "kernel/Checked.h"
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
