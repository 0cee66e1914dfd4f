// Print tiling: the block of pages for a drawing's extent box, the walk over
// it with its corner furniture, the print job's abandoning on failure, and
// the true-scale printer page.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"

namespace {

class TilingOrder : public OrderInfoSource {
public:
    int tiling = 4;
    std::string ModelTypeText() const override { return " Юбка. Заказ № 1"; }
    std::string CustomerText() const override { return "Клиент"; }
    std::vector<std::string> CommentLines() const override { return {}; }
    int ModelIndex() const override { return 0; }
    int TilingMode() const override { return tiling; }
};

// A printer whose printable size in millimetres is not a whole number, as
// real devices report it.
class ExactMetrics : public PrinterMetrics {
public:
    ExactMetrics(int widthDots, int heightDots, double dpi) : w_(widthDots), h_(heightDots), dpi_(dpi) {}
    int WidthMm() const override { return int(std::lround(WidthMmExact())); }
    int HeightMm() const override { return int(std::lround(HeightMmExact())); }
    double WidthMmExact() const override { return w_ * 25.4 / dpi_; }
    double HeightMmExact() const override { return h_ * 25.4 / dpi_; }
    int WidthDots() const override { return w_; }
    int HeightDots() const override { return h_; }

private:
    int w_, h_;
    double dpi_;
};

class PrintTilingTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedPrinter_ = PrinterDC;
        SetOrderInfoSource(&order);
    }
    void TearDown() override {
        SetOrderInfoSource(nullptr);
        ThePrinter().Abort();
        PrinterDC = savedPrinter_;
    }
    // A page of the given printable size in whole millimetres at 1:s.
    void Page(int widthMm, int heightMm, int s) {
        PrinterDC.BeginTrueScalePage(float(s), FixedPrinterMetrics(widthMm * 4, heightMm * 4, widthMm, heightMm));
    }
    TilingOrder order;

private:
    TDrawContext savedPrinter_;
};

TEST_F(PrintTilingTest, HundredCentimetresAtOneToFourOnTwoHundredMillimetres) {
    order.tiling = 4;
    Page(200, 280, 4);
    ASSERT_FLOAT_EQ(PrinterDC.PageWidthCm, 80.0f);
    const float minX = -60, maxX = 40, maxY = 5, minY = -50;
    EXPECT_EQ(TilePrintSheets(minX, maxX, maxY, minY), 2);
    const TPrintLayout& l = PrintLayout;
    EXPECT_FLOAT_EQ(l.SpanX, 104.0f);
    EXPECT_EQ(l.LastColumn, 1);
    EXPECT_FLOAT_EQ(l.CoveredX, 160.0f);
    EXPECT_FLOAT_EQ(l.StartX, 30.0f - minX);
    // 59 cm down on a 112 cm page: one row, 44 % of the spare above.
    EXPECT_FLOAT_EQ(l.SpanY, 59.0f);
    EXPECT_EQ(l.LastRow, 0);
    EXPECT_FLOAT_EQ(l.StartY, (112.0f - 59.0f + 4.0f) * 0.44f + maxY);
    EXPECT_EQ(l.PagesDone, 0);
}

TEST_F(PrintTilingTest, BlockIsFloorPlusOneAndTheMarginFollowsTheMode) {
    struct Case {
        int mode;
        float width;  // of the box; the page is 20 cm x 30 cm of paper
        int columns;
        float margin;
    } cases[] = {
        {1, 39.0f, 3, 1},  // span 40 = exactly two pages: three columns
        {1, 38.0f, 2, 1},  {2, 77.0f, 2, 2}, {2, 78.0f, 3, 2}, {4, 155.0f, 2, 4}, {4, 156.0f, 3, 4},
        {3, 40.0f, 3, 0},  // not 1, 2 or 4: no margin
        {0, 10.0f, 1, 0},
    };
    for (const Case& c : cases) {
        order.tiling = c.mode;
        Page(200, 300, c.mode == 2 || c.mode == 4 ? c.mode : 1);
        const float minX = 0, maxX = c.width, maxY = 0, minY = -10;
        TilePrintSheets(minX, maxX, maxY, minY);
        EXPECT_EQ(PrintLayout.LastColumn + 1, c.columns) << "mode " << c.mode << " width " << c.width;
        EXPECT_FLOAT_EQ(PrintLayout.SpanX, c.width + c.margin);
        EXPECT_EQ(TilingMargin(c.mode), c.margin);
    }
}

TEST_F(PrintTilingTest, PageOfNoSizeIsRefused) {
    order.tiling = 1;
    const float lo = 0, hi = 10;
    PrinterDC.PageWidthCm = 0;
    PrinterDC.PageHeightCm = 30;
    EXPECT_THROW(TilePrintSheets(lo, hi, hi, lo), EFloatError);
    PrinterDC.PageWidthCm = 20;
    PrinterDC.PageHeightCm = -1;
    EXPECT_THROW(TilePrintSheets(lo, hi, hi, lo), EFloatError);
    // A tiny page would ask for millions of pages.
    PrinterDC.PageWidthCm = PrinterDC.PageHeightCm = 1e-4f;
    EXPECT_THROW(TilePrintSheets(lo, hi, hi, lo), EFloatError);
    // The page set-up itself refuses a device of no size.
    EXPECT_THROW(PrinterDC.BeginTrueScalePage(1.0f, ExactMetrics(0, 1000, 0)), EFloatError);
    EXPECT_THROW(PrinterDC.BeginTrueScalePage(1.0f, FixedPrinterMetrics(800, 1000, 0, 250)), EFloatError);
}

// True scale: dots per centimetre from the device's real printable size.
// Whole millimetres (the device's rounded report) would be 0.08 % off here.
TEST_F(PrintTilingTest, TrueScalePageMatchesTheResolutionAtEveryScale) {
    const ExactMetrics a4(9583, 13699, 1200);  // 202.84 mm x 289.96 mm
    for (int s : {1, 2, 4}) {
        PrinterDC.BeginTrueScalePage(float(s), a4);
        const double truePxPerCm = 1200 / 2.54 / s;
        EXPECT_NEAR(PrinterDC.PxPerCmX / truePxPerCm, 1.0, 5e-4) << s;
        EXPECT_NEAR(PrinterDC.PxPerCmY / truePxPerCm, 1.0, 5e-4) << s;
        // A page of pattern is the page of dots.
        EXPECT_NEAR(PrinterDC.PageWidthCm * PrinterDC.PxPerCmX, 9583, 0.05);
        EXPECT_NEAR(PrinterDC.PageHeightCm * PrinterDC.PxPerCmY, 13699, 0.05);
        // 10 cm of pattern on paper.
        PrinterDC.SetOrigin(0, 0);
        EXPECT_NEAR(PrinterDC.PixelX(10.0f) * 2.54 / 1200 * s, 10.0, 10.0 * 5e-4);
        EXPECT_NEAR(-PrinterDC.PixelY(10.0f) * 2.54 / 1200 * s, 10.0, 10.0 * 5e-4);
    }
    PrinterDC.BeginPrinterPage(1.0f, a4);
    EXPECT_GT(std::fabs(PrinterDC.PxPerCmX / (1200 / 2.54) - 1.0), 5e-4) << "whole millimetres are not true";
    EXPECT_EQ(PrinterDC.PageWidthUnits(), 767);
}

// Ink in a corner of the image, a quarter of each side.
bool InkIn(const QImage& image, bool right, bool bottom) {
    const int w = image.width() / 4, h = image.height() / 4;
    const int x0 = right ? image.width() - w : 2, y0 = bottom ? image.height() - h : 2;
    for (int y = y0; y < y0 + h - 2; ++y)
        for (int x = x0; x < x0 + w - 2; ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST_F(PrintTilingTest, DrawingSmallerThanAPageGetsOnePageWithAllFourCorners) {
    order.tiling = 4;
    // 800 x 1100 dots at 96 dpi: 211.7 mm x 291.0 mm.
    const ExactMetrics page(800, 1100, 96);
    PrinterDC.BeginTrueScalePage(4.0f, page);
    const float minX = -20, maxX = 20, maxY = 0, minY = -40;
    ASSERT_EQ(TilePrintSheets(minX, maxX, maxY, minY), 1);

    QImage white(800, 1100, QImage::Format_RGB32);
    white.fill(Qt::white);
    ImageCanvas canvas(white);
    PrinterDC.AttachPrinterCanvas(&canvas);
    std::vector<PrintPage> drawn;
    WalkPrintPages("Лист 1 из 2", [&](const PrintPage& p) { drawn.push_back(p); });  // no NewPage on one page
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(PrintLayout.PagesDone, 1);
    const QImage& image = canvas.Image();
    EXPECT_TRUE(InkIn(image, false, false)) << "captions";
    EXPECT_TRUE(InkIn(image, true, false)) << "sheet label";
    EXPECT_TRUE(InkIn(image, false, true)) << "program footer";
    EXPECT_TRUE(InkIn(image, true, true)) << "date footer";
}

int PdfPages(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

// The walk on the program's printer: pages row by row from the top, each
// row left to right, the origin stepping a page at a time; the file has as
// many pages as the tiling counted.
TEST_F(PrintTilingTest, WalkProducesThePageCountRowByRow) {
    order.tiling = 1;
    const std::string path = ::testing::TempDir() + "print_tiling_walk.pdf";
    ThePrinter().SetPdfOutput(path);
    PrinterDC.BeginTrueScalePage(1.0f);
    const float pageW = PrinterDC.PageWidthCm, pageH = PrinterDC.PageHeightCm;
    const float minX = 0, maxX = 2.5f * pageW, maxY = 0, minY = -1.2f * pageH;
    const int count = TilePrintSheets(minX, maxX, maxY, minY);
    ASSERT_EQ(count, 3 * 2);
    const float startX = PrintLayout.StartX, startY = PrintLayout.StartY;

    struct Seen {
        PrintPage page;
        float originX, originY;
    };
    std::vector<Seen> seen;
    RunPrintJob([&] {
        WalkPrintPages("Лист 1 из 1", [&](const PrintPage& p) { seen.push_back({p, PrinterDC.OriginX, PrinterDC.OriginY}); });
    });
    ASSERT_EQ(seen.size(), 6u);
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].page.row, int(i) / 3);
        EXPECT_EQ(seen[i].page.column, int(i) % 3);
        EXPECT_NEAR(seen[i].originX, startX - seen[i].page.column * pageW, 1e-3);
        EXPECT_NEAR(seen[i].originY, startY - seen[i].page.row * pageH, 1e-3);
    }
    EXPECT_EQ(PdfPages(path), count);
    EXPECT_FALSE(ThePrinter().Printing());
}

// The printed box is what the drawing puts on paper: its lines and curves,
// and each point label with its text, measured at the print scale without
// painting, the context left as it was.
TEST_F(PrintTilingTest, ThePrintedBoxHoldsEveryLineAndLabelDrawn) {
    const ExactMetrics a4(9583, 13699, 1200);
    // Paper of the printer's resolution, so that its text measures as the
    // printer's.
    QImage white(40, 40, QImage::Format_RGB32);
    white.fill(Qt::white);
    white.setDotsPerMeterX(47244);  // 1200 dpi
    white.setDotsPerMeterY(47244);
    ImageCanvas paper(white);
    for (int s : {1, 4}) {
        PrinterDC.BeginTrueScalePage(float(s), a4);
        PrinterDC.AttachPrinterCanvas(&paper);
        paper.SetFontSize(8);
        PrinterDC.SetOrigin(7.0f, 9.0f);
        const auto draw = [] {
            PrinterDC.MoveTo(Vector(-10, 5));
            PrinterDC.LineTo(Vector(30, -50));
            PrinterDC.Bezier2(Vector(30, -50), Vector(-30, -60), Vector(-20, -20), 20);
            PrinterDC.PrinterLabel(Vector(30, 5), "Лист с подписью", 2);            // text up and right
        };
        const PrintedBox box = MeasurePrinted(draw);
        // The curve's chords reach furthest left and down.
        float left = 0, bottom = 0;
        for (int k = 0; k <= 20; ++k) {
            const Vector p = Bezier2::Point(Vector(30, -50), Vector(-30, -60), Vector(-20, -20), k / 20.0f);
            left = std::min(left, p.x);
            bottom = std::min(bottom, p.y);
        }
        EXPECT_LT(left, -20.0f);
        EXPECT_NEAR(box.left, left, 0.01) << s;
        EXPECT_NEAR(box.bottom, bottom, 0.01) << s;
        // The label's text: its width at 8 points on paper, s times that in
        // pattern cm, beyond x 30; its height above y 5.
        const double cmPerDot = 2.54 / 1200 * s;
        EXPECT_NEAR(box.right, 30 + (2 * PrinterDC.IntFactorX + paper.TextWidth("Лист с подписью")) * cmPerDot,
                    2 * cmPerDot)
            << s;
        EXPECT_GT(box.top, 5.0 + 11 * PrinterDC.IntFactorY * cmPerDot) << s;
        // Nothing painted, nothing of the context changed.
        EXPECT_EQ(PrinterDC.Canvas, &paper);
        EXPECT_FLOAT_EQ(PrinterDC.OriginX, 7.0f);
        EXPECT_FLOAT_EQ(PrinterDC.OriginY, 9.0f);
        EXPECT_EQ(paper.Image(), white);
    }
    // A drawing of nothing: the point (0, 0).
    const PrintedBox none = MeasurePrinted([] {});
    EXPECT_EQ(none.left, 0.0f);
    EXPECT_EQ(none.top, 0.0f);
}

// A sheet printed through PrintSheet gets the block of the box its drawing
// fills, and each of its pages the whole drawing.
TEST_F(PrintTilingTest, ASheetIsTiledOverWhatItDraws) {
    order.tiling = 1;
    const std::string path = ::testing::TempDir() + "print_tiling_sheet.pdf";
    ThePrinter().SetPdfOutput(path);
    PrinterDC.BeginTrueScalePage(1.0f);
    const float pageW = PrinterDC.PageWidthCm;
    // A line 1.5 pages wide: two columns, one row.
    int drawn = 0;
    RunPrintJob([&] {
        PrintSheet("Лист 1 из 1", [&](const PrintPage&) {
            ++drawn;
            PrinterDC.MoveTo(Vector(0, 0));
            PrinterDC.LineTo(Vector(1.5f * pageW, -3));
        });
    });
    EXPECT_EQ(PrintLayout.LastColumn, 1);
    EXPECT_EQ(PrintLayout.LastRow, 0);
    EXPECT_EQ(drawn, 1 + PrintLayout.PageCount);  // measured once, then each page
    EXPECT_EQ(PdfPages(path), 2);
}

TEST_F(PrintTilingTest, FailingJobIsAbandonedAndTheErrorGoesOn) {
    const std::string path = ::testing::TempDir() + "print_tiling_failed.pdf";
    QFile::remove(QString::fromStdString(path));
    ThePrinter().SetPdfOutput(path);
    EXPECT_THROW(RunPrintJob([] {
                     ThePrinter().NewPage();
                     throw std::runtime_error("Принтер не отвечает.");
                 }),
                 std::runtime_error);
    EXPECT_FALSE(ThePrinter().Printing());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << "no half-written file";
    // And the next job runs.
    bool ran = false;
    RunPrintJob([&] { ran = true; });
    EXPECT_TRUE(ran);
}

// A garment that tiles inside its job (one block per half) is asked about
// once the pages add up past the bound; "no" abandons the job, and the pages
// already drawn never reach the file.
TEST_F(PrintTilingTest, PagesTiledInsideAJobAddUpToTheQuestion) {
    order.tiling = 1;
    std::vector<MessageRecord> asked;
    MsgResult answer = MsgResult::No;
    SetMessageInterceptor([&](const MessageRecord& m) {
        asked.push_back(m);
        return answer;
    });
    const std::string path = ::testing::TempDir() + "print_tiling_many.pdf";
    QFile::remove(QString::fromStdString(path));
    ThePrinter().SetPdfOutput(path);
    Page(100, 100, 1);  // 10 x 10 cm pages
    int halvesDone = 0;
    auto job = [&] {
        for (int half = 0; half < 2; ++half) {
            if (half == 1) ThePrinter().NewPage();
            // 8 x 7 blocks of 10 cm: 56 pages a half.
            TilePrintSheets(0.0f, 75.0f, 0.0f, -65.0f);
            WalkPrintPages("Лист 1 из 2", [](const PrintPage&) {});
            ++halvesDone;
        }
    };
    EXPECT_THROW(RunPrintJob(job), PrintJobCancelled);
    EXPECT_EQ(halvesDone, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("112"), std::string::npos) << asked[0].text;
    EXPECT_FALSE(ThePrinter().Printing());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

    answer = MsgResult::Yes;
    asked.clear();
    halvesDone = 0;
    RunPrintJob(job);
    EXPECT_EQ(halvesDone, 2);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(PdfPages(path), 112);
    SetMessageInterceptor(nullptr);
}

}  // namespace
