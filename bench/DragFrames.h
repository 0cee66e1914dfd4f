// Timing the frames of a handle drag on sheet 1, beside a plain fill of one
// sheet bitmap of the same size: `fill_ms` is the fill, `x_fill` how many
// such fills one frame costs.  The press must have grabbed the handle.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <string>

#include "bench/ProgramForms.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

#include "kernel/Models.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"

namespace bench {

// Moves the pointer from the press (x, y) by k·(dx, dy) pixels, k = 0 .. 9
// and round again, one frame per iteration; releases it at the end.
inline void TimeDragFrames(benchmark::State& state, TReporForm& report, const TMainForm& main, int x, int y, int dx,
                           int dy) {
    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    };
    const QImage& sheet = report.List1()->Bitmap();
    QImage plain(sheet.size(), sheet.format());
    plain.fill(Qt::white);  // its memory is touched before the first measurement
    double frame = 0, fill = 0;
    int step = 0;
    for (auto _ : state) {
        const int k = step++ % 10;
        const Clock::time_point start = Clock::now();
        report.ListMouseMove(1, Qt::LeftButton, x + k * dx, y + k * dy);
        QApplication::processEvents();
        const Clock::time_point moved = Clock::now();
        plain.fill(Qt::white);
        benchmark::DoNotOptimize(plain.constBits());
        const Clock::time_point filled = Clock::now();
        state.SetIterationTime(seconds(start, moved));
        frame += seconds(start, moved);
        fill += seconds(moved, filled);
    }
    report.ListMouseUp(1, Qt::LeftButton, x, y);
    if (!main.Model->calculated) state.SkipWithError("a drag frame failed");
    state.counters["fill_ms"] = benchmark::Counter(fill * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["x_fill"] = fill > 0 ? frame / fill : 0;
}

// The garment of the type with the collar and sleeve kinds, its samples
// calculated at 1:1; the handle that `handle(main)` points at (nullptr: not
// there) pressed on sheet 1, which `grabbed(main)` confirms; then the drag
// frames as TimeDragFrames times them.  `what` names the garment in the
// skip messages.
template <class Handle, class Grabbed>
void TimeHandleDragAt1to1(benchmark::State& state, int type, int collar, int sleeve, const std::string& what,
                          Handle handle, Grabbed grabbed, int dx, int dy) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        state.SkipWithError("no widget application");
        return;
    }
    SetScreenPixelsPerInchOverride(96);
    {
        QTemporaryDir dir;
        ProgramForms forms(dir.path().toStdString());
        TMainForm& main = forms.Main();
        TReporForm& report = forms.Report();
        main.FillSamples = true;
        if (!forms.Allocated() || !main.CreateModel(type, collar, sleeve)) {
            state.SkipWithError((what + " could not be made").c_str());
            return;
        }
        main.Mashtab11Execute();
        main.Calc->trigger();
        QApplication::processEvents();
        const Vector* p = main.Model->calculated ? handle(main) : nullptr;
        if (ScreenDC.Scale != 1 || !p) {
            state.SkipWithError((what + " could not be calculated at 1:1").c_str());
            return;
        }
        ScreenDC.RestoreCollarOrigin();
        const int x = ScreenDC.PixelX(p->x), y = ScreenDC.PixelY(p->y);
        report.ListMouseDown(1, Qt::LeftButton, x, y);
        if (!grabbed(main)) {
            state.SkipWithError("the handle could not be grabbed");
            return;
        }
        TimeDragFrames(state, report, main, x, y, dx, dy);
    }
    SetScreenPixelsPerInchOverride(0);
}

}  // namespace bench
