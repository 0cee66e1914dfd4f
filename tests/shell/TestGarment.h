// A small garment, collar and sleeve that live only in the tests: they lay
// out and restore the main window's column as real pieces do, draw on the
// drawing window's sheets, and do on Calculate, GetMeasures and Print what
// the test's script says, recording every call.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "kernel/Models.h"

struct TestScript {
    // What each Calculate call does; when the queue runs dry, it succeeds.
    // RunAway1 and RunAway2: a fitting loop of the sleeve cap or of the
    // armhole ran away until it broke the floats.
    enum class Step { Ok, Int1, Int2, Int7, Float, RunAway1, RunAway2, Other };
    std::deque<Step> calculate;
    bool measuresOk = true;
    bool printThrows = false;
    // Draw throws the kernel's fault after drawing its line, as a draft
    // that cannot be drawn at a scale does.
    bool drawThrows = false;

    int getMeasures = 0;
    int calculateCalls = 0;
    int calcSegments = 0;
    int draws = 0;
    int drawTables = 0;
    int lastTableScale = 0;
    int clearSheets = 0;
    int prints = 0;
    int lastShown = 0;
    bool printButtonsEnabledDuringPrint = true;
    // Construction and destruction of pieces and the outgoing garment's
    // calls, in order: "collar+1", "collar-1", "sleeve+2", "sleeve-2",
    // "model+", "clear(2)", "model-", "hide-sleeve-row".
    std::vector<std::string> log;

    void Reset() { *this = TestScript(); }
};
TestScript& Script();

// The garment type the test garment is registered under, the collar and
// sleeve kinds the test pieces are registered under.
constexpr int kTestGarmentType = 7;
constexpr int kTestCollarKinds[] = {1, 2};
constexpr int kTestSleeveKinds[] = {1, 2};
// Rows of the test garment: 1..3, and row 4 for the sleeve when there is one.
constexpr int kTestRows = 3;
constexpr int kTestSleeveRow = 4;
extern const char* const kTestRowCaptions[kTestRows + 1];
extern const char* const kTestRowHints[kTestRows + 1];

void RegisterTestPieces();
void UnregisterTestPieces();

class TTestGarment : public TModel {
public:
    TTestGarment();
    ~TTestGarment() override;
    bool GetMeasures() override;
    void Calculate() override;
    void Draw() override;
    void RedrawCollar() override {}
    void RedrawSleeve() override {}
    void ClearSheets() override;
    void ClearInputs(int sleeveKind) override;
    void ShowMeasure(int n) override;
    void CalcSegments() override { ++Script().calcSegments; }
    void DrawTables(int scale) override;
    void Print() override;
    void SaveMeasures(RecordWriter&) override {}
    void LoadMeasures(RecordReader&) override {}
};
