#include "garments/common/DraftGeometry.h"

#include "kernel/Bezier.h"
#include "kernel/FloatStore.h"

namespace DraftGeom {

Vector Mid(const Vector& a, const Vector& b) {
    return FloatStore::Point((double(a.x) + b.x) / 2.0, (double(a.y) + b.y) / 2.0, "midpoint");
}

Vector Toward(const Vector& p, const Vector& q, double l) {
    return Geom::PointAlong(p, Vector::UnitBetween(p, q), FloatStore::Scalar(l, "point along"));
}

Vector Aside(const Vector& p, const Vector& q, const Vector& from, double l) {
    return Geom::PointAlong(from, Vector::UnitNormalBetween(p, q), FloatStore::Scalar(l, "point across"));
}

float QuadLength(const Vector& p0, const Vector& p1, const Vector& p2) {
    return FloatStore::Scalar(Bezier2::ArcLength(p0, p1, p2, 0.0f, 1.0f), "length of a curve");
}

void HemControls(float leftX, float rightX, float y, Vector& left, Vector& right) {
    left = Vector(FloatStore::Scalar(leftX / 3.0, "hem control"), y);
    right = Vector(FloatStore::Scalar(rightX / 3.0, "hem control"), y);
}

}  // namespace DraftGeom
