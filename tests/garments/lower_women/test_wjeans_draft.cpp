// The women's jeans drafted on their own (no windows): the worked example of
// the cutting method, the second variant's seat height and ease, the
// straight yoke of D = 0, the yoke's drawing cases, and the yoke fit's bound.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "garments/lower_women/WJeans.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

struct JeansMeasures {
    float Ct, Cb, Ok, Dsp, Pt, Pb, Pok;
};

const JeansMeasures kSamples{39.5f, 50, 39.4f, 99.9f, 0.5f, 0, 4};

void Put(TWJeansBase& j, const JeansMeasures& m) {
    j.WaistHalfGirth = m.Ct;
    j.HipHalfGirth = m.Cb;
    j.KneeGirth = m.Ok;
    j.FrontLength = m.Dsp;
    j.WaistEase = m.Pt;
    j.HipEase = m.Pb;
    j.KneeEase = m.Pok;
}

// TWJeans2 with the seat height of TWJeans's seat depth.
void Put2(TWJeansBase& j, const JeansMeasures& m, float Vs, float Pvs) {
    Put(j, m);
    j.SeatHeight = Vs;
    j.SeatEase = Pvs;
}

std::string Tenth(float v) { return FormatFixed(v, 5, 1); }

#define EXPECT_POINT(p, x_, y_)                  \
    do {                                         \
        EXPECT_NEAR((p).x, (x_), 0.006) << #p;   \
        EXPECT_NEAR((p).y, (y_), 0.006) << #p;   \
    } while (0)

class JeansDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
};

TEST_F(JeansDraftTest, WorkedExampleOfTheMethod) {
    TWJeans j;
    Put(j, kSamples);
    j.Calculate();
    ASSERT_TRUE(j.calculated);
    EXPECT_FLOAT_EQ(j.Excess, 10.0f);
    EXPECT_FLOAT_EQ(j.SeatDepth, 23.5f);
    EXPECT_POINT(j.C0, 0, -22.39);
    EXPECT_POINT(j.B0, 0, -15.56);
    EXPECT_POINT(j.K0, 0, -57.73);
    EXPECT_POINT(j.B, -14, -15.56);
    EXPECT_POINT(j.B1, 10, -15.56);
    EXPECT_POINT(j.C2, 14, -22.39);
    EXPECT_POINT(j.K2, 10.35, -57.73);
    EXPECT_POINT(j.T111, 8.33, 0.36);
    EXPECT_POINT(j.T3, -10.67, 0);
    EXPECT_POINT(j.T4, -10.67, 1.11);
    EXPECT_POINT(j.B3, -19.13, -15.56);
    EXPECT_POINT(j.B4, 6.87, -15.56);
    EXPECT_POINT(j.B5, 6.21, -9.73);
    EXPECT_POINT(j.C3, 9.13, -22.39);
    EXPECT_POINT(j.C4, 19.13, -22.39);
    // k = 0.73·D/W ≈ 17.8°: the seam is drawn as arcs.
    EXPECT_NEAR(0.73 * 10 / 23.5 * 180 / M_PI, 17.8, 0.05);
    EXPECT_EQ(j.SeamMode, kYokeArcs);
    // B3 and C4 lie symmetrically about the base line.
    EXPECT_NEAR(j.B3.x, -j.C4.x, 1e-4);
    // The back inner leg and side are as long as the front ones.
    EXPECT_NEAR(Geom::Distance(j.K4, j.C5), Geom::Distance(j.K2, j.C2), 1e-3);
    EXPECT_NEAR(Geom::Distance(j.K3, j.T6), Geom::Distance(j.K1, j.T4), 1e-3);
    // The fitted waist edges of the yoke match the edges they replace.
    EXPECT_NEAR(Geom::Distance(j.T52, j.T53), Geom::Distance(j.T51, j.T5), kYokeFitTolerance);
    EXPECT_NEAR(Geom::Distance(j.T62, j.T63), Geom::Distance(j.T61, j.T6), kYokeFitTolerance);
    EXPECT_EQ(Tenth(j.CrotchSeam), "60.4");
    // C3 lies left of C1 with the samples.
    EXPECT_LE(j.C3.x, j.C1.x);
}

TEST_F(JeansDraftTest, SecondVariantDraftsTheSamePointsFromItsSeatHeight) {
    TWJeans j;
    Put(j, kSamples);
    j.Calculate();
    TWJeans2 j2;
    Put2(j2, kSamples, 23.5f, 0);
    j2.Calculate();
    for (const auto& [a, b] : {std::pair{j.C5, j2.C5}, {j.T63, j2.T63}, {j.T53, j2.T53}, {j.ArcOnSide, j2.ArcOnSide},
                               {j.PentLowLeft, j2.PentLowLeft}, {j.P12, j2.P12}}) {
        EXPECT_FLOAT_EQ(a.x, b.x);
        EXPECT_FLOAT_EQ(a.y, b.y);
    }
    EXPECT_FLOAT_EQ(j.CrotchSeam, j2.CrotchSeam);

    // Пвс lowers the crotch line by itself and leaves the hip line.
    TWJeans2 eased;
    Put2(eased, kSamples, 23.5f, 2);
    eased.Calculate();
    EXPECT_NEAR(eased.C0.y, j2.C0.y - 2, 1e-5);
    EXPECT_FLOAT_EQ(eased.B0.y, j2.B0.y);
}

// D = 0: no side inset, a straight yoke seam and waist edges fitted at once.
TEST_F(JeansDraftTest, NoExcessGivesAStraightYoke) {
    TWJeans j;
    JeansMeasures m = kSamples;
    m.Ct = 49.5f;  // Ст + Пт = Сб + Пб
    Put(j, m);
    j.Calculate();
    EXPECT_EQ(j.Excess, 0.0f);
    EXPECT_EQ(j.P2, j.P1);
    EXPECT_EQ(j.P10, j.P9);
    EXPECT_EQ(j.SeamMode, kYokeQuadratic);
    // T52 on T51 and T62 on T61 (the seam ends where the yoke line meets
    // the centre line and, to the crossing search's 0.005 cm, the side).
    EXPECT_POINT(j.T52, j.T51.x, j.T51.y);
    EXPECT_POINT(j.T62, j.T61.x, j.T61.y);
    EXPECT_EQ(j.T53, j.T5);
    EXPECT_EQ(j.T63, j.T6);
    EXPECT_EQ(j.TurnT53, 0.0f);
    EXPECT_EQ(j.TopModeT53, kYokeQuadratic);
    EXPECT_EQ(j.TopModeT63, kYokeQuadratic);
}

// Which way the yoke's edges are drawn: the seam and the two waist edges
// decide by their own turns (arcs above 3.75°), and a yoke line below "10"
// takes a piece of the lower side curve into the yoke.
TEST_F(JeansDraftTest, DrawingCasesOfTheYoke) {
    struct Case {
        float seatHeight, waist;
        bool low;
        int seam, top53, top63;
    } cases[] = {
        {23.5f, 39.5f, false, kYokeArcs, kYokeArcs, kYokeArcs},
        {40, 25, true, kYokeArcs, kYokeArcs, kYokeArcs},
        {45, 39.5f, false, kYokeArcs, kYokeArcs, kYokeQuadratic},
        {23.5f, 48, false, kYokeQuadratic, kYokeQuadratic, kYokeQuadratic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seatHeight << " / " << c.waist);
        TWJeans2 j;
        Put2(j, kSamples, c.seatHeight, 0);
        j.WaistHalfGirth = c.waist;
        j.Calculate();
        EXPECT_EQ(j.LowYoke(), c.low);
        EXPECT_EQ(j.SeamMode, c.seam);
        EXPECT_EQ(j.TopModeT53, c.top53);
        EXPECT_EQ(j.TopModeT63, c.top63);
        EXPECT_EQ(j.TopModeT63 == kYokeQuadratic, std::fabs(j.TurnT63) <= kYokeArcThreshold);
        EXPECT_NEAR(Geom::Distance(j.T52, j.T53), Geom::Distance(j.T51, j.T5), kYokeFitTolerance);
        EXPECT_NEAR(Geom::Distance(j.T62, j.T63), Geom::Distance(j.T61, j.T6), kYokeFitTolerance);
        // T61 lies on the yoke line.
        EXPECT_NEAR(j.T61.y, j.Y.y, 0.01);
        if (c.low) {
            EXPECT_NE(j.EdgeB3, Vector());
        }
    }
}

// A yoke whose waist edge cannot reach the length it must match: the edge
// "13" → T53 is only 0.001 cm long, so turning it never changes |T52 T53|
// by the missing amount.  The fit stops at its bound with the kernel's
// error instead of turning for ever; an edge of no length fails too.
TEST_F(JeansDraftTest, YokeFitThatCannotSettleFailsAtItsBound) {
    TJeansYoke y;
    y.B3 = Vector(-10, -15);
    y.B5 = Vector(6, -10);
    y.T5 = Vector(5, 0);
    y.T6 = Vector(-5, 0);
    y.P10 = Vector(-8, -7);
    y.SideUpperCtrl = Vector(-7, -3);
    y.SideLowerCtrl = Vector(-9, -11);
    const Vector B0(0, -15);
    const float D = float((5.0 - 0.001) / 0.11);  // T53 starts 0.001 from "13"
    try {
        y.DraftYoke(B0, D, 20, 5);
        ADD_FAILURE() << "the fit settled";
    } catch (const EFloatError& e) {
        EXPECT_NE(std::string(e.what()).find("yoke waist fit"), std::string::npos) << e.what();
    }
    // What the fit was asked for lies out of its reach.
    const float reach = Geom::Distance(y.T52, y.P13);
    ASSERT_GT(std::fabs(Geom::Distance(y.T51, y.T5) - reach), 0.001f + kYokeFitTolerance);

    TJeansYoke none = y;
    EXPECT_THROW(none.DraftYoke(B0, float(5.0 / 0.11), 20, 5), EFloatError);
}

// A seat depth of zero divides by zero in the yoke seam's turn: the draft
// fails with the kernel's error, which the calculation road reports.
TEST_F(JeansDraftTest, ZeroSeatHeightFailsTheDraft) {
    TWJeans2 j;
    Put2(j, kSamples, 0, 0);
    EXPECT_THROW(j.Calculate(), EFloatError);
    EXPECT_FALSE(j.calculated);
}

}  // namespace
