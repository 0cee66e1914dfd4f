// The skirt's drafting on its own (no windows): the worked example of the
// cutting method, the dart cases, the t factor, the side-length search and
// the right dart's opening.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "garments/lower_women/Yubka.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

struct Measures {
    float Ct, Cb, Dtk, Dsb, Dsp, Dtc, Pt, Pb;
};

const Measures kSamples{38, 53, 53.3f, 99.4f, 97.9f, 38.2f, 0.5f, 1};

void Put(TYubka& y, const Measures& m) {
    y.WaistHalfGirth = m.Ct;
    y.HipHalfGirth = m.Cb;
    y.WaistToKnee = m.Dtk;
    y.SideWaistToFloor = m.Dsb;
    y.FrontWaistToFloor = m.Dsp;
    y.BackWaistLength = m.Dtc;
    y.WaistEase = m.Pt;
    y.HipEase = m.Pb;
}

void Draft(TYubka& y, const Measures& m) {
    Put(y, m);
    y.Calculate();
    y.CalcSegments();
}

class SkirtDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TYubka skirt;  // no main window: the column helpers stand aside
};

TEST_F(SkirtDraftTest, WorkedExampleOfTheMethod) {
    Draft(skirt, kSamples);
    ASSERT_TRUE(skirt.calculated);
    EXPECT_EQ(FormatFixed(skirt.Suppression, 5, 1), "15.5");
    EXPECT_NEAR(skirt.RiseNorm, 2.314f, 1e-5f);
    EXPECT_NEAR(skirt.SideRise - skirt.RiseNorm, -0.814f, 1e-5f);  // t
    EXPECT_FLOAT_EQ(skirt.b5.x, -0.07f * 15.5f);                   // factor −0.07
    EXPECT_TRUE(skirt.TwoDarts());
    EXPECT_EQ(FormatFixed(skirt.LeftDartTotal, 5, 1), "7.2");

    const std::vector<std::string> expected = {"53.3", "19.1", "54.0", "27.6", "13.2", "11.2", "7.5",
                                               "1.5",  "2.0",  "10.1", "5.2",  "1.3",  "6.3",  "0.3",
                                               "0.8",  "3.6",  "3.6",  "3.0",  "3.0"};
    const std::vector<std::string> names = {"[ T, H ]",    "[ T, B ]",    "[ B, B1 ]",  "[ B, B2 ]",  "[ B1, B3 ]",
                                            "[ B, B4 ]",   "[ B4, B5 ]",  "[ T2, T21 ]", "[ b2, b3 ]", "[ T3, b4  ]",
                                            "[ T21, b1 ]", "[ 1, 2 ]",    "[ b1, b5 ]", "[ 3, 4 ]",   "[ T, T0 ]",
                                            "[ b7, b8 ]",  "[ b10, b11 ]", "[ B4, b6 ]", "[ B5, b9 ]"};
    const std::vector<ValueTableRow> rows = skirt.SegmentTableRows();
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, names[i]) << "row " << i;
        EXPECT_EQ(FormatFixed(rows[i].value, 5, 1), expected[i]) << rows[i].text;
    }
    // The side seams were matched to 0.1 cm.
    EXPECT_LT(std::fabs(skirt.LeftSideLength - skirt.RightSideLength), 0.1f);
    EXPECT_EQ(skirt.BoxLeft, skirt.T.x);
    EXPECT_EQ(skirt.BoxRight, skirt.T1.x);
    EXPECT_EQ(skirt.BoxTop, std::max(skirt.b5.y, skirt.SideRise));
    EXPECT_FLOAT_EQ(skirt.BoxBottom, -53.3f);
}

TEST_F(SkirtDraftTest, TheDartSidesAreEqualAfterTheWaistIsShaped) {
    Draft(skirt, kSamples);
    // Each dart top rises so that its two sides end on the waist curve.
    EXPECT_NEAR(Geom::Distance(skirt.b4, skirt.T3), Geom::Distance(skirt.b4, skirt.RightWaistJoin), 1e-4f);
    EXPECT_NEAR(Geom::Distance(skirt.b6, skirt.LeftDart1Top), Geom::Distance(skirt.b6, skirt.LeftWaistJoin), 1e-4f);
    EXPECT_NEAR(Geom::Distance(skirt.b9, skirt.LeftDart2Top), Geom::Distance(skirt.b9, skirt.LeftDart2Join), 1e-4f);
}

// D = 6 leaves R well under 5: one left dart, opening R/2 on each side of
// its centre line, 16 table rows without the second dart's.
TEST_F(SkirtDraftTest, SmallSuppressionGivesOneLeftDart) {
    Draft(skirt, {40, 46, 60, 100, 99, 38, 0, 0});
    ASSERT_FALSE(skirt.TwoDarts());
    EXPECT_LE(skirt.LeftDartTotal, 5.0f);
    EXPECT_FLOAT_EQ(skirt.B4.x, skirt.T.x / 2);
    // b8 and b7 stand R/2 from the dart's centre line along the waist.
    const Vector u = Vector::UnitBetween(skirt.T0, skirt.b5);
    EXPECT_NEAR(skirt.b8.x - skirt.B4.x, u.x * skirt.LeftDartTotal / 2, 1e-4f);
    EXPECT_NEAR(skirt.B4.x - skirt.b7.x, u.x * skirt.LeftDartTotal / 2, 1e-4f);
    const std::vector<ValueTableRow> rows = skirt.SegmentTableRows();
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(std::string(rows[8].text), "[ T3, b4 ]");  // one blank before the bracket here
    EXPECT_EQ(std::string(rows.back().text), "[ B4, b6 ]");
}

TEST_F(SkirtDraftTest, FiveIsTheLastOneDartTotal) {
    skirt.LeftDartTotal = 5.0f;
    EXPECT_FALSE(skirt.TwoDarts());
    skirt.LeftDartTotal = std::nextafter(5.0f, 6.0f);
    EXPECT_TRUE(skirt.TwoDarts());
}

// t = rise − k with k = 0.1·10 + 0.02·25 = 1.5: the factor a of b5.x = a·D.
TEST_F(SkirtDraftTest, TheTFactorAndItsBoundaries) {
    struct Case {
        float sideToFloor;  // the front is 100
        float a;
    } cases[] = {
        {100.99f, -0.07f},              // t ≈ −0.51
        {101.0f, float(-1.0 / 6.0)},    // t = −0.5 exactly
        {101.5f, float(-1.0 / 6.0)},    // t = 0
        {102.0f, float(-1.0 / 6.0)},    // t = 0.5 exactly
        {102.01f, -0.22f},              // t ≈ 0.51
    };
    for (const Case& c : cases) {
        TYubka y;
        Draft(y, {40, 49, 60, c.sideToFloor, 100, 25, 0, 1});
        ASSERT_EQ(y.RiseNorm, 1.5f);
        EXPECT_EQ(y.b5.x, float(double(c.a) * 10.0)) << "side " << c.sideToFloor;
    }
}

TEST_F(SkirtDraftTest, TheSideLengthSearchRunsFromDEqualEight) {
    TYubka below;
    Draft(below, {40, 47.99f, 60, 100, 99, 38, 0, 0});
    ASSERT_LT(below.Suppression, 8.0f);
    EXPECT_EQ(below.RightSideLength, 0.0f);  // never measured
    // b5 stays on the circle about B2 through b1.
    EXPECT_NEAR(Geom::Distance(below.B2, below.b5), Geom::Distance(below.B2, below.b1), 1e-4f);

    TYubka at;
    Draft(at, {40, 48, 60, 100, 99, 38, 0, 0});
    ASSERT_EQ(at.Suppression, 8.0f);
    EXPECT_GT(at.RightSideLength, 0.0f);
    EXPECT_LT(std::fabs(at.LeftSideLength - at.RightSideLength), 0.1f);
}

// m = min(D/12, 1): b3 stands m from T3 along the waist T21 → T1, b2 is its
// mirror image in the dart's centre line.
TEST_F(SkirtDraftTest, RightDartOpeningIsCappedAtOneCentimetre) {
    struct Case {
        float hip;  // waist 40, so D = hip − 40
        float m;
    } cases[] = {{50, 10.0f / 12}, {52, 1.0f}, {58, 1.0f}};
    for (const Case& c : cases) {
        TYubka y;
        Draft(y, {40, c.hip, 60, 100, 99, 38, 0, 0});
        const Vector dir = Vector::UnitBetween(y.T21, y.T1);
        EXPECT_NEAR((y.b3.x - y.b2.x) / 2, c.m * dir.x, 1e-5f) << "D " << y.Suppression;
        EXPECT_FLOAT_EQ(y.b3.x + y.b2.x, 2 * y.B3.x);
    }
}

// Measurements that pass the checks but make the draft degenerate (D = 0,
// no side rise and Дтс = 0 put b1 on B2) fail by the kernel's exception.
TEST_F(SkirtDraftTest, DegenerateDraftThrowsTheKernelError) {
    TYubka y;
    Put(y, {40, 40, 60, 100, 100, 0, 0, 0});
    EXPECT_THROW(y.Calculate(), EFloatError);
    EXPECT_FALSE(y.calculated);
}

}  // namespace
