// The men's jeans' calculation road at 1:1 (drafting with the two yoke
// fits, the segment lengths, the pieces and the three tables drawn on
// full-size sheets) and the drafting alone.
#include <benchmark/benchmark.h>

#include "bench/FullSizeSheets.h"
#include "garments/lower_men/MJeans.h"

namespace {

// The samples of the measurement column: 41, 50, (Вс 23.5,) 40.5, 98, 0.5,
// 0, (Пвс 0,) 8; the yoke drawn in arcs.
void TakeSamples(TMJeansDraft& j) {
    j.WaistHalfGirth = 41;
    j.HipHalfGirth = 50;
    j.SeatHeight = 23.5f;
    j.ThighGirth = 40.5f;
    j.SideLength = 98;
    j.WaistEase = 0.5f;
    j.HipEase = 0;
    j.SeatEase = 0;
    j.ThighEase = 8;
}

template <class Garment>
void BM_MJeansGeometry(benchmark::State& state) {
    Garment g;
    TakeSamples(g);
    bench::RunGeometry(state, g, g.BackRows);
}
BENCHMARK_TEMPLATE(BM_MJeansGeometry, TMJeans)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MJeansGeometry, TMJeans2)->Unit(benchmark::kMicrosecond);

template <class Garment>
void BM_MJeansCalculateRoadAtOneToOne(benchmark::State& state) {
    bench::FullSizeRoad road(kMJeansType, " Джинсы мужские. Заказ № 1");
    Garment g;
    TakeSamples(g);
    bench::RunCalculateRoad(state, g, *road.Sheets().List2());
}
BENCHMARK_TEMPLATE(BM_MJeansCalculateRoadAtOneToOne, TMJeans)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_MJeansCalculateRoadAtOneToOne, TMJeans2)->Unit(benchmark::kMillisecond);

}  // namespace
