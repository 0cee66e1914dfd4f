// The shared messages, the captions and comment block of a screen sheet and
// the furniture of a printed page, drawn on white image canvases and
// compared with the same texts written straight onto a canvas at the table
// positions the sheets and pages use.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Text.h"

namespace {

class FakeOrder : public OrderInfoSource {
public:
    std::string modelType = " Юбка. Заказ № 12";
    std::string customer = "Иванова А. Б.";
    std::vector<std::string> comment;
    int tiling = 4;

    std::string ModelTypeText() const override { return modelType; }
    std::string CustomerText() const override { return customer; }
    std::vector<std::string> CommentLines() const override { return comment; }
    int ModelIndex() const override { return 0; }
    int TilingMode() const override { return tiling; }
};

std::unique_ptr<ImageCanvas> WhiteImageCanvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return std::make_unique<ImageCanvas>(std::move(image));
}

// Bounding box of the non-white pixels within `area` (null when none).
QRect InkBox(const QImage& image, const QRect& area) {
    QRect box;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFFu) box |= QRect(x, y, 1, 1);
    return box;
}

// The expected picture: texts written directly on a white canvas, each at
// its pixel position and font size.
class Reference {
public:
    Reference(int w, int h) : canvas_(WhiteImageCanvas(w, h)) { canvas_->SetBrushStyle(BrushStyle::Clear); }
    Reference& Text(int x, int y, const std::string& text, int fontSize) {
        canvas_->SetFontSize(fontSize);
        canvas_->TextOut(x, y, text);
        return *this;
    }
    Reference& TextUp(int x, int y, const std::string& text, int fontSize) {
        canvas_->SetFontSize(fontSize);
        canvas_->TextOutUp(x, y, text);
        return *this;
    }
    const QImage& Image() { return canvas_->Image(); }

private:
    std::unique_ptr<ImageCanvas> canvas_;
};

// The order, the message interceptor and both drawing contexts are put back
// after each test.
class SheetCaptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedScreen_ = ScreenDC;
        savedPrinter_ = PrinterDC;
        SetOrderInfoSource(&order);
        SetMessageInterceptor([this](const MessageRecord& m) {
            messages.push_back(m);
            return MsgResult::Ok;
        });
    }
    void TearDown() override {
        SetMessageInterceptor(nullptr);
        SetOrderInfoSource(nullptr);
        ScreenDC = savedScreen_;
        PrinterDC = savedPrinter_;
    }

    // A screen sheet of w x h pixels with table factor f and offset (0, 0).
    ImageCanvas& ScreenSheet(int w, int h, float f) {
        sheet_ = WhiteImageCanvas(w, h);
        ScreenDC.SetCanvas(sheet_.get());
        ScreenDC.SheetWidthPx = w;
        ScreenDC.SheetHeightPx = h;
        ScreenDC.IntFactorX = ScreenDC.IntFactorY = f;
        ScreenDC.SetIntOffset(0, 0);
        return *sheet_;
    }

    // A printed page of 254 x 127 mm (960 x 480 table units) at 2 dots per
    // table unit, its canvas at font size 7 and the integer offset elsewhere.
    ImageCanvas& PrinterPage() {
        PrinterDC.BeginPrinterPage(1.0f, FixedPrinterMetrics(kPageW * 2, kPageH * 2, 254, 127));
        page_ = WhiteImageCanvas(kPageW * 2, kPageH * 2);
        PrinterDC.AttachPrinterCanvas(page_.get());
        page_->SetFontSize(7);
        PrinterDC.SetIntOffset(33, 44);
        return *page_;
    }

    static constexpr int kPageW = 960;
    static constexpr int kPageH = 480;

    FakeOrder order;
    std::vector<MessageRecord> messages;

private:
    TDrawContext savedScreen_;
    TDrawContext savedPrinter_;
    std::unique_ptr<ImageCanvas> sheet_;
    std::unique_ptr<ImageCanvas> page_;
};

}  // namespace

TEST_F(SheetCaptionsTest, MessagesHaveTheirExactTextsCaptionsAndIcon) {
    struct Case {
        void (*show)();
        const char* text;
        const char* caption;
    } cases[] = {
        {ShowMeasurementsMissing, "Введите необходимые измерения.  ", "Не все измерения"},
        {ShowNothingToPrint, "Рассчитайте основу для печати.  ", "Нет результата для печати"},
    };
    for (const Case& c : cases) {
        messages.clear();
        c.show();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, c.caption);
        EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
        EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    }
}

TEST_F(SheetCaptionsTest, HeaderJoinsCaptionAndCustomerWithOneBlank) {
    EXPECT_EQ(SheetHeaderText(), "Основа:  Юбка. Заказ № 12 Иванова А. Б.");
    order.modelType.clear();
    order.customer.clear();
    EXPECT_EQ(SheetHeaderText(), "Основа:  ");
}

TEST_F(SheetCaptionsTest, SheetCaptionsSitAtTheirTablePositions) {
    // 96 dpi (factor 1) and 120 dpi (factor 1.25): the sheet size passes
    // through the table mapping like every other coordinate.
    for (float f : {1.0f, 1.25f}) {
        ImageCanvas& sheet = ScreenSheet(800, 600, f);
        DrawSheetCaptions("Лист 1 из 2");
        auto px = [f](int units) { return int(units * f); };
        Reference expected(800, 600);
        expected.Text(px(24), px(6), SheetHeaderText(), 8)
            .Text(px(800 - 80), px(6), "Лист 1 из 2", 8)
            .Text(px(24), px(600 - 24), FooterText, 8)
            .Text(px(800 - 80), px(600 - 24), ShortDateText(), 8);
        EXPECT_TRUE(sheet.Image() == expected.Image()) << "factor " << f;
    }
    // The header's ink starts just right of and below (24, 6).
    ImageCanvas& sheet = ScreenSheet(800, 600, 1.0f);
    DrawSheetCaptions("");
    const QRect header = InkBox(sheet.Image(), QRect(0, 0, 400, 40));
    ASSERT_FALSE(header.isNull());
    EXPECT_GE(header.left(), 24);
    EXPECT_LE(header.left(), 28);
    EXPECT_GE(header.top(), 6);
    EXPECT_LE(header.top(), 14);
}

TEST_F(SheetCaptionsTest, CommentBlockShowsAtMost28Lines) {
    struct Case {
        int lines;
        int shown;
    } cases[] = {{0, 0}, {5, 5}, {27, 27}, {28, 28}, {30, 28}};
    const int ox = 10, oy = 20;
    for (const Case& c : cases) {
        order.comment.assign(size_t(c.lines), "Ж");
        ImageCanvas& sheet = ScreenSheet(300, 600, 1.0f);
        ScreenDC.SetIntOffset(ox, oy);
        DrawCommentBlock();
        const QImage& image = sheet.Image();
        // The title, and one band of 16 units per line from 26.
        EXPECT_FALSE(InkBox(image, QRect(ox + 112, oy, 150, 16)).isNull()) << c.lines;
        int shown = 0;
        for (int i = 0; i < 32; ++i) {
            const QRect box = InkBox(image, QRect(0, oy + 26 + 16 * i, 300, 16));
            if (box.isNull()) continue;
            ++shown;
            EXPECT_EQ(i, shown - 1) << "line " << i << " of " << c.lines;
            EXPECT_GE(box.left(), ox) << c.lines;
        }
        EXPECT_EQ(shown, c.shown) << c.lines;
    }
}

TEST_F(SheetCaptionsTest, FirstPrintedPageShowsTheTilingMode) {
    order.tiling = 2;
    ImageCanvas& page = PrinterPage();
    PrintSheetCaptions();
    EXPECT_EQ(page.FontSize(), 7);
    EXPECT_EQ(PrinterDC.IntOffsetX, 0.0f);
    EXPECT_EQ(PrinterDC.IntOffsetY, 0.0f);
    Reference expected(kPageW * 2, kPageH * 2);
    expected.Text(48, 12, SheetHeaderText(), 10).Text(48, 48, "M 1:2", 10);
    EXPECT_TRUE(page.Image() == expected.Image());
    Reference other(kPageW * 2, kPageH * 2);
    other.Text(48, 12, SheetHeaderText(), 10).Text(48, 48, "M 1:4", 10);
    EXPECT_FALSE(page.Image() == other.Image());
}

TEST_F(SheetCaptionsTest, PrintedFurnitureKeepsFontSizeAndLeavesOffsetZero) {
    const int W = kPageW, H = kPageH;
    struct Case {
        const char* name;
        std::function<void()> print;
        std::function<void(Reference&)> expect;
    } cases[] = {
        {"header", PrintPageHeader, [](Reference& r) { r.Text(48, 12, SheetHeaderText(), 10); }},
        {"label", [] { PrintPageText("Лист 3"); }, [&](Reference& r) { r.Text((W - 88) * 2, 12, "Лист 3", 10); }},
        {"program footer", PrintProgramFooter,
         [&](Reference& r) {
             r.Text(48, (H - 33) * 2, kPrintCaptionLine, 4).Text(48, (H - 24) * 2, FooterText, 10);
         }},
        {"date footer", PrintPageDateFooter,
         [&](Reference& r) {
             r.Text((W - 88) * 2, (H - 24) * 2, ShortDateText(), 10)
                 .TextUp((W - 18) * 2, (H - 100) * 2, kPrintEdgeLine, 6);
         }},
    };
    for (const Case& c : cases) {
        ImageCanvas& page = PrinterPage();
        c.print();
        EXPECT_EQ(page.FontSize(), 7) << c.name;
        EXPECT_EQ(PrinterDC.IntOffsetX, 0.0f) << c.name;
        EXPECT_EQ(PrinterDC.IntOffsetY, 0.0f) << c.name;
        Reference expected(W * 2, H * 2);
        c.expect(expected);
        EXPECT_TRUE(page.Image() == expected.Image()) << c.name;
    }
}

TEST_F(SheetCaptionsTest, EdgeLineRunsUpTheRightEdge) {
    ImageCanvas& page = PrinterPage();
    PrintPageDateFooter();
    // Right of x = W - 18 and above y = H - 100 (the date is lower down).
    const QRect box = InkBox(page.Image(), QRect((kPageW - 40) * 2, 0, 80, (kPageH - 60) * 2));
    ASSERT_FALSE(box.isNull());
    EXPECT_GE(box.left(), (kPageW - 18) * 2);
    EXPECT_LE(box.bottom(), (kPageH - 100) * 2);
    EXPECT_GT(box.height(), 4 * box.width());
}

TEST_F(SheetCaptionsTest, PrintedCommentBlockAtTheCallersOffset) {
    order.comment = {"первая строка", "вторая"};
    ImageCanvas& page = PrinterPage();
    PrinterDC.SetIntOffset(184, 17);
    PrintCommentBlock();
    EXPECT_EQ(page.FontSize(), 7);
    Reference expected(kPageW * 2, kPageH * 2);
    expected.Text((184 + 130) * 2, 17 * 2, kCommentTitle, 10)
        .Text(184 * 2, (17 + 26) * 2, "первая строка", 10)
        .Text(184 * 2, (17 + 42) * 2, "вторая", 10);
    EXPECT_TRUE(page.Image() == expected.Image());
}

TEST_F(SheetCaptionsTest, FontSizeComesBackWhenDrawingFails) {
    ImageCanvas& page = PrinterPage();
    PrinterDC.IntFactorX = std::nanf("");
    EXPECT_THROW(PrintSheetCaptions(), EFloatError);
    EXPECT_EQ(page.FontSize(), 7);
    EXPECT_THROW(PrintCommentBlock(), EFloatError);
    EXPECT_EQ(page.FontSize(), 7);
}
