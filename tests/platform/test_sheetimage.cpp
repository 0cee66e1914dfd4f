// Sheet images: the bitmap is made once, at the size of the first canvas
// access, and a failed allocation is reported.
#include <gtest/gtest.h>

#include <QRegion>
#include <vector>

#include <functional>
#include <string>

#include "platform/SheetImage.h"

namespace {

class SheetImageTest : public ::testing::Test {
protected:
    void TearDown() override { SheetImage::SetAllocationLimit(0); }
};

}  // namespace

TEST_F(SheetImageTest, BitmapIsCreatedWhiteAtFirstCanvasAccessAndNeverResized) {
    SheetImage sheet;
    sheet.SetWidth(40);
    sheet.SetHeight(30);
    EXPECT_FALSE(sheet.HasBitmap());
    EXPECT_TRUE(sheet.Bitmap().isNull());

    Canvas& canvas = sheet.GetCanvas();
    ASSERT_TRUE(sheet.HasBitmap());
    EXPECT_EQ(sheet.Bitmap().size(), QSize(40, 30));
    EXPECT_EQ(sheet.Bitmap().format(), QImage::Format_RGB32);
    EXPECT_EQ(sheet.Bitmap().pixel(39, 29), qRgb(255, 255, 255));

    sheet.SetWidth(10);
    sheet.SetHeight(300);
    EXPECT_EQ(&sheet.GetCanvas(), &canvas);
    EXPECT_EQ(sheet.Bitmap().size(), QSize(40, 30));
}

TEST_F(SheetImageTest, NewBitmapIsWhiteWhereverItsFirstDrawingDoesNotReach) {
    // The bitmap's white is written late, together with the first drawing
    // or clearing; whatever that first step is, the rest must read white.
    const auto clearInRed = [](int right, int bottom) {
        return [=](Canvas& c) {
            c.SetPenColor(255);
            c.SetBrushColor(255);
            c.Rectangle(0, 0, right, bottom);
        };
    };
    struct Case {
        const char* name;
        std::function<void(Canvas&)> first;
        QPoint drawn;  // a pixel of the first step, in red
    } cases[] = {
        {"nothing", [](Canvas&) {}, QPoint(-1, -1)},
        {"clearing all in red", clearInRed(40, 30), QPoint(39, 29)},
        {"clearing a corner in red", clearInRed(10, 10), QPoint(9, 9)},
        {"a red line", [](Canvas& c) {
             c.SetPenColor(255);
             c.SetPenWidth(2);
             c.MoveTo(2, 3);
             c.LineTo(8, 3);
         },
         QPoint(5, 3)},
        {"red grid lines", [](Canvas& c) {
             c.SetPenColor(255);
             c.HorizontalLines({4}, 0, 10);
             c.VerticalLines({6}, 0, 10);
         },
         QPoint(6, 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetImage sheet;
        sheet.SetWidth(40);
        sheet.SetHeight(30);
        c.first(sheet.GetCanvas());
        const QImage& bitmap = sheet.Bitmap();
        if (c.drawn.x() >= 0) EXPECT_EQ(bitmap.pixel(c.drawn), qRgb(255, 0, 0));
        // Far from what the cases draw; red only where the clearing covers all.
        const QRgb rest = c.drawn == QPoint(39, 29) ? qRgb(255, 0, 0) : qRgb(255, 255, 255);
        for (QPoint p : {QPoint(0, 29), QPoint(39, 0), QPoint(20, 20)})
            EXPECT_EQ(bitmap.pixel(p), rest) << p.x() << "," << p.y();
    }
}

TEST_F(SheetImageTest, AllocationFailureThrowsAndLeavesNoBitmap) {
    SheetImage::SetAllocationLimit(1000);
    SheetImage sheet;
    sheet.SetWidth(50);
    sheet.SetHeight(21);
    EXPECT_THROW(sheet.GetCanvas(), EOutOfResources);
    EXPECT_FALSE(sheet.HasBitmap());

    sheet.SetHeight(20);  // exactly at the limit
    EXPECT_NO_THROW(sheet.GetCanvas());
    EXPECT_EQ(sheet.Bitmap().size(), QSize(50, 20));
}

// A drawing that knows what it changed refreshes those pixels alone; while
// refreshes are held (the drawing is under way) the owner hears nothing.
TEST_F(SheetImageTest, RefreshTellsThePixelsThatChangedAndWaitsWhileHeld) {
    SheetImage sheet;
    std::vector<QRegion> told;  // an empty region: the whole sheet
    sheet.SetOnChange([&](const QRegion* pixels) { told.push_back(pixels ? *pixels : QRegion()); });
    const QRegion changed = QRegion(10, 10, 32, 32) + QRegion(200, 64, 32, 32);
    sheet.HoldRefresh(true);
    sheet.Refresh();
    sheet.Refresh(changed);
    EXPECT_TRUE(told.empty());
    sheet.HoldRefresh(false);
    sheet.Refresh(QRegion());  // nothing changed: nothing to repaint
    EXPECT_TRUE(told.empty());
    sheet.Refresh(changed);
    sheet.Refresh();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], changed);
    EXPECT_TRUE(told[1].isEmpty());
}

TEST_F(SheetImageTest, ChangeCallbackFiresOnRealChangesAndRefresh) {
    SheetImage sheet;
    int calls = 0;
    sheet.SetOnChange([&](const QRegion*) { ++calls; });
    sheet.SetLeft(0);  // unchanged
    sheet.SetVisible(true);
    EXPECT_EQ(calls, 0);
    sheet.SetLeft(5);
    sheet.SetTop(6);
    sheet.SetWidth(7);
    sheet.SetHeight(8);
    sheet.SetVisible(false);
    EXPECT_EQ(calls, 5);
    sheet.Refresh();
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(sheet.Left(), 5);
    EXPECT_EQ(sheet.Top(), 6);
    EXPECT_EQ(sheet.Width(), 7);
    EXPECT_EQ(sheet.Height(), 8);
    EXPECT_FALSE(sheet.Visible());
}
