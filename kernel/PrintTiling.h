// Print tiling: a pattern printed at 1:1, 1:2 or 1:4 is laid over a block of
// printer pages, columns by rows, that together carry the whole drawing.
//
// TilePrintSheets computes the block for the drawing's extent box from the
// page size of the printer drawing context (PrinterDC.PageWidthCm and
// PageHeightCm, set by BeginTrueScalePage for the print tiling mode) and
// keeps it in PrintLayout.  WalkPrintPages then walks the block row by row
// from the top, each row from left to right, with the page furniture in the
// four corners; RunPrintJob wraps a garment's printing in the printer's
// document calls.
#pragma once

#include <functional>
#include <string>

// The block of pages of one print job (lengths in pattern cm).
struct TPrintLayout {
    int LastColumn = 0;    // there are LastColumn + 1 columns
    int LastRow = 0;       // there are LastRow + 1 rows
    int PageCount = 0;     // (LastColumn + 1) x (LastRow + 1)
    int PagesDone = 0;     // pages begun so far by the walk
    float SpanX = 0.0f;    // width of the drawing plus the margin
    float SpanY = 0.0f;    // height of the drawing plus the margin
    float CoveredX = 0.0f; // width of the page block
    float CoveredY = 0.0f; // height of the page block
    float CurrentX = 0.0f; // x origin of the page being printed
    float StartX = 0.0f;   // x origin of the first column
    float StartY = 0.0f;   // y origin of the current row
};

// The one layout, rebuilt by every TilePrintSheets and consumed by the walk.
extern TPrintLayout PrintLayout;

// More pages than this are refused (EFloatError): only a degenerate page
// size or extent box can ask for them.
constexpr int kMaxPrintPages = 10000;

// The margin added to both spans: 1, 2 or 4 pattern cm at tiling mode 1, 2
// or 4 (1 cm on paper), 0 for any other mode.
float TilingMargin(int tilingMode);

// Lays the extent box (pattern cm, y up) over pages of PrinterDC's page size
// at the current order's tiling mode; fills every field of PrintLayout but
// CurrentX, PagesDone := 0; returns the page count.  A page size that is not
// positive, a box that is not finite or a block of more than kMaxPrintPages
// throws EFloatError.
int TilePrintSheets(const float& minX, const float& maxX, const float& maxY, const float& minY);

// The page being printed by the walk.
struct PrintPage {
    int row = 0;
    int column = 0;
};

// Walks the pages of PrintLayout on PrinterDC (the document begun and the
// printer canvas attached): for each page the origin, the frame of the
// printable area, the sheet captions (first page) and the sheet label
// (top-right page), then drawPieces, then the footers (bottom-left and
// bottom-right pages); a new printer page follows every page but the last.
void WalkPrintPages(const std::string& sheetLabel, const std::function<void(const PrintPage&)>& drawPieces);

// The box (pattern cm, y up) of all that `draw` puts on a page at
// PrinterDC's scale: every line and curve, every point label with its
// text.  `draw` runs once on a canvas that paints nothing, with PrinterDC's
// origin at (0, 0); PrinterDC is left as it was.  A drawing of nothing has
// the box of the point (0, 0): its sheet gets one page of furniture.
struct PrintedBox {
    float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
};
PrintedBox MeasurePrinted(const std::function<void()>& draw);

// One sheet of a print job: the page block tiled over the box of what
// drawPieces puts on paper (MeasurePrinted, drawn as for the first page),
// then its pages walked with the sheet label.  Whatever a sheet draws is
// thus on its pages, whole.
void PrintSheet(const std::string& sheetLabel, const std::function<void(const PrintPage&)>& drawPieces);

// A print job: BeginDoc, the printer canvas attached to PrinterDC, body,
// EndDoc.  When anything throws, the job is abandoned (Printer::Abort) and
// the exception goes on to the print command.
//
// A job of more than kAskAbovePages pages of pattern (the tiling made just
// before the job, and those made inside it) is printed only when the user
// says yes to kManyPagesQuestion; otherwise PrintJobCancelled is thrown
// before the job begins or, for a tiling inside the job, before its pages.
void RunPrintJob(const std::function<void()>& body);

// No sane pattern needs more pages than this.
constexpr int kAskAbovePages = 100;
// The question, with %1 for the page count.
extern const char* const kManyPagesQuestion;
extern const char* const kManyPagesCaption;
