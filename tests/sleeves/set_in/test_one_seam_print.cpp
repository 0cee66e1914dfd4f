// The one-seam sleeve on paper: printed through the printer's context at
// 1:4, its seams and its centre line measure true with a ruler.
#include <gtest/gtest.h>

#include "kernel/DrawContext.h"
#include "kernel/PrintTiling.h"
#include "platform/Printer.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

class OneSeamPrintTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = PrinterDC; }
    void TearDown() override {
        ThePrinter().Abort();
        PrinterDC = saved_;
    }

private:
    TDrawContext saved_;
};

// Whether the file draws a straight segment mm long (to 0.1 mm) running
// the given way: vertical or slanting.
bool HasSegment(const std::vector<PdfSegment>& segments, double mm, bool vertical) {
    for (const PdfSegment& s : segments)
        if (std::fabs(s.Length() - mm) < 0.1 && (std::fabs(s.x1 - s.x0) < 0.01) == vertical) return true;
    return false;
}

}  // namespace

TEST_F(OneSeamPrintTest, ThePrintedSleeveMeasuresTrue) {
    TTestDress d;
    TOneSeam s;
    DraftSleeve(s, d);
    const std::string path = ::testing::TempDir() + "one_seam_print.pdf";
    ThePrinter().SetPdfOutput(path);
    const float scale = 4;
    PrinterDC.BeginTrueScalePage(scale);
    RunPrintJob([&] {
        PrinterDC.SetOrigin(1 - s.BoxLeft, 1);
        s.DrawPiece(PrinterDC, true);
    });
    const std::vector<PdfSegment> segments = PdfSegments(path);
    ASSERT_FALSE(segments.empty());
    const double mmPerCm = 10 / scale;
    // The centre line from the hem up to the cap top, the front and back
    // seams as long as the drop from the width line to the hem.
    EXPECT_TRUE(HasSegment(segments, -s.H.y * mmPerCm, true));
    EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P31, s.H11) * mmPerCm, false));
    EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P61, s.H21) * mmPerCm, false));
    EXPECT_NEAR(SleeveCheck::Dist(s.P31, s.H11), double(s.P.y) - s.H.y, 1e-3);
}
