// The batwing sleeve with the program's own dresses, jackets and coats: its
// underarm leaving the side one and two armhole drops below G2, the drop
// limited and kept in the order, the two underarm curves equally long, the
// sleeve ends folded onto their sheets, an old order without a drop, and
// printing.
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <string>

#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/shaping/BatWing.h"
#include "tests/garments/bodice_women/DressFixture.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/shaping/ShapingFixture.h"

namespace {

using namespace ShapingCheck;

class BatWingTest : public ShapingSleeveTest {
protected:
    TBatWing& Batwing(int type, int collar = 0) { return CalculateWith<TBatWing>(type, collar, 11); }
    // Half the height from the hip line to G3: the most the drop may be.
    double DropLimit() const { return (double(Dress().G3.y) - Dress().B2.y) / 2; }
};

double FrontUnderarm(const TBatWing& s) {
    return Bezier3::ArcLength(s.FrontEnd, s.FrontUnderarmCtrl1, s.FrontUnderarmCtrl2, s.M2, 0, 1, 200);
}
double BackUnderarm(const TBatWing& s) {
    return Bezier3::ArcLength(s.BackEnd, s.BackUnderarmCtrl1, s.BackUnderarmCtrl2, s.N2, 0, 1, 200);
}

// The length along the fitted side from G2 to the point of the case and
// parameter given.
double AlongFittedSide(const TDressOfWaist& w, bool front, int curveCase, float t) {
    const Vector ctrl = front ? w.FrontSideUpperCtrl : w.BackSideUpperCtrl;
    const Vector waist = front ? w.FrontSideWaist : w.BackSideWaist;
    if (curveCase == 1) return Bezier2::ArcLength(w.G2, ctrl, waist, 0, t);
    const double arc = Bezier2::ArcLength(w.G2, ctrl, waist, 0, 1);
    return front ? arc + Bezier3::ArcLength(waist, w.FrontSideLowerCtrl, w.FrontSideHipCtrl, w.B5, 0, t, 200)
                 : arc + Bezier3::ArcLength(waist, w.BackSideLowerCtrl, w.BackSideHipCtrl, w.B4, 0, t, 200);
}

}  // namespace

// Every type of the family, with and without the stand collar: the batwing
// names itself, leaves the bodice's side where it was, starts its underarm
// c and 2c down the side, builds its wrist and equal underarm curves, and
// is drawn on the front's and the back's sheets.
TEST_F(BatWingTest, OnEveryBodice) {
    OnEveryBodice<TBatWing>(11, {0, 1}, [&](TBatWing& s, const TDress& d) {
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Летучая мышь");
        const double c = s.ArmholeDrop, h = d.InterliningEase;
        const double L = double(s.ArmLength) + s.ShoulderPad + h, w = s.WristWidth;
        EXPECT_FLOAT_EQ(d.G2.x, 0);
        EXPECT_NEAR(w, s.WristGirth + s.WristEase + 3 * h, 1e-4);
        EXPECT_NEAR(Dist(d.P10, s.H2), L, 1e-3);
        EXPECT_LT(OffLine(d.A7, d.P10, s.H2), 1e-3);
        EXPECT_NEAR(Dist(d.P1, s.H), 1.02 * L, 1e-3);
        EXPECT_NEAR(Dist(s.H2, s.H3), w / 2 - 0.5, 1e-3);
        EXPECT_NEAR(Dist(s.H, s.H1), w / 2 + 0.5, 1e-3);
        EXPECT_NEAR(Dist(s.N, s.H1), Dist(s.M, s.H3), 1e-3);
        if (auto* st = dynamic_cast<const TDressOfStraight*>(&d)) {
            EXPECT_NEAR(Dist(st->G2, s.M), c, 1e-4);
            EXPECT_NEAR(Dist(st->G2, s.FrontEnd), 2 * c, 1e-4);
            EXPECT_NEAR(Dist(st->G2, s.BackEnd), 2 * c, 1e-4);
            EXPECT_LT(OffLine(st->G2, st->B5, s.FrontEnd), 1e-3);
            EXPECT_LT(OffLine(st->G2, st->B4, s.BackEnd), 1e-3);
        } else {
            const auto& fw = dynamic_cast<const TDressOfWaist&>(d);
            EXPECT_NEAR(AlongFittedSide(fw, true, s.FrontCurveCase, s.FrontCurveT), 2 * c, 0.05);
            EXPECT_NEAR(AlongFittedSide(fw, false, s.BackCurveCase, s.BackCurveT), 2 * c, 0.05);
            EXPECT_LT(Dist(FrontSidePoint(fw, s.FrontCurveCase, s.FrontCurveT), s.FrontEnd), 1e-3);
        }
        EXPECT_EQ(d.SleeveFrontEnd, s.FrontEnd);
        EXPECT_EQ(d.BackCurveCase, s.BackCurveCase);
        // The two underarm curves, measured afresh, agree within 0.1 cm.
        EXPECT_LT(std::fabs(FrontUnderarm(s) - BackUnderarm(s)), 0.1);
        EXPECT_LT(s.EqualisePasses, TBatWing::kMaxEqualisePasses);

        ScreenDC.RestoreSleeveOrigin();
        const QImage& back = report->List2()->Bitmap();
        EXPECT_GT(InkAt(back, Bezier3::Point(s.BackEnd, s.BackUnderarmCtrl1, s.BackUnderarmCtrl2, s.N2, 0.5f)), 0);
        if (!s.BackFolded) EXPECT_GT(InkAt(back, (d.P1 + s.H) * 0.5f), 0);
    });
}

// The armhole drop is at most half the height from the hip line to G3; the
// limited value replaces the input and is what the order keeps.
TEST_F(BatWingTest, TheArmholeDropIsLimitedAndKept) {
    for (int type : {7, 12}) {
        Batwing(type);
        ASSERT_TRUE(main->Model->calculated);
        const double R = DropLimit();
        const int row = Row("С.пр:");
        ASSERT_GT(row, 0);
        for (double drop : {3.0, R - 0.5, R + 2, 2 * R}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " drop " << drop);
            main->Meas(row)->setText(QString::number(drop, 'f', 2));
            messages.clear();
            main->CalcExecute();
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
            const float kept = main->Sleeve->ArmholeDrop;
            EXPECT_NEAR(kept, std::min(float(drop), float(R)), 1e-4);

            const std::string path = TempPath("batwing.mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path));
            main->CreateModel(0, -1, -1);
            ASSERT_TRUE(OpenOrderFrom(*main, path));
            ASSERT_TRUE(main->Model->calculated);
            EXPECT_EQ(main->SleeveKind, 11);
            EXPECT_EQ(main->Sleeve->ArmholeDrop, kept);
        }
    }
}

// On the fitted side a drop whose double passes the upper side arc puts M1
// on the waist-to-hip cubic (case 2); a small one keeps it on the arc.
TEST_F(BatWingTest, OnTheFittedSideTheMeetingMovesOntoTheCubic) {
    TBatWing& s = Batwing(8);
    ASSERT_TRUE(main->Model->calculated);
    const auto& w = dynamic_cast<const TDressOfWaist&>(Dress());
    const double arc = Bezier2::ArcLength(w.G2, w.FrontSideUpperCtrl, w.FrontSideWaist, 0, 1);
    for (double c : {0.2 * arc, 0.45 * arc, 0.7 * arc, 0.9 * DropLimit()}) {
        SCOPED_TRACE(c);
        s.ArmholeDrop = float(c);
        main->Model->Calculate();
        EXPECT_EQ(s.FrontCurveCase, 2 * c > arc ? 2 : 1);
        EXPECT_NEAR(AlongFittedSide(w, true, s.FrontCurveCase, s.FrontCurveT), 2 * c, 0.05);
        EXPECT_LT(std::fabs(FrontUnderarm(s) - BackUnderarm(s)), 0.1);
    }
}

// A sleeve end that would leave its sheet is drawn moved onto it: the
// moved front end lies at least 2 cm inside the front's sheet, the moved
// back end inside the back's; a short sleeve is not folded.
TEST_F(BatWingTest, ALongSleeveEndIsFoldedOntoItsSheet) {
    TBatWing& s = Batwing(9);
    ASSERT_TRUE(main->Model->calculated);
    const TDress& d = Dress();
    const double o = 84 - d.a1.x - 5;  // the front's offset on its sheet, without a collar
    bool folded = false, unfolded = false;
    for (float arm : {20.0f, 57.4f, 75.0f, 90.0f}) {
        SCOPED_TRACE(arm);
        s.ArmLength = arm;
        main->Model->Calculate();
        EXPECT_EQ(s.FrontFolded, std::min(s.H2.x, s.H3.x) + o - 2 < 0);
        if (s.FrontFolded) {
            folded = true;
            for (int i : {0, 1}) EXPECT_GE(s.FrontEndMoved[i].x + o, 2 - 1e-3);
            // The moved end keeps its shape: H2′–H3′ as long as H2–H3.
            EXPECT_NEAR(Dist(s.FrontEndMoved[0], s.FrontEndMoved[1]), Dist(s.H2, s.H3), 1e-3);
        } else {
            unfolded = true;
        }
        if (s.BackFolded) EXPECT_LE(std::max(s.BackEndMoved[0].x, s.BackEndMoved[1].x), 84 + d.B0.x - 7 + 1e-3);
    }
    EXPECT_TRUE(folded);
    EXPECT_TRUE(unfolded);
}

// The searches are bounded: a drop of 0 or below cannot be met along the
// side, and the calculation ends, either with its last parameters or as a
// degenerate draft, never with a value that is not a number.
TEST_F(BatWingTest, ADropThatCannotBeMetEndsTheSearches) {
    for (int type : {7, 8}) {
        TBatWing& s = Batwing(type);
        ASSERT_TRUE(main->Model->calculated);
        for (float drop : {0.0f, -3.0f}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " drop " << drop);
            s.ArmholeDrop = drop;
            try {
                main->Model->Calculate();
                for (const Vector& p : {s.M, s.FrontEnd, s.M2, s.FrontUnderarmCtrl1, s.BackUnderarmCtrl2, s.H1})
                    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            } catch (const EFloatError&) {
            }
        }
    }
}

// An old (format-0) order carries no armhole drop: opened with the batwing
// it drafts with the column's example drop of 5 cm.
TEST_F(BatWingTest, AnOldOrderDraftsWithTheExampleDrop) {
    for (int type : {7, 8}) {
        SCOPED_TRACE(type);
        const bool fitted = type == 8;
        const std::string path = TempPath("old_batwing.mdr");
        ASSERT_TRUE(WriteFormatZeroOrder(path, type, 11, 3.0f));
        main->CreateModel(0, -1, -1);
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        const auto& s = dynamic_cast<const TBatWing&>(*main->Sleeve);
        EXPECT_EQ(s.ArmholeDrop, 5.0f);
        // M one drop down the side from G2 (along the fitted side's arc,
        // found to 0.05 cm, whose chord is a little shorter).
        const double chord = Dist(Dress().G2, s.M);
        EXPECT_LE(chord, 5 + (fitted ? 0.05 : 1e-4));
        EXPECT_GT(chord, fitted ? 4.7 : 5 - 1e-4);
    }
}

// Printed at 1:1 the sheets carry the underarm lines' construction at its
// true length: M2–M on the front's pages and N2–N on the back's.
TEST_F(BatWingTest, PrintedTheUnderarmLinesMeasureTrue) {
    for (int type : {7, 14}) {
        SCOPED_TRACE(type);
        TBatWing& s = Batwing(type);
        ASSERT_TRUE(main->Model->calculated);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "batwing" + std::to_string(type)));
        auto has = [&](double mm) {
            for (const PdfSegment& g : segments)
                if (std::fabs(g.Length() - mm) < 0.1) return true;
            return false;
        };
        EXPECT_TRUE(has(Dist(s.M2, s.M) * 10));
        EXPECT_TRUE(has(Dist(s.N2, s.N) * 10));
    }
}
