// A collar drawn on a white image of its own at 10 px per cm: the screen's
// drawing context is lent to the image while the drawing lives, or a
// context of its own stands for a printed page.
#pragma once

#include <QImage>

#include "kernel/DrawContext.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"

class CollarDrawing {
public:
    // The screen's context draws on the image, with the origin (x, y) cm.
    CollarDrawing(int width, int height, float originX, float originY)
        : canvas_(White(width, height)), saved_(ScreenDC) {
        ScreenDC.SetCanvas(&canvas_);
        ScreenDC.PxPerCmX = ScreenDC.PxPerCmY = 10.0f;
        ScreenDC.SetOrigin(originX, originY);
    }
    ~CollarDrawing() { ScreenDC = saved_; }
    CollarDrawing(const CollarDrawing&) = delete;
    CollarDrawing& operator=(const CollarDrawing&) = delete;

    ImageCanvas& Canvas() { return canvas_; }
    // The image with everything drawn so far.
    const QImage& Image() { return canvas_.Image(); }

    static bool Ink(QRgb c) { return c != qRgb(255, 255, 255); }
    // Whether any pixel of the image has the colour.
    static bool Has(const QImage& image, QRgb color) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == color) return true;
        return false;
    }

    // The first and last inked pixel of the row; false when it has none.
    static bool InkSpan(const QImage& image, int row, int& first, int& last) {
        first = last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image.pixel(x, row))) {
                if (first < 0) first = x;
                last = x;
            }
        return first >= 0;
    }

    static QImage White(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

private:

    ImageCanvas canvas_;
    TDrawContext saved_;
};

// A page of an A4 printer at 300 dpi, drawn at true scale 1:mode onto a
// white image of its own through `Paper`.
class PaperPage {
public:
    static constexpr double kCmPerDot = 2.54 / 300.0;

    PaperPage(int mode, int width, int height) : canvas_(CollarDrawing::White(width, height)) {
        const FixedPrinterMetrics a4(2480, 3508, 210, 297);
        Paper.BeginTrueScalePage(float(mode), a4);
        Paper.AttachPrinterCanvas(&canvas_);
        Paper.SetIntOffset(0, 0);
    }
    PaperPage(const PaperPage&) = delete;
    PaperPage& operator=(const PaperPage&) = delete;

    TDrawContext Paper;
    const QImage& Image() { return canvas_.Image(); }

private:
    ImageCanvas canvas_;
};
