// The men's set-in sleeves in the main window: the one-seam sleeve (kind 13)
// with the six coats, the two-seam sleeve (kind 12) with the coats and the
// blazers; each fitted on the road to the garment's own armhole, drawn on
// the sleeve sheet, kept in the order file, failing with the cap's message,
// printed at true scale.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/coats_men/MenPattern.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/set_in/OneSeam.h"
#include "sleeves/set_in/TwoSeam.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveWindowTest.h"

namespace {

struct Offer {
    int type, kind;
};
// Every garment with every men's set-in sleeve it offers.
const Offer kOffers[] = {{28, 12}, {29, 12}, {30, 12}, {31, 12}, {32, 12}, {33, 12}, {34, 12}, {35, 12},
                         {28, 13}, {29, 13}, {30, 13}, {31, 13}, {32, 13}, {33, 13}};

class MenSleevesWindowTest : public SleeveWindowTest {
protected:
    void Calculate(int type, int kind) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, 0, kind)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
    }
    TMenPattern& Coat() const { return dynamic_cast<TMenPattern&>(*main->Model); }
    // What the fitted cap misses, whichever the kind.
    float CapMismatch() const {
        if (auto* one = dynamic_cast<const TOneSeam*>(main->Sleeve)) return one->CapMismatch;
        return dynamic_cast<const TTwoSeam&>(*main->Sleeve).CapMismatch;
    }
    float CapLength() const {
        if (auto* one = dynamic_cast<const TOneSeam*>(main->Sleeve)) return one->CapLength;
        return dynamic_cast<const TTwoSeam&>(*main->Sleeve).CapLength;
    }
};

}  // namespace

// Each offered pair drafts: the sleeve names itself, its cap is (n + 1)·A
// of the garment's armhole within 0.1 cm, and it lies drawn on the sleeve
// sheet within its box about the sleeve origin.
TEST_F(MenSleevesWindowTest, EveryOfferedPairDraftsAndDraws) {
    for (const Offer& o : kOffers) {
        SCOPED_TRACE(testing::Message() << "type " << o.type << " kind " << o.kind);
        Calculate(o.type, o.kind);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        EXPECT_EQ(main->SleeveType->text().toStdString(), o.kind == 12 ? " Двухшовный" : " Одношовный");
        const TMenPattern& g = Coat();
        EXPECT_LT(std::fabs(CapMismatch()), 0.1);
        EXPECT_NEAR(CapLength(), (1 + double(g.CapEaseNorm)) * g.ArmholeLength, 0.1);
        const TSleeve& s = *main->Sleeve;
        EXPECT_TRUE(std::isfinite(s.BoxLeft) && std::isfinite(s.BoxBottom));

        ScreenDC.RestoreSleeveOrigin();
        const QImage& sheet = report->List2()->Bitmap();
        const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
        const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
        EXPECT_GT(DarkPixels(sheet, QRect(left, top, right - left + 1, bottom - top + 1)), 500);
        // The cap top's bar 0.6 cm below it.
        EXPECT_GT(DarkPixels(sheet, QRect(ScreenDC.PixelX(0) - 1, ScreenDC.PixelY(-0.6f) - 1, 3, 3)), 0);
    }
}

// With the two-seam sleeve the side-part garments take the split point
// where the sleeve put the coat's front notch.
TEST_F(MenSleevesWindowTest, TheTwoSeamSleeveSetsTheSplitPoint) {
    for (int type : {29, 30, 34, 35}) {
        SCOPED_TRACE(type);
        Calculate(type, 12);
        ASSERT_TRUE(main->Model->calculated);
        const TMenPattern& g = Coat();
        const Vector p = g.FrontArmholeJoin.x < g.SplitPoint.x
                             ? Bezier2::Point(g.FrontArmholeJoin, g.FrontArmholeCtrl2, g.P6, g.SplitParam)
                             : Bezier2::Point(g.FrontG2, g.FrontArmholeCtrl1, g.FrontArmholeJoin, g.SplitParam);
        EXPECT_NEAR(p.x, g.SplitPoint.x, 1e-3);
        EXPECT_NEAR(p.y, g.SplitPoint.y, 1e-3);
    }
}

// Saved and reopened, the order drafts the same sleeve.
TEST_F(MenSleevesWindowTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (const Offer& o : {Offer{31, 13}, Offer{33, 12}, Offer{34, 12}}) {
        SCOPED_TRACE(o.type);
        Calculate(o.type, o.kind);
        ASSERT_TRUE(main->Model->calculated);
        const float cap = CapLength(), left = main->Sleeve->BoxLeft, bottom = main->Sleeve->BoxBottom;
        const std::string path = TempPath("mensleeve" + std::to_string(o.type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        main->CreateModel(0, -1, -1);
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(main->Model->calculated);
        EXPECT_EQ(main->SleeveKind, o.kind);
        EXPECT_EQ(CapLength(), cap);
        EXPECT_EQ(main->Sleeve->BoxLeft, left);
        EXPECT_EQ(main->Sleeve->BoxBottom, bottom);
    }
}

// A sleeve too wide for the armhole stops the road with the cap's message.
TEST_F(MenSleevesWindowTest, ATooWideSleeveStopsTheRoadWithTheCapsMessage) {
    for (const Offer& o : {Offer{28, 13}, Offer{35, 12}}) {
        SCOPED_TRACE(o.type);
        Calculate(o.type, o.kind);
        ASSERT_TRUE(main->Model->calculated);
        const int upperArm = Row("Оп.в:");
        ASSERT_GT(upperArm, 0);
        const QString sound = main->Meas(upperArm)->text();
        ExpectTheCapsFailure(upperArm, "90");
        main->Meas(upperArm)->setText(sound);
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(main->Model->calculated);
    }
}

// Printed at 1:1 and 1:4 the two-seam sleeve's pages carry its straight
// lower front seam and its hem-to-top line at true length.
TEST_F(MenSleevesWindowTest, ThePrintedTwoSeamSleeveMeasuresTrue) {
    Calculate(32, 12);
    ASSERT_TRUE(main->Model->calculated);
    const auto& s = dynamic_cast<const TTwoSeam&>(*main->Sleeve);
    for (int mode : {1, 4}) {
        SCOPED_TRACE(mode);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(mode, "twoseam"));
        const double mmPerCm = 10.0 / mode;
        EXPECT_TRUE(HasSegment(segments, Geom::Distance(s.L31, s.H4) * mmPerCm));
        EXPECT_TRUE(HasSegment(segments, Geom::Distance(s.L3, s.H3) * mmPerCm));
        EXPECT_TRUE(HasSegment(segments, -s.H.y * mmPerCm));  // hem to cap top
    }
}
