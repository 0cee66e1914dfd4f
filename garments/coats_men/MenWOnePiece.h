// The men's coats and the blazer with a side part in one piece with the
// front (garment types 29 and 32, the demi-season and winter coats; 34, the
// blazer): the front moved 2 cm off the back, the side part's dart from the
// front armhole down to the pocket line, the seam between the back and the
// side part along the back width line, an optional front waist dart, the
// hem and the 3 cm front overlap.  The coat ends at the hip line; the blazer
// runs on to the hem line and has a breast pocket.
#pragma once

#include "garments/coats_men/MenPattern.h"

class TMenWOnePiece : public TMenPattern {
public:
    Vector T1;                  // (G1.x, T.y): the back width line on the waist
    Vector T11, T52;            // the back seam's back leg at the waist; the dart's second leg
    Vector DartMid, DartEnd;    // middle of T5 and T52; the dart's line met by the pocket line
    Vector T6, T7;              // the side-part dart's legs at the waist, 1 cm either side of SplitPoint
    Vector T8;                  // the back seam's other leg at the waist
    Vector K, K1, KBase, K2;    // the pocket: reference, front end, under G5, side end
    Vector SplitFoot;           // under SplitPoint on the pocket line
    Vector KTicks[4];           // marks across K1, then K2
    Vector BreastPocket1, BreastPocket2, BreastPocket3, BreastPocket4;  // the blazer's
    // The front armhole between FrontG2 and the side part, moved back by
    // FrontShift.
    Vector SplitBack, BackCopyCtrl1, BackCopyJoin, BackCopyCtrl2, BackCopyP6;
    Vector P12, P13;   // the back seam's level on the G1 line, and on the back armhole
    Vector G61;        // top of the front dart
    Vector DartTicks[2];
    Vector B0, B1, B4, B5;  // the back centre, the back seam and its two ends at the hip line
    Vector H0, H1, H4, H5;  // the same at the hem line (the blazer's)
    Vector SideCutBack, SideCutFront;  // controls of the side-part dart above T6 and T7
    Vector SeamCtrl4, SeamCtrl5, SeamCtrl11, SeamCtrl8, SeamCtrl11Up, SeamCtrl8Up;
    Vector HemMid, HemCtrl;  // the front hem arc
    Vector EdgeNeck, EdgeG8, EdgeG7, EdgeT32, EdgeWaist, EdgeHem;
    float WaistSuppression = 0.0f;  // Сг2 + Пг − Ст − Пт + T.x − T0.x
    float SeamSuppression = 0.0f;   // what the back seam takes either side of T1
    int SplitArc = 0;               // 1: SplitPoint on FrontG2 → FrontArmholeJoin, 2: on FrontArmholeJoin → P6
    bool HasFrontDart = false;

    // Draft, sleeve, side part, collar.
    void Calculate() override;
    // The side-part step alone, after the draft and the sleeve.
    void CalcSidePart();

    bool IsBlazer() const { return Type() == MenPatternType::kFirstBlazer; }

protected:
    explicit TMenWOnePiece(int type) : TMenPattern(type) {}
    void DrawPieces(const PieceTarget& t) const override;
    float RightEdge() const override { return EdgeHem.x; }

private:
    void DrawOutline(const PieceTarget& t) const;
    void DrawOwnNames(const PieceTarget& t) const;
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

// What the side-part garments share (the one-piece and the separate side
// part): where the side part leaves the front armhole.  With the two-seam
// sleeve (kind 12) the sleeve has set SplitPoint and SplitParam; otherwise
// the point 0.68 of the way from FrontG2 to G4 is carried up to the
// armhole.  Returns SplitArc and writes the shifted copies.
int PlaceSplitPoint(TMenPattern& g, int sleeveKind, Vector& splitBack, Vector& copyCtrl1, Vector& copyJoin,
                    Vector& copyCtrl2, Vector& copyP6);
