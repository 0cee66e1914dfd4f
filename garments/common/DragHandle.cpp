#include "garments/common/DragHandle.h"

#include <cmath>

#include "kernel/Models.h"
#include "shell/MainForm.h"

void DragHandle::PlaceBox() {
    const float h = kHalfSide;
    Box[0] = Vector(Point.x - h, Point.y + h);
    Box[1] = Vector(Point.x + h, Point.y + h);
    Box[2] = Vector(Point.x - h, Point.y - h);
    Box[3] = Vector(Point.x + h, Point.y - h);
}

bool DragHandle::Contains(float x, float y) const {
    return x >= Box[0].x && x <= Box[1].x && y >= Box[2].y && y <= Box[0].y;
}

void DragHandle::Draw(TDrawContext& dc) const {
    // Drawn on paper, it stays where the screen shows it.
    if (const TDrawContext::SheetMark here = dc.MarkHere(); here.sheet != 0) drawn_ = here;
    const int color = dc.GetPenColor();
    dc.SetPenWidth(kPenWidth);
    dc.SetPenColor(kColor);
    dc.MoveTo(Box[0]);
    dc.LineTo(Box[1]);
    dc.LineTo(Box[3]);
    dc.LineTo(Box[2]);
    dc.LineTo(Box[0]);
    dc.SetPenColor(color);
}

bool DragHandle::DrawnOn(int sheet) const { return ScreenDC.StillOn(drawn_, sheet); }

bool DragHandle::Grab(int sheet, float x, float y) {
    if (!MainForm || !MainForm->Model || !MainForm->Model->calculated) return false;
    if (!DrawnOn(sheet) || !Contains(x, y)) return false;
    GrabOffset = Vector(Point.x - x, Point.y - y);
    DragPoint = Point;
    return true;
}

bool DragHandle::Follow(float x, float y) {
    const Vector p(x + GrabOffset.x, y + GrabOffset.y);
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    DragPoint = p;
    return true;
}
