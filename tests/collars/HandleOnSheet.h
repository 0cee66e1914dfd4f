// Where a point of the pieces is drawn on a sheet of the drawing window, and
// whether the green box of a handle is drawn around it.
#pragma once

#include <QImage>
#include <QPoint>

#include "garments/common/DragHandle.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

// The pixel of sheet n (1 or 2) where the point p of the pieces drawn there
// lies, in the axes the garment drew that sheet in (sheet 1's kept as the
// collar's origin, sheet 2's as the sleeve's).
inline QPoint SheetPixel(int sheet, const Vector& p) {
    if (sheet == 1)
        ScreenDC.RestoreCollarOrigin();
    else
        ScreenDC.RestoreSleeveOrigin();
    return QPoint(ScreenDC.PixelX(p.x), ScreenDC.PixelY(p.y));
}

// The pixel of sheet 1 where the collar's point p is drawn.
inline QPoint CollarPixel(const Vector& p) { return SheetPixel(1, p); }

// Whether a pure green pixel lies within a handle box's reach of pixel c.
inline bool GreenAround(const QImage& sheet, const QPoint& c) {
    const int r = int(DragHandle::kHalfSide * ScreenDC.PxPerCmX) + 2;
    for (int y = c.y() - r; y <= c.y() + r; ++y)
        for (int x = c.x() - r; x <= c.x() + r; ++x)
            if (sheet.valid(x, y) && sheet.pixel(x, y) == qRgb(0, 255, 0)) return true;
    return false;
}

// Whether a pure green pixel lies within a handle box's reach of the
// collar's point p on sheet 1.
inline bool GreenAround(const QImage& sheet, const Vector& p) { return GreenAround(sheet, CollarPixel(p)); }

// The part's labels and handle boxes drawn on sheet n (1..3) of the drawing
// window, as a garment draws them there: its handles can be grabbed there.
template <class Part>
void DrawLabelsOnSheet(Part& part, int sheet) {
    SheetWindow& w = *ScreenDC.Window;
    SheetImage* image = sheet == 1 ? w.List1() : sheet == 2 ? w.List2() : w.List3();
    ScreenDC.SetCanvas(&image->GetCanvas());
    part.DrawLabels();
}
