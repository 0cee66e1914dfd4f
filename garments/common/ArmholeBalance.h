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

#include "garments/common/FitLoop.h"
#include "kernel/FloatStore.h"

namespace ArmholeBalance {

// The corrections allowed; the last one throws.
constexpr int kMaxCorrections = 500;

// Starting from `height`, corrects it by the mismatch that `rebuild`
// (which rebuilds the front shoulder for the current height and returns the
// remaining mismatch) reports, until the mismatch is below 0.1 cm.  Throws
// the integer 2 at the kMaxCorrections-th correction without testing it;
// a correction that breaks the floats throws EFloatError, EFitRunAway
// with 2 when the mismatch was growing (FitLoop::Fit).
template <class Rebuild>
void Balance(float& height, Rebuild rebuild) {
    FitLoop::Fit(rebuild(), 0.1, kMaxCorrections - 1, 2, [&](double mismatch) {
        height = FloatStore::Scalar(double(height) + float(mismatch), "armhole balance");
        return double(rebuild());
    });
}

}  // namespace ArmholeBalance
