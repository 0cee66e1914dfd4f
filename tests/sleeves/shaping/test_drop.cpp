// The dropped-shoulder sleeves with the program's own dresses, jackets and
// coats: the bodice's shoulders carried on and dropped into the sleeve top,
// the sleeve piece's underarm seams fitted to the bodice's armhole, the
// notches, the straight sleeve's hem and the darted sleeve's dart, drawn on
// the sleeve's sheet, kept in the order file, failing with the width's
// message, printed at true scale.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/shaping/Drop.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/shaping/ShapingFixture.h"

namespace {

using namespace ShapingCheck;

class DropTest : public ShapingSleeveTest {
protected:
    TDropStright& Straight(int type) { return CalculateWith<TDropStright>(type, 0, 9); }
    TDropWDart& Darted(int type) { return CalculateWith<TDropWDart>(type, 0, 10); }
};

double CubicLength(const Vector& a, const Vector& b, const Vector& c, const Vector& d, double t = 1) {
    return Bezier3::ArcLength(a, b, c, d, 0, t, 40);
}

// What both kinds build alike: the bodice's new shoulder points, the cap
// frames, and the underarm seams from Z and Z1 down to backLow and
// frontLow fitted to the bodice's lengths with their notches.
void ExpectTheTopAndSeams(const TDrop& s, const TDress& d, const Vector& backLow, const Vector& frontLow) {
    const double W = s.ArmWidth, h = d.InterliningEase;
    EXPECT_NEAR(W, s.UpperArmGirth + s.UpperArmEase + 3 * h, 1e-4);
    // P13 and P12 1 cm beyond the shoulder's ends, P12 on the line from Q3.
    EXPECT_NEAR(Dist(d.P11, d.P13), 1, 1e-4);
    EXPECT_NEAR(Dist(d.P1, d.P12), 1, 1e-4);
    EXPECT_LT(OffLine(d.Q3, d.P1, d.P12), 1e-3);
    // The drop corners equally far from P13 and P12, at most 2.5 cm; C as
    // far from P12 as C1 from P13.
    const double k = Dist(d.P13, d.DropFrontEnd);
    EXPECT_LE(k, 2.5 + 1e-4);
    EXPECT_GE(k, 2.2 - 1e-4);
    EXPECT_NEAR(Dist(d.P12, d.DropBackEnd), k, 1e-4);
    EXPECT_NEAR(Dist(d.P12, d.C), s.TopLength, 1e-4);
    EXPECT_NEAR(Dist(d.P13, d.C1), s.TopLength, 1e-4);
    EXPECT_FLOAT_EQ(d.RaglanP3.x, d.a.x);
    EXPECT_FLOAT_EQ(d.RaglanP3.y, d.Y.y);
    // Q on the back armhole arc its side names, the notch 0.6 cm into the
    // bodice with a 0.4 cm bar.
    const Vector q = d.RaglanSide == 1 ? Bezier2::Point(d.P3, d.BackArmCtrl2, d.BackArmMid, d.RaglanBackParam)
                                       : Bezier2::Point(d.BackArmMid, d.BackArmCtrl3, d.G2, d.RaglanBackParam);
    EXPECT_LT(Dist(q, d.Q), 1e-3);
    EXPECT_NEAR(Dist(d.Q, d.DropNotch), 0.6, 1e-4);
    EXPECT_NEAR(Dist(d.DropTick[0], d.DropTick[1]), 0.4, 1e-4);
    // Both cap tops at the origin of the sleeve sheet.
    EXPECT_EQ(s.BackTop, Vector(0, 0));
    EXPECT_EQ(s.FrontTop, Vector(0, 0));
    EXPECT_EQ(s.BoxTop, 0.0f);
    // The seams match the bodice's lengths within 0.1 cm.
    EXPECT_LT(std::fabs(CubicLength(backLow, s.BackSeamCtrl1, s.BackSeamCtrl2, s.BackCapCross) - s.BackSeam), 0.1);
    EXPECT_LT(std::fabs(CubicLength(s.FrontCapCross, s.FrontSeamCtrl1, s.FrontSeamCtrl2, frontLow) - s.FrontSeam), 0.1);
    EXPECT_LT(s.FitPasses, TDrop::kMaxFitPasses);
    // After a pass of the fitting every upper-arm point shares one height.
    if (s.FitPasses > 0)
        for (const Vector& p : {s.BackUnderarm, s.BackCapPoint, s.BackMid, s.FrontMid, s.FrontCapPoint})
            EXPECT_EQ(p.y, s.FrontUnderarm.y);
    // The back seam's length from the top is the bodice's from its notch.
    const double backArmhole = s.BackSeam - s.BackCapArc;
    EXPECT_GT(backArmhole, 0);
    EXPECT_NEAR(Dist(s.BackNotch, s.BackNotchIn), 0.6, 1e-4);
    EXPECT_NEAR(Dist(s.FrontNotchEnd1, s.FrontNotchEnd2), 0.4, 1e-4);
    auto lengthTo = [](const Vector& a, const Vector& b, const Vector& c, const Vector& e, const Vector& p) {
        // The length along the seam down to its point nearest p.
        double best = 1e9, at = 0;
        for (int i = 0; i <= 2000; ++i) {
            const float t = float(i) / 2000;
            const double dd = Dist(Bezier3::Point(a, b, c, e, t), p);
            if (dd < best) best = dd, at = t;
        }
        EXPECT_LT(best, 0.01);
        return CubicLength(a, b, c, e, at);
    };
    EXPECT_NEAR(lengthTo(s.BackCapCross, s.BackSeamCtrl2, s.BackSeamCtrl1, backLow, s.BackNotch), s.BackCapArc, 0.11);
    EXPECT_NEAR(lengthTo(s.FrontCapCross, s.FrontSeamCtrl1, s.FrontSeamCtrl2, frontLow, s.FrontNotch), s.FrontCapArc,
                0.11);
}

}  // namespace

// Every type of the family: the straight sleeve names itself, reshapes the
// bodice, fits its seams, builds its hem and is drawn on the sleeve sheet.
TEST_F(DropTest, StraightSleeveOnEveryBodice) {
    OnEveryBodice<TDropStright>(9, {0, 1}, [&](TDropStright& s, const TDress& d) {
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Спущенный прямой");
        ExpectTheTopAndSeams(s, d, s.BackSeamLow, s.FrontSeamLow);
        const double yh = s.TopLength - s.ArmLength - s.ShoulderPad - d.InterliningEase;
        EXPECT_NEAR(s.HemMid.y, yh, 1e-3);
        EXPECT_NEAR(Dist(s.HemBack, s.HemFront), s.WristWidth, 1e-3);
        EXPECT_NEAR(s.HemFront.x, (s.BackUnderarm.x + s.FrontUnderarm.x + s.WristWidth) / 2, 1e-3);
        // P31 straight below O2 on the circle whose diameter is P–H1.
        EXPECT_NEAR(Dist(s.FrontSeamMid, s.FrontSeamLow), s.FrontSeamRadius, 1e-3);
        EXPECT_NEAR(s.FrontSeamLow.x, s.FrontUnderarm.x, 1e-4);
        EXPECT_LT(s.FrontSeamLow.y, s.FrontUnderarm.y);
        EXPECT_FLOAT_EQ(s.BackSeamLow.x, s.BackUnderarm.x);
        EXPECT_FLOAT_EQ(s.BackSeamLow.y, s.FrontSeamLow.y);
        // The hem dips at the back and rises at the front by a sixth.
        EXPECT_NEAR(s.HemBackCtrl.y, yh - (s.HemMid.x - s.HemBackMid.x) / 6, 1e-3);
        EXPECT_NEAR(s.HemFrontCtrl.y, yh + (s.HemFrontMid.x - s.HemMid.x) / 6, 1e-3);
        // The lower seams reach down the upper arm's height to the hem.
        EXPECT_NEAR(Dist(s.FrontSeamLow, s.HemFrontLow), s.FrontCapPoint.y - yh, 1e-3);
        EXPECT_LT(OffLine(s.FrontSeamLow, s.HemFront, s.HemFrontLow), 1e-3);
        EXPECT_LE(s.BoxLeft, s.BackSeamLow.x);
        EXPECT_GE(s.BoxRight, s.FrontSeamLow.x);
        // The sleeve's sheet: the seams and the hem drawn.
        ScreenDC.RestoreSleeveOrigin();
        const QImage& sheet = report->List2()->Bitmap();
        EXPECT_GT(InkAt(sheet, Bezier3::Point(s.FrontCapCross, s.FrontSeamCtrl1, s.FrontSeamCtrl2, s.FrontSeamLow, 0.5f)), 0);
        EXPECT_GT(InkAt(sheet, s.HemMid), 0);
        EXPECT_GT(InkAt(sheet, s.BackCapCross), 0);
    });
}

// Every type with the darted sleeve: seams ending at the upper arm, the
// elbow line, the hem of the wrist width and the dart's point bisecting the
// back seam's corner.
TEST_F(DropTest, DartedSleeveOnEveryBodice) {
    OnEveryBodice<TDropWDart>(10, {0, 1}, [&](TDropWDart& s, const TDress& d) {
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Спущенный с вытачкой");
        ExpectTheTopAndSeams(s, d, s.BackUnderarm, s.FrontUnderarm);
        const double W = s.ArmWidth, w = s.WristWidth;
        EXPECT_NEAR(Dist(s.ElbowBack, s.ElbowFront), 0.9 * W, 1e-3);
        EXPECT_NEAR(s.FrontUnderarm.x - s.ElbowFront.x, 0.035 * W, 1e-3);
        EXPECT_NEAR(Dist(s.HemBack, s.HemCentre), w / 2, 1e-3);
        // The line from Lp touches the wrist's circle about H at H2.
        EXPECT_NEAR(Dot(s.DartTip, s.HemBack, s.HemBack, s.HemCentre), 0, 1e-2);
        EXPECT_LE(w, s.WristGirth + s.WristEase + 3 * d.InterliningEase + 1e-4);
        EXPECT_LT(s.WristPasses, TDropWDart::kMaxWristPasses);
        EXPECT_LT(s.DartPasses, TDropWDart::kMaxDartPasses);
        const Vector up = Vector::UnitBetween(s.DartPoint, s.BackUnderarm);
        EXPECT_LT(OffLine(s.BackUnderarm, s.ElbowBack, s.DartPoint), 1e-3);
        if (!s.HemShortened) {
            const Vector down = Vector::UnitBetween(s.DartPoint, s.HemBackEnd);
            EXPECT_LT(std::fabs(Vector::Dot(up - down, s.DartTip - s.DartPoint)), 0.05);
            // The hem from H3 over H to H0, on to H2 and H4 is w long.
            EXPECT_NEAR(Bezier2::ArcLength(s.HemFront, s.HemCentre, s.HemMid, 0, 1) + Dist(s.HemMid, s.HemBack) +
                            Dist(s.HemBack, s.HemBackEnd),
                        w, 1e-3);
        }
        if (!s.DartDrawn) EXPECT_LT(Dist(s.HemBackEnd, s.HemSeamCross), 0.1);
        ScreenDC.RestoreSleeveOrigin();
        const QImage& sheet = report->List2()->Bitmap();
        EXPECT_GT(InkAt(sheet, (s.ElbowBack + s.ElbowFront) * 0.5f), 0);
        EXPECT_GT(InkAt(sheet, s.HemCentre), 0);
    });
}

// The darted sleeve over a table of arm lengths and wrists: a hem that fits
// keeps its wrist and draws the dart, one that passes the back seam line
// narrows the wrist until its corner meets the line; a long hem back part
// takes a share of the dart's length.
TEST_F(DropTest, TheDartTheNarrowedWristAndTheShortenedHem) {
    TDropWDart& s = Darted(7);
    ASSERT_TRUE(main->Model->calculated);
    bool drawn = false, narrowed = false, shortened = false;
    for (float arm : {45.0f, 57.4f, 66.0f})
        for (float wrist : {12.0f, 15.9f, 22.0f, 30.0f, 40.0f}) {
            SCOPED_TRACE(testing::Message() << "arm " << arm << " wrist " << wrist);
            s.ArmLength = arm;
            s.WristGirth = wrist;
            try {
                main->Model->Calculate();
            } catch (int) {
                continue;  // a wrist wider than the lower sleeve allows
            }
            const double w0 = s.WristGirth + s.WristEase + 3 * s.Interlining;
            if (s.DartDrawn) {
                drawn = true;
                EXPECT_FLOAT_EQ(s.WristWidth, float(w0));
                EXPECT_EQ(s.WristPasses, 0);
            } else {
                narrowed = true;
                EXPECT_LE(s.WristWidth, w0);
                // (A shortened hem moves H4 back off the line afterwards.)
                if (!s.HemShortened) EXPECT_LT(Dist(s.HemBackEnd, s.HemSeamCross), 0.1);
            }
            const double x = Dist(s.BackUnderarm, s.DartPoint) + Dist(s.DartPoint, s.HemBackEnd);
            if (s.HemShortened) {
                shortened = true;
                // The dart opens by only a share of the excess.
                EXPECT_LT(OffLine(s.DartPoint, s.HemBackEnd, s.DartLower), 1e-3);
            }
            EXPECT_NEAR(Dist(s.DartPoint, s.DartUpper), Dist(s.DartPoint, s.DartLower), 1e-3);
            EXPECT_TRUE(std::isfinite(x));
        }
    EXPECT_TRUE(drawn);
    EXPECT_TRUE(narrowed);
    EXPECT_TRUE(shortened);
}

// The straight sleeve over a table of arm lengths: a seam below the upper
// arm longer than the height down to the hem is shortened (H11 above H1),
// otherwise lengthened.
TEST_F(DropTest, TheStraightSleevesLowerSeams) {
    TDropStright& s = Straight(8);
    ASSERT_TRUE(main->Model->calculated);
    bool above = false, below = false;
    const struct {
        float arm, wrist;
    } cases[] = {{57.4f, 15.9f}, {70.0f, 20.0f}, {20.0f, 40.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "arm " << c.arm << " wrist " << c.wrist);
        s.ArmLength = c.arm;
        s.WristGirth = c.wrist;
        main->Model->Calculate();
        const double height = s.FrontCapPoint.y - s.HemMid.y, seam = Dist(s.FrontSeamLow, s.HemFront);
        (seam > height ? above : below) = true;
        EXPECT_EQ(s.HemFrontLow.y > s.HemFront.y, seam > height);
        EXPECT_NEAR(Dist(s.FrontSeamLow, s.HemFrontLow), height, 1e-3);
    }
    EXPECT_TRUE(above);
    EXPECT_TRUE(below);
}

// A sleeve too wide for the bodice stops the calculation with the width's
// message before the bodice's drop points are written; at a sound width it
// drafts again.
TEST_F(DropTest, ATooWideSleeveStopsWithTheWidthsMessage) {
    for (int kind : {9, 10})
        for (int type : {7, 14}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " type " << type);
            CalculateWith<TDrop>(type, 0, kind);
            // The bodice's drop points stay as the sound draft left them.
            const Vector c = Dress().C, q = Dress().Q;
            ExpectTooWideFails([&] {
                EXPECT_EQ(Dress().C, c);
                EXPECT_EQ(Dress().Q, q);
            });
        }
}

// A wide sleeve on a shallow cap: the seams' miss stops closing (about a
// millimetre short of the tolerance) and then grows pass by pass until the
// floats overflow, on every run of the road.  The calculation stops with
// the width's message, as for a sleeve too wide to be built, not with the
// road's "check the measurements" of a fault; a bust a centimetre narrower
// still drafts, its seams fitted.
TEST_F(DropTest, SeamsThatCannotBeFittedStopWithTheWidthsMessage) {
    struct Case {
        int type;
        const char* failing;  // Шг that cannot be fitted
        const char* fitting;  // Шг, a centimetre less
    } cases[] = {{7, "23", "22"}, {8, "22", "21"}, {9, "24", "23"}, {10, "24", "23"}};
    for (int kind : {9, 10})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " type " << c.type);
            CalculateWith<TDrop>(c.type, 0, kind);
            const int bust = Row("Шг:");
            ASSERT_GT(bust, 0);
            ExpectTheCapsFailure(bust, c.failing);

            main->Meas(bust)->setText(c.fitting);
            messages.clear();
            main->CalcExecute();
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
            EXPECT_TRUE(messages.empty());
            if (kind == 9) {
                const auto& s = dynamic_cast<TDropStright&>(*main->Sleeve);
                ExpectTheTopAndSeams(s, Dress(), s.BackSeamLow, s.FrontSeamLow);
            } else {
                const auto& s = dynamic_cast<TDropWDart&>(*main->Sleeve);
                ExpectTheTopAndSeams(s, Dress(), s.BackUnderarm, s.FrontUnderarm);
            }
        }
}

// Saved and reopened, each sleeve drafts the same.
TEST_F(DropTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (int kind : {9, 10})
        for (int type : {9, 12}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " type " << type);
            TDrop& s = CalculateWith<TDrop>(type, 0, kind);
            ASSERT_TRUE(main->Model->calculated);
            const Vector o = s.BackUnderarm, notch = s.FrontNotch, c = Dress().C;
            const std::string path = TempPath("drop" + std::to_string(kind) + ".mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path));
            main->CreateModel(0, -1, -1);
            ASSERT_TRUE(OpenOrderFrom(*main, path));
            ASSERT_TRUE(main->Model->calculated);
            EXPECT_EQ(main->SleeveKind, kind);
            const auto& opened = dynamic_cast<const TDrop&>(*main->Sleeve);
            EXPECT_EQ(opened.BackUnderarm, o);
            EXPECT_EQ(opened.FrontNotch, notch);
            EXPECT_EQ(Dress().C, c);
        }
}

// Printed at 1:1 the sleeve's sheet carries its straight lines at their
// true length: the upper-arm line of the straight sleeve, the elbow line
// of the darted one.
TEST_F(DropTest, PrintedTheSleeveMeasuresTrue) {
    for (int kind : {9, 10}) {
        SCOPED_TRACE(kind);
        TDrop& s = CalculateWith<TDrop>(10, 0, kind);
        ASSERT_TRUE(main->Model->calculated);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "drop" + std::to_string(kind)));
        auto has = [&](double mm) {
            for (const PdfSegment& g : segments)
                if (std::fabs(g.Length() - mm) < 0.1) return true;
            return false;
        };
        if (kind == 9) {
            EXPECT_TRUE(has(Dist(s.BackUnderarm, s.BackMid) * 10));
            EXPECT_TRUE(has(Dist(s.BackMid, s.FrontUnderarm) * 10));
        } else {
            const auto& dart = dynamic_cast<const TDropWDart&>(s);
            EXPECT_TRUE(has(Dist(dart.ElbowBack, dart.ElbowFront) * 10));
        }
        // The bodice's dropped shoulder on the first sheet.
        EXPECT_TRUE(has(Dist(Dress().DropBackEnd, Dress().C) * 10));
    }
}
