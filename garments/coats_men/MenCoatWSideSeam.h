// The men's coats with a side seam (demi-season, garment type 28; winter,
// 31): the common back and front of TMenPattern with the side seams, their
// waist shaping and hem flare, the 3 cm front overlap and the fan of pocket
// lines about K0 below the waist.  The two seasons differ only in their
// constants, caption and samples.
#pragma once

#include "garments/coats_men/MenPattern.h"

class TMenCoatWSideSeam : public TMenPattern {
public:
    Vector B0;      // (T0.x, B.y): the back centre at the hem level
    Vector B4, B5;  // hem ends of the side seams G2 → T21 → B4 and FrontG2 → T22 → B5
    // The front overlap's outer line (collar kinds 0, 1, 2 and 6 only;
    // EdgeG8 and EdgeG7 when the front edge turns).
    Vector EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem;
    Vector T21, T22;  // the two waist points of the side seams
    // The K construction: Tk on the front width line at the lowered waist,
    // K below it, KBase under the bust point, the pocket line K1 → K2 and
    // the fan's centre K0.
    Vector Tk, K, K0, K1, K2;
    Vector KBase;
    Vector FanP4, FanP3, FanP2, FanP1;  // starts of the four slanted K lines
    Vector FanE4, FanE3, FanE2, FanE1;  // their ends
    Vector FanTicks[20];                // 0.4 cm ticks across the ends of the five K lines
    Vector FanQ3, FanQ2, FanQ1;         // K → K0 in quarters
    Vector SeamCtrl22a, SeamCtrl22b, SeamCtrl5;
    Vector SeamCtrl21a, SeamCtrl21b, SeamCtrl4;
    Vector HemMid, HemCtrl;  // the front hem arc B5 → B31

    // Garment type 28 or 31.
    explicit TMenCoatWSideSeam(int type);

    // Draft, side seams, sleeve, collar.
    void Calculate() override;
    // The side-seam step alone, after the common draft.
    void CalcSideSeam();

protected:
    void DrawPieceLines(const PieceTarget& t) const override;
    void LabelPieces(const PieceTarget& t) const override;
    float RightEdge() const override { return EdgeHem.x; }

private:
    void DrawOutline(const PieceTarget& t) const;
    void DrawOwnNames(const PieceTarget& t) const;
};
