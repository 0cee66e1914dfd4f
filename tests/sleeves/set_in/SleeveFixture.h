// A set-in sleeve on a women's bodice drafted on its own: the bodice of
// the dress fixture drafted for a sleeve of kind 1, the sample values of the
// sleeve rows of its column, and the sleeve's draft on that armhole.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "sleeves/set_in/OneSeam.h"
#include "tests/garments/bodice_women/DressFixture.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

// The sleeve rows of the dress's column: Др1с, Оп.в, Озап, Пн, Попв, Поз,
// and the cap-ease norm Н.
struct SleeveMeasures {
    float armLength, upperArm, wrist, pad, upperArmEase, wristEase, capEaseNorm;
};
constexpr SleeveMeasures kSleeveSamples{57.4f, 29.1f, 15.9f, 0.5f, 5, 5, 0.04f};

inline void Put(TSleeve& s, const SleeveMeasures& m) {
    s.ArmLength = m.armLength;
    s.UpperArmGirth = m.upperArm;
    s.WristGirth = m.wrist;
    s.ShoulderPad = m.pad;
    s.UpperArmEase = m.upperArmEase;
    s.WristEase = m.wristEase;
}

// The bodice of the given garment drafted with the sleeve's inputs for a
// sleeve of kind 1.
inline void DraftForSleeve(TDress& d, const TSleeve& s, const SleeveMeasures& m,
                           const DressMeasures& body = kDressSamples, DressKind kind = DressKind::Dress,
                           Silhouette silhouette = Silhouette::Straight) {
    d.CapEaseNorm = m.capEaseNorm;
    DressChoice choice;
    choice.sleeve = &s;
    choice.sleeveKind = 1;
    DraftDress(d, body, kind, silhouette, choice);
}

// The sleeve with the given inputs drafted on the bodice's armhole.
inline void DraftSleeve(TSetInSleeve& s, TDress& d, const SleeveMeasures& m = kSleeveSamples,
                        const DressMeasures& body = kDressSamples, DressKind kind = DressKind::Dress,
                        Silhouette silhouette = Silhouette::Straight) {
    Put(s, m);
    DraftForSleeve(d, s, m, body, kind, silhouette);
    s.Draft(WomenSleeveGarment(d));
}

// The sleeve of the given kind with the given inputs drafted on a men's
// shirt or jacket.
inline void DraftOnShirt(TSetInSleeve& s, TMenDress& d, int sleeveKind, const SleeveMeasures& m = kSleeveSamples,
                         MenDressKind kind = MenDressKind::Shirt, const ShirtMeasures& body = kShirtSamples) {
    Put(s, m);
    d.CapEaseNorm = m.capEaseNorm;
    BodiceChoice choice;
    choice.sleeve = &s;
    choice.sleeveKind = sleeveKind;
    DraftMenDress(d, body, kind, choice);
    s.Draft(MenShirtSleeveGarment(d));
}

// ---- Measuring a drafted sleeve independently of its draft. ----

namespace SleeveCheck {

constexpr int kSamples = 400;  // chords per arc

// Dense samples of an arc, from its start to its end.
inline std::vector<Vector> Samples(const CapArc& a) {
    std::vector<Vector> v;
    for (int i = 0; i <= kSamples; ++i) v.push_back(a.Point(float(i) / kSamples));
    return v;
}

// How far along the chain (by chords) the sample nearest to p lies, and
// how far p is from that sample.
inline std::pair<double, double> LengthAlong(const std::vector<CapArc>& chain, const Vector& p) {
    double along = 0, best = 1e30, bestAlong = 0;
    Vector last = chain.front().p[0];
    for (const CapArc& a : chain)
        for (const Vector& q : Samples(a)) {
            along += std::hypot(double(q.x) - last.x, double(q.y) - last.y);
            last = q;
            const double d = std::hypot(double(q.x) - p.x, double(q.y) - p.y);
            if (d < best) best = d, bestAlong = along;
        }
    return {bestAlong, best};
}

// How far along a garment's armhole (from G2, over its two lower arcs and
// on into the arc beyond) the point lies; the point must lie on it.
inline double AlongArmhole(const ArmholeArc (&lower)[2], const ArmholeArc& beyond, const Vector& p) {
    const std::vector<CapArc> chain = {CapArc::Quad(lower[0].start, lower[0].ctrl, lower[0].end),
                                       CapArc::Quad(lower[1].start, lower[1].ctrl, lower[1].end),
                                       CapArc::Quad(beyond.start, beyond.ctrl, beyond.end)};
    const auto [along, off] = LengthAlong(chain, p);
    EXPECT_LT(off, 0.05);
    return along;
}

// The cap's halves as chains of arcs: the front from P31 up to O2, the back
// from P61 up to O2.
inline std::vector<CapArc> FrontChain(const TOneSeam& s) {
    CapArc a[3];
    s.FrontCap(a);
    return {a[0], a[1], a[2]};
}
inline std::vector<CapArc> BackChain(const TOneSeam& s) {
    CapArc a[4];
    s.BackCap(a);
    return {a[0], a[1], a[2], a[3]};
}

inline double ChordLength(const std::vector<CapArc>& chain) {
    return LengthAlong(chain, chain.back().p[chain.back().cubic ? 3 : 2]).first;
}

// The piece's outline as a polygon: the cap from P61 over O2 to P31, the
// front seam, the hem and the back seam.
inline std::vector<Vector> Outline(const TOneSeam& s) {
    CapArc back[4], front[3];
    s.BackCap(back);
    s.FrontCap(front);
    std::vector<Vector> poly;
    for (const CapArc& a : back)
        for (const Vector& q : Samples(a)) poly.push_back(q);
    for (int i = 2; i >= 0; --i) {  // the front arcs run from P31 up: walk them down
        std::vector<Vector> q = Samples(front[i]);
        poly.insert(poly.end(), q.rbegin(), q.rend());
    }
    for (const Vector& q : Samples(CapArc::Quad(s.H11, s.H41, s.H))) poly.push_back(q);
    for (const Vector& q : Samples(CapArc::Quad(s.H, s.H31, s.H21))) poly.push_back(q);
    return poly;
}

// Even-odd test of p against the closed polygon.
inline bool Inside(const std::vector<Vector>& poly, const Vector& p) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Vector &a = poly[i], &b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

// |(b − a) × (c − b)| / (|b − a| |c − b|): 0 when a, b, c lie on one line.
inline double Bend(const Vector& a, const Vector& b, const Vector& c) {
    const double ux = double(b.x) - a.x, uy = double(b.y) - a.y, vx = double(c.x) - b.x, vy = double(c.y) - b.y;
    return std::fabs(ux * vy - uy * vx) / (std::hypot(ux, uy) * std::hypot(vx, vy));
}

// The cosine of the corner at a
// between a → b and a → c: 0 for a right angle.
inline double CornerCos(const Vector& a, const Vector& b, const Vector& c) {
    const double ux = double(b.x) - a.x, uy = double(b.y) - a.y, vx = double(c.x) - a.x, vy = double(c.y) - a.y;
    return (ux * vx + uy * vy) / (std::hypot(ux, uy) * std::hypot(vx, vy));
}

inline double Dist(const Vector& a, const Vector& b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

}  // namespace SleeveCheck
