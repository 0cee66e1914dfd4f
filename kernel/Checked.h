// Checked arithmetic for the drafting code.
//
// The drafting steps were designed for a machine that traps on a zero
// divisor, the square root of a negative number or an arcsine beyond ±1.
// On this platform those operations give a silent NaN or infinity, so every
// place where a degenerate construction can occur goes through one of these
// helpers instead.  They throw EFloatError, which the calculation road turns
// into a rerun and, at last, a message.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

class EFloatError : public std::runtime_error {
public:
    explicit EFloatError(const std::string& what) : std::runtime_error(what) {}
};

// The floating-point fault of a fitting loop that ran away: its correction
// broke the floats while its miss was growing.  The calculation road reruns
// it as any fault (a rerun may start from what the failed run left behind,
// and draft); when no run drafts, it reports the failure of the piece the
// loop was fitting (1 the sleeve cap, 2 the armhole) instead of a fault.
class EFitRunAway : public EFloatError {
public:
    explicit EFitRunAway(int failure) : EFloatError("fitting loop ran away"), failure(failure) {}
    int failure;
};

namespace Checked {

// Throws EFloatError naming the operation.
[[noreturn]] void Fail(const char* what);

// v itself when finite; otherwise EFloatError.
inline double Finite(double v, const char* what) {
    if (!std::isfinite(v)) Fail(what);
    return v;
}

// a / b; a zero divisor or a non-finite quotient throws.
inline double Div(double a, double b, const char* what) {
    if (b == 0.0) Fail(what);
    return Finite(a / b, what);
}

// Square root; a negative (or non-finite) argument throws.
inline double Sqrt(double x, const char* what) {
    if (!(x >= 0.0) || !std::isfinite(x)) Fail(what);
    return std::sqrt(x);
}

// Arcsine evaluated as atan2(x, sqrt(1 - x^2)); |x| > 1 throws.
inline double Asin(double x, const char* what) {
    if (!(x >= -1.0 && x <= 1.0)) Fail(what);
    return std::atan2(x, std::sqrt(1.0 - x * x));
}

}  // namespace Checked
