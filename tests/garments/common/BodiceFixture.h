// What the tests of the bodice drafts share: a bodice base drafted on its
// own, every slot that the base leaves to its garments doing nothing, and a
// sleeve that only carries its inputs.
#pragma once

#include "kernel/Models.h"

template <class Base>
class TDraftOnly : public Base {
public:
    bool GetMeasures() override { return true; }
    void Draw() override {}
    void RedrawCollar() override {}
    void RedrawSleeve() override {}
    void ClearInputs(int) override {}
    void ShowMeasure(int) override {}
    void DrawTables(int) override {}
    void Print() override {}
    void SaveMeasures(RecordWriter&) override {}
    void LoadMeasures(RecordReader&) override {}
};

class TTestSleeve : public TSleeve {
public:
    void Calculate() override {}
    void Draw() override {}
    void DrawOnFront() override {}
    void DrawOnBack() override {}
    void DrawLabels() override {}
    void LabelsOnFront() override {}
    void LabelsOnBack() override {}
    void ClearCaption() override {}
    void Hook8() override {}
    void Hook9() override {}
    bool HitTest(float, float) override { return false; }
    void Drag(float, float) override {}
};
