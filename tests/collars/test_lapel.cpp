// What the lapel collars build alike: the roll line's touch point, the
// lapel folded back across it, and the bounded length matching.
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
