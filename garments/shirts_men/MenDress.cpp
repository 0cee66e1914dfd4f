#include "garments/shirts_men/MenDress.h"

#include <algorithm>

#include "garments/common/ArmholeBalance.h"
#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "men's bodice draft"); }

// The crossing of the line through p along d with the line through q along
// e; parallel lines throw.
Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "men's bodice: parallel lines");
}

using DraftSteps::Arc;

// π/4 as the draft turns by it.
constexpr float kQuarterTurn = 0.7853982f;
// How far point "4" bows out of the chord P6 → P10, per cm that the front
// shoulder point stands beyond the front width line: 9/67.
constexpr float kPoint4Bow = 0.13432837f;

bool IsRaglan(int sleeveKind) { return sleeveKind == 5 || sleeveKind == 6; }

}  // namespace

// ---------------------------------------------------------------------------
// Ease constants

void TMenDress::SetEase(const MenDressEase& e) {
    ArmholeLowering = e.ArmholeLowering;
    LengthEase = e.LengthEase;
    FrontLengthEase = e.FrontLengthEase;
    BackNeckRise = e.BackNeckRise;
    NeckWidthEase = e.NeckWidthEase;
    NeckRiseEase = e.NeckRiseEase;
    ShoulderEase = e.ShoulderEase;
    WidthEase = e.WidthEase;
    BackWidthEase = e.BackWidthEase;
    ChestWidthEase = e.ChestWidthEase;
}

// ---------------------------------------------------------------------------
// The draft

void TMenDress::Calculate() { Draft(CurrentBodiceChoice(MenDressType::kStraightShirt)); }

float TMenDress::UpperFrontArmhole(float target) {
    // 24.1 Front shoulder point: the height P4.y − P6.y from P6, the
    //      shoulder length from A4.
    P10 = Geom::CircleCross(P6, A4, F(double(P4.y) - P6.y), F(1.1 * ShoulderLength + ShoulderEase), 1);
    // 24.2-24.6 "3", "4" and the controls of the upper front armhole; δ = D
    //          − its length P6 → "4" → P10.
    return DraftSteps::BuildUpperFrontArmhole({Point3, Point4, FrontArmholeCtrl3, FrontArmholeCtrl4}, P6, P10,
                                              Vector::UnitBetween(P6, P10), P4, G4.x, kPoint4Bow, target);
}

void TMenDress::Draft(const BodiceChoice& choice) {
    const double R = Height, Cw = NeckHalfGirth, Cg2 = BustHalfGirth, Cb = HipHalfGirth;
    const double Dtp = FrontWaistLength, Shg = ChestWidth, Vprz = BackArmholeHeight, Dts = BackWaistLength;
    const double Vpk = ShoulderHeight, Shs = BackWidth, Shp = ShoulderLength, Pk = Posture;
    const double Pg = BustEase, Pb = HipEase, h = InterliningEase;
    // The width ease with the interlining.
    const double X = Pg + 1.5 * h;

    // 1. A raglan sleeve always takes a 5 cm yoke.
    if (IsRaglan(choice.sleeveKind)) YokeWidth = 5.0f;

    // 2-6. Widths: back |A a|, armhole W = |a a2| centred on x = 0, chest
    //      |a2 a1|; together the half girth with its ease.
    ArmholeWidth = F((Cg2 - Shs - Shg) + 0.4 * X + WidthEase - BackWidthEase - ChestWidthEase - 1.0);
    const double W = ArmholeWidth;
    HasYoke = YokeWidth >= 4.0f;
    a2 = Vector(F(W / 2), 0);
    a = Vector(F(-W / 2), 0);
    A = Vector(F(a.x - Shs - 0.3 * X - BackWidthEase - 1.0), 0);
    a1 = Vector(F(A.x + Cg2 + Pg + 1.5 * h + WidthEase), 0);
    A01 = Vector(A.x, F(BackNeckRise + 0.6 * h));

    // 8-12. The grid: chest line G, armhole bottom G11, waist T, hip B, hem H.
    G = Vector(A.x, F(-Vprz - 0.5 * LengthEase - 0.6 * h));
    G1 = Vector(a.x, G.y);
    G0 = Vector(0, G.y);
    G3 = Vector(a1.x, G.y);
    G4 = Vector(a2.x, G.y);
    G11 = Vector(G1.x, F(double(G1.y) - ArmholeLowering));
    G2 = Vector(0, G11.y);
    G41 = Vector(G4.x, G11.y);
    T = Vector(A.x, F(-Dts - LengthEase));
    T0 = Vector(F(T.x + 3.0 - 0.1 * Pk), T.y);
    T2 = Vector(0, T.y);
    T3 = Vector(a1.x, T.y);
    B = Vector(A.x, F(T.y - 0.5 * Dts + 2.5));
    B2 = Vector(0, B.y);
    B3 = Vector(a1.x, B.y);
    H0 = Vector(A.x, F(-0.44 * R - LengthEase));
    H2 = Vector(0, H0.y);
    H1 = Vector(a1.x, H0.y);

    // 13-15. Back neck: Сш/3 + NeckWidthEase wide, 0.15 Сш + NeckRiseEase
    //        high; A9 on the bisector of the corner at A1; the arcs leave
    //        A01 square to the back centre and pass A9 square to A1 → A9.
    A1 = Vector(F(A01.x + Cw / 3 + NeckWidthEase), A01.y);
    A2 = Vector(A1.x, F(A1.y + 0.15 * Cw + NeckRiseEase));
    {
        Vector u = Vector::UnitNormalBetween(A01, A1);
        Vector::Rotate(u, kQuarterTurn);
        A9 = A1 + u * F(0.64 * (double(A2.y) - A1.y));
        const Vector n = Vector::UnitNormalBetween(A1, A9);
        NeckCtrl1 = Cross(A01, Vector::UnitBetween(A01, A1), A9, n);
        NeckCtrl2 = A9 - n * F(0.5 * Geom::Distance(A9, A2));
    }

    // 16-17. Back shoulder point: the oblique shoulder height from T0 (a
    //        yoke lengthens it by its drop d, which grows with the
    //        posture), the shoulder length from A2.
    if (HasYoke) {
        U.x = F((double(A.x) + a.x) / 2);
        YokeArc = F((double(a.x) - U.x) * 0.15 * Pk * (1.0 / 11.0));
    } else {
        YokeArc = 0;
    }
    const float d = YokeArc;
    P = Geom::CircleCross(T0, A2, F(Vpk + LengthEase + 0.6 * h + d), F(1.1 * Shp + ShoulderEase + 0.5), 0);
    P2 = Vector(a.x, P.y);

    // 18-19. Back armhole P → P31 → BackArmholeJoin → G2: P31 stands 0.3 of
    //        the armhole width + 0.15 of its height above the chest line,
    //        never below 0.35 T.y; the joint lies on the segment between
    //        the two lower controls, so the curve is smooth there.
    P31 = Vector(a.x, std::max(F(0.35 * T.y), F(G1.y + 0.3 * (double(G4.x) - G1.x) + 0.15 * (double(P2.y) - G1.y))));
    BackArmholeCtrl = Vector(a.x, F(P31.y + Geom::Distance(P, P31) / 3.0));
    BackArmholeCtrl2 = Vector(F(0.23 * G11.x), G11.y);
    BackArmholeCtrl1 = Vector(G11.x, F(G11.y + 0.32 * (double(P31.y) - G11.y)));
    BackArmholeJoin = BackArmholeCtrl1 + (BackArmholeCtrl2 - BackArmholeCtrl1) * 0.7f;

    // 20. Lower front armhole G2 → FrontArmholeJoin → P6: P6 stands 0.3 of
    //     the armhole width + 1.2 above the chest line, never below 0.4 T.y.
    P6 = Vector(G4.x, std::max(F(0.4 * T.y), F(G4.y + 0.3 * (double(G4.x) - G1.x) + 1.2)));
    FrontArmholeCtrl1 = Vector(F(0.35 * G41.x), G41.y);
    FrontArmholeCtrl2 = Vector(G41.x, F(G41.y + 0.3 * (double(P6.y) - G41.y)));
    FrontArmholeJoin = FrontArmholeCtrl2 + (FrontArmholeCtrl1 - FrontArmholeCtrl2) * 0.7f;

    // 21. Front neck: as wide as the back one, 0.45 Сш + 0.5 deep; a
    //     circular arc through A4 and A5 about FrontNeckCentre.
    A3 = Vector(a1.x, F(T3.y + Dtp + FrontLengthEase + 0.6 * h));
    A4 = Vector(F(A3.x - (double(A1.x) - A01.x)), A3.y);
    A5 = Vector(A3.x, F(A3.y - 0.45 * Cw - 0.5));
    {
        const float r = Geom::Distance(A5, A3);
        FrontNeckCentre = Geom::CircleCross(A4, A5, r, r, 1);
    }

    // 22. Yoke: its seam runs across the back YokeWidth below A01, and from
    //     its middle U to the armhole twice, level (K1) and d lower (K2);
    //     the armhole between them goes into the yoke seam.  A yoke that
    //     would come down below P31.y + d is raised to it.
    if (HasYoke) {
        if (double(YokeWidth) + d - A01.y + P31.y > 0) YokeWidth = F(double(A01.y) - P31.y - d);
        K = Vector(A01.x, F(double(A01.y) - YokeWidth));
        U = Vector(F((double(A.x) + a.x) / 2), K.y);
        YokeBackEnd = Vector(a.x, U.y);
        YokeDartEnd = Vector(a.x, F(double(U.y) - d));
        MeetYokeWithArmhole();
        YokeCtrl = Vector(F(U.x + 0.45 * (double(YokeBackEnd.x) - U.x)), U.y);
        YokeArc = Arc(P, BackArmholeCtrl, P31, YokeParam1, YokeParam2);
    }

    // 23-24. Armhole balance: P4, the height of the front shoulder, moves
    //        until the front armhole is as long as the back one less
    //        YokeArc.  D = Lb − Lf − YokeArc is what the upper front
    //        armhole must measure.
    const float backArmhole = F(double(Arc(P, BackArmholeCtrl, P31)) + Arc(P31, BackArmholeCtrl1, BackArmholeJoin) +
                                Arc(BackArmholeJoin, BackArmholeCtrl2, G2));
    const float lowerFront =
        F(double(Arc(G2, FrontArmholeCtrl1, FrontArmholeJoin)) + Arc(FrontArmholeJoin, FrontArmholeCtrl2, P6));
    const float target = F(double(backArmhole) - lowerFront - YokeArc);
    P4 = Vector(a2.x, F(double(P2.y) - YokeArc));
    ArmholeBalance::Balance(P4.y, [&] { return UpperFrontArmhole(target); });

    // 25. Front edge: the hem 2 cm above the back's, a 1.5 cm button
    //     overlap, A51 where the neck arc's tangent at A5 meets it.
    H11 = Vector(H1.x, F(H1.y + 2.0));
    H5 = Vector(F(H11.x + 1.5), H11.y);
    A51 = Cross(H5, Vector::UnitBetween(H1, T3), A5, Vector::UnitNormalBetween(FrontNeckCentre, A5));

    // 26. Side lines from G2 to the hip-line points B4 and B5, which take
    //     half the hip excess over the bust each; where they meet the hem
    //     levels.
    B5 = Vector(F((Cg2 + Pg - Cb - Pb) * 0.5), B.y);
    B4 = Vector(-B5.x, B.y);
    B21 = Vector(0, F(H11.y + 2.0));
    {
        const Vector e = Vector::UnitBetween(T, T3);
        const Vector back = Vector::UnitBetween(G2, B4);
        const Vector front = Vector::UnitBetween(G2, B5);
        B41 = Cross(B21, e, G2, back);
        BackSideHem = Cross(H0, e, G2, back);
        FrontSideHem = Cross(H0, e, G2, front);
        B51 = Cross(B21, e, G2, front);
        FrontSideHem2 = Cross(H11, e, G2, front);
    }

    // 27. Hems: cubic arcs B41 → H3 and H4 → B51, both with the back's
    //     handle length q.
    H3 = Vector(F(0.5 * H0.x), H0.y);
    H4 = Vector(F(0.5 * H1.x), H11.y);
    {
        const double q = 0.4 * (double(B41.x) - H3.x);
        HemCtrl[0] = Vector(F(H3.x + q), H3.y);
        HemCtrl[1] = Vector(F(B41.x - q), B41.y);
        HemCtrl[2] = Vector(F(B51.x + q), B51.y);
        HemCtrl[3] = Vector(F(H4.x - q), H4.y);
    }

    // 28. The shoulder seam moves 1 cm to the front: the front piece ends on
    //     the line 1 cm below its shoulder line, at A41 on the neck circle
    //     and at P11 on the armhole.
    {
        const Vector e = Vector::UnitBetween(P10, A4);
        FrontShoulderOffset = P10 + Vector::UnitNormalBetween(A4, P10);
        A41 = Geom::LineCircle(FrontNeckCentre, Geom::Distance(A4, FrontNeckCentre), FrontShoulderOffset, e);
        ShoulderSplitParam = 0.5f;
        P11 = Bezier2::CrossLine(FrontShoulderOffset, e, Point4, FrontArmholeCtrl4, P10, ShoulderSplitParam);
    }
    // 29. ... and the back piece reaches up to the line 1 cm above its
    //     shoulder line, A21 on the neckline's tangent at A2, P1 on the
    //     armhole's tangent at P.
    {
        const Vector e = Vector::UnitBetween(A2, P);
        BackShoulderOffset = A2 + Vector::UnitNormalBetween(A2, P);
        A21 = Cross(BackShoulderOffset, e, A2, Vector::UnitBetween(NeckCtrl2, A2));
        P1 = Cross(BackShoulderOffset, e, P, Vector::UnitBetween(BackArmholeCtrl, P));
    }

    // 30. Ticks at T0 and P4.
    WaistNotch[0] = Vector(T0.x, F(T0.y + 0.2));
    WaistNotch[1] = Vector(T0.x, F(T0.y - 0.2));
    ShoulderLevelTick[0] = Vector(F(P4.x - 0.2), P4.y);
    ShoulderLevelTick[1] = Vector(F(P4.x + 0.2), P4.y);

    // 31. Breast pocket, 13 cm wide and 14 cm deep, centred between G4 and
    //     G3, its top 2.7 cm below P6.
    {
        const float right = F((double(G4.x) + G3.x + 13.0) * 0.5);
        const float left = F(right - 13.0);
        const float top = F(P6.y - 2.7);
        const float bottom = F(P6.y - 16.7);
        PocketCorners[0] = Vector(left, top);
        PocketCorners[1] = Vector(right, top);
        PocketCorners[2] = Vector(left, bottom);
        PocketCorners[3] = Vector(right, bottom);
    }

    // 32-33. The shawl collar's back neckline, 1 cm inside the back one.
    if (choice.hasCollar && choice.collarKind == 5) {
        BackNeckLength = F(double(Arc(A01, NeckCtrl1, A9)) + Arc(A9, NeckCtrl2, A2));
        const Vector along = Vector::UnitBetween(A01, A1);
        const Vector t = Vector::Perpendicular(Vector::UnitBetween(A9, A1));
        ShawlNeck[1] = A01 - Vector::Perpendicular(along);
        ShawlNeck[4] = A9 + t;
        ShawlNeck[0] = Cross(ShawlNeck[1], along, ShawlNeck[4], t);
        ShawlNeck[2] = A2 - Vector::UnitNormalBetween(NeckCtrl2, A2);
        ShawlNeck[3] = ShawlNeck[4] + t * F(0.5 * Geom::Distance(ShawlNeck[4], ShawlNeck[2]));
        //     Moved onto the back shoulder line.
        ShawlNeck[2] = Cross(ShawlNeck[2], t, A2, Vector::UnitBetween(A2, P1));
        ShawlNeckExcess = F(double(Arc(ShawlNeck[1], ShawlNeck[0], ShawlNeck[4])) +
                            Arc(ShawlNeck[4], ShawlNeck[3], ShawlNeck[2]) - BackNeckLength);
    }

    // 34-35. Sleeve marks and the armhole length the sleeve's cap is fitted
    //        to.
    if (choice.sleeve) {
        switch (choice.sleeveKind) {
            case 1:
            case 3:
            case 4: {
                //  A 0.6 cm tick into the back at P31 and into the front at
                //  P6, each with a 0.4 cm bar across its end.
                const float back = F(P31.x - 0.6);
                BackNotchMark[0] = Vector(back, F(P31.y - 0.2));
                BackNotchMark[1] = Vector(back, P31.y);
                BackNotchMark[2] = Vector(back, F(P31.y + 0.2));
                const float front = F(P6.x + 0.6);
                FrontNotchMark[0] = Vector(front, P6.y);
                FrontNotchMark[1] = Vector(front, F(P6.y - 0.2));
                FrontNotchMark[2] = Vector(front, F(P6.y + 0.2));
                break;
            }
            case 5:
            case 6:
                BackRaglanNotch[0] = Vector(F(P31.x - 0.2), P31.y);
                BackRaglanNotch[1] = Vector(F(P31.x + 0.2), P31.y);
                FrontRaglanNotch[0] = Vector(F(P6.x - 0.2), P6.y);
                FrontRaglanNotch[1] = Vector(F(P6.x + 0.2), P6.y);
                break;
            default:
                //  The two-seam sleeve writes its own notches.
                break;
        }
        ArmholeDepth = F((double(P.y) + P10.y) * 0.5 - G.y);
        ArmholeLength = F(double(backArmhole) + lowerFront + Arc(P6, FrontArmholeCtrl3, Point4) +
                          Arc(Point4, FrontArmholeCtrl4, P10) - YokeArc);
    }
}

void TMenDress::MeetYokeWithArmhole() {
    YokeParam1 = 0.5f;
    K1 = Bezier2::CrossLine(U, Vector::UnitBetween(U, YokeBackEnd), P, BackArmholeCtrl, P31, YokeParam1);
    YokeParam2 = 0.5f;
    K2 = Bezier2::CrossLine(U, Vector::UnitBetween(U, YokeDartEnd), P, BackArmholeCtrl, P31, YokeParam2);
}

void TMenDress::RaiseYokeToNotch(const Vector& notch) {
    if (!HasYoke || !(K2.y < notch.y)) return;
    // The yoke seam keeps its drop YokeArc from U to the back line and is
    // raised until its lower line U → YokeDartEnd passes through the notch.
    const double drop = YokeArc;
    const double run = double(a.x) - U.x;
    YokeDartEnd.y = F(Checked::Div(double(notch.x) - a.x, run, "men's yoke raised to the notch") * drop + notch.y);
    const float v = F(double(YokeDartEnd.y) + drop);
    YokeBackEnd.y = v;
    YokeCtrl.y = v;
    U.y = v;
    K.y = v;
    YokeWidth = F(double(A01.y) - K.y);
    MeetYokeWithArmhole();
}

void TMenDress::CalcSegments() {
    ChestLineLength = F(double(G3.x) - G.x);
    BackLength = F(double(A01.y) - H0.y);
    FrontLength = F(double(A5.y) - H11.y);
}

void TMenDress::ClearSheets() { GarmentSheets::Clear(MainForm && MainForm->Sleeve ? 3 : 2); }

// ---------------------------------------------------------------------------
// The bodice as the other pieces see it

TMenDress* CurrentMenDress() { return MainForm ? dynamic_cast<TMenDress*>(MainForm->Model) : nullptr; }
