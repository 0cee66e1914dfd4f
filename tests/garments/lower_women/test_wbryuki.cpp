// The two classic trousers in the real windows: their rows in the
// measurement column, the input check, the illustrations, the order-file
// blocks and an order of each type saved and reopened, the calculation road
// drawing the draft and the three tables, a degenerate order failing through
// the road's message, and printing into a PDF file at true scale.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextEdit>
#include <string>
#include <vector>

#include "garments/lower_women/WBryuki.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

// What the tests know of each trousers.
using Kind = ColumnFacts;

const Kind kTrousers{kWBryukiType,
                     " Брюки женские классические. Заказ № ",
                     {"Ст:", "Сб:", "Дсп:", "Пт:", "Пб:"},
                     {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк спереди", "Прибавка по талии",
                      "Прибавка по бёдрам"},
                     {"37.5", "50", "99.9", "0.5", "1"},
                     {MeasureHints::LowerLine1, MeasureHints::LowerLine2, MeasureHints::LowerLine6,
                      MeasureHints::LowerPt2, MeasureHints::LowerPb3}};

const Kind kTrousers2{kWBryuki2Type,
                      " Брюки женские классические 2. Заказ № ",
                      {"Ст:", "Сб:", "Вс:", "Дсп:", "Пт:", "Пб:", "Пвс:"},
                      {"Полуобхват талии", "Полуобхват бёдер", "Высота сидения", "Длина брюк спереди",
                       "Прибавка по талии", "Прибавка по бёдрам", "Прибавка к высоте сидения"},
                      {"37.5", "50", "25", "99.9", "0.5", "1", "0"},
                      {MeasureHints::LowerLine1, MeasureHints::LowerLine2, MeasureHints::LowerLine3,
                       MeasureHints::LowerLine6, MeasureHints::LowerPt2, MeasureHints::LowerPb3,
                       MeasureHints::LowerPvs1}};

const Kind* const kKinds[] = {&kTrousers, &kTrousers2};

// An order file of a type with these block values and no texts.
std::string OrderBytes(int type, const std::vector<float>& values) {
    OrderContents order;
    order.type = type;
    RecordWriter block;
    for (float v : values) block.WriteFloat(v);
    order.block = block.Bytes();
    return EncodeOrder(order);
}

class WBryukiTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override { RegisterWBryuki(); }
    void OpenGarment() override { Choose(kTrousers); }

    void Choose(const Kind& kind) { ASSERT_TRUE(main->CreateModel(kind.type, -1, -1)); }
    TWBryukiDraft& Garment() { return *dynamic_cast<TWBryukiDraft*>(main->Model); }

    void Calculate(const Kind& kind) { CalculateWith(kind.type, kind.samples); }
};

// ---------------------------------------------------------------------------
// The measurement column

TEST_F(WBryukiTest, ConstructorLaysOutTheRowsTheCaptionAndTwoSheets) {
    for (const Kind* kind : kKinds) {
        EXPECT_TRUE(dynamic_cast<TWBryukiDraft*>(&Chosen(*kind))) << kind->type;
        ExpectColumnLaidOut(*kind);
    }
}

TEST_F(WBryukiTest, SamplesUseTheUsersSeparator) {
    for (const Kind* kind : kKinds) ExpectSamplesWithComma(*kind);
}

TEST_F(WBryukiTest, ClearInputsEmptiesTheOrder) {
    for (const Kind* kind : kKinds) ExpectClearInputsEmptiesTheOrder(*kind);
}

TEST_F(WBryukiTest, ShowMeasureRoutesEveryRow) {
    for (const Kind* kind : kKinds) ExpectShowMeasureRoutesEveryRow(*kind);
}

// ---------------------------------------------------------------------------
// GetMeasures

TEST_F(WBryukiTest, TheHipsMustHoldTheWaist) {
    struct Case {
        std::vector<std::string> fields;
        bool accepted;
    } cases[] = {
        {{"37.5", "50", "99.9", "0.5", "1"}, true},
        {{"38", "37.5", "99.9", "0.5", "1"}, true},   // Сб + Пб = Ст + Пт: D = 0
        {{"38", "37.4", "99.9", "0.5", "1"}, false},  // the hips 0.1 short
        {{"37.5", "30", "99.9", "0", "0"}, false},
    };
    for (const Case& c : cases) {
        messages.clear();
        Type(c.fields);
        ExpectCheckVerdict(Garment().GetMeasures(), c.accepted ? nullptr : "Ст+Пт > Сб+Пб", c.fields[1]);
    }
    Type(kTrousers.samples);
    ASSERT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().FrontLength, 99.9f);
}

TEST_F(WBryukiTest, EmptyOrUnreadableFieldIsReportedNeverThrown) {
    Choose(kTrousers2);
    std::vector<std::string> fields = kTrousers2.samples;
    fields[6] = "";
    fields[1] = "1";  // would fail the check
    Type(fields);
    EXPECT_FALSE(Garment().GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);

    messages.clear();
    fields = kTrousers2.samples;
    fields[2] = "2.5.";
    Type(fields);
    ExpectRefusedAsNoNumber("Вс");
}

// ---------------------------------------------------------------------------
// The order-file block and whole orders

TEST_F(WBryukiTest, BlocksAreTwentyAndTwentyEightBytes) {
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        Type(kind->samples);
        ASSERT_TRUE(Garment().GetMeasures());
        RecordWriter w;
        Garment().SaveMeasures(w);
        EXPECT_EQ(int(w.Bytes().size()), 4 * int(kind->samples.size()));
        EXPECT_EQ(Garment().BlockSize(), int(w.Bytes().size()));
        RecordReader r(w.Bytes());
        for (const std::string& s : kind->samples) EXPECT_EQ(r.ReadFloat(), std::stof(s));  // row order

        // Only a block of that size opens.
        OrderContents decoded;
        std::string reason;
        const size_t n = kind->samples.size();
        EXPECT_TRUE(DecodeOrder(OrderBytes(kind->type, std::vector<float>(n, 1.0f)), decoded, reason)) << reason;
        for (size_t other : {n - 1, n + 1})
            EXPECT_FALSE(DecodeOrder(OrderBytes(kind->type, std::vector<float>(other, 1.0f)), decoded, reason));
    }
}

TEST_F(WBryukiTest, LoadRefillsTheFieldsWithTheValuesAsStored) {
    Choose(kTrousers2);
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    RecordWriter block;
    for (float v : {37.5f, 50.0f, 25.04f, 99.9f, 0.5f, 1.0f, 0.0f}) block.WriteFloat(v);
    RecordReader r(block.Bytes());
    Garment().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Garment().SeatHeight, 25.04f);
    const char* expected[] = {"37,5", "50", "25,04", "99,9", "0,5", "1", "0"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
    // The loaded texts read back through GetMeasures as the same values.
    EXPECT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().SeatHeight, 25.04f);
}

TEST_F(WBryukiTest, OrderOfEachTypeSavedAndReopened) {
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        Type(kind->samples);
        main->CustomerData->setText("Петрова");
        const std::string path = TempPath("trousers_" + std::to_string(kind->type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));

        Choose(kind == &kTrousers ? kTrousers2 : kTrousers);  // another garment meanwhile
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_EQ(Garment().Type(), kind->type);
        EXPECT_EQ(Field(1), "37.5");
        EXPECT_EQ(main->CustomerData->text().toStdString(), "Петрова");
        ASSERT_TRUE(Garment().calculated);
        EXPECT_EQ(Garment().SeamLabelText(), "Средний срез:62.1");
    }
}

// An opened order is checked like typed measurements before it is drafted.
TEST_F(WBryukiTest, OpenedOrderIsCheckedBeforeItIsDrafted) {
    const std::string path = TempPath("narrow_hips.mdr");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = OrderBytes(kWBryukiType, {40, 35, 99.9f, 0.5f, 1});
    file.write(bytes.data(), qint64(bytes.size()));
    file.close();

    OpenOrderFrom(*main, path);
    EXPECT_FALSE(Garment().calculated);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, "Ст+Пт > Сб+Пб");
}

// Measurements that pass the check but cannot be drafted fail through the
// road's message; nothing hangs or is drawn.
TEST_F(WBryukiTest, DegenerateOrderFailsThroughTheRoadsMessage) {
    Choose(kTrousers2);
    // Сб + Пб = −1: the back width is 0.
    ExpectTheRoadFails({"1", "1", "25", "99.9", "-2", "-2", "0"});
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(WBryukiTest, CalculateRoadDrawsTheDraftAndTheTables) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        const TWBryukiDraft& w = Garment();
        // Sheet 1: the outline at the hip points, the crease line, the
        // captions; T0 52.5 cm from the left and 10 cm from the top.
        ExpectDraftThrough({w.B2, w.B3, w.B, w.H01}, kind->type);
        // Sheet 2: the three tables (five or seven measurements, 24 front
        // rows, 24 back rows).
        ExpectTablesOfRows(kind->samples.size(), 24, 24, kind->type);
    }
}

TEST_F(WBryukiTest, NothingIsDrawnBeforeCalculating) { ExpectNothingDrawnUntilCalculated(kTrousers.type); }

TEST_F(WBryukiTest, RedrawAtEveryScaleAndVariantThrowsNothing) {
    const std::vector<std::vector<std::string>> drafts = {
        {"37.5", "50", "99.9", "0.5", "1"},  // one front dart, two back darts
        {"38", "39", "99.9", "0.5", "1"},    // no front dart, one back dart
        {"30", "52", "99.9", "0.5", "1"},    // two front darts
    };
    for (const auto& fields : drafts) {
        Type(fields);
        main->CalcExecute();
        ASSERT_TRUE(Garment().calculated) << fields[1];
        ExpectRedrawsAtEveryScale();
    }
}

// ---------------------------------------------------------------------------
// Printing

// 1:1 prints the tiled draft alone; 1:2 and 1:4 add a page of tables.
TEST_F(WBryukiTest, EachTypePrintsItsPagesToPdf) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        ExpectPrintsItsPages("trousers" + std::to_string(kind->type), false);
    }
    EXPECT_TRUE(messages.empty());
}

// The box's width and the length T → H on paper, against the printer's
// resolution: within a dot or two of the true size.
TEST_F(WBryukiTest, PatternPrintsAtTrueScale) {
    Calculate(kTrousers);
    const TWBryukiDraft& w = Garment();
    for (int mode : {1, 2, 4}) {
        PrintAt(mode, "scale");
        const double dotsPerCmX = ThePrinter().Device().logicalDpiX() / 2.54 / mode;
        const double dotsPerCmY = ThePrinter().Device().logicalDpiY() / 2.54 / mode;
        EXPECT_NEAR(PrinterDC.PixelX(w.BoxRight) - PrinterDC.PixelX(w.BoxLeft), (w.BoxRight - w.BoxLeft) * dotsPerCmX,
                    2.0)
            << mode;
        EXPECT_NEAR(PrinterDC.PixelY(w.H.y) - PrinterDC.PixelY(w.T.y), 99.9 * dotsPerCmY, 2.0) << mode;
    }
}

TEST_F(WBryukiTest, NothingToPrintBeforeCalculating) {
    for (const Kind* kind : kKinds) ExpectNothingToPrint(*kind);
}

}  // namespace
