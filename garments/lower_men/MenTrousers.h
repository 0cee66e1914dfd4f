// The men's trousers' front and back: what the classic trousers (TMBryuki,
// TMBryuki2), the low-waist trousers (TMPants, TMPants2) and the volume
// trousers (TMVolumeBryuki, TMVolumeBryuki2) draft alike.
//
// Every men's trousers is drafted on one set of axes for both halves: x = 0
// is the crease line, y = 0 the natural waist line, every level below the
// waist has a negative y (centimetres, y up).  The side seams lie towards
// negative x, the centre seams and the crotch towards positive x; the back
// is drafted over the front.
//
// The file has two layers:
//
//  1. Free construction helpers in namespace MenTrousers, for every men's
//     trousers draft (the volume trousers use these and nothing else):
//       F, Cross                           float storing and the crossing of
//                                          two lines (Mid, Toward, Aside,
//                                          Arc and HemControls are every
//                                          draft's shared DraftSteps ones);
//       TurnedBackHip                      the back hip line turned up by an
//                                          angle about B3, and the seat line
//                                          C3 – C4 below it;
//       BackWaistDart                      the back waist dart with its middle
//                                          raised to meet the waist;
//       BackPocket                         the 14 cm line P – P1 through the
//                                          dart point with its end ticks;
//       CrotchControl                      the control point of a front crotch
//                                          curve that leaves the fly line;
//       SeamLength                         the crotch-seam ("Средний срез:")
//                                          sum, back curve first.
//     Every helper stores its results as float and throws EFloatError on a
//     degenerate construction (coincident points, a zero divisor, a
//     non-finite value).
//
//     The volume trousers' back, for example, maps onto them as:
//       TurnedBackHip(yB, yC, W_b, α, tan α·((yB − yC) + sin α·W_b),
//                     0.2·(Сб + Пб))                  → B3, B4, B5, C3, C4;
//       BackWaistDart(T4, T5, mid(T4, T5), n(T6→T5), s/3, D/3, D/2)
//                     → apex b7, top b61 (moved), legs b8 and b9;
//       BackPocket(b7, T6, T5)                        → P and P1;
//       CrotchControl(B11, u(T12→B11), C2, u(K0→K))   → the front crotch's
//                                                       control point;
//       SeamLength(back curve, |T5 B2|, |step, C5|, |T12 B11|, front curve).
//
//  2. TMenTrousersDraft, the common base of the classic and the low-waist
//     drafts, whose points and steps coincide, on the lower-body garment
//     frame (TLowerGarment): the measurement column as data
//     (MenTrousersKind), the one check "Ст+Пт > Сб+Пб", the order record in
//     row order, the construction steps both drafts run (the side seams,
//     the inseams, the back waist and seams, the front pocket) and the
//     drawing they share (the outline, the back hip lines, the labels from
//     the seat line down).  A derived draft writes the levels and widths of
//     its own method in Draft() and calls the shared steps in order.
#pragma once

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "garments/common/DraftSteps.h"
#include "garments/common/LowerGarment.h"
#include "kernel/Geometry.h"

struct TDrawContext;

namespace MenTrousers {

// A drafting value kept as float; a non-finite one throws EFloatError.
float F(double v);
// The midpoint, the points along and across, the quadratic's length, the
// hem's controls: every draft's own (DraftSteps.h).
using DraftSteps::Arc;
using DraftSteps::Aside;
using DraftSteps::HemControls;
using DraftSteps::Mid;
using DraftSteps::Toward;
// The crossing of the line through p along d with the line through q along
// e (Geom::IntersectLines; parallel lines give the midpoint of p and q).
Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e);

// The back hip line B3 – B4 of width w, its end turned up about B3 by
// `angle` (radians) to B5, and the seat line below it: C3 = B5.x + shift,
// C4 = C3 + crotchWidth.  B3 is placed so that B3 and C4 lie symmetric about
// the crease line.
struct BackHipLine {
    Vector B3, B4, B5, C3, C4;
    // The five points into a draft's own, in this order.
    void Into(Vector& b3, Vector& b4, Vector& b5, Vector& c3, Vector& c4) const {
        std::tie(b3, b4, b5, c3, c4) = std::tie(B3, B4, B5, C3, C4);
    }
};
BackHipLine TurnedBackHip(float hipY, float seatY, float w, float angle, double shift, double crotchWidth);

// The back waist dart.  `middle` is a point of the waist sideEnd – centreEnd
// and n the waist's unit normal pointing up from the leg: the apex lies
// `depth` below the middle, the dart's middle `rise` above it, its legs
// meet the waist `halfWidth` from the middle towards either end.  The
// middle is then raised or lowered along n so that it meets the line from
// the centre leg mirrored in the dart's centre line.
struct WaistDart {
    Vector apex;       // the dart point below the waist (b3)
    Vector top;        // the dart's middle at the waist (b21)
    Vector sideLeg;    // the leg towards the side seam (b4)
    Vector centreLeg;  // the leg towards the centre seam (b5)
    // The four points into a draft's own, in this order.
    void Into(Vector& a, Vector& t, Vector& side, Vector& centre) const {
        std::tie(a, t, side, centre) = std::tie(apex, top, sideLeg, centreLeg);
    }
};
WaistDart BackWaistDart(const Vector& sideEnd, const Vector& centreEnd, const Vector& middle, const Vector& n,
                        double depth, double rise, double halfWidth);

// The 14 cm line P – P1 through the dart point, parallel to the back waist
// sideEnd → centreEnd (P1 towards the centre), and the half-tick 0.2·n
// across its ends (n the waist's normal): the ticks run from P − tick to
// P + tick and from P1 − tick to P1 + tick.
struct PocketLine {
    Vector P, P1, tick;
};
PocketLine BackPocket(const Vector& apex, const Vector& sideEnd, const Vector& centreEnd);

// The front crotch curve leaves the fly line at `flyBottom` going along
// `flyDir` (downwards): `corner` is where that line meets the seat line
// (through seatPoint along seatDir), and the answer the control point a
// third of |flyBottom corner| back from the corner.
Vector CrotchControl(const Vector& flyBottom, const Vector& flyDir, const Vector& seatPoint, const Vector& seatDir,
                     Vector* corner = nullptr);

// The crotch seam shown as "Средний срез:": the back crotch curve, the
// straight back centre above it, the back step, the fly, the front crotch
// curve, summed as floats in this order.
float SeamLength(float backCurve, float backCentre, float backStep, float fly, float frontCurve);

}  // namespace MenTrousers

// The construction points of the classic and the low-waist trousers, named
// by the labels the sheet writes beside them; the digit labels "1" .. "12"
// are N1 .. N12.  Then the unlabelled points: the curves' control points,
// the marks, the back crotch's ends and the place of "Средний срез:".
struct MenTrouserPoints {
    // Front: the waist.
    Vector T0, T, T1, T11, T2, T21, T4, T7, T8, b0, b1;
    // Front: hip, seat, knee and hem lines; B6 the front pocket's side end
    // (TMPants2: the lowered front hip point, its pocket end being B7).
    Vector B0, B, B1, B11, B6, B7;
    Vector C0, C, C1, C11, C2;
    Vector K0, K, K1, K2;
    Vector H0, H, H1, H2, H01;
    // Back.
    Vector T3, T5, T6, b2, b21, b3, b4, b5, P, P1;
    Vector B3, B4, B5;
    Vector C3, C4, C5;
    Vector K3, K4;
    Vector H3, H4, H011;
    // The bulge points of the seams: front 1 .. 6, back 7 .. 12.
    Vector N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12;

    // ---- Unlabelled. ----
    // Front waist curve T21 → b1 and its marks: the line 1 cm below the
    // waist (WaistMarkFrom → WaistMarkTo) and the 4 cm mark down from b1.
    Vector WaistCtrl, WaistMarkFrom, WaistMarkTo, WaistMarkDown;
    // Front side: T21 → 2 → B, the cubic B → 4, the curve 4 → K1.
    Vector FrontSideTopCtrl, FrontSideHipCtrl, FrontSideCtrlB, FrontSideCtrl4, FrontSideKneeCtrl;
    // Front hem H1 → H01 → H2 and back hem H3 → H011 → H4.
    Vector FrontHemCtrl1, FrontHemCtrl2, BackHemCtrl1, BackHemCtrl2;
    // Front inside leg K2 → 6 → C2; back inside leg K4 → 8 → C5.
    Vector FrontInseamKneeCtrl, FrontInseamCtrl, BackInseamKneeCtrl, BackInseamCtrl;
    // The front crotch curve C2 → B11 and where the fly line meets the seat
    // line; the classic trousers' fly cubic B11 → FlyEnd.
    Vector FrontCrotchCtrl, FrontCrotchCorner, FlyEnd, FlyCtrl1, FlyCtrl2;
    // Back side: T6 → 10 → B3, the cubic B3 → 12, the curve 12 → K3.
    Vector BackSideTopCtrl, BackSideHipCtrl, BackSideCtrlB3, BackSideCtrl12, BackSideKneeCtrl;
    // The back crotch curve from BackCrotchTop (the back centre line at the
    // hip level) with control C3 to BackStep (the midpoint of C3 and C5).
    Vector BackCrotchTop, BackStep;
    // The back pocket line's half-tick (0.2 across P – P1).
    Vector PocketTick;
    // The front pocket mark: 3 cm from T4 towards its side end, then 1 cm
    // across.
    Vector PocketMark, PocketMarkTick;
    // Where "Средний срез:" is written.
    Vector SeamLabelPos;
};

// A row of a segment table: its text and how CalcSegments measures it.
class TMenTrousersDraft;
struct SegmentRule {
    const char* text;
    float (*value)(const TMenTrousersDraft&);
};

// What tells one trousers of the family from another: the measurement
// column (type, rows with illustrations and table texts, where the comment
// stands) and the fields the rows fill, in row order (which is also the
// order record's order).
class TMenTrousersDraft;
struct MenTrousersKind {
    GarmentColumn column;
    std::vector<float TMenTrousersDraft::*> fields;
};

class TMenTrousersDraft : public TLowerGarment, public MenTrouserPoints {
public:
    // ---- Measurements (cm); each kind uses some of them. ----
    float WaistHalfGirth = 0.0f;  // Ст
    float HipHalfGirth = 0.0f;    // Сб
    float SideLength = 0.0f;      // Дсб, the trouser length at the side
    float StepLength = 0.0f;      // Дш, the inside-leg length (low waist)
    float SeatHeight = 0.0f;      // Вс (TMBryuki2)
    float FrontLowering = 0.0f;   // Зп, the front waist lowering (TMPants2)
    float WaistEase = 0.0f;       // Пт
    float HipEase = 0.0f;         // Пб
    float SeatEase = 0.0f;        // Пвс (TMBryuki2)
    float StepEase = 0.0f;        // Псш, ease for freedom of step (low waist)

    // ---- Derived scalars. ----
    float Surplus = 0.0f;     // E = Сб + Пб − Ст − Пт
    float SideBulge = 0.0f;   // the front side's bow below the hips; curved when above 0
    bool BackBulge = false;   // the back side above the hips curved through 10
    float CrotchSeam = 0.0f;  // "Средний срез:"

    // Drafts on a fresh set of points; a draft that throws (EFloatError on
    // degenerate measurements) leaves the last one whole.
    void Calculate() override;
    // Measures every row of FrontRules() and BackRules(), in table order.
    void CalcSegments() override;
    // The rows with the lengths CalcSegments measured.
    std::vector<ValueTableRow> FrontTableRows() const override { return front_; }
    std::vector<ValueTableRow> BackTableRows() const override { return back_; }

    // "Средний срез:" and the seam's length with one decimal.
    std::string SeamLabelText() const;

    // The outline (pen `thick`) and the construction lines (pen 1); the
    // point labels.  The same routines draw on the sheet and on paper.
    virtual void DrawPaths(TDrawContext& dc, int thick) const = 0;
    virtual void DrawLabels(TDrawContext& dc, bool printer) const = 0;

protected:
    explicit TMenTrousersDraft(const MenTrousersKind& kind);

    std::vector<MeasureSlot> Slots() override;
    // Сб + Пб may not fall short of Ст + Пт.
    bool CheckMeasures() override;
    // The draft, its labels and "Средний срез:" last.
    void DrawPieces(const PieceTarget& target) const override;
    // Every point and control point of the draft.
    PatternSheets::Box Extent() const override;

    // The draft of the trousers' own method, run by Calculate on a fresh
    // set of points.
    virtual void Draft() = 0;
    // The rows of the front and back tables, in order.
    virtual std::vector<SegmentRule> FrontRules() const = 0;
    virtual std::vector<SegmentRule> BackRules() const = 0;

    // ---- Table rows both drafts show. ----
    // The front: the levels [ T0, C0 ] and [ C0, B0 ]; the leg from
    // [ C1, C2 ] to [ H0, H01 ].
    static const std::vector<SegmentRule> kFrontLevels;
    static const std::vector<SegmentRule> kFrontLeg;
    // The back from [ K0, K3 ] to [ 7, 8 ].
    static const std::vector<SegmentRule> kBackKneeToStep;
    // Lists of rows one after the other.
    static std::vector<SegmentRule> Join(std::initializer_list<std::vector<SegmentRule>> parts);

    // ---- Steps both drafts run, each writing the points it names. ----
    // The front side above the hips: 1 halfway from B to T21, 2 pushed out
    // by `bulge`; the curves T21 → 2 → B.
    void FrontSideAboveHips(double bulge);
    // The front hem narrowed to ±limit/2 when wider than `limit`; the side's
    // bow below the hips, `factor` times how far B lies beside the line
    // H1 – K1 carried up to the hips; a bow of zero or less puts H1 on the
    // line B – K1 (and H2 opposite).  Then 3, 4 and the curves B → 4 → K1,
    // and the front hem's controls.
    void FrontSideBelowHips(float limit, double factor);
    // The front inside leg K2 → 6 → C2.
    void FrontInseam();
    // The back knee and hem, 1.5 cm beyond the front's on each side.
    void BackKneeAndHem();
    // The back waist from T5 towards T3 (`waist` long), the dart (apex
    // `depth` below the waist's middle), the pocket line and the back side
    // above the hips; T3, T5 and C5 are placed.
    void BackWaist(double waist, double depth);
    // The back side below the hips (bow `factor`, cubic handles `nearB3` and
    // `near12` times |B3 11|), the back inside leg and the back crotch's
    // step end.
    void BackSeams(double factor, double nearB3, double near12);
    // T4 3 cm along the front waist curve from T21 (else `shortWaist`), and
    // the pocket's side end on the cubic B → 4 at 0.2·Сб + 9 from T4 (else
    // B), written to `sideEnd`; the pocket mark.
    void FrontPocket(const Vector& shortWaist, Vector& sideEnd);

    // ---- Drawing both drafts share. ----
    // The outline of the front from T21 round to the fly's foot B11, the
    // fly (a cubic to FlyEnd first when `curvedFly`) up to `flyTop` and the
    // waist to b1 with its marks and curve back to T21; then the outline of
    // the back from T6 round to T5 and the back waist with its dart, ending
    // at T6.  Outline pen `thick`, the dart's inner lines and the marks 1.
    void DrawOutline(TDrawContext& dc, int thick, const Vector& flyTop, bool curvedFly) const;
    // From T6 (the pen there): the back side's construction above the hips,
    // then B3 – B5 and the arc about B3 from B5 to B4.
    void DrawBackHipLines(TDrawContext& dc) const;
    // The back pocket line from `first` to `second` with the end ticks.
    void DrawPocketLine(TDrawContext& dc, const Vector& first, const Vector& second) const;
    // The labels of the seat line C1 and C3 (the left one written to the
    // left) and those from C11 down to C.
    void DrawSeatToHemLabels(TDrawContext& dc, bool printer) const;

private:
    const MenTrousersKind& kind_;
    std::vector<ValueTableRow> front_, back_;
};
