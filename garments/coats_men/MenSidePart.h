// What the coats and blazers with a side part share, whether the side part
// is cut in one with the front or apart: where the side part leaves the
// front armhole, the seam between the back and the side part along the back
// width line, the pocket's ends, the 3 cm front overlap, and for the
// blazers the hem line and the breast pocket.
#pragma once

#include "garments/coats_men/MenPattern.h"

class TMenSidePart : public TMenPattern {
public:
    // The front armhole between FrontG2 and the side part, moved back by
    // FrontShift.
    Vector SplitBack, BackCopyCtrl1, BackCopyJoin, BackCopyCtrl2, BackCopyP6;
    Vector T1;       // (G1.x, T.y): the back width line on the waist
    Vector T11, T8;  // the back seam's legs at the waist
    Vector T6;       // the side part's edge at the waist
    Vector P12, P13;  // the back seam's level on the G1 line, and on the back armhole
    Vector B0, B1, B4, B5;  // back centre, back seam and its two ends at the hip line
    Vector H0, H1, H4, H5;  // the same at the hem line (the blazers')
    Vector SeamCtrl4, SeamCtrl5, SeamCtrl11, SeamCtrl8, SeamCtrl11Up, SeamCtrl8Up;
    Vector K1, K2;      // the pocket's front and side ends
    Vector KTicks[4];   // marks across K1, then K2
    Vector G61;         // top of the front dart
    Vector HemCtrl;     // the front hem arc
    Vector EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem;
    Vector BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4;  // the blazers'
    int SplitArc = 0;  // 1: SplitPoint on FrontG2 → FrontArmholeJoin, 2: on FrontArmholeJoin → P6

    // Whether A5 is named: not where the collar (kinds 7, 8) draws the
    // neck and the front edge.
    static bool NamesA5();

protected:
    explicit TMenSidePart(int type) : TMenPattern(type) {}

    // Where the side part leaves the front armhole.  With the two-seam
    // sleeve (kind 12) the sleeve has set SplitPoint and SplitParam;
    // otherwise the point 0.68 of the way from FrontG2 to G4 is carried
    // straight up to the armhole.  Then SplitArc and the shifted copies.
    void PlaceSplit();
    // The back seam leaving the back armhole halfway between P31 and the
    // chest line (P12, P13), its waist legs `waistSpread` and its hip ends
    // `hipSpread` either side of the back width line, their controls; B0.
    void PlaceBackSeam(float hipSpread, float waistSpread);
    // The blazers' hem points under B0, B1, B4, B5, their breast pocket;
    // the overlap down to the hip or the hem line.
    void PlaceHemAndOverlap();

    // The side part's armhole from G2 to SplitBack, by SplitArc.
    void DrawSideArmhole(const PieceTarget& t) const;
    // The front armhole from SplitPoint on to P6.
    void DrawFrontArmholeFromSplit(const PieceTarget& t) const;
    // The back seam P13 → T11 → B4 and B5 → T8 → P13.
    void DrawBackSeam(const PieceTarget& t) const;
    // The pocket end marks across K1 and K2.
    void DrawPocketTicks(const PieceTarget& t) const;

    float RightEdge() const override { return EdgeHem.x; }
};

// When a row of a side-part garment's point names shows: on the blazers or
// the coats only, by which way the seam's two ends lie at the hem and at
// the hip line, and A5 where the garment draws its neck.
namespace SidePartNames {
template <class G>
bool Blazer(const G& g) { return g.IsBlazer(); }
template <class G>
bool Coat(const G& g) { return !g.IsBlazer(); }
template <class G>
bool HemApart(const G& g) { return g.IsBlazer() && g.H5.x > g.H4.x; }
template <class G>
bool HemCrossed(const G& g) { return g.IsBlazer() && !(g.H5.x > g.H4.x); }
template <class G>
bool HipApart(const G& g) { return g.B5.x > g.B4.x; }
template <class G>
bool HipCrossed(const G& g) { return !(g.B5.x > g.B4.x); }
template <class G>
bool A5Named(const G&) { return TMenSidePart::NamesA5(); }
}  // namespace SidePartNames
