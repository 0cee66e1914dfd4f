// The straight segments a PDF file draws, read back from its page contents
// (Flate-compressed streams, the "cm" matrices with q/Q, "m" and "l"), in
// millimetres on the paper: what a ruler on the printed page would measure.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <string>
#include <vector>

struct PdfSegment {
    double x0, y0, x1, y1;  // mm, y up from the bottom of the page
    double Length() const { return std::hypot(x1 - x0, y1 - y0); }
};

inline QByteArray PdfInflate(const QByteArray& deflated) {
    // qUncompress wants the size ahead; it grows its buffer when the guess
    // is short.
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(deflated.size() * 8 + 1024), sized.data());
    return qUncompress(sized + deflated);
}

// The decoded content of every stream of the file.
inline std::vector<QByteArray> PdfStreams(const std::string& path) {
    std::vector<QByteArray> streams;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return streams;
    const QByteArray pdf = file.readAll();
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end") {
            at += 6;
            continue;
        }
        const qsizetype dictStart = pdf.lastIndexOf("<<", at);
        const QByteArray dict = pdf.mid(dictStart, at - dictStart);
        qsizetype begin = at + 6;
        if (pdf.at(begin) == '\r') ++begin;
        if (pdf.at(begin) == '\n') ++begin;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) break;
        const QByteArray raw = pdf.mid(begin, end - begin);
        streams.push_back(dict.contains("/FlateDecode") ? PdfInflate(raw) : raw);
        at = end + 9;
    }
    return streams;
}

// The segments of the path operators m and l of every stream, under the
// matrices in force (a page content starts with the identity).
inline std::vector<PdfSegment> PdfSegments(const std::string& path) {
    constexpr double kMmPerPoint = 25.4 / 72.0;
    std::vector<PdfSegment> segments;
    for (const QByteArray& content : PdfStreams(path)) {
        std::vector<QTransform> saved;
        QTransform ctm;
        std::vector<double> operands;
        QPointF pen;
        for (const QByteArray& token : content.simplified().split(' ')) {
            bool number = false;
            const double value = token.toDouble(&number);
            if (number) {
                operands.push_back(value);
                continue;
            }
            const auto n = operands.size();
            if (token == "q") {
                saved.push_back(ctm);
            } else if (token == "Q") {
                if (!saved.empty()) ctm = saved.back(), saved.pop_back();
            } else if (token == "cm" && n >= 6) {
                const double* o = &operands[n - 6];
                ctm = QTransform(o[0], o[1], o[2], o[3], o[4], o[5]) * ctm;
            } else if (token == "m" && n >= 2) {
                pen = ctm.map(QPointF(operands[n - 2], operands[n - 1]));
            } else if (token == "l" && n >= 2) {
                const QPointF to = ctm.map(QPointF(operands[n - 2], operands[n - 1]));
                segments.push_back({pen.x() * kMmPerPoint, pen.y() * kMmPerPoint, to.x() * kMmPerPoint,
                                    to.y() * kMmPerPoint});
                pen = to;
            }
            operands.clear();
        }
    }
    return segments;
}

// Whether the file draws a straight segment mm long (to 0.1 mm).
inline bool HasSegment(const std::vector<PdfSegment>& segments, double mm) {
    for (const PdfSegment& s : segments)
        if (std::fabs(s.Length() - mm) < 0.1) return true;
    return false;
}
