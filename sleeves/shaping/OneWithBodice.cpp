#include "sleeves/shaping/OneWithBodice.h"

#include "sleeves/shaping/ShapingSteps.h"

using ShapingSteps::PaperPen;
using ShapingSteps::ScreenPen;

void TOneWithBodice::DrawOnFront() { DrawFront(ScreenPen()); }
void TOneWithBodice::DrawOnBack() { DrawBack(ScreenPen()); }
void TOneWithBodice::LabelsOnFront() { LabelFront(ScreenPen()); }
void TOneWithBodice::LabelsOnBack() { LabelBack(ScreenPen()); }

void TOneWithBodice::PrintOnBodice(TDrawContext& dc, int sheet) {
    const PatternPen pen = PaperPen(dc);
    if (sheet == 1) {
        DrawFront(pen);
        LabelFront(pen);
    } else if (sheet == 2) {
        DrawBack(pen);
        LabelBack(pen);
    }
}
