// The fitting loops' common rule: a miss that closes is corrected until it
// is within the tolerance, even when it overshoots on the way; one that
// runs away (past 10 m), stops closing (for FitLoop::kStallPasses
// corrections) or outlasts the bound fails with the loop's own integer long
// before the floats could overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "garments/common/FitLoop.h"

namespace {

constexpr double kBreak = -12345;  // in a script: the correction breaks the floats

struct Outcome {
    int corrections = 0;  // corrections made
    int thrown = 0;       // the integer thrown, 0 for none
    bool floatError = false;
    double largest = 0;  // the largest miss the loop corrected
};

// Runs the loop on `first`, each correction answering the next miss of
// `script` (the last one again once the script is used up).
Outcome RunLoop(double first, std::vector<double> script, int maxPasses = 200) {
    Outcome o;
    try {
        FitLoop::Fit(first, 0.1, maxPasses, 7, [&](double miss) {
            o.largest = std::max(o.largest, std::fabs(miss));
            const double next = script[std::min<std::size_t>(o.corrections, script.size() - 1)];
            ++o.corrections;
            if (next == kBreak) Checked::Fail("test");
            return next;
        });
    } catch (int code) {
        o.thrown = code;
    } catch (const EFloatError&) {
        o.floatError = true;
    }
    return o;
}

std::vector<double> Geometric(double first, double factor, int n) {
    std::vector<double> v;
    for (double m = first * factor; int(v.size()) < n; m *= factor) v.push_back(m);
    return v;
}

}  // namespace

TEST(FitLoop, ClosesOrGivesUpWithItsOwnFailure) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double first;
        std::vector<double> script;
        int maxPasses;
        int corrections;
        int thrown;
        bool floatError;
    } cases[] = {
        {"fitted at once", 0.05, {}, 200, 0, 0, false},
        {"0.1 is not within 0.1", 0.1, {0.01}, 200, 1, 0, false},
        {"halving", 8, Geometric(8, 0.5, 20), 200, 7, 0, false},
        {"swinging, closing", 2, Geometric(2, -0.9, 40), 200, 29, 0, false},
        {"one overshoot on the way", 1, {1.5, 0.4, 0.05}, 200, 3, 0, false},
        {"closing slowly up to the bound", 10, Geometric(10, 0.99, 1000), 50, 50, 7, false},
        {"never closing", 1, {1}, 200, FitLoop::kStallPasses, 7, false},
        {"growing", 1, Geometric(1, 2, 300), 200, 10, 7, false},  // 2^10 cm is past 10 m
        {"swinging wider", 1, Geometric(1, -1.5, 300), 200, 18, 7, false},
        {"growing for a while, then closing", 1, {3, 9, 27, 9, 3, 1, 0.3, 0.05}, 200, 8, 0, false},
        {"running away at once", 1, {1e6}, 200, 1, 7, false},
        {"breaking the floats while growing", 1, {2, kBreak}, 200, 2, 7, false},
        {"breaking the floats while closing", 1, {0.5, kBreak}, 200, 2, 0, true},
        {"a miss that is no number is the correction's", 1, {nan, kBreak}, 200, 2, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<double> script = c.script.empty() ? std::vector<double>{0} : c.script;
        const Outcome o = RunLoop(c.first, script, c.maxPasses);
        EXPECT_EQ(o.corrections, c.corrections);
        EXPECT_EQ(o.thrown, c.thrown);
        EXPECT_EQ(o.floatError, c.floatError);
        EXPECT_LE(o.largest, FitLoop::kFarMiss);
    }
}
