// The skirt's calculation road at 1:1 (drafting, segments, drawing the
// draft and the tables on full-size sheets), the drafting alone, and
// printing the skirt at 1:1 into a PDF file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <string>
#include <vector>

#include "garments/lower_women/Yubka.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "platform/Printer.h"
#include "platform/SheetImage.h"

namespace {

// The drawing window's sheets without the window: three 1:1 sheets at 96 ppi.
class BenchSheets : public SheetWindow {
public:
    BenchSheets() {
        for (SheetImage& s : sheets_) {
            s.SetWidth(int(96 / 2.54 * kSheetWidthCm));
            s.SetHeight(int(96 / 2.54 * kSheetHeightCm));
        }
    }
    SheetImage* List1() override { return &sheets_[0]; }
    SheetImage* List2() override { return &sheets_[1]; }
    SheetImage* List3() override { return &sheets_[2]; }
    void SetMaxSize(int, int) override {}
    bool IsMaximized() const override { return false; }
    int WindowWidth() const override { return 800; }
    int WindowHeight() const override { return 600; }
    int WindowLeft() const override { return 0; }
    int WindowTop() const override { return 0; }
    void SetWindowWidth(int) override {}
    void SetWindowHeight(int) override {}
    void SetWindowLeft(int) override {}
    void SetWindowTop(int) override {}
    int ScreenWidth() const override { return 1920; }
    int ScreenHeight() const override { return 1080; }
    int ScrollClientWidth() const override { return 800; }
    int ScrollClientHeight() const override { return 600; }
    int HorzScrollPos() const override { return 0; }
    int VertScrollPos() const override { return 0; }
    void SetHorzScrollPos(int) override {}
    void SetVertScrollPos(int) override {}

private:
    SheetImage sheets_[3];
};

class FullSizeOrder : public OrderInfoSource {
public:
    std::string ModelTypeText() const override { return " Юбка. Заказ № 1"; }
    std::string CustomerText() const override { return "Клиент"; }
    std::vector<std::string> CommentLines() const override { return {"Длина до колена"}; }
    int ModelIndex() const override { return 0; }
    int TilingMode() const override { return 1; }
};

void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char arg0[] = "modrin_bench";
    static char* argv[] = {arg0, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

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
    for (auto _ : state) {
        skirt.Calculate();
        skirt.CalcSegments();
        benchmark::DoNotOptimize(skirt.Segments);
    }
}
BENCHMARK(BM_SkirtGeometry)->Unit(benchmark::kMicrosecond);

// The calculation road after the sheets are cleared: drafting and drawing
// the draft and the tables on 1:1 sheets.
void BM_SkirtCalculateRoadAtOneToOne(benchmark::State& state) {
    EnsureApplication();
    BenchSheets sheets;
    SheetWindow* const previous = ScreenDC.Window;
    ScreenDC.SetSheetWindow(&sheets);
    ScreenDC.PxPerCmX = ScreenDC.PxPerCmY = 96 / 2.54f;
    ScreenDC.IntFactorX = ScreenDC.IntFactorY = 1.0f;
    FullSizeOrder order;
    SetOrderInfoSource(&order);
    {
        TYubka skirt;
        Measure(skirt);
        skirt.ClearSheets();
        for (auto _ : state) {
            skirt.Calculate();
            skirt.CalcSegments();
            skirt.Draw();
            skirt.DrawTables(1);
            benchmark::DoNotOptimize(sheets.List2()->Bitmap().constBits());  // flushes the drawing
        }
    }
    SetOrderInfoSource(nullptr);
    ScreenDC.SetSheetWindow(previous);
}
BENCHMARK(BM_SkirtCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

void BM_SkirtPrintAtOneToOneToPdf(benchmark::State& state) {
    EnsureApplication();
    FullSizeOrder order;
    SetOrderInfoSource(&order);
    ThePrinter().SetPdfOutput(QDir::temp().filePath("modrin_bench_skirt.pdf").toStdString());
    TYubka skirt;
    Measure(skirt);
    skirt.Calculate();
    skirt.CalcSegments();
    for (auto _ : state) skirt.Print();
    SetOrderInfoSource(nullptr);
}
BENCHMARK(BM_SkirtPrintAtOneToOneToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
