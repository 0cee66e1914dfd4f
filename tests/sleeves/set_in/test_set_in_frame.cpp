// What every set-in sleeve shares: the cap-fitting loop with its failure,
// the balance notches placed along a chain of cap arcs, the cap-top marks.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "kernel/Checked.h"
#include "sleeves/set_in/SetInSleeve.h"

namespace {

// A straight arc from a to b (control points evenly between), quadratic or
// cubic: lengths and points are known exactly.
CapArc Straight(Vector a, Vector b, bool cubic = false) {
    const Vector d = b - a;
    return cubic ? CapArc::Cubic(a, a + d * (1.0f / 3), a + d * (2.0f / 3), b) : CapArc::Quad(a, (a + b) / 2, b);
}

// The integer f throws, 0 for none; the failure named by a fitting loop
// that ran away, as -failure.
int Thrown(const std::function<void()>& f) {
    try {
        f();
    } catch (int code) {
        return code;
    } catch (const EFitRunAway& e) {
        return -e.failure;
    }
    return 0;
}

}  // namespace

// A cap that fits at the first build is taken as it is, even with its base
// at the top (the test of the base stands only before a correction); one
// that does not fit and has its base at or above the top fails at once.
TEST(CapFit, TheBaseIsTestedOnlyBeforeACorrection) {
    struct Case {
        float y0;
        SetIn::CapMismatch first;
        int thrown;
    } cases[] = {
        {0.0f, {0.09f, -0.09f}, 0},  // fits: no test, no correction
        {2.0f, {-0.05f, 0.0f}, 0},
        {0.0f, {0.1f, 0.0f}, 1},  // 0.1 is not below 0.1
        {0.0f, {0.0f, -0.1f}, 1},
        {1.0f, {5.0f, 5.0f}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y0 << " " << c.first.length << " " << c.first.balance);
        int rebuilds = 0;
        float y0 = c.y0;
        EXPECT_EQ(Thrown([&] {
                      SetIn::FitCap(y0, c.first, [&](float, float) {
                          ++rebuilds;
                          return SetIn::CapMismatch{};
                      });
                  }),
                  c.thrown);
        EXPECT_EQ(rebuilds, 0);
        EXPECT_EQ(y0, c.y0);
    }
}

// Each correction lowers the base by half the missing length and moves the
// width line by half the balance towards the shorter half; a cap whose
// mismatch answers to that settles.
TEST(CapFit, CorrectionsHalveTheMismatch) {
    // A model cap: 1 cm taller gives 1 cm more length; the width line 1 cm
    // to the front gives the front half 1 cm more.
    const float targetLevel = -12.0f, targetShift = 0.7f;
    float shift = 0;
    std::vector<std::pair<float, float>> calls;
    auto rebuild = [&](float y0, float s) {
        calls.emplace_back(y0, s);
        shift += s;
        return SetIn::CapMismatch{-(targetLevel - y0) * 2.0f, (shift - targetShift) * 2.0f};
    };
    float y0 = -8.0f;
    SetIn::FitCap(y0, {-(targetLevel - y0) * 2.0f, (shift - targetShift) * 2.0f}, rebuild);
    ASSERT_FALSE(calls.empty());
    EXPECT_FLOAT_EQ(calls[0].first, -8.0f - 0.5f * 8.0f);  // y0 − 0.5·mismatch
    EXPECT_FLOAT_EQ(calls[0].second, -0.5f * -1.4f);         // −0.5·balance
    EXPECT_NEAR(y0, targetLevel, 0.05);
    EXPECT_NEAR(shift, targetShift, 0.05);
}

// The loop ends: a mismatch that never shrinks fails at the bound, one
// that swings wider runs away when its correction overflows, one that
// lifts the base to the top fails there, and none runs on.
TEST(CapFit, ACapThatCannotBeFittedFailsAsTheCap) {
    int rebuilds = 0;
    float y0 = -10.0f;
    EXPECT_EQ(Thrown([&] {
                  SetIn::FitCap(y0, {0.0f, 1.0f}, [&](float, float) {
                      ++rebuilds;
                      return SetIn::CapMismatch{0.0f, 1.0f};  // balance that never moves
                  });
              }),
              1);
    EXPECT_EQ(rebuilds, SetIn::kMaxCapCorrections);

    rebuilds = 0;
    y0 = -10.0f;
    float balance = 1.0f;
    EXPECT_EQ(Thrown([&] {
                  SetIn::FitCap(y0, {0.0f, balance}, [&](float, float) {
                      ++rebuilds;
                      balance *= -1.5f;  // swings wider at every correction
                      return SetIn::CapMismatch{0.0f, balance};
                  });
              }),
              -1);
    EXPECT_EQ(rebuilds, 219);  // 1.5^219 cm overflows a float

    rebuilds = 0;
    y0 = -3.0f;
    EXPECT_EQ(Thrown([&] {
                  SetIn::FitCap(y0, {-4.0f, 0.0f}, [&](float, float) {
                      ++rebuilds;
                      return SetIn::CapMismatch{-4.0f, 0.0f};  // always too long: the base rises
                  });
              }),
              1);
    EXPECT_EQ(rebuilds, 2);  // −3 → −1 → +1, refused there
    EXPECT_GE(y0, 0.0f);

    // A NaN mismatch is never taken for a fit.
    y0 = -3.0f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(SetIn::FitCap(y0, {nan, 0.0f}, [](float, float) { return SetIn::CapMismatch{}; }), EFloatError);
}

// A notch at a target length along a chain: arcs the target passes are
// skipped, the point is found to within 0.1 cm, the stem and bar turn with
// the side.  A target beyond the chain's end fails as the cap.
TEST(CapNotches, PlacedAlongTheChain) {
    const CapArc chain[] = {Straight({0, 0}, {10, 0}), Straight({10, 0}, {10, 10}, true),
                            Straight({10, 10}, {0, 10})};
    struct Case {
        float target;
        Vector at;
        Vector tangent;
    } cases[] = {
        {4.0f, {4, 0}, {1, 0}},       // on the first arc
        {13.0f, {10, 3}, {0, 1}},     // on the cubic
        {10.04f, {10, 0.04f}, {0, 1}},
        {27.5f, {2.5f, 10}, {-1, 0}},  // on the last
        {30.05f, {0, 10}, {-1, 0}},   // just beyond the end: the last arc's end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        for (const float side : {1.0f, -1.0f}) {
            const BalanceNotch n = SetIn::PlaceNotch(chain, c.target, side);
            EXPECT_NEAR(n.point.x, c.at.x, 0.1);
            EXPECT_NEAR(n.point.y, c.at.y, 0.1);
            // Foot 0.6 along side·(tangent turned +90°), bar1 0.2 along side·tangent.
            const Vector normal(-c.tangent.y, c.tangent.x);
            EXPECT_NEAR(n.foot.x - n.point.x, side * 0.6f * normal.x, 1e-4);
            EXPECT_NEAR(n.foot.y - n.point.y, side * 0.6f * normal.y, 1e-4);
            EXPECT_NEAR(n.bar1.x - n.foot.x, side * 0.2f * c.tangent.x, 1e-4);
            EXPECT_NEAR(n.bar1.y - n.foot.y, side * 0.2f * c.tangent.y, 1e-4);
            EXPECT_NEAR(n.bar2.x - n.foot.x, -side * 0.2f * c.tangent.x, 1e-4);
            EXPECT_NEAR(n.bar2.y - n.foot.y, -side * 0.2f * c.tangent.y, 1e-4);
        }
    }
    for (const float beyond : {30.2f, 45.0f, 1e6f})
        EXPECT_EQ(Thrown([&] { SetIn::PlaceNotch(chain, beyond, 1.0f); }), 1) << beyond;
}

// The women's cap-top bar and the men's shirts' cap-top notch.
TEST(CapNotches, CapTopMarks) {
    const BalanceNotch bar = SetIn::TopBar({0, 0});
    EXPECT_EQ(bar.point, Vector(0, 0));
    EXPECT_EQ(bar.foot, Vector(0, 0));
    EXPECT_FLOAT_EQ(bar.bar1.x, -0.2f);
    EXPECT_FLOAT_EQ(bar.bar2.x, 0.2f);
    EXPECT_FLOAT_EQ(bar.bar1.y, -0.6f);
    EXPECT_FLOAT_EQ(bar.bar2.y, -0.6f);

    // Along a front cap leaving the top to the right: 1 cm out, foot below.
    const BalanceNotch top = SetIn::TopNotch(Straight({0, 0}, {6, 0}));
    EXPECT_NEAR(top.point.x, 1.0f, 0.1f);
    EXPECT_FLOAT_EQ(top.point.y, 0.0f);
    EXPECT_NEAR(top.foot.y, -0.6f, 1e-5);
    EXPECT_NEAR(top.bar1.x, top.foot.x - 0.2f, 1e-5);
    EXPECT_NEAR(top.bar2.x, top.foot.x + 0.2f, 1e-5);
    // A front arc shorter than 1 cm cannot carry it.
    EXPECT_EQ(Thrown([] { SetIn::TopNotch(Straight({0, 0}, {0.5f, 0})); }), 1);
}
