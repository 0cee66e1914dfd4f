// What the bodice garments of every family do alike around their drafts:
// lay out the measurement column and the order panel, read and keep the
// column's values, place the collar on sheet 1, caption their sheets, draw
// the separate sleeve's sheet and the tables, and print their sheets at
// true scale with a page of tables after them.
//
// A garment describes its column as a list of rows and the values behind
// them as a list of targets (nullptr for a value it reads but does not keep,
// such as an input of a sleeve that is not there).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "garments/common/PatternSheets.h"
#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"
#include "shell/MeasureColumn.h"

struct TDrawContext;
class TCollar;
class RecordWriter;
class RecordReader;

namespace BodiceFrame {

// A row of the column: caption, hint, the sample as text ("20.7") and
// whether it measures the body.
struct Row {
    const char* caption;
    const char* hint;
    std::string sample;
    MeasureKind kind;
};

// The column's rows with their samples split into integer digits and
// fraction; the texts live in `store` for as long as the rows are read.
std::vector<MeasureRow> MeasureRows(const std::vector<Row>& rows, std::vector<std::string>& store);

// The garment's constructor: the order panel's collar and sleeve rows (kept
// where already shown), the column, the order caption, the sheets.
void Open(int type, const std::vector<MeasureRow>& column, int sheetCount);
// Its destructor: every row hidden, the sheets and the panel's piece rows.
void Close();
// ClearInputs: rows 1 .. rows emptied with the order, the panel's piece
// rows as the pieces now are.
void ClearOrder(int type, int rows);

// The main window's collar and sleeve drafted after the bodice, in the
// family's order: the men's garments the collar first, the women's the
// sleeve first.
void CalculatePieces(bool collarFirst);

// GetMeasures: the column's rows read into the targets; false (nothing kept)
// as MeasureColumn::Read refuses.
bool ReadColumn(const std::vector<MeasureRow>& rows, const std::vector<float*>& targets);
// The values behind a garment's list of quantities, as its Slot names them.
template <class Garment, class Quantity>
std::vector<float*> TargetsOf(Garment& g, const std::vector<Quantity>& column) {
    std::vector<float*> targets;
    for (Quantity q : column) targets.push_back(g.Slot(q));
    return targets;
}
// The check of the sleeves that have an upper-arm ease (compared): it must
// hold the bust ease, else "Попв < Пг" is refused.
bool CheckUpperArmEase(bool compared, float bustEase);
// The order block: one float per target (0 for an absent one), and back.
void WriteBlock(RecordWriter& f, const std::vector<float*>& targets);
void ReadBlock(RecordReader& f, const std::vector<float*>& targets);
// The targets' values into the column's rows (0 for an absent one).
void ShowValues(const std::vector<float*>& targets);

// The collar of the main window at the origin in force, shifted when
// `shift` is given: drawn and labelled on the screen, printed on paper.
void DrawCollar(TDrawContext& dc, const Vector* shift);
// Its screen drawing in two halves, shifted likewise: the lines alone, and
// the labels alone (a garment that draws its own labels between them).
void DrawCollarLines(const Vector* shift);
void LabelCollar(const Vector* shift);

// Sheet n of count: the header and footers, then `lines` from (24, 24)
// down; false without the sheet.
bool Caption(int sheet, int count, const std::vector<std::string>& lines);
// "Воротник: " and the collar's caption, "Рукав: " and the sleeve's.
std::string CollarLine();
std::string SleeveLine();
// The separate sleeve on sheet 2 at the origin in force, captioned.
void DrawSleeveSheet(int count);
// The tables on the last sheet, with the order comment at (x, commentY).
void DrawTables(int count, const std::vector<PlacedTable>& tables, int commentY);

// Sheets 1 .. count − 1, each drawn on paper by `sheet` (the same pieces as
// the screen's sheet of that number) and tiled over the box of what it
// draws at the print scale, then the page of tables; "nothing to print"
// before a calculation.
void Print(bool calculated, int count, const std::function<std::function<void()>(int sheet)>& sheet,
           const std::function<std::vector<PlacedTable>()>& tables, int commentY);
// The separate sleeve as printed on its own sheet.
std::function<void()> PrintedSleeve();

}  // namespace BodiceFrame
