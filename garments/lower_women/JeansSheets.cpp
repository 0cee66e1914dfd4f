#include "garments/lower_women/JeansSheets.h"

#include "garments/lower_women/JeansYoke.h"
#include <algorithm>

#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "platform/SheetImage.h"
#include "platform/Text.h"

namespace JeansSheets {

namespace {

const char* const kSheet1Of2 = "Лист 1 из 2";
const char* const kSheet2Of2 = "Лист 2 из 2";
constexpr int kPaperLabelFontSize = 8;

// The sheet's tables: on the screen the vertical rules run one unit past
// the last horizontal rule; on paper the titles move left for their larger
// font.
const ValueTableLayout kScreenMeasures{"Таблица измерений (см)", 42, "Измерение", 20, "Величина", 125, 40, 140, 1};
const ValueTableLayout kScreenFront{"Передняя половинка (см)", 40, "Отрезок", 28, "Длина", 134, 30, 140, 1};
const ValueTableLayout kScreenBack{"Задняя половинка (см)", 42, "Отрезок", 28, "Длина", 134, 30, 140, 1};
const ValueTableLayout kPaperMeasures{"Таблица измерений (см)", 28, "Измерение", 20, "Величина", 125, 40, 140, 0};
const ValueTableLayout kPaperFront{"Передняя половинка (см)", 26, "Отрезок", 28, "Длина", 134, 30, 140, 0};
const ValueTableLayout kPaperBack{"Задняя половинка (см)", 30, "Отрезок", 28, "Длина", 134, 30, 140, 0};

// Where the tables and the comment stand (table units): sheet 2, then the
// printed tables page.
struct TablePlaces {
    int measures[2], front[2], back[2], comment[2];
};
constexpr TablePlaces kScreenPlaces{{50, 57}, {296, 57}, {541, 57}, {228, 562}};
constexpr TablePlaces kPaperPlaces{{35, 57}, {282, 57}, {529, 57}, {184, 530}};

SheetImage* Sheet(int n) {
    SheetWindow* window = ScreenDC.Window;
    if (!window) return nullptr;
    return n == 1 ? window->List1() : window->List2();
}

bool Attach(int n) {
    SheetImage* sheet = Sheet(n);
    if (!sheet) return false;
    ScreenDC.SetCanvas(&sheet->GetCanvas());
    return true;
}

void Refresh(int n) {
    if (SheetImage* sheet = Sheet(n)) sheet->Refresh();
}

// The three tables and the comment at their places.
void PlaceTables(TDrawContext& dc, const TablePlaces& at, const Tables& t, bool paper) {
    const TableMedium medium = paper ? TableMedium::Paper : TableMedium::Screen;
    dc.SetIntOffset(at.measures[0], at.measures[1]);
    DrawValueTable(dc, paper ? kPaperMeasures : kScreenMeasures, t.measures, medium);
    dc.SetIntOffset(at.front[0], at.front[1]);
    DrawValueTable(dc, paper ? kPaperFront : kScreenFront, t.front, medium);
    dc.SetIntOffset(at.back[0], at.back[1]);
    DrawValueTable(dc, paper ? kPaperBack : kScreenBack, t.back, medium);
    dc.SetIntOffset(at.comment[0], at.comment[1]);
    if (paper)
        PrintCommentBlock();
    else
        DrawCommentBlock();
}

}  // namespace

const char* const kCrotchSeamCaption = "Средний срез:";

void PutLabel(TDrawContext& dc, bool printer, const Vector& p, const std::string& text, int placement) {
    if (printer)
        dc.PrinterLabel(p, text, placement);
    else
        dc.Label(p, text, placement);
}

void LabelC1C3(TDrawContext& dc, bool printer, const Vector& C1, const Vector& C3) {
    const bool c3Left = C3.x <= C1.x;
    PutLabel(dc, printer, C1, "C1", c3Left ? 3 : 5);
    PutLabel(dc, printer, C3, "C3", c3Left ? 5 : 3);
}

void LabelCrotchSeam(TDrawContext& dc, bool printer, const Vector& p, float length) {
    PutLabel(dc, printer, p, kCrotchSeamCaption + FormatFixed(length, 5, 1), 3);
}

std::vector<ValueTableRow> Rows(const char* const* texts, const float* values, int count) {
    std::vector<ValueTableRow> rows;
    for (int k = 0; k < count; ++k) rows.push_back({texts[k], values[k]});
    return rows;
}

std::vector<ValueTableRow> BackRows(const char* const* textsBeforeYoke, const float* values, int count) {
    const int before = count - TJeansYoke::kYokeRows;
    std::vector<ValueTableRow> rows = Rows(textsBeforeYoke, values, before);
    for (const ValueTableRow& r : Rows(TJeansYoke::kYokeRowTexts, values + before, TJeansYoke::kYokeRows))
        rows.push_back(r);
    return rows;
}

void Box::Take(float x, float y) {
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::max(top, y);
    bottom = std::min(bottom, y);
}

void Show(bool visible) {
    for (int n = 1; n <= 2; ++n)
        if (SheetImage* sheet = Sheet(n)) sheet->SetVisible(visible);
}

void Clear() {
    for (int n = 1; n <= 2; ++n) {
        SheetImage* sheet = Sheet(n);
        if (!sheet) continue;
        ScreenDC.ClearImage(*sheet);
        ScreenDC.DrawGrid(*sheet);
        sheet->Refresh();
    }
}

bool AttachPieces(float originY) {
    if (!Attach(1)) return false;
    // The base line in the middle of the 105 cm sheet.
    ScreenDC.SetOrigin(kSheetQuarterWidth * 2, originY);
    return true;
}

void PiecesDrawn() { Refresh(1); }

void DrawTables(const Tables& tables) {
    if (!Attach(1)) return;
    ScreenDC.SetIntOffset(0, 0);
    DrawSheetCaptions(kSheet1Of2);
    Refresh(1);

    if (!Attach(2)) return;
    ScreenDC.SetIntOffset(0, 0);
    DrawSheetCaptions(kSheet2Of2);
    PlaceTables(ScreenDC, kScreenPlaces, tables, false);
    Refresh(2);
}

void Print(bool calculated, const Box& box, const PieceDrawer& pieces, const Tables& tables) {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    PrinterDC.BeginTrueScalePage(float(CurrentOrder().TilingMode()));
    TilePrintSheets(box.left, box.right, box.top, box.bottom);
    RunPrintJob([&] {
        WalkPrintPages(kSheet1Of2, [&](const PrintPage&) {
            if (PrinterDC.Canvas) PrinterDC.Canvas->SetFontSize(kPaperLabelFontSize);
            pieces(PrinterDC, kPaperOutline, true);
        });
        // The tables page.
        ThePrinter().NewPage();
        PrinterDC.PrintableAreaFrame();
        PrintPageHeader();
        PrintPageText(kSheet2Of2);
        PlaceTables(PrinterDC, kPaperPlaces, tables, true);
        PrintProgramFooter();
        PrintPageDateFooter();
    });
}

}  // namespace JeansSheets
