// The two-seam sleeve (kind 2) on the women's bodices: both caps fitted to
// (n + 1)·A, the balance notch (0.5 + 0.41·n)·A from the cap top over the
// front, the notches written into the bodice's armhole, the front seam
// circles, the hem and the vents; in the main window with every bodice.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/bodice_women/Dress.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/set_in/TwoSeam.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/sleeves/set_in/EveryDress.h"
#include "tests/sleeves/set_in/SleeveFixture.h"
#include "tests/sleeves/set_in/SleeveWindowTest.h"

namespace {

using namespace SleeveCheck;

double Quad(const Vector& a, const Vector& b, const Vector& c) { return Bezier2::ArcLength(a, b, c, 0, 1); }

}  // namespace

// On every bodice, with and without interlining: both caps are (n + 1)·A
// as the curves measure; the front seam circles pass through their points;
// the under sleeve's notch lies (0.5 + 0.41·n)·A from the cap top over the
// front; the bodice's notches lie as far up its armhole from G2 as the
// notch from UnderFrontTop (front) and from P5 less 0.24·A·n (back).
TEST(TwoSeamDraft, TheCapsSeamsAndNotchesOnEveryBodice) {
    OnEveryGarment<TTwoSeam>([](TDress& d, const TTwoSeam& s) {
        const double a = d.ArmholeLength, n = d.CapEaseNorm;
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        const double front = Quad(s.O2, s.FrontUpperCtrl, s.Point1) + Quad(s.Point1, s.FrontLowerCtrl, s.P1) +
                             Bezier2::ArcLength(s.P1, s.FrontArcCtrl, s.FrontArcEnd, 0, s.FrontArcParam) +
                             Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3);
        const double back = Bezier3::ArcLength(s.BackSeamTop, s.BackCubicCtrl1, s.BackCubicCtrl2, s.P5, 0, 1,
                                               50) +
                            Quad(s.P5, s.BackLowerCtrl, s.Point2) + Quad(s.Point2, s.BackUpperCtrl, s.O2) +
                            Quad(s.P3, s.UnderBackCtrl, s.Point5);
        EXPECT_NEAR(front + back, (n + 1) * a, 0.1);
        EXPECT_NEAR(s.CapEase, 0.662 * a * n, 1e-5);

        // The circles: P9 and P91 at the radius from the upper centre.
        EXPECT_NEAR(Dist(s.FrontSeamCentre, s.P9), s.FrontSeamRadius, 0.01);
        EXPECT_NEAR(Dist(s.FrontSeamCentre, s.P91), s.FrontSeamRadius, 1e-3);
        EXPECT_NEAR(Dist(s.FrontSeamCentre, s.L31), s.FrontSeamRadius, 1e-3);
        EXPECT_NEAR(Dist(s.UnderFrontCentreLow, s.H3), s.FrontSeamRadiusLow, 1e-2);

        const double toP3 = Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3);
        const double dn = (0.5 + 0.41 * n) * a - front;
        const std::vector<CapArc> under = {CapArc::Quad(s.UnderFrontTop, s.UnderFrontCtrl, s.P3),
                                           CapArc::Quad(s.P3, s.UnderBackCtrl, s.Point5)};
        EXPECT_NEAR(LengthAlong(under, s.CapNotch.point).first, toP3 + dn, 0.11);

        const SleeveGarment g = WomenSleeveGarment(d);
        const std::vector<CapArc> frontArm = {
            CapArc::Quad(g.front[0].start, g.front[0].ctrl, g.front[0].end),
            CapArc::Quad(g.front[1].start, g.front[1].ctrl, g.front[1].end),
            CapArc::Quad(g.frontBeyond.start, g.frontBeyond.ctrl, g.frontBeyond.end)};
        EXPECT_NEAR(LengthAlong(frontArm, d.ArmholeNotches[0]).first, toP3 + dn, 0.11);
        const double fromP5 = Quad(s.P3, s.UnderBackCtrl, s.Point5) +
                              Bezier3::ArcLength(s.Point5, s.UnderBackCubicCtrl1, s.UnderBackCubicCtrl2, s.P5,
                                                 0, s.BackCubicParam, 50);
        const std::vector<CapArc> backArm = {
            CapArc::Quad(g.back[0].start, g.back[0].ctrl, g.back[0].end),
            CapArc::Quad(g.back[1].start, g.back[1].ctrl, g.back[1].end),
            CapArc::Quad(g.backBeyond.start, g.backBeyond.ctrl, g.backBeyond.end)};
        EXPECT_NEAR(LengthAlong(backArm, d.ArmholeNotches[4]).first, fromP5 - 0.24 * a * n - dn, 0.11);

        // The hem: H2 half the wrist from H; the flaps 10 by 3 cm.
        EXPECT_NEAR(Dist(s.H, s.H2), s.WristWidth / 2, 1e-3);
        EXPECT_NEAR(Dist(s.H2, s.TopFlap.end), 10, 1e-3);
        EXPECT_NEAR(Dist(s.H2, s.UnderFlap.corner), 3, 1e-3);
        EXPECT_EQ(s.BoxTop, 0.0f);
        EXPECT_EQ(s.BoxRight, s.H4.x);
        EXPECT_TRUE(std::isfinite(s.BoxLeft) && std::isfinite(s.BoxBottom));
    });
}

// The hem and elbow include the shoulder pad; a wrist narrower than
// 4·|H H3| is widened to it.
TEST(TwoSeamDraft, PadAndWrist) {
    struct Case {
        float pad, wrist, wristEase;
    } cases[] = {{0.5f, 15.9f, 5}, {2.0f, 15.9f, 5}, {0.5f, 1.0f, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pad " << c.pad << " wrist " << c.wrist);
        SleeveMeasures m = kSleeveSamples;
        m.pad = c.pad;
        m.wrist = c.wrist;
        m.wristEase = c.wristEase;
        TTestDress d;
        TTwoSeam s;
        DraftSleeve(s, d, m);
        EXPECT_NEAR(s.H.y, -(57.4 + c.pad + s.CapEase), 1e-4);
        EXPECT_NEAR(s.L.y, -(0.58 * 57.4 + c.pad + s.CapEase), 1e-4);
        const double wr = c.wrist + c.wristEase;
        const double least = 4 * Dist(s.H, s.H3);
        EXPECT_NEAR(s.WristWidth, std::max(wr, least), 1e-3);
        EXPECT_NEAR(Dist(s.H, s.H2), s.WristWidth / 2, 1e-3);
    }
}

TEST(TwoSeamDraft, ATooWideSleeveFailsAsTheCap) {
    TTestDress d;
    TTwoSeam s;
    DraftSleeve(s, d);
    s.UpperArmGirth = 80;
    EXPECT_THROW(s.Draft(WomenSleeveGarment(d)), int);
}

namespace {

class TwoSeamWindowTest : public SleeveWindowTest {
protected:
    TTwoSeam& Calculate(int type) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, 1, 2)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<TTwoSeam&>(*main->Sleeve);
    }
};

}  // namespace

// Every bodice drafts and draws the sleeve; saved and reopened the same;
// printed at true scale; too wide, the cap's message.
TEST_F(TwoSeamWindowTest, EveryBodiceDraftsDrawsKeepsAndPrintsIt) {
    for (int type = 7; type <= 14; ++type) {
        SCOPED_TRACE(type);
        TTwoSeam& s = Calculate(type);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Двухшовный");
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        ScreenDC.RestoreSleeveOrigin();
        const QImage& sheet = report->List2()->Bitmap();
        const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
        const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
        EXPECT_GT(DarkPixels(sheet, QRect(left, top, right - left + 1, bottom - top + 1)), 500);
    }
    TTwoSeam& s = Calculate(12);
    const float cap = s.CapLength, left = s.BoxLeft;
    const std::string path = TempPath("twoseam12.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->CreateModel(0, -1, -1);
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(main->Model->calculated);
    const auto& opened = dynamic_cast<const TTwoSeam&>(*main->Sleeve);
    EXPECT_EQ(opened.CapLength, cap);
    EXPECT_EQ(opened.BoxLeft, left);

    const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "twoseam_women"));
    EXPECT_TRUE(HasSegment(segments, -opened.H.y * 10));  // hem to cap top

    const int upperArm = Row("Оп.в:");
    ASSERT_GT(upperArm, 0);
    ExpectTheCapsFailure(upperArm, "90");
}
