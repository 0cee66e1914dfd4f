// The men's jeans: "Джинсы мужские" (TMJeans, garment type 3) and
// "Джинсы мужские 2" (TMJeans2, type 20).  Both run one draft,
// TMJeansDraft: a front half with a scooped front pocket and a fly, and a
// back half whose yoke seam takes up the back waist dart, with a patch
// pocket on the lower back panel and the length of the crotch seam.  The
// twins differ only in the seat depth S and its ease p: TMJeans derives
// S = 0.5·Сб − 1.5 from the hips (p = 0), TMJeans2 takes the measured Вс
// and Пвс.
//
// The draft lives in pattern centimetres, y up: x = 0 is the crease line of
// both halves, the waist lies at y = 0, the legs below it; front and back
// are drafted over each other on the crease line.
#pragma once

#include <vector>

#include "garments/common/JeansYoke.h"
#include "garments/common/LowerGarment.h"
#include "kernel/Geometry.h"

// The garment types of the two jeans in the piece factory.
constexpr int kMJeansType = 3;
constexpr int kMJeans2Type = 20;

class TMJeansDraft;

// What tells the two jeans apart: the column (with the order record and
// the table texts "О.бед.н.к." and "Дсп"), the field of each edit, and where
// the seat depth comes from.
struct TMJeansVariant : GarmentColumn {
    using Field = float TMJeansDraft::*;
    std::vector<Field> editFields;  // the field each edit fills, in edit order
    bool seatFromHip;               // S = 0.5·Сб − 1.5 and p = 0, else S = Вс and p = Пвс
};

class TMJeansDraft : public TLowerGarment, public TJeansFront, public TJeansYoke {
public:
    // ---- Measurements (cm). ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SeatHeight = 0.0f;      // Вс (TMJeans2)
    float ThighGirth = 0.0f;      // О бед.н.к., thigh girth above the knee
    float SideLength = 0.0f;      // Дсб, trouser length at the side
    float ThighEase = 0.0f;       // П о.бед.н.к.
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    float SeatEase = 0.0f;        // Пвс (TMJeans2)

    // ---- Derived values. ----
    float SeatDepth = 0.0f;   // S: 0.5·Сб − 1.5 (TMJeans) or Вс (TMJeans2)
    float Excess = 0.0f;      // E = Сб + Пб − Ст − Пт
    float SideOffset = 0.0f;  // f = x of T3 − x of T
    float CrotchSeam = 0.0f;  // "Средний срез:"

    // ---- Construction points besides the shared front waist and back. ----
    // The fields of TJeansFront and TJeansYoke keep the labels' names; under
    // other names there: the fly corner and the control q(C2, B11) are
    // CrotchCorner and CrotchCtrl, the front pocket's ends ArcOnWaist and
    // ArcOnSide, the yoke's arc centres SeamCentre51 (y → T52), SeamCentre61
    // (T62 → y), TopCentre53, TopCentre63, the yoke side images EdgeP10,
    // EdgeUpperCtrl, EdgeLowerCtrl, EdgeB3, and the yoke parameter t YokeT.
    Vector B11;
    Vector D0, D1, D2, D3, D4;
    Vector K, K0, K1, K2, K3, K4;
    Vector H0, H01, H011, H1, H2, H3, H4;
    Vector P3, P4, P5, P6, P7, P8, P11, P12;  // the points labelled "3" .. "12"
    Vector K1Up, K1Down, K2Down, K2Up, K3Up, K3Down, K4Down, K4Up;
    Vector BackHipPoint;     // the back centre line at the hip level
    Vector BackCrotchStart;  // where the back crotch curve leaves the inseam's end C5 → C3
    // The back patch pocket.
    Vector PocketTop, PocketTopCentre, PocketTopSide, PocketMidCentre, PocketMidSide, PocketBottom;
    Vector SeamTextAnchor;  // where "Средний срез:" is written

    // ---- Curve controls: q(A, B) of the curve A → B, q1/q2 of a cubic. ----
    Vector FrontSideCtl1, FrontSideCtl2;  // q1(B, 4), q2(B, 4)
    Vector FrontThighCtl;                 // q(4, D1)
    Vector FrontHemCtl1, FrontHemCtl2;    // q(H1, H01), q(H01, H2)
    Vector FrontInseamCtl1;               // q(D2, 6)
    Vector FrontInseamCtl2;               // q(6, C2)
    Vector BackSideCtl1, BackSideCtl2;    // q1(B3, 12), q2(B3, 12)
    Vector BackThighCtl;                  // q(12, D3)
    Vector BackHemCtl1, BackHemCtl2;      // q(H3, H011), q(H011, H4)
    Vector BackInseamCtl1;                // q(D4, 8)
    Vector BackInseamCtl2;                // q(8, C5)

    // ---- The segment tables, filled by CalcSegments: each row's text and
    // length in the order of the rows (24 front rows, the first showing Дсб
    // itself, and 29 back rows). ----
    std::vector<ValueTableRow> FrontRows, BackRows;

    ~TMJeansDraft() override;

    void Calculate() override;
    void CalcSegments() override;

    std::vector<ValueTableRow> FrontTableRows() const override { return FrontRows; }
    std::vector<ValueTableRow> BackTableRows() const override { return BackRows; }

    const TMJeansVariant& Variant() const { return variant_; }

    // The yoke line lies at or above "10".
    bool HighYoke() const { return !LowYoke(); }

protected:
    explicit TMJeansDraft(const TMJeansVariant& variant);

    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;

private:
    const TMJeansVariant& variant_;

    // The steps of the draft, in their order.
    void DraftLevels(float S, float p);
    void DraftFront();
    void DraftBack(float S, float p);
    void DraftPockets();
    // The pieces' outlines and construction lines, then the labels.
    void DrawOutlines(TDrawContext& dc, int outline) const;
    void DrawConstruction(TDrawContext& dc) const;
    void DrawLabels(TDrawContext& dc, bool printer) const;
};

// "Джинсы мужские": Ст, Сб, О бед.н.к., Дсб, Пт, Пб, П о.бед.н.к.
class TMJeans : public TMJeansDraft {
public:
    TMJeans();
};

// "Джинсы мужские 2": Ст, Сб, Вс, О бед.н.к., Дсб, Пт, Пб, Пвс, П о.бед.н.к.
class TMJeans2 : public TMJeansDraft {
public:
    TMJeans2();
};

// Registers both jeans with the piece factory and their order-file blocks
// (28 and 36 bytes).
void RegisterMJeans();
