// One frame of a collar handle drag at 1:1: the men's jacket collar's break
// point on the winter coat moved by the drawing window as the mouse moves
// (the handle limited, the collar drafted again, sheet 1 redrawn and the
// window repainted), beside a plain fill of one sheet bitmap of the same
// size: `x_fill` is how many such fills one frame costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>

#include "bench/DragFrames.h"
#include "bench/ProgramForms.h"
#include "collars/MenForCoat.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

namespace {

void BM_CollarDragFrameAt1to1(benchmark::State& state) {
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
        if (!forms.Allocated() || !main.CreateModel(31, TMenForCoat::kKind, 0)) {
            state.SkipWithError("the winter coat with the jacket collar could not be made");
            return;
        }
        main.Mashtab11Execute();
        main.Calc->trigger();
        QApplication::processEvents();
        auto* collar = dynamic_cast<TMenForCoat*>(main.Collar);
        if (ScreenDC.Scale != 1 || !main.Model->calculated || !collar) {
            state.SkipWithError("the coat could not be calculated at 1:1");
            return;
        }
        ScreenDC.RestoreCollarOrigin();
        const int x = ScreenDC.PixelX(collar->BreakPoint.x), y = ScreenDC.PixelY(collar->BreakPoint.y);
        report.ListMouseDown(1, Qt::LeftButton, x, y);
        if (!main.DraggingCollar) {
            state.SkipWithError("the break point could not be grabbed");
            return;
        }
        // Down and out along the front edge and back, 0 .. 1 cm.
        bench::TimeDragFrames(state, report, main, x, y, 1, 4);
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_CollarDragFrameAt1to1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
