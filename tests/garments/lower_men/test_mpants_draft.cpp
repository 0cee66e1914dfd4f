// The men's low-waist trousers' drafting on its own (no windows): the
// worked example of the method, the second trousers' turned front waist,
// the hem limit, a closed dart at E = 0, the short front waist and the
// pocket's side end, the table rows of both trousers, and degenerate
// measurements failing with EFloatError.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_men/MPants.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

// Ст, Сб, Дсб, Дш, Зп, Пт, Пб, Псш (the first trousers ignore Зп).
struct Measures {
    float Ct, Cb, Dsb, Dsh, Zp, Pt, Pb, Psh;
};

const Measures kSamples{42.5f, 50, 102, 78.5f, 2, 0.5f, 1, 1.5f};

void Draft(TMPantsDraft& d, const Measures& m) {
    d.WaistHalfGirth = m.Ct;
    d.HipHalfGirth = m.Cb;
    d.SideLength = m.Dsb;
    d.StepLength = m.Dsh;
    d.FrontLowering = m.Zp;
    d.WaistEase = m.Pt;
    d.HipEase = m.Pb;
    d.StepEase = m.Psh;
    d.Calculate();
    d.CalcSegments();
}

std::string Text(float v) { return FormatFixed(v, 5, 1); }

float Row(const std::vector<ValueTableRow>& rows, const std::string& text) {
    for (const ValueTableRow& r : rows)
        if (text == r.text) return r.value;
    ADD_FAILURE() << "no row " << text;
    return 0;
}

std::vector<std::string> Texts(const std::vector<ValueTableRow>& rows) {
    std::vector<std::string> out;
    for (const ValueTableRow& r : rows) out.push_back(r.text);
    return out;
}

class MPantsDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TMPants pants;  // no main window: the column helpers stand aside
    TMPants2 pants2;
};

// The samples of the first trousers: the levels and widths the method
// states, and what the construction promises.
TEST_F(MPantsDraftTest, WorkedExampleOfTheMethod) {
    Draft(pants, kSamples);
    const TMPants& d = pants;
    ASSERT_TRUE(d.calculated);
    EXPECT_EQ(d.Surplus, 8.0f);
    EXPECT_FLOAT_EQ(d.B.x, -14.8f);
    EXPECT_FLOAT_EQ(d.B1.x, 9.7f);
    EXPECT_FLOAT_EQ(d.T21.x, -14.0f);
    EXPECT_FLOAT_EQ(d.b0.y, -0.75f);
    EXPECT_FLOAT_EQ(d.b1.x, -3.2f);
    EXPECT_EQ(d.C0.y, -25.0f);
    EXPECT_FLOAT_EQ(d.B0.y, -(15 + 2.0f / 3));
    EXPECT_EQ(d.H0.y, -102.0f);
    EXPECT_FLOAT_EQ(d.K0.y, -(58 + 5.0f / 6));
    EXPECT_FLOAT_EQ(d.C2.x, 14.8f);
    EXPECT_FLOAT_EQ(d.K2.x, 11.4f);
    // 21.8 < 25: the hem keeps its width.
    EXPECT_FLOAT_EQ(d.H2.x, 10.9f);
    EXPECT_EQ(d.H1.x, -d.H2.x);
    // T2 and T11 on the lowered waist; the waist curve's control halfway.
    EXPECT_EQ(d.T2.y, d.b0.y);
    EXPECT_EQ(d.T11.y, d.b0.y);
    // The back: B3 and C4 symmetric about the crease, C5 on its two
    // circles, T5 as high above B5 as T11 above B1.
    EXPECT_FLOAT_EQ(d.C4.x, -d.B3.x);
    EXPECT_NEAR(Geom::Distance(d.K4, d.C5), 0.98f * Geom::Distance(d.K2, d.C2), 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.C3, d.C5), d.C4.x - d.C3.x, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.B5, d.T5), Geom::Distance(d.B1, d.T11), 1e-4f);
    EXPECT_FLOAT_EQ(d.BackCrotchTop.y, d.B0.y);
    // The back waist (Ст + Пт)/2 + E/4 + 1 from T5; the dart point
    // (Сб/2 − 1.5)/3 below its middle; the pocket line 14 cm.
    EXPECT_NEAR(Geom::Distance(d.T5, d.T6), 21.5f + 2 + 1, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.b2, d.b3), 23.5f / 3, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.b3, d.b4), Geom::Distance(d.b3, d.b5), 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.P, d.P1), 14.0f, 1e-4f);
    // The front pocket: T4 3 cm along the waist curve, B6 19 from it on the
    // side seam; B7 is not built.
    EXPECT_NEAR(Geom::Distance(d.T21, d.T4), 3.0f, 0.01f);
    EXPECT_NEAR(Geom::Distance(d.T4, d.B6), 19.0f, 0.01f);
    EXPECT_EQ(d.B7, Vector());
    EXPECT_NEAR(d.SeamLabelPos.x, d.C.x + 1.4f, 1e-5f);
    EXPECT_NEAR(d.SeamLabelPos.y, d.C.y - 0.6f, 1e-5f);
    EXPECT_GT(d.CrotchSeam, Geom::Distance(d.T5, d.BackCrotchTop) + Geom::Distance(d.T11, d.B11));

    const std::vector<ValueTableRow> measures = d.MeasureTableRows();
    const std::vector<std::string> codes = {"Ст", "Сб", "Дб", "Дш", "Пт", "Пб", "Псш"};
    EXPECT_EQ(Texts(measures), codes);
    EXPECT_EQ(measures[3].value, 78.5f);
    EXPECT_EQ(measures[6].value, 1.5f);
}

// The rows of both trousers' tables, in order, and the values the method
// fixes.
TEST_F(MPantsDraftTest, TableRows) {
    Draft(pants, kSamples);
    Draft(pants2, kSamples);
    const std::vector<std::string> front1 = {
        "[ T0, H0 ]", "[ T0, C0 ]", "[ C0, B0 ]",  "[ B0, K0 ]", "[ B0, B ]",   "[ B0, B1 ]",  "[ B1, B11 ]",
        "[ T0, b0 ]", "[ C1, C2 ]", "[ K0, K1 ]",  "[ K0, K2 ]", "[ H0, H1 ]",  "[ H0, H2 ]",  "[ H0, H01 ]",
        "[ T, T21 ]", "[ b0, b1 ]", "[ T21, 1 ]",  "[ 1, 2 ]",   "[ B, 3 ]",    "[ 3, 4 ]",    "[ C2, 5 ]",
        "[ 5, 6 ]"};
    const std::vector<std::string> front2 = {
        "[ T0, H0 ]",  "[ T0, C0 ]",  "[ C0, B0 ]", "[ B0, K0 ]", "[ B0, B ]",  "[ B0, B1 ]",  "[ B1, B6 ]",
        "[ B6, B11 ]", "[ B6, T11 ]", "[ C1, C2 ]", "[ K0, K1 ]", "[ K0, K2 ]", "[ H0, H1 ]",  "[ H0, H2 ]",
        "[ H0, H01 ]", "[ T11, T2 ]", "[ T2, T21 ]", "[ b0, b1 ]", "[ T21, 1 ]", "[ 1, 2 ]",   "[ B, 3 ]",
        "[ 3, 4 ]",    "[ C2, 5 ]",   "[ 5, 6 ]"};
    EXPECT_EQ(Texts(pants.FrontTableRows()), front1);
    EXPECT_EQ(Texts(pants2.FrontTableRows()), front2);
    EXPECT_EQ(Texts(pants.BackTableRows()), Texts(pants2.BackTableRows()));
    ASSERT_EQ(pants.BackTableRows().size(), 26u);

    const std::vector<ValueTableRow> f1 = pants.FrontTableRows(), b1 = pants.BackTableRows();
    const struct {
        const std::vector<ValueTableRow>& rows;
        const char* text;
        const char* shown;
    } cases[] = {
        {f1, "[ T0, H0 ]", "102.0"}, {f1, "[ T0, C0 ]", "25.0"},  {f1, "[ C0, B0 ]", "9.3"},
        {f1, "[ B0, K0 ]", "43.2"},  {f1, "[ B0, B ]", "14.8"},   {f1, "[ B0, B1 ]", "9.7"},
        {f1, "[ B1, B11 ]", "0.5"},  {f1, "[ T0, b0 ]", "0.8"},   {f1, "[ C1, C2 ]", "5.1"},
        {f1, "[ K0, K1 ]", "11.4"},  {f1, "[ H0, H2 ]", "10.9"},  {f1, "[ H0, H01 ]", "0.5"},
        {f1, "[ T, T21 ]", "0.8"},   {f1, "[ b0, b1 ]", "3.2"},   {b1, "[ K0, K4 ]", "12.9"},
        {b1, "[ H0, H3 ]", "12.4"},  {b1, "[ H0, H011 ]", "0.5"}, {b1, "[ B3, B4 ]", "26.0"},
        {b1, "[ T5, T6 ]", "24.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(Row(c.rows, c.text)), c.shown) << c.text;
    EXPECT_EQ(Row(b1, "[ B3, B5 ]"), Row(b1, "[ B3, B4 ]"));
    EXPECT_EQ(Row(b1, "[ C3, C5 ]"), Row(b1, "[ C3, C4 ]"));
    EXPECT_EQ(Row(b1, "[ B, B3 ]"), pants.B.x - pants.B3.x);

    // The second trousers: the side length row shows the raised hem, the
    // lowered hip point's rows their construction lengths.
    const std::vector<ValueTableRow> f2 = pants2.FrontTableRows(), b2 = pants2.BackTableRows();
    EXPECT_EQ(Row(f2, "[ T0, H0 ]"), -pants2.H0.y);
    EXPECT_EQ(Text(Row(f2, "[ T0, H0 ]")), "101.2");  // 102 − 0.1·E
    EXPECT_EQ(Text(Row(f2, "[ B1, B6 ]")), "1.0");     // Зп/2
    EXPECT_EQ(Text(Row(f2, "[ B6, B11 ]")), "0.5");
    EXPECT_EQ(Row(f2, "[ B6, T11 ]"), -pants2.B0.y);
    EXPECT_EQ(Row(b2, "[ B, B3 ]"), pants2.B.x - pants2.B3.x);
}

// Зп = 0 leaves the second trousers' front waist unturned: B6 on B1, T11 on
// T1, T7 on T; but the hem (0.1·E higher), the hip line (Псш + Сб/6 − 1
// above the crotch line) and T21 (0.1·E above T2) still differ.
TEST_F(MPantsDraftTest, SecondTrousersTurnTheFrontWaistByTheLowering) {
    Measures m = kSamples;
    m.Zp = 0;
    Draft(pants2, m);
    const TMPants2& d = pants2;
    EXPECT_EQ(d.B6, d.B1);
    EXPECT_EQ(d.T11, d.T1);
    EXPECT_NEAR(d.T7.x, d.T.x, 1e-5f);
    EXPECT_EQ(d.T7.y, 0.0f);
    EXPECT_FLOAT_EQ(d.H0.y, 0.8f - 102);
    EXPECT_FLOAT_EQ(d.B0.y, d.C0.y + 1.5f + 50.0f / 6 - 1);
    EXPECT_FLOAT_EQ(d.T21.y, 0.8f);
    EXPECT_FLOAT_EQ(d.T21.x, d.T2.x);
    Draft(pants, m);
    EXPECT_NE(pants.H0.y, d.H0.y);
    EXPECT_NE(pants.B0.y, d.B0.y);

    // With Зп = 2 the centre drops 1 at the hips: the waist from b1 to T11
    // turns down towards the centre, perpendicular to B – B6.
    Draft(pants2, kSamples);
    EXPECT_FLOAT_EQ(d.B6.y, d.B1.y - 1);
    EXPECT_NEAR(Geom::Distance(d.B6, d.B11), 0.5f, 1e-5f);
    EXPECT_NEAR(Geom::Distance(d.B6, d.T11), -d.B0.y, 1e-4f);
    EXPECT_LT(d.T11.y, d.T7.y);
    EXPECT_EQ(d.b0.x, 0.0f);
    // b1 lies on the waist line T11 – T7, the waist's excess from b0 to the
    // side.
    const Vector along = Vector::UnitBetween(d.B, d.B6);
    EXPECT_NEAR(Geom::Side(d.T11, along, d.b1), 0.0f, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.b0, d.b1), Geom::Distance(d.T11, d.T2) - 21.5f - 1, 1e-4f);
    EXPECT_NEAR(Geom::Distance(d.T2, d.T21), 0.8f, 1e-5f);
    // The back centre rises along C3 → B5 by the hip depth.
    EXPECT_NEAR(Geom::Distance(d.B5, d.T5), -d.B0.y, 1e-4f);
    EXPECT_NEAR(Geom::Side(d.C3, Vector::UnitBetween(d.C3, d.B5), d.T5), 0.0f, 1e-3f);
    // The pocket's side end is B7; B6 is the lowered hip point.
    EXPECT_NEAR(Geom::Distance(d.T4, d.B7), 19.0f, 0.01f);
    EXPECT_EQ(Texts(d.MeasureTableRows()),
              (std::vector<std::string>{"Ст", "Сб", "Дб", "Дш", "Зп", "Пт", "Пб", "Псш"}));
}

// The front hem is at most 25 (TMPants) or 23.5 (TMPants2) wide, set
// before the side's bow; a bow of zero or less puts H1 on the line B – K1,
// which may pass the limit again.
TEST_F(MPantsDraftTest, HemLimit) {
    struct Case {
        bool second;
        float Pb;
        float limit;
    } cases[] = {
        {false, 1, 25}, {false, 6, 25}, {false, 8, 25}, {false, 30, 25},
        {true, 1, 23.5f}, {true, 4, 23.5f}, {true, 6, 23.5f}, {true, 30, 23.5f},
    };
    for (const Case& c : cases) {
        TMPantsDraft& d = c.second ? static_cast<TMPantsDraft&>(pants2) : pants;
        Measures m = kSamples;
        m.Pb = c.Pb;
        Draft(d, m);
        const float natural = 2 * (d.K2.x - 0.5f);
        const std::string at = std::string(c.second ? "TMPants2" : "TMPants") + " Пб " + Text(c.Pb);
        if (d.SideBulge > 0) {
            EXPECT_EQ(d.H2.x, natural > c.limit ? c.limit / 2 : d.K2.x - 0.5f) << at;
            EXPECT_NE(d.N4, d.N3) << at;
        } else {
            EXPECT_NEAR(Geom::Side(d.B, Vector::UnitBetween(d.B, d.K1), d.H1), 0.0f, 1e-3f) << at;
            EXPECT_EQ(d.N4, d.N3) << at;
        }
        EXPECT_EQ(d.H1.x, -d.H2.x) << at;
    }
    // The bow's sign turns within the table: both branches are met.
    Measures wide = kSamples;
    wide.Pb = 30;
    Draft(pants, wide);
    EXPECT_LE(pants.SideBulge, 0.0f);
    EXPECT_GT(pants.H2.x - pants.H1.x, 25.0f);
}

// E = 0 puts T21 on T and 2 on 1, and closes the back dart.
TEST_F(MPantsDraftTest, ClosedDartAtZeroSurplus) {
    Draft(pants, {42.5f, 42, 102, 78.5f, 0, 1.5f, 2, 1.5f});
    const TMPants& d = pants;
    EXPECT_EQ(d.Surplus, 0.0f);
    EXPECT_EQ(d.T21, d.T);
    EXPECT_EQ(d.N2, d.N1);
    EXPECT_EQ(Text(Row(d.BackTableRows(), "[ b4, b5 ]")), "0.0");
    EXPECT_EQ(Text(Row(d.BackTableRows(), "[ b2, b21 ]")), "0.0");
}

// A front waist curve of 3 cm or less puts T4 3 cm from b1 towards the
// centre; a T4 at least 0.2·Сб + 9 from B leaves the pocket's end on B.
TEST_F(MPantsDraftTest, ShortWaistAndHighHips) {
    // A large hip ease: b1 close to T21.
    Draft(pants, {50, 50, 102, 78.5f, 0, 0, 60, 1.5f});
    ASSERT_LE(Geom::Distance(pants.T21, pants.b1), 3.0f);
    EXPECT_EQ(pants.T4, Vector(pants.b1.x + 3, pants.b1.y));
    // TMPants2 raises T21 by 0.1·E above the turned waist: a short waist
    // needs a small E as well.
    Draft(pants2, {5, 20, 102, 78.5f, 2, 0, 0, 1.5f});
    ASSERT_LE(Geom::Distance(pants2.T21, pants2.b1), 3.0f);
    EXPECT_NEAR(Geom::Distance(pants2.b1, pants2.T4), 3.0f, 1e-5f);
    EXPECT_GT(pants2.T4.x, pants2.b1.x);

    // A short inside leg lowers the hips far below the waist.
    Draft(pants, {42.5f, 50, 102, 70, 0, 0.5f, 1, 1.5f});
    ASSERT_GE(Geom::Distance(pants.T4, pants.B), 19.0f);
    EXPECT_EQ(pants.B6, pants.B);
    EXPECT_EQ(Row(pants.FrontTableRows(), "[ B0, B ]"), -pants.B.x);
}

// Measurements that pass the input check but cannot be drafted fail with
// EFloatError; nothing is left half drafted.
TEST_F(MPantsDraftTest, DegenerateMeasurementsThrowEFloatError) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Measures cases[] = {
        // The hips on the hem: B0.y = Дш − Дсб + (Сб/2 − 1.5)/3 = −102.
        {5, 9, 102, -1, 0, 0.5f, 1, 1.5f},
        {42.5f, 50, nan, 78.5f, 0, 0.5f, 1, 1.5f},
        {42.5f, 3e38f, 102, 78.5f, 0, 0.5f, 3e38f, 1.5f},
    };
    Draft(pants, kSamples);
    const MenTrouserPoints kept = pants;
    for (const Measures& m : cases) {
        EXPECT_THROW(Draft(pants, m), EFloatError) << m.Dsh;
        EXPECT_EQ(std::memcmp(&kept, static_cast<const MenTrouserPoints*>(&pants), sizeof kept), 0);
    }
    TMPants2 fresh;
    EXPECT_THROW(Draft(fresh, cases[1]), EFloatError);
    EXPECT_FALSE(fresh.calculated);
}

}  // namespace
