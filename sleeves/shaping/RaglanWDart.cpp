#include <algorithm>
#include <cmath>

#include "garments/common/PatternPen.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "sleeves/shaping/Raglan.h"

namespace {

constexpr float kTolerance = 0.1f;
constexpr float kDartTolerance = 0.05f;

}  // namespace

float TRaglanWDart::FrontArcMiss() {
    const Vector d1 = Vector::UnitBetween(FrontSeamCtrl, FrontSeamTop);
    const Vector n = Vector::UnitNormalBetween(L1, FrontUnderarm);
    UnderarmControl = Geom::IntersectLines(FrontSeamTop, FrontUnderarm, d1, n);
    return FrontSeamLength - Bezier2::ArcLength(FrontSeamTop, UnderarmControl, FrontUnderarm, 0, 1);
}

void TRaglanWDart::PlaceHem(float lpH2) {
    const Vector& H = HemMiddle;
    // 9. The tangent from Lp to the circle of half the wrist about H.
    const float r = 0.5f * WristWidth;
    const float tangent = float(Checked::Sqrt(double(lpH2) - double(r) * r, "raglan hem circle"));
    H2 = Geom::CircleCross(Lp, H, tangent, r, 0);
    H0 = (H + H2) * 0.5f;
    // 10. The hem ends on the two seams.
    const Vector e = Vector::UnitBetween(H, H2);
    HemSeamCross = Geom::IntersectLines(H2, L3, e, Vector::UnitBetween(BackUnderarm, L3));
    const Vector mirrored(-e.x, e.y);
    H3 = Geom::IntersectLines(L1, H, Vector::UnitBetween(FrontUnderarm, L1), mirrored);
    const float len = Bezier2::ArcLength(H3, H, H0, 0, 1);
    H4 = H2 + e * (0.75f * WristWidth - len);
}

void TRaglanWDart::DraftLower() {
    const float W = SleeveWidth;
    // 2. The elbow line, 0.58 of the arm below the tip.
    L = Vector(FrontMiddle.x, FrontTip.y - 0.58f * ArmLength - (PadAtElbow() ? ShoulderPad : 0.0f) - Interlining);
    L1 = Vector(FrontUnderarm.x - 0.035f * W, L.y);

    // 3, 4. The front underarm arc fitted to the front seam by O2's height.
    Raglan::Fit(FrontArcMiss(), kTolerance, [&](float miss) {
        FrontUnderarm.y -= 0.5f * miss;
        return FrontArcMiss();
    });
    BackUnderarm.y = BackMiddle.y = FrontMiddle.y = FrontUnderarm.y;

    // 5-7. The back seam from O to the neck point, fitted to the back seam.
    L3 = Vector(L1.x - 0.9f * W, L.y);
    const Vector& top = A91;
    const Vector& O = BackUnderarm;
    const Vector d2 = Geom::Rotated(Vector::UnitBetween(top, NeckCtrl), NeckAngle);
    SeamCorner = Geom::IntersectLines(top, O, d2, Vector::UnitNormalBetween(O, L3));
    const float excess = Geom::Distance(O, SeamCorner) + Geom::Distance(top, SeamCorner) - Geom::Distance(O, top);
    float a = 0.55f, b = 0.5f;
    auto backMiss = [&] {
        SeamControl1 = SeamCorner * a + O * (1 - a);
        SeamControl2 = SeamCorner * b + top * (1 - b);
        return BackSeamLength - float(Bezier3::ArcLength(O, SeamControl1, SeamControl2, top, 0, 1, 30));
    };
    Raglan::Fit(backMiss(), kTolerance, [&](float miss) {
        const float r = float(Checked::Div(miss, excess, "raglan back seam"));
        a += 0.4f * r;
        b += r;
        if (a < 0 || b < 0) throw 1;
        return backMiss();
    });

    // 8. The dart tip and the hem centre.
    Lp = Vector((L3.x + L.x) * 0.5f, L.y);
    Lpp = Vector(0.25f * W, L.y);
    HemMiddle.x = 0.25f * W;

    // 9-12. The hem; a hem end beyond the back seam line narrows the wrist
    //       until it lies on that line, and then no dart is drawn.
    const float lpH2 = [&] {
        const float dist = Geom::Distance(Lp, HemMiddle);
        return dist * dist;
    }();
    PlaceHem(lpH2);
    DartDrawn = H4.x - HemSeamCross.x > 0;
    if (!DartDrawn)
        Raglan::Fit(Geom::Distance(HemSeamCross, H4), kTolerance, [&](float gap) {
            WristWidth -= 0.7f * gap;
            PlaceHem(lpH2);
            return Geom::Distance(HemSeamCross, H4);
        });

    // 13. The dart's centre line from Lp bisects the back seam's angle at
    //     the seam point.
    const Vector e1 = Vector::UnitBetween(L3, O);
    float s = 0;
    DartSeamPoint = L3;
    Vector e2 = Vector::UnitBetween(DartSeamPoint, H4);
    Raglan::Fit(Vector::Dot(e1 - e2, Lp - DartSeamPoint), kDartTolerance, [&](float g) {
        s -= 0.5f * g;
        DartSeamPoint = L3 - e1 * s;
        e2 = Vector::UnitBetween(DartSeamPoint, H4);
        return Vector::Dot(e1 - e2, Lp - DartSeamPoint);
    });

    // 14, 15. The back seam 1.5 % longer than the front; the rest goes into
    //         the dart, or partly into the hem when that runs on too far.
    const float k = Geom::Distance(O, DartSeamPoint) + Geom::Distance(DartSeamPoint, H4) -
                    1.015f * Geom::Distance(FrontUnderarm, H3);
    const float m = Geom::Distance(H2, H4) - 0.25f * WristWidth;
    HemSplit = m > 0;
    float half = 0.5f * k;
    if (HemSplit) {
        const float q = float(Checked::Div(m, Geom::Distance(HemSeamCross, H4) + m, "raglan hem split"));
        H4 = H4 - e2 * (k * q);
        half = (1 - q) * k / 2;
    }
    L4 = DartSeamPoint + e1 * half;
    L5 = DartSeamPoint + e2 * half;

    // 16. Where the dart folds: the centre line mirrored about the leg.
    {
        const float theta = Geom::Angle(DartSeamPoint, Lp, L4);
        const Vector u = Geom::Rotated(Vector::UnitBetween(Lp, L4), theta);
        DartFoldCross = Geom::IntersectLines(O, Lp, e1, u);
        DartFoldPoint = Lp + Vector::UnitBetween(Lp, DartSeamPoint) * Geom::Distance(Lp, DartFoldCross);
    }

    // 17. The middle line, bent at the elbow.
    AxisCornerIn = L + Vector::UnitBetween(L, BackMiddle) * 3.0f;
    AxisCornerOut = L + Vector::UnitBetween(L, H0) * 3.0f;
    if (HemSplit) {
        AxisHemPoint = H0;
    } else {
        float t = 0.5f;
        AxisHemPoint = Bezier2::CrossLineFrom(L, Vector::UnitBetween(L, H0), H3, HemMiddle, H2, t, 0);
    }

    // 18. The box.
    BoxLeft = O.x;
    BoxRight = FrontUnderarm.x;
    BoxBottom = std::min(H2.y, H4.y);
}

void TRaglanWDart::DrawLower(const PatternPen& pen) const {
    const Vector& H = HemMiddle;
    pen.Thick();
    pen.Cubic(BackUnderarm, SeamControl1, SeamControl2, A91, 60);
    pen.Quad(FrontSeamTop, UnderarmControl, FrontUnderarm, 30);
    pen.To(H3);
    if (HemSplit) {
        pen.Quad(H3, H, H0, 15);
        pen.Quad(H0, H2, H4, 15);
    } else {
        pen.Quad(H3, H, H2, 15);
        pen.To(H4);
    }
    if (DartDrawn) {
        pen.To(L5);
        pen.To(DartFoldPoint);
        pen.To(L4);
        pen.Thin();
        pen.To(Lp);
        pen.To(L5);
        pen.To(DartSeamPoint);
        pen.To(L4);
        pen.Thick();
    }
    pen.To(BackUnderarm);
    pen.Line({BackTipEnd, AxisCornerIn});
    pen.Quad(AxisCornerIn, L, AxisCornerOut, 10);
    pen.To(AxisHemPoint);
    pen.Thin();
    if (HemSplit)
        pen.Line({H0, H2, H4, H2});
    else
        pen.Line({H0, H2});
    pen.To(Lp);
    pen.To(DartFoldPoint);
    pen.Line({L3, L1});
    pen.Line({Lpp, H, H3});
    pen.Line({H, H0});
    pen.Line({FrontUnderarm, BackUnderarm});
}

void TRaglanWDart::LabelLower(const PatternPen& pen) const {
    pen.Label(BackUnderarm, "O", 1);
    pen.Label(BackMiddle, "O1", 8);
    pen.Label(FrontUnderarm, "O2", 2);
    pen.Label(L1, "L1", 3);
    pen.Label(Lpp, "Lpp", 1);
    pen.Label(H3, "H3", 3);
    pen.Label(HemMiddle, "H", 2);
    pen.Label(H0, "H0", 3);
    pen.Label(H2, "H2", 3);
    pen.Label(H4, "H4", 5);
    pen.Label(L, "L", 1);
    pen.Label(Lp, "Lp", 2);
    pen.Label(L5, "L5", 7);
    pen.Label(L4, "L4", 8);
    pen.Label(L3, "L3", 2);
}
