// The women's jeans' and shorts' calculation road at 1:1 (drafting with the
// two yoke fits, the segment lengths, the pieces and the three tables drawn
// on full-size sheets), the drafting alone, and printing the jeans at 1:1
// into a PDF file.
#include <benchmark/benchmark.h>

#include <QDir>

#include "bench/FullSizeSheets.h"
#include "garments/lower_women/WJeans.h"
#include "garments/lower_women/WShort.h"
#include "platform/Printer.h"

namespace {

// The samples of the cutting method (39.5, 50, 39.4, 99.9, 0.5, 0, 4; the
// second jeans with Вс 23.5, Пвс 0): the yoke drawn in arcs.
void TakeSamples(TWJeansBase& j) {
    j.WaistHalfGirth = 39.5f;
    j.HipHalfGirth = 50;
    j.SeatHeight = 23.5f;
    j.KneeGirth = 39.4f;
    j.FrontLength = 99.9f;
    j.WaistEase = 0.5f;
    j.HipEase = 0;
    j.SeatEase = 0;
    j.KneeEase = 4;
}

// (39.5, 50, 23.5, 30, 30, 0.5, 0, 0).
void TakeSamples(TWShort& s) {
    s.WaistHalfGirth = 39.5f;
    s.HipHalfGirth = 50;
    s.SeatHeight = 23.5f;
    s.ShortsLength = 30;
    s.HemWidth = 30;
    s.WaistEase = 0.5f;
    s.HipEase = 0;
    s.SeatEase = 0;
}

template <class Garment>
void BM_WJeansGeometry(benchmark::State& state) {
    Garment g;
    TakeSamples(g);
    for (auto _ : state) {
        g.Calculate();
        g.CalcSegments();
        benchmark::DoNotOptimize(g.BackSegments);
    }
}
BENCHMARK_TEMPLATE(BM_WJeansGeometry, TWJeans)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_WJeansGeometry, TWShort)->Unit(benchmark::kMicrosecond);

template <class Garment>
void BM_WJeansCalculateRoadAtOneToOne(benchmark::State& state) {
    bench::FullSizeRoad road(2, " Джинсы женские. Заказ № 1");
    Garment g;
    TakeSamples(g);
    bench::RunCalculateRoad(state, g, *road.Sheets().List2());
}
BENCHMARK_TEMPLATE(BM_WJeansCalculateRoadAtOneToOne, TWJeans)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_WJeansCalculateRoadAtOneToOne, TWJeans2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_WJeansCalculateRoadAtOneToOne, TWShort)->Unit(benchmark::kMillisecond);

void BM_WJeansPrintAtOneToOneToPdf(benchmark::State& state) {
    bench::FullSizeRoad road(kWJeansType, " Джинсы женские. Заказ № 1");
    ThePrinter().SetPdfOutput(QDir::temp().filePath("modrin_bench_wjeans.pdf").toStdString());
    TWJeans j;
    TakeSamples(j);
    j.Calculate();
    j.CalcSegments();
    for (auto _ : state) j.Print();
}
BENCHMARK(BM_WJeansPrintAtOneToOneToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
