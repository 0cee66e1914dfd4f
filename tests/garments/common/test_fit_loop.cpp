// The fitting loops' common rule: a miss is corrected until it is within
// the tolerance, whatever it does on the way (overshoot, swing far out,
// stay no better for long); the loop gives up with its own integer only at
// its bound, and names it in the fault of a correction that breaks the
// floats while the miss is growing.
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
    int runAway = 0;      // the failure a loop that ran away named, 0 for none
    bool floatError = false;  // a plain float error
};

// Runs the loop on `first`, each correction answering the next miss of
// `script` (the last one again once the script is used up).
Outcome RunLoop(double first, std::vector<double> script, int maxPasses = 200) {
    Outcome o;
    try {
        FitLoop::Fit(first, 0.1, maxPasses, 7, [&](double miss) {
            const double next = script[std::min<std::size_t>(o.corrections, script.size() - 1)];
            ++o.corrections;
            if (next == kBreak) Checked::Fail("test");
            return next;
        });
    } catch (int code) {
        o.thrown = code;
    } catch (const EFitRunAway& e) {
        o.runAway = e.failure;
    } catch (const EFloatError&) {
        o.floatError = true;
    }
    return o;
}

// `miss` for n corrections, then `last`.
std::vector<double> Stays(double miss, int n, double last) {
    std::vector<double> v(n, miss);
    v.push_back(last);
    return v;
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
        int runAway;
        bool floatError;
    } cases[] = {
        {"fitted at once", 0.05, {}, 200, 0, 0, 0, false},
        {"0.1 is not within 0.1", 0.1, {0.01}, 200, 1, 0, 0, false},
        {"halving", 8, Geometric(8, 0.5, 20), 200, 7, 0, 0, false},
        {"swinging, closing", 2, Geometric(2, -0.9, 40), 200, 29, 0, 0, false},
        {"one overshoot on the way", 1, {1.5, 0.4, 0.05}, 200, 3, 0, 0, false},
        {"growing for a while, then closing", 1, {3, 9, 27, 9, 3, 1, 0.3, 0.05}, 200, 8, 0, 0, false},
        // As the men's jacket's armhole balance on some measurements.
        {"swinging out hundreds of metres, then closing", 0.5, {3, -29500, 2, 0.05}, 200, 4, 0, 0, false},
        {"no better for long, then closing", 1, Stays(1, 150, 0.05), 200, 151, 0, 0, false},
        {"closing at the last correction allowed", 1, Stays(1, 49, 0.05), 50, 50, 0, 0, false},
        {"one correction too many", 1, Stays(1, 50, 0.05), 50, 50, 7, 0, false},
        {"closing slowly up to the bound", 10, Geometric(10, 0.99, 1000), 50, 50, 7, 0, false},
        {"never closing", 1, {1}, 200, 200, 7, 0, false},
        {"growing up to the bound", 1, Geometric(1, 2, 300), 200, 200, 7, 0, false},
        {"swinging wider up to the bound", 1, Geometric(1, -1.5, 300), 200, 200, 7, 0, false},
        {"breaking the floats while growing", 1, {2, kBreak}, 200, 2, 0, 7, false},
        {"breaking the floats while no better", 1, {0.5, 0.5, kBreak}, 200, 3, 0, 7, false},
        {"running far away, then breaking the floats", 1, {1e6, 1e300, kBreak}, 200, 3, 0, 7, false},
        {"breaking the floats while closing", 1, {0.5, kBreak}, 200, 2, 0, 0, true},
        {"breaking the floats back below the best", 1, {3, 0.5, kBreak}, 200, 3, 0, 0, true},
        {"a miss that is no number is the correction's", 1, {nan, kBreak}, 200, 2, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<double> script = c.script.empty() ? std::vector<double>{0} : c.script;
        const Outcome o = RunLoop(c.first, script, c.maxPasses);
        EXPECT_EQ(o.corrections, c.corrections);
        EXPECT_EQ(o.thrown, c.thrown);
        EXPECT_EQ(o.runAway, c.runAway);
        EXPECT_EQ(o.floatError, c.floatError);
    }
}

// A loop fitted within another's correction that runs away names its own
// piece's failure, whatever the outer loop's course.
TEST(FitLoop, ALoopWithinACorrectionKeepsItsFailure) {
    for (double outerMiss : {0.5, 2.0}) {  // the outer loop closing, then straying
        int corrections = 0;
        try {
            FitLoop::Fit(1, 0.1, 200, 7, [&](double) {
                if (++corrections < 2) return outerMiss;
                const double inner[] = {3, kBreak};
                int k = 0;
                FitLoop::Fit(1, 0.1, 200, 3, [&](double) {
                    if (inner[k] == kBreak) Checked::Fail("test");
                    return inner[k++];
                });
                return 0.0;
            });
            ADD_FAILURE() << "fitted";
        } catch (const EFitRunAway& e) {
            EXPECT_EQ(e.failure, 3);
        }
        EXPECT_EQ(corrections, 2);
    }
}
