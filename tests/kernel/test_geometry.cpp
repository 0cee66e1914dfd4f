// Plane geometry of the drafting sheet: the vector operations, the frame,
// the matrix, the free constructions and their degenerate cases.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "kernel/Geometry.h"
#include "kernel/Units.h"

namespace {

constexpr float kPi = 3.14159265358979f;

void ExpectNear(const Vector& got, const Vector& want, float tol = 1e-5f) {
    EXPECT_NEAR(got.x, want.x, tol) << "x of (" << got.x << ", " << got.y << ")";
    EXPECT_NEAR(got.y, want.y, tol) << "y of (" << got.x << ", " << got.y << ")";
}

void ExpectMatrixNear(const Matrix2& m, float a, float b, float c, float d) {
    EXPECT_NEAR(m.a, a, 1e-6);
    EXPECT_NEAR(m.b, b, 1e-6);
    EXPECT_NEAR(m.c, c, 1e-6);
    EXPECT_NEAR(m.d, d, 1e-6);
}

}  // namespace

TEST(Vector, ProductsAndTurns) {
    const Vector a(3, 1), b(-2, 5);
    EXPECT_FLOAT_EQ(Vector::Dot(a, b), -6 + 5);
    EXPECT_FLOAT_EQ(Vector::Cross(a, b), 3 * 5 - (-2) * 1);
    EXPECT_FLOAT_EQ(Vector::Cross(b, a), -Vector::Cross(a, b));
    EXPECT_EQ(Vector::Perpendicular(Vector(1, 0)), Vector(0, 1));
    EXPECT_EQ(Vector::Between(a, b), Vector(-5, 4));
    EXPECT_EQ(Vector::Minus(1, 1, a), Vector(-2, 0));
    EXPECT_EQ(a * 2 - b / 2, Vector(7, -0.5f));

    // Counter-clockwise for a positive angle; Rotated leaves its argument.
    Vector v(1, 0);
    Vector::Rotate(v, kPi / 2);
    ExpectNear(v, Vector(0, 1));
    const Vector w(2, 0);
    ExpectNear(Geom::Rotated(w, -kPi / 2), Vector(0, -2));
    EXPECT_EQ(w, Vector(2, 0));
}

TEST(Vector, UnitDirectionAndLeftNormal) {
    const Vector a(1, 1), b(4, 5);  // |ab| = 5
    ExpectNear(eVector(a, b), Vector(0.6f, 0.8f));
    ExpectNear(nVector(a, b), Vector(-0.8f, 0.6f));
    // The normal lies to the left of a->b.
    EXPECT_GT(Geom::Side(a, Vector::Between(a, b), a + nVector(a, b)), 0);
}

TEST(VectorPair, HoldsTheBitPatterns) {
    const VectorPair pair(1.0f, -2.0f);
    EXPECT_EQ(pair.xbits, 0x3F800000u);
    EXPECT_EQ(pair.ybits, 0xC0000000u);
    EXPECT_EQ(pair.ToVector(), Vector(1.0f, -2.0f));
}

TEST(Matrix2, ProductOrderApplyAndTranspose) {
    const Matrix2 m(1, 2, 3, 4), n(0, 1, 1, 0);
    const Matrix2 mn = Matrix2::Multiply(m, n);  // swaps the columns of m
    EXPECT_EQ(Vector(mn.a, mn.b), Vector(2, 1));
    EXPECT_EQ(Vector(mn.c, mn.d), Vector(4, 3));
    const Matrix2 t = Matrix2::Transposed(m);
    EXPECT_EQ(Vector(t.b, t.c), Vector(3, 2));
    EXPECT_EQ(Matrix2::Apply(m, Vector(1, -1)), Vector(-1, -1));
}

TEST(Matrix2, MapSegmentOfParallelSegmentsStretches) {
    // Along the same direction the map is a pure stretch by |a2b2|/|a1b1|.
    const Matrix2 m = Matrix2::MapSegment(Vector(0, 0), Vector(3, 4), Vector(1, 1), Vector(7, 9));
    ExpectNear(Matrix2::Apply(m, Vector(3, 4)), Vector(6, 8));
    // Across that direction nothing is stretched.
    ExpectNear(Matrix2::Apply(m, Vector(-4, 3)), Vector(-4, 3));
}

TEST(Matrix2, MapSegmentTakesTheStretchBeforeTheTurn) {
    // f = (1, 0), g = (0, 2): R turns by +90 degrees, Q S Q^T stretches y by
    // 2, and the product R (Q S Q^T) stretches first, then turns.
    ExpectMatrixNear(Matrix2::MapSegment(Vector(0, 0), Vector(1, 0), Vector(5, 5), Vector(5, 7)), 0, -2, 1, 0);
    ExpectMatrixNear(Matrix2::MapSegment2(Vector(0, 0), Vector(1, 0), Vector(5, 5), Vector(5, 7)), 0, -1, 1, 0);
}

TEST(AxesSystem, LocalCoordinatesInATurnedFrame) {
    AxesSystem axes(Vector(2, 1), eVector(Vector(0, 0), Vector(3, 4)));
    ExpectNear(axes.ey, Vector(-0.8f, 0.6f));
    ExpectNear(axes.ToLocal(Vector(2, 1)), Vector(0, 0));
    ExpectNear(axes.ToLocal(Vector(2, 1) + axes.ex), Vector(1, 0));
    ExpectNear(axes.ToLocal(Vector(2, 1) + axes.ey * 3), Vector(0, 3));
    // The frame keeps the last difference and coordinates.
    ExpectNear(axes.d, Vector(-2.4f, 1.8f));
    EXPECT_NEAR(axes.u, 0, 1e-6);
    EXPECT_NEAR(axes.v, 3, 1e-6);

    // The axis is stored as given, not normalised.
    axes.Init(Vector(0, 0), Vector(2, 0));
    ExpectNear(axes.ToLocal(Vector(1, 1)), Vector(2, 2));
}

TEST(Geom, DistancesAndPointsOnLines) {
    EXPECT_FLOAT_EQ(Geom::Distance(Vector(1, 1), Vector(4, 5)), 5);
    EXPECT_EQ(Geom::PointAlong(Vector(1, 2), Vector(0.6f, 0.8f), 5), Vector(4, 6));
    EXPECT_FLOAT_EQ(Geom::XAtY(Vector(0, 0), Vector(2, 4), 1), 0.5f);
    EXPECT_FLOAT_EQ(Geom::DistanceToCircle(Vector(0, 0), 2, Vector(3, 4)), 3);
    EXPECT_FLOAT_EQ(Geom::DistanceToCircle(Vector(0, 0), 2, Vector(1, 0)), -1);
}

TEST(Geom, SideSigns) {
    const Vector a(1, 1), dir(2, 0);
    EXPECT_EQ(Geom::Side(a, dir, Vector(5, 1)), 0);
    EXPECT_GT(Geom::Side(a, dir, Vector(0, 2)), 0);  // left of the direction
    EXPECT_LT(Geom::Side(a, dir, Vector(0, 0)), 0);  // right of it
}

TEST(Geom, AnglesBetweenSides) {
    const Vector a(0, 0), b(1, 0);
    // p clockwise from a->b: positive.
    EXPECT_FLOAT_EQ(Geom::Angle(Vector(0, -1), a, b), kPi / 2);
    EXPECT_FLOAT_EQ(Geom::Angle(Vector(1, 1), a, b), -kPi / 4);
    EXPECT_FLOAT_EQ(Geom::ComplementAngle(Vector(0, 3), a, b), 0);
    EXPECT_FLOAT_EQ(Geom::ComplementAngle(Vector(-2, 2), a, b), -kPi / 4);
}

TEST(Geom, IntersectLines) {
    ExpectNear(Geom::IntersectLines(Vector(0, 0), Vector(3, -1), Vector(1, 1), Vector(0, 2)), Vector(3, 3));
    // Parallel and coincident lines give the midpoint of the two points.
    EXPECT_EQ(Geom::IntersectLines(Vector(0, 0), Vector(2, 4), Vector(1, 1), Vector(-2, -2)), Vector(1, 2));
    EXPECT_EQ(Geom::IntersectLines(Vector(0, 0), Vector(2, 2), Vector(1, 1), Vector(3, 3)), Vector(1, 1));
}

TEST(Geom, IntersectSegments) {
    float s = 0;
    ExpectNear(Geom::IntersectSegments(Vector(0, 0), Vector(4, 0), Vector(1, -1), Vector(1, 1), s), Vector(1, 0));
    EXPECT_FLOAT_EQ(s, 0.25f);
    // The lines, not the segments: a crossing beyond b.
    ExpectNear(Geom::IntersectSegments(Vector(0, 0), Vector(1, 0), Vector(3, -1), Vector(3, 1), s), Vector(3, 0));
    EXPECT_FLOAT_EQ(s, 3);
    // Parallel: the midpoint of ab and s = -100.
    EXPECT_EQ(Geom::IntersectSegments(Vector(0, 0), Vector(4, 2), Vector(0, 1), Vector(2, 2), s), Vector(2, 1));
    EXPECT_EQ(s, -100.0f);
}

TEST(Geom, LineCircle) {
    const Vector a(0, 0), u(1, 0);
    struct Case {
        const char* name;
        Vector p;
        float r;
        Vector want;
    };
    const Case cases[] = {
        {"left beyond r: p itself", Vector(3, 3), 2, Vector(3, 3)},
        {"on the line: p - u r", Vector(3, 0), 2, Vector(1, 0)},
        {"left within r", Vector(3, 1), 2, Vector(3 - std::sqrt(3.0f), 0)},
        {"right within r", Vector(3, -1), 2, Vector(3 - std::sqrt(3.0f), 0)},
        {"touching on the left", Vector(3, 2), 2, Vector(3, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectNear(Geom::LineCircle(c.p, c.r, a, u), c.want);
        // The same through two points of the line, with |ab| != 1.
        ExpectNear(Geom::RoundCorner2(c.p, c.r, a, Vector(5, 0)), c.want);
    }
}

TEST(Geom, CircleCross) {
    const Vector a(0, 0), b(6, 0);
    ExpectNear(Geom::CircleCross(a, b, 5, 5, 1), Vector(3, 4));   // left of a->b
    ExpectNear(Geom::CircleCross(a, b, 5, 5, 0), Vector(3, -4));  // right of it
    ExpectNear(Geom::CircleCross(b, a, 5, 5, 1), Vector(3, -4));  // left of b->a
    // Circles that do not meet: the point on ab, no error.
    ExpectNear(Geom::CircleCross(a, b, 1, 2, 1), Vector(2.75f, 0));
    ExpectNear(Geom::CircleCross(a, b, 1, 2, 0), Vector(2.75f, 0));
}

TEST(Geom, MirrorImages) {
    ExpectNear(Geom::Mirror(Vector(0, 0), Vector(2, 2), Vector(1, 3)), Vector(3, 1));
    ExpectNear(Geom::Mirror(Vector(0, 1), Vector(5, 1), Vector(2, 4)), Vector(2, -2));
    const Vector o(1, 1), u(0, 1), n(-1, 0);
    ExpectNear(Geom::MirrorInAxes(o, Vector(3, 2), u, n), Vector(-1, 2));
}

TEST(Geom, SinAndCosineQuotients) {
    // The series agrees with the direct quotient on both sides of pi/12.
    const double xs[] = {1e-4, 0.05, 0.2617993, 0.2617994, 0.3, 1.5, -0.2617993, -2.0};
    for (double xd : xs) {
        const float x = float(xd);
        SCOPED_TRACE(x);
        EXPECT_NEAR(Geom::SinX_X(x), std::sin(double(x)) / x, 1e-7);
        EXPECT_NEAR(Geom::OneMinusCosX_X(x), (1 - std::cos(double(x))) / x, 1e-7);
    }
    // At zero the series answers without dividing.
    EXPECT_EQ(Geom::SinX_X(0), 1.0f);
    EXPECT_EQ(Geom::OneMinusCosX_X(0), 0.0f);
}

TEST(Geom, DegenerateConstructionsThrow) {
    const Vector p(1, 2);
    const float huge = std::numeric_limits<float>::max();
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"unit vector of equal points", [&] { Vector::UnitBetween(p, p); }},
        {"unit normal of equal points", [&] { Vector::UnitNormalBetween(p, p); }},
        {"eVector of equal points", [&] { eVector e(p, p); }},
        {"nVector of equal points", [&] { nVector n(p, p); }},
        {"division by zero", [&] { (void)(p / 0.0f); }},
        {"overflow of a scaled vector", [&] { (void)(Vector(huge, 0) * 4.0f); }},
        {"x of a horizontal line", [&] { Geom::XAtY(Vector(0, 1), Vector(5, 1), 1); }},
        {"angle with a zero side", [&] { Geom::Angle(Vector(0, 0), Vector(0, 0), Vector(1, 0)); }},
        {"angle with a zero base", [&] { Geom::Angle(Vector(1, 1), Vector(0, 0), Vector(0, 0)); }},
        {"complement angle with a zero side", [&] { Geom::ComplementAngle(p, p, Vector(0, 0)); }},
        // |v|*|v| rounds below v.v here: a ratio just beyond 1.
        {"complement angle rounding beyond 1",
         [&] { Geom::ComplementAngle(Vector(0.1f, 1.11f), Vector(0, 0), Vector(0.1f, 1.11f)); }},
        {"compass construction from one point", [&] { Geom::CircleCross(p, p, 1, 1, 1); }},
        {"segment map of a zero first segment",
         [&] { Matrix2::MapSegment(p, p, Vector(0, 0), Vector(1, 0)); }},
        {"segment map of a zero second segment",
         [&] { Matrix2::MapSegment(Vector(0, 0), Vector(1, 0), p, p); }},
        {"rotation part of a zero segment", [&] { Matrix2::MapSegment2(p, p, Vector(0, 0), Vector(1, 0)); }},
        {"line and circle: p beyond r on the right",
         [&] { Geom::LineCircle(Vector(3, -3), 2, Vector(0, 0), Vector(1, 0)); }},
        {"round corner: p beyond r on the right",
         [&] { Geom::RoundCorner2(Vector(3, -3), 2, Vector(0, 0), Vector(5, 0)); }},
        {"round corner on a zero segment", [&] { Geom::RoundCorner2(Vector(3, 0), 2, p, p); }},
        {"mirror in a zero segment", [&] { Geom::Mirror(p, p, Vector(0, 0)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_THROW(c.second(), EFloatError);
    }
}

TEST(Units, SetUpAndRelease) {
    InitModelsGlobals();
    EXPECT_FLOAT_EQ(kCmPerInch, 2.54f);
    EXPECT_FLOAT_EQ(kSheetHeight, 149);
    EXPECT_FLOAT_EQ(kSheetWidth, 105);
    EXPECT_FLOAT_EQ(kSheetQuarterWidth * 2, 52.5f);
    EXPECT_FLOAT_EQ(kPx96PerMm, 9.6f / 2.54f);
    EXPECT_FLOAT_EQ(kTable200UnitsCm, 200 * 2.54f / 96);
    EXPECT_FLOAT_EQ(kPx96PerCm, 96 / 2.54f);
    EXPECT_FALSE(FooterText.empty());
    DoneModelsGlobals();
    EXPECT_TRUE(FooterText.empty());
    InitModelsGlobals();  // other tests draw sheets with the footer
}
