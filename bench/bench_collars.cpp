// One frame of a collar handle drag at 1:1: the break point of the men's
// jacket collar (argument 7) or shawl collar (argument 8) on the winter coat
// moved by the drawing window as the mouse moves
// (the handle limited, the collar drafted again, sheet 1 redrawn and the
// window repainted), beside a plain fill of one sheet bitmap of the same
// size: `x_fill` is how many such fills one frame costs.
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "collars/MenLapel.h"

namespace {

void BM_CollarDragFrameAt1to1(benchmark::State& state) {
    // Down and out along the front edge and back, 0 .. 1 cm.
    bench::TimeHandleDragAt1to1(
        state, 31, int(state.range(0)), 0, "the winter coat with the collar",
        [](TMainForm& main) -> const Vector* {
            auto* collar = dynamic_cast<TMenLapelCollar*>(main.Collar);
            return collar ? &collar->BreakPoint : nullptr;
        },
        [](TMainForm& main) { return main.DraggingCollar; }, 1, 4);
}
BENCHMARK(BM_CollarDragFrameAt1to1)->Arg(7)->Arg(8)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
