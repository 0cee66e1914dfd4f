// The point labels of the garments' drafts, on the screen (Label) and on
// paper (PrinterLabel) alike, and the crotch-seam text of the trousers.
#pragma once

#include <cstddef>
#include <string>

#include "kernel/Geometry.h"

struct TDrawContext;

namespace Labels {

// A label beside p: Label on the screen, PrinterLabel on paper.
void Put(TDrawContext& dc, bool printer, const Vector& p, const std::string& text, int placement);

// A row of a garment's label list: the text, the point, the placement code,
// and when the draft shows it (nullptr: always).  A point of a base (the
// shared front or back of a family) is named by its base's member pointer.
template <class Garment>
struct Row {
    const char* text;
    Vector Garment::*point;
    int placement;
    bool (*shown)(const Garment&) = nullptr;
};

// The rows that the draft g shows, in list order.
template <class Garment>
void PutAll(TDrawContext& dc, bool printer, const Garment& g, const Row<Garment>* labels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const Row<Garment>& l = labels[i];
        if (!l.shown || l.shown(g)) Put(dc, printer, g.*l.point, l.text, l.placement);
    }
}
template <class Garment, std::size_t N>
void PutAll(TDrawContext& dc, bool printer, const Garment& g, const Row<Garment> (&labels)[N]) {
    PutAll(dc, printer, g, labels, N);
}

// "Средний срез:", which the trousers write beside the crotch seam directly
// followed by its length.
extern const char* const kCrotchSeamCaption;
// The caption and the length with one decimal.
std::string CrotchSeamText(float length);
// CrotchSeamText(length) at p with placement 3.
void CrotchSeam(TDrawContext& dc, bool printer, const Vector& p, float length);

}  // namespace Labels
