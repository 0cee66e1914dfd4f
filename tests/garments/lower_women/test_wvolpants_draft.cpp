// The model trousers' drafting on its own (no windows): the worked example
// of the cutting method, the pleat cases, the back darts, the segment rows
// and the inputs that must fail by EFloatError instead of hanging or
// drawing garbage.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_women/WVolPants.h"
#include "kernel/Checked.h"
#include "kernel/Geometry.h"
#include "platform/Text.h"

namespace {

struct Measures {
    float Ct, Cb, Bc, Dsp, Shn, Pt, Pb, Pvs;
    int Ks;
};

const Measures kSamples{37.5f, 50, 25, 99.9f, 20, 1, 6, 1, 2};

void Put(TWVolPants& w, const Measures& m) {
    w.WaistHalfGirth = m.Ct;
    w.HipHalfGirth = m.Cb;
    w.SeatHeight = m.Bc;
    w.FrontLength = m.Dsp;
    w.HemWidth = m.Shn;
    w.WaistEase = m.Pt;
    w.HipEase = m.Pb;
    w.SeatEase = m.Pvs;
    w.PleatCount = m.Ks;
}

void Draft(TWVolPants& w, const Measures& m) {
    Put(w, m);
    w.Calculate();
    w.CalcSegments();
}

std::string Text1(float v) { return FormatFixed(v, 5, 1); }

// The waist of the front T111–T0–T21 as drafted.
float FrontWaist(const TWVolPants& w) { return Geom::Distance(w.T111, w.T0) + Geom::Distance(w.T0, w.T21); }

class WVolPantsDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TWVolPants pants;  // no main window: the column helpers stand aside
};

TEST_F(WVolPantsDraftTest, WorkedExampleOfTheMethod) {
    Draft(pants, kSamples);
    ASSERT_TRUE(pants.calculated);
    EXPECT_FLOAT_EQ(pants.Suppression, 11.5f);
    EXPECT_FLOAT_EQ(pants.DartNorm, 3.795f);
    EXPECT_EQ(pants.BackDarts, 1);
    EXPECT_FLOAT_EQ(pants.B.x, -14.25f);
    EXPECT_EQ(pants.B.y, pants.B0.y);
    EXPECT_FLOAT_EQ(pants.B1.x, 9.75f);
    EXPECT_FLOAT_EQ(pants.T111.x, 8.6f);
    EXPECT_FLOAT_EQ(pants.T111.y, 11.5f / 28);
    EXPECT_EQ(Text1(pants.PleatTotal), "9.9");
    EXPECT_EQ(pants.PleatCount, 2);
    EXPECT_NEAR(pants.PleatDepth, 4.95f, 0.05f);
    EXPECT_FLOAT_EQ(pants.PleatDepth, pants.PleatTotal / 2);
    EXPECT_EQ(Text1(pants.CrotchLength), "64.0");
    EXPECT_EQ(pants.CrotchText(), "Средний срез:64.0");
    // The back seat closes on the base line: C4.x = −B3.x.
    EXPECT_NEAR(pants.C4.x, -pants.B3.x, 1e-4f);
    // The pleats: T0..b0 is one depth, b1..b2 another.
    EXPECT_FLOAT_EQ(pants.b0.x, -pants.PleatDepth);
    EXPECT_NEAR(Geom::Distance(pants.b1, pants.b2), pants.PleatDepth, 0.1f);
    EXPECT_GE(pants.PleatSpacing, pants.PleatDepth);
}

// What the pleat rule of the method does with the waist it gets: the total
// (it grows with the hip ease Пб) goes into Кс pleats of at least 2 cm, Кс
// lowered as far as needed; a total below 2 cm gives no pleats and a front
// waist of exactly Ст/2 + Пт.
TEST_F(WVolPantsDraftTest, PleatCases) {
    struct Case {
        float Ct, Pt, Pb;
        int asked, made;
    } cases[] = {
        {37.5f, 1, 6, 2, 2}, {37.5f, 1, 6, 3, 3}, {37.5f, 1, 6, 1, 1},  // 9.9 cm
        {37.5f, 1, 2, 3, 2},                                            // 5.1 cm
        {37.5f, 1, 1, 3, 1}, {37.5f, 1, 1, 2, 1},                       // 3.9 cm
        {45, 0, 1, 3, 1},                                               // 2.35 cm
        {45, 0, 0, 2, 0}, {50, 0, 1, 3, 0}, {45, 0.5f, 0.5f, 1, 0},     // below 2 cm
    };
    for (const Case& c : cases) {
        TWVolPants w;
        Measures m = kSamples;
        m.Ct = c.Ct;
        m.Pt = c.Pt;
        m.Pb = c.Pb;
        m.Ks = c.asked;
        Draft(w, m);
        const std::string at = "Ст " + std::to_string(c.Ct) + " Пб " + std::to_string(c.Pb) + " Кс " +
                               std::to_string(c.asked);
        ASSERT_EQ(w.PleatCount, c.made) << at;
        if (c.made == 0) {
            EXPECT_EQ(w.PleatTotal, 0.0f) << at;
            EXPECT_EQ(w.PleatDepth, 0.0f) << at;
            EXPECT_NEAR(FrontWaist(w), c.Ct / 2 + c.Pt, 1e-3f) << at;
            continue;
        }
        EXPECT_GE(w.PleatTotal, 2.0f) << at;
        EXPECT_FLOAT_EQ(w.PleatDepth, w.PleatTotal / w.PleatCount) << at;
        EXPECT_GE(w.PleatDepth, 2.0f) << at;
        // Lowered only as far as needed.
        if (c.made < c.asked) {
            EXPECT_LT(w.PleatTotal / (c.made + 1), 2.0f) << at;
        }
        // What the pleats leave is (Ст + Пт)/2 (the rule without pleats adds
        // the whole Пт instead).
        EXPECT_NEAR(FrontWaist(w) - w.PleatTotal, (c.Ct + c.Pt) / 2, 1e-3f) << at;
        EXPECT_FLOAT_EQ(w.b0.x, -w.PleatDepth) << at;
        if (c.made == 2) {
            EXPECT_GE(w.PleatSpacing, w.PleatDepth) << at;
        }
        // The folded pleats take about one depth of the waist each.
        if (c.made >= 2) {
            EXPECT_NEAR(Geom::Distance(w.b1, w.b2), w.PleatDepth, 0.1f) << at;
        }
        if (c.made == 3) {
            EXPECT_NEAR(Geom::Distance(w.b7, w.b8), w.PleatDepth, 0.1f) << at;
        }
    }
}

// A total of 5 cm asked for three pleats: 5/3 is below 2, so two of 2.5 cm.
TEST_F(WVolPantsDraftTest, FiveCentimetresMakeTwoPleats) {
    // The hip ease whose total is 5 cm (the total grows with it).
    float lo = 0, hi = 6;
    TWVolPants w;
    Measures m = kSamples;
    for (int i = 0; i < 60; ++i) {
        m.Pb = (lo + hi) / 2;
        m.Ks = 3;
        Draft(w, m);
        (w.PleatTotal < 5.0f ? lo : hi) = m.Pb;
    }
    ASSERT_NEAR(w.PleatTotal, 5.0f, 1e-3f);
    EXPECT_EQ(w.PleatCount, 2);
    EXPECT_NEAR(w.PleatDepth, 2.5f, 1e-3f);
}

TEST_F(WVolPantsDraftTest, ThreePleatsMaySpaceCloserThanTheirDepth) {
    Measures m = kSamples;
    m.Ct = 30;  // a deep waist suppression: three deep pleats on a short waist
    m.Ks = 3;
    Draft(pants, m);
    ASSERT_EQ(pants.PleatCount, 3);
    EXPECT_LT(pants.PleatSpacing, pants.PleatDepth);
}

TEST_F(WVolPantsDraftTest, BackDartCountFollowsQ) {
    struct Case {
        float Ct;  // D = 50 − Ст − 1
        int darts;
    } cases[] = {{35.4f, 1}, {35.3f, 2}, {37.5f, 1}, {30.0f, 2}};  // Q = 4.488, 4.521, 3.795, 6.27
    for (const Case& c : cases) {
        TWVolPants w;
        Measures m = kSamples;
        m.Ct = c.Ct;
        Draft(w, m);
        EXPECT_EQ(w.BackDarts, c.darts) << c.Ct;
        EXPECT_EQ(w.DartNorm - 4.5f > 0, c.darts == 2) << c.Ct;
        EXPECT_EQ(w.BackTableRows().size(), c.darts == 2 ? 24u : 21u) << c.Ct;
        if (c.darts == 2) {
            EXPECT_FLOAT_EQ(w.Segments[TWVolPants::Segb21b22], Geom::Distance(w.b21, w.b22)) << c.Ct;
        }
    }
}

TEST_F(WVolPantsDraftTest, TableRowsFollowThePleatsAndHoldTheirDistances) {
    for (int asked : {1, 2, 3}) {
        TWVolPants w;
        Measures m = kSamples;
        m.Ct = 30;
        m.Ks = asked;
        Draft(w, m);
        ASSERT_EQ(w.PleatCount, asked);
        const auto rows = w.FrontTableRows();
        ASSERT_EQ(rows.size(), 17u + size_t(asked));
        EXPECT_EQ(std::string(rows[17].text), "[ T0, b0 ]");
        EXPECT_FLOAT_EQ(rows[17].value, Geom::Distance(w.T0, w.b0));
        EXPECT_EQ(std::string(rows.back().text), asked == 1 ? "[ T0, b0 ]" : asked == 2 ? "[ b1, b2 ]" : "[ b7, b8 ]");
    }
    Measures none = kSamples;
    none.Ct = 45;
    none.Pt = 0;
    none.Pb = 0;
    TWVolPants w;
    Draft(w, none);
    ASSERT_EQ(w.PleatCount, 0);
    const auto rows = w.FrontTableRows();
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(std::string(rows.back().text), "[ T11, T111 ]");
    // Both hem rows hold |H0 H2|.
    EXPECT_EQ(std::string(rows[4].text), "[ H0, H1 ]");
    EXPECT_FLOAT_EQ(rows[4].value, Geom::Distance(w.H0, w.H2));
    EXPECT_FLOAT_EQ(rows[5].value, Geom::Distance(w.H0, w.H2));
    // The measurement table shows Кс as the drafting left it.
    EXPECT_EQ(w.MeasureTableRows().back().value, 0.0f);
}

// Points are value-initialised: rows of points that a drafting never built
// are not shown, and a fresh garment's table holds zeros, not garbage.
TEST_F(WVolPantsDraftTest, UnbuiltPointsAreZero) {
    for (float s : pants.Segments) EXPECT_EQ(s, 0.0f);
    EXPECT_EQ(pants.b7, Vector(0, 0));
    EXPECT_EQ(pants.q45, Vector(0, 0));
    Draft(pants, kSamples);  // two pleats, one dart
    EXPECT_EQ(pants.b7, Vector(0, 0));
    EXPECT_EQ(pants.b61, Vector(0, 0));
    EXPECT_EQ(pants.Segments[TWVolPants::Segb7b8], 0.0f);
}

TEST(WVolPantsPleatCount, ClampedInFloatBeforeBecomingAnInt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double in;
        int out;
    } cases[] = {{2.7, 2}, {0, 1}, {5, 3}, {1, 1}, {2.999, 2}, {3, 3}, {0.99, 1}, {-1, 1},
                 {7, 3},   {nan, 1}, {1e30, 3}, {-1e30, 1}, {inf, 3}, {-inf, 1}, {2147483648.0, 3}};
    for (const Case& c : cases) EXPECT_EQ(PleatCountOf(c.in), c.out) << c.in;
}

// A count that only an order file could hold: clamped before the pleat rule
// divides by it or lowers it.
TEST_F(WVolPantsDraftTest, OutOfRangeCountIsClampedByTheDrafting) {
    for (int ks : {0, -1, 7, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        TWVolPants w;
        Measures m = kSamples;
        m.Ks = ks;
        ASSERT_NO_THROW(Draft(w, m)) << ks;
        EXPECT_GE(w.PleatCount, 1) << ks;
        EXPECT_LE(w.PleatCount, 3) << ks;
        EXPECT_TRUE(std::isfinite(w.PleatDepth)) << ks;
        EXPECT_EQ(Text1(w.CrotchLength), "64.0") << ks;
    }
}

// A second drafting without reading the fields again (a rerun of the
// calculation road) starts from the lowered count, never from 0.
TEST_F(WVolPantsDraftTest, RedraftingAfterNoPleatsStaysFinite) {
    Measures m = kSamples;
    m.Ct = 45;
    m.Pt = 0;
    m.Pb = 0;
    Draft(pants, m);
    ASSERT_EQ(pants.PleatCount, 0);
    ASSERT_NO_THROW(pants.Calculate());
    EXPECT_EQ(pants.PleatCount, 0);
    EXPECT_EQ(pants.PleatDepth, 0.0f);
}

// Values that make the construction impossible fail by EFloatError (which
// the calculation road reruns and reports), never by a hang or a
// non-finite point.
TEST_F(WVolPantsDraftTest, DegenerateInputFailsByEFloatError) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<Measures> cases = {
        {0, 0, 0, 0, 0, 0, 0, 0, 2},                    // every point on one spot
        {nan, 50, 25, 99.9f, 20, 1, 6, 1, 2},           // NaN from a damaged order
        {37.5f, inf, 25, 99.9f, 20, 1, 6, 1, 2},        // infinity
        {37.5f, 3e38f, 25, 99.9f, 20, 1, 6, 1, 2},      // overflows on the way
        {37.5f, -2, 25, 99.9f, 20, 1, 6, 1, 2},         // w = Сб/2 + 1 = 0
    };
    for (const Measures& m : cases) {
        TWVolPants w;
        Put(w, m);
        EXPECT_THROW(w.Calculate(), EFloatError) << m.Ct << " " << m.Cb;
        EXPECT_FALSE(w.calculated);
    }
}

}  // namespace
