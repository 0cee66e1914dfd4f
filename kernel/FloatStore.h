// Storing the wide intermediate results of the geometry back as float.
//
// The drafting arithmetic runs in double and keeps its results as float, as
// the cutting method does.  A value that does not fit a finite float (an
// overflow, or a NaN that slipped through) must not leave the kernel, so
// every stored result passes through these helpers.
#pragma once

#include <cmath>

#include "kernel/Checked.h"
#include "kernel/Geometry.h"

namespace FloatStore {

// v as a float; a non-finite float throws EFloatError.
inline float Scalar(double v, const char* what) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) Checked::Fail(what);
    return f;
}

inline Vector Point(double x, double y, const char* what) { return Vector(Scalar(x, what), Scalar(y, what)); }

// (x, y)/|(x, y)|; a zero length throws.
inline Vector Unit(double x, double y, const char* what) {
    const double len = Checked::Sqrt(x * x + y * y, what);
    return Point(Checked::Div(x, len, what), Checked::Div(y, len, what), what);
}

// (x, y) turned +90 degrees and divided by its length; a zero length throws.
inline Vector UnitNormal(double x, double y, const char* what) { return Unit(-y, x, what); }

}  // namespace FloatStore
