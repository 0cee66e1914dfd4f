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

}  // namespace DraftSteps
