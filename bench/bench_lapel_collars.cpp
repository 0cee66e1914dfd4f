// One frame of a break-point drag of the lapel collars at 1:1: the press
// grabs the handle, then each iteration is one mouse move through the
// drawing window (the limits, the collar drafted again, sheet 1 cleared and
// drawn again).  After each frame a plain QImage::fill of one bitmap of the
// sheet's size: `x_fill` is how many such fills a frame costs.  A frame
// should stay within 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>

#include "bench/ProgramForms.h"
#include "collars/LapelCollar.h"
#include "kernel/DrawContext.h"
#include "platform/Screen.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFittedJacket = 10;
constexpr int kOneSeamSleeve = 1;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

void BM_BreakPointDragFrameAtOneToOne(benchmark::State& state, int collarKind) {
    SetScreenPixelsPerInchOverride(96);
    QTemporaryDir dir;
    {
        bench::ProgramForms forms(dir.path().toStdString());
        TMainForm& main = forms.Main();
        TReporForm& report = forms.Report();
        main.FillSamples = true;
        bool ready = forms.Allocated() && main.CreateModel(kFittedJacket, collarKind, kOneSeamSleeve);
        if (ready && ScreenDC.Scale != 1) main.MasAtMainChange(3);
        ready = ready && ScreenDC.Scale == 1 && main.Model->GetMeasures();
        if (ready) {
            main.CalcExecute();
            ready = main.Model->calculated;
        }
        auto* collar = ready ? dynamic_cast<TLapelCollar*>(main.Collar) : nullptr;
        if (!collar) {
            state.SkipWithError("the jacket with the collar could not be calculated at 1:1");
        } else {
            // Press on the handle, then move 1 cm down and back, one move
            // per frame.
            ScreenDC.RestoreCollarOrigin();
            const Vector handle = collar->BreakPoint.Point;
            const int x = ScreenDC.PixelX(handle.x), y = ScreenDC.PixelY(handle.y);
            const int step = int(ScreenDC.PxPerCmY + 0.5f);
            report.ListMouseDown(1, Qt::LeftButton, x, y);
            QImage plain(report.List1()->Bitmap().size(), report.List1()->Bitmap().format());
            plain.fill(Qt::white);
            double frames = 0, fill = 0;
            bool down = true;
            for (auto _ : state) {
                const Clock::time_point start = Clock::now();
                report.ListMouseMove(1, Qt::LeftButton, x, down ? y + step : y);
                benchmark::DoNotOptimize(report.List1()->Bitmap().constBits());
                const Clock::time_point drawn = Clock::now();
                plain.fill(Qt::white);
                benchmark::DoNotOptimize(plain.constBits());
                const Clock::time_point filled = Clock::now();
                down = !down;
                state.SetIterationTime(Seconds(start, drawn));
                frames += Seconds(start, drawn);
                fill += Seconds(drawn, filled);
            }
            const bool dragged = main.DraggingCollar && main.Model->calculated;
            report.ListMouseUp(1, Qt::LeftButton, x, y);
            if (!dragged) state.SkipWithError("the handle was not dragged");
            state.counters["fill_ms"] = benchmark::Counter(fill * 1e3, benchmark::Counter::kAvgIterations);
            state.counters["x_fill"] = fill > 0 ? frames / fill : 0;
        }
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK_CAPTURE(BM_BreakPointDragFrameAtOneToOne, JacketCollar, 4)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BreakPointDragFrameAtOneToOne, ShawlCollar, 5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
