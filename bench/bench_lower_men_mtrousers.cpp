// The men's classic and low-waist trousers' calculation road at 1:1
// (drafting, the segment lengths, the draft and the three tables drawn on
// full-size sheets) for all four types, and the drafting alone.
#include <benchmark/benchmark.h>

#include <type_traits>

#include "bench/FullSizeSheets.h"
#include "garments/lower_men/MBryuki.h"
#include "garments/lower_men/MPants.h"

namespace {

// The samples of each pair (the first twin ignores its twin's extra rows).
void TakeSamples(TMenTrousersDraft& d, bool lowWaist) {
    d.WaistHalfGirth = lowWaist ? 42.5f : 41;
    d.HipHalfGirth = 50;
    d.SideLength = lowWaist ? 102 : 100;
    d.StepLength = 78.5f;
    d.SeatHeight = 23.5f;
    d.FrontLowering = 2;
    d.WaistEase = 0.5f;
    d.HipEase = 1;
    d.SeatEase = 0;
    d.StepEase = 1.5f;
}

template <class Trousers>
constexpr bool kLowWaist = std::is_base_of_v<TMPantsDraft, Trousers>;

template <class Trousers>
void BM_MTrousersGeometry(benchmark::State& state) {
    Trousers d;
    TakeSamples(d, kLowWaist<Trousers>);
    for (auto _ : state) {
        d.Calculate();
        d.CalcSegments();
        benchmark::DoNotOptimize(d.CrotchSeam);
    }
}
BENCHMARK_TEMPLATE(BM_MTrousersGeometry, TMBryuki)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MTrousersGeometry, TMBryuki2)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MTrousersGeometry, TMPants)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MTrousersGeometry, TMPants2)->Unit(benchmark::kMicrosecond);

template <class Trousers>
void BM_MTrousersCalculateRoadAtOneToOne(benchmark::State& state) {
    Trousers d;
    bench::FullSizeRoad road(d.Type(), " Брюки мужские. Заказ № 1");
    TakeSamples(d, kLowWaist<Trousers>);
    bench::RunCalculateRoad(state, d, *road.Sheets().List2());
}
BENCHMARK_TEMPLATE(BM_MTrousersCalculateRoadAtOneToOne, TMBryuki)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_MTrousersCalculateRoadAtOneToOne, TMBryuki2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_MTrousersCalculateRoadAtOneToOne, TMPants)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_MTrousersCalculateRoadAtOneToOne, TMPants2)->Unit(benchmark::kMillisecond);

}  // namespace
