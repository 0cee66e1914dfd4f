// What the women's and the men's bodice drafts share: the armhole balance
// loop on a mismatch of its own, and the ruler crossing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "garments/common/BodiceDraft.h"
#include "kernel/Checked.h"

namespace {

// The loop itself, with a mismatch of its own: it corrects by the mismatch
// until that is below 0.1 cm, and throws 2 at the 500th correction.
TEST(ArmholeBalance, CorrectsByTheMismatchUntilBelowATenth) {
    struct Case {
        float first;   // the first mismatch
        float factor;  // each correction's mismatch is the last one times this
        int rebuilds;  // expected
        bool fails;
    } cases[] = {
        {0.05f, 0.5f, 1, false},   // balanced at once
        {-0.0999f, 0.5f, 1, false},
        {0.1f, 0.5f, 2, false},    // 0.1 is not below 0.1
        {1.6f, 0.5f, 6, false},    // 1.6 0.8 0.4 0.2 0.1 0.05
        {-3, -0.5f, 6, false},     // alternating: −3 1.5 −0.75 0.375 −0.1875 0.09375
        {15, 0.99f, 500, false},   // below 0.1 after the 499th correction
        {15.15f, 0.99f, 501, true},  // below 0.1 after the 500th, which throws all the same
        {1, 1, 501, true},         // never shrinks: 500 corrections, then 2
        {0.5f, -1, 501, true},     // swings for ever
    };
    for (const Case& c : cases) {
        float y = 10;
        float mismatch = c.first / c.factor;
        int rebuilds = 0;
        float applied = 0;  // the sum of all mismatches but the last
        float seen = 0;
        bool threw = false;
        try {
            BodiceDraft::BalanceArmhole(y, [&] {
                ++rebuilds;
                mismatch *= c.factor;
                applied = seen;
                seen += mismatch;
                return mismatch;
            });
        } catch (int code) {
            EXPECT_EQ(code, 2);
            threw = true;
        }
        const std::string context = " first " + std::to_string(c.first) + " factor " + std::to_string(c.factor);
        EXPECT_EQ(threw, c.fails) << context;
        EXPECT_EQ(rebuilds, c.rebuilds) << context;
        // y moved by every mismatch but the last one seen.
        EXPECT_NEAR(y, 10 + applied, 1e-3) << context;
    }
}

TEST(ArmholeBalance, NeitherANaNNorAnOverflowPassesAsBalanced) {
    float y = 0;
    int rebuilds = 0;
    EXPECT_THROW(BodiceDraft::BalanceArmhole(y,
                                        [&] {
                                            ++rebuilds;
                                            return std::nanf("");
                                        }),
                 EFloatError);  // the correction itself refuses it
    EXPECT_EQ(rebuilds, 1);
    y = 0;
    float m = 1;
    EXPECT_THROW(BodiceDraft::BalanceArmhole(y,
                                        [&] {
                                            m *= 1e10f;
                                            return m;
                                        }),
                 EFloatError);
    EXPECT_TRUE(std::isfinite(y));
}

TEST(BodiceDraftCross, ParallelLinesHaveNoCrossing) {
    EXPECT_EQ(BodiceDraft::Cross(Vector(0, 1), Vector(1, 0), Vector(3, -2), Vector(0, 1)), Vector(3, 1));
    EXPECT_THROW(BodiceDraft::Cross(Vector(0, 0), Vector(1, 0), Vector(0, 1), Vector(-2, 0)), EFloatError);
}

}  // namespace
