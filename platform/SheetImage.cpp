#include "platform/SheetImage.h"

#include <algorithm>
#include <cmath>

#include "platform/Screen.h"

namespace {

std::int64_t g_allocationLimit = 0;

}  // namespace

SheetImage::SheetImage() = default;
SheetImage::~SheetImage() = default;

void SheetImage::SetAllocationLimit(std::int64_t maxPixels) { g_allocationLimit = maxPixels; }

void SheetImage::Changed(const QRegion* pixels) {
    if (onChange_) onChange_(pixels);
}

void SheetImage::Refresh() {
    if (!refreshHeld_) Changed();
}

void SheetImage::Refresh(const QRegion& pixels) {
    if (!refreshHeld_ && !pixels.isEmpty()) Changed(&pixels);
}

void SheetImage::SetLeft(int left) {
    if (left == left_) return;
    left_ = left;
    Changed();
}

void SheetImage::SetTop(int top) {
    if (top == top_) return;
    top_ = top;
    Changed();
}

void SheetImage::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    Changed();
}

void SheetImage::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void SheetImage::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

Canvas& SheetImage::GetCanvas() {
    if (canvas_) return *canvas_;
    const int w = std::max(width_, 1);
    const int h = std::max(height_, 1);
    const std::string size = std::to_string(w) + " x " + std::to_string(h);
    if (g_allocationLimit > 0 && std::int64_t(w) * h > g_allocationLimit)
        throw EOutOfResources("Not enough memory for a sheet bitmap of " + size + " pixels");
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) throw EOutOfResources("Not enough memory for a sheet bitmap of " + size + " pixels");
    // Fonts on the sheet are sized for the screen's resolution.
    const int dotsPerMetre = int(std::lround(ScreenPixelsPerInch() / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    canvas_ = std::make_unique<ImageCanvas>(std::move(image));
    // White, written when the bitmap is first drawn on or read: the sheet's
    // first clearing, which covers it, takes its place, so a new bitmap is
    // filled once and not at all before it is needed.
    Canvas& canvas = *canvas_;
    canvas.SetPenColor(kWinWhite);
    canvas.Rectangle(0, 0, w, h);  // the new canvas's brush is solid white
    canvas.SetPenColor(kWinBlack);
    return canvas;
}

const QImage& SheetImage::Bitmap() {
    static const QImage none;
    return canvas_ ? canvas_->Image() : none;
}
