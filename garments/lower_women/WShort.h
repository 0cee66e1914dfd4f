// The women's shorts ("Шорты женские", garment type 19): a front half with
// an arc line from the side seam to the waist, and a back half with a
// separate yoke above the line through the point "y" and a pentagon on the
// lower back panel, drafted from eight measurements.  The back above the hip
// line, the yoke and the front waist are drafted as in the women's jeans
// (TJeansYoke, TJeansFront).
//
// The draft lives in pattern centimetres, y up.  The line x = 0 is the base
// line; the waist lies at y = 0 and the shorts below it; front and back are
// drawn over each other on the base line.
#pragma once

#include <vector>

#include "garments/lower_women/JeansSheets.h"
#include "garments/lower_women/JeansYoke.h"
#include "garments/lower_women/ValueTable.h"
#include "kernel/Pieces.h"

// The garment type of the shorts in the piece factory.
constexpr int kWShortType = 19;

class TWShort : public TModel, public TJeansFront, public TJeansYoke {
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

    // ---- Construction points besides the shared front and back. ----
    Vector H0, H01, H011, H1, H2, H3, H4;
    Vector P5, P6, P7, P8;   // the points labelled "5" .. "8"
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

    // ---- Derived values. ----
    float Excess = 0.0f;      // D = Сб + Пб − Ст − Пт
    float SideInset = 0.0f;   // diff = T3.x − T.x
    float InseamShape = 0.0f; // k, 0 .. 1: how far the inseams bulge
    float CrotchSeam = 0.0f;  // length of the crotch seam
    JeansSheets::Box Extent;  // of the drawn pieces, for printing

    // ---- The segment tables, in the order of their rows. ----
    static constexpr int kFrontRows = 15;  // row 0 shows Дш itself
    static constexpr int kBackRows = 25;
    float FrontSegments[kFrontRows] = {};
    float BackSegments[kBackRows] = {};

    TWShort();
    ~TWShort() override;

    bool GetMeasures() override;
    void Calculate() override;
    void Draw() override;
    void RedrawCollar() override {}
    void RedrawSleeve() override {}
    void ClearSheets() override;
    void ClearInputs(int sleeveKind) override;
    void ShowMeasure(int n) override;
    void CalcSegments() override;
    void DrawTables(int scale) override;
    void Print() override;
    void SaveMeasures(RecordWriter& f) override;
    void LoadMeasures(RecordReader& f) override;

    // The rows of the three tables of sheet 2 (and of the printed tables
    // page).
    std::vector<ValueTableRow> MeasureTableRows() const;
    std::vector<ValueTableRow> FrontTableRows() const;
    std::vector<ValueTableRow> BackTableRows() const;

private:
    void DrawPieces(TDrawContext& dc, int outline, bool printer) const;
    void MeasureExtent();
};

// Registers the shorts with the piece factory and its order-file block
// (32 bytes).
void RegisterWShort();
