// The jeans' back and yoke drafted with the women's and with the men's
// constants: the seat tilt, the lower side control and the yoke seam follow
// the constants they were given, worked out here from their rules.

#include <gtest/gtest.h>

#include <cmath>

#include "garments/common/JeansYoke.h"
#include "kernel/Geometry.h"

namespace {

struct YokeCase {
    const char* name;
    JeansYokeConstants constants;
    float excess;  // D (E), hips over waist
};

// The back of a size-50 hip: seat frame, T6 beside the waist, side curve,
// yoke 0.35·S below the waist middle.
TJeansYoke Drafted(const YokeCase& c, float hip, float hipEase, float seat) {
    TJeansYoke y(c.constants);
    const float hipY = -(seat * 2.0f / 3.0f + 1.0f), crotchY = -seat;
    y.DraftSeat(hip, hipEase, seat, 0.0f, hipY, crotchY);
    y.T6 = Vector(y.B3.x + 1.5f, 1.0f);
    y.DraftSide(1.0f);
    y.DraftYoke(Vector(0, hipY), c.excess, seat, 0.35f * seat);
    return y;
}

TEST(JeansYokeConstants, TheDraftFollowsTheConstantsItIsGiven) {
    EXPECT_EQ(TJeansYoke().YokeConstants.backTilt, 0.08);  // the women's by default
    const YokeCase cases[] = {
        {"women", JeansYokeConstants{}, 12.0f},
        {"men", kMenJeansYoke, 12.0f},
        {"men, small turn", kMenJeansYoke, 0.5f},
    };
    const float hip = 50.0f, hipEase = 1.0f, seat = 23.5f;
    for (const YokeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TJeansYoke y = Drafted(c, hip, hipEase, seat);
        const JeansYokeConstants& k = c.constants;

        // The seat frame turned up by α = backTilt·(Сб + W)/A.
        const double A = 0.5 * (hip + hipEase) + 1.0;
        const double alpha = k.backTilt * (hip + seat) / A;
        EXPECT_NEAR(y.B5.y - y.B3.y, A * std::sin(alpha), 1e-4);
        EXPECT_NEAR(y.B5.x - y.B3.x, A * std::cos(alpha), 1e-4);

        // The side curve's controls: a sixth of |B3 T6| above "10", the
        // constant's share below.
        const double side = Geom::Distance(y.B3, y.T6);
        EXPECT_NEAR(Geom::Distance(y.P10, y.SideUpperCtrl), side / 6.0, 1e-4);
        EXPECT_NEAR(Geom::Distance(y.P10, y.SideLowerCtrl), side / k.lowerSideDivisor, 1e-4);

        // The seam: arcs of (1 − seamShrink·t)·|y T51| and ·|y T61| that
        // turn by t = seamTurn·D/W between them, shared by their lengths.
        const double turn = k.seamTurn * c.excess / seat;
        const double L1 = (1.0 - k.seamShrink * turn) * Geom::Distance(y.Y, y.T51);
        const double L2 = (1.0 - k.seamShrink * turn) * Geom::Distance(y.Y, y.T61);
        const double t1 = turn * L2 / (L1 + L2), t2 = turn - t1;
        auto chord = [](double length, double a) { return length * std::hypot(Geom::SinX_X(a), Geom::OneMinusCosX_X(a)); };
        EXPECT_NEAR(Geom::Distance(y.Y, y.T52), chord(L1, t1), 1e-3);
        EXPECT_NEAR(Geom::Distance(y.Y, y.T62), chord(L2, t2), 1e-3);
        EXPECT_EQ(y.SeamMode, std::fabs(turn) <= kYokeArcThreshold ? kYokeQuadratic : kYokeArcs);
    }
}

}  // namespace
