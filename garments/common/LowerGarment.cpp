#include "garments/common/LowerGarment.h"

#include <algorithm>

#include <QLineEdit>
#include <QString>

#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"

namespace {

std::vector<MeasureRow> ColumnRows(const GarmentColumn& column) {
    std::vector<MeasureRow> rows;
    for (const GarmentRow& r : column.rows) rows.push_back({r.caption, r.hint, r.sampleInt, r.sampleFrac, r.kind});
    return rows;
}

// The table text of a row: its own, or the caption without the colon.
std::string TableText(const GarmentRow& r) {
    if (r.tableText) return r.tableText;
    std::string code = r.caption;
    if (!code.empty() && code.back() == ':') code.pop_back();
    return code;
}

// The record order: the column's, or the edit order.
std::vector<int> RecordOrder(const GarmentColumn& column) {
    if (!column.recordOrder.empty()) return column.recordOrder;
    std::vector<int> order;
    for (int k = 0; k < int(column.rows.size()); ++k) order.push_back(k);
    return order;
}

}  // namespace

void RegisterLowerBlock(const GarmentColumn& column, const std::vector<RecordCount>& counts) {
    OrderBlockItems items;
    for (int k : RecordOrder(column)) {
        const char* caption = column.rows[size_t(k)].caption;
        const auto count = std::find_if(counts.begin(), counts.end(), [k](const RecordCount& c) { return c.row == k; });
        items.push_back(count == counts.end() ? OrderBlockFloats({caption}).front()
                                              : OrderBlockCount(caption, count->least, count->most));
    }
    RegisterOrderBlockLayout(column.type, [items](int, int, int) -> std::optional<OrderBlockItems> { return items; });
}

TLowerGarment::TLowerGarment(const GarmentColumn& column) : column_(column) {
    for (const GarmentRow& r : column_.rows) tableTexts_.push_back(TableText(r));
    calculated = false;
    const std::vector<MeasureRow> rows = ColumnRows(column_);
    MeasureColumn::LayOut(rows.data(), int(rows.size()));
    MeasureColumn::WriteOrderCaption(column_.type);
    GarmentSheets::Show(column_.sheets, true);
}

TLowerGarment::~TLowerGarment() {
    MeasureColumn::Hide(1, MeasureCount());
    GarmentSheets::Show(column_.sheets, false);
}

// ---------------------------------------------------------------------------
// The measurement column and the order file

bool TLowerGarment::WaistWithinHips(float waist, float waistEase, float hips, float hipEase, const char* refusal) {
    if (!MeasureColumn::Exceeds(double(waist) + waistEase, double(hips) + hipEase)) return true;
    return MeasureColumn::Refuse(refusal);
}

std::vector<MeasureSlot> TLowerGarment::ConstSlots() const {
    // Slots() only names the fields; the const uses only read them.
    return const_cast<TLowerGarment*>(this)->Slots();
}

bool TLowerGarment::GetMeasures() {
    const std::vector<MeasureSlot> places = Slots();
    const int n = MeasureCount();
    std::vector<float> counts(size_t(n), 0.0f);
    std::vector<float*> dest;
    for (int k = 0; k < n; ++k) dest.push_back(places[size_t(k)].IsCount() ? &counts[size_t(k)] : places[size_t(k)].value);
    const std::vector<MeasureRow> rows = ColumnRows(column_);
    if (!MeasureColumn::Read(rows.data(), dest.data(), n)) return false;
    for (int k = 0; k < n; ++k)
        if (places[size_t(k)].IsCount()) *places[size_t(k)].count = places[size_t(k)].toInt(double(counts[size_t(k)]));
    return CheckMeasures();
}

void TLowerGarment::ShowCounts() {
    if (!MainForm) return;
    const std::vector<MeasureSlot> places = Slots();
    for (int k = 0; k < MeasureCount(); ++k)
        if (places[size_t(k)].IsCount())
            if (QLineEdit* edit = MainForm->Meas(k + 1)) edit->setText(QString::number(*places[size_t(k)].count));
}

void TLowerGarment::ClearInputs(int) {
    calculated = false;
    MeasureColumn::ClearOrder(column_.type, 1, MeasureCount());
}

void TLowerGarment::ShowMeasure(int n) {
    if (n >= 1 && n <= MeasureCount())
        if (void (*show)() = column_.rows[size_t(n - 1)].illustration) show();
}

void TLowerGarment::SaveMeasures(RecordWriter& f) {
    const std::vector<MeasureSlot> places = Slots();
    for (int k : RecordOrder(column_)) {
        const MeasureSlot& s = places[size_t(k)];
        if (s.IsCount())
            f.WriteInt(*s.count);
        else
            f.WriteFloat(*s.value);
    }
}

void TLowerGarment::LoadMeasures(RecordReader& f) {
    const std::vector<MeasureSlot> places = Slots();
    for (int k : RecordOrder(column_)) {
        const MeasureSlot& s = places[size_t(k)];
        if (s.IsCount())
            *s.count = s.toInt(double(f.ReadInt()));
        else
            *s.value = f.ReadFloat();
    }
    for (int k = 0; k < MeasureCount(); ++k)
        if (!places[size_t(k)].IsCount()) MeasureColumn::Load(places[size_t(k)].value, 1, k + 1);
    ShowCounts();
}

std::vector<ValueTableRow> TLowerGarment::MeasureTableRows() const {
    const std::vector<MeasureSlot> places = ConstSlots();
    std::vector<ValueTableRow> rows;
    for (int k = 0; k < MeasureCount(); ++k) rows.push_back({tableTexts_[size_t(k)].c_str(), places[size_t(k)].AsFloat()});
    return rows;
}

// ---------------------------------------------------------------------------
// The sheets

Vector TLowerGarment::SheetOrigin() const { return Vector(kSheetQuarterWidth * 2, 10.0f); }

void TLowerGarment::Draw() {
    if (!calculated || !GarmentSheets::Attach(1)) return;
    const Vector origin = SheetOrigin();
    ScreenDC.SetOrigin(origin.x, origin.y);
    DrawPieces({ScreenDC, GarmentSheets::kScreenOutline, false, true});
    GarmentSheets::Refresh(1);
}

void TLowerGarment::ClearSheets() { GarmentSheets::Clear(column_.sheets); }

std::vector<PlacedTable> TLowerGarment::Tables(TableMedium medium) const {
    const bool screen = medium == TableMedium::Screen;
    return {{screen ? 50 : 35, 57, MeasureTableLayout(medium), MeasureTableRows()},
            {screen ? 296 : 282, 57, FrontHalfTableLayout(medium), FrontTableRows()},
            {screen ? 541 : 529, 57, BackHalfTableLayout(medium), BackTableRows()}};
}

TablePoint TLowerGarment::CommentAt(TableMedium medium) const {
    if (medium == TableMedium::Screen) return {228, column_.commentY};
    return {184, column_.paperCommentY};
}

void TLowerGarment::PlaceTables(TableMedium medium) const {
    const TablePoint comment = CommentAt(medium);
    DrawTablesAndComment(medium, Tables(medium), comment.x, comment.y);
}

void TLowerGarment::CaptionPieceSheet(int) const {}

void TLowerGarment::DrawTables(int) {
    if (!calculated ||
        !GarmentSheets::CaptionSheetsForTables(column_.sheets, [this](int n) { CaptionPieceSheet(n); }))
        return;
    PlaceTables(TableMedium::Screen);
    GarmentSheets::Refresh(column_.sheets);
}

// ---------------------------------------------------------------------------
// Printing

bool TLowerGarment::OneSheetTableAt(Vector&) const { return false; }

void TLowerGarment::Print() {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    const int tiling = CurrentOrder().TilingMode();
    Vector tableAt;
    const bool oneSheet = tiling == 1 && OneSheetTableAt(tableAt);
    PrinterDC.BeginTrueScalePage(float(tiling));
    const PatternSheets::Box box = Extent();
    TilePrintSheets(box.left, box.right, box.top, box.bottom);
    const TableMedium paper = TableMedium::Paper;

    RunPrintJob([&] {
        WalkPrintPages(GarmentSheets::SheetText(1, oneSheet ? 1 : column_.sheets), [&](const PrintPage&) {
            GarmentSheets::SetPaperLabelFont();
            DrawPieces({PrinterDC, GarmentSheets::kPaperOutline, true, !oneSheet});
            if (oneSheet) {
                PrinterDC.SetPrinterOrigin(tableAt.x, tableAt.y);
                DrawValueTable(PrinterDC, MeasureTableLayout(paper), MeasureTableRows(), paper);
            }
        });
        if (oneSheet) return;
        GarmentSheets::PrintTablesPage(GarmentSheets::SheetText(column_.sheets, column_.sheets),
                                       [&] { PlaceTables(paper); });
    });
}
