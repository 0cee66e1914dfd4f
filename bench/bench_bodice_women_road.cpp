// The heaviest women's bodice, the fitted winter coat with the one-seam
// sleeve and the stand collar, from its sample values: the guarded block
// of the calculation road at 1:1 after the sheets are cleared (the draft
// with the sleeve's cap fitting and the collar, the segments, the three
// sheets drawn with their captions and tables), and the draft alone; the
// same road with the batwing sleeve (its side searches and underarm
// equalisation, the front and the back drawn with the sleeve); and the same
// road for the men's winter coat with a separate side part and the two-seam
// sleeve.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "bench/FullSizeSheets.h"
#include "bench/ProgramForms.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/Screen.h"

namespace {

constexpr int kWinterCoatFitted = 14;
constexpr int kStandCollar = 1;
constexpr int kOneSeamSleeve = 1;
constexpr int kBatwingSleeve = 11;
constexpr int kMenWinterCoat = 33;
constexpr int kNoCollar = 0;
constexpr int kMenTwoSeamSleeve = 12;

// The program's windows at 96 ppi with the coat chosen, its samples in the
// fields and the scale 1:1; null when that could not be had.
class CoatOnTheRoad {
public:
    explicit CoatOnTheRoad(int type = kWinterCoatFitted, int collar = kStandCollar, int sleeve = kOneSeamSleeve) {
        SetScreenPixelsPerInchOverride(96);
        forms_ = std::make_unique<bench::ProgramForms>(dir_.path().toStdString());
        TMainForm& main = forms_->Main();
        main.FillSamples = true;
        ready_ = forms_->Allocated() && main.CreateModel(type, collar, sleeve);
        if (ready_ && ScreenDC.Scale != 1) main.MasAtMainChange(3);
        ready_ = ready_ && ScreenDC.Scale == 1;
    }
    ~CoatOnTheRoad() {
        forms_.reset();
        SetScreenPixelsPerInchOverride(0);
    }
    bool Ready() const { return ready_; }
    TMainForm& Main() { return forms_->Main(); }
    SheetImage* LastSheet() { return forms_->Report().List3(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<bench::ProgramForms> forms_;
    bool ready_ = false;
};

void RunCoatRoad(benchmark::State& state, int sleeveKind) {
    CoatOnTheRoad road(kWinterCoatFitted, kStandCollar, sleeveKind);
    if (!road.Ready()) {
        state.SkipWithError("the fitted winter coat could not be chosen at 1:1");
        return;
    }
    TMainForm& main = road.Main();
    if (!main.Model->GetMeasures()) {
        state.SkipWithError("the fitted winter coat's samples were refused");
        return;
    }
    bench::RunCalculateRoad(state, *main.Model, *road.LastSheet());
}

void BM_WinterCoatCalculateRoadAtOneToOne(benchmark::State& state) { RunCoatRoad(state, kOneSeamSleeve); }
BENCHMARK(BM_WinterCoatCalculateRoadAtOneToOne)->Unit(benchmark::kMillisecond);

// Required: at most 10 ms.
void BM_WinterCoatBatwingRoadAtOneToOne(benchmark::State& state) { RunCoatRoad(state, kBatwingSleeve); }
BENCHMARK(BM_WinterCoatBatwingRoadAtOneToOne)->Unit(benchmark::kMillisecond);

void BM_MenWinterCoatTwoSeamRoadAtOneToOne(benchmark::State& state) {
    CoatOnTheRoad road(kMenWinterCoat, kNoCollar, kMenTwoSeamSleeve);
    if (!road.Ready() || !road.Main().Model->GetMeasures()) {
        state.SkipWithError("the men's winter coat with the two-seam sleeve could not be had at 1:1");
        return;
    }
    bench::RunCalculateRoad(state, *road.Main().Model, *road.LastSheet());
}
BENCHMARK(BM_MenWinterCoatTwoSeamRoadAtOneToOne)->Unit(benchmark::kMillisecond);

void BM_WinterCoatDraft(benchmark::State& state) {
    CoatOnTheRoad road;
    if (!road.Ready() || !road.Main().Model->GetMeasures()) {
        state.SkipWithError("the fitted winter coat's samples were refused");
        return;
    }
    TModel& coat = *road.Main().Model;
    for (auto _ : state) {
        coat.Calculate();
        coat.CalcSegments();
        benchmark::DoNotOptimize(coat.calculated);
    }
}
BENCHMARK(BM_WinterCoatDraft)->Unit(benchmark::kMicrosecond);

}  // namespace
