// The break point's drag frames of the women's lapel collars at 1:1 on the
// fitted jacket: the jacket collar (kind 4) and the shawl collar (kind 5),
// moved by the drawing window as the mouse moves (the limits, the collar
// drafted again, sheet 1 redrawn where it changes), beside a plain fill of
// one sheet bitmap (bench/DragFrames.h).
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "collars/LapelCollar.h"

namespace {

constexpr int kFittedJacket = 10;
constexpr int kOneSeamSleeve = 1;

void BM_BreakPointDragFrameAtOneToOne(benchmark::State& state, int kind) {
    // Down the front edge, 0 .. 1 cm.
    bench::TimeHandleDragAt1to1(state, {kFittedJacket, kind, kOneSeamSleeve, "the jacket with the collar", 1,
                                        [](TMainForm& main) -> const Vector* {
                                            auto* collar = dynamic_cast<TLapelCollar*>(main.Collar);
                                            return collar ? &collar->BreakPoint.Point : nullptr;
                                        },
                                        [](TMainForm& main) { return main.DraggingCollar; }, 0, 4});
}
BENCHMARK_CAPTURE(BM_BreakPointDragFrameAtOneToOne, JacketCollar, 4)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BreakPointDragFrameAtOneToOne, ShawlCollar, 5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
