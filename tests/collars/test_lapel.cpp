// What the lapel collars build alike: the roll line's touch point and its
// entry into the neckline's circle, the lapel folded back across it, and
// the bounded length matching.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "collars/Lapel.h"
#include "kernel/Checked.h"

namespace {

TEST(Lapel, TheRollLineTouchesTheCircleAroundTheNeckPoint) {
    const Vector neck(0, 0), top(5, -12);
    const float r = 3;
    const Vector c = Lapel::RollTouch(top, neck, r);
    EXPECT_NEAR(Geom::Distance(c, neck), r, 1e-4);
    // The line from the top of the edge to C is square to the radius at C.
    EXPECT_NEAR(Vector::Dot(c - neck, c - top), 0, 1e-3);
    // Right of top -> neck.
    EXPECT_LT(Geom::Side(top, Vector::UnitBetween(top, neck), c), 0);
    // A top of the edge inside the circle has no tangent.
    EXPECT_THROW(Lapel::RollTouch(Vector(1, 1), neck, r), EFloatError);
}

// The roll line entering the neckline's circle: the crossing nearer the
// line's start; a line that passes the circle on either side gives the
// centre rather than the square root of a negative.
TEST(Lapel, TheRollLineEntersTheNecklinesCircle) {
    const Vector centre(10, 0);
    const float r = 4;
    struct Case {
        const char* name;
        Vector start, through;
        Vector expected;
    } cases[] = {
        {"through the centre", Vector(0, 0), Vector(1, 0), Vector(6, 0)},
        {"off the centre", Vector(0, 2), Vector(1, 2), Vector(10 - std::sqrt(12.0f), 2)},
        {"touching", Vector(0, 4), Vector(1, 4), Vector(10, 4)},
        {"from the other side", Vector(20, 0), Vector(19, 0), Vector(14, 0)},
        {"passing above", Vector(0, 5), Vector(1, 5), centre},
        {"passing below", Vector(0, -5), Vector(1, -5), centre},
    };
    for (const Case& c : cases) {
        const Vector f = Lapel::EnterCircle(c.start, c.through, centre, r);
        EXPECT_NEAR(f.x, c.expected.x, 1e-3) << c.name;
        EXPECT_NEAR(f.y, c.expected.y, 1e-3) << c.name;
    }
}

TEST(Lapel, FoldingMirrorsAcrossTheRollLine) {
    const Vector c(1, 1), along = Vector::UnitBetween(Vector(1, 1), Vector(4, 5));
    const Vector p(6, 0);
    const Vector f = Lapel::Fold(c, along, p);
    EXPECT_NEAR(Geom::Distance(f, c), Geom::Distance(p, c), 1e-4);
    EXPECT_NEAR(Vector::Dot(f - c, along), Vector::Dot(p - c, along), 1e-4);
    EXPECT_NEAR(Geom::Side(c, along, f), -Geom::Side(c, along, p), 1e-4);
    const Vector onLine = c + along * 2.0f;
    EXPECT_NEAR(Geom::Distance(Lapel::Fold(c, along, onLine), onLine), 0, 1e-5);
}

TEST(Lapel, LengthMatchingStopsWithinATenthOrFails) {
    struct Case {
        const char* name;
        float start;
        float (*step)(float);
        bool fails;
    } cases[] = {
        {"already matched", 0.05f, [](float) { return 1000.0f; }, false},
        {"halving", 40.0f, [](float d) { return d / 2; }, false},
        {"overshooting back and forth", 1.0f, [](float d) { return -0.9f * d; }, false},
        {"never closing", 1.0f, [](float d) { return -d; }, true},
        {"growing", 1.0f, [](float d) { return 2 * d; }, true},
        {"not finite", 1.0f, [](float) { return std::numeric_limits<float>::quiet_NaN(); }, true},
        {"starting not finite", std::numeric_limits<float>::infinity(), [](float d) { return d; }, true},
    };
    for (const Case& c : cases) {
        int passes = 0;
        const auto run = [&] {
            Lapel::MatchLength(
                c.start,
                [&](float d) {
                    ++passes;
                    return c.step(d);
                },
                "test");
        };
        if (c.fails) {
            EXPECT_THROW(run(), EFloatError) << c.name;
            EXPECT_LE(passes, Lapel::kMaxMatchPasses) << c.name;
        } else {
            EXPECT_NO_THROW(run()) << c.name;
        }
    }
}

}  // namespace
