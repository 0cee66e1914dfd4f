// One frame of a collar handle drag at 1:1: the men's jacket collar's break
// point on the winter coat moved by the drawing window as the mouse moves
// (the handle limited, the collar drafted again, sheet 1 redrawn and the
// window repainted), beside a plain fill of one sheet bitmap of the same
// size: `x_fill` is how many such fills one frame costs.
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "collars/MenForCoat.h"

namespace {

void BM_CollarDragFrameAt1to1(benchmark::State& state) {
    // Down and out along the front edge and back, 0 .. 1 cm.
    bench::TimeHandleDragAt1to1(
        state, 31, TMenForCoat::kKind, 0, "the winter coat with the jacket collar",
        [](TMainForm& main) -> const Vector* {
            auto* collar = dynamic_cast<TMenForCoat*>(main.Collar);
            return collar ? &collar->BreakPoint : nullptr;
        },
        [](TMainForm& main) { return main.DraggingCollar; }, 1, 4);
}
BENCHMARK(BM_CollarDragFrameAt1to1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
