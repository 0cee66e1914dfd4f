// One frame of a shirt-sleeve handle drag at 1:1: the mouse move on the
// sleeve sheet while the cap handle is held (the handle moved, the sleeve
// drafted again with its width fitted, the sleeve sheet redrawn and
// refreshed), on the fitted winter coat, the heaviest women's bodice.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/ProgramForms.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/Screen.h"
#include "shell/ReporForm.h"
#include "sleeves/set_in/ShirtSleeve.h"

namespace {

constexpr int kWinterCoatFitted = 14;
constexpr int kShirtSleeve = 4;

void BM_ShirtSleeveHandleDragFrame(benchmark::State& state) {
    SetScreenPixelsPerInchOverride(96);
    {
        QTemporaryDir dir;
        bench::ProgramForms forms(dir.path().toStdString());
        TMainForm& main = forms.Main();
        const bool ready = forms.ChooseAtOneToOne(kWinterCoatFitted, 0, kShirtSleeve) && main.Model->GetMeasures() &&
                           main.RunCalcBlock("");
        auto* sleeve = ready ? dynamic_cast<TShirtSleeve*>(main.Sleeve) : nullptr;
        if (!sleeve || !sleeve->Drafted) {
            state.SkipWithError("the winter coat with the shirt sleeve could not be drafted at 1:1");
        } else {
            TReporForm& report = forms.Report();
            ScreenDC.RestoreSleeveOrigin();
            const int x = ScreenDC.PixelX(sleeve->O1.x), y = ScreenDC.PixelY(sleeve->O1.y);
            report.ListMouseDown(2, Qt::LeftButton, x, y);
            // Down and up by a centimetre in turn, within the cap's limits.
            const int step = ScreenDC.PixelY(-1.0f) - ScreenDC.PixelY(0.0f);
            int k = 0;
            for (auto _ : state) {
                report.ListMouseMove(2, Qt::LeftButton, x, y + (k++ % 2) * step);
                benchmark::DoNotOptimize(sleeve->O2.x);
            }
            report.ListMouseUp(2, Qt::LeftButton, x, y);
            if (!main.Model->calculated) state.SkipWithError("the drag failed");
        }
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_ShirtSleeveHandleDragFrame)->Unit(benchmark::kMillisecond);

}  // namespace
