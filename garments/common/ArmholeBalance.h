// The armhole balance of the bodices.
//
// A bodice's front armhole must come out as long as the back one asks.  The
// draft moves the height that the front shoulder is built from (P8) by the
// remaining mismatch and rebuilds the front shoulder, until the mismatch is
// below 0.1 cm.  Some measurements make the mismatch swing or grow for
// ever, so the corrections are counted: the last one allowed throws the
// integer 2 ("Сбой при расчёте проймы" on the calculation road) whatever
// mismatch it leaves.
#pragma once

#include <cmath>

#include "kernel/FloatStore.h"

namespace ArmholeBalance {

// The corrections allowed; the last one throws.
constexpr int kMaxCorrections = 500;

// Starting from `height`, corrects it by the mismatch that `rebuild`
// (which rebuilds the front shoulder for the current height and returns the
// remaining mismatch) reports, until the mismatch is below 0.1 cm.  Throws
// the integer 2 at the kMaxCorrections-th correction without testing it;
// a correction that leaves the floats throws EFloatError.
template <class Rebuild>
void Balance(float& height, Rebuild rebuild) {
    float mismatch = rebuild();
    // Written so that a NaN would go on correcting (and end at the bound)
    // rather than pass as balanced.
    for (int corrections = 1; !(std::fabs(mismatch) < 0.1f); ++corrections) {
        height = FloatStore::Scalar(double(height) + mismatch, "armhole balance");
        mismatch = rebuild();
        if (corrections == kMaxCorrections) throw 2;
    }
}

}  // namespace ArmholeBalance
