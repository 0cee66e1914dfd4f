// What a set-in sleeve reads of the garment it is sewn into: the armhole
// length its cap is fitted to, the cap-ease norm, the interlining ease and
// the lower armhole arcs its balance notches are measured along.  Each
// bodice family has one accessor that fills it; the sleeves read nothing
// else of the bodice.
#pragma once

#include <functional>

#include "kernel/Geometry.h"

class TDress;
class TMenDress;

// A balance notch: the point on the curve, the foot 0.6 cm into the piece
// (the stem runs from the point to the foot) and the two ends of the bar
// across the foot, 0.2 cm either side of it along the curve.
struct BalanceNotch {
    Vector point, foot, bar1, bar2;
};

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
    // The arc beyond each: from P6 up the front, from the back armhole point
    // up the back.  A notch the sleeve writes into the garment may lie on it.
    ArmholeArc frontBeyond, backBeyond;
    // Writes the notches a sleeve places on the garment's front and back
    // armhole into the garment (foot along minus the arc's left normal at
    // the front, along plus it at the back; bar1 and bar2 as PlaceNotch
    // gives them).  Empty for a garment that keeps none (so far the men's
    // shirts and jackets, whose notch block only the two-seam sleeve fills).
    std::function<void(const BalanceNotch& front, const BalanceNotch& back)> writeNotches;

    // Their lengths: how far along the cap the front and back notches lie.
    float FrontArmholeLength() const;
    float BackArmholeLength() const;
};

// The women's bodice as a set-in sleeve sees it (its draft done).  It keeps
// the sleeve's notches in TDress::ArmholeNotches, four points each (front
// 0 .. 3, back 4 .. 7): the point, the bar end foot − 0.2·T̂, the foot, the
// bar end foot + 0.2·T̂.
SleeveGarment WomenSleeveGarment(TDress& d);

// The men's shirt or jacket as a set-in sleeve sees it (its draft done):
// its back armhole ends at P31.
SleeveGarment MenShirtSleeveGarment(TMenDress& d);

// The main window's garment as a set-in sleeve sees it: a women's bodice,
// else a men's shirt or jacket.  The base selection pairs the set-in sleeves
// only with these; any other garment (or none) throws EFloatError.
SleeveGarment CurrentSleeveGarment();
