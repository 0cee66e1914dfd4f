// The dresses, jackets and coats on the calculation road: drafted, drawn
// on their sheets with their tables, failing with the road's messages,
// saved and reopened in both format versions, printed to PDF at true
// scale.
#include <gtest/gtest.h>

#include <QPrinter>

#include <algorithm>

#include "tests/SheetStrokes.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"

namespace {

// A type with its sleeve kind (0 none, 1 the stand-in one-seam sleeve).
struct Choice {
    int type, sleeve;
};
std::vector<Choice> EveryTypeWithAndWithoutSleeve() {
    std::vector<Choice> all;
    for (int type = 7; type <= 14; ++type)
        for (int sleeve : {0, 1}) all.push_back({type, sleeve});
    return all;
}

std::string Name(const Choice& c) { return "type " + std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve); }

class DressRoadTest : public DressWindowsTest {
protected:
    TDressGarment& Calculated(int type, int collar, int sleeve) {
        TypeSamples(type, collar, sleeve);
        messages.clear();
        main->CalcExecute();
        return *dynamic_cast<TDressGarment*>(main->Model);
    }
    // Where a draft point lies on a sheet's image.
    static QRect Around(const Vector& p) {
        return QRect(ScreenDC.PixelX(p.x) - 4, ScreenDC.PixelY(p.y) - 4, 9, 9);
    }
};

// Every garment, with and without a sleeve, calculates from its samples:
// the front and back on sheet 1 centred between B0 and a1, 10 cm below
// the sheet's top, the tables on the last sheet.
TEST_F(DressRoadTest, EveryGarmentDraftsDrawsAndTabulates) {
    for (const Choice& c : EveryTypeWithAndWithoutSleeve()) {
        TDressGarment& g = Calculated(c.type, 0, c.sleeve);
        ASSERT_TRUE(g.calculated) << Name(c);
        EXPECT_TRUE(messages.empty()) << Name(c) << ": " << (messages.empty() ? "" : messages[0].text);
        const float top = std::max(g.A2.y, g.A6.y);
        EXPECT_NEAR(ScreenDC.CollarOrigin.x, 52.5f - (g.B0.x + g.a1.x) / 2, 1e-4) << Name(c);
        EXPECT_NEAR(ScreenDC.CollarOrigin.y, top + 10, 1e-4) << Name(c);
        ScreenDC.RestoreCollarOrigin();
        const QImage& sheet1 = report->List1()->Bitmap();
        for (const Vector& p : {g.A01, g.A2, g.a1, g.B2, g.B0, g.G2, g.P11, g.K})
            EXPECT_GT(DarkPixels(sheet1, Around(p)), 3) << Name(c) << " at " << p.x << ", " << p.y;
        // The tables: the measurement table on the last sheet, deeper by
        // the shoulder pad's row with a sleeve; nothing on an unused sheet.
        const QImage& last = (c.sleeve ? report->List3() : report->List2())->Bitmap();
        const int bands = (c.type % 2 == 0 ? 21 : 19) + (c.sleeve ? 1 : 0);
        const int depth = 20 + 16 * bands + 1;
        EXPECT_GT(DarkPixels(last, QRect(50, 57, 201, depth)), 300) << Name(c);
        EXPECT_EQ(DarkPixels(last, QRect(50, 57 + depth + 3, 201, 8)), 0) << Name(c);
        // The sleeve's table only with a sleeve; the segment table always.
        EXPECT_EQ(DarkPixels(last, QRect(296, 80, 201, 40)) > 100, c.sleeve != 0) << Name(c);
        EXPECT_GT(DarkPixels(last, QRect(541, 80, 201, 40)), 100) << Name(c);
        ExpectRedrawsAtEveryScale();
    }
}

// A set-in sleeve's notch at P3: a tick 0.6 cm towards the back centre and
// a bar across its end; without a sleeve the armhole is drawn alone.
TEST_F(DressRoadTest, ASetInSleeveMarksTheBackArmhole) {
    QImage drawn[2];
    Vector p3;
    for (int sleeve : {0, 1}) {
        TypeSamples(7, 0, sleeve);
        if (sleeve) main->Meas(19)->setText("0");  // no shoulder pad: the same draft
        main->CalcExecute();
        auto* g = dynamic_cast<TDressGarment*>(main->Model);
        ASSERT_TRUE(g->calculated) << sleeve;
        ScreenDC.RestoreCollarOrigin();
        p3 = g->P3;
        drawn[sleeve] = report->List1()->Bitmap().copy();
    }
    const int x0 = ScreenDC.PixelX(p3.x - 0.7f), x1 = ScreenDC.PixelX(p3.x - 0.3f);
    const int y0 = ScreenDC.PixelY(p3.y + 0.3f), y1 = ScreenDC.PixelY(p3.y - 0.3f);
    const QRect mark(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    EXPECT_GT(DarkPixels(drawn[1], mark), DarkPixels(drawn[0], mark));
    // Elsewhere on the pattern the two drawings are the same.
    const QRect pattern(0, ScreenDC.PixelY(p3.y) + 40, drawn[0].width(), 200);
    EXPECT_EQ(drawn[0].copy(pattern), drawn[1].copy(pattern));
}

// With the sleeves that shape the bodice (stand-ins that write nothing
// into it yet) every sheet layout draws: the raglan's shared sheet, the
// front and back apart for the kimono and the batwing, at the origins of
// their layout.
TEST_F(DressRoadTest, EverySheetLayoutDraws) {
    for (int sleeve : {5, 7, 11})
        for (int type : {7, 8}) {
            TDressGarment& g = Calculated(type, 1, sleeve);
            const std::string context = "type " + std::to_string(type) + " sleeve " + std::to_string(sleeve);
            ASSERT_TRUE(g.calculated) << context << (messages.empty() ? "" : ": " + messages[0].text);
            ExpectRedrawsAtEveryScale();
            // Printed: the pieces' sheets (two for the front and the back
            // apart) and the tables.
            EXPECT_GE(PdfPages(PrintAt(4, "layout")), sleeve == 5 ? 2 : 3) << context;
            if (sleeve == 5) continue;
            // The front's centre 5 cm from the sheet's right edge, the back's
            // 5 cm from its left edge.
            const float top = std::max(g.A2.y, g.A6.y);
            EXPECT_NEAR(ScreenDC.CollarOrigin.x, 100 - g.a1.x, 1e-4) << context;
            EXPECT_NEAR(ScreenDC.CollarOrigin.y, top + 4 + 1 + 12, 1e-4) << context;  // the box is 5 high
            EXPECT_NEAR(ScreenDC.SleeveOrigin.x, 5 - g.B0.x, 1e-4) << context;
            EXPECT_NEAR(ScreenDC.SleeveOrigin.y, top + 10, 1e-4) << context;
            ScreenDC.RestoreSleeveOrigin();
            EXPECT_GT(DarkPixels(report->List2()->Bitmap(), Around(g.A01)), 3) << context;
            EXPECT_GT(DarkPixels(report->List3()->Bitmap(), QRect(541, 80, 201, 40)), 100) << context;
        }
}

// The stand collar's place: the bodice lowered by the collar's height plus
// 2 cm, the collar's own (0, 0) at the neck point level above A01.
TEST_F(DressRoadTest, TheCollarStandsAboveTheBackNeck) {
    TDressGarment& g = Calculated(7, 1, 1);
    ASSERT_TRUE(g.calculated);
    const TCollar& collar = *main->Collar;
    const float top = std::max(g.A2.y, g.A6.y);
    EXPECT_NEAR(ScreenDC.CollarOrigin.y, top + collar.BoxTop - collar.BoxBottom + 12, 1e-4);
    EXPECT_GT(dynamic_cast<const TBoxCollar&>(collar).draws, 0);
    // A redraw while dragging keeps the bodice where it was.
    const QImage drawn = report->List1()->Bitmap().copy();
    ScreenDC.RestoreCollarOrigin();
    g.RedrawCollar();
    EXPECT_EQ(report->List1()->Bitmap(), drawn);
}

// A failure of the draft reaches the road's message and leaves nothing
// drawn; the garment is not calculated.
// The silhouette's point names on sheet 1 in the order they are written:
// on the shared sheet the hip points B5, B4, B21, then the fitted waist's
// front and back points; on the front with a sleeve made in one with it B5
// and B21 (the straight front B21, B5), then the fitted front's.
TEST_F(DressRoadTest, TheSilhouettesNamesComeInTheirOrder) {
    for (int type = 7; type <= 14; ++type)
        for (int sleeve : {0, 7}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " sleeve " << sleeve);
            TDressGarment& g = Calculated(type, 0, sleeve);
            ASSERT_TRUE(g.calculated);
            const SheetStrokes sheet(report->List1()->GetCanvas(), [&] {
                g.ClearSheets();
                g.Draw();
            });
            std::vector<std::string> expected;
            auto* fitted = dynamic_cast<TDressOfWaist*>(&g);
            if (sleeve == 0)
                expected = {"B5", "B4", "B21"};
            else
                expected = fitted ? std::vector<std::string>{"B5", "B21"} : std::vector<std::string>{"B21", "B5"};
            if (fitted) {
                if (fitted->SecondDart > 0) expected.insert(expected.end(), {"T15", "T16"});
                expected.insert(expected.end(), {"T9", "T8", "T7"});
                if (sleeve == 0) expected.insert(expected.end(), {"T6", "T14", "T13", "T11"});
            }
            const std::vector<std::string> texts = sheet.Texts();
            const auto first = std::find_if(texts.begin(), texts.end(),
                                             [](const std::string& t) { return t == "B5" || t == "B4" || t == "B21"; });
            ASSERT_NE(first, texts.end());
            const std::vector<std::string> written(
                first, first + std::min<std::ptrdiff_t>(texts.end() - first, std::ptrdiff_t(expected.size())));
            EXPECT_EQ(written, expected);
        }
}

TEST_F(DressRoadTest, FailuresReachTheRoadsMessages) {
    // The armhole does not balance: the front shoulder swings between two
    // crossings.
    const std::vector<std::string> swinging = {"15.8", "38.1", "50.5", "45.4", "27.3", "37.8", "19.3", "9.9",
                                               "40.2", "46",   "16.2", "8.5",  "19.2", "3.8",  "11.9", "57.4",
                                               "29.1", "15.9", "0.5",  "3",    "1.5",  "5",    "5",    "0.04",
                                               "0"};
    // The bust point out of reach of the bust height: a float error.
    std::vector<std::string> unreachable = swinging;
    unreachable[4] = "1.5";
    const struct {
        const char* what;
        const std::vector<std::string>* typed;
        const char* caption;
    } cases[] = {
        {"armhole", &swinging, "Сбой при расчёте проймы"},
        {"bust point", &unreachable, "Сбой при расчёте"},
    };
    for (const auto& c : cases) {
        Choose(11, 0, 1);
        Type(*c.typed);
        messages.clear();
        main->CalcExecute();
        ASSERT_FALSE(messages.empty()) << c.what;
        EXPECT_EQ(messages.back().text, "Пожалуйста, проверьте измерения. ") << c.what;
        EXPECT_EQ(messages.back().caption, c.caption) << c.what;
        EXPECT_FALSE(main->Model->calculated) << c.what;
        const QImage blank = report->List1()->Bitmap().copy();
        main->Model->Draw();
        main->Model->DrawTables(4);
        EXPECT_EQ(report->List1()->Bitmap(), blank) << c.what;
    }
}

// Saved and opened again, every garment shows the values it saved and
// drafts them to the same points.
TEST_F(DressRoadTest, OrdersOfEveryTypeReopen) {
    for (const Choice& c : EveryTypeWithAndWithoutSleeve())
        ExpectOrderReopens(c.type, c.sleeve, [](TModel& m) {
            const auto& g = dynamic_cast<TDressGarment&>(m);
            return std::vector<Vector>{g.P10, g.B0};
        });
}

// An order whose values cannot be drafted opens, and the calculation that
// follows fails with the open road's message; nothing is drawn.
TEST_F(DressRoadTest, AnOrderThatCannotBeDraftedFailsThroughTheRoad) {
    TypeSamples(8, 0, 0);
    ASSERT_TRUE(main->Model->GetMeasures());
    const std::string path = TempPath("unreachable.mdr");
    // The bust height shorter than the bust point's reach from the neck.
    main->Meas(6)->setText("1.5");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->CreateModel(0, -1, -1);
    messages.clear();
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, "Пожалуйста, проверьте измерения.  ");
    EXPECT_EQ(Field(6), "1.5");
    EXPECT_FALSE(main->Model->calculated);
}

// The block's size and layout by silhouette and sleeve.
TEST_F(DressRoadTest, BlockSizesFollowTheSleeve) {
    const struct {
        int type, sleeve;
        size_t bytes;
    } cases[] = {{7, 0, 72}, {8, 0, 80}, {9, 2, 100}, {9, 5, 96}, {9, 11, 92}, {10, 1, 108},
                 {10, 4, 100}, {10, 5, 104}, {10, 11, 100}, {7, 4, 92}};
    for (const auto& c : cases) {
        TypeSamples(c.type, 0, c.sleeve);
        ASSERT_TRUE(main->Model->GetMeasures()) << c.type << " " << c.sleeve;
        RecordWriter w;
        main->Model->SaveMeasures(w);
        EXPECT_EQ(w.Bytes().size(), c.bytes) << c.type << " " << c.sleeve;
        EXPECT_EQ(DressBlockSize(c.type, 1, c.sleeve), int(c.bytes));
    }
    // The batwing's armhole drop at offset 84 of the straight block.
    TypeSamples(9, 0, 11);
    main->Meas(22)->setText("6.5");
    ASSERT_TRUE(main->Model->GetMeasures());
    RecordWriter w;
    main->Model->SaveMeasures(w);
    RecordReader r(w.Bytes().substr(84, 4));
    EXPECT_EQ(r.ReadFloat(), 6.5f);
    EXPECT_EQ(DressBlockSize(7, 0, 1), 96);
    EXPECT_EQ(DressBlockSize(8, 0, 0), 84);
    // No layout for a version this program never wrote.
    EXPECT_EQ(DressBlockSize(7, 2, 1), -1);
}

// The women's bodices read versions 0 and 1 only: another version is a
// damaged order, refused before the window changes.
TEST_F(DressRoadTest, AnOrderOfAnUnknownVersionIsRefused) {
    for (int version : {2, -1}) {
        TypeSamples(8, 0, 1);
        const std::string path = TempPath("version.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        RewriteOrder(path, [&](OrderContents& o) { o.version = version; });
        TypeSamples(7, 0, 0);
        TModel* before = main->Model;
        messages.clear();
        EXPECT_FALSE(OpenOrderFrom(*main, path)) << version;
        EXPECT_EQ(main->Model, before) << version;
        ASSERT_EQ(messages.size(), 1u) << version;
        EXPECT_EQ(messages[0].text, "Файл основы повреждён и не может быть открыт: неизвестная версия формата (" +
                                        std::to_string(version) + ").  ");
    }
}

// A format-0 order: the old layout, the garment's cap-ease norm, the
// stored waist suppression kept as it is.
TEST_F(DressRoadTest, OldOrdersOpen) {
    const struct {
        int type, sleeve;
        const char* norm;  // the Н row's text, "" without it
    } cases[] = {{7, 1, "0.04"}, {9, 1, "0.06"}, {11, 1, "0.07"}, {13, 1, "0.1"},
                 {14, 1, "0.1"}, {8, 0, ""},     {12, 1, "0.07"}, {10, 1, "0.06"},
                 {7, 11, ""}};
    for (const auto& c : cases) {
        const bool fitted = c.type % 2 == 0;
        const float storedS = fitted ? -1.5f : 0.0f;
        const std::string path = TempPath("old.mdr");
        ASSERT_TRUE(WriteFormatZeroOrder(path, c.type, c.sleeve, storedS));
        main->CreateModel(0, -1, -1);
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << c.type;
        auto* g = dynamic_cast<TDressGarment*>(main->Model);
        ASSERT_NE(g, nullptr);
        const std::string context = "type " + std::to_string(c.type);
        // The body rows in column order, the old order notwithstanding.
        EXPECT_EQ(Field(1), "18.1") << context;
        EXPECT_EQ(Field(fitted ? 6 : 5), "26.5") << context;  // Вг
        EXPECT_EQ(Field(fitted ? 8 : 7), "17.1") << context;  // Шг
        if (c.sleeve == 1) {
            const int normRow = fitted ? 26 : 24;
            EXPECT_EQ(Field(normRow), c.norm) << context;
            EXPECT_EQ(Field(fitted ? 20 : 19), "0.5") << context;  // Пн
            EXPECT_EQ(Field(fitted ? 17 : 16), "57.4") << context;
        }
        if (fitted) EXPECT_EQ(dynamic_cast<TDressOfWaist*>(g)->WaistSuppression, storedS) << context;
        // What the old order holds drafts (or fails through the road).
        EXPECT_TRUE(g->calculated || !messages.empty()) << context;
        // The batwing's armhole drop is not in an old order: its row is
        // not demanded of one, as it is of a current order.
        if (c.sleeve == 11) {
            main->Meas(22)->setText("");
            messages.clear();
            EXPECT_TRUE(g->CheckLoadedMeasures());
            EXPECT_TRUE(messages.empty());
            main->FileVersion = 1;
            EXPECT_FALSE(g->CheckLoadedMeasures());
            EXPECT_EQ(messages.size(), 1u);
        }
    }
}

// A format-1 order whose waist is wider than the bust loads with no waist
// suppression instead of being refused.
TEST_F(DressRoadTest, NegativeWaistSuppressionLoadsAsNone) {
    TypeSamples(8, 0, 0);
    ASSERT_TRUE(main->Model->GetMeasures());
    RecordWriter w;
    main->Model->SaveMeasures(w);
    std::string bytes = w.Bytes();
    RecordWriter wide;
    wide.WriteFloat(60);  // Ст
    bytes.replace(12, 4, wide.Bytes());
    main->FileVersion = 1;
    RecordReader r(bytes);
    main->Model->LoadMeasures(r);
    EXPECT_EQ(dynamic_cast<TDressOfWaist*>(main->Model)->WaistSuppression, 0.0f);
    EXPECT_EQ(Field(4), "60");
    EXPECT_TRUE(main->Model->CheckLoadedMeasures());
}

// Printed at 1:1, 1:2 and 1:4 with the program's own collar and sleeve or
// none: the pieces' pages, then the tables page; lengths on paper are the
// draft's at the print scale.
TEST_F(DressRoadTest, EveryGarmentPrintsAtTrueScale) {
    UseRealPieces();
    for (int type = 7; type <= 14; ++type) {
        const bool pieces = type % 2 == 1;
        TDressGarment& g = Calculated(type, pieces ? 1 : 0, pieces ? 1 : 0);
        ASSERT_TRUE(g.calculated) << type << (messages.empty() ? "" : messages[0].text);
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "dress" + std::to_string(type));
            EXPECT_FALSE(ThePrinter().Printing());
            // The chest line G → G3 across, the back centre A0 → T down, as
            // the last page drew them.
            ExpectPrintedAtScale(g.G.x, g.G3.x, g.A0.y, g.T.y, mode, "type " + std::to_string(type));
            // The pieces' pages, then the tables page.
            const int piecePages = PdfPages(path) - 1;
            EXPECT_GE(piecePages, pieces ? 2 : 1) << type << " 1:" << mode;
            if (mode == 1) EXPECT_GT(piecePages, pieces ? 2 : 1) << type;
        }
    }
    // Nothing to print before a calculation.
    Choose(7);
    messages.clear();
    main->Model->Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
}

}  // namespace
