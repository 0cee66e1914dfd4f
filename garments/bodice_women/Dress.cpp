#include "garments/bodice_women/Dress.h"

#include <cmath>

#include "garments/bodice_women/DressMath.h"
#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

using DressMath::Cross;
using DressMath::F;
using DressMath::Tick;

constexpr double kPi = 3.14159265358979323846;

// a / b; a zero divisor throws.
double Div(double a, double b) { return Checked::Div(a, b, "women's bodice draft"); }

using DraftSteps::Arc;

// sin x / x, 1 at x = 0.
double SinOver(double x) { return x == 0.0 ? 1.0 : std::sin(x) / x; }

}  // namespace

// ---------------------------------------------------------------------------
// Allowances

void TDress::SetAllowances(const DressAllowances& c) {
    const double h = InterliningEase;
    const float h15 = F(1.5 * h);  // stored once, used in both sums
    BustEaseTotal = F(double(BustEase) + h15);
    HipEaseTotal = F(double(HipEase) + h15);
    BackWidthEase = F(0.23 * BustEaseTotal);
    FrontWidthEase = F(0.17 * BustEaseTotal);
    ArmholeDepthEase = F(0.3 * h + c.armholeDepth);
    BackLengthEase = F(c.backLength);
    FrontLengthEase = F(0.6 * h + c.frontLength);
    NeckWidthEase = F(c.neckWidth);
    NeckRiseEase = F(c.neckRise);
    BackNeckRaise = F(0.6 * h + c.backNeckRaise);
    FrontNeckDepthEase = F(0.6 * h + c.frontNeckDepth);
    ShoulderRaise = F(c.shoulderRaise);
    ShoulderLengthEase = F(c.shoulderLength);
    PocketWidth = F(0.15 * BustHalfGirth2 + c.pocketWidth);
}

// ---------------------------------------------------------------------------
// The draft

void TDress::Calculate() { Draft(CurrentDressChoice()); }

float TDress::FrontShoulder(float r) {
    const float shoulder = F(double(ShoulderLength) + ShoulderLengthEase);
    // 16.1 Front shoulder point: the armhole height P8.y − P6.y from P9, the
    //      shoulder length from A7.
    P10 = Geom::CircleCross(P9, A7, F(double(P8.y) - P6.y), shoulder, 1);
    // 16.2 Upper end of the armhole, 0.5 cm down the line P10 → P6.
    const Vector e1 = Vector::UnitBetween(P6, P10);
    P11 = P10 - e1 * 0.5f;
    // 16.3 Points "3" and "4": "4" bows in by 9/67 of the shoulder's reach
    //      beyond the front width line.
    // 16.4, 16.5 R′ = R − the upper front armhole P6 → "4" → P11.
    return DraftSteps::BuildUpperFrontArmhole({Point3, Point4, FrontArmCtrl3, FrontArmCtrl4}, P6, P11, e1, P8, G4.x,
                                              9.0 / 67.0, r);
}

void TDress::Draft(const DressChoice& choice) {
    const double Cw = NeckHalfGirth, Cg1 = BustHalfGirth1, Cg2 = BustHalfGirth2, Cb = HipHalfGirth;
    const double Shg = ChestWidth, Tsg = BustPointDistance, Shs = BackWidth, Tsl = BladePointDistance;
    const double Shp = ShoulderLength, Dtp = FrontWaistLength, Vg = BustHeight, Dts = BackWaistLength;
    const double Vpk = ShoulderHeightOblique, Db = SideLength, Pk = Posture;
    const double Pg = BustEase, Pb = HipEase, h = InterliningEase;
    const bool withSleeve = choice.sleeve != nullptr;

    // 1. Derived values.
    //    Вп.к allowance: (back length + neck rise allowances) Вп.к / Дт.с + 0.6h.
    ShoulderHeightEase = F(Div((double(BackLengthEase) + NeckRiseEase) * Vpk, Dts) + 0.6 * h);
    //    The bust dart's angle (rad): (2 (Сг2 − Сг1) + 1.5) / (0.5 FrontLengthEase + Вг).
    const float dartAngle = F(Div(2 * (Cg2 - Cg1) + 1.5, 0.5 * FrontLengthEase + Vg));
    //    The front width over the bust, the dart closed.
    const float frontWidth = F((Cg2 - Cg1) * SinOver(dartAngle) +
                               (Shg - Tsg + 0.5 * FrontWidthEase) * std::cos(double(dartAngle)) + Tsg +
                               0.5 * FrontWidthEase);
    //    The back shoulder Sb, 0.5 cm longer than the front one.
    const float backShoulder = F(Shp + ShoulderLengthEase + 0.5);

    // 2. Grid.  The armhole spans a.x .. a2.x, centred on x = 0.
    a2 = Vector(F((Cg2 + BustEaseTotal - Shs - BackWidthEase - frontWidth) / 2), 0);
    a = Vector(-a2.x, 0);
    A = Vector(F(a.x - Shs - BackWidthEase), 0);  // back centre
    a1 = Vector(F(A.x + Cg2 + BustEaseTotal), 0);  // front centre
    T = Vector(A.x, F(-Dts - BackLengthEase));    // back waist
    B = Vector(A.x, F(T.y - 0.5 * Dts));           // back hip
    Tw = Vector(0, T.y);
    G = Vector(A.x, F(T.y + Db - ArmholeDepthEase));  // back chest
    Y = Vector(A.x, F(-0.35 * (Dts + BackLengthEase)));  // blade line
    B2 = Vector(a1.x, B.y);
    B21 = Vector(B2.x, F(B2.y - 0.7 * FrontLengthEase));
    G3 = Vector(a1.x, G.y);
    G2 = Vector(0, G.y);
    G1 = Vector(a.x, G.y);
    G4 = Vector(a2.x, G.y);
    U = Vector(F(Y.x + Tsl + 0.5 * BackWidthEase), Y.y);  // blade point
    A0 = Vector(A.x, BackNeckRaise);
    A01 = Vector(F(A.x + 0.1 * Pk), A0.y);
    T1 = Vector(F(T.x + 0.025 * (Cg2 - 48) - 0.2 * Pk + 2.5), T.y);  // back centre at the waist
    BackCentreGuide = Vector(A.x, F(-0.32 * Dts));

    // 3. Back neck: width Сш/3 + NeckWidthEase square to the back centre,
    //    rise 0.15 Сш + NeckRiseEase; A9 on the corner's bisector.
    const float neckRise = F(0.15 * Cw + NeckRiseEase);
    {
        const Vector n = Vector::UnitNormalBetween(A01, BackCentreGuide);
        A1 = A01 + n * F(Cw / 3 + NeckWidthEase);
    }
    {
        const Vector n = Vector::UnitNormalBetween(A01, A1);
        A2 = A1 + n * neckRise;  // neck point
        A9 = A1 + Geom::Rotated(n, float(kPi / 4)) * F(0.64 * neckRise);
    }

    // 4. Back shoulder point: Вп.к + its allowance (+ 1.3 Пн with a sleeve)
    //    + ShoulderRaise from T1, Sb from A2.
    {
        double height = Vpk + ShoulderHeightEase;
        if (withSleeve) height += 1.3 * choice.sleeve->ShoulderPad;
        P = Geom::CircleCross(T1, A2, F(height + ShoulderRaise), backShoulder, 0);
    }
    P2 = Vector(a.x, P.y);
    //    P3: 0.3 of the armhole width plus 0.15 of its height above the chest
    //    line, never below the blade line.
    P3 = Vector(a.x, F(G1.y + 0.3 * (double(G4.x) - G1.x) + 0.15 * (double(P2.y) - G1.y)));
    if (P3.y < Y.y) P3.y = Y.y;

    // 5. Blade-line spread: two lines from U, ±β = ShoulderRaise / 22 off the
    //    blade line, 11 cm long.
    U0 = U + Vector(11, 0);
    if (ShoulderRaise > 0.1f) {
        const double beta = ShoulderRaise / 22.0;
        U02 = Vector(F(U.x + 11 * std::cos(beta)), F(U.y + 11 * std::sin(beta)));
        U01 = Vector(U02.x, F(U.y - 11 * std::sin(beta)));
    } else {
        U01 = U02 = U0;
    }

    // 6. Back shoulder dart: from U towards the first third of the shoulder,
    //    opened by θ = (ShoulderRaise − 0.25 Пк) / 11.
    Vector e1 = Vector::UnitBetween(A2, P);  // shoulder line
    U1 = A2 + e1 * F(Geom::Distance(A2, P) / 3.0);
    {
        const Vector e2 = Vector::UnitBetween(U, U1);
        U03 = U + e2 * 11.0f;
        const float theta = F((ShoulderRaise - 0.25 * Pk) / 11.0);
        if (theta < 0) {
            const Vector e3 = Geom::Rotated(e2, theta);
            U04 = U + e3 * 11.0f;
            U3 = Cross(A2, e1, U, e3);
            U4 = (U1 + U3) / 2;
            //  The apex U2 comes down from U4 by the dart's share of
            //  0.75 Пк − ShoulderRaise, scaled by (U1.y − U.y)/(U03.y − U.y).
            const double share = Div(double(U1.y) - U.y, double(U03.y) - U.y);
            U2 = U4 + Vector::UnitBetween(U4, U) * F(share * (0.75 * Pk - ShoulderRaise));
        } else {
            // No dart.
            U2 = U04 = U03;
            U3 = U4 = U1;
        }
    }

    // 7. Back shoulder end: P1 with the dart open (Sb plus the dart's opening
    //    from A2, |P3 P2| from P3); P4 with it closed (Sb from A2, |U2 P1|
    //    from U2); the dart legs met with the closed shoulder line.
    P1 = Geom::CircleCross(A2, P3, F(double(backShoulder) + Geom::Distance(U1, U3)), Geom::Distance(P3, P2), 1);
    P4 = Geom::CircleCross(A2, U2, backShoulder, Geom::Distance(U2, P1), 1);
    e1 = Vector::UnitBetween(A2, P4);
    Q1 = Cross(A2, e1, U2, Vector::UnitBetween(U2, U1));
    Q2 = Cross(A2, e1, U2, Vector::UnitBetween(U2, U4));
    Q3 = U2 + Vector::UnitBetween(U2, U3) * Geom::Distance(U2, Q1);

    // 8. Back neckline A01 → [NeckCtrl1] → A9 → [NeckCtrl2] → A2: leaves A01
    //    square to the back centre and passes A9 square to A1 → A9.
    {
        const Vector n = Vector::UnitNormalBetween(A1, A9);
        NeckCtrl1 = Cross(A01, Vector::UnitBetween(A01, A1), A9, n);
        NeckCtrl2 = A9 - n * F(0.5 * Geom::Distance(A9, A2));
    }

    // 9. Back armhole P1 → [1] → P3 → [2] → BackArmMid → [3] → G2.
    BackArmCtrl1 = P3 + Vector::UnitBetween(P3, a) * F(Geom::Distance(P3, P1) / 3.0);
    BackArmCtrl2 = Vector(G1.x, F(0.57 * P3.y + 0.43 * G1.y));
    BackArmCtrl3 = Vector(F(0.43 * G1.x), G1.y);
    BackArmMid = (BackArmCtrl2 + BackArmCtrl3) / 2;

    // 10. Back centre seam from an eighth of Y → G down to T1; the back waist
    //     line leaves T1 square to it and meets the side line at T5.
    BackSeamStart = Y + Vector::UnitBetween(Y, G) * F(Geom::Distance(Y, G) * 0.125);
    T5 = Cross(G2, Vector::UnitBetween(A, T), T1, Vector::UnitNormalBetween(BackSeamStart, T1));

    // 11. The back armhole at the blade line, and its spread between the two
    //     lines of step 5 (the part the sleeve does not take up).
    if (P3.y == Y.y) {
        P3Blade = P3;
    } else {
        float t = 0.5f;
        P3Blade = Bezier2::CrossLine(U, Vector::UnitBetween(U, U0), P3, BackArmCtrl2, BackArmMid, t);
    }
    D = D1 = P3Blade;
    BackArmholeCut = 0;
    if (ShoulderRaise > 0.1f) {
        const Vector e1u = Vector::UnitBetween(U, U02);
        const Vector e2u = Vector::UnitBetween(U, U01);
        const float s1 = Geom::Side(U, e1u, P3);
        const float s2 = Geom::Side(U, e2u, P3);
        float t1 = 0.5f, t2 = 0.5f;
        if (s1 <= 0 && s2 >= 0) {
            // P3 between the lines: D on the upper arc, D1 on the lower one.
            D = Bezier2::CrossLine(U, e1u, P1, BackArmCtrl1, P3, t1);
            D1 = Bezier2::CrossLine(U, e2u, P3, BackArmCtrl2, BackArmMid, t2);
            BackArmholeCut = F(double(Bezier2::ArcLength(P1, BackArmCtrl1, P3, t1, 1)) +
                               Bezier2::ArcLength(P3, BackArmCtrl2, BackArmMid, 0, t2));
        } else if (s1 > 0 && s2 > 0) {
            // P3 above both: both on the lower arc.
            D = Bezier2::CrossLine(U, e1u, P3, BackArmCtrl2, BackArmMid, t1);
            D1 = Bezier2::CrossLine(U, e2u, P3, BackArmCtrl2, BackArmMid, t2);
            BackArmholeCut = Bezier2::ArcLength(P3, BackArmCtrl2, BackArmMid, t1, t2);
        } else if (s1 < 0 && s2 < 0) {
            // P3 below both: both on the upper arc.
            D = Bezier2::CrossLine(U, e1u, P1, BackArmCtrl1, P3, t1);
            D1 = Bezier2::CrossLine(U, e2u, P1, BackArmCtrl1, P3, t2);
            BackArmholeCut = Bezier2::ArcLength(P1, BackArmCtrl1, P3, t1, t2);
        }
        // Any other placing (the blade point beyond the armhole) leaves the
        // armhole unspread.
    }

    // 12. Hip flare of the back centre: of E = Сб + Пб − Сг2 − Пг the back
    //     centre takes δ = E / (2 (T5.y − B.y)/(T.y − B.y) + 1) at the hip.
    HipExcess = F(Cb + Pb - Cg2 - Pg);
    if (HipExcess > 0) {
        const double delta = Div(HipExcess, 2 * Div(double(T5.y) - B.y, double(T.y) - B.y) + 1);
        B0 = Vector(F(B.x - delta), B.y);
        const double guide = Div(double(BackCentreGuide.y) - T.y, double(BackCentreGuide.y) - B.y);
        BackCentreWaist = Vector(F(T.x - delta * guide), T.y);
    } else {
        B0 = B;
        BackCentreWaist = T;
    }

    // 13. Front grid and front neck: the front waist T3 stands
    //     BackLengthEase − FrontLengthEase + 0.6h above the back one; the neck
    //     is Сш/3 + NeckWidthEase wide and 0.45 Сш + FrontNeckDepthEase deep.
    T2 = Vector(a1.x, T.y);
    T3 = Vector(a1.x, F(double(T2.y) + BackLengthEase - FrontLengthEase + 0.6 * h));
    A3 = Vector(a1.x, F(double(T3.y) + Dtp + FrontLengthEase));
    A4 = Vector(F(A3.x - Cw / 3 - NeckWidthEase), A3.y);  // front neck point
    G6 = Vector(F(G3.x - Tsg - 0.5 * FrontWidthEase), G3.y);  // bust point line
    T4 = Vector(G6.x, T3.y);
    A5 = Vector(a1.x, F(A3.y - 0.45 * Cw - FrontNeckDepthEase));  // front neck centre
    {
        const float d = Geom::Distance(A5, A3);
        FrontNeckCentre = Geom::CircleCross(A4, A5, d, d, 1);
    }

    // 14. Bust point G7, ν = 0.5 FrontLengthEase + Вг below A4 on the bust
    //     point line; A7 is A4 turned about it by the dart angle.
    const float nu = F(0.5 * FrontLengthEase + Vg);
    {
        const double dx = double(A4.x) - G6.x;
        G7 = Vector(G6.x, F(A4.y - Checked::Sqrt(double(nu) * nu - dx * dx, "women's bodice: bust point")));
        A7 = G7 + Geom::Rotated(Vector::UnitBetween(G7, A4), dartAngle) * nu;
    }

    // 15. Lower front armhole G2 → [1] → FrontArmMid → [2] → P6: P6 stands
    //     0.3 of the armhole width + 1.2 above the chest line, never below
    //     0.45 T.y.
    P6 = Vector(G4.x, F(G4.y + 0.3 * (double(G4.x) - G1.x) + 1.2));
    {
        const float lowest = F(0.45 * T.y);
        if (P6.y < lowest) P6.y = lowest;
    }
    FrontArmCtrl2 = Vector(G4.x, F(0.53 * P6.y + 0.47 * G4.y));
    FrontArmCtrl1 = Vector(F(0.53 * G4.x), G2.y);
    FrontArmMid = (FrontArmCtrl2 + FrontArmCtrl1) / 2;
    P9 = P6 + Vector(0.6f, 0);

    // 16. Armhole balance: P8, the top of the front armhole height, moves
    //     until the front armhole is as long as the back one less
    //     BackArmholeCut.
    //     R = Lb_arm − Lf_low − BackArmholeCut.
    const float backArmhole =
        F(double(Arc(P1, BackArmCtrl1, P3)) + Arc(P3, BackArmCtrl2, BackArmMid) + Arc(BackArmMid, BackArmCtrl3, G2));
    const float lowerFront = F(double(Arc(G2, FrontArmCtrl1, FrontArmMid)) + Arc(FrontArmMid, FrontArmCtrl2, P6));
    const float r = F(double(backArmhole) - lowerFront - BackArmholeCut);
    P8 = Vector(G4.x, F(double(P2.y) - BackArmholeCut));
    BalanceArmhole(P8.y, [&] { return FrontShoulder(r); });

    // 17. Front shoulder and bust dart.  P7 a third along A7 → P10; the dart
    //     closes by turning A7 → P7 back about G7 by γ.
    const float frontShoulder = F(Shp + ShoulderLengthEase);
    P7 = A7 + Vector::UnitBetween(A7, P10) * F(frontShoulder / 3.0);
    const float g7a4 = Geom::Distance(G7, A4);
    const Vector toP7 = Vector::UnitBetween(G7, P7);
    P5 = G7 + toP7 * g7a4;
    {
        const float gamma = F(Checked::Asin(Vector::Cross(Vector::UnitBetween(G7, A7), toP7), "women's bodice: dart"));
        const Vector e = Geom::Rotated(Vector::UnitBetween(G7, A4), gamma);
        A6 = G7 + e * g7a4;
        A8 = G7 + e * Geom::Distance(G7, P7);
    }
    {
        //  G71: 2 cm up the dart's bisector.
        const Vector sum = toP7 + Vector::UnitBetween(G7, A8);
        G71 = G7 + FloatStore::Unit(sum.x, sum.y, "women's bodice: dart bisector") * 2.0f;
    }
    FrontShoulderMid = P10 + Vector::UnitBetween(P10, P7) * F(0.5 * Geom::Distance(P10, P7));

    // 18. Side line G2 → T5 down to the hip line.
    B3 = Cross(G2, Vector::UnitBetween(G2, T5), B, Vector::UnitBetween(B, B2));

    // 19. Notch ticks, 0.2 cm either side.
    Tick(P8Tick, P8, Vector::UnitBetween(G4, G6), 0.2f);
    Tick(P4Tick, P4, Vector::UnitNormalBetween(A2, P4), 0.2f);
    Tick(P9Tick, P9, Vector::UnitBetween(G4, P6), -0.2f);

    // 20. Front waist point and pocket guides.
    e1 = Vector::UnitBetween(G, T);                // straight down
    const Vector e2 = Vector::UnitBetween(T5, T4);  // along the waist line
    Tk = Cross(G4, e1, T5, e2);
    //     K: Дт.с/6 below the waist, 1 cm more on the coats.
    const bool coat = choice.modelIndex >= 11 && choice.modelIndex <= 14;
    K = Tk + e1 * F(Dts / 6 + (coat ? 1 : 0));
    PocketBase = Cross(G6, e1, K, e2);
    K1 = PocketBase + e2 * 1.5f;
    K2 = K1 - e2 * PocketWidth;  // horizontal guide K1–K2
    K0 = K1 - e2 * F(0.15 * Cg1 + 2);
    PocketVTop = Vector(K0.x, F(K0.y + 0.33 * PocketWidth));
    PocketVBottom = Vector(PocketVTop.x, F(double(PocketVTop.y) - PocketWidth));  // vertical guide
    {
        const Vector q = e2 * F(Geom::Distance(K, K0) / 4.0);
        PocketAim1 = K + q;
        PocketAim2 = K + q * 2.0f;
        PocketAim3 = K + q * 3.0f;
    }
    {
        //  The slanting guides start on the quarter ellipse about K0 with
        //  half axes |K0 K1| along the waist and PocketWidth/3 up, at π/8,
        //  π/4 and 3π/8, and run PocketWidth towards their aims.
        const Vector up = Vector::UnitBetween(K0, PocketVTop);
        const double d = Geom::Distance(K0, K1);
        const double rho = PocketWidth / 3.0;
        const auto onEllipse = [&](double phi) {
            return K0 + up * F(rho * std::sin(phi)) + e2 * F(d * std::cos(phi));
        };
        PocketSlant1 = onEllipse(kPi / 8);
        PocketSlant2 = onEllipse(kPi / 4);
        PocketSlant3 = onEllipse(3 * kPi / 8);
        PocketSlantEnd1 = PocketSlant1 + Vector::UnitBetween(PocketSlant1, PocketAim1) * PocketWidth;
        PocketSlantEnd2 = PocketSlant2 + Vector::UnitBetween(PocketSlant2, PocketAim2) * PocketWidth;
        PocketSlantEnd3 = PocketSlant3 + Vector::UnitBetween(PocketSlant3, PocketAim3) * PocketWidth;
    }
    {
        //  Ticks across the guide ends, two by two; see the member.
        Vector* ticks = PocketTicks;
        const Vector n = Vector::UnitNormalBetween(K1, K2);
        const Vector n1 = Vector::UnitNormalBetween(PocketSlant1, PocketAim1);
        const Vector n2 = Vector::UnitNormalBetween(PocketSlant2, PocketAim2);
        const Vector n3 = Vector::UnitNormalBetween(PocketSlant3, PocketAim3);
        const Vector x(1, 0);
        Tick(&ticks[0], K1, n, 0.2f);
        Tick(&ticks[2], K2, n, 0.2f);
        Tick(&ticks[4], PocketVTop, x, 0.2f);
        Tick(&ticks[6], PocketSlant3, n3, 0.2f);
        Tick(&ticks[8], PocketSlant2, n2, 0.2f);
        Tick(&ticks[10], PocketSlant1, n1, 0.2f);
        Tick(&ticks[12], PocketVBottom, x, -0.2f);
        Tick(&ticks[14], PocketSlantEnd3, n3, -0.2f);
        Tick(&ticks[16], PocketSlantEnd2, n2, -0.2f);
        Tick(&ticks[18], PocketSlantEnd1, n1, -0.2f);
    }

    // 21. The shawl collar's lowered back neckline, 1 cm inside the back one.
    if (choice.hasCollar && choice.collarKind == 5) {
        BackNeckLength = F(double(Arc(A01, NeckCtrl1, A9)) + Arc(A9, NeckCtrl2, A2));
        const float k = 1;
        const Vector e2n = Vector::UnitBetween(A01, A1);
        ShawlNeckStart = A01 - Vector::Perpendicular(e2n) * k;
        const Vector n = Vector::Perpendicular(Vector::UnitBetween(A9, A1));
        ShawlNeckMid = A9 + n * k;
        ShawlNeckCtrl1 = Cross(ShawlNeckStart, e2n, ShawlNeckMid, n);
        const Vector m = Vector::UnitNormalBetween(NeckCtrl2, A2);
        ShawlNeckEnd = A2 - m * k;
        ShawlNeckCtrl2 = ShawlNeckMid + n * F(0.5 * Geom::Distance(ShawlNeckMid, ShawlNeckEnd));
        //  Moved onto the back shoulder line.
        ShawlNeckEnd = Cross(ShawlNeckEnd, n, A2, Vector::UnitBetween(A2, P1));
        ShawlNeckExcess = F(double(Arc(ShawlNeckStart, ShawlNeckCtrl1, ShawlNeckMid)) +
                            Arc(ShawlNeckMid, ShawlNeckCtrl2, ShawlNeckEnd) - BackNeckLength);
    }

    // 22. Sleeve marks and the armhole length the sleeve's cap is fitted to.
    if (withSleeve) {
        switch (choice.sleeveKind) {
            case 1:
            case 3:
            case 4:
                //  One mark at P3: a 0.6 cm tick towards the back centre and
                //  a 0.4 cm bar across its end.
                ArmholeNotches[1] = Vector(F(P3.x - 0.6), F(P3.y - 0.2));
                ArmholeNotches[2] = Vector(F(P3.x - 0.6), P3.y);
                ArmholeNotches[3] = Vector(F(P3.x - 0.6), F(P3.y + 0.2));
                break;
            case 7:
            case 8:
                //  Kimono sleeves: vertical notches at T5 and Tw.
                Tick(T5Tick, T5, Vector(0, 1), -0.2f);
                Tick(TwTick, Tw, Vector(0, 1), -0.2f);
                break;
            default:
                break;
        }
        ArmholeLength = F(double(backArmhole) + lowerFront + Arc(P6, FrontArmCtrl3, Point4) +
                          Arc(Point4, FrontArmCtrl4, P11) - BackArmholeCut);
    }
}

void TDress::CalcSegments() {
    SegGG3 = Geom::Distance(G, G3);
    SegGG2 = Geom::Distance(G, G2);
    SegG2G3 = Geom::Distance(G2, G3);
    SegA0T = Geom::Distance(A0, T);
    SegA3T3 = Geom::Distance(A3, T3);
}

void TDress::ClearSheets() { GarmentSheets::Clear(MainForm && MainForm->Sleeve ? 3 : 2); }

// ---------------------------------------------------------------------------
// The bodice as the other pieces see it

TDress* CurrentDress() { return MainForm ? dynamic_cast<TDress*>(MainForm->Model) : nullptr; }

DressChoice CurrentDressChoice() { return CurrentBodiceChoice(DressChoice().modelIndex); }
