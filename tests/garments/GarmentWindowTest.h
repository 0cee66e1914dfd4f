// The program's windows as a user gets them, for the tests of every
// lower-body garment, women's and men's: the decimal separator '.', a PDF
// printer listed, the built-in pieces and the family's garments registered
// with the factory, the helpers that type into the measurement column and
// print to a PDF file, and the checks every garment of the frame passes
// alike (its column, its order block, its sheets and its printing).
#pragma once

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "garments/common/LowerGarment.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/Models.h"
#include "kernel/PrintTiling.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "shell/OrderFile.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/SheetImage.h"
#include "platform/Text.h"
#include "shell/BuiltInModels.h"
#include "shell/Settings.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/PagesAndPixels.h"

// What a test knows of one garment type: its order caption before the
// number, and its rows' captions, hints, samples (with '.') and
// illustrations, in edit order.
struct ColumnFacts {
    int type;
    const char* caption;
    std::vector<std::string> captions, hints, samples;
    std::vector<void (*)()> illustrations;
};

class GarmentWindowTest : public ProgramWindowsTest {
protected:
    // Hooks of the families: their garments' registration, before the
    // windows exist, and the garment to open once they are up.
    virtual void RegisterGarments() {}
    virtual void OpenGarment() {}

    void BeforeWindows() override {
        printers = {"PDF"};
        SetDecimalSeparator('.');
        RegisterBuiltInModels();
        RegisterGarments();
    }
    void AfterWindows() override {
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
        main->FillSamples = false;
        OpenGarment();
    }
    void AfterTearDown() override {
        ThePrinter().Abort();
        SetDecimalSeparator(0);
    }

    // The texts into the edits of rows 1, 2, ...
    void Type(const std::vector<std::string>& texts) {
        for (size_t k = 0; k < texts.size(); ++k) main->Meas(int(k) + 1)->setText(QString::fromStdString(texts[k]));
    }
    std::string Field(int n) const { return main->Meas(n)->text().toStdString(); }
    // The row of the column whose caption is `caption`; 0 when none shows it.
    int Row(const std::string& caption) const {
        for (int n = 1; n <= kMeasureRows; ++n)
            if (!main->Line(n)->isHidden() && main->Line(n)->text().toStdString() == caption) return n;
        return 0;
    }
    // The order file at `path` changed by `change` (its header, its block as
    // raw bytes) and written back.
    void RewriteOrder(const std::string& path, const std::function<void(OrderContents&)>& change) {
        QFile in(QString::fromStdString(path));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        OrderContents order;
        std::string reason;
        ASSERT_TRUE(DecodeOrder(in.readAll().toStdString(), order, reason)) << reason;
        in.close();
        change(order);
        const std::string bytes = EncodeOrder(order);
        QFile out(QString::fromStdString(path));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
    }
    // The 4-byte item `index` of a block replaced by an integer or a float.
    static void SetBlockInt(OrderContents& order, size_t index, std::int32_t v) {
        RecordWriter w;
        w.WriteInt(v);
        order.block.replace(4 * index, 4, w.Bytes());
    }
    static void SetBlockFloat(OrderContents& order, size_t index, float v) {
        RecordWriter w;
        w.WriteFloat(v);
        order.block.replace(4 * index, 4, w.Bytes());
    }

    // The type with the collar and sleeve kinds, its sample values in the
    // fields, calculated; the sleeve, as the sleeve class asked for.
    template <class Sleeve>
    Sleeve& CalculateWith(int type, int collar, int sleeveKind) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, sleeveKind)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<Sleeve&>(*main->Sleeve);
    }
    // Calculates with the upper arm `girth` wide: the road stops with the
    // cap's message and the garment is not calculated.
    void ExpectTheCapsFailure(int upperArmRow, const char* girth) {
        main->Meas(upperArmRow)->setText(girth);
        messages.clear();
        main->CalcExecute();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Ширина рукава больше допустимой. ");
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте оката");
        EXPECT_FALSE(main->Model->calculated);
    }
    // Оп.в typed as `width`, a sleeve too wide for the garment's armhole:
    // the road stops with the cap's message and no sheet keeps a piece of
    // the failed draft; back to the width it had, drafted again.
    void ExpectTooWideSleeveFails(const char* width) {
        const int upperArm = Row("Оп.в:");
        ASSERT_GT(upperArm, 0);
        const QString sound = main->Meas(upperArm)->text();
        ExpectTheCapsFailure(upperArm, width);
        if (HasFatalFailure()) return;
        const QImage& sheet = report->List2()->Bitmap();
        EXPECT_EQ(DarkPixels(sheet, QRect(0, 100, sheet.width(), sheet.height() - 200)), 0);
        main->Meas(upperArm)->setText(sound);
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(main->Model->calculated);
        EXPECT_TRUE(messages.empty());
    }

    // GetMeasures answered ok and showed what it should: nothing when the
    // measurements pass (refusal nullptr), else exactly the failed check's
    // text under the checks' caption with the exclamation icon.
    void ExpectCheckVerdict(bool ok, const char* refusal, const std::string& context) {
        if (!refusal) {
            EXPECT_TRUE(ok) << context;
            EXPECT_TRUE(messages.empty()) << context;
            return;
        }
        EXPECT_FALSE(ok) << context;
        ASSERT_EQ(messages.size(), 1u) << context;
        EXPECT_EQ(messages[0].text, refusal);
        EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
        EXPECT_EQ(messages[0].icon, MsgExclamation);
    }

    // Fields that pass the checks but cannot be drafted: the calculation
    // road fails (every rerun too) and says so once, with the road's own
    // message; the garment stays not calculated.
    void ExpectTheRoadFails(const std::vector<std::string>& fields) {
        Type(fields);
        main->CalcExecute();
        EXPECT_FALSE(main->Model->calculated);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Пожалуйста, проверьте измерения. ");
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте");
    }

    // The current garment's GetMeasures refuses a row that is no number,
    // without throwing, with one message naming the row by its code.
    void ExpectRefusedAsNoNumber(const std::string& code, const std::string& context = "") {
        messages.clear();
        bool ok = true;
        EXPECT_NO_THROW(ok = main->Model->GetMeasures()) << context;
        EXPECT_FALSE(ok) << context;
        ASSERT_EQ(messages.size(), 1u) << context;
        EXPECT_NE(messages[0].text.find(code), std::string::npos) << messages[0].text;
    }

    // The calculated garment cleared and drawn again, sheets and tables, at
    // every scale the sheets allow, without throwing.
    void ExpectRedrawsAtEveryScale() {
        for (int scale = 4; scale >= ScreenDC.MinScale; --scale) {
            ScreenDC.SetScale(scale);
            main->Model->ClearSheets();
            EXPECT_NO_THROW(main->Model->Draw()) << scale;
            EXPECT_NO_THROW(main->Model->DrawTables(scale)) << scale;
        }
    }

    // Prints the current garment at 1:mode into a new PDF file
    // "<name>_<mode>.pdf"; its path.
    std::string PrintAt(int mode, const std::string& name) {
        Settings->Record->TilingMode = mode;
        const std::string path = TempPath(name + "_" + std::to_string(mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        main->Model->Print();
        return path;
    }

    // Chooses the type, types the fields and runs the calculation road: the
    // garment comes out calculated, with no message shown.
    void CalculateWith(int type, const std::vector<std::string>& fields) {
        ASSERT_TRUE(main->CreateModel(type, -1, -1)) << type;
        Type(fields);
        messages.clear();
        main->CalcExecute();
        ASSERT_TRUE(main->Model->calculated) << type << ": " << (messages.empty() ? "" : messages[0].text);
        EXPECT_TRUE(messages.empty()) << type << ": " << messages[0].text;
        messages.clear();
    }

    // ---- A garment's column as the user meets it. ----

    TLowerGarment& Chosen(const ColumnFacts& g) {
        EXPECT_TRUE(main->CreateModel(g.type, -1, -1)) << g.type;
        return *dynamic_cast<TLowerGarment*>(main->Model);
    }

    // Choosing the type shows its rows with their captions and hints, the
    // order caption and both sheets; deleting it hides them again.
    void ExpectColumnLaidOut(const ColumnFacts& g) {
        TLowerGarment& garment = Chosen(g);
        EXPECT_EQ(garment.Type(), g.type);
        const int rows = int(g.captions.size());
        EXPECT_EQ(garment.MeasureCount(), rows);
        for (int n = 1; n <= rows; ++n) {
            EXPECT_FALSE(main->Line(n)->isHidden()) << g.type << " row " << n;
            EXPECT_FALSE(main->Meas(n)->isHidden()) << g.type << " row " << n;
            EXPECT_EQ(main->Line(n)->text().toStdString(), g.captions[size_t(n - 1)]);
            EXPECT_EQ(main->MeasHint(n), g.hints[size_t(n - 1)]);
            EXPECT_EQ(Field(n), "");
        }
        EXPECT_TRUE(main->Line(rows + 1)->isHidden()) << g.type;
        EXPECT_EQ(main->ModelType->text().toStdString(), g.caption + std::to_string(main->OrderNumber));
        EXPECT_TRUE(report->List1()->Visible());
        EXPECT_TRUE(report->List2()->Visible());

        delete main->Model;
        main->Model = nullptr;
        for (int n = 1; n <= rows; ++n) EXPECT_TRUE(main->Line(n)->isHidden()) << g.type << " row " << n;
        EXPECT_FALSE(report->List1()->Visible());
        EXPECT_FALSE(report->List2()->Visible());
    }

    // ClearInputs empties the rows, the customer and the comment, writes the
    // order caption again with the current number, and leaves the garment
    // not calculated.
    void ExpectClearInputsEmptiesTheOrder(const ColumnFacts& g) {
        TLowerGarment& garment = Chosen(g);
        Type(g.samples);
        main->CustomerData->setText("Иванов");
        main->Comment->setPlainText("строка");
        main->OrderNumber = 41;
        garment.calculated = true;
        garment.ClearInputs(3);
        EXPECT_FALSE(garment.calculated) << g.type;
        for (int n = 1; n <= int(g.samples.size()); ++n) EXPECT_EQ(Field(n), "") << g.type << " row " << n;
        EXPECT_EQ(main->ModelType->text().toStdString(), g.caption + std::string("41"));
        EXPECT_TRUE(main->CustomerData->text().isEmpty()) << g.type;
        EXPECT_TRUE(main->Comment->toPlainText().isEmpty()) << g.type;
    }

    // With the sample option on and a comma as the separator, the type's
    // samples fill its rows.
    void ExpectSamplesWithComma(const ColumnFacts& g) {
        main->FillSamples = true;
        main->DecimalSeparator = ',';
        main->DecimalSeparatorText = ",";
        Chosen(g);
        for (size_t n = 0; n < g.samples.size(); ++n) {
            std::string expected = g.samples[n];
            for (char& c : expected)
                if (c == '.') c = ',';
            EXPECT_EQ(Field(int(n) + 1), expected) << g.type << " row " << n + 1;
        }
        main->FillSamples = false;
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
    }

    // Each row shows its own illustration; other numbers leave the figure.
    void ExpectShowMeasureRoutesEveryRow(const ColumnFacts& g) {
        TLowerGarment& garment = Chosen(g);
        const int rows = int(g.illustrations.size());
        for (int k = 1; k <= rows; ++k) {
            g.illustrations[size_t(k - 1)]();
            const QImage expected = main->LineImage.Bitmap().copy();
            MeasureHints::LowerLine7();  // something else first
            garment.ShowMeasure(k);
            EXPECT_EQ(main->LineImage.Bitmap(), expected) << g.type << " row " << k;
        }
        const QImage before = main->LineImage.Bitmap().copy();
        for (int k : {0, rows + 1, 27}) {
            garment.ShowMeasure(k);
            EXPECT_EQ(main->LineImage.Bitmap(), before) << g.type << " row " << k;
        }
    }

    // The samples typed and saved make a block of 4 bytes a row in edit
    // order, and only a block of that size opens.
    void ExpectBlockOfTheRowsInEditOrder(const ColumnFacts& g) {
        TLowerGarment& garment = Chosen(g);
        Type(g.samples);
        ASSERT_TRUE(garment.GetMeasures()) << g.type;
        RecordWriter w;
        garment.SaveMeasures(w);
        EXPECT_EQ(int(w.Bytes().size()), 4 * int(g.samples.size())) << g.type;
        EXPECT_EQ(garment.BlockSize(), int(w.Bytes().size()));
        RecordReader r(w.Bytes());
        for (const std::string& s : g.samples) EXPECT_EQ(r.ReadFloat(), std::stof(s)) << g.type;

        auto order = [&](size_t values) {
            OrderContents o;
            o.type = g.type;
            RecordWriter block;
            for (size_t k = 0; k < values; ++k) block.WriteFloat(1.0f);
            o.block = block.Bytes();
            return EncodeOrder(o);
        };
        OrderContents decoded;
        std::string reason;
        const size_t n = g.samples.size();
        EXPECT_TRUE(DecodeOrder(order(n), decoded, reason)) << reason;
        for (size_t other : {n - 1, n + 1}) EXPECT_FALSE(DecodeOrder(order(other), decoded, reason)) << g.type;
    }

    // Before a calculation printing shows the shared message and prints
    // nothing.
    void ExpectNothingToPrint(const ColumnFacts& g) {
        TLowerGarment& garment = Chosen(g);
        messages.clear();
        const std::string path = TempPath("none.pdf");
        ThePrinter().SetPdfOutput(path);
        garment.Print();
        ASSERT_EQ(messages.size(), 1u) << g.type;
        EXPECT_EQ(messages[0].text, kNothingToPrintText);
        EXPECT_FALSE(ThePrinter().Printing());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    }

    // ---- The calculated garment on its sheets. ----

    // Sheet 1: ink at each of the points (the outline passes them) and in
    // the captions' band; the draft's (0, 0) 52.5 cm from the sheet's left
    // and 10 cm from its top.
    void ExpectDraftThrough(const std::vector<Vector>& points, int type) {
        const QImage& sheet1 = report->List1()->Bitmap();
        for (const Vector& p : points) {
            const int x = ScreenDC.PixelX(p.x), y = ScreenDC.PixelY(p.y);
            EXPECT_GT(DarkPixels(sheet1, QRect(x - 5, y - 5, 10, 10)), 3) << type << " at " << p.x << ", " << p.y;
        }
        EXPECT_GT(DarkPixels(sheet1, QRect(0, 0, sheet1.width(), 30)), 20) << type;
        EXPECT_EQ(ScreenDC.PixelX(0), int(52.5f * ScreenDC.PxPerCmX));
        EXPECT_EQ(ScreenDC.PixelY(0), int(10.0f * ScreenDC.PxPerCmY));
    }

    // Sheet 2: the measurement, front and back tables at x 50, 296 and 541,
    // each with its grid as deep as its rows and nothing right below it.
    void ExpectTablesOfRows(size_t measureRows, size_t frontRows, size_t backRows, int type) {
        const QImage& sheet2 = report->List2()->Bitmap();
        const struct {
            int x;
            size_t rows;
            int ink;
        } tables[] = {{50, measureRows, 200}, {296, frontRows, 500}, {541, backRows, 500}};
        for (const auto& t : tables) {
            const int depth = 20 + 16 * int(t.rows + 1) + 1;
            EXPECT_GT(DarkPixels(sheet2, QRect(t.x, 57, 201, depth)), t.ink) << type << " table at " << t.x;
            EXPECT_EQ(DarkPixels(sheet2, QRect(t.x, 57 + depth + 2, 201, 10)), 0) << type << " table at " << t.x;
        }
    }

    // The current garment, not calculated, draws nothing on either sheet.
    void ExpectNothingDrawnUntilCalculated(int type) {
        main->Model->ClearSheets();
        const QImage before1 = report->List1()->Bitmap().copy();
        const QImage before2 = report->List2()->Bitmap().copy();
        main->Model->Draw();
        main->Model->DrawTables(4);
        EXPECT_EQ(report->List1()->Bitmap(), before1) << type;
        EXPECT_EQ(report->List2()->Bitmap(), before2) << type;
    }

    // The calculated garment printed at 1:1, 1:2 and 1:4: every tiled page
    // of the pieces (several at full size), then the page of tables unless
    // a one-sheet print at 1:1 leaves it out.
    void ExpectPrintsItsPages(const std::string& name, bool tablesPageAtOneToOne) {
        for (int mode : {1, 2, 4}) {
            const std::string path = PrintAt(mode, name);
            EXPECT_FALSE(ThePrinter().Printing());
            const TPrintLayout& l = PrintLayout;
            EXPECT_EQ(l.PagesDone, l.PageCount);
            const int tables = mode == 1 && !tablesPageAtOneToOne ? 0 : 1;
            EXPECT_EQ(PdfPages(path), l.PageCount + tables) << name << " 1:" << mode;
            if (mode == 1) {
                EXPECT_GT(l.PageCount, 1) << name << ": a full-size piece needs several pages";
            }
        }
    }
};

// A garment window test with the sheets allocated at 1:1, as on a real
// screen, rather than at the tests' coarser scale.
template <class Fixture>
class FullSizeSheets : public Fixture {
protected:
    void BeforeWindows() override {
        Fixture::BeforeWindows();
        SheetImage::SetAllocationLimit(0);
    }
};
