// The one-seam sleeve with the program's own dresses, jackets and coats:
// chosen with each type in the base selection, fitted on the road to the
// armhole that garment drafted, drawn on the sleeve sheet, kept in the
// order file, failing with the cap's message, printed at true scale.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/bodice_women/Dress.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "shell/Settings.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

class OneSeamGarmentsTest : public GarmentWindowTest {
protected:
    // The type with the collar kind and the one-seam sleeve, its sample
    // values in the fields, calculated; the sleeve.
    TOneSeam& CalculateWithSleeve(int type, int collar) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, 1)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<TOneSeam&>(*main->Sleeve);
    }
    TDress& Dress() const { return dynamic_cast<TDress&>(*main->Model); }

};

// Whether the file draws a straight segment mm long (to 0.1 mm).
bool HasSegment(const std::vector<PdfSegment>& segments, double mm) {
    for (const PdfSegment& s : segments)
        if (std::fabs(s.Length() - mm) < 0.1) return true;
    return false;
}

}  // namespace

// Every type of the family, with and without the stand collar: the sleeve
// names itself, fits its cap to the armhole its garment drafted (the
// garment's own A, n and h), and lies drawn on the sleeve sheet about the
// sheet's origin within its extent box.
TEST_F(OneSeamGarmentsTest, FittedToEveryGarmentsArmholeAndDrawnOnItsSheet) {
    for (int type = 7; type <= 14; ++type)
        for (int collar : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " collar " << collar);
            TOneSeam& s = CalculateWithSleeve(type, collar);
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
            EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный");
            TDress& d = Dress();
            EXPECT_NEAR(s.CapLengthRequired, (1 + double(d.CapEaseNorm)) * d.ArmholeLength, 1e-4);
            EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
            EXPECT_LT(std::fabs(s.BalanceMismatch), 0.1);
            EXPECT_NEAR(s.UpperArmEaseTotal, s.UpperArmEase + 3 * d.InterliningEase, 1e-5);

            // The road drafted it on this garment's armhole: drafted again
            // on it, nothing moves.
            const Vector p31 = s.P31, back = s.BackNotch.point;
            s.Draft(WomenSleeveGarment(d));
            EXPECT_EQ(s.P31, p31);
            EXPECT_EQ(s.BackNotch.point, back);

            // Sheet 2: the piece's box about the sleeve origin holds the
            // outline, and nothing of it lies outside.
            ScreenDC.RestoreSleeveOrigin();
            const QImage& sheet = report->List2()->Bitmap();
            const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
            const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
            const QRect box(left, top, right - left + 1, bottom - top + 1);
            EXPECT_GT(DarkPixels(sheet, box), 500);
            // The cap top's bar below O2, the seams at the box's sides.
            EXPECT_GT(DarkPixels(sheet, QRect(ScreenDC.PixelX(0) - 1, ScreenDC.PixelY(-0.6f) - 1, 3, 3)), 0);
            const int midY = ScreenDC.PixelY((s.P31.y + s.H11.y) / 2);
            EXPECT_EQ(DarkPixels(sheet, QRect(right + 3, midY - 20, 40, 40)), 0);
        }
}

// The sleeve's values are kept in the garment's order block: reopened, the
// order drafts the same sleeve.
TEST_F(OneSeamGarmentsTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (int type : {7, 10, 14}) {
        SCOPED_TRACE(type);
        TOneSeam& s = CalculateWithSleeve(type, 1);
        ASSERT_TRUE(main->Model->calculated);
        const Vector p31 = s.P31, front = s.FrontNotch.point, h21 = s.H21;
        const float cap = s.CapLength, arm = s.ArmLength;
        const std::string path = TempPath("sleeve" + std::to_string(type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        main->CreateModel(0, -1, -1);
        EXPECT_EQ(main->SleeveType->text().toStdString(), "");
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(main->Model->calculated);
        const auto& opened = dynamic_cast<const TOneSeam&>(*main->Sleeve);
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный");
        EXPECT_EQ(opened.ArmLength, arm);
        EXPECT_EQ(opened.P31, p31);
        EXPECT_EQ(opened.FrontNotch.point, front);
        EXPECT_EQ(opened.H21, h21);
        EXPECT_EQ(opened.CapLength, cap);
    }
}

// A sleeve too wide for the garment's armhole: the calculation stops with
// the cap's message, and no sheet keeps a piece of the failed draft.
TEST_F(OneSeamGarmentsTest, ATooWideSleeveStopsTheCalculationWithTheCapsMessage) {
    for (int type : {7, 12}) {
        SCOPED_TRACE(type);
        CalculateWithSleeve(type, 1);
        ASSERT_TRUE(main->Model->calculated);
        ASSERT_GT(Row("Попв:"), 0);
        ExpectTooWideSleeveFails("75");
    }
}

// Printed at 1:1, 1:2 and 1:4 the sleeve's pages carry its seams and its
// centre line at their true length at the print scale.
TEST_F(OneSeamGarmentsTest, ThePrintedSleeveMeasuresTrue) {
    for (int type : {8, 13}) {
        TOneSeam& s = CalculateWithSleeve(type, 1);
        ASSERT_TRUE(main->Model->calculated);
        for (int mode : {1, 2, 4}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " 1:" << mode);
            const std::vector<PdfSegment> segments = PdfSegments(PrintAt(mode, "sleeve" + std::to_string(type)));
            const double mmPerCm = 10.0 / mode;
            EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P31, s.H11) * mmPerCm));
            EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P61, s.H21) * mmPerCm));
            EXPECT_TRUE(HasSegment(segments, -s.H.y * mmPerCm));  // hem to cap top
            EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P4, s.P) * mmPerCm));  // W/2 across
        }
    }
}
