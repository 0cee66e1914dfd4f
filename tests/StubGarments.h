// Pieces for testing a base's draft on its own: a garment whose slots other
// than the draft, the sheets and the segments do nothing, a sleeve that only
// carries its inputs, a collar that does nothing, and choices of pieces.
#pragma once

#include "garments/common/BodiceChoice.h"
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
    bool HitTest(int, float, float) override { return false; }
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
    bool HitTest(int, float, float) override { return false; }
    void Drag(float, float) override {}
};

// A bodice's choice of pieces: the sleeve (or none) and its kind, and
// whether a collar is chosen and its kind.
inline BodiceChoice ChoiceOf(const TSleeve* sleeve, int sleeveKind, bool collar = false, int collarKind = 0) {
    BodiceChoice choice;
    choice.sleeve = sleeve;
    choice.sleeveKind = sleeveKind;
    choice.hasCollar = collar;
    choice.collarKind = collarKind;
    return choice;
}

// The shawl collar's neckline is drafted with a collar of kind 5 only: the
// collar, its kind, and whether the neckline is written.
struct ShawlCase {
    bool collar;
    int kind;
    bool written;
};
constexpr ShawlCase kShawlCases[] = {{true, 5, true}, {false, 5, false}, {true, 1, false}, {true, 4, false}};
