// Plane geometry of the drafting sheet: points and directions in
// centimetres, y pointing up.
//
// Results are stored as float, as the cutting method stores them; the
// arithmetic in between may be wider.  Every operation that can meet a
// degenerate construction (a unit vector of two equal points, the square
// root of a negative number, an arcsine beyond ±1) throws EFloatError.
#pragma once

#include <cstdint>

#include "kernel/Checked.h"

struct Vector {
    float x = 0.0f;
    float y = 0.0f;

    // Points start at (0, 0): a point that a construction never reaches
    // shows a real (if meaningless) distance instead of garbage.
    constexpr Vector() = default;
    constexpr Vector(float x_, float y_) : x(x_), y(y_) {}

    static Vector Make(float x, float y) { return Vector(x, y); }
    // b - a.
    static Vector Between(const Vector& a, const Vector& b) { return Vector(b.x - a.x, b.y - a.y); }
    static Vector Between2(const Vector& a, const Vector& b) { return Between(a, b); }
    static void Assign(Vector& dst, const Vector& src) { dst = src; }
    // (x1 + x2, y1 + y2).
    static Vector Sum(float x1, float y1, float x2, float y2) { return Vector(x1 + x2, y1 + y2); }
    // (x - v.x, y - v.y).
    static Vector Minus(float x, float y, const Vector& v) { return Vector(x - v.x, y - v.y); }
    static float Dot(const Vector& a, const Vector& b);
    // a.x*b.y - b.x*a.y.
    static float Cross(const Vector& a, const Vector& b);
    // (b - a)/|b - a|; equal points throw.
    static Vector UnitBetween(const Vector& a, const Vector& b);
    // d = b - a; (-d.y, d.x)/|d|: the unit normal to the left of a->b.
    static Vector UnitNormalBetween(const Vector& a, const Vector& b);
    // (-v.y, v.x): turned +90 degrees, length kept.
    static Vector Perpendicular(const Vector& v) { return Vector(-v.y, v.x); }
    static Vector Perpendicular2(const Vector& v) { return Perpendicular(v); }
    // Turns v in place by angle radians, counter-clockwise.
    static void Rotate(Vector& v, float angle);
};

Vector operator+(Vector a, Vector b);
Vector operator-(Vector a, Vector b);
Vector operator*(Vector v, float k);
// Division by zero throws.
Vector operator/(Vector v, float k);
inline bool operator==(const Vector& a, const Vector& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const Vector& a, const Vector& b) { return !(a == b); }

// The unit direction from a towards b.
struct eVector : Vector {
    eVector(const Vector& a, const Vector& b) : Vector(Vector::UnitBetween(a, b)) {}
};

// The unit normal of the segment a->b, turned +90 degrees.
struct nVector : Vector {
    nVector(const Vector& a, const Vector& b) : Vector(Vector::UnitNormalBetween(a, b)) {}
};

// The bit patterns of x and y in one piece.
struct VectorPair {
    std::uint32_t xbits = 0;
    std::uint32_t ybits = 0;
    VectorPair() = default;
    VectorPair(float x, float y);
    explicit VectorPair(const Vector& v) : VectorPair(v.x, v.y) {}
    static Vector Make(float x, float y) { return Vector(x, y); }
    Vector ToVector() const;
};

// Three points held together.
struct Vector3 {
    Vector v[3];
    Vector3() = default;
    Vector& operator[](int i) { return v[i]; }
    const Vector& operator[](int i) const { return v[i]; }
};

// Row-major 2x2 matrix: (x, y) -> (a*x + b*y, c*x + d*y).
struct Matrix2 {
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f;
    Matrix2() = default;
    Matrix2(float a_, float b_, float c_, float d_) : a(a_), b(b_), c(c_), d(d_) {}

    static Matrix2 Multiply(const Matrix2& m, const Matrix2& n);
    static Matrix2 Transposed(const Matrix2& m);
    static Vector Apply(const Matrix2& m, const Vector& v);
    // Turns segment a1b1 onto the direction of a2b2 and stretches it along
    // that direction by |a2b2|/|a1b1|.  A zero-length segment throws.
    static Matrix2 MapSegment(const Vector& a1, const Vector& b1, const Vector& a2, const Vector& b2);
    // The rotation part of MapSegment alone.
    static Matrix2 MapSegment2(const Vector& a1, const Vector& b1, const Vector& a2, const Vector& b2);
};

// A local frame: origin, x axis ex (unit by contract, stored as given),
// y axis ey = ex turned +90 degrees.  ToLocal keeps the last difference d and
// the last local coordinates u, v.
class AxesSystem {
public:
    Vector d;
    Vector ex;
    Vector ey;
    Vector origin;
    float u = 0.0f;
    float v = 0.0f;

    AxesSystem() = default;
    AxesSystem(const Vector& origin_, const Vector& axis) { Init(origin_, axis); }
    void Init(const Vector& origin_, const Vector& axis);
    Vector ToLocal(const Vector& p);
};

namespace Geom {

// |b - a|.
float Distance(const Vector& a, const Vector& b);
// origin + dir*len.
Vector PointAlong(const Vector& origin, const Vector& dir, float len);
// x of the line ab at height y; a horizontal line throws.
float XAtY(const Vector& a, const Vector& b, float y);
// Positive when p lies left of the directed line (a, dir), 0 on it.
float Side(const Vector& a, const Vector& dir, const Vector& p);
// |q - c| - r: positive outside the circle.
float DistanceToCircle(const Vector& c, float r, const Vector& q);
// asin(((p - a) x (b - a)) / (|p - a| |b - a|)): positive when p lies right
// of (clockwise from) a->b.  A zero side or a ratio beyond ±1 throws.
float Angle(const Vector& p, const Vector& a, const Vector& b);
// asin of the normalised dot product: pi/2 minus the angle between the sides.
float ComplementAngle(const Vector& p, const Vector& a, const Vector& b);
// Crossing of p1 + s*d1 with p2 + w*d2; parallel lines give (p1 + p2)/2.
Vector IntersectLines(const Vector& p1, const Vector& p2, const Vector& d1, const Vector& d2);
// Crossing of line ab with line cd and its parameter s along ab (0 at a,
// 1 at b); parallel lines give (a + b)/2 with s = -100.
Vector IntersectSegments(const Vector& a, const Vector& b, const Vector& c, const Vector& d, float& s);
// Point of the line (a, unit direction u) at distance r from p, the crossing
// that lies against u from the foot of the perpendicular.  p farther than r
// on the left: p itself; farther than r on the right: throws.
Vector LineCircle(const Vector& p, float r, const Vector& a, const Vector& u);
// The same for the line through a and b.
Vector RoundCorner2(const Vector& p, float r, const Vector& a, const Vector& b);
// Compass construction: the point at r1 from a and r2 from b, left of a->b
// when flag is non-zero, right of it when flag is 0.  Circles that do not
// meet give the point on ab; a == b throws.
Vector CircleCross(const Vector& a, const Vector& b, float r1, float r2, int flag);
// Mirror image of p in the line through a and b.
Vector Mirror(const Vector& a, const Vector& b, const Vector& p);
// p mirrored across the axis (o, u) of the unit frame (u, n).
Vector MirrorInAxes(const Vector& o, const Vector& p, const Vector& u, const Vector& n);
// v turned by angle radians, counter-clockwise; v unchanged.
Vector Rotated(const Vector& v, float angle);
inline Vector Rotated2(const Vector& v, float angle) { return Rotated(v, angle); }
// sin x / x and (1 - cos x)/x, by series near zero.
float SinX_X(float x);
float OneMinusCosX_X(float x);

}  // namespace Geom
