// What the women's jeans (TWJeansBase) and shorts (TWShort) share besides
// the drafting of the front waist (TJeansFront) and of the back with its yoke
// (TJeansYoke): the hem points, the measurement column they lay out, the two
// sheets with the pieces and the three tables, and the print command.  Each
// garment drafts its own pieces and names its own measurements.
#pragma once

#include <initializer_list>
#include <vector>

#include "garments/common/JeansYoke.h"
#include "garments/common/LowerGarment.h"

class TJeansGarment : public TLowerGarment, public TJeansFront, public TJeansYoke {
public:
    // ---- The hem points besides the shared front and back. ----
    Vector H0, H01, H011, H1, H2, H3, H4;  // H01 0.5 above H0, H011 0.5 below
    Vector P5, P6, P7, P8;                 // the points labelled "5" .. "8"

    // ---- Derived values. ----
    float Excess = 0.0f;      // D = Сб + Пб − Ст − Пт
    float SideInset = 0.0f;   // T3.x − T.x
    float CrotchSeam = 0.0f;  // length of the crotch seam
    PatternSheets::Box PieceBox;  // of the drawn pieces, for printing

    // ---- The lengths of the segment tables, in the order of their rows. ----
    std::vector<float> FrontSegments;
    std::vector<float> BackSegments;

    // The rows of the three tables of sheet 2 (and of the printed tables
    // page).
    std::vector<ValueTableRow> FrontTableRows() const override;
    std::vector<ValueTableRow> BackTableRows() const override;

protected:
    // The waist line is drawn waistBelowTop cm below the top edge of sheet 1.
    TJeansGarment(const GarmentColumn& column, float waistBelowTop);

    // CalcSegments: the front table, and the back table from its hem rows,
    // the seat rows (TJeansYoke::SeatRows from the front hip point B), its
    // side rows and the yoke rows (TJeansYoke::YokeRows).
    void SetTables(std::vector<ValueTableRow> front, const std::vector<ValueTableRow>& backHem,
                   const std::vector<ValueTableRow>& backSides);

    // Extent: the shared front and back, the hem points, the yoke's lower
    // edge where it runs below "10", and the garment's own points.
    void MeasureExtent(std::initializer_list<const Vector*> own);

    // The yoke's middle line "13" → "y", the back pentagon in the outline
    // pen and its axis; the pen is left at width 1.
    void DrawYokeLineAndPentagon(TDrawContext& dc, int outline) const;
    // The construction of both inseams: "7" on the back's C5 → backLow with
    // its bulge "8", the line backLow → frontLow across, "5" on the front's
    // frontLow → C2 with its bulge "6".
    void DrawInseamConstruction(TDrawContext& dc, const Vector& backLow, const Vector& frontLow) const;

    // The pieces on the context (outline pen `outline`), with their labels.
    virtual void DrawHalves(TDrawContext& dc, int outline, bool printer) const = 0;

    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;
    Vector SheetOrigin() const override;
    // The printed back table's title stands at 30.
    std::vector<PlacedTable> Tables(TableMedium medium) const override;

private:
    std::vector<ValueTableRow> frontRows_;
    std::vector<ValueTableRow> backRows_;
    const float waistBelowTop_;
};
