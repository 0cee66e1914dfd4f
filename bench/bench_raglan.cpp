// The raglan handle's drag frames at 1:1: C2 on the fitted dress moved by
// the drawing window as the mouse moves (the bodice and the sleeve drafted
// again, both sheets redrawn where they change), beside a plain fill of one
// sheet bitmap (bench/DragFrames.h).
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "garments/bodice_women/Dress.h"

namespace {

void BM_RaglanDragFrameAt1to1(benchmark::State& state) {
    // Out from the armhole and back, about 1 cm.
    bench::TimeHandleDragAt1to1(state, {8, 1, int(state.range(0)), "the fitted dress with the raglan", 1,
                                        [](TMainForm& main) -> const Vector* {
                                            auto* dress = dynamic_cast<TDress*>(main.Model);
                                            return dress ? &dress->C2 : nullptr;
                                        },
                                        [](TMainForm& main) { return main.DraggingSleeve; }, -3, -3});
}
// The straight raglan (5) and the raglan with the elbow dart (6).
BENCHMARK(BM_RaglanDragFrameAt1to1)->Arg(5)->Arg(6)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
