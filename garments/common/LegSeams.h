// The curves of a trouser leg between the hip and the knee that the women's
// and men's jeans draft alike: the side seam below the hip (a cubic from the
// hip point to a bulge, then a quadratic on down the leg) and the inseam up
// to the crotch point (two quadratics over a bulge).
#pragma once

#include <tuple>

#include "kernel/Geometry.h"

// The side below the hip, from the hip point `top` to `end` on the leg
// line below → end: "mid" 0.63 of the way, "bulge" a quarter of the way
// out to the leg line continued; `before`, the cubic's second control,
// |top mid|/beforeDivisor back from the bulge; `leave`, its first control,
// leaveShare·|top mid| from top along the direction in which the curve
// above arrives from `arriving`; `after`, the control of the quadratic on
// to `end`, 0.75·|mid end| past the bulge.
struct SideBelowHip {
    Vector mid, bulge, leave, before, after;
    // The five points into a draft's own, in this order.
    void Into(Vector& m, Vector& b, Vector& l, Vector& bf, Vector& af) const {
        std::tie(m, b, l, bf, af) = std::tie(mid, bulge, leave, before, after);
    }
};
SideBelowHip DraftSideBelowHip(const Vector& top, const Vector& end, const Vector& below, const Vector& arriving,
                               double beforeDivisor = 3.0, double leaveShare = 0.25);

// The inseam from `end` on the leg line below → end up to the crotch
// point: "mid" halfway, "bulge" 0.42 of the way out to the leg line
// continued, `lower` where the parallel to the seam through the bulge meets
// the leg line, `upper` a third of |mid crotch| past the bulge.
struct InnerLeg {
    Vector mid, bulge, lower, upper;
    // The four points into a draft's own, in this order.
    void Into(Vector& m, Vector& b, Vector& lo, Vector& up) const {
        std::tie(m, b, lo, up) = std::tie(mid, bulge, lower, upper);
    }
};
InnerLeg DraftInnerLeg(const Vector& end, const Vector& crotch, const Vector& below);
