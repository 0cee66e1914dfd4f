// Plane geometry of the drafting sheet.
//
// Arithmetic runs in double and every result is stored back as float through
// FloatStore, which refuses a non-finite value.  The formulas keep the order
// of the drafting rules (the crossing of two lines in particular), so that
// results agree with the method to the last digit that matters.
#include "kernel/Geometry.h"

#include <cmath>
#include <cstring>

#include "kernel/FloatStore.h"

using FloatStore::Point;
using FloatStore::Scalar;

namespace {

double Dot2(const Vector& a, const Vector& b) { return double(a.x) * b.x + double(a.y) * b.y; }
double Cross2(const Vector& a, const Vector& b) { return double(a.x) * b.y - double(b.x) * a.y; }
double Length2(const Vector& v) { return std::sqrt(Dot2(v, v)); }

// The point of the line (a, unit u) at distance r from p, against u from the
// foot of the perpendicular; p beyond r on the left is returned as it is.
Vector LineCircleFrame(const Vector& p, float r, const Vector& a, const Vector& u) {
    const Vector n = Vector::Perpendicular(u);
    const float h = Scalar(Dot2(p - a, n), "line and circle");
    if (h > r) return p;
    // p beyond r on the right: the square root of a negative number.
    const double w = Checked::Sqrt(double(r) * r - double(h) * h, "line and circle");
    return Point(double(p.x) - double(n.x) * h - double(u.x) * w, double(p.y) - double(n.y) * h - double(u.y) * w,
                 "line and circle");
}

}  // namespace

// ---- Vector -------------------------------------------------------------

float Vector::Dot(const Vector& a, const Vector& b) { return Scalar(Dot2(a, b), "dot product"); }

float Vector::Cross(const Vector& a, const Vector& b) { return Scalar(Cross2(a, b), "cross product"); }

Vector Vector::UnitBetween(const Vector& a, const Vector& b) {
    return FloatStore::Unit(double(b.x) - a.x, double(b.y) - a.y, "unit vector of equal points");
}

Vector Vector::UnitNormalBetween(const Vector& a, const Vector& b) {
    return FloatStore::UnitNormal(double(b.x) - a.x, double(b.y) - a.y, "unit normal of equal points");
}

void Vector::Rotate(Vector& v, float angle) { v = Geom::Rotated(v, angle); }

Vector operator+(Vector a, Vector b) { return Point(double(a.x) + b.x, double(a.y) + b.y, "vector sum"); }

Vector operator-(Vector a, Vector b) { return Point(double(a.x) - b.x, double(a.y) - b.y, "vector difference"); }

Vector operator*(Vector v, float k) { return Point(double(k) * v.x, double(k) * v.y, "vector scaling"); }

Vector operator/(Vector v, float k) {
    return Point(Checked::Div(v.x, k, "vector division"), Checked::Div(v.y, k, "vector division"),
                 "vector division");
}

// ---- VectorPair ---------------------------------------------------------

VectorPair::VectorPair(float x, float y) {
    std::memcpy(&xbits, &x, sizeof x);
    std::memcpy(&ybits, &y, sizeof y);
}

Vector VectorPair::ToVector() const {
    Vector v;
    std::memcpy(&v.x, &xbits, sizeof v.x);
    std::memcpy(&v.y, &ybits, sizeof v.y);
    return v;
}

// ---- Matrix2 ------------------------------------------------------------

Matrix2 Matrix2::Multiply(const Matrix2& m, const Matrix2& n) {
    const char* what = "matrix product";
    return Matrix2(Scalar(double(m.a) * n.a + double(m.b) * n.c, what),
                   Scalar(double(m.a) * n.b + double(m.b) * n.d, what),
                   Scalar(double(m.c) * n.a + double(m.d) * n.c, what),
                   Scalar(double(m.c) * n.b + double(m.d) * n.d, what));
}

Matrix2 Matrix2::Transposed(const Matrix2& m) { return Matrix2(m.a, m.c, m.b, m.d); }

Vector Matrix2::Apply(const Matrix2& m, const Vector& v) {
    return Point(double(m.a) * v.x + double(m.b) * v.y, double(m.c) * v.x + double(m.d) * v.y, "matrix apply");
}

Matrix2 Matrix2::MapSegment2(const Vector& a1, const Vector& b1, const Vector& a2, const Vector& b2) {
    const char* what = "segment map of a zero segment";
    const Vector f = b1 - a1;
    const Vector g = b2 - a2;
    const double l1l2 = Length2(f) * Length2(g);
    const float c = Scalar(Checked::Div(Dot2(f, g), l1l2, what), what);
    const float s = Scalar(Checked::Div(Cross2(f, g), l1l2, what), what);
    return Matrix2(c, -s, s, c);
}

Matrix2 Matrix2::MapSegment(const Vector& a1, const Vector& b1, const Vector& a2, const Vector& b2) {
    const char* what = "segment map of a zero segment";
    const Matrix2 r = MapSegment2(a1, b1, a2, b2);
    const Vector f = b1 - a1;
    const Vector g = b2 - a2;
    const double l1 = Length2(f);
    const double l2 = Length2(g);
    // Stretch by L2/L1 along the direction of g: Q S Q^T, Q turning x onto g.
    // The product R (Q S Q^T) is the drafting rule's order: the stretch acts
    // before the turn, so f itself lands on g exactly when f is parallel to
    // g; for other pairs the result is what the rule gives, kept as it is.
    const Matrix2 stretch(Scalar(Checked::Div(l2, l1, what), what), 0.0f, 0.0f, 1.0f);
    const float gx = Scalar(Checked::Div(g.x, l2, what), what);
    const float gy = Scalar(Checked::Div(g.y, l2, what), what);
    const Matrix2 q(gx, -gy, gy, gx);
    return Multiply(r, Multiply(Multiply(q, stretch), Transposed(q)));
}

// ---- AxesSystem ---------------------------------------------------------

void AxesSystem::Init(const Vector& origin_, const Vector& axis) {
    origin = origin_;
    ex = axis;
    ey = Vector::Perpendicular(axis);
}

Vector AxesSystem::ToLocal(const Vector& p) {
    d = p - origin;
    u = Vector::Dot(d, ex);
    v = Vector::Dot(d, ey);
    return Vector(u, v);
}

// ---- Geom ---------------------------------------------------------------

namespace Geom {

float Distance(const Vector& a, const Vector& b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    return Scalar(std::sqrt(dx * dx + dy * dy), "distance");
}

Vector PointAlong(const Vector& origin, const Vector& dir, float len) {
    return Point(origin.x + double(dir.x) * len, origin.y + double(dir.y) * len, "point along");
}

float XAtY(const Vector& a, const Vector& b, float y) {
    const char* what = "x of a horizontal line";
    const double q = Checked::Div((double(y) - a.y) * (double(b.x) - a.x), double(b.y) - a.y, what);
    return Scalar(a.x + q, what);
}

float Side(const Vector& a, const Vector& dir, const Vector& p) {
    return Scalar((double(p.y) - a.y) * dir.x - (double(p.x) - a.x) * dir.y, "side of a line");
}

float DistanceToCircle(const Vector& c, float r, const Vector& q) {
    return Scalar(double(Distance(c, q)) - r, "distance to a circle");
}

namespace {

// asin(product / (|p - a| |b - a|)) for the cross or the dot product.
float SideAngle(const Vector& p, const Vector& a, const Vector& b, double (*product)(const Vector&, const Vector&),
                const char* what) {
    const Vector pa = p - a;
    const Vector ba = b - a;
    const double ratio = Checked::Div(product(pa, ba), Length2(pa) * Length2(ba), what);
    return Scalar(Checked::Asin(ratio, what), what);
}

}  // namespace

float Angle(const Vector& p, const Vector& a, const Vector& b) { return SideAngle(p, a, b, Cross2, "angle"); }

float ComplementAngle(const Vector& p, const Vector& a, const Vector& b) {
    return SideAngle(p, a, b, Dot2, "complement angle");
}

Vector IntersectLines(const Vector& p1, const Vector& p2, const Vector& d1, const Vector& d2) {
    const double den = (-double(d2.y)) * d1.x - (-double(d2.x)) * d1.y;
    const double num = (double(p2.x) - p1.x) * (-double(d2.y)) - (double(p2.y) - p1.y) * (-double(d2.x));
    double s;
    try {
        s = Checked::Div(num, den, "crossing of lines");
    } catch (const EFloatError&) {
        // Parallel or coincident lines: the midpoint of the two given points.
        return Point((double(p1.x) + p2.x) / 2, (double(p1.y) + p2.y) / 2, "crossing of lines");
    }
    return Point(p1.x + double(d1.x) * s, p1.y + double(d1.y) * s, "crossing of lines");
}

Vector IntersectSegments(const Vector& a, const Vector& b, const Vector& c, const Vector& d, float& s) {
    const Vector dc = d - c;
    double q;
    try {
        q = Checked::Div(Cross2(c - a, dc), Cross2(b - a, dc), "crossing of segments");
    } catch (const EFloatError&) {
        // ab parallel to cd.
        s = -100.0f;
        return Point((double(a.x) + b.x) / 2, (double(a.y) + b.y) / 2, "crossing of segments");
    }
    s = Scalar(q, "crossing of segments");
    return Point(a.x + (double(b.x) - a.x) * s, a.y + (double(b.y) - a.y) * s, "crossing of segments");
}

Vector LineCircle(const Vector& p, float r, const Vector& a, const Vector& u) { return LineCircleFrame(p, r, a, u); }

Vector RoundCorner2(const Vector& p, float r, const Vector& a, const Vector& b) {
    return LineCircleFrame(p, r, a, eVector(a, b));
}

Vector CircleCross(const Vector& a, const Vector& b, float r1, float r2, int flag) {
    const char* what = "compass construction";
    const eVector e(a, b);  // a == b throws here
    const Vector n = Vector::Perpendicular(e);
    const double d = Length2(b - a);
    const double k = Checked::Div(d * d + double(r1) * r1 - double(r2) * r2, 2 * d, what);
    const double q = double(r1) * r1 - k * k;
    // Circles that do not meet: the point on ab.
    const double h = q > 0 ? std::sqrt(q) : 0.0;
    const double side = flag != 0 ? h : -h;
    return Point(a.x + e.x * k + n.x * side, a.y + e.y * k + n.y * side, what);
}

Vector MirrorInAxes(const Vector& o, const Vector& p, const Vector& u, const Vector& n) {
    const Vector w = p - o;
    const double along = Dot2(u, w);
    const double across = Dot2(n, w);
    return Point(o.x + u.x * along - n.x * across, o.y + u.y * along - n.y * across, "mirror image");
}

Vector Mirror(const Vector& a, const Vector& b, const Vector& p) {
    const eVector e(a, b);
    return MirrorInAxes(a, p, e, Vector::Perpendicular(e));
}

Vector Rotated(const Vector& v, float angle) {
    const double c = std::cos(double(angle));
    const double s = std::sin(double(angle));
    return Point(v.x * c - v.y * s, v.x * s + v.y * c, "rotation");
}

namespace {

// Below this |x| (pi/12) the quotients are taken from their series.
constexpr double kSeriesBound = 0.2617993877991494;

}  // namespace

float SinX_X(float x) {
    if (std::fabs(double(x)) > kSeriesBound) return Scalar(std::sin(double(x)) / x, "sin x / x");
    const double a = float(double(x) * x);
    return Scalar(1.0 - a / 6.0 + a * a / 120.0 - a * a * a / 5040.0 + a * a * a * a / 362880.0, "sin x / x");
}

float OneMinusCosX_X(float x) {
    if (std::fabs(double(x)) > kSeriesBound) return Scalar((1.0 - std::cos(double(x))) / x, "(1 - cos x) / x");
    const double a = float(double(x) * x);
    return Scalar(x * (1.0 / 2.0 - a / 24.0 + a * a / 720.0 - a * a * a / 40320.0), "(1 - cos x) / x");
}

}  // namespace Geom
