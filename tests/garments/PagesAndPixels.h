// What the tests of the garments' sheets and printing look at: the dark
// pixels (lines and text) in an area of a sheet, and the pages of a PDF file
// that the printer wrote.
#pragma once

#include <QFile>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <string>

// Pixels darker than the grid in `area` of the image.
inline int DarkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

// Pages of a PDF file written by Qt (its /Type /Page objects); -1 when the
// file cannot be read.
inline int PdfPages(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}
