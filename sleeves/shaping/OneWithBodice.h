// What the sleeves made in one with the women's bodice (kimono, batwing)
// share of their life in the garment: no separate piece, the front half
// drawn with the front on sheet 1 and the back half with the back on sheet
// 2, on the screen at the origin the garment has set or on paper.
#pragma once

#include "sleeves/common/SleeveCommon.h"

struct PatternPen;
class TDrawContext;

class TOneWithBodice : public TSleevePiece {
public:
    void Draw() override {}
    void DrawLabels() override {}
    void DrawOnFront() override;
    void DrawOnBack() override;
    void LabelsOnFront() override;
    void LabelsOnBack() override;
    void PrintOnBodice(TDrawContext& dc, int sheet) override;

    // The front and back halves and their point names through pen.
    virtual void DrawFront(const PatternPen& pen) const = 0;
    virtual void DrawBack(const PatternPen& pen) const = 0;
    virtual void LabelFront(const PatternPen& pen) const = 0;
    virtual void LabelBack(const PatternPen& pen) const = 0;

protected:
    explicit TOneWithBodice(int kind) : TSleevePiece(kind) {}
};
