// The canvas over an image: colours, lines, rectangles, polygons and text
// read back pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/Canvas.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A white image canvas of the given size.
std::unique_ptr<ImageCanvas> WhiteCanvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return std::make_unique<ImageCanvas>(std::move(image));
}

// Bounding box of the non-white pixels; an invalid rect when there are none.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(WinColor, ConvertsBGRValuesBothWays) {
    EXPECT_EQ(WinColorToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(WinColorToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(WinColorToQColor(15790320), QColor(240, 240, 240));
    EXPECT_EQ(QColorToWinColor(QColor(0, 128, 0)), 0x008000);
    EXPECT_EQ(QColorToWinColor(WinColorToQColor(0x123456)), 0x123456);
    EXPECT_EQ(WinRGB(1, 2, 3), 0x030201);
}

TEST(Canvas, PenColour255DrawsRed) {
    auto canvas = WhiteCanvas(10, 10);
    canvas->SetPenColor(255);
    canvas->MoveTo(0, 5);
    canvas->LineTo(9, 5);
    EXPECT_EQ(canvas->Image().pixel(3, 5), qRgb(255, 0, 0));
}

TEST(Canvas, LineToStartsAtPenPositionAndLeavesOutEndPixel) {
    auto canvas = WhiteCanvas(20, 20);
    canvas->MoveTo(2, 5);
    canvas->LineTo(10, 5);
    canvas->LineTo(10, 12);
    EXPECT_EQ(canvas->PenPosX(), 10);
    EXPECT_EQ(canvas->PenPosY(), 12);
    const QImage& img = canvas->Image();
    EXPECT_EQ(img.pixel(1, 5), kWhite);
    EXPECT_EQ(img.pixel(2, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(10, 5), qRgb(0, 0, 0));  // start of the second line
    EXPECT_EQ(img.pixel(10, 11), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(10, 12), kWhite);  // end pixel of the last line
    EXPECT_EQ(InkBox(img), QRect(QPoint(2, 5), QPoint(10, 11)));
}

TEST(Canvas, LinesRunningBackCoverTheirStartAndLeaveOutTheirEnd) {
    struct Case {
        int x0, y0, x1, y1;
        bool endPainted;
    } cases[] = {
        {15, 5, 3, 5, false},   // leftwards
        {5, 15, 5, 3, false},   // upwards
        {3, 5, 15, 5, false},   // rightwards
        {12, 14, 2, 10, true},  // slanting back: its end pixel is painted
        {2, 10, 12, 14, false},
        {7, 7, 7, 7, false},    // zero length: nothing
    };
    for (const Case& c : cases) {
        auto canvas = WhiteCanvas(20, 20);
        canvas->MoveTo(c.x0, c.y0);
        canvas->LineTo(c.x1, c.y1);
        const QImage& img = canvas->Image();
        const bool zero = c.x0 == c.x1 && c.y0 == c.y1;
        EXPECT_EQ(img.pixel(c.x0, c.y0) != kWhite, !zero) << c.x0 << "," << c.y0;
        EXPECT_EQ(img.pixel(c.x1, c.y1) != kWhite, c.endPainted) << c.x1 << "," << c.y1;
    }
}

TEST(Canvas, WidePenCoversItsWidth) {
    auto canvas = WhiteCanvas(30, 30);
    canvas->SetPenWidth(4);
    canvas->MoveTo(5, 15);
    canvas->LineTo(25, 15);
    const QRect box = InkBox(canvas->Image());
    EXPECT_GE(box.height(), 4);
    EXPECT_LE(box.height(), 5);
}

TEST(Canvas, RectangleOutlinesWithPenAndFillsWithBrushRightBottomExclusive) {
    auto canvas = WhiteCanvas(20, 20);
    canvas->SetPenColor(255);
    canvas->SetBrushColor(0xFF0000);
    canvas->SetBrushStyle(BrushStyle::Solid);
    canvas->Rectangle(2, 3, 10, 12);
    const QImage& img = canvas->Image();
    EXPECT_EQ(InkBox(img), QRect(QPoint(2, 3), QPoint(9, 11)));
    EXPECT_EQ(img.pixel(2, 3), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(9, 11), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 6), qRgb(0, 0, 255));

    canvas->SetBrushStyle(BrushStyle::Clear);
    canvas->SetPenColor(0);
    canvas->Rectangle(12, 12, 18, 18);
    EXPECT_EQ(canvas->Image().pixel(12, 12), qRgb(0, 0, 0));
    EXPECT_EQ(canvas->Image().pixel(15, 15), kWhite);
}

TEST(Canvas, PolygonFillsInteriorWithBrush) {
    auto canvas = WhiteCanvas(30, 30);
    canvas->SetBrushColor(0x00FF00);
    canvas->Polygon({{5, 5}, {25, 5}, {25, 25}, {5, 25}});
    const QImage& img = canvas->Image();
    EXPECT_EQ(img.pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(15, 15), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(2, 2), kWhite);
}

TEST(Canvas, TextOutPutsTopLeftCornerAtThePoint) {
    auto canvas = WhiteCanvas(200, 100);
    canvas->SetBrushStyle(BrushStyle::Clear);
    canvas->SetFontSize(12);
    canvas->TextOut(40, 30, "Лист 1");
    const QRect box = InkBox(canvas->Image());
    ASSERT_TRUE(box.isValid());
    EXPECT_GE(box.left(), 40);
    EXPECT_GE(box.top(), 30);
    EXPECT_LE(box.top(), 30 + canvas->TextHeight("Лист 1") / 2);  // not hanging from a baseline
    EXPECT_LT(box.bottom(), 30 + canvas->TextHeight("Лист 1"));
    EXPECT_LE(box.right(), 40 + canvas->TextWidth("Лист 1"));
}

TEST(Canvas, TextUsesFontColourAndSolidBrushBackground) {
    auto canvas = WhiteCanvas(100, 40);
    canvas->SetFontColor(255);
    canvas->SetBrushColor(0x00FF00);
    canvas->SetBrushStyle(BrushStyle::Solid);
    canvas->TextOut(10, 10, "M");
    const QImage& img = canvas->Image();
    EXPECT_EQ(img.pixel(10, 10), qRgb(0, 255, 0));  // background of the text cell
    bool red = false;
    for (int y = 10; y < 10 + canvas->TextHeight("M"); ++y)
        for (int x = 10; x < 10 + canvas->TextWidth("M"); ++x) red |= img.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(Canvas, TextOutUpRunsUpwardsRightOfThePoint) {
    auto canvas = WhiteCanvas(100, 200);
    canvas->SetBrushStyle(BrushStyle::Clear);
    canvas->TextOutUp(30, 150, "ABCDEF");
    const QRect box = InkBox(canvas->Image());
    ASSERT_TRUE(box.isValid());
    EXPECT_GE(box.left(), 30);
    EXPECT_LE(box.bottom(), 150);
    EXPECT_GT(box.height(), box.width());
    EXPECT_LE(box.right(), 30 + canvas->TextHeight("ABCDEF"));
}

TEST(Canvas, TextMetricsFollowFontSize) {
    auto canvas = WhiteCanvas(10, 10);
    canvas->SetFontSize(8);
    const int h8 = canvas->TextHeight("A");
    const int w8 = canvas->TextWidth("AAAA");
    canvas->SetFontSize(16);
    EXPECT_GT(canvas->TextHeight("A"), h8);
    EXPECT_GT(canvas->TextWidth("AAAA"), w8);
    EXPECT_GT(w8, canvas->TextWidth("A") / 2);
    EXPECT_EQ(canvas->FontFamily(), "DejaVu Sans");
}

TEST(Canvas, DrawingContinuesAfterTheImageWasFlushed) {
    auto canvas = WhiteCanvas(20, 20);
    canvas->SetPenColor(255);
    canvas->MoveTo(0, 1);
    canvas->LineTo(10, 1);
    EXPECT_EQ(canvas->Image().pixel(5, 1), qRgb(255, 0, 0));
    EXPECT_FALSE(canvas->Painting());
    canvas->LineTo(10, 10);  // pen and pen position survive the flush
    EXPECT_EQ(canvas->Image().pixel(10, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas->Image().pixel(5, 1), qRgb(255, 0, 0));
}

TEST(Canvas, AxisLinesWrittenDirectlyMatchThePainter) {
    // RGB32 images take the direct path; RGB888 ones go through the painter.
    auto draw = [](QImage::Format format) {
        QImage image(40, 30, format);
        image.fill(Qt::white);
        ImageCanvas canvas(image);
        canvas.SetPenColor(WinRGB(240, 240, 240));
        canvas.HorizontalLines({2, 9, -4, 29, 35}, 3, 50);  // clipped on the right
        canvas.VerticalLines({5, 39, -1}, 28, 4);           // drawn upwards
        EXPECT_EQ(canvas.PenPosX(), -1);
        EXPECT_EQ(canvas.PenPosY(), 4);
        canvas.SetPenColor(WinRGB(220, 220, 220));
        canvas.HorizontalLines({20}, 30, 10);  // drawn leftwards
        canvas.VerticalLines({12}, 0, 0);      // empty
        return canvas.Image().convertToFormat(QImage::Format_RGB32);
    };
    const QImage direct = draw(QImage::Format_RGB32);
    const QImage painted = draw(QImage::Format_RGB888);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) EXPECT_EQ(direct.pixel(x, y), painted.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(direct.pixel(3, 2), qRgb(240, 240, 240));
    EXPECT_EQ(direct.pixel(5, 28), qRgb(240, 240, 240));  // start of an upward line
    EXPECT_EQ(direct.pixel(5, 4), kWhite);                 // its end pixel
    EXPECT_EQ(direct.pixel(30, 20), qRgb(220, 220, 220));
    EXPECT_EQ(direct.pixel(10, 20), kWhite);
}

TEST(Canvas, SingleColourRectangleKeepsItsPlaceAmongOtherDrawing) {
    auto canvas = WhiteCanvas(30, 30);
    canvas->SetPenColor(255);
    canvas->MoveTo(0, 5);
    canvas->LineTo(30, 5);  // under the fill: covered
    canvas->SetBrushStyle(BrushStyle::Solid);
    canvas->SetBrushColor(0x00FF00);
    canvas->SetPenColor(0x00FF00);
    canvas->Rectangle(0, 0, 20, 20);
    canvas->SetPenColor(255);
    canvas->MoveTo(0, 10);
    canvas->LineTo(30, 10);  // over the fill: shows
    canvas->SetPenColor(0xFF0000);
    canvas->VerticalLines({15}, 0, 30);
    const QImage& img = canvas->Image();
    EXPECT_EQ(img.pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(25, 5), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 10), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(15, 10), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(19, 19), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(20, 19), kWhite);
}

TEST(Canvas, FillsInARowKeepWhatTheLaterOneLeavesUncovered) {
    // Each case: two single-colour rectangles, red then blue, and a pixel of
    // each part of the picture that they make.
    struct Case {
        const char* name;
        QRect red;
        QRect blue;
        QPoint onlyRed;  // (-1, -1): none
        QPoint blueAt;
    } cases[] = {
        {"blue covers red", QRect(0, 0, 30, 20), QRect(0, 0, 30, 20), QPoint(-1, -1), QPoint(29, 19)},
        {"blue covers red and more", QRect(5, 5, 10, 10), QRect(0, 0, 30, 20), QPoint(-1, -1), QPoint(6, 6)},
        {"blue inside red", QRect(0, 0, 30, 20), QRect(5, 5, 10, 10), QPoint(29, 19), QPoint(14, 14)},
        {"blue overlaps red", QRect(0, 0, 20, 20), QRect(10, 0, 20, 20), QPoint(9, 9), QPoint(10, 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto canvas = WhiteCanvas(40, 30);
        for (auto [rect, color] : {std::pair{c.red, 255}, std::pair{c.blue, 0xFF0000}}) {
            canvas->SetPenColor(color);
            canvas->SetBrushColor(color);
            canvas->Rectangle(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        }
        const QImage& img = canvas->Image();
        if (c.onlyRed.x() >= 0) EXPECT_EQ(img.pixel(c.onlyRed), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(c.blueAt), qRgb(0, 0, 255));
        EXPECT_EQ(img.pixel(35, 25), kWhite);
        EXPECT_EQ(InkBox(img), c.red | c.blue);
    }
}

// The background drawn again inside a region of several rectangles: inside
// them the pixels of a drawing over the whole image, outside them what was
// there.
TEST(Canvas, TheBackgroundKeepsToItsClipRegion) {
    auto background = [](ImageCanvas& canvas) {
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColor(kWinWhite);
        canvas.SetPenColor(kWinWhite);
        canvas.Rectangle(0, 0, 60, 40);
        canvas.SetPenColor(WinRGB(200, 200, 200));
        canvas.VerticalLines({3, 17, 40}, 0, 40);
        canvas.HorizontalLines({5, 21}, 0, 60);
    };
    auto whole = WhiteCanvas(60, 40);
    background(*whole);
    auto clipped = WhiteCanvas(60, 40);
    clipped->SetBrushStyle(BrushStyle::Solid);
    clipped->SetBrushColor(255);
    clipped->SetPenColor(255);
    clipped->Rectangle(0, 0, 60, 40);  // all red
    QRegion region(QRect(0, 0, 20, 10));
    region += QRect(30, 16, 25, 20);
    clipped->SetBackgroundClip(region);
    background(*clipped);
    clipped->SetBackgroundClip(QRegion());
    const QImage& a = whole->Image();
    const QImage& b = clipped->Image();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            if (region.contains(QPoint(x, y)))
                EXPECT_EQ(b.pixel(x, y), a.pixel(x, y)) << x << "," << y;
            else
                EXPECT_EQ(b.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
        }
}
