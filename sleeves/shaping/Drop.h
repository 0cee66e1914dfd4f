// The dropped-shoulder sleeves: straight (kind 9, " Спущенный прямой") and
// with an elbow dart (kind 10, " Спущенный с вытачкой").
//
// TDrop reshapes the women's bodice: the shoulders run on 1 cm past P1 and
// P11, drop into a short sleeve top and join the armhole again at Q (back)
// and P6 (front); the new bodice points go into the garment, which draws
// its outline from them.  It then drafts the top of the separate sleeve
// piece: the back and front cap halves, each in a frame of its own with the
// cap top at the origin, their mid-lines, and the lengths of the bodice's
// armhole below the cap that the sleeve's underarm seams must match.
//
// The two kinds continue the piece below the cap alike: each fits its two
// underarm seams to those lengths by moving the upper-arm points, and marks
// the notches that meet Q and P6.  They differ in where the seams end (the
// straight sleeve's run on from the upper-arm level to a straight hem, the
// darted sleeve's end at the upper arm and continue straight to the elbow)
// and in what hangs below.  The piece is drawn on its own sheet.
#pragma once

#include <initializer_list>

#include "kernel/Geometry.h"
#include "sleeves/common/SleeveCommon.h"

struct PatternPen;
class TDress;
struct TDrawContext;

class TDrop : public TSleevePiece {
public:
    // Bodice coordinates.
    Vector TangentPoint;      // back armhole point whose tangent passes through A2
    Vector BackGuide;         // start of the guide line of the back underarm point
    Vector FrontShoulderEnd;  // end of the turned line from A7
    // Bodice coordinates while drafting, the back (front) frame at the end.
    Vector BackUnderarm;   // "O"
    Vector BackCapPoint;   // "O1"
    Vector FrontUnderarm;  // "O2"
    Vector FrontCapPoint;  // the front's point at the upper-arm level
    // Cap frames: both tops at the origin.
    Vector BackTop;        // "C"
    Vector FrontTop;
    Vector FrontMid;       // "P"
    Vector BackCapCtrl;    // Pc
    Vector FrontCapCtrl;   // Pp
    Vector BackMidTop;     // (x of P4, y of Z)
    Vector FrontMidTop;    // (x of P, y of Z1)
    Vector BackMid;        // "P4"
    Vector FrontCapEnd;    // P6
    Vector BackCapEnd;     // Q
    Vector BackCapCross;   // "Z"
    Vector FrontCapCross;  // "Z1"
    // The underarm seams and the sleeve's notches, written by each kind.
    Vector BackSeamCtrl1;   // "1", next to the seam's lower end
    Vector BackSeamCtrl2;   // "2", next to Z
    Vector FrontSeamCtrl1;  // "3", next to Z1
    Vector FrontSeamCtrl2;  // "4", next to the seam's lower end
    Vector BackNotch, BackNotchIn, BackNotchEnd1, BackNotchEnd2;
    Vector FrontNotch, FrontNotchIn, FrontNotchEnd1, FrontNotchEnd2;
    float ArmWidth = 0.0f;     // W = Оп.в + Попв + 3h
    float WristWidth = 0.0f;   // w = Озап + Поз + 3h (the darted sleeve may narrow it)
    float Interlining = 0.0f;  // h
    float TopLength = 0.0f;    // |P13 C1|
    float BackCapArc = 0.0f;   // back cap from Q to Z
    float FrontCapArc = 0.0f;  // front cap from Z1 to P6
    float BackSeam = 0.0f;     // BackCapArc + the back armhole from Q down to G2
    float FrontSeam = 0.0f;    // FrontCapArc + the whole front armhole G2 → P6
    float TangentParam = 0.0f;
    float BackCrossParam = 0.0f;
    float FrontCrossParam = 0.0f;
    int TangentCase = 0;  // 1: TangentPoint on the upper back armhole arc, 2: on the lower
    // Passes the seam fitting made.
    int FitPasses = 0;

    // The seam fitting moves the upper-arm points at most this many times;
    // a notch bisection halves its interval at most this many times.  A
    // sleeve whose seams or notches are not found cannot be built: the
    // calculation throws the integer 1 (seams that run away until a pass
    // breaks the floats name it in their fault, FitLoop).
    static constexpr int kMaxFitPasses = 200;
    static constexpr int kMaxNotchHalvings = 60;

    void Calculate() override;
    // The whole sleeve for the bodice d, its own draft done.  Throws the
    // integer 1 when the sleeve is too wide for the bodice or its seams
    // cannot be fitted, EFloatError on a degenerate construction.
    virtual void Draft(TDress& d);

    void Draw() override;
    void DrawLabels() override;
    void DrawPiece(TDrawContext& dc, bool printer) override;

protected:
    explicit TDrop(int kind) : TSleevePiece(kind) {}

    // The sleeve top: the cap arcs above the mid-lines.
    virtual void DrawOutline(const PatternPen& pen) const;
    virtual void WriteLabels(const PatternPen& pen) const;

    // Where each kind's underarm seams end and which way they leave their
    // ends: the back seam's lower end and the point its normal is taken
    // towards, the front seam's lower end and the point its normal is taken
    // from.
    struct SeamEnds {
        Vector backLow, backAim, frontFrom, frontLow;
    };
    // Builds the seams from Z and Z1 down to the ends and answers how much
    // they miss the bodice's lengths.
    void BuildSeams(const SeamEnds& ends, double& eB, double& eF);
    // Fits the seams: while either misses by 0.1 cm or more, moves O2 (O
    // follows at W) across by half the difference of the misses and the
    // upper-arm level down by half their sum, asks `ends` for the seams'
    // ends at the new points, and builds the seams again.
    template <class Ends>
    void FitSeams(Ends ends);
    // The notches on the seams from Z down to backLow and from Z1 down to
    // frontLow, at the lengths of the cap arcs.
    void PlaceNotches(const Vector& backLow, const Vector& frontLow);
    // The underarm seams, bold, from the first of `lows` up to Z and from
    // Z1 down to the last; thin, their control polygons through `lows`
    // (the points along the upper-arm level) and the notches.  The pen
    // stays at the front seam's lower end.
    void DrawSeams(const PatternPen& pen, std::initializer_list<Vector> lows) const;

private:
    // Unit tangents at Z and Z1.
    Vector tB_, tF_;
};

// Sleeve kind 9: straight down to a hem at the wrist width.
class TDropStright : public TDrop {
public:
    Vector FrontSeamMid;  // midpoint of P and H1
    Vector FrontSeamLow;  // "P31"
    Vector BackSeamLow;   // "P61"
    Vector HemMid;        // "H"
    Vector HemFront;      // "H1"
    Vector HemFrontLow;   // "H11"
    Vector HemBack;       // "H2"
    Vector HemBackLow;    // "H21"
    Vector HemBackMid;    // "H3"
    Vector HemBackCtrl;   // "H31"
    Vector HemFrontMid;   // "H4"
    Vector HemFrontCtrl;  // "H41"
    float FrontSeamRadius = 0.0f;

    TDropStright() : TDrop(9) {}
    void Draft(TDress& d) override;

protected:
    void DrawOutline(const PatternPen& pen) const override;
    void WriteLabels(const PatternPen& pen) const override;

private:
    // FrontSeamMid, FrontSeamRadius, P31 and P61 for the current points.
    void PlaceSeamLows(const Vector& down);
};

// Sleeve kind 10: narrowed to the wrist with an elbow dart in the back seam.
class TDropWDart : public TDrop {
public:
    Vector DartPoint;     // apex of the dart on the back seam line
    Vector DartSeamCross;  // the mirrored lower dart line on the back seam line
    Vector DartLegEnd;    // end of the leg from Lp towards DartPoint
    Vector Elbow;         // "L"
    Vector ElbowFront;    // "L1"
    Vector ElbowBack;     // "L3"
    Vector DartUpper;     // "L4"
    Vector DartLower;     // "L5"
    Vector DartTip;       // "Lp"
    Vector ElbowQuarter;  // "Lpp"
    Vector HemCentre;     // "H"
    Vector HemSeamCross;  // the hem line through H2 on the back seam line
    Vector HemMid;        // "H0"
    Vector HemBack;       // "H2"
    Vector HemFront;      // "H3"
    Vector HemBackEnd;    // "H4"
    bool DartDrawn = false;    // the hem fits without narrowing the wrist
    bool HemShortened = false;  // part of the dart's length went to the hem
    // Passes of the wrist narrowing and of the dart-point search.
    int WristPasses = 0, DartPasses = 0;

    // Bounds of the wrist narrowing and of the dart-point search; reaching
    // one throws the integer 1, which a search that runs away until a pass
    // breaks the floats names in its fault (FitLoop).
    static constexpr int kMaxWristPasses = 100;
    static constexpr int kMaxDartPasses = 200;

    TDropWDart() : TDrop(10) {}
    void Draft(TDress& d) override;

protected:
    void DrawOutline(const PatternPen& pen) const override;
    void WriteLabels(const PatternPen& pen) const override;

private:
    // H2, H0, the seam crossing, H3 and H4 for the wrist width w.
    void PlaceHem(double D2, double w);
};

// The dropped-shoulder sleeves' makers, kinds 9 and 10.
void RegisterDropSleeves();
