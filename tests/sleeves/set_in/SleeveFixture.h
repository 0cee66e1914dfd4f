// A one-seam sleeve on a women's bodice drafted on its own: the bodice of
// the dress fixture drafted for a sleeve of kind 1, the sample values of the
// sleeve rows of its column, and the sleeve's draft on that armhole.
#pragma once

#include "sleeves/set_in/OneSeam.h"
#include "tests/garments/bodice_women/DressFixture.h"

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
inline void DraftSleeve(TOneSeam& s, TDress& d, const SleeveMeasures& m = kSleeveSamples,
                        const DressMeasures& body = kDressSamples, DressKind kind = DressKind::Dress,
                        Silhouette silhouette = Silhouette::Straight) {
    Put(s, m);
    DraftForSleeve(d, s, m, body, kind, silhouette);
    s.Draft(WomenSleeveGarment(d));
}
