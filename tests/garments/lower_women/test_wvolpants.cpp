// The model trousers in the real windows: their rows, the pleat count's
// correction and the input checks, the order-file block (also with counts
// only a damaged file can hold), an order saved and reopened, the
// calculation road drawing the draft and the tables, the illustrations, and
// printing into a PDF file.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextEdit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "garments/lower_women/WVolPants.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "platform/SheetImage.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

const std::vector<std::string> kSamples = {"37.5", "50", "25", "99.9", "20", "1", "6", "1", "2"};

const char* const kCaptions[] = {"Ст:", "Сб:", "Вс:", "Дсп:", "Шн:", "Пт:", "Пб:", "Пвс:", "Кс:"};
const char* const kHints[] = {"Полуобхват талии",   "Полуобхват бёдер",   "Высота сидения",
                              "Длина брюк спереди", "Ширина низа",        "Прибавка по талии",
                              "Прибавка по бёдрам", "Прибавка к высоте сиденья", "Количество складок у талии"};

// The order-file block of the trousers: eight floats and Кс.
std::string Block(const std::vector<float>& values, std::int32_t pleats) {
    RecordWriter w;
    for (float v : values) w.WriteFloat(v);
    w.WriteInt(pleats);
    return w.Bytes();
}

const std::vector<float> kSampleValues = {37.5f, 50, 25, 99.9f, 20, 1, 6, 1};

class WVolPantsWindowTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override { RegisterWVolPants(); }
    void OpenGarment() override { ASSERT_TRUE(main->CreateModel(kWVolPantsType, -1, -1)); }

    TWVolPants& Pants() { return *dynamic_cast<TWVolPants*>(main->Model); }

    void Calculated() {
        Type(kSamples);
        main->CalcExecute();
        ASSERT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_TRUE(Pants().calculated);
        messages.clear();
    }

    // An order of the trousers with this block, written to a file.
    std::string OrderFileWith(const std::string& block, const std::string& name) {
        OrderContents order;
        order.type = kWVolPantsType;
        order.block = block;
        order.caption = " Брюки женские модельные. Заказ № 5";
        order.customer = "Петрова";
        order.comment = {"со складками"};
        const std::string path = TempPath(name);
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = EncodeOrder(order);
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
};

// ---------------------------------------------------------------------------
// The column

TEST_F(WVolPantsWindowTest, ConstructorLaysOutNineRowsAndTheCaption) {
    for (int n = 1; n <= 9; ++n) {
        EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
        EXPECT_EQ(main->Line(n)->text().toStdString(), kCaptions[n - 1]);
        EXPECT_EQ(main->MeasHint(n), kHints[n - 1]);
        EXPECT_EQ(Field(n), "");
    }
    EXPECT_TRUE(main->Line(10)->isHidden());
    EXPECT_EQ(main->ModelType->text().toStdString(),
              " Брюки женские модельные. Заказ № " + std::to_string(main->OrderNumber));
    EXPECT_TRUE(report->List1()->Visible());
    EXPECT_TRUE(report->List2()->Visible());
}

TEST_F(WVolPantsWindowTest, SamplesUseTheUsersSeparator) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    ASSERT_TRUE(main->CreateModel(kWVolPantsType, -1, -1));
    const char* expected[] = {"37,5", "50", "25", "99,9", "20", "1", "6", "1", "2"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
}

TEST_F(WVolPantsWindowTest, DestructorAndClearInputs) {
    Type(kSamples);
    main->OrderNumber = 12;
    main->CustomerData->setText("Петрова");
    Pants().calculated = true;
    Pants().ClearInputs(-1);
    EXPECT_FALSE(Pants().calculated);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), "");
    EXPECT_EQ(main->ModelType->text().toStdString(), " Брюки женские модельные. Заказ № 12");
    EXPECT_TRUE(main->CustomerData->text().isEmpty());

    delete main->Model;
    main->Model = nullptr;
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(main->Meas(n)->isHidden()) << n;
    EXPECT_FALSE(report->List1()->Visible());
}

// ---------------------------------------------------------------------------
// GetMeasures

// Кс is truncated and held within 1..3 in the field before the checks, so a
// failed check still leaves the corrected value.
TEST_F(WVolPantsWindowTest, PleatCountIsCorrectedInTheField) {
    struct Case {
        const char* typed;
        const char* ct;  // Ст; 51 fails "Ст > Сб"
        int count;
        const char* shown;
    } cases[] = {{"2.7", "37.5", 2, "2"}, {"2,7", "37.5", 2, "2"},  {"0", "37.5", 1, "1"},
                 {"5", "37.5", 3, "3"},   {"0.5", "37.5", 1, "1"},  {"-4", "37.5", 1, "1"},
                 {"400", "37.5", 3, "3"}, {"5", "51", 3, "3"}};
    for (const Case& c : cases) {
        messages.clear();
        std::vector<std::string> fields = kSamples;
        fields[0] = c.ct;
        fields[8] = c.typed;
        Type(fields);
        const bool ok = Pants().GetMeasures();
        EXPECT_EQ(ok, std::string(c.ct) != "51") << c.typed;
        EXPECT_EQ(Pants().PleatCount, c.count) << c.typed;
        EXPECT_EQ(Field(9), c.shown) << c.typed;
    }
}

TEST_F(WVolPantsWindowTest, ChecksAndTheirBoundaries) {
    struct Case {
        const char *ct, *cb, *pt, *pb;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {"50.1", "50", "1", "6", "Ст > Сб"}, {"50", "50", "1", "6", nullptr},  // Ст = Сб passes
        {"37.5", "50", "6.1", "6", "Пт > Пб"}, {"37.5", "50", "6", "6", nullptr},
        {"51", "50", "7", "6", "Ст > Сб"},  // the first failing check is reported
    };
    for (const Case& c : cases) {
        messages.clear();
        Type({c.ct, c.cb, "25", "99.9", "20", c.pt, c.pb, "1", "2"});
        ExpectCheckVerdict(Pants().GetMeasures(), c.message, std::string(c.ct) + " " + c.pt);
    }
}

TEST_F(WVolPantsWindowTest, MissingOrBadFieldIsReportedNeverThrown) {
    for (int row : {1, 9}) {
        messages.clear();
        std::vector<std::string> fields = kSamples;
        fields[size_t(row - 1)] = "";
        Type(fields);
        EXPECT_FALSE(Pants().GetMeasures()) << row;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    }
    for (const char* bad : {"2..1", "nan", "inf", "1e5"}) {
        messages.clear();
        std::vector<std::string> fields = kSamples;
        fields[8] = bad;
        Type(fields);
        ExpectRefusedAsNoNumber("Кс", bad);
    }
}

// ---------------------------------------------------------------------------
// The order-file block

TEST_F(WVolPantsWindowTest, BlockIsThirtySixBytesAndLoadRefillsTheFields) {
    Type(kSamples);
    ASSERT_TRUE(Pants().GetMeasures());
    RecordWriter w;
    Pants().SaveMeasures(w);
    EXPECT_EQ(w.Bytes(), Block(kSampleValues, 2));

    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    RecordReader r(Block({37.5f, 50, 25, 99.94f, 20, 1, 6, 1}, 3));
    Pants().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Pants().FrontLength, 99.94f);
    const char* expected[] = {"37,5", "50", "25", "99,94", "20", "1", "6", "1", "3"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
    // The open road reads the loaded texts back.
    EXPECT_TRUE(Pants().GetMeasures());
    EXPECT_EQ(Pants().PleatCount, 3);
    EXPECT_TRUE(messages.empty());
}

// A file is read without checks: a count of 0 would divide by zero, a
// negative one would lower for ever.  Loading holds it within 1..3, and the
// drafting that follows ends.
TEST_F(WVolPantsWindowTest, LoadedCountOutsideOneToThreeIsClamped) {
    std::int32_t nanBits;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(&nanBits, &nan, sizeof nanBits);
    struct Case {
        std::int32_t stored;
        int count;
    } cases[] = {{0, 1}, {-1, 1}, {7, 3}, {nanBits, 3}, {std::numeric_limits<std::int32_t>::min(), 1}};
    for (const Case& c : cases) {
        RecordReader r(Block(kSampleValues, c.stored));
        Pants().LoadMeasures(r);
        EXPECT_EQ(Pants().PleatCount, c.count) << c.stored;
        EXPECT_EQ(Field(9), std::to_string(c.count)) << c.stored;
        EXPECT_NO_THROW(Pants().Calculate()) << c.stored;
        EXPECT_GE(Pants().PleatCount, 1);
        EXPECT_LE(Pants().PleatCount, 3);
    }
}

// A NaN measurement in a block (a file that escaped the order file's own
// check) is refused by the checks of the open road, and the drafting alone
// fails by EFloatError.
TEST_F(WVolPantsWindowTest, LoadedNaNIsRefusedAndNeverDrafted) {
    std::vector<float> values = kSampleValues;
    values[0] = std::numeric_limits<float>::quiet_NaN();
    RecordReader r(Block(values, 2));
    Pants().LoadMeasures(r);
    bool ok = true;
    EXPECT_NO_THROW(ok = Pants().GetMeasures());
    EXPECT_FALSE(ok);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_THROW(Pants().Calculate(), EFloatError);
    EXPECT_FALSE(Pants().calculated);
}

TEST_F(WVolPantsWindowTest, OrderSavedAndReopened) {
    Type({"38", "51", "26", "101.3", "21", "1", "5", "1.5", "3"});
    main->CustomerData->setText("Петрова");
    main->Comment->setPlainText("со складками");
    const std::string path = TempPath("pants.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));

    ASSERT_TRUE(main->CreateModel(kWVolPantsType, -1, -1));  // a fresh garment, empty fields
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    TWVolPants& p = Pants();
    EXPECT_TRUE(p.calculated);
    EXPECT_EQ(p.WaistHalfGirth, 38.0f);
    EXPECT_EQ(p.FrontLength, 101.3f);
    EXPECT_EQ(p.SeatEase, 1.5f);
    EXPECT_EQ(Field(9), "3");
    EXPECT_EQ(main->CustomerData->text().toStdString(), "Петрова");
}

// The program writes a count of 1 to 3: any other is a damaged order,
// refused by its name, even where its bits would be no number as a float.
TEST_F(WVolPantsWindowTest, OrderFileWithCountOutsideOneToThreeIsRefused) {
    for (std::int32_t stored : {0, 7, -521416928, 0x7fc00000}) {
        messages.clear();
        const std::string path = OrderFileWith(Block(kSampleValues, stored), "count.mdr");
        EXPECT_FALSE(OpenOrderFrom(*main, path)) << stored;
        ASSERT_EQ(messages.size(), 1u) << stored;
        EXPECT_EQ(messages[0].text, "Файл основы повреждён и не может быть открыт: «Кс» в файле равно " +
                                        std::to_string(stored) + ", а может быть только от 1 до 3.  ");
    }
}

// ---------------------------------------------------------------------------
// The calculation road, the sheets and the figure

TEST_F(WVolPantsWindowTest, CalculateRoadDrawsTheDraftAndTheTables) {
    Calculated();
    EXPECT_EQ(FormatFixed(Pants().CrotchLength, 5, 1), "64.0");
    const QImage& sheet1 = report->List1()->Bitmap();
    for (const Vector& p : {Pants().B11, Pants().C2, Pants().H3, Pants().T511}) {
        const int x = ScreenDC.PixelX(p.x), y = ScreenDC.PixelY(p.y);
        EXPECT_GT(DarkPixels(sheet1, QRect(x - 6, y - 6, 12, 12)), 4) << p.x << " " << p.y;
    }
    // The crotch text right of q45.
    const int tx = ScreenDC.PixelX(Pants().q45.x), ty = ScreenDC.PixelY(Pants().q45.y);
    EXPECT_GT(DarkPixels(sheet1, QRect(tx, ty - 20, 120, 40)), 30);
    // Sheet 2: the three tables side by side.
    const QImage& sheet2 = report->List2()->Bitmap();
    EXPECT_GT(DarkPixels(sheet2, QRect(50, 57, 201, 182)), 200);   // measurements
    EXPECT_GT(DarkPixels(sheet2, QRect(296, 57, 201, 342)), 400);  // front, two pleats
    EXPECT_GT(DarkPixels(sheet2, QRect(541, 57, 201, 374)), 400);  // back, one dart
}

TEST_F(WVolPantsWindowTest, NothingIsDrawnBeforeCalculatingAndEveryScaleRedraws) {
    Pants().ClearSheets();
    const QImage before = report->List1()->Bitmap().copy();
    Pants().Draw();
    Pants().DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap(), before);

    Calculated();
    ExpectRedrawsAtEveryScale();
}

TEST_F(WVolPantsWindowTest, EveryRowHasItsIllustration) {
    ASSERT_TRUE(MeasureFigure.Image);
    std::vector<QImage> figures;
    for (int n = 1; n <= 9; ++n) {
        Pants().ShowMeasure(n);
        figures.push_back(MeasureFigure.Image->Bitmap().copy());
    }
    for (size_t a = 0; a < figures.size(); ++a)
        for (size_t b = a + 1; b < figures.size(); ++b) EXPECT_NE(figures[a], figures[b]) << a + 1 << " " << b + 1;
    for (int n : {0, 10, 27}) {
        Pants().ShowMeasure(n);
        EXPECT_EQ(MeasureFigure.Image->Bitmap(), figures.back()) << n;
    }
}

// ---------------------------------------------------------------------------
// Printing

class WVolPantsPrintTest : public WVolPantsWindowTest {
protected:
    void TearDown() override {
        ThePrinter().Abort();
        WVolPantsWindowTest::TearDown();
    }
    std::string PrintAt(int mode) { return GarmentWindowTest::PrintAt(mode, "pants"); }
};

// The tiled pattern pages and one page of tables, at every print scale; the
// pattern at true scale.
TEST_F(WVolPantsPrintTest, PrintsTheTiledPatternAndATablesPage) {
    Calculated();
    for (int mode : {1, 2, 4}) {
        const std::string path = PrintAt(mode);
        EXPECT_FALSE(ThePrinter().Printing());
        const TPrintLayout& l = PrintLayout;
        EXPECT_EQ(l.PagesDone, l.PageCount) << mode;
        EXPECT_EQ(PdfPages(path), l.PageCount + 1) << mode;
        if (mode == 1) {
            EXPECT_GT(l.PageCount, 1);
        }

        const double dpiY = ThePrinter().Device().logicalDpiY();
        const TWVolPants& p = Pants();
        const double dotsDown = PrinterDC.PixelY(p.H0.y) - PrinterDC.PixelY(p.T0.y);
        EXPECT_NEAR(dotsDown * 2.54 / dpiY / (99.9 / mode), 1.0, 5e-4) << mode;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(WVolPantsPrintTest, ThePrintCommandPrintsAndNothingBeforeCalculating) {
    Settings->Record->TilingMode = 4;
    const std::string none = TempPath("pants_none.pdf");
    ThePrinter().SetPdfOutput(none);
    Pants().Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));

    messages.clear();
    Calculated();
    const std::string path = TempPath("pants_road.pdf");
    ThePrinter().SetPdfOutput(path);
    main->PrintModel();
    EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1);
}

}  // namespace
