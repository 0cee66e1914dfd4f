// Quadratic and cubic Bézier curves in sheet centimetres.
//
// A curve is its control points; the parameter t runs over [0, 1].  Searches
// take t by reference: on entry the first probe (or start), on return the
// parameter of the point found.  Every open-ended search is bounded (the
// bounds at the end of this file); reaching a bound throws EFloatError, so no
// input can hang the program.
#pragma once

#include "kernel/Geometry.h"

namespace Bezier2 {

Vector Point(const Vector& p0, const Vector& p1, const Vector& p2, float t);
// Unit tangent T(t)/|T(t)|; T(t) = 0 throws.
Vector Tangent(const Vector& p0, const Vector& p1, const Vector& p2, float t);
// Unit normal to the left of the direction of travel; T(t) = 0 throws.
Vector Normal(const Vector& p0, const Vector& p1, const Vector& p2, float t);
// Arc length from t1 to t2 in closed form (straight chord when
// |p0 - 2p1 + p2|^2 < 0.01).  Never fails.
float ArcLength(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2);
// t at which the chord sum from p0 (n steps per unit of t) reaches len > 0.
float ParamAtChordLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n);
// The point at which that chord sum reaches len.
Vector PointAtChordLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n);
// t such that the arc length from the given t is len (to 0.005 cm).
float ParamAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float& t, float len);
// The same, and the point there.
Vector PointAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float& t, float len);
// Oriented bisections to 0.001 on t (see the drafting notes in Bezier.cpp).
Vector ParamForDirection(const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2, float& t,
                         int flag);
Vector TangentFromPoint(const Vector& p, const Vector& p0, const Vector& p1, const Vector& p2, float& t,
                        int flag);
Vector PerpendicularFrom(const Vector& p, const Vector& p0, const Vector& p1, const Vector& p2, float& t,
                         int flag);
Vector CrossLineFrom(const Vector& p, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                     float& t, int flag);
// Crossing with the line (a, dir) by a bracketing search to 0.005 cm; when
// the curve does not cross, the end nearer the line with t = 0 or 1.
Vector CrossLine(const Vector& a, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                 float& t);
// Crossing with the circle (c, r) by n + 1 halvings.
Vector CrossCircle(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2, int n);

}  // namespace Bezier2

namespace Bezier3 {

Vector Point(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t);
Vector Tangent(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t);
Vector Normal(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t);
// Arc length from t1 to t2 by Simpson's rule with n double intervals.
double ArcLength(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double t1, double t2,
                 int n);
// Length of the whole curve as the sum of n chords.
float Length(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int n);
// The point of the QUADRATIC p0, p1, p2 at which the chord sum from p0
// reaches len (the historical home of the quadratic chord walk).
Vector PointAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n);
// Crossing with the line (p, dir): steps of 1/n first, then bisection.
Vector CrossLineFrom(const Vector& p, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                     const Vector& p3, float& t, int n, int flag);
// Bracketing crossing with the line (a, dir), as Bezier2::CrossLine.
Vector CrossLine(const Vector& a, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                 const Vector& p3, float& t);
// Crossing of the QUADRATIC p0, p1, p2 with the circle (c, r), bracketing.
Vector CrossCurve(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2, float& t);
// Crossing with the circle (c, r) by n + 1 halvings.
Vector CrossCircle(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2,
                   const Vector& p3, int n);

}  // namespace Bezier3

// Iteration bounds of the open-ended curve searches.  Reaching one throws
// EFloatError: the construction is degenerate, not merely slow.
//
// Chord walks (ParamAtChordLength, PointAtChordLength, Bezier3::PointAtLength)
// take one step per 1/n of t and go on past t = 1.  With the callers' n of
// tens to hundreds, 100000 steps walk the continued curve out to t = 100 or
// more, hundreds of curve lengths; a length still not reached is one the
// curve never reaches (all control points equal, or a float sum that has
// stopped growing).
constexpr int kMaxChordSteps = 100000;
// Bisections on t (the oriented searches, the bracketing crossings): each
// round halves a float interval; from any finite start (at most 2^128 wide)
// the interval is down to 0.001, or to two neighbouring floats, within about
// 150 rounds, after which a probe can no longer move.  200 leaves a margin.
constexpr int kMaxBisectionSteps = 200;
// The proportional length search needs a few rounds on the gentle curves of
// a pattern and many only where the speed along the curve nearly vanishes
// (a sharp turn), where the remainder r shrinks by a factor (1 - c*sqrt(r))
// a round: among millions of random curves up to 4 m across the worst took
// about 240 rounds.  2000 rounds leave a wide margin and cost well under a
// millisecond; curves kilometres long, where float t cannot place a point
// to 0.005 cm, end at the bound.
constexpr int kMaxLengthSteps = 2000;
