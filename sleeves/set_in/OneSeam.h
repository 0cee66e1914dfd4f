// The one-seam sleeve (sleeve kind 1, " Одношовный"): a set-in sleeve with
// one seam under the arm, offered with the women's dresses, jackets and
// coats and with the men's shirts and jackets; and its men's coats' kind
// (13, TMenOneSeam), drafted alike from the coat's armhole.
//
// The top line O1–O2–O carries the cap top O2; the width line P6–P3 lies at
// the cap-base level y0 and is W long; the hem line H2–H1 is Wr long and
// centred under it.  The cap runs from the back underarm P61 over "5", P5,
// "2", the top O2, "1" and P1 to the front underarm P31; the front seam
// P31–H11 and the back seam P61–H21 are as long as the drop from the width
// line to the hem line.
#pragma once

#include "sleeves/set_in/SetInSleeve.h"

class TOneSeam : public TSetInSleeve {
public:
    // Labelled points.  Point3 .. Point5 and Point1, Point2 are the points
    // labelled "3", "4", "5", "1" and "2".
    Vector O, O1, O2, O3, O4, P, P1, P2, P3, P31, P4, P5, P6, P61, L, L1, L2, H, H1, H11, H2, H21, H3, H31, H4,
        H41, Point1, Point2, Point3, Point4, Point5;
    // Controls of the cap arcs: "5" → P61 (BackSeamCtrl), the cubic P5 →
    // "5" (BackCubicCtrl1 next to P5, BackCubicCtrl2 next to "5"), P5 → "2"
    // (BackLowerCtrl), "2" → O2 (BackUpperCtrl), O2 → "1" (FrontUpperCtrl),
    // "1" → P1 (FrontLowerCtrl).  The arc P1 → P31 has "3" as its control.
    Vector BackSeamCtrl, BackCubicCtrl2, BackCubicCtrl1, BackLowerCtrl, BackUpperCtrl, FrontUpperCtrl,
        FrontLowerCtrl;
    // The notches that meet P6 of the front armhole and the back armhole
    // point, and the cap-top mark (a bar on the women's garments, a notch 1
    // cm along the front cap on the men's).
    BalanceNotch FrontNotch, BackNotch, TopNotch;

    float CapLength = 0.0f;          // front plus back cap as built
    float CapLengthRequired = 0.0f;  // (n + 1)·A
    float CapMismatch = 0.0f;        // CapLengthRequired − CapLength
    // The back cap half is to be longer than the front half by this (the
    // garment's balance offset, 0 but on the men's coats).
    float BalanceOffset = 0.0f;
    float BalanceMismatch = 0.0f;    // BalanceOffset + front cap − back cap
    // The bodice family of the last draft: the men's shirts' sleeve has no
    // shoulder pad in its length and a notch at the cap top, the others a
    // bar.
    SleeveGarment::Family Family = SleeveGarment::Family::Women;

    explicit TOneSeam(int kind = 1);

    void Draft(const SleeveGarment& g) override;

    // The cap arcs as drawn and measured: the front from P31 up to O2, the
    // back from P61 up to O2.
    void FrontCap(CapArc (&arcs)[3]) const;
    void BackCap(CapArc (&arcs)[4]) const;

protected:
    void DrawOutline(TDrawContext& dc, int outline) const override;
    void WriteLabels(TDrawContext& dc, bool printer) const override;

private:
    // Working directions of the cap builder: O3 → P1, O3 → O1 along the top
    // line, and the normal of the front seam H1 → P31.
    Vector dP, dT, nS;
    float Width = 0.0f;       // W
    float WristWidth = 0.0f;  // Wr

    // Places the width line at y0 with its front end P3 at x = p3x, the hem
    // line under it and the underarm points, and builds the cap.
    SetIn::CapMismatch PlaceWidthLine(float y0, float p3x);
    // The cap's construction points, its control points, CapLength and
    // BalanceMismatch from the frame points and the working directions.
    void BuildCapCurves();
};

// The one-seam sleeve of the men's coats (sleeve kind 13, " Одношовный"):
// the width line starts X back, the back cap half is longer by the coat's
// balance offset, and the notches lie the coat's ease shares beyond the
// armhole's points.  The coat keeps its own notches.
class TMenOneSeam : public TOneSeam {
public:
    TMenOneSeam() : TOneSeam(13) {}
};
