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
class TMenPattern;

// A balance notch: the point on the curve, the foot 0.6 cm into the piece
// (the stem runs from the point to the foot) and the two ends of the bar
// across the foot, 0.2 cm either side of it along the curve.
struct BalanceNotch {
    Vector point, foot, bar1, bar2;
    float param = 0.0f;  // the point's parameter on its arc
};

// A quadratic arc of the armhole: start, control point, end.
struct ArmholeArc {
    Vector start, ctrl, end;
    float Length() const;
};

struct SleeveGarment {
    // The bodice family: the women's dresses, jackets and coats, the men's
    // shirts and jackets, or the men's coats and blazers.  The sleeves draft
    // a little differently for each.
    enum class Family { Women, MenShirt, MenCoat };
    Family family = Family::Women;
    float armholeLength = 0.0f;    // A, the armhole the cap is fitted to
    float capEaseNorm = 0.0f;      // n (Н), the cap is longer than A by n·A
    float interliningEase = 0.0f;  // h
    // X, the back armhole of the men's coats from the side seam down to G2
    // (0 for the other families): the one-seam sleeve's width line starts X
    // further back, the two-seam sleeve's balance notch lies X nearer the
    // cap top.
    float armholeArcLength = 0.0f;
    // How much longer the back half of the one-seam cap is than the front
    // half: 0.18·A·n + 2·X on the men's coats, 0 elsewhere.
    float balanceOffset = 0.0f;
    // What the one-seam cap's notches lie beyond the garment's lower
    // armhole arcs: 0.06·A·n at the front and 0.26·A·n at the back on the
    // men's coats, 0 elsewhere.
    float frontNotchEase = 0.0f;
    float backNotchEase = 0.0f;
    // The lower front armhole from the side point G2 up to P6, and the lower
    // back armhole from G2 up to the back armhole point (P3 of the women's
    // bodice): two arcs each, the first starting at G2.
    ArmholeArc front[2];
    ArmholeArc back[2];
    // The arc beyond each: from P6 up the front, from the back armhole point
    // up the back.  A notch the sleeve writes into the garment may lie on it.
    ArmholeArc frontBeyond, backBeyond;
    // The men's upper front armhole from where frontBeyond ends (the coats'
    // "2", the shirts' "4") up to the shoulder point P10; none on the
    // women's bodices.
    ArmholeArc frontShoulder;
    // Writes the notches a sleeve places on the garment's front and back
    // armhole into the garment (foot along minus the arc's left normal at
    // the front, along plus it at the back; bar1 and bar2 as PlaceNotch
    // gives them).  The men's shirts and jackets, whose notch block only the
    // two-seam sleeve fills, also raise their yoke to the back notch.
    std::function<void(const BalanceNotch& front, const BalanceNotch& back)> writeNotches;
    // The men's garments keep more of the two-seam sleeve: the coats the
    // parameter of the front notch on its armhole arc (the side part
    // separates there), the coats and the shirts the shoulder mark (point,
    // bar end, bar end).  Empty elsewhere.
    std::function<void(float frontNotchParam)> writeFrontNotchParam;
    std::function<void(const Vector& point, const Vector& bar1, const Vector& bar2)> writeShoulderMark;

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
// its back armhole ends at P31.  It keeps a two-seam sleeve's front notch in
// FrontSleeveNotch and BackNotchMark, the back notch in BackSleeveNotch (the
// women's order) and the shoulder mark at "4" in FrontNotchMark; the other
// set-in sleeves leave them to the draft.
SleeveGarment MenShirtSleeveGarment(TMenDress& d);

// The men's coat or blazer as a set-in sleeve sees it (its draft done): the
// front armhole starts at FrontG2, the back ends at P31.  The coat keeps a
// two-seam sleeve's notches in SleeveNotch1 (front; its first point is the
// side part's SplitPoint) and SleeveNotch2 (back), four points each in the
// women's order, the front notch's parameter in SplitParam and the shoulder
// mark in ShoulderMark; the one-seam sleeves leave them to the coat's draft.
SleeveGarment MenCoatSleeveGarment(TMenPattern& d);

// The main window's garment as a set-in sleeve sees it: a women's bodice,
// a men's shirt or jacket, or a men's coat or blazer.  The base selection pairs the set-in sleeves
// only with these; any other garment (or none) throws EFloatError.
SleeveGarment CurrentSleeveGarment();
