// What the collars with a lapel break on the front edge share (the jacket
// collar with lapel, kind 4, and the shawl collar, kind 5): their sizes by
// garment type, the break point the user drags with its limits, the front
// edge moved out to it with the marks at the break level, where the roll
// line crosses the front centre, and the lengths written beside them.
//
// Drafted in the bodice's axes and drawn in place on sheet 1.
#pragma once

#include "collars/Collar.h"
#include "collars/OpenFront.h"

class TLapelCollar : public TCollarFrame {
public:
    // By garment type: the dresses, the women's jackets, the women's coats,
    // anything else (the men's shirts and jackets).
    struct Sizes {
        float standHeight;     // s: the collar's stand
        float deflectionBase;  // the jacket collar's swing, before the posture's share
        float extension;       // e: how far the break point lies ahead of the front centre
    };
    static Sizes SizesFor(int garmentType);

    DragHandle BreakPoint;  // the handle: the lapel's break point on the front edge
    Vector L;                 // (A5.x, break y): the front centre at the break level
    Vector L1;                // 1 cm above the break point: where the roll line starts
    Vector EdgeBottom;        // (break x, y of the hem point)
    // The top buttonhole at the break level, from A5.x + 0.8 (MarkRight) to
    // A5.x − 1.7 (MarkLeft), a bar 0.2 cm up and down at each end; the tick
    // across the front centre (0.1 cm up and down) and across the front
    // edge at the break point (0.2 cm left and right).
    Vector MarkRight, MarkRightBar[2], MarkLeft, MarkLeftBar[2];
    Vector CentreTick[2], BreakTick[2];
    Vector RollFront;              // the roll line met with the front centre line G3 -> A5
    float ExtensionAtBreak = 0.0f;  // break x − G3.x, written after "L0 :"
    float RollDepth = 0.0f;         // A5.y − RollFront.y, written after ":"

protected:
    explicit TLapelCollar(int kind);

    // The break point (its default while it is not dragged) and what hangs
    // on it; `hemY` is the height of the front edge's hem end.
    void PlaceBreak(const Vector& defaultPoint, const Vector& a5, float hemY);
    // The roll line L1 -> c met with the front centre, the lengths shown,
    // and the limits of the next drag: the break point stays right of A5,
    // not above `highest`, and not above the line through (c.x, c.y − 1)
    // parallel to c -> A5.
    void PlaceRoll(const Vector& c, const Vector& g3, const Vector& a5, float highest);
    Vector Limit(const DragHandle& handle, const Vector& p) const override;

    // From the hem end up the moved front edge to the break point, the
    // marks at the break level, and on to L1 (the pen left at width 2).
    void DrawFrontEdge(TDrawContext& dc, const Vector& hem) const;
    // "L1", "L0 :" with the extension at the break point, "L", and ":" with
    // the roll line's depth below A5.
    void LabelBreak(TDrawContext& dc, bool printer) const;

private:
    Vector limitA5_, limitC_;
    float limitTop_ = 0.0f;
};
