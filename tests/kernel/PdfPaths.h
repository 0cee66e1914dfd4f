// What a PDF file written by Qt draws, read back from its page contents
// (Flate-compressed streams, the "cm" matrices with q/Q): the straight
// segments ("m" and "l") in millimetres on the paper, what a ruler on the
// printed page would measure, and the texts (BT ... ET, decoded through the
// font's ToUnicode map) with the place they start at.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <map>
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

// Every stream of the file: its dictionary and its decoded content.
struct PdfStream {
    QByteArray dict, content;
};

inline std::vector<PdfStream> PdfAllStreams(const std::string& path) {
    std::vector<PdfStream> streams;
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
        streams.push_back({dict, dict.contains("/FlateDecode") ? PdfInflate(raw) : raw});
        at = end + 9;
    }
    return streams;
}

// The decoded content of every stream of the file.
inline std::vector<QByteArray> PdfStreams(const std::string& path) {
    std::vector<QByteArray> contents;
    for (PdfStream& s : PdfAllStreams(path)) contents.push_back(std::move(s.content));
    return contents;
}

// The page contents, one a page in page order (Qt writes them so): the
// streams that set a matrix ("cm") and are not an embedded font.
inline std::vector<QByteArray> PdfPageContents(const std::string& path) {
    std::vector<QByteArray> pages;
    for (PdfStream& s : PdfAllStreams(path))
        if (!s.dict.contains("/Length1") && s.content.contains(" cm")) pages.push_back(std::move(s.content));
    return pages;
}

// Walks a page content with the matrices in force (starting from the
// identity): `op` gets each operator with its operands and the matrix.
template <class Op>
void PdfWalk(const QByteArray& content, Op op) {
    std::vector<QTransform> saved;
    QTransform ctm;
    std::vector<QByteArray> operands;
    for (const QByteArray& token : content.simplified().split(' ')) {
        bool number = false;
        token.toDouble(&number);
        if (number || token.startsWith('<') || token.startsWith('/') || token.startsWith('[')) {
            operands.push_back(token);
            continue;
        }
        const auto n = operands.size();
        if (token == "q") {
            saved.push_back(ctm);
        } else if (token == "Q") {
            if (!saved.empty()) ctm = saved.back(), saved.pop_back();
        } else if (token == "cm" && n >= 6) {
            const QByteArray* o = &operands[n - 6];
            ctm = QTransform(o[0].toDouble(), o[1].toDouble(), o[2].toDouble(), o[3].toDouble(), o[4].toDouble(),
                             o[5].toDouble()) *
                  ctm;
        } else {
            op(token, operands, ctm);
        }
        operands.clear();
    }
}

constexpr double kPdfMmPerPoint = 25.4 / 72.0;

// The segments of the path operators m and l of one page content.
inline std::vector<PdfSegment> PdfPageSegments(const QByteArray& content) {
    std::vector<PdfSegment> segments;
    QPointF pen;
    PdfWalk(content, [&](const QByteArray& token, const std::vector<QByteArray>& o, const QTransform& ctm) {
        const auto n = o.size();
        if (n < 2 || (token != "m" && token != "l")) return;
        const QPointF to = ctm.map(QPointF(o[n - 2].toDouble(), o[n - 1].toDouble()));
        if (token == "l")
            segments.push_back({pen.x() * kPdfMmPerPoint, pen.y() * kPdfMmPerPoint, to.x() * kPdfMmPerPoint,
                                to.y() * kPdfMmPerPoint});
        pen = to;
    });
    return segments;
}

// The segments of every stream.
inline std::vector<PdfSegment> PdfSegments(const std::string& path) {
    std::vector<PdfSegment> segments;
    for (const QByteArray& content : PdfStreams(path)) {
        const std::vector<PdfSegment> page = PdfPageSegments(content);
        segments.insert(segments.end(), page.begin(), page.end());
    }
    return segments;
}

// A text as written: the string and where it starts (mm, y up from the
// bottom of the page).
struct PdfText {
    std::string text;
    double x, y;
};

// The glyph codes of the file's fonts to characters, from their ToUnicode
// maps (bfrange with a start or a list, bfchar).
inline std::map<unsigned, char32_t> PdfToUnicode(const std::string& path) {
    std::map<unsigned, char32_t> map;
    const auto hex = [](const QByteArray& t) { return t.mid(1, t.size() - 2).toUInt(nullptr, 16); };
    for (const PdfStream& s : PdfAllStreams(path)) {
        if (!s.content.startsWith("/CIDInit")) continue;
        QByteArray spaced = s.content;
        spaced.replace("[", " [ ").replace("]", " ] ").replace("><", "> <");
        const QList<QByteArray> t = spaced.simplified().split(' ');
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == "beginbfrange") {
                for (i = i + 1; i + 2 < t.size() && t[i] != "endbfrange";) {
                    const unsigned lo = hex(t[i]), hi = hex(t[i + 1]);
                    if (t[i + 2] == "[") {
                        i += 3;
                        for (unsigned c = lo; c <= hi && t[i] != "]"; ++c, ++i) map[c] = hex(t[i]);
                        ++i;  // ]
                    } else {
                        for (unsigned c = lo; c <= hi; ++c) map[c] = hex(t[i + 2]) + (c - lo);
                        i += 3;
                    }
                }
            } else if (t[i] == "beginbfchar") {
                for (i = i + 1; i + 1 < t.size() && t[i] != "endbfchar"; i += 2) map[hex(t[i])] = hex(t[i + 1]);
            }
        }
    }
    return map;
}

// The texts of one page content: one for each BT ... ET, its glyphs (the
// hex strings of Tj, four digits a glyph) decoded through `unicode`.
inline std::vector<PdfText> PdfPageTexts(const QByteArray& content, const std::map<unsigned, char32_t>& unicode) {
    std::vector<PdfText> texts;
    std::u32string text;
    QTransform tm;
    QPointF start;
    bool placed = false;
    PdfWalk(content, [&](const QByteArray& token, const std::vector<QByteArray>& o, const QTransform& ctm) {
        const auto n = o.size();
        if (token == "BT") {
            text.clear();
            tm = QTransform();
            placed = false;
        } else if (token == "Tm" && n >= 6) {
            tm = QTransform(o[n - 6].toDouble(), o[n - 5].toDouble(), o[n - 4].toDouble(), o[n - 3].toDouble(),
                            o[n - 2].toDouble(), o[n - 1].toDouble());
        } else if (token == "Td" && n >= 2 && !placed) {
            start = ctm.map(tm.map(QPointF(o[n - 2].toDouble(), o[n - 1].toDouble())));
            placed = true;
        } else if (token == "Tj" && n >= 1 && o[n - 1].startsWith('<')) {
            const QByteArray digits = o[n - 1].mid(1, o[n - 1].size() - 2);
            for (qsizetype k = 0; k + 4 <= digits.size(); k += 4) {
                const auto it = unicode.find(digits.mid(k, 4).toUInt(nullptr, 16));
                text += it == unicode.end() ? U'?' : it->second;
            }
        } else if (token == "ET") {
            texts.push_back({QString::fromStdU32String(text).toStdString(), start.x() * kPdfMmPerPoint,
                             start.y() * kPdfMmPerPoint});
        }
    });
    return texts;
}

// Whether the file draws a straight segment mm long (to 0.1 mm).
inline bool HasSegment(const std::vector<PdfSegment>& segments, double mm) {
    for (const PdfSegment& s : segments)
        if (std::fabs(s.Length() - mm) < 0.1) return true;
    return false;
}
