#include "collars/Lapel.h"

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace Lapel {

Vector RollTouch(const Vector& edgeTop, const Vector& neckPoint, float radius) {
    const double d = Geom::Distance(edgeTop, neckPoint);
    const float tangent = FloatStore::Scalar(Checked::Sqrt(d * d - double(radius) * radius, "roll line: tangent"),
                                             "roll line: tangent");
    return Geom::CircleCross(edgeTop, neckPoint, tangent, radius, 0);
}

Vector Fold(const Vector& touch, const Vector& along, const Vector& p) {
    return Geom::MirrorInAxes(touch, p, along, Vector::Perpendicular(along));
}

void BreakMarks::Place(const Vector& breakPoint, const Vector& foot, const Vector& l, const Vector& m) {
    Tick[0] = breakPoint - m * 0.2f;
    Tick[1] = breakPoint + m * 0.2f;
    Mark[0] = foot + m * 0.8f;
    Mark[1] = Mark[0] - m * 2.5f;
    Bar1[0] = Mark[0] - l * 0.2f;
    Bar1[1] = Mark[0] + l * 0.2f;
    Bar2[0] = Mark[1] - l * 0.2f;
    Bar2[1] = Mark[1] + l * 0.2f;
}

void BreakMarks::Draw(TDrawContext& dc, int markPen) const {
    dc.SetPenWidth(1);
    dc.MoveTo(Tick[1]);
    dc.LineTo(Tick[0]);
    dc.MoveTo(Bar1[0]);
    dc.LineTo(Bar1[1]);
    dc.MoveTo(Mark[0]);
    dc.SetPenWidth(markPen);
    dc.LineTo(Mark[1]);
    dc.SetPenWidth(1);
    dc.MoveTo(Bar2[0]);
    dc.LineTo(Bar2[1]);
}

}  // namespace Lapel
