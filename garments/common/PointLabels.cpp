#include "garments/common/PointLabels.h"

#include "kernel/DrawContext.h"
#include "platform/Text.h"

namespace Labels {

const char* const kCrotchSeamCaption = "Средний срез:";

void Put(TDrawContext& dc, bool printer, const Vector& p, const std::string& text, int placement) {
    if (printer)
        dc.PrinterLabel(p, text, placement);
    else
        dc.Label(p, text, placement);
}

std::string CrotchSeamText(float length) { return kCrotchSeamCaption + FormatFixed(length, 5, 1); }

void CrotchSeam(TDrawContext& dc, bool printer, const Vector& p, float length) {
    Put(dc, printer, p, CrotchSeamText(length), 3);
}

}  // namespace Labels
