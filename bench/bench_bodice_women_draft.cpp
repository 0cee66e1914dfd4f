// The women's bodice's common draft alone, for the heaviest garment: the
// winter coat with interlining, a set-in sleeve and its shoulder pad (the
// armhole balance and the spread of the back armhole both at work).
#include <benchmark/benchmark.h>

#include "tests/garments/bodice_women/DressFixture.h"

namespace {

void BM_WomenBodiceDraft(benchmark::State& state) {
    TTestDress coat;
    TTestSleeve sleeve;
    sleeve.ShoulderPad = 1.5f;
    Put(coat, kWinterCoatSamples);
    coat.SetAllowances(AllowancesOf(DressKind::WinterCoat, Silhouette::Fitted));
    DressChoice choice;
    choice.sleeve = &sleeve;
    choice.sleeveKind = 1;
    choice.modelIndex = TypeOf(DressKind::WinterCoat, Silhouette::Fitted);
    for (auto _ : state) {
        coat.Draft(choice);
        coat.CalcSegments();
        benchmark::DoNotOptimize(coat.ArmholeLength);
    }
}
BENCHMARK(BM_WomenBodiceDraft)->Unit(benchmark::kMicrosecond);

}  // namespace
