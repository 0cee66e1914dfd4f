// Clearing a full-size sheet and drawing its centimetre grid, beside a plain
// fill of a bitmap of the same size: the grid should cost little more than
// the fill.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/FullSizeSheets.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

namespace {

// A 1:1 sheet at 96 ppi.
constexpr int kSheetWidth = 3968;
constexpr int kSheetHeight = 5631;

void BM_ClearImageAndDrawGrid(benchmark::State& state) {
    bench::NeedGuiApplication();
    SheetImage sheet;
    sheet.SetWidth(kSheetWidth);
    sheet.SetHeight(kSheetHeight);
    TDrawContext dc;
    dc.PxPerCmX = dc.PxPerCmY = 96.0f / 2.54f;
    for (auto _ : state) {
        dc.ClearImage(sheet);
        dc.DrawGrid(sheet);
        benchmark::DoNotOptimize(sheet.Bitmap().constBits());  // flushes the painter
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kSheetWidth) * kSheetHeight * 4);
}
BENCHMARK(BM_ClearImageAndDrawGrid)->Unit(benchmark::kMillisecond);

void BM_PlainFillOfTheSameBitmap(benchmark::State& state) {
    bench::NeedGuiApplication();
    QImage image(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kSheetWidth) * kSheetHeight * 4);
}
BENCHMARK(BM_PlainFillOfTheSameBitmap)->Unit(benchmark::kMillisecond);

}  // namespace
