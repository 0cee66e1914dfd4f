// A PDF file is drawn at a resolution where whole dots cost no more than
// 0.05 mm, whatever the print quality: a short span measures true on paper
// at 1:2 and 1:4 as a long one does, and the outline keeps its width in
// millimetres.
#include <gtest/gtest.h>

#include <QPrinter>

#include "kernel/DrawContext.h"
#include "kernel/PrintTiling.h"
#include "platform/Printer.h"
#include "tests/kernel/PdfPaths.h"

namespace {

class PdfScaleTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = PrinterDC; }
    void TearDown() override {
        ThePrinter().Abort();
        ThePrinter().SetQualityResolution(Printer::kPenReferenceResolution);
        PrinterDC = saved_;
    }

private:
    TDrawContext saved_;
};

TEST_F(PdfScaleTest, AFiveCentimetreSpanMeasuresTrueAtEveryQuality) {
    struct Case {
        int qualityDpi;  // the quality item's resolution, ignored by a PDF file
        int scale;
        float startX, y;  // the span runs 5 cm to the right of this point
    } cases[] = {
        {96, 4, 0.13f, -3.07f}, {96, 4, 1.91f, -7.3f}, {150, 4, 0.37f, -11.11f},
        {96, 2, 2.05f, -5.55f}, {600, 2, 0.61f, -2.2f}, {300, 1, 3.33f, -4.4f},
    };
    const std::string path = ::testing::TempDir() + "pdf_scale.pdf";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.qualityDpi << " dpi, 1:" << c.scale << ", from " << c.startX);
        ThePrinter().SetQualityResolution(c.qualityDpi);
        ThePrinter().SetPdfOutput(path);
        EXPECT_EQ(ThePrinter().Device().resolution(), Printer::kPdfResolution);
        PrinterDC.BeginTrueScalePage(float(c.scale));
        RunPrintJob([&] {
            PrinterDC.SetOrigin(0.0f, 0.0f);
            PrinterDC.SetPenWidth(4);
            PrinterDC.MoveTo(Vector{c.startX, c.y});
            PrinterDC.LineTo(Vector{c.startX + 5.0f, c.y});
        });
        const std::vector<PdfSegment> segments = PdfSegments(path);
        ASSERT_EQ(segments.size(), 1u);
        EXPECT_NEAR(segments[0].Length(), 50.0 / c.scale, 0.05);
        EXPECT_NEAR(segments[0].y0, segments[0].y1, 1e-6);
    }
}

TEST_F(PdfScaleTest, TheOutlineKeepsItsWidthInMillimetres) {
    // Pen widths are dots of a 300-dpi page: the outline of 4 is 0.34 mm on
    // the PDF's finer grid too (its "w" is in dots under the page matrix).
    const std::string path = ::testing::TempDir() + "pdf_pen.pdf";
    ThePrinter().SetQualityResolution(96);
    ThePrinter().SetPdfOutput(path);
    PrinterDC.BeginTrueScalePage(1.0f);
    RunPrintJob([&] {
        PrinterDC.SetPenWidth(4);
        PrinterDC.MoveTo(Vector{1.0f, -1.0f});
        PrinterDC.LineTo(Vector{3.0f, -1.0f});
    });
    std::vector<double> widthsMm;
    for (const QByteArray& s : PdfStreams(path)) {
        const QList<QByteArray> tokens = s.simplified().split(' ');
        for (qsizetype i = 1; i < tokens.size(); ++i)
            if (tokens[i] == "w") widthsMm.push_back(tokens[i - 1].toDouble() * 25.4 / Printer::kPdfResolution);
    }
    ASSERT_FALSE(widthsMm.empty());
    EXPECT_NEAR(widthsMm.back(), 4 * 25.4 / 300, 0.01);
}

}  // namespace
