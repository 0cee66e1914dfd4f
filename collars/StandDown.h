// The stand-and-fall collar (collar kind 2): a separate piece whose curved
// neck edge is as long as the whole neckline, with a fall a garment-sized
// width beyond it and a roll line at the stand height.
//
// Drafted in its own axes: the baseline along y = 0 from O, the back end C
// of the neck edge 4 cm above O on the y axis, y up.  The bodice draws it as
// a separate piece above the front and back.
#pragma once

#include "collars/BodiceNeck.h"
#include "collars/Collar.h"

// The fall's width and the stand's height at the back, by garment type.
struct StandDownSizes {
    float Width;
    float StandHeight;
};
StandDownSizes StandDownSizesFor(int garmentType);

class TStandDown : public TCollarFrame {
public:
    static constexpr int kKind = 2;

    float Rise = 0.0f;         // 4.0: C above the baseline
    float Width = 0.0f;        // C to C2, the fall's width at the back
    float StandHeight = 0.0f;  // C to C1, the roll line at the back
    float Length = 0.0f;       // L = N + |A4 A5| π/3
    float NeckLength = 0.0f;   // N: the back neckline of the bodice
    Vector O;                  // (0, 0)
    Vector C;                  // back end of the neck edge, (0, Rise)
    Vector C1;                 // back end of the roll line
    Vector C2;                 // back end of the outer edge
    Vector NeckEnd;            // (√(L² − Rise²), 0): the chord C -> NeckEnd is L long
    Vector NeckThird1;         // a third along the neck chord from C
    Vector NeckThird2;         // two thirds along it: where the neck arcs join
    Vector C3;                 // front end of the trimmed neck edge
    Vector OuterFront;         // (C3.x + 3, C3.y + Width − 1): front end of the outer edge
    Vector OuterMid;           // midpoint of C2 -> OuterFront
    Vector NeckCross;          // the perpendicular bisector of C2 -> OuterFront met with the first neck arc
    Vector OuterPoint;         // NeckCross moved Width outward along that bisector
    Vector NeckCtrl1;          // control of the neck arc C -> NeckThird2
    Vector NeckCtrl2;          // control of the neck arc NeckThird2 -> NeckEnd
    Vector OuterCtrl1;         // control of the outer arc OuterPoint -> C2
    Vector OuterCtrl2;         // control of the outer arc OuterFront -> OuterPoint
    Vector RollCtrl;           // control of the roll line C1 -> C3
    // The notch N along the first neck arc, where the back neckline ends,
    // and its bar.
    Vector NotchBase, NotchTop, NotchEnd1, NotchEnd2;
    float Excess = 0.0f;      // the two neck arcs less L
    float TrimParam = 0.0f;   // t of C3 on the second arc taken from NeckEnd
    float NotchParam = 0.0f;  // t of NotchBase on the first arc

    TStandDown();

    // The draft from the given neck for a garment of the given type
    // (Construct reads the main window's bodice and calls it).
    void Draft(const BodiceNeck& neck, int garmentType);

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
};
