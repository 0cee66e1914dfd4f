// The women's model trousers ("Брюки женские модельные", garment type 17):
// trousers whose front half carries one to three pleats at the waist (none
// when the waist leaves too little to fold), drafted from nine values as the
// front and the back half one over the other on a shared vertical base line.
//
// The draft lives in pattern centimetres, x to the right, y up.  The line
// x = 0 is the base line (T0, B0, C0, K0, H0, H01, H011 lie on it), y = 0 the
// front waist; the side seams lie left of the base line, the crotch right of
// it.  The letter of a label tells its level: T waist, B hip, C seat, K knee,
// H hem.  Sheet 1 carries both halves, sheet 2 the measurement table and the
// tables of the front and the back half.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"
#include "garments/common/LowerGarment.h"

struct TDrawContext;

// The garment type of the model trousers in the piece factory.
constexpr int kWVolPantsType = 17;

// Registers the model trousers with the piece factory and their block size
// (36 bytes) with the order file.
void RegisterWVolPants();

// The pleat count Кс as the drafting takes it: the value truncated toward
// zero and held within 1..3.  Clamped while still a float, so that a NaN
// (taken as 1) or a value beyond the int range never becomes an int.
int PleatCountOf(double value);

class TWVolPants : public TLowerGarment {
public:
    // ---- Measurements, in the order of the rows, the table and the order file. ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SeatHeight = 0.0f;      // Вс
    float FrontLength = 0.0f;     // Дсп, trouser length at the front
    float HemWidth = 0.0f;        // Шн
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    float SeatEase = 0.0f;        // Пвс
    // Кс: 1..3 as read; Calculate lowers it when the pleats would be shallower
    // than 2 cm and sets 0 when there are no pleats.
    std::int32_t PleatCount = 1;

    // ---- Construction points, named by their labels on the sheet. ----
    // Front.
    Vector T0, T, T1, T11, T111, T2, T21;
    Vector B0, B, B1, B11;
    Vector C0, C, C1, C2;
    Vector K0, K, K1, K2;
    Vector H0, H, H01, H1, H2;
    Vector P1, P2;  // the points labelled "1" and "2"
    Vector b0, b1, b2, b7, b8;
    // Back.
    Vector T3, T5, T51, T511, T6;
    Vector B2, B3, B4, B5;
    Vector C3, C4, C5, C6;
    Vector K3, K4;
    Vector H011, H3, H4;
    Vector P3, P4;  // the points labelled "3" and "4"
    Vector b3, b31, b4, b41, b5, b51, b6, b61, b21, b22;
    // Unlabelled construction and control points of the drafting rules.
    Vector q1, q2, q3, q4, q5, q6, q7, q8, q9, q10, q11, q12, q13, q14, q15;
    Vector q16, q17, q18, q19, q20, q21, q22, q23, q24, q25, q26, q27, q28, q29, q30;
    Vector q31, q32, q33, q34, q35, q36, q37, q38, q39, q40, q41, q42, q43, q44, q45;

    // ---- Derived sizes. ----
    float Suppression = 0.0f;   // D = Сб − Ст − Пт
    float DartNorm = 0.0f;      // Q = 0.33·D
    float PleatTotal = 0.0f;    // waist width the pleats take up (0 without pleats)
    float PleatDepth = 0.0f;    // d = PleatTotal/Кс
    float PleatSpacing = 0.0f;  // s, between the pleats (two or three pleats)
    float CrotchLength = 0.0f;  // the crotch seam, front and back
    int BackDarts = 1;          // 1 or 2 (Q > 4.5)
    // Extent of the drawn draft, for printing.
    float BoxLeft = 0.0f, BoxRight = 0.0f, BoxTop = 0.0f, BoxBottom = 0.0f;

    // ---- The two segment tables, one value per row. ----
    enum Segment {
        // Front.
        SegT0H0, SegT0C0, SegC0B0, SegB0K0, SegH0H1, SegH0H2, SegH0H01, SegB0B, SegBB1, SegBB11, SegH1B11,
        SegB11T2, SegT2T21, Seg12, SegC1C2, SegT1T11, SegT11T111, SegT0b0, Segb1b2, Segb7b8,
        // Back.
        SegH0H3, SegH0H4, SegH0H011, SegB0B3, SegB3B4, SegB3B5, SegB4B5, SegC0C3, SegB5T5, SegB3T3, SegT5T51,
        SegT51T6, SegT51T511, SegK0K4, SegC3C4, SegC3C5, SegH4C6, Seg34, Segb5b6, Segb4b3, Segb4b41,
        Segb51b61, Segb21b31, Segb21b22,
        kSegments
    };
    float Segments[kSegments] = {};

    TWVolPants();

    void Calculate() override;
    void CalcSegments() override;

    // The rows of the three tables as the sheet and the page show them: the
    // nine measurements (Кс as Calculate left it); the front rows, with
    // "[ T0, b0 ]", "[ b1, b2 ]", "[ b7, b8 ]" as far as Кс reaches; the back
    // rows, with the three rows of the second dart when there is one.
    std::vector<ValueTableRow> FrontTableRows() const override;
    std::vector<ValueTableRow> BackTableRows() const override;

    bool TwoBackDarts() const { return BackDarts == 2; }
    // The pen of the side curve of the back: a curve from T6 when T6 lies
    // inside T3, a straight line otherwise.
    bool BackSideCurved() const { return T6.x > T3.x; }
    // The text written at q45: "Средний срез:" and the crotch length.
    std::string CrotchText() const;

private:
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;
    std::vector<PlacedTable> Tables(TableMedium medium) const override;
    TablePoint CommentAt(TableMedium medium) const override;

    // The pleats of the front waist (drafting step 7).
    void Pleats();
    // The back darts (step 14).
    void BackDartsStep();
    // The paths of the draft (outline pen `thick`, construction lines 1).
    void DrawPaths(TDrawContext& dc, int thick) const;
    // The waist of the front from T21 to T0 over the pleats (path 5).
    void DrawFrontWaist(TDrawContext& dc, int thick) const;
    // The extent of the drawn points.
    void ComputeBox();
};
