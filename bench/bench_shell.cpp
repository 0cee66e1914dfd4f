// The windows' costs: the drawing window's sheets allocated as at start-up,
// clearing the three sheets at 1:1, a scale change of a calculated draft
// with its redraw, the whole "Рассчитать" command at 1:1 beside a plain fill
// of three sheet bitmaps, and the start-up to the main window shown, in this
// process (also with the first calculation after it) and as a program beside
// a bare Qt Widgets program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <memory>

#include "bench/ProgramForms.h"
#include "garments/lower_women/WBryuki.h"
#include "kernel/DrawContext.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The headless platform's notes on what it cannot do (raise a window, open
// a document, ...) say nothing about speed: they are kept out of the
// benchmarks' report.  Everything else goes to Qt's own handler.
QtMessageHandler g_qtHandler = nullptr;
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith("This plugin does not support")) return;
    if (g_qtHandler) g_qtHandler(type, context, text);
}

// The windows need a widget application, and it must exist before any other
// benchmark makes a plain GUI one: it is made as the program loads.
QApplication& App() {
    static int argc = 1;
    static char name[] = "modrin_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        g_qtHandler = qInstallMessageHandler(QuietPlatformNotes);
        return new QApplication(argc, argv);  // kept until exit
    }();
    return *app;
}
[[maybe_unused]] QApplication& kMadeAtLoad = App();

// The program's windows at 96 ppi (1:1 sheets of 3968 x 5631) with the
// settings in a temporary folder.
class Windows {
public:
    bool Allocated() const { return forms_.Allocated(); }
    TMainForm& Main() { return forms_.Main(); }
    TReporForm& Report() { return forms_.Report(); }

private:
    struct At96Ppi {
        At96Ppi() { SetScreenPixelsPerInchOverride(96); }
        ~At96Ppi() { SetScreenPixelsPerInchOverride(0); }
    };
    At96Ppi ppi_;
    QTemporaryDir dir_;
    bench::ProgramForms forms_{dir_.path().toStdString()};
};

// The classic trousers (type 1) chosen with their samples in the fields and
// calculated by the "Рассчитать" command at the scale 1:n; whether they were.
bool CalculateTrousers(Windows& windows, int n, int type = kWBryukiType, int collar = -1, int sleeve = -1) {
    TMainForm& main = windows.Main();
    main.FillSamples = true;
    if (!windows.Allocated() || !main.CreateModel(type, collar, sleeve)) return false;
    if (ScreenDC.Scale != n) main.MasAtMainChange(4 - n);
    main.Calc->trigger();
    QApplication::processEvents();
    return ScreenDC.Scale == n && main.Model->calculated;
}

// What a garment's ClearSheets does: each sheet white with its grid.
void ClearThreeSheets(TReporForm& report) {
    for (SheetImage* sheet : {report.List1(), report.List2(), report.List3()}) {
        ScreenDC.ClearImage(*sheet);
        ScreenDC.DrawGrid(*sheet);
        sheet->Refresh();
    }
}

// The drawing window's part of start-up: its three sheets allocated at 1:1
// and placed at 1:4, until their bitmaps are ready to be shown.  Bitmaps are
// made once per sheet, so each run has a window of its own.
void BM_AllocateSheetsAtStartUp(benchmark::State& state) {
    App();
    SetScreenPixelsPerInchOverride(96);
    for (auto _ : state) {
        state.PauseTiming();
        auto report = std::make_unique<TReporForm>();
        state.ResumeTiming();
        if (!report->AllocateSheets()) {
            state.SkipWithError("the sheets could not be allocated");
            break;
        }
        for (SheetImage* sheet : {report->List1(), report->List2(), report->List3()})
            benchmark::DoNotOptimize(sheet->Bitmap().constBits());
        state.PauseTiming();
        report.reset();
        state.ResumeTiming();
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_AllocateSheetsAtStartUp)->Unit(benchmark::kMillisecond);

void BM_ClearSheetsAt1to1(benchmark::State& state) {
    App();
    Windows windows;
    windows.Main().Mashtab11Execute();
    if (ScreenDC.Scale != 1) {
        state.SkipWithError("the sheets could not be made at 1:1");
        return;
    }
    ClearThreeSheets(windows.Report());  // the bitmaps' first fill is not this one's cost
    for (auto _ : state) {
        ClearThreeSheets(windows.Report());
        benchmark::DoNotOptimize(windows.Report().List3()->Bitmap().constBits());
    }
}
BENCHMARK(BM_ClearSheetsAt1to1)->Unit(benchmark::kMillisecond);

// A calculated classic-trousers draft switched 1:4 -> 1:1 -> 1:4 through the
// main window's list: the window's lists, menu and sheets follow, the draft
// and its tables are drawn again at each scale and the window repaints.
void BM_ScaleChangeWithRedraw(benchmark::State& state) {
    App();
    Windows windows;
    if (!CalculateTrousers(windows, 1)) {
        state.SkipWithError("the classic trousers could not be calculated at 1:1");
        return;
    }
    for (auto _ : state) {
        for (int index : {0, 3}) {
            windows.Main().MasAtMainChange(index);
            QApplication::processEvents();
        }
    }
    state.SetLabel("1:4 -> 1:1 -> 1:4");
}
BENCHMARK(BM_ScaleChangeWithRedraw)->Unit(benchmark::kMillisecond);

// The whole "Рассчитать" command at 1:1 on the classic trousers, the window's
// repaint included, and after it in each run a plain QImage::fill of three
// bitmaps of the sheets' size: `x_fill` is how many such fills the command
// costs (it clears the three sheets, so it cannot cost less than one).
void BM_CalculateCommandAt1to1(benchmark::State& state, int type, int collar, int sleeve) {
    App();
    Windows windows;
    if (!CalculateTrousers(windows, 1, type, collar, sleeve)) {
        state.SkipWithError("the garment could not be calculated at 1:1");
        return;
    }
    const QImage& sheet = windows.Report().List1()->Bitmap();
    std::array<QImage, 3> plain;
    for (QImage& image : plain) {
        image = QImage(sheet.size(), sheet.format());
        image.fill(Qt::white);  // its memory is touched before the first measurement
    }
    double command = 0;
    double fill = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        windows.Main().Calc->trigger();
        QApplication::processEvents();
        const Clock::time_point calculated = Clock::now();
        for (QImage& image : plain) {
            image.fill(Qt::white);
            benchmark::DoNotOptimize(image.constBits());
        }
        const Clock::time_point filled = Clock::now();
        state.SetIterationTime(Seconds(start, calculated));
        command += Seconds(start, calculated);
        fill += Seconds(calculated, filled);
    }
    state.counters["fill_ms"] = benchmark::Counter(fill * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["x_fill"] = fill > 0 ? command / fill : 0;
}
BENCHMARK_CAPTURE(BM_CalculateCommandAt1to1, ClassicTrousers, kWBryukiType, -1, -1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
// The heaviest men's coat: the winter coat with a separate side part (its
// armhole balance and its seam-length matching), without collar or sleeve
// while those are not offered.
BENCHMARK_CAPTURE(BM_CalculateCommandAt1to1, WinterCoatWithSeparateSidePart, 33, 0, 0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Start-up in this process: the windows and dialogs made as the entry makes
// them, until the main window is shown; with `calculate`, then also the
// first "Рассчитать" (the classic trousers at 1:4), the sheets' first use.
void BM_StartUp(benchmark::State& state, bool calculate) {
    App();
    for (auto _ : state) {
        auto windows = std::make_unique<Windows>();
        const bool done = bench::ShowUntilExposed(windows->Main()) && (!calculate || CalculateTrousers(*windows, 4));
        state.PauseTiming();  // closing is not start-up
        windows.reset();
        state.ResumeTiming();
        if (!done) {
            state.SkipWithError("start-up or the first calculation failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_StartUp, ToMainWindowShown, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, AndFirstCalculation, true)->Unit(benchmark::kMillisecond);

#if defined(MODRIN_START_UP_PROBE) && defined(MODRIN_BARE_WINDOW_PROBE)

// Runs a probe program to its end; its wall time in seconds, or a negative
// value when it failed.
double RunProbe(const char* program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains("QT_QPA_PLATFORM")) environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const Clock::time_point start = Clock::now();
    process.start(QString::fromUtf8(program), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    return Seconds(start, Clock::now());
}

// The program's start-up as a process of its own (loading, the application
// object, the windows and dialogs, until the main window is shown, then
// exit), and in each run a bare Qt Widgets program that shows one empty
// window and exits: `x_bare` is how many bare programs the start-up costs.
void BM_StartUpAgainstBareQtProgram(benchmark::State& state) {
    QTemporaryDir settings;
    double program = 0;
    double bare = 0;
    for (auto _ : state) {
        const double p = RunProbe(MODRIN_START_UP_PROBE, {settings.path()});
        const double b = RunProbe(MODRIN_BARE_WINDOW_PROBE, {});
        if (p < 0 || b < 0) {
            state.SkipWithError("a probe program failed");
            return;
        }
        state.SetIterationTime(p);
        program += p;
        bare += b;
    }
    state.counters["bare_ms"] = benchmark::Counter(bare * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["x_bare"] = bare > 0 ? program / bare : 0;
}
BENCHMARK(BM_StartUpAgainstBareQtProgram)->UseManualTime()->Iterations(12)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
