// The checked arithmetic of the women's bodice drafts: every value kept as
// a float is finite, every crossing has one, every quotient a divisor.
#pragma once

#include "garments/common/DraftSteps.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "kernel/Geometry.h"

namespace DressMath {

// A drafting value kept as float; a non-finite one throws.
inline float F(double v) { return FloatStore::Scalar(v, "women's bodice draft"); }

// X(p, d; q, e): the crossing of the line through p with direction d and
// the line through q with direction e.  Parallel lines have no crossing and
// throw.
inline Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "women's bodice: parallel lines");
}

// The two ends of a tick, tick[0] = p − k·v and tick[1] = p + k·v.
inline void Tick(Vector* tick, const Vector& p, const Vector& v, float k) {
    tick[0] = p - v * k;
    tick[1] = p + v * k;
}

}  // namespace DressMath
