#include "platform/ImageList.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include "platform/Canvas.h"

ImageList::ImageList(int width, int height) : width_(width), height_(height) {}

bool ImageList::AddSvg(const std::string& path) {
    QImage image(width_, height_, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(QString::fromUtf8(path.data(), qsizetype(path.size())));
    const bool valid = renderer.isValid();
    if (valid) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        renderer.render(&painter, QRectF(0, 0, width_, height_));
    }
    images_.push_back(std::move(image));
    return valid;
}

const QImage& ImageList::Picture(int index) const {
    static const QImage none;
    return index >= 0 && index < Count() ? images_[size_t(index)] : none;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, images_[size_t(index)]);
}
