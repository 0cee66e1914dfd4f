// The three kinds of piece the program drafts: a garment (TModel), a collar
// (TCollar) and a sleeve (TSleeve).  The main window owns at most one of
// each and drives them only through these virtual operations, in the order
// the calculation road calls them.
#pragma once

#include "kernel/Record.h"

struct TDrawContext;

class TModel {
public:
    // True only while the drawn result matches the inputs: set by the last
    // step of a successful Calculate, cleared by ClearInputs, by a failed
    // GetMeasures on the calculate command and by a failed drag.
    bool calculated = false;

    TModel() = default;
    TModel(const TModel&) = delete;
    TModel& operator=(const TModel&) = delete;

    // Reads and checks the measurement fields; shows its own message and
    // returns false on bad input.  Never throws.
    virtual bool GetMeasures() = 0;
    // Drafts every point and curve (and the sleeve and collar); fails only
    // by throwing: int 1 (sleeve cap), int 2 (armhole) or EFloatError.
    virtual void Calculate() = 0;
    virtual void Draw() = 0;
    virtual void RedrawCollar() = 0;
    virtual void RedrawSleeve() = 0;
    virtual void ClearSheets() = 0;
    virtual void ClearInputs(int sleeveKind) = 0;
    virtual void ShowMeasure(int n) = 0;
    virtual void CalcSegments() = 0;
    virtual void DrawTables(int scale) = 0;
    virtual void Print() = 0;
    // The garment's block of the order file.
    virtual void SaveMeasures(RecordWriter& f) = 0;
    virtual void LoadMeasures(RecordReader& f) = 0;
    // Asked by the opening of an order right after LoadMeasures: whether the
    // loaded values may be drafted; shows the garment's own message and
    // answers false when not.  Never throws.  The fields show exactly the
    // loaded values.  An order is drafted as it was saved: the garments
    // judge each loaded row on its own, as typing it would be judged, and
    // not the relations between measurements that GetMeasures adds (and
    // only the rows the file's version holds).  By default, for a piece
    // without such rows, GetMeasures judges them.
    virtual bool CheckLoadedMeasures() { return GetMeasures(); }
    virtual ~TModel() = default;
};

class TCollar {
public:
    // Extent of the collar piece in its own axes (cm), written by Calculate.
    float BoxLeft = 0.0f;
    float BoxRight = 0.0f;
    float BoxTop = 0.0f;
    float BoxBottom = 0.0f;

    TCollar() = default;
    TCollar(const TCollar&) = delete;
    TCollar& operator=(const TCollar&) = delete;

    virtual void Calculate() = 0;
    virtual void Draw() = 0;
    virtual void DrawLabels() = 0;
    virtual void ClearCaption() = 0;
    virtual void Hook4() = 0;
    virtual void Hook5() = 0;
    // A press at (x, y) cm on the drawing window's sheet (1..3), in the axes
    // that sheet's pieces were drawn in; true when it grabs a handle drawn
    // on that sheet.
    virtual bool HitTest(int sheet, float x, float y) = 0;
    // Moves the grabbed handle; must not throw.
    virtual void Drag(float x, float y) = 0;
    // Draw and DrawLabels onto a printed page: the same piece on the given
    // drawing context (the printer's), its names as printed labels, no
    // handle boxes.  Every collar of the program has it from the collar
    // frame (collars/Collar.h); a piece that draws nothing needs none.
    virtual void PrintOn(TDrawContext& dc) {}
    // A part of the collar that lies with the back on a sheet of its own
    // (the collar in one with the front beside a sleeve made in one with the
    // bodice), onto a printed page of that sheet, in the bodice's axes.
    virtual void PrintOnBackSheet(TDrawContext& dc) {}
    virtual ~TCollar() = default;
};

class TSleeve {
public:
    float ArmLength = 0.0f;          // Др1с, arm length to the first thumb joint
    float UpperArmGirth = 0.0f;      // Оп.в
    float WristGirth = 0.0f;         // Озап
    float ShoulderPad = 0.0f;        // Пн, shoulder-pad thickness
    float CapEase = 0.0f;            // sleeve-cap ease, computed
    float UpperArmEase = 0.0f;       // Попв
    float UpperArmEaseTotal = 0.0f;  // Попв + 3 x interlining ease, computed
    float WristEase = 0.0f;          // Поз
    float WristEaseTotal = 0.0f;     // Поз + 3 x interlining ease, computed
    float ArmholeDrop = 0.0f;        // С.пр
    // Extent of the separate sleeve piece (cm), written by Calculate.
    float BoxLeft = 0.0f;
    float BoxRight = 0.0f;
    float BoxTop = 0.0f;
    float BoxBottom = 0.0f;

    TSleeve() = default;
    TSleeve(const TSleeve&) = delete;
    TSleeve& operator=(const TSleeve&) = delete;

    // Throws int 1 when the cap or the sleeve cannot be built.
    virtual void Calculate() = 0;
    virtual void Draw() = 0;
    virtual void DrawOnFront() = 0;
    virtual void DrawOnBack() = 0;
    virtual void DrawLabels() = 0;
    virtual void LabelsOnFront() = 0;
    virtual void LabelsOnBack() = 0;
    virtual void ClearCaption() = 0;
    virtual void Hook8() = 0;
    virtual void Hook9() = 0;
    // As the collar's: only a handle drawn on the pressed sheet is grabbed.
    virtual bool HitTest(int sheet, float x, float y) = 0;
    // Must not throw.
    virtual void Drag(float x, float y) = 0;
    // The separate sleeve piece with its point names drawn through dc: what
    // Draw and DrawLabels draw on the screen, and the same on paper when
    // printer is true.  A sleeve drawn only on the bodice's sheets has no
    // separate piece and draws nothing.
    virtual void DrawPiece(TDrawContext& dc, bool printer) {}
    // A sleeve made in one with the bodice: its front half (sheet 1) or
    // back half (sheet 2) with its point names drawn through dc on paper,
    // as DrawOnFront and LabelsOnFront (DrawOnBack, LabelsOnBack) draw them
    // on the screen.  Any other sleeve draws nothing.
    virtual void PrintOnBodice(TDrawContext& dc, int sheet) {}
    virtual ~TSleeve() = default;
};
