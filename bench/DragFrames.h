// Timing the frames of a handle drag at 1:1, beside a plain fill of one
// sheet bitmap of the same size in the same run: `fill_ms` is the fill,
// `x_fill` how many such fills one frame costs (the median of the frames
// over the median of the fills).  Every handle benchmark goes through here.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "bench/ProgramForms.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

#include "kernel/Models.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"

namespace bench {

// A drag's handle: the garment with its collar and sleeve kinds, the sheet
// the handle lies on (1 or 2), the handle's point (`point(main)`, nullptr
// when it is not there), whether the press grabbed it, and the pointer's
// step per frame in pixels.
struct DragHandle {
    int type, collar, sleeve;
    std::string what;  // the garment and handle, for the skip messages
    int sheet;
    std::function<const Vector*(TMainForm&)> point;
    std::function<bool(TMainForm&)> grabbed;
    int dx, dy;
};

namespace detail {

inline double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// Moves the pointer on the sheet from the press (x, y) by k·(dx, dy)
// pixels, k = 0 .. 9 and round again, one frame per iteration (the window's
// events handled too); releases it at the end.
inline void TimeDragFrames(benchmark::State& state, TReporForm& report, const TMainForm& main, int sheet, int x,
                           int y, int dx, int dy) {
    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    };
    const QImage& bitmap = (sheet == 1 ? report.List1() : report.List2())->Bitmap();
    QImage plain(bitmap.size(), bitmap.format());
    plain.fill(Qt::white);  // its memory is touched before the first measurement
    std::vector<double> frames, fills;
    int step = 0;
    for (auto _ : state) {
        const int k = step++ % 10;
        const Clock::time_point start = Clock::now();
        report.ListMouseMove(sheet, Qt::LeftButton, x + k * dx, y + k * dy);
        QApplication::processEvents();
        const Clock::time_point moved = Clock::now();
        plain.fill(Qt::white);
        benchmark::DoNotOptimize(plain.constBits());
        const Clock::time_point filled = Clock::now();
        state.SetIterationTime(seconds(start, moved));
        frames.push_back(seconds(start, moved));
        fills.push_back(seconds(moved, filled));
    }
    report.ListMouseUp(sheet, Qt::LeftButton, x, y);
    if (!main.Model->calculated) state.SkipWithError("a drag frame failed");
    const double fill = Median(fills);
    state.counters["fill_ms"] = fill * 1e3;
    state.counters["x_fill"] = fill > 0 ? Median(frames) / fill : 0;
}

}  // namespace detail

// The garment calculated from its samples at 1:1, the handle pressed, then
// the drag frames timed as above.
inline void TimeHandleDragAt1to1(benchmark::State& state, const DragHandle& h) {
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
        if (!forms.Allocated() || !main.CreateModel(h.type, h.collar, h.sleeve)) {
            state.SkipWithError((h.what + " could not be made").c_str());
            return;
        }
        main.Mashtab11Execute();
        main.Calc->trigger();
        QApplication::processEvents();
        const Vector* p = main.Model->calculated ? h.point(main) : nullptr;
        if (ScreenDC.Scale != 1 || !p) {
            state.SkipWithError((h.what + " could not be calculated at 1:1").c_str());
            return;
        }
        if (h.sheet == 1)
            ScreenDC.RestoreCollarOrigin();
        else
            ScreenDC.RestoreSleeveOrigin();
        const int x = ScreenDC.PixelX(p->x), y = ScreenDC.PixelY(p->y);
        report.ListMouseDown(h.sheet, Qt::LeftButton, x, y);
        if (!h.grabbed(main)) {
            state.SkipWithError("the handle could not be grabbed");
            return;
        }
        detail::TimeDragFrames(state, report, main, h.sheet, x, y, h.dx, h.dy);
    }
    SetScreenPixelsPerInchOverride(0);
}

}  // namespace bench
