// Where a collar's point is drawn on sheet 1 of the drawing window, and
// whether the green box of a handle is drawn around it.
#pragma once

#include <QImage>
#include <QPoint>

#include "collars/Collar.h"
#include "kernel/DrawContext.h"

// The pixel of sheet 1 where the collar's point p is drawn.
inline QPoint CollarPixel(const Vector& p) {
    ScreenDC.RestoreCollarOrigin();
    return QPoint(ScreenDC.PixelX(p.x), ScreenDC.PixelY(p.y));
}

// Whether a pure green pixel lies within a handle box's reach of p.
inline bool GreenAround(const QImage& sheet, const Vector& p) {
    const QPoint c = CollarPixel(p);
    const int r = int(CollarHandle::kHalfSide * ScreenDC.PxPerCmX) + 2;
    for (int y = c.y() - r; y <= c.y() + r; ++y)
        for (int x = c.x() - r; x <= c.x() + r; ++x)
            if (sheet.valid(x, y) && sheet.pixel(x, y) == qRgb(0, 255, 0)) return true;
    return false;
}
