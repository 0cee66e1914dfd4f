// The drawing surface of the program: a pen, a brush and a font over a
// QPainter, with the Windows canvas conventions the drafting code was written
// for (colours as 0x00BBGGRR values, LineTo from the pen position without its
// end pixel, Rectangle with exclusive right and bottom edges, text placed by
// its top-left corner).  Antialiasing is off: the patterns are pixel-exact.
//
// The painter is begun lazily at the first drawing call and can be ended at
// any time with End() (a widget that shows an image, or a test that reads its
// pixels, ends it first); the next drawing call begins it again with the same
// pen, brush and font.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Windows colour values (0x00BBGGRR: 255 is pure red).  The only place where
// they meet Qt's colours.
QColor WinColorToQColor(int color);
int QColorToWinColor(const QColor& color);
constexpr int WinRGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

constexpr int kWinBlack = 0;
constexpr int kWinWhite = 16777215;

enum class BrushStyle { Solid, Clear };

struct PixelPoint {
    int x = 0;
    int y = 0;
};

class Canvas {
public:
    Canvas();
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Pen: colour (Windows value) and width in pixels (device dots).
    void SetPenColor(int color);
    int PenColor() const { return penColor_; }
    void SetPenWidth(int width);
    int PenWidth() const { return penWidth_; }

    // Brush: colour and style.  A solid brush fills rectangles and polygons
    // and the background of text; a clear one leaves them unfilled.
    void SetBrushColor(int color);
    int BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle style);
    BrushStyle GetBrushStyle() const { return brushStyle_; }

    // Font: size in points (of the device's resolution), colour and family.
    void SetFontSize(int points);
    int FontSize() const { return fontSize_; }
    void SetFontColor(int color);
    int FontColor() const { return fontColor_; }
    void SetFontFamily(const std::string& family);
    std::string FontFamily() const;

    // The pen position, as MoveTo and LineTo leave it.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    int PenPosX() const { return penPosX_; }
    int PenPosY() const { return penPosY_; }

    // Axis-parallel lines in the pen colour, each like MoveTo + LineTo (end
    // pixel left out): horizontal ones at rows ys from x0 to x1, vertical
    // ones at columns xs from y0 to y1.  The pen position ends at the end of
    // the last line.  An image canvas writes a 1-pixel pen straight into the
    // bitmap, which makes a full-sheet grid cost about as much as a fill.
    virtual void HorizontalLines(const std::vector<int>& ys, int x0, int x1);
    virtual void VerticalLines(const std::vector<int>& xs, int y0, int y1);

    // Outline with the pen, interior with the brush; right and bottom are
    // exclusive (the outline of a 1-pixel pen covers left..right-1).
    void Rectangle(int left, int top, int right, int bottom);
    void Polygon(const std::vector<PixelPoint>& points);

    // Text with its top-left corner at (x, y); the background is filled with
    // the brush when the brush is solid.
    void TextOut(int x, int y, const std::string& utf8);
    // Text turned 90 degrees counter-clockwise (running upwards) whose
    // unturned top-left corner is at (x, y): the text goes up from y and its
    // glyphs lie to the right of x.
    void TextOutUp(int x, int y, const std::string& utf8);
    int TextWidth(const std::string& utf8) const;
    int TextHeight(const std::string& utf8) const;

    // Copies the image with its top-left corner at (x, y), unscaled.
    void Draw(int x, int y, const QImage& image);

    // Ends the painter so that the device can be shown or read; false when
    // the device reported a failure at the end.
    bool End();
    bool Painting() const { return painter_.isActive(); }

    // The drawing since the last fill of the whole device, operation by
    // operation: what it drew with every setting that decides its pixels
    // (two operations with the same key paint the same pixels), the pixels
    // it may touch (for a line, also its segment: its pixels lie within
    // `reach` of it), and whether it is the background (that fill, the
    // lines drawn a row or column set at a time).  Kept while KeepOps is on
    // and only from such a fill on: before it OpsValid is false.
    struct DrawnOp {
        std::string key;
        QRect bounds;
        bool background = false;
        QLine segment;  // null for anything but a line
        int reach = 0;
    };
    // A listed operation read back: its kind ('L' a line, 'R' a rectangle,
    // 'P' a polygon, 'T' a text, 'U' a text turned upwards, 'I' an image,
    // 'H' and 'V' background rules), its values (a line's ends x0 y0 x1 y1,
    // a text's corner x y, ...), the pen's colour and width, the font's size
    // and the text.
    struct OpFields {
        char kind = 0;
        std::vector<int> values;
        int penColor = 0, penWidth = 0, fontSize = 0;
        std::string text;
    };
    static OpFields ReadOp(const DrawnOp& op);
    void KeepOps(bool keep) { keepOps_ = keep; }
    bool OpsValid() const { return keepOps_ && opsValid_; }
    void InvalidateOps();
    std::vector<DrawnOp> TakeOps();
    void SetOps(std::vector<DrawnOp> ops);
    // Painting (the default); recording the operations without painting
    // them; or painting only the operations whose place in the sequence is
    // marked in `selected`, and only their pixels inside `clip` (nothing
    // recorded).
    void PaintAll();
    void RecordOnly();
    void PaintSelected(std::vector<bool> selected, const QRegion& clip);

protected:
    // The device drawn on; must stay valid while the canvas lives.
    virtual QPaintDevice* Device() const = 0;
    // Whether the painter may be begun now (a printer only while printing);
    // throws when not.
    virtual void CheckMayBegin() const {}
    // Begins the painter when it is not active; before that, and before
    // every painter operation, BeforePainting runs.
    QPainter& Begin();
    virtual void BeforePainting() {}
    // The pen's width in device dots for a width given to SetPenWidth: the
    // same on the screen; a printer keeps the width in millimetres whatever
    // its resolution.
    virtual int DevicePenWidth(int width) const { return width; }
    // Fills left..right-1, top..bottom-1 with one colour: a rectangle whose
    // pen (1 pixel) and brush have the same colour.
    virtual void FillSolid(int left, int top, int right, int bottom, int color);

    // Every drawing operation calls Take first: it records the operation
    // (`what` and `values` with the settings make its key) and says whether
    // to paint it.
    bool Take(const char* what, const QRect& bounds, const std::vector<int>& values, const std::string* text = nullptr,
              bool background = false, const QLine& segment = QLine(), int reach = 0);
    bool Recording() const { return mode_ == Mode::Record; }
    // Whether the operations are being listed (their bounds are needed).
    bool Listing() const { return keepOps_ && opsValid_ && mode_ != Mode::PaintSelected; }
    // While painting a selection: the pixels it may change.
    bool Clipped() const { return mode_ == Mode::PaintSelected; }

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplyTextPen();
    QFont Font() const;
    // The metrics of the font in force on the device.
    const QFontMetrics& Metrics() const;

    enum class Mode { Paint, Record, PaintSelected };
    Mode mode_ = Mode::Paint;
    bool keepOps_ = false;
    bool opsValid_ = false;
    std::vector<DrawnOp> ops_;
    std::vector<bool> selected_;
    size_t next_ = 0;  // the place of the next operation while painting a selection
    QRegion clip_;     // the pixels a selection may change

    mutable QPainter painter_;
    int penColor_ = kWinBlack;
    int penWidth_ = 1;
    int brushColor_ = kWinWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    int fontSize_ = 8;
    int fontColor_ = kWinBlack;
    std::string fontFamily_;
    mutable std::unique_ptr<QFontMetrics> metrics_;
    mutable const QPaintDevice* metricsDevice_ = nullptr;
    mutable int metricsDpi_ = 0;
    mutable std::unordered_map<std::string, int> widths_;  // TextWidth's, by font size and text
    int penPosX_ = 0;
    int penPosY_ = 0;
    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = true;
};

// A canvas over an image it owns.
class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(QImage image);
    ~ImageCanvas() override;

    // The image with every pending drawing flushed (the painter is ended).
    const QImage& Image();

    void HorizontalLines(const std::vector<int>& ys, int x0, int x1) override;
    void VerticalLines(const std::vector<int>& xs, int y0, int y1) override;

    // Whether the background can be drawn again inside a rectangle exactly
    // as it is drawn over the whole image (a 32-bit image).
    bool ClipsBackground() const { return Direct(); }
    // Limits the fills and the lines drawn a row or column set at a time to
    // the region (an empty one: no limit).
    void SetBackgroundClip(const QRegion& clip);

protected:
    QPaintDevice* Device() const override;

    void BeforePainting() override;
    // A whole-colour fill is kept pending and done together with the next
    // drawing, so that clearing a sheet and drawing its grid pass over the
    // bitmap once.
    void FillSolid(int left, int top, int right, int bottom, int color) override;

private:
    bool Direct() const;
    // The pixel value of the pen when the lines can be written directly
    // (1-pixel pen on a 32-bit image; the painter is ended); false otherwise.
    bool DirectPenPixel(QRgb& pixel);
    // The parts of the image the background is drawn in: the clip's
    // rectangles, or the whole image.
    std::vector<QRect> Areas() const;
    // Row y of the image, after BeginRows.
    void BeginRows();
    QRgb* Row(int y);
    void FlushPendingFill();
    // Row y of the pending fill within the area.
    void FillRow(int y, const QRect& area);

    mutable QImage image_;
    std::vector<QRect> areas_;  // the clip's rectangles within the image; none: no clip
    bool fillPending_ = false;
    QRect fillRect_;
    QRgb fillPixel_ = 0;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
};
