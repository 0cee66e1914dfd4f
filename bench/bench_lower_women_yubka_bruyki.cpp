// The skirt-trousers' calculation road at 1:1 (drafting, the result lengths,
// both halves and the three tables drawn on full-size sheets), and the
// drafting alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <string>
#include <vector>

#include "garments/lower_women/YubkaBruyki.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "platform/SheetImage.h"

namespace {

// Three 1:1 sheets at 96 ppi behind the drawing window's interface; the
// window's own geometry is never asked for on this road.
class FullSizeSheets final : public SheetWindow {
public:
    FullSizeSheets() {
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
    int WindowWidth() const override { return 0; }
    int WindowHeight() const override { return 0; }
    int WindowLeft() const override { return 0; }
    int WindowTop() const override { return 0; }
    void SetWindowWidth(int) override {}
    void SetWindowHeight(int) override {}
    void SetWindowLeft(int) override {}
    void SetWindowTop(int) override {}
    int ScreenWidth() const override { return 0; }
    int ScreenHeight() const override { return 0; }
    int ScrollClientWidth() const override { return 0; }
    int ScrollClientHeight() const override { return 0; }
    int HorzScrollPos() const override { return 0; }
    int VertScrollPos() const override { return 0; }
    void SetHorzScrollPos(int) override {}
    void SetVertScrollPos(int) override {}

private:
    std::array<SheetImage, 3> sheets_;
};

class SkirtTrousersOrder final : public OrderInfoSource {
public:
    std::string ModelTypeText() const override { return " Юбка-брюки. Заказ № 1"; }
    std::string CustomerText() const override { return "Клиент"; }
    std::vector<std::string> CommentLines() const override { return {"Длина до середины икры"}; }
    int ModelIndex() const override { return kYubkaBruykiType; }
    int TilingMode() const override { return 1; }
};

void NeedGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "modrin_bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

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
    for (auto _ : state) {
        y.Calculate();
        y.CalcSegments();
        benchmark::DoNotOptimize(y.Segments);
    }
}
BENCHMARK(BM_SkirtTrousersGeometry)->Unit(benchmark::kMicrosecond);

// The guarded block of the calculation road after the sheets are cleared.
void BM_SkirtTrousersCalculateRoadAtOneToOne(benchmark::State& state) {
    NeedGuiApplication();
    FullSizeSheets sheets;
    SheetWindow* const previousWindow = ScreenDC.Window;
    ScreenDC.SetSheetWindow(&sheets);
    ScreenDC.PxPerCmX = ScreenDC.PxPerCmY = 96 / 2.54f;
    ScreenDC.IntFactorX = ScreenDC.IntFactorY = 1.0f;
    SkirtTrousersOrder order;
    SetOrderInfoSource(&order);
    {
        TYubka_Bruyki y;
        TakeSamples(y);
        y.ClearSheets();
        for (auto _ : state) {
            y.Calculate();
            y.CalcSegments();
            y.Draw();
            y.DrawTables(1);
            benchmark::DoNotOptimize(sheets.List3()->Bitmap().constBits());  // flushes the drawing
        }
    }
    SetOrderInfoSource(nullptr);
    ScreenDC.SetSheetWindow(previousWindow);
}
BENCHMARK(BM_SkirtTrousersCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

}  // namespace
