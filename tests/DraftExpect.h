// Checks that the drafts' tests share: a table of values each with what it
// should be, angles between directions, distances off a line, finite points.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "kernel/Geometry.h"

struct Expected {
    const char* what;
    float value;
    float expected;
};

inline void ExpectAll(const std::vector<Expected>& table, float tolerance, const std::string& context = "") {
    for (const Expected& e : table) EXPECT_NEAR(e.value, e.expected, tolerance) << e.what << context;
}

// The angle between the directions c → p and c → q.
inline double AngleAt(const Vector& c, const Vector& p, const Vector& q) {
    const double a1 = std::atan2(double(p.y) - c.y, double(p.x) - c.x);
    const double a2 = std::atan2(double(q.y) - c.y, double(q.x) - c.x);
    double d = std::fabs(a1 - a2);
    if (d > M_PI) d = 2 * M_PI - d;
    return d;
}

// How far p lies off the line through a and b.
inline float OffLine(const Vector& a, const Vector& b, const Vector& p) {
    return std::fabs(Geom::Side(a, Vector::UnitBetween(a, b), p));
}

inline bool Finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// How a draft fails: the integer 2 (the armhole balance reached its
// bound), EFitRunAway naming 2 (the balance ran away until a correction
// broke the floats), or a plain EFloatError (a broken construction).
enum class DraftFailure { Armhole, ArmholeRunAway, Fault };

// `draft` must fail as `expected`.
template <class Draft>
void ExpectDraftFails(DraftFailure expected, Draft draft, const std::string& what) {
    try {
        draft();
        ADD_FAILURE() << what << ": drafted";
    } catch (int code) {
        EXPECT_EQ(code, 2) << what;
        EXPECT_TRUE(expected == DraftFailure::Armhole) << what << ": the integer " << code;
    } catch (const EFitRunAway& e) {
        EXPECT_EQ(e.failure, 2) << what;
        EXPECT_TRUE(expected == DraftFailure::ArmholeRunAway) << what << ": the balance ran away";
    } catch (const EFloatError& e) {
        EXPECT_TRUE(expected == DraftFailure::Fault) << what << ": " << e.what();
    }
}
