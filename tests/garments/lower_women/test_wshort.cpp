// The women's shorts in the real windows: their rows, the three input
// checks and their boundaries, the illustrations, the order-file block (and
// an order saved and opened again), the calculation road and printing.
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

class ShortsTest : public JeansWindowTest {
protected:
    void AfterWindows() override {
        JeansWindowTest::AfterWindows();
        ASSERT_TRUE(main->CreateModel(kWShortType, -1, -1));
    }
    TWShort& Shorts() { return *dynamic_cast<TWShort*>(main->Model); }
};

TEST_F(ShortsTest, ConstructorLaysOutEightRowsAndTheCaption) {
    const char* captions[] = {"Ст:", "Сб:", "Вс:", "Дш:", "Шн:", "Пт:", "Пб:", "Пвс:"};
    const char* hints[] = {"Полуобхват талии",
                           "Полуобхват бёдер",
                           "Высота сидения",
                           "Длина шорт",
                           "Ширина низа",
                           "Прибавка к полуобхвату талии",
                           "Прибавка к полуобхвату бёдер",
                           "Прибавка к высоте сидения"};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_FALSE(main->Meas(n)->isHidden()) << n;
        EXPECT_EQ(main->Line(n)->text().toStdString(), captions[n - 1]);
        EXPECT_EQ(main->MeasHint(n), hints[n - 1]);
    }
    EXPECT_TRUE(main->Line(9)->isHidden());
    EXPECT_EQ(main->ModelType->text().toStdString(), " Шорты женские. Заказ № " + std::to_string(main->OrderNumber));
    EXPECT_TRUE(report->List1()->Visible());
    EXPECT_TRUE(report->List2()->Visible());

    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    ASSERT_TRUE(main->CreateModel(kWShortType, -1, -1));
    const char* samples[] = {"39,5", "50", "23,5", "30", "30", "0,5", "0", "0"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), samples[n - 1]) << n;

    Shorts().ClearInputs(-1);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), "") << n;
    delete main->Model;
    main->Model = nullptr;
    EXPECT_TRUE(main->Line(1)->isHidden());
    EXPECT_FALSE(report->List2()->Visible());
}

// The checks in their order, each at its boundary (Сб = 50, Вс = 23.5:
// Дш ≥ 28.5 and Шн ≤ 30.1 pass).
TEST_F(ShortsTest, ChecksInTheirOrderAndTheirBoundaries) {
    struct Case {
        std::vector<std::string> fields;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {{"49.5", "50", "23.5", "30", "30", "0.5", "0", "0"}, nullptr},  // Ст + Пт = Сб + Пб
        {{"49.6", "50", "23.5", "30", "30", "0.5", "0", "0"}, "Ст+Пт > Сб+Пб"},
        {{"39.5", "50", "23.5", "28.5", "30", "0.5", "0", "0"}, nullptr},  // Дш = Вс + 0.1·Сб
        {{"39.5", "50", "23.5", "28.4", "30", "0.5", "0", "0"}, "Дш < Вс+0.1*Сб"},
        {{"39.5", "50", "23.5", "30", "30.1", "0.5", "0", "0"}, nullptr},  // Шн = 0.6·(Сб + Пб) + 0.1
        {{"39.5", "50", "23.5", "30", "30.2", "0.5", "0", "0"}, "Шн > 0,6*(Сб+Пб)"},
        {{"39.5", "50", "23.5", "30", "30.7", "0.5", "1", "0"}, nullptr},  // Пб widens the hem too
        // The first failing check is the one reported.
        {{"49.6", "50", "23.5", "20", "40", "0.5", "0", "0"}, "Ст+Пт > Сб+Пб"},
        {{"39.5", "50", "23.5", "20", "40", "0.5", "0", "0"}, "Дш < Вс+0.1*Сб"},
    };
    for (const Case& c : cases) {
        messages.clear();
        Type(c.fields);
        ExpectCheckVerdict(Shorts().GetMeasures(), c.message, c.fields[0] + " " + c.fields[3] + " " + c.fields[4]);
    }

    messages.clear();
    std::vector<std::string> fields = ShortsSamples();
    fields[4] = "";
    Type(fields);
    EXPECT_FALSE(Shorts().GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
}

TEST_F(ShortsTest, EachEditShowsItsIllustration) {
    void (*const expected[])() = {MeasureHints::LowerLine1, MeasureHints::LowerLine2,      MeasureHints::LowerLine3,
                                  MeasureHints::LowerDlinashort, MeasureHints::LowerShn2, MeasureHints::LowerPt3,
                                  MeasureHints::LowerPb4,   MeasureHints::LowerPvs1};
    for (int k = 0; k < 8; ++k) {
        expected[k]();
        const QImage figure = MeasureFigure.Image->Bitmap().copy();
        MeasureHints::LowerKs1();
        Shorts().ShowMeasure(k + 1);
        EXPECT_EQ(MeasureFigure.Image->Bitmap(), figure) << "edit " << k + 1;
    }
    const QImage before = MeasureFigure.Image->Bitmap().copy();
    Shorts().ShowMeasure(9);
    EXPECT_EQ(MeasureFigure.Image->Bitmap(), before);
}

TEST_F(ShortsTest, BlockOfEightFloatsAndAnOrderOpenedAgain) {
    Type({"39.5", "50", "23.5", "30", "30.5", "0.5", "0.7", "1.5"});
    ASSERT_TRUE(Shorts().GetMeasures());
    RecordWriter w;
    Shorts().SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 32u);
    RecordReader check(w.Bytes());
    for (float v : {39.5f, 50.0f, 23.5f, 30.0f, 30.5f, 0.5f, 0.7f, 1.5f}) EXPECT_EQ(check.ReadFloat(), v);

    Type(ShortsSamples());
    main->Comment->setPlainText("короткие");
    const std::string path = TempPath("shorts.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    ASSERT_TRUE(main->CreateModel(kWJeansType, -1, -1));
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_NE(dynamic_cast<TWShort*>(main->Model), nullptr);
    const char* fields[] = {"39.5", "50", "23.5", "30", "30", "0.5", "0", "0"};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Field(n), fields[n - 1]) << n;
    EXPECT_EQ(main->Comment->toPlainText().toStdString(), "короткие");
    EXPECT_TRUE(Shorts().calculated);
    EXPECT_EQ(FormatFixed(Shorts().CrotchSeam, 5, 1), "61.8");
}

TEST_F(ShortsTest, CalculateRoadDrawsThePiecesAndTheTables) {
    Type(ShortsSamples());
    main->CalcExecute();
    ASSERT_TRUE(messages.empty()) << messages[0].text;
    ASSERT_TRUE(Shorts().calculated);
    EXPECT_EQ(FormatFixed(Shorts().CrotchSeam, 5, 1), "61.8");

    const QImage& sheet1 = report->List1()->Bitmap();
    const TWShort& s = Shorts();
    const int hx = ScreenDC.PixelX(s.H3.x), hy = ScreenDC.PixelY(s.H3.y);
    EXPECT_GT(DarkPixels(sheet1, QRect(hx - 6, hy - 6, 12, 12)), 4);
    const int tx = ScreenDC.PixelX(s.s46.x), ty = ScreenDC.PixelY(s.s46.y);
    EXPECT_GT(DarkPixels(sheet1, QRect(tx, ty, 60, 14)), 20);  // "Средний срез:61.8"
    const QImage& sheet2 = report->List2()->Bitmap();
    EXPECT_GT(DarkPixels(sheet2, QRect(50, 57, 201, 166)), 200);   // measurements
    EXPECT_GT(DarkPixels(sheet2, QRect(296, 57, 201, 278)), 300);  // front
    EXPECT_GT(DarkPixels(sheet2, QRect(541, 57, 201, 438)), 400);  // back

    ExpectRedrawsAtEveryScale();
}

TEST_F(ShortsTest, PrintsThePiecesAndTheTablesPage) {
    const std::string none = PrintAt(4, "shorts_none");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(none)));
    messages.clear();

    Type(ShortsSamples());
    main->CalcExecute();
    ASSERT_TRUE(Shorts().calculated);
    for (int mode : {1, 2, 4}) {
        const std::string path = PrintAt(mode, "shorts");
        EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1) << mode;
        // The hem H3 → H4 prints as its length / mode on paper.
        const double dpiX = ThePrinter().Device().logicalDpiX();
        const double dots = PrinterDC.PixelX(Shorts().H4.x) - PrinterDC.PixelX(Shorts().H3.x);
        const double cm = double(Shorts().H4.x) - Shorts().H3.x;
        EXPECT_NEAR(dots * 2.54 / dpiX / (cm / mode), 1.0, 2e-3) << mode;
    }
    EXPECT_TRUE(messages.empty());

    // Through the print command of the main window.
    Settings->Record->TilingMode = 2;
    const std::string path = TempPath("shorts_road.pdf");
    ThePrinter().SetPdfOutput(path);
    main->PrintModel();
    EXPECT_EQ(PdfPages(path), PrintLayout.PageCount + 1);
}

}  // namespace
