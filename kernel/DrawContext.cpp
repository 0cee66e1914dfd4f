#include "kernel/DrawContext.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "kernel/Bezier.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"
#include "platform/Text.h"

TDrawContext ScreenDC;
TDrawContext PrinterDC;

namespace {

// How many times each sheet of the drawing window (1..3) has been cleared.
// Kept apart from the contexts, which are copied to be restored.
unsigned sheetClearings[4] = {0, 0, 0, 0};

}  // namespace

const char* const kScaleTooFineText =
    "Из-за фрагментации памяти система выделила \nблок не достаточный для отображения чертежа \nв заданном "
    "масштабе. Для использования данного \nмасштаба необходимо перезагрузить систему.";
const char* const kScaleTooFineCaption = "Не достаточно памяти для выбранного масштаба";

namespace {

// Grid colours: the centimetre lines and the ten-centimetre lines.
constexpr int kGridFineColor = 15790320;    // RGB 240, 240, 240
constexpr int kGridCoarseColor = 14474460;  // RGB 220, 220, 220

// Pixels beyond this distance from the sheet can only come from a fault.
constexpr double kMaxPixel = 1e9;

// The one place where a float becomes a pixel: truncation toward zero,
// after checking that the value is finite and sane.
int ToPixel(double v, const char* what) {
    if (!std::isfinite(v) || std::fabs(v) > kMaxPixel) Checked::Fail(what);
    return int(v);
}

// Label offsets of the placement codes 1..10 (0 and other codes: none).
// Screen: dx = -F*xF + x0, dy = -(F + 6) when up; printer: dx and dy in
// table units (dy -12 when up).
struct Placement {
    int screenDx;  // added to -F when xF is set, alone otherwise
    bool xF;
    bool up;
    int printerDx;
};
constexpr Placement kPlacements[11] = {
    {0, false, false, 0},    // 0
    {-1, true, true, -9},    // 1
    {2, false, true, 2},     // 2
    {2, false, false, 2},    // 3
    {-1, true, false, -9},   // 4
    {-5, true, false, -13},  // 5
    {-5, true, true, -13},   // 6
    {-7, true, false, -15},  // 7
    {-8, true, true, -17},   // 8
    {-12, true, false, -21}, // 9
    {-12, true, true, -21},  // 10
};

const Placement& PlacementOf(int code) { return kPlacements[(code >= 0 && code <= 10) ? code : 0]; }

}  // namespace

// ---------------------------------------------------------------------------
// Mapping

// A non-finite coordinate throws in ToPixel and is not taken.
void TDrawContext::TakeX(double sheetX) const {
    drawn_.left = std::min(drawn_.left, sheetX);
    drawn_.right = std::max(drawn_.right, sheetX);
}

void TDrawContext::TakeY(double sheetY) const {
    drawn_.top = std::min(drawn_.top, sheetY);
    drawn_.bottom = std::max(drawn_.bottom, sheetY);
}

int TDrawContext::PixelX(float x) const {
    const double sheetX = double(OriginX) + x;
    const int px = ToPixel(sheetX * PxPerCmX, "pixel x");
    TakeX(sheetX);
    return px;
}

int TDrawContext::PixelY(float y) const {
    const double sheetY = double(OriginY) - y;
    const int px = ToPixel(sheetY * PxPerCmY, "pixel y");
    TakeY(sheetY);
    return px;
}

int TDrawContext::TablePixelX(int i) const { return ToPixel((i + double(IntOffsetX)) * IntFactorX, "table pixel x"); }

int TDrawContext::TablePixelY(int j) const { return ToPixel((j + double(IntOffsetY)) * IntFactorY, "table pixel y"); }

float TDrawContext::PixelToCmX(int px) const {
    return float(Checked::Div(px, PxPerCmX, "pixel to cm x") - OriginX);
}

float TDrawContext::PixelToCmY(int py) const {
    return float(OriginY - Checked::Div(py, PxPerCmY, "pixel to cm y"));
}

::Canvas& TDrawContext::C() const {
    if (!Canvas) throw std::logic_error("The drawing context has no canvas");
    return *Canvas;
}

SheetWindow& TDrawContext::W() const {
    if (!Window) throw std::logic_error("The drawing context has no drawing window");
    return *Window;
}

// ---------------------------------------------------------------------------
// Origin and state

void TDrawContext::SetOrigin(float x, float y) {
    OriginX = x;
    OriginY = y;
}

void TDrawContext::PushShift(float dx, float dy) {
    SavedShift = Vector(OriginX, OriginY);
    OriginX += dx;
    OriginY += dy;
}

void TDrawContext::PopShift() { SetOrigin(SavedShift.x, SavedShift.y); }

void TDrawContext::PushOrigin(float x, float y) {
    SavedOrigin = Vector(OriginX, OriginY);
    SetOrigin(x, y);
}

void TDrawContext::PopOrigin() { SetOrigin(SavedOrigin.x, SavedOrigin.y); }

void TDrawContext::SaveCollarOrigin() { CollarOrigin = Vector(OriginX, OriginY); }

void TDrawContext::RestoreCollarOrigin() { SetOrigin(CollarOrigin.x, CollarOrigin.y); }

void TDrawContext::SaveSleeveOrigin() { SleeveOrigin = Vector(OriginX, OriginY); }

void TDrawContext::RestoreSleeveOrigin() { SetOrigin(SleeveOrigin.x, SleeveOrigin.y); }

void TDrawContext::SetIntOffset(int x, int y) {
    SetIntOffsetX(x);
    SetIntOffsetY(y);
}

void TDrawContext::SetIntOffsetX(int x) { IntOffsetX = float(x); }

void TDrawContext::SetIntOffsetY(int y) { IntOffsetY = float(y); }

void TDrawContext::SetPenWidth(int width) { C().SetPenWidth(width); }

void TDrawContext::SetPenColor(int color) { C().SetPenColor(color); }

int TDrawContext::GetPenColor() const { return C().PenColor(); }

void TDrawContext::SetCanvas(::Canvas* canvas) {
    Canvas = canvas;
    FontSize = C().FontSize();
    Canvas->SetBrushStyle(BrushStyle::Clear);
    Canvas->SetFontColor(kWinBlack);
    Canvas->SetPenWidth(1);
    Canvas->SetPenColor(kWinBlack);
}

// ---------------------------------------------------------------------------
// Drawing in pattern cm

void TDrawContext::MoveTo(const Vector& p) {
    PenX = PixelX(p.x);
    PenY = PixelY(p.y);
    C().MoveTo(PenX, PenY);
}

void TDrawContext::LineTo(const Vector& p) {
    PenX = PixelX(p.x);
    PenY = PixelY(p.y);
    C().LineTo(PenX, PenY);
}

void TDrawContext::Arc3(const Vector& c, const Vector& a, const Vector& b, int flag, int n) {
    const double r = Geom::Distance(a, c);
    const float theta = float(2.0 * Checked::Asin(Checked::Div(Geom::Distance(a, b), 2.0 * r, "arc radius"), "arc angle"));
    const float step = float(Checked::Div(theta, n, "arc chords"));
    // Flag non-zero: from a counter-clockwise, ending at b; flag 0: from b
    // clockwise, ending at a.
    const Vector& from = flag ? a : b;
    const Vector& to = flag ? b : a;
    const float sign = flag ? 1.0f : -1.0f;
    MoveTo(from);
    float angle = 0.0f;
    for (int k = 1; k <= n; ++k) {
        angle += step;
        LineTo(c + Geom::Rotated(from - c, sign * angle));
    }
    LineTo(to);
}

namespace {

// Chords of a curve given as a point function of t: MoveTo(B(t1)), then n
// steps of dt.
template <typename PointAt>
void DrawPart(TDrawContext& dc, PointAt pointAt, float t1, float t2, int n) {
    dc.MoveTo(pointAt(t1));
    if (n <= 0) return;
    const float dt = (t2 - t1) / n;
    float t = t1;
    for (int k = 0; k < n; ++k) {
        t += dt;
        dc.LineTo(pointAt(t));
    }
}

// The whole curve from p0 to its last control point as n chords.
template <typename PointAt>
void DrawWhole(TDrawContext& dc, PointAt pointAt, const Vector& first, const Vector& last, int n) {
    dc.MoveTo(first);
    if (n > 1) {
        const float step = 1.0f / n;
        float t = step;
        for (int k = 1; k < n; ++k) {
            dc.LineTo(pointAt(t));
            t += step;
        }
    }
    dc.LineTo(last);
}

// B(t) moved d along the unit left normal of the curve.
Vector Offset(const Vector& b, const Vector& unitTangent, float d) {
    return Vector(b.x - d * unitTangent.y, b.y + d * unitTangent.x);
}

}  // namespace

void TDrawContext::Bezier2(const Vector& p0, const Vector& p1, const Vector& p2, int n) {
    DrawWhole(*this, [&](float t) { return Bezier2::Point(p0, p1, p2, t); }, p0, p2, n);
}

void TDrawContext::Bezier3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, int n) {
    DrawWhole(*this, [&](float t) { return Bezier3::Point(p0, p1, p2, p3, t); }, p0, p3, n);
}

void TDrawContext::Bezier2Part(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2, int n) {
    DrawPart(*this, [&](float t) { return Bezier2::Point(p0, p1, p2, t); }, t1, t2, n);
}

void TDrawContext::Bezier3Part(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t1,
                               float t2, int n) {
    DrawPart(*this, [&](float t) { return Bezier3::Point(p0, p1, p2, p3, t); }, t1, t2, n);
}

void TDrawContext::OffsetBezier2(const Vector& p0, const Vector& p1, const Vector& p2, float t1, float t2, float d,
                                 int n) {
    DrawPart(
        *this,
        [&](float t) { return Offset(Bezier2::Point(p0, p1, p2, t), Bezier2::Tangent(p0, p1, p2, t), d); }, t1,
        t2, n);
}

void TDrawContext::OffsetBezier3(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, float t1,
                                 float t2, float d, int n) {
    DrawPart(
        *this,
        [&](float t) {
            return Offset(Bezier3::Point(p0, p1, p2, p3, t), Bezier3::Tangent(p0, p1, p2, p3, t), d);
        },
        t1, t2, n);
}

void TDrawContext::Label(const Vector& p, const std::string& text, int placement) {
    PenX = PixelX(p.x);
    PenY = PixelY(p.y);
    const Placement& pl = PlacementOf(placement);
    const int f = FontSize;
    const int dx = pl.xF ? -f + pl.screenDx : pl.screenDx;
    const int dy = pl.up ? -(f + 6) : 0;
    C().TextOut(PenX + dx, PenY + dy, text);
}

// ---------------------------------------------------------------------------
// Drawing in table units

void TDrawContext::MoveToInt(int i, int j) { C().MoveTo(TablePixelX(i), TablePixelY(j)); }

void TDrawContext::LineToInt(int i, int j) { C().LineTo(TablePixelX(i), TablePixelY(j)); }

void TDrawContext::TextAt(int i, int j, const std::string& text) { C().TextOut(TablePixelX(i), TablePixelY(j), text); }

void TDrawContext::NumberAt(int i, int j, float value) { NumberAt2(i, j, value, 5, 1); }

void TDrawContext::NumberAt2(int i, int j, float value, int precision, int digits) {
    TextAt(i, j, FormatFixed(value, precision, digits));
}

// ---------------------------------------------------------------------------
// Sheets and scale

void TDrawContext::SetScaleFactors(float pxPerCm) {
    PxPerCmX = PxPerCmY = pxPerCm;
    SheetWidthPx = ToPixel(double(PxPerCmX) * kSheetWidthCm, "sheet width");
    SheetHeightPx = ToPixel(double(PxPerCmY) * kSheetHeightCm, "sheet height");
}

void TDrawContext::SetMaxWindowSize() { W().SetMaxSize(SheetWidthPx + 37, SheetHeightPx + 59); }

void TDrawContext::PlaceSheets(bool clear) {
    SheetImage* sheets[3] = {W().List1(), W().List2(), W().List3()};
    for (int k = 0; k < 3; ++k) {
        SheetImage& sheet = *sheets[k];
        sheet.SetLeft(0);
        sheet.SetTop(k * (SheetHeightPx + 10));
        sheet.SetHeight(SheetHeightPx);
        sheet.SetWidth(SheetWidthPx);
        if (clear) ClearImage(sheet);
    }
}

void TDrawContext::AllocateSheets(int n) {
    ScreenPpi = float(ScreenPixelsPerInch());
    PxPerCmAt1 = ScreenPpi / 2.54f;
    SetScaleFactors(float(Checked::Div(PxPerCmAt1, n, "sheet scale")));
    SetMaxWindowSize();
    PlaceSheets(true);  // creates the bitmaps at 1:n; throws when they cannot be
    SetScaleFactors(PxPerCmAt1 * 0.25f);
    PlaceSheets(false);
    SetMaxWindowSize();
    Scale = 4;
    MinScale = n;
    IntFactorX = IntFactorY = ScreenPpi / 96.0f;
}

void TDrawContext::SetScale(int n) {
    if (n < MinScale) {
        ShowMessage(kScaleTooFineText, kScaleTooFineCaption, MsgIcon::Warning, MsgButtons::Ok);
        n = MinScale;
    }
    SheetWindow& window = W();
    SetScaleFactors(float(Checked::Div(PxPerCmAt1, n, "sheet scale")));
    SetMaxWindowSize();

    if (window.IsMaximized()) {
        window.SetWindowWidth(window.ScreenWidth());
        window.SetWindowHeight(window.ScreenHeight() - 25);
        const int spareWidth = window.ScreenWidth() - window.WindowWidth();
        window.SetWindowLeft(spareWidth == 0 ? 0 : ToPixel(spareWidth * 0.5, "window left"));
        const int g = window.ScreenHeight() - (window.WindowHeight() + 25);
        window.SetWindowTop(g == 0 ? 0 : ToPixel(g * 0.5 - 3, "window top"));
    }

    const int h = window.HorzScrollPos();
    const int v = window.VertScrollPos();

    SheetImage* sheets[3] = {window.List1(), window.List2(), window.List3()};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) sheets[k]->SetTop(sheets[k - 1]->Top() + SheetHeightPx + 10);
        sheets[k]->SetHeight(SheetHeightPx);
        sheets[k]->SetWidth(SheetWidthPx);
    }

    // Keep the point in the middle of the view in the middle.
    const int hw = ToPixel(window.ScrollClientWidth() * 0.5, "view width");
    const int hh = ToPixel(window.ScrollClientHeight() * 0.5, "view height");
    window.SetHorzScrollPos((h + hw) * Scale / n - hw);
    window.SetVertScrollPos((v + hh) * Scale / n - hh);

    Scale = n;
}

int TDrawContext::SheetNumber(const SheetImage* image) const {
    if (!Window || !image) return 0;
    const SheetImage* sheets[3] = {Window->List1(), Window->List2(), Window->List3()};
    for (int k = 0; k < 3; ++k)
        if (sheets[k] == image) return k + 1;
    return 0;
}

TDrawContext::SheetMark TDrawContext::MarkHere() const {
    if (!Window || !Canvas) return {};
    SheetImage* sheets[3] = {Window->List1(), Window->List2(), Window->List3()};
    for (int k = 0; k < 3; ++k)
        if (sheets[k] && sheets[k]->HasBitmap() && &sheets[k]->GetCanvas() == Canvas)
            return {k + 1, sheetClearings[k + 1]};
    return {};
}

bool TDrawContext::StillOn(const SheetMark& mark, int n) const {
    return n >= 1 && n <= 3 && mark.sheet == n && mark.clearings == sheetClearings[n];
}

void TDrawContext::ClearImage(SheetImage& image) {
    if (const int n = SheetNumber(&image)) ++sheetClearings[n];
    ::Canvas& canvas = image.GetCanvas();
    const int penColor = canvas.PenColor(), penWidth = canvas.PenWidth();
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kWinWhite);
    canvas.SetPenColor(kWinWhite);
    // A plain fill whatever pen the drawing before left.
    canvas.SetPenWidth(1);
    canvas.Rectangle(0, 0, image.Width(), image.Height());
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(penColor);
}

void TDrawContext::DrawGrid(SheetImage& image) {
    Canvas = &image.GetCanvas();
    const int penColor = Canvas->PenColor();
    Canvas->SetPenWidth(1);

    const int right = ToPixel(double(PxPerCmX) * kSheetWidthCm, "grid width");
    const int bottom = ToPixel(double(PxPerCmY) * kSheetHeightCm, "grid height");
    // Rows (or columns) of the lines count, first, first + step, ... cm
    // from the top (or left) edge.
    auto lines = [](float pxPerCm, int count, double first, double step) {
        std::vector<int> at(static_cast<size_t>(count));
        for (int k = 0; k < count; ++k) at[size_t(k)] = ToPixel(pxPerCm * (first + step * k), "grid line");
        return at;
    };
    // The columns go first: on a freshly cleared sheet they are drawn in the
    // same pass as the clearing.  The rows have the same colour, so the order
    // does not show.
    auto draw = [&](const std::vector<int>& rows, const std::vector<int>& columns) {
        Canvas->VerticalLines(columns, 0, bottom);
        Canvas->HorizontalLines(rows, 0, right);
        // The pen ends where drawing rows first and columns last would
        // leave it: at the foot of the last column.
        PenX = columns.back();
        PenY = bottom;
        Canvas->MoveTo(PenX, PenY);
    };

    // Every centimetre, half a centimetre off the whole ones.
    Canvas->SetPenColor(kGridFineColor);
    draw(lines(PxPerCmY, kSheetHeightCm, 0.5, 1.0), lines(PxPerCmX, kSheetWidthCm, 0.5, 1.0));
    // Every ten centimetres, 4.5 cm from the top and 2.5 cm from the left.
    Canvas->SetPenColor(kGridCoarseColor);
    draw(lines(PxPerCmY, 15, 4.5, 10.0), lines(PxPerCmX, 11, 2.5, 10.0));

    Canvas->SetPenColor(penColor);
}

// ---------------------------------------------------------------------------
// Printer page

void TDrawContext::BeginPrinterPage(float s) { BeginPrinterPage(s, CurrentPrinterMetrics()); }

void TDrawContext::BeginPrinterPage(float s, const PrinterMetrics& metrics) {
    SetPrinterPage(s, metrics, metrics.WidthMm(), metrics.HeightMm());
}

void TDrawContext::BeginTrueScalePage(float s) { BeginTrueScalePage(s, CurrentPrinterMetrics()); }

void TDrawContext::BeginTrueScalePage(float s, const PrinterMetrics& metrics) {
    SetPrinterPage(s, metrics, metrics.WidthMmExact(), metrics.HeightMmExact());
}

void TDrawContext::SetPrinterPage(float s, const PrinterMetrics& metrics, double widthMm, double heightMm) {
    // A page of no size (or of no sane size) cannot carry a pattern.
    if (!(widthMm > 0.0) || !std::isfinite(widthMm)) Checked::Fail("printer width");
    if (!(heightMm > 0.0) || !std::isfinite(heightMm)) Checked::Fail("printer height");
    PrinterWidthMm = metrics.WidthMm();
    PrinterHeightMm = metrics.HeightMm();
    PrinterWidthMmExact = widthMm;
    PrinterHeightMmExact = heightMm;
    PrinterWidthDots = metrics.WidthDots();
    PrinterHeightDots = metrics.HeightDots();
    PxPerCmX = float(Checked::Div(Checked::Div(PrinterWidthDots * 10.0, s, "print scale"), widthMm, "printer width"));
    PxPerCmY =
        float(Checked::Div(Checked::Div(PrinterHeightDots * 10.0, s, "print scale"), heightMm, "printer height"));
    IntFactorX = float(Checked::Div(PrinterWidthDots * 2.54, widthMm * 9.6, "printer width"));
    IntFactorY = float(Checked::Div(PrinterHeightDots * 2.54, heightMm * 9.6, "printer height"));
    PageWidthCm = float(double(s) * widthMm * 0.1);
    PageHeightCm = float(double(s) * heightMm * 0.1);
}

int TDrawContext::PageWidthUnits() const { return ToPixel(PrinterWidthMmExact * 9.6 / 2.54, "page width"); }

int TDrawContext::PageHeightUnits() const { return ToPixel(PrinterHeightMmExact * 9.6 / 2.54, "page height"); }

void TDrawContext::SetPrinterOrigin(float x, float y) {
    IntOffsetX = float(Checked::Finite((double(OriginX) + x) * 96.0 / 2.54, "printer origin x"));
    IntOffsetY = float(Checked::Finite((double(OriginY) - y) * 96.0 / 2.54, "printer origin y"));
}

void TDrawContext::AttachPrinterCanvas() { AttachPrinterCanvas(&ThePrinter().GetCanvas()); }

void TDrawContext::AttachPrinterCanvas(::Canvas* canvas) {
    Canvas = canvas;
    C().SetBrushStyle(BrushStyle::Clear);
    Canvas->SetFontColor(kWinBlack);
}

void TDrawContext::PrinterLabel(const Vector& p, const std::string& text, int placement) {
    PenX = PixelX(p.x);
    PenY = PixelY(p.y);
    const Placement& pl = PlacementOf(placement);
    const double dx = pl.printerDx * double(IntFactorX);
    const double dy = pl.up ? -12.0 * IntFactorY : 0.0;
    const int x = ToPixel(PenX + dx, "label x"), y = ToPixel(PenY + dy, "label y");
    ::Canvas& canvas = C();
    canvas.TextOut(x, y, text);
    // The text on paper is part of the drawing's extent.
    TakeX(Checked::Div(x, PxPerCmX, "label extent x"));
    TakeX(Checked::Div(double(x) + canvas.TextWidth(text), PxPerCmX, "label extent x"));
    TakeY(Checked::Div(y, PxPerCmY, "label extent y"));
    TakeY(Checked::Div(double(y) + canvas.TextHeight(text), PxPerCmY, "label extent y"));
}

void TDrawContext::PrintableAreaFrame() {
    ::Canvas& canvas = C();
    canvas.SetPenWidth(1);
    canvas.MoveTo(0, 0);
    canvas.LineTo(PrinterWidthDots - 2, 0);
    canvas.LineTo(PrinterWidthDots - 2, PrinterHeightDots - 1);
    canvas.LineTo(0, PrinterHeightDots - 1);
    canvas.LineTo(0, 0);
}
