// What every sleeve kind shares of its life in the main window: while it
// exists, the order panel's sleeve field names it; and the slots its kind
// does not use stay empty.
#pragma once

#include "kernel/Models.h"

class TSleevePiece : public TSleeve {
public:
    // Writes the kind's caption (" Одношовный" for kind 1) into the sleeve
    // field of the main window, when there is one.
    explicit TSleevePiece(int kind);
    // Empties the sleeve field.
    ~TSleevePiece() override;
    void ClearCaption() override;

    void DrawOnFront() override {}
    void DrawOnBack() override {}
    void LabelsOnFront() override {}
    void LabelsOnBack() override {}
    void Hook8() override {}
    void Hook9() override {}
    // No handles unless a kind says otherwise.
    bool HitTest(int, float, float) override { return false; }
    void Drag(float, float) override {}
};
