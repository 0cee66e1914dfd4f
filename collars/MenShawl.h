// The men's shawl collar (collar kind 8): the shawl collar of the men's
// coats, blazers and the vest, in one piece with the front.
//
// Drafted in the garment's own coordinates on the front of sheet 1: the
// roll line runs from the top of the front edge L1 (1 cm above the break
// point along the front edge) past the neck point A4, touching the circle
// of the stand's height around it; the neck edge runs from A4 to the
// collar's back end C2 as long as the back neckline, turned about the roll
// line's entry into the front neckline's circle by the lowered back neck's
// excess; the outer edge runs from the back end C4 over C5, across the
// shoulder, down to L1.  The break point, the front edge down to the hem
// and their limits are those of the men's jacket collar (TMenLapelCollar).
//
// One handle: the break point.  The garment's points are only read.
#pragma once

#include "collars/MenLapel.h"
#include "collars/ShawlFall.h"

class TMenShawl : public TMenLapelCollar, public ShawlFall {
public:
    static constexpr int kKind = 8;

    float NeckDrop = 0.0f;     // how far A51 lies beyond A5, 1.0
    float RollDepth = 0.0f;    // along the front edge from A5 down to RollFront, shown after ":"

    Vector& L1 = EdgeTop;  // the roll line's start

    Vector A51;          // A5 + NeckDrop along A3 -> A5
    Vector L2;           // the line from NeckTangent towards A51 on the outer edge
    Vector NeckTangent;  // where the line from A51 touches the front neckline's circle
    Vector RollFront;    // the roll line crossed with the front edge below A5
    Vector OuterCtrl;    // the outer edge C4 -> C5
    Vector EdgeCtrl;     // the outer edge C5 -> L1

    TMenShawl();

    void Draft(const TMenPattern& g) override;

protected:
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
    Vector Limit(const DragHandle& handle, const Vector& p) const override;

private:
    void PlaceRollFront(const TMenPattern& g);
};
