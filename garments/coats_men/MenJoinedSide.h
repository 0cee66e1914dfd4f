// The men's coats and the blazer with a side part in one piece with the
// front (garment types 29 and 32, the demi-season and winter coats; 34, the
// blazer): the front moved 2 cm off the back, the side part's dart from the
// front armhole down to the pocket line, the seam between the back and the
// side part along the back width line, an optional front waist dart, the
// hem and the 3 cm front overlap.  The coat ends at the hip line; the blazer
// runs on to the hem line and has a breast pocket.
#pragma once

#include "garments/coats_men/MenSidePart.h"

class TMenWOnePiece : public TMenSidePart {
public:
    Vector T52;                // the front dart's second leg at the waist
    Vector DartMid, DartEnd;   // middle of T5 and T52; the dart's line met by the pocket line
    Vector T7;                 // the side-part dart's front leg at the waist (T6 the back one)
    Vector K, KBase;           // the pocket's reference and its point under G5
    Vector SplitFoot;          // under SplitPoint on the pocket line
    Vector DartTicks[2];
    Vector SideCutBack, SideCutFront;  // controls of the side-part dart above T6 and T7
    Vector HemMid;                     // middle of the front hem's chord
    float WaistSuppression = 0.0f;     // Сг2 + Пг − Ст − Пт + T.x − T0.x
    float SeamSuppression = 0.0f;      // what the back seam takes either side of T1
    bool HasFrontDart = false;

    // Draft, sleeve, side part, collar.
    void Calculate() override;
    // The side-part step alone, after the draft and the sleeve.
    void CalcSidePart();

protected:
    explicit TMenWOnePiece(int type) : TMenSidePart(type) {}
    void DrawPieceLines(const PieceTarget& t) const override;
    void LabelPieces(const PieceTarget& t) const override;

private:
    void DrawOutline(const PieceTarget& t) const;
};

// The coats 29 and 32.
class TMenCoatWOnePiece : public TMenWOnePiece {
public:
    explicit TMenCoatWOnePiece(int type) : TMenWOnePiece(type) {}
};

// The blazer 34.
class TMenBlazerWOnePiece : public TMenWOnePiece {
public:
    TMenBlazerWOnePiece() : TMenWOnePiece(MenPatternType::kFirstBlazer) {}
};
