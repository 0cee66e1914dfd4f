#include "collars/Collar.h"

#include <QLineEdit>
#include <cmath>

#include "garments/common/PatternPen.h"
#include "kernel/DrawContext.h"
#include "shell/Factory.h"
#include "shell/MainForm.h"

namespace {

void SetCollarCaption(const char* text) {
    if (MainForm && MainForm->CollarType) MainForm->CollarType->setText(QString::fromUtf8(text));
}

}  // namespace

bool DraggingCollar() { return MainForm && MainForm->DraggingCollar; }

// ---------------------------------------------------------------------------
// Handles

void CollarHandle::PlaceBox() {
    const float h = kHalfSide;
    Box[0] = Vector(Point.x - h, Point.y + h);
    Box[1] = Vector(Point.x + h, Point.y + h);
    Box[2] = Vector(Point.x - h, Point.y - h);
    Box[3] = Vector(Point.x + h, Point.y - h);
}

bool CollarHandle::Contains(float x, float y) const {
    return x >= Box[0].x && x <= Box[1].x && y >= Box[2].y && y <= Box[0].y;
}

void CollarHandle::Draw(TDrawContext& dc) const {
    const int color = dc.GetPenColor();
    dc.SetPenWidth(TCollarFrame::kOutlinePen);
    dc.SetPenColor(kColor);
    dc.MoveTo(Box[0]);
    dc.LineTo(Box[1]);
    dc.LineTo(Box[3]);
    dc.LineTo(Box[2]);
    dc.LineTo(Box[0]);
    dc.SetPenColor(color);
}

// ---------------------------------------------------------------------------
// The frame

TCollarFrame::TCollarFrame(int kind) {
    const char* caption = CollarCaption(kind);
    SetCollarCaption(caption ? caption : "");
}

TCollarFrame::~TCollarFrame() { SetCollarCaption(""); }

void TCollarFrame::ClearCaption() { SetCollarCaption(""); }

void TCollarFrame::AddHandle(CollarHandle& handle) { handles_.push_back(&handle); }

void TCollarFrame::PlaceHandle(CollarHandle& handle, const Vector& defaultPoint) const {
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
    dc.SetPenWidth(kOutlinePen);
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
    for (const CollarHandle* h : handles_) lastGood_.push_back(h->Point);
}

void TCollarFrame::Draw() { DrawPiece(ScreenDC); }

void TCollarFrame::DrawLabels() {
    LabelPiece(ScreenDC, false);
    for (const CollarHandle* h : handles_) h->Draw(ScreenDC);
}

void TCollarFrame::PrintOn(TDrawContext& dc) {
    DrawPiece(dc);
    LabelPiece(dc, true);
}

bool TCollarFrame::HitTest(float x, float y) {
    if (!MainForm || !MainForm->Model || !MainForm->Model->calculated) return false;
    for (CollarHandle* h : handles_) {
        if (h->Contains(x, y)) {
            grabbed_ = h;
            grabOffset_ = Vector(h->Point.x - x, h->Point.y - y);
            return true;
        }
    }
    return false;
}

void TCollarFrame::Drag(float x, float y) {
    if (!grabbed_) return;
    const Vector p(x + grabOffset_.x, y + grabOffset_.y);
    try {
        const Vector limited = Limit(*grabbed_, p);
        if (std::isfinite(limited.x) && std::isfinite(limited.y)) grabbed_->Point = limited;
    } catch (...) {
        // The handle stays at its last point.
    }
}
