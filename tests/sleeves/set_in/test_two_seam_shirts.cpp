// The two-seam sleeve (kind 2) on the men's shirts and jackets: the notches
// and the shoulder mark it writes into the bodice's notch block, the yoke
// raised to its back notch, and the garments through the windows (drafted,
// drawn on both sheets, kept in the order file, printed).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>
#include <vector>

#include "garments/shirts_men/MenShirts.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/set_in/TwoSeam.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"
#include "tests/sleeves/set_in/SleeveWindowTest.h"

namespace {

using namespace SleeveCheck;

double Quad(const Vector& a, const Vector& b, const Vector& c) { return Bezier2::ArcLength(a, b, c, 0, 1); }

// A notch as the bodice keeps it: the stem 0.6 cm from the point to the
// foot, the 0.4 cm bar about the foot and across the stem.
void ExpectNotch(const Vector& point, const Vector& bar1, const Vector& foot, const Vector& bar2) {
    EXPECT_NEAR(Dist(point, foot), 0.6, 1e-4);
    EXPECT_NEAR(Dist(bar1, bar2), 0.4, 1e-4);
    EXPECT_NEAR(Dist((bar1 + bar2) * 0.5f, foot), 0, 1e-4);
    EXPECT_NEAR(Vector::Dot(bar2 - bar1, foot - point), 0, 1e-4);
}

}  // namespace

// On the shirt and the jacket: the front notch lies as far up the front
// armhole from G2 as the under sleeve's notch from UnderFrontTop, the back
// one as far up the back as that notch lies from P5 over "5", less 0.24·A·n;
// the shoulder mark stands 0.6 cm off "4" across P6 → P10.  The draft's own
// marks (kinds 1, 3, 4) are not what the block holds.
TEST(ShirtTwoSeamNotches, TheBodiceKeepsTheSleevesNotchesAndShoulderMark) {
    for (MenDressKind kind : kMenKinds) {
        SCOPED_TRACE(int(kind));
        TTestMenDress d;
        TTwoSeam s;
        DraftOnShirt(s, d, 2, kSleeveSamples, kind);
        const double a = d.ArmholeLength, n = d.CapEaseNorm;
        const double dn = (0.5 + 0.41 * n) * a - s.FrontCapLength;
        const double toP3 = Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3);
        const double fromP5 = Quad(s.P3, s.UnderBackCtrl, s.Point5) +
                              Bezier3::ArcLength(s.Point5, s.UnderBackCubicCtrl1, s.UnderBackCubicCtrl2, s.P5, 0,
                                                 s.BackCubicParam, 50);

        const SleeveGarment sg = MenShirtSleeveGarment(d);
        EXPECT_NEAR(AlongArmhole(sg.front, sg.frontBeyond, d.FrontSleeveNotch), toP3 + dn, 0.11);
        EXPECT_NEAR(AlongArmhole(sg.back, sg.backBeyond, d.BackSleeveNotch[0]), fromP5 - 0.24 * a * n - dn, 0.11);
        ExpectNotch(d.FrontSleeveNotch, d.BackNotchMark[0], d.BackNotchMark[1], d.BackNotchMark[2]);
        ExpectNotch(d.BackSleeveNotch[0], d.BackSleeveNotch[1], d.BackSleeveNotch[2], d.BackSleeveNotch[3]);
        EXPECT_GT(Dist(d.BackNotchMark[1], Vector(d.P31.x - 0.6f, d.P31.y)), 0.01);

        // The shoulder mark: the point 0.6 cm off "4" square to P6 → P10,
        // its bar ends 0.2 cm either side along it.
        const Vector e = Vector::UnitBetween(d.P6, d.P10);
        EXPECT_NEAR(Dist(d.FrontNotchMark[0], d.Point4), 0.6, 1e-4);
        EXPECT_NEAR(Vector::Dot(d.FrontNotchMark[0] - d.Point4, e), 0, 1e-4);
        EXPECT_NEAR(Dist(d.FrontNotchMark[1], d.FrontNotchMark[0] - e * 0.2f), 0, 1e-4);
        EXPECT_NEAR(Dist(d.FrontNotchMark[2], d.FrontNotchMark[0] + e * 0.2f), 0, 1e-4);
    }
}

// The back correction.  A yoke whose lower seam meets the back armhole (K2)
// below the sleeve's back notch is raised, keeping its drop YokeArc from U to
// the back line, until that seam runs through the notch; a yoke already at
// or above the notch, and a back without a yoke, keep their points.
TEST(ShirtTwoSeamNotches, TheYokeIsRaisedToTheBackNotch) {
    // A yoke as low as it may come has K2 at P31; a greater cap-ease norm
    // takes the back notch above it.
    struct Case {
        float yoke;         // Шк
        float capEaseNorm;  // Н
        bool raised;        // the yoke's lower seam met the armhole below the notch
    };
    for (const Case c : {Case{3.9f, 0.08f, false}, Case{6.0f, 0.08f, false}, Case{30.0f, 0.04f, false},
                         Case{30.0f, 0.08f, true}}) {
        SCOPED_TRACE(testing::Message() << "Шк " << c.yoke << " Н " << c.capEaseNorm);
        ShirtMeasures body = kShirtSamples;
        body.Shk = c.yoke;
        SleeveMeasures m = kSleeveSamples;
        m.capEaseNorm = c.capEaseNorm;
        m.upperArm = 26;
        TTestMenDress d;
        TTwoSeam s;
        Put(s, m);
        d.CapEaseNorm = m.capEaseNorm;
        BodiceChoice choice;
        choice.sleeve = &s;
        choice.sleeveKind = 2;
        DraftMenDress(d, body, MenDressKind::Shirt, choice);
        const Vector u = d.U, k = d.K, k1 = d.K1, k2 = d.K2, dart = d.YokeDartEnd, end = d.YokeBackEnd;
        const float width = d.YokeWidth, arc = d.YokeArc;
        s.Draft(MenShirtSleeveGarment(d));
        const Vector notch = d.BackSleeveNotch[0];
        EXPECT_EQ(d.HasYoke && k2.y < notch.y, c.raised);
        EXPECT_EQ(d.YokeArc, arc);  // the armhole the cap was fitted to stays
        if (!c.raised) {
            const Vector now[] = {d.U, d.K, d.K1, d.K2, d.YokeDartEnd, d.YokeBackEnd};
            const Vector was[] = {u, k, k1, k2, dart, end};
            for (int i = 0; i < 6; ++i) EXPECT_EQ(now[i], was[i]) << i;
            EXPECT_EQ(d.YokeWidth, width);
            continue;
        }
        // Raised: only heights move; the lower seam passes through the
        // notch, which is where it now meets the armhole.
        EXPECT_GT(d.U.y, u.y);
        EXPECT_EQ(d.U.x, u.x);
        EXPECT_EQ(d.YokeDartEnd.x, dart.x);
        for (const Vector& p : {d.K, d.YokeBackEnd, d.YokeCtrl}) EXPECT_EQ(p.y, d.U.y);
        EXPECT_NEAR(d.U.y - d.YokeDartEnd.y, arc, 1e-4);
        EXPECT_NEAR(d.YokeWidth, d.A01.y - d.K.y, 1e-5);
        EXPECT_NEAR(Dist(d.K2, notch), 0, 0.01);
        EXPECT_NEAR(d.K1.y, d.U.y, 0.01);
        const Vector onArc1 = Bezier2::Point(d.P, d.BackArmholeCtrl, d.P31, d.YokeParam1);
        const Vector onArc2 = Bezier2::Point(d.P, d.BackArmholeCtrl, d.P31, d.YokeParam2);
        EXPECT_NEAR(Dist(onArc1, d.K1), 0, 1e-3);
        EXPECT_NEAR(Dist(onArc2, d.K2), 0, 1e-3);
    }
}

namespace {

class ShirtTwoSeamWindowTest : public SleeveWindowTest {
protected:
    TTwoSeam& Calculate(int type, int collar = 1) { return CalculateWith<TTwoSeam>(type, collar, 2); }
    TMenDress& Bodice() const { return dynamic_cast<TMenDress&>(*main->Model); }
};

}  // namespace

// Every shirt and jacket drafts the sleeve on the road and draws it on the
// sleeve sheet, and its outline draws the notches the sleeve wrote.
TEST_F(ShirtTwoSeamWindowTest, EveryShirtAndJacketDraftsAndDrawsIt) {
    for (int type = 22; type <= 25; ++type) {
        SCOPED_TRACE(type);
        TTwoSeam& s = Calculate(type);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Двухшовный");
        EXPECT_EQ(s.Family, SleeveGarment::Family::MenShirt);
        const TMenDress& d = Bodice();
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        EXPECT_NEAR(s.CapLength, (1 + double(d.CapEaseNorm)) * d.ArmholeLength, 0.1);

        ScreenDC.RestoreSleeveOrigin();
        const QImage& sleeveSheet = report->List2()->Bitmap();
        const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
        const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
        EXPECT_GT(DarkPixels(sleeveSheet, QRect(left, top, right - left + 1, bottom - top + 1)), 500);

        // The stems of the three marks on the bodice's sheet, halfway into
        // the piece: the notches on the armhole, the mark at "4".
        const SleeveGarment sg = MenShirtSleeveGarment(Bodice());
        AlongArmhole(sg.front, sg.frontBeyond, d.FrontSleeveNotch);
        AlongArmhole(sg.back, sg.backBeyond, d.BackSleeveNotch[0]);
        EXPECT_NEAR(Dist(d.FrontNotchMark[0], d.Point4), 0.6, 1e-4);
        ScreenDC.RestoreCollarOrigin();
        const QImage& bodiceSheet = report->List1()->Bitmap();
        const std::pair<Vector, Vector> stems[] = {{d.FrontSleeveNotch, d.BackNotchMark[1]},
                                                   {d.BackSleeveNotch[0], d.BackSleeveNotch[2]},
                                                   {d.Point4, d.FrontNotchMark[0]}};
        for (const auto& [point, foot] : stems) {
            const Vector mid = (point + foot) * 0.5f;
            EXPECT_GT(DarkPixels(bodiceSheet, QRect(ScreenDC.PixelX(mid.x) - 1, ScreenDC.PixelY(mid.y) - 1, 3, 3)),
                      0);
        }
    }
}

// Saved and reopened, the order drafts the same sleeve and the same notches;
// printed at 1:1, the pages carry the hem-to-cap-top line at true length;
// too wide, the cap's message.
TEST_F(ShirtTwoSeamWindowTest, KeptPrintedAndTooWide) {
    TTwoSeam& s = Calculate(25, 4);
    ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
    const float cap = s.CapLength, left = s.BoxLeft;
    const Vector front = Bodice().FrontSleeveNotch, back = Bodice().BackSleeveNotch[0], k2 = Bodice().K2;
    const std::string path = TempPath("twoseam_shirt25.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->CreateModel(0, -1, -1);
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(main->Model->calculated);
    EXPECT_EQ(main->SleeveKind, 2);
    const auto& opened = dynamic_cast<const TTwoSeam&>(*main->Sleeve);
    EXPECT_EQ(opened.CapLength, cap);
    EXPECT_EQ(opened.BoxLeft, left);
    EXPECT_EQ(Bodice().FrontSleeveNotch, front);
    EXPECT_EQ(Bodice().BackSleeveNotch[0], back);
    EXPECT_EQ(Bodice().K2, k2);

    const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "twoseam_shirt"));
    EXPECT_TRUE(HasSegment(segments, -opened.H.y * 10));  // hem to cap top
    EXPECT_TRUE(HasSegment(segments, Geom::Distance(opened.L31, opened.H4) * 10));

    const int upperArm = Row("Оп.в:");
    ASSERT_GT(upperArm, 0);
    ExpectTheCapsFailure(upperArm, "90");
}
