// The men's classic and low-waist trousers in the real windows: their rows
// in the measurement column, the input check, the illustrations, the
// order-file blocks and an order of each type saved and reopened, the
// calculation road drawing the draft and the three tables, a degenerate
// order failing through the road's message, and printing into a PDF file at
// true scale.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextEdit>
#include <string>
#include <vector>

#include "garments/lower_men/MBryuki.h"
#include "garments/lower_men/MPants.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "platform/SheetImage.h"
#include "shell/NewPrForm.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

using namespace MeasureHints;

// What the tests know of each trousers: the column, the measurement
// table's texts and the segment tables' lengths.
struct Kind : ColumnFacts {
    std::vector<std::string> tableTexts;
    size_t frontRows, backRows;
};

const Kind kBryuki{{kMBryukiType,
                   " Брюки мужские классические. Заказ № ",
                   {"Ст:", "Сб:", "Дсб:", "Пт:", "Пб:"},
                   {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк сбоку", "Прибавка по талии",
                    "Прибавка по бёдрам"},
                   {"41", "50", "100", "0.5", "1"},
                   {LowerLine9, LowerLine10, LowerLine13, LowerPt2, LowerPb3}},
                   {"Ст", "Сб", "Дсб", "Пт", "Пб"},
                   23,
                   25};

const Kind kBryuki2{{kMBryuki2Type,
                    " Брюки мужские классические 2. Заказ № ",
                    {"Ст:", "Сб:", "Вс:", "Дсб:", "Пт:", "Пб:", "Пвс:"},
                    {"Полуобхват талии", "Полуобхват бёдер", "Высота сидения", "Длина брюк сбоку",
                     "Прибавка по талии", "Прибавка по бёдрам", "Прибавка к высоте сидения"},
                    {"41", "50", "23.5", "100", "0.5", "1", "0"},
                    {LowerLine9, LowerLine10, LowerLine11, LowerLine13, LowerPt2, LowerPb3, LowerPvs2}},
                    {"Ст", "Сб", "Вс", "Дсб", "Пт", "Пб", "Пвс"},
                    23,
                    25};

const Kind kPants{{kMPantsType,
                  " Брюки мужские с заниженным поясом. Заказ № ",
                  {"Ст:", "Сб:", "Дсб:", "Дш:", "Пт:", "Пб:", "Псш:"},
                  {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк сбоку", "Длина шага", "Прибавка по талии",
                   "Прибавка по бёдрам", "Прибавка на свободу шага"},
                  {"42.5", "50", "102", "78.5", "0.5", "1", "1.5"},
                  {MenPantsLine1, MenPantsLine2, MenPantsLine3, MenPantsLine4, LowerPt2, LowerPb3, MenPants1}},
                  {"Ст", "Сб", "Дб", "Дш", "Пт", "Пб", "Псш"},
                  22,
                  26};

const Kind kPants2{{kMPants2Type,
                   " Брюки мужские с заниженным поясом 2. Заказ № ",
                   {"Ст:", "Сб:", "Дсб:", "Дш:", "Зп:", "Пт:", "Пб:", "Псш:"},
                   {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк сбоку", "Длина шага",
                    "Занижение пояса спереди", "Прибавка по талии", "Прибавка по бёдрам", "Прибавка на свободу шага"},
                   {"42.5", "50", "102", "78.5", "2", "0.5", "1", "1"},
                   {MenPantsLine1, MenPantsLine2, MenPantsLine3, MenPantsLine4, MenPants2, LowerPt2, LowerPb3,
                    MenPants1}},
                   {"Ст", "Сб", "Дб", "Дш", "Зп", "Пт", "Пб", "Псш"},
                   24,
                   26};

const Kind* const kKinds[] = {&kBryuki, &kBryuki2, &kPants, &kPants2};

// The row of a measurement code in a kind's column (0-based).
size_t RowOf(const Kind& kind, const std::string& code) {
    for (size_t k = 0; k < kind.captions.size(); ++k)
        if (kind.captions[k] == code + ":") return k;
    ADD_FAILURE() << code;
    return 0;
}

class MTrousersTest : public GarmentWindowTest {
protected:
    void OpenGarment() override { Choose(kBryuki); }

    void Choose(const Kind& kind) { ASSERT_TRUE(main->CreateModel(kind.type, -1, -1)); }
    TMenTrousersDraft& Garment() { return *dynamic_cast<TMenTrousersDraft*>(main->Model); }

    void Calculate(const Kind& kind) { CalculateWith(kind.type, kind.samples); }
};

// ---------------------------------------------------------------------------
// The measurement column

TEST_F(MTrousersTest, EachTypeLaysOutItsColumn) {
    for (const Kind* kind : kKinds) {
        EXPECT_TRUE(TNewPrForm::Available(kind->type)) << kind->type;  // choosable in the base dialog
        ExpectColumnLaidOut(*kind);
        ExpectSamplesWithComma(*kind);
        ExpectShowMeasureRoutesEveryRow(*kind);
        ASSERT_TRUE(dynamic_cast<TMenTrousersDraft*>(main->Model)) << kind->type;
    }
}

TEST_F(MTrousersTest, FieldsKeepTheirTextsWithoutSamplesAndClearInputsEmptiesThem) {
    Choose(kPants2);
    Type(kPants2.samples);
    main->CustomerData->setText("Иванов");
    main->Comment->setPlainText("строка");
    main->OrderNumber = 41;
    {
        TMBryuki2 other;  // samples off: the fields keep their texts
        EXPECT_EQ(Field(3), "102");
        other.calculated = true;
        other.ClearInputs(3);
        EXPECT_FALSE(other.calculated);
        for (int n = 1; n <= 7; ++n) EXPECT_EQ(Field(n), "") << n;
        EXPECT_EQ(Field(8), "1");  // not its row
        EXPECT_EQ(main->ModelType->text().toStdString(), " Брюки мужские классические 2. Заказ № 41");
        EXPECT_TRUE(main->CustomerData->text().isEmpty());
        EXPECT_TRUE(main->Comment->toPlainText().isEmpty());
    }
}

// ---------------------------------------------------------------------------
// GetMeasures

TEST_F(MTrousersTest, TheHipsMustHoldTheWaist) {
    struct Case {
        const char *Ct, *Cb, *Pt, *Pb;
        bool accepted;
    } cases[] = {
        {"41", "50", "0.5", "1", true},
        {"51", "50", "0.5", "1", false},
        {"49.5", "50", "1.5", "1", true},    // Ст + Пт = Сб + Пб
        {"49.6", "50", "1.5", "1", false},   // 0.1 short
        {"53.3", "53.9", "0.7", "0.1", true},  // equal as typed, not in binary
        {"60", "50", "-9", "1", true},       // a negative ease is not refused
    };
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        for (const Case& c : cases) {
            messages.clear();
            std::vector<std::string> fields = kind->samples;
            fields[RowOf(*kind, "Ст")] = c.Ct;
            fields[RowOf(*kind, "Сб")] = c.Cb;
            fields[RowOf(*kind, "Пт")] = c.Pt;
            fields[RowOf(*kind, "Пб")] = c.Pb;
            Type(fields);
            ExpectCheckVerdict(Garment().GetMeasures(), c.accepted ? nullptr : "Ст+Пт > Сб+Пб",
                               std::to_string(kind->type) + " Ст " + c.Ct);
        }
    }
}

TEST_F(MTrousersTest, FirstEmptyFieldStopsTheReading) {
    Choose(kBryuki2);
    std::vector<std::string> fields = kBryuki2.samples;
    fields[6] = "";    // Пвс, though its sample is 0
    fields[2] = "x";  // not converted
    fields[1] = "1";  // would fail the check
    Type(fields);
    Garment().SeatHeight = 7;
    EXPECT_FALSE(Garment().GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    EXPECT_EQ(Garment().SeatHeight, 7.0f);

    // A blank is not empty: it is read, and refused as no number.
    messages.clear();
    fields = kBryuki2.samples;
    fields[6] = " ";
    Type(fields);
    ExpectRefusedAsNoNumber("Пвс");
}

// ---------------------------------------------------------------------------
// The order-file block and whole orders

TEST_F(MTrousersTest, BlocksHoldTheMeasurementsInRowOrder) {
    for (const Kind* kind : kKinds) ExpectBlockOfTheRowsInEditOrder(*kind);  // 20, 28, 28 and 32 bytes
}

TEST_F(MTrousersTest, LoadRefillsTheFieldsWithTheValuesAsStored) {
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    const struct {
        const Kind* kind;
        std::vector<float> record;
        std::vector<std::string> fields;
    } cases[] = {
        {&kBryuki, {41, 50, 100, 0.5f, 1}, {"41", "50", "100", "0,5", "1"}},
        {&kBryuki2, {41, 50, 23.45f, 100, 0.5f, 1, 0}, {"41", "50", "23,45", "100", "0,5", "1", "0"}},
        {&kPants, {42.5f, 50, 102, 78.5f, 0.05f, 1, 1.5f}, {"42,5", "50", "102", "78,5", "0,05", "1", "1,5"}},
        {&kPants2,
         {42.5f, 50, 102, 78.5f, 2, 0.5f, 1, 1},
         {"42,5", "50", "102", "78,5", "2", "0,5", "1", "1"}},
    };
    for (const auto& c : cases) {
        Choose(*c.kind);
        RecordWriter block;
        for (float v : c.record) block.WriteFloat(v);
        RecordReader r(block.Bytes());
        Garment().LoadMeasures(r);
        EXPECT_EQ(r.Remaining(), 0u);
        for (size_t n = 0; n < c.fields.size(); ++n) EXPECT_EQ(Field(int(n) + 1), c.fields[n]) << c.kind->type;
        EXPECT_FALSE(Garment().calculated);
        // The loaded texts read back through GetMeasures.
        EXPECT_TRUE(Garment().GetMeasures());
        EXPECT_EQ(Garment().HipHalfGirth, 50.0f);
    }
}

TEST_F(MTrousersTest, OrderOfEachTypeSavedAndReopened) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        const std::string seam = Garment().SeamLabelText();
        main->CustomerData->setText("Петров");
        const std::string path = TempPath("trousers_" + std::to_string(kind->type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        EXPECT_EQ(QFile(QString::fromStdString(path)).size() > qint64(4 * kind->samples.size()), true);

        Choose(kind == &kBryuki ? kPants : kBryuki);  // another garment meanwhile
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_EQ(Garment().Type(), kind->type);
        for (size_t n = 0; n < kind->samples.size(); ++n)
            EXPECT_EQ(std::stof(Field(int(n) + 1)), std::stof(kind->samples[n])) << kind->type << " row " << n + 1;
        EXPECT_EQ(main->CustomerData->text().toStdString(), "Петров");
        ASSERT_TRUE(Garment().calculated);
        EXPECT_EQ(Garment().SeamLabelText(), seam);
    }
}

// Measurements that pass the check but cannot be drafted fail through the
// road's message; nothing is drawn.
TEST_F(MTrousersTest, DegenerateOrderFailsThroughTheRoadsMessage) {
    Choose(kPants);
    // The hips on the hem: Дш − Дсб + (Сб/2 − 1.5)/3 = −102, the knee there too.
    ExpectTheRoadFails({"1", "1.5", "102", "0.25", "0.5", "1", "1.5"});
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(MTrousersTest, CalculateRoadDrawsTheDraftAndTheTables) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        const TMenTrousersDraft& d = Garment();
        ExpectDraftThrough({d.B3, d.B, d.H01, d.H011, d.C2, d.T5}, kind->type);
        ExpectTablesOfRows(kind->samples.size(), kind->frontRows, kind->backRows, kind->type);
        EXPECT_EQ(Garment().FrontTableRows().size(), kind->frontRows);
        EXPECT_EQ(Garment().BackTableRows().size(), kind->backRows);

        std::vector<std::string> texts;
        for (const ValueTableRow& r : Garment().MeasureTableRows()) texts.push_back(r.text);
        EXPECT_EQ(texts, kind->tableTexts);
    }
}

TEST_F(MTrousersTest, NothingIsDrawnBeforeCalculating) {
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        ExpectNothingDrawnUntilCalculated(kind->type);
    }
}

// Drafts with and without the bows, the raised waist and the closed dart,
// redrawn at every scale the sheets allow.
TEST_F(MTrousersTest, RedrawAtEveryScaleThrowsNothing) {
    const struct {
        const Kind* kind;
        std::vector<std::string> fields;
    } drafts[] = {
        {&kBryuki, {"41", "50", "100", "0.5", "1"}},
        {&kBryuki, {"42", "50", "100", "0.5", "1"}},   // the waist raised at the fly
        {&kBryuki, {"30", "50", "100", "21", "1"}},    // E = 0, straight back side
        {&kBryuki2, {"41", "50", "23.5", "100", "0.5", "24", "2"}},  // a straight front side
        {&kPants, {"42.5", "42", "102", "78.5", "1.5", "2", "1.5"}},  // E = 0
        {&kPants2, {"42.5", "50", "102", "78.5", "2", "0.5", "30", "1"}},
    };
    for (const auto& d : drafts) {
        Choose(*d.kind);
        Type(d.fields);
        main->CalcExecute();
        ASSERT_TRUE(Garment().calculated) << d.fields[1];
        ExpectRedrawsAtEveryScale();
    }
    EXPECT_TRUE(messages.empty());
}

// The windows with sheets allocated at 1:1, as on a real screen.
using MTrousersFullSizeTest = FullSizeSheets<MTrousersTest>;

// The draft at 1:1 lies where the 1:4 draft lies, four times as far from
// the sheet's corner: the hem's crease point, the back step and the
// "Средний срез:" text.
TEST_F(MTrousersFullSizeTest, DrawsAtOneToOneAndOneToFour) {
    ASSERT_EQ(ScreenDC.MinScale, 1);
    Calculate(kPants2);
    const TMenTrousersDraft& d = Garment();
    for (int scale : {1, 4}) {
        ScreenDC.SetScale(scale);
        Garment().ClearSheets();
        Garment().Draw();
        Garment().DrawTables(scale);
        const QImage& sheet1 = report->List1()->Bitmap();
        for (const Vector& p : {d.H01, d.C5, d.T5}) {
            const int x = int((52.5f + p.x) * 96 / 2.54f / float(scale));
            const int y = int((10.0f - p.y) * 96 / 2.54f / float(scale));
            EXPECT_EQ(ScreenDC.PixelX(p.x), x) << scale;
            EXPECT_GT(DarkPixels(sheet1, QRect(x - 3, y - 3, 7, 7)), 2) << scale << " at " << p.x << ", " << p.y;
        }
        // The text right below its point, code 3.
        const int tx = ScreenDC.PixelX(d.SeamLabelPos.x), ty = ScreenDC.PixelY(d.SeamLabelPos.y);
        EXPECT_GT(DarkPixels(sheet1, QRect(tx + 2, ty, 80, 14)), 30) << scale;
    }
}

// ---------------------------------------------------------------------------
// Printing

// Every scale prints the tiled draft, then a page of tables (these trousers
// have no one-sheet layout).
TEST_F(MTrousersTest, EachTypePrintsItsPagesToPdf) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        ExpectPrintsItsPages("mtrousers" + std::to_string(kind->type), true);
    }
    EXPECT_TRUE(messages.empty());
}

// The length from the waist to the hem on the crease line, and the back's
// width at the hips, on paper against the printer's resolution: within a
// dot or two of the true size.
TEST_F(MTrousersTest, PatternPrintsAtTrueScale) {
    for (const Kind* kind : {&kBryuki, &kPants2}) {
        Calculate(*kind);
        const TMenTrousersDraft& d = Garment();
        for (int mode : {1, 2, 4}) {
            PrintAt(mode, "scale");
            const double dotsPerCmX = ThePrinter().Device().logicalDpiX() / 2.54 / mode;
            const double dotsPerCmY = ThePrinter().Device().logicalDpiY() / 2.54 / mode;
            EXPECT_NEAR(PrinterDC.PixelY(d.H0.y) - PrinterDC.PixelY(d.T0.y), -d.H0.y * dotsPerCmY, 2.0) << mode;
            EXPECT_NEAR(PrinterDC.PixelX(d.B4.x) - PrinterDC.PixelX(d.B3.x), (d.B4.x - d.B3.x) * dotsPerCmX, 2.0)
                << mode;
        }
    }
}

TEST_F(MTrousersTest, NothingToPrintBeforeCalculating) {
    for (const Kind* kind : kKinds) ExpectNothingToPrint(*kind);
}

}  // namespace
