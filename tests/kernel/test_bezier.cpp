// Bézier curves: evaluation, lengths, chord walks and the searches, with
// their end-point rules, their degenerate cases and their iteration bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "kernel/Bezier.h"

namespace {

void ExpectNear(const Vector& got, const Vector& want, float tol = 1e-5f) {
    EXPECT_NEAR(got.x, want.x, tol) << "x of (" << got.x << ", " << got.y << ")";
    EXPECT_NEAR(got.y, want.y, tol) << "y of (" << got.x << ", " << got.y << ")";
}

// The parabola B(t) = (2t, 4t(1 - t)): apex (1, 1) at t = 0.5.
const Vector kArch0(0, 0), kArch1(1, 2), kArch2(2, 0);
// A straight quadratic and a straight cubic with evenly spaced points:
// B(t) = (2t, 0) and (3t, 0).
const Vector kLine0(0, 0), kLine1(1, 0), kLine2(2, 0), kLine3(3, 0);
// A bent cubic.
const Vector kBend0(0, 0), kBend1(1, 3), kBend2(4, 3), kBend3(5, -1);

// Arc length by a fine midpoint rule on the de Casteljau points: an
// integration independent of the closed form and of Simpson's rule.
double ChordSum(const std::function<Vector(float)>& point, double t1, double t2) {
    const int steps = 20000;
    double sum = 0;
    Vector prev = point(float(t1));
    for (int i = 1; i <= steps; ++i) {
        const Vector next = point(float(t1 + (t2 - t1) * i / steps));
        sum += std::hypot(double(next.x) - prev.x, double(next.y) - prev.y);
        prev = next;
    }
    return sum;
}

Vector Arch(float t) { return Bezier2::Point(kArch0, kArch1, kArch2, t); }
Vector Bend(float t) { return Bezier3::Point(kBend0, kBend1, kBend2, kBend3, t); }

}  // namespace

TEST(Bezier, PointsTangentsAndNormals) {
    ExpectNear(Arch(0), kArch0);
    ExpectNear(Arch(1), kArch2);
    ExpectNear(Arch(0.5f), Vector(1, 1));
    ExpectNear(Bezier2::Tangent(kArch0, kArch1, kArch2, 0), Vector(1, 2) / std::sqrt(5.0f));
    ExpectNear(Bezier2::Tangent(kArch0, kArch1, kArch2, 0.5f), Vector(1, 0));
    // Left of the direction of travel.
    ExpectNear(Bezier2::Normal(kArch0, kArch1, kArch2, 0.5f), Vector(0, 1));

    ExpectNear(Bend(0), kBend0);
    ExpectNear(Bend(1), kBend3);
    ExpectNear(Bend(0.5f), (kBend0 + kBend1 * 3 + kBend2 * 3 + kBend3) / 8);
    ExpectNear(Bezier3::Tangent(kBend0, kBend1, kBend2, kBend3, 0), Vector(1, 3) / std::sqrt(10.0f));
    ExpectNear(Bezier3::Tangent(kBend0, kBend1, kBend2, kBend3, 1), Vector(1, -4) / std::sqrt(17.0f));
    ExpectNear(Bezier3::Normal(kBend0, kBend1, kBend2, kBend3, 1), Vector(4, 1) / std::sqrt(17.0f));
}

TEST(Bezier2ArcLength, StraightChordRule) {
    struct Case {
        const char* name;
        Vector p1;
        float t1, t2, want;
    };
    const Case cases[] = {
        {"straight, whole", kLine1, 0, 1, 2},
        {"straight, part", kLine1, 0.25f, 0.75f, 1},
        {"from t to t", kLine1, 0.3f, 0.3f, 0},
        {"t2 < t1 gives a negative length", kLine1, 0.75f, 0.25f, -1},
        // |p0 - 2p1 + p2|^2 = 0.0099: still the chord, though the curve bends.
        {"bent just under 0.01", Vector(1, -0.04975f), 0, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FLOAT_EQ(Bezier2::ArcLength(kLine0, c.p1, kLine2, c.t1, c.t2), c.want);
    }
}

TEST(Bezier2ArcLength, ClosedFormOfABentCurve) {
    const double pieces[][2] = {{0, 1}, {0.2, 0.7}, {0.6, 0.9}};
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece[0]);
        EXPECT_NEAR(Bezier2::ArcLength(kArch0, kArch1, kArch2, float(piece[0]), float(piece[1])),
                    ChordSum(Arch, piece[0], piece[1]), 1e-4);
    }
    EXPECT_NEAR(Bezier2::ArcLength(kArch0, kArch1, kArch2, 0.4f, 0.4f), 0, 1e-6);
}

TEST(Bezier2ArcLength, SpeedThroughZero) {
    // B(t) = (4t - 3t^2, 0) runs out to 4/3 at t = 2/3, where it stops and
    // turns back to 1.
    const Vector p0(0, 0), p1(2, 0), p2(1, 0);
    EXPECT_NEAR(Bezier2::ArcLength(p0, p1, p2, 0, 1), 4.0 / 3 + 1.0 / 3, 1e-5);
    EXPECT_NEAR(Bezier2::ArcLength(p0, p1, p2, 0, 0.5f), 1.25, 1e-5);
    EXPECT_NEAR(Bezier2::ArcLength(p0, p1, p2, 0.8f, 1), 1.28 - 1, 1e-5);
}

TEST(Bezier3ArcLength, SimpsonRule) {
    // One panel on a straight, evenly spaced cubic is exact.
    EXPECT_DOUBLE_EQ(Bezier3::ArcLength(kLine0, kLine1, kLine2, kLine3, 0.25, 0.75, 1), 1.5);
    EXPECT_NEAR(Bezier3::ArcLength(kBend0, kBend1, kBend2, kBend3, 0, 1, 50), ChordSum(Bend, 0, 1), 1e-4);
    EXPECT_NEAR(Bezier3::ArcLength(kBend0, kBend1, kBend2, kBend3, 0.1, 0.6, 50), ChordSum(Bend, 0.1, 0.6), 1e-4);
    EXPECT_THROW(Bezier3::ArcLength(kBend0, kBend1, kBend2, kBend3, 0, 1, 0), EFloatError);
}

TEST(Bezier3Length, SumOfChords) {
    EXPECT_NEAR(Bezier3::Length(kLine0, kLine1, kLine2, kLine3, 7), 3, 1e-5);
    const float whole = Bezier3::Length(kBend0, kBend1, kBend2, kBend3, 200);
    EXPECT_LT(whole, ChordSum(Bend, 0, 1));
    EXPECT_NEAR(whole, ChordSum(Bend, 0, 1), 1e-3);
    // Few chords cut the corners.
    EXPECT_LT(Bezier3::Length(kBend0, kBend1, kBend2, kBend3, 3), whole - 0.05f);
}

TEST(ChordWalk, StopsAndInterpolates) {
    // Steps of 0.25 in t are chords of 0.5 on B(t) = (2t, 0).
    struct Case {
        const char* name;
        float len;
        float t;
    };
    const Case cases[] = {
        {"at a step boundary: that step's t", 1.0f, 0.5f},
        {"inside a step", 0.8f, 0.4f},
        {"beyond the end of the curve", 3.0f, 1.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FLOAT_EQ(Bezier2::ParamAtChordLength(kLine0, kLine1, kLine2, c.len, 4), c.t);
        ExpectNear(Bezier2::PointAtChordLength(kLine0, kLine1, kLine2, c.len, 4), Vector(2 * c.t, 0));
    }
    EXPECT_EQ(Bezier2::ParamAtChordLength(kLine0, kLine1, kLine2, 1.0f, 4), 0.5f);

    // On a bent curve: the chords of 0.1 in t sum to 1.2 inside the fourth;
    // the point lies on it, 1.2 minus the first three chords along it.  The
    // older name walks the same quadratic.
    const Vector p = Bezier2::PointAtChordLength(kArch0, kArch1, kArch2, 1.2f, 10);
    EXPECT_EQ(Bezier3::PointAtLength(kArch0, kArch1, kArch2, 1.2f, 10), p);
    float firstThree = 0;
    for (int k = 1; k <= 3; ++k) firstThree += Geom::Distance(Arch(0.1f * (k - 1)), Arch(0.1f * k));
    const Vector a = Arch(0.3f), b = Arch(0.4f);
    EXPECT_NEAR(Vector::Cross(b - a, p - a), 0, 1e-5);
    EXPECT_NEAR(Geom::Distance(a, p), 1.2f - firstThree, 1e-5);
    const float t = Bezier2::ParamAtChordLength(kArch0, kArch1, kArch2, 1.2f, 10);
    EXPECT_NEAR(t, 0.3f + 0.1f * Geom::Distance(a, p) / Geom::Distance(a, b), 1e-6);
}

TEST(ChordWalk, DegenerateCurvesThrow) {
    const Vector p(1, 1);
    // The chord sum never grows: the walk ends at its bound.
    EXPECT_THROW(Bezier2::ParamAtChordLength(p, p, p, 1.0f, 100), EFloatError);
    EXPECT_THROW(Bezier3::PointAtLength(p, p, p, 1.0f, 100), EFloatError);
    EXPECT_THROW(Bezier2::PointAtChordLength(kLine0, kLine1, kLine2, 1.0f, 0), EFloatError);
}

TEST(LengthSearch, FindsTheLengthFromTheGivenT) {
    const float starts[] = {0.0f, 0.3f};
    const float lens[] = {0.2f, 1.0f, 2.0f};
    for (float start : starts) {
        for (float len : lens) {
            SCOPED_TRACE(testing::Message() << "from " << start << ", length " << len);
            float t = start;
            const Vector p = Bezier2::PointAtLength(kArch0, kArch1, kArch2, t, len);
            EXPECT_NEAR(Bezier2::ArcLength(kArch0, kArch1, kArch2, start, t), len, 0.005);
            ExpectNear(p, Arch(t));
        }
    }
}

TEST(LengthSearch, DegenerateAndHopelessSearchesThrow) {
    const Vector p(1, 1);
    float t = 0;
    // A curve of zero length.
    EXPECT_THROW(Bezier2::ParamAtLength(p, p, p, t, 1.0f), EFloatError);
    // Ten kilometres of curve: float t cannot place a point to 0.005 cm, so
    // the search would run for ever without its bound.
    t = 0;
    EXPECT_THROW(Bezier2::ParamAtLength(Vector(0, 0), Vector(876462.875f, 701092), Vector(92584.0625f, 25653.2422f),
                                        t, 1002923.62f),
                 EFloatError);
}

TEST(OrientedSearch, ParamForDirection) {
    // dir . N(t) rises through zero at the apex.
    float t = 0.9f;
    const Vector p = Bezier2::ParamForDirection(Vector(1, 0), kArch0, kArch1, kArch2, t, 1);
    EXPECT_NEAR(t, 0.5f, 0.001f);
    ExpectNear(p, Arch(t));
    // The other orientation is not bracketed: the search narrows to the end
    // on the side of the probe.
    t = 0.9f;
    Bezier2::ParamForDirection(Vector(1, 0), kArch0, kArch1, kArch2, t, 0);
    EXPECT_GT(t, 0.999f);
    t = 0.2f;
    Bezier2::ParamForDirection(Vector(1, 0), kArch0, kArch1, kArch2, t, 0);
    EXPECT_LT(t, 0.001f);
}

TEST(OrientedSearch, TangentFromPoint) {
    // The tangents from (1, 1.5) touch the arch at x = 1 -+ sqrt(0.5).
    const Vector p(1, 1.5f);
    const struct {
        int flag;
        float want;
    } cases[] = {{1, 0.5f + 0.5f * std::sqrt(0.5f)}, {0, 0.5f - 0.5f * std::sqrt(0.5f)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        float t = 0.5f;
        const Vector b = Bezier2::TangentFromPoint(p, kArch0, kArch1, kArch2, t, c.flag);
        EXPECT_NEAR(t, c.want, 0.001f);
        // The tangent line at b passes (nearly) through p.
        EXPECT_NEAR(Vector::Cross(Bezier2::Tangent(kArch0, kArch1, kArch2, t), eVector(b, p)), 0, 0.01);
    }
}

TEST(OrientedSearch, PerpendicularFrom) {
    float t = 0.1f;
    const Vector foot = Bezier2::PerpendicularFrom(Vector(1, 5), kArch0, kArch1, kArch2, t, 1);
    EXPECT_NEAR(t, 0.5f, 0.001f);
    ExpectNear(foot, Vector(1, 1), 0.005f);
    t = 0.5f;
    Bezier2::PerpendicularFrom(Vector(0.2f, 0.5f), kArch0, kArch1, kArch2, t, 1);
    EXPECT_NEAR(Vector::Dot(Vector(0.2f, 0.5f) - Arch(t), Bezier2::Tangent(kArch0, kArch1, kArch2, t)), 0, 0.01);
}

TEST(OrientedSearch, CrossLineFrom) {
    // The vertical x = 0.5 meets the arch at t = 0.25; with flag 0 the value
    // dir x (p - B) is negative before the crossing.
    float t = 0.9f;
    const Vector b = Bezier2::CrossLineFrom(Vector(0.5f, -1), Vector(0, 1), kArch0, kArch1, kArch2, t, 0);
    EXPECT_NEAR(t, 0.25f, 0.001f);
    EXPECT_NEAR(b.x, 0.5f, 0.005f);
}

TEST(OrientedSearch, DegenerateProbesThrow) {
    float t = 0;
    // T(0) = 0 where p0 = p1.
    EXPECT_THROW(Bezier2::ParamForDirection(Vector(1, 0), kArch0, kArch0, kArch2, t, 1), EFloatError);
    t = 0;
    EXPECT_THROW(Bezier2::PerpendicularFrom(Vector(1, 5), kArch0, kArch0, kArch2, t, 1), EFloatError);
    // The probe point is p itself.
    t = 0.5f;
    EXPECT_THROW(Bezier2::TangentFromPoint(Vector(1, 1), kArch0, kArch1, kArch2, t, 1), EFloatError);
    EXPECT_THROW(Bezier2::Tangent(kArch0, kArch0, kArch2, 0), EFloatError);
    EXPECT_THROW(Bezier2::Normal(kArch0, kArch0, kArch2, 0), EFloatError);
    EXPECT_THROW(Bezier3::Tangent(kBend0, kBend0, kBend2, kBend3, 0), EFloatError);
    EXPECT_THROW(Bezier3::Normal(kBend0, kBend1, kBend3, kBend3, 1), EFloatError);
}

TEST(Bezier3CrossLineFrom, StepsThenBisects) {
    // The vertical x = 2.5 through the bent cubic; with flag 0 the value is
    // negative before the crossing.
    const Vector p(2.5f, 0), dir(0, 1);
    float t = 0.9f;  // not used
    const Vector b = Bezier3::CrossLineFrom(p, dir, kBend0, kBend1, kBend2, kBend3, t, 10, 0);
    EXPECT_NEAR(b.x, 2.5f, 0.01f);
    ExpectNear(b, Bend(t));

    // A start already past the line: p0 and t = 0 without stepping.
    t = 0.7f;
    EXPECT_EQ(Bezier3::CrossLineFrom(p, dir, kBend0, kBend1, kBend2, kBend3, t, 10, 1), kBend0);
    EXPECT_EQ(t, 0.0f);

    // A line the curve never reaches: the bracket is the step past t = 1.
    t = 0;
    Bezier3::CrossLineFrom(Vector(9, 0), dir, kBend0, kBend1, kBend2, kBend3, t, 10, 0);
    EXPECT_GT(t, 1.0f);
    EXPECT_LE(t, 1.1001f);
}

TEST(BracketSearch, FindsTheCrossing) {
    // The vertical x = 1 meets the arch at its apex.
    float t = 0.1f;
    const Vector b = Bezier2::CrossLine(Vector(1, 0), Vector(0, 1), kArch0, kArch1, kArch2, t);
    EXPECT_NEAR(b.x, 1, 0.005f);
    ExpectNear(b, Arch(t));

    // Both ends below y = 0.5 but the probe above it: the probe brackets.
    t = 0.5f;
    const Vector c = Bezier2::CrossLine(Vector(0, 0.5f), Vector(1, 0), kArch0, kArch1, kArch2, t);
    EXPECT_NEAR(c.y, 0.5f, 0.005f);
    EXPECT_LT(t, 0.5f);

    t = 0.3f;
    const Vector d = Bezier3::CrossLine(Vector(2.5f, 0), Vector(0, 1), kBend0, kBend1, kBend2, kBend3, t);
    EXPECT_NEAR(d.x, 2.5f, 0.005f);
    ExpectNear(d, Bend(t));

    // The arch against the unit circle about its start.
    t = 0.5f;
    const Vector e = Bezier3::CrossCurve(kArch0, 1, kArch0, kArch1, kArch2, t);
    EXPECT_NEAR(Geom::Distance(kArch0, e), 1, 0.005f);
    ExpectNear(e, Arch(t));
}

TEST(BracketSearch, FirstProbeWithinToleranceKeepsT) {
    float t = 0.501f;  // x = 1.002, 0.002 from the line
    const Vector b = Bezier2::CrossLine(Vector(1, 0), Vector(0, 1), kArch0, kArch1, kArch2, t);
    EXPECT_EQ(t, 0.501f);
    EXPECT_EQ(b, Arch(0.501f));
}

TEST(BracketSearch, EndPointWhenTheCurveDoesNotCross) {
    // Nearly straight curves from (0, y0) to (2, y2) against horizontal
    // lines; the probe lies on the same side as both ends.
    struct Case {
        const char* name;
        float y0, y2, line;
        float t;
    };
    const Case cases[] = {
        {"both left, first nearer", 1, 2, 0, 0},
        {"both left, last nearer", 2, 1, 0, 1},
        {"both left, tie", 1, 1, 0, 0},
        {"both right, first nearer", 2, 1, 3, 0},
        {"both right, last nearer", 1, 2, 3, 1},
        {"both right, tie", 2, 2, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Vector p0(0, c.y0), p2(2, c.y2), p1 = (p0 + p2) / 2;
        float t = 0.5f;
        const Vector b = Bezier2::CrossLine(Vector(0, c.line), Vector(1, 0), p0, p1, p2, t);
        EXPECT_EQ(t, c.t);
        EXPECT_EQ(b, c.t == 0 ? p0 : p2);
    }
}

TEST(BracketSearch, UnreachableToleranceThrows) {
    // A direction of 1e30 scales the side value so that only an exact float
    // hit would do; the search ends at its bound.
    float t = 0.5f;
    EXPECT_THROW(Bezier2::CrossLine(Vector(0, 999.123f), Vector(1e30f, 0), Vector(0, 0), Vector(1, 4000),
                                    Vector(2, 0), t),
                 EFloatError);
}

TEST(CircleHalvings, FixedNumberOfRounds) {
    const Vector b = Bezier2::CrossCircle(kArch0, 1, kArch0, kArch1, kArch2, 20);
    EXPECT_NEAR(Geom::Distance(kArch0, b), 1, 1e-4);
    const Vector c = Bezier3::CrossCircle(kBend0, 3, kBend0, kBend1, kBend2, kBend3, 20);
    EXPECT_NEAR(Geom::Distance(kBend0, c), 3, 1e-4);

    // No crossing: the search runs to t = 1 - 2^-(n + 1), from outside the
    // circle and from inside it.
    EXPECT_EQ(Bezier2::CrossCircle(Vector(50, 50), 1, kArch0, kArch1, kArch2, 3), Arch(0.9375f));
    EXPECT_EQ(Bezier3::CrossCircle(kBend0, 100, kBend0, kBend1, kBend2, kBend3, 3), Bend(0.9375f));
}
