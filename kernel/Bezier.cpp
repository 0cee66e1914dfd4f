// Quadratic and cubic Bézier curves.
//
// The searches follow the drafting rules step by step: the same probes, the
// same comparisons and the same tolerances, so that a construction finds the
// very point the method finds.  Every loop that in the rules ends only on
// reaching its tolerance is bounded (see Bezier.h); the bound throws
// EFloatError, which the calculation turns into a rerun and a message.
#include "kernel/Bezier.h"

#include <cmath>

#include "kernel/FloatStore.h"

using FloatStore::Point;
using FloatStore::Scalar;

namespace {

// A point of a curve and the direction T(t) there (the difference of the two
// points of the last de Casteljau level), in double.
struct CurvePoint {
    double x, y;    // B(t)
    double tx, ty;  // T(t)
};

CurvePoint Eval2(const Vector& p0, const Vector& p1, const Vector& p2, double t) {
    const double q0x = p0.x + (double(p1.x) - p0.x) * t, q0y = p0.y + (double(p1.y) - p0.y) * t;
    const double q1x = p1.x + (double(p2.x) - p1.x) * t, q1y = p1.y + (double(p2.y) - p1.y) * t;
    const double tx = q1x - q0x, ty = q1y - q0y;
    return {q0x + tx * t, q0y + ty * t, tx, ty};
}

CurvePoint Eval3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double t) {
    const double q0x = p0.x + (double(p1.x) - p0.x) * t, q0y = p0.y + (double(p1.y) - p0.y) * t;
    const double q1x = p1.x + (double(p2.x) - p1.x) * t, q1y = p1.y + (double(p2.y) - p1.y) * t;
    const double q2x = p2.x + (double(p3.x) - p2.x) * t, q2y = p2.y + (double(p3.y) - p2.y) * t;
    const double r0x = q0x + (q1x - q0x) * t, r0y = q0y + (q1y - q0y) * t;
    const double r1x = q1x + (q2x - q1x) * t, r1y = q1y + (q2y - q1y) * t;
    const double tx = r1x - r0x, ty = r1y - r0y;
    return {r0x + tx * t, r0y + ty * t, tx, ty};
}

Vector PointOf(const CurvePoint& c) { return Point(c.x, c.y, "point of a curve"); }
Vector TangentOf(const CurvePoint& c) { return FloatStore::Unit(c.tx, c.ty, "tangent of a curve at a stop"); }
Vector NormalOf(const CurvePoint& c) { return FloatStore::UnitNormal(c.tx, c.ty, "normal of a curve at a stop"); }

}  // namespace

namespace Bezier2 {

Vector Point(const Vector& p0, const Vector& p1, const Vector& p2, float t) { return PointOf(Eval2(p0, p1, p2, t)); }
Vector Tangent(const Vector& p0, const Vector& p1, const Vector& p2, float t) {
    return TangentOf(Eval2(p0, p1, p2, t));
}
Vector Normal(const Vector& p0, const Vector& p1, const Vector& p2, float t) { return NormalOf(Eval2(p0, p1, p2, t)); }

}  // namespace Bezier2

namespace Bezier3 {

Vector Point(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t) {
    return PointOf(Eval3(p0, p1, p2, p3, t));
}
Vector Tangent(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t) {
    return TangentOf(Eval3(p0, p1, p2, p3, t));
}
Vector Normal(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t) {
    return NormalOf(Eval3(p0, p1, p2, p3, t));
}

}  // namespace Bezier3

// ---- Lengths ------------------------------------------------------------

namespace {

void RequireSteps(int n, const char* what) {
    if (n <= 0) Checked::Fail(what);
}

// Where a chord walk of the quadratic stopped: the last point reached, the
// one before it, t there, the step of t and the fraction of the last chord
// that lies beyond the length sought.
struct ChordStop {
    float t;
    float dt;
    float f;
    Vector last;
    Vector before;
};

// From p0, steps of 1/n in t (on past t = 1 if need be) until the chord sum
// reaches len.
ChordStop ChordWalk(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n) {
    const char* what = "chord walk along a curve";
    RequireSteps(n, what);
    ChordStop stop{0.0f, 1.0f / n, 0.0f, p0, p0};
    float sum = 0.0f;
    float step = 0.0f;
    int steps = 0;
    do {
        if (++steps > kMaxChordSteps) Checked::Fail("chord walk never reached its length");
        stop.before = stop.last;
        stop.t += stop.dt;
        stop.last = Bezier2::Point(p0, p1, p2, stop.t);
        step = Geom::Distance(stop.before, stop.last);
        sum += step;
    } while (sum < len);
    stop.f = Scalar(Checked::Div(double(sum) - len, step, what), what);
    return stop;
}

Vector ChordWalkPoint(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n) {
    const ChordStop stop = ChordWalk(p0, p1, p2, len, n);
    return stop.last + (stop.before - stop.last) * stop.f;
}

// The speed |B'(t)| of the cubic.
double CubicSpeed(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double t) {
    const double u = 1.0 - t;
    const double k0 = -u * u, k1 = u * (1.0 - 3.0 * t), k2 = t * (2.0 - 3.0 * t), k3 = t * t;
    const double x = k0 * p0.x + k1 * p1.x + k2 * p2.x + k3 * p3.x;
    const double y = k0 * p0.y + k1 * p1.y + k2 * p2.y + k3 * p3.y;
    return 3.0 * std::sqrt(x * x + y * y);
}

}  // namespace

namespace Bezier2 {

float ArcLength(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2) {
    const char* what = "length of a quadratic curve";
    const double ax = double(p0.x) - 2.0 * p1.x + p2.x, ay = double(p0.y) - 2.0 * p1.y + p2.y;
    const double px = double(p1.x) - p0.x, py = double(p1.y) - p0.y;
    const float o = float(ax * ax + ay * ay);
    // Nearly straight: the chord.
    if (o < 0.01) return Scalar(double(Geom::Distance(p0, p2)) * (double(t2) - t1), what);

    const float v = float((px * px + py * py) / o);
    const float w = float(2.0 * (ax * px + ay * py) / o);
    const float k = float(double(v) - double(w) * w / 4.0);
    const double g = std::sqrt(double(o));
    if (std::fabs(double(k)) >= 0.0001) {
        const double q1 = v + double(t1) * t1 + double(w) * t1;
        const double q2 = v + double(t2) * t2 + double(w) * t2;
        const double f1 = q1 > 0 ? std::sqrt(q1) : 0.0;
        const double f2 = q2 > 0 ? std::sqrt(q2) : 0.0;
        const double h1 = t1 + w / 2.0;
        const double h2 = t2 + w / 2.0;
        return Scalar(g * (k * std::log(std::fabs((h2 + f2) / (h1 + f1))) + h2 * f2 - h1 * f1), what);
    }
    // The speed passes through zero at t = -w/2.
    const double stop = -w / 2.0;
    const double e1 = t1 * (w + double(t1));
    const double e2 = t2 * (w + double(t2));
    if (t1 < stop && t2 > stop) return Scalar(g * (e2 + e1 + double(w) * w / 2.0), what);
    return Scalar(g * std::fabs(e2 - e1), what);
}

float ParamAtChordLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n) {
    const ChordStop stop = ChordWalk(p0, p1, p2, len, n);
    return Scalar(stop.t - double(stop.f) * stop.dt, "chord walk along a curve");
}

Vector PointAtChordLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n) {
    return ChordWalkPoint(p0, p1, p2, len, n);
}

float ParamAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float& t, float len) {
    const char* what = "length search along a curve";
    float lo = t;
    float hi = 1.0f;
    float rem = len;
    float probe;
    for (int round = 0;; ++round) {
        if (round == kMaxLengthSteps) Checked::Fail("length search did not converge");
        const float whole = ArcLength(p0, p1, p2, lo, hi);
        probe = Scalar(lo + Checked::Div((double(hi) - lo) * rem, whole, what), what);
        const float seg = ArcLength(p0, p1, p2, lo, probe);
        const float r = rem - seg;
        if (std::fabs(double(r)) < 0.005) break;
        if (r > 0) {
            lo = probe;
            rem = r;
        } else {
            hi = probe;
        }
    }
    t = probe;
    return probe;
}

Vector PointAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float& t, float len) {
    return Point(p0, p1, p2, ParamAtLength(p0, p1, p2, t, len));
}

}  // namespace Bezier2

namespace Bezier3 {

double ArcLength(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double t1, double t2,
                 int n) {
    const char* what = "length of a cubic curve";
    RequireSteps(n, what);
    const double h = (t2 - t1) / (2.0 * n);
    double odd = 0.0;
    double even = 0.0;
    double x = t1;
    for (int i = 1; i < 2 * n; ++i) {
        x += h;
        (i % 2 != 0 ? odd : even) += CubicSpeed(p0, p1, p2, p3, x);
    }
    const double ends = CubicSpeed(p0, p1, p2, p3, t1) + CubicSpeed(p0, p1, p2, p3, t2);
    return Checked::Finite((t2 - t1) / (6.0 * n) * ends + (t2 - t1) / (3.0 * n) * (2.0 * odd + even), what);
}

float Length(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int n) {
    RequireSteps(n, "length of a cubic curve");
    const float dt = 1.0f / n;
    float t = 0.0f;
    float sum = 0.0f;
    Vector previous = p0;
    for (int i = 0; i < n; ++i) {
        t += dt;
        const Vector next = Point(p0, p1, p2, p3, t);
        sum += Geom::Distance(previous, next);
        previous = next;
    }
    return Scalar(sum, "length of a cubic curve");
}

Vector PointAtLength(const Vector& p0, const Vector& p1, const Vector& p2, float len, int n) {
    return ChordWalkPoint(p0, p1, p2, len, n);
}

}  // namespace Bezier3

// ---- Searches -----------------------------------------------------------

namespace {

// B(t) - p when flag is non-zero, p - B(t) when it is 0.
Vector Offset(const Vector& b, const Vector& p, int flag) { return flag != 0 ? b - p : p - b; }

// Bisection on t inside [lo, hi] from the probe t by the sign of value(t):
// a non-negative value moves hi down, a negative one lo up, until the
// interval is 0.001 wide.  Returns the last probe.
template <class Value>
float OrientedBisection(float lo, float hi, float t, Value value) {
    float s = value(t);
    int rounds = 0;
    while (double(hi) - lo > 0.001) {
        if (++rounds > kMaxBisectionSteps) Checked::Fail("bisection on a curve did not narrow");
        if (s >= 0) {
            hi = t;
        } else {
            lo = t;
        }
        t = (lo + hi) / 2;
        s = value(t);
    }
    return t;
}

// The oriented bisection of the quadratic over [0, 1] from the caller's t.
template <class Value>
Vector OrientedSearch2(const Vector& p0, const Vector& p1, const Vector& p2, float& t, Value value) {
    const float found = OrientedBisection(0.0f, 1.0f, t, value);
    t = found;
    return Bezier2::Point(p0, p1, p2, found);
}

// The bracketing search on a value f of the curve point, to |f| <= 0.005.
// A search that finds both ends (and the probe) on one side returns the end
// nearer zero.
template <class Value, class PointAt>
Vector BracketSearch(const Vector& first, const Vector& last, float& t, Value f, PointAt point) {
    float f0 = f(first);
    float f1 = f(last);
    float lo = 0.0f;
    float hi = 1.0f;
    float probe = t;
    for (int round = 0;; ++round) {
        if (round == kMaxBisectionSteps) Checked::Fail("crossing search did not converge");
        const Vector b = point(probe);
        const float fb = f(b);
        if (std::fabs(double(fb)) <= 0.005) {
            t = probe;
            return b;
        }
        bool oneSide = false;
        if (fb > 0) {
            if (f0 > 0 && f1 > 0) {
                oneSide = true;
            } else if (f0 > 0) {
                lo = probe;
                f0 = fb;
            } else {
                hi = probe;
                f1 = fb;
            }
        } else if (f0 >= 0) {
            hi = probe;
            f1 = fb;
        } else if (f1 >= 0) {
            lo = probe;
            f0 = fb;
        } else {
            oneSide = true;
        }
        if (oneSide) {
            // Both positive: the last end only when it is the smaller;
            // both negative: the first end when it is the larger; ties go
            // to the first end.
            const bool lastEnd = f0 > 0 ? f0 > f1 : f0 < f1;
            t = lastEnd ? 1.0f : 0.0f;
            return lastEnd ? last : first;
        }
        probe = (lo + hi) / 2;
    }
}

// n + 1 halvings of [0, 1] on the sign of |B(t) - c|^2 - r^2, keeping the
// half whose start lies on the side of the curve start.
template <class PointAt>
Vector CircleHalvings(const Vector& c, float r, const Vector& first, int n, PointAt point) {
    const char* what = "crossing with a circle";
    if (n < 0) Checked::Fail(what);
    const auto g = [&](const Vector& b) {
        const double dx = double(b.x) - c.x, dy = double(b.y) - c.y;
        return Scalar(dx * dx + dy * dy - double(r) * r, what);
    };
    float glo = g(first);
    float lo = 0.0f;
    float hi = 1.0f;
    Vector b = first;
    for (int i = 0; i <= n; ++i) {
        const float t = (lo + hi) / 2;
        b = point(t);
        const float gt = g(b);
        if ((gt > 0 && glo >= 0) || (gt <= 0 && glo <= 0)) {
            lo = t;
            glo = gt;
        } else {
            hi = t;
        }
    }
    return b;
}

}  // namespace

// The oriented searches of the quadratic.  With v = B(t) - p (flag non-zero)
// or p - B(t) (flag 0), the value bisected on is
//   ParamForDirection   dir . N(t), negated when flag is 0
//   TangentFromPoint    (v/|v|) . N(t)
//   PerpendicularFrom   v . T(t)/|T(t)|
//   CrossLineFrom       dir x v
// The caller picks the flag that makes the value negative before the point
// wanted and positive after it.
namespace Bezier2 {

Vector ParamForDirection(const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2, float& t,
                         int flag) {
    return OrientedSearch2(p0, p1, p2, t, [&](float tt) {
        const float s = Vector::Dot(dir, Normal(p0, p1, p2, tt));
        return flag != 0 ? s : -s;
    });
}

Vector TangentFromPoint(const Vector& p, const Vector& p0, const Vector& p1, const Vector& p2, float& t, int flag) {
    return OrientedSearch2(p0, p1, p2, t, [&](float tt) {
        const CurvePoint c = Eval2(p0, p1, p2, tt);
        const Vector v = Offset(PointOf(c), p, flag);
        const Vector unit = FloatStore::Unit(v.x, v.y, "tangent from a point on the curve");
        return Vector::Dot(unit, NormalOf(c));
    });
}

Vector PerpendicularFrom(const Vector& p, const Vector& p0, const Vector& p1, const Vector& p2, float& t,
                         int flag) {
    return OrientedSearch2(p0, p1, p2, t, [&](float tt) {
        const CurvePoint c = Eval2(p0, p1, p2, tt);
        return Vector::Dot(Offset(PointOf(c), p, flag), TangentOf(c));
    });
}

Vector CrossLineFrom(const Vector& p, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                     float& t, int flag) {
    return OrientedSearch2(p0, p1, p2, t,
                           [&](float tt) { return Vector::Cross(dir, Offset(Point(p0, p1, p2, tt), p, flag)); });
}

Vector CrossLine(const Vector& a, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                 float& t) {
    return BracketSearch(
        p0, p2, t, [&](const Vector& b) { return Geom::Side(a, dir, b); },
        [&](float tt) { return Point(p0, p1, p2, tt); });
}

Vector CrossCircle(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2, int n) {
    return CircleHalvings(c, r, p0, n, [&](float tt) { return Point(p0, p1, p2, tt); });
}

}  // namespace Bezier2

namespace Bezier3 {

Vector CrossLineFrom(const Vector& p, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                     const Vector& p3, float& t, int n, int flag) {
    const auto value = [&](float tt) { return Vector::Cross(dir, Offset(Point(p0, p1, p2, p3, tt), p, flag)); };
    const float s0 = Vector::Cross(dir, Offset(p0, p, flag));
    // The line is already passed at the start.
    if (s0 > 0) {
        t = 0.0f;
        return p0;
    }
    RequireSteps(n, "crossing of a cubic curve with a line");
    // Steps of 1/n until the side changes (at most n steps past the first).
    const float dt = 1.0f / n;
    float probe = dt;
    float previous = s0;
    float current = value(probe);
    for (int i = 0; i < n && double(previous) * current > 0; ++i) {
        probe += dt;
        previous = current;
        current = value(probe);
    }
    const float lo = probe - dt;
    const float hi = probe;
    const float found = OrientedBisection(lo, hi, (lo + hi) / 2, value);
    t = found;
    return Point(p0, p1, p2, p3, found);
}

Vector CrossLine(const Vector& a, const Vector& dir, const Vector& p0, const Vector& p1, const Vector& p2,
                 const Vector& p3, float& t) {
    return BracketSearch(
        p0, p3, t, [&](const Vector& b) { return Geom::Side(a, dir, b); },
        [&](float tt) { return Point(p0, p1, p2, p3, tt); });
}

Vector CrossCurve(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2, float& t) {
    return BracketSearch(
        p0, p2, t, [&](const Vector& b) { return Geom::DistanceToCircle(c, r, b); },
        [&](float tt) { return Bezier2::Point(p0, p1, p2, tt); });
}

Vector CrossCircle(const Vector& c, float r, const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3,
                   int n) {
    return CircleHalvings(c, r, p0, n, [&](float tt) { return Point(p0, p1, p2, p3, tt); });
}

}  // namespace Bezier3
