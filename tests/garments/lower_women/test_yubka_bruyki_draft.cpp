// The skirt-trousers' drafting on its own (no windows): the worked example
// of the cutting method (both result tables), the crotch points a third of
// the way, the dart opening that closes the waist, and degenerate
// measurements failing with EFloatError instead of drawing garbage.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "garments/lower_women/YubkaBruyki.h"
#include "kernel/Checked.h"
#include "platform/Text.h"

namespace {

struct Measures {
    float Ct, Cb, Du, Pvs, Pt, Pb;
};

const Measures kSamples{38, 53, 75, 1, 0.5f, 2};

void Draft(TYubka_Bruyki& y, const Measures& m) {
    y.WaistHalfGirth = m.Ct;
    y.HipHalfGirth = m.Cb;
    y.SkirtLength = m.Du;
    y.SeatEase = m.Pvs;
    y.WaistEase = m.Pt;
    y.HipEase = m.Pb;
    y.Calculate();
    y.CalcSegments();
}

// Every point of the draft, for the finiteness check.
std::vector<Vector> AllPoints(const TYubka_Bruyki& y) {
    return {y.T,  y.T1, y.T2, y.T3, y.T31, y.T4, y.T41, y.T5, y.T6, y.T7, y.b,  y.b0, y.b01, y.b1, y.b2, y.b3,
            y.b4, y.b5, y.b6, y.b61, y.C,  y.C1, y.C2,  y.C3, y.C4, y.C5, y.B,  y.B1, y.B2,  y.B3, y.B4, y.B5,
            y.B6, y.H,  y.H1, y.FrontCentreAtHem, y.H2, y.FrontSideAtHem, y.H3, y.H4, y.H5, y.H6, y.H7, y.H8,
            y.FrontSideCtrl, y.FrontWaistCtrl1, y.FrontWaistCtrl2, y.FrontCrotchCtrl1, y.FrontCrotchCtrl2, y.P1,
            y.BackSideCtrl, y.P2, y.BackCrotchCtrl1, y.BackCrotchCtrl2, y.BackWaistCtrl1, y.BackWaistCtrl2,
            y.FrontInseamAtHem, y.FrontSeatInner, y.FrontSeatSide, y.BackSideAtHem, y.BackCentreAtHem,
            y.BackInseamAtHem, y.BackSeatInner};
}

class SkirtTrousersDraftTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator(0); }

    static void ExpectTable(const std::vector<ValueTableRow>& rows, const std::vector<std::string>& names,
                            const std::vector<std::string>& values) {
        ASSERT_EQ(rows.size(), names.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].text, names[i]) << "row " << i;
            EXPECT_EQ(FormatFixed(rows[i].value, 5, 1), values[i]) << rows[i].text;
        }
    }

    TYubka_Bruyki y;  // no main window: the column helpers stand aside
};

TEST_F(SkirtTrousersDraftTest, WorkedExampleOfTheMethod) {
    Draft(y, kSamples);
    ASSERT_TRUE(y.calculated);
    EXPECT_FLOAT_EQ(y.Suppression, 16.5f);
    EXPECT_NEAR(y.BackDartOpening, 3.06f, 0.005f);
    EXPECT_FLOAT_EQ(y.CrotchFactor, float(std::sqrt(2.0 / 9.0)));

    ExpectTable(y.MeasureTableRows(), {"Ст", "Сб", "Дю", "Пвс", "Пт", "Пб"},
                {"38.0", "53.0", "75.0", "1.0", "0.5", "2.0"});
    ExpectTable(y.FrontTableRows(),
                {"[ T, H ]",   "[ T, C ]",   "[ C, B ]",   "[ B, B1 ]",  "[ B1, B2 ]", "[ H1, H3 ]", "[ H, H2 ]",
                 "[ B2, H1 ]", "[ B2, H3 ]", "[ B, H ]",   "[ B, H2 ]",  "[ T, T5 ]",  "[ B2, T2 ]", "[ T2, T4 ]",
                 "[ T4, T5 ]", "[ B, B3 ]",  "[ b1, b2 ]", "[ b0, b ]",  "[ C1, C2 ]", "[ H2, H4 ]", "[ C1, 1 ]"},
                {"75.0", "27.5", "9.2", "27.5", "2.4", "5.0", "5.0", "59.0", "59.0", "56.7", "56.7",
                 "1.0", "18.4", "4.1", "22.5", "13.8", "2.8", "10.0", "11.0", "11.0", "3.1"});
    EXPECT_FLOAT_EQ(y.FrontTableRows()[16].value, 2.75f);  // |b1 b2| = E/6
    ExpectTable(y.BackTableRows(),
                {"[ B1, B4 ]", "[ B4, B5 ]", "[ H1, H6 ]", "[ B2, H1 ]", "[ B2, H6 ]", "[ H5, H7 ]", "[ B5, H5 ]",
                 "[ B5, H7 ]", "[ C4, C5 ]", "[ H7, H8 ]", "[ C4, 2 ]", "[ T2, T41 ]", "[ T6, T41 ]", "[ B5, B6 ]",
                 "[ B6, b3 ]", "[ b4, b5 ]"},
                {"27.5", "1.0", "5.0", "59.0", "59.0", "5.0", "57.7", "57.7", "13.0", "13.0", "4.3", "4.1",
                 "21.8", "13.8", "5.0", "3.1"});
}

// The rows that show one stored length stand for lengths that are equal by
// construction; the drawn points agree.
TEST_F(SkirtTrousersDraftTest, RowsOfEqualLengthsAreEqualInTheDraft) {
    Draft(y, kSamples);
    const float flare = Geom::Distance(y.H1, y.H3);
    EXPECT_NEAR(Geom::Distance(y.H, y.H2), flare, 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.H1, y.H6), flare, 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.H5, y.H7), flare, 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.B2, y.H3), Geom::Distance(y.B2, y.H1), 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.B2, y.H6), Geom::Distance(y.B2, y.H1), 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.B, y.H2), Geom::Distance(y.B, y.H), 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.B5, y.H7), Geom::Distance(y.B5, y.H5), 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.C1, y.C2), Geom::Distance(y.H2, y.H4), 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.C4, y.C5), Geom::Distance(y.H7, y.H8), 1e-3f);
    // The two waists with the darts closed are Ст + Пт.
    const float front = Geom::Distance(y.T4, y.T5) - y.Suppression / 6;
    const float back = Geom::Distance(y.T41, y.T6) - y.BackDartOpening;
    EXPECT_NEAR(front + back, 38.5f, 1e-3f);
    EXPECT_NEAR(Geom::Distance(y.b4, y.b5), y.BackDartOpening, 1e-3f);
    // The front half lies left of the side line, the back half right of it.
    EXPECT_LT(y.FrontInseamAtHem.x, 0.0f);
    EXPECT_GT(y.BackInseamAtHem.x, y.T7.x);
}

// Point 1 lies a third of |C1 B| from C1, point 2 a third of |C4 C5| from
// C4, whatever the measurements (negative E included).
TEST_F(SkirtTrousersDraftTest, CrotchPointsLieAThirdOfTheWay) {
    const Measures cases[] = {kSamples, {30, 45, 60, 0, 0, 0}, {50, 65, 95, 4, 1, 2}, {40, 38, 70, 2, 1, 0}};
    for (const Measures& m : cases) {
        Draft(y, m);
        EXPECT_NEAR(y.Segments[TYubka_Bruyki::SegC1P1], Geom::Distance(y.C1, y.B) / 3, 1e-3f) << m.Ct;
        EXPECT_NEAR(y.Segments[TYubka_Bruyki::SegC4P2], Geom::Distance(y.C4, y.C5) / 3, 1e-3f) << m.Ct;
    }
}

TEST_F(SkirtTrousersDraftTest, NegativeSuppressionStillDrafts) {
    Draft(y, {40, 38, 70, 2, 1, 0});
    EXPECT_TRUE(y.calculated);
    EXPECT_FLOAT_EQ(y.Suppression, -3.0f);
    for (const Vector& p : AllPoints(y)) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

// Measurements that make the construction impossible throw EFloatError (the
// calculation road reruns and then reports) and leave `calculated` alone;
// none hangs, and a finished draft never holds a non-finite value.
TEST_F(SkirtTrousersDraftTest, DegenerateMeasurementsThrowRatherThanDrawGarbage) {
    Draft(y, kSamples);
    const float hipLevel = -y.B.y;  // a skirt length that puts the hem on the hip line
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = std::numeric_limits<float>::max();
    struct Case {
        Measures m;
        bool mustThrow;
    } cases[] = {
        {{0, 0, 75, 1, 0, 0}, true},           // no width: B2 on B
        {{38, 53, hipLevel, 1, 0.5f, 2}, true},  // H on B: no compass construction
        {{38, 53, inf, 1, 0.5f, 2}, true},
        {{38, 53, 75, inf, 0.5f, 2}, true},
        {{huge, huge, huge, huge, huge, huge}, true},  // overflows
        {{38, 53, 0, 0, 0.5f, 2}, false},      // no length at all
    };
    for (const Case& c : cases) {
        TYubka_Bruyki d;
        bool threw = false;
        try {
            Draft(d, c.m);
        } catch (const EFloatError&) {
            threw = true;
        }
        EXPECT_EQ(threw, c.mustThrow) << c.m.Cb << " " << c.m.Du;
        if (threw) {
            EXPECT_FALSE(d.calculated);
            continue;
        }
        for (const Vector& p : AllPoints(d)) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << c.m.Du;
        for (float s : d.Segments) EXPECT_TRUE(std::isfinite(s));
    }
}

// Before any calculation every point is (0, 0) and every table row 0: a row
// never shows memory garbage.
TEST_F(SkirtTrousersDraftTest, PointsAndRowsStartAtZero) {
    for (const Vector& p : AllPoints(y)) EXPECT_TRUE(p.x == 0.0f && p.y == 0.0f);
    for (const ValueTableRow& r : y.FrontTableRows()) EXPECT_EQ(r.value, 0.0f) << r.text;
    for (const ValueTableRow& r : y.BackTableRows()) EXPECT_EQ(r.value, 0.0f) << r.text;
}

// The print box of each half holds every point its drawing passes through,
// from the waist to the hem.
TEST_F(SkirtTrousersDraftTest, PrintBoxesHoldTheirHalves) {
    Draft(y, kSamples);
    struct Case {
        TYubka_Bruyki::Half half;
        std::vector<Vector> points;
    } cases[] = {
        {TYubka_Bruyki::Front,
         {y.T, y.T1, y.T2, y.T3, y.T4, y.T5, y.b, y.b1, y.b2, y.C, y.C1, y.C2, y.B, y.B1, y.B2, y.B3, y.H, y.H1,
          y.H2, y.H3, y.H4, y.P1, y.FrontSideAtHem, y.FrontInseamAtHem, y.FrontCentreAtHem}},
        {TYubka_Bruyki::Back,
         {y.T1, y.T2, y.T31, y.T41, y.T6, y.T7, y.b3, y.b4, y.b5, y.b61, y.C3, y.C4, y.C5, y.B2, y.B4, y.B5, y.B6,
          y.H1, y.H5, y.H6, y.H7, y.H8, y.P2, y.BackSideAtHem, y.BackInseamAtHem, y.BackCentreAtHem}},
    };
    for (const Case& c : cases) {
        const TYubka_Bruyki::PieceBox box = y.PrintBox(c.half);
        for (const Vector& p : c.points) {
            EXPECT_GE(p.x, box.left);
            EXPECT_LE(p.x, box.right);
            EXPECT_LE(p.y, box.top);
            EXPECT_GE(p.y, box.bottom);
        }
        EXPECT_FLOAT_EQ(box.bottom, -75.0f);
        EXPECT_LT(box.right - box.left, 60.0f) << "one half only";
    }
}

}  // namespace
