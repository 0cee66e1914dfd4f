#include "garments/coats_men/MenPattern.h"

#include <cmath>
#include <stdexcept>

#include "garments/common/ArmholeBalance.h"
#include "garments/common/DraftSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A drafting value kept as float; a non-finite one throws.
float F(double v) { return FloatStore::Scalar(v, "men's pattern draft"); }

// a / b; a zero divisor throws.
double Div(double a, double b) { return Checked::Div(a, b, "men's pattern draft"); }

// The crossing of the line through p with direction d and the line through
// q with direction e; parallel lines throw.
Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "men's pattern: parallel lines");
}

using DraftSteps::Arc;

// The family's constants by season or garment, FrontShift left 0: the
// construction sets it.
constexpr MenPatternConstants kDemiCoat{0, 0, 5, 1.2f, 3.3f, 1, 2, 0.8f, 1, 1, 1, 3.3f, 1.2f, 1.5f};
constexpr MenPatternConstants kWinterCoat{0, 0, 5, 1.6f, 3.5f, 2, 2.5f, 1, 1.5f, 1, 1.2f, 3.8f, 1.4f, 1.7f};
constexpr MenPatternConstants kBlazer{0, 0, 3, 1, 1.5f, 0.7f, 1, 0.4f, 0.5f, 0.5f, 0.7f, 1.2f, 0.4f, 0.7f};
constexpr MenPatternConstants kVest{0, 2, 5, 0.3f, 0.7f, 0.5f, 1.5f, 0.2f, 1, 0, 0.3f, 0.8f, 0.16f, 0.43f};

}  // namespace

MenPatternConstants MenPatternConstantsOf(int modelIndex) {
    MenPatternConstants c;
    if (modelIndex >= MenPatternType::kFirstCoat && modelIndex < MenPatternType::kFirstBlazer) {
        //  28 .. 30 demi-season, 31 .. 33 winter; in each the side seam, the
        //  one-piece and the separate side part.
        const int k = modelIndex - MenPatternType::kFirstCoat;
        c = k < 3 ? kDemiCoat : kWinterCoat;
        c.frontShift = float(2 * (k % 3));
    } else if (modelIndex == MenPatternType::kFirstBlazer || modelIndex == MenPatternType::kFirstBlazer + 1) {
        c = kBlazer;
        c.frontShift = modelIndex == MenPatternType::kFirstBlazer ? 2.0f : 4.0f;
    } else if (modelIndex == MenPatternType::kVest) {
        c = kVest;
    } else {
        throw std::invalid_argument("not a men's outerwear garment type");
    }
    return c;
}

void TMenPattern::SetConstants(const MenPatternConstants& c) {
    FrontShift = c.frontShift;
    //  The width eases share c = 1.5h + Пг, stored before it is scaled.
    const float ease = F(1.5 * double(InterliningEase) + BustEase);
    ChestWidthEase = F(0.17 * ease - c.widthEaseReduction);
    BackWidthEase = F(0.25 * ease - c.widthEaseReduction);
    ArmholeDepthEase = c.armholeDepth;
    BackLengthEase = c.backLength;
    FrontDropEase = c.frontDrop;
    BackNeckRise = c.backNeckRise;
    BackNeckWidthEase = c.backNeckWidth;
    BackNeckHeightEase = c.backNeckHeight;
    FrontNeckDepthEase = c.frontNeckDepth;
    ArmholeDartWidth = c.armholeDartWidth;
    ShoulderEase = c.shoulder;
    BustWidthEase = c.bustWidth;
    BackWidthAddition = c.backWidthAddition;
    ChestWidthAddition = c.chestWidthAddition;
}

// ---------------------------------------------------------------------------
// The draft

void TMenPattern::Calculate() {
    BodiceChoice choice = CurrentBodiceChoice(type_ ? type_ : MenPatternType::kFirstCoat);
    if (type_) choice.modelIndex = type_;
    Draft(choice);
}

void TMenPattern::DraftGarment(bool sleeveFirst, const std::function<void()>& step) {
    calculated = false;
    SetConstants(MenPatternConstantsOf(type_));
    TMenPattern::Calculate();
    TSleeve* sleeve = MainForm ? MainForm->Sleeve : nullptr;
    if (!sleeveFirst) step();
    if (sleeve) sleeve->Calculate();
    if (sleeveFirst) step();
    if (TCollar* collar = MainForm ? MainForm->Collar : nullptr) collar->Calculate();
    calculated = true;
}

float TMenPattern::FrontShoulder(float target) {
    // 42. Front shoulder point P10: the height P8.y − P6.y from P6, the
    //     shoulder Шп + ShoulderEase from A4.  "1" 0.4 of the way up P6 → P10;
    //     "2" bows out of it by 9/67 of the shoulder's reach beyond the front
    //     width line (0.13432837, the float nearest 9/67).
    P10 = Geom::CircleCross(P6, A4, F(double(P8.y) - P6.y), F(double(ShoulderWidth) + ShoulderEase), 1);
    // 44. What the upper front armhole P6 → "2" → P10 still lacks.
    return DraftSteps::BuildUpperFrontArmhole({FrontArmhole1, FrontArmhole2, FrontArmholeCtrl3, FrontArmholeCtrl4}, P6,
                                              P10, Vector::UnitBetween(P6, P10), P8, G4.x, 0.13432837f, target);
}

void TMenPattern::Draft(const BodiceChoice& choice) {
    const double R = Height, Cw = NeckHalfGirth, Cg1 = BustHalfGirth1, Cg2 = BustHalfGirth2;
    const double Ct = WaistHalfGirth, Vg = BustHeight, Dtp = FrontWaistLength, Shg = ChestWidth;
    const double Tsg = BustPointSpan, Vprz = BackArmholeHeight, Dts = BackWaistLength;
    const double Vpk = ObliqueShoulderHeight, Shs = BackWidth, Shp = ShoulderWidth, Pk = Posture;
    const double Pg = BustEase, h = InterliningEase;
    const bool vest = choice.modelIndex == MenPatternType::kVest;
    const bool blazer =
        choice.modelIndex == MenPatternType::kFirstBlazer || choice.modelIndex == MenPatternType::kFirstBlazer + 1;

    // ---- Grid and back lines ----
    // 1. The armhole's width W: the half bust with its eases less the back
    //    and chest widths with theirs.
    const float W = F(Cg2 + Pg + 1.5 * h + BustWidthEase - Shs - BackWidthEase - BackWidthAddition - Shg -
                      ChestWidthEase - ChestWidthAddition);
    // 2. The back width line a and the side seam G21 share W out.
    const double k1 = vest ? -0.7 : -0.56;
    const double k2 = vest ? -0.2 : -0.06;
    a = Vector(F(k1 * W), 0);
    G21.x = F(k2 * W);
    // 3. Back centre.
    A = Vector(F(double(a.x) - Shs - BackWidthEase - BackWidthAddition), 0);
    // 4. Chest line: the back armhole height with its eases, 1.5 % longer.
    G.y = F(-(0.5 * BackLengthEase + Vprz + ArmholeDepthEase) * 1.015);
    G.x = A.x;
    G1 = Vector(a.x, G.y);
    G2 = Vector(0, G.y);
    G21.y = G.y;
    // 5. Waist line; the shoulder-blade level 0.3 of the way down; the hip
    //    line half Дт.с − 2.5 below the waist.
    T = Vector(A.x, F(-(Dts + BackLengthEase) * 1.015));
    Y = Vector(A.x, F(0.3 * T.y));
    B = Vector(A.x, F(T.y - 0.5 * Dts + 2.5));
    // 6. Hem line: the coats 0.609 Р down, the blazers (Р/2 − 11) · 1.015,
    //    the vest Дт.с/4 below the waist.
    if (vest) {
        H = Vector(A.x, F(T.y - 0.25 * Dts));
    } else if (blazer) {
        H = Vector(A.x, F(-(0.5 * R - 11) * 1.015));
    } else {
        H = Vector(A.x, F(-0.609 * R));
    }
    // 7. Back centre moved by the posture, and its neck point.
    A0 = Vector(F(A.x + 0.1 * Pk), 0);
    A01 = Vector(A0.x, F(0.6 * h + BackNeckRise));
    // 8. Back centre seam at the waist.
    T0 = Vector(F(T.x + 0.025 * (Cg2 - Ct) - 0.1 * Pk + 2.5), T.y);
    // 9.
    BackCentreGuide = Vector(A.x, F(-0.2745 * Dts));

    // ---- Back neckline ----
    // 10. Its width Сш/3 + ease square to the back centre line.
    const float neckHeight = F(0.15 * Cw + BackNeckHeightEase);
    A1 = A01 + Vector::UnitNormalBetween(A01, BackCentreGuide) * F(Cw / 3 + BackNeckWidthEase);
    // 11. Its height 0.15 Сш + ease square to A01 → A1; 12. A9 on the
    //     corner's bisector, 0.64 of the height from A1.
    {
        const Vector up = nVector(A01, A1);
        A2 = A1 + up * neckHeight;
        A9 = A1 + Geom::Rotated(up, float(kPi / 4)) * F(0.64 * neckHeight);
    }
    // 13. The neckline A01 → [NeckCtrl1] → A9 → [NeckCtrl2] → A2 leaves A01
    //     square to the back centre and passes A9 square to A1 → A9.
    {
        const Vector n = nVector(A1, A9);
        NeckCtrl1 = Cross(A01, Vector::UnitBetween(A01, A1), A9, n);
        NeckCtrl2 = A9 - n * F(0.5 * Geom::Distance(A9, A2));
    }
    // 14. Controls of the back centre seam.
    BackSeamCtrlHigh = Vector(Y.x, F(Y.y - 0.14 * (double(Y.y) - G.y)));
    BackSeamCtrlLow = Vector(T0.x, F(T.y + 0.125 * (double(G.y) - T.y)));

    // ---- Back shoulder and the shoulder-blade dart ----
    // 15. P: Вп.к with its eases (and 1.3 Пн with a sleeve) from T0, the
    //     back shoulder 3 % longer than the front one from A2.
    {
        double height = Vpk + BackLengthEase + 0.6 * h;
        if (choice.sleeve) height = Vpk + BackLengthEase + 1.3 * double(choice.sleeve->ShoulderPad) + 0.6 * h;
        P = Geom::CircleCross(T0, A2, F(height * 1.015), F((Shp + ShoulderEase) * 1.03), 0);
    }
    // 16.
    P2 = Vector(a.x, P.y);
    // 17. The dart point 0.4 of the way from the back centre to the back
    //     width line on the blade level.
    U = Vector(F(Y.x + 0.4 * (double(a.x) - Y.x)), Y.y);
    U0 = Vector(F(U.x + 12.0), U.y);
    // 18. P1: P turned about A2 by the dart's opening carried to the
    //     shoulder, ArmholeDartWidth (a.x − U.x) / (12 |A2 P|) radians.
    {
        const float reach = Geom::Distance(A2, P);
        const float angle = F(Div(double(ArmholeDartWidth) * (double(a.x) - U.x), 12.0 * reach));
        P1 = A2 + Geom::Rotated(P - A2, angle);
    }
    // 19. The dart legs, 12 cm long, opened by ArmholeDartWidth at their
    //     ends: the upper one turned up by ArmholeDartWidth/24, the lower one
    //     its mirror image in U → U0.
    U01 = U + Geom::Rotated(Vector::UnitBetween(U, U0), F(ArmholeDartWidth / 24.0)) * 12.0f;
    U02 = Geom::Mirror(U, U0, U01);

    // ---- Back armhole P1 → [1] → P31 → [2] → BackArmholeJoin → [3] → G2 ----
    // 20. P31 on the back width line, never below the blade level.
    {
        float y = F(G1.y + 0.15 * (double(P2.y) - G1.y) + 0.6 * (double(G21.x) - G1.x));
        if (y < Y.y) y = Y.y;
        P31 = Vector(a.x, y);
    }
    // 21. - 22.
    BackArmholeCtrl1 = Vector(a.x, F(P31.y + Geom::Distance(P31, P1) / 3.0));
    BackArmholeCtrl3 = Vector(F(0.4 * G1.x), G1.y);
    BackArmholeCtrl2 = Vector(G1.x, F(G1.y + 0.5 * (double(P31.y) - G1.y)));
    BackArmholeJoin = BackArmholeCtrl2 + (BackArmholeCtrl3 - BackArmholeCtrl2) * 0.6f;
    // 23. P3: the blade level met with the armhole below P31.
    const Vector blade = Vector::UnitBetween(U, U0);
    if (P31.y == Y.y) {
        P3 = P31;
    } else {
        float t = 0.5f;
        P3 = Bezier2::CrossLine(U, blade, P31, BackArmholeCtrl2, BackArmholeJoin, t);
    }
    // 24. The dart's legs on the armhole and the armhole they cut out.
    D1 = D2 = P3;
    DartArcLength = 0;
    if (ArmholeDartWidth > 0.1f) {
        const Vector upper = Vector::UnitBetween(U, U01);
        const Vector lower = Vector::UnitBetween(U, U02);
        const float s1 = Geom::Side(U, upper, P31);
        const float s2 = Geom::Side(U, lower, P31);
        float t1 = 0.5f, t2 = 0.5f;
        if (s1 <= 0 && s2 >= 0) {
            //  P31 between the legs: D1 above it, D2 below it.
            D1 = Bezier2::CrossLine(U, upper, P1, BackArmholeCtrl1, P31, t1);
            D2 = Bezier2::CrossLine(U, lower, P31, BackArmholeCtrl2, BackArmholeJoin, t2);
            DartArcLength =
                F(double(Arc(P1, BackArmholeCtrl1, P31, t1, 1)) + Arc(P31, BackArmholeCtrl2, BackArmholeJoin, 0, t2));
        } else if (s1 > 0 && s2 > 0) {
            //  P31 above both legs: both below it.
            D1 = Bezier2::CrossLine(U, upper, P31, BackArmholeCtrl2, BackArmholeJoin, t1);
            D2 = Bezier2::CrossLine(U, lower, P31, BackArmholeCtrl2, BackArmholeJoin, t2);
            DartArcLength = Arc(P31, BackArmholeCtrl2, BackArmholeJoin, t1, t2);
        } else if (s1 < 0 && s2 <= 0) {
            //  P31 below both legs: both above it.
            D1 = Bezier2::CrossLine(U, upper, P1, BackArmholeCtrl1, P31, t1);
            D2 = Bezier2::CrossLine(U, lower, P1, BackArmholeCtrl1, P31, t2);
            DartArcLength = Arc(P1, BackArmholeCtrl1, P31, t1, t2);
        }
        //  Any other placing (P31 behind the dart point) cuts nothing out.
    }

    // ---- Front grid and front centre ----
    // 25. The front width line closes the armhole's width W.
    a2 = Vector(F((vest ? 0.3 : 0.44) * W + FrontShift), 0);
    G4 = Vector(a2.x, G.y);
    FrontWidthWaist = Vector(a2.x, T.y);
    // 26. The front centre a chest width with its eases further.
    a1 = Vector(F(double(a2.x) + Shg + ChestWidthEase + ChestWidthAddition), 0);
    G3 = Vector(a1.x, G.y);
    T3 = Vector(a1.x, T.y);
    B3 = Vector(a1.x, B.y);
    H3 = Vector(a1.x, H.y);
    // 27.
    FrontG2 = Vector(F(double(G2.x) + FrontShift), G.y);
    // 28. The belly allowance: 0.4 (Ст − Сг2 + 6.2), never negative.
    BellyAllowance = F(0.4 * (Ct - Cg2 + 6.2));
    if (BellyAllowance < 0) BellyAllowance = 0;
    // 29. The front waist drops by 0.7 FrontDropEase and half the allowance;
    //     the front edge stands the allowance out.
    T31 = Vector(T3.x, F(T3.y - 0.7 * FrontDropEase - 0.5 * BellyAllowance + 0.05 * Pk));
    T32 = Vector(F(double(T31.x) + BellyAllowance), T31.y);
    // 30. Hip and hem drop with the waist.
    B31 = Vector(B3.x, F(double(B3.y) - T3.y + T31.y));
    B32 = Vector(T32.x, B31.y);
    H31 = Vector(T31.x, F(double(H3.y) - T3.y + T31.y));
    H32 = Vector(T32.x, H31.y);

    // ---- Bust and front neckline ----
    // 31. The bust point line Цг and half the chest ease inside the front centre.
    G5 = Vector(F(G3.x - Tsg - 0.5 * (0.17 * (1.5 * h + Pg) + ChestWidthAddition)), G3.y);
    T5 = Vector(G5.x, T3.y);
    T51 = Vector(T5.x, T31.y);
    // 32. The bust point Дт.п − Вг (and half the back lengthening) above the
    //     waist, 2 % more.
    G6 = Vector(G5.x, F(T5.y + 1.02 * (Dtp - Vg + 0.5 * BackLengthEase)));
    G7 = Vector(a1.x, G6.y);
    // 33. The front above the bust turns about G6 by (Сг2 − Сг1)/d radians.
    const float d = F(double(G7.x) - G6.x);
    G8 = G6 + Geom::Rotated(Vector::UnitBetween(G6, G7), F(Div(Cg2 - Cg1, d))) * d;
    // 34. The neck width w = |A01 A1| + 1 inside G8 on the turned front.
    const float w = F(double(Geom::Distance(A01, A1)) + 1);
    const Vector toG8 = Vector::UnitBetween(G6, G8);
    A4 = G6 + toG8 * F(double(d) - w);
    // 35. A4 moves up, square to the turned front, until it stands
    //     0.6h + 1.02 (Вг + BackLengthEase/2) from the bust point.  Where
    //     that line passes the circle by there is no such neck point.
    {
        const Vector down = nVector(G8, G6);
        const float reach = F(0.6 * h + 1.02 * (Vg + 0.5 * BackLengthEase));
        const float off = Vector::Dot(G6 - A4, Vector::Perpendicular(down));
        if (!(std::fabs(off) <= reach)) Checked::Fail("men's pattern: the bust height cannot reach the neck");
        A4 = Geom::LineCircle(G6, reach, A4, down);
    }
    // 36. - 37. The front centre at the neck, and the neck's depth along it.
    A3 = A4 + toG8 * w;
    A5 = A3 + Vector::UnitBetween(A3, G8) * F(0.45 * (Cw + FrontNeckDepthEase));
    // 38. The front shoulder reference drops by the dart's opening.
    P8 = Vector(a2.x, F(double(P2.y) - ArmholeDartWidth));
    // 39. The front neckline: a circular arc A4 → A5 of radius |A3 A5|.
    {
        const float e = Geom::Distance(A3, A5);
        FrontNeckCentre = Geom::CircleCross(A4, A5, e, e, 1);
    }

    // ---- Front armhole FrontG2 → [1] → FrontArmholeJoin → [2] → P6 → [3] → "2" → [4] → P10 ----
    // 40. P6 on the front width line, never below 0.4 T.y.
    {
        float y = F(G4.y + 1.2 + 0.6 * (double(G4.x) - FrontG2.x));
        const float lowest = F(0.4 * T.y);
        if (y < lowest) y = lowest;
        P6 = Vector(G4.x, y);
    }
    // 41. The lower front armhole.
    FrontArmholeCtrl1 = Vector(F(FrontG2.x + 0.6 * (double(G4.x) - FrontG2.x)), G4.y);
    FrontArmholeCtrl2 = Vector(G4.x, F(G4.y + 0.6 * (double(P6.y) - G4.y)));
    FrontArmholeJoin = FrontArmholeCtrl2 + (FrontArmholeCtrl1 - FrontArmholeCtrl2) * 0.4f;
    // 43. g21: the back armhole straight above the side seam point G21.
    {
        float t = 0.5f;
        g21 = Bezier2::CrossLineFrom(G21, Vector::UnitBetween(G1, a), BackArmholeJoin, BackArmholeCtrl3, G2, t, 0);
        SideParam = t;
    }
    // 44. The back armhole down to g21 (L1); below g21 it belongs to the
    //     front (L2).  The upper front armhole must make up L3 = L1 − L2 −
    //     DartArcLength.
    const float backPart = F(double(Arc(P1, BackArmholeCtrl1, P31)) + Arc(P31, BackArmholeCtrl2, BackArmholeJoin) +
                             Arc(BackArmholeJoin, BackArmholeCtrl3, G2, 0, SideParam));
    ArmholeArcLength = Arc(BackArmholeJoin, BackArmholeCtrl3, G2, SideParam, 1);
    const float lowerFront = F(double(Arc(FrontG2, FrontArmholeCtrl1, FrontArmholeJoin)) +
                               Arc(FrontArmholeJoin, FrontArmholeCtrl2, P6) + ArmholeArcLength);
    const float upperFront = F(double(backPart) - lowerFront - DartArcLength);
    // 42., 45. The armhole balance: P8 moves by the mismatch and the upper
    //     front armhole is built again, until it is within 0.1 cm.
    ArmholeBalance::Balance(P8.y, [&] { return FrontShoulder(upperFront); });

    // ---- Side and hem ----
    // 46. - 47.
    T2 = Vector(G2.x, T.y);
    B2 = Vector(G2.x, B.y);
    H2 = Vector(G2.x, H.y);
    P8Bar[0] = Vector(F(P8.x - 0.2), P8.y);
    P8Bar[1] = Vector(F(P8.x + 0.2), P8.y);

    // ---- Collar data ----
    if (choice.hasCollar) {
        // 48. The back neckline the stand collars are as long as.
        NeckLength = F(double(Arc(A01, NeckCtrl1, A9)) + Arc(A9, NeckCtrl2, A2));
        // 49. The jacket and shawl collars lower it by 1 cm.
        if (choice.collarKind == 7 || choice.collarKind == 8) {
            const Vector e1 = Vector::UnitBetween(A01, A1);
            const Vector m1 = Vector::Perpendicular(e1);
            LowNeck1 = A01 - m1;
            const Vector m2 = Vector::Perpendicular(Vector::UnitBetween(A9, A1));
            LowNeck2 = A9 + m2;
            LowNeckCtrl1 = Cross(LowNeck1, e1, LowNeck2, m2);
            LowNeck3 = A2 - Vector::UnitNormalBetween(NeckCtrl2, A2);
            LowNeckCtrl2 = LowNeck2 + m2 * F(0.5 * Geom::Distance(LowNeck2, LowNeck3));
            //  Moved onto the back shoulder line.
            LowNeck3 = Cross(LowNeck3, m2, A2, Vector::UnitBetween(A2, P1));
            LowNeckExcess = F(double(Arc(LowNeck1, LowNeckCtrl1, LowNeck2)) +
                              Arc(LowNeck2, LowNeckCtrl2, LowNeck3) - NeckLength);
        }
    }

    // 50. Whether the front edge turns left at the bust: from G8 → A5 above
    //     to G7 → T32 below.
    FrontEdgeTurn = Vector::Cross(A5 - G8, T32 - G7) > 0;

    // ---- Sleeve data ----
    if (choice.sleeve) {
        // 51. The sleeve notches: a 0.6 cm stem with a 0.4 cm bar, into the
        //     back at P31 and into the front at P6 (set-in sleeves); short
        //     bars across P31 and P6 (raglan sleeves).
        if (choice.sleeveKind >= 12 && choice.sleeveKind <= 14) {
            const float back = F(P31.x - 0.6);
            SleeveNotch1[1] = Vector(back, F(P31.y - 0.2));
            SleeveNotch1[2] = Vector(back, P31.y);
            SleeveNotch1[3] = Vector(back, F(P31.y + 0.2));
            const float front = F(P6.x + 0.6);
            SleeveNotch2[1] = Vector(front, P6.y);
            SleeveNotch2[2] = Vector(front, F(P6.y + 0.2));
            SleeveNotch2[3] = Vector(front, F(P6.y - 0.2));
        } else if (choice.sleeveKind == 15 || choice.sleeveKind == 16) {
            RaglanNotches[0] = Vector(F(P31.x - 0.2), P31.y);
            RaglanNotches[1] = Vector(F(P31.x + 0.2), P31.y);
            RaglanNotches[2] = Vector(F(P6.x - 0.2), P6.y);
            RaglanNotches[3] = Vector(F(P6.x + 0.2), P6.y);
        }
        // 52. What the sleeves fit to.
        ArmholeHeight = F((double(P1.y) + P10.y) / 2 - G.y);
        ArmholeWidth = F(double(G4.x) - G1.x - FrontShift);
        ArmholeLength = F(double(backPart) + lowerFront + Arc(P6, FrontArmholeCtrl3, FrontArmhole2) +
                          Arc(FrontArmhole2, FrontArmholeCtrl4, P10) - DartArcLength);
    }
}

void TMenPattern::CalcSegments() {
    SegGG3 = F(double(G3.x) - G.x);
    SegGG2 = F(double(G2.x) - G.x);
    SegG2G3 = F(double(G3.x) - G2.x);
    SegA01H = F(double(A01.y) - H.y);
}

void TMenPattern::ClearSheets() { GarmentSheets::Clear(MainForm && MainForm->Sleeve ? 3 : 2); }

// ---------------------------------------------------------------------------
// The garment as the collars and sleeves see it

TMenPattern* CurrentMenPattern() { return MainForm ? dynamic_cast<TMenPattern*>(MainForm->Model) : nullptr; }
