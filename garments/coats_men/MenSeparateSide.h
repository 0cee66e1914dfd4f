// The men's coats and the blazer with a separate side part (garment types
// 30 and 33, the demi-season and winter coats; 35, the blazer): the front
// moved 4 cm off the back, the side part a piece of its own between the
// back seam along the back width line and a seam towards the front, the
// front dart closed into the pocket so that the front's lower edge turns and
// the upper front rises, and the side part's front seam matched in length
// to the edges it is sewn to.  The coat ends at the hip line; the blazer
// runs on to the hem line and has a breast pocket.
#pragma once

#include "garments/coats_men/MenSidePart.h"

class TMenWCutOffPiece : public TMenSidePart {
public:
    Vector G61Ticks[2];     // its mark, 0.2 cm either side
    Vector DartCtrlLeft, DartCtrlRight;
    Vector KLevel;          // the pocket level on the front width line
    Vector KT51, K3;
    Vector KSide, KSideBack;  // the side part's front and back edges at the pocket level
    Vector K4;                // KSide lowered by the belly allowance
    Vector K11, K12;          // the dart's ends at the pocket level
    Vector FrontWaistBase, SideFrontWaist;
    Vector DartWaistLeft, DartWaistRight;
    Vector SideBackWaistBase;
    Vector SideBackHemBase, B6;
    Vector SideFrontHemBase, B7;
    Vector SideBackCtrlLow, SideBackCtrlTop, SideBackCtrlWaist;
    Vector SideFrontCtrlLow, SideFrontCtrlWaist;
    Vector FrontEdgeCtrlTop, FrontEdgeCtrlLow;
    Vector SideFrontCtrlPocket, PocketTangentEnd;
    Vector H6, H7;  // the blazer's hem points under B6 and B7
    float WaistExcess = 0.0f, HemExcess = 0.0f, PocketLength = 0.0f;
    float KParam = 0.0f;
    // The passes of the seam-length matching of the last draft.
    int MatchingPasses = 0;

    // The seam-length matching moves B7 at most this many times; a seam
    // that has not matched by then fails the draft (EFloatError).
    static constexpr int kMaxMatchingPasses = 100;
    // ... and stops within this much (cm).
    static constexpr float kMatchTolerance = 0.04f;

    // Draft, sleeve, side part, collar.
    void Calculate() override;
    // The side-part step alone, after the draft and the sleeve.
    void CalcSidePart();

    // The side part's back edge, and the front's side edge above and below
    // the pocket (cm).
    float SideBackEdgeLength() const;
    float UpperFrontEdgeLength() const;
    float LowerFrontEdgeLength() const;

protected:
    explicit TMenWCutOffPiece(int type) : TMenSidePart(type) {}
    void DrawPieceLines(const PieceTarget& t) const override;
    void LabelPieces(const PieceTarget& t) const override;

private:
    void DrawOutline(const PieceTarget& t) const;
};

// The coats 30 and 33.
class TMenCoatWCutOffPiece : public TMenWCutOffPiece {
public:
    explicit TMenCoatWCutOffPiece(int type) : TMenWCutOffPiece(type) {}
};

// The blazer 35.
class TMenBlazerWCutOffPiece : public TMenWCutOffPiece {
public:
    TMenBlazerWCutOffPiece() : TMenWCutOffPiece(MenPatternType::kFirstBlazer + 1) {}
};
