// The jacket collar with lapel and the shawl collar on the real dresses,
// jackets and coats, through the program's windows: drafted on the
// calculation road, drawn in place on sheet 1 within it, the break point
// dragged with the mouse within its limits, an order saved and reopened,
// and the garment printed with its collar at true scale.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <string>

#include "kernel/Record.h"
#include "platform/Printer.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/collars/HandleOnSheet.h"
#include "tests/collars/LapelShape.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"

using namespace lapel_shape;

namespace {

constexpr int kCollars[] = {TForCoat::kKind, TShawl::kKind};

class LapelOnGarmentsTest : public DressWindowsTest {
protected:
    void AfterWindows() override {
        DressWindowsTest::AfterWindows();
        UseRealPieces();
    }
    // The garment of the type with the collar (and the sleeve kind)
    // calculated from its samples through the main window.
    TDressGarment& Calculated(int type, int collar, int sleeve) {
        TypeSamples(type, collar, sleeve);
        messages.clear();
        main->CalcExecute();
        return *dynamic_cast<TDressGarment*>(main->Model);
    }
    TLapelCollar& Collar() { return dynamic_cast<TLapelCollar&>(*main->Collar); }
    QPoint At(const Vector& p) const { return CollarPixel(p); }
    bool GreenAround(const Vector& p) { return ::GreenAround(report->List1()->Bitmap(), p); }
    void ExpectShape(const std::string& context) {
        SCOPED_TRACE(context);
        const OpenFront f = OpenFrontOfCurrentBodice();
        if (main->CollarKind == TForCoat::kKind)
            ExpectForCoatShape(dynamic_cast<TForCoat&>(*main->Collar), f);
        else
            ExpectShawlShape(dynamic_cast<TShawl&>(*main->Collar), f);
    }
};

// Every garment with each collar, with and without the one-seam sleeve:
// drafted from that garment's front, its extent box on sheet 1 and its
// handle drawn at the break point.
TEST_F(LapelOnGarmentsTest, EveryGarmentDraftsAndDrawsEachCollarOnItsSheet) {
    for (int type = 7; type <= 14; ++type) {
        for (int collar : kCollars) {
            for (int sleeve : {0, 1}) {
                const std::string context =
                    "type " + std::to_string(type) + " collar " + std::to_string(collar) + " sleeve " +
                    std::to_string(sleeve);
                TDressGarment& g = Calculated(type, collar, sleeve);
                ASSERT_TRUE(g.calculated) << context << (messages.empty() ? "" : ": " + messages[0].text);
                EXPECT_EQ(main->CollarType->text().toStdString(),
                          collar == TForCoat::kKind ? " Пиджачный" : " Покроя шаль");
                ExpectShape(context);
                const TCollar& c = *main->Collar;
                const QImage& sheet1 = report->List1()->Bitmap();
                const QRect sheet(0, 0, sheet1.width(), sheet1.height());
                const QPoint topLeft = At(Vector(c.BoxLeft, c.BoxTop));
                const QPoint bottomRight = At(Vector(c.BoxRight, c.BoxBottom));
                EXPECT_TRUE(sheet.contains(topLeft)) << context;
                EXPECT_TRUE(sheet.contains(bottomRight)) << context;
                EXPECT_TRUE(GreenAround(Collar().BreakPoint.Point)) << context;
            }
        }
    }
}

// The break point dragged with the mouse: it follows the cursor, the
// sheet shows it at its new place only, the collar is drafted from it; a
// drag left of A5 stops at A5; the next calculation puts it back.
TEST_F(LapelOnGarmentsTest, TheBreakPointIsDraggedWithinItsLimits) {
    for (int collar : kCollars) {
        SCOPED_TRACE(collar);
        TDressGarment& g = Calculated(10, collar, 1);
        ASSERT_TRUE(g.calculated);
        const Vector start = Collar().BreakPoint.Point;
        const float depth = Collar().RollDepth;
        const QPoint press = At(start);
        report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
        ASSERT_TRUE(main->DraggingCollar);

        // 3 cm down.
        const int threeCm = int(3 * ScreenDC.PxPerCmY + 0.5f);
        report->ListMouseMove(1, Qt::LeftButton, press.x(), press.y() + threeCm);
        const float pixel = 1 / ScreenDC.PxPerCmX;
        EXPECT_NEAR(Collar().BreakPoint.Point.x, start.x, 2 * pixel);
        EXPECT_NEAR(Collar().BreakPoint.Point.y, start.y - 3, 2 * pixel);
        EXPECT_GT(Collar().RollDepth, depth + 1);  // the roll line crosses the front centre lower
        EXPECT_TRUE(GreenAround(Collar().BreakPoint.Point));
        EXPECT_FALSE(GreenAround(start));
        ExpectShape("dragged down");

        // Far to the left: stopped at A5.
        report->ListMouseMove(1, Qt::LeftButton, press.x() - 4 * threeCm, press.y() + threeCm);
        EXPECT_EQ(Collar().BreakPoint.Point.x, g.A5.x);
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(main->Model->calculated);
        report->ListMouseUp(1, Qt::LeftButton, press.x(), press.y());

        main->CalcExecute();
        EXPECT_EQ(Collar().BreakPoint.Point, start);
    }
}

// Within the limits every break point of the samples drafts; a garment
// that no longer fits the collar fails the next move: the window says so
// once and ends the drag, and the collar keeps its last good draft.
TEST_F(LapelOnGarmentsTest, AFailedDragIsReportedOnceAndKeepsTheLastGoodDraft) {
    TDressGarment& g = Calculated(12, TForCoat::kKind, 1);
    ASSERT_TRUE(g.calculated);
    auto& coat = dynamic_cast<TForCoat&>(*main->Collar);
    const QPoint press = At(coat.BreakPoint.Point);
    report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
    ASSERT_TRUE(main->DraggingCollar);
    const int oneCm = int(ScreenDC.PxPerCmY + 0.5f);
    report->ListMouseMove(1, Qt::LeftButton, press.x(), press.y() + oneCm);
    ASSERT_TRUE(messages.empty());
    const Vector good = coat.BreakPoint.Point, c6 = coat.C6, c4 = coat.C4;

    // The swing chord now longer than the swing's diameter.
    const float posture = g.Posture;
    g.Posture = -500;
    report->ListMouseMove(1, Qt::LeftButton, press.x(), press.y() + 2 * oneCm);
    report->ListMouseMove(1, Qt::LeftButton, press.x(), press.y() + 3 * oneCm);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Не допустимое положение воротника. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте воротника");
    EXPECT_FALSE(main->DraggingCollar);
    EXPECT_EQ(coat.BreakPoint.Point, good);
    EXPECT_EQ(coat.C6, c6);
    EXPECT_EQ(coat.C4, c4);
    report->ListMouseUp(1, Qt::LeftButton, press.x(), press.y());

    g.Posture = posture;
    messages.clear();
    main->CalcExecute();
    EXPECT_TRUE(main->Model->calculated);
    EXPECT_TRUE(messages.empty());
}

// An order saved with either collar names its kind in the header and
// opens with the same collar, drafted alike, the break point at its
// default.
TEST_F(LapelOnGarmentsTest, TheCollarComesBackWithTheOrder) {
    for (int type : {8, 11}) {
        for (int collar : kCollars) {
            const std::string context = "type " + std::to_string(type) + " collar " + std::to_string(collar);
            ASSERT_TRUE(Calculated(type, collar, 1).calculated) << context;
            const Vector breakPoint = Collar().BreakPoint.Point, rollFront = Collar().RollFront;
            const float top = main->Collar->BoxTop, left = main->Collar->BoxLeft;
            const std::string path = TempPath("lapel.mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path)) << context;
            QFile f(QString::fromStdString(path));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            RecordReader header(f.read(16).toStdString());
            EXPECT_EQ(header.ReadInt(), type);
            header.ReadInt();  // format version
            EXPECT_EQ(header.ReadInt(), collar) << context;
            f.close();

            main->CreateModel(0, -1, -1);
            ASSERT_TRUE(OpenOrderFrom(*main, path)) << context;
            ASSERT_TRUE(main->Model->calculated) << context;
            EXPECT_EQ(main->CollarKind, collar);
            EXPECT_EQ(Collar().BreakPoint.Point, breakPoint) << context;
            EXPECT_EQ(Collar().RollFront, rollFront) << context;
            EXPECT_EQ(main->Collar->BoxTop, top) << context;
            EXPECT_EQ(main->Collar->BoxLeft, left) << context;
        }
    }
}

// The garment prints with its collar to a PDF file; on a page of a
// 300-dpi printer at 1:1, 1:2 and 1:4 the row of the break level runs from
// the buttonhole's inner end to the tick across the front edge.
TEST_F(LapelOnGarmentsTest, TheCollarPrintsAtTrueScale) {
    for (int collar : kCollars) {
        SCOPED_TRACE(collar);
        ASSERT_TRUE(Calculated(collar == TForCoat::kKind ? 9 : 14, collar, 1).calculated);
        const TLapelCollar& c = Collar();
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "lapel" + std::to_string(collar));
            EXPECT_FALSE(ThePrinter().Printing());
            EXPECT_TRUE(messages.empty()) << mode;
            EXPECT_GT(PdfPages(path), 1) << mode;

            PaperPage page(mode, 2400, 3400);
            TDrawContext& paper = page.Paper;
            // The break point 4 cm from the page's left edge, 10 cm down.
            paper.SetOrigin(4 * mode - c.MarkLeft.x, 10 * mode + c.BreakPoint.Point.y);
            main->Collar->PrintOn(paper);
            int first = -1, last = -1;
            ASSERT_TRUE(CollarDrawing::InkSpan(page.Image(), paper.PixelY(c.BreakPoint.Point.y), first, last)) << mode;
            const double cm = (last - first) * PaperPage::kCmPerDot;
            const double expected = c.BreakTick[0].x - c.MarkLeft.x;
            EXPECT_NEAR(cm, expected / mode, 0.08) << mode;
        }
    }
}

}  // namespace
