// The men's collar handles' drag frames at 1:1 on the winter coat: the
// jacket collar's (kind 7) break point and gorge point A5, the shawl
// collar's (kind 8) break point, each moved by the drawing window as the
// mouse moves (the handle limited, the collar drafted again, sheet 1
// redrawn where it changes), beside a plain fill of one sheet bitmap
// (bench/DragFrames.h).
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "collars/MenForCoat.h"
#include "collars/MenLapel.h"

namespace {

constexpr int kWinterCoat = 31;

bool Grabbed(TMainForm& main) { return main.DraggingCollar; }

const Vector* BreakPoint(TMainForm& main) {
    auto* collar = dynamic_cast<TMenLapelCollar*>(main.Collar);
    return collar ? &collar->BreakPoint : nullptr;
}

const Vector* Gorge(TMainForm& main) {
    auto* collar = dynamic_cast<TMenForCoat*>(main.Collar);
    return collar ? &collar->A5 : nullptr;
}

void BM_CollarDragFrameAt1to1(benchmark::State& state, int kind, const Vector* (*point)(TMainForm&), int dx,
                              int dy) {
    bench::TimeHandleDragAt1to1(state, {kWinterCoat, kind, 0, "the winter coat with the collar", 1, point, Grabbed, dx, dy});
}
// Down and out along the front edge, 0 .. 1 cm.
BENCHMARK_CAPTURE(BM_CollarDragFrameAt1to1, JacketBreak, 7, BreakPoint, 1, 4)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// Down the front centre line, 0 .. 1 cm.
BENCHMARK_CAPTURE(BM_CollarDragFrameAt1to1, JacketGorge, 7, Gorge, 0, 4)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CollarDragFrameAt1to1, ShawlBreak, 8, BreakPoint, 1, 4)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
