#include "collars/Lapel.h"

#include <cmath>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace Lapel {

Vector Touch(const Vector& from, const Vector& centre, float radius, int flag, const char* what) {
    const double d = Geom::Distance(from, centre);
    const float tangent = FloatStore::Scalar(Checked::Sqrt(d * d - double(radius) * radius, what), what);
    return Geom::CircleCross(from, centre, tangent, radius, flag);
}

Vector EnterCircle(const Vector& start, const Vector& through, const Vector& centre, float radius) {
    const Vector u = Vector::UnitBetween(start, through);
    const Vector n = Vector::Perpendicular(u);
    const double a = Vector::Dot(centre - start, n);
    // Beyond the radius on either side the line misses the circle.
    if (std::fabs(a) > radius) return centre;
    const float along =
        FloatStore::Scalar(Checked::Sqrt(double(radius) * radius - a * a, "roll line: neck circle"), "roll line: neck circle");
    return centre - n * float(a) - u * along;
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
