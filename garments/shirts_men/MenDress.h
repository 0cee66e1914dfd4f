// The men's bodice: the common base of the shirts and jackets of straight
// and fitted silhouette.
//
// TMenDress holds the body measurements, the allowances, the ten ease
// constants, every point and curve control of the bodice draft, the values
// that the collars and sleeves read, and the points that the raglan and the
// two-seam sleeve write back.  Its Calculate drafts what all four garments
// share: the grid, the back with its neck, optional yoke and armhole, the
// front with its neck, shoulder and armhole (balanced against the back
// armhole), the button overlap, the side lines and hems, the shoulder seam
// moved 1 cm to the front, the breast pocket and the sleeve notches.  The
// garments of the family differ only in their ease constants
// (MenDressEase), which each one sets before the draft, and in the step it
// adds after it.
//
// The draft lives in pattern centimetres, y up.  The top line y = 0 passes
// through A, a, a2 and a1; the side line x = 0 runs down the middle of the
// armhole through G0, G2, T2, B2 and H2; the back lies at x < 0, the front
// at x > 0.  Points are named by the labels the sheet writes beside them;
// control points, ticks and guides have descriptive names.
#pragma once

#include <vector>

#include "garments/common/BodiceChoice.h"
#include "garments/shirts_men/MenDressEase.h"
#include "kernel/Geometry.h"
#include "kernel/Models.h"

class TCollar;
struct PatternPen;

// The garment types of the family: the shirt and the jacket, each straight
// then fitted.
namespace MenDressType {
constexpr int kStraightShirt = 22;  // 22, 23 the shirts, 24, 25 the jackets
}  // namespace MenDressType

// What the outline and the point names read of the pieces chosen with the
// garment besides the draft.
struct MenOutlineChoice {
    int sleeveKind = 0;  // 0 without a sleeve
    int collarKind = 0;  // 0 without a collar
    // The collar is the jacket collar, and c6 its point "С6", which
    // finishes the raglan front's neck edge.
    bool jacketCollar = false;
    Vector c6;

    bool HasSleeve() const { return sleeveKind != 0; }
    // The front has the plain overlap edge (neither the jacket nor the shawl
    // collar, which make the front edge themselves).
    bool Edge() const { return collarKind != 4 && collarKind != 5; }
    bool Raglan() const { return sleeveKind == 5 || sleeveKind == 6; }
};

// The main window's pieces as the outline reads them.
MenOutlineChoice CurrentMenOutlineChoice();

// How the outline learns the jacket collar's "С6": the jacket collar
// registers a function that answers true (and the point) for a collar of its
// class and false for any other.  Without one, no collar is the jacket
// collar.  Answers the function registered before.
using JacketCollarPoint = bool (*)(const TCollar& collar, Vector& c6);
JacketCollarPoint SetJacketCollarPoint(JacketCollarPoint point);

// A point name of the sheet: its text, the point and the label placement.
struct MenPointName {
    const char* text;
    Vector point;
    int placement;
};

class TMenDress : public TModel {
public:
    bool HasSleeve = false;  // built with a sleeve kind chosen
    bool HasYoke = false;    // the back has a yoke (set by the draft)

    // ---- Body measurements (cm), in the order of the measurement column. ----
    float Height = 0.0f;             // Р
    float NeckHalfGirth = 0.0f;      // Сш
    float BustHalfGirth = 0.0f;      // Сг2
    float HipHalfGirth = 0.0f;       // Сб
    float FrontWaistLength = 0.0f;   // Дт.п
    float ChestWidth = 0.0f;         // Шг
    float BackArmholeHeight = 0.0f;  // Впр.з
    float BackWaistLength = 0.0f;    // Дт.с
    float ShoulderHeight = 0.0f;     // Вп.к, oblique
    float BackWidth = 0.0f;          // Шс
    float ShoulderLength = 0.0f;     // Шп
    float Posture = 0.0f;            // Пк

    // ---- Allowances (cm). ----
    // Шк; the draft forces 5 with a raglan sleeve and lowers a yoke that
    // would reach below the armhole's notch.
    float YokeWidth = 0.0f;
    float BustEase = 0.0f;         // Пг
    float HipEase = 0.0f;          // Пб
    float CapEaseNorm = 0.0f;      // Н, read by the set-in sleeves
    float InterliningEase = 0.0f;  // h

    // ---- The ease constants of the garment (MenDressEase). ----
    float ArmholeLowering = 0.0f;
    float LengthEase = 0.0f;
    float FrontLengthEase = 0.0f;
    float BackNeckRise = 0.0f;
    float NeckWidthEase = 0.0f;
    float NeckRiseEase = 0.0f;
    float ShoulderEase = 0.0f;
    float WidthEase = 0.0f;
    float BackWidthEase = 0.0f;
    float ChestWidthEase = 0.0f;

    // ---- Top line and neck. ----
    Vector a, a1, a2, A, A01, A1, A2, A21, A3, A4, A41, A5, A51, A9;
    // ---- Yoke: its seam K → U → YokeBackEnd, the dart end below, and
    // where the two seams meet the back armhole. ----
    Vector K, K1, K2, U, YokeBackEnd, YokeDartEnd;
    Vector FrontNeckCentre;  // centre of the front neck arc A4 → A5
    // ---- Shoulders and armhole. ----
    Vector P, P1, P2, P31;
    Vector BackRaglanNotch[2];  // tick at P31 (raglan sleeves)
    Vector P4, P6;
    Vector FrontRaglanNotch[2];  // tick at P6 (raglan sleeves)
    Vector P10, P11;
    // ---- Grid. ----
    Vector G0, G, G1, G11, G2, G3, G4, G41, T, T0, T2, T3, B, B2, B21, B3, B4, B41, B5, B51, H0, H1, H11, H2, H3, H4,
        H5;
    // The side lines at the hem levels.
    Vector BackSideHem, FrontSideHem, FrontSideHem2;
    // ---- Curve controls. ----
    Vector NeckCtrl1, NeckCtrl2;  // back neck arcs A01 → A9 and A9 → A2
    // Back armhole P → [BackArmholeCtrl] → P31 → [1] → BackArmholeJoin →
    // [2] → G2.
    Vector BackArmholeCtrl, BackArmholeCtrl1, BackArmholeCtrl2;
    // Front armhole G2 → [1] → FrontArmholeJoin → [2] → P6 → [3] → "4" →
    // [4] → P10.
    Vector FrontArmholeCtrl2, FrontArmholeCtrl1, FrontArmholeCtrl3, FrontArmholeCtrl4;
    Vector YokeCtrl;  // the yoke seam of the back piece U → K2
    Vector BackArmholeJoin, FrontArmholeJoin;
    Vector Point3, Point4;  // the points labelled "3" and "4" of the upper front armhole
    // Back hem controls near H3 and near B41, front hem controls near B51
    // and near H4.
    Vector HemCtrl[4];
    Vector WaistNotch[2];         // tick at T0
    Vector ShoulderLevelTick[2];  // tick at P4
    // 1 cm off the front shoulder line (below) and the back one (above).
    Vector FrontShoulderOffset, BackShoulderOffset;
    // Breast pocket: top left, top right, bottom left, bottom right.
    Vector PocketCorners[4];
    // ---- Sleeve notches. ----
    // Sleeve kinds 1, 3 and 4: the draft writes BackNotchMark (0.2 cm below,
    // level with and 0.2 cm above a point 0.6 cm into the back from P31) and
    // FrontNotchMark (level with, 0.2 cm below and 0.2 cm above a point
    // 0.6 cm into the front from P6).  The two-seam sleeve writes the whole
    // block itself.
    Vector FrontSleeveNotch;
    Vector BackNotchMark[3];
    Vector BackSleeveNotch[4];
    Vector FrontNotchMark[3];
    // The back neckline 1 cm inside the back one, for the shawl collar:
    // s0 .. s4, the arcs s1 → [s0] → s4 → [s3] → s2.
    Vector ShawlNeck[5];

    // ---- Lengths (cm). ----
    float ArmholeDepth = 0.0f;   // from the chest line to the shoulders' mean height; with a sleeve
    float ArmholeWidth = 0.0f;   // W, from a to a2
    float ArmholeLength = 0.0f;  // back + front armhole less YokeArc; with a sleeve; the set-in sleeves fit to it
    // The yoke's drop d while the back shoulder is built, then the back
    // armhole between K1 and K2 that the yoke seam takes out; 0 without a
    // yoke.
    float YokeArc = 0.0f;
    // Parameters of K1 and K2 on the arc P → P31, and of P11 on the arc
    // "4" → P10.
    float YokeParam1 = 0.0f, YokeParam2 = 0.0f, ShoulderSplitParam = 0.0f;
    float BackNeckLength = 0.0f;   // back neckline, for the shawl collar
    float ShawlNeckExcess = 0.0f;  // shawl neckline less BackNeckLength

    // ---- Written by the raglan sleeves. ----
    Vector C1, C2, C3, C4;
    // Back raglan arcs A9 → [1] → C2 → [2] → BackRaglanEnd; front raglan
    // arcs FrontRaglanEnd → [1] → C4 → [2] → A42.
    Vector BackRaglanCtrl1, BackRaglanCtrl2, FrontRaglanCtrl1, FrontRaglanCtrl2;
    Vector C1Partner;       // the other end of the guide from C1
    Vector BackRaglanEnd;   // on the back armhole
    Vector FrontRaglanEnd;  // on the front armhole
    Vector C3Partner;       // the other end of the guide through C3
    Vector A42;             // the raglan point on the front neckline
    // Parameters where the back and the front armhole resume below the
    // raglan line, on the arcs chosen by the sides below.
    float RaglanBackParam = 0.0f, RaglanFrontParam = 0.0f;
    // 1 or 2: the back arc at P31 or at G2; the front arc at G2 or at P6.
    int RaglanSide = 0, RaglanFrontSide = 0;

    // ---- The segment table. ----
    float ChestLineLength = 0.0f;  // |G G3|
    float BackLength = 0.0f;       // |A01 H0|
    float FrontLength = 0.0f;      // |A5 H11|

    TMenDress() = default;

    // Sets the ten ease constants of a garment of the family.
    void SetEase(const MenDressEase& e);

    // The common draft, for the main window's current choice of pieces.
    void Calculate() override;
    // The common draft for the given choice.  Fails only by throwing: the
    // integer 2 when the armhole does not balance, EFloatError on a
    // degenerate construction.
    void Draft(const BodiceChoice& choice);

    void ClearSheets() override;
    void CalcSegments() override;

    // The back and front as drafted, outline thick and construction lines
    // thin, in the set-in layout (no sleeve, sleeve kinds 1 to 4) or the
    // raglan layout (5, 6); nothing for any other sleeve kind.
    void DrawOutline(const PatternPen& pen, const MenOutlineChoice& c) const;
    // The point names of the same layouts, in writing order.
    std::vector<MenPointName> PointNames(const MenOutlineChoice& c) const;
    void LabelPoints(const PatternPen& pen, const MenOutlineChoice& c) const;

    // The two-seam sleeve's back correction: a yoke whose lower seam meets
    // the back armhole (at K2) below the sleeve's back notch is raised, its
    // drop YokeArc kept, until that seam passes through the notch; U, K, the
    // seam's ends and control, YokeWidth, K1 and K2 follow.  Nothing without
    // a yoke or with K2 at or above the notch.
    void RaiseYokeToNotch(const Vector& notch);

private:
    // K1 and K2, where the yoke's level seam U → YokeBackEnd and its lower
    // seam U → YokeDartEnd meet the back armhole P → P31.
    void MeetYokeWithArmhole();
    // One pass over the upper front armhole for the current P4.y; returns
    // what the front armhole still lacks of `target`, the back armhole less
    // the lower front and YokeArc.
    float UpperFrontArmhole(float target);
};

// The main window's garment when it is a men's shirt or jacket, else
// nullptr: the one way a collar or a sleeve reaches the bodice it belongs to.
TMenDress* CurrentMenDress();
