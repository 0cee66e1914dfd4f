// The one-seam sleeve with an elbow dart (" Одношовный с вытачкой"): its
// back seam is longer than its front seam, and the excess is taken up by a
// dart opened in the back seam at the elbow line, its point inside the
// sleeve.  Sleeve kind 3 serves the women's dresses, jackets and coats and
// the men's shirts and jackets; kind 14 (TMenOneCut) the men's coats.
//
// Two constructions share this class.  The women's cap runs from the back
// underarm P32 over "5", P5, "2", the top O2, "1" and P1 to the front
// underarm P31, and the hem H3 … H4 is set square to the line from the
// elbow point L2.  The men's cap front is one cubic from P31 to the point
// joining the arc over O3 to O2, the elbow line is narrower (0.88·W) and
// the hem is set square to the line from L0.  The men's coats take the
// men's construction with the shoulder pad in the sleeve's length, the
// width line moved back by the armhole's arc share X, and the bar at the
// cap top in place of the men's shirts' notch.
#pragma once

#include <initializer_list>

#include "sleeves/set_in/SetInSleeve.h"

class TOneCut : public TSetInSleeve {
public:
    // Labelled points; Point1 .. Point5 are "1" .. "5".
    Vector O2, O, O1, O3, O4, P, P1, P2, P4, P5, P31, P32, L, L0, L2, L1, L11, L3, DartMouth, L4, L5,
        DartFoldPoint, DartCapPoint, H0, H, H2, H3, H4, HemSeamCross, Point4, Point5, Point1, Point2, Point3;
    // Controls of the cap arcs: the men's second front cubic control, the
    // controls "1" → P1 (women) or P31 → L1 (men), O2 → "1" (women; the
    // men's on-curve point where the front cubic meets the arc over O3),
    // "2" → O2, P5 → "2", the cubic P5 → "5", the arc P32 → "5".
    Vector MenFrontCtrl2, FrontLowerCtrl, FrontUpperCtrl, BackUpperCtrl, BackLowerCtrl, BackCubicCtrl1,
        BackCubicCtrl2, BackSeamCtrl;
    BalanceNotch FrontNotch, BackNotch, TopNotch;
    Vector ElbowTickUpper, ElbowTickLower;

    float SleeveWidth = 0.0f;  // W
    float WristWidth = 0.0f;   // Wr, as narrowed to keep the hem off the back seam
    float ElbowWidth = 0.0f;   // 0.88·W (men)
    float CapLength = 0.0f;
    float CapLengthRequired = 0.0f;
    float CapMismatch = 0.0f;
    float BalanceMismatch = 0.0f;
    float BalanceOffset = 0.0f;  // how much longer the back cap ends than the front
    bool DartOpen = false;       // the elbow dart exists and is drawn
    bool HemSplit = false;       // the hem end was shortened: the hem is two arcs
    // The construction of the last draft: the men's (shirts and coats) or
    // the women's; and whether the cap top carries a notch (men's shirts)
    // rather than a bar.
    bool MenCut = false;
    bool TopNotched = false;

    // The wrist-narrowing and dart-mouth searches stop at this many passes;
    // that fails like a cap that cannot be fitted (as does a search that
    // runs away until a pass breaks the floats, FitLoop).
    static constexpr int kMaxPasses = 200;

    TOneCut();
    void Draft(const SleeveGarment& g) override;

protected:
    explicit TOneCut(int kind);
    void DrawOutline(TDrawContext& dc, int outline) const override;
    void WriteLabels(TDrawContext& dc, bool printer) const override;

private:
    // What tells the constructions apart.
    struct Variant {
        bool men;         // the men's construction
        double pad;       // the shoulder pad in the elbow and hem depths
        double arcShare;  // X: the width line starts this much further back
        bool topNotch;    // the men's shirts' notch at the cap top
    };
    Vector nS, dP, dT;  // working directions (women: seam normal, O3 → P1, O3 → O1; men: k)

    void DraftWomen(const SleeveGarment& g, const Variant& v);
    void DraftMen(const SleeveGarment& g, const Variant& v);
    void BuildWomenCap();
    void BuildMenCap();
    void BuildBackCap(double share);
    // The front notch along the chain from P31 and the back notch from P32,
    // 0.06·A·n and 0.26·A·n beyond the garment's lower armhole arcs.
    void PlaceNotches(const SleeveGarment& g, std::initializer_list<CapArc> front);
    float BackCapLength() const;
    // The women's hem: H2 square to L2, H0, HemSeamCross, H3, H4.
    void PlaceWomenHem(float wr);
    // The men's hem: H0 square to L0, the hem direction k, H3, HemSeamCross, H4.
    void PlaceMenHem(float wr);
    // Narrows the wrist until the hem end H4 reaches the back seam line.
    template <class Place>
    void NarrowWrist(float& wr, Place place);
    // The dart mouth, the intake against the front seam `frontSeam` and the
    // hem split test e; the closed-dart points and the extent box.
    void FinishDart(float frontSeam, float e);
};

// The men's coats' one-seam sleeve with an elbow dart (kind 14).
class TMenOneCut : public TOneCut {
public:
    TMenOneCut();
};
