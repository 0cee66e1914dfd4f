// What a set-in sleeve reads of the garment it is sewn into: the armhole
// length its cap is fitted to, the cap-ease norm, the interlining ease and
// the lower armhole arcs its balance notches are measured along.  Each
// bodice family has one accessor that fills it; the sleeves read nothing
// else of the bodice.
#pragma once

#include "kernel/Geometry.h"

class TDress;

// A quadratic arc of the armhole: start, control point, end.
struct ArmholeArc {
    Vector start, ctrl, end;
    float Length() const;
};

struct SleeveGarment {
    // The bodice family: the women's dresses, jackets and coats, or the
    // men's shirts and jackets.  The sleeves draft a little differently
    // for each.
    enum class Family { Women, MenShirt };
    Family family = Family::Women;
    float armholeLength = 0.0f;    // A, the armhole the cap is fitted to
    float capEaseNorm = 0.0f;      // n (Н), the cap is longer than A by n·A
    float interliningEase = 0.0f;  // h
    // The lower front armhole from the side point G2 up to P6, and the lower
    // back armhole from G2 up to the back armhole point (P3 of the women's
    // bodice): two arcs each, the first starting at G2.
    ArmholeArc front[2];
    ArmholeArc back[2];

    // Their lengths: how far along the cap the front and back notches lie.
    float FrontArmholeLength() const;
    float BackArmholeLength() const;
};

// The women's bodice as a set-in sleeve sees it (its draft done).
SleeveGarment WomenSleeveGarment(const TDress& d);

// The main window's garment as a set-in sleeve sees it.  The base selection
// pairs the set-in sleeves only with bodices; any other garment (or none)
// throws EFloatError.
SleeveGarment CurrentSleeveGarment();
