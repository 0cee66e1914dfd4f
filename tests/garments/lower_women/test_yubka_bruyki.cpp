// The skirt-trousers in the real windows: its six rows, the input checks,
// the illustrations, the order-file block and an order saved and reopened,
// the calculation road drawing both halves and the tables on three sheets,
// a degenerate order failing through the road's message, and printing into
// a PDF file.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextEdit>
#include <string>
#include <vector>

#include "garments/lower_women/YubkaBruyki.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "shell/BuiltInModels.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"

namespace {

const std::vector<std::string> kSamples = {"38", "53", "75", "1", "0.5", "2"};
const char* const kCaptions[] = {"Ст:", "Сб:", "Дю:", "Пвс:", "Пт:", "Пб:"};
const char* const kHints[] = {"Полуобхват талии",  "Полуобхват бёдер",  "Длина юбки",
                              "Прибавка к высоте сиденья", "Прибавка по талии", "Прибавка по бёдрам"};

// The bytes of a skirt-trousers order file with this block.
std::string OrderBytes(const std::vector<float>& values) {
    OrderContents order;
    order.type = kYubkaBruykiType;
    order.caption = " Юбка-брюки. Заказ № 3";
    RecordWriter block;
    for (float v : values) block.WriteFloat(v);
    order.block = block.Bytes();
    return EncodeOrder(order);
}

class SkirtTrousersTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override { RegisterYubkaBruyki(); }
    void OpenGarment() override { ASSERT_TRUE(main->CreateModel(kYubkaBruykiType, -1, -1)); }

    TYubka_Bruyki& Garment() { return *dynamic_cast<TYubka_Bruyki*>(main->Model); }

    void CalculateSamples() {
        Type(kSamples);
        main->CalcExecute();
        ASSERT_TRUE(Garment().calculated);
        messages.clear();
    }

    // The pages the tiling gives a half at the current print scale.
    int HalfPages(TYubka_Bruyki::Half half) {
        const TYubka_Bruyki::PieceBox box = Garment().PrintBox(half);
        return TilePrintSheets(box.left, box.right, box.top, box.bottom);
    }
};

// ---------------------------------------------------------------------------
// The measurement column

TEST_F(SkirtTrousersTest, ConstructorLaysOutSixRowsTheCaptionAndThreeSheets) {
    for (int n = 1; n <= 6; ++n) {
        EXPECT_FALSE(main->Line(n)->isHidden()) << n;
        EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
        EXPECT_EQ(main->Line(n)->text().toStdString(), kCaptions[n - 1]);
        EXPECT_EQ(main->MeasHint(n), kHints[n - 1]);
        EXPECT_EQ(Field(n), "") << "no samples unless asked";
    }
    EXPECT_TRUE(main->Line(7)->isHidden());
    EXPECT_EQ(main->ModelType->text().toStdString(), " Юбка-брюки. Заказ № " + std::to_string(main->OrderNumber));
    EXPECT_TRUE(report->List1()->Visible());
    EXPECT_TRUE(report->List2()->Visible());
    EXPECT_TRUE(report->List3()->Visible());

    delete main->Model;
    main->Model = nullptr;
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(main->Line(n)->isHidden()) << n;
    EXPECT_FALSE(report->List1()->Visible());
    EXPECT_FALSE(report->List2()->Visible());
    EXPECT_FALSE(report->List3()->Visible());
}

TEST_F(SkirtTrousersTest, SamplesUseTheUsersSeparator) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    ASSERT_TRUE(main->CreateModel(kYubkaBruykiType, -1, -1));
    const char* expected[] = {"38", "53", "75", "1", "0,5", "2"};
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
}

TEST_F(SkirtTrousersTest, ClearInputsEmptiesTheOrder) {
    Type(kSamples);
    main->CustomerData->setText("Иванова");
    main->Comment->setPlainText("строка");
    main->OrderNumber = 41;
    Garment().calculated = true;
    Garment().ClearInputs(-1);
    EXPECT_FALSE(Garment().calculated);
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(Field(n), "");
    EXPECT_EQ(main->ModelType->text().toStdString(), " Юбка-брюки. Заказ № 41");
    EXPECT_TRUE(main->CustomerData->text().isEmpty());
    EXPECT_TRUE(main->Comment->toPlainText().isEmpty());
}

// Each row shows its own illustration; other numbers leave the figure.
TEST_F(SkirtTrousersTest, ShowMeasureRoutesEveryRow) {
    void (*const routines[])() = {MeasureHints::LowerLine1, MeasureHints::LowerLine2, MeasureHints::LowerDlinayubki,
                                  MeasureHints::LowerPvs4,  MeasureHints::LowerPt1,   MeasureHints::LowerPb2};
    for (int k = 1; k <= 6; ++k) {
        routines[k - 1]();
        const QImage expected = main->LineImage.Bitmap().copy();
        MeasureHints::LowerLine7();  // something else first
        Garment().ShowMeasure(k);
        EXPECT_EQ(main->LineImage.Bitmap(), expected) << k;
    }
    const QImage before = main->LineImage.Bitmap().copy();
    for (int k : {0, 7, 27}) {
        Garment().ShowMeasure(k);
        EXPECT_EQ(main->LineImage.Bitmap(), before) << k;
    }
}

// ---------------------------------------------------------------------------
// GetMeasures: only missing or unreadable measurements are refused.

TEST_F(SkirtTrousersTest, GetMeasuresAcceptsAnySixNumbers) {
    const std::vector<std::vector<std::string>> accepted = {
        kSamples,
        {"40", "38", "70", "2", "1", "0"},  // Сб + Пб < Ст + Пт: negative E
        {"1", "1", "1", "0", "0", "0"},
        {"38,5", "53", "75", "-1", "0.5", "2"},
    };
    for (const auto& fields : accepted) {
        messages.clear();
        Type(fields);
        EXPECT_TRUE(Garment().GetMeasures()) << fields[0] << " " << fields[1];
        EXPECT_TRUE(messages.empty());
    }
    Type(accepted[3]);
    ASSERT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().WaistHalfGirth, 38.5f);
    EXPECT_EQ(Garment().SeatEase, -1.0f);
}

TEST_F(SkirtTrousersTest, EmptyOrUnreadableFieldIsRefusedWithNothingStored) {
    struct Case {
        int field;
        const char* text;
        bool missing;  // the shared "measurements missing" message
    } cases[] = {{4, "", true}, {1, "", true}, {6, "", true}, {3, "7..5", false}, {2, "5 3", false}};
    for (const Case& c : cases) {
        messages.clear();
        std::vector<std::string> fields = kSamples;
        fields[size_t(c.field - 1)] = c.text;
        Type(fields);
        Garment().SkirtLength = 7.0f;
        bool ok = true;
        EXPECT_NO_THROW(ok = Garment().GetMeasures());
        EXPECT_FALSE(ok) << c.field;
        ASSERT_EQ(messages.size(), 1u) << c.field;
        if (c.missing) {
            EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
            EXPECT_EQ(messages[0].caption, kMeasurementsMissingCaption);
        } else {
            EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
            EXPECT_NE(messages[0].text.find(std::string(kCaptions[c.field - 1]).substr(0, 2)), std::string::npos);
        }
        EXPECT_EQ(Garment().SkirtLength, 7.0f) << "nothing stored";
    }
}

// ---------------------------------------------------------------------------
// The order file

TEST_F(SkirtTrousersTest, BlockIsSixFloatsAndLoadRefillsTheFields) {
    Type(kSamples);
    ASSERT_TRUE(Garment().GetMeasures());
    RecordWriter w;
    Garment().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 24u);
    RecordReader check(w.Bytes());
    for (float v : {38.0f, 53.0f, 75.0f, 1.0f, 0.5f, 2.0f}) EXPECT_EQ(check.ReadFloat(), v);

    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    RecordWriter block;
    for (float v : {38.0f, 53.0f, 75.44f, 1.0f, 0.5f, 2.0f}) block.WriteFloat(v);
    RecordReader r(block.Bytes());
    Garment().LoadMeasures(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Garment().SkirtLength, 75.44f);
    const char* expected[] = {"38", "53", "75,44", "1", "0,5", "2"};
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(Field(n), expected[n - 1]);
    // The loaded texts read back as the same measurements.
    ASSERT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().SkirtLength, 75.44f);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkirtTrousersTest, OrderSavedAndReopenedIsCalculatedAgain) {
    Type({"38", "53", "75.4", "1", "0.5", "2"});
    main->CustomerData->setText("Петрова");
    main->Comment->setPlainText("Длина до колена");
    const std::string path = TempPath("skirt_trousers.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));

    ASSERT_TRUE(main->CreateModel(kYubkaBruykiType, -1, -1));  // a fresh, empty garment
    EXPECT_EQ(Field(3), "");
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_TRUE(messages.empty()) << messages[0].text;
    EXPECT_EQ(Field(3), "75.4");
    EXPECT_EQ(main->CustomerData->text().toStdString(), "Петрова");
    ASSERT_TRUE(Garment().calculated);
    EXPECT_EQ(FormatFixed(Garment().TableValue(TYubka_Bruyki::SegTH), 5, 1), "75.4");
}

// An order whose values pass the (missing-only) checks but cannot be
// drafted fails through the road's message; nothing hangs or is drawn.
TEST_F(SkirtTrousersTest, DegenerateOrderFailsThroughTheRoadsMessage) {
    const std::string path = TempPath("degenerate.mdr");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Сб + Пб = 0 and E = 0: the hip line has no width.
    const std::string bytes = OrderBytes({1.0f, 1.0f, 75.0f, 0.0f, -1.0f, -1.0f});
    file.write(bytes.data(), qint64(bytes.size()));
    file.close();

    OpenOrderFrom(*main, path);
    EXPECT_FALSE(Garment().calculated);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте");
    EXPECT_EQ(messages[0].text, "Пожалуйста, проверьте измерения.  ");  // the open road's text
}

// A block of the wrong size is refused before the garment is touched.
TEST_F(SkirtTrousersTest, BlockOfAnotherSizeIsRefused) {
    OrderContents decoded;
    std::string reason;
    EXPECT_TRUE(DecodeOrder(OrderBytes(std::vector<float>(6, 1.0f)), decoded, reason)) << reason;
    for (size_t floats : {5u, 7u, 8u})
        EXPECT_FALSE(DecodeOrder(OrderBytes(std::vector<float>(floats, 1.0f)), decoded, reason)) << floats;
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(SkirtTrousersTest, CalculateRoadDrawsBothHalvesAndTheTables) {
    CalculateSamples();
    const TYubka_Bruyki& y = Garment();
    struct Sheet {
        const QImage& image;
        Vector side, left, right;  // the side hip point; the hem's ends that centre the half
    } sheets[] = {
        {report->List1()->Bitmap(), y.B2, y.FrontInseamAtHem, y.FrontSideAtHem},
        {report->List2()->Bitmap(), y.B5, y.BackSideAtHem, y.BackInseamAtHem},
    };
    for (const Sheet& s : sheets) {
        ScreenDC.SetOrigin(kSheetWidthCm / 2.0f - (s.left.x + s.right.x) / 2, 10.0f);
        const int x = ScreenDC.PixelX(s.side.x), yy = ScreenDC.PixelY(s.side.y);
        EXPECT_GT(DarkPixels(s.image, QRect(x - 6, yy - 6, 12, 12)), 4);
        EXPECT_GT(DarkPixels(s.image, QRect(0, 0, s.image.width(), 40)), 20);  // header, label and title
    }
    // Sheet 3: the three tables side by side.
    const QImage& sheet3 = report->List3()->Bitmap();
    EXPECT_GT(DarkPixels(sheet3, QRect(50, 57, 201, 134)), 150);   // measurements
    EXPECT_GT(DarkPixels(sheet3, QRect(296, 57, 201, 374)), 400);  // front
    EXPECT_GT(DarkPixels(sheet3, QRect(541, 57, 201, 294)), 300);  // back
}

TEST_F(SkirtTrousersTest, NothingIsDrawnBeforeCalculatingAndClearingClearsAllThree) {
    Garment().ClearSheets();
    const QImage before[3] = {report->List1()->Bitmap().copy(), report->List2()->Bitmap().copy(),
                              report->List3()->Bitmap().copy()};
    Garment().Draw();
    Garment().DrawTables(4);
    EXPECT_EQ(report->List1()->Bitmap(), before[0]);
    EXPECT_EQ(report->List3()->Bitmap(), before[2]);

    CalculateSamples();
    EXPECT_NE(report->List3()->Bitmap(), before[2]);
    Garment().ClearSheets();
    EXPECT_EQ(report->List1()->Bitmap(), before[0]);
    EXPECT_EQ(report->List2()->Bitmap(), before[1]);
    EXPECT_EQ(report->List3()->Bitmap(), before[2]);
}

TEST_F(SkirtTrousersTest, RedrawAtEveryScaleThrowsNothing) {
    CalculateSamples();
    ExpectRedrawsAtEveryScale();
}

// ---------------------------------------------------------------------------
// Printing

// Each half tiled over its own pages, then one page of tables, at every
// print scale.
TEST_F(SkirtTrousersTest, PrintedPagesFollowTheTiling) {
    CalculateSamples();
    for (int mode : {1, 2, 4}) {
        Settings->Record->TilingMode = mode;
        const std::string path = TempPath("skirt_trousers_" + std::to_string(mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        Garment().Print();
        EXPECT_FALSE(ThePrinter().Printing());
        EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount) << mode;

        PrinterDC.BeginTrueScalePage(float(mode));
        const int front = HalfPages(TYubka_Bruyki::Front), back = HalfPages(TYubka_Bruyki::Back);
        EXPECT_EQ(PdfPages(path), front + back + 1) << "mode " << mode;
        if (mode == 1) {
            EXPECT_GT(front, 1) << "a full-size half needs several pages";
        }
    }
    EXPECT_TRUE(messages.empty());
}

// The back half's hem line H1 → H5 (S/2 = 27.5 cm) and its side line T1 → H1
// (75 cm) print at 1:s on paper.
TEST_F(SkirtTrousersTest, HalvesPrintAtTrueScale) {
    CalculateSamples();
    for (int mode : {1, 2, 4}) {
        Settings->Record->TilingMode = mode;
        ThePrinter().SetPdfOutput(TempPath("scale.pdf"));
        Garment().Print();  // the back half was printed last
        const double dpiX = ThePrinter().Device().logicalDpiX(), dpiY = ThePrinter().Device().logicalDpiY();
        const TYubka_Bruyki& y = Garment();
        // Both ends are truncated to whole dots: within two dots of the true length.
        const double across = PrinterDC.PixelX(y.H5.x) - PrinterDC.PixelX(y.H1.x);
        const double down = PrinterDC.PixelY(y.H1.y) - PrinterDC.PixelY(y.T1.y);
        EXPECT_NEAR(across, 27.5 / mode / 2.54 * dpiX, 2.0) << mode;
        EXPECT_NEAR(down, 75.0 / mode / 2.54 * dpiY, 2.0) << mode;
    }
}

TEST_F(SkirtTrousersTest, PrintCommandPrintsAndNothingToPrintBeforeCalculating) {
    const std::string none = TempPath("none.pdf");
    ThePrinter().SetPdfOutput(none);
    Garment().Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));

    CalculateSamples();
    Settings->Record->TilingMode = 4;
    const std::string path = TempPath("road.pdf");
    ThePrinter().SetPdfOutput(path);
    main->PrintModel();
    EXPECT_GE(PdfPages(path), 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkirtTrousersTest, FailureWhilePrintingAbandonsTheJob) {
    CalculateSamples();
    Garment().H8 = Vector(1e30f, 0);  // no page holds it
    Settings->Record->TilingMode = 4;
    ThePrinter().SetPdfOutput(TempPath("failed.pdf"));
    EXPECT_THROW(Garment().Print(), EFloatError);
    EXPECT_FALSE(ThePrinter().Printing());
}

}  // namespace
