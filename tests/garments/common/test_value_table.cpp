// The two-column tables of the sheets and pages: rules where the layout puts
// them, one rule below the last row, the vertical rules' overshoot, and the
// printed table's font sizes given back.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <vector>

#include "garments/common/ValueTable.h"
#include "kernel/DrawContext.h"
#include "platform/Canvas.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

const ValueTableLayout kLayout{"Таблица", 40, "Отрезок", 28, "Длина", 134, 30, 140, 1};

struct TableOnCanvas {
    QImage white{300, 400, QImage::Format_RGB32};
    std::unique_ptr<ImageCanvas> canvas;
    TDrawContext dc;
    TableOnCanvas() {
        white.fill(Qt::white);
        canvas = std::make_unique<ImageCanvas>(white);
        dc.IntFactorX = dc.IntFactorY = 1.0f;  // one table unit, one pixel
        dc.SetCanvas(canvas.get());
        dc.SetIntOffset(10, 5);
    }
};

TEST(ValueTable, RulesFramePerRowAndOneBelowTheLast) {
    TableOnCanvas t;
    const std::vector<ValueTableRow> rows = {{"[ T, H ]", 53.3f}, {"[ T, B ]", 19.1f}};
    DrawValueTable(t.dc, kLayout, rows, TableMedium::Screen);
    const QImage& img = t.canvas->Image();
    // Horizontal rules at 20, 36, 52, 68 (offset 10, 5); none at 84.
    for (int y : {20, 36, 52, 68}) EXPECT_NE(img.pixel(10 + 60, 5 + y), kWhite) << y;
    EXPECT_EQ(img.pixel(10 + 60, 5 + 84), kWhite);
    // Vertical rules at 0, 100, 200 down to 68 + 1 (the end pixel left out).
    for (int x : {0, 100, 200}) {
        EXPECT_NE(img.pixel(10 + x, 5 + 68), kWhite) << x;
        EXPECT_EQ(img.pixel(10 + x, 5 + 69), kWhite) << x;
    }
    // The values, one decimal, in the value column.
    bool ink = false;
    for (int y = 5 + 38; y < 5 + 52 && !ink; ++y)
        for (int x = 10 + 140; x < 10 + 198 && !ink; ++x) ink = qGray(img.pixel(x, y)) < 128;
    EXPECT_TRUE(ink);
}

TEST(ValueTable, PaperTableGivesTheFontSizeBack) {
    TableOnCanvas t;
    t.canvas->SetFontSize(13);
    DrawValueTable(t.dc, kLayout, {{"Ст", 38.0f}}, TableMedium::Paper);
    EXPECT_EQ(t.canvas->FontSize(), 13);

    // Also when drawing fails half-way (a value that is no pixel).
    t.dc.IntFactorX = 1e30f;
    EXPECT_ANY_THROW(DrawValueTable(t.dc, kLayout, {{"Ст", 38.0f}}, TableMedium::Paper));
    EXPECT_EQ(t.canvas->FontSize(), 13);
}

}  // namespace
