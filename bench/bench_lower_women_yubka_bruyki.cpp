// The skirt-trousers' calculation road at 1:1 (drafting, the result lengths,
// both halves and the three tables drawn on full-size sheets), and the
// drafting alone.
#include <benchmark/benchmark.h>

#include "bench/FullSizeSheets.h"
#include "garments/lower_women/YubkaBruyki.h"

namespace {

// The sample measurements: 38, 53, 75, 1, 0.5, 2.
void TakeSamples(TYubka_Bruyki& y) {
    y.WaistHalfGirth = 38;
    y.HipHalfGirth = 53;
    y.SkirtLength = 75;
    y.SeatEase = 1;
    y.WaistEase = 0.5f;
    y.HipEase = 2;
}

void BM_SkirtTrousersGeometry(benchmark::State& state) {
    TYubka_Bruyki y;
    TakeSamples(y);
    bench::RunGeometry(state, y, y.Segments);
}
BENCHMARK(BM_SkirtTrousersGeometry)->Unit(benchmark::kMicrosecond);

// The guarded block of the calculation road after the sheets are cleared.
void BM_SkirtTrousersCalculateRoadAtOneToOne(benchmark::State& state) {
    bench::FullSizeRoad road(kYubkaBruykiType, " Юбка-брюки. Заказ № 1", "Длина до середины икры");
    TYubka_Bruyki y;
    TakeSamples(y);
    bench::RunCalculateRoad(state, y, *road.Sheets().List3());
}
BENCHMARK(BM_SkirtTrousersCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

}  // namespace
