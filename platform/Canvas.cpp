#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace {

constexpr const char* kDefaultFontFamily = "DejaVu Sans";

QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

}  // namespace

QColor WinColorToQColor(int color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

int QColorToWinColor(const QColor& color) { return WinRGB(color.red(), color.green(), color.blue()); }

// ---------------------------------------------------------------------------
// Canvas

Canvas::Canvas() : fontFamily_(kDefaultFontFamily) {}

Canvas::~Canvas() {
    if (painter_.isActive()) painter_.end();
}

void Canvas::SetPenColor(int color) {
    penColor_ = color;
    penDirty_ = true;
}

void Canvas::SetPenWidth(int width) {
    penWidth_ = width;
    penDirty_ = true;
}

void Canvas::SetBrushColor(int color) {
    brushColor_ = color;
    brushDirty_ = true;
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brushStyle_ = style;
    brushDirty_ = true;
}

void Canvas::SetFontSize(int points) {
    if (points != fontSize_) metrics_.reset();
    fontSize_ = points;
    fontDirty_ = true;
}

void Canvas::SetFontColor(int color) {
    fontColor_ = color;
    penDirty_ = true;  // text is written with a pen of the font colour
}

void Canvas::SetFontFamily(const std::string& family) {
    if (family != fontFamily_) {
        metrics_.reset();
        widths_.clear();
    }
    fontFamily_ = family;
    fontDirty_ = true;
}

std::string Canvas::FontFamily() const { return fontFamily_; }

QFont Canvas::Font() const {
    QFont font(ToQString(fontFamily_));
    font.setPointSize(fontSize_ > 0 ? fontSize_ : 1);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QPainter& Canvas::Begin() {
    BeforePainting();
    if (!painter_.isActive()) {
        CheckMayBegin();
        if (!painter_.begin(Device())) throw std::runtime_error("Canvas does not allow drawing");
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        if (mode_ == Mode::PaintSelected) painter_.setClipRegion(clip_);
        penDirty_ = brushDirty_ = fontDirty_ = true;
    }
    return painter_;
}

void Canvas::ApplyPen() {
    QPainter& p = Begin();
    if (!penDirty_) return;
    QPen pen(WinColorToQColor(penColor_));
    if (penWidth_ <= 1) {
        // A thin pen leaves out the end pixel of a line, as Windows does.
        pen.setWidth(std::max(1, DevicePenWidth(1)));
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(DevicePenWidth(penWidth_));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
    penDirty_ = false;
}

void Canvas::ApplyBrush() {
    QPainter& p = Begin();
    if (!brushDirty_) return;
    if (brushStyle_ == BrushStyle::Solid)
        p.setBrush(QBrush(WinColorToQColor(brushColor_)));
    else
        p.setBrush(Qt::NoBrush);
    brushDirty_ = false;
}

void Canvas::ApplyTextPen() {
    QPainter& p = Begin();
    if (fontDirty_) {
        p.setFont(Font());
        fontDirty_ = false;
    }
    p.setPen(QPen(WinColorToQColor(fontColor_)));
    penDirty_ = true;  // the drawing pen is set again at the next line
}

void Canvas::InvalidateOps() {
    ops_.clear();
    opsValid_ = false;
}

std::vector<Canvas::DrawnOp> Canvas::TakeOps() {
    std::vector<DrawnOp> ops = std::move(ops_);
    InvalidateOps();
    return ops;
}

void Canvas::SetOps(std::vector<DrawnOp> ops) {
    ops_ = std::move(ops);
    opsValid_ = true;
}

void Canvas::PaintAll() {
    if (mode_ == Mode::PaintSelected && painter_.isActive()) painter_.setClipping(false);
    mode_ = Mode::Paint;
    selected_.clear();
    clip_ = QRegion();
}

void Canvas::RecordOnly() {
    PaintAll();
    mode_ = Mode::Record;
}

void Canvas::PaintSelected(std::vector<bool> selected, const QRegion& clip) {
    mode_ = Mode::PaintSelected;
    selected_ = std::move(selected);
    next_ = 0;
    clip_ = clip;
    if (painter_.isActive()) painter_.setClipRegion(clip_);
}

bool Canvas::Take(const char* what, const QRect& bounds, const std::vector<int>& values, const std::string* text,
                  bool background, const QLine& segment, int reach) {
    if (mode_ == Mode::PaintSelected) {
        const size_t i = next_++;
        return i < selected_.size() && selected_[i];
    }
    if (keepOps_ && opsValid_) {
        // The values as raw bytes, their count first: a key is compared
        // whole, and read back only by ReadOp.
        std::string key(what);
        const int count = int(values.size());
        const int settings[] = {penColor_, penWidth_, brushColor_, int(brushStyle_), fontSize_, fontColor_};
        key.reserve(key.size() + sizeof(int) * (1 + values.size() + std::size(settings)) + fontFamily_.size() +
                    (text ? text->size() + 1 : 0));
        key.append(reinterpret_cast<const char*>(&count), sizeof count);
        key.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(int));
        key.append(reinterpret_cast<const char*>(settings), sizeof settings);
        key += fontFamily_;
        if (text) {
            key += '|';
            key += *text;
        }
        ops_.push_back({std::move(key), bounds, background, segment, reach});
    }
    return mode_ == Mode::Paint;
}

Canvas::OpFields Canvas::ReadOp(const DrawnOp& op) {
    OpFields f;
    const std::string& key = op.key;
    size_t at = 1;
    auto next = [&](int& v) {
        if (at + sizeof v > key.size()) return false;
        std::memcpy(&v, key.data() + at, sizeof v);
        at += sizeof v;
        return true;
    };
    int count = 0;
    if (key.empty() || !next(count) || count < 0) return f;
    f.kind = key[0];
    f.values.resize(size_t(count));
    for (int& v : f.values)
        if (!next(v)) return {};
    int settings[6] = {};
    for (int& v : settings)
        if (!next(v)) return {};
    f.penColor = settings[0];
    f.penWidth = settings[1];
    f.fontSize = settings[4];
    const size_t bar = key.find('|', at);
    if (bar != std::string::npos) f.text = key.substr(bar + 1);
    return f;
}

namespace {

// The rectangle spanning two points, widened by m pixels on every side.
QRect Span(int x0, int y0, int x1, int y1, int m) {
    return QRect(QPoint(std::min(x0, x1) - m, std::min(y0, y1) - m), QPoint(std::max(x0, x1) + m, std::max(y0, y1) + m));
}

}  // namespace

void Canvas::MoveTo(int x, int y) {
    penPosX_ = x;
    penPosY_ = y;
}

void Canvas::LineTo(int x, int y) {
    const int x0 = penPosX_, y0 = penPosY_;
    penPosX_ = x;
    penPosY_ = y;
    const int reach = DevicePenWidth(penWidth_) + 2;
    if (!Take("L", Span(x0, y0, x, y, reach), {x0, y0, x, y}, nullptr, false, QLine(x0, y0, x, y), reach)) return;
    ApplyPen();
    if (penWidth_ > 1) {
        painter_.drawLine(x0, y0, x, y);
        return;
    }
    // A thin line covers its start and leaves out its end pixel.  Qt's thin
    // flat-capped line leaves out the end with the larger coordinate along
    // the line's main direction, which is the right one when the line runs
    // that way.  A line running back along an axis is drawn as the same
    // pixels forward; a slanting one running back keeps Qt's pixels plus its
    // start (so its end pixel is painted too).
    const int dx = x - x0, dy = y - y0;
    if (dx == 0 && dy == 0) return;
    const bool forward = std::abs(dx) >= std::abs(dy) ? dx > 0 : dy > 0;
    if (forward) {
        painter_.drawLine(x0, y0, x, y);
    } else if (dx == 0 || dy == 0) {
        const int ux = dx != 0 ? 1 : 0, uy = dy != 0 ? 1 : 0;
        painter_.drawLine(x + ux, y + uy, x0 + ux, y0 + uy);
    } else {
        painter_.drawLine(x0, y0, x, y);
        painter_.drawPoint(x0, y0);
    }
}

void Canvas::HorizontalLines(const std::vector<int>& ys, int x0, int x1) {
    for (int y : ys) {
        MoveTo(x0, y);
        LineTo(x1, y);
    }
}

void Canvas::VerticalLines(const std::vector<int>& xs, int y0, int y1) {
    for (int x : xs) {
        MoveTo(x, y0);
        LineTo(x, y1);
    }
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    const bool fill = brushStyle_ == BrushStyle::Solid && penWidth_ <= 1 && penColor_ == brushColor_;
    // A fill of the whole device begins the drawing anew.
    const QPaintDevice* device = Device();
    const bool whole = fill && left <= 0 && top <= 0 && right >= device->width() && bottom >= device->height();
    if (whole && keepOps_ && mode_ != Mode::PaintSelected) {
        ops_.clear();
        opsValid_ = true;
    }
    if (!Take("R", Span(left, top, right, bottom, DevicePenWidth(penWidth_) + 2), {left, top, right, bottom},
              nullptr, whole))
        return;
    if (fill) return FillSolid(left, top, right, bottom, brushColor_);
    ApplyPen();
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(left, top, right - left, bottom - top), WinColorToQColor(brushColor_));
    // The interior is filled above; the outline alone is drawn here.
    painter_.setBrush(Qt::NoBrush);
    brushDirty_ = true;
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::FillSolid(int left, int top, int right, int bottom, int color) {
    Begin().fillRect(QRect(left, top, right - left, bottom - top), WinColorToQColor(color));
}

void Canvas::Polygon(const std::vector<PixelPoint>& points) {
    if (points.empty()) return;
    std::vector<int> values;
    values.reserve(points.size() * 2);
    QRect box;
    for (const PixelPoint& pt : points) {
        values.push_back(pt.x);
        values.push_back(pt.y);
        box |= Span(pt.x, pt.y, pt.x, pt.y, DevicePenWidth(penWidth_) + 2);
    }
    if (!Take("P", box, values)) return;
    ApplyPen();
    ApplyBrush();
    QPolygon polygon;
    polygon.reserve(int(points.size()));
    for (const PixelPoint& pt : points) polygon.append(QPoint(pt.x, pt.y));
    painter_.drawPolygon(polygon, Qt::OddEvenFill);
}

void Canvas::TextOut(int x, int y, const std::string& utf8) {
    if (Listing()) {
        const int h = TextHeight(utf8), w = TextWidth(utf8);
        if (!Take("T", QRect(x - h, y - h, w + 2 * h, 3 * h), {x, y}, &utf8)) return;
    } else if (!Take("T", QRect(), {x, y}, &utf8)) {
        return;
    }
    ApplyTextPen();
    const QString text = ToQString(utf8);
    const QFontMetrics& fm = Metrics();
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(x, y, TextWidth(utf8), fm.height()), WinColorToQColor(brushColor_));
    painter_.drawText(x, y + fm.ascent(), text);
}

void Canvas::TextOutUp(int x, int y, const std::string& utf8) {
    if (Listing()) {
        const int h = TextHeight(utf8), w = TextWidth(utf8);
        if (!Take("U", QRect(x - h, y - w - h, 3 * h, w + 2 * h), {x, y}, &utf8)) return;
    } else if (!Take("U", QRect(), {x, y}, &utf8)) {
        return;
    }
    ApplyTextPen();
    const QString text = ToQString(utf8);
    const QFontMetrics& fm = Metrics();
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-90.0);
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(0, 0, TextWidth(utf8), fm.height()), WinColorToQColor(brushColor_));
    painter_.drawText(0, fm.ascent(), text);
    painter_.restore();
}

const QFontMetrics& Canvas::Metrics() const {
    // Kept while the font and the device's resolution stay.
    const QPaintDevice* device = Device();
    const int dpi = device->logicalDpiY();
    if (metrics_ && (metricsDevice_ != device || metricsDpi_ != dpi)) {
        metrics_.reset();
        widths_.clear();
    }
    if (!metrics_) {
        metrics_ = std::make_unique<QFontMetrics>(Font(), Device());
        metricsDevice_ = device;
        metricsDpi_ = dpi;
    }
    return *metrics_;
}

int Canvas::TextWidth(const std::string& utf8) const {
    // The widths of the texts drawn over and over (the labels of every
    // redraw) are kept, per font size, while the family stays.
    const QFontMetrics& fm = Metrics();  // first: it forgets the widths of another device
    std::string key(reinterpret_cast<const char*>(&fontSize_), sizeof fontSize_);
    key += utf8;
    auto it = widths_.find(key);
    if (it != widths_.end()) return it->second;
    if (widths_.size() >= 4096) widths_.clear();
    const int w = fm.horizontalAdvance(ToQString(utf8));
    widths_.emplace(std::move(key), w);
    return w;
}

int Canvas::TextHeight(const std::string& utf8) const {
    (void)utf8;  // every line of one font has the same height
    return Metrics().height();
}

void Canvas::Draw(int x, int y, const QImage& image) {
    const qint64 id = image.cacheKey();
    if (!Take("I", QRect(x - 1, y - 1, image.width() + 2, image.height() + 2),
              {x, y, image.width(), image.height(), int(id & 0x7FFFFFFF), int((id >> 31) & 0x7FFFFFFF)}))
        return;
    Begin().drawImage(QPoint(x, y), image);
}

bool Canvas::End() { return !painter_.isActive() || painter_.end(); }

// ---------------------------------------------------------------------------
// ImageCanvas

namespace {

// Writes n pixels of value v from dst on.  memset is the fastest fill where
// it applies (white: all four bytes equal).
void FillSpan(QRgb* dst, int n, QRgb v) {
    if (n <= 0) return;
    if (v == (v & 0xFFu) * 0x01010101u)
        std::memset(dst, int(v & 0xFFu), size_t(n) * sizeof(QRgb));
    else
        std::fill_n(dst, n, v);
}

}  // namespace

ImageCanvas::ImageCanvas(QImage image) : image_(std::move(image)) {}

ImageCanvas::~ImageCanvas() { End(); }

const QImage& ImageCanvas::Image() {
    End();
    FlushPendingFill();
    return image_;
}

QPaintDevice* ImageCanvas::Device() const { return &image_; }

bool ImageCanvas::Direct() const {
    const QImage::Format format = image_.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

bool ImageCanvas::DirectPenPixel(QRgb& pixel) {
    if (PenWidth() > 1 || !Direct()) return false;
    End();
    pixel = WinColorToQColor(PenColor()).rgb();
    return true;
}

void ImageCanvas::SetBackgroundClip(const QRegion& clip) {
    FlushPendingFill();  // it keeps to the areas it was made in
    areas_.clear();
    if (clip.isEmpty()) return;
    for (const QRect& r : clip & QRegion(image_.rect())) areas_.push_back(r);
    if (areas_.empty()) areas_.push_back(QRect());  // nothing of the image
}

std::vector<QRect> ImageCanvas::Areas() const {
    if (areas_.empty()) return {image_.rect()};
    return areas_;
}

QRgb* ImageCanvas::Row(int y) { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }

void ImageCanvas::BeginRows() {
    bits_ = image_.bits();  // one check that the image is not shared, for all the rows
    stride_ = image_.bytesPerLine();
}

void ImageCanvas::BeforePainting() {
    if (!fillPending_) return;
    End();
    FlushPendingFill();
}

void ImageCanvas::FillSolid(int left, int top, int right, int bottom, int color) {
    // The painter keeps to the pixels a selection may change.
    if (!Direct() || Clipped()) return Canvas::FillSolid(left, top, right, bottom, color);
    End();
    const QRect rect = QRect(left, top, right - left, bottom - top) & image_.rect();
    // A fill that covers the pending one replaces it: each pixel is written once.
    if (fillPending_ && rect.contains(fillRect_)) fillPending_ = false;
    FlushPendingFill();
    fillRect_ = rect;
    fillPending_ = !fillRect_.isEmpty();
    fillPixel_ = WinColorToQColor(color).rgb();
}

void ImageCanvas::FillRow(int y, const QRect& area) {
    if (!fillPending_ || y < fillRect_.top() || y > fillRect_.bottom()) return;
    const int from = std::max(area.left(), fillRect_.left()), to = std::min(area.right(), fillRect_.right());
    FillSpan(Row(y) + from, to - from + 1, fillPixel_);
}

void ImageCanvas::FlushPendingFill() {
    if (!fillPending_) return;
    BeginRows();
    for (const QRect& area : Areas()) {
        const int top = std::max(area.top(), fillRect_.top()), bottom = std::min(area.bottom(), fillRect_.bottom());
        for (int y = top; y <= bottom; ++y) FillRow(y, area);
    }
    fillPending_ = false;
}

void ImageCanvas::HorizontalLines(const std::vector<int>& ys, int x0, int x1) {
    QRgb pixel;
    if (ys.empty() || !DirectPenPixel(pixel)) return Canvas::HorizontalLines(ys, x0, x1);
    std::vector<int> values(ys);
    values.push_back(x0);
    values.push_back(x1);
    if (!Take("H", image_.rect(), values, nullptr, true)) return MoveTo(x1, ys.back());
    FlushPendingFill();
    BeginRows();
    for (const QRect& area : Areas()) {
        // Pixels from x0 up to x1, end left out, as LineTo draws them.
        const int from = std::max(std::min(x0, x1 + 1), area.left());
        const int to = std::min(std::max(x0, x1 - 1), area.right());
        if (from > to || x0 == x1) continue;
        for (int y : ys)
            if (y >= area.top() && y <= area.bottom()) FillSpan(Row(y) + from, to - from + 1, pixel);
    }
    MoveTo(x1, ys.back());
}

void ImageCanvas::VerticalLines(const std::vector<int>& xs, int y0, int y1) {
    QRgb pixel;
    if (xs.empty() || !DirectPenPixel(pixel)) return Canvas::VerticalLines(xs, y0, y1);
    std::vector<int> values(xs);
    values.push_back(y0);
    values.push_back(y1);
    if (!Take("V", image_.rect(), values, nullptr, true)) return MoveTo(xs.back(), y1);
    BeginRows();
    std::vector<int> columns;
    for (const QRect& area : Areas()) {
        columns.clear();
        for (int x : xs)
            if (x >= area.left() && x <= area.right()) columns.push_back(x);
        const int from = std::max(std::min(y0, y1 + 1), area.top());
        const int to = y0 == y1 ? from - 1 : std::min(std::max(y0, y1 - 1), area.bottom());
        // Row by row, a pending fill first: each row is written while in cache.
        for (int y = area.top(); y <= area.bottom(); ++y) {
            FillRow(y, area);
            if (y < from || y > to) continue;
            QRgb* row = Row(y);
            for (int x : columns) row[x] = pixel;
        }
    }
    fillPending_ = false;
    MoveTo(xs.back(), y1);
}
