#include "sleeves/shaping/Raglan.h"

#include <algorithm>
#include <cmath>

#include "garments/bodice_women/Dress.h"
#include "garments/common/PatternPen.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

Vector Mid(const Vector& a, const Vector& b) { return (a + b) * 0.5f; }

// p turned about c by phi radians, counter-clockwise.
Vector TurnAbout(const Vector& p, const Vector& c, float phi) { return c + Geom::Rotated(p - c, phi); }

float Len(const Vector& p0, const Vector& c, const Vector& p2, float t1 = 0.0f, float t2 = 1.0f) {
    return Bezier2::ArcLength(p0, c, p2, t1, t2);
}

bool WhollyCollarOn() { return MainForm && MainForm->Collar && MainForm->CollarKind == TWholly::kKind; }

}  // namespace

// ---------------------------------------------------------------------------
// The draft

void TRaglan::Calculate() {
    TDress* d = CurrentDress();
    // The base selection pairs these sleeves with the bodices only; the
    // men's shirts and jackets are not drafted with them yet.
    if (!d) Checked::Fail("raglan sleeve without a women's bodice");
    Draft(*d, MainForm->DraggingSleeve, WhollyCollarOn());
}

void TRaglan::Draft(TDress& d, bool keepHandle, bool whollyCollar) {
    HasWhollyCollar = false;
    DraftBodice(d, keepHandle);
    DraftUpper(d, whollyCollar);
    DraftLower();
}

// The raglan lines in the bodice, and the seam lengths the caps must match.
void TRaglan::DraftBodice(TDress& d, bool keepHandle) {
    // 1. The base line A9–P3, its midpoint C1 and the handle's limits.
    d.C1 = Mid(d.A9, d.P3);
    const eVector u(d.A2, d.P);
    const nVector n(d.A9, d.P3);
    const Vector x = Geom::IntersectLines(d.A9, d.C1, u, n);
    MaxOffset = 0.5f * Geom::Distance(d.C1, x);
    MinOffset = 0.04f * Geom::Distance(d.A9, d.P3);
    c1_ = d.C1;
    normal_ = n;

    // 2. The handle, halfway out unless a drag holds it.
    if (!keepHandle) d.C2 = d.C1 + n * (0.5f * MaxOffset);
    const float h = Raglan::kHandleHalf;
    d.RaglanHandleBox[0] = Vector(d.C2.x - h, d.C2.y + h);
    d.RaglanHandleBox[1] = Vector(d.C2.x + h, d.C2.y + h);
    d.RaglanHandleBox[2] = Vector(d.C2.x - h, d.C2.y - h);
    d.RaglanHandleBox[3] = Vector(d.C2.x + h, d.C2.y - h);

    // 3. The back raglan A9 → C2 → Q, Q where its tangent meets the back
    //    armhole.
    {
        const eVector e(d.P3, d.A9);
        d.BackRaglanCtrl1 = d.C2 + e * (0.5f * Geom::Distance(d.C1, d.A9));
        d.BackRaglanCtrl2 = d.C2 - e * (0.4f * Geom::Distance(d.C1, d.P3));
        const eVector e2(d.BackRaglanCtrl2, d.BackArmMid);
        const nVector m(d.BackArmCtrl2, d.BackArmCtrl3);
        d.RaglanBackParam = 0.5f;
        if (Vector::Dot(e2, m) > 0) {
            d.RaglanSide = 2;
            d.Q = Bezier2::TangentFromPoint(d.BackRaglanCtrl2, d.BackArmMid, d.BackArmCtrl3, d.G2,
                                            d.RaglanBackParam, 0);
        } else {
            d.RaglanSide = 1;
            d.Q = Bezier2::TangentFromPoint(d.BackRaglanCtrl2, d.P3, d.BackArmCtrl2, d.BackArmMid,
                                            d.RaglanBackParam, 0);
        }
    }

    // 4. A41: the back neck's length and 2 cm more round the front neck
    //    circle from A4.
    {
        const float r = d.A3.y - d.A5.y;
        const float L = Len(d.A9, d.NeckCtrl2, d.A2);
        const Vector e = Geom::Rotated(Vector::UnitBetween(d.FrontNeckCentre, d.A4),
                                       float(Checked::Div(L + 2.0, r, "raglan front neck")));
        d.A41 = d.FrontNeckCentre + e * r;
    }

    // 5. The front with the bust dart closed: A41 turned about G7.
    const float alpha = float(Checked::Div(2.0 * (double(d.BustHalfGirth2) - d.BustHalfGirth1) + 1.5,
                                           0.5 * d.FrontLengthEase + d.BustHeight, "raglan bust dart"));
    d.FrontRaglanEnd = TurnAbout(d.A41, d.G7, alpha);
    const float bend = Geom::Distance(d.C1, d.C2);

    // 6. The front raglan P6 → neck, bent as far as the back one.
    Vector& frontMid = d.RaglanWorkPoints1[0];
    frontMid = Mid(d.P6, d.FrontRaglanEnd);
    d.FrontRaglanMid = frontMid + Vector::UnitNormalBetween(d.P6, d.FrontRaglanEnd) * bend;
    {
        const eVector e(d.P6, d.FrontRaglanEnd);
        d.FrontRaglanCtrl2 = d.FrontRaglanMid + e * (0.5f * Geom::Distance(frontMid, d.FrontRaglanEnd));
        d.FrontRaglanCtrl1 = d.FrontRaglanMid - e * (0.4f * Geom::Distance(d.P6, frontMid));
    }

    // 7. Where its tangent meets the front armhole near P6.
    {
        const eVector e(d.FrontRaglanCtrl1, d.P6);
        const nVector m(d.G4, d.a2);
        d.RaglanFrontParam = 0.5f;
        if (Vector::Dot(e, m) > 0) {
            d.RaglanFrontSide = 1;
            d.FrontRaglanStart = Bezier2::TangentFromPoint(d.FrontRaglanCtrl1, d.FrontArmMid, d.FrontArmCtrl2,
                                                           d.P6, d.RaglanFrontParam, 1);
        } else {
            d.RaglanFrontSide = 2;
            d.FrontRaglanStart = Bezier2::TangentFromPoint(d.FrontRaglanCtrl1, d.P6, d.FrontArmCtrl3,
                                                           d.Point4, d.RaglanFrontParam, 1);
        }
    }

    // 8. P71: the dart leg G71 → P7 met with the front raglan.
    {
        const eVector w(d.G71, d.FrontRaglanMid);
        const eVector e(d.G71, d.P7);
        d.RaglanDartParam = 0.5f;
        if (Vector::Cross(e, w) > 0) {
            d.RaglanDartSide = 2;
            d.P71 = Bezier2::CrossLineFrom(d.G71, e, d.FrontRaglanMid, d.FrontRaglanCtrl2, d.FrontRaglanEnd,
                                           d.RaglanDartParam, 0);
        } else {
            d.RaglanDartSide = 1;
            d.P71 = Bezier2::CrossLineFrom(d.G71, e, d.FrontRaglanStart, d.FrontRaglanCtrl1, d.FrontRaglanMid,
                                           d.RaglanDartParam, 0);
        }
    }

    // 9. The front raglan as the drawn front has it (the dart open).
    {
        const float beta = Geom::Angle(d.P7, d.G71, d.A8);
        d.TurnedRaglanStart = TurnAbout(d.FrontRaglanStart, d.G71, beta);
        Vector& turnedP6 = d.RaglanWorkPoints1[1];
        Vector& turnedMid = d.RaglanWorkPoints2[0];
        turnedP6 = TurnAbout(d.P6, d.G71, beta);
        const eVector e(turnedP6, d.A41);
        turnedMid = Mid(turnedP6, d.A41);
        d.TurnedRaglanMid = turnedMid + Vector::UnitNormalBetween(turnedP6, d.A41) * bend;
        d.TurnedRaglanCtrl1 = d.TurnedRaglanMid - e * (0.4f * Geom::Distance(turnedP6, turnedMid));
        d.TurnedRaglanCtrl2 = d.TurnedRaglanMid + e * (0.5f * Geom::Distance(turnedMid, d.A41));
    }

    // 10. The front neck centre with the dart closed.
    d.RaglanWorkPoints2[1] = TurnAbout(d.FrontNeckCentre, d.G7, alpha);

    // 11. A81: P71's place on the drawn raglan.
    d.A81 = d.RaglanDartSide == 1
                ? Bezier2::Point(d.TurnedRaglanStart, d.TurnedRaglanCtrl1, d.TurnedRaglanMid, d.RaglanDartParam)
                : Bezier2::Point(d.TurnedRaglanMid, d.TurnedRaglanCtrl2, d.A41, d.RaglanDartParam);

    // 12. The armhole point and the notch at P6.
    d.RaglanP3 = Vector(d.a.x, d.Y.y);
    d.RaglanTick[0] = Vector(d.P6.x - 0.2f, d.P6.y);
    d.RaglanTick[1] = Vector(d.P6.x + 0.2f, d.P6.y);

    // 13. What the caps must measure: the back raglan and the back armhole
    //     below it, 2 % eased; the front armhole up to the raglan and the
    //     raglan's lower arc.
    {
        float back = Len(d.A9, d.BackRaglanCtrl1, d.C2) + Len(d.C2, d.BackRaglanCtrl2, d.Q);
        if (d.RaglanSide == 1)
            back += Len(d.P3, d.BackArmCtrl2, d.BackArmMid, d.RaglanBackParam, 1) +
                    Len(d.BackArmMid, d.BackArmCtrl3, d.G2);
        else
            back += Len(d.BackArmMid, d.BackArmCtrl3, d.G2, d.RaglanBackParam, 1);
        BackSeamLength = 1.02f * back;
        float front = Len(d.G2, d.FrontArmCtrl1, d.FrontArmMid);
        if (d.RaglanFrontSide == 1)
            front += Len(d.FrontArmMid, d.FrontArmCtrl2, d.P6, 0, d.RaglanFrontParam);
        else
            front += Len(d.FrontArmMid, d.FrontArmCtrl2, d.P6) + Len(d.P6, d.FrontArmCtrl3, d.Point4, 0,
                                                                    d.RaglanFrontParam);
        FrontSeamLength = front + Len(d.FrontRaglanStart, d.FrontRaglanCtrl1, d.FrontRaglanMid);
    }
}

// The upper sleeve: the pieces the raglan lines cut off, carried into the
// sleeve's frames, and the width line.
void TRaglan::DraftUpper(TDress& d, bool whollyCollar) {
    // 14. The back neck piece laid on against the back shoulder beyond Q3.
    {
        const eVector e(d.P1, d.Q3);
        const nVector n(d.P1, d.Q3);
        A21 = d.Q3 + e * Geom::Distance(d.A2, d.Q1);
        const eVector w(d.Q1, d.A2);
        const nVector m(d.Q1, d.A2);
        auto carry = [&](const Vector& p) {
            const Vector r = p - d.A2;
            return A21 + e * Vector::Dot(r, w) + n * Vector::Dot(r, m);
        };
        A91 = carry(d.A9);
        NeckCtrl = carry(d.NeckCtrl2);
        NeckAngle = Geom::Angle(d.NeckCtrl2, d.A9, d.BackRaglanCtrl1);
    }

    // 15. The back armhole's point whose tangent passes through A9.
    const eVector toMid(d.A9, d.BackArmMid);
    const nVector m(d.BackArmCtrl2, d.BackArmCtrl3);
    BackTouchT = 0.5f;
    if (Vector::Dot(toMid, m) > 0) {
        BackSide = 2;
        BackTouch = Bezier2::TangentFromPoint(d.A9, d.BackArmMid, d.BackArmCtrl3, d.G2, BackTouchT, 0);
    } else {
        BackSide = 1;
        BackTouch = Bezier2::TangentFromPoint(d.A9, d.P3, d.BackArmCtrl2, d.BackArmMid, BackTouchT, 0);
    }

    // 16. Widths.
    const float h = d.InterliningEase;
    Interlining = h;
    SleeveWidth = UpperArmGirth + UpperArmEase + 3 * h;
    const float W = SleeveWidth;

    // 17. The front underarm point, swung forward as far as the back raglan
    //     leans from the base line.
    const Vector& neck = d.FrontRaglanEnd;
    {
        const float gamma = Geom::Angle(BackTouch, d.A9, d.P3);
        const float k = float(Checked::Div(double(gamma) * Geom::Distance(d.A9, d.P3),
                                           Geom::Distance(d.P6, neck), "raglan front cap line"));
        const Vector e = Geom::Rotated(Vector::UnitBetween(neck, d.P6), k);
        FrontOffset = neck + e * (0.83f * (Geom::Distance(neck, d.P6) + d.P6.y - d.G4.y));
        FrontUnderarm = FrontOffset + Vector::UnitNormalBetween(neck, FrontOffset) * (1.15f * (d.G4.x - d.G2.x));
    }

    // 18, 19. The front tip, 1 cm beyond P11, and the front half of the
    //         width line at a square to the middle line.
    FrontTip = d.P11 + Vector::UnitBetween(d.FrontShoulderMid, d.P11);
    {
        const float dist = Geom::Distance(FrontUnderarm, FrontTip);
        const float a = 0.485f * W;
        const float rest = dist * dist - a * a;
        if (!(rest >= 0.0f)) throw 1;
        FrontMiddle = Geom::CircleCross(FrontTip, FrontUnderarm, std::sqrt(rest), a, 0);
    }

    // 20-22. The back half of the width line, 0.515 W, at the same cap
    //        height.
    P12 = d.P1 + Vector::UnitBetween(d.Q3, d.P1);
    {
        const eVector e(d.A9, BackTouch);
        const nVector n(d.A9, BackTouch);
        BackOffset = BackTouch - n * (1.15f * (d.G2.x - d.G1.x));
        const float a = 0.515f * W;
        const float b = Geom::Distance(FrontTip, FrontMiddle);
        const float R = std::sqrt(a * a + b * b);
        const float p = Vector::Dot(P12 - BackOffset, n);
        const float q = R > p ? std::sqrt(R * R - p * p) : 0.0f;
        BackUnderarm = P12 + e * q - n * p;
        BackMiddle = Geom::CircleCross(P12, BackUnderarm, b, a, 1);
    }

    // 23. The back frame.
    BackFrame.Init(P12, Vector::UnitBetween(BackUnderarm, BackMiddle));
    A91 = BackFrame.ToLocal(A91);
    NeckCtrl = BackFrame.ToLocal(NeckCtrl);
    A21 = BackFrame.ToLocal(A21);
    P1 = BackFrame.ToLocal(d.P1);
    P12 = BackFrame.ToLocal(P12);
    BackMiddle = BackFrame.ToLocal(BackMiddle);
    BackUnderarm = BackFrame.ToLocal(BackUnderarm);
    BackTipEnd = Vector(0, -2.5f);

    // 24. The front frame.
    FrontFrame.Init(FrontTip, Vector::UnitBetween(FrontMiddle, FrontUnderarm));
    NeckCentre = FrontFrame.ToLocal(d.RaglanWorkPoints2[1]);
    A71 = FrontFrame.ToLocal(neck);
    A7 = FrontFrame.ToLocal(d.A7);
    FrontSeamCtrl = FrontFrame.ToLocal(d.FrontRaglanCtrl2);
    FrontSeamTop = FrontFrame.ToLocal(d.FrontRaglanMid);
    P7 = FrontFrame.ToLocal(d.P7);
    ShoulderCtrl = FrontFrame.ToLocal(d.FrontShoulderMid);
    P11 = FrontFrame.ToLocal(d.P11);
    FrontTip = FrontFrame.ToLocal(FrontTip);
    FrontMiddle = FrontFrame.ToLocal(FrontMiddle);
    FrontUnderarm = FrontFrame.ToLocal(FrontUnderarm);
    FrontTipEnd = Vector(0, -2.5f);
    HemMiddle = Vector(0, -(ArmLength + ShoulderPad + h));

    // 25. The wrist.
    WristWidth = WristGirth + WristEase + 3 * h;

    // 26. The top of the box, unless the collar in one with the front sets
    //     it from its own parts.
    if (!whollyCollar) BoxTop = std::max({A91.y, A21.y, A7.y, A71.y});
}

void TRaglan::TakeWhollyCollar(const WhollyOnSleeve& parts) {
    Wholly = parts;
    HasWhollyCollar = true;
    UpdateExtent();
}

void TRaglan::UpdateExtent() {
    // The collar's parts stand highest: C2 and D9 at the back, C6 and
    // the outer arc's first control at the front.
    BoxTop = std::max({Wholly.Back[3].y, Wholly.D9.y, Wholly.Front[3].y, Wholly.Front[4].y});
}

// ---------------------------------------------------------------------------
// The handle

bool TRaglan::HitTest(float x, float y) {
    TDress* d = CurrentDress();
    if (!d) return false;
    const Vector* box = d->RaglanHandleBox;
    const bool hit = x >= box[0].x && x <= box[1].x && y >= box[2].y && y <= box[0].y;
    if (hit) d->RaglanGrabOffset = d->C2 - Vector(x, y);
    return hit;
}

void TRaglan::Drag(float x, float y) {
    TDress* d = CurrentDress();
    // Must not throw: a pointer position that is no number moves nothing.
    if (!d || !std::isfinite(x) || !std::isfinite(y)) return;
    d->RaglanDragPoint = Vector(x, y) + d->RaglanGrabOffset;
    float s = Vector::Dot(d->RaglanDragPoint - c1_, normal_);
    if (s <= MinOffset) s = MinOffset;
    if (s >= MaxOffset) s = MaxOffset;
    d->C2 = c1_ + normal_ * s;
}

// ---------------------------------------------------------------------------
// Drawing

void TRaglan::Draw() {
    const PatternPen pen{ScreenDC, false, GarmentSheets::kScreenOutline};
    DrawUpper(pen);
    DrawLower(pen);
}

void TRaglan::DrawLabels() {
    const PatternPen pen{ScreenDC, false, GarmentSheets::kScreenOutline};
    LabelUpper(pen);
    LabelLower(pen);
}

void TRaglan::DrawPiece(TDrawContext& dc, bool printer) {
    const PatternPen pen{dc, printer, printer ? GarmentSheets::kPaperOutline : GarmentSheets::kScreenOutline};
    DrawUpper(pen);
    DrawLower(pen);
    LabelUpper(pen);
    LabelLower(pen);
}

// The back shoulder from P1 with its curved tip, the shoulder line across
// the tips, and the front shoulder from its tip to P7.
void TRaglan::DrawShoulders(const PatternPen& pen) const {
    pen.To(P1);
    pen.Quad(P1, P12, BackTipEnd, 20);
    pen.Thin();
    pen.To(P12);
    pen.To(P1);
    pen.Line({P12, P11});
    pen.Thick();
    pen.Quad(FrontTipEnd, FrontTip, P11, 20);
    pen.Quad(P11, ShoulderCtrl, P7, 20);
}

void TRaglan::DrawUpper(const PatternPen& pen) const {
    if (!HasWhollyCollar) {
        pen.Thick();
        pen.Quad(A91, NeckCtrl, A21, 10);
        DrawShoulders(pen);
        pen.To(A7);
        pen.ArcFrom(NeckCentre, A7, A71, 10);
        pen.Quad(A71, FrontSeamCtrl, FrontSeamTop, 20);
        return;
    }
    // The collar's back part continues the back neck piece from D9, its
    // front part the front shoulder up to C7.
    const Vector* b = Wholly.Back;   // shoulder start, its control, BackRise, C2, BackTopCtrl, C
    const Vector* f = Wholly.Front;  // shoulder start, its control, ShoulderRise, C6, OuterCtrl1,
                                     // OuterMid, OuterCtrl2, A5
    pen.Thin();
    pen.Quad(A91, NeckCtrl, A21, 10);
    pen.To(b[0]);
    pen.Thick();
    pen.Line({A91, Wholly.D9});
    pen.QuadPart(b[5], b[4], b[3], 1 - Wholly.NeckParam, 1, 10);
    pen.To(b[2]);
    pen.Quad(b[2], b[1], b[0], 10);
    DrawShoulders(pen);
    pen.To(f[0]);
    pen.Thin();
    pen.To(A7);
    pen.ArcFrom(NeckCentre, A7, A71, 10);
    pen.Thick();
    pen.Quad(f[0], f[1], f[2], 20);
    pen.To(f[3]);
    if (Wholly.C7Arc == 1) {
        pen.QuadPart(f[3], f[4], f[5], 0, Wholly.C7Param, 10);
    } else {
        pen.Quad(f[3], f[4], f[5], 20);
        pen.QuadPart(f[5], f[6], f[7], 0, Wholly.C7Param, 10);
    }
    pen.To(Wholly.C7);
    pen.To(A71);
    pen.Quad(A71, FrontSeamCtrl, FrontSeamTop, 20);
}

void TRaglan::LabelUpper(const PatternPen& pen) const {
    pen.Label(A91, "A91", 6);
    if (HasWhollyCollar) {
        pen.Label(Wholly.D9, "D91", 6);
        pen.Label(Wholly.Back[3], "D21", 2);
    }
    pen.Label(A21, "A21", 2);
    pen.Label(P1, "P1", 7);
    pen.Label(P12, "P12", 3);
    pen.Label(P11, "P11", 3);
    if (HasWhollyCollar) {
        pen.Label(Wholly.Front[3], "C61", 1);
        pen.Label(Wholly.C7, "C71", 2);
    }
    pen.Label(A7, "A7", 1);
    pen.Label(A71, "A71", 2);
}
