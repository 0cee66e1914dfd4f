// The skirt in the real windows: its rows in the measurement column, the
// input checks, the order-file block, and the calculation road drawing the
// draft and the tables on the sheets.
#include <QImage>
#include <QLabel>
#include <QTextEdit>

#include "kernel/DrawContext.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"
#include "tests/garments/lower_women/SkirtFixture.h"
#include "tests/garments/PagesAndPixels.h"

namespace {

const char* const kCaptions[] = {"Ст:", "Сб:", "Дтк:", "Дсб:", "Дсп:", "Дтс:", "Пт:", "Пб:"};
const char* const kHints[] = {"Полуобхват талии",
                              "Полуобхват бёдер",
                              "Расстояние от линии талии до колена",
                              "Расстояние от линии талии до пола сбоку",
                              "Расстояние от линии талии до пола спереди",
                              "Длина спины до талии",
                              "Прибавка по талии",
                              "Прибавка по бёдрам"};

using SkirtColumnTest = SkirtWindowTest;

TEST_F(SkirtColumnTest, ConstructorLaysOutEightRowsAndTheCaption) {
    for (int n = 1; n <= 8; ++n) {
        EXPECT_FALSE(main->Line(n)->isHidden()) << n;
        EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
        EXPECT_EQ(main->Line(n)->text().toStdString(), kCaptions[n - 1]);
        EXPECT_EQ(main->MeasHint(n), kHints[n - 1]);
        EXPECT_EQ(Field(n), "") << "no samples unless asked";
    }
    EXPECT_TRUE(main->Line(9)->isHidden());
    EXPECT_EQ(main->ModelType->text().toStdString(), " Юбка. Заказ № " + std::to_string(main->OrderNumber));
    EXPECT_TRUE(report->List1()->Visible());
    EXPECT_TRUE(report->List2()->Visible());
}

TEST_F(SkirtColumnTest, SamplesUseTheUsersSeparator) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    ASSERT_TRUE(main->CreateModel(kYubkaType, -1, -1));
    const char* expected[] = {"38", "53", "53,3", "99,4", "97,9", "38,2", "0,5", "1"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
}

TEST_F(SkirtColumnTest, DestructorHidesTheRowsAndTheSheets) {
    delete main->Model;
    main->Model = nullptr;
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(main->Line(n)->isHidden()) << n;
    EXPECT_FALSE(report->List1()->Visible());
    EXPECT_FALSE(report->List2()->Visible());
}

TEST_F(SkirtColumnTest, ClearInputsEmptiesTheOrder) {
    Type(SkirtSamples());
    main->CustomerData->setText("Иванова");
    main->Comment->setPlainText("строка");
    main->OrderNumber = 41;
    Skirt().calculated = true;
    Skirt().ClearInputs(-1);
    EXPECT_FALSE(Skirt().calculated);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), "");
    EXPECT_EQ(main->ModelType->text().toStdString(), " Юбка. Заказ № 41");
    EXPECT_TRUE(main->CustomerData->text().isEmpty());
    EXPECT_TRUE(main->Comment->toPlainText().isEmpty());
}

// ---------------------------------------------------------------------------
// GetMeasures

TEST_F(SkirtColumnTest, GetMeasuresStoresTheSamples) {
    Type(SkirtSamples());
    ASSERT_TRUE(Skirt().GetMeasures());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Skirt().WaistToKnee, 53.3f);
    EXPECT_EQ(Skirt().HipEase, 1.0f);
}

TEST_F(SkirtColumnTest, ChecksAndTheirBoundaries) {
    struct Case {
        std::vector<std::string> fields;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {{"38", "37", "53.3", "99.4", "97.9", "38.2", "0.5", "1"}, "Сб+Пб < Ст+Пт"},
        {{"38", "37.5", "53.3", "99.4", "97.9", "38.2", "0.5", "1"}, nullptr},  // D = 0
        {{"38", "53", "53.3", "97.8", "97.9", "38.2", "0.5", "1"}, "Дсб < Дсп"},
        {{"38", "53", "53.3", "97.9", "97.9", "38.2", "0.5", "1"}, nullptr},  // Дсб = Дсп
        {{"38", "53", "38.2", "99.4", "97.9", "38.2", "0.5", "1"}, "Дтс >= Дтк"},
        {{"38", "53", "38.3", "99.4", "97.9", "38.2", "0.5", "1"}, nullptr},
        // The first failing check is the one reported.
        {{"38", "37", "30", "90", "97.9", "38.2", "0.5", "1"}, "Сб+Пб < Ст+Пт"},
    };
    for (const Case& c : cases) {
        messages.clear();
        Type(c.fields);
        ExpectCheckVerdict(Skirt().GetMeasures(), c.message, c.fields[1]);
    }
}

TEST_F(SkirtColumnTest, EmptyFieldShowsOnlyTheMissingMessage) {
    std::vector<std::string> fields = SkirtSamples();
    fields[2] = "";
    fields[1] = "1";  // would fail the first check
    Type(fields);
    EXPECT_FALSE(Skirt().GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    EXPECT_EQ(messages[0].caption, kMeasurementsMissingCaption);
}

TEST_F(SkirtColumnTest, TextThatIsNotANumberIsReportedNeverThrown) {
    for (const char* bad : {"53.3.1", ",", ".", "53,,3", "5 3", "1e5", "--3"}) {
        messages.clear();
        std::vector<std::string> fields = SkirtSamples();
        fields[2] = bad;
        Type(fields);
        Skirt().WaistToKnee = 7.0f;
        bool ok = true;
        EXPECT_NO_THROW(ok = Skirt().GetMeasures()) << bad;
        EXPECT_FALSE(ok) << bad;
        ASSERT_EQ(messages.size(), 1u) << bad;
        EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
        EXPECT_EQ(messages[0].icon, MsgExclamation);
        EXPECT_NE(messages[0].text.find("Дтк"), std::string::npos) << messages[0].text;
        // The text as the field holds it (the field types the user's separator).
        EXPECT_NE(messages[0].text.find("«" + Field(3) + "»"), std::string::npos) << messages[0].text;
        EXPECT_EQ(Skirt().WaistToKnee, 7.0f) << "nothing stored";
    }
}

TEST_F(SkirtColumnTest, BothSeparatorsAreRead) {
    std::vector<std::string> fields = SkirtSamples();
    fields[2] = "53,3";
    fields[3] = "99.4";
    Type(fields);
    ASSERT_TRUE(Skirt().GetMeasures());
    EXPECT_EQ(Skirt().WaistToKnee, 53.3f);
    EXPECT_EQ(Skirt().SideWaistToFloor, 99.4f);
}

// A failed GetMeasures on the calculate command clears the sheets and the
// calculated flag.
TEST_F(SkirtColumnTest, CalculateCommandWithBadNumberStopsQuietly) {
    std::vector<std::string> fields = SkirtSamples();
    fields[0] = "3..8";
    Type(fields);
    EXPECT_NO_THROW(main->CalcExecute());
    EXPECT_FALSE(Skirt().calculated);
    ASSERT_EQ(messages.size(), 1u);
}

// ---------------------------------------------------------------------------
// The order-file block

TEST_F(SkirtColumnTest, SaveWritesThirtyTwoBytesAndLoadRefillsTheFields) {
    Type(SkirtSamples());
    ASSERT_TRUE(Skirt().GetMeasures());
    RecordWriter w;
    Skirt().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 32u);
    RecordReader check(w.Bytes());
    EXPECT_EQ(check.ReadFloat(), 38.0f);  // Ст first, little-endian floats

    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    RecordWriter block;
    for (float v : {38.0f, 53.0f, 53.3f, 99.44f, 97.9f, 38.2f, 0.5f, 1.0f}) block.WriteFloat(v);
    RecordReader r(block.Bytes());
    Skirt().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Skirt().SideWaistToFloor, 99.44f);
    const char* expected[] = {"38", "53", "53,3", "99,44", "97,9", "38,2", "0,5", "1"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
    EXPECT_TRUE(messages.empty());
}

// An opened order shows, checks and drafts the values as the file holds
// them: the reopened pattern is the one that was saved, to the last digit,
// and its fields read back as the same values.
TEST_F(SkirtColumnTest, ReopenedOrderDraftsFromTheSavedValues) {
    Type({"38.25", "53.35", "53.35", "99.45", "97.95", "38.25", "0.55", "1.05"});
    main->CalcExecute();
    ASSERT_TRUE(Skirt().calculated);
    std::vector<float> saved(std::begin(Skirt().Segments), std::end(Skirt().Segments));
    const std::string path = TempPath("two-decimals.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));

    ASSERT_TRUE(main->CreateModel(kYubkaType, -1, -1));
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(Skirt().calculated);
    EXPECT_EQ(Skirt().WaistHalfGirth, 38.25f);
    EXPECT_EQ(Field(1), "38.25");
    for (size_t k = 0; k < saved.size(); ++k) EXPECT_EQ(Skirt().Segments[k], saved[k]) << k;
    EXPECT_TRUE(messages.empty());
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(SkirtColumnTest, CalculateRoadDrawsTheDraftAndTheTables) {
    Type(SkirtSamples());
    main->CalcExecute();
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_TRUE(Skirt().calculated);
    EXPECT_EQ(FormatFixed(Skirt().Segments[TYubka::SegB5b9], 5, 1), "3.0");

    // Sheet 1: the outline around the side point B2, the labels, the captions.
    const QImage& sheet1 = report->List1()->Bitmap();
    const int bx = ScreenDC.PixelX(Skirt().B2.x), by = ScreenDC.PixelY(Skirt().B2.y);
    EXPECT_GT(DarkPixels(sheet1, QRect(bx - 6, by - 6, 12, 12)), 4);
    EXPECT_GT(DarkPixels(sheet1, QRect(0, 0, sheet1.width(), 30)), 20);  // header and sheet label
    // Sheet 2: the tables.
    const QImage& sheet2 = report->List2()->Bitmap();
    EXPECT_GT(DarkPixels(sheet2, QRect(50, 57, 201, 166)), 200);   // measurement table
    EXPECT_GT(DarkPixels(sheet2, QRect(296, 57, 201, 342)), 400);  // segment table
}

TEST_F(SkirtColumnTest, NothingIsDrawnBeforeCalculating) {
    Skirt().ClearSheets();
    const QImage before = report->List1()->Bitmap().copy();
    Skirt().Draw();
    Skirt().DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap(), before);
}

TEST_F(SkirtColumnTest, RedrawAtEveryScaleThrowsNothing) {
    Type(SkirtSamples());
    main->CalcExecute();
    ASSERT_TRUE(Skirt().calculated);
    ExpectRedrawsAtEveryScale();
}

}  // namespace
