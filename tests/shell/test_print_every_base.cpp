// Every base the base-selection dialog offers, with every collar and sleeve
// it offers with it, calculated from the sample values and printed: the
// paper carries every sheet the screen shows ("Лист k из N" for k = 1 .. N)
// and every point label the screen's pattern sheets show, each on a page.
//
// One test case a garment type, so that ctest runs them side by side.
// Printed at 1:4, where the pages are few and every label is printed.
#include <gtest/gtest.h>

#include <QRectF>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "shell/BaseCatalog.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/kernel/PdfPaths.h"

namespace {

struct Offer {
    int type, collar, sleeve;
};

// What the dialog offers with the type: every collar of either neckline
// with every sleeve; -1, -1 for a lower-body type.
std::vector<Offer> OffersOf(int type) {
    if (!IsBodiceType(type)) return {{type, -1, -1}};
    std::set<int> collars;
    for (int neck : {kNecklineClosed, kNecklineOpen}) {
        const BaseList list = CollarList(type, neck);
        for (int i = 0; i < list.count; ++i) collars.insert(list.Item(i)->kind);
    }
    const BaseList sleeves = SleeveList(type);
    std::vector<Offer> offers;
    for (int collar : collars)
        for (int i = 0; i < sleeves.count; ++i) offers.push_back({type, collar, sleeves.Item(i)->kind});
    return offers;
}

// A text drawn on a screen sheet: where and what.
struct ScreenText {
    int x, y;
    std::string text;
};

// The texts of the operations a sheet's canvas kept.
std::vector<ScreenText> TextsOf(const std::vector<Canvas::DrawnOp>& ops) {
    std::vector<ScreenText> texts;
    for (const Canvas::DrawnOp& op : ops) {
        const Canvas::OpFields f = Canvas::ReadOp(op);
        if (f.kind != 'T' || f.values.size() != 2) continue;
        ScreenText t;
        t.x = f.values[0];
        t.y = f.values[1];
        t.text = f.text;
        std::replace(t.text.begin(), t.text.end(), '\t', ' ');
        texts.push_back(t);
    }
    return texts;
}

// The printable area of a page (mm, y up): the frame every page draws
// first, its first four segments.
QRectF FrameOf(const std::vector<PdfSegment>& segments) {
    QRectF frame;
    for (size_t k = 0; k < std::min<size_t>(4, segments.size()); ++k) {
        const PdfSegment& s = segments[k];
        frame |= QRectF(QPointF(std::min(s.x0, s.x1), std::min(s.y0, s.y1)),
                        QPointF(std::max(s.x0, s.x1), std::max(s.y0, s.y1)));
    }
    return frame;
}

// A printed page: its printable area (the frame every page draws first) and
// its texts.
struct PaperPage {
    QRectF frame;
    std::vector<PdfText> texts;
};

std::vector<PaperPage> PagesOf(const std::string& path) {
    const std::map<unsigned, char32_t> unicode = PdfToUnicode(path);
    std::vector<PaperPage> pages;
    for (const QByteArray& content : PdfPageContents(path)) {
        PaperPage page;
        const std::vector<PdfSegment> segments = PdfPageSegments(content);
        page.frame = FrameOf(segments);
        page.texts = PdfPageTexts(content, unicode);
        // The font maps the blank to a tab's code.
        for (PdfText& t : page.texts) std::replace(t.text.begin(), t.text.end(), '\t', ' ');
        pages.push_back(std::move(page));
    }
    return pages;
}

class PrintEveryBaseTest : public GarmentWindowTest, public ::testing::WithParamInterface<int> {
protected:
    SheetImage* Sheet(int n) const { return n == 1 ? report->List1() : n == 2 ? report->List2() : report->List3(); }

    // The offer calculated from the samples, its sheets' drawing kept: the
    // texts of each sheet shown, sheet 1 first.
    std::vector<std::vector<ScreenText>> CalculateShowing(const Offer& o) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(o.type, o.collar, o.sleeve));
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        // The sheets drawn again as the calculation drew them, kept.
        for (int n = 1; n <= 3; ++n) {
            // The list begins with a fill of the whole bitmap.
            const QSize size = Sheet(n)->Bitmap().size();
            Canvas& canvas = Sheet(n)->GetCanvas();
            canvas.KeepOps(true);
            canvas.SetPenWidth(1);
            canvas.SetPenColor(kWinWhite);
            canvas.SetBrushColor(kWinWhite);
            canvas.SetBrushStyle(BrushStyle::Solid);
            canvas.Rectangle(0, 0, size.width(), size.height());
        }
        main->Model->ClearSheets();
        main->Model->Draw();
        main->Model->DrawTables(ScreenDC.Scale);
        std::vector<std::vector<ScreenText>> sheets;
        for (int n = 1; n <= 3; ++n) {
            Canvas& canvas = Sheet(n)->GetCanvas();
            if (Sheet(n)->Visible()) sheets.push_back(TextsOf(canvas.TakeOps()));
            canvas.KeepOps(false);
        }
        return sheets;
    }
};

TEST_P(PrintEveryBaseTest, EverySheetAndEveryLabelTheScreenShowsIsPrinted) {
    for (const Offer& o : OffersOf(GetParam())) {
        SCOPED_TRACE(testing::Message() << "type " << o.type << " collar " << o.collar << " sleeve " << o.sleeve);
        const std::vector<std::vector<ScreenText>> screen = CalculateShowing(o);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        ASSERT_TRUE(messages.empty()) << messages[0].text;

        // The screen's sheets, captioned "Лист k из N" at the right of the
        // top; their captions stand in the columns at 24 and W − 80.
        const int count = int(screen.size());
        const int right = Sheet(1)->Width() - 80;
        std::map<std::string, int> labels;
        for (int k = 1; k <= count; ++k) {
            const std::vector<ScreenText>& texts = screen[size_t(k - 1)];
            const bool captioned = std::any_of(texts.begin(), texts.end(), [&](const ScreenText& t) {
                return t.text == GarmentSheets::SheetText(k, count);
            });
            EXPECT_TRUE(captioned) << "screen sheet " << k << " of " << count;
            if (k == count) continue;  // the tables
            for (const ScreenText& t : texts)
                if (t.x != 24 && t.x != right) ++labels[t.text];
        }

        const std::string path = PrintAt(4, "every_base");
        ASSERT_TRUE(messages.empty()) << messages[0].text;
        const std::vector<PaperPage> pages = PagesOf(path);
        ASSERT_FALSE(pages.empty());
        // The texts that start within the printable area of their page.
        std::map<std::string, int> printed;
        for (const PaperPage& p : pages)
            for (const PdfText& t : p.texts)
                if (p.frame.adjusted(-0.1, -0.1, 0.1, 0.1).contains(QPointF(t.x, t.y))) ++printed[t.text];
        for (int k = 1; k <= count; ++k)
            EXPECT_GT(printed[GarmentSheets::SheetText(k, count)], 0) << "sheet " << k << " of " << count;
        for (const auto& [text, shown] : labels) EXPECT_GE(printed[text], shown) << "label \"" << text << "\"";
    }
}

// The two-seam sleeves' vent flaps reach below the sleeve's hem; at full
// size, with arm lengths that put the flap's corner near a page edge, every
// line of the sleeve's sheet still lies within its block of pages (those
// beyond the block would be cut off at the paper's edge).
TEST_F(PrintEveryBaseTest, EveryLineOfTheSleeveSheetLiesWithinItsPages) {
    struct Case {
        int type, sleeve;
        const char* armLength;
    };
    const Case cases[] = {{28, 12, "48.4"}, {31, 12, "48.4"}, {7, 2, "57.4"}};
    for (const Case& c : cases) {
        for (int step = 0; step < 10; ++step) {
            const std::string arm = std::to_string(std::stof(c.armLength) + 0.1f * float(step)).substr(0, 4);
            SCOPED_TRACE(testing::Message() << "type " << c.type << " sleeve " << c.sleeve << " Др1с " << arm);
            main->FillSamples = true;
            ASSERT_TRUE(main->CreateModel(c.type, 0, c.sleeve));
            main->FillSamples = false;
            const int row = Row("Др1с:");
            ASSERT_GT(row, 0);
            main->Meas(row)->setText(QString::fromStdString(arm));
            messages.clear();
            main->CalcExecute();
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);

            const std::vector<QByteArray> contents = PdfPageContents(PrintAt(1, "sleeve_block"));
            // The sleeve's sheet is the last one tiled: its pages come just
            // before the page of tables.
            const TPrintLayout& l = PrintLayout;
            const int columns = l.LastColumn + 1, rows = l.LastRow + 1;
            ASSERT_GE(int(contents.size()), l.PageCount + 1);
            const size_t first = contents.size() - 1 - size_t(l.PageCount);
            for (int page = 0; page < l.PageCount; ++page) {
                const std::vector<PdfSegment> segments = PdfPageSegments(contents[first + size_t(page)]);
                ASSERT_GT(segments.size(), 4u);
                const QRectF frame = FrameOf(segments);
                const int r = page / columns, col = page % columns;
                // Each end in mm across the block from its left and down from
                // its top.
                for (size_t k = 4; k < segments.size(); ++k) {
                    const PdfSegment& s = segments[k];
                    for (const QPointF& p : {QPointF(s.x0, s.y0), QPointF(s.x1, s.y1)}) {
                        const double across = p.x() - frame.left() + col * frame.width();
                        const double down = frame.bottom() - p.y() + r * frame.height();
                        EXPECT_TRUE(across > -0.5 && across < columns * frame.width() + 0.5 && down > -0.5 &&
                                    down < rows * frame.height() + 0.5)
                            << "page " << page << ": " << across << ", " << down << " mm";
                    }
                }
            }
        }
    }
}

std::string TypeName(const testing::TestParamInfo<int>& info) { return "type" + std::to_string(info.param); }

INSTANTIATE_TEST_SUITE_P(EveryType, PrintEveryBaseTest, testing::Range(0, 37), TypeName);

}  // namespace
