// The men's jeans drafted on their own (no windows): the points of the
// sample measurements against values worked out independently from the
// drafting rules, the second variant's seat height and ease, the yoke's
// fits and drawing cases, the straight yoke of E = 0, and the failures.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "garments/lower_men/MJeans.h"
#include "garments/common/PointLabels.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

struct Measures {
    float Ct, Cb, Vs, Ob, Dsb, Pt, Pb, Pvs, Pob;
};

// The samples of the measurement column.
const Measures kSamples{41, 50, 23.5f, 40.5f, 98, 0.5f, 0, 0, 8};

void Put(TMJeansDraft& j, const Measures& m) {
    j.WaistHalfGirth = m.Ct;
    j.HipHalfGirth = m.Cb;
    j.SeatHeight = m.Vs;
    j.ThighGirth = m.Ob;
    j.SideLength = m.Dsb;
    j.WaistEase = m.Pt;
    j.HipEase = m.Pb;
    j.SeatEase = m.Pvs;
    j.ThighEase = m.Pob;
}

#define EXPECT_POINT(p, x_, y_, tol)            \
    do {                                        \
        EXPECT_NEAR((p).x, (x_), (tol)) << #p;  \
        EXPECT_NEAR((p).y, (y_), (tol)) << #p;  \
    } while (0)

class MJeansDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }
};

// Points worked out from the drafting rules in double precision (the
// crossings and arc lengths solved exactly), for the samples of TMJeans and
// for a TMJeans2 with a seat-height ease, larger hips and an eased hip.  The
// straight constructions agree to float precision, the searched ones (T61,
// the pocket's ends, the fitted waist edges) to the searches' tolerances.
TEST_F(MJeansDraftTest, PointsOfTheDraftMatchTheRules) {
    struct Expected {
        const char* name;
        Vector TMJeansDraft::*point;
        float x1, y1;  // TMJeans, samples
        float x2, y2;  // TMJeans2: 38, 54, Вс 26, 52, 104, 1, 1, Пвс 2, 6
        float tol;
    };
    using J = TMJeansDraft;
    const Expected rows[] = {
        {"C0", &J::C0, 0, -22.5556f, 0, -26.2222f, 1e-3f},
        {"B0", &J::B0, 0, -15.7222f, 0, -16.5556f, 1e-3f},
        {"K0", &J::K0, 0, -56.3889f, 0, -59.3889f, 1e-3f},
        {"D0", &J::D0, 0, -45.1111f, 0, -48.3333f, 1e-3f},
        {"H0", &J::H0, 0, -97.0556f, 0, -102.2222f, 1e-3f},
        {"B", &J::B, -14.25f, -15.7222f, -15.725f, -16.5556f, 1e-3f},
        {"B1", &J::B1, 9.75f, -15.7222f, 10.775f, -16.5556f, 1e-3f},
        {"D2", &J::D2, 11.625f, -45.1111f, 14, -48.3333f, 1e-3f},
        {"C2", &J::C2, 14.25f, -22.5556f, 15.725f, -26.2222f, 1e-3f},
        {"T111", &J::T111, 8.3333f, 0.3036f, 8.1083f, 0.5714f, 1e-3f},
        {"T4", &J::T4, -11.4167f, 0.9444f, -10.3917f, 1.7778f, 1e-3f},
        {"2", &J::P2, -13.5316f, -7.2702f, -14.3386f, -7.0164f, 1e-3f},
        {"4", &J::P4, -12.4744f, -34.2263f, -14.6117f, -36.5741f, 1e-3f},
        {"6", &J::P6, 12.5980f, -33.7938f, 14.7108f, -37.2659f, 1e-3f},
        {"B3", &J::B3, -19.3209f, -15.7222f, -21.4649f, -16.5556f, 1e-3f},
        {"B4", &J::B4, 6.6791f, -15.7222f, 7.0351f, -16.5556f, 1e-3f},
        {"B5", &J::B5, 5.8421f, -9.1784f, 6.1305f, -9.4319f, 1e-3f},
        {"C3", &J::C3, 9.3209f, -22.5556f, 10.4649f, -26.2222f, 1e-3f},
        {"C5", &J::C5, 19.2851f, -23.4020f, 21.4292f, -27.1074f, 1e-3f},
        {"T5", &J::T5, 1.8850f, 6.0377f, 1.9924f, 6.5982f, 1e-3f},
        {"T6", &J::T6, -20.9965f, 0.1777f, -21.4778f, 1.4882f, 1e-3f},
        {"10", &J::P10, -20.7223f, -7.8317f, -22.5380f, -7.5345f, 1e-3f},
        {"12", &J::P12, -14.6086f, -34.1247f, -16.9312f, -36.4818f, 1e-3f},
        {"8", &J::P8, 14.7746f, -33.8944f, 17.0816f, -37.3772f, 1e-3f},
        {"13", &J::P13, -9.5558f, 3.1077f, -9.7427f, 4.0432f, 1e-3f},
        {"y", &J::Y, -7.5152f, -4.8601f, -7.8068f, -4.8485f, 1e-3f},
        {"T51", &J::T51, 4.7191f, -4.8601f, 4.9473f, -4.8485f, 1e-3f},
        {"T61", &J::T61, -20.9175f, -4.8601f, -22.3892f, -4.8485f, 6e-3f},
        {"T52", &J::T52, 4.5348f, -3.8553f, 4.5459f, -3.0518f, 1e-3f},
        {"T62", &J::T62, -20.7258f, -3.8549f, -21.9767f, -3.0489f, 6e-3f},
        {"T53", &J::T53, 0.6849f, 6.7248f, -0.2307f, 7.7477f, 2e-3f},
        {"T63", &J::T63, -20.2457f, 1.1593f, -19.9179f, 3.0009f, 0.02f},
        {"FrontPocketWaist", &J::ArcOnWaist, -0.9882f, 0.0071f, -0.9185f, 0.0139f, 0.01f},
        {"FrontPocketSide", &J::ArcOnSide, -13.8273f, -9.2448f, -14.3376f, -7.0132f, 0.01f},
        {"PocketTop", &J::PocketTop, -6.6862f, -8.0968f, -7.1560f, -7.8377f, 1e-3f},
        {"PocketBottom", &J::PocketBottom, -2.9648f, -22.6278f, -3.9649f, -22.4943f, 1e-3f},
        {"PocketMidSide", &J::PocketMidSide, -9.2773f, -21.0782f, -10.2170f, -20.7164f, 1e-3f},
        {"PocketMidCentre", &J::PocketMidCentre, 1.8258f, -18.2346f, 0.9822f, -18.2781f, 1e-3f},
    };
    TMJeans j;
    Put(j, kSamples);
    j.Calculate();
    ASSERT_TRUE(j.calculated);
    TMJeans2 j2;
    Put(j2, {38, 54, 26, 52, 104, 1, 1, 2, 6});
    j2.Calculate();
    ASSERT_TRUE(j2.calculated);
    for (const Expected& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_POINT(j.*r.point, r.x1, r.y1, r.tol);
        EXPECT_POINT(j2.*r.point, r.x2, r.y2, r.tol);
    }
    EXPECT_FLOAT_EQ(j.Excess, 8.5f);
    EXPECT_FLOAT_EQ(j.SeatDepth, 23.5f);
    EXPECT_NEAR(j.SideOffset, 2.8333f, 1e-4);
    EXPECT_NEAR(j.YokeT, 0.4549f, 2e-3);
    EXPECT_NEAR(j.TurnT53, 0.1776f, 0.01);
    EXPECT_NEAR(j.TurnT63, 0.1409f, 0.01);
    EXPECT_NEAR(j.CrotchSeam, 62.259f, 0.01);
    EXPECT_NEAR(j2.CrotchSeam, 71.007f, 0.01);
    EXPECT_EQ(Labels::CrotchSeamText(j.CrotchSeam), "Средний срез:62.3");
    for (const TMJeansDraft* d : {static_cast<const TMJeansDraft*>(&j), static_cast<const TMJeansDraft*>(&j2)}) {
        EXPECT_EQ(d->SeamMode, kYokeArcs);
        EXPECT_EQ(d->TopModeT53, kYokeArcs);
        EXPECT_EQ(d->TopModeT63, kYokeArcs);
        EXPECT_TRUE(d->HighYoke());
    }
}

// TMJeans2 with Вс equal to TMJeans's derived seat depth and no ease drafts
// the same jeans; Пвс lowers the seat line alone.
TEST_F(MJeansDraftTest, SecondVariantTakesItsSeatDepthFromTheMeasurement) {
    TMJeans j;
    Put(j, kSamples);
    j.SeatHeight = 99;  // TMJeans does not read Вс or Пвс
    j.SeatEase = 5;
    j.Calculate();
    TMJeans2 j2;
    Put(j2, kSamples);
    j2.Calculate();
    for (const auto& [a, b] : {std::pair{j.C5, j2.C5}, {j.T63, j2.T63}, {j.T53, j2.T53}, {j.ArcOnSide, j2.ArcOnSide},
                               {j.PocketMidSide, j2.PocketMidSide}, {j.P12, j2.P12}, {j.H4, j2.H4}}) {
        EXPECT_FLOAT_EQ(a.x, b.x);
        EXPECT_FLOAT_EQ(a.y, b.y);
    }
    EXPECT_FLOAT_EQ(j.CrotchSeam, j2.CrotchSeam);

    TMJeans2 eased;
    Put(eased, kSamples);
    eased.SeatEase = 2;
    eased.Calculate();
    EXPECT_NEAR(eased.C0.y, j2.C0.y - 2, 1e-5);
    EXPECT_FLOAT_EQ(eased.B0.y, j2.B0.y);
    EXPECT_FLOAT_EQ(eased.K0.y, j2.K0.y);
}

// The relations that the draft builds in: the back inseam and side as long
// as the front ones, the yoke's waist edges fitted to the edges they
// replace, T51 and T61 on the yoke line, the back patch pocket's sizes.
TEST_F(MJeansDraftTest, LengthsTheDraftMatches) {
    TMJeans j;
    Put(j, kSamples);
    j.Calculate();
    EXPECT_NEAR(Geom::Distance(j.D4, j.C5), Geom::Distance(j.D2, j.C2), 1e-3);
    EXPECT_NEAR(Geom::Distance(j.C3, j.C5), j.C4.x - j.C3.x, 1e-3);
    EXPECT_NEAR(Geom::Distance(j.D3, j.T6), Geom::Distance(j.D1, j.T4), 1e-3);
    EXPECT_NEAR(Geom::Distance(j.T52, j.T53), Geom::Distance(j.T51, j.T5), kYokeFitTolerance);
    EXPECT_NEAR(Geom::Distance(j.T62, j.T63), Geom::Distance(j.T61, j.T6), kYokeFitTolerance);
    EXPECT_FLOAT_EQ(j.T51.y, j.Y.y);
    EXPECT_NEAR(j.T61.y, j.Y.y, 0.01);
    EXPECT_NEAR(Geom::Distance(j.PocketTopCentre, j.PocketTopSide), 14, 1e-4);
    EXPECT_NEAR(Geom::Distance(j.PocketTop, j.PocketBottom), 15, 1e-4);
    for (const Vector& top : {j.PocketTopCentre, j.PocketTopSide}) {
        const Vector& mid = top == j.PocketTopSide ? j.PocketMidSide : j.PocketMidCentre;
        EXPECT_NEAR(Geom::Distance(top, mid), 12, 1e-4);
        EXPECT_NEAR(Geom::Distance(mid, j.PocketBottom), 6.5f, 1e-4);
    }
    // The pocket's lower corners lie on either side of its middle line.
    EXPECT_LT(j.PocketMidSide.x, j.PocketBottom.x);
    EXPECT_GT(j.PocketMidCentre.x, j.PocketBottom.x);
}

// The segment tables: 24 front and 29 back rows in their order, each row
// reading the points its text names.
TEST_F(MJeansDraftTest, SegmentTables) {
    TMJeans j;
    Put(j, kSamples);
    j.Calculate();
    j.CalcSegments();
    const char* const front[] = {
        "[ T0, H0 ]",  "[ T0, C0 ]",    "[ C0, B0 ]",  "[ T0, K0 ]", "[ B0, D0 ]", "[ B0, B ]",  "[ B0, B1 ]",
        "[ B1, B11 ]", "[ D0, D1 ]",    "[ D0, D2 ]",  "[ K0, K1 ]", "[ K0, K2 ]", "[ H0, H1 ]", "[ H0, H2 ]",
        "[ H0, H01 ]", "[ T1, T11 ]",   "[ T11, T111 ]", "[ T11, T3 ]", "[ T3, T4 ]", "[ 1, 2 ]", "[ 3, 4 ]",
        "[ C1, C2 ]",  "[ C2, 5 ]",     "[ 5, 6 ]",
    };
    const char* const back[] = {
        "[ D0, D3 ]",   "[ D0, D4 ]",   "[ K0, K3 ]",  "[ K0, K4 ]",   "[ H0, H3 ]",   "[ H0, H4 ]",
        "[ H0, H011 ]", "[ B, B3 ]",    "[ B3, B4 ]",  "[ B4, B5 ]",   "[ C0, C3 ]",   "[ B5, T5 ]",
        "[ C3, C4 ]",   "[ C3, C5 ]",   "[ D4, C5 ]",  "[ 7, 8 ]",     "[ T5, T6 ]",   "[ K, T6 ]",
        "[ 9, 10 ]",    "[ 11, 12 ]",   "[ 13, y ]",   "[ T51, T52 ]", "[ y, T52 ]",   "[ T52, T53 ]",
        "[ 13, T53 ]",  "[ T61, T62 ]", "[ y, T62 ]",  "[ T62, T63 ]", "[ 13, T63 ]",
    };
    ASSERT_EQ(j.FrontRows.size(), std::size(front));
    ASSERT_EQ(j.BackRows.size(), std::size(back));
    for (size_t k = 0; k < std::size(front); ++k) EXPECT_STREQ(j.FrontRows[k].text, front[k]);
    for (size_t k = 0; k < std::size(back); ++k) EXPECT_STREQ(j.BackRows[k].text, back[k]);

    const struct {
        const std::vector<ValueTableRow>& table;
        size_t row;
        float value;
    } rows[] = {
        {j.FrontRows, 0, 98},          // [ T0, H0 ] shows Дсб
        {j.FrontRows, 1, 22.5556f},    // [ T0, C0 ]
        {j.FrontRows, 2, 6.8333f},     // [ C0, B0 ]
        {j.FrontRows, 4, 29.3889f},    // [ B0, D0 ]
        {j.FrontRows, 7, 0.5f},        // [ B1, B11 ]
        {j.FrontRows, 8, 11.625f},     // [ D0, D1 ]
        {j.FrontRows, 14, 0.5f},       // [ H0, H01 ]
        {j.FrontRows, 16, 0.3036f},    // [ T11, T111 ]
        {j.FrontRows, 17, 19.75f},     // [ T11, T3 ]
        {j.FrontRows, 21, 4.5f},       // [ C1, C2 ]
        {j.BackRows, 0, 12.625f},      // [ D0, D3 ]
        {j.BackRows, 6, 0.5f},         // [ H0, H011 ]
        {j.BackRows, 7, 5.0709f},      // [ B, B3 ]
        {j.BackRows, 8, 26},           // [ B3, B4 ] = R
        {j.BackRows, 10, 9.3209f},     // [ C0, C3 ]
        {j.BackRows, 12, 10},          // [ C3, C4 ] = w3
        {j.BackRows, 13, 10},          // [ C3, C5 ] = w3
        {j.BackRows, 20, 8.225f},      // [ 13, y ] = 0.35·S
    };
    for (const auto& r : rows) EXPECT_NEAR(r.table[r.row].value, r.value, 1e-3) << r.table[r.row].text;
    EXPECT_NEAR(j.BackRows[14].value, Geom::Distance(j.D2, j.C2), 1e-3);  // [ D4, C5 ]
    EXPECT_FLOAT_EQ(j.BackRows[23].value, Geom::Distance(j.T52, j.T53));
    EXPECT_FLOAT_EQ(j.BackRows[28].value, Geom::Distance(j.P13, j.T63));
}

// E = 0 (Сб + Пб = Ст + Пт): nothing is raised above the waist, the side
// offset vanishes, the yoke seam closes no dart and is drawn as quadratic
// curves, and the waist edges need no turn.
TEST_F(MJeansDraftTest, NoExcessGivesAStraightYoke) {
    TMJeans j;
    Measures m = kSamples;
    m.Ct = 49.5f;
    Put(j, m);
    j.Calculate();
    EXPECT_EQ(j.Excess, 0.0f);
    EXPECT_EQ(j.T111.y, 0.0f);
    EXPECT_EQ(j.T4.y, 0.0f);
    EXPECT_NEAR(j.SideOffset, 0, 1e-5);
    EXPECT_POINT(j.P2, j.P1.x, j.P1.y, 1e-5);
    EXPECT_POINT(j.P10, j.P9.x, j.P9.y, 1e-5);
    EXPECT_EQ(j.SeamMode, kYokeQuadratic);
    EXPECT_POINT(j.T52, j.T51.x, j.T51.y, 1e-3);
    EXPECT_POINT(j.T62, j.T61.x, j.T61.y, 6e-3);
    EXPECT_EQ(j.T53, j.T5);
    EXPECT_EQ(j.T63, j.T6);
    EXPECT_EQ(j.TurnT53, 0.0f);
    EXPECT_EQ(j.TurnT63, 0.0f);
    EXPECT_EQ(j.TopModeT53, kYokeQuadratic);
    EXPECT_EQ(j.TopModeT63, kYokeQuadratic);
}

// The hips narrower than the waist (an order file is drafted without the
// check): the front side offset is negative, so "2" and "10" stay on the
// chords' middles "1" and "9", and the yoke seam turns the other way.
TEST_F(MJeansDraftTest, NegativeExcessKeepsTheSideCurvesOnTheirChords) {
    TMJeans j;
    Measures m = kSamples;
    m.Ct = 52;
    Put(j, m);
    j.Calculate();
    EXPECT_LT(j.SideOffset, 0);
    EXPECT_EQ(j.P2, j.P1);
    EXPECT_EQ(j.P10, j.P9);
    EXPECT_LT(j.T52.y, j.T51.y);
}

// The yoke seam is drawn as arcs exactly when the dart angle α = 0.88·E/S
// exceeds 3.75°; each waist edge decides by its own turn β in the same way;
// a yoke line below "10" takes part of the lower side curve into the yoke.
TEST_F(MJeansDraftTest, DrawingCasesOfTheYoke) {
    // E at which α is 3.75° with S = 23.5.
    const double tie = kYokeArcThreshold * 23.5 / 0.88;
    struct Case {
        float Cb, Vs, Ct, Pt, Dsb;
        bool high;
        int seam, top53, top63;
    } cases[] = {
        {50, 23.5f, float(49.5 - tie) + 0.01f, 0.5f, 98, true, kYokeQuadratic, kYokeQuadratic, kYokeQuadratic},
        {50, 23.5f, float(49.5 - tie) - 0.01f, 0.5f, 98, true, kYokeArcs, kYokeQuadratic, kYokeQuadratic},
        {50, 23.5f, 41, 0.5f, 98, true, kYokeArcs, kYokeArcs, kYokeArcs},
        {50, 45, 41, 0.5f, 98, true, kYokeArcs, kYokeArcs, kYokeQuadratic},
        // Only a seat far deeper than the hips, on long legs, brings the
        // yoke line below "10".
        {30, 80, 15, 0, 300, false, kYokeArcs, kYokeArcs, kYokeArcs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Cb << " / " << c.Vs << " / " << c.Ct);
        TMJeans2 j;
        Measures m = kSamples;
        m.Cb = c.Cb;
        m.Vs = c.Vs;
        m.Ct = c.Ct;
        m.Pt = c.Pt;
        m.Dsb = c.Dsb;
        Put(j, m);
        j.Calculate();
        EXPECT_EQ(j.HighYoke(), c.high);
        EXPECT_EQ(j.SeamMode, c.seam);
        EXPECT_EQ(j.TopModeT53, c.top53);
        EXPECT_EQ(j.TopModeT63, c.top63);
        EXPECT_EQ(j.TopModeT53 == kYokeQuadratic, std::fabs(j.TurnT53) <= kYokeArcThreshold);
        EXPECT_EQ(j.TopModeT63 == kYokeQuadratic, std::fabs(j.TurnT63) <= kYokeArcThreshold);
        EXPECT_NEAR(Geom::Distance(j.T52, j.T53), Geom::Distance(j.T51, j.T5), kYokeFitTolerance);
        EXPECT_NEAR(Geom::Distance(j.T62, j.T63), Geom::Distance(j.T61, j.T6), kYokeFitTolerance);
        if (!c.high) {
            EXPECT_NE(j.EdgeB3, Vector());
        }
    }
}

// A seat depth of zero divides by zero in the dart angle: the draft fails
// with the kernel's error, which the calculation road reports, and is not
// left marked as calculated.
TEST_F(MJeansDraftTest, ZeroSeatHeightFailsTheDraft) {
    TMJeans2 j;
    Put(j, kSamples);
    j.Calculate();
    ASSERT_TRUE(j.calculated);
    j.SeatHeight = 0;
    EXPECT_THROW(j.Calculate(), EFloatError);
    EXPECT_FALSE(j.calculated);
}

}  // namespace
