// The tables of the bodice garments' last sheet and of their printed tables
// page: the measurements of the front and back, the sleeve's values and the
// segments, side by side under the sheet's header, with the order comment
// below them.
#pragma once

#include <vector>

#include "garments/common/ValueTable.h"

namespace BodiceTables {

// "Полочка и спинка (см)" with the heads "Измерение" and "Величина".
ValueTableLayout MeasureLayout(TableMedium m);
// "Рукав (см)" with the same heads.
ValueTableLayout SleeveLayout(TableMedium m);
// "Полочка и спинка (см)" with the heads "Отрезок" and "Величина".
ValueTableLayout SegmentLayout(TableMedium m);

// The three tables at their corners; an empty sleeve or segment list leaves
// its table out.
std::vector<PlacedTable> Place(TableMedium m, std::vector<ValueTableRow> measures, std::vector<ValueTableRow> sleeve,
                               std::vector<ValueTableRow> segments);

// The sleeve tables' rows by the sleeve's kind: a set-in sleeve, the shirt
// sleeve, a sleeve that shapes the bodice (no cap-ease norm), the batwing.
enum class SleeveTable { None, SetIn, Shirt, Shaping, Batwing };
// The main window's sleeve's values (and the garment's cap-ease norm, with
// three decimals); none without a sleeve.
std::vector<ValueTableRow> SleeveRows(SleeveTable table, float capEaseNorm);

// Where the order comment starts on the screen and on paper (table units).
int CommentX(TableMedium m);

}  // namespace BodiceTables
