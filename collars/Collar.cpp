#include "collars/Collar.h"

#include <QLineEdit>
#include <cmath>

#include "garments/common/PatternPen.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"
#include "shell/Factory.h"
#include "shell/MainForm.h"

namespace {

void SetCollarCaption(const char* text) {
    if (MainForm && MainForm->CollarType) MainForm->CollarType->setText(QString::fromUtf8(text));
}

}  // namespace

bool DraggingCollar() { return MainForm && MainForm->DraggingCollar; }

// ---------------------------------------------------------------------------
// The frame

TCollarFrame::TCollarFrame(int kind) {
    const char* caption = CollarCaption(kind);
    SetCollarCaption(caption ? caption : "");
}

TCollarFrame::~TCollarFrame() { SetCollarCaption(""); }

void TCollarFrame::ClearCaption() { SetCollarCaption(""); }

void TCollarFrame::AddHandle(DragHandle& handle) { handles_.push_back(&handle); }

void TCollarFrame::PlaceHandle(DragHandle& handle, const Vector& defaultPoint) const {
    if (!DraggingCollar()) handle.Point = defaultPoint;
    handle.PlaceBox();
}

void TCollarFrame::SetBox(float left, float right, float top, float bottom) {
    BoxLeft = left;
    BoxRight = right;
    BoxTop = top;
    BoxBottom = bottom;
}

void TCollarFrame::LinesTo(TDrawContext& dc, std::initializer_list<Vector> points) {
    for (const Vector& p : points) dc.LineTo(p);
}

void TCollarFrame::Path(TDrawContext& dc, std::initializer_list<Vector> points) {
    PatternPen{dc, false}.Line(points);
}

void TCollarFrame::RoundedCorner(TDrawContext& dc, const Vector& from, const Vector& vertex, const Vector& to,
                                 int chords) {
    dc.LineTo(from);
    dc.Bezier2(from, vertex, to, chords);
}

void TCollarFrame::TrimmedArc(TDrawContext& dc, const Vector& p0, const Vector& p1, const Vector& p2, float start,
                              float keep, int keptChords, int trimmedChords) {
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2Part(p0, p1, p2, start, keep, keptChords);
    dc.SetPenWidth(kConstructionPen);
    dc.Bezier2Part(p0, p1, p2, keep, 1, trimmedChords);
}

void TCollarFrame::Calculate() {
    try {
        Construct();
    } catch (...) {
        if (DraggingCollar() && lastGood_.size() == handles_.size()) {
            for (std::size_t i = 0; i < handles_.size(); ++i) handles_[i]->Point = lastGood_[i];
            try {
                Construct();
            } catch (...) {
                // The failure that counts is the first one.
            }
        }
        throw;
    }
    lastGood_.clear();
    for (const DragHandle* h : handles_) lastGood_.push_back(h->Point);
}

void TCollarFrame::Draw() { DrawPiece(ScreenDC); }

void TCollarFrame::DrawLabels() {
    LabelPiece(ScreenDC, false);
    for (const DragHandle* h : handles_) h->Draw(ScreenDC);
}

int TCollarFrame::OutlinePen(const TDrawContext& dc) {
    return &dc == &PrinterDC ? GarmentSheets::kPaperOutline : GarmentSheets::kScreenOutline;
}

void TCollarFrame::PrintOn(TDrawContext& dc) {
    DrawPiece(dc);
    LabelPiece(dc, true);
}

bool TCollarFrame::HitTest(int sheet, float x, float y) {
    for (DragHandle* h : handles_) {
        if (h->Grab(sheet, x, y)) {
            grabbed_ = h;
            return true;
        }
    }
    return false;
}

void TCollarFrame::Drag(float x, float y) {
    if (!grabbed_ || !grabbed_->Follow(x, y)) return;
    try {
        const Vector limited = Limit(*grabbed_, grabbed_->DragPoint);
        if (std::isfinite(limited.x) && std::isfinite(limited.y)) grabbed_->Point = limited;
    } catch (...) {
        // The handle stays at its last point.
    }
}
