// The drawing lists of the bodice garments, written as the method writes
// them: thin and thick pen, polylines, continued lines, quadratic and cubic
// arcs (whole or a parameter range) and circular arcs, each a fixed number
// of chords, and point labels; on the screen or on paper alike.
#pragma once

#include <initializer_list>
#include <string>

#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "kernel/Geometry.h"

struct PatternPen {
    TDrawContext& dc;
    bool printer;     // labels through PrinterLabel
    int outline = 2;  // width of the thick (outline) pen

    void Thin() const { dc.SetPenWidth(1); }
    void Thick() const { dc.SetPenWidth(outline); }
    // L p1–p2–…: a move to p1, then straight lines.
    void Line(std::initializer_list<Vector> points) const {
        bool first = true;
        for (const Vector& p : points) {
            if (first)
                dc.MoveTo(p);
            else
                dc.LineTo(p);
            first = false;
        }
    }
    // → p: a line on from the pen's position.
    void To(const Vector& p) const { dc.LineTo(p); }
    // The two ends of a tick as one line.
    void Tick(const Vector (&tick)[2]) const { Line({tick[0], tick[1]}); }
    void Quad(const Vector& p0, const Vector& c, const Vector& p2, int n) const { dc.Bezier2(p0, c, p2, n); }
    void QuadPart(const Vector& p0, const Vector& c, const Vector& p2, float t0, float t1, int n) const {
        dc.Bezier2Part(p0, c, p2, t0, t1, n);
    }
    void Cubic(const Vector& p0, const Vector& c1, const Vector& c2, const Vector& p3, int n) const {
        dc.Bezier3(p0, c1, c2, p3, n);
    }
    void CubicPart(const Vector& p0, const Vector& c1, const Vector& c2, const Vector& p3, float t0, float t1,
                   int n) const {
        dc.Bezier3Part(p0, c1, c2, p3, t0, t1, n);
    }
    // Arc(c; a → b): from a counter-clockwise, the pen ends at b.
    void ArcFrom(const Vector& c, const Vector& a, const Vector& b, int n) const { dc.Arc3(c, a, b, 1, n); }
    // Arc(c; a ← b): the same arc drawn from b, the pen ends at a.
    void ArcBack(const Vector& c, const Vector& a, const Vector& b, int n) const { dc.Arc3(c, a, b, 0, n); }
    void Label(const Vector& p, const std::string& text, int placement) const {
        Labels::Put(dc, printer, p, text, placement);
    }
};
