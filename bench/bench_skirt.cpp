// The skirt's calculation road at 1:1 (drafting, segments, drawing the
// draft and the tables on full-size sheets), the drafting alone, and
// printing the skirt at 1:1 into a PDF file.
#include <benchmark/benchmark.h>

#include <QDir>

#include "bench/FullSizeSheets.h"
#include "garments/lower_women/Yubka.h"
#include "platform/Printer.h"

namespace {

const char* const kCaption = " Юбка. Заказ № 1";
const char* const kComment = "Длина до колена";

// The sample measurements of the skirt.
void Measure(TYubka& y) {
    y.WaistHalfGirth = 38;
    y.HipHalfGirth = 53;
    y.WaistToKnee = 53.3f;
    y.SideWaistToFloor = 99.4f;
    y.FrontWaistToFloor = 97.9f;
    y.BackWaistLength = 38.2f;
    y.WaistEase = 0.5f;
    y.HipEase = 1;
}

void BM_SkirtGeometry(benchmark::State& state) {
    TYubka skirt;
    Measure(skirt);
    bench::RunGeometry(state, skirt, skirt.Segments);
}
BENCHMARK(BM_SkirtGeometry)->Unit(benchmark::kMicrosecond);

// The calculation road after the sheets are cleared: drafting and drawing
// the draft and the tables on 1:1 sheets.
void BM_SkirtCalculateRoadAtOneToOne(benchmark::State& state) {
    bench::FullSizeRoad road(kYubkaType, kCaption, kComment);
    TYubka skirt;
    Measure(skirt);
    bench::RunCalculateRoad(state, skirt, *road.Sheets().List2());
}
BENCHMARK(BM_SkirtCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

void BM_SkirtPrintAtOneToOneToPdf(benchmark::State& state) {
    bench::FullSizeRoad road(kYubkaType, kCaption, kComment);
    ThePrinter().SetPdfOutput(QDir::temp().filePath("modrin_bench_skirt.pdf").toStdString());
    TYubka skirt;
    Measure(skirt);
    skirt.Calculate();
    skirt.CalcSegments();
    for (auto _ : state) skirt.Print();
}
BENCHMARK(BM_SkirtPrintAtOneToOneToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
