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
#include "collars/ShawlFall.h"

class TShawl : public TLapelCollar, public ShawlFall {
public:
    static constexpr int kKind = 5;

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
