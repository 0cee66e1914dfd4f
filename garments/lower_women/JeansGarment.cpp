#include "garments/lower_women/JeansGarment.h"

#include <utility>

#include "kernel/DrawContext.h"
#include "kernel/Units.h"

TJeansGarment::TJeansGarment(const GarmentColumn& column, float waistBelowTop)
    : TLowerGarment(column), waistBelowTop_(waistBelowTop) {}

void TJeansGarment::MeasureExtent(std::initializer_list<const Vector*> own) {
    PatternSheets::Box box;
    for (const Vector* p :
         {&T0,  &T,   &T1,   &T11,  &T111, &T3,  &T4,  &B0,  &B,   &B1,  &C0,  &C,   &C1,  &C2,  &P1,  &P2,
          &HipUpperCtrl, &HipLowerCtrl, &CrotchCtrl, &H1, &H2, &H3, &H4, &H011, &P6, &P8, &B3, &B4, &B5, &C3,
          &C4, &C5, &T5, &T6, &P10, &SideUpperCtrl, &SideLowerCtrl, &P13, &Y, &T51, &T52, &T53, &T61, &T62,
          &T63, &EdgeP10, &EdgeUpperCtrl, &PentBottom, &PentTopLeft, &PentTopRight})
        box.Take(p->x, p->y);
    for (const Vector* p : own) box.Take(p->x, p->y);
    if (LowYoke()) {
        box.Take(EdgeLowerCtrl.x, EdgeLowerCtrl.y);
        box.Take(EdgeB3.x, EdgeB3.y);
    }
    PieceBox = box;
}

void TJeansGarment::DrawYokeLineAndPentagon(TDrawContext& dc, int outline) const {
    dc.SetPenWidth(1);
    dc.MoveTo(P13);
    dc.LineTo(Y);
    dc.SetPenWidth(outline);
    DrawPentagon(dc);
    dc.SetPenWidth(1);
    DrawPentagonAxis(dc);
}

void TJeansGarment::DrawInseamConstruction(TDrawContext& dc, const Vector& backLow, const Vector& frontLow) const {
    dc.MoveTo(C5);
    dc.LineTo(P7);
    dc.LineTo(P8);
    dc.MoveTo(P7);
    dc.LineTo(backLow);
    dc.LineTo(frontLow);
    dc.LineTo(P5);
    dc.LineTo(P6);
    dc.MoveTo(P5);
    dc.LineTo(C2);
}

// ---------------------------------------------------------------------------
// The sheets and the tables

void TJeansGarment::DrawPieces(const PieceTarget& t) const { DrawHalves(t.dc, t.outline, t.printer); }

PatternSheets::Box TJeansGarment::Extent() const { return PieceBox; }

Vector TJeansGarment::SheetOrigin() const { return Vector(kSheetQuarterWidth * 2, waistBelowTop_); }

std::vector<PlacedTable> TJeansGarment::Tables(TableMedium medium) const {
    std::vector<PlacedTable> tables = TLowerGarment::Tables(medium);
    if (medium == TableMedium::Paper) tables[2].layout = BackHalfTableLayout(medium, 30);
    return tables;
}

void TJeansGarment::SetTables(std::vector<ValueTableRow> front, const std::vector<ValueTableRow>& backHem,
                              const std::vector<ValueTableRow>& backSides) {
    frontRows_ = std::move(front);
    backRows_.clear();
    for (const std::vector<ValueTableRow>& part : {backHem, SeatRows(B), backSides, YokeRows()})
        backRows_.insert(backRows_.end(), part.begin(), part.end());
    FrontSegments.clear();
    for (const ValueTableRow& r : frontRows_) FrontSegments.push_back(r.value);
    BackSegments.clear();
    for (const ValueTableRow& r : backRows_) BackSegments.push_back(r.value);
}

std::vector<ValueTableRow> TJeansGarment::FrontTableRows() const { return frontRows_; }

std::vector<ValueTableRow> TJeansGarment::BackTableRows() const { return backRows_; }
