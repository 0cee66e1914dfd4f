// The collar with an attached stand (collar kind 6): the shirt collar of two
// pieces, a stand sewn to the neckline with a buttoned front extension and
// a fall sewn to the top of the stand.
//
// Both pieces are drafted in the collar's own axes: the stand's neck edge
// along the x axis from the back end A at the origin, the fall above the
// stand, y up.  The bodice draws the collar as a separate piece above the
// front and back.
#pragma once

#include "collars/BodiceNeck.h"
#include "collars/Collar.h"

// The stand's height at the back and the extension's length, by garment
// type.
struct AttachedStandSizes {
    float StandHeight;
    float Extension;
};
AttachedStandSizes AttachedStandSizesFor(int garmentType);

class TAttachedStand : public TCollarFrame {
public:
    static constexpr int kKind = 6;

    float StandHeight = 0.0f;  // H
    float NeckLength = 0.0f;   // N: the back neckline of the bodice
    float FrontRise = 0.0f;    // L = |A4 A5| π/3: the front neckline
    float Extension = 0.0f;    // e: the front extension beyond the neckline's end
    Vector A;                  // (0, 0): back end of the stand's neck edge
    Vector A1;                 // (N + L, 0): end of the neckline on the stand
    Vector A2;                 // (N, 0): the back neckline mark
    Vector A3;                 // (0, H + 1.5): back end of the fall's lower edge
    Vector A4;                 // (B1.x/2, H + 1.5)
    Vector A5;                 // (B1.x, H + 1.5)
    Vector A51;                // B1: front end of the fall's lower edge
    Vector B;                  // (0, H): back end of the stand's top edge
    Vector B1;                 // front end of the stand's top edge
    Vector B3;                 // (0, 2H + 3): back end of the fall's outer edge
    Vector B4;                 // (B1.x/2, 2H + 3)
    Vector B5;                 // (B1.x, 2H + 3)
    Vector B51;                // (B1.x, 2H + 4)
    Vector B6;                 // the fall's front corner
    Vector O;                  // top of the extension's front edge (control of its curve)
    Vector O1;                 // front end of the stand's neck edge
    Vector FrontMid;           // midpoint of the extension's front edge O1 -> O
    Vector DipTop;             // (N + L/2, 0), "1"
    Vector Dip;                // (N + L/2, −0.5), "2": the lowest point of the neck edge
    Vector FallMid;            // midpoint of A4 and A51, "3"
    Vector FallBulge;          // FallMid raised 0.3 cm off A4 -> A51, "4"
    // Ends of the neck edge's rounded corners at A2 (1, 2) and at Dip (3, 4).
    Vector NeckCorner1, NeckCorner2, NeckCorner3, NeckCorner4;
    // Ends of the fall's lower edge's rounded corners at A4 (1, 2) and at
    // FallBulge (3, 4).
    Vector FallCorner1, FallCorner2, FallCorner3, FallCorner4;
    // Ends of the outer edge's rounded corner at B4.
    Vector OuterCorner1, OuterCorner2;

    TAttachedStand();

    // The draft from the given neck for a garment of the given type
    // (Construct reads the main window's bodice and calls it).
    void Draft(const BodiceNeck& neck, int garmentType);

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
};
