// The model trousers' calculation road at 1:1 (drafting, the segment
// lengths, both halves and the three tables drawn on full-size sheets), the
// drafting alone, and printing at 1:1 into a PDF file.
#include <benchmark/benchmark.h>

#include <QDir>

#include "bench/FullSizeSheets.h"
#include "garments/lower_women/WVolPants.h"
#include "platform/Printer.h"

namespace {

// The sample measurements: 37.5, 50, 25, 99.9, 20, 1, 6, 1 and three pleats
// (the sample's two pleats draw less; three is the longest road).
void TakeSamples(TWVolPants& w) {
    w.WaistHalfGirth = 37.5f;
    w.HipHalfGirth = 50;
    w.SeatHeight = 25;
    w.FrontLength = 99.9f;
    w.HemWidth = 20;
    w.WaistEase = 1;
    w.HipEase = 6;
    w.SeatEase = 1;
    w.PleatCount = 3;
}

const char* const kCaption = " Брюки женские модельные. Заказ № 1";

void BM_WVolPantsGeometry(benchmark::State& state) {
    TWVolPants pants;
    TakeSamples(pants);
    for (auto _ : state) {
        pants.Calculate();
        pants.CalcSegments();
        benchmark::DoNotOptimize(pants.Segments);
    }
}
BENCHMARK(BM_WVolPantsGeometry)->Unit(benchmark::kMicrosecond);

void BM_WVolPantsCalculateRoadAtOneToOne(benchmark::State& state) {
    bench::FullSizeRoad road(kWVolPantsType, kCaption);
    TWVolPants pants;
    TakeSamples(pants);
    bench::RunCalculateRoad(state, pants, *road.Sheets().List2());
}
BENCHMARK(BM_WVolPantsCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

void BM_WVolPantsPrintAtOneToOneToPdf(benchmark::State& state) {
    bench::FullSizeRoad road(kWVolPantsType, kCaption);
    ThePrinter().SetPdfOutput(QDir::temp().filePath("modrin_bench_wvolpants.pdf").toStdString());
    TWVolPants pants;
    TakeSamples(pants);
    pants.Calculate();
    pants.CalcSegments();
    for (auto _ : state) pants.Print();
}
BENCHMARK(BM_WVolPantsPrintAtOneToOneToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
