// One frame of a collar handle drag at 1:1: the break point of the men's
// jacket collar (argument 7) or shawl collar (argument 8) on the winter coat
// moved by the drawing window as the mouse moves
// (the handle limited, the collar drafted again, sheet 1 redrawn and the
// window repainted), beside a plain fill of one sheet bitmap of the same
// size: `x_fill` is how many such fills one frame costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>

#include "bench/ProgramForms.h"
#include "collars/MenLapel.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

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
        if (!forms.Allocated() || !main.CreateModel(31, int(state.range(0)), 0)) {
            state.SkipWithError("the winter coat with the collar could not be made");
            return;
        }
        main.Mashtab11Execute();
        main.Calc->trigger();
        QApplication::processEvents();
        auto* collar = dynamic_cast<TMenLapelCollar*>(main.Collar);
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
        const QImage& sheet = report.List1()->Bitmap();
        QImage plain(sheet.size(), sheet.format());
        plain.fill(Qt::white);  // its memory is touched before the first measurement
        double frame = 0, fill = 0;
        int step = 0;
        for (auto _ : state) {
            // Down and out along the front edge and back, 0 .. 1 cm.
            const int d = (step++ % 10) * 4;
            const Clock::time_point start = Clock::now();
            report.ListMouseMove(1, Qt::LeftButton, x + d / 4, y + d);
            QApplication::processEvents();
            const Clock::time_point moved = Clock::now();
            plain.fill(Qt::white);
            benchmark::DoNotOptimize(plain.constBits());
            const Clock::time_point filled = Clock::now();
            state.SetIterationTime(Seconds(start, moved));
            frame += Seconds(start, moved);
            fill += Seconds(moved, filled);
        }
        report.ListMouseUp(1, Qt::LeftButton, x, y);
        if (!main.Model->calculated) state.SkipWithError("a drag frame failed");
        state.counters["fill_ms"] = benchmark::Counter(fill * 1e3, benchmark::Counter::kAvgIterations);
        state.counters["x_fill"] = fill > 0 ? frame / fill : 0;
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_CollarDragFrameAt1to1)->Arg(7)->Arg(8)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
