// The set-in sleeve frame: what every sleeve whose cap is sewn into the
// bodice's armhole shares.
//
// A set-in sleeve is drafted in a frame of its own, in centimetres, y up:
// the cap top is the origin and the cap's top line is y = 0; the underarm
// (cap-base) level y0, the elbow and the hem lie below it.  The front half
// of the cap (the half sewn to the front armhole, which ends at the bodice's
// P6) lies at x > 0, the back half at x < 0.
//
// The frame gives each sleeve its derived sizes, the cap-fitting loop (the
// cap is made longer than the armhole by the cap-ease norm, and its halves
// equally long), the balance notches that meet given points of the armhole,
// the cap-top marks, the extent box and the drawing of the piece on the
// sleeve sheet.  A sleeve's own class holds only its construction.
#pragma once

#include <cmath>
#include <cstddef>

#include "garments/common/FitLoop.h"
#include "kernel/FloatStore.h"
#include "kernel/Geometry.h"
#include "sleeves/common/SleeveCommon.h"
#include "sleeves/set_in/SleeveGarment.h"

struct TDrawContext;

// One arc of a sleeve cap: a quadratic (p[0], p[1], p[2]) or a cubic
// (p[0] .. p[3]) Bézier curve.  Lengths of quadratics are exact, of cubics
// by Simpson's rule with 10 double intervals unless the sleeve asks for
// others.
struct CapArc {
    Vector p[4];
    bool cubic = false;
    int intervals = 10;  // Simpson's double intervals of a cubic's length

    static CapArc Quad(const Vector& p0, const Vector& p1, const Vector& p2);
    static CapArc Cubic(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int intervals = 10);
    // Length from the start to t.
    float LengthTo(float t) const;
    float Length() const { return LengthTo(1.0f); }
    Vector Point(float t) const;
    // Unit tangent in the direction of travel.
    Vector Tangent(float t) const;
};

namespace SetIn {

// The cap fits when both its length and its balance are off by less than
// this (cm); a balance notch lies within it of its target.
constexpr float kTolerance = 0.1f;
// The cap-fitting loop corrects the cap at most this many times.  A sound
// cap fits after two or three corrections, each taking away most of what is
// left; a cap still not fitted at the bound never will be.  One whose
// correction breaks the floats while its mismatch grows has run away
// (FitLoop).
constexpr int kMaxCapCorrections = 1000;
// A notch search halves its interval at most this many times; float t
// cannot move any more long before.
constexpr int kMaxNotchSteps = 200;

// The sizes every set-in sleeve starts from.
struct Sizes {
    float width = 0.0f;              // W = Оп.в + Попв + 3h
    float wristWidth = 0.0f;         // Wr = Озап + Поз + 3h
    float capLengthRequired = 0.0f;  // (n + 1)·A
    float startLevel = 0.0f;         // the first cap-base level y0
};

// Writes the sleeve's total eases and cap ease (capFactor·A·n) and answers
// the sizes; the first cap-base level is W/2 − levelFactor·(n + 1)·A.
Sizes DeriveSizes(TSleeve& s, const SleeveGarment& g, double capFactor = 0.662, double levelFactor = 0.662);

// What a built cap misses: (n + 1)·A less the cap's length, and the front
// half's length less the back half's (plus a sleeve's own offset).
struct CapMismatch {
    float length = 0.0f;
    float balance = 0.0f;
};

// The cap-fitting loop.  `rebuild(y0, shift)` places the width line at the
// level y0 moved sideways by shift, rebuilds the cap and answers its
// mismatch; `first` is the mismatch of the first build.  A cap that fits
// ends the loop at once.  Before each correction the cap base must lie
// below the cap top (y0 < 0), else the cap is too wide for the armhole and
// the loop throws the integer 1, as it does at kMaxCapCorrections.  Each
// correction lowers the cap base by half the missing length and moves the
// width line by half the balance, towards the shorter half.
template <class Rebuild>
void FitCap(float& y0, CapMismatch first, Rebuild rebuild);

// The balance notch at `target` cm along the chain of arcs (from the
// chain's first point): the arcs whose whole length the target exceeds are
// passed, the last is searched whatever is left, by bisection on t from
// `startT` until the length is within kTolerance of the target.  With
// side = +1 the foot lies 0.6 cm along the arc's left normal (the tangent
// turned +90°) and bar1 is the foot + 0.2 along the tangent; with side = −1
// both are turned round.  A target the chain does not reach throws the
// integer 1: the cap is too short for its armhole.
//
// Walked along a garment's armhole it places the notches a sleeve writes
// into the garment (ArmholeNotch).
BalanceNotch PlaceNotch(const CapArc* chain, std::size_t count, float target, float side, float startT = 0.5f);
template <std::size_t N>
BalanceNotch PlaceNotch(const CapArc (&chain)[N], float target, float side, float startT = 0.5f) {
    return PlaceNotch(chain, N, target, side, startT);
}

// The notch `length` cm up the garment's armhole from G2: over its two
// lower arcs and on into the arc beyond; foot and bar as PlaceNotch's.
BalanceNotch ArmholeNotch(const ArmholeArc (&lower)[2], const ArmholeArc& beyond, float length, float side);

// The bar that marks the cap top: 0.4 cm wide, 0.6 cm below it, no stem
// (point and foot are the top itself).
BalanceNotch TopBar(const Vector& top);
// The notch 1 cm along the front cap from the cap top, on the first front
// arc (which starts at the cap top): foot 0.6 cm along minus the normal.
BalanceNotch TopNotch(const CapArc& firstFrontArc);

// A rounded corner of the cap frame at a point of the top line: the cap
// point on the bisector of the corner between the line down to `down` and
// the top line towards `along`, share·c from the corner (c the cosine of
// half the corner), and where the normal at that point meets the top line
// (topCtrl) and the line down (lowerCtrl): the controls of the two arcs
// that meet there.
struct CapCorner {
    Vector point, topCtrl, lowerCtrl;
};
CapCorner RoundCorner(const Vector& corner, const Vector& down, const Vector& along, double share);

// The lower back cap from P5 down to the underarm point: "4" midway, the
// cubic P5 → "5" bulging 0.05·|P5 underarm| into the piece at "4"
// (ctrl1 next to P5, along O4 → P5; ctrl2 next to "5"), and the arc "5" →
// underarm that meets the back seam (towards seamEnd) at a right angle.
struct LowerBackCap {
    Vector point4, ctrl1, point5, ctrl2, seamCtrl;
};
LowerBackCap BuildLowerBack(const Vector& p5, const Vector& o4, const Vector& underarm, const Vector& seamEnd);

// A notch as the sleeve sheet shows it, pen width 1: the stem (when asked)
// and the bar.
void DrawNotch(TDrawContext& dc, const BalanceNotch& n, bool stem = true);

}  // namespace SetIn

// The base of the set-in sleeves.
class TSetInSleeve : public TSleevePiece {
public:
    using TSleevePiece::TSleevePiece;

    // Drafts the sleeve for the main window's garment.
    void Calculate() override { Draft(CurrentSleeveGarment()); }
    // Drafts the whole sleeve for the garment g.  Throws the integer 1 when
    // the cap cannot be fitted, EFloatError on a degenerate construction.
    virtual void Draft(const SleeveGarment& g) = 0;

    // The piece and its labels on the screen (the outline with the screen's
    // outline pen) and on paper (with the paper's).
    void Draw() override;
    void DrawLabels() override;
    void DrawPiece(TDrawContext& dc, bool printer) override;

protected:
    // The outline (with the pen width `outline`), construction lines and
    // notches (pen width 1), in the sleeve's frame at the context's origin.
    virtual void DrawOutline(TDrawContext& dc, int outline) const = 0;
    virtual void WriteLabels(TDrawContext& dc, bool printer) const = 0;
};

template <class Rebuild>
void SetIn::FitCap(float& y0, CapMismatch m, Rebuild rebuild) {
    auto miss = [&] { return FitLoop::Larger(m.length, m.balance); };
    FitLoop::Fit(miss(), kTolerance, kMaxCapCorrections, 1, [&](double) {
        if (!(y0 < 0.0f)) throw 1;
        y0 = FloatStore::Scalar(double(y0) - 0.5 * m.length, "sleeve cap fit");
        m = rebuild(y0, FloatStore::Scalar(-0.5 * m.balance, "sleeve cap fit"));
        return miss();
    });
}
