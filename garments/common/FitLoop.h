// The fitting loops of the drafts.
//
// Many pieces are fitted by correcting a construction by what it still
// misses (a seam's length, a cap's balance, an armhole's mismatch) until
// the miss is within a tolerance.  For most measurements the miss shrinks
// pass by pass; for some it grows instead, and left alone it would grow
// until the floats overflow and the draft failed as if the measurements
// could not be drafted at all.  Such a loop has diverged: it fails with its
// piece's own failure (the integer the calculation road turns into that
// piece's message), exactly as when it runs out of passes.
//
// The rule: a loop gives up when its miss grows beyond kFarMiss, when the
// miss has not come below its smallest so far within kStallPasses
// corrections, or when it has made its maxPasses corrections; and when a
// correction breaks the floats while the miss is growing.  A miss that is
// no number is left to the correction, whose checked arithmetic fails on it
// as on any broken construction.
#pragma once

#include <cmath>

#include "kernel/Checked.h"

namespace FitLoop {

// No construction of a garment misses by more than this (cm): a miss that
// large has run away, and is still far from overflowing the floats.
constexpr double kFarMiss = 1000.0;
// Corrections in a row that may leave the miss no smaller than the best
// one so far: a loop may swing or grow for a while before it closes (the
// men's shirt's armhole balance does for over twenty corrections on odd
// measurements).
constexpr int kStallPasses = 50;

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
    // the failure when the loop has given up (see above).
    void Next(double miss) {
        if (passes_ == maxPasses_) throw failure_;
        ++passes_;
        // A miss that is no number is a broken construction, not a runaway
        // one: the correction meets it.
        if (std::isnan(miss)) return;
        const double m = std::fabs(miss);
        if (m > kFarMiss) throw failure_;
        if (passes_ == 1 || m < best_) {
            best_ = m;
            stalled_ = 0;
        } else if (++stalled_ == kStallPasses) {
            throw failure_;
        }
    }
    // Whether the last miss was no better than the best one: the loop is
    // moving away from its fit.
    bool Straying() const { return stalled_ > 0; }
    int Passes() const { return passes_; }

private:
    int maxPasses_, failure_;
    int passes_ = 0, stalled_ = 0;
    double best_ = 0;
};

// Corrects until |miss| < tolerance: `correct(miss)` moves the construction
// by the miss and answers the new miss.  Throws `failure` when the loop
// gives up; a correction that breaks the floats while the miss is growing
// is the same divergence and throws `failure` too.  A NaN miss counts as
// unfitted.  Returns the corrections made.
template <class Correct>
int Fit(double miss, double tolerance, int maxPasses, int failure, Correct correct) {
    Watch watch(maxPasses, failure);
    while (!(std::fabs(miss) < tolerance)) {
        watch.Next(miss);
        try {
            miss = correct(miss);
        } catch (const EFloatError&) {
            if (watch.Straying()) throw failure;
            throw;
        }
    }
    return watch.Passes();
}

}  // namespace FitLoop
