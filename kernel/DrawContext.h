// The drawing context: maps sheet centimetres (y up, from a movable origin)
// to the pixels of a canvas (y down), draws lines, arcs and Bézier curves as
// chords, writes labels beside points, draws the centimetre grid, and owns
// the size and scale of the three sheets of the drawing window.  Tables are
// drawn through a second, integer mapping in units of 1/96 inch, so that they
// keep their size at every pattern scale.
//
// Every conversion to pixels truncates toward zero, and goes through a check:
// a non-finite value or one beyond ±1e9 pixels throws EFloatError.
//
// Two global instances: ScreenDC for the sheets and PrinterDC for printed
// pages.  The printer instance gives six fields other meanings; they are
// reached there by the names of the second member of each union below.
#pragma once

#include <string>

#include "kernel/Geometry.h"

class Canvas;
class PrinterMetrics;
class SheetImage;

// What the drawing context needs of the drawing window: its three sheets,
// its size limits and placement, the screen, and the scroll area that shows
// the sheets.  The window implements it; tests use a fake.
class SheetWindow {
public:
    virtual ~SheetWindow() = default;

    virtual SheetImage* List1() = 0;
    virtual SheetImage* List2() = 0;
    virtual SheetImage* List3() = 0;

    // Largest size the window may take (the setters below respect it).
    virtual void SetMaxSize(int width, int height) = 0;
    virtual bool IsMaximized() const = 0;

    virtual int WindowWidth() const = 0;
    virtual int WindowHeight() const = 0;
    virtual int WindowLeft() const = 0;
    virtual int WindowTop() const = 0;
    virtual void SetWindowWidth(int width) = 0;
    virtual void SetWindowHeight(int height) = 0;
    virtual void SetWindowLeft(int left) = 0;
    virtual void SetWindowTop(int top) = 0;

    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;

    // The scroll area's client size and scroll positions.  The setters clamp
    // to the range of the scroll bars, which must already reflect the sheets'
    // current sizes and places.
    virtual int ScrollClientWidth() const = 0;
    virtual int ScrollClientHeight() const = 0;
    virtual int HorzScrollPos() const = 0;
    virtual int VertScrollPos() const = 0;
    virtual void SetHorzScrollPos(int pos) = 0;
    virtual void SetVertScrollPos(int pos) = 0;
};

// Text of the message shown when a scale finer than the sheets allow is
// chosen, and its caption.
extern const char* const kScaleTooFineText;
extern const char* const kScaleTooFineCaption;

// Width and height of a drawing sheet in centimetres.
constexpr int kSheetWidthCm = 105;
constexpr int kSheetHeightCm = 149;

struct TDrawContext {
    // ---- The record, in its documented order. ----
    ::Canvas* Canvas = nullptr;  // not owned
    float PxPerCmX = 0.0f;
    float PxPerCmY = 0.0f;
    float OriginX = 0.0f;  // cm from the left edge
    float OriginY = 0.0f;  // cm from the top edge
    Vector SavedShift;
    Vector SavedOrigin;
    float IntOffsetX = 0.0f;
    float IntOffsetY = 0.0f;
    float IntFactorX = 0.0f;
    float IntFactorY = 0.0f;
    int PenX = 0;
    int PenY = 0;
    // Screen meaning | printer meaning.
    union {
        float ScreenPpi = 0.0f;
        int PrinterWidthMm;  // HORZSIZE
    };
    union {
        float PxPerCmAt1 = 0.0f;
        int PrinterHeightMm;  // VERTSIZE
    };
    union {
        int FontSize = 0;
        int PrinterWidthDots;  // HORZRES
    };
    union {
        int SheetHeightPx = 0;
        int PrinterHeightDots;  // VERTRES
    };
    union {
        int SheetWidthPx = 0;
        float PageWidthCm;  // pattern cm one page holds across
    };
    union {
        int Scale = 0;
        float PageHeightCm;  // pattern cm one page holds down
    };
    int MinScale = 0;
    Vector CollarOrigin;
    Vector SleeveOrigin;
    // Printer: the printable width and height in millimetres that the page
    // size was taken from (whole millimetres after BeginPrinterPage, the
    // device's real size after BeginTrueScalePage).
    double PrinterWidthMmExact = 0.0;
    double PrinterHeightMmExact = 0.0;

    // The drawing window reached by AllocateSheets and SetScale (not owned).
    SheetWindow* Window = nullptr;

    // Where the pattern points converted to pixels lie, in cm from the
    // sheet's top left corner (x right, y down), since the last
    // ResetDrawnExtent: OriginX + x across, OriginY - y down.  The same at
    // every scale, so a drawing that fits the sheet at one scale fits it at
    // all.  On paper a point label's text counts too (PrinterLabel).  Tables
    // (in table units) are not counted.
    // Empty (left > right or top > bottom) until a point is taken.
    struct Extent {
        double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
        bool Empty() const { return left > right || top > bottom; }
    };
    void ResetDrawnExtent() { drawn_ = Extent(); }
    const Extent& DrawnExtent() const { return drawn_; }

    // ---- Origin and state. ----
    void SetOrigin(float x, float y);
    void PushShift(float dx, float dy);
    void PopShift();
    void PushOrigin(float x, float y);
    void PopOrigin();
    void SaveCollarOrigin();
    void RestoreCollarOrigin();
    void SaveSleeveOrigin();
    void RestoreSleeveOrigin();
    void SetIntOffset(int x, int y);
    void SetIntOffsetX(int x);
    void SetIntOffsetY(int y);
    void SetPenWidth(int width);
    void SetPenColor(int color);
    int GetPenColor() const;
    // Pixel -> pattern cm, no rounding; a zero factor throws.
    float PixelToCmX(int px) const;
    float PixelToCmY(int py) const;
    // Canvas := canvas; FontSize from its font; brush clear; font black;
    // pen width 1, black.
    void SetCanvas(::Canvas* canvas);
    void SetSheetWindow(SheetWindow* window) { Window = window; }

    // Where something is drawn on the drawing window: the sheet (1..3, 0 for
    // any other canvas) and how many times that sheet had been cleared.  A
    // mark stays on its sheet until the sheet is cleared again.
    struct SheetMark {
        int sheet = 0;
        unsigned clearings = 0;
    };
    // The mark of what is drawn now, on the current canvas.
    SheetMark MarkHere() const;
    // Whether what was drawn under the mark is still on sheet n.
    bool StillOn(const SheetMark& mark, int n) const;

    // The pixel of a pattern point and of a table point (truncated, checked).
    int PixelX(float x) const;
    int PixelY(float y) const;
    int TablePixelX(int i) const;
    int TablePixelY(int j) const;

    // ---- Drawing in pattern cm. ----
    void MoveTo(const Vector& p);
    void LineTo(const Vector& p);
    // Arc of centre c from a counter-clockwise to b as n chords; the pen
    // stops at b when flag is non-zero, at a when it is 0.  a == c throws.
    void Arc3(const Vector& c, const Vector& a, const Vector& b, int flag, int n);
    void Bezier2(const Vector& p0, const Vector& p1, const Vector& p2, int n);
    void Bezier3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int n);
    void Bezier2Part(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2, int n);
    void Bezier3Part(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t1, float t2,
                     int n);
    // The piece t1..t2 moved d cm along the left normal.
    void OffsetBezier2(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2, float d, int n);
    void OffsetBezier3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t1, float t2,
                       float d, int n);
    // Text beside the pixel of p by a placement code 0..10 (others as 0).
    void Label(const Vector& p, const std::string& text, int placement);

    // ---- Drawing in table units (pen fields untouched). ----
    void MoveToInt(int i, int j);
    void LineToInt(int i, int j);
    void TextAt(int i, int j, const std::string& text);
    void NumberAt(int i, int j, float value);  // precision 5, 1 decimal
    void NumberAt2(int i, int j, float value, int precision, int digits);

    // ---- Sheets and scale (screen instance). ----
    // Sets up the sheets at 1:n (creating their bitmaps; EOutOfResources
    // when they cannot be created), then switches to 1:4.
    void AllocateSheets(int n);
    // Scale 1:n, no finer than MinScale (a message otherwise), keeping the
    // middle of the view in place.
    void SetScale(int n);
    // Paints the sheet white (pen colour kept, brush left solid white).
    void ClearImage(SheetImage& image);
    // The centimetre grid on the sheet, which becomes the canvas.
    void DrawGrid(SheetImage& image);

    // ---- Printer page. ----
    // Sets up for print scale 1:s from the printer's metrics (or the given
    // ones); a size of 0 mm or s = 0 throws EFloatError.
    void BeginPrinterPage(float s);
    void BeginPrinterPage(float s, const PrinterMetrics& metrics);
    // The same from the printable size that the device's real resolution
    // gives (PrinterMetrics::WidthMmExact, HeightMmExact, not rounded to
    // whole millimetres), so that a centimetre of pattern prints as a
    // centimetre at 1:s in both axes.  The printing of the garments uses
    // this one.  A size of 0 mm or s = 0 throws EFloatError.
    void BeginTrueScalePage(float s);
    void BeginTrueScalePage(float s, const PrinterMetrics& metrics);
    // Printable width and height in 96-dpi table units.
    int PageWidthUnits() const;
    int PageHeightUnits() const;
    // The table offset at the pattern point (x, y).
    void SetPrinterOrigin(float x, float y);
    // Canvas := the printer's canvas (or the given one); brush clear; font
    // black; the font size is not read.
    void AttachPrinterCanvas();
    void AttachPrinterCanvas(::Canvas* canvas);
    // Text beside the pixel of p, offsets in table units.
    void PrinterLabel(const Vector& p, const std::string& text, int placement);
    // Frame of the printable area, in printer dots.
    void PrintableAreaFrame();

private:
    mutable Extent drawn_;

    void TakeX(double sheetX) const;
    void TakeY(double sheetY) const;
    ::Canvas& C() const;
    SheetWindow& W() const;
    // The number (1..3) of a sheet of the drawing window, 0 for any other image.
    int SheetNumber(const SheetImage* image) const;
    // Places List1..List3 at the current sheet size and sets the size
    // limits; clears each sheet (creating its bitmap) when clear is set.
    void PlaceSheets(bool clear);
    void SetMaxWindowSize();
    void SetScaleFactors(float pxPerCm);
    // The page set-up of both Begin...Page: scale 1:s, printable size
    // widthMm x heightMm and the metrics' dots.
    void SetPrinterPage(float s, const PrinterMetrics& metrics, double widthMm, double heightMm);
};

extern TDrawContext ScreenDC;
extern TDrawContext PrinterDC;
