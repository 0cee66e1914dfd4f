// What the women's and the men's bodice drafts share: the main window's
// choice of pieces as a draft reads it, the ruler crossing and the arc
// length both constructions use, and the armhole balance, which moves the
// front shoulder height until the front armhole is as long as the back one.
#pragma once

#include <cmath>

#include "kernel/FloatStore.h"
#include "kernel/Geometry.h"

class TSleeve;

// What a bodice draft reads of the main window's choice of pieces.
struct BodiceChoice {
    const TSleeve* sleeve = nullptr;  // the current sleeve, or none
    bool hasCollar = false;           // whether a collar is chosen
    int collarKind = 0;
    int sleeveKind = 0;
    int modelIndex = 0;  // garment type
};

// The main window's current choice; without a main window, no collar, no
// sleeve and garment type 0.
BodiceChoice CurrentBodiceChoice();

namespace BodiceDraft {

// The crossing of the line through p with direction d and the line through
// q with direction e.  Parallel lines have no crossing and throw EFloatError.
Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e);

// Sheets 1 and 2 white with the centimetre grid, and sheet 3 as well when
// the main window has a sleeve: a bodice's ClearSheets.
void ClearSheets();

// The length of a whole quadratic arc p0 → [p1] → p2.
float Arc(const Vector& p0, const Vector& p1, const Vector& p2);

// The armhole balance corrects the front shoulder at most this many times;
// the last correction throws the integer 2.
constexpr int kMaxArmholeCorrections = 500;

// The armhole balance: `rebuild` builds the front shoulder and upper front
// armhole for the current height y and returns what the front armhole still
// lacks of the back one; while that mismatch is not below 0.1 cm, y moves by
// it and the front is rebuilt.  The kMaxArmholeCorrections-th correction
// throws the integer 2 without testing its mismatch.  A correction that
// leaves the finite floats throws EFloatError.
template <class Rebuild>
void BalanceArmhole(float& y, Rebuild rebuild) {
    float mismatch = rebuild();
    // Written so that a NaN would go on correcting (and end at the bound)
    // rather than pass as balanced.
    for (int corrections = 1; !(std::fabs(mismatch) < 0.1f); ++corrections) {
        y = FloatStore::Scalar(double(y) + mismatch, "armhole balance");
        mismatch = rebuild();
        if (corrections == kMaxArmholeCorrections) throw 2;
    }
}

}  // namespace BodiceDraft
