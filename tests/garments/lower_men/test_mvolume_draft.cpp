// The volume men's trousers' drafting on its own (no windows): the worked
// example of the cutting method, the pleat count lowered until the pleats
// are deep enough, the waist without pleats, the back dart when the waist
// runs past T6, the second trousers with the first one's seat depth, a
// damaged pleat count, and degenerate measurements failing with EFloatError.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_men/MVolumeBryuki.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

// Ст, Сб, Дсб, Вс, Шн, Пт, Пб, Пвс, Кс (the first trousers ignore Вс).
struct Measures {
    float Ct, Cb, Dsb, Vs, Shn, Pt, Pb, Pvs;
    int Ks;
};

const Measures kSamples{41, 50, 102, 23.5f, 19, 1, 6, 0, 3};

Measures With(float Pt, float Pb, int Ks) {
    Measures m = kSamples;
    m.Pt = Pt;
    m.Pb = Pb;
    m.Ks = Ks;
    return m;
}

void Put(TMVolumeBryukiDraft& w, const Measures& m) {
    w.WaistHalfGirth = m.Ct;
    w.HipHalfGirth = m.Cb;
    w.SideLength = m.Dsb;
    w.SeatDepth = m.Vs;
    w.HemWidth = m.Shn;
    w.WaistEase = m.Pt;
    w.HipEase = m.Pb;
    w.SeatEase = m.Pvs;
    w.PleatCount = m.Ks;
}

void Draft(TMVolumeBryukiDraft& w, const Measures& m) {
    Put(w, m);
    w.Calculate();
    w.CalcSegments();
}

std::string Text(float v) { return FormatFixed(v, 5, 1); }

bool SamePoints(const MVolumeBryukiPoints& a, const MVolumeBryukiPoints& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<std::string> Texts(const std::vector<ValueTableRow>& rows) {
    std::vector<std::string> out;
    for (const ValueTableRow& r : rows) out.push_back(r.text);
    return out;
}

const std::vector<std::string> kFrontCommonRows = {
    "[ T, H ]",   "[ T, C ]",    "[ C, B ]",     "[ B, K ]",     "[ B, B1 ]",   "[ H1, T2 ]",
    "[ C1, C2 ]", "[ B1, B11 ]", "[ C, C0 ]",    "[ T1, T11 ]",  "[ T11, T12 ]", "[ H0, H1 ]",
    "[ H0, H2 ]", "[ H0, H01 ]",
};

// The front table's rows for a number of drawn pleats (0: without pleats).
std::vector<std::string> FrontRows(int pleats) {
    std::vector<std::string> rows = kFrontCommonRows;
    if (pleats == 0) rows.insert(rows.begin() + 6, "[ T2, T21 ]");
    const char* pleatRows[] = {"[ b, b1 ]", "[ b2, b3 ]", "[ b4, b5 ]"};
    for (int i = 0; i < pleats; ++i) rows.push_back(pleatRows[i]);
    return rows;
}

class MVolumeDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
    TMVolumeBryuki trousers;  // no main window: the column helpers stand aside
    TMVolumeBryuki2 trousers2;
};

// The samples (41, 50, 102, 19, 1, 6, 0, 3): the stated points, three
// pleats laid out by the position table (0.4·E, 0.3·E, 0.3·E), and the
// three tables.
TEST_F(MVolumeDraftTest, WorkedExampleOfTheMethod) {
    Draft(trousers, kSamples);
    const TMVolumeBryuki& w = trousers;
    ASSERT_TRUE(w.calculated);
    EXPECT_EQ(w.SeatDepth, 23.5f);  // Сб/2 − 1.5
    EXPECT_FLOAT_EQ(w.B.x, -19.6f);
    EXPECT_FLOAT_EQ(w.B1.x, 9.2f);
    EXPECT_NEAR(w.T2.x, -21.62f, 0.005f);
    EXPECT_NEAR(w.T2.y, 0.06f, 0.005f);
    EXPECT_FLOAT_EQ(w.T12.x, 8.57f);
    EXPECT_FLOAT_EQ(w.T12.y, 0.6f);
    EXPECT_NEAR(w.PleatSurplus, 8.70f, 0.005f);
    EXPECT_FLOAT_EQ(w.BackHipWidth, 26.7f);
    EXPECT_FALSE(w.NoPleats);
    EXPECT_EQ(w.PleatCount, 3);

    // The pleats: the first from the crease line, then 3 cm gaps; the
    // depths add up to E.
    const float E = w.PleatSurplus;
    EXPECT_EQ(w.W.x, 0.0f);
    EXPECT_NEAR(w.W.y, w.T2.y - w.T2.x * w.WaistSlope, 1e-5f);
    EXPECT_NEAR(w.Pleats[0].Far.x, -0.4f * E, 1e-5f);
    EXPECT_EQ(w.Pleats[0].Far.y, w.W.y);
    EXPECT_NEAR(w.Pleats[1].Near.x, w.Pleats[0].Far.x - 3, 1e-5f);
    EXPECT_NEAR(w.Pleats[2].Near.x, w.Pleats[1].Far.x - 3, 1e-5f);
    for (int i : {1, 2}) {
        const WaistPleat& p = w.Pleats[i];
        EXPECT_NEAR(p.Near.y, w.T2.y + (p.Near.x - w.T2.x) * w.WaistSlope, 1e-5f) << i;  // on the waist line
        EXPECT_EQ(p.Far.y, p.Near.y) << i;
    }
    EXPECT_NEAR(w.PleatDepth[0], 0.4f * E, 1e-5f);
    EXPECT_NEAR(w.PleatDepth[1], 0.3f * E, 1e-5f);
    EXPECT_NEAR(w.PleatDepth[2], 0.3f * E, 1e-5f);
    EXPECT_NEAR(w.PleatDepth[0] + w.PleatDepth[1] + w.PleatDepth[2], E, 1e-5f);
    // The marks 2 cm and the labelled points 1.5 cm below the edges.
    EXPECT_FLOAT_EQ(w.b.y, w.W.y - 1.5f);
    EXPECT_EQ(w.b5.x, w.Pleats[2].Far.x);
    EXPECT_FLOAT_EQ(w.Pleats[1].NearMark.y, w.Pleats[1].Near.y - 2);
    // Without pleats there is no T21.
    EXPECT_EQ(w.T21, Vector());

    EXPECT_EQ(w.SeamLabelText(), "Средний срез:62.5");
    EXPECT_FLOAT_EQ(w.SeamLabelPos.x, w.C.x + 2.3f);
    EXPECT_FLOAT_EQ(w.SeamLabelPos.y, w.C.y - 0.6f);

    const std::vector<std::pair<const char*, const char*>> front = {
        {"[ T, H ]", "102.0"},   {"[ T, C ]", "23.5"},    {"[ C, B ]", "7.8"},     {"[ B, K ]", "43.2"},
        {"[ B, B1 ]", "28.8"},   {"[ H1, T2 ]", "102.9"}, {"[ C1, C2 ]", "5.6"},   {"[ B1, B11 ]", "0.5"},
        {"[ C, C0 ]", "19.6"},   {"[ T1, T11 ]", "0.6"},  {"[ T11, T12 ]", "0.6"}, {"[ H0, H1 ]", "8.5"},
        {"[ H0, H2 ]", "8.5"},   {"[ H0, H01 ]", "0.5"},  {"[ b, b1 ]", "3.5"},    {"[ b2, b3 ]", "2.6"},
        {"[ b4, b5 ]", "2.6"},
    };
    const std::vector<std::pair<const char*, const char*>> back = {
        {"[ H1, H3 ]", "2.0"},   {"[ H2, H4 ]", "2.0"},   {"[ H0, H011 ]", "0.5"}, {"[ B0, B3 ]", "19.6"},
        {"[ B3, B4 ]", "26.7"},  {"[ B4, B5 ]", "3.7"},   {"[ C0, C3 ]", "8.4"},   {"[ C3, C4 ]", "11.2"},
        {"[ C3, C5 ]", "11.2"},  {"[ H3, T6 ]", "102.9"}, {"[ T5, T6 ]", "26.2"},  {"[ T5, T4 ]", "23.8"},
        {"[ b6, b61 ]", "0.9"},  {"[ b8, b9 ]", "2.2"},   {"[ b61, b7 ]", "8.7"},  {"[ P, b7 ]", "7.0"},
        {"[ b7, P1 ]", "7.0"},
    };
    auto check = [](const std::vector<ValueTableRow>& rows,
                    const std::vector<std::pair<const char*, const char*>>& want) {
        ASSERT_EQ(rows.size(), want.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_STREQ(rows[i].text, want[i].first) << "row " << i;
            EXPECT_EQ(Text(rows[i].value), want[i].second) << want[i].first;
        }
    };
    check(w.FrontTableRows(), front);
    check(w.BackTableRows(), back);

    const std::vector<ValueTableRow> measures = w.MeasureTableRows();
    const std::vector<std::string> codes = {"Ст", "Сб", "Дсб", "Шн", "Пт", "Пб", "Пвс", "Кс"};
    const float values[] = {41, 50, 102, 19, 1, 6, 0, 3};
    ASSERT_EQ(Texts(measures), codes);
    for (size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(measures[i].value, values[i]) << codes[i];
}

// What the construction promises besides the tables.
TEST_F(MVolumeDraftTest, ConstructionKeepsItsPromises) {
    Draft(trousers, kSamples);
    const TMVolumeBryuki& w = trousers;
    // The back's width at the seat line, B3 to C4, is centred on the crease.
    EXPECT_NEAR(w.B3.x + w.C4.x, 0.0f, 1e-4f);
    // B5 is B4 turned about B3; the middle seam runs straight C3-B2-B5-T5.
    EXPECT_NEAR(Geom::Distance(w.B3, w.B5), w.BackHipWidth, 1e-4f);
    EXPECT_NEAR(Vector::Cross(w.B5 - w.C3, w.B2 - w.C3), 0.0f, 1e-3f);
    EXPECT_NEAR(Vector::Cross(w.B5 - w.C3, w.T5 - w.C3), 0.0f, 1e-3f);
    EXPECT_FLOAT_EQ(w.B2.y, w.B.y);
    // The back inside leg is as long as the front's; C5 is c from C3.
    EXPECT_NEAR(Geom::Distance(w.H4, w.C5), Geom::Distance(w.H2, w.C2), 1e-4f);
    EXPECT_NEAR(Geom::Distance(w.C3, w.C5), w.C4.x - w.C3.x, 1e-4f);
    // The back side is as long as the front's.
    EXPECT_NEAR(Geom::Distance(w.H3, w.T6), Geom::Distance(w.H1, w.T2), 1e-4f);
    // The knee points lie on their lines and on the knee line.
    EXPECT_EQ(w.K1.y, w.K.y);
    EXPECT_EQ(w.K4.y, w.K.y);
    EXPECT_NEAR(Vector::Cross(w.B - w.H1, w.K1 - w.H1), 0.0f, 1e-3f);
    EXPECT_NEAR(Vector::Cross(w.C2 - w.H2, w.K2 - w.H2), 0.0f, 1e-3f);
    // The dart: its waist ends D/2 from its first top, its apex s/3 below
    // the waist, and its top moved along the centre line b7-b6.
    EXPECT_NEAR(Geom::Distance(w.b6, w.b7), w.SeatDepth / 3, 1e-4f);
    EXPECT_NEAR(Vector::Cross(w.b6 - w.b7, w.b61 - w.b7), 0.0f, 1e-3f);
    EXPECT_FLOAT_EQ(w.BackDart, (50.0f - 41) / 4);
    // The ticks across P and P1 are 0.4 cm long.
    EXPECT_NEAR(Geom::Distance(w.TickP1, w.TickP2), 0.4f, 1e-5f);
    EXPECT_NEAR(Geom::Distance(w.TickP11, w.TickP12), 0.4f, 1e-5f);
}

// Вс = Сб/2 − 1.5 makes the second trousers draft the first one's pattern
// bit for bit; the first never reads Вс.
TEST_F(MVolumeDraftTest, SecondTrousersTakeTheSeatDepthFromTheMeasurements) {
    Draft(trousers, kSamples);
    Draft(trousers2, kSamples);
    EXPECT_TRUE(SamePoints(trousers, trousers2));
    EXPECT_EQ(std::memcmp(trousers.FrontSegments, trousers2.FrontSegments, sizeof trousers.FrontSegments), 0);
    EXPECT_EQ(std::memcmp(trousers.BackSegments, trousers2.BackSegments, sizeof trousers.BackSegments), 0);
    EXPECT_EQ(trousers.CrotchSeam, trousers2.CrotchSeam);

    Measures other = kSamples;
    other.Vs = 26;
    other.Pvs = 2;
    Draft(trousers2, other);
    EXPECT_FLOAT_EQ(trousers2.C.y, -28.0f);       // −s − Пвс
    EXPECT_FLOAT_EQ(trousers2.B.y, -26.0f * 2 / 3);  // without Пвс
    const std::vector<ValueTableRow> measures = trousers2.MeasureTableRows();
    EXPECT_EQ(Texts(measures),
              (std::vector<std::string>{"Ст", "Сб", "Дсб", "Вс", "Шн", "Пт", "Пб", "Пвс", "Кс"}));
    EXPECT_EQ(measures[3].value, 26.0f);
    EXPECT_EQ(measures[7].value, 2.0f);

    Draft(trousers, other);
    EXPECT_EQ(trousers.SeatDepth, 23.5f);
}

// The count is lowered until an even share of E is at least 2 cm; the
// tables follow the pleats drawn, and the measurement table's Кс row shows
// the count the draft used.
TEST_F(MVolumeDraftTest, PleatCountFollowsTheSurplus) {
    struct Case {
        float Pt, Pb;
        int typed;
        int pleats;  // drawn; 0 without pleats
        float E;     // about
    } cases[] = {
        {1, 6, 3, 3, 8.70f},  // the samples
        {1, 6, 2, 2, 8.70f},
        {1, 6, 1, 1, 8.70f},
        {1, 1, 3, 1, 3.96f},   // 1.32 and 1.98 too shallow: one pleat
        {1, 1, 2, 1, 3.96f},
        {1, 3.5f, 3, 3, 6.33f},  // 2.11 each is enough
        {7, 6, 3, 2, 5.70f},     // 1.90 too shallow, 2.85 enough
        {10, 6, 3, 2, 4.20f},  // 2.10 each is enough, though the second pleat is 0.4·E = 1.68
        {13, 6, 3, 1, 2.70f},
        {15, 6, 3, 0, 1.70f},   // under 2: no pleats
        {40, 6, 2, 0, -10.8f},  // a waist wider than the front: T21 beyond T2
    };
    for (const Case& c : cases) {
        Draft(trousers, With(c.Pt, c.Pb, c.typed));
        const std::string at = "Пт " + Text(c.Pt) + " Пб " + Text(c.Pb) + " Кс " + std::to_string(c.typed);
        EXPECT_NEAR(trousers.PleatSurplus, c.E, 0.005f) << at;
        EXPECT_EQ(trousers.DrawnPleats(), c.pleats) << at;
        EXPECT_EQ(trousers.NoPleats, c.pleats == 0) << at;
        EXPECT_EQ(Texts(trousers.FrontTableRows()), FrontRows(c.pleats)) << at;
        EXPECT_EQ(trousers.BackTableRows().size(), 17u) << at;
        // Without pleats the count stays as it came; with them, lowered.
        const int count = c.pleats == 0 ? c.typed : c.pleats;
        EXPECT_EQ(trousers.PleatCount, count) << at;
        EXPECT_EQ(trousers.MeasureTableRows().back().value, float(count)) << at;
        float depths = 0;
        for (int i = 0; i < c.pleats; ++i) {
            depths += trousers.PleatDepth[i];
            EXPECT_EQ(trousers.FrontTableRows()[size_t(14 + i)].value, trousers.PleatDepth[i]) << at;
        }
        if (c.pleats > 0) {
            EXPECT_NEAR(depths, trousers.PleatSurplus, 1e-4f) << at;
        } else {
            // The waist shortened by E at the side.
            const float E = trousers.PleatSurplus;
            EXPECT_NEAR(Geom::Distance(trousers.T2, trousers.T21), std::fabs(E), 1e-4f) << at;
            EXPECT_NEAR(Geom::Distance(trousers.T21, trousers.T12), Geom::Distance(trousers.T2, trousers.T12) - E,
                        1e-4f)
                << at;
            EXPECT_EQ(trousers.FrontTableRows()[6].value, trousers.FrontSegments[TMVolumeBryukiDraft::SegT2T21]);
            EXPECT_EQ(trousers.W, Vector()) << at;
        }
    }

    // Two pleats: 0.6·E and 0.4·E, 4 cm apart.
    Draft(trousers, With(1, 6, 2));
    const float E = trousers.PleatSurplus;
    EXPECT_NEAR(trousers.PleatDepth[0], 0.6f * E, 1e-5f);
    EXPECT_NEAR(trousers.PleatDepth[1], 0.4f * E, 1e-5f);
    EXPECT_NEAR(trousers.Pleats[1].Near.x, -0.6f * E - 4, 1e-5f);
    EXPECT_EQ(trousers.b4, Vector());  // no third pleat
}

// E at exactly 2 cm draws one pleat 2 cm deep; the float just below it
// draws none.
TEST_F(MVolumeDraftTest, SurplusOfExactlyTwoCentimetres) {
    // Пт moves E alone (by −Пт/2): bisect for the Пт where E reaches 2,
    // then try the floats around it (and, should E step over 2.0 there,
    // around a neighbouring side length) for an E of exactly 2.
    float lo = 10, hi = 20;  // E ≥ 2 at lo, < 2 at hi
    for (int i = 0; i < 60; ++i) {
        const float mid = (lo + hi) / 2;
        Draft(trousers, With(mid, 6, 3));
        (trousers.PleatSurplus >= 2.0f ? lo : hi) = mid;
    }
    Measures exact = With(lo, 6, 3);
    for (int side = 0; side < 20 && trousers.PleatSurplus != 2.0f; ++side) {
        exact.Dsb = std::nextafter(exact.Dsb, 200.0f);
        exact.Pt = lo;
        for (int i = 0; i < 40; ++i) {
            Draft(trousers, exact);
            if (trousers.PleatSurplus == 2.0f) break;
            exact.Pt = std::nextafter(exact.Pt, trousers.PleatSurplus > 2.0f ? 100.0f : 0.0f);
        }
    }
    float Pt = exact.Pt;
    ASSERT_EQ(trousers.PleatSurplus, 2.0f);
    EXPECT_EQ(trousers.DrawnPleats(), 1);
    EXPECT_FLOAT_EQ(trousers.PleatDepth[0], 2.0f);
    EXPECT_EQ(Text(trousers.FrontTableRows().back().value), "2.0");

    for (int i = 0; i < 1000 && trousers.PleatSurplus >= 2.0f; ++i) {
        exact.Pt = Pt = std::nextafter(Pt, 100.0f);
        Draft(trousers, exact);
    }
    ASSERT_LT(trousers.PleatSurplus, 2.0f);
    EXPECT_TRUE(trousers.NoPleats);
    EXPECT_EQ(trousers.DrawnPleats(), 0);
    EXPECT_EQ(trousers.PleatCount, 3);
}

// A count that no typed value can give (only a damaged order file) is
// clamped before the lowering loop, which stops at one pleat.
TEST_F(MVolumeDraftTest, DamagedPleatCountIsClampedBeforeTheDraft) {
    const struct {
        int stored, drawn;
    } cases[] = {{0, 1}, {-7, 1}, {4, 3}, {1000000, 3}, {std::numeric_limits<int>::min(), 1}};
    for (const auto& c : cases) {
        Draft(trousers, With(1, 6, c.stored));
        EXPECT_EQ(trousers.DrawnPleats(), c.drawn) << c.stored;
        EXPECT_EQ(trousers.PleatCount, c.drawn) << c.stored;
    }
}

TEST(MVolumePleatCount, TypedCountIsClampedThenTruncated) {
    const struct {
        float typed;
        int count;
    } typed[] = {{2.7f, 2}, {0, 1}, {0.4f, 1}, {0.99f, 1}, {1, 1}, {3, 3}, {3.9f, 3}, {5, 3},
                 {-2.5f, 1}, {1e30f, 3}, {-1e30f, 1}, {std::numeric_limits<float>::quiet_NaN(), 1}};
    for (const auto& c : typed) EXPECT_EQ(ClampedPleatCount(c.typed), c.count) << c.typed;
    const struct {
        int stored, count;
    } stored[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {-1, 1}};
    for (const auto& c : stored) EXPECT_EQ(ClampedPleatCount(c.stored), c.count) << c.stored;
}

// The back dart when the waist T5-T4 would run past T6: what is left of
// T5-T6, T4 on T6; nothing left: no dart, T4 beyond T6, and the dart's
// points fall together.
TEST_F(MVolumeDraftTest, BackDartWhenTheWaistPassesT6) {
    Draft(trousers, With(6, 6, 3));  // (Ст + Пт)/2 + 0.5 + (Сб − Ст)/4 = 26.25 > |T5 T6|
    const float T5T6 = Geom::Distance(trousers.T5, trousers.T6);
    ASSERT_LT(T5T6, 26.25f);
    EXPECT_FLOAT_EQ(trousers.BackDart, T5T6 - 23.5f);
    EXPECT_EQ(trousers.T4, trousers.T6);

    Draft(trousers, With(12, 6, 3));  // (Ст + Пт)/2 = 26.5 > |T5 T6|
    EXPECT_EQ(trousers.BackDart, 0.0f);
    EXPECT_LT(trousers.T4.x, trousers.T6.x);
    EXPECT_NEAR(Geom::Distance(trousers.T5, trousers.T4), 26.5f, 1e-4f);
    EXPECT_EQ(trousers.b8, trousers.b9);
    EXPECT_NEAR(Geom::Distance(trousers.b8, trousers.b6), 0.0f, 1e-5f);  // the first b61 is b6
    EXPECT_NEAR(Geom::Distance(trousers.b61, trousers.b6), 0.0f, 1e-4f);
    EXPECT_EQ(Text(trousers.BackSegments[TMVolumeBryukiDraft::Segb8b9]), "0.0");
}

// Every Calculate starts from a fresh set of points: a draft without
// pleats after one with three keeps nothing of them.
TEST_F(MVolumeDraftTest, NoPointOfAnEarlierDraftSurvives) {
    Draft(trousers, kSamples);
    Draft(trousers, With(15, 6, 3));
    TMVolumeBryuki fresh;
    Draft(fresh, With(15, 6, 3));
    EXPECT_TRUE(SamePoints(trousers, fresh));
    EXPECT_EQ(std::memcmp(trousers.FrontSegments, fresh.FrontSegments, sizeof fresh.FrontSegments), 0);
    EXPECT_EQ(trousers.PleatDepth[0], 0.0f);
    EXPECT_EQ(trousers.FrontSegments[TMVolumeBryukiDraft::Segbb1], 0.0f);
}

// Measurements that cannot be drafted fail with EFloatError (the
// calculation road reruns and reports it); nothing hangs and the garment
// stays uncalculated.
TEST_F(MVolumeDraftTest, DegenerateMeasurementsThrowEFloatError) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Measures cases[] = {kSamples, kSamples, kSamples, kSamples};
    cases[0].Cb = -1;  // W_b = 0: the back's angle divides by it
    cases[0].Pb = 0;
    cases[1].Cb = 3e38f;  // overflows a float
    cases[2].Dsb = inf;
    cases[3].Shn = nan;
    for (int i = 0; i < 4; ++i) {
        TMVolumeBryuki2 w;
        Put(w, cases[i]);
        EXPECT_THROW(w.Calculate(), EFloatError) << i;
        EXPECT_FALSE(w.calculated) << i;
    }
}

// A draft that fails leaves the last good one whole, so that a redraw of a
// still calculated garment draws what it drew before.
TEST_F(MVolumeDraftTest, FailedDraftKeepsTheLastOne) {
    Draft(trousers2, kSamples);
    TMVolumeBryuki2 before;
    Draft(before, kSamples);

    Measures bad = With(15, 6, 3);  // another front, and an overflow
    bad.Cb = 3e38f;
    Put(trousers2, bad);
    EXPECT_THROW(trousers2.Calculate(), EFloatError);
    EXPECT_TRUE(trousers2.calculated);
    EXPECT_TRUE(SamePoints(trousers2, before));
    EXPECT_EQ(trousers2.PleatCount, before.PleatCount);
    EXPECT_EQ(trousers2.NoPleats, before.NoPleats);
    EXPECT_EQ(trousers2.PleatSurplus, before.PleatSurplus);
    EXPECT_EQ(trousers2.CrotchSeam, before.CrotchSeam);
}

}  // namespace
