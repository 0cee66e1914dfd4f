// The jacket collar with lapel (collar kind 4) of the women's dresses,
// jackets and coats and of the men's shirts and jackets with an open
// neckline: the front edge moved out to the break point, the front above it
// turned back into a lapel along the roll line, and the collar drafted from
// the neckline to the back, its neck edge as long as the bodice's neckline
// from С6 round to the centre back.
//
// Drafted on the front in the bodice's axes and drawn in place on sheet 1;
// the break point is the handle.  The point names are written with the
// Cyrillic "С".
#pragma once

#include "collars/LapelCollar.h"

class TForCoat : public TLapelCollar {
public:
    static constexpr int kKind = 4;

    // Sizes (cm).
    float StandHeight = 0.0f;     // s1
    float FallWidth = 0.0f;       // s1 + 1.5
    float Extension = 0.0f;       // s3: the overlap ahead of G3 at the default break point
    float DeflectionBase = 0.0f;  // s2
    float NeckLength = 0.0f;      // N: the bodice's back neckline
    float LapelWidth = 0.0f;      // 2 s1 + 0.5

    Vector C;          // "С": the line from A8 (P10) through A4 prolonged by s1 − 0.5
    Vector C1;         // С + (N + 0.5) along the roll line
    Vector F;          // the roll line met with the neck circle
    Vector SwungEnd;   // С1 swung about F
    Vector C6;         // the front end of the collar's neck edge, on the neck circle
    Vector C2;         // the back end of the collar's neck edge
    Vector EdgeCross;  // the line SwungEnd–A4 met with the collar's front neck curve
    Vector C3, C4;     // the back line: С2 + s1 n, С3 + FallWidth n
    Vector RollPoint;  // the roll line met with the line from С6 towards the neck centre
    Vector OuterCross;  // EdgeCross the full collar width out along the curve's normal
    Vector LapelPoint;  // A5 + LapelWidth across the roll line
    Vector LapelCorner;  // (A5.x + LapelWidth, A5.y)
    Vector P5, P6;     // the neck edge's construction points "5" and "6"
    // The neck edge: the cubic С6 -> 6 (NeckCtrl1, NeckCtrl2), then the
    // quadratic 6 -> SwungEnd (BackCtrl).
    Vector BackCtrl, NeckCtrl2, NeckCtrl1;
    Vector RollCtrl;             // the collar's roll line RollPoint -> С3
    Vector TopCtrl2, TopCtrl1;   // the collar's end OuterCross -> LapelPoint
    Vector C6Bar[2];             // the notch across the neck edge at С6
    // The lapel folded back across the roll line: the neck centre,
    // OuterCross, TopCtrl2, LapelPoint, A5 and LapelCorner mirrored.
    Vector MirroredCentre, MirroredOuterCross, MirroredTopCtrl2, MirroredLapelPoint, MirroredA5,
        MirroredLapelCorner;
    float LengthDiff = 0.0f;  // the bodice's neckline from С6 less the collar's neck edge
    float TrimParam = 0.0f;   // t of С2 on SwungEnd -> 6 when the neck edge is trimmed, else 0
    float CrossParam = 0.0f;  // t of EdgeCross on the cubic taken from 6

    TForCoat();

    // The draft from the given front of a garment of the type (Construct
    // reads the main window's bodice and calls it).
    void Draft(const OpenFront& front, int garmentType);

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
};
