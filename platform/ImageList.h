// A list of same-sized pictures drawn onto a canvas by index, like the image
// lists of the main window.  The pictures are SVG drawings (usually from the
// program's resources) rendered once, at the list's size, when added.
#pragma once

#include <QImage>
#include <string>
#include <vector>

class Canvas;

class ImageList {
public:
    ImageList(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }

    // Renders the SVG file at path (":/..." for a resource) scaled to the
    // list's size over white and appends it.  A file that is missing or not a
    // valid SVG still takes its index, as a plain white picture, and the
    // answer is false.
    bool AddSvg(const std::string& path);

    // The picture at index; a null image for an index out of range.
    const QImage& Picture(int index) const;

    // Draws picture index with its top-left corner at (x, y); an index out of
    // range draws nothing.
    void Draw(Canvas& canvas, int x, int y, int index) const;

private:
    int width_;
    int height_;
    std::vector<QImage> images_;
};
