// The women's jeans: "Джинсы женские" (TWJeans, garment type 2) and
// "Джинсы женские 2" (TWJeans2, type 18).  Both draft one method: a front
// half with an arc line from the side seam to the waist, a back half divided
// into a lower back panel and a yoke, a pentagon on the lower back panel,
// straight legs from the knee down, and the length of the crotch seam.
// TWJeans takes seven measurements and derives the seat depth from the hip
// girth; TWJeans2 takes nine, the seat height Вс and its ease Пвс among
// them.  Everything else is one implementation, TWJeansBase, which the two
// configure with their measurement rows, record and table; what the jeans
// share with the shorts (the column, the sheets, printing) is TJeansGarment.
//
// The draft lives in pattern centimetres, y up.  The line x = 0 is the base
// line (the crease of both halves); the waist lies at y = 0 and the legs
// below it; front and back are drawn over each other on the base line.
#pragma once

#include <vector>

#include "garments/lower_women/JeansGarment.h"

// The garment types of the two jeans in the piece factory.
constexpr int kWJeansType = 2;
constexpr int kWJeans2Type = 18;

class TWJeansBase;

// What tells the two jeans apart: the column (with the order record, and
// the table text "Дб" of TWJeans's length), the field of each edit, and
// where the seat depth comes from.
struct TWJeansVariant : GarmentColumn {
    using Field = float TWJeansBase::*;
    std::vector<Field> editFields;  // the field of each edit, in edit order
    bool seatFromHip;               // W = 0.5·Сб − 1.5 and no seat ease (TWJeans), else W = Вс, E = Пвс
};

class TWJeansBase : public TJeansGarment {
public:
    // ---- Measurements (cm). ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SeatHeight = 0.0f;      // Вс (TWJeans2)
    float KneeGirth = 0.0f;       // Ок
    float FrontLength = 0.0f;     // Дсп, trouser length at the front
    float KneeEase = 0.0f;        // Пок
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    float SeatEase = 0.0f;        // Пвс (TWJeans2)
    float SeatDepth = 0.0f;       // W: 0.5·Сб − 1.5 (TWJeans) or Вс (TWJeans2)

    // ---- Construction points besides the shared front, back and hem. ----
    Vector K0, K1, K2, K3, K4;
    Vector P3, P4, P11, P12;  // the points labelled "3", "4", "11", "12"
    Vector j11, j12, j13;     // controls of the front side B → "4" → K1
    Vector j14, j15;          // controls of the front hem
    Vector j16, j17;          // controls of the front inner leg K2 → "6" → C2
    Vector j20, j21;          // controls of the back hem
    Vector j28, j29, j30;     // controls of the back side B3 → "12" → K3
    Vector j31, j32;          // controls of the back inner leg K4 → "8" → C5
    Vector j43;               // start of the back crotch curve
    Vector j44;               // where "Средний срез:" is written

    // ---- The rows of the segment tables (SideInset is s). ----
    static constexpr int kFrontRows = 20;  // row 0 shows Дсп itself
    static constexpr int kBackRows = 26;

    explicit TWJeansBase(const TWJeansVariant& variant);
    ~TWJeansBase() override;

    void Calculate() override;
    void CalcSegments() override;

    const TWJeansVariant& Variant() const { return variant_; }

private:
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawHalves(TDrawContext& dc, int outline, bool printer) const override;
    void DrawLabels(TDrawContext& dc, bool printer) const;

    const TWJeansVariant& variant_;
};

// "Джинсы женские": Ст, Сб, Ок, Дсп, Пт, Пб, Пок.
class TWJeans : public TWJeansBase {
public:
    TWJeans();
};

// "Джинсы женские 2": Ст, Сб, Вс, Ок, Дсп, Пт, Пб, Пвс, Пок.
class TWJeans2 : public TWJeansBase {
public:
    TWJeans2();
};

// Registers both jeans with the piece factory and their order-file blocks
// (28 and 36 bytes).
void RegisterWJeans();
