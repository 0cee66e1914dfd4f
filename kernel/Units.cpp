#include "kernel/Units.h"

float kCmPerInch;
float kSheetQuarterHeight;
float kSheetQuarterWidth;
float kSheetHeight;
float kSheetWidth;
float kPx96PerMm;
float kTable200UnitsCm;
float kPx96PerCm;

std::string FooterText;

void InitModelsGlobals() {
    // The printer object that the printed pages draw on is kept by the
    // printer page context itself; nothing to take here.
    kCmPerInch = 2.54f;
    kSheetQuarterHeight = 37.25f;
    kSheetQuarterWidth = 26.25f;
    kSheetHeight = kSheetQuarterHeight * 4;
    kSheetWidth = kSheetQuarterWidth * 4;
    FooterText = "Ладомирка 4.23 — построение основ лекал";
    kPx96PerMm = float(9.6 / kCmPerInch);
    kTable200UnitsCm = float(200 * double(kCmPerInch) / 96);
    kPx96PerCm = float(96 / double(kCmPerInch));
}

void DoneModelsGlobals() {
    // The sheet caption text of the page furniture, built on first use, is
    // released by the page furniture itself.
    FooterText.clear();
    FooterText.shrink_to_fit();
}

namespace {

// The constants hold their values from the start, so that code running
// before InitModelsGlobals (tests, static set-up) never sees zero factors.
const bool kUnitsReady = (InitModelsGlobals(), true);

}  // namespace
