// The men's jacket collar with its lapel (collar kind 7): the notched collar
// of the men's coats, blazers and the vest.
//
// Drafted in the garment's own coordinates on the front of sheet 1, with
// the lapel, the roll line and the front edge from the top of the lapel down
// to the hem; beside it lie two separate pieces, the stand above the back
// neck point A01 and the fall spread from the front so that its roll line is
// as long as the stand's top edge (MenForCoatStandFall.cpp).
//
// Two handles: A5, where the collar's front end meets the lapel, slides
// along the front centre line A3 -> G8 through the garment's own A5; the
// break point, where the lapel turns back, moves within the front edge,
// the roll line, the gorge level and the waist line (and the vest's lower
// edge).  The garment's points are only read.
#pragma once

#include "collars/MenLapel.h"

class TMenPattern;

class TMenForCoat : public TMenLapelCollar {
public:
    static constexpr int kKind = 7;

    float EndWidth = 0.0f;     // (s1 + 1.5) 0.888: the collar's front end edge
    float CrossParam = 0.0f;   // CrossPoint's parameter on the neck curve C2 -> A6
    AxesSystem PieceAxes;      // maps the fall from the front into its piece

    // ---- Handles (the break point, handle 2, with the front edge). ----
    DragHandle Gorge;   // handle 1: A5
    Vector& A5 = Gorge.Point;

    // ---- On the front. ----
    Vector A6;           // where the collar's neck curve ends on the front
    Vector C;            // where the roll line touches the circle around A4
    Vector C1;           // C + N along the roll line
    Vector C2;           // back end of the neck edge
    Vector TurnedEnd;    // C1 turned about C by the lowered neck's excess
    Vector C3;           // back end of the roll line
    Vector C4;           // back end of the outer edge
    Vector F;            // roll line crossed with ShoulderMid -> A5
    Vector F2;           // A6 + s1 towards A5
    Vector ShoulderMid;  // midpoint of the garment's P10 and A4
    Vector RollShoulder; // roll line crossed with A3 -> G8
    Vector GorgeLimit;   // farthest position of A5 towards A3
    Vector GorgeCross;   // construction point of that limit
    Vector MirrorP10;    // the garment's P10 mirrored in the roll line
    Vector GorgeShoulder;
    Vector EndPoint;     // outer end of the collar's front end edge
    Vector OuterPoint;   // outer edge, 2 s1 + 1.5 from the neck curve
    Vector CrossPoint;   // neck curve crossed by the shoulder line P10 -> A4
    Vector OuterMid;     // joint of the outer edge's two arcs
    Vector LapelPoint;   // A5 + FallWidth across A3 -> G8
    Vector OuterCtrl1, OuterCtrl2;  // the outer edge C4 -> OuterMid -> EndPoint
    Vector NeckCtrl;                // the neck curve C2 -> A6
    // The lapel folded back across the roll line.
    Vector FoldedA5, FoldedEndPoint, FoldedOuterMid, FoldedLapelPoint, FoldedOuterCtrl2;

    float LimitTowardA3 = 0.0f;     // how far A5 may slide from the garment's A5
    float LimitTowardG8 = 0.0f;
    mutable float BreakTopLimit = 0.0f;  // highest y the last break-point drag allowed

    // ---- The separate pieces. ----
    // The stand.
    Vector StandC2, StandC3, StandF2, StandA6, StandNeckCtrl;
    // The fall: its roll line PieceC3 -> [PieceFoldCtrl] -> PieceF2, its
    // outer edge PieceBackOuter -> [Ctrl1] -> PieceOuterMid -> [Ctrl2] ->
    // PieceEndPoint, its front end to PieceA5.
    Vector PieceC3, PieceBackOuter, PieceOuterPoint, PieceEndPoint, PieceA5, PieceF2, PieceFoldCtrl;
    Vector PieceOuterCtrl1, PieceOuterCtrl2, PieceOuterMid;
    // The fall's cutting line, 0.5 cm outside: PieceC4 -> [SeamCtrl1] ->
    // SeamMid -> [SeamCtrl2] -> SeamEnd.
    Vector PieceC4, SeamMid, SeamEnd, SeamCtrl1, SeamCtrl2;

    TMenForCoat();

    void Draft(const TMenPattern& g) override;

protected:
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
    Vector Limit(const DragHandle& handle, const Vector& p) const override;

private:
    // The neck-edge length both the front and the stand match: |A4 A6| + N.
    float neckTarget_ = 0.0f;
    bool raglan_ = false;

    void PlaceStand(const TMenPattern& g);
    void PlaceFall(const TMenPattern& g);
    void PlaceCuttingLine();
    void DrawFall(TDrawContext& dc) const;
    void DrawStand(TDrawContext& dc) const;
    Vector LimitBreak(const TMenPattern& g, Vector p) const;
};
