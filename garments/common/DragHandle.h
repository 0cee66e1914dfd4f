// The drag handle every reshapeable part uses: the collars' break points,
// the raglan line's control point on the bodice, the shirt sleeve's cap and
// hem.
#pragma once

#include "kernel/DrawContext.h"
#include "kernel/Geometry.h"

// A handle: its point and the corners of its box, where it is drawn, and
// the drag in progress.
//
// A handle can be grabbed only where the user sees it: on the sheet of the
// drawing window it was last drawn on, until that sheet is cleared, and
// while the garment is calculated.  A drag keeps the grab offset, and a
// pointer that gives no finite point leaves the drag point at its last
// finite place.
struct DragHandle {
    static constexpr float kHalfSide = 0.6f;  // the box is the point ± 0.6 cm
    static constexpr int kColor = 65280;      // pure green
    static constexpr int kPenWidth = 2;

    Vector Point;
    // (x − 0.6, y + 0.6), (x + 0.6, y + 0.6), (x − 0.6, y − 0.6), (x + 0.6, y − 0.6).
    Vector Box[4];
    Vector GrabOffset;  // the handle point minus the press point
    Vector DragPoint;   // the pointer plus the grab offset, before any limits

    // Rebuilds the box around the point.
    void PlaceBox();
    // Whether (x, y) lies in the box, edges included.
    bool Contains(float x, float y) const;
    // The box as a closed square, pen width 2 in green; the pen colour is
    // restored afterwards, the width stays 2.  Drawn on a sheet of the
    // drawing window, the handle can be grabbed there.
    void Draw(TDrawContext& dc) const;
    // Whether the box is drawn on sheet n of the drawing window now.
    bool DrawnOn(int sheet) const;
    // A press at (x, y) cm on sheet n: grabs the handle when it is drawn
    // there, the garment is calculated and the point lies in the box; keeps
    // the grab offset and starts the drag point at the handle point.
    bool Grab(int sheet, float x, float y);
    // The pointer at (x, y): the drag point becomes it plus the grab offset
    // when that is a finite point (true); otherwise it stays (false).
    bool Follow(float x, float y);

private:
    mutable TDrawContext::SheetMark drawn_;  // where Draw put the box last
};
