// A men's bodice drafted on its own: a concrete TMenDress whose other slots
// do nothing, the measurements of the worked example and the shirt's
// samples, and the common draft for a chosen garment kind, sleeve and
// collar.
#pragma once

#include "garments/shirts_men/MenDress.h"
#include "kernel/Bezier.h"
#include "tests/StubGarments.h"

using TTestMenDress = TStubGarment<TMenDress>;

// The body measurements and allowances of the men's column.
struct ShirtMeasures {
    float R, Cw, Cg2, Cb, Dtp, Shg, Vprz, Dts, Vpk, Shs, Shp, Pk;
    float Shk, Pg, Pb, h;
};

// The worked example of the draft.
constexpr ShirtMeasures kWorkedExample{176, 19.5f, 52, 54, 44, 20, 22, 45, 46, 19, 14, 5, 6, 7, 4, 0};
// The sample values of the shirt's column, with an interlining ease.
constexpr ShirtMeasures kShirtSamples{176,   20.7f, 52.2f, 53.4f, 47.2f, 19.4f, 21.9f, 45.2f,
                                      48.3f, 20.1f, 15.4f, 6,     7,     7,     5,     0.6f};

constexpr MenDressKind kMenKinds[] = {MenDressKind::Shirt, MenDressKind::Jacket};

inline void Put(TMenDress& d, const ShirtMeasures& m) {
    d.Height = m.R;
    d.NeckHalfGirth = m.Cw;
    d.BustHalfGirth = m.Cg2;
    d.HipHalfGirth = m.Cb;
    d.FrontWaistLength = m.Dtp;
    d.ChestWidth = m.Shg;
    d.BackArmholeHeight = m.Vprz;
    d.BackWaistLength = m.Dts;
    d.ShoulderHeight = m.Vpk;
    d.BackWidth = m.Shs;
    d.ShoulderLength = m.Shp;
    d.Posture = m.Pk;
    d.YokeWidth = m.Shk;
    d.BustEase = m.Pg;
    d.HipEase = m.Pb;
    d.InterliningEase = m.h;
}

// Measurements, the garment kind's ease constants, the common draft and the
// segments.
inline void DraftMenDress(TMenDress& d, const ShirtMeasures& m, MenDressKind kind = MenDressKind::Shirt,
                          const BodiceChoice& choice = {}) {
    Put(d, m);
    d.SetEase(EaseOf(kind));
    d.Draft(choice);
    d.CalcSegments();
}

// The armhole as drafted: the three back arcs from P down to G2, and the
// four front arcs from G2 up to P10.
inline float BackArmhole(const TMenDress& d) {
    return Bezier2::ArcLength(d.P, d.BackArmholeCtrl, d.P31, 0, 1) +
           Bezier2::ArcLength(d.P31, d.BackArmholeCtrl1, d.BackArmholeJoin, 0, 1) +
           Bezier2::ArcLength(d.BackArmholeJoin, d.BackArmholeCtrl2, d.G2, 0, 1);
}
inline float FrontArmhole(const TMenDress& d) {
    return Bezier2::ArcLength(d.G2, d.FrontArmholeCtrl1, d.FrontArmholeJoin, 0, 1) +
           Bezier2::ArcLength(d.FrontArmholeJoin, d.FrontArmholeCtrl2, d.P6, 0, 1) +
           Bezier2::ArcLength(d.P6, d.FrontArmholeCtrl3, d.Point4, 0, 1) +
           Bezier2::ArcLength(d.Point4, d.FrontArmholeCtrl4, d.P10, 0, 1);
}
