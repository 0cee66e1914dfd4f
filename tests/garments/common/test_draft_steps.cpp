// The small steps every draft takes: values worked out by hand, kept as
// float, and a degenerate construction failing with EFloatError rather than
// handing on a NaN.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "garments/common/DraftSteps.h"
#include "kernel/Checked.h"

namespace {

using namespace DraftSteps;

TEST(DraftSteps, PointsAlongAndAcross) {
    const struct {
        Vector p, q;
        double l;
        Vector toward, aside;  // from p
    } cases[] = {
        {Vector(0, 0), Vector(3, 4), 10, Vector(6, 8), Vector(-8, 6)},
        {Vector(1, 1), Vector(1, -4), 2.5, Vector(1, -1.5f), Vector(3.5f, 1)},  // downwards: across is +x
        {Vector(-2, 0), Vector(5, 0), -1, Vector(-3, 0), Vector(-2, -1)},      // a negative length goes back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.l);
        const Vector t = Toward(c.p, c.q, c.l), a = Aside(c.p, c.q, c.p, c.l);
        EXPECT_FLOAT_EQ(t.x, c.toward.x);
        EXPECT_FLOAT_EQ(t.y, c.toward.y);
        EXPECT_FLOAT_EQ(a.x, c.aside.x);
        EXPECT_FLOAT_EQ(a.y, c.aside.y);
    }
    // Across is measured from its own start point.
    EXPECT_EQ(Aside(Vector(0, 0), Vector(0, 2), Vector(5, 5), 1), Vector(4, 5));
}

TEST(DraftSteps, MidpointAndCurveLength) {
    EXPECT_EQ(Mid(Vector(-3, 1), Vector(5, 2)), Vector(1, 1.5f));
    // A quadratic with its control on the chord is the chord; one bent up
    // is longer than its chord and shorter than its control polygon.
    EXPECT_NEAR(Arc(Vector(0, 0), Vector(1, 0), Vector(4, 0)), 4.0f, 1e-4f);
    const float bent = Arc(Vector(0, 0), Vector(2, 2), Vector(4, 0));
    EXPECT_GT(bent, 4.0f);
    EXPECT_LT(bent, 2 * std::sqrt(8.0f));
}

// A hem's controls lie a third of the way out from the crease to either
// end, at the crease point's height; an uneven hem keeps its sides.
TEST(DraftSteps, HemControlsAThirdOfTheWayOut) {
    Vector left, right;
    HemControls(-12.0f, 12.0f, -99.5f, left, right);
    EXPECT_EQ(left, Vector(-4, -99.5f));
    EXPECT_EQ(right, Vector(4, -99.5f));
    HemControls(-9.0f, 12.0f, -100.0f, left, right);
    EXPECT_EQ(left, Vector(-3, -100));
    EXPECT_EQ(right, Vector(4, -100));
}

TEST(DraftSteps, DegenerateConstructionsThrow) {
    const float big = std::numeric_limits<float>::max();
    EXPECT_THROW(Toward(Vector(1, 1), Vector(1, 1), 3), EFloatError);  // no direction
    EXPECT_THROW(Aside(Vector(1, 1), Vector(1, 1), Vector(0, 0), 3), EFloatError);
    EXPECT_THROW(Toward(Vector(0, 0), Vector(1, 0), 1e300), EFloatError);  // no float length
    EXPECT_THROW(Mid(Vector(std::numeric_limits<float>::infinity(), 0), Vector(0, 0)), EFloatError);
    // The sum is taken in double: two of the largest floats do not overflow.
    EXPECT_EQ(Mid(Vector(big, 0), Vector(big, 0)), Vector(big, 0));
}

}  // namespace
