// The men's outerwear base's common draft alone, for the heaviest garment:
// the winter coat with a separate side part, with interlining, a set-in
// sleeve and its shoulder pad, and the jacket collar (the blade dart, the
// armhole balance and the lowered back neckline all at work).
#include <benchmark/benchmark.h>

#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

void BM_MenPatternDraft(benchmark::State& state) {
    TTestMenPattern coat;
    TTestSleeve sleeve;
    sleeve.ShoulderPad = 1;
    MenMeasures m = kCoatSamples;
    m.Pg = 9;
    m.H = 0.1f;
    Put(coat, m);
    coat.SetConstants(MenPatternConstantsOf(33));
    BodiceChoice choice;
    choice.sleeve = &sleeve;
    choice.sleeveKind = 13;
    choice.hasCollar = true;
    choice.collarKind = 7;
    choice.modelIndex = 33;
    for (auto _ : state) {
        coat.Draft(choice);
        coat.CalcSegments();
        benchmark::DoNotOptimize(coat.ArmholeLength);
    }
}
BENCHMARK(BM_MenPatternDraft)->Unit(benchmark::kMicrosecond);

}  // namespace
