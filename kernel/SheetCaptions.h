// What every garment shares on its sheets and printed pages: the two
// messages (measurements missing, nothing to print), the captions and the
// order comment of a screen sheet, and the furniture of a printed page
// (header, scale line, sheet label, footers, comment block).
//
// The texts come from the current order (CurrentOrder()): the header is
// "Основа: " + order caption + " " + customer line.  Positions are in table
// units (1/96 inch, y down) through the drawing context's integer mapping.
// The screen routines draw with ScreenDC on its current canvas, the printed
// ones with PrinterDC; these leave the printer canvas font size as they
// found it (also when drawing throws).
#pragma once

#include <string>

// The two shared messages (exclamation icon, OK button).
extern const char* const kMeasurementsMissingText;     // two trailing blanks
extern const char* const kMeasurementsMissingCaption;
extern const char* const kNothingToPrintText;          // two trailing blanks
extern const char* const kNothingToPrintCaption;
// Title of the comment block.
extern const char* const kCommentTitle;
// The small caption line above the printed footer, and the line that runs
// up the right edge of a printed page.
extern const char* const kPrintCaptionLine;
extern const char* const kPrintEdgeLine;

// "Основа: " + ModelType + " " + CustomerData of the current order.
std::string SheetHeaderText();

void ShowMeasurementsMissing();
void ShowNothingToPrint();

// Screen sheet (the caller has attached the sheet's canvas to ScreenDC and
// set its integer offset to (0, 0)): header, sheet label, footer and date.
void DrawSheetCaptions(const std::string& label);
// The order comment at ScreenDC's integer offset: the title and at most 28
// lines, 16 units apart.
void DrawCommentBlock();

// Printed page (PrinterDC, its canvas attached and page metrics set).
// Header and "M 1:<tiling mode>" of the first page; integer offset left (0, 0).
void PrintSheetCaptions();
// Header only; integer offset left (0, 0).
void PrintPageHeader();
// Sheet label at the top right; integer offset left (0, 0).
void PrintPageText(const std::string& label);
// Caption line and footer text at the bottom left; integer offset left (0, 0).
void PrintProgramFooter();
// Date at the bottom right and a line up the right edge; integer offset
// left (0, 0).
void PrintPageDateFooter();
// The order comment at PrinterDC's integer offset (set by the caller).
void PrintCommentBlock();
