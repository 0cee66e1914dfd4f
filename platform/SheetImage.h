// A drawing sheet of the drawing window: a rectangle placed in the window's
// scroll area (Left, Top, Width, Height, Visible) with a bitmap to draw on.
//
// The bitmap is created at the sheet's current size on the FIRST access of
// its canvas and is never reallocated afterwards: the sheets are allocated
// once at the finest scale memory allows, and a coarser scale only makes the
// rectangle smaller, showing the top-left part of the bitmap.  A bitmap that
// cannot be created throws EOutOfResources.
#pragma once

#include <QImage>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Canvas.h"

class EOutOfResources : public std::runtime_error {
public:
    explicit EOutOfResources(const std::string& what) : std::runtime_error(what) {}
};

class SheetImage {
public:
    SheetImage();
    ~SheetImage();
    SheetImage(const SheetImage&) = delete;
    SheetImage& operator=(const SheetImage&) = delete;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible() const { return visible_; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetVisible(bool visible);

    // The canvas of the bitmap; the first call creates the bitmap at the
    // current Width x Height (at least 1 x 1), white.  The white is written
    // when the bitmap is first drawn on or read, and a first clearing of the
    // whole bitmap takes its place, so that the bitmap is filled once.
    // Throws EOutOfResources when it cannot be created.
    Canvas& GetCanvas();
    bool HasBitmap() const { return canvas_ != nullptr; }
    // The bitmap with all drawing flushed; a null image before the first
    // GetCanvas.  Paint from the reference; a kept copy would make the next
    // drawing duplicate the whole bitmap.
    const QImage& Bitmap();

    // Tells the owner (the window that shows the sheet) that the sheet
    // changed: called by the setters when a value changes, and by Refresh
    // after drawing, with the bitmap's pixels that changed (nullptr: the
    // whole sheet, or its place or size).
    void SetOnChange(std::function<void(const QRegion* pixels)> onChange) { onChange_ = std::move(onChange); }
    void Refresh();
    void Refresh(const QRegion& pixels);
    // While held, Refresh tells the owner nothing: a drawing that knows
    // which pixels it changed refreshes them once at its end.
    void HoldRefresh(bool hold) { refreshHeld_ = hold; }

    // For tests: bitmaps of more than maxPixels pixels fail as if memory had
    // run out.  0 removes the limit.
    static void SetAllocationLimit(std::int64_t maxPixels);

private:
    void Changed(const QRegion* pixels = nullptr);

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    std::unique_ptr<ImageCanvas> canvas_;
    std::function<void(const QRegion*)> onChange_;
    bool refreshHeld_ = false;
};
