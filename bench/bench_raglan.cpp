// One frame of a raglan handle drag at 1:1: C2 on the fitted dress with the
// darted raglan moved by the drawing window as the mouse moves (the bodice
// and the sleeve drafted again, both sheets redrawn), beside a plain fill
// of one sheet bitmap of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "bench/DragFrames.h"
#include "bench/ProgramForms.h"
#include "garments/bodice_women/Dress.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

namespace {

void BM_RaglanDragFrameAt1to1(benchmark::State& state) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        state.SkipWithError("no widget application");
        return;
    }
    SetScreenPixelsPerInchOverride(96);
    {
        QTemporaryDir dir;
        bench::ProgramForms forms(dir.path().toStdString());
        TMainForm& main = forms.Main();
        TReporForm& report = forms.Report();
        main.FillSamples = true;
        if (!forms.Allocated() || !main.CreateModel(8, 1, 6)) {
            state.SkipWithError("the fitted dress with the darted raglan could not be made");
            return;
        }
        main.Mashtab11Execute();
        main.Calc->trigger();
        QApplication::processEvents();
        auto* dress = dynamic_cast<TDress*>(main.Model);
        if (ScreenDC.Scale != 1 || !main.Model->calculated || !dress) {
            state.SkipWithError("the dress could not be calculated at 1:1");
            return;
        }
        ScreenDC.RestoreCollarOrigin();
        const int x = ScreenDC.PixelX(dress->C2.x), y = ScreenDC.PixelY(dress->C2.y);
        report.ListMouseDown(1, Qt::LeftButton, x, y);
        if (!main.DraggingSleeve) {
            state.SkipWithError("the raglan handle could not be grabbed");
            return;
        }
        // Out from the armhole and back, about 1 cm.
        bench::TimeDragFrames(state, report, main, x, y, -3, -3);
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_RaglanDragFrameAt1to1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
