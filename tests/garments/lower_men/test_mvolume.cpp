// The two volume trousers in the real windows: their rows in the measurement
// column, the checks and the pleat count written back, the illustrations,
// the order-file blocks in each one's record order and an order of each
// type saved and reopened, and the calculation road drawing the draft and
// the tables whose front rows follow the pleats.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTextEdit>
#include <memory>
#include <string>
#include <vector>

#include "garments/lower_men/MVolumeBryuki.h"
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

// What the tests know of each trousers.
using Kind = ColumnFacts;

const Kind kTrousers{kMVolumeBryukiType,
                     " Брюки мужские объёмные. Заказ № ",
                     {"Ст:", "Сб:", "Дсб:", "Шн:", "Пт:", "Пб:", "Пвс:", "Кс:"},
                     {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк сбоку", "Ширина низа", "Прибавка по талии",
                      "Прибавка по бёдрам", "Прибавка к высоте сиденья", "Количество складок у талии"},
                     {"41", "50", "102", "19", "1", "6", "0", "3"},
                     {MeasureHints::LowerLine9, MeasureHints::LowerLine10, MeasureHints::LowerLine13,
                      MeasureHints::LowerShn3, MeasureHints::LowerPt4, MeasureHints::LowerPb5, MeasureHints::LowerPvs3,
                      MeasureHints::LowerKs2}};

const Kind kTrousers2{kMVolumeBryuki2Type,
                      " Брюки мужские объёмные 2. Заказ № ",
                      {"Ст:", "Сб:", "Дсб:", "Вс:", "Шн:", "Пт:", "Пб:", "Пвс:", "Кс:"},
                      {"Полуобхват талии", "Полуобхват бёдер", "Длина брюк сбоку", "Высота сидения", "Ширина низа",
                       "Прибавка по талии", "Прибавка по бёдрам", "Прибавка к высоте сиденья",
                       "Количество складок у талии"},
                      {"41", "50", "102", "23.5", "19", "1", "6", "0", "3"},
                      {MeasureHints::LowerLine9, MeasureHints::LowerLine10, MeasureHints::LowerLine13,
                       MeasureHints::LowerLine11, MeasureHints::LowerShn3, MeasureHints::LowerPt4,
                       MeasureHints::LowerPb5, MeasureHints::LowerPvs3, MeasureHints::LowerKs2}};

const Kind* const kKinds[] = {&kTrousers, &kTrousers2};

// The first trousers' rows as texts, with Пт, Пб and Кс replaced.
std::vector<std::string> Fields(const std::string& Pt, const std::string& Pb, const std::string& Ks) {
    std::vector<std::string> f = kTrousers.samples;
    f[4] = Pt;
    f[5] = Pb;
    f[7] = Ks;
    return f;
}

// An order file of a type with these block floats, then the count, and no texts.
std::string OrderBytes(int type, const std::vector<float>& values, int count) {
    OrderContents order;
    order.type = type;
    RecordWriter block;
    for (float v : values) block.WriteFloat(v);
    block.WriteInt(count);
    order.block = block.Bytes();
    return EncodeOrder(order);
}

// The trousers come with the program's own pieces (RegisterBuiltInModels).
class MVolumeBryukiTest : public GarmentWindowTest {
protected:
    void OpenGarment() override { Choose(kTrousers); }

    void Choose(const Kind& kind) { ASSERT_TRUE(main->CreateModel(kind.type, -1, -1)); }
    TMVolumeBryukiDraft& Garment() { return *dynamic_cast<TMVolumeBryukiDraft*>(main->Model); }

    void Calculate(const Kind& kind, const std::vector<std::string>& fields) { CalculateWith(kind.type, fields); }

    void WriteFile(const std::string& path, const std::string& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    }
};

// ---------------------------------------------------------------------------
// The measurement column

TEST_F(MVolumeBryukiTest, ConstructorLaysOutTheRowsTheCaptionAndTwoSheets) {
    for (const Kind* kind : kKinds) ExpectColumnLaidOut(*kind);
}

// The second trousers' Вс shows "23,5".
TEST_F(MVolumeBryukiTest, SamplesUseTheUsersSeparator) {
    for (const Kind* kind : kKinds) ExpectSamplesWithComma(*kind);
}

TEST_F(MVolumeBryukiTest, ClearInputsEmptiesTheOrder) {
    for (const Kind* kind : kKinds) ExpectClearInputsEmptiesTheOrder(*kind);
}

TEST_F(MVolumeBryukiTest, ShowMeasureRoutesEveryRow) {
    for (const Kind* kind : kKinds) ExpectShowMeasureRoutesEveryRow(*kind);
}

// ---------------------------------------------------------------------------
// GetMeasures

// The two checks in their order, each strict; the pleat count truncated,
// clamped and stored before them, and written back only when they pass.
TEST_F(MVolumeBryukiTest, ChecksAndThePleatCount) {
    struct Case {
        std::vector<std::string> fields;
        const char* refusal;  // nullptr: accepted
        int count;            // stored
        const char* shown;    // the Кс field afterwards
    } cases[] = {
        {kTrousers.samples, nullptr, 3, "3"},
        {Fields("1", "6", "2.7"), nullptr, 2, "2"},
        {Fields("1", "6", "0"), nullptr, 1, "1"},
        {Fields("1", "6", "0.4"), nullptr, 1, "1"},
        {Fields("1", "6", "5"), nullptr, 3, "3"},
        {Fields("1", "6", "-2"), nullptr, 1, "1"},
        {Fields("1", "6", "400"), nullptr, 3, "3"},
        {Fields("6", "6", "3"), nullptr, 3, "3"},  // Пт = Пб passes
        {Fields("6.1", "6", "2"), "Пт > Пб", 2, "2"},
        {{"50", "50", "102", "19", "1", "6", "0", "1"}, nullptr, 1, "1"},  // Ст = Сб passes
        {{"50.1", "50", "102", "19", "1", "6", "0", "5"}, "Ст > Сб", 3, "5"},
        {{"51", "50", "102", "19", "7", "6", "0", "2.5"}, "Ст > Сб", 2, "2.5"},  // the first check first
    };
    for (const Case& c : cases) {
        messages.clear();
        Garment().PleatCount = 0;
        Type(c.fields);
        const std::string at = c.fields[0] + " " + c.fields[4] + " " + c.fields[7];
        ExpectCheckVerdict(Garment().GetMeasures(), c.refusal, at);
        EXPECT_EQ(Garment().PleatCount, c.count) << at;
        EXPECT_EQ(Field(8), c.shown) << at;
    }
    // The floats keep what was read, in their rows.
    Type(Fields("1.5", "6", "2"));
    ASSERT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().SideLength, 102.0f);
    EXPECT_EQ(Garment().HemWidth, 19.0f);
    EXPECT_EQ(Garment().WaistEase, 1.5f);
    EXPECT_EQ(Garment().HipEase, 6.0f);

    // The second trousers' Кс is their ninth row.
    Choose(kTrousers2);
    std::vector<std::string> fields = kTrousers2.samples;
    fields[8] = "2.9";
    Type(fields);
    ASSERT_TRUE(Garment().GetMeasures());
    EXPECT_EQ(Garment().PleatCount, 2);
    EXPECT_EQ(Field(9), "2");
    EXPECT_EQ(Garment().SeatDepth, 23.5f);
}

TEST_F(MVolumeBryukiTest, EmptyOrUnreadableFieldIsReportedNeverThrown) {
    std::vector<std::string> fields = kTrousers.samples;
    fields[7] = "";
    fields[0] = "99";  // would fail the check
    Type(fields);
    Garment().PleatCount = 2;
    EXPECT_FALSE(Garment().GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    EXPECT_EQ(Garment().PleatCount, 2);  // nothing stored
    EXPECT_EQ(Garment().WaistHalfGirth, 0.0f);

    messages.clear();
    fields = kTrousers.samples;
    fields[7] = "2,5.";
    Type(fields);
    ExpectRefusedAsNoNumber("Кс");
    EXPECT_EQ(Field(8), "2.5.");
}

// ---------------------------------------------------------------------------
// The order-file block and whole orders

// The first trousers keep Пб before Пт; both end with Кс as an integer.
TEST_F(MVolumeBryukiTest, BlocksInEachOnesRecordOrder) {
    const struct {
        const Kind* kind;
        std::vector<float> floats;
    } cases[] = {
        {&kTrousers, {41, 50, 102, 19, 6, 1, 0}},
        {&kTrousers2, {41, 50, 102, 23.5f, 19, 1, 6, 0}},
    };
    for (const auto& c : cases) {
        Choose(*c.kind);
        std::vector<std::string> fields = c.kind->samples;
        fields.back() = "2.7";
        Type(fields);
        ASSERT_TRUE(Garment().GetMeasures());
        RecordWriter w;
        Garment().SaveMeasures(w);
        EXPECT_EQ(w.Bytes().size(), 4 * c.kind->samples.size());
        RecordReader r(w.Bytes());
        for (float v : c.floats) EXPECT_EQ(r.ReadFloat(), v) << c.kind->type;
        EXPECT_EQ(r.ReadInt(), 2);
        EXPECT_EQ(r.Remaining(), 0u);

        // Only a block of that size opens.
        OrderContents decoded;
        std::string reason;
        EXPECT_TRUE(DecodeOrder(OrderBytes(c.kind->type, c.floats, 2), decoded, reason)) << reason;
        std::vector<float> shorter(c.floats.begin(), c.floats.end() - 1), longer = c.floats;
        longer.push_back(1);
        EXPECT_FALSE(DecodeOrder(OrderBytes(c.kind->type, shorter, 2), decoded, reason));
        EXPECT_FALSE(DecodeOrder(OrderBytes(c.kind->type, longer, 2), decoded, reason));
    }
}

TEST_F(MVolumeBryukiTest, LoadRefillsTheFieldsAsStoredAndTheCountAsInteger) {
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    SetDecimalSeparator(',');
    const struct {
        const Kind* kind;
        std::vector<float> floats;
        int stored;
        std::vector<std::string> shown;
        int count;
    } cases[] = {
        {&kTrousers, {41, 50, 102, 19, 6, 1, 0.04f}, 2, {"41", "50", "102", "19", "1", "6", "0,04", "2"}, 2},
        {&kTrousers2, {41, 50, 102, 23.5f, 19, 1, 6, 0}, 3, {"41", "50", "102", "23,5", "19", "1", "6", "0", "3"}, 3},
        // A damaged count is clamped on loading.
        {&kTrousers, {41, 50, 102, 19, 6, 1, 0}, 7, {"41", "50", "102", "19", "1", "6", "0", "3"}, 3},
        {&kTrousers, {41, 50, 102, 19, 6, 1, 0}, -4, {"41", "50", "102", "19", "1", "6", "0", "1"}, 1},
    };
    for (const auto& c : cases) {
        Choose(*c.kind);
        RecordWriter block;
        for (float v : c.floats) block.WriteFloat(v);
        block.WriteInt(c.stored);
        RecordReader r(block.Bytes());
        Garment().LoadMeasures(r);
        EXPECT_EQ(r.Remaining(), 0u);
        for (size_t n = 0; n < c.shown.size(); ++n) EXPECT_EQ(Field(int(n) + 1), c.shown[n]) << c.stored << " " << n;
        EXPECT_EQ(Garment().PleatCount, c.count);
        EXPECT_EQ(Garment().WaistEase, 1.0f);
        EXPECT_EQ(Garment().HipEase, 6.0f);
    }
}

TEST_F(MVolumeBryukiTest, OrderOfEachTypeSavedAndReopened) {
    for (const Kind* kind : kKinds) {
        Choose(*kind);
        std::vector<std::string> fields = kind->samples;
        fields.back() = "2.5";
        Type(fields);
        main->CustomerData->setText("Петров");
        const std::string path = TempPath("volume_" + std::to_string(kind->type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        EXPECT_EQ(Field(int(fields.size())), "2");  // saving ran the checks

        Choose(kind == &kTrousers ? kTrousers2 : kTrousers);  // another garment meanwhile
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_TRUE(messages.empty()) << messages[0].text;
        ASSERT_EQ(Garment().Type(), kind->type);
        EXPECT_EQ(Field(1), "41");
        EXPECT_EQ(Field(int(fields.size())), "2");
        EXPECT_EQ(main->CustomerData->text().toStdString(), "Петров");
        ASSERT_TRUE(Garment().calculated);
        EXPECT_EQ(Garment().PleatCount, 2);
        EXPECT_EQ(Garment().DrawnPleats(), 2);
        EXPECT_EQ(Garment().WaistEase, 1.0f);
        EXPECT_EQ(Garment().HipEase, 6.0f);
        EXPECT_EQ(Garment().SeamLabelText(), "Средний срез:62.5");
    }
}

// An opened order is checked like typed measurements before it is drafted.
TEST_F(MVolumeBryukiTest, OpenedOrderIsCheckedBeforeItIsDrafted) {
    const std::string path = TempPath("wide_waist.mdr");
    WriteFile(path, OrderBytes(kMVolumeBryukiType, {52, 50, 102, 19, 6, 1, 0}, 3));
    OpenOrderFrom(*main, path);
    EXPECT_FALSE(Garment().calculated);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, "Ст > Сб");
}

// The pleat count is an integer of 1 to 3 in every order the program writes;
// any other is a damaged order, named as the count it is.
TEST_F(MVolumeBryukiTest, AnOrderWithADamagedPleatCountIsRefused) {
    for (std::int32_t count : {0, 4, -521416928, 0x7fc00000}) {
        const std::string path = TempPath("pleats.mdr");
        WriteFile(path, OrderBytes(kMVolumeBryukiType, {41, 50, 102, 19, 6, 1, 0}, count));
        messages.clear();
        EXPECT_FALSE(OpenOrderFrom(*main, path)) << count;
        ASSERT_EQ(messages.size(), 1u) << count;
        EXPECT_EQ(messages[0].text, "Файл основы повреждён и не может быть открыт: «Кс» в файле равно " +
                                        std::to_string(count) + ", а может быть только от 1 до 3.  ");
    }
}

// Measurements that pass the checks but cannot be drafted fail through the
// road's message; nothing hangs or is drawn.
TEST_F(MVolumeBryukiTest, DegenerateOrderFailsThroughTheRoadsMessage) {
    ExpectTheRoadFails({"1", "1", "102", "19", "-2", "-2", "0", "3"});  // the back's hip width is 0
}

// ---------------------------------------------------------------------------
// The calculation road and the sheets

TEST_F(MVolumeBryukiTest, CalculateRoadDrawsTheDraftAndTheTables) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind, kind->samples);
        const TMVolumeBryukiDraft& w = Garment();
        // Sheet 1: the outline at the hip and hem points, the captions.
        ExpectDraftThrough({w.B2, w.B3, w.B, w.H01, w.W, w.P}, kind->type);
        // Sheet 2: the three tables, the front with its three pleats' rows.
        ExpectTablesOfRows(kind->samples.size(), 17, 17, kind->type);
    }
}

// The front table's grid ends at y 277 (no pleats or one), 293 (two) or
// 309 (three), measured from the table's corner at (296, 57).
TEST_F(MVolumeBryukiTest, FrontTableFollowsThePleats) {
    const struct {
        std::vector<std::string> fields;
        int pleats;
        int gridEnd;
    } cases[] = {
        {Fields("1", "6", "3"), 3, 309},
        {Fields("1", "6", "2"), 2, 293},
        {Fields("1", "1", "3"), 1, 277},  // lowered from 3
        {{"50", "50", "102", "19", "0", "0", "0", "3"}, 0, 277},
    };
    for (const auto& c : cases) {
        Calculate(kTrousers, c.fields);
        ASSERT_EQ(Garment().DrawnPleats(), c.pleats);
        const QImage& sheet2 = report->List2()->Bitmap();
        // The left rule runs down to the grid's end and no further.
        EXPECT_GT(DarkPixels(sheet2, QRect(296, 57 + c.gridEnd - 3, 1, 3)), 0) << c.pleats;
        EXPECT_EQ(DarkPixels(sheet2, QRect(296, 57 + c.gridEnd + 2, 1, 30)), 0) << c.pleats;
        ExpectRedrawsAtEveryScale();
    }
}

TEST_F(MVolumeBryukiTest, NothingIsDrawnBeforeCalculating) { ExpectNothingDrawnUntilCalculated(kTrousers.type); }

// Both trousers are leaves of the base-selection dialog that hand their
// type to the factory.
TEST_F(MVolumeBryukiTest, ChosenInTheBaseSelectionDialog) {
    const struct {
        int node;
        const Kind* kind;
    } leaves[] = {{49, &kTrousers}, {50, &kTrousers2}};
    for (const auto& leaf : leaves) {
        auto dialog = std::make_unique<TNewPrForm>();
        dialog->RefreshAvailability();
        ASSERT_TRUE(TNewPrForm::Available(leaf.kind->type));
        dialog->SelectNode(leaf.node);
        dialog->ChoosButClick();
        EXPECT_EQ(dialog->ChosenType(), leaf.kind->type);
        ASSERT_TRUE(dynamic_cast<TMVolumeBryukiDraft*>(main->Model)) << leaf.node;
        EXPECT_EQ(Garment().Type(), leaf.kind->type);
        EXPECT_EQ(main->ModelType->text().toStdString(), leaf.kind->caption + std::to_string(main->OrderNumber));
    }
}

// ---------------------------------------------------------------------------
// Printing

// Each type prints its tiled draft and a page of tables at every print
// scale; the pieces at true scale, within a dot or two.
TEST_F(MVolumeBryukiTest, EachTypePrintsAtTrueScale) {
    for (const Kind* kind : kKinds) {
        Calculate(*kind, kind->samples);
        const TMVolumeBryukiDraft& w = Garment();
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, "volume" + std::to_string(kind->type));
            const std::string at = std::to_string(kind->type) + " 1:" + std::to_string(mode);
            EXPECT_FALSE(ThePrinter().Printing());
            const TPrintLayout& l = PrintLayout;
            EXPECT_EQ(l.PagesDone, l.PageCount) << at;
            EXPECT_EQ(PdfPages(path), l.PageCount + 1) << at;
            if (mode == 1) {
                EXPECT_GT(l.PageCount, 1) << "a full-size trouser needs several pages";
            }
            // The drawing and its margin span the back from its side to its
            // crotch point and from the back waist down to the back hem.
            EXPECT_GE(l.SpanX, w.C5.x - w.K3.x) << at;
            EXPECT_GE(l.SpanY, w.T5.y - w.H011.y) << at;

            const double dotsPerCmX = ThePrinter().Device().logicalDpiX() / 2.54 / mode;
            const double dotsPerCmY = ThePrinter().Device().logicalDpiY() / 2.54 / mode;
            EXPECT_NEAR(PrinterDC.PixelY(w.H.y) - PrinterDC.PixelY(w.T.y), 102 * dotsPerCmY, 2.0) << at;
            EXPECT_NEAR(PrinterDC.PixelX(w.C4.x) - PrinterDC.PixelX(w.C.x), (w.C4.x - w.C.x) * dotsPerCmX, 2.0)
                << at;
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MVolumeBryukiTest, NothingToPrintBeforeCalculating) {
    for (const Kind* kind : kKinds) ExpectNothingToPrint(*kind);
}

// ---------------------------------------------------------------------------
// Drawing at full size

// Sheets as large as the drawing window allocates them at 96 ppi: the draft
// at 1:1 and at 1:4, the side T–H 102 cm long at both.
using MVolumeBryukiFullSizeTest = FullSizeSheets<MVolumeBryukiTest>;

TEST_F(MVolumeBryukiFullSizeTest, DrawsAtOneToOneAndOneToFour) {
    ASSERT_EQ(ScreenDC.MinScale, 1);
    Calculate(kTrousers, kTrousers.samples);
    const TMVolumeBryukiDraft& w = Garment();
    for (int scale : {1, 4}) {
        ScreenDC.SetScale(scale);
        Garment().ClearSheets();
        Garment().Draw();
        Garment().DrawTables(scale);
        const QImage& sheet1 = report->List1()->Bitmap();
        EXPECT_NEAR(ScreenDC.PixelY(w.H.y) - ScreenDC.PixelY(w.T.y), 102 * 96 / 2.54 / scale, 1.0) << scale;
        // The outline at the knee, the hem, the pleats, the dart apex and
        // the back's crotch point.
        for (const Vector& p : {w.K, w.H, w.Pleats[0].Far, w.Pleats[2].Near, w.b7, w.C5}) {
            const int x = ScreenDC.PixelX(p.x), y = ScreenDC.PixelY(p.y);
            EXPECT_GT(DarkPixels(sheet1, QRect(x - 2, y - 2, 5, 5)), 0) << scale << " " << p.x << " " << p.y;
        }
    }
}

}  // namespace
