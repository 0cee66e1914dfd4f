// The small constructions every lower-body draft repeats, women's and men's:
// a midpoint, a point a length along or across a direction, and the length
// of a quadratic curve.  Each result is kept as float, computed in double
// from the float inputs as the method computes it, and a degenerate
// construction (coincident points, a non-finite value) throws EFloatError.
#pragma once

#include "kernel/Geometry.h"

namespace DraftGeom {

// The midpoint of a and b.
Vector Mid(const Vector& a, const Vector& b);
// p + u(p→q)·l, u the unit vector from p towards q.
Vector Toward(const Vector& p, const Vector& q, double l);
// from + n(p→q)·l, n the unit normal of p→q (u turned +90°).
Vector Aside(const Vector& p, const Vector& q, const Vector& from, double l);
// The length of the quadratic p0, p1, p2 over t from 0 to 1.
float QuadLength(const Vector& p0, const Vector& p1, const Vector& p2);
// The controls of a hem drawn as two quadratics from its end at leftX
// through its middle on the crease line (x = 0, height y) to its end at
// rightX: a third of the way from the crease towards either end, at the
// middle's height.
void HemControls(float leftX, float rightX, float y, Vector& left, Vector& right);

}  // namespace DraftGeom
