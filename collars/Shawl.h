// The shawl collar (collar kind 5) of the women's dresses, jackets and
// coats and of the men's shirts and jackets with an open neckline: a collar
// in one piece with the front, its roll line running from the break point
// on the front edge past the neck point at the shoulder, its neck edge as
// long as the bodice's back neckline.
//
// Drafted on the front in the bodice's axes and drawn in place on sheet 1;
// the break point is the handle, which sets the depth of the opening.
#pragma once

#include "collars/LapelCollar.h"

class TShawl : public TLapelCollar {
public:
    static constexpr int kKind = 5;
    // The neck edge's length is matched to within this many cm, in at most
    // kMaxNeckPasses passes.
    static constexpr float kNeckTolerance = 0.1f;
    static constexpr int kMaxNeckPasses = 100;

    // Sizes (cm).
    float Extension = 0.0f;    // e: the break point's default distance ahead of the hem end
    float BreakDrop = 0.0f;    // the break point's default depth below G3: 0.15 (G3.y − W.y)
    float FallWidth = 0.0f;    // s + 1.5
    float NeckDrop = 0.0f;     // A51 below A5: 1.0
    float StandHeight = 0.0f;  // s
    float NeckLength = 0.0f;   // N: the bodice's back neckline as its draft stored it

    Vector A51;          // A5 − (0, NeckDrop)
    Vector NeckTangent;  // where the tangent from A51 touches the neck circle
    Vector L2;           // the line from NeckTangent towards A51 met with the outer edge
    Vector C;            // where the roll line from L1 touches the circle of radius s about A4
    Vector C1;           // C + N along the roll line
    Vector F;            // the roll line met with the neck circle (the neck centre when it misses)
    Vector TurnedEnd;    // C1 turned about F by the lowered neckline's excess
    Vector C5;           // the outer edge at the shoulder: C + (s + 1.5) away from A4
    Vector C2;           // the back end of the neck edge
    Vector C3;           // the back end of the roll line: C2 + s m
    Vector C4;           // the back end of the outer edge: C3 + (s + 1.5) m
    Vector NeckCtrl;     // the neck edge A4 -> C2
    Vector RollCtrl;     // the roll line C3 -> C
    Vector OuterCtrl;    // the outer edge C5 -> C4
    Vector EdgeCtrl;     // the outer edge L1 -> C5

    TShawl();

    // The draft from the given front of a garment of the type (Construct
    // reads the main window's bodice and calls it).
    void Draft(const OpenFront& front, int garmentType);

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
};
