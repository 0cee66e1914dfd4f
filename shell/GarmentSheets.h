// The drawing window's sheets as a garment uses them, and what its sheets
// and printed pages share: sheet n (1 to 3) is List1 .. List3 of the
// screen context's window; a garment with `count` sheets uses sheets 1 to
// count.  Every routine does nothing (or answers false) when there is no
// drawing window.
#pragma once

#include <functional>
#include <string>

class SheetImage;

namespace GarmentSheets {

// The outline pen of the pieces on the screen and on paper (construction
// lines are 1), and the font size of the point labels on paper.
constexpr int kScreenOutline = 2;
constexpr int kPaperOutline = 4;
constexpr int kPaperLabelFontSize = 8;

// "Лист n из count".
std::string SheetText(int n, int count);

// Sheet n (1 .. 3) of the drawing window; nullptr without a window.
SheetImage* Sheet(int n);
// Shows or hides sheets 1 .. count.
void Show(int count, bool visible);
// Sheets 1 .. count white with the centimetre grid, each refreshed.
void Clear(int count);
// Sheet n alone, likewise.
void ClearSheet(int n);
// Sheet n cleared (ClearSheet) and drawn whole again by `draw`, changing
// only the pixels where the new drawing differs from the one on the sheet:
// the pixels end exactly as the clearing and `draw` leave them, and the
// screen context as `draw` leaves it.  Every handle's drag frame redraws its
// sheet so, through the routine that draws the sheet in a full redraw.
// `draw` runs twice, the screen context put back before each run: once to
// list the drawing (nothing painted), once to paint what changed, kept to
// the tiles that may change.  Without a list of the drawing before (the
// first time, after a failed redraw, or when the sheet's clearing does not
// cover its bitmap), the second run draws the sheet whole.  When `draw`
// throws while listing, the sheet stays as it was, its list is dropped and
// the exception passes on.
void RedrawChanged(int n, const std::function<void()>& draw);
// Attaches sheet n's canvas to the screen context; false without the sheet.
bool Attach(int n);
// Refreshes sheet n, when there is one.
void Refresh(int n);
// Attaches sheet n with the integer offset (0, 0) and draws its captions
// with `label`; false (and nothing drawn) without the sheet.
bool AttachWithCaptions(int n, const std::string& label);
// The sheets' captions ("Лист n из count") before the tables of the last
// sheet: sheets 1 .. count − 1 get theirs, then pieceSheet(n) when given,
// and are refreshed; sheet `count` is attached with its captions for the
// tables.  False when a sheet is missing (what was drawn stays).
bool CaptionSheetsForTables(int count, const std::function<void(int n)>& pieceSheet = nullptr);

// The printer canvas at the label font size, before the pieces of a page.
void SetPaperLabelFont();
// A printed page of tables after the pieces' pages: a new page, the frame
// of the printable area, the header, `label` at the top right, `body` (the
// tables at the printer context's integer offsets), the footers.
void PrintTablesPage(const std::string& label, const std::function<void()>& body);

}  // namespace GarmentSheets
