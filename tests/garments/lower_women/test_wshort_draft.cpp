// The women's shorts drafted on their own (no windows): the worked example
// of the cutting method, the side inset's cases, the inseam factor's clamp,
// the yoke's drawing cases and segment rows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "garments/lower_women/WShort.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

struct ShortsMeasures {
    float Ct, Cb, Vs, Dsh, Shn, Pt, Pb, Pvs;
};

const ShortsMeasures kSamples{39.5f, 50, 23.5f, 30, 30, 0.5f, 0, 0};

void Draft(TWShort& s, const ShortsMeasures& m) {
    s.WaistHalfGirth = m.Ct;
    s.HipHalfGirth = m.Cb;
    s.SeatHeight = m.Vs;
    s.ShortsLength = m.Dsh;
    s.HemWidth = m.Shn;
    s.WaistEase = m.Pt;
    s.HipEase = m.Pb;
    s.SeatEase = m.Pvs;
    s.Calculate();
    s.CalcSegments();
}

class ShortsDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TWShort shorts;  // no main window: the column helpers stand aside
};

TEST_F(ShortsDraftTest, WorkedExampleOfTheMethod) {
    Draft(shorts, kSamples);
    ASSERT_TRUE(shorts.calculated);
    EXPECT_FLOAT_EQ(shorts.Excess, 10.0f);
    EXPECT_FLOAT_EQ(shorts.B.x, -14.5f);
    EXPECT_FLOAT_EQ(shorts.B.y, shorts.B0.y);
    EXPECT_FLOAT_EQ(shorts.B1.x, 9.5f);
    EXPECT_FLOAT_EQ(shorts.T4.x, shorts.T3.x);
    EXPECT_NEAR(shorts.T4.y, 10.0 / 9.0, 1e-6);
    // κ = 0.73·D/Вс ≈ 17.8°: the yoke seam is drawn as arcs.
    EXPECT_EQ(shorts.SeamMode, kYokeArcs);
    EXPECT_EQ(FormatFixed(shorts.CrotchSeam, 5, 1), "61.8");
    // The waist edges of the yoke end within the fit's tolerance.
    EXPECT_NEAR(Geom::Distance(shorts.T52, shorts.T53), Geom::Distance(shorts.T51, shorts.T5), kYokeFitTolerance);
    EXPECT_NEAR(Geom::Distance(shorts.T62, shorts.T63), Geom::Distance(shorts.T61, shorts.T6), kYokeFitTolerance);
    // The back inseam is 0.98 of the front one.
    EXPECT_NEAR(Geom::Distance(shorts.H4, shorts.C5), 0.98 * Geom::Distance(shorts.H2, shorts.C2), 1e-3);
    // Front and back hems share Шн: H4.x − H2.x is the back's extra width e.
    EXPECT_NEAR(double(shorts.H2.x) + shorts.H4.x, 30.0, 1e-4);

    // The tables: row 0 of the front shows Дш, the yoke rows close the back.
    const auto front = shorts.FrontTableRows();
    ASSERT_EQ(front.size(), size_t(TWShort::kFrontRows));
    EXPECT_STREQ(front[0].text, "[ T0, H0 ]");
    EXPECT_EQ(front[0].value, 30.0f);
    EXPECT_STREQ(front[7].text, "[ H0, H01 ]");
    EXPECT_EQ(front[7].value, 0.5f);
    const auto back = shorts.BackTableRows();
    ASSERT_EQ(back.size(), size_t(TWShort::kBackRows));
    EXPECT_STREQ(back[15].text, "[ T6, 13 ]");
    EXPECT_STREQ(back[16].text, "[ 13, y ]");
    EXPECT_NEAR(back[16].value, 0.3 * 23.5, 1e-4);  // "y" lies 0.3·Вс from "13"
    EXPECT_STREQ(back[24].text, "[ T5, T53 ]");
    EXPECT_NEAR(back[24].value, Geom::Distance(shorts.T5, shorts.T53), 1e-6);
    EXPECT_EQ(shorts.MeasureTableRows().size(), 8u);
}

// D = 0 and a waist wider than the hips: no side inset ("2" on "1", "10"
// on "9"), quadratic yoke edges.
TEST_F(ShortsDraftTest, NoSideInsetKeepsTheSideLinesStraight) {
    ShortsMeasures m = kSamples;
    m.Ct = 49.5f;
    Draft(shorts, m);
    EXPECT_LE(shorts.SideInset, 0.0f);
    EXPECT_EQ(shorts.P2, shorts.P1);
    EXPECT_EQ(shorts.P10, shorts.P9);
    EXPECT_EQ(shorts.SeamMode, kYokeQuadratic);
    EXPECT_EQ(shorts.TopModeT53, kYokeQuadratic);
    EXPECT_EQ(shorts.TopModeT63, kYokeQuadratic);
}

// k = (C0.y − H0.y − 0.1·Сб)/(C0.y + Сб + Пб − 0.1·Сб), held within 0..1:
// shorts whose hem comes up to the lowered crotch get straight inseams.
TEST_F(ShortsDraftTest, InseamFactorIsHeldWithinZeroAndOne) {
    ShortsMeasures m = kSamples;
    m.Dsh = 28.5f;  // the shortest the checks allow: Вс + 0.1·Сб
    m.Pvs = 3;      // the crotch line 3 cm lower: k below 0
    Draft(shorts, m);
    EXPECT_EQ(shorts.InseamShape, 0.0f);
    EXPECT_EQ(Geom::Distance(shorts.P5, shorts.P6), 0.0f);

    m.Pvs = 0;
    m.Dsh = 200;  // far below the knee
    Draft(shorts, m);
    EXPECT_EQ(shorts.InseamShape, 1.0f);

    Draft(shorts, kSamples);
    EXPECT_GT(shorts.InseamShape, 0.0f);
    EXPECT_LT(shorts.InseamShape, 1.0f);
}

TEST_F(ShortsDraftTest, ZeroSeatHeightFailsTheDraft) {
    ShortsMeasures m = kSamples;
    m.Vs = 0;
    EXPECT_THROW(Draft(shorts, m), EFloatError);
    EXPECT_FALSE(shorts.calculated);
}

}  // namespace
