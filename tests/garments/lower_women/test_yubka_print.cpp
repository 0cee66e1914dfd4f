// The skirt's printing through the program's printer into a PDF file: the
// pages the tiling asks for (and the tables page at 1:2 and 1:4), the true
// scale of the pattern on paper, a failed job abandoned, and no job at all
// before calculating.
#include <QPrinter>
#include <cmath>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "platform/Printer.h"
#include "tests/garments/lower_women/SkirtFixture.h"
#include "tests/garments/PagesAndPixels.h"

namespace {

class SkirtPrintTest : public SkirtWindowTest {
protected:
    void SetUp() override {
        SkirtWindowTest::SetUp();
        Type(SkirtSamples());
        main->CalcExecute();
        ASSERT_TRUE(Skirt().calculated);
        messages.clear();
    }
    void TearDown() override {
        ThePrinter().Abort();
        SkirtWindowTest::TearDown();
    }

    // Prints at 1:mode into a new PDF file and returns its path.
    std::string PrintAt(int mode) {
        Settings->Record->TilingMode = mode;
        const std::string path = TempPath("skirt_" + std::to_string(mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        Skirt().Print();
        return path;
    }
};

TEST_F(SkirtPrintTest, PageCountFollowsTheTiling) {
    struct Case {
        int mode;
        int tablesPages;
    } cases[] = {{1, 0}, {2, 1}, {4, 1}};
    for (const Case& c : cases) {
        const std::string path = PrintAt(c.mode);
        EXPECT_FALSE(ThePrinter().Printing());
        const TPrintLayout& l = PrintLayout;
        EXPECT_EQ(l.PagesDone, l.PageCount) << c.mode;
        EXPECT_EQ(l.PageCount, (l.LastColumn + 1) * (l.LastRow + 1));
        EXPECT_EQ(PdfPages(path), l.PageCount + c.tablesPages) << "mode " << c.mode;
        if (c.mode == 1) {
            EXPECT_GT(l.PageCount, 1) << "a full-size skirt needs several pages";
        }
    }
    EXPECT_TRUE(messages.empty());
}

// The printed pattern's scale against the printer's real resolution: the
// waist line T → T1 of 54 cm spans 54/s cm of paper, within 0.05 %, and the
// page scale is the same across and down.
TEST_F(SkirtPrintTest, PatternPrintsAtTrueScale) {
    for (int mode : {1, 2, 4}) {
        PrintAt(mode);
        const double dpiX = ThePrinter().Device().logicalDpiX(), dpiY = ThePrinter().Device().logicalDpiY();
        const double trueX = dpiX / 2.54 / mode, trueY = dpiY / 2.54 / mode;
        EXPECT_NEAR(PrinterDC.PxPerCmX / trueX, 1.0, 5e-4) << mode;
        EXPECT_NEAR(PrinterDC.PxPerCmY / trueY, 1.0, 5e-4) << mode;

        const TYubka& y = Skirt();
        const double dotsAcross = PrinterDC.PixelX(y.T1.x) - PrinterDC.PixelX(y.T.x);
        const double dotsDown = PrinterDC.PixelY(y.H.y) - PrinterDC.PixelY(y.T.y);
        const double paperAcrossCm = dotsAcross * 2.54 / dpiX, paperDownCm = dotsDown * 2.54 / dpiY;
        EXPECT_NEAR(paperAcrossCm / (54.0 / mode), 1.0, 5e-4) << mode;
        EXPECT_NEAR(paperDownCm / (53.3 / mode), 1.0, 5e-4) << mode;
    }
}

TEST_F(SkirtPrintTest, PrintCommandOfTheMainWindowPrints) {
    Settings->Record->TilingMode = 4;
    const std::string path = TempPath("skirt_road.pdf");
    ThePrinter().SetPdfOutput(path);
    main->PrintModel();
    EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1);
}

TEST_F(SkirtPrintTest, FailureWhilePrintingAbandonsTheJob) {
    Skirt().T0 = Vector(1e30f, 0);  // no page can hold it: the pixel check throws
    Settings->Record->TilingMode = 4;
    ThePrinter().SetPdfOutput(TempPath("skirt_failed.pdf"));
    EXPECT_THROW(Skirt().Print(), EFloatError);
    EXPECT_FALSE(ThePrinter().Printing());

    // The printer is ready for the next job.
    Type(SkirtSamples());
    main->CalcExecute();
    EXPECT_EQ(PdfPages(PrintAt(4)), PrintLayout.PageCount + 1);
}

TEST_F(SkirtPrintTest, NothingToPrintBeforeCalculating) {
    Skirt().ClearInputs(-1);
    const std::string path = TempPath("skirt_none.pdf");
    ThePrinter().SetPdfOutput(path);
    Skirt().Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    EXPECT_EQ(messages[0].caption, kNothingToPrintCaption);
    EXPECT_FALSE(ThePrinter().Printing());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

}  // namespace
