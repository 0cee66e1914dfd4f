// One frame of a raglan handle drag at 1:1: C2 on the fitted dress with the
// darted raglan moved by the drawing window as the mouse moves (the bodice
// and the sleeve drafted again, both sheets redrawn), beside a plain fill
// of one sheet bitmap of the same size.
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "garments/bodice_women/Dress.h"

namespace {

void BM_RaglanDragFrameAt1to1(benchmark::State& state) {
    // Out from the armhole and back, about 1 cm.
    bench::TimeHandleDragAt1to1(
        state, 8, 1, 6, "the fitted dress with the darted raglan",
        [](TMainForm& main) -> const Vector* {
            auto* dress = dynamic_cast<TDress*>(main.Model);
            return dress ? &dress->C2 : nullptr;
        },
        [](TMainForm& main) { return main.DraggingSleeve; }, -3, -3);
}
BENCHMARK(BM_RaglanDragFrameAt1to1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
