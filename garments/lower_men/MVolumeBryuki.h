// The volume men's trousers: "Брюки мужские объёмные" (TMVolumeBryuki,
// garment type 5, eight rows) and "Брюки мужские объёмные 2"
// (TMVolumeBryuki2, type 27, nine: it adds the seat depth Вс).
//
// Both run one draft, TMVolumeBryukiDraft: TMVolumeBryuki derives the seat
// depth s = Сб/2 − 1.5, TMVolumeBryuki2 takes it as typed.  The front takes
// up its surplus waist width in one, two or three pleats at the waist, or,
// when the surplus is under 2 cm, shortens the waist at the side; the back
// has one waist dart and a 14 cm line P–P1 across the dart apex.  Front and
// back are drafted on one crease line x = 0 below the waist line y = 0 (x to
// the right, y up, centimetres).  The back hip line, the back dart, the line
// P–P1, the front crotch's control point and the crotch-seam sum are the
// men's trousers' shared constructions (MenTrousers.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "garments/common/LowerGarment.h"
#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"

struct TDrawContext;

// The garment types of the two trousers in the piece factory.
constexpr int kMVolumeBryukiType = 5;
constexpr int kMVolumeBryuki2Type = 27;

// The pleat count Кс lies in 1 .. 3.
constexpr int kMinPleats = 1;
constexpr int kMaxPleats = 3;

// Кс as typed or as read from an order file: clamped to 1 .. 3 while still
// a floating-point number (so that no value can overflow the integer), then
// truncated toward zero; a NaN counts as 1.
std::int32_t ClampedPleatCount(double value);

// A pleat at the waist: its near edge (towards the crease) and its far edge
// (towards the side) at one height, the 2 cm mark ends straight below them
// and the labelled points 1.5 cm below them.
struct WaistPleat {
    Vector Near, Far;
    Vector NearMark, FarMark;
    Vector NearLabel, FarLabel;
};

// The construction points of the draft, each named by the label drawn
// beside it, then the unlabelled ones.  Every Calculate starts from a fresh
// set, so a point that the current draft does not build (T21 with pleats,
// the pleats without) stays at (0, 0).
struct MVolumeBryukiPoints {
    // Front: waist, hip, knee, seat and hem lines.
    Vector T0, T, T1, T11, T12, T2, T21;
    Vector B0, B, B1, B11;
    Vector K0, K, K1, K2;
    Vector C0, C, C1, C2;
    Vector H0, H, H1, H2, H01;
    // Front pleats: the waist-and-crease point W (pleat 1's near edge) and
    // the pleats in order from the crease; their labelled points b .. b5.
    Vector W;
    WaistPleat Pleats[kMaxPleats];
    Vector b, b1, b2, b3, b4, b5;
    // Back.
    Vector B2, B3, B4, B5;
    Vector C3, C4, C5;
    Vector K3, K4;
    Vector H3, H4, H011;
    Vector T4, T5, T6;
    Vector b6, b61, b7, b8, b9, P, P1;
    // The two 0.4 cm ticks across the line P–P1.
    Vector TickP1, TickP2, TickP11, TickP12;
    // Curve points: the hems, the front crotch (from C2 over its control
    // to B11; Q is where the fly line meets the seat line), the front side
    // without pleats (T21 over the midpoint of T2 and B to B), the back
    // side (T4 over the midpoint of T6 and B3 to B3) and the back crotch
    // (from the midpoint of C3 and C5 over C3 to B2).
    Vector FrontHemCtrl1, FrontHemCtrl2, BackHemCtrl1, BackHemCtrl2;
    Vector Q, FrontCrotchCtrl, FrontSideCtrl, BackSideCtrl, BackCrotchStart;
    // Where "Средний срез:" is written.
    Vector SeamLabelPos;
};

// What tells the two trousers apart.
struct MVolumeBryukiKind;

class TMVolumeBryukiDraft : public TLowerGarment, public MVolumeBryukiPoints {
public:
    // ---- Measurements (cm), the pleat count last. ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SideLength = 0.0f;      // Дсб, the trouser length at the side
    // s: TMVolumeBryuki2's measurement Вс; TMVolumeBryuki writes Сб/2 − 1.5
    // here in Calculate.
    float SeatDepth = 0.0f;
    float HemWidth = 0.0f;   // Шн
    float WaistEase = 0.0f;  // Пт
    float HipEase = 0.0f;    // Пб
    float SeatEase = 0.0f;   // Пвс
    // Кс: 1 .. 3 after GetMeasures; Calculate lowers it until every pleat
    // is deep enough.
    std::int32_t PleatCount = kMaxPleats;

    // ---- Derived sizes. ----
    float PleatSurplus = 0.0f;  // E: the front waist span less the front's share of the waist
    float WaistSlope = 0.0f;    // dy/dx of the front waist T2–T12, with pleats
    float BackHipWidth = 0.0f;  // W_b
    float BackDart = 0.0f;      // D, the back waist dart
    float CrotchSeam = 0.0f;    // "Средний срез:"
    bool NoPleats = false;      // E < 2: the waist shortened at the side instead
    float PleatDepth[kMaxPleats] = {};

    // ---- The segments of the result tables, in table order; the pleat
    // rows and "[ T2, T21 ]" only hold a value when the draft shows them.
    enum FrontSegment {
        SegTH, SegTC, SegCB, SegBK, SegBB1, SegH1T2, SegT2T21, SegC1C2, SegB1B11, SegCC0, SegT1T11, SegT11T12,
        SegH0H1, SegH0H2, SegH0H01, Segbb1, Segb2b3, Segb4b5,
        kFrontSegments
    };
    enum BackSegment {
        SegH1H3, SegH2H4, SegH0H011, SegB0B3, SegB3B4, SegB4B5, SegC0C3, SegC3C4, SegC3C5, SegH3T6, SegT5T6,
        SegT5T4, Segb6b61, Segb8b9, Segb61b7, SegPb7, Segb7P1,
        kBackSegments
    };
    float FrontSegments[kFrontSegments] = {};
    float BackSegments[kBackSegments] = {};

    void Calculate() override;
    void CalcSegments() override;

    // The segment tables: the front half (15 rows and one per pleat, or
    // "[ T2, T21 ]" without pleats) and the back half (17).  The measurement
    // table (the frame's) shows Кс as the count the draft used.
    std::vector<ValueTableRow> FrontTableRows() const override;
    std::vector<ValueTableRow> BackTableRows() const override;

    // The text written at SeamLabelPos: "Средний срез:" and the seam length
    // with one decimal.
    std::string SeamLabelText() const;
    // The pleats the draft shows (none while NoPleats).
    int DrawnPleats() const { return NoPleats ? 0 : PleatCount; }

    // The whole draft (outline pen `thick`, construction lines 1), without
    // its labels.
    void DrawPaths(TDrawContext& dc, int thick) const;

protected:
    explicit TMVolumeBryukiDraft(const MVolumeBryukiKind& kind);

    std::vector<MeasureSlot> Slots() override;
    bool CheckMeasures() override;
    void DrawPieces(const PieceTarget& target) const override;
    PatternSheets::Box Extent() const override;

private:
    const MVolumeBryukiKind& kind_;

    // Steps 1 .. 35 of the drafting; Calculate keeps the last draft when
    // they throw.
    void Draft();
    void FrontFrame(float s);
    void FrontPleats();
    void FrontWithoutPleats();
    void Back(float s);
    void BackDartAndLine(float s);
};

class TMVolumeBryuki : public TMVolumeBryukiDraft {
public:
    TMVolumeBryuki();
};

class TMVolumeBryuki2 : public TMVolumeBryukiDraft {
public:
    TMVolumeBryuki2();
};

// Registers both trousers with the piece factory and declares their
// order-file blocks (32 and 36 bytes).
void RegisterMVolumeBryuki();
