// The two women's jeans in the real windows: their rows in the measurement
// column, the input check, the illustrations, the order-file blocks (and an
// order saved and opened again), the calculation road drawing the pieces
// and the tables, and printing into a PDF file.
#include <QLabel>
#include <QPrinter>
#include <QTextEdit>

#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "platform/SheetImage.h"
#include "shell/OrderFile.h"
#include "tests/garments/lower_women/JeansFixture.h"

namespace {

struct JeansCase {
    int type;
    std::string orderCaption;
    std::vector<std::string> captions;
    std::vector<std::string> hints;
    std::vector<std::string> samples;        // as typed with '.'
    std::vector<std::string> commaSamples;   // as the constructor writes them with ','
    std::vector<void (*)()> illustrations;   // of each edit
};

const std::vector<JeansCase>& Cases() {
    static const std::vector<JeansCase> cases = {
        {kWJeansType,
         " Джинсы женские. Заказ № ",
         {"Ст:", "Сб:", "Ок:", "Дсп:", "Пт:", "Пб:", "Пок:"},
         {"Полуобхват талии", "Полуобхват бёдер", "Обхват колена", "Длина брюк спереди",
          "Прибавка к полуобхвату талии", "Прибавка к полуобхвату бёдер", "Прибавка к обхвату колена"},
         JeansSamples(),
         {"39,5", "50", "39,4", "99,9", "0,5", "0", "4"},
         {MeasureHints::LowerLine1, MeasureHints::LowerLine2, MeasureHints::LowerLine8, MeasureHints::LowerLine6,
          MeasureHints::LowerPt3, MeasureHints::LowerPb4, MeasureHints::LowerPok}},
        {kWJeans2Type,
         " Джинсы женские 2. Заказ № ",
         {"Ст:", "Сб:", "Вс:", "Ок:", "Дсп:", "Пт:", "Пб:", "Пвс:", "Пок:"},
         {"Полуобхват талии", "Полуобхват бёдер", "Высота сидения", "Обхват колена", "Длина брюк спереди",
          "Прибавка к полуобхвату талии", "Прибавка к полуобхвату бёдер", "Прибавка к высоте сидения",
          "Прибавка к обхвату колена"},
         Jeans2Samples(),
         {"39,5", "50", "23,5", "39,4", "99,9", "0,5", "0", "0", "4"},
         {MeasureHints::LowerLine1, MeasureHints::LowerLine2, MeasureHints::LowerLine3, MeasureHints::LowerLine8,
          MeasureHints::LowerLine6, MeasureHints::LowerPt3, MeasureHints::LowerPb4, MeasureHints::LowerPvs1,
          MeasureHints::LowerPok}},
    };
    return cases;
}

class JeansTest : public JeansWindowTest {
protected:
    TWJeansBase& Jeans() { return *dynamic_cast<TWJeansBase*>(main->Model); }
};

TEST_F(JeansTest, ConstructorLaysOutTheRowsTheCaptionAndTheSheets) {
    for (const JeansCase& c : Cases()) {
        SCOPED_TRACE(c.type);
        main->OrderNumber = 7;
        Choose(c.type);
        const int rows = int(c.captions.size());
        for (int n = 1; n <= rows; ++n) {
            EXPECT_FALSE(main->Line(n)->isHidden()) << n;
            EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
            EXPECT_EQ(main->Line(n)->text().toStdString(), c.captions[size_t(n - 1)]);
            EXPECT_EQ(main->MeasHint(n), c.hints[size_t(n - 1)]);
            EXPECT_EQ(Field(n), "") << "no samples unless asked";
        }
        EXPECT_TRUE(main->Line(rows + 1)->isHidden());
        EXPECT_EQ(main->ModelType->text().toStdString(), c.orderCaption + "7");
        EXPECT_TRUE(report->List1()->Visible());
        EXPECT_TRUE(report->List2()->Visible());
        EXPECT_FALSE(Jeans().calculated);
    }
}

TEST_F(JeansTest, SamplesUseTheUsersSeparator) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    for (const JeansCase& c : Cases()) {
        Choose(c.type);
        for (size_t k = 0; k < c.commaSamples.size(); ++k) EXPECT_EQ(Field(int(k) + 1), c.commaSamples[k]) << k;
    }
}

TEST_F(JeansTest, DestructorAndClearInputsEmptyTheColumn) {
    Choose(kWJeans2Type);
    Type(Jeans2Samples());
    main->CustomerData->setText("Петрова");
    main->Comment->setPlainText("строка");
    main->OrderNumber = 12;
    Jeans().calculated = true;
    Jeans().ClearInputs(3);
    EXPECT_FALSE(Jeans().calculated);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), "") << n;
    EXPECT_EQ(main->ModelType->text().toStdString(), " Джинсы женские 2. Заказ № 12");
    EXPECT_TRUE(main->CustomerData->text().isEmpty());
    EXPECT_TRUE(main->Comment->toPlainText().isEmpty());

    delete main->Model;
    main->Model = nullptr;
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(main->Line(n)->isHidden()) << n;
    EXPECT_FALSE(report->List1()->Visible());
    EXPECT_FALSE(report->List2()->Visible());
}

// ---------------------------------------------------------------------------
// GetMeasures

TEST_F(JeansTest, EditsGoIntoTheirFields) {
    Choose(kWJeansType);
    Type({"39.5", "50", "39.4", "99.9", "0.5", "0.7", "4.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    EXPECT_EQ(Jeans().KneeGirth, 39.4f);
    EXPECT_EQ(Jeans().FrontLength, 99.9f);
    EXPECT_EQ(Jeans().WaistEase, 0.5f);
    EXPECT_EQ(Jeans().HipEase, 0.7f);
    EXPECT_EQ(Jeans().KneeEase, 4.2f);  // the seventh edit

    Choose(kWJeans2Type);
    Type({"39.5", "50", "23.5", "39.4", "99.9", "0.5", "0.7", "1.5", "4.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    EXPECT_EQ(Jeans().SeatHeight, 23.5f);
    EXPECT_EQ(Jeans().SeatEase, 1.5f);
    EXPECT_EQ(Jeans().KneeEase, 4.2f);
}

TEST_F(JeansTest, CheckOfTheWaistAgainstTheHipsAndItsBoundary) {
    for (const JeansCase& c : Cases()) {
        SCOPED_TRACE(c.type);
        Choose(c.type);
        struct Row {
            std::string waist, waistEase;
            bool ok;
        } rows[] = {{"49.5", "0.5", true},   // Ст + Пт = Сб + Пб
                    {"49.6", "0.5", false},  // 0.1 over
                    {"49", "1.1", false}};
        for (const Row& r : rows) {
            messages.clear();
            std::vector<std::string> fields = c.samples;
            fields[0] = r.waist;
            fields[c.type == kWJeansType ? 4 : 5] = r.waistEase;
            Type(fields);
            ExpectCheckVerdict(Jeans().GetMeasures(), r.ok ? nullptr : "Ст+Пт > Сб+Пб", r.waist);
        }
        // An empty edit shows only the missing-measurements message.
        messages.clear();
        std::vector<std::string> fields = c.samples;
        fields.back() = "";
        fields[0] = "80";  // would fail the check
        Type(fields);
        EXPECT_FALSE(Jeans().GetMeasures());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    }
}

TEST_F(JeansTest, EachEditShowsItsIllustration) {
    for (const JeansCase& c : Cases()) {
        Choose(c.type);
        for (size_t k = 0; k < c.illustrations.size(); ++k) {
            c.illustrations[k]();
            const QImage expected = MeasureFigure.Image->Bitmap().copy();
            MeasureHints::LowerKs1();  // something else
            Jeans().ShowMeasure(int(k) + 1);
            EXPECT_EQ(MeasureFigure.Image->Bitmap(), expected) << c.type << " edit " << k + 1;
        }
        // Beyond the rows the figure stays as it is.
        const QImage before = MeasureFigure.Image->Bitmap().copy();
        Jeans().ShowMeasure(int(c.illustrations.size()) + 1);
        Jeans().ShowMeasure(0);
        EXPECT_EQ(MeasureFigure.Image->Bitmap(), before);
    }
}

// ---------------------------------------------------------------------------
// The order-file blocks

TEST_F(JeansTest, FirstJeansBlockKeepsTheKneeEaseFifth) {
    Choose(kWJeansType);
    Type({"39.5", "50", "39.4", "99.9", "0.5", "0.7", "4.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    RecordWriter w;
    Jeans().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 28u);
    RecordReader check(w.Bytes());
    for (float v : {39.5f, 50.0f, 39.4f, 99.9f, 4.2f, 0.5f, 0.7f}) EXPECT_EQ(check.ReadFloat(), v);

    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    RecordWriter block;
    for (float v : {38.0f, 51.0f, 40.0f, 101.44f, 5.0f, 0.5f, 1.0f}) block.WriteFloat(v);
    RecordReader r(block.Bytes());
    Jeans().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Jeans().KneeEase, 5.0f);
    const char* expected[] = {"38", "51", "40", "101,44", "0,5", "1", "5"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Field(n), expected[n - 1]) << n;
    EXPECT_TRUE(messages.empty());
}

TEST_F(JeansTest, SecondJeansBlockFollowsTheEdits) {
    Choose(kWJeans2Type);
    Type({"39.5", "50", "23.5", "39.4", "99.9", "0.5", "0.7", "1.5", "4.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    RecordWriter w;
    Jeans().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 36u);
    RecordReader r(w.Bytes());
    Jeans().ClearInputs(-1);
    Jeans().LoadMeasures(r);
    const char* expected[] = {"39.5", "50", "23.5", "39.4", "99.9", "0.5", "0.7", "1.5", "4.2"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), expected[n - 1]) << n;
}

TEST_F(JeansTest, OrderOfEachTypeIsSavedAndOpenedAgain) {
    for (const JeansCase& c : Cases()) {
        SCOPED_TRACE(c.type);
        Choose(c.type);
        Type(c.samples);
        main->CustomerData->setText("Сидорова");
        const std::string path = TempPath("jeans_" + std::to_string(c.type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));

        Choose(kWShortType);  // another garment in between
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_NE(dynamic_cast<TWJeansBase*>(main->Model), nullptr);
        EXPECT_EQ(Jeans().Variant().type, c.type);
        for (size_t k = 0; k < c.samples.size(); ++k)
            EXPECT_EQ(std::stod(Field(int(k) + 1)), std::stod(c.samples[k])) << k;
        EXPECT_EQ(main->CustomerData->text().toStdString(), "Сидорова");
        EXPECT_TRUE(Jeans().calculated);
        EXPECT_EQ(FormatFixed(Jeans().CrotchSeam, 5, 1), "60.4");
    }
}

// ---------------------------------------------------------------------------
// The calculation road, the sheets and printing

TEST_F(JeansTest, CalculateRoadDrawsThePiecesAndTheTables) {
    for (const JeansCase& c : Cases()) {
        SCOPED_TRACE(c.type);
        Choose(c.type);
        Type(c.samples);
        main->CalcExecute();
        ASSERT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_TRUE(Jeans().calculated);
        EXPECT_EQ(FormatFixed(Jeans().CrotchSeam, 5, 1), "60.4");
        EXPECT_EQ(FormatFixed(Jeans().FrontSegments[0], 5, 1), "99.9");
        EXPECT_EQ(Jeans().MeasureTableRows().size(), c.samples.size());
        EXPECT_STREQ(Jeans().MeasureTableRows()[c.type == kWJeansType ? 3 : 4].text,
                     c.type == kWJeansType ? "Дб" : "Дсп");

        // Sheet 1: the outline at the hip point B, the crotch-seam text.
        const QImage& sheet1 = report->List1()->Bitmap();
        const TWJeansBase& j = Jeans();
        const int bx = ScreenDC.PixelX(j.B.x), by = ScreenDC.PixelY(j.B.y);
        EXPECT_GT(DarkPixels(sheet1, QRect(bx - 6, by - 6, 12, 12)), 4);
        const int tx = ScreenDC.PixelX(j.j44.x), ty = ScreenDC.PixelY(j.j44.y);
        EXPECT_GT(DarkPixels(sheet1, QRect(tx, ty, 60, 14)), 20);
        // Sheet 2: the three tables.
        const QImage& sheet2 = report->List2()->Bitmap();
        EXPECT_GT(DarkPixels(sheet2, QRect(50, 57, 201, 150)), 200);   // measurements
        EXPECT_GT(DarkPixels(sheet2, QRect(296, 57, 201, 358)), 400);  // front
        EXPECT_GT(DarkPixels(sheet2, QRect(541, 57, 201, 454)), 500);  // back
    }
}

TEST_F(JeansTest, NothingIsDrawnOrPrintedBeforeCalculating) {
    Choose(kWJeansType);
    Jeans().ClearSheets();
    const QImage before = report->List1()->Bitmap().copy();
    Jeans().Draw();
    Jeans().DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap(), before);

    const std::string path = PrintAt(4, "jeans_none");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(JeansTest, RedrawAtEveryScaleThrowsNothing) {
    Choose(kWJeans2Type);
    Type(Jeans2Samples());
    main->CalcExecute();
    ASSERT_TRUE(Jeans().calculated);
    ExpectRedrawsAtEveryScale();
}

// The pieces tiled over pages at true scale, then one page of tables.
TEST_F(JeansTest, PrintsThePiecesAndTheTablesPage) {
    for (const JeansCase& c : Cases()) {
        Choose(c.type);
        Type(c.samples);
        main->CalcExecute();
        ASSERT_TRUE(Jeans().calculated);
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "jeans" + std::to_string(c.type));
            EXPECT_FALSE(ThePrinter().Printing());
            EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount);
            EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1) << c.type << " at 1:" << mode;

            // The front length T0 → H0 prints as Дсп/mode cm of paper.
            const double dpiY = ThePrinter().Device().logicalDpiY();
            const double dots = PrinterDC.PixelY(Jeans().H0.y) - PrinterDC.PixelY(Jeans().T0.y);
            EXPECT_NEAR(dots * 2.54 / dpiY / (99.9 / mode), 1.0, 5e-4) << mode;
        }
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace

namespace {

// A yoke line below "10" (seat height 40, waist 25): the yoke's side edge
// and the panel's side are drawn in their other pieces.
TEST_F(JeansTest, CalculateRoadDrawsALowYoke) {
    Choose(kWJeans2Type);
    Type({"25", "50", "40", "39.4", "99.9", "0.5", "0", "0", "4"});
    main->CalcExecute();
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_TRUE(Jeans().calculated);
    ASSERT_TRUE(Jeans().LowYoke());
    const QImage& sheet1 = report->List1()->Bitmap();
    const int x = ScreenDC.PixelX(Jeans().EdgeP10.x), y = ScreenDC.PixelY(Jeans().EdgeP10.y);
    EXPECT_GT(DarkPixels(sheet1, QRect(x - 4, y - 4, 8, 8)), 2);
}

}  // namespace
