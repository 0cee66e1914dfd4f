// The women's bodice: the common base of the dresses, jackets and coats of
// straight and fitted silhouette.
//
// TDress holds the body measurements, the allowances, every point and
// length of the bodice draft, and the points that the collars and the
// bodice-shaping sleeves read and write.  Its Calculate drafts what all
// eight garments share: the grid, the back with its neck, shoulder dart and
// armhole, the front with its neck, bust dart, shoulder and armhole
// (balanced against the back armhole), the side line, the pocket guides
// and the sleeve notches.  The silhouette classes add their own step after
// it; the garments of the family differ only in their allowances
// (DressAllowances), which each one sets before the draft.
//
// The draft lives in pattern centimetres, y up.  The top line y = 0 passes
// through A, the top of the back centre line; the back lies at x < 0, the
// front at x > 0, and the armhole is centred on x = 0, where G2 marks the
// side seam on the chest line.  Points are named by the labels the sheet
// writes beside them; control points, ticks and guides have descriptive
// names.
#pragma once

#include <cmath>

#include "garments/bodice_women/DressAllowances.h"
#include "garments/common/ArmholeBalance.h"
#include "garments/common/BodiceChoice.h"
#include "garments/common/DragHandle.h"
#include "kernel/FloatStore.h"
#include "kernel/Geometry.h"
#include "kernel/Models.h"

struct PatternPen;

// What the draft reads of the main window's choice of pieces; the garment
// type is 7 .. 14, the straight dress unless told.
struct DressChoice : BodiceChoice {
    DressChoice() { modelIndex = 7; }
    DressChoice(const BodiceChoice& c) : BodiceChoice(c) {}
};

class TDress : public TModel {
public:
    bool HasSleeve = false;  // built with a sleeve kind chosen

    // ---- Body measurements (cm). ----
    float NeckHalfGirth = 0.0f;          // Сш
    float BustHalfGirth1 = 0.0f;         // Сг1
    float BustHalfGirth2 = 0.0f;         // Сг2
    float HipHalfGirth = 0.0f;           // Сб
    float ChestWidth = 0.0f;             // Шг
    float BustPointDistance = 0.0f;      // Цг, half the distance between the bust points
    float BackWidth = 0.0f;              // Шс
    float BladePointDistance = 0.0f;     // Цл, half the distance between the blade points
    float ShoulderLength = 0.0f;         // Шп
    float FrontWaistLength = 0.0f;       // Дт.п
    float BustHeight = 0.0f;             // Вг
    float BackWaistLength = 0.0f;        // Дт.с
    float ShoulderHeightOblique = 0.0f;  // Вп.к
    float SideLength = 0.0f;             // Дб
    float Posture = 0.0f;                // Пк

    // ---- Eases and allowances (cm). ----
    float BustEase = 0.0f;            // Пг (input)
    float BustEaseTotal = 0.0f;       // Пг + 1.5h
    float BackWidthEase = 0.0f;       // 0.23 BustEaseTotal
    float FrontWidthEase = 0.0f;      // 0.17 BustEaseTotal
    float InterliningEase = 0.0f;     // h (input)
    float HipEase = 0.0f;             // Пб (input)
    float HipEaseTotal = 0.0f;        // Пб + 1.5h
    float ArmholeDepthEase = 0.0f;    // lowers the chest line
    float BackLengthEase = 0.0f;      // added to the back waist length
    float FrontLengthEase = 0.0f;     // added to the front waist length
    float ShoulderHeightEase = 0.0f;  // added to the oblique shoulder height; computed by the draft
    float NeckWidthEase = 0.0f;       // added to the neck widths
    float NeckRiseEase = 0.0f;        // added to the back neck rise
    float BackNeckRaise = 0.0f;       // height of the back neck centre above the top line
    float FrontNeckDepthEase = 0.0f;  // added to the front neck depth
    float ShoulderRaise = 0.0f;       // raise of the back shoulder for the garment kind
    float ShoulderLengthEase = 0.0f;  // added to the shoulder length

    // ---- Top line and back neck. ----
    Vector a, a1, a2, A, A0, A01, A1, A2, A9;
    // Front neck corner, neck point, neck centre, neck point turned by the
    // bust dart, dart-leg points.
    Vector A3, A4, A5, A7, A6, A8;
    // Back shoulder points.
    Vector P, P1, P2;
    Vector P3Blade;  // back armhole at the blade line (label "P3")
    // Armhole and shoulder points of back and front.
    Vector P3, P4, P6, P9, P8, P10, P11, P7, P5;
    // Blade line, blade point, back shoulder dart.
    Vector Y, U, U0, U01, U02, U03, U04, U1, U2, U3, U4;
    // Chest line, bust point and the bust dart's end.
    Vector G, G1, G2, G3, G4, G6, G7, G71;
    Vector BackCentreWaist;  // the back centre met with the waist line when the hips flare it
    // Waist line.
    Vector T, T1, T2, T3, T4, T5;
    Vector T5Tick[2];  // notch at T5 (kimono sleeves)
    Vector Tk;         // front waist point on the front width line
    Vector Tw;         // side point at the back waist level
    Vector TwTick[2];  // notch at Tw (kimono sleeves)
    // Hip line.
    Vector B0, B, B2, B21, B3;
    // Back shoulder dart on the closed shoulder line.
    Vector Q1, Q2, Q3;
    Vector BackCentreGuide;  // (A.x, −0.32 Дт.с)
    // Controls of the back neckline arcs A01 → A9 and A9 → A2.
    Vector NeckCtrl1, NeckCtrl2;
    // Controls of the back armhole arcs P1 → P3, P3 → BackArmMid, BackArmMid → G2.
    Vector BackArmCtrl1, BackArmCtrl2, BackArmCtrl3;
    Vector FrontShoulderMid;  // midpoint of P10–P7
    // Controls of the front armhole arcs: G2 → FrontArmMid (1),
    // FrontArmMid → P6 (2), P6 → "4" (3), "4" → P11 (4).
    Vector FrontArmCtrl2, FrontArmCtrl1, FrontArmCtrl3, FrontArmCtrl4;
    Vector BackSeamStart;  // upper end of the back centre seam line to T1
    // Junctions of the lower armhole arcs.
    Vector BackArmMid, FrontArmMid;
    // Front armhole points labelled "3" and "4".
    Vector Point3, Point4;
    // Notch ticks.
    Vector P8Tick[2], P4Tick[2], P9Tick[2];
    Vector FrontNeckCentre;  // centre of the front neckline arc A4 → A5
    Vector D, D1;            // ends of the back armhole spread
    // Pocket guides.
    Vector K, K0, K1, K2, PocketBase, PocketVTop, PocketSlant3, PocketSlant2, PocketSlant1, PocketVBottom,
        PocketSlantEnd3, PocketSlantEnd2, PocketSlantEnd1;
    // Two ticks across each guide end, in the order K1, K2, PocketVTop,
    // PocketSlant3, PocketSlant2, PocketSlant1, PocketVBottom,
    // PocketSlantEnd3, PocketSlantEnd2, PocketSlantEnd1.
    Vector PocketTicks[20];
    // Points the slanting guides aim at.
    Vector PocketAim3, PocketAim2, PocketAim1;
    // Sleeve notch marks: entries 1 .. 3 form the mark at P3 the draft
    // writes for sleeve kinds 1, 3 and 4; the two-seam sleeve writes all
    // eight (0 .. 3 on the front armhole, 4 .. 7 on the back).
    Vector ArmholeNotches[8];
    // The neckline 1 cm inside the back neckline, for the shawl collar.
    Vector ShawlNeckCtrl1, ShawlNeckStart, ShawlNeckEnd, ShawlNeckCtrl2, ShawlNeckMid;

    // ---- Lengths. ----
    float HipExcess = 0.0f;       // Сб + Пб − Сг2 − Пг
    float BackArmholeCut = 0.0f;  // back armhole between D and D1
    float PocketWidth = 0.0f;     // length of a pocket guide
    float ArmholeLength = 0.0f;   // whole armhole less BackArmholeCut; the set-in sleeves fit to it
    float CapEaseNorm = 0.0f;     // Н (input)
    // The result table: |G G3|, |G G2|, |G2 G3|, |A0 T|, |A3 T3|.
    float SegGG3 = 0.0f, SegGG2 = 0.0f, SegG2G3 = 0.0f, SegA0T = 0.0f, SegA3T3 = 0.0f;
    float BackNeckLength = 0.0f;   // back neckline, for the shawl collar
    float ShawlNeckExcess = 0.0f;  // shawl neckline less BackNeckLength

    // ---- Written by the bodice-shaping sleeves. ----
    Vector C1;  // midpoint of A9 and P3 (raglan), or the dropped shoulder's point
    Vector C2;  // the draggable control point of the raglan line
    DragHandle RaglanHandle;     // the handle at C2, drawn on the bodice's sheet
    Vector RaglanWorkPoints1[2];  // the raglan sleeve's own working points
    Vector FrontRaglanMid;        // junction of the two front raglan arcs
    Vector TurnedRaglanMid;       // the same beyond the bust dart
    Vector RaglanWorkPoints2[2];  // the raglan sleeve's own working points
    Vector RaglanP3;              // armhole point of the raglan and dropped sleeves (label "P3")
    Vector RaglanTick[2];         // horizontal notch 0.4 cm long on the raglan line
    Vector BackRaglanCtrl1, BackRaglanCtrl2;  // arcs A9 → C2 and C2 → Q
    Vector FrontRaglanCtrl1;   // arc FrontRaglanStart → FrontRaglanMid
    Vector TurnedRaglanCtrl1;  // arc TurnedRaglanStart → TurnedRaglanMid
    Vector FrontRaglanCtrl2;   // arc FrontRaglanMid → FrontRaglanEnd
    Vector TurnedRaglanCtrl2;  // arc TurnedRaglanMid → A41
    Vector Q;
    Vector FrontRaglanStart;   // on the front armhole
    Vector TurnedRaglanStart;  // FrontRaglanStart turned about G71 by the bust dart
    Vector P71, A41;
    Vector FrontRaglanEnd;  // neck end of the front raglan line with the dart open
    Vector A81;
    // Curve parameters where the raglan (or dropped) lines meet the arcs
    // chosen by the sides below.
    float RaglanBackParam = 0.0f;
    float RaglanFrontParam = 0.0f;
    float RaglanDartParam = 0.0f;
    // 1 or 2: which back armhole arc (P3 → BackArmMid, BackArmMid → G2),
    // which front armhole arc (FrontArmMid → P6, P6 → "4"), which front
    // raglan arc the lines meet.
    int RaglanSide = 0;
    int RaglanFrontSide = 0;
    int RaglanDartSide = 0;
    // The dropped shoulder.
    Vector P12, P13, Pc, Pp;
    Vector DropBackEnd;   // end of the dropped back shoulder P1 → [P12] → DropBackEnd
    Vector DropFrontEnd;  // start of the dropped front shoulder DropFrontEnd → [P13] → P11
    Vector C;
    Vector DropNotch;    // 0.6 cm from Q
    Vector DropTick[2];  // the notch bar across DropNotch

    // ---- Written by the sleeves made in one with the bodice (kimono,
    // batwing): where their underarm line ends on the side seams.  The
    // straight silhouette draws its side seams to the end points; the fitted
    // one draws them bold up to the parameter t of its side-seam curve
    // `case` (1 the upper, 2 the lower arc; any other value: not drawn).
    Vector SleeveFrontEnd, SleeveBackEnd;
    int FrontCurveCase = 0, BackCurveCase = 0;
    float FrontCurveT = 0.0f, BackCurveT = 0.0f;

    // The armhole balance corrects the front shoulder at most this many
    // times; the last correction throws the integer 2.
    static constexpr int kMaxArmholeCorrections = ArmholeBalance::kMaxCorrections;

    TDress() = default;

    // Sets the allowances of a garment of the family from its constants,
    // the interlining ease, the bust and hip eases and Сг2.
    void SetAllowances(const DressAllowances& c);

    // The common draft, for the main window's current choice of pieces.
    void Calculate() override;
    // The common draft for the given choice.  Fails only by throwing: the
    // integer 2 when the armhole does not balance, EFloatError on a
    // degenerate construction.
    void Draft(const DressChoice& choice);

    void ClearSheets() override;
    void CalcSegments() override;

    // ---- The outline both silhouettes share (DressOutline.cpp). ----
    // The back and the front side by side for sleeve kinds 0-6, 9, 10, then
    // the pocket guides (any other kind: the pocket guides only).  The
    // garment type decides the back centre line: straight (odd 7-13) or
    // fitted (even 8-14).
    void DrawBodice(const PatternPen& pen, int sleeveKind, bool withSleeve, int modelIndex) const;
    // The front alone and the back alone, for the sleeves made in one with
    // the bodice (kinds 7, 8, 11).
    void DrawFrontWithSleeve(const PatternPen& pen, int sleeveKind) const;
    void DrawBackWithSleeve(const PatternPen& pen, int sleeveKind, int modelIndex) const;
    // The point labels of those three drawings.
    void LabelBodice(const PatternPen& pen, int sleeveKind) const;
    void LabelFrontPoints(const PatternPen& pen, int sleeveKind) const;
    void LabelBackPoints(const PatternPen& pen) const;

    // The armhole balance: starting from P8.y, corrects it by the mismatch
    // that `frontShoulder` (which rebuilds the front shoulder for the
    // current P8.y and returns the remaining mismatch) reports, until the
    // mismatch is below 0.1 cm.  Throws the integer 2 at the
    // kMaxArmholeCorrections-th correction, without testing it.
    template <class Rebuild>
    static void BalanceArmhole(float& p8y, Rebuild frontShoulder);

private:
    void DrawBackCentre(const PatternPen& pen, int modelIndex) const;
    void DrawBackNeckAndShoulder(const PatternPen& pen, int modelIndex) const;
    void DrawShoulderDartLines(const PatternPen& pen) const;
    void DrawFrontNeck(const PatternPen& pen, const Vector& neckPoint, int chords) const;
    void DrawFrontShoulder(const PatternPen& pen) const;
    void DrawBustConstruction(const PatternPen& pen) const;
    void DrawNeckConstruction(const PatternPen& pen) const;
    void DrawBackArmholeBelow(const PatternPen& pen) const;
    void DrawPocketGuides(const PatternPen& pen) const;
    void LabelPockets(const PatternPen& pen) const;

    // The front shoulder and upper front armhole for the current P8;
    // returns R − the upper front armhole's length.
    float FrontShoulder(float r);
};

// The main window's garment when it is a women's bodice, else nullptr: the
// one way a collar or a sleeve reaches the bodice it belongs to.
TDress* CurrentDress();

// The main window's current choice of pieces; without a main window, no
// collar, no sleeve and the straight dress.
DressChoice CurrentDressChoice();

template <class Rebuild>
void TDress::BalanceArmhole(float& p8y, Rebuild frontShoulder) {
    ArmholeBalance::Balance(p8y, frontShoulder);
}
