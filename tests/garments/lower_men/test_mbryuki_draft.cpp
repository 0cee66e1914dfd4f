// The men's classic trousers' drafting on its own (no windows): the worked
// example of the cutting method, the second trousers with the first one's
// seat depth, the figure switch and the hem limit at their boundaries, the
// straight seams, the fixed table rows, and degenerate measurements failing
// with EFloatError and keeping the last draft.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_men/MBryuki.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

// Ст, Сб, Вс, Дсб, Пт, Пб, Пвс (the first trousers ignore Вс and Пвс).
struct Measures {
    float Ct, Cb, Vs, Dsb, Pt, Pb, Pvs;
};

const Measures kSamples{41, 50, 23.5f, 100, 0.5f, 1, 0};

void Draft(TMBryukiDraft& d, const Measures& m) {
    d.WaistHalfGirth = m.Ct;
    d.HipHalfGirth = m.Cb;
    d.SeatHeight = m.Vs;
    d.SideLength = m.Dsb;
    d.WaistEase = m.Pt;
    d.HipEase = m.Pb;
    d.SeatEase = m.Pvs;
    d.Calculate();
    d.CalcSegments();
}

std::string Text(float v) { return FormatFixed(v, 5, 1); }

bool SamePoints(const MenTrouserPoints& a, const MenTrouserPoints& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

float Row(const std::vector<ValueTableRow>& rows, const std::string& text) {
    for (const ValueTableRow& r : rows)
        if (text == r.text) return r.value;
    ADD_FAILURE() << "no row " << text;
    return 0;
}

class MBryukiDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TMBryuki trousers;  // no main window: the column helpers stand aside
    TMBryuki2 trousers2;
};

// The samples (41, 50, 100, 0.5, 1): the levels and widths the method
// states, and what the construction promises.
TEST_F(MBryukiDraftTest, WorkedExampleOfTheMethod) {
    Draft(trousers, kSamples);
    const TMBryuki& d = trousers;
    ASSERT_TRUE(d.calculated);
    EXPECT_EQ(d.Surplus, 9.5f);
    EXPECT_EQ(d.SeatDepth, 23.5f);  // Сб/2 − 1.5
    EXPECT_FLOAT_EQ(d.B.x, -14.8f);
    EXPECT_FLOAT_EQ(d.B1.x, 9.7f);
    EXPECT_FLOAT_EQ(d.C2.x, 14.8f);
    EXPECT_FLOAT_EQ(d.B0.y, -47.0f / 3);
    EXPECT_EQ(d.C0.y, -23.5f);
    EXPECT_FLOAT_EQ(d.K0.y, -347.0f / 6);
    EXPECT_FLOAT_EQ(d.T2.y, -0.76f);
    EXPECT_EQ(d.T11.y, d.T2.y);
    // The quadratic is about 8.1 and Сб − Ст = 9: the waist is not raised.
    EXPECT_FALSE(d.FigureSwitch);
    EXPECT_EQ(d.T7, d.T11);
    EXPECT_EQ(d.T8, d.T7);
    EXPECT_FALSE(d.CurvedFly());
    // The hem H2.x − H1.x = 2·(K2.x − 0.5) = 21.8 stays; the side bows.
    EXPECT_FLOAT_EQ(d.H2.x, 10.9f);
    EXPECT_FLOAT_EQ(d.H1.x, -10.9f);
    EXPECT_GT(d.SideBulge, 0.0f);

    // The back: B5 on the circle about B3 through B4, turned up; C4 and B3
    // symmetric about the crease; C5 0.98 of the front inside leg from K4
    // and on the circle about C3 through C4.
    EXPECT_NEAR(Geom::Distance(d.B3, d.B5), d.B4.x - d.B3.x, 1e-4f);
    EXPECT_GT(d.B5.y, d.B4.y);
    EXPECT_FLOAT_EQ(d.C4.x, -d.B3.x);
    EXPECT_NEAR(Geom::Distance(d.K4, d.C5), 0.98f * Geom::Distance(d.K2, d.C2), 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.C3, d.C5), d.C4.x - d.C3.x, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.B5, d.T5), Geom::Distance(d.B1, d.T11), 1e-4f);
    // The back waist: the dart's legs mirror each other about its centre
    // line through b2 and the dart point b3 (s/3 below b2); the pocket line
    // 14 cm long centred on b3.
    EXPECT_NEAR(Geom::Distance(d.b3, d.b4), Geom::Distance(d.b3, d.b5), 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.b2, d.b3), 23.5f / 3, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.b2, d.T6), Geom::Distance(d.b2, d.T5), 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.P, d.b3), 7.0f, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.P1, d.b3), 7.0f, 1e-4f);
    // The back crotch curve starts where the line T5 – B5 meets the hips.
    EXPECT_FLOAT_EQ(d.BackCrotchTop.y, d.B0.y);
    // The front pocket: T4 3 cm along the waist curve from T21 (by chords),
    // B6 on the side seam 0.2·Сб + 9 = 19 from T4.
    EXPECT_NEAR(Geom::Distance(d.T21, d.T4), 3.0f, 0.01f);
    EXPECT_NEAR(Geom::Distance(d.T4, d.B6), 19.0f, 0.01f);
    EXPECT_NEAR(d.SeamLabelPos.x, -13.6f, 1e-5f);
    EXPECT_NEAR(d.SeamLabelPos.y, d.B0.y - 0.6f, 1e-5f);

    // The crotch seam is a real length about the sum of its straight parts.
    EXPECT_GT(d.CrotchSeam, Geom::Distance(d.T5, d.BackCrotchTop) + Geom::Distance(d.T8, d.B11));
    EXPECT_EQ(d.SeamLabelText().rfind("Средний срез:", 0), 0u);
}

// Rows that the method fixes and rows read straight off the points.
TEST_F(MBryukiDraftTest, TableRows) {
    Draft(trousers, kSamples);
    const std::vector<ValueTableRow> front = trousers.FrontTableRows();
    const std::vector<ValueTableRow> back = trousers.BackTableRows();
    ASSERT_EQ(front.size(), 23u);
    ASSERT_EQ(back.size(), 25u);
    EXPECT_STREQ(front.front().text, "[ T0, H0 ]");
    EXPECT_STREQ(front.back().text, "[ T4, B6 ]");
    EXPECT_STREQ(back.front().text, "[ K0, K3 ]");
    EXPECT_STREQ(back.back().text, "[ P, P1 ]");

    const struct {
        const std::vector<ValueTableRow>& rows;
        const char* text;
        const char* shown;
    } cases[] = {
        {front, "[ T0, H0 ]", "100.0"}, {front, "[ T0, C0 ]", "23.5"},  {front, "[ C0, B0 ]", "7.8"},
        {front, "[ T0, K0 ]", "57.8"},  {front, "[ T, T2 ]", "0.8"},    {front, "[ B, B0 ]", "14.8"},
        {front, "[ B0, B1 ]", "9.7"},   {front, "[ B1, B11 ]", "0.5"},  {front, "[ C1, C2 ]", "5.1"},
        {front, "[ K0, K1 ]", "11.4"},  {front, "[ K0, K2 ]", "11.4"},  {front, "[ H0, H1 ]", "10.9"},
        {front, "[ H0, H2 ]", "10.9"},  {front, "[ H0, H01 ]", "0.5"},  {front, "[ T, T21 ]", "0.9"},
        {front, "[ T11, T7 ]", "0.0"},  {front, "[ T7, T8 ]", "0.0"},   {front, "[ b0, b1 ]", "3.8"},
        {front, "[ T21, T4 ]", "3.0"},  {front, "[ T4, B6 ]", "19.0"},  {back, "[ K0, K4 ]", "12.9"},
        {back, "[ H0, H3 ]", "12.4"},   {back, "[ H0, H011 ]", "0.5"},  {back, "[ B3, B4 ]", "26.0"},
        {back, "[ P, P1 ]", "14.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(Row(c.rows, c.text)), c.shown) << c.text;

    // Rows equal by construction show the same float.
    EXPECT_EQ(Row(back, "[ B3, B5 ]"), Row(back, "[ B3, B4 ]"));
    EXPECT_EQ(Row(back, "[ C3, C5 ]"), Row(back, "[ C3, C4 ]"));
    EXPECT_EQ(Row(back, "[ K, T3 ]"), Geom::Distance(trousers.K, trousers.T3));

    const std::vector<ValueTableRow> measures = trousers.MeasureTableRows();
    ASSERT_EQ(measures.size(), 5u);
    const char* codes[] = {"Ст", "Сб", "Дсб", "Пт", "Пб"};
    const float values[] = {41, 50, 100, 0.5f, 1};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(measures[i].text, codes[i]);
        EXPECT_EQ(measures[i].value, values[i]);
    }
}

// Вс = Сб/2 − 1.5 and Пвс = 0 make the second trousers draft the first
// one's pattern bit for bit; Пвс lowers the seat line but not the hips.
TEST_F(MBryukiDraftTest, SecondTrousersTakeTheSeatHeightFromTheMeasurements) {
    Draft(trousers, kSamples);
    Draft(trousers2, kSamples);
    EXPECT_TRUE(SamePoints(trousers, trousers2));
    for (auto rows : {&TMBryukiDraft::FrontTableRows, &TMBryukiDraft::BackTableRows}) {
        const std::vector<ValueTableRow> a = (trousers.*rows)(), b = (trousers2.*rows)();
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].value, b[i].value) << a[i].text;
    }
    EXPECT_EQ(trousers.CrotchSeam, trousers2.CrotchSeam);

    Draft(trousers2, {41, 50, 26, 100, 0.5f, 1, 2});
    EXPECT_FLOAT_EQ(trousers2.B0.y, -26.0f * 2 / 3);
    EXPECT_EQ(trousers2.C0.y, -28.0f);
    EXPECT_NEAR(Geom::Distance(trousers2.b2, trousers2.b3), 26.0f / 3, 1e-4f);
    const std::vector<ValueTableRow> measures = trousers2.MeasureTableRows();
    ASSERT_EQ(measures.size(), 7u);
    EXPECT_STREQ(measures[2].text, "Вс");
    EXPECT_EQ(measures[2].value, 26.0f);
    EXPECT_STREQ(measures[6].text, "Пвс");
    EXPECT_EQ(measures[6].value, 2.0f);
    // The first trousers never read Вс or Пвс.
    Draft(trousers, {41, 50, 26, 100, 0.5f, 1, 2});
    EXPECT_EQ(trousers.SeatDepth, 23.5f);
    EXPECT_EQ(trousers.C0.y, -23.5f);
}

// Hips that exceed the waist by less than −0.0189·Сб² + 1.4545·Сб − 17.3788
// raise the front waist 0.3 at the fly; the comparison is strict.
TEST_F(MBryukiDraftTest, FigureSwitch) {
    const struct {
        float Ct;
        bool raised;
    } cases[] = {{41, false}, {41.9f, false}, {41.91f, true}, {42, true}};  // Сб 50: the quadratic is 8.0962
    for (const auto& c : cases) {
        Draft(trousers, {c.Ct, 50, 0, 100, 0.5f, 1, 0});
        const TMBryuki& d = trousers;
        EXPECT_EQ(d.FigureSwitch, c.raised) << c.Ct;
        if (c.raised) {
            EXPECT_EQ(d.T7, Vector(d.T1.x, d.T11.y + 0.3f)) << c.Ct;
            EXPECT_EQ(d.T8, Vector(d.T7.x + 0.4f, d.T7.y)) << c.Ct;
            EXPECT_EQ(Text(d.FrontTableRows()[15].value), "0.3");
            EXPECT_EQ(Text(d.FrontTableRows()[16].value), "0.4");
        } else {
            EXPECT_EQ(d.T8, d.T11) << c.Ct;
        }
        // b0 and b1 follow the waist at the fly; the fly stays a straight
        // line (T8 never passes B11, which lies 0.5 beyond B1).
        EXPECT_EQ(d.b0.y, d.T7.y);
        EXPECT_EQ(d.b1.y, d.T7.y);
        EXPECT_FALSE(d.CurvedFly());
        // The crotch curve leaves the fly line T8 – B11 where it meets the
        // seat line.
        EXPECT_EQ(d.FrontCrotchCorner.y, d.C0.y);
        EXPECT_NEAR(Geom::Side(d.T8, Vector::UnitBetween(d.T8, d.B11), d.FrontCrotchCorner), 0.0f, 1e-3f);
    }
}

// The front hem is at most 23.5 wide; a side with no bow below the hips
// (the hem line H1 – K1 passing B) runs straight from B through K1.
TEST_F(MBryukiDraftTest, HemLimitAndStraightSide) {
    // Large hip ease widens the knee and the hem: 2·(K2.x − 0.5) grows with
    // Сб + Пб.  Pick Пб so that the hem is just under, at and above 23.5.
    struct Case {
        float Pb;
        bool clamped;
    } cases[] = {{1, false}, {4, false}, {5, true}, {9, true}, {24, true}};
    for (const Case& c : cases) {
        Draft(trousers, {41, 50, 0, 100, 0.5f, c.Pb, 0});
        const TMBryuki& d = trousers;
        const float natural = 2 * (d.K2.x - 0.5f);
        if (c.clamped) {
            ASSERT_GT(natural, 23.5f) << c.Pb;
        } else {
            ASSERT_LE(natural, 23.5f) << c.Pb;
        }
        if (d.SideBulge > 0) {
            EXPECT_EQ(d.H2.x, c.clamped ? 11.75f : d.K2.x - 0.5f) << c.Pb;
            EXPECT_EQ(d.H1.x, c.clamped ? -11.75f : d.K1.x + 0.5f) << c.Pb;
            EXPECT_NE(d.N4, d.N3);
        } else {
            // H1 on the line B – K1, H2 opposite; 4 is 3.
            EXPECT_NEAR(Geom::Side(d.B, Vector::UnitBetween(d.B, d.K1), d.H1), 0.0f, 1e-3f) << c.Pb;
            EXPECT_EQ(d.H2.x, -d.H1.x);
            EXPECT_EQ(d.N4, d.N3);
            EXPECT_EQ(Row(d.FrontTableRows(), "[ 3, 4 ]"), 0.0f);
        }
    }
}

// A back waist that reaches T3 leaves the back side straight above the
// hips: 10 is 9.  E = 0 closes the back dart and puts T21 on T.
TEST_F(MBryukiDraftTest, StraightBackSideAndClosedDart) {
    Draft(trousers, {30, 50, 0, 100, 21, 1, 0});  // E = 0, the waist not raised
    const TMBryuki& d = trousers;
    EXPECT_EQ(d.Surplus, 0.0f);
    EXPECT_EQ(d.T21, d.T);
    EXPECT_EQ(d.N2, d.N1);
    EXPECT_EQ(Text(Row(d.BackTableRows(), "[ b4, b5 ]")), "0.0");
    EXPECT_EQ(Text(Row(d.BackTableRows(), "[ b2, b21 ]")), "0.0");
    ASSERT_LE(Geom::Distance(d.T3, d.T5), Geom::Distance(d.T6, d.T5));
    EXPECT_FALSE(d.BackBulge);
    EXPECT_EQ(d.N10, d.N9);
    EXPECT_EQ(Row(d.BackTableRows(), "[ 9, 10 ]"), 0.0f);

    Draft(trousers, kSamples);
    EXPECT_TRUE(d.BackBulge);
    EXPECT_NE(d.N10, d.N9);
}

// Measurements that pass the input check but cannot be drafted fail with
// EFloatError; the garment keeps its last draft whole.
TEST_F(MBryukiDraftTest, DegenerateMeasurementsThrowAndKeepTheLastDraft) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Measures cases[] = {
        {41, 50, 0, 47.0f / 3, 0.5f, 1, 0},  // the knee on the hem line
        {41, 3e38f, 0, 100, 0.5f, 3e38f, 0},  // Сб + Пб overflows a float
        {41, inf, 0, 100, 0.5f, 1, 0},
        {41, 50, 0, nan, 0.5f, 1, 0},
        {0, -1, 0, 100, 0, 0, 0},           // no back width: w = (Сб + Пб + 1)/2 = 0
    };
    Draft(trousers, kSamples);
    const MenTrouserPoints kept = trousers;
    const float seam = trousers.CrotchSeam;
    for (const Measures& m : cases) {
        EXPECT_THROW(Draft(trousers, m), EFloatError) << m.Cb << " " << m.Dsb;
        EXPECT_TRUE(SamePoints(trousers, kept));
        EXPECT_EQ(trousers.CrotchSeam, seam);
    }
    TMBryuki2 fresh;
    EXPECT_THROW(Draft(fresh, cases[0]), EFloatError);
    EXPECT_FALSE(fresh.calculated);
}

}  // namespace
