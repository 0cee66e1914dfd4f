#include "sleeves/shaping/Raglan.h"

#include <algorithm>
#include <cmath>

#include "garments/bodice_women/Dress.h"
#include "garments/coats_men/MenPattern.h"
#include "garments/shirts_men/MenDress.h"
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

// The points of a men's raglan line leaving `start` along e: its middle
// 0.5 d along, the bow point `bow` d off it along n (0.09 on the coats,
// 0.07 on the shirts), and the controls 0.25 d before and 0.2 d after the
// bow point.
struct RaglanBow {
    Vector &middle, &bow, &before, &after;
};
void BowRaglan(const Vector& start, const Vector& e, const Vector& n, float d, RaglanBow out, float bow = 0.09f) {
    out.middle = start + e * (0.5f * d);
    out.bow = out.middle + n * (bow * d);
    out.before = out.bow - e * (0.25f * d);
    out.after = out.bow + e * (0.2f * d);
}

bool WhollyCollarOn() { return MainForm && MainForm->Collar && MainForm->CollarKind == TWholly::kKind; }

}  // namespace

// ---------------------------------------------------------------------------
// The draft

void TRaglan::Calculate() {
    if (TDress* d = CurrentDress()) {
        Draft(*d, MainForm->DraggingSleeve, WhollyCollarOn());
        return;
    }
    // The men's shirts and jackets (kinds 5, 6), the men's coats and
    // blazers with a side seam (kinds 15, 16).
    if (TMenDress* m = CurrentMenDress()) {
        DraftShirt(*m);
        return;
    }
    TMenPattern* g = CurrentMenPattern();
    if (!g) Checked::Fail("raglan sleeve without a bodice it can be laid into");
    DraftCoat(*g, MainForm->CollarKind);
}

void TRaglan::DraftShirt(TMenDress& m) {
    HasWhollyCollar = false;
    DraftOnShirt(m);
    DraftLower();
}

void TRaglan::DraftCoat(TMenPattern& g, int collarKind) {
    HasWhollyCollar = false;
    DraftOnCoat(g, collarKind);
    DraftLower();
}

void TRaglan::Draft(TDress& d, bool keepHandle, bool whollyCollar) {
    HasWhollyCollar = false;
    onCoat_ = onShirt_ = straightNeck_ = false;
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
    d.RaglanHandle.Point = d.C2;
    d.RaglanHandle.PlaceBox();

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
    const float gamma = Geom::Angle(BackTouch, d.A9, d.P3);
    const float k = float(Checked::Div(double(gamma) * Geom::Distance(d.A9, d.P3), Geom::Distance(d.P6, neck),
                                       "raglan front cap line"));
    const Vector towardP6 = Geom::Rotated(Vector::UnitBetween(neck, d.P6), k);
    FrontOffset = neck + towardP6 * (0.83f * (Geom::Distance(neck, d.P6) + d.P6.y - d.G4.y));
    FrontUnderarm = FrontOffset + Vector::UnitNormalBetween(neck, FrontOffset) * (1.15f * (d.G4.x - d.G2.x));
    // 18-22. The tips 1 cm beyond P11 and P1, and the width line.
    FrontTip = d.P11 + Vector::UnitBetween(d.FrontShoulderMid, d.P11);
    P12 = d.P1 + Vector::UnitBetween(d.Q3, d.P1);
    SpanWidthLine(d.A9, 0.485f * W, 0.515f * W, 1.15f * (d.G2.x - d.G1.x));

    // 23-25. The pieces in the sleeve's frames; the hem and the wrist.
    PlaceInFrames({A91, NeckCtrl, A21, d.P1},
                  {d.RaglanWorkPoints2[1], d.A7, neck, d.FrontRaglanCtrl2, d.FrontRaglanMid, d.P7, d.FrontShoulderMid,
                   d.P11},
                  h);

    // 26. The top of the box, unless the collar in one with the front sets
    //     it from its own parts.
    if (!whollyCollar) BoxTop = std::max({A91.y, A21.y, A7.y, A71.y});
}

// Carries the pieces into the back frame (origin P12, x along the width
// line) and the front frame (origin FrontTip); the middle line's foot
// hangs the arm length, the pad and h below the top.
void TRaglan::PlaceInFrames(const BackPieces& back, const FrontPieces& front, float h) {
    BackFrame.Init(P12, Vector::UnitBetween(BackUnderarm, BackMiddle));
    A91 = BackFrame.ToLocal(back.neckPoint);
    NeckCtrl = BackFrame.ToLocal(back.neckCtrl);
    A21 = BackFrame.ToLocal(back.shoulderNeck);
    P1 = BackFrame.ToLocal(back.p1);
    P12 = BackFrame.ToLocal(P12);
    BackMiddle = BackFrame.ToLocal(BackMiddle);
    BackUnderarm = BackFrame.ToLocal(BackUnderarm);
    BackTipEnd = Vector(0, -2.5f);
    FrontFrame.Init(FrontTip, Vector::UnitBetween(FrontMiddle, FrontUnderarm));
    NeckCentre = FrontFrame.ToLocal(front.neckCentre);
    A7 = FrontFrame.ToLocal(front.neckStart);
    A71 = FrontFrame.ToLocal(front.neckEnd);
    FrontSeamCtrl = FrontFrame.ToLocal(front.seamCtrl);
    FrontSeamTop = FrontFrame.ToLocal(front.seamTop);
    P7 = FrontFrame.ToLocal(front.p7);
    ShoulderCtrl = FrontFrame.ToLocal(front.shoulderCtrl);
    P11 = FrontFrame.ToLocal(front.shoulderEnd);
    FrontTip = FrontFrame.ToLocal(FrontTip);
    FrontMiddle = FrontFrame.ToLocal(FrontMiddle);
    FrontUnderarm = FrontFrame.ToLocal(FrontUnderarm);
    FrontTipEnd = Vector(0, -2.5f);
    HemMiddle = Vector(FrontTip.x, FrontTip.y - ArmLength - ShoulderPad - h);
    WristWidth = 3 * h + WristGirth + WristEase;
}

// The width line at a square to the middle line, whose top is FrontTip in
// front and P12 behind: the front half (frontHalf long) ends at
// FrontUnderarm, the back half (backHalf) on the line through BackOffset
// along A9 → BackTouch, backSpread behind BackTouch.  The cap height is the
// front's; a front half longer than the tip's reach throws the integer 1.
void TRaglan::SpanWidthLine(const Vector& a9, float frontHalf, float backHalf, float backSpread) {
    const float dist = Geom::Distance(FrontUnderarm, FrontTip);
    const float rest = dist * dist - frontHalf * frontHalf;
    if (!(rest >= 0.0f)) throw 1;
    FrontMiddle = Geom::CircleCross(FrontTip, FrontUnderarm, std::sqrt(rest), frontHalf, 0);
    const eVector e(a9, BackTouch);
    const nVector n(a9, BackTouch);
    BackOffset = BackTouch - n * backSpread;
    const float b = Geom::Distance(FrontTip, FrontMiddle);
    const float R = std::sqrt(backHalf * backHalf + b * b);
    const float p = Vector::Dot(P12 - BackOffset, n);
    const float q = R > p ? std::sqrt(R * R - p * p) : 0.0f;
    BackUnderarm = P12 + e * q - n * p;
    BackMiddle = Geom::CircleCross(P12, BackUnderarm, b, backHalf, 1);
}

// ---------------------------------------------------------------------------
// On a men's coat or blazer with a side seam: a fixed bend, and the back
// half of the width line wider than the front by the kind's share.

// The fixed-bend raglan lines of the men's bodices, from A9 and from the
// front neck point into the two armholes, and the lengths the sleeve's
// seams must have.  Only the data differ between the coats and the shirts.
void TRaglan::LayFixedBend(const FixedBend& in, FixedBendLines out) {
    const ArmholePair& back = in.back;
    const ArmholePair& front = in.front;
    // The back armhole's point whose tangent passes through A9, the back
    // raglan bowed off A9 → that point, and where it runs into the armhole.
    const nVector backNormal(back.ctrl1, back.ctrl2);
    auto onBack = [&](const Vector& p, float& t, int& side) {
        t = 0.5f;
        side = Vector::Dot(Vector::UnitBetween(p, back.join), backNormal) > 0 ? 2 : 1;
        return side == 2 ? Bezier2::TangentFromPoint(p, back.join, back.ctrl2, back.end, t, 0)
                         : Bezier2::TangentFromPoint(p, back.start, back.ctrl1, back.join, t, 0);
    };
    BackTouch = onBack(in.a9, BackTouchT, BackSide);
    out.backTouch = BackTouch;
    BowRaglan(in.a9, eVector(in.a9, BackTouch), nVector(in.a9, BackTouch), Geom::Distance(in.a9, back.start),
              {out.c1, out.c2, out.backCtrlNeck, out.backCtrlArm}, in.bow);
    out.backEnd = onBack(out.backCtrlArm, out.backT, out.backSide);
    // The same at the front from the neck point, bowed the other way.
    const nVector frontNormal(front.ctrl1, front.ctrl2);
    auto onFront = [&](const Vector& p, float& t, int& side) {
        t = 0.5f;
        side = Vector::Dot(Vector::UnitBetween(p, front.join), frontNormal) > 0 ? 1 : 2;
        return side == 1 ? Bezier2::TangentFromPoint(p, front.start, front.ctrl1, front.join, t, 1)
                         : Bezier2::TangentFromPoint(p, front.join, front.ctrl2, front.end, t, 1);
    };
    float frontT = 0.5f;
    int frontSide = 0;
    out.frontTouch = onFront(in.neck, frontT, frontSide);
    BowRaglan(in.neck, eVector(in.neck, out.frontTouch), nVector(out.frontTouch, in.neck),
              Geom::Distance(in.neck, front.end), {out.c3, out.c4, out.frontCtrlNeck, out.frontCtrlArm}, in.bow);
    out.frontEnd = onFront(out.frontCtrlArm, out.frontT, out.frontSide);
    // The seams: the back raglan and the back armhole below it; the front
    // raglan's lower arc and the front armhole up to it.
    float b = Len(in.a9, out.backCtrlNeck, out.c2) + Len(out.c2, out.backCtrlArm, out.backEnd);
    if (out.backSide == 1)
        b += Len(back.start, back.ctrl1, back.join, out.backT, 1) + Len(back.join, back.ctrl2, back.end);
    else
        b += Len(back.join, back.ctrl2, back.end, out.backT, 1);
    BackSeamLength = b;
    float f = Len(out.frontEnd, out.frontCtrlArm, out.c4);
    if (out.frontSide == 1)
        f += Len(front.start, front.ctrl1, front.join, 0, out.frontT);
    else
        f += Len(front.start, front.ctrl1, front.join) + Len(front.join, front.ctrl2, front.end, 0, out.frontT);
    FrontSeamLength = f;
}

void TRaglan::DraftOnCoat(TMenPattern& g, int collarKind) {
    onCoat_ = true;
    onShirt_ = false;
    straightNeck_ = collarKind == 7;
    // 4. A41: the back neck's length from A4, along the straight neck of
    //    the men's jacket collar, else round the front neck circle.
    const float backNeck = Len(g.A9, g.NeckCtrl2, g.A2);
    if (straightNeck_) {
        g.A41 = g.A4 + Vector::UnitBetween(g.A3, g.G8) * backNeck;
    } else {
        const float r = Geom::Distance(g.FrontNeckCentre, g.A4);
        const Vector e = Geom::Rotated(Vector::UnitBetween(g.FrontNeckCentre, g.A4),
                                       float(Checked::Div(backNeck, r, "men's raglan front neck")));
        g.A41 = g.FrontNeckCentre + e * r;
    }
    // 1-3, 5-7, 10, 11. The raglan lines bowed by 0.09; the garment's
    //    first front control lies towards the armhole, its second towards
    //    A41.
    LayFixedBend({g.A9, g.A41, 0.09f, {g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, g.BackArmholeCtrl3, g.G2},
                  {g.FrontG2, g.FrontArmholeCtrl1, g.FrontArmholeJoin, g.FrontArmholeCtrl2, g.P6}},
                 {g.RaglanBackTouch, g.C1, g.C2, g.RaglanBackCtrl1, g.RaglanBackCtrl2, g.RaglanBackEnd,
                  g.RaglanBackParam, g.RaglanBackCase, g.RaglanFrontTouch, g.C3, g.C4, g.RaglanFrontCtrl2,
                  g.RaglanFrontCtrl1, g.RaglanFrontEnd, g.RaglanFrontParam, g.RaglanFrontCase});
    const Vector down = Vector::UnitBetween(g.A41, g.RaglanFrontTouch);
    // 8. The blade dart's legs end on the armhole or on the raglan line,
    //    whichever they meet first.
    {
        const Vector v = g.RaglanBackEnd - g.U;
        for (Vector* leg : {&g.D1, &g.D2}) {
            const eVector e(g.U, *leg);
            float t = 0.5f;
            *leg = Vector::Cross(e, v) >= 0
                       ? Bezier2::CrossLineFrom(g.U, e, g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, t, 0)
                       : Bezier2::CrossLineFrom(g.U, e, g.C2, g.RaglanBackCtrl2, g.RaglanBackEnd, t, 0);
        }
    }
    // 9.
    g.P3.x = g.a.x;

    // 12-20. The sleeve's width line.
    const float h = g.InterliningEase;
    Interlining = h;
    SleeveWidth = 3 * h + UpperArmGirth + UpperArmEase;
    const float W = SleeveWidth;
    FrontTip = g.P10 + Vector::UnitBetween(g.A4, g.P10);
    FrontOffset = g.A41 + down * (0.9f * (Geom::Distance(g.A41, g.P6) + g.P6.y - g.G4.y));
    FrontUnderarm = FrontOffset + Vector::Perpendicular(down) * (1.2f * (g.G4.x - g.FrontG2.x));
    P12 = g.P1 + Vector::UnitBetween(g.A2, g.P1);
    NeckAngle = Geom::Angle(g.NeckCtrl2, g.A9, g.RaglanBackCtrl1);
    const float c = kind_ == 16 ? 0.058f : 0.054f;
    SpanWidthLine(g.A9, (0.5f - c) * W, (0.5f + c) * W, 1.2f * (g.G2.x - g.G1.x));

    // 21-23. The neck point, A2 and the back neck arc's control, P1; the
    //        neck from A4 to A41, the front raglan's piece down to C4, the
    //        shoulder end P10; the hem and the wrist.
    PlaceInFrames({g.A9, g.NeckCtrl2, g.A2, g.P1},
                  {g.FrontNeckCentre, g.A4, g.A41, g.RaglanFrontCtrl2, g.C4, g.P10, g.P10, g.P10}, h);
    // 24.
    BoxTop = std::max({A21.y, A91.y, A7.y, A71.y});
}

// ---------------------------------------------------------------------------
// On a men's shirt or jacket: a fixed bend of 0.07, the width line split
// 0.454 / 0.546, no shoulder pad.

void TRaglan::DraftOnShirt(TMenDress& m) {
    onShirt_ = true;
    onCoat_ = straightNeck_ = false;
    // 4. A42: the back neck and the yoke's shoulder piece round the front
    //    neck circle from A41.
    {
        const float r = m.A3.y - m.A5.y;
        const float L = Len(m.A9, m.NeckCtrl2, m.A2) + Geom::Distance(m.A2, m.A21);
        const Vector e = Geom::Rotated(Vector::UnitBetween(m.FrontNeckCentre, m.A41),
                                       float(Checked::Div(L, r, "shirt raglan front neck")));
        m.A42 = m.FrontNeckCentre + e * r;
    }
    // 1-3, 5-8. The raglan lines bowed by 0.07 (the guides from C1 and C3
    //    end at the touch points).
    LayFixedBend({m.A9, m.A42, 0.07f, {m.P31, m.BackArmholeCtrl1, m.BackArmholeJoin, m.BackArmholeCtrl2, m.G2},
                  {m.G2, m.FrontArmholeCtrl1, m.FrontArmholeJoin, m.FrontArmholeCtrl2, m.P6}},
                 {m.C1Partner, m.C1, m.C2, m.BackRaglanCtrl1, m.BackRaglanCtrl2, m.BackRaglanEnd, m.RaglanBackParam,
                  m.RaglanSide, m.C3Partner, m.C3, m.C4, m.FrontRaglanCtrl2, m.FrontRaglanCtrl1, m.FrontRaglanEnd,
                  m.RaglanFrontParam, m.RaglanFrontSide});
    const Vector frontTouch = m.C3Partner;
    const Vector down = Vector::UnitBetween(m.A42, frontTouch);
    // 9-14. The width line.
    const float h = m.InterliningEase;
    Interlining = h;
    SleeveWidth = UpperArmGirth + UpperArmEase + 3 * h;
    const float W = SleeveWidth;
    FrontTip = m.P11 + Vector::UnitBetween(m.A41, m.P11);
    FrontOffset = m.A42 + down * (0.9f * (Geom::Distance(m.A42, m.P6) + m.P6.y - m.G41.y));
    FrontUnderarm = FrontOffset + Vector::UnitNormalBetween(m.A42, frontTouch) * (1.3f * (m.G41.x - m.G2.x));
    P12 = m.P1 + Vector::UnitBetween(m.A21, m.P1);
    NeckAngle = Geom::Angle(m.NeckCtrl2, m.A9, m.BackRaglanCtrl1);
    SpanWidthLine(m.A9, 0.454f * W, 0.546f * W, 1.3f * (m.G2.x - m.G11.x));
    // 15-17. Into the frames; the shirt's sleeve hangs without a pad.
    A2Image = m.A2;
    PlaceInFrames({m.A9, m.NeckCtrl2, m.A21, m.P1},
                  {m.FrontNeckCentre, m.A41, m.A42, m.FrontRaglanCtrl2, m.C4, m.P11, m.P11, m.P11}, h);
    A2Image = BackFrame.ToLocal(A2Image);
    HemMiddle = Vector(0, -(ArmLength + h));
    BoxTop = std::max({A21.y, A91.y, A7.y, A71.y});
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

bool TRaglan::HitTest(int sheet, float x, float y) {
    TDress* d = CurrentDress();
    return d && d->RaglanHandle.Grab(sheet, x, y);
}

void TRaglan::Drag(float x, float y) {
    TDress* d = CurrentDress();
    // Must not throw: a pointer position that is no number moves nothing.
    if (!d || !d->RaglanHandle.Follow(x, y)) return;
    float s = Vector::Dot(d->RaglanHandle.DragPoint - c1_, normal_);
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
    // The coat's shoulder runs straight from its end to the neck.
    if (!onCoat_ && !onShirt_) pen.Quad(P11, ShoulderCtrl, P7, 20);
}

void TRaglan::DrawUpper(const PatternPen& pen) const {
    if (!HasWhollyCollar) {
        pen.Thick();
        if (onShirt_) {
            // The back neck piece and the yoke's shoulder piece.
            pen.Quad(A91, NeckCtrl, A2Image, 10);
            pen.To(A21);
        } else {
            pen.Quad(A91, NeckCtrl, A21, 10);
        }
        DrawShoulders(pen);
        pen.To(A7);
        if (straightNeck_)
            pen.To(A71);
        else
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
    // The names of the neck point, the back neck's end, the shoulder end,
    // and the front neck's two ends: as the bodice names them.
    struct Names {
        const char *neck, *backNeck, *shoulder, *frontNeck, *frontNeckEnd;
    };
    const Names names = onShirt_  ? Names{"A9", "A21", "P11", "A41", "A42"}
                        : onCoat_ ? Names{"A9", "A2", "P10", "A4", "A41"}
                                  : Names{"A91", "A21", "P11", "A7", "A71"};
    pen.Label(A91, names.neck, 6);
    if (HasWhollyCollar) {
        pen.Label(Wholly.D9, "D91", 6);
        pen.Label(Wholly.Back[3], "D21", 2);
    }
    pen.Label(A21, names.backNeck, 2);
    pen.Label(P1, "P1", 7);
    pen.Label(P12, "P12", 3);
    pen.Label(P11, names.shoulder, 3);
    if (HasWhollyCollar) {
        pen.Label(Wholly.Front[3], "C61", 1);
        pen.Label(Wholly.C7, "C71", 2);
    }
    pen.Label(A7, names.frontNeck, 1);
    pen.Label(A71, names.frontNeckEnd, 2);
}
