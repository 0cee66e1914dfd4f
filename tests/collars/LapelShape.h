// The relations the jacket collar with lapel and the shawl collar keep,
// whatever front they are drafted on, and the limits their break point
// keeps after a drag.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "collars/ForCoat.h"
#include "collars/Shawl.h"
#include "kernel/Bezier.h"

namespace lapel_shape {

// Distance of p from the line through a along d (signed: positive left).
inline float OffLine(const Vector& p, const Vector& a, const Vector& d) {
    return Vector::Cross(d, p - a) / std::sqrt(Vector::Dot(d, d));
}
inline bool Finite(const Vector& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// What both collars place alike around the break point b.
inline void ExpectBreakMarks(const TLapelCollar& c, const OpenFront& f) {
    const Vector b = c.BreakPoint.Point;
    const Vector& A5 = f.Neck.A5;
    EXPECT_EQ(c.L, Vector(A5.x, b.y));
    EXPECT_EQ(c.L1, Vector(b.x, b.y + 1.0f));
    EXPECT_EQ(c.EdgeBottom, Vector(b.x, f.Hem.y));
    // The buttonhole runs 2.5 cm from A5.x + 0.8 back to A5.x − 1.7.
    EXPECT_NEAR(c.MarkRight.x, A5.x + 0.8f, 1e-4);
    EXPECT_NEAR(c.MarkLeft.x, A5.x - 1.7f, 1e-4);
    EXPECT_EQ(c.MarkRight.y, b.y);
    EXPECT_NEAR(std::fabs(c.MarkRightBar[0].y - c.MarkRightBar[1].y), 0.4f, 1e-4);
    EXPECT_NEAR(std::fabs(c.CentreTick[0].y - c.CentreTick[1].y), 0.2f, 1e-4);
    EXPECT_NEAR(std::fabs(c.BreakTick[0].x - c.BreakTick[1].x), 0.4f, 1e-4);
    // The handle's box, 1.2 cm square about the break point.
    EXPECT_EQ(c.BreakPoint.Box[0], Vector(b.x - 0.6f, b.y + 0.6f));
    EXPECT_EQ(c.BreakPoint.Box[3], Vector(b.x + 0.6f, b.y - 0.6f));
    // "L0 :" and ":".
    EXPECT_EQ(c.ExtensionAtBreak, b.x - f.G3.x);
    EXPECT_NEAR(OffLine(c.RollFront, f.G3, A5 - f.G3), 0, 1e-3);
    EXPECT_FLOAT_EQ(c.RollDepth, A5.y - c.RollFront.y);
}

inline void ExpectForCoatShape(const TForCoat& c, const OpenFront& f) {
    const Vector& A4 = f.Neck.A4;
    const Vector& A5 = f.Neck.A5;
    const Vector& X = f.NeckCentre;
    const float r = Geom::Distance(X, A5);
    const float s1 = c.StandHeight;
    ExpectBreakMarks(c, f);
    EXPECT_EQ(c.FallWidth, s1 + 1.5f);
    EXPECT_EQ(c.LapelWidth, 2 * s1 + 0.5f);
    EXPECT_EQ(c.NeckLength, f.Neck.BackNeckLength);
    // С on the shoulder line prolonged s1 − 0.5 past A4.
    EXPECT_NEAR(Geom::Distance(c.C, A4), s1 - 0.5f, 1e-4);
    EXPECT_NEAR(OffLine(c.C, f.ShoulderEnd, A4 - f.ShoulderEnd), 0, 1e-3);
    EXPECT_GT(Vector::Dot(c.C - A4, A4 - f.ShoulderEnd), 0);
    // С1 up the roll line L1 -> С, N + 0.5 past С; F on it and on the
    // neck circle.
    const Vector roll = c.C - c.L1;
    EXPECT_NEAR(Geom::Distance(c.C1, c.C), c.NeckLength + 0.5f, 1e-3);
    EXPECT_NEAR(OffLine(c.C1, c.L1, roll), 0, 1e-3);
    EXPECT_NEAR(OffLine(c.F, c.L1, roll), 0, 1e-3);
    EXPECT_NEAR(Geom::Distance(c.F, X), r, 1e-3);
    // The swing: about F, chord s1 + s2 − Пк/8.
    EXPECT_NEAR(Geom::Distance(c.F, c.SwungEnd), Geom::Distance(c.F, c.C1), 1e-3);
    EXPECT_NEAR(Geom::Distance(c.C1, c.SwungEnd), s1 + c.DeflectionBase - 0.125f * f.Posture, 1e-3);
    // С6 where the tangent from SwungEnd touches the neck circle.
    EXPECT_NEAR(Geom::Distance(c.C6, X), r, 1e-3);
    EXPECT_NEAR(Vector::Dot(c.C6 - X, c.SwungEnd - c.C6) / Geom::Distance(c.SwungEnd, c.C6), 0, 1e-3);
    // The neck edge, trimmed or prolonged, is as long as the bodice's
    // neckline from С6 (to the 40-step walk's approximation).
    const double garment = c.NeckLength + 2.0 * r * std::asin(Geom::Distance(A4, c.C6) / (2.0 * r));
    double edge = Bezier3::Length(c.C6, c.NeckCtrl1, c.NeckCtrl2, c.P6, 30) +
                  Bezier2::ArcLength(c.P6, c.BackCtrl, c.SwungEnd, 0, 1);
    EXPECT_NEAR(garment - edge, c.LengthDiff, 1e-3);
    if (c.LengthDiff > 0) {
        edge += Geom::Distance(c.SwungEnd, c.C2);
        EXPECT_NEAR(OffLine(c.C2, c.SwungEnd, c.SwungEnd - c.BackCtrl), 0, 1e-3);
        EXPECT_EQ(c.TrimParam, 0);
    } else if (c.LengthDiff < 0) {
        edge -= Bezier2::ArcLength(c.SwungEnd, c.BackCtrl, c.P6, 0, c.TrimParam);
        EXPECT_GT(c.TrimParam, 0);
    } else {
        EXPECT_EQ(c.C2, c.SwungEnd);
    }
    EXPECT_NEAR(edge, garment, 0.02);
    // The back line: s1 then the fall, straight.
    EXPECT_NEAR(Geom::Distance(c.C2, c.C3), s1, 1e-3);
    EXPECT_NEAR(Geom::Distance(c.C3, c.C4), c.FallWidth, 1e-3);
    EXPECT_NEAR(OffLine(c.C4, c.C2, c.C3 - c.C2), 0, 1e-3);
    // The collar's end: on the line SwungEnd–A4, the whole width out.
    EXPECT_NEAR(OffLine(c.EdgeCross, A4, A4 - c.SwungEnd), 0, 0.01);
    EXPECT_NEAR(Geom::Distance(c.EdgeCross, c.OuterCross), 2 * s1 + 1.5f, 1e-3);
    // The lapel, and its fold across the roll line RollPoint -> L1.
    EXPECT_NEAR(Geom::Distance(c.LapelPoint, A5), c.LapelWidth, 1e-3);
    EXPECT_EQ(c.LapelCorner, Vector(A5.x + c.LapelWidth, A5.y));
    EXPECT_NEAR(OffLine(c.RollPoint, c.L1, roll), 0, 1e-3);
    EXPECT_NEAR(OffLine(c.RollPoint, c.C6, X - c.C6), 0, 1e-3);
    const Vector axis = c.L1 - c.RollPoint;
    for (const auto& pair : {std::make_pair(A5, c.MirroredA5), std::make_pair(c.LapelCorner, c.MirroredLapelCorner),
                             std::make_pair(X, c.MirroredCentre)}) {
        EXPECT_NEAR(OffLine(pair.first, c.RollPoint, axis), -OffLine(pair.second, c.RollPoint, axis), 1e-3);
        EXPECT_NEAR(Vector::Dot(pair.second - pair.first, axis), 0, 1e-3);
    }
    // The extent box.
    EXPECT_EQ(c.BoxLeft, std::min(c.C2.x, c.SwungEnd.x));
    EXPECT_EQ(c.BoxRight, std::max(c.LapelCorner.x, c.BreakPoint.Point.x));
    EXPECT_EQ(c.BoxTop, c.C4.y);
    EXPECT_EQ(c.BoxBottom, f.B21.y);
}

inline void ExpectShawlShape(const TShawl& c, const OpenFront& f) {
    const Vector& A4 = f.Neck.A4;
    const Vector& A5 = f.Neck.A5;
    const Vector& X = f.NeckCentre;
    const float r = Geom::Distance(X, A5);
    const float s = c.StandHeight;
    ExpectBreakMarks(c, f);
    EXPECT_EQ(c.FallWidth, s + 1.5f);
    EXPECT_EQ(c.NeckLength, f.NeckLength);
    EXPECT_NEAR(c.BreakDrop, 0.15f * (f.G3.y - f.BreakGuide.y), 1e-4);
    // C: where the roll line from L1 touches the circle of radius s about A4.
    EXPECT_NEAR(Geom::Distance(c.C, A4), s, 1e-3);
    EXPECT_NEAR(Vector::Dot(c.C - A4, c.C - c.L1) / Geom::Distance(c.C, c.L1), 0, 1e-3);
    EXPECT_NEAR(Geom::Distance(c.C5, c.C), c.FallWidth, 1e-3);
    EXPECT_NEAR(OffLine(c.C5, A4, c.C - A4), 0, 1e-3);
    const Vector roll = c.C - c.L1;
    EXPECT_NEAR(Geom::Distance(c.C1, c.C), c.NeckLength, 1e-3);
    EXPECT_NEAR(OffLine(c.C1, c.L1, roll), 0, 1e-3);
    if (c.F != X) {
        EXPECT_NEAR(OffLine(c.F, c.L1, roll), 0, 1e-3);
        EXPECT_NEAR(Geom::Distance(c.F, X), r, 1e-3);
    }
    // C1 turned about F by the lowered neckline's excess over the fall.
    EXPECT_NEAR(Geom::Distance(c.F, c.TurnedEnd), Geom::Distance(c.F, c.C1), 1e-3);
    const Vector a = c.C - c.L1, b = c.TurnedEnd - c.F;
    EXPECT_NEAR(std::atan2(Vector::Cross(a, b), Vector::Dot(a, b)), f.LowNeckExcess / c.FallWidth, 1e-3);
    // The neck edge A4 -> C2 measures N within 0.1 cm, and leaves A4 along
    // the neck circle.
    EXPECT_NEAR(Bezier2::ArcLength(A4, c.NeckCtrl, c.C2, 0, 1), c.NeckLength, 0.1f);
    EXPECT_NEAR(Vector::Dot(c.NeckCtrl - A4, X - A4), 0, 1e-3);
    // The back edge: s then s + 1.5, square to the neck edge's end.
    EXPECT_NEAR(Geom::Distance(c.C2, c.C3), s, 1e-3);
    EXPECT_NEAR(Geom::Distance(c.C3, c.C4), s + 1.5f, 1e-3);
    EXPECT_NEAR(Vector::Dot(c.C4 - c.C2, c.C2 - c.NeckCtrl) / Geom::Distance(c.C2, c.NeckCtrl), 0, 1e-3);
    // A51 1 cm below A5; the tangent from it touches the neck circle; L2
    // lies on that tangent.
    EXPECT_EQ(c.A51, Vector(A5.x, A5.y - 1.0f));
    EXPECT_NEAR(Geom::Distance(c.NeckTangent, X), r, 1e-3);
    EXPECT_NEAR(Vector::Dot(c.NeckTangent - X, c.A51 - c.NeckTangent), 0, 1e-2);
    EXPECT_NEAR(OffLine(c.L2, c.NeckTangent, c.A51 - c.NeckTangent), 0, 0.01);
    // The extent box.
    EXPECT_EQ(c.BoxLeft, std::min(c.C2.x, c.TurnedEnd.x));
    EXPECT_EQ(c.BoxRight, c.BreakPoint.Point.x);
    EXPECT_EQ(c.BoxTop, c.C4.y);
    EXPECT_EQ(c.BoxBottom, f.ShawlBottom.y);
}

}  // namespace lapel_shape
