// The two-seam sleeve (sleeve kind 2, " Двухшовный"): a top sleeve and an
// under sleeve drafted in one frame and drawn overlapping, parting at the
// front seam and at the back (elbow) seam; offered with the women's
// bodices and the men's shirts and jackets.  The men's draft, which the
// shirts and jackets take as kind 2 and the men's coats and blazers as
// sleeve kind 12 (TMenTwoSeam), differs in the front cap and seams, the hem
// and the vents.
//
// The women's top sleeve's front runs from P9 on the front seam circle over
// the arc P1 → FrontArcCtrl, "1" and the cap top; the men's from P9 on the
// underarm line over P1 and FrontArcJoin.
// The top sleeve's cap runs from its front seam point P9 up over P1, the
// cap top O2 and "2" down to P5 and its back seam point BackSeamTop; the
// under sleeve's cap from its front seam point UnderFrontTop down to P3 and
// up to its back seam point "5".  Both caps together are fitted to
// (n + 1)·A.  The back halves of the two pieces are mirror images in the
// back line x = P4.x.
#pragma once

#include "sleeves/set_in/SetInSleeve.h"

class TTwoSeam : public TSetInSleeve {
public:
    // Labelled points.  Point2, Point4, Point5 are "2", "4" and "5".
    Vector O, O1, O2, O3, O4, P, P1, P2, P3, P4, P5, P6, P8, P9;
    Vector L0, L, L1, ElbowTickUpper, ElbowTickLower, L2, L3, L31, L4, L5;
    Vector H, H0, H2, H3, H4, H5, H6;
    // The cap: "2", "4", "5"; MidMirror and BackSeamTop, the images of "4"
    // and "5" in the back line; P81 and UnderBackUnderarm, the back seams'
    // feet on the underarm line; the controls of the arcs (UnderFrontCtrl of
    // P3 → UnderFrontTop, UnderBackCtrl of P3 → "5", BackLowerCtrl of P5 →
    // "2", BackUpperCtrl of "2" → O2; the top sleeve's back cubic
    // BackSeamTop → BackCubicCtrl1 → BackCubicCtrl2 → P5 and the under
    // sleeve's "5" → UnderBackCubicCtrl1 → UnderBackCubicCtrl2 → P5);
    // UnderFrontMid and UnderFrontTop on the underarm line; FrontArcJoin,
    // where the first front arc O2 → O3 → FrontArcJoin ends (the second is
    // FrontArcJoin → P1 → P9); UnderBackSeamTop, the image of P8.
    Vector Point2, Point4, Point5, MidMirror, BackSeamTop, P81, UnderBackUnderarm, UnderFrontCtrl, BackLowerCtrl,
        BackUpperCtrl, BackCubicCtrl1, BackCubicCtrl2, UnderBackCubicCtrl1, UnderBackCubicCtrl2, UnderFrontMid,
        UnderFrontTop, FrontArcJoin, UnderBackCtrl, UnderBackSeamTop;
    // The vent flaps (the men's at the hem ends of the back seams, 14 cm by
    // 4 cm; the women's at H2 up both vent seams, 10 cm by 3 cm): the
    // corner on the hem, the far corner, and the end up the seam.
    struct Flap {
        Vector corner, farCorner, end;
    };
    Flap TopFlap, UnderFlap;
    // The women's front: "1" with the upper front arcs' controls, the arc
    // P1 → FrontArcCtrl → FrontArcEnd on which P9 lies (at FrontArcParam),
    // P91 on the underarm line, and the under sleeve's front guide.
    Vector Point1, FrontUpperCtrl, FrontLowerCtrl, FrontArcCtrl, FrontArcEnd, P91, UnderFrontGuideCtrl;
    // The women's front seams: circle arcs about these centres, radius
    // FrontSeamRadius above the elbow and FrontSeamRadiusLow below it; the
    // hem's control; the back seams' foot BackUnderarm.
    Vector FrontSeamCentre, UnderFrontCentre, FrontSeamCentreLow, UnderFrontCentreLow, HemCtrl, BackUnderarm;
    // The women's vent seams, from VentTop (UnderVentTop) on the underarm
    // line over VentElbow (UnderVentElbow) to H2, with their controls.
    Vector VentTop, UnderVentTop, VentElbow, UnderVentElbow, VentCtrl1, VentAim, VentCtrl2, VentCtrl3, UnderVentCtrl1,
        UnderVentAim, UnderVentCtrl2, UnderVentCtrl3;
    float FrontSeamRadius = 0.0f, FrontSeamRadiusLow = 0.0f, FrontArcParam = 0.0f;
    // Marks: the cap top's (a bar on the coats, a notch 1 cm along the front
    // cap on the shirts), the under sleeve's balance notch and the top
    // sleeve's front notch.
    BalanceNotch TopNotch, CapNotch, FrontNotch;
    // The back seams: the top sleeve's P81 → BackSeamCtrl1 → BackSeamCtrl2 →
    // L4 and L4 → BackSeamCtrl3 → the flap's end (BackSeamAim, the aim of
    // the middle controls); the under sleeve's likewise.  The front seams
    // above the elbow: UnderFrontTop → UnderFrontSeamCtrl → L3 and P9 →
    // FrontSeamCtrl → L31; below it straight to H3 and H4.
    Vector BackSeamCtrl1, BackSeamAim, BackSeamCtrl2, BackSeamCtrl3, UnderBackSeamCtrl1, UnderBackSeamAim,
        UnderBackSeamCtrl2, UnderBackSeamCtrl3, UnderFrontSeamCtrl, FrontSeamCtrl;

    float SleeveWidth = 0.0f;        // W
    float WristWidth = 0.0f;         // Wr, raised when the hem needs it
    float BackCubicParam = 0.0f;     // P8 on the top sleeve's back cubic
    float CapLength = 0.0f;          // both caps as built
    float CapLengthRequired = 0.0f;  // (n + 1)·A
    float CapMismatch = 0.0f;        // CapLengthRequired − CapLength
    float FrontCapLength = 0.0f;     // O2 down the front to P9, and UnderFrontTop to P3
    SleeveGarment::Family Family = SleeveGarment::Family::Women;

    explicit TTwoSeam(int kind = 2);

    void Draft(const SleeveGarment& g) override;

protected:
    void DrawOutline(TDrawContext& dc, int outline) const override;
    void WriteLabels(TDrawContext& dc, bool printer) const override;

private:
    // Places the underarm line at y0 and builds both caps; answers what
    // the caps miss of (n + 1)·A.
    SetIn::CapMismatch PlaceUnderarmLine(float y0);
    void BuildCap();
    void BuildWomensFront();
    void BuildMensFront();
    // The balance notch, the top sleeve's front notch and the notches and
    // shoulder mark the garment keeps.
    void PlaceNotches(const SleeveGarment& g);
    // Elbow line, hem, seams, flaps and the extent box.
    void BuildLowerSleeve(float y0, double pad, double h);
    void BuildWomensLowerSleeve(float y0, float yE);
    void BuildMensLowerSleeve(float y0, float yE);
    // H0, `quarter` from H with the hem square to L0 → H0 at H0; answers
    // the hem's direction H → H0.
    Vector SquareHem(double quarter);
    // H2 half the wrist along the hem from H, H5 and H6 either side of it
    // by the wrist's share of the back shift.
    void PlaceHemEnds(const Vector& d2, double backShift);
    void DrawBackCap(TDrawContext& dc, int outline) const;
    void DrawWomen(TDrawContext& dc, int outline) const;
    void DrawMen(TDrawContext& dc, int outline) const;
    bool Women() const { return Family == SleeveGarment::Family::Women; }
};

// The men's coats' and blazers' two-seam sleeve (kind 12).
class TMenTwoSeam : public TTwoSeam {
public:
    TMenTwoSeam() : TTwoSeam(12) {}
};
