// The fitted men's jacket with the one-seam sleeve and the stand collar,
// from its sample values: the guarded block of the calculation road at 1:1
// after the sheets are cleared (the draft with the collar and the sleeve's
// cap fitting, the segments, the three sheets drawn with their captions and
// tables).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "bench/FullSizeSheets.h"
#include "bench/ProgramForms.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/Screen.h"

namespace {

constexpr int kFittedJacket = 25;
constexpr int kStandCollar = 1;
constexpr int kOneSeamSleeve = 1;

void BM_FittedJacketCalculateRoadAtOneToOne(benchmark::State& state) {
    SetScreenPixelsPerInchOverride(96);
    {
        QTemporaryDir dir;
        bench::ProgramForms forms(dir.path().toStdString());
        TMainForm& main = forms.Main();
        if (!forms.ChooseAtOneToOne(kFittedJacket, kStandCollar, kOneSeamSleeve)) {
            state.SkipWithError("the fitted jacket could not be chosen at 1:1");
        } else if (!main.Model->GetMeasures()) {
            state.SkipWithError("the fitted jacket's samples were refused");
        } else {
            bench::RunCalculateRoad(state, *main.Model, *forms.Report().List3());
        }
    }
    SetScreenPixelsPerInchOverride(0);
}
BENCHMARK(BM_FittedJacketCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

}  // namespace
