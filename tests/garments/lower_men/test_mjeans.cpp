// The two men's jeans in the real windows: their rows in the measurement
// column, the input check, the illustrations, the order-file blocks and an
// order of each type saved and opened again, the calculation road drawing
// the pieces and the tables at 1:1 and 1:4, a degenerate order failing
// through the road's message, and printing into a PDF file at true scale.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <string>
#include <vector>

#include "garments/lower_men/MJeans.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "shell/NewPrForm.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

using namespace MeasureHints;

// What the tests know of each jeans.
struct Kind {
    int type;
    const char* caption;  // the order caption before the number
    std::vector<std::string> captions, hints, samples, commaSamples;
    std::vector<void (*)()> illustrations;
    std::vector<std::string> tableTexts;
    int waistEaseEdit;  // 1-based
};

const Kind kJeans{kMJeansType,
                  " Джинсы мужские. Заказ № ",
                  {"Ст:", "Сб:", "О бед.н.к.:", "Дсб:", "Пт:", "Пб:", "П о.бед.н.к.:"},
                  {"Полуобхват талии", "Полуобхват бёдер", "Обхват бедра над коленом", "Длина брюк сбоку",
                   "Прибавка к полуобхвату талии", "Прибавка к полуобхвату бёдер",
                   "Прибавка к обхвату бедра над коленом"},
                  {"41", "50", "40.5", "98", "0.5", "0", "8"},
                  {"41", "50", "40,5", "98", "0,5", "0", "8"},
                  {LowerLine9, LowerLine10, LowerLine12, LowerLine13, LowerPt3, LowerPb4, LowerPobednk},
                  {"Ст", "Сб", "О.бед.н.к.", "Дсп", "Пт", "Пб", "П о.бед.н.к."},
                  5};

const Kind kJeans2{kMJeans2Type,
                   " Джинсы мужские 2. Заказ № ",
                   {"Ст:", "Сб:", "Вс:", "О бед.н.к.:", "Дсб:", "Пт:", "Пб:", "Пвс:", "П о.бед.н.к.:"},
                   {"Полуобхват талии", "Полуобхват бёдер", "Высота сидения", "Обхват бедра над коленом",
                    "Длина брюк сбоку", "Прибавка к полуобхвату талии", "Прибавка к полуобхвату бёдер",
                    "Прибавка к высоте сидения", "Прибавка к обхвату бедра над коленом"},
                   {"41", "50", "23.5", "40.5", "98", "0.5", "0", "0", "8"},
                   {"41", "50", "23,5", "40,5", "98", "0,5", "0", "0", "8"},
                   {LowerLine9, LowerLine10, LowerLine11, LowerLine12, LowerLine13, LowerPt3, LowerPb4, LowerPvs2,
                    LowerPobednk},
                   {"Ст", "Сб", "Вс", "О.бед.н.к.", "Дсп", "Пт", "Пб", "Пвс", "П о.бед.н.к."},
                   6};

const Kind* const kKinds[] = {&kJeans, &kJeans2};

// The jeans come with the program's own pieces (RegisterBuiltInModels).
class MJeansTest : public GarmentWindowTest {
protected:
    void Choose(const Kind& kind) {
        ASSERT_TRUE(main->CreateModel(kind.type, -1, -1));
        messages.clear();
    }
    TMJeansDraft& Jeans() { return *dynamic_cast<TMJeansDraft*>(main->Model); }

    // The samples typed and calculated on the road.
    void Calculate(const Kind& kind) { CalculateWith(kind.type, kind.samples); }
};

TEST_F(MJeansTest, ConstructorLaysOutTheRowsTheCaptionAndTheSamples) {
    for (const Kind* kind : kKinds) {
        SCOPED_TRACE(kind->type);
        main->OrderNumber = 7;
        main->FillSamples = false;
        EXPECT_TRUE(TNewPrForm::Available(kind->type)) << "choosable in the base-selection dialog";
        Choose(*kind);
        const int rows = int(kind->captions.size());
        for (int n = 1; n <= rows; ++n) {
            EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
            EXPECT_EQ(main->Line(n)->text().toStdString(), kind->captions[size_t(n - 1)]);
            EXPECT_EQ(main->MeasHint(n), kind->hints[size_t(n - 1)]);
            EXPECT_EQ(Field(n), "") << "no samples unless asked";
        }
        EXPECT_TRUE(main->Line(rows + 1)->isHidden());
        EXPECT_EQ(main->ModelType->text().toStdString(), std::string(kind->caption) + "7");
        EXPECT_TRUE(report->List1()->Visible());
        EXPECT_TRUE(report->List2()->Visible());
        EXPECT_EQ(Jeans().BlockSize(), 4 * rows);

        // With the sample option and the user's comma.
        main->FillSamples = true;
        main->DecimalSeparator = ',';
        main->DecimalSeparatorText = ",";
        Choose(*kind);
        for (int n = 1; n <= rows; ++n) EXPECT_EQ(Field(n), kind->commaSamples[size_t(n - 1)]) << n;
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
    }
}

// ---------------------------------------------------------------------------
// GetMeasures

TEST_F(MJeansTest, EditsGoIntoTheirFields) {
    Choose(kJeans);
    Type({"41", "50", "40.5", "98", "0.5", "0.7", "8.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    EXPECT_EQ(Jeans().ThighGirth, 40.5f);
    EXPECT_EQ(Jeans().SideLength, 98.0f);
    EXPECT_EQ(Jeans().WaistEase, 0.5f);
    EXPECT_EQ(Jeans().HipEase, 0.7f);
    EXPECT_EQ(Jeans().ThighEase, 8.2f);  // the seventh edit

    Choose(kJeans2);
    Type({"41", "50", "23.5", "40.5", "98", "0.5", "0.7", "1.5", "8.2"});
    ASSERT_TRUE(Jeans().GetMeasures());
    EXPECT_EQ(Jeans().SeatHeight, 23.5f);
    EXPECT_EQ(Jeans().ThighGirth, 40.5f);
    EXPECT_EQ(Jeans().SeatEase, 1.5f);
    EXPECT_EQ(Jeans().ThighEase, 8.2f);
}

// Сб + Пб = Ст + Пт passes; a hundredth less on the hips fails; an empty
// edit stops the reading before the check.
TEST_F(MJeansTest, CheckOfTheWaistAgainstTheHips) {
    for (const Kind* kind : kKinds) {
        SCOPED_TRACE(kind->type);
        Choose(*kind);
        struct Row {
            std::string hips, waistEase;
            bool ok;
        } rows[] = {{"41.5", "0.5", true}, {"41.49", "0.5", false}, {"41", "0.6", false}, {"60", "19.1", false}};
        for (const Row& r : rows) {
            messages.clear();
            std::vector<std::string> fields = kind->samples;
            fields[1] = r.hips;
            fields[size_t(kind->waistEaseEdit - 1)] = r.waistEase;
            Type(fields);
            ExpectCheckVerdict(Jeans().GetMeasures(), r.ok ? nullptr : "Ст+Пт > Сб+Пб", r.hips + " " + r.waistEase);
            EXPECT_EQ(Jeans().HipHalfGirth, std::stof(r.hips)) << "the values stay stored";
        }
        messages.clear();
        std::vector<std::string> fields = kind->samples;
        fields[1] = "10";  // would fail the check
        fields.back() = "";
        Type(fields);
        EXPECT_FALSE(Jeans().GetMeasures());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    }
}

// Each edit shows its own figure: Meas_3 is the thigh for TMJeans and the
// seated figure for TMJeans2.
TEST_F(MJeansTest, EachEditShowsItsIllustration) {
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        for (size_t k = 0; k < kind->illustrations.size(); ++k) {
            kind->illustrations[k]();
            const QImage expected = MeasureFigure.Image->Bitmap().copy();
            LowerKs1();  // something else
            Jeans().ShowMeasure(int(k) + 1);
            EXPECT_EQ(MeasureFigure.Image->Bitmap(), expected) << kind->type << " edit " << k + 1;
        }
        const QImage before = MeasureFigure.Image->Bitmap().copy();
        Jeans().ShowMeasure(int(kind->illustrations.size()) + 1);
        Jeans().ShowMeasure(0);
        EXPECT_EQ(MeasureFigure.Image->Bitmap(), before);
    }
    LowerLine12();
    const QImage thigh = MeasureFigure.Image->Bitmap().copy();
    LowerLine11();
    EXPECT_NE(MeasureFigure.Image->Bitmap(), thigh);
}

// ---------------------------------------------------------------------------
// The order-file blocks

// TMJeans keeps П о.бед.н.к. fifth in its record; loading puts it back into
// the seventh edit, one decimal with the user's separator.
TEST_F(MJeansTest, FirstJeansBlockKeepsTheThighEaseFifth) {
    Choose(kJeans);
    Type(kJeans.samples);
    ASSERT_TRUE(Jeans().GetMeasures());
    RecordWriter w;
    Jeans().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 28u);
    RecordReader check(w.Bytes());
    for (float v : {41.0f, 50.0f, 40.5f, 98.0f, 8.0f, 0.5f, 0.0f}) EXPECT_EQ(check.ReadFloat(), v);

    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    Jeans().ClearInputs(-1);
    RecordReader r(w.Bytes());
    Jeans().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    const char* expected[] = {"41", "50", "40,5", "98", "0,5", "0", "8"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Field(n), expected[n - 1]) << n;
    EXPECT_FALSE(Jeans().calculated);
    EXPECT_TRUE(messages.empty());
}

// TMJeans2's record follows its edits.  A value comes back as the shortest
// text that reads as the float it is: 40.55 (stored as 40.5499992…) shows
// 40.55 again.
TEST_F(MJeansTest, SecondJeansBlockFollowsTheEdits) {
    Choose(kJeans2);
    RecordWriter block;
    for (float v : {41.0f, 50.0f, 23.5f, 40.55f, 98.0f, 0.5f, 0.7f, 1.5f, 40.56f}) block.WriteFloat(v);
    RecordReader r(block.Bytes());
    Jeans().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    const char* expected[] = {"41", "50", "23.5", "40.55", "98", "0.5", "0.7", "1.5", "40.56"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), expected[n - 1]) << n;
    EXPECT_EQ(Jeans().SeatEase, 1.5f);

    RecordWriter again;
    Jeans().SaveMeasures(again);
    EXPECT_EQ(again.Bytes(), block.Bytes());
}

TEST_F(MJeansTest, OrderOfEachTypeIsSavedAndOpenedAgain) {
    for (const Kind* kind : kKinds) {
        SCOPED_TRACE(kind->type);
        Choose(*kind);
        Type(kind->samples);
        main->CustomerData->setText("Иванов");
        const std::string path = TempPath("mjeans_" + std::to_string(kind->type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));

        Choose(kind == &kJeans ? kJeans2 : kJeans);  // the other jeans in between
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(messages.empty()) << messages[0].text;
        EXPECT_EQ(Jeans().Type(), kind->type);
        for (size_t k = 0; k < kind->samples.size(); ++k)
            EXPECT_EQ(std::stod(Field(int(k) + 1)), std::stod(kind->samples[k])) << k;
        EXPECT_EQ(main->CustomerData->text().toStdString(), "Иванов");
        EXPECT_TRUE(Jeans().calculated);
        EXPECT_EQ(FormatFixed(Jeans().CrotchSeam, 5, 1), "62.3");
    }
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(MJeansTest, CalculateRoadDrawsThePiecesAndTheTables) {
    for (const Kind* kind : kKinds) {
        SCOPED_TRACE(kind->type);
        Calculate(*kind);
        const TMJeansDraft& j = Jeans();
        EXPECT_EQ(FormatFixed(j.FrontRows[0].value, 5, 1), "98.0");
        const std::vector<ValueTableRow> measures = j.MeasureTableRows();
        ASSERT_EQ(measures.size(), kind->tableTexts.size());
        for (size_t k = 0; k < measures.size(); ++k) EXPECT_EQ(measures[k].text, kind->tableTexts[k]);
        EXPECT_EQ(j.FrontTableRows().size(), 24u);
        EXPECT_EQ(j.BackTableRows().size(), 29u);
        EXPECT_STREQ(j.BackTableRows()[20].text, "[ 13, y ]");
        EXPECT_EQ(j.BackTableRows()[6].value, 0.5f);  // [ H0, H011 ]
        EXPECT_EQ(j.FrontTableRows()[14].value, 0.5f);  // [ H0, H01 ]

        // Sheet 1: the outline at the hip and hem points, the back pocket,
        // the crotch-seam text.
        ExpectDraftThrough({j.B, j.B3, j.H01, j.H011, j.C2, j.T5, j.PocketBottom, j.B11}, kind->type);
        const QImage& sheet1 = report->List1()->Bitmap();
        const int tx = ScreenDC.PixelX(j.SeamTextAnchor.x), ty = ScreenDC.PixelY(j.SeamTextAnchor.y);
        EXPECT_GT(DarkPixels(sheet1, QRect(tx, ty, 60, 14)), 20);

        // Sheet 2: the three tables as deep as their rows, the comment below.
        ExpectTablesOfRows(kind->samples.size(), 24, 29, kind->type);
    }
}

// Between scales the same picture is drawn again from the stored points: at
// 1:1 and back at 1:4 without calculating, sheet 1 at 1:4 is what it was.
TEST_F(MJeansTest, RedrawsAtOneToOneAndOneToFour) {
    ScreenDC.SetScale(4);
    Calculate(kJeans2);
    main->Model->ClearSheets();
    main->Model->Draw();
    main->Model->DrawTables(4);
    // The sheet at 1:4 is the top left part of its bitmap.
    const QRect shown(0, 0, report->List1()->Width(), report->List1()->Height());
    const QImage atFour = report->List1()->Bitmap().copy(shown);
    const Vector hip = Jeans().B3;

    ScreenDC.SetScale(1);
    main->Model->ClearSheets();
    ASSERT_NO_THROW(main->Model->Draw());
    ASSERT_NO_THROW(main->Model->DrawTables(1));
    const QImage& atOne = report->List1()->Bitmap();
    const int x = ScreenDC.PixelX(hip.x), y = ScreenDC.PixelY(hip.y);
    EXPECT_GT(DarkPixels(atOne, QRect(x - 5, y - 5, 10, 10)), 3);

    ScreenDC.SetScale(4);
    main->Model->ClearSheets();
    main->Model->Draw();
    main->Model->DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap().copy(shown), atFour);
    ExpectRedrawsAtEveryScale();
}

// A seat height of 0 divides by zero in the yoke's dart angle: every run of
// the road fails and the road reports it once.
TEST_F(MJeansTest, DegenerateOrderFailsThroughTheRoadsMessage) {
    Choose(kJeans2);
    std::vector<std::string> fields = kJeans2.samples;
    fields[2] = "1";  // Вс + Пвс = 0
    fields[7] = "-1";
    ExpectTheRoadFails(fields);
}

// The pieces tiled over pages at true scale, then one page of tables; the
// front length T0 → H0 measured on the paper.
TEST_F(MJeansTest, PrintsThePiecesAtTrueScaleAndTheTablesPage) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind);
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "mjeans" + std::to_string(kind->type));
            EXPECT_FALSE(ThePrinter().Printing());
            EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount);
            EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1) << kind->type << " at 1:" << mode;
            const double dpiY = ThePrinter().Device().logicalDpiY();
            const double dots = PrinterDC.PixelY(Jeans().H0.y) - PrinterDC.PixelY(Jeans().T0.y);
            EXPECT_NEAR(dots * 2.54 / dpiY / (-Jeans().H0.y / mode), 1.0, 5e-4) << mode;
        }
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
