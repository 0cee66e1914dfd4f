#include "garments/common/ValueTable.h"

#include <stdexcept>

#include "kernel/DrawContext.h"
#include "kernel/SheetCaptions.h"
#include "platform/Canvas.h"

namespace {

constexpr int kTableWidth = 200;
constexpr int kColumnX[] = {0, 100, 200};
constexpr int kFirstRule = 20;
constexpr int kRowPitch = 16;
constexpr int kHeadY = 22;
constexpr int kFirstRowY = 38;
constexpr int kPrintedTitleFontSize = 10;
constexpr int kPrintedFontSize = 8;

void Paint(TDrawContext& dc, const ValueTableLayout& l, const std::vector<ValueTableRow>& rows, Canvas* printed) {
    if (printed) printed->SetFontSize(kPrintedTitleFontSize);
    dc.TextAt(l.titleX, 0, l.title);

    const int lastRule = kFirstRule + kRowPitch * int(rows.size() + 1);
    for (int y = kFirstRule; y <= lastRule; y += kRowPitch) {
        dc.MoveToInt(0, y);
        dc.LineToInt(kTableWidth, y);
    }
    for (int x : kColumnX) {
        dc.MoveToInt(x, kFirstRule);
        dc.LineToInt(x, lastRule + l.ruleOvershoot);
    }
    if (l.rightRulesExtra != 0)
        for (int x : {kColumnX[1], kColumnX[2]}) {
            dc.MoveToInt(x, lastRule + l.ruleOvershoot);
            dc.LineToInt(x, lastRule + l.ruleOvershoot + l.rightRulesExtra);
        }

    if (printed) printed->SetFontSize(kPrintedFontSize);
    dc.TextAt(l.nameHeadX, kHeadY, l.nameHead);
    dc.TextAt(l.valueHeadX, kHeadY, l.valueHead);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int y = kFirstRowY + kRowPitch * int(i);
        dc.TextAt(l.textX, y, rows[i].text);
        dc.NumberAt2(l.valueX, y, rows[i].value, 5, rows[i].decimals);
    }
}

}  // namespace

void DrawValueTable(TDrawContext& dc, const ValueTableLayout& layout, const std::vector<ValueTableRow>& rows,
                    TableMedium medium) {
    if (!dc.Canvas) throw std::logic_error("The drawing context has no canvas");
    if (medium == TableMedium::Screen) {
        Paint(dc, layout, rows, nullptr);
        return;
    }
    // The font size comes back however the table ends.
    Canvas& canvas = *dc.Canvas;
    const int keptSize = canvas.FontSize();
    try {
        Paint(dc, layout, rows, &canvas);
    } catch (...) {
        canvas.SetFontSize(keptSize);
        throw;
    }
    canvas.SetFontSize(keptSize);
}

std::vector<ValueTableRow> ShownRows(std::initializer_list<ShownRow> rows) {
    std::vector<ValueTableRow> out;
    for (const ShownRow& r : rows)
        if (r.shown) out.push_back({r.text, r.value});
    return out;
}

const char* const kFrontHalfTableTitle = "Передняя половинка (см)";
const char* const kBackHalfTableTitle = "Задняя половинка (см)";

ValueTableLayout MeasureTableLayout(TableMedium medium) {
    const bool screen = medium == TableMedium::Screen;
    return {"Таблица измерений (см)", screen ? 42 : 28, "Измерение", 20, "Величина", 125, 40, 140, screen ? 1 : 0};
}

ValueTableLayout SegmentTableLayout(TableMedium medium, const char* title, int screenTitleX, int paperTitleX) {
    const bool screen = medium == TableMedium::Screen;
    return {title, screen ? screenTitleX : paperTitleX, "Отрезок", 28, "Длина", 134, 30, 140, screen ? 1 : 0};
}

ValueTableLayout FrontHalfTableLayout(TableMedium medium, int paperTitleX) {
    return SegmentTableLayout(medium, kFrontHalfTableTitle, 40, paperTitleX);
}

ValueTableLayout BackHalfTableLayout(TableMedium medium, int paperTitleX) {
    return SegmentTableLayout(medium, kBackHalfTableTitle, 42, paperTitleX);
}

void DrawTablesAndComment(TableMedium medium, const std::vector<PlacedTable>& tables, int commentX, int commentY) {
    const bool screen = medium == TableMedium::Screen;
    TDrawContext& dc = screen ? ScreenDC : PrinterDC;
    for (const PlacedTable& t : tables) {
        dc.SetIntOffset(t.x, t.y);
        DrawValueTable(dc, t.layout, t.rows, medium);
    }
    dc.SetIntOffset(commentX, commentY);
    if (screen)
        DrawCommentBlock();
    else
        PrintCommentBlock();
}
