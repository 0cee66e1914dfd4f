// The sheets and printed pages of the women's jeans and shorts, which lay
// them out alike: the pieces with their labels on sheet 1; on sheet 2 the
// measurement table, the front and back segment tables and the order
// comment.  Printing tiles the pieces over printer pages at true scale
// through the same tiling and page walk as the skirt ("Лист 1 из 2"), then
// prints one more page with the three tables and the comment
// ("Лист 2 из 2"), at every tiling mode.
#pragma once

#include <functional>
#include <vector>

#include "garments/lower_women/ValueTable.h"
#include "kernel/Geometry.h"

struct TDrawContext;

namespace JeansSheets {

// The rows of the three tables of sheet 2.
struct Tables {
    std::vector<ValueTableRow> measures;
    std::vector<ValueTableRow> front;
    std::vector<ValueTableRow> back;
};

// Extent of the pieces in pattern cm (y up).
struct Box {
    float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
    // Widens the box to take p in.
    void Take(float x, float y);
};

// The two sheets (GarmentSheets 1 and 2).
constexpr int kSheets = 2;
// Attaches sheet 1 to the screen context with its origin at (52.5,
// originY); false when there is no drawing window.
bool AttachPieces(float originY);
// The captions of both sheets, the three tables and the comment block.
void DrawTables(const Tables& tables);

// Draws the pieces on the context: outline pen `outline`, labels through
// Label (screen) or PrinterLabel (paper).
using PieceDrawer = std::function<void(TDrawContext& dc, int outline, bool printer)>;
// The print command of a garment: unless it is calculated the shared
// "nothing to print" message; else the print job, the pieces tiled over
// pages and then the tables page.
void Print(bool calculated, const Box& box, const PieceDrawer& pieces, const Tables& tables);

// Table rows: texts[k] with values[k], k < count.
std::vector<ValueTableRow> Rows(const char* const* texts, const float* values, int count);
// The rows of a back table whose last rows are the yoke's (TJeansYoke):
// textsBeforeYoke for the first count − TJeansYoke::kYokeRows values.
std::vector<ValueTableRow> BackRows(const char* const* textsBeforeYoke, const float* values, int count);

// C1 and C3: the one further left is labelled with placement 5, the other
// with 3 (C3 on the left when they stand one above the other).
void LabelC1C3(TDrawContext& dc, bool printer, const Vector& C1, const Vector& C3);

}  // namespace JeansSheets
