// The windows' costs: clearing the three sheets at 1:1, a scale change with
// its redraw, and the start-up to the main window shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <memory>

#include "kernel/DrawContext.h"
#include "kernel/Units.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"
#include "shell/Settings.h"

namespace {

// The windows need a widget application, and it must exist before any other
// benchmark makes a plain GUI one: it is made as the program loads.
QApplication& App() {
    static int argc = 1;
    static char name[] = "modrin_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);  // kept until exit
    }();
    return *app;
}
[[maybe_unused]] QApplication& kMadeAtLoad = App();

// The two windows as the entry makes them, with the settings in a temporary
// folder and every message box answered at once.
class Windows {
public:
    Windows() {
        TSettings::SetFolderOverride(dir_.path().toStdString());
        SetMessageInterceptor([](const MessageRecord&) { return MsgResult::Ok; });
        SetScreenPixelsPerInchOverride(96);
        InitModelsGlobals();
        main_ = std::make_unique<TMainForm>();
        report_ = std::make_unique<TReporForm>();
        report_->FormCreate();
        report_->AllocateSheets();
    }
    ~Windows() {
        main_.reset();
        report_.reset();
        SetScreenPixelsPerInchOverride(0);
        SetMessageInterceptor(nullptr);
        TSettings::SetFolderOverride("");
    }
    TMainForm& Main() { return *main_; }
    TReporForm& Report() { return *report_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TReporForm> report_;
};

// What a garment's ClearSheets does: each sheet white with its grid.
void ClearThreeSheets(TReporForm& report) {
    for (SheetImage* sheet : {report.List1(), report.List2(), report.List3()}) {
        ScreenDC.ClearImage(*sheet);
        ScreenDC.DrawGrid(*sheet);
        sheet->Refresh();
    }
}

void BM_ClearSheetsAt1to1(benchmark::State& state) {
    App();
    Windows windows;
    windows.Main().Mashtab11Execute();
    if (ScreenDC.Scale != 1) {
        state.SkipWithError("the sheets could not be made at 1:1");
        return;
    }
    for (auto _ : state) {
        ClearThreeSheets(windows.Report());
        benchmark::DoNotOptimize(windows.Report().List3()->Bitmap().constBits());
    }
}
BENCHMARK(BM_ClearSheetsAt1to1)->Unit(benchmark::kMillisecond);

// 1:4 <-> 1:2 through the main window's list, with the sheets cleared and
// the window's lists, menu and sheet widgets following.
void BM_ScaleChangeWithRedraw(benchmark::State& state) {
    App();
    Windows windows;
    windows.Report().show();
    int index = 0;
    for (auto _ : state) {
        index = index == 0 ? 2 : 0;
        windows.Main().MasAtMainChange(index);
        ClearThreeSheets(windows.Report());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScaleChangeWithRedraw)->Unit(benchmark::kMillisecond);

void BM_StartUpToMainWindowShown(benchmark::State& state) {
    App();
    for (auto _ : state) {
        Windows windows;
        windows.Main().show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.Main().isVisible());
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace
