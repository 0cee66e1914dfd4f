// The shirt sleeve's handles' drag frames at 1:1 on the fitted winter coat,
// the heaviest women's bodice: the cap handle (O1) and the hem handle (H)
// on the sleeve sheet, moved by the drawing window as the mouse moves (the
// handle moved, the sleeve drafted again with its width fitted, the sleeve
// sheet redrawn where it changes), beside a plain fill of one sheet bitmap
// (bench/DragFrames.h).
#include <benchmark/benchmark.h>

#include "bench/DragFrames.h"
#include "sleeves/set_in/ShirtSleeve.h"

namespace {

constexpr int kWinterCoatFitted = 14;
constexpr int kShirtSleeve = 4;

void BM_ShirtSleeveHandleDragFrame(benchmark::State& state, int handle) {
    // Down, 0 .. 1 cm, within the handle's limits.
    bench::TimeHandleDragAt1to1(state, {kWinterCoatFitted, 0, kShirtSleeve, "the winter coat with the shirt sleeve", 2,
                                        [handle](TMainForm& main) -> const Vector* {
                                            auto* sleeve = dynamic_cast<TShirtSleeve*>(main.Sleeve);
                                            if (!sleeve || !sleeve->Drafted) return nullptr;
                                            return handle == 1 ? &sleeve->O1 : &sleeve->H;
                                        },
                                        [handle](TMainForm& main) {
                                            auto* sleeve = dynamic_cast<TShirtSleeve*>(main.Sleeve);
                                            return main.DraggingSleeve && sleeve && sleeve->ActiveHandle == handle;
                                        },
                                        0, 4});
}
BENCHMARK_CAPTURE(BM_ShirtSleeveHandleDragFrame, Cap, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShirtSleeveHandleDragFrame, Hem, 2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
