// The men's vest ("Жилет", garment type 36): the common back and front of
// TMenPattern with the vest's constants, then the neckline and the buttoned
// front edge by the neckline chosen (closed or open), the breast and lower
// welt pockets (the front opened through the lower one for a stout figure),
// the waist suppression shared between a front dart, the side seam and a
// back dart, the pointed lower front, the shaped back hem and a back
// half-belt.  A collar only, never a sleeve: two sheets.
#pragma once

#include "garments/coats_men/MenPattern.h"

class TVest : public TMenPattern {
public:
    Vector K1, K2, K21, K3, K4, K5, PocketLineEnd, K6, PocketLineOpened, K7, G50;
    Vector FrontDartTop, FrontDartBottom;
    Vector B1, BeltTop, BeltBottom, BeltTip;
    Vector T1, T11, T12, BeltDartTop, BeltDartBottom;
    Vector T21, T22, T52, FrontDartWaist;
    Vector B4, B5;
    Vector BackHemCross, H12, BackHipLevel, H10;
    Vector H4, H5, SideHemCross, H6, H7;
    Vector V, V1;
    Vector BackSideCtrl, FrontSideCtrl, BackSideLowCtrl, FrontSideLowCtrl;
    Vector TurnedSideStart, TurnedSideCtrl, TurnedSideEnd;
    Vector P5, P6Bend;   // "5": middle of H5 and H6; "6": 1 cm off the chord
    Vector P3, P4;       // "3", "4": the open neckline's bend
    Vector HemCtrl1, HemCtrl2;
    Vector BackCentreCtrl;
    Vector FrontDartTopLeft, FrontDartTopRight;
    Vector A51, EdgeG8, EdgeG7, EdgeT32, T33, EdgeHem;
    Vector L, TopButtonholeStart, TopButtonholeEnd, L1, LowButtonholeStart, LowButtonholeEnd;
    Vector NeckCtrl, EdgeCtrl1, EdgeCtrl2, EdgeHemCtrl;

    int Neckline = 0;  // 0 closed, 1 open
    float WaistSuppression = 0.0f;
    float PocketWidth = 0.0f;
    float FrontDartShare = 0.0f, SideShare = 0.0f, BackDartShare = 0.0f;
    float HemSpread = 0.0f;
    float SideCrossParam = 0.0f, HemCrossParam = 0.0f, BackHemParam = 0.0f, BackCentreParam = 0.0f;
    bool HasFrontDart = false, HasSideShaping = false, HasBackDart = false;

    // The neckline is the main window's choice.
    TVest();

    // Draft, the vest's step, collar.
    void Calculate() override;
    void CalcVest();

    // The block: the neckline (32-bit integer) and the 20 floats of the
    // column (84 bytes); a loaded order keeps its own neckline.
    void SaveMeasures(RecordWriter& f) override;
    void LoadMeasures(RecordReader& f) override;

protected:
    void DrawPieceLines(const PieceTarget& t) const override;
    void LabelPieces(const PieceTarget& t) const override;
    float RightEdge() const override { return T33.x; }

private:
    // Steps 16 - 22 with the side seams below the waist given: the pocket
    // line at the side, the opened lower front, the front point, H7.
    void LowerSide(const Vector& frontWaist, const Vector& frontCtrl, const Vector& backWaist,
                   const Vector& backCtrl);
    // No shaping at the side: T2 is the waist point of both seams.
    void CalcLowerPoints();
    void CalcNeckline();
    void DrawOutline(const PieceTarget& t) const;
    void DrawOwnNames(const PieceTarget& t) const;
    // The side seams below the waist as drafted (with or without shaping).
    const Vector& FrontWaistPoint() const { return HasSideShaping ? T22 : T2; }
    const Vector& BackWaistPoint() const { return HasSideShaping ? T21 : T2; }
    const Vector& FrontLowCtrl() const { return HasSideShaping ? FrontSideLowCtrl : BackSideLowCtrl; }
};
