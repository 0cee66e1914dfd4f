// What the collars with a lapel build alike: the roll line that leaves the
// front edge at the top of the lapel and touches a small circle around the
// neck point at the shoulder, the lapel folded back across it, the marks at
// the break level (the tick on the front edge and the top buttonhole), and
// the bounded length matching of their neck edges and separate pieces.
#pragma once

#include "kernel/Geometry.h"

struct TDrawContext;

namespace Lapel {

// Where a line from `from` touches the circle of `radius` around `centre`:
// the compass crossing at the tangent length from `from`, on the side of
// from -> centre that `flag` chooses as Geom::CircleCross does.  `from`
// inside the circle throws EFloatError naming `what`.
Vector Touch(const Vector& from, const Vector& centre, float radius, int flag, const char* what);

// Where the roll line from `edgeTop` touches the circle of `radius` around
// `neckPoint`: the touch right of edgeTop -> neckPoint.  edgeTop inside the
// circle throws.
inline Vector RollTouch(const Vector& edgeTop, const Vector& neckPoint, float radius,
                        const char* what = "roll line: tangent") {
    return Touch(edgeTop, neckPoint, radius, 0, what);
}

// Where the line from `start` through `through` first meets the circle of
// `radius` around `centre` (the crossing nearer `start`); a line that misses
// the circle gives the centre.
Vector EnterCircle(const Vector& start, const Vector& through, const Vector& centre, float radius);

// p folded back across the roll line through `touch` with the unit
// direction `along`.
Vector Fold(const Vector& touch, const Vector& along, const Vector& p);

// The tick across the front edge at the break point and the top buttonhole
// at the break level: the mark from L + 0.8 m, 2.5 cm long against m, with
// a 0.4 cm bar across each end (l along the front edge, m across it).
struct BreakMarks {
    Vector Tick[2];
    Vector Mark[2];
    Vector Bar1[2];  // across Mark[0]
    Vector Bar2[2];  // across Mark[1]

    void Place(const Vector& breakPoint, const Vector& foot, const Vector& l, const Vector& m);
    // Pen width 1, the mark itself with `markPen`; the pen ends at width 1.
    void Draw(TDrawContext& dc, int markPen) const;
};

// The most passes a length matching takes before it fails.
constexpr int kMaxMatchPasses = 500;

// Repeats `step` (which moves the construction by the mismatch d and
// returns the new mismatch) until |d| <= 0.1 cm, starting from d.  A
// mismatch that does not close within kMaxMatchPasses passes, or stops
// being finite, throws EFloatError naming `what`.
template <class Step>
void MatchLength(float d, Step step, const char* what);

}  // namespace Lapel

// ---------------------------------------------------------------------------

#include <cmath>

#include "kernel/Checked.h"

template <class Step>
void Lapel::MatchLength(float d, Step step, const char* what) {
    for (int pass = 0; !(std::fabs(d) <= 0.1f); ++pass) {
        if (pass == kMaxMatchPasses || !std::isfinite(d)) Checked::Fail(what);
        d = step(d);
    }
}
