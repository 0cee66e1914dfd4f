// Timing the frames of a handle drag on sheet 1, beside a plain fill of one
// sheet bitmap of the same size: `fill_ms` is the fill, `x_fill` how many
// such fills one frame costs.  The press must have grabbed the handle.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>

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

}  // namespace bench
