// The men's shirts and jackets on the calculation road: drafted with the
// collar before the sleeve, drawn on their sheets with the pieces in place
// and their tables, failing with the road's messages, saved and reopened,
// printed to PDF at true scale; and with the program's own stand collar and
// one-seam sleeve.
#include <gtest/gtest.h>

#include <QPrinter>
#include <algorithm>

#include "collars/ForCoat.h"
#include "collars/Stand.h"
#include "sleeves/set_in/OneSeam.h"
#include "tests/SheetStrokes.h"
#include "tests/garments/shirts_men/MenShirtsWindowFixture.h"

namespace {

struct Choice {
    int type, sleeve;
};
std::vector<Choice> EveryTypeWithAndWithoutSleeve() {
    std::vector<Choice> all;
    for (int type = 22; type <= 25; ++type)
        for (int sleeve : {0, 1}) all.push_back({type, sleeve});
    return all;
}
std::string Name(const Choice& c) { return "type " + std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve); }

// Where a draft point lies on a sheet's image.
QRect Around(const Vector& p) { return QRect(ScreenDC.PixelX(p.x) - 4, ScreenDC.PixelY(p.y) - 4, 9, 9); }

class MenShirtsRoadTest : public MenShirtsWindowTest {};

// Every garment, with and without a sleeve, calculates from its samples:
// the side line on the middle of sheet 1, the higher of A21 and A3 10 cm
// below its top, the tables on the last sheet.
TEST_F(MenShirtsRoadTest, EveryGarmentDraftsDrawsAndTabulates) {
    for (const Choice& c : EveryTypeWithAndWithoutSleeve()) {
        TMenDressGarment& g = Calculated(c.type, 0, c.sleeve);
        ASSERT_TRUE(g.calculated) << Name(c) << (messages.empty() ? "" : ": " + messages[0].text);
        EXPECT_TRUE(messages.empty()) << Name(c);
        EXPECT_EQ(PieceDrafts(), c.sleeve ? "s" : "") << Name(c);
        EXPECT_NEAR(ScreenDC.CollarOrigin.x, 52.5f, 1e-4) << Name(c);
        EXPECT_NEAR(ScreenDC.CollarOrigin.y, std::max(g.A21.y, g.A3.y) + 10, 1e-4) << Name(c);
        if (c.sleeve) {
            EXPECT_NEAR(ScreenDC.SleeveOrigin.x, 52.5f, 1e-4) << Name(c);
            EXPECT_NEAR(ScreenDC.SleeveOrigin.y, 10.0f, 1e-4) << Name(c);
        }
        ScreenDC.RestoreCollarOrigin();
        const QImage& sheet1 = report->List1()->Bitmap();
        for (const Vector& p : {g.A01, g.A21, g.P1, g.P11, g.A5, g.H5, g.H0, g.G2, g.B4, g.B5, g.T2})
            EXPECT_GT(DarkPixels(sheet1, Around(p)), 3) << Name(c) << " at " << p.x << ", " << p.y;
        // The measurement table on the last sheet: 16 rows straight, 18
        // fitted, with "Шк" in both.
        const QImage& last = (c.sleeve ? report->List3() : report->List2())->Bitmap();
        const int rows = c.type % 2 ? 18 : 16;
        const int depth = 20 + 16 * (rows + 1) + 1;  // the heads, then the rows
        EXPECT_GT(DarkPixels(last, QRect(50, 57, 201, depth)), 300) << Name(c);
        EXPECT_EQ(DarkPixels(last, QRect(50, 57 + depth + 3, 201, 8)), 0) << Name(c);
        // The sleeve's table only with a sleeve; the segment table always.
        EXPECT_EQ(DarkPixels(last, QRect(296, 80, 201, 40)) > 100, c.sleeve != 0) << Name(c);
        EXPECT_GT(DarkPixels(last, QRect(541, 80, 201, 40)), 100) << Name(c);
        ExpectRedrawsAtEveryScale();
        EXPECT_EQ(g.MeasureTableRows().size(), size_t(rows)) << Name(c);
        EXPECT_EQ(g.SleeveTableRows().size(), c.sleeve ? 6u : 0u) << Name(c);
    }
}

// The tables' rows: the Latin P and H, no yoke width with a raglan; the
// segments from the stored lengths and the points.
TEST_F(MenShirtsRoadTest, TablesHoldTheGarmentsValues) {
    TMenDressGarment& g = Calculated(23, 0, 1);
    ASSERT_TRUE(g.calculated);
    const std::vector<ValueTableRow> m = g.MeasureTableRows();
    const std::vector<std::string> texts = {"P",  "Сш", "Сг2", "Ст", "Сб", "Дт.п", "Шг", "Впр.з", "Дт.с",
                                            "Вп.к", "Шс", "Шп",  "Пк", "Шк", "Пг",   "Пт", "Пб",    "h"};
    ASSERT_EQ(m.size(), texts.size());
    for (size_t k = 0; k < texts.size(); ++k) EXPECT_EQ(m[k].text, texts[k]) << k;
    EXPECT_EQ(m[3].value, 47.0f);
    const std::vector<ValueTableRow> s = g.SleeveTableRows();
    EXPECT_STREQ(s.back().text, "H");
    EXPECT_EQ(s.back().digits, 3);
    EXPECT_FLOAT_EQ(s.back().value, 0.04f);
    const std::vector<ValueTableRow> seg = g.SegmentTableRows();
    ASSERT_EQ(seg.size(), 5u);
    EXPECT_FLOAT_EQ(seg[0].value, g.G3.x - g.G.x);
    EXPECT_FLOAT_EQ(seg[1].value, -g.G.x);
    EXPECT_FLOAT_EQ(seg[2].value, g.G3.x);
    EXPECT_FLOAT_EQ(seg[3].value, g.A01.y - g.H0.y);
    EXPECT_FLOAT_EQ(seg[4].value, g.A5.y - g.H11.y);
    // The whole half width: Сг2 + Пг + 1.5 h + the jacket's WidthEase.
    EXPECT_NEAR(seg[0].value, 52.2f + 7 + 0, 1e-4f);
    TMenDressGarment& jacket = Calculated(24, 0, 0);
    EXPECT_NEAR(jacket.SegmentTableRows()[0].value, 52.2f + 7 + 0.8f, 1e-4f);

    TMenDressGarment& raglan = TypeSamples(22, 0, 5);
    ASSERT_TRUE(raglan.GetMeasures());
    const std::vector<ValueTableRow> r = raglan.MeasureTableRows();
    EXPECT_EQ(r.size(), 15u);
    for (const ValueTableRow& row : r) EXPECT_STRNE(row.text, "Шк");
    const std::vector<ValueTableRow> rs = raglan.SleeveTableRows();
    ASSERT_EQ(rs.size(), 5u);
    EXPECT_STREQ(rs.back().text, "Поз");
    TypeSamples(24, 0, 4);
    ASSERT_TRUE(main->Model->GetMeasures());
    const std::vector<ValueTableRow> shirtSleeve = dynamic_cast<TMenDressGarment*>(main->Model)->SleeveTableRows();
    ASSERT_EQ(shirtSleeve.size(), 4u);
    EXPECT_STREQ(shirtSleeve[1].text, "Озап");
}

// The men's garments draft the collar before the sleeve; the collar's box
// places sheet 1: a stand collar above the bodice, the jacket and shawl
// collars on the front.
TEST_F(MenShirtsRoadTest, TheCollarIsDraftedFirstAndPlacesSheetOne) {
    const struct {
        int collar;
        const char* drafts;
    } cases[] = {{1, "cs"}, {4, "cs"}, {5, "c"}};
    for (const auto& c : cases) {
        TMenDressGarment& g = Calculated(25, c.collar, c.collar == 5 ? 0 : 2);
        ASSERT_TRUE(g.calculated) << c.collar;
        EXPECT_EQ(PieceDrafts(), c.drafts) << c.collar;
        const float top = std::max(g.A21.y, g.A3.y);
        if (c.collar == 1) {
            EXPECT_NEAR(ScreenDC.CollarOrigin.x, 52.5f, 1e-4);
            EXPECT_NEAR(ScreenDC.CollarOrigin.y, top + 4 - (-1) + 12, 1e-4);
        } else {
            EXPECT_NEAR(ScreenDC.CollarOrigin.x, 52.5f - (g.A.x + 9) / 2, 1e-4) << c.collar;
            EXPECT_NEAR(ScreenDC.CollarOrigin.y, 4 + 8, 1e-4) << c.collar;
        }
    }
}

// A stand-in collar that draws one line and names one point, in its own
// axes.
class TMarkingCollar : public TBoxedCollar {
public:
    void Draw() override {
        ScreenDC.SetPenWidth(1);
        ScreenDC.MoveTo(Vector(0, 0));
        ScreenDC.LineTo(Vector(3, 3));
    }
    void DrawLabels() override { ScreenDC.Label(Vector(0, 0), "Collar", 2); }
};

// On sheet 1 the collar's lines are drawn with the pieces' lines, before
// any name, and the collar's name after the pieces' names: no line runs
// over a label, on the calculation's drawing and so after a collar drag.
TEST_F(MenShirtsRoadTest, EveryLineOfSheetOneComesBeforeTheNames) {
    for (int kind : {1, 4, 5}) RegisterCollarMaker(kind, [] { return new TMarkingCollar; });
    for (int type = 22; type <= 25; ++type)
        for (int collar : {1, 4, 5}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " collar " << collar);
            TMenDressGarment& g = Calculated(type, collar, collar == 5 ? 0 : 1);
            ASSERT_TRUE(g.calculated);
            const SheetStrokes drawn(report->List1()->GetCanvas(), [&] {
                g.ClearSheets();
                g.Draw();
            });
            // A drag frame draws sheet 1 through the same routine (and ends
            // with the same pixels as this drawing: the drag frames' tests).
            for (const SheetStrokes* sheet : {&drawn}) {
                const int firstText = sheet->FirstText(), collarName = sheet->TextAt("Collar");
                ASSERT_GE(firstText, 0);
                EXPECT_LT(sheet->LastLine(kWinBlack), firstText);
                ASSERT_GE(collarName, 0);
                EXPECT_GT(collarName, sheet->TextAt("G2"));
                EXPECT_GE(sheet->TextAt("G2"), 0);
            }
        }
}

// A failure of the draft reaches the road's message; nothing is drawn and
// the garment is not calculated.
TEST_F(MenShirtsRoadTest, AnArmholeThatCannotBalanceFailsThroughTheRoad) {
    TypeSamples(22, 0, 1);
    // A shoulder far longer than the armhole can take.
    main->Meas(11)->setText("60");
    messages.clear();
    main->CalcExecute();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, "Пожалуйста, проверьте измерения. ");
    EXPECT_FALSE(main->Model->calculated);
    const QImage blank = report->List1()->Bitmap().copy();
    main->Model->Draw();
    main->Model->DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap(), blank);
}

// Saved and opened again, every garment shows the values it saved and
// drafts them to the same points.
TEST_F(MenShirtsRoadTest, OrdersOfEveryTypeReopen) {
    for (const Choice& c : EveryTypeWithAndWithoutSleeve())
        ExpectOrderReopens(c.type, c.sleeve, [](TModel& m) {
            const auto& g = dynamic_cast<TMenDressGarment&>(m);
            return std::vector<Vector>{g.P10, g.H5, g.B41};
        });
}

// An opened order is drafted as it was saved: each row is judged on its
// own, not Попв against Пг, and the block is read in its one layout
// whatever format version the header names.
TEST_F(MenShirtsRoadTest, AnOpenedOrderIsDraftedWithoutTheRelationChecks) {
    for (int type = 22; type <= 25; ++type) {
        for (int version : {0, 1, 2}) {
            const std::string name = "type " + std::to_string(type) + " version " + std::to_string(version);
            ASSERT_TRUE(Calculated(type, 0, 1).calculated) << name;
            const std::string path = TempPath("narrow_sleeve.mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path)) << name;
            // Попв 1 under the sample Пг 7.
            const std::vector<std::string> captions = MenDressBlockCaptions(type, 1);
            const size_t popv = size_t(std::find(captions.begin(), captions.end(), "Попв:") - captions.begin());
            ASSERT_LT(popv, captions.size());
            RewriteOrder(path, [&](OrderContents& o) {
                o.version = version;
                SetBlockFloat(o, popv, 1.0f);
            });
            main->CreateModel(0, -1, -1);
            messages.clear();
            ASSERT_TRUE(OpenOrderFrom(*main, path)) << name;
            EXPECT_TRUE(messages.empty()) << name << ": " << (messages.empty() ? "" : messages[0].text);
            EXPECT_EQ(main->ModelIndex, type) << name;
            EXPECT_EQ(Field(Row("Попв:")), "1") << name;
            EXPECT_EQ(Field(Row("Пг:")), "7") << name;
            EXPECT_EQ(main->Sleeve->UpperArmEase, 1.0f) << name;
            EXPECT_TRUE(main->Model->calculated) << name;
            // Typed, the same values are refused.
            EXPECT_FALSE(main->Model->GetMeasures()) << name;
        }
    }
}

// The block's size and layout by silhouette and sleeve; a shirt and a
// jacket of one silhouette write the same layout.
TEST_F(MenShirtsRoadTest, BlockSizesFollowTheSleeve) {
    const struct {
        int type, sleeve;
        size_t bytes;
    } cases[] = {{22, 0, 64}, {24, 0, 64}, {25, 0, 72}, {22, 1, 88}, {24, 4, 80}, {22, 5, 80},
                 {25, 2, 96}, {23, 2, 96}, {25, 6, 88}, {23, 4, 88}};
    for (const auto& c : cases) {
        TypeSamples(c.type, 0, c.sleeve);
        ASSERT_TRUE(main->Model->GetMeasures()) << c.type << " " << c.sleeve;
        RecordWriter w;
        main->Model->SaveMeasures(w);
        EXPECT_EQ(w.Bytes().size(), c.bytes) << c.type << " " << c.sleeve;
        EXPECT_EQ(MenDressBlockSize(c.type, c.sleeve), int(c.bytes));
    }
    EXPECT_EQ(MenDressBlockSize(22, 7), 48);  // a kind never offered: the body alone
    EXPECT_EQ(MenDressBlockSize(21, 0), -1);
    // The fitted raglan block begins its sleeve part with Др1с at 52, and
    // holds neither Шк nor Н.
    TypeSamples(25, 0, 5);
    ASSERT_TRUE(main->Model->GetMeasures());
    RecordWriter w;
    main->Model->SaveMeasures(w);
    RecordReader r(w.Bytes().substr(48));
    EXPECT_EQ(r.ReadFloat(), 6.0f);    // Пк
    EXPECT_EQ(r.ReadFloat(), 61.7f);   // Др1с
    EXPECT_EQ(r.ReadFloat(), 32.8f);   // Оп.в
    // The straight shirt without a sleeve ends with Шк, Пг, Пб, h.
    TypeSamples(22, 0, 0);
    main->Meas(16)->setText("0.6");
    ASSERT_TRUE(main->Model->GetMeasures());
    RecordWriter s;
    main->Model->SaveMeasures(s);
    RecordReader tail(s.Bytes().substr(48));
    for (float v : {7.0f, 7.0f, 5.0f, 0.6f}) EXPECT_EQ(tail.ReadFloat(), v);
}

// Printed at 1:1, 1:2 and 1:4 with the program's own collar and sleeve or
// none: the pieces' pages, then the tables page; lengths on paper are the
// draft's at the print scale.
TEST_F(MenShirtsRoadTest, EveryGarmentPrintsAtTrueScale) {
    UseRealPieces();
    for (int type = 22; type <= 25; ++type) {
        const bool pieces = type % 2 == 1;
        TMenDressGarment& g = Calculated(type, pieces ? 1 : 0, pieces ? 1 : 0);
        ASSERT_TRUE(g.calculated) << type << (messages.empty() ? "" : messages[0].text);
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "shirt" + std::to_string(type));
            EXPECT_FALSE(ThePrinter().Printing());
            // The chest line G → G3 across, the back centre A01 → H0 down,
            // as the last page drew them.
            ExpectPrintedAtScale(g.G.x, g.G3.x, g.A01.y, g.H0.y, mode, "type " + std::to_string(type));
            // The pieces' pages, then the tables page.
            const int piecePages = PdfPages(path) - 1;
            EXPECT_GE(piecePages, pieces ? 2 : 1) << type << " 1:" << mode;
            if (mode == 1) EXPECT_GT(piecePages, pieces ? 2 : 1) << type;
        }
    }
    // Nothing to print before a calculation.
    Choose(22);
    messages.clear();
    main->Model->Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
}

// The program's stand collar and one-seam sleeve on every garment: the
// collar reads the men's neck, the sleeve's cap is fitted to the men's
// armhole, and both are drawn on their sheets.
TEST_F(MenShirtsRoadTest, TheStandCollarAndTheOneSeamSleeveFitTheMensBodice) {
    UseRealPieces();
    for (int type = 22; type <= 25; ++type) {
        TMenDressGarment& g = Calculated(type, 1, 1);
        ASSERT_TRUE(g.calculated) << type << (messages.empty() ? "" : ": " + messages[0].text);
        auto* sleeve = dynamic_cast<TOneSeam*>(main->Sleeve);
        auto* collar = dynamic_cast<TStand*>(main->Collar);
        ASSERT_TRUE(sleeve && collar) << type;
        EXPECT_EQ(sleeve->Family, SleeveGarment::Family::MenShirt);
        // The cap is longer than the armhole by the cap-ease norm.
        EXPECT_NEAR(sleeve->CapLengthRequired, (1 + g.CapEaseNorm) * g.ArmholeLength, 0.05f) << type;
        EXPECT_GT(collar->BoxRight - collar->BoxLeft, 5.0f) << type;
        EXPECT_TRUE(main->CollarRowShown());
        EXPECT_TRUE(main->SleeveRowShown());
        EXPECT_GT(DarkPixels(report->List2()->Bitmap(), report->List2()->Bitmap().rect()), 500) << type;
    }
}

// With the program's own collars and sleeves of every kind built (the
// jacket collar's С6 reaching the outline), every garment calculates,
// draws and tabulates without a message.
TEST_F(MenShirtsRoadTest, EveryBuiltCollarAndSleeveFitsEveryGarment) {
    UseEveryRealPiece();
    for (int type = 22; type <= 25; ++type)
        for (int collar : {0, 1, 2, 4, 5, 6})
            for (int sleeve : {0, 1, 2, 3, 4, 5, 6}) {
                if (!HasCollarMaker(collar) && collar) continue;
                if (!HasSleeveMaker(sleeve) && sleeve) continue;
                const std::string context =
                    std::to_string(type) + " collar " + std::to_string(collar) + " sleeve " + std::to_string(sleeve);
                TMenDressGarment& g = Calculated(type, collar, sleeve);
                ASSERT_TRUE(g.calculated) << context << (messages.empty() ? "" : ": " + messages[0].text);
                EXPECT_EQ(CurrentMenOutlineChoice().jacketCollar, collar == 4) << context;
                if (collar == 4) EXPECT_EQ(CurrentMenOutlineChoice().c6, dynamic_cast<TForCoat*>(main->Collar)->C6);
                ExpectRedrawsAtEveryScale();
            }
}

}  // namespace

namespace {

// The four garments are offered in the base selection, with the built
// collar and sleeve kinds.
TEST(MenShirtPieces, TheBaseSelectionOffersTheFourGarments) {
    RegisterBuiltInModels();
    for (int type = 22; type <= 25; ++type) {
        EXPECT_TRUE(HasModelMaker(type)) << type;
        EXPECT_EQ(std::string(ModelCaption(type)).find(type < 24 ? " Сорочка" : " Куртка"), 0u) << type;
    }
    EXPECT_TRUE(HasCollarMaker(1));
    EXPECT_TRUE(HasSleeveMaker(1));
}

}  // namespace
