// Pieces for testing a base's draft on its own: a garment whose slots other
// than the draft, the sheets and the segments do nothing, a sleeve that only
// carries its inputs and a collar that does nothing.
#pragma once

#include "kernel/Models.h"

// Base with every slot it leaves open filled by an empty one.
template <class Base>
class TStubGarment : public Base {
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

class TTestCollar : public TCollar {
public:
    void Calculate() override {}
    void Draw() override {}
    void DrawLabels() override {}
    void ClearCaption() override {}
    void Hook4() override {}
    void Hook5() override {}
    bool HitTest(float, float) override { return false; }
    void Drag(float, float) override {}
};
