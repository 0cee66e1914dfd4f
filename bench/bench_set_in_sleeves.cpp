// The one-seam sleeve's draft alone (the cap-fitting loop and the notch
// searches) on the winter coat's armhole, the heaviest of the family.
#include <benchmark/benchmark.h>

#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

void BM_OneSeamSleeveDraft(benchmark::State& state) {
    TTestDress coat;
    TOneSeam sleeve;
    Put(sleeve, kSleeveSamples);
    DraftForSleeve(coat, sleeve, kSleeveSamples, kWinterCoatSamples, DressKind::WinterCoat, Silhouette::Fitted);
    const SleeveGarment armhole = WomenSleeveGarment(coat);
    for (auto _ : state) {
        sleeve.Draft(armhole);
        benchmark::DoNotOptimize(sleeve.CapLength);
    }
}
BENCHMARK(BM_OneSeamSleeveDraft)->Unit(benchmark::kMicrosecond);

}  // namespace
