// The two-column tables of the drawing sheets and printed pages (a
// measurement or segment name and its value in cm), drawn in table units
// (1/96 inch, y down) at the drawing context's integer offset, so that they
// keep their size at every pattern scale.
//
// Layout: the title at (titleX, 0); horizontal rules from x 0 to 200 at
// y = 20, 36, ... one below the last row; vertical rules at x = 0, 100, 200
// from y 20 down to the last horizontal rule plus `ruleOvershoot`; the two
// heads at y 22; row i at y = 38 + 16 i with its text at textX and its value
// (one decimal) at valueX.
#pragma once

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
};

struct ValueTableRow {
    const char* text;
    float value;
};

// Screen sheets draw in the canvas font as it is.  A printed table writes
// its title at font size 10 and the rest at 8, then puts the canvas font
// size back as it found it.
enum class TableMedium { Screen, Paper };

void DrawValueTable(TDrawContext& dc, const ValueTableLayout& layout, const std::vector<ValueTableRow>& rows,
                    TableMedium medium);
