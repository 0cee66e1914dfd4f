#include "garments/lower_women/JeansGarment.h"

#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"

TJeansGarment::TJeansGarment(const JeansColumn& column, const JeansTableTexts& tables, float waistBelowTop)
    : FrontSegments(size_t(tables.frontRows)),
      BackSegments(size_t(tables.backRows)),
      column_(column),
      tables_(tables),
      waistBelowTop_(waistBelowTop) {
    calculated = false;
    MeasureColumn::LayOut(column_.rows, column_.rowCount);
    MeasureColumn::WriteOrderCaption(column_.type);
    GarmentSheets::Show(JeansSheets::kSheets, true);
}

TJeansGarment::~TJeansGarment() {
    MeasureColumn::Hide(1, column_.rowCount);
    GarmentSheets::Show(JeansSheets::kSheets, false);
}

void TJeansGarment::ClearInputs(int) {
    calculated = false;
    MeasureColumn::ClearOrder(column_.type, 1, column_.rowCount);
}

void TJeansGarment::ShowMeasure(int n) {
    if (n >= 1 && n <= column_.rowCount) column_.illustrations[n - 1]();
}

void TJeansGarment::MeasureExtent(std::initializer_list<const Vector*> own) {
    JeansSheets::Box box;
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
    Extent = box;
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
// The sheets and the print command

void TJeansGarment::Draw() {
    if (!calculated || !JeansSheets::AttachPieces(waistBelowTop_)) return;
    DrawPieces(ScreenDC, GarmentSheets::kScreenOutline, false);
    GarmentSheets::Refresh(1);
}

void TJeansGarment::ClearSheets() { GarmentSheets::Clear(JeansSheets::kSheets); }

std::vector<ValueTableRow> TJeansGarment::FrontTableRows() const {
    return JeansSheets::Rows(tables_.front, FrontSegments.data(), tables_.frontRows);
}

std::vector<ValueTableRow> TJeansGarment::BackTableRows() const {
    return JeansSheets::BackRows(tables_.backBeforeYoke, BackSegments.data(), tables_.backRows);
}

void TJeansGarment::DrawTables(int) {
    if (calculated) JeansSheets::DrawTables({MeasureTableRows(), FrontTableRows(), BackTableRows()});
}

void TJeansGarment::Print() {
    JeansSheets::Print(
        calculated, Extent,
        [this](TDrawContext& dc, int outline, bool printer) { DrawPieces(dc, outline, printer); },
        {MeasureTableRows(), FrontTableRows(), BackTableRows()});
}
