#include "garments/common/PatternSheets.h"

#include <algorithm>

#include "garments/common/PointLabels.h"

namespace PatternSheets {

void Box::Take(float x, float y) {
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::max(top, y);
    bottom = std::min(bottom, y);
}

void LabelC1C3(TDrawContext& dc, bool printer, const Vector& C1, const Vector& C3) {
    const bool c3Left = C3.x <= C1.x;
    Labels::Put(dc, printer, C1, "C1", c3Left ? 3 : 5);
    Labels::Put(dc, printer, C3, "C3", c3Left ? 5 : 3);
}

}  // namespace PatternSheets
