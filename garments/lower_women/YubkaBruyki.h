// The skirt-trousers ("Юбка-брюки", garment type 6): a divided skirt drafted
// from six measurements as two half panels, the front half on sheet 1 and
// the back half on sheet 2, each with a crotch extension, a flared leg whose
// side and centre lines are swung out about the hip points, and one waist
// dart; the tables stand on sheet 3.
//
// Pattern centimetres, x to the right, y up, the waist at y = 0.  The front
// half lies at x <= 0 with its side line on x = 0 and its centre (crotch)
// side on the left; the back half lies at x >= 0 with its side line on x = 0
// and its centre on the right.  The drafting has no branches and no
// searches: every point is built on every run.
#pragma once

#include <vector>

#include "garments/common/LowerGarment.h"
#include "kernel/Geometry.h"

struct TDrawContext;

// The garment type of the skirt-trousers in the piece factory.
constexpr int kYubkaBruykiType = 6;

// Registers the skirt-trousers with the piece factory and its 24-byte block
// with the order file.
void RegisterYubkaBruyki();

class TYubka_Bruyki : public TLowerGarment {
public:
    // ---- Measurements (cm), in the order of the column's rows 1..6. ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SkirtLength = 0.0f;     // Дю
    float SeatEase = 0.0f;        // Пвс, ease to the seat height
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб

    float Suppression = 0.0f;   // E = Сб + Пб − Ст − Пт
    float CrotchFactor = 0.0f;  // K = √(2/9)

    // ---- Construction points, named by their labels on the sheets. ----
    Vector T, T1, T2, T3, T31, T4, T41, T5, T6, T7;
    Vector b, b0, b01, b1, b2, b3, b4, b5, b6, b61;
    Vector C, C1, C2, C3, C4, C5;
    Vector B, B1, B2, B3, B4, B5, B6;
    Vector H, H1, FrontCentreAtHem, H2, FrontSideAtHem, H3, H4, H5, H6, H7, H8;
    Vector FrontSideCtrl, FrontWaistCtrl1, FrontWaistCtrl2, FrontCrotchCtrl1, FrontCrotchCtrl2;
    Vector P1;  // the point labelled "1"
    Vector BackSideCtrl;
    Vector P2;  // the point labelled "2"
    Vector BackCrotchCtrl1, BackCrotchCtrl2, BackWaistCtrl1, BackWaistCtrl2;
    Vector FrontInseamAtHem, FrontSeatInner, FrontSeatSide;
    Vector BackSideAtHem, BackCentreAtHem, BackInseamAtHem, BackSeatInner;

    // ---- The lengths of the two result tables, in CalcSegments' order. ----
    enum Segment {
        SegTH, SegTC, SegCB, SegBB1, SegB1B2, SegH1H3, SegB2H1, SegBH, SegTT5, SegB2T2, SegT2T4, SegT4T5, SegBB3,
        Segb1b2, Segb0b, SegH2H4, SegC1P1, SegB1B4, SegB4B5, SegB5H5, SegH7H8, SegC4P2, SegT2T41, SegT6T41,
        SegB5B6, SegB6b3,
        kSegments,
        // Not a stored segment: the last back row shows W.
        SegBackDart = kSegments
    };
    float Segments[kSegments] = {};
    float BackDartOpening = 0.0f;  // W, opening of the back waist dart

    // The two halves, each on its own sheet and its own printed pages.
    enum Half { Front, Back };

    // Extent of one half's drawing (cm), for printing.
    struct PieceBox {
        float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
    };

    TYubka_Bruyki();

    void Calculate() override;
    // Each half on its own sheet, the waist 10 cm below the top edge and the
    // half in the middle across.
    void Draw() override;
    void CalcSegments() override;
    // Each half tiled over its own block of pages at the print scale ("Лист
    // 1 из 3", "Лист 2 из 3", the half's name on its first page), then the
    // tables page ("Лист 3 из 3").
    void Print() override;

    std::vector<ValueTableRow> FrontTableRows() const override;
    std::vector<ValueTableRow> BackTableRows() const override;
    // The value a result row shows.
    float TableValue(Segment s) const { return s == SegBackDart ? BackDartOpening : Segments[s]; }

    // The box of every point that the half's drawing passes through
    // (outline, construction lines and curve control points).
    PieceBox PrintBox(Half half) const;

private:
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    // The half of the sheet target.sheet (1 the front, 2 the back).
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;
    std::vector<PlacedTable> Tables(TableMedium medium) const override;
    void CaptionPieceSheet(int n) const override;
    // The paths of one half (outline pen `thick`, construction lines 1).
    void DrawPaths(TDrawContext& dc, int thick, Half half) const;
};
