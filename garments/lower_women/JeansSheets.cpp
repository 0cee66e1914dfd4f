#include "garments/lower_women/JeansSheets.h"

#include <algorithm>

#include "garments/lower_women/JeansYoke.h"
#include "garments/lower_women/PointLabels.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "shell/GarmentSheets.h"

namespace JeansSheets {

namespace {

// The three tables and the comment at their places: on sheet 2, where the
// vertical rules run one unit past the last horizontal rule, and on the
// printed tables page, where the titles move left for their larger font.
void PlaceTables(TableMedium medium, const Tables& t) {
    if (medium == TableMedium::Screen)
        DrawTablesAndComment(medium,
                             {{50, 57, MeasureTableLayout(medium), t.measures},
                              {296, 57, FrontHalfTableLayout(medium), t.front},
                              {541, 57, BackHalfTableLayout(medium), t.back}},
                             228, 562);
    else
        DrawTablesAndComment(medium,
                             {{35, 57, MeasureTableLayout(medium), t.measures},
                              {282, 57, FrontHalfTableLayout(medium), t.front},
                              {529, 57, BackHalfTableLayout(medium, 30), t.back}},
                             184, 530);
}

}  // namespace

void LabelC1C3(TDrawContext& dc, bool printer, const Vector& C1, const Vector& C3) {
    const bool c3Left = C3.x <= C1.x;
    Labels::Put(dc, printer, C1, "C1", c3Left ? 3 : 5);
    Labels::Put(dc, printer, C3, "C3", c3Left ? 5 : 3);
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

bool AttachPieces(float originY) {
    if (!GarmentSheets::Attach(1)) return false;
    // The base line in the middle of the 105 cm sheet.
    ScreenDC.SetOrigin(kSheetQuarterWidth * 2, originY);
    return true;
}

void DrawTables(const Tables& tables) {
    if (!GarmentSheets::CaptionSheetsForTables(kSheets)) return;
    PlaceTables(TableMedium::Screen, tables);
    GarmentSheets::Refresh(2);
}

void Print(bool calculated, const Box& box, const PieceDrawer& pieces, const Tables& tables) {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    PrinterDC.BeginTrueScalePage(float(CurrentOrder().TilingMode()));
    TilePrintSheets(box.left, box.right, box.top, box.bottom);
    RunPrintJob([&] {
        WalkPrintPages(GarmentSheets::SheetText(1, kSheets), [&](const PrintPage&) {
            GarmentSheets::SetPaperLabelFont();
            pieces(PrinterDC, GarmentSheets::kPaperOutline, true);
        });
        GarmentSheets::PrintTablesPage(GarmentSheets::SheetText(2, kSheets),
                                       [&] { PlaceTables(TableMedium::Paper, tables); });
    });
}

}  // namespace JeansSheets
