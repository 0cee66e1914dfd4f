// The stand-and-fall collar, the collar in one with the front and the
// collar with an attached stand on the real garments, through the
// program's windows: drafted on the calculation road from each offering
// garment's neckline, placed by the garment on sheet 1 inside the sheet,
// kept by a saved and reopened order, and printed.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "collars/AttachedStand.h"
#include "collars/StandDown.h"
#include "collars/Wholly.h"
#include "garments/coats_men/MenPattern.h"
#include "kernel/Units.h"
#include "platform/Canvas.h"
#include "platform/SheetImage.h"
#include "shell/BaseCatalog.h"
#include "shell/GarmentSheets.h"
#include "shell/OrderFile.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"
#include "tests/SheetStrokes.h"
#include "tests/kernel/PdfPaths.h"

namespace {

const char* CaptionOf(int kind) {
    switch (kind) {
        case TStandDown::kKind: return " Стояче-отложной";
        case TWholly::kKind: return " Цельнокроенный";
        default: return " С притачной стойкой";
    }
}

class CollarsOnGarmentsTest : public DressWindowsTest {
protected:
    void AfterWindows() override {
        DressWindowsTest::AfterWindows();
        UseRealPieces();
    }
    std::string Context(int type, int collar, int sleeve) const {
        return "type " + std::to_string(type) + " collar " + std::to_string(collar) + " sleeve " +
               std::to_string(sleeve);
    }
    // The garment of the type with the collar (and the sleeve) calculated
    // from its samples through the main window: true when it stands with
    // no message shown.
    bool Calculated(int type, int collar, int sleeve, const std::string& context) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, sleeve)) << context;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(messages.empty()) << context << ": " << (messages.empty() ? "" : messages[0].text);
        return main->Model && main->Model->calculated;
    }
    // Where the garment draws the collar's axes on sheet 1: at the collar
    // origin, the separate pieces (kinds 1, 2, 6) moved 2 cm above the
    // bodice's top over the back neck.
    Vector CollarShift() const {
        if (main->CollarKind == TWholly::kKind) return Vector(0, 0);
        if (const TDress* d = CurrentDress()) return Vector(d->A01.x, -std::max(d->A2.y, d->A6.y) - 2);
        const TMenPattern* g = CurrentMenPattern();
        return Vector(g->A01.x, -std::max(g->A2.y, g->A3.y) - 2);
    }
    // The collar's extent box and everything the collar draws lie on
    // sheet 1; the drawing fills its box.
    void ExpectTheCollarOnTheSheet(const std::string& context) {
        const TCollar& c = *main->Collar;
        ScreenDC.RestoreCollarOrigin();
        const Vector shift = CollarShift();
        ScreenDC.PushShift(shift.x, shift.y);
        const float left = ScreenDC.OriginX + c.BoxLeft, right = ScreenDC.OriginX + c.BoxRight;
        const float top = ScreenDC.OriginY - c.BoxTop, bottom = ScreenDC.OriginY - c.BoxBottom;
        EXPECT_LT(c.BoxLeft, c.BoxRight) << context;
        EXPECT_LT(c.BoxBottom, c.BoxTop) << context;
        EXPECT_GE(left, 0) << context;
        EXPECT_LE(right, kSheetWidth) << context;
        EXPECT_GE(top, 0) << context;
        EXPECT_LE(bottom, kSheetHeight) << context;
        ScreenDC.ResetDrawnExtent();
        main->Collar->Draw();
        ScreenDC.PopShift();
        const TDrawContext::Extent drawn = ScreenDC.DrawnExtent();
        ASSERT_FALSE(drawn.Empty()) << context;
        EXPECT_GE(drawn.left, 0) << context;
        EXPECT_LE(drawn.right, kSheetWidth) << context;
        EXPECT_GE(drawn.top, 0) << context;
        EXPECT_LE(drawn.bottom, kSheetHeight) << context;
        // The box spans the piece across; the separate pieces also from
        // their lowest to their highest point.
        EXPECT_NEAR(drawn.left, left, 0.01) << context;
        EXPECT_NEAR(drawn.right, right, 0.01) << context;
        if (main->CollarKind != TWholly::kKind) {
            EXPECT_NEAR(drawn.top, top, 0.01) << context;
            EXPECT_NEAR(drawn.bottom, bottom, 0.01) << context;
        }
        // What the garment drew on sheet 1 carries the collar's ink.
        EXPECT_GT(DarkPixels(report->List1()->Bitmap(),
                             QRect(ScreenDC.PixelX(0) + int((left - ScreenDC.OriginX) * ScreenDC.PxPerCmX),
                                   ScreenDC.PixelY(0) + int((top - ScreenDC.OriginY) * ScreenDC.PxPerCmY),
                                   int((right - left) * ScreenDC.PxPerCmX) + 1,
                                   int((bottom - top) * ScreenDC.PxPerCmY) + 1)),
                  20)
            << context;
    }
};

// Every women's bodice with each of the three collars, without a sleeve and
// with the one-seam sleeve.
TEST_F(CollarsOnGarmentsTest, EveryWomensBodiceWithEachCollar) {
    for (int type = 7; type <= 14; ++type) {
        for (int collar : {TStandDown::kKind, TWholly::kKind, TAttachedStand::kKind}) {
            for (int sleeve : {0, 1}) {
                const std::string context = Context(type, collar, sleeve);
                ASSERT_TRUE(Calculated(type, collar, sleeve, context)) << context;
                EXPECT_EQ(main->CollarType->text().toStdString(), CaptionOf(collar)) << context;
                ExpectTheCollarOnTheSheet(context);
            }
        }
    }
}

// Every men's coat and blazer with the stand-and-fall collar and the
// collar with an attached stand.
TEST_F(CollarsOnGarmentsTest, EveryMensCoatAndBlazerWithEachCollar) {
    for (int type = 28; type <= 35; ++type) {
        for (int collar : {TStandDown::kKind, TAttachedStand::kKind}) {
            const std::string context = Context(type, collar, 0);
            ASSERT_TRUE(Calculated(type, collar, 0, context)) << context;
            EXPECT_EQ(main->CollarType->text().toStdString(), CaptionOf(collar)) << context;
            ExpectTheCollarOnTheSheet(context);
        }
    }
}

// An order saved with one of the collars names its kind in the header and
// opens with the same collar, drafted alike.
TEST_F(CollarsOnGarmentsTest, TheCollarComesBackWithTheOrder) {
    struct Case {
        int type, collar, sleeve;
    };
    for (const Case& k : {Case{10, TStandDown::kKind, 1}, Case{13, TWholly::kKind, 0}, Case{8, TAttachedStand::kKind, 1},
                          Case{29, TStandDown::kKind, 0}, Case{34, TAttachedStand::kKind, 0}}) {
        const std::string context = Context(k.type, k.collar, k.sleeve);
        ASSERT_TRUE(Calculated(k.type, k.collar, k.sleeve, context)) << context;
        const TCollar& before = *main->Collar;
        const float box[4] = {before.BoxLeft, before.BoxRight, before.BoxTop, before.BoxBottom};
        const std::string path = TempPath("collar.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path)) << context;
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        RecordReader header(f.read(12).toStdString());
        EXPECT_EQ(header.ReadInt(), k.type);
        header.ReadInt();  // format version
        EXPECT_EQ(header.ReadInt(), k.collar) << context;
        f.close();

        main->CreateModel(0, -1, -1);
        EXPECT_EQ(main->CollarType->text().toStdString(), "");
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << context;
        ASSERT_TRUE(main->Model->calculated) << context;
        EXPECT_EQ(main->CollarKind, k.collar) << context;
        EXPECT_EQ(main->CollarType->text().toStdString(), CaptionOf(k.collar)) << context;
        const TCollar& after = *main->Collar;
        EXPECT_EQ(after.BoxLeft, box[0]) << context;
        EXPECT_EQ(after.BoxRight, box[1]) << context;
        EXPECT_EQ(after.BoxTop, box[2]) << context;
        EXPECT_EQ(after.BoxBottom, box[3]) << context;
    }
}

// A dress with each of its three collars and a men's coat with each of its
// two print to PDF: the pattern's pages and the tables' page, no message.
TEST_F(CollarsOnGarmentsTest, PrintsWithEachCollar) {
    struct Case {
        int type, collar;
    };
    for (const Case& k : {Case{7, TStandDown::kKind}, Case{7, TWholly::kKind}, Case{7, TAttachedStand::kKind},
                          Case{31, TStandDown::kKind}, Case{31, TAttachedStand::kKind}}) {
        const std::string context = Context(k.type, k.collar, 0);
        ASSERT_TRUE(Calculated(k.type, k.collar, 0, context)) << context;
        messages.clear();
        const std::string path = PrintAt(1, "collar" + std::to_string(k.type) + "_" + std::to_string(k.collar));
        EXPECT_TRUE(messages.empty()) << context;
        EXPECT_GT(PdfPages(path), 1) << context;
    }
}

// With a sleeve made in one with the bodice the collar's back part is drawn
// with the back on sheet 2, its origin 5 cm in from the left edge past B0
// and 10 cm below the collar's top; sheet 1 keeps the front part only.
TEST_F(CollarsOnGarmentsTest, WithAnAllInOneSleeveTheBackPartIsOnSheetTwo) {
    const std::string context = Context(7, TWholly::kKind, 7);
    ASSERT_TRUE(Calculated(7, TWholly::kKind, 7, context)) << context;
    const auto& w = dynamic_cast<const TWholly&>(*main->Collar);
    const TDress& d = *CurrentDress();
    TDrawContext sheet2 = ScreenDC;
    sheet2.SetOrigin(5 - d.B0.x, w.BoxTop + 10);
    const QImage& list2 = report->List2()->Bitmap();
    const int x = sheet2.PixelX(w.C2.x), y = sheet2.PixelY(w.C2.y);
    EXPECT_GT(DarkPixels(list2, QRect(x - 3, y - 3, 7, 7)), 2) << "C2 on sheet 2";
    ScreenDC.RestoreCollarOrigin();
    const QImage& list1 = report->List1()->Bitmap();
    const int x1 = ScreenDC.PixelX(w.C2.x), y1 = ScreenDC.PixelY(w.C2.y);
    EXPECT_EQ(DarkPixels(list1, QRect(x1 - 3, y1 - 3, 7, 7)), 0) << "C2 on sheet 1";
    const int x6 = ScreenDC.PixelX(w.C6.x), y6 = ScreenDC.PixelY(w.C6.y);
    EXPECT_GT(DarkPixels(list1, QRect(x6 - 3, y6 - 3, 7, 7)), 2) << "C6 on sheet 1";
}


// ... and on paper it is printed with the back's pages: its straight
// lines (BackRise → C2 and C1 → A2) stand in the file at their true length.
TEST_F(CollarsOnGarmentsTest, WithAnAllInOneSleeveTheBackPartIsPrintedWithTheBack) {
    for (int sleeve : {7, 11}) {
        const std::string context = Context(8, TWholly::kKind, sleeve);
        ASSERT_TRUE(Calculated(8, TWholly::kKind, sleeve, context)) << context;
        const auto& w = dynamic_cast<const TWholly&>(*main->Collar);
        const TDress& d = *CurrentDress();
        messages.clear();
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "wholly_back" + std::to_string(sleeve)));
        EXPECT_TRUE(messages.empty()) << context;
        auto has = [&](const Vector& a, const Vector& b) {
            return HasSegment(segments, 10.0 * std::hypot(double(a.x) - b.x, double(a.y) - b.y));
        };
        EXPECT_TRUE(has(w.BackRise, w.C2)) << context;
        EXPECT_TRUE(has(w.C1, d.A2)) << context;
    }
}

}  // namespace

// A printed collar is cut along as thick a line as the pieces printed
// beside it: every collar the dialog offers a bodice draws its outline with
// the paper's outline pen on paper and the screen's on the screen.
TEST_F(CollarsOnGarmentsTest, EveryCollarsOutlineTakesTheOutlinePenOfItsMedium) {
    auto widest = [](const SheetStrokes& strokes) {
        int w = 0;
        for (const Stroke& s : strokes.all)
            if (s.kind == 'L') w = std::max(w, s.width);
        return w;
    };
    for (int type = 7; type <= 35; ++type) {
        if (IsLowerBodyType(type)) continue;
        std::set<int> collars;
        for (int neckline : {kNecklineClosed, kNecklineOpen}) {
            const BaseList list = CollarList(type, neckline);
            for (int i = 0; i < list.count; ++i)
                if (list.Item(i)->kind > 0) collars.insert(list.Item(i)->kind);
        }
        for (int collar : collars) {
            const std::string context = Context(type, collar, 0);
            ASSERT_TRUE(Calculated(type, collar, 0, context)) << context;
            ImageCanvas paper(QImage(64, 64, QImage::Format_RGB32));
            const TDrawContext kept = PrinterDC;
            PrinterDC.Canvas = &paper;
            PrinterDC.PxPerCmX = PrinterDC.PxPerCmY = 10;  // any page's scale
            const SheetStrokes printed(paper, [&] { main->Collar->PrintOn(PrinterDC); });
            PrinterDC = kept;
            EXPECT_EQ(widest(printed), GarmentSheets::kPaperOutline) << context;
            Canvas& sheet = report->List1()->GetCanvas();
            ScreenDC.SetCanvas(&sheet);
            const SheetStrokes shown(sheet, [&] { main->Collar->Draw(); });
            EXPECT_EQ(widest(shown), GarmentSheets::kScreenOutline) << context;
        }
    }
}
