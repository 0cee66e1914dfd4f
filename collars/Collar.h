// The collar frame: what every collar does alike, so that a collar's own
// class holds only its construction.
//
// - Its caption: the constructor writes the kind's name into the main
//   window's CollarType, the destructor and ClearCaption empty it.
// - Its drawing: Draw and DrawLabels draw on the screen sheets, PrintOn
//   draws both onto a printed page; all three go through the collar's one
//   drawing routine (DrawPiece) and one labelling routine (LabelPiece).
//   Outlines take the garments' outline pen (width 2 on the screen, 4 on
//   paper, as the bodice's own outline), construction lines, notches and
//   trimmed-off parts pen width 1 (OutlinePen, kConstructionPen).
// - Its extent box, which Construct writes last (SetBox).
// - The handle protocol of the collars that can be reshaped by dragging:
//   a handle (DragHandle) is a point of the collar with a 1.2 cm box around
//   it; a press inside the box where it is drawn grabs it, a drag moves it
//   by the mouse (keeping the grab offset) within the collar's limits, and
//   while
//   the main window's DraggingCollar is set the construction keeps the
//   dragged point instead of its default.  A draft that fails while a handle
//   is dragged goes back to the last point that drafted, so the collar holds
//   its last good draft.
#pragma once

#include <initializer_list>
#include <vector>

#include "garments/common/DragHandle.h"
#include "kernel/Geometry.h"
#include "kernel/Models.h"

struct TDrawContext;

class TCollarFrame : public TCollar {
public:
    static constexpr int kConstructionPen = 1;
    // The outline pen's width on this context: the bodice's own on the
    // screen and on paper, so that a printed collar is cut by as thick a
    // line as the pieces beside it.
    static int OutlinePen(const TDrawContext& dc);

    ~TCollarFrame() override;

    // Construct; on failure the handles go back to their last good points
    // (and the collar is drafted from them again) before the failure passes
    // on to the caller.
    void Calculate() final;
    void Draw() final;
    // The labels, then the handle boxes.
    void DrawLabels() final;
    void PrintOn(TDrawContext& dc) final;
    void ClearCaption() final;
    void Hook4() final {}
    void Hook5() final {}
    // Grabs the first handle drawn on the sheet whose box holds (x, y)
    // (DragHandle::Grab); false (and nothing grabbed) otherwise.
    bool HitTest(int sheet, float x, float y) final;
    // Moves the grabbed handle to (x, y) plus the grab offset, within the
    // collar's limits.  Never throws: a point the limits cannot judge
    // leaves the handle where it was.
    void Drag(float x, float y) final;

protected:
    // Writes the caption of the collar kind into CollarType.
    explicit TCollarFrame(int kind);

    // The collar's own construction: every size and point from the garment
    // (and the handle points), the extent box last.  Fails only by throwing.
    virtual void Construct() = 0;
    // The piece in the axes it is drafted in, on any drawing context.
    virtual void DrawPiece(TDrawContext& dc) const = 0;
    // The point names (and lengths); printer chooses the printed labels.
    virtual void LabelPiece(TDrawContext& dc, bool printer) const = 0;
    // A dragged handle point kept within the collar's limits (as given by
    // default).  May throw; the drag then leaves the handle where it was.
    virtual Vector Limit(const DragHandle& handle, const Vector& p) const { return p; }

    // Makes a member of the collar one of its handles, in hit order.
    void AddHandle(DragHandle& handle);
    // The handle point: the default while no handle is dragged, else the
    // point the drag left; then its box.
    void PlaceHandle(DragHandle& handle, const Vector& defaultPoint) const;

    void SetBox(float left, float right, float top, float bottom);

    // Drawing steps the collars repeat.
    // Lines on from the pen through the points.
    static void LinesTo(TDrawContext& dc, std::initializer_list<Vector> points);
    // A separate run of lines: to the first point, then through the rest.
    static void Path(TDrawContext& dc, std::initializer_list<Vector> points);
    // A corner rounded by a quadratic arc: a line on to `from`, then the
    // arc from there about `vertex` to `to`.
    static void RoundedCorner(TDrawContext& dc, const Vector& from, const Vector& vertex, const Vector& to,
                              int chords);
    // A quadratic arc trimmed at `keep`: from `start` to `keep` as outline,
    // the rest to its end as a construction line (the pen stays at width 1).
    static void TrimmedArc(TDrawContext& dc, const Vector& p0, const Vector& p1, const Vector& p2, float start,
                           float keep, int keptChords, int trimmedChords);

private:
    std::vector<DragHandle*> handles_;
    std::vector<Vector> lastGood_;  // the handle points of the last good draft
    DragHandle* grabbed_ = nullptr;
};

// Whether the main window's collar handle is being dragged.
bool DraggingCollar();
