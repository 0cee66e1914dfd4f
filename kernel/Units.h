// Unit constants of the drafting sheets and the printed pages.
//
// Set once at start-up by InitModelsGlobals (they also hold the same values
// from the start, so code run before it still sees sensible numbers) and
// released by DoneModelsGlobals at exit.
#pragma once

#include <string>

// Centimetres per inch.
extern float kCmPerInch;
// A screen sheet is 105 cm wide and 149 cm tall at every scale; the garments
// centre their pieces at twice the quarter width (52.5 cm).
extern float kSheetQuarterHeight;  // 37.25
extern float kSheetQuarterWidth;   // 26.25
extern float kSheetHeight;         // 149 = 37.25 * 4
extern float kSheetWidth;          // 105 = 26.25 * 4
// Pixels of a 96-dpi screen per millimetre (page size in table units).
extern float kPx96PerMm;
// 200 table units (1/96 inch each) in centimetres.
extern float kTable200UnitsCm;
// Pixels of a 96-dpi screen per centimetre.
extern float kPx96PerCm;

// The text written at the foot of every sheet and printed page (UTF-8).
extern std::string FooterText;

void InitModelsGlobals();
void DoneModelsGlobals();
