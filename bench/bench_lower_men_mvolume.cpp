// The volume men's trousers' calculation road at 1:1 (drafting, the segment
// lengths, the draft and the three tables drawn on full-size sheets) for both
// types, and the drafting alone.
#include <benchmark/benchmark.h>

#include "bench/FullSizeSheets.h"
#include "garments/lower_men/MVolumeBryuki.h"

namespace {

// The samples (41, 50, 102, 23.5, 19, 1, 6, 0, 3): three pleats, the
// longest road of the drawing.
void TakeSamples(TMVolumeBryukiDraft& w) {
    w.WaistHalfGirth = 41;
    w.HipHalfGirth = 50;
    w.SideLength = 102;
    w.SeatDepth = 23.5f;
    w.HemWidth = 19;
    w.WaistEase = 1;
    w.HipEase = 6;
    w.SeatEase = 0;
    w.PleatCount = 3;
}

template <class Trousers>
void BM_MVolumeBryukiGeometry(benchmark::State& state) {
    Trousers w;
    TakeSamples(w);
    for (auto _ : state) {
        w.Calculate();
        w.CalcSegments();
        benchmark::DoNotOptimize(w.FrontSegments);
    }
}
BENCHMARK_TEMPLATE(BM_MVolumeBryukiGeometry, TMVolumeBryuki)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MVolumeBryukiGeometry, TMVolumeBryuki2)->Unit(benchmark::kMicrosecond);

template <class Trousers>
void BM_MVolumeBryukiCalculateRoadAtOneToOne(benchmark::State& state) {
    Trousers w;
    bench::FullSizeRoad road(w.Type(), " Брюки мужские объёмные. Заказ № 1");
    TakeSamples(w);
    bench::RunCalculateRoad(state, w, *road.Sheets().List2());
}
BENCHMARK_TEMPLATE(BM_MVolumeBryukiCalculateRoadAtOneToOne, TMVolumeBryuki)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_MVolumeBryukiCalculateRoadAtOneToOne, TMVolumeBryuki2)->Unit(benchmark::kMillisecond);

}  // namespace
