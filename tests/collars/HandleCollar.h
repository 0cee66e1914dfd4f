// A small collar of the tests with one handle, the tip: by default at
// (5, 5) cm, kept within x <= 10 cm by its limits, and a draft that cannot
// be made beyond x = 8 cm.  It draws a line from (0, 0) to the tip.
#pragma once

#include <algorithm>
#include <stdexcept>

#include "collars/Collar.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"

class THandleCollar : public TCollarFrame {
public:
    DragHandle Tip;
    Vector Corner;           // drafted from the tip
    bool limitFails = false;  // the limits cannot judge the point

    static constexpr int kKind = 4;  // stands in for a lapel collar

    THandleCollar() : TCollarFrame(kKind) { AddHandle(Tip); }

protected:
    void Construct() override {
        PlaceHandle(Tip, Vector(5, 5));
        if (Tip.Point.x > 8) Checked::Fail("tip beyond the front edge");
        Corner = Vector(Tip.Point.x, 0);
        SetBox(0, Tip.Point.x, Tip.Point.y, 0);
    }
    void DrawPiece(TDrawContext& dc) const override {
        dc.MoveTo(Vector(0, 0));
        dc.LineTo(Tip.Point);
    }
    void LabelPiece(TDrawContext&, bool) const override {}
    Vector Limit(const DragHandle&, const Vector& p) const override {
        if (limitFails) throw std::runtime_error("no limit");
        return Vector(std::min(p.x, 10.0f), p.y);
    }
};
