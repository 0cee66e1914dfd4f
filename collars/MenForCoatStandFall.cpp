// The men's jacket collar's two separate pieces: the stand, upright above
// the garment's back neck point A01 with a neck edge as long as the
// collar's neck edge on the front, and the fall, mapped from the front into
// its own frame and spread until its roll line is as long as the stand's top
// edge while its outer edge keeps its length; with the fall's cutting line
// 0.5 cm outside its outer edge.
#include <cmath>

#include "collars/MenForCoat.h"
#include "garments/coats_men/MenPattern.h"
#include "collars/LapelSteps.h"
#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

using DraftSteps::Arc;
using LapelSteps::Cross;
using LapelSteps::Turned;
using LapelSteps::Unit;

// p turned about centre by angle radians, counter-clockwise.
Vector TurnedAbout(const Vector& p, const Vector& centre, float angle) {
    return centre + Geom::Rotated(p - centre, angle);
}

constexpr float kStandAboveA01 = 5.0f;  // the stand's neck edge starts 5 cm above A01
constexpr float kSeamAllowance = 0.5f;  // the fall's cutting line outside its outer edge
constexpr float kSeamReach = 0.6f;      // and beyond its front end

}  // namespace

void TMenForCoat::PlaceStand(const TMenPattern& g) {
    const float s1 = StandHeight;
    // 1. The neck curve's part beyond CrossPoint and the angle at A6.
    const float c = Geom::ComplementAngle(A5, A6, g.A4);
    float w = Arc(C2, NeckCtrl, A6, CrossParam, 1);
    // 2., 3. The back edge s1 high, 5 cm above A01; the neck edge's control
    //    as far from it as the neck curve's part up to CrossPoint.
    StandC2 = Vector(g.A01.x, g.A01.y + kStandAboveA01);
    StandC3 = Vector(g.A01.x, g.A01.y + kStandAboveA01 + s1);
    StandNeckCtrl = Vector(StandC2.x + Arc(C2, NeckCtrl, A6, 0, CrossParam), StandC2.y);
    // 4. The front end: StandA6 w from the control and s1 from StandF2 on
    //    the top edge.
    const auto place = [&] {
        const double r2 = (double(w) * w + double(s1) * s1 - double(w) * 2 * s1 * c) - double(s1) * s1;
        const float r = FloatStore::Scalar(Checked::Sqrt(r2, "men's jacket collar: stand"), "stand");
        StandF2 = Vector(StandNeckCtrl.x + r, StandC3.y);
        StandA6 = Geom::CircleCross(StandNeckCtrl, StandF2, w, s1, 0);
    };
    place();
    // 5. As long as the neck edge on the front.
    Lapel::MatchLength(
        neckTarget_ - Arc(StandC2, StandNeckCtrl, StandA6),
        [&](float d) {
            w += d;
            place();
            return neckTarget_ - Arc(StandC2, StandNeckCtrl, StandA6);
        },
        "men's jacket collar: stand length");
}

void TMenForCoat::PlaceFall(const TMenPattern& g) {
    const float s1 = StandHeight;
    // 2. The fall from the front into its frame at C3, shifted above the
    //    stand.
    PieceAxes.Init(C3, Unit(TurnedEnd, C));
    const float e = Vector::Dot(Unit(C4, C2), F2 - C3);
    const Vector shift(g.A01.x, s1 + (e + g.A01.y) + 6.5f);
    const auto map = [&](const Vector& p) { return PieceAxes.ToLocal(p) + shift; };
    PieceC3 = map(C3);
    PieceBackOuter = map(C4);
    PieceOuterPoint = map(OuterPoint);
    PieceEndPoint = map(EndPoint);
    PieceA5 = map(A5);
    PieceF2 = map(F2);
    PieceFoldCtrl = map(C);
    PieceOuterCtrl1 = map(OuterCtrl1);
    PieceOuterCtrl2 = map(OuterCtrl2);
    PieceOuterMid = map(OuterMid);

    // 3. Spread about the outer point until the roll line is as long as the
    //    stand's top edge, the outer edge kept at its length.
    const float alpha = Geom::Angle(EndPoint, A5, A6);
    const float k = FloatStore::Scalar(double(Geom::Distance(PieceOuterPoint, PieceA5)) * 0.64, "fall spread");
    const float outer = Arc(PieceBackOuter, PieceOuterCtrl1, PieceOuterMid) +
                        Arc(PieceOuterMid, PieceOuterCtrl2, PieceEndPoint);
    const float R = StandF2.x - StandC2.x;
    const float e3 = Geom::Distance(PieceF2, PieceA5);
    Lapel::MatchLength(
        R - Arc(PieceC3, PieceFoldCtrl, PieceF2),
        [&](float d) {
            const float phi = FloatStore::Scalar(Checked::Div(d, k, "men's jacket collar: fall spread"), "spread");
            PieceOuterCtrl2 = TurnedAbout(PieceOuterCtrl2, PieceOuterPoint, phi / 2);
            PieceEndPoint = TurnedAbout(PieceEndPoint, PieceOuterPoint, phi);
            const Vector l = Unit(PieceOuterCtrl1, PieceOuterCtrl2);
            const Vector m = Turned(l);
            PieceOuterMid = PieceOuterCtrl1 + l * Geom::Distance(PieceOuterCtrl1, PieceOuterMid);
            PieceOuterPoint = PieceOuterCtrl1 + l * Geom::Distance(PieceOuterCtrl1, PieceOuterPoint);

            const Vector o = Unit(PieceOuterCtrl2, PieceEndPoint);
            float reach = Geom::Distance(PieceOuterCtrl2, PieceEndPoint);
            const auto outerMismatch = [&] {
                return (outer - Arc(PieceBackOuter, PieceOuterCtrl1, PieceOuterMid)) -
                       Arc(PieceOuterMid, PieceOuterCtrl2, PieceEndPoint);
            };
            Lapel::MatchLength(
                outerMismatch(),
                [&](float d2) {
                    reach += d2;
                    PieceEndPoint = PieceOuterCtrl2 + o * reach;
                    return outerMismatch();
                },
                "men's jacket collar: fall outer edge");

            Vector q = Turned(o);
            PieceA5 = PieceEndPoint - q * EndWidth;
            q = Geom::Rotated(q, -alpha);
            PieceF2 = PieceA5 - q * e3;
            PieceFoldCtrl = Cross(PieceC3, Unit(PieceBackOuter, PieceOuterCtrl1), PieceOuterPoint, m);
            return R - Arc(PieceC3, PieceFoldCtrl, PieceF2);
        },
        "men's jacket collar: fall roll line");
}

// 4. The cutting line 0.5 cm outside the outer edge, 0.6 cm beyond its end.
void TMenForCoat::PlaceCuttingLine() {
    const Vector l = Unit(PieceBackOuter, PieceOuterCtrl1);
    PieceC4 = PieceBackOuter + Turned(l) * kSeamAllowance;
    const Vector o = Unit(PieceOuterCtrl1, PieceOuterCtrl2);
    const Vector q = Turned(o);
    SeamMid = PieceOuterMid + q * kSeamAllowance;
    SeamCtrl1 = Cross(PieceC4, l, SeamMid, o);
    const Vector l2 = Unit(PieceOuterCtrl2, PieceEndPoint);
    const Vector m2 = Turned(l2);
    SeamEnd = PieceEndPoint + m2 * kSeamAllowance + l2 * kSeamReach;
    const Vector n = FloatStore::Unit(double(q.x) + m2.x, double(q.y) + m2.y, "men's jacket collar: seam corner");
    SeamCtrl2 = Cross(SeamMid, o, PieceOuterCtrl2, n);
}

void TMenForCoat::DrawFall(TDrawContext& dc) const {
    dc.SetPenWidth(OutlinePen(dc));
    dc.MoveTo(PieceBackOuter);
    dc.LineTo(PieceC4);
    dc.Bezier2(PieceC4, SeamCtrl1, SeamMid, 20);
    dc.Bezier2(SeamMid, SeamCtrl2, SeamEnd, 20);
    dc.LineTo(PieceA5);
    dc.LineTo(PieceF2);
    dc.Bezier2(PieceF2, PieceFoldCtrl, PieceC3, 30);
    dc.LineTo(PieceBackOuter);
    dc.SetPenWidth(kConstructionPen);
    dc.Bezier2(PieceBackOuter, PieceOuterCtrl1, PieceOuterMid, 20);
    dc.Bezier2(PieceOuterMid, PieceOuterCtrl2, PieceEndPoint, 20);
    dc.LineTo(PieceA5);
}

void TMenForCoat::DrawStand(TDrawContext& dc) const {
    dc.SetPenWidth(OutlinePen(dc));
    dc.MoveTo(StandF2);
    dc.LineTo(StandC3);
    dc.LineTo(StandC2);
    dc.Bezier2(StandC2, StandNeckCtrl, StandA6, 40);
    dc.LineTo(StandF2);
}
