// The women's shorts ("Шорты женские", garment type 19): a front half with
// an arc line from the side seam to the waist, and a back half with a
// separate yoke above the line through the point "y" and a pentagon on the
// lower back panel, drafted from eight measurements.  The back above the hip
// line, the yoke and the front waist are drafted as in the women's jeans
// (TJeansYoke, TJeansFront), and the shorts lay out their column, sheets and
// printed pages as the jeans do (TJeansGarment).
//
// The draft lives in pattern centimetres, y up.  The line x = 0 is the base
// line; the waist lies at y = 0 and the shorts below it; front and back are
// drawn over each other on the base line.
#pragma once

#include <vector>

#include "garments/lower_women/JeansGarment.h"

// The garment type of the shorts in the piece factory.
constexpr int kWShortType = 19;

class TWShort : public TJeansGarment {
public:
    // ---- Measurements (cm), in the order of the rows, the table and the
    //      order-file block. ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SeatHeight = 0.0f;      // Вс
    float ShortsLength = 0.0f;    // Дш
    float HemWidth = 0.0f;        // Шн
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    float SeatEase = 0.0f;        // Пвс

    // ---- Construction points besides the shared front, back and hem. ----
    Vector s3;               // the crotch line meets the front side line H1 → B continued
    Vector s4, s5;           // controls of the front side B → H1
    Vector s6, s7;           // controls of the front hem
    Vector s8;               // centre of the compass that places T6
    Vector s9, s10;          // controls of the front inseam H2 → "6" → C2
    Vector s15;              // start of the back crotch curve, halfway C3 → C5
    Vector s16;              // back crotch curve meets the hip line
    Vector s31;              // the crotch line meets the back side line H3 → B3 continued
    Vector s32, s33;         // controls of the back side B3 → H3
    Vector s34, s35;         // controls of the back hem
    Vector s36, s37;         // controls of the back inseam H4 → "8" → C5
    Vector s46;              // where "Средний срез:" is written

    // ---- Derived values besides the shared ones (SideInset is diff). ----
    float InseamShape = 0.0f; // k, 0 .. 1: how far the inseams bulge

    // ---- The rows of the segment tables. ----
    static constexpr int kFrontRows = 15;  // row 0 shows Дш itself
    static constexpr int kBackRows = 25;

    TWShort();
    ~TWShort() override;

    void Calculate() override;
    void CalcSegments() override;

private:
    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawHalves(TDrawContext& dc, int outline, bool printer) const override;
};

// Registers the shorts with the piece factory and its order-file block
// (32 bytes).
void RegisterWShort();
