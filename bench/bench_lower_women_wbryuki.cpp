// The classic trousers' calculation road at 1:1 (drafting, the segment
// lengths, the draft and the three tables drawn on full-size sheets) for both
// types, the drafting alone, and printing at 1:1 into a PDF file.
#include <benchmark/benchmark.h>

#include <QDir>

#include "bench/FullSizeSheets.h"
#include "garments/lower_women/WBryuki.h"
#include "platform/Printer.h"

namespace {

// The samples (37.5, 50, 25, 99.9, 0.5, 1, 0): one front dart and two back
// darts, the longest road of the drawing.
template <class Trousers>
void TakeSamples(Trousers& w) {
    w.WaistHalfGirth = 37.5f;
    w.HipHalfGirth = 50;
    w.SeatHeight = 25;
    w.FrontLength = 99.9f;
    w.WaistEase = 0.5f;
    w.HipEase = 1;
    w.SeatEase = 0;
}

template <class Trousers>
void BM_WBryukiGeometry(benchmark::State& state) {
    Trousers w;
    TakeSamples(w);
    for (auto _ : state) {
        w.Calculate();
        w.CalcSegments();
        benchmark::DoNotOptimize(w.Segments);
    }
}
BENCHMARK_TEMPLATE(BM_WBryukiGeometry, TWBryuki)->Unit(benchmark::kMicrosecond);

template <class Trousers>
void BM_WBryukiCalculateRoadAtOneToOne(benchmark::State& state) {
    Trousers w;
    bench::FullSizeRoad road(w.Type(), " Брюки женские классические. Заказ № 1");
    TakeSamples(w);
    bench::RunCalculateRoad(state, w, *road.Sheets().List2());
}
BENCHMARK_TEMPLATE(BM_WBryukiCalculateRoadAtOneToOne, TWBryuki)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_WBryukiCalculateRoadAtOneToOne, TWBryuki2)->Unit(benchmark::kMillisecond);

void BM_WBryukiPrintAtOneToOneToPdf(benchmark::State& state) {
    bench::FullSizeRoad road(kWBryukiType, " Брюки женские классические. Заказ № 1");
    ThePrinter().SetPdfOutput(QDir::temp().filePath("modrin_bench_wbryuki.pdf").toStdString());
    TWBryuki w;
    TakeSamples(w);
    w.Calculate();
    w.CalcSegments();
    for (auto _ : state) w.Print();
}
BENCHMARK(BM_WBryukiPrintAtOneToOneToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
