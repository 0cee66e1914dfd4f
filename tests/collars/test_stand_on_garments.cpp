// The stand collar on the real dresses, jackets and coats, through the
// program's windows: drafted from each garment's neckline on the
// calculation road, drawn above the back neck, not grabbed by a press,
// kept by a saved and reopened order, and printed at true scale.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <algorithm>

#include "collars/Stand.h"
#include "platform/Printer.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/collars/StandShape.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"

namespace {

class StandOnGarmentsTest : public DressWindowsTest {
protected:
    void AfterWindows() override {
        DressWindowsTest::AfterWindows();
        UseRealPieces();
    }
    // The garment of the type with the stand collar (and the sleeve kind)
    // calculated from its samples through the main window.
    TDressGarment& Calculated(int type, int sleeve) {
        TypeSamples(type, TStand::kKind, sleeve);
        messages.clear();
        main->CalcExecute();
        return *dynamic_cast<TDressGarment*>(main->Model);
    }
    TStand& Stand() { return dynamic_cast<TStand&>(*main->Collar); }
    // Where a point of the collar lies on sheet 1: the collar's (0, 0) is
    // drawn 2 cm above the bodice's top, over A01.
    QRect OnSheet(const TDressGarment& g, const Vector& p) const {
        const float top = std::max(g.A2.y, g.A6.y);
        ScreenDC.RestoreCollarOrigin();
        const int x = ScreenDC.PixelX(g.A01.x + p.x), y = ScreenDC.PixelY(top + 2 + p.y);
        return QRect(x - 3, y - 3, 7, 7);
    }
};

// Every garment, with and without the one-seam sleeve: the collar is
// drafted from that garment's back and front neck, and its corners and
// notch are drawn where they belong.
TEST_F(StandOnGarmentsTest, EveryGarmentDraftsAndDrawsTheCollar) {
    for (int type = 7; type <= 14; ++type) {
        for (int sleeve : {0, 1}) {
            const std::string context = "type " + std::to_string(type) + " sleeve " + std::to_string(sleeve);
            TDressGarment& g = Calculated(type, sleeve);
            ASSERT_TRUE(g.calculated) << context << (messages.empty() ? "" : ": " + messages[0].text);
            EXPECT_EQ(main->CollarType->text().toStdString(), " Стоячий");
            const TStand& s = Stand();
            {
                SCOPED_TRACE(context);
                ExpectStandShape(s, NeckOf(g));
            }
            const QImage& sheet1 = report->List1()->Bitmap();
            for (const Vector& p : {s.C, s.C1, s.C5, s.C4, s.C6, s.C2, s.NotchTop})
                EXPECT_GT(DarkPixels(sheet1, OnSheet(g, p)), 2) << context << " at " << p.x << ", " << p.y;
            // Inside the band, between its edges, nothing.
            const Vector inside((s.NeckLength + s.C1.x) / 2, s.Height / 2);
            EXPECT_EQ(DarkPixels(sheet1, OnSheet(g, inside)), 0) << context;
        }
    }
}

// A press on the collar grabs nothing (the stand collar has no handle):
// the move pans the sheet, the draft and its drawing stay as they are.
TEST_F(StandOnGarmentsTest, APressOnTheCollarGrabsNothing) {
    TDressGarment& g = Calculated(8, 0);
    ASSERT_TRUE(g.calculated);
    const TStand& s = Stand();
    const Vector c6 = s.C6;
    const QImage before = report->List1()->Bitmap().copy();
    const QRect at = OnSheet(g, s.C6);
    report->ListMouseDown(1, Qt::LeftButton, at.center().x(), at.center().y());
    EXPECT_FALSE(main->DraggingCollar);
    report->ListMouseMove(1, Qt::LeftButton, at.center().x() + 20, at.center().y() + 20);
    report->ListMouseUp(1, Qt::LeftButton, at.center().x() + 20, at.center().y() + 20);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Stand().C6, c6);
    EXPECT_TRUE(main->Model->calculated);
    EXPECT_EQ(report->List1()->Bitmap(), before);
}

// An order saved with the stand collar names collar kind 1 in its header
// and opens with the same collar, drafted alike.
TEST_F(StandOnGarmentsTest, TheCollarComesBackWithTheOrder) {
    for (int type : {7, 10, 13}) {
        const std::string context = "type " + std::to_string(type);
        ASSERT_TRUE(Calculated(type, 1).calculated) << context;
        const float length = Stand().Length;
        const Vector c4 = Stand().C4, c6 = Stand().C6, upperCtrl = Stand().UpperCtrl;
        const std::string path = TempPath("stand.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path)) << context;
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        RecordReader header(f.read(16).toStdString());
        EXPECT_EQ(header.ReadInt(), type);
        EXPECT_EQ(header.ReadInt(), 1);  // format version
        EXPECT_EQ(header.ReadInt(), TStand::kKind) << context;
        f.close();

        main->CreateModel(0, -1, -1);
        EXPECT_EQ(main->Collar, nullptr);
        EXPECT_EQ(main->CollarType->text().toStdString(), "");
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << context;
        ASSERT_TRUE(main->Model->calculated) << context;
        EXPECT_EQ(main->CollarKind, TStand::kKind);
        EXPECT_EQ(main->CollarType->text().toStdString(), " Стоячий");
        const TStand& opened = Stand();
        EXPECT_EQ(opened.Length, length) << context;
        EXPECT_EQ(opened.C4, c4) << context;
        EXPECT_EQ(opened.C6, c6) << context;
        EXPECT_EQ(opened.UpperCtrl, upperCtrl) << context;
    }
}

// The garment prints with its collar at 1:1, 1:2 and 1:4; on a page of a
// 300-dpi printer the collar's back edge and the foot of its front end
// lie L cm apart at the print scale.
TEST_F(StandOnGarmentsTest, TheCollarPrintsAtTrueScale) {
    TDressGarment& g = Calculated(12, 1);
    ASSERT_TRUE(g.calculated);
    const TStand& s = Stand();
    for (int mode : {1, 2, 4}) {
        const std::string path = PrintAt(mode, "stand");
        EXPECT_FALSE(ThePrinter().Printing());
        EXPECT_TRUE(messages.empty()) << mode;
        EXPECT_GT(PdfPages(path), 1) << mode;

        PaperPage page(mode, 3200, 800);
        TDrawContext& paper = page.Paper;
        paper.SetOrigin(0.5f, 5.5f);
        Stand().PrintOn(paper);
        // Along y = 0.25 cm: the back edge at x = 0, the line from the
        // untrimmed front end down to C2 at x = L.
        int first = -1, last = -1;
        ASSERT_TRUE(CollarDrawing::InkSpan(page.Image(), paper.PixelY(0.25f), first, last)) << mode;
        const double cm = (last - first) * PaperPage::kCmPerDot;
        EXPECT_NEAR(cm, double(s.Length) / mode, 2 * PaperPage::kCmPerDot) << mode;
    }
}

}  // namespace
