// The fitting loops of the drafts.
//
// Many pieces are fitted by correcting a construction by what it still
// misses (a seam's length, a cap's balance, an armhole's mismatch) until
// the miss is within a tolerance.  For most measurements the miss shrinks
// pass by pass; on the way it may overshoot, swing, or stay no better for
// many corrections before it closes, so neither the size of a miss nor a
// run of misses that do not improve says that the loop will not close.
// A loop gives up only when it cannot go on:
//
// - it has made its maxPasses corrections and still misses: it fails with
//   its piece's own failure (the integer the calculation road turns into
//   that piece's message);
// - a correction breaks the floats (an overflow, a square root of a
//   negative, ...) while the miss is no smaller than the smallest one so
//   far: the loop has run away.  That is a floating-point fault like any
//   other, which the calculation road reruns, but one that names the
//   piece's failure (EFitRunAway), reported when no rerun drafts.  A
//   correction that breaks the floats while the miss is closing is a
//   broken construction and fails as such.
//
// A loop that closes within its bound therefore ends exactly where its
// corrections take it, whatever its misses were on the way.  A miss that
// is no number is left to the correction, whose checked arithmetic fails
// on it as on any broken construction.
#pragma once

#include <cmath>

#include "kernel/Checked.h"

namespace FitLoop {

// The miss of a loop that fits two things at once: the larger of the two,
// NaN when either is.
inline double Larger(double a, double b) {
    return std::isnan(a) || std::isnan(b) ? a + b : std::fmax(std::fabs(a), std::fabs(b));
}

// Watches one loop's misses; Next is called before each correction.
class Watch {
public:
    Watch(int maxPasses, int failure) : maxPasses_(maxPasses), failure_(failure) {}

    // Before the next correction, with the miss it is to correct: throws
    // the failure when the loop has made its maxPasses corrections.
    void Next(double miss) {
        if (passes_ == maxPasses_) throw failure_;
        ++passes_;
        // A miss that is no number says nothing of the loop's course.
        if (std::isnan(miss)) return;
        const double m = std::fabs(miss);
        straying_ = passes_ > 1 && !(m < best_);
        if (!straying_) best_ = m;
    }
    // Whether the last miss was no smaller than the smallest one before
    // it: the loop is moving away from its fit.
    bool Straying() const { return straying_; }
    int Passes() const { return passes_; }

private:
    int maxPasses_, failure_;
    int passes_ = 0;
    bool straying_ = false;
    double best_ = 0;
};

// Corrects until |miss| < tolerance: `correct(miss)` moves the construction
// by the miss and answers the new miss.  Throws `failure` after maxPasses
// corrections that did not fit, and EFitRunAway with `failure` when a
// correction breaks the floats while the loop is straying (see above).  A
// NaN miss counts as unfitted.  Returns the corrections made.
template <class Correct>
int Fit(double miss, double tolerance, int maxPasses, int failure, Correct correct) {
    Watch watch(maxPasses, failure);
    while (!(std::fabs(miss) < tolerance)) {
        watch.Next(miss);
        try {
            miss = correct(miss);
        } catch (const EFitRunAway&) {
            throw;  // a loop within the correction ran away: its failure
        } catch (const EFloatError&) {
            if (watch.Straying()) throw EFitRunAway(failure);
            throw;
        }
    }
    return watch.Passes();
}

}  // namespace FitLoop
