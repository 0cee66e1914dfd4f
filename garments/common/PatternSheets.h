// What the lower-body garments' pattern sheets share besides the frame
// (TLowerGarment): the extent box of the drawn pieces, which the print
// tiling lays over pages, and the labels of the crotch points C1 and C3.
#pragma once

#include "kernel/Geometry.h"

struct TDrawContext;

namespace PatternSheets {

// Extent of the pieces in pattern cm (y up); it always holds the origin.
struct Box {
    float left = 0.0f, right = 0.0f, top = 0.0f, bottom = 0.0f;
    // Widens the box to take p in.
    void Take(float x, float y);
    void Take(const Vector& p) { Take(p.x, p.y); }
};

// C1 and C3: the one further left is labelled with placement 5, the other
// with 3 (C3 on the left when they stand one above the other).
void LabelC1C3(TDrawContext& dc, bool printer, const Vector& C1, const Vector& C3);

}  // namespace PatternSheets
