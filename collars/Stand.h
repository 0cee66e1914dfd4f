// The stand collar (collar kind 1): a band 4 cm high as long as the whole
// neckline, its lower edge rising 1.5 cm towards the front end.
//
// Drafted in its own axes: the back edge on the y axis, the lower edge
// along y = 0 from the centre back C towards positive x, y up.  The bodice
// draws it as a separate piece above the front and back.
#pragma once

#include "collars/BodiceNeck.h"
#include "collars/Collar.h"

class TStand : public TCollarFrame {
public:
    static constexpr int kKind = 1;

    float Height = 0.0f;      // at the back end: 4.0 cm
    float Length = 0.0f;      // L: the lower edge, back plus front neckline
    float NeckLength = 0.0f;  // N: the back neckline of the bodice
    Vector C;                 // back end of the lower edge, (0, 0)
    Vector C2;                // (L, 0)
    Vector FrontEnd;          // (L, 1.5): the front end of the lower edge before trimming
    Vector C3;                // (L/2, 0): where the lower edge starts to rise
    Vector C1;                // back end of the upper edge, (0, Height)
    Vector C5;                // (L/2, Height)
    Vector C4;                // front end of the trimmed lower edge
    Vector C6;                // front end of the upper edge
    Vector LowerCtrl;         // (0.75 L, 0): control of the rising arc C3 -> FrontEnd
    Vector UpperCtrl;         // control of the upper arc C5 -> C6
    // The notch at N on the lower edge, where the back neckline ends.
    Vector NotchBase, NotchTop, NotchLeft, NotchRight;
    float Excess = 0.0f;     // arc C3 -> FrontEnd less its horizontal span L/2
    float TrimParam = 0.0f;  // t of C4 on the arc taken from FrontEnd

    TStand();

    // The draft from the given neck (Construct reads the main window's
    // bodice and calls it).
    void Draft(const BodiceNeck& neck);

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;
};
