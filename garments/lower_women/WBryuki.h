// The women's classic trousers: "Брюки женские классические" (TWBryuki,
// garment type 1, five measurements) and "Брюки женские классические 2"
// (TWBryuki2, type 16, seven: it adds the seat height Вс and its ease Пвс).
//
// Both run one draft, TWBryukiDraft, with the seat height s and its ease p
// as its only parameters: TWBryuki takes s = 0.5·Сб and p = 0, TWBryuki2
// the measured Вс and Пвс.  The back half is drafted over the front half on
// one sheet, both on the same crease line x = 0; the waist line is y = 0,
// the pattern lies below it (x to the right, y up, centimetres).  The front
// waist has one dart, none or two (the second on the crease line), the back
// waist one or two darts, by how much the hips exceed the waist.
#pragma once

#include <string>
#include <vector>

#include "garments/common/LowerGarment.h"
#include "kernel/Geometry.h"

struct TDrawContext;

// The garment types of the two trousers in the piece factory.
constexpr int kWBryukiType = 1;
constexpr int kWBryuki2Type = 16;

// The construction points of the draft, each named by the label drawn
// beside it (the points "1" .. "12" are P1 .. P12), then the unlabelled
// curve points.  Every Calculate starts from a fresh set, so a point that
// the current waist variant or back-dart layout does not build stays at
// (0, 0) instead of keeping an earlier draft's value.
struct WBryukiPoints {
    // Waist line.
    Vector T, T0, T1, T11, T2, T21, T111;
    // Back waist.
    Vector T3, T5, T51, T511, T6;
    // Hip line.
    Vector B, B1, B2, B3, B4, B5;
    // Crotch line.
    Vector C, C0, C1, C11, C2, C3, C4, C6;
    // Knee line.
    Vector K, K1, K0, K2, K3, K4;
    // Hem.
    Vector H, H0, H01, H011, H1, H2, H3, H4;
    // Front dart.
    Vector b, b0, b1, b2;
    // Back darts: the first (b3 .. b6) and the second (b7 .. b10).
    Vector b3, b4, b41, b5, b6;
    Vector b7, b8, b81, b9, b10;
    // Waist variant 3: the dart on the crease line.
    Vector b12, b20, b22, b02;
    // Side-seam and inseam construction points "1" .. "12".
    Vector P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11, P12;
    // Curve control points.
    Vector FrontCrotchCtrl1, FrontWaistCtrl2, FrontWaistCtrl1;
    Vector FrontSideCtrl5, FrontSideCtrl4, FrontSideCtrl3, FrontSideCtrl2, FrontSideCtrl1;
    Vector FrontHemCtrl2, FrontHemCtrl1, BackHemCtrl1, BackHemCtrl2;
    Vector FrontInseamCtrl2, FrontInseamCtrl1;
    Vector BackInseamCtrl1, BackInseamCtrl3, BackInseamCtrl2;
    Vector BackSideCtrl1, BackSideCtrl2, BackSideCtrl3, BackSideCtrl4, BackSideCtrl5;
    Vector BackCrotchStart, BackCrotchCtrl1, BackCrotchJoint, BackCrotchCtrl2;
    Vector FrontCrotchCtrl2, BackCrotchTop;
    // Where "Средний срез:" is written.
    Vector SeamLabelPos;
};

// What tells the two trousers apart: the type, the measurement rows, their
// illustrations, the table codes, and which of the draft's fields the rows
// fill.
struct WBryukiKind;

class TWBryukiDraft : public TLowerGarment, public WBryukiPoints {
public:
    // ---- Measurements (cm). ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    // s: TWBryuki2's measurement Вс; TWBryuki writes 0.5·Сб here in Calculate.
    float SeatHeight = 0.0f;
    float FrontLength = 0.0f;     // Дсп, the trouser length at the front
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    // p: TWBryuki2's measurement Пвс; always 0 for TWBryuki.
    float SeatEase = 0.0f;

    // ---- Derived sizes. ----
    float Suppression = 0.0f;  // D = Сб + Пб − Ст − Пт
    float FrontDart = 0.0f;    // 2D/9, 0 in waist variant 2
    float BackDart = 0.0f;     // 0.08·D; above 1 the back gets two darts
    float CrotchSeam = 0.0f;   // the crotch seam, "Средний срез:"
    int WaistVariant = 2;      // 1 one front dart, 2 none, 3 two
    // Extent of the draft, for printing.
    float BoxLeft = 0.0f, BoxRight = 0.0f, BoxTop = 0.0f, BoxBottom = 0.0f;

    // ---- The segments of the result tables, in storage order: the front
    // rows of variant 1, the back rows of the one-dart layout, the three
    // variant-3 rows, the three rows of the second back dart. ----
    enum Segment {
        SegTH, SegTC, SegCB, SegBK, SegBB1, SegC1C2, SegCC0, SegT1T11, SegT11T111, SegT11T2, SegT2T21, Seg1_2,
        SegT21b1, Segb1b2, Segbb0, SegC1C11, SegK1K0, SegK0K2, SegH1H0, SegH0H2, SegH0H01, Seg3_4, SegC2_5,
        Seg5_6,
        SegH1H3, SegH2H4, SegK1K3, SegK2K4, SegH0H011, SegBB3, SegB3T3, SegB3B4, SegB4B5, SegB5T5, SegC6C3,
        SegC4_7, Seg7_8, SegC2C5, SegT5T6, Seg9_10, Seg11_12, Segb3b4, Segb4b41, Segb5b6,
        Segb12b22, SegT0b20, SegT0b02,
        Segb7b8, Segb8b81, Segb9b10,
        kSegments
    };
    float Segments[kSegments] = {};

    void Calculate() override;
    void CalcSegments() override;

    // The rows of the three tables as the sheet and the page show them:
    // the measurements (5 or 7), the front half (24, 22 or 27 rows by waist
    // variant), the back half (21 rows, 24 with two back darts).
    std::vector<ValueTableRow> FrontTableRows() const override;
    std::vector<ValueTableRow> BackTableRows() const override;

    // Two back darts (BackDart > 1).
    bool TwoBackDarts() const { return BackDart > 1.0f; }
    // The text written at SeamLabelPos: "Средний срез:" and the seam length
    // with one decimal.
    std::string SeamLabelText() const;

protected:
    explicit TWBryukiDraft(const WBryukiKind& kind);

private:
    const WBryukiKind& kind_;

    // Steps 1 .. 36 of the drafting; Calculate keeps the last draft when
    // they throw.
    void Draft();
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;
    TablePoint CommentAt(TableMedium medium) const override;
    bool OneSheetTableAt(Vector& corner) const override;
    // The front waist of each variant (steps 12 .. 14 of the draft).
    void FrontWaistOneDart(float s);
    void FrontWaistNoDart();
    void FrontWaistTwoDarts(float s);
    // The back waist darts.
    void BackOneDart(const Vector& d, const Vector& m, float s);
    void BackTwoDarts(const Vector& d, const Vector& m, float s);
    // The side seams, the inseams, the hem and the crotch curves.
    void SeamPoints();
    void CurvePoints();
    void ExtentBox();
    // The whole draft (outline pen `thick`, construction lines 1).
    void DrawPaths(TDrawContext& dc, int thick) const;
};

class TWBryuki : public TWBryukiDraft {
public:
    TWBryuki();
};

class TWBryuki2 : public TWBryukiDraft {
public:
    TWBryuki2();
};

// Registers both trousers with the piece factory and declares their
// order-file blocks (20 and 28 bytes).
void RegisterWBryuki();
