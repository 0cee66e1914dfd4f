// The men's bodice's common draft alone, for the heaviest case: the jacket
// with interlining, a yoke and a set-in sleeve (the yoke's crossings, the
// armhole balance and the armhole length all at work).
#include <benchmark/benchmark.h>

#include "tests/garments/shirts_men/MenDressFixture.h"

namespace {

void BM_MenBodiceDraft(benchmark::State& state) {
    TTestMenDress jacket;
    TTestSleeve sleeve;
    const BodiceChoice choice = ChoiceOf(&sleeve, 1);
    for (auto _ : state) {
        // The draft may lower the yoke width; every run starts from the
        // measurements.
        Put(jacket, kShirtSamples);
        jacket.SetEase(EaseOf(MenDressKind::Jacket));
        jacket.Draft(choice);
        jacket.CalcSegments();
        benchmark::DoNotOptimize(jacket.ArmholeLength);
    }
}
BENCHMARK(BM_MenBodiceDraft)->Unit(benchmark::kMicrosecond);

}  // namespace
