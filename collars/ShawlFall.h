// What the shawl collars (the women's and men's shirts' kind 5 and the men's
// coats' kind 8) draft alike once the roll line's start L1 is known: the
// roll line touching the circle of the stand's height around the neck point
// A4, the fall's width beyond it at the shoulder (C5), the neck edge turned
// about the roll line's entry into the front neckline's circle by the
// lowered back neck's excess and matched to the back neckline's length, the
// back edge square to its end and the roll line's control.
#pragma once

#include "kernel/Geometry.h"

struct ShawlFall {
    Vector C;          // where the roll line from L1 touches the circle of the stand's height around A4
    Vector C1;         // C + N along the roll line
    Vector F;          // the roll line met with the neck circle (its centre when the line misses it)
    Vector TurnedEnd;  // C1 turned about F by the lowered neckline's excess
    Vector C5;         // the outer edge at the shoulder: the fall's width beyond C from A4
    Vector C2;         // the back end of the neck edge
    Vector C3;         // the back end of the roll line: C2 + s m
    Vector C4;         // the back end of the outer edge: C3 + (s + 1.5) m
    Vector NeckCtrl;   // the neck edge A4 -> C2
    Vector RollCtrl;   // the roll line C -> C3
    Vector NeckEnd;    // the neck edge's direction at its back end, from TurnedEnd towards NeckCtrl

    // From the roll line's start L1, the neck point A4, the front neckline's
    // circle (its centre and radius), the stand's height s, the back
    // neckline N and its lowered excess.  The neck edge's length search is
    // bounded and fails by throwing, as does an L1 inside the circle around
    // A4.
    void DraftFall(const Vector& L1, const Vector& A4, const Vector& neckCentre, float neckRadius, float s, float N,
                   float excess);
};
