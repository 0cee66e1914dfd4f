// What the benchmarks of the garments' calculation road share: the drawing
// window's three sheets at 1:1 (96 ppi) without the window, an order to
// caption them, and the GUI application that the sheet bitmaps need.
#pragma once

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/Models.h"
#include "platform/SheetImage.h"

namespace bench {

inline void NeedGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "modrin_bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

// Three 1:1 sheets behind the drawing window's interface; the window's own
// geometry is never asked for on the calculation road.
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

// An order of the given garment type, caption and comment, printed at 1:1.
class BenchOrder final : public OrderInfoSource {
public:
    BenchOrder(int type, std::string caption, std::string comment = "Комментарий к заказу")
        : type_(type), caption_(std::move(caption)), comment_(std::move(comment)) {}
    std::string ModelTypeText() const override { return caption_; }
    std::string CustomerText() const override { return "Клиент"; }
    std::vector<std::string> CommentLines() const override { return {comment_}; }
    int ModelIndex() const override { return type_; }
    int TilingMode() const override { return 1; }

private:
    int type_;
    std::string caption_;
    std::string comment_;
};

// For the life of the object: the screen context draws on full-size sheets
// at 1:1 and the order is the given one; both are put back afterwards.
class FullSizeRoad {
public:
    FullSizeRoad(int type, std::string caption, std::string comment = "Комментарий к заказу")
        : order_(type, std::move(caption), std::move(comment)) {
        NeedGuiApplication();
        previous_ = ScreenDC.Window;
        ScreenDC.SetSheetWindow(&sheets_);
        ScreenDC.PxPerCmX = ScreenDC.PxPerCmY = 96 / 2.54f;
        ScreenDC.IntFactorX = ScreenDC.IntFactorY = 1.0f;
        SetOrderInfoSource(&order_);
    }
    ~FullSizeRoad() {
        SetOrderInfoSource(nullptr);
        ScreenDC.SetSheetWindow(previous_);
    }
    FullSizeRoad(const FullSizeRoad&) = delete;
    FullSizeRoad& operator=(const FullSizeRoad&) = delete;
    FullSizeSheets& Sheets() { return sheets_; }

private:
    FullSizeSheets sheets_;
    BenchOrder order_;
    SheetWindow* previous_ = nullptr;
};

// The guarded block of the calculation road after the sheets are cleared,
// once per iteration: drafting, the segments, the draft and the tables;
// reading `lastSheet`'s bitmap flushes the drawing.
inline void RunCalculateRoad(benchmark::State& state, TModel& model, SheetImage& lastSheet) {
    model.ClearSheets();
    for (auto _ : state) {
        model.Calculate();
        model.CalcSegments();
        model.Draw();
        model.DrawTables(1);
        benchmark::DoNotOptimize(lastSheet.Bitmap().constBits());
    }
}

// The drafting alone, once per iteration: the draft and the segments;
// `segments` (the garment's table of them) is kept from the optimiser.
template <class Garment, class Segments>
void RunGeometry(benchmark::State& state, Garment& garment, Segments& segments) {
    for (auto _ : state) {
        garment.Calculate();
        garment.CalcSegments();
        benchmark::DoNotOptimize(segments);
    }
}

}  // namespace bench
