// The classic trousers' drafting on its own (no windows): the worked
// example of the cutting method, the second trousers with the first one's
// seat height, the front waist variants and the back dart layouts at their
// boundaries, the rows of points a layout does not build, and degenerate
// measurements failing with EFloatError instead of drawing garbage.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_women/WBryuki.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

// Ст, Сб, Вс, Дсп, Пт, Пб, Пвс (the first trousers ignore Вс and Пвс).
struct Measures {
    float Ct, Cb, Vs, Dsp, Pt, Pb, Pvs;
};

const Measures kSamples{37.5f, 50, 25, 99.9f, 0.5f, 1, 0};

void Put(TWBryukiDraft& w, const Measures& m) {
    w.WaistHalfGirth = m.Ct;
    w.HipHalfGirth = m.Cb;
    w.SeatHeight = m.Vs;
    w.FrontLength = m.Dsp;
    w.WaistEase = m.Pt;
    w.HipEase = m.Pb;
    w.SeatEase = m.Pvs;
}

void Draft(TWBryukiDraft& w, const Measures& m) {
    Put(w, m);
    w.Calculate();
    w.CalcSegments();
}

// The first trousers with a given hip girth: D = Сб − 37 (Ст 37.5, Пт 0.5, Пб 1).
Measures WithSuppression(float hips) { return {37.5f, hips, 25, 99.9f, 0.5f, 1, 0}; }

std::string Text(float v) { return FormatFixed(v, 5, 1); }

bool SamePoints(const WBryukiPoints& a, const WBryukiPoints& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class WBryukiDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TWBryuki trousers;  // no main window: the column helpers stand aside
    TWBryuki2 trousers2;
};

// The samples (37.5, 50, 99.9, 0.5, 1): D = 13, one front dart, two back
// darts; every table row and the crotch seam, to the tenth of a centimetre.
TEST_F(WBryukiDraftTest, WorkedExampleOfTheMethod) {
    Draft(trousers, kSamples);
    ASSERT_TRUE(trousers.calculated);
    EXPECT_EQ(trousers.Suppression, 13.0f);
    EXPECT_EQ(trousers.SeatHeight, 25.0f);  // 0.5·Сб
    EXPECT_EQ(trousers.WaistVariant, 1);
    EXPECT_FLOAT_EQ(trousers.FrontDart, 26.0f / 9.0f);
    EXPECT_FLOAT_EQ(trousers.BackDart, 1.04f);
    EXPECT_TRUE(trousers.TwoBackDarts());
    EXPECT_EQ(trousers.SeamLabelText(), "Средний срез:62.1");

    const std::vector<std::pair<const char*, const char*>> front = {
        {"[ T, H ]", "99.9"},    {"[ T, C ]", "23.4"},     {"[ C, B ]", "8.3"},     {"[ B, K ]", "42.4"},
        {"[ B, B1 ]", "25.0"},   {"[ C1, C2 ]", "4.6"},    {"[ C, C0 ]", "14.8"},   {"[ T1, T11 ]", "1.3"},
        {"[ T11, T111 ]", "0.5"}, {"[ T11, T2 ]", "21.4"}, {"[ T2, T21 ]", "1.6"},  {"[ 1, 2 ]", "0.6"},
        {"[ T21, b1 ]", "4.9"},  {"[ b1, b2 ]", "2.9"},    {"[ b, b0 ]", "10.0"},   {"[ C1, C11 ]", "1.5"},
        {"[ K1, K0 ]", "11.7"},  {"[ K0, K2 ]", "11.7"},   {"[ H1, H0 ]", "10.7"},  {"[ H0, H2 ]", "10.7"},
        {"[ H0, H01 ]", "0.5"},  {"[ 3, 4 ]", "0.3"},      {"[ C2, 5 ]", "11.4"},   {"[ 5, 6 ]", "0.6"},
    };
    const std::vector<std::pair<const char*, const char*>> back = {
        {"[ H1, H3 ]", "1.0"},   {"[ H2, H4 ]", "1.0"},   {"[ K1, K3 ]", "1.0"},   {"[ K2, K4 ]", "1.0"},
        {"[ H0, H011 ]", "0.5"}, {"[ B, B3 ]", "4.0"},    {"[ B3, T3 ]", "16.8"},  {"[ B3, B4 ]", "26.0"},
        {"[ B4, B5 ]", "3.7"},   {"[ B5, T5 ]", "15.0"},  {"[ C6, C3 ]", "10.2"},  {"[ C6, C4 ]", "10.2"},
        {"[ C4, 7 ]", "13.4"},   {"[ 7, 8 ]", "1.2"},     {"[ C2, C5 ]", "0.0"},   {"[ T5, T6 ]", "24.3"},
        {"[ 9, 10 ]", "0.4"},    {"[ 11, 12 ]", "0.6"},   {"[ b3, b4 ]", "12.5"},  {"[ b4, b41 ]", "0.6"},
        {"[ b5, b6 ]", "2.1"},   {"[ b7, b8 ]", "12.5"},  {"[ b8, b81 ]", "0.6"},  {"[ b9, b10 ]", "2.1"},
    };
    auto check = [](const std::vector<ValueTableRow>& rows, const std::vector<std::pair<const char*, const char*>>& want) {
        ASSERT_EQ(rows.size(), want.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_STREQ(rows[i].text, want[i].first) << "row " << i;
            EXPECT_EQ(Text(rows[i].value), want[i].second) << want[i].first;
        }
    };
    check(trousers.FrontTableRows(), front);
    check(trousers.BackTableRows(), back);

    const std::vector<ValueTableRow> measures = trousers.MeasureTableRows();
    ASSERT_EQ(measures.size(), 5u);
    const char* codes[] = {"Ст", "Сб", "Дсп", "Пт", "Пб"};
    const float values[] = {37.5f, 50, 99.9f, 0.5f, 1};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(measures[i].text, codes[i]);
        EXPECT_EQ(measures[i].value, values[i]);
    }
}

// What the construction promises besides the tables.
TEST_F(WBryukiDraftTest, ConstructionKeepsItsPromises) {
    Draft(trousers, kSamples);
    const TWBryuki& w = trousers;
    // The back inseam is 0.98 of the front one; C4 lies on the circle
    // about C6 through C3.
    EXPECT_NEAR(Geom::Distance(w.K4, w.C4), 0.98f * Geom::Distance(w.K2, w.C2), 1e-4f);
    EXPECT_NEAR(Geom::Distance(w.C6, w.C4), w.C3.x - w.C6.x, 1e-4f);
    EXPECT_FLOAT_EQ(w.C3.x, -w.B3.x);
    // The back centre line meets the hip line at B2.
    EXPECT_FLOAT_EQ(w.B2.y, w.B.y);
    // The darts' legs are mirror images about their centre lines.
    EXPECT_NEAR(Geom::Distance(w.b0, w.b1), Geom::Distance(w.b0, w.b2), 1e-4f);
    EXPECT_NEAR(Geom::Distance(w.b3, w.b5), Geom::Distance(w.b3, w.b6), 1e-4f);
    EXPECT_NEAR(Geom::Distance(w.b7, w.b9), Geom::Distance(w.b7, w.b10), 1e-4f);
    // The box holds the whole draft: the back waist on top, the back hem
    // centre below, the back side at the knee on the left.
    EXPECT_EQ(w.BoxTop, std::max(w.T511.y, w.T5.y));
    EXPECT_EQ(w.BoxBottom, w.H011.y);
    EXPECT_LE(w.BoxLeft, w.K3.x);
    EXPECT_GE(w.BoxRight, w.C4.x);
}

// Вс = 0.5·Сб and Пвс = 0 make the second trousers draft the first one's
// pattern bit for bit; another seat height moves the crotch and hip lines.
TEST_F(WBryukiDraftTest, SecondTrousersTakeTheSeatHeightFromTheMeasurements) {
    Draft(trousers, kSamples);
    Draft(trousers2, kSamples);
    EXPECT_TRUE(SamePoints(trousers, trousers2));
    EXPECT_EQ(std::memcmp(trousers.Segments, trousers2.Segments, sizeof trousers.Segments), 0);
    EXPECT_EQ(trousers.CrotchSeam, trousers2.CrotchSeam);

    Draft(trousers2, {37.5f, 50, 20, 99.9f, 0.5f, 1, 2});
    EXPECT_FLOAT_EQ(trousers2.C.y, 13.0f / 8 - 20 - 2);          // D/8 − s − p
    EXPECT_FLOAT_EQ(trousers2.B.y, trousers2.C.y + 20.0f / 3 + 2);  // C.y + s/3 + p
    EXPECT_EQ(trousers2.SeamLabelText(), "Средний срез:55.8");
    const std::vector<ValueTableRow> measures = trousers2.MeasureTableRows();
    ASSERT_EQ(measures.size(), 7u);
    EXPECT_STREQ(measures[2].text, "Вс");
    EXPECT_EQ(measures[2].value, 20.0f);
    EXPECT_STREQ(measures[6].text, "Пвс");
    EXPECT_EQ(measures[6].value, 2.0f);
    // The first trousers never read Вс or Пвс.
    Draft(trousers, {37.5f, 50, 20, 99.9f, 0.5f, 1, 2});
    EXPECT_EQ(trousers.SeatHeight, 25.0f);
    EXPECT_EQ(trousers.SeatEase, 0.0f);
}

// The front waist variant and the back dart layout at their boundaries, with
// the row counts of the two result tables.
TEST_F(WBryukiDraftTest, VariantsAndDartLayoutsAtTheirBoundaries) {
    struct Case {
        float hips;  // D = hips − 37
        int variant;
        float frontDart;  // < 0: not checked
        bool twoBackDarts;
        size_t frontRows, backRows;
    } cases[] = {
        {37.0f, 2, 0.0f, false, 22, 21},   // D = 0
        {41.4f, 2, 0.0f, false, 22, 21},   // D just below 4.5: no front dart
        {41.5f, 1, 1.0f, false, 24, 21},   // D = 4.5: FrontDart exactly 1
        {49.5f, 1, -1, false, 24, 21},     // D = 12.5: BackDart exactly 1, one back dart
        {49.6f, 1, -1, true, 24, 24},      // just above: two back darts
        {50.5f, 1, 3.0f, true, 24, 24},    // D = 13.5: FrontDart exactly 3, still one
        {50.6f, 3, -1, true, 27, 24},      // just above: a second dart on the crease line
    };
    for (const Case& c : cases) {
        Draft(trousers, WithSuppression(c.hips));
        const std::string at = "Сб " + Text(c.hips);
        EXPECT_EQ(trousers.WaistVariant, c.variant) << at;
        if (c.frontDart >= 0) {
            EXPECT_EQ(trousers.FrontDart, c.frontDart) << at;
        }
        EXPECT_EQ(trousers.TwoBackDarts(), c.twoBackDarts) << at;
        EXPECT_EQ(trousers.FrontTableRows().size(), c.frontRows) << at;
        EXPECT_EQ(trousers.BackTableRows().size(), c.backRows) << at;

        // One back dart opens 0.16·D to each side of its centre, two darts
        // BackDart each.
        const float D = trousers.Suppression;
        const float opening = c.twoBackDarts ? 2 * trousers.BackDart : 0.32f * D;
        EXPECT_NEAR(trousers.Segments[TWBryukiDraft::Segb5b6], opening, 0.05f) << at;
    }
    Draft(trousers, WithSuppression(49.5f));
    EXPECT_EQ(trousers.BackDart, 1.0f);

    // Variant 3: the 2 cm dart on the crease line.
    Draft(trousers, WithSuppression(50.6f));
    const std::vector<ValueTableRow> front = trousers.FrontTableRows();
    EXPECT_STREQ(front[15].text, "[ b12, b22 ]");
    EXPECT_EQ(Text(front[15].value), "2.0");
    EXPECT_STREQ(front[16].text, "[ T0, b20 ]");
    EXPECT_EQ(front[16].value, trousers.b20.y);
    EXPECT_STREQ(front[17].text, "[ T0, b02 ]");
    EXPECT_EQ(front[17].value, 0.4f * trousers.SeatHeight);
    // The other dart takes the rest, FrontDart − 2, along the sloping waist.
    const float slope = Vector::UnitBetween(trousers.b12, trousers.T21).x;
    EXPECT_NEAR(Geom::Distance(trousers.b1, trousers.b2), (trousers.FrontDart - 2) * std::fabs(slope), 1e-4f);
}

// The back side seam is straight above the hips when the back waist does
// not end right of T3: point 10 is point 9.
TEST_F(WBryukiDraftTest, StraightBackSideWhenTheWaistReachesT3) {
    Draft(trousers2, {45, 46, 25, 100, 1.5f, 1, 0});  // D = 0.5
    ASSERT_LE(trousers2.T6.x, trousers2.T3.x);
    EXPECT_EQ(trousers2.P10, trousers2.P9);
    EXPECT_EQ(trousers2.Segments[TWBryukiDraft::Seg9_10], 0.0f);

    Draft(trousers2, kSamples);
    ASSERT_GT(trousers2.T6.x, trousers2.T3.x);
    EXPECT_NE(trousers2.P10, trousers2.P9);
}

// Rows of points that the layout does not build show a real length: the
// front waist without a dart runs from T21 to the crease line; C5 is never
// built; and no point of an earlier layout survives a new draft.
TEST_F(WBryukiDraftTest, RowsOfUnbuiltPointsShowRealLengths) {
    Draft(trousers, WithSuppression(55));  // variant 3, two back darts
    ASSERT_EQ(trousers.WaistVariant, 3);
    ASSERT_NE(trousers.b12, Vector());

    Draft(trousers, WithSuppression(38));  // variant 2, one back dart
    ASSERT_EQ(trousers.WaistVariant, 2);
    TWBryuki fresh;
    Draft(fresh, WithSuppression(38));
    EXPECT_TRUE(SamePoints(trousers, fresh));
    EXPECT_EQ(std::memcmp(trousers.Segments, fresh.Segments, sizeof fresh.Segments), 0);
    EXPECT_EQ(trousers.b1, Vector());
    EXPECT_EQ(trousers.b12, Vector());
    EXPECT_EQ(trousers.b9, Vector());

    const std::vector<ValueTableRow> front = trousers.FrontTableRows();
    ASSERT_STREQ(front[12].text, "[ T21, b1 ]");
    EXPECT_EQ(front[12].value, Geom::Distance(trousers.T21, trousers.T0));
    for (const ValueTableRow& r : trousers.BackTableRows()) {
        if (std::string(r.text) == "[ C2, C5 ]") {
            EXPECT_EQ(r.value, 0.0f);
        }
        if (std::string(r.text) == "[ C6, C4 ]") {
            EXPECT_EQ(r.value, trousers.Segments[TWBryukiDraft::SegC6C3]);
        }
    }
    // The segments of the rows not shown stay 0.
    EXPECT_EQ(trousers.Segments[TWBryukiDraft::Segb1b2], 0.0f);
    EXPECT_EQ(trousers.Segments[TWBryukiDraft::Segb12b22], 0.0f);
    EXPECT_EQ(trousers.Segments[TWBryukiDraft::Segb9b10], 0.0f);
}

// Measurements that pass the input check but cannot be drafted fail with
// EFloatError (the calculation road reruns and reports it); nothing hangs
// and the garment stays uncalculated.
TEST_F(WBryukiDraftTest, DegenerateMeasurementsThrowEFloatError) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Measures cases[] = {
        {37.5f, 50, 0, 99.9f, 0.5f, 1, 0},      // Вс = 0: a dart of no depth
        {37.5f, 3e38f, 25, 99.9f, 0.5f, 1, 0},  // overflows a float
        {37.5f, inf, 25, 99.9f, 0.5f, 1, 0},
        {37.5f, 50, 25, nan, 0.5f, 1, 0},
    };
    for (const Measures& m : cases) {
        TWBryuki2 w;
        Put(w, m);
        EXPECT_THROW(w.Calculate(), EFloatError) << m.Cb << " " << m.Vs;
        EXPECT_FALSE(w.calculated);
    }
}

// A draft that fails leaves the last good one whole, so that a redraw of a
// still calculated garment draws what it drew before.
TEST_F(WBryukiDraftTest, FailedDraftKeepsTheLastOne) {
    Draft(trousers2, kSamples);
    TWBryuki2 before;
    Draft(before, kSamples);

    Put(trousers2, {37.5f, 55, 0, 99.9f, 0.5f, 1, 0});  // another variant, and Вс = 0 fails
    EXPECT_THROW(trousers2.Calculate(), EFloatError);
    EXPECT_TRUE(trousers2.calculated);
    EXPECT_TRUE(SamePoints(trousers2, before));
    EXPECT_EQ(trousers2.WaistVariant, before.WaistVariant);
    EXPECT_EQ(trousers2.Suppression, before.Suppression);
    EXPECT_EQ(trousers2.CrotchSeam, before.CrotchSeam);
    EXPECT_EQ(trousers2.BoxLeft, before.BoxLeft);
}

}  // namespace
