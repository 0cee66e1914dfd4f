// The lower-body garment frame on a small garment of its own: a column of
// two floats and a count whose order record runs count first, read and
// checked, written to and read from an order block, tabulated and printed.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

#include "garments/common/LowerGarment.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "platform/SheetImage.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

// A pleat count as the drafting takes it: clamped to 1..3 while still a
// float, then truncated.
std::int32_t PleatsOf(double value) {
    const float f = float(value);
    if (!(f >= 1.0f)) return 1;
    if (f >= 3.0f) return 3;
    return std::int32_t(f);
}

constexpr int kProbeType = 4;

const GarmentColumn kProbeColumn{kProbeType,
                                 {{"Ст:", "Полуобхват талии", "41", nullptr, kBody, MeasureHints::LowerLine1},
                                  {"Пт:", "Прибавка по талии", "0", "5", kFree, MeasureHints::LowerPt2, "П т"},
                                  {"Кс:", "Количество складок", "2", nullptr, kFree, MeasureHints::LowerKs1}},
                                 {2, 0, 1},
                                 300,
                                 320};

// What DrawPieces was asked to draw.
struct PieceCall {
    bool printer;
    bool labels;
};

class ProbeGarment : public TLowerGarment {
public:
    float Waist = 0.0f;
    float Ease = 0.0f;
    std::int32_t Pleats = 0;
    bool oneSheet = false;
    mutable std::vector<PieceCall> calls;

    ProbeGarment() : TLowerGarment(kProbeColumn) {}

    using TLowerGarment::FieldSlots;
    using TLowerGarment::KeepingTheLastDraft;
    using TLowerGarment::WaistWithinHips;

    void Calculate() override { calculated = true; }
    void CalcSegments() override {}
    std::vector<ValueTableRow> FrontTableRows() const override { return {{"[ T0, H0 ]", Waist}}; }
    std::vector<ValueTableRow> BackTableRows() const override {
        return ShownRows({{"[ H0, H3 ]", 1.0f}, {"[ b1, b2 ]", 2.0f, Pleats >= 2}});
    }

protected:
    std::vector<MeasureSlot> Slots() override { return {Waist, Ease, MeasureSlot(Pleats, PleatsOf)}; }
    // The count goes back into its edit once the checks have passed.
    bool CheckMeasures() override {
        if (Ease > Waist) return MeasureColumn::Refuse("Пт > Ст");
        ShowCounts();
        return true;
    }
    void DrawPieces(const PieceTarget& t) const override {
        calls.push_back({t.printer, t.labels});
        t.dc.SetPenWidth(t.outline);
        t.dc.MoveTo(Vector(-5, -5));
        t.dc.LineTo(Vector(5, -20));
    }
    PatternSheets::Box Extent() const override {
        PatternSheets::Box box;
        box.Take(Vector(-5, -20));
        box.Take(Vector(5, 0));
        return box;
    }
    bool OneSheetTableAt(Vector& corner) const override {
        corner = Vector(-5, -10);
        return oneSheet;
    }
};

class LowerGarmentTest : public GarmentWindowTest {
protected:
    std::vector<std::string> Fields() const { return {Field(1), Field(2), Field(3)}; }
};

TEST_F(LowerGarmentTest, LaysOutTheColumnAndHidesItAgain) {
    {
        ProbeGarment g;
        EXPECT_EQ(main->Line(1)->text().toStdString(), "Ст:");
        EXPECT_EQ(main->Line(3)->text().toStdString(), "Кс:");
        EXPECT_EQ(main->Line(2)->toolTip().toStdString(), "Прибавка по талии");
        EXPECT_FALSE(main->Meas(3)->isHidden());
        EXPECT_TRUE(main->Meas(4)->isHidden());
        EXPECT_EQ(g.MeasureCount(), 3);
        EXPECT_EQ(g.BlockSize(), 12);
        EXPECT_EQ(main->ModelType->text().toStdString(),
                  std::string(ModelCaption(kProbeType)) + std::to_string(main->OrderNumber));

        Type({"41", "0.5", "2"});
        g.calculated = true;
        g.ClearInputs(0);
        EXPECT_FALSE(g.calculated);
        EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    }
    EXPECT_TRUE(main->Meas(1)->isHidden());
    EXPECT_TRUE(main->Meas(3)->isHidden());
}

// Every row is read before the checks run; a count is clamped and truncated
// and shown back in its edit after the checks; nothing is stored when a row
// does not read.
TEST_F(LowerGarmentTest, ReadsEveryRowThenChecks) {
    struct Case {
        std::vector<std::string> typed;
        const char* refusal;  // nullptr: passes
        float waist, ease;
        std::int32_t pleats;
        std::string pleatsField;
    };
    const Case cases[] = {
        {{"41", "0.5", "2.7"}, nullptr, 41.0f, 0.5f, 2, "2"},
        {{"41", "0.5", "0"}, nullptr, 41.0f, 0.5f, 1, "1"},
        {{"41", "0.5", "-4"}, nullptr, 41.0f, 0.5f, 1, "1"},
        {{"41", "0.5", "400"}, nullptr, 41.0f, 0.5f, 3, "3"},
        // The check fails after every row was read; the count keeps its text.
        {{"41", "50", "2.5"}, "Пт > Ст", 41.0f, 50.0f, 2, "2.5"},
        // A missing row stops the reading: nothing changes.
        {{"41", "", "x"}, kMeasurementsMissingText, 7.0f, 7.0f, 7, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed[0] + "|" + c.typed[1] + "|" + c.typed[2]);
        ProbeGarment g;
        g.Waist = g.Ease = 7.0f;
        g.Pleats = 7;
        Type(c.typed);
        messages.clear();
        const bool ok = g.GetMeasures();
        EXPECT_EQ(ok, c.refusal == nullptr);
        if (c.refusal) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, c.refusal);
        } else {
            EXPECT_TRUE(messages.empty());
        }
        EXPECT_EQ(g.Waist, c.waist);
        EXPECT_EQ(g.Ease, c.ease);
        EXPECT_EQ(g.Pleats, c.pleats);
        EXPECT_EQ(Field(3), c.pleatsField);
    }
}

// The first check of most garments: the waist with its ease against the
// hips with theirs; sums equal as typed pass even where their floats differ
// in the last bits.
TEST_F(LowerGarmentTest, WaistWithinHipsRefusesOnlyAWiderWaist) {
    struct Case {
        float waist, waistEase, hips, hipEase;
        const char* refusal;  // nullptr: passes
    };
    const Case cases[] = {
        {41.0f, 0.5f, 50.0f, 1.0f, nullptr},
        {53.3f, 0.7f, 53.9f, 0.1f, nullptr},  // 54.0 both
        {50.0f, 1.1f, 50.0f, 1.0f, "Ст+Пт > Сб+Пб"},
        {51.0f, 0.0f, 50.0f, 0.5f, "Ст+Пт > Сб+Пб"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.waist) + "+" + std::to_string(c.waistEase));
        messages.clear();
        EXPECT_EQ(ProbeGarment::WaistWithinHips(c.waist, c.waistEase, c.hips, c.hipEase), c.refusal == nullptr);
        ASSERT_EQ(messages.size(), c.refusal ? 1u : 0u);
        if (c.refusal) {
            EXPECT_EQ(messages[0].text, c.refusal);
            EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
        }
    }
    // A garment may word the refusal its own way.
    messages.clear();
    EXPECT_FALSE(ProbeGarment::WaistWithinHips(51.0f, 0.0f, 50.0f, 0.5f, "Сб+Пб < Ст+Пт"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Сб+Пб < Ст+Пт");
}

// A variant's list of fields names the slots in its own order.
TEST_F(LowerGarmentTest, FieldSlotsFollowTheVariantsOrder) {
    ProbeGarment g;
    const std::vector<MeasureSlot> places = ProbeGarment::FieldSlots(g, {&ProbeGarment::Ease, &ProbeGarment::Waist});
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].value, &g.Ease);
    EXPECT_EQ(places[1].value, &g.Waist);
}

// A draft that throws gets back everything it wrote, whatever it had
// written by then; one that succeeds keeps its values.
TEST_F(LowerGarmentTest, AFailedDraftPutsBackWhatItWrote) {
    struct Points {
        Vector A, B;
    };
    Points points{Vector(1, 2), Vector(3, 4)};
    float length = 5.0f;
    bool flag = false;
    auto draft = [&](bool fail) {
        points.A = Vector(10, 20);
        length = 50.0f;
        if (fail) Checked::Fail("probe draft");
        points.B = Vector(30, 40);
        flag = true;
    };
    EXPECT_THROW(ProbeGarment::KeepingTheLastDraft([&] { draft(true); }, points, length, flag), EFloatError);
    EXPECT_EQ(points.A, Vector(1, 2));
    EXPECT_EQ(points.B, Vector(3, 4));
    EXPECT_EQ(length, 5.0f);
    EXPECT_FALSE(flag);

    ProbeGarment::KeepingTheLastDraft([&] { draft(false); }, points, length, flag);
    EXPECT_EQ(points.A, Vector(10, 20));
    EXPECT_EQ(points.B, Vector(30, 40));
    EXPECT_EQ(length, 50.0f);
    EXPECT_TRUE(flag);
}

TEST_F(LowerGarmentTest, RecordRunsInRecordOrderWithTheCountAsAnInteger) {
    ProbeGarment g;
    g.Waist = 41.0f;
    g.Ease = 0.5f;
    g.Pleats = 2;
    RecordWriter w;
    g.SaveMeasures(w);
    RecordWriter want;
    want.WriteInt(2);
    want.WriteFloat(41.0f);
    want.WriteFloat(0.5f);
    EXPECT_EQ(w.Bytes(), want.Bytes());

    // A count beyond the range is clamped on loading too; the edits show
    // the values as they are and the count as an integer.
    RecordWriter file;
    file.WriteInt(1000);
    file.WriteFloat(38.0f);
    file.WriteFloat(1.25f);
    RecordReader r(file.Bytes());
    ProbeGarment loaded;
    loaded.LoadMeasures(r);
    EXPECT_EQ(loaded.Pleats, 3);
    EXPECT_EQ(loaded.Waist, 38.0f);
    EXPECT_EQ(loaded.Ease, 1.25f);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"38", "1.25", "3"}));
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST_F(LowerGarmentTest, TablesFollowTheColumnAndTheirConditions) {
    ProbeGarment g;
    g.Waist = 41.0f;
    g.Ease = 0.5f;
    g.Pleats = 1;
    const std::vector<ValueTableRow> measures = g.MeasureTableRows();
    ASSERT_EQ(measures.size(), 3u);
    EXPECT_STREQ(measures[0].text, "Ст");   // the caption without its colon
    EXPECT_STREQ(measures[1].text, "П т");  // the row's own table text
    EXPECT_STREQ(measures[2].text, "Кс");
    EXPECT_EQ(measures[2].value, 1.0f);
    EXPECT_EQ(g.BackTableRows().size(), 1u);
    g.Pleats = 2;
    ASSERT_EQ(g.BackTableRows().size(), 2u);
    EXPECT_STREQ(g.BackTableRows()[1].text, "[ b1, b2 ]");
}

// Sheet 2 stays blank until the garment is calculated; then it carries the
// tables, and sheet 1 the pieces with their labels.
TEST_F(LowerGarmentTest, SheetsStayBlankUntilCalculated) {
    ProbeGarment g;
    SheetImage& tables = *ScreenDC.Window->List2();
    const QRect all(0, 0, tables.Bitmap().width(), tables.Bitmap().height());
    g.ClearSheets();
    g.Draw();
    g.DrawTables(4);
    EXPECT_EQ(DarkPixels(tables.Bitmap(), all), 0);
    EXPECT_TRUE(g.calls.empty());

    g.Calculate();
    g.Draw();
    g.DrawTables(4);
    EXPECT_GT(DarkPixels(tables.Bitmap(), all), 0);
    ASSERT_EQ(g.calls.size(), 1u);
    EXPECT_FALSE(g.calls[0].printer);
    EXPECT_TRUE(g.calls[0].labels);
}

// At 1:1 a garment with a one-sheet layout prints its pieces without labels
// and no tables page; otherwise the labels and a page of tables follow.
TEST_F(LowerGarmentTest, PrintsThePiecesThenTheTables) {
    ProbeGarment g;
    g.Print();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);
    messages.clear();

    g.Calculate();
    struct Case {
        bool oneSheet;
        int mode;
        bool labels;
        int pages;
    };
    for (const Case& c : {Case{false, 1, true, 2}, Case{true, 1, false, 1}, Case{true, 2, true, 2}}) {
        SCOPED_TRACE(std::to_string(c.oneSheet) + " 1:" + std::to_string(c.mode));
        g.oneSheet = c.oneSheet;
        g.calls.clear();
        Settings->Record->TilingMode = c.mode;
        const std::string path = TempPath("probe_" + std::to_string(c.oneSheet) + std::to_string(c.mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        g.Print();
        EXPECT_TRUE(messages.empty());
        ASSERT_FALSE(g.calls.empty());
        for (const PieceCall& call : g.calls) {
            EXPECT_TRUE(call.printer);
            EXPECT_EQ(call.labels, c.labels);
        }
        EXPECT_EQ(PdfPages(path), c.pages);
    }
}

}  // namespace
