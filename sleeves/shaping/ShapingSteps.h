// What the sleeves made in one with the women's bodice share of their
// drafting and drawing: the bodice they belong to, the checked steps and the
// pens of the screen and of paper.
#pragma once

#include "garments/bodice_women/DressGarment.h"
#include "garments/common/DraftSteps.h"
#include "garments/common/PatternPen.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"

namespace ShapingSteps {

inline float Fl(double v) { return FloatStore::Scalar(v, "sleeve made in one with the bodice"); }

// The crossing of two lines; parallel lines throw.
inline Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "sleeve made in one with the bodice: parallel lines");
}

// p + dir·l.
inline Vector Along(const Vector& p, const Vector& dir, double l) { return Geom::PointAlong(p, dir, Fl(l)); }

// p + unit(p → q)·l.
inline Vector Toward(const Vector& p, const Vector& q, double l) { return DraftSteps::Toward(p, q, l); }

// u × v.
inline double CrossZ(const Vector& u, const Vector& v) { return double(u.x) * v.y - double(v.x) * u.y; }

// The main window's garment, which must be a women's bodice: the base
// selection pairs these sleeves with nothing else, so only a damaged order
// can meet another garment, and that fails as a degenerate draft.
inline TDress& Bodice() {
    TDress* d = CurrentDress();
    if (!d) Checked::Fail("sleeve made in one with the bodice without a women's bodice");
    return *d;
}

// Writes where the sleeve's underarm meets the side into the bodice, which
// draws its side seams up to there: the end points (straight silhouette),
// or the side curve's case and parameter (fitted).
inline void TellBodice(TDress& d, const Vector& frontEnd, const Vector& backEnd, int frontCase, int backCase,
                       float frontT, float backT) {
    d.SleeveFrontEnd = frontEnd;
    d.SleeveBackEnd = backEnd;
    d.FrontCurveCase = frontCase;
    d.BackCurveCase = backCase;
    d.FrontCurveT = frontT;
    d.BackCurveT = backT;
}

inline PatternPen ScreenPen() { return {ScreenDC, false, GarmentSheets::kScreenOutline}; }
inline PatternPen PaperPen(TDrawContext& dc) { return {dc, true, GarmentSheets::kPaperOutline}; }

}  // namespace ShapingSteps
