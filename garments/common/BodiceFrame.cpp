#include "garments/common/BodiceFrame.h"

#include <QLineEdit>

#include "garments/common/BodiceTables.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "kernel/Record.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "platform/Printer.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"

namespace BodiceFrame {

std::vector<MeasureRow> MeasureRows(const std::vector<Row>& rows, std::vector<std::string>& store) {
    store.clear();
    store.reserve(2 * rows.size());
    for (const Row& r : rows) {
        const size_t dot = r.sample.find('.');
        store.push_back(r.sample.substr(0, dot));
        store.push_back(dot == std::string::npos ? std::string() : r.sample.substr(dot + 1));
    }
    std::vector<MeasureRow> column;
    for (size_t k = 0; k < rows.size(); ++k)
        column.push_back({rows[k].caption, rows[k].hint, store[2 * k].c_str(), store[2 * k + 1].c_str(), rows[k].kind});
    return column;
}

void Open(int type, const std::vector<MeasureRow>& column, int sheetCount) {
    if (!MainForm) return;
    // The order panel shows the rows of the pieces chosen with the garment
    // (and keeps what it shows already).
    MainForm->ShowPieceRows(MainForm->Collar || MainForm->CollarRowShown(),
                            MainForm->Sleeve || MainForm->SleeveRowShown());
    MeasureColumn::LayOut(column.data(), int(column.size()));
    MeasureColumn::WriteOrderCaption(type);
    GarmentSheets::Show(sheetCount, true);
}

void Close() {
    if (!MainForm) return;
    // Every row the column may have used, whatever sleeve it was built for.
    MeasureColumn::Hide(1, kMeasureRows);
    GarmentSheets::Show(3, false);
    MainForm->ShowPieceRows(false, false);
}

void ClearOrder(int type, int rows) {
    MeasureColumn::ClearOrder(type, 1, rows);
    if (MainForm) MainForm->ShowPieceRows(MainForm->Collar != nullptr, MainForm->Sleeve != nullptr);
}

void CalculatePieces(bool collarFirst) {
    if (!MainForm) return;
    TCollar* collar = MainForm->Collar;
    TSleeve* sleeve = MainForm->Sleeve;
    if (collarFirst && collar) collar->Calculate();
    if (sleeve) sleeve->Calculate();
    if (!collarFirst && collar) collar->Calculate();
}

bool ReadColumn(const std::vector<MeasureRow>& rows, const std::vector<float*>& targets) {
    std::vector<float> values(targets.size(), 0.0f);
    std::vector<float*> dest;
    for (float& v : values) dest.push_back(&v);
    if (!MeasureColumn::Read(rows.data(), dest.data(), int(dest.size()))) return false;
    for (size_t k = 0; k < targets.size(); ++k)
        if (targets[k]) *targets[k] = values[k];
    return true;
}

bool CheckUpperArmEase(bool compared, float bustEase) {
    if (compared && MeasureColumn::Exceeds(bustEase, MainForm->Sleeve->UpperArmEase))
        return MeasureColumn::Refuse("Попв < Пг");
    return true;
}

void WriteBlock(RecordWriter& f, const std::vector<float*>& targets) {
    for (const float* target : targets) f.WriteFloat(target ? *target : 0.0f);
}

void ReadBlock(RecordReader& f, const std::vector<float*>& targets) {
    for (float* target : targets) {
        const float v = f.ReadFloat();
        if (target) *target = v;
    }
}

void ShowValues(const std::vector<float*>& targets) {
    std::vector<float> values;
    for (const float* target : targets) values.push_back(target ? *target : 0.0f);
    MeasureColumn::Load(values.data(), int(values.size()));
}

namespace {

// What `part` does with the main window's collar, under the shift.
template <class Part>
void OnCollar(TDrawContext& dc, const Vector* shift, Part part) {
    TCollar* c = MainForm ? MainForm->Collar : nullptr;
    if (!c) return;
    if (shift) dc.PushShift(shift->x, shift->y);
    part(*c);
    if (shift) dc.PopShift();
}

}  // namespace

void DrawCollar(TDrawContext& dc, const Vector* shift) {
    if (&dc != &ScreenDC) return OnCollar(dc, shift, [&](TCollar& c) { c.PrintOn(dc); });
    DrawCollarLines(shift);
    LabelCollar(shift);
}

void DrawCollarLines(const Vector* shift) {
    OnCollar(ScreenDC, shift, [](TCollar& c) { c.Draw(); });
}

void LabelCollar(const Vector* shift) {
    OnCollar(ScreenDC, shift, [](TCollar& c) { c.DrawLabels(); });
}

bool Caption(int sheet, int count, const std::vector<std::string>& lines) {
    if (!GarmentSheets::AttachWithCaptions(sheet, GarmentSheets::SheetText(sheet, count))) return false;
    for (size_t k = 0; k < lines.size(); ++k) ScreenDC.TextAt(24, 24 + 18 * int(k), lines[k]);
    return true;
}

std::string CollarLine() { return "Воротник: " + MainForm->CollarType->text().toStdString(); }
std::string SleeveLine() { return "Рукав: " + MainForm->SleeveType->text().toStdString(); }

void DrawSleeveSheet(int count) {
    if (!GarmentSheets::Attach(2)) return;
    MainForm->Sleeve->Draw();
    MainForm->Sleeve->DrawLabels();
    Caption(2, count, {SleeveLine()});
    GarmentSheets::Refresh(2);
}

void DrawTables(int count, const std::vector<PlacedTable>& tables, int commentY) {
    if (!GarmentSheets::AttachWithCaptions(count, GarmentSheets::SheetText(count, count))) return;
    DrawTablesAndComment(TableMedium::Screen, tables, BodiceTables::CommentX(TableMedium::Screen), commentY);
    GarmentSheets::Refresh(count);
}

void Print(bool calculated, int count, const std::function<std::function<void()>(int sheet)>& sheet,
           const std::function<std::vector<PlacedTable>()>& tables, int commentY) {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    PrinterDC.BeginTrueScalePage(float(CurrentOrder().TilingMode()));
    RunPrintJob([&] {
        for (int n = 1; n < count; ++n) {
            if (n > 1) ThePrinter().NewPage();
            const std::function<void()> draw = sheet(n);
            PrintSheet(GarmentSheets::SheetText(n, count), [&](const PrintPage&) {
                GarmentSheets::SetPaperLabelFont();
                draw();
            });
        }
        GarmentSheets::PrintTablesPage(GarmentSheets::SheetText(count, count), [&] {
            DrawTablesAndComment(TableMedium::Paper, tables(), BodiceTables::CommentX(TableMedium::Paper), commentY);
        });
    });
}

std::function<void()> PrintedSleeve() {
    TSleeve* sleeve = MainForm->Sleeve;
    return [sleeve] { sleeve->DrawPiece(PrinterDC, true); };
}

}  // namespace BodiceFrame
