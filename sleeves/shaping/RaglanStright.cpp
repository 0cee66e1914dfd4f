#include <algorithm>
#include <cmath>

#include "garments/common/PatternPen.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "sleeves/shaping/Raglan.h"

namespace {

constexpr float kTolerance = 0.1f;

}  // namespace

// The front cap from the current P: the circle over P–H1, P31 on it at a
// square, the arc's control; answers what the arc lacks of the seam.
float TRaglanStright::FrontCapMiss() {
    const Vector u = Vector::UnitBetween(FrontTip, HemMiddle);
    CapCircleCentre = (P + H1) * 0.5f;
    CapCircleRadius = 0.5f * Geom::Distance(P, H1);
    const Vector n = Vector::Perpendicular(u);
    const float a = Vector::Dot(CapCircleCentre - FrontUnderarm, n);
    const float r = CapCircleRadius;
    P31 = a > r ? CapCircleCentre
                : CapCircleCentre - n * a - u * float(Checked::Sqrt(double(r) * r - double(a) * a, "raglan front cap"));
    const Vector v = Vector::UnitBetween(FrontSeamCtrl, FrontSeamTop);
    const Vector m = Vector::UnitNormalBetween(H1, P31);
    FrontCapCtrl = Geom::IntersectLines(FrontSeamTop, P31, v, m);
    return FrontSeamLength - Bezier2::ArcLength(FrontSeamTop, FrontCapCtrl, P31, 0, 1);
}

void TRaglanStright::DraftLower() {
    const float W = SleeveWidth, w = WristWidth;
    // 1. The hem, centred on the middle of the width line's ends.
    H1 = Vector((BackUnderarm.x + FrontUnderarm.x + w) * 0.5f, HemMiddle.y);
    H2 = Vector(H1.x - w, HemMiddle.y);

    // 3, 4. The front cap, fitted to the front seam by moving P.
    P = Vector(FrontMiddle.x + 0.25f * W, FrontMiddle.y);
    Raglan::Fit(FrontCapMiss(), kTolerance, [&](float miss) {
        P.y -= 0.5f * miss;
        return FrontCapMiss();
    });

    // 5. The underarm level.
    FrontUnderarm.y = FrontMiddle.y = BackMiddle.y = BackUnderarm.y = P.y;
    P4 = Vector(-P.x, P.y);
    P61 = Vector(BackUnderarm.x, P31.y);

    // 6. The corner of the back cap's control polygon: the raglan's
    //    direction at the cap top met with the normal at P61.
    const Vector& top = A91;
    const Vector e = Geom::Rotated(Vector::UnitBetween(top, NeckCtrl), NeckAngle);
    BackCapCorner = Geom::IntersectLines(top, P61, e, Vector::UnitNormalBetween(P61, H2));
    const float excess =
        Geom::Distance(P61, BackCapCorner) + Geom::Distance(top, BackCapCorner) - Geom::Distance(P61, top);

    // 7, 8. The back cap, fitted to the back seam by its control points.
    float s1 = 0.55f, s2 = 0.5f;
    auto backMiss = [&] {
        BackCapCtrl1 = P61 * (1 - s1) + BackCapCorner * s1;
        BackCapCtrl2 = top * (1 - s2) + BackCapCorner * s2;
        return BackSeamLength - float(Bezier3::ArcLength(P61, BackCapCtrl1, BackCapCtrl2, top, 0, 1, 30));
    };
    Raglan::Fit(backMiss(), kTolerance, [&](float miss) {
        const float k = float(Checked::Div(miss, excess, "raglan back cap"));
        s1 += 0.4f * k;
        s2 += k;
        if (s1 < 0 || s2 < 0) throw 1;
        return backMiss();
    });

    // 9. The underarm seams, both as long as the front's.
    const float L = (FrontMiddle.y - HemMiddle.y) - Geom::Distance(P31, H1);
    H11 = H1 + Vector::UnitBetween(P31, H1) * L;
    H21 = H2 + Vector::UnitBetween(P61, H2) * L;

    // 10. The hem: the back half dips, the front half rises by a sixth.
    const Vector& H = HemMiddle;
    H3 = Vector((H2.x + H.x) * 0.5f, H.y);
    H31 = Vector(H3.x, H.y - (H.x - H3.x) / 6);
    H4 = Vector((H.x + H1.x) * 0.5f, H.y);
    H41 = Vector(H4.x, H.y + (H4.x - H.x) / 6);

    // 11. The box.
    BoxLeft = std::min(P61.x, H21.x);
    BoxRight = std::max(P31.x, H11.x);
    BoxBottom = std::min(H21.y, H31.y);
}

void TRaglanStright::DrawLower(const PatternPen& pen) const {
    const Vector& H = HemMiddle;
    pen.Thick();
    pen.Cubic(P61, BackCapCtrl1, BackCapCtrl2, A91, 60);
    pen.Quad(FrontSeamTop, FrontCapCtrl, P31, 30);
    pen.To(H11);
    pen.Quad(H11, H41, H, 30);
    pen.Quad(H, H31, H21, 30);
    pen.Thin();
    auto toOrMove = [&](bool line, const Vector& p) {
        if (line)
            pen.To(p);
        else
            pen.dc.MoveTo(p);
    };
    toOrMove(H2.y < H21.y, H2);
    pen.To(H1);
    toOrMove(H1.y < H11.y, H11);
    pen.To(H41);
    pen.To(H4);
    pen.Line({H41, H, H31, H3});
    pen.Line({H31, H21});
    pen.Thick();
    pen.To(P61);
    pen.Line({H, BackTipEnd});
    pen.Thin();
    pen.Line({P4, P61, BackUnderarm, FrontUnderarm, P31, P});
}

void TRaglanStright::LabelLower(const PatternPen& pen) const {
    pen.Label(P4, "P4", 3);
    pen.Label(BackMiddle, "O1", 7);
    pen.Label(P, "P", 4);
    pen.Label(FrontUnderarm, "O2", 2);
    pen.Label(P31, "P31", 3);
    pen.Label(H1, "H1", 2);
    pen.Label(H11, "H11", 3);
    pen.Label(H41, "H41", 1);
    pen.Label(H4, "H4", 4);
    pen.Label(HemMiddle, "H", 3);
    pen.Label(H3, "H3", 2);
    pen.Label(H31, "H31", 3);
    pen.Label(H21, "H21", 5);
    pen.Label(H2, "H2", 2);
    pen.Label(P61, "P61", 9);
    pen.Label(BackUnderarm, "O", 1);
}
