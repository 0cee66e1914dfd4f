// The two-column tables of the drawing sheets and printed pages (a
// measurement or segment name and its value in cm), drawn in table units
// (1/96 inch, y down) at the drawing context's integer offset, so that they
// keep their size at every pattern scale.
//
// Layout: the title at (titleX, 0); horizontal rules from x 0 to 200 at
// y = 20, 36, ... one below the last row; vertical rules at x = 0, 100, 200
// from y 20 down to the last horizontal rule plus `ruleOvershoot`; the two
// heads at y 22; row i at y = 38 + 16 i with its text at textX and its value
// (one decimal) at valueX.  A layout may have the inner and right rules run
// `rightRulesExtra` units further, drawn as a second stroke.
#pragma once

#include <initializer_list>
#include <vector>

struct TDrawContext;

struct ValueTableLayout {
    const char* title;
    int titleX;
    const char* nameHead;
    int nameHeadX;
    const char* valueHead;
    int valueHeadX;
    int textX;
    int valueX;
    int ruleOvershoot;
    int rightRulesExtra = 0;
};

struct ValueTableRow {
    const char* text;
    float value;
    int decimals = 1;  // decimals of the value (precision 5)
};

// A row of a table that a draft shows only in some of its layouts (a dart
// that is there or not, a pleat count): the rows list every case once, each
// with the condition under which it is shown.
struct ShownRow {
    const char* text;
    float value;
    bool shown = true;
};
// The shown rows, in list order.
std::vector<ValueTableRow> ShownRows(std::initializer_list<ShownRow> rows);

// Screen sheets draw in the canvas font as it is.  A printed table writes
// its title at font size 10 and the rest at 8, then puts the canvas font
// size back as it found it.
enum class TableMedium { Screen, Paper };

void DrawValueTable(TDrawContext& dc, const ValueTableLayout& layout, const std::vector<ValueTableRow>& rows,
                    TableMedium medium);

// ---- The tables the garments share. ----
// Screen and paper differ in the title's place (the printed title is
// larger, so it starts further left) and in the vertical rules, which on the
// screen run one unit past the last horizontal rule.

extern const char* const kFrontHalfTableTitle;  // "Передняя половинка (см)"
extern const char* const kBackHalfTableTitle;   // "Задняя половинка (см)"

// "Таблица измерений (см)" with the heads "Измерение" and "Величина".
ValueTableLayout MeasureTableLayout(TableMedium medium);
// A table of segments, `title` with the heads "Отрезок" and "Длина"; the
// title at screenTitleX on the screen, at paperTitleX on paper.
ValueTableLayout SegmentTableLayout(TableMedium medium, const char* title, int screenTitleX, int paperTitleX);
// The segment tables of the front and the back half (title at 40 and 42 on
// the screen); the garments place the printed title differently.
ValueTableLayout FrontHalfTableLayout(TableMedium medium, int paperTitleX = 26);
ValueTableLayout BackHalfTableLayout(TableMedium medium, int paperTitleX = 28);

// A table of a sheet or a page of tables: its corner (table units), its
// layout and its rows.
struct PlacedTable {
    int x, y;
    ValueTableLayout layout;
    std::vector<ValueTableRow> rows;
};

// The tables, each with the integer offset at its corner, then the order
// comment at (commentX, commentY): DrawCommentBlock with ScreenDC on the
// screen, PrintCommentBlock with PrinterDC on paper.  The offset is left at
// the comment's place.
void DrawTablesAndComment(TableMedium medium, const std::vector<PlacedTable>& tables, int commentX, int commentY);
