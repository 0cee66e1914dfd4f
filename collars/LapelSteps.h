// The short names the lapel collars' constructions read by: the distance of
// two points, the unit vector from one point towards another, a direction turned +90°, and the checked
// crossing of two lines.
#pragma once

#include "garments/common/DraftSteps.h"
#include "kernel/Geometry.h"

namespace LapelSteps {

inline float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }
inline Vector Unit(const Vector& from, const Vector& to) { return Vector::UnitBetween(from, to); }
inline Vector Turned(const Vector& v) { return Vector::Perpendicular(v); }
// The crossing of the line through p along d with the line through q along
// e; parallel lines throw EFloatError.
inline Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "lapel collar: parallel lines");
}

}  // namespace LapelSteps
