// The back of the jeans and shorts above the hip line, which the women's
// jeans and shorts and the men's jeans draft the same way, with constants of
// their own (JeansYokeConstants): the tilted seat frame (B3, B4, B5, C3, C4) with the back
// centre line up to T5, the back side curve B3 → "10" → T6, the yoke above
// the line through the point "y" (its seam, its waist edge fitted to the
// length of the edges it replaces, and its side edge carried over from the
// back side curve), the pentagon on the lower back panel, and the crotch-seam
// length that the sheet writes as "Средний срез:".
//
// A garment derives from TJeansYoke beside TModel, so that the points keep
// the names of their labels (T5, T51, ...).  The unlabelled points have names
// of their own here; the comments give the names the drafting rules use in
// the jeans (j..) and in the shorts (s..).
#pragma once

#include <vector>

#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"

struct TDrawContext;

// Drawing cases of the yoke's three curved edges.
enum YokeCurve { kYokeArcs = 1, kYokeQuadratic = 2 };

// Turns of at most this much (3.75°, π/48) are drawn as quadratic curves,
// larger ones as circular arcs.
constexpr double kYokeArcThreshold = 0.06544984694978735;

// The waist edge of the yoke is fitted until it is this close (cm) to the
// length of the edge it replaces.
constexpr float kYokeFitTolerance = 0.02f;

// What tells the men's yoke from the women's: the tilt of the seat frame,
// the turn and shrink of the yoke seam, and how far below "10" the control
// of the lower side curve lies.  The defaults are the women's.  (The front
// end of the crotch seam, B1 or the men's fly point B11, is an argument of
// CrotchSeamLength.)
struct JeansYokeConstants {
    double backTilt = 0.08;         // α = backTilt·(Сб + W)/A
    double seamTurn = 0.73;         // the seam turns by k = seamTurn·D/W
    double seamShrink = 0.057;      // its arcs are (1 − seamShrink·k) of the yoke line
    double lowerSideDivisor = 6.0;  // lower side control |B3 T6|/lowerSideDivisor below "10"
};

// The men's jeans: α = 0.09·(Сб + S)/A, k = 0.88·E/S, (1 − 0.033·k), the
// lower side control a quarter of |B3 T6| below "10".
constexpr JeansYokeConstants kMenJeansYoke{0.09, 0.88, 0.033, 4.0};

struct TJeansYoke {
    TJeansYoke() = default;
    explicit TJeansYoke(const JeansYokeConstants& constants) : YokeConstants(constants) {}

    JeansYokeConstants YokeConstants;

    // ---- The seat frame and the back side. ----
    Vector B3, B4, B5, C3, C4;
    Vector C5;                 // back crotch point; the garment places it
    Vector T5, T6;             // back centre and side at the waist (T6 placed by the garment)
    Vector P9, P10;            // the points labelled "9" and "10"
    Vector SideUpperCtrl;      // control of the side curve "10" → T6 (jeans j22, shorts s17)
    Vector SideLowerCtrl;      // control of the side curve "10" → B3 (j23, s18)

    // ---- The yoke. ----
    Vector P13;                // "13", the middle of the waist T5–T6
    Vector Y;                  // "y", the middle of the yoke line
    Vector T51, T61;           // the yoke line on the centre line and on the side curve
    Vector T52, T62;           // ends of the closed yoke seam
    Vector T53, T63;           // ends of the fitted waist edge
    float YokeT = 0.0f;        // t: parameter of T61 on its side curve, counted from "10"
    float TurnT53 = 0.0f;      // a: the turn of the waist edge "13" → T53 after the fit
    float TurnT63 = 0.0f;      // the same towards T63
    int SeamMode = kYokeQuadratic;
    int TopModeT53 = kYokeQuadratic;
    int TopModeT63 = kYokeQuadratic;
    Vector SeamCentre51, SeamCentre61;  // arc centres of the seam "y" → T52, "y" → T62 (j37, j38; s19, s20)
    Vector SeamCtrl51, SeamCtrl61;      // their controls as quadratic curves (j24, j25; s21, s22)
    Vector TopCentre53, TopCtrl53;      // the waist edge "13" → T53 (j39, j26; s23, s24)
    Vector TopCentre63, TopCtrl63;      // the waist edge "13" → T63 (j40, j27; s25, s26)
    // The side edge of the yoke: the back side curve above the yoke line
    // carried onto T62 → T63 (j33 .. j36; s27 .. s30).
    Vector EdgeP10, EdgeUpperCtrl, EdgeLowerCtrl, EdgeB3;

    // ---- The pentagon on the lower back panel. ----
    Vector PentTop;            // middle of its top edge (j3, s40)
    Vector PentTopLeft;        // (j7, s41)
    Vector PentTopRight;       // (j4, s42)
    Vector PentLowLeft;        // (j6, s44)
    Vector PentLowRight;       // (j5, s45)
    Vector PentBottom;         // (j8, s43)

    // Each waist-edge fit turns the edge at most this many times; a fit that
    // has not come within kYokeFitTolerance by then throws EFloatError, and
    // so does a turn or a length that is not finite.
    static constexpr int kMaxFitSteps = 1000;

    // The yoke line lies below "10": the yoke's side edge then takes a piece
    // of the lower side curve too.
    bool LowYoke() const { return Y.y < P10.y; }

    // Seat frame from the hip girth and ease, the seat depth W, the seat
    // ease E and the levels of the hip and crotch lines; also T5, the back
    // centre continued above B5 by the depth of the hip line.
    void DraftSeat(float hipHalfGirth, float hipEase, float seatDepth, float seatEase, float hipY, float crotchY);
    // The back side curve B3 → "10" → T6, "10" set off the chord by bulge
    // (nothing when bulge ≤ 0); its controls |B3 T6|/6 above "10" and
    // |B3 T6|/lowerSideDivisor below.
    void DraftSide(float bulge);
    // The yoke line at depth below "13", running along the hip line B0 → B3;
    // the seam closed by the turn seamTurn·D/W (D the hip-over-waist excess);
    // the waist edge fitted; the side edge carried over.
    void DraftYoke(const Vector& B0, float excess, float seatDepth, float depth);
    // The pentagon 2 cm below the yoke line, between T51 and T61.
    void DraftPentagon();
    // The crotch seam: the back centre seam of yoke and panel (T53 → T52,
    // T51 → backStart, the back crotch curve backStart, C3, backEnd, then
    // backEnd → C5) and the front centre seam (T111 → B1 and the front
    // crotch curve B1, frontCtrl, C2), summed in that order.
    float CrotchSeamLength(const Vector& backStart, const Vector& backEnd, const Vector& T111, const Vector& B1,
                           const Vector& frontCtrl, const Vector& C2) const;

    // Six rows of the back table, in this order: "[ B, B3 ]" (from the
    // front hip point B), "[ B3, B4 ]", "[ B4, B5 ]", "[ C0, C3 ]",
    // "[ B5, T5 ]", "[ C3, C4 ]"; SeatSegments writes their lengths alone.
    std::vector<ValueTableRow> SeatRows(const Vector& B) const;
    void SeatSegments(const Vector& B, float* lengths) const;
    // The women's rows of the back table that measure the yoke, "[ 13, y ]"
    // .. "[ T5, T53 ]"; YokeSegments writes their lengths alone.
    static constexpr int kYokeRows = 9;
    std::vector<ValueTableRow> YokeRows() const;
    void YokeSegments(float* lengths) const;

    // ---- Drawing, with the pen the caller has set. ----
    // The yoke: waist edges, centre edge, seam and side edge.
    void DrawYoke(TDrawContext& dc) const;
    // The lower back panel's side from T61 down to B3.
    void DrawPanelSide(TDrawContext& dc) const;
    // The pentagon's outline, and its middle line.
    void DrawPentagon(TDrawContext& dc) const;
    void DrawPentagonAxis(TDrawContext& dc) const;
    // Construction lines of the back: the hip line to B1, the tilt of the
    // seat frame, the side curve's chord and bulge, the side curve above the
    // yoke line, the waist T6 → T5 and the centre line to T51.
    void DrawBackConstruction(TDrawContext& dc, const Vector& B1) const;
    // The back crotch: from → C3 → to, and the arc C5 → C4 about C3 on to C.
    void DrawCrotchConstruction(TDrawContext& dc, const Vector& from, const Vector& to, const Vector& C) const;
};

// The front of the jeans and shorts above the knee and the crotch, drafted
// the same way in both: the waist, the hip curve, the front crotch and the
// arc line from the side seam to the waist.
struct TJeansFront {
    Vector T0, T, T1, T11, T111, T3, T4;
    Vector B0, B, B1, C0, C, C1, C2;
    Vector P1, P2;             // the points labelled "1" and "2"
    Vector HipUpperCtrl;       // control of the hip curve "2" → T4 (jeans j9, shorts s1)
    Vector HipLowerCtrl;       // control of "2" → B (j10, s2)
    Vector CrotchCorner;       // crotch line meets the front centre line (j41, s11)
    Vector CrotchCtrl;         // control of the front crotch curve C2 → B1 (j42, s12)
    Vector WaistCtrl11;        // control of the waist T111 → T0 (j18, s13)
    Vector WaistCtrl3;         // control of the waist T0 → T4 (j19, s14)
    Vector ArcOnWaist;         // ends of the front arc line (j1, s38)
    Vector ArcOnSide;          // (j2, s39)

    // The waist line: T, T1 above B, B1; T11 D/6 in from T1, T111 D/28
    // above it; T3 waistWidth left of T11, T4 D/9 above T3; C, C1 below B,
    // B1 on the crotch line.
    void DraftFrontWaist(float excess, float waistWidth);
    // The hip curve B → "2" → T4: "2" set off the middle "1" of B–T4 by
    // bulge to the left (nothing when bulge ≤ 0); controls a third of
    // "1"–T4 above and half of "1"–B below "2".
    void DraftHipCurve(float bulge);
    // The front crotch curve C2 → B1: its control lies `share` of
    // |B1, corner| back from the corner towards T111.
    void DraftCrotch(float share);
    // Controls of the waist curves, halfway between T0 and T11, T3.
    void DraftWaistControls();
    // The arc line: the circle about T4 through 0.914·|T4 T0| meets the
    // waist curve T4 → T0 and the side seam: the upper hip curve when
    // |T4 "2"| ≥ r, else the lower one when |T4 B| ≥ r, else the cubic
    // (B, c1, c2, c3) below the hip.
    void DraftArcLine(const Vector& c1, const Vector& c2, const Vector& c3);

    // ---- Drawing, with the pen the caller has set. ----
    // The side from T4 over the hip curve down to B.
    void DrawHip(TDrawContext& dc) const;
    // The crotch curve from C2, the centre line to T111 and the waist to T4.
    void DrawCrotchAndWaist(TDrawContext& dc) const;
    void DrawArcLine(TDrawContext& dc) const;
    // Construction: C → T → T3 → T4 → "1" → "2", and "1" → B.
    void DrawHipConstruction(TDrawContext& dc) const;
    // Construction: T3 → T11 → T111, and T11 → T1 → C1.
    void DrawWaistConstruction(TDrawContext& dc) const;
};
