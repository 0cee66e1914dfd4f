// The men's outerwear base drafted on its own: a concrete TMenPattern whose
// other slots do nothing, the sample measurements of the coats, the blazers
// and the vest, and the common draft for a chosen garment type, sleeve and
// collar.
#pragma once

#include "garments/coats_men/MenPattern.h"
#include "kernel/Bezier.h"
#include "tests/StubGarments.h"

using TTestMenPattern = TStubGarment<TMenPattern>;

// The measurements and eases of the family's column.
struct MenMeasures {
    float R, Cw, Cg1, Cg2, Ct, Cb, Vg, Dtp, Shg, Tsg, Vprz, Dts, Vpk, Shs, Shp, Pk;
    float Pg, Pt, Pb, H, h;
};

// The demi-season side-seam coat's samples with a set-in sleeve.
constexpr MenMeasures kCoatSamples{176,   20.7f, 51.1f, 52.2f, 49,    53.4f, 27.8f, 47.2f, 19.4f, 9.7f, 21.9f,
                                   45.2f, 48.3f, 20.1f, 15.4f, 8,     7,     7,     7,     0.07f, 0.4f};
// The blazers' samples with a sleeve.
constexpr MenMeasures kBlazerSamples{176,   20.7f, 51.1f, 52.2f, 49,    53.4f, 27.8f, 47.2f, 19.4f, 9.7f, 21.9f,
                                     45.2f, 48.3f, 20.1f, 15.4f, 8,     5,     4,     4,     0.06f, 0};
// The vest's samples.
constexpr MenMeasures kVestSamples{176,   20.7f, 51.1f, 52.2f, 49, 55.4f, 27.8f, 47.2f, 19.4f, 9.7f, 21.9f,
                                   45.2f, 48.3f, 20.1f, 12,    8,  4,     4,     3.5f,  0,     0};

// The family's garment types.
constexpr int kMenTypes[] = {28, 29, 30, 31, 32, 33, 34, 35, 36};

inline void Put(TMenPattern& g, const MenMeasures& m) {
    g.Height = m.R;
    g.NeckHalfGirth = m.Cw;
    g.BustHalfGirth1 = m.Cg1;
    g.BustHalfGirth2 = m.Cg2;
    g.WaistHalfGirth = m.Ct;
    g.HipHalfGirth = m.Cb;
    g.BustHeight = m.Vg;
    g.FrontWaistLength = m.Dtp;
    g.ChestWidth = m.Shg;
    g.BustPointSpan = m.Tsg;
    g.BackArmholeHeight = m.Vprz;
    g.BackWaistLength = m.Dts;
    g.ObliqueShoulderHeight = m.Vpk;
    g.BackWidth = m.Shs;
    g.ShoulderWidth = m.Shp;
    g.Posture = m.Pk;
    g.BustEase = m.Pg;
    g.WaistEase = m.Pt;
    g.HipEase = m.Pb;
    g.CapEaseNorm = m.H;
    g.InterliningEase = m.h;
}

// Measurements, the garment type's constants, the common draft and the
// segments.  The choice's model index is the garment type.
inline void DraftMen(TMenPattern& g, const MenMeasures& m, int type = 28, BodiceChoice choice = {}) {
    Put(g, m);
    g.SetConstants(MenPatternConstantsOf(type));
    choice.modelIndex = type;
    g.Draft(choice);
    g.CalcSegments();
}

// The armhole as drafted: the back from P1 down to g21 (its part), the
// front from FrontG2 up to P6 with the back below g21 (its lower part), and
// the front above P6 (its upper part).
inline float BackPart(const TMenPattern& g) {
    return Bezier2::ArcLength(g.P1, g.BackArmholeCtrl1, g.P31, 0, 1) +
           Bezier2::ArcLength(g.P31, g.BackArmholeCtrl2, g.BackArmholeJoin, 0, 1) +
           Bezier2::ArcLength(g.BackArmholeJoin, g.BackArmholeCtrl3, g.G2, 0, g.SideParam);
}
inline float LowerFront(const TMenPattern& g) {
    return Bezier2::ArcLength(g.FrontG2, g.FrontArmholeCtrl1, g.FrontArmholeJoin, 0, 1) +
           Bezier2::ArcLength(g.FrontArmholeJoin, g.FrontArmholeCtrl2, g.P6, 0, 1) +
           Bezier2::ArcLength(g.BackArmholeJoin, g.BackArmholeCtrl3, g.G2, g.SideParam, 1);
}
inline float UpperFront(const TMenPattern& g) {
    return Bezier2::ArcLength(g.P6, g.FrontArmholeCtrl3, g.FrontArmhole2, 0, 1) +
           Bezier2::ArcLength(g.FrontArmhole2, g.FrontArmholeCtrl4, g.P10, 0, 1);
}
