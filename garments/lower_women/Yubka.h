// The skirt ("Юбка", garment type 0): a straight skirt drafted from eight
// measurements as one flat draft of two half panels side by side, with waist
// darts, a curved side seam and a waist line shaped over the darts.
//
// The draft lives in pattern centimetres, x to the right, y up.  The line
// x = 0 is the side line between the panels; y = 0 is the waist level at the
// centre of the right-hand panel, fixed by the front measurement Дсп; the
// side waist point T21 stands Дсб − Дсп above it.  The left-hand panel
// (x < 0) carries one or two long darts that end 3 cm above the hip line,
// the right-hand panel one short dart that ends 10 cm below the waist.
#pragma once

#include <vector>

#include "garments/common/LowerGarment.h"
#include "kernel/Geometry.h"

struct TDrawContext;

// The garment type of the skirt in the piece factory.
constexpr int kYubkaType = 0;

// Registers the skirt with the piece factory and its block with the order
// file.
void RegisterYubka();

class TYubka : public TLowerGarment {
public:
    // ---- Measurements (cm), in the order of the column's rows 1..8. ----
    float WaistHalfGirth = 0.0f;     // Ст
    float HipHalfGirth = 0.0f;       // Сб
    float WaistToKnee = 0.0f;        // Дтк, the skirt length
    float SideWaistToFloor = 0.0f;   // Дсб
    float FrontWaistToFloor = 0.0f;  // Дсп
    float BackWaistLength = 0.0f;    // Дтс
    float WaistEase = 0.0f;          // Пт
    float HipEase = 0.0f;            // Пб

    // ---- Construction points, named by their labels on the sheet. ----
    Vector T0, T, T1, T2, T21, T3;
    Vector LeftDart1Top, LeftDart2Top;
    Vector B, B1, B2, B3, B4, B5;
    Vector b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11;
    Vector RightWaistJoin, LeftWaistJoin, LeftDart2Join;
    Vector H, H1, H2;
    Vector P1, P2, P3, P4;  // the points labelled "1" .. "4"
    Vector RightSideCtrlUpper, RightSideCtrlLower;
    Vector LeftSideCtrlUpper, LeftSideCtrlLower;
    Vector RightWaistCtrl, LeftWaistCtrl;

    // ---- Derived sizes. ----
    float Suppression = 0.0f;     // D = Сб + Пб − Ст − Пт
    float LeftDartTotal = 0.0f;   // R, what D leaves for the left-panel darts
    float RiseNorm = 0.0f;        // k = 0.1·D + 0.02·Дтс
    float SideRise = 0.0f;        // Дсб − Дсп
    float RightSideLength = 0.0f; // side curve b1 → B2
    float LeftSideLength = 0.0f;  // side curve b5 → B2
    float SideLengthDiff = 0.0f;  // LeftSideLength − RightSideLength of the last search step
    // Extent of the draft, for printing.
    float BoxLeft = 0.0f, BoxRight = 0.0f, BoxTop = 0.0f, BoxBottom = 0.0f;

    // ---- The segment table, in the order CalcSegments stores it. ----
    enum Segment {
        SegTH, SegTB, SegBB1, SegBB2, SegB1B3, SegBB4, SegT2T21, Segb2b3, SegT3b4, SegT21b1,
        Seg12, Segb1b5, Seg34, SegTT0, Segb7b8, SegB4b6, SegB4B5, Segb10b11, SegB5b9,
        kSegments
    };
    float Segments[kSegments] = {};

    // The side-length search of the drafting (D ≥ 8) adjusts b5 at most this
    // many times; a search that has not settled by then throws EFloatError.
    static constexpr int kMaxSideSearchSteps = 100;

    TYubka();

    void Calculate() override;
    void CalcSegments() override;

    // The rows of the segment table (16 rows with one dart, 19 with two) as
    // the sheet and the page show them, beside the eight measurements.
    std::vector<ValueTableRow> SegmentTableRows() const;

    // Two darts in the left panel (R > 5).
    bool TwoDarts() const { return LeftDartTotal > 5.0f; }

private:
    // Step 8 of the drafting: the left side curve from b5.
    void LeftSideCurve();
    // Length of the left side curve b5 → point 4 → B2.
    float LeftCurveLength() const;
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;
    Vector SheetOrigin() const override;
    // The measurement and the segment table, then the comment.
    std::vector<PlacedTable> Tables(TableMedium medium) const override;
    bool OneSheetTableAt(Vector& corner) const override;
    // The paths of the draft (outline pen `thick`, construction lines 1).
    void DrawPaths(TDrawContext& dc, int thick) const;
};
