// The drawing context: the centimetre-to-pixel mapping, the curves and
// labels as drawn on an image, the sheets and scales of the drawing window
// (through a fake window), the grid, and the printer page.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "kernel/DrawContext.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"
#include "platform/Text.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

std::unique_ptr<ImageCanvas> WhiteCanvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return std::make_unique<ImageCanvas>(std::move(image));
}

bool IsInk(QRgb c) { return c != kWhite; }

bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image.pixel(x, y))) return true;
    return false;
}

// The drawing window as the drawing context sees it: size limits applied
// by the window-size setters, scroll positions clamped to the extent of the
// sheets.
class FakeWindow : public SheetWindow {
public:
    SheetImage sheets[3];
    int maxWidth = 0, maxHeight = 0;
    bool maximized = false;
    int width = 800, height = 600, left = 10, top = 10;
    int screenWidth = 1920, screenHeight = 1080;
    int clientWidth = 400, clientHeight = 300;
    int horz = 0, vert = 0;

    SheetImage* List1() override { return &sheets[0]; }
    SheetImage* List2() override { return &sheets[1]; }
    SheetImage* List3() override { return &sheets[2]; }
    void SetMaxSize(int w, int h) override {
        maxWidth = w;
        maxHeight = h;
    }
    bool IsMaximized() const override { return maximized; }
    int WindowWidth() const override { return width; }
    int WindowHeight() const override { return height; }
    int WindowLeft() const override { return left; }
    int WindowTop() const override { return top; }
    void SetWindowWidth(int w) override { width = std::min(w, maxWidth); }
    void SetWindowHeight(int h) override { height = std::min(h, maxHeight); }
    void SetWindowLeft(int l) override { left = l; }
    void SetWindowTop(int t) override { top = t; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
    int ScrollClientWidth() const override { return clientWidth; }
    int ScrollClientHeight() const override { return clientHeight; }
    int HorzScrollPos() const override { return horz; }
    int VertScrollPos() const override { return vert; }
    void SetHorzScrollPos(int pos) override {
        horz = std::clamp(pos, 0, std::max(0, sheets[0].Left() + sheets[0].Width() - clientWidth));
    }
    void SetVertScrollPos(int pos) override {
        vert = std::clamp(pos, 0, std::max(0, sheets[2].Top() + sheets[2].Height() - clientHeight));
    }
};

// A context on a 96-ppi screen with the fake window; the allocation limit
// and the message interceptor are removed afterwards.
class ScreenContextTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetScreenPixelsPerInchOverride(96);
        dc.SetSheetWindow(&window);
        SetMessageInterceptor([this](const MessageRecord& m) {
            messages.push_back(m);
            return MsgResult::Ok;
        });
    }
    void TearDown() override {
        SetMessageInterceptor(nullptr);
        SheetImage::SetAllocationLimit(0);
        SetScreenPixelsPerInchOverride(0);
    }

    // The drawing window's start-up: 1:1, 1:2, 1:3, 1:4 until one succeeds.
    int AllocateFirstPossible() {
        for (int n = 1; n <= 4; ++n) {
            try {
                dc.AllocateSheets(n);
                return n;
            } catch (const EOutOfResources&) {
            }
        }
        return 0;
    }

    FakeWindow window;
    TDrawContext dc;
    std::vector<MessageRecord> messages;
};

// A context drawing at `pxPerCm` on a white image canvas.
struct ImageContext {
    explicit ImageContext(int w = 200, int h = 200, float pxPerCm = 10.0f) : canvas(WhiteCanvas(w, h)) {
        dc.SetCanvas(canvas.get());
        dc.PxPerCmX = dc.PxPerCmY = pxPerCm;
    }
    const QImage& Image() { return canvas->Image(); }
    std::unique_ptr<ImageCanvas> canvas;
    TDrawContext dc;
};

// The image that Canvas::TextOut gives at (x, y), to compare a label with.
QImage TextImage(int w, int h, int x, int y, const std::string& text, int fontSize = 8) {
    auto canvas = WhiteCanvas(w, h);
    canvas->SetBrushStyle(BrushStyle::Clear);
    canvas->SetFontSize(fontSize);
    canvas->TextOut(x, y, text);
    return canvas->Image();
}

}  // namespace

// ---------------------------------------------------------------------------
// Mapping

TEST(DrawContextMapping, TruncatesTowardZero) {
    TDrawContext dc;
    dc.PxPerCmX = dc.PxPerCmY = 1.0f;
    struct Case {
        float x, pixel;
    } cases[] = {{-0.05f, 0}, {0.95f, 0}, {-1.5f, -1}, {1.99f, 1}, {-0.999f, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(dc.PixelX(c.x), c.pixel) << c.x;
        EXPECT_EQ(dc.PixelY(-c.x), c.pixel) << c.x;  // y flips: OriginY - y
    }
    dc.SetOrigin(10.0f, 20.0f);
    dc.PxPerCmX = dc.PxPerCmY = 9.448819f;
    EXPECT_EQ(dc.PixelX(-10.005f), 0);   // -0.047 px
    EXPECT_EQ(dc.PixelX(-10.2f), -1);    // -1.89 px
    EXPECT_EQ(dc.PixelY(5.0f), 141);     // 15 cm * 9.4488 = 141.7
}

TEST(DrawContextMapping, RefusesNonFiniteAndAbsurdPixels) {
    TDrawContext dc;
    dc.PxPerCmX = dc.PxPerCmY = 10.0f;
    EXPECT_THROW(dc.PixelX(std::nanf("")), EFloatError);
    EXPECT_THROW(dc.PixelY(INFINITY), EFloatError);
    EXPECT_THROW(dc.PixelX(2e8f), EFloatError);  // 2e9 px
    EXPECT_EQ(dc.PixelX(-9e7f), -900000000);
    dc.IntFactorX = INFINITY;
    EXPECT_THROW(dc.TablePixelX(1), EFloatError);
    TDrawContext zero;
    EXPECT_THROW(zero.PixelToCmX(5), EFloatError);
}

TEST(DrawContextMapping, DrawnExtentIsInSheetCentimetresWhateverTheOriginAndScale) {
    ImageContext ic(200, 200, 10.0f);
    TDrawContext& dc = ic.dc;
    EXPECT_TRUE(dc.DrawnExtent().Empty());
    dc.SetOrigin(10.0f, 5.0f);
    dc.MoveTo(Vector(-2.0f, 1.0f));  // sheet (8, 4)
    dc.LineTo(Vector(3.0f, -4.0f));  // sheet (13, 9)
    dc.PxPerCmX = dc.PxPerCmY = 2.5f;  // another scale: the same centimetres
    dc.PushShift(1.0f, 1.0f);
    dc.Label(Vector(0.0f, 0.0f), "A", 3);  // sheet (11, 6)
    dc.PopShift();
    dc.TextAt(500, 500, "table units are not counted");
    TDrawContext::Extent e = dc.DrawnExtent();
    EXPECT_FALSE(e.Empty());
    EXPECT_FLOAT_EQ(float(e.left), 8.0f);
    EXPECT_FLOAT_EQ(float(e.right), 13.0f);
    EXPECT_FLOAT_EQ(float(e.top), 4.0f);
    EXPECT_FLOAT_EQ(float(e.bottom), 9.0f);
    // A point that cannot be drawn is not taken.
    EXPECT_THROW(dc.PixelY(1e12f), EFloatError);
    EXPECT_FLOAT_EQ(float(dc.DrawnExtent().top), 4.0f);
    dc.ResetDrawnExtent();
    EXPECT_TRUE(dc.DrawnExtent().Empty());
}

TEST(DrawContextMapping, PixelToCmGivesThePointBackWithinOnePixel) {
    TDrawContext dc;
    for (float pxPerCm : {37.795277f, 18.897638f, 9.448819f}) {
        dc.PxPerCmX = dc.PxPerCmY = pxPerCm;
        for (Vector origin : {Vector(0, 0), Vector(12.5f, 74.3f), Vector(-3.2f, 140.0f)}) {
            dc.SetOrigin(origin.x, origin.y);
            for (Vector p : {Vector(0, 0), Vector(1.234f, -5.67f), Vector(40.05f, 33.3f), Vector(-2.5f, -60.1f)}) {
                EXPECT_NEAR(dc.PixelToCmX(dc.PixelX(p.x)), p.x, 1.0f / pxPerCm);
                EXPECT_NEAR(dc.PixelToCmY(dc.PixelY(p.y)), p.y, 1.0f / pxPerCm);
            }
        }
    }
}

TEST(DrawContextMapping, TablePointsUseOffsetAndFactor) {
    TDrawContext dc;
    dc.SetIntOffset(10, 20);
    dc.IntFactorX = 1.25f;
    dc.IntFactorY = 2.0f;
    EXPECT_EQ(dc.IntOffsetX, 10.0f);
    EXPECT_EQ(dc.IntOffsetY, 20.0f);
    EXPECT_EQ(dc.TablePixelX(3), 16);  // 16.25
    EXPECT_EQ(dc.TablePixelY(-21), -2);
    dc.SetIntOffsetY(0);
    EXPECT_EQ(dc.TablePixelY(5), 10);
    EXPECT_EQ(dc.IntOffsetX, 10.0f);
}

// ---------------------------------------------------------------------------
// Origin and state

static void ExpectOrigin(const TDrawContext& dc, float x, float y) {
    EXPECT_EQ(dc.OriginX, x);
    EXPECT_EQ(dc.OriginY, y);
}

TEST(DrawContextState, OriginSlotsSaveAndRestore) {
    TDrawContext dc;
    dc.SetOrigin(10, 20);
    dc.PushShift(5, -3);
    ExpectOrigin(dc, 15.0f, 17.0f);
    dc.PushOrigin(50, 60);
    ExpectOrigin(dc, 50.0f, 60.0f);
    dc.SaveCollarOrigin();
    dc.SetOrigin(70, 80);
    dc.SaveSleeveOrigin();
    dc.PopOrigin();
    ExpectOrigin(dc, 15.0f, 17.0f);
    dc.PopShift();
    ExpectOrigin(dc, 10.0f, 20.0f);
    dc.RestoreCollarOrigin();
    ExpectOrigin(dc, 50.0f, 60.0f);
    dc.RestoreSleeveOrigin();
    ExpectOrigin(dc, 70.0f, 80.0f);
}

TEST(DrawContextState, SetCanvasResetsPenBrushAndFontAndReadsFontSize) {
    auto canvas = WhiteCanvas(10, 10);
    canvas->SetPenColor(255);
    canvas->SetPenWidth(3);
    canvas->SetBrushStyle(BrushStyle::Solid);
    canvas->SetFontColor(0xFF0000);
    canvas->SetFontSize(11);
    TDrawContext dc;
    dc.SetCanvas(canvas.get());
    EXPECT_EQ(dc.Canvas, canvas.get());
    EXPECT_EQ(dc.FontSize, 11);
    EXPECT_EQ(canvas->GetBrushStyle(), BrushStyle::Clear);
    EXPECT_EQ(canvas->FontColor(), 0);
    EXPECT_EQ(canvas->PenWidth(), 1);
    EXPECT_EQ(dc.GetPenColor(), 0);
    dc.SetPenColor(255);
    dc.SetPenWidth(2);
    EXPECT_EQ(canvas->PenColor(), 255);
    EXPECT_EQ(canvas->PenWidth(), 2);
}

// ---------------------------------------------------------------------------
// Lines, arcs and curves on an image

TEST(DrawContextDrawing, MoveToLineToDrawAtThePixelsOfThePoints) {
    ImageContext ic;
    ic.dc.SetOrigin(1.0f, 15.0f);
    ic.dc.MoveTo(Vector(0, 0));
    EXPECT_EQ(ic.dc.PenX, 10);
    EXPECT_EQ(ic.dc.PenY, 150);
    ic.dc.LineTo(Vector(5, 0));
    EXPECT_EQ(ic.dc.PenX, 60);
    const QImage& img = ic.Image();
    EXPECT_EQ(img.pixel(10, 150), kBlack);
    EXPECT_EQ(img.pixel(59, 150), kBlack);
    EXPECT_EQ(img.pixel(10, 149), kWhite);
}

TEST(DrawContextDrawing, Arc3TracesCounterClockwiseFromAToBAndStopsByFlag) {
    const Vector c(10, 10), a(15, 10), b(10, 15);  // a quarter circle of 5 cm
    for (int flag : {1, 0}) {
        ImageContext ic(200, 200, 10.0f);
        ic.dc.SetOrigin(0, 20);
        ic.dc.Arc3(c, a, b, flag, 12);
        const Vector& end = flag ? b : a;
        EXPECT_EQ(ic.dc.PenX, ic.dc.PixelX(end.x)) << flag;
        EXPECT_EQ(ic.dc.PenY, ic.dc.PixelY(end.y)) << flag;
        // Every inked pixel lies on the upper-right quarter of the circle.
        const QImage& img = ic.Image();
        int ink = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                if (!IsInk(img.pixel(x, y))) continue;
                ++ink;
                EXPECT_GE(x, 100);
                EXPECT_LE(y, 100);
                EXPECT_NEAR(std::hypot(x - 100.0, y - 100.0), 50.0, 2.0) << x << "," << y;
            }
        EXPECT_GT(ink, 60);
    }
}

TEST(DrawContextDrawing, Arc3OfDegenerateCentreThrows) {
    ImageContext ic;
    EXPECT_THROW(ic.dc.Arc3(Vector(1, 1), Vector(1, 1), Vector(2, 2), 1, 8), EFloatError);
    EXPECT_THROW(ic.dc.Arc3(Vector(0, 0), Vector(1, 0), Vector(5, 0), 1, 8), EFloatError);  // chord > diameter
}

TEST(DrawContextDrawing, BezierEndsAtTheLastControlPointAndFewChordsGiveTheChord) {
    const Vector p0(1, 1), p1(10, 19), p2(19, 1);
    {
        ImageContext ic;
        ic.dc.SetOrigin(0, 20);
        ic.dc.Bezier2(p0, p1, p2, 20);
        EXPECT_EQ(ic.dc.PenX, 190);
        EXPECT_EQ(ic.dc.PenY, 190);
        EXPECT_TRUE(IsInk(ic.Image().pixel(100, 100)));  // the apex B(0.5) = (10, 10)
        EXPECT_FALSE(IsInk(ic.Image().pixel(100, 190)));
    }
    for (int n : {1, 0, -3}) {
        ImageContext ic;
        ic.dc.SetOrigin(0, 20);
        ic.dc.Bezier2(p0, p1, p2, n);
        EXPECT_TRUE(IsInk(ic.Image().pixel(100, 190))) << n;  // straight chord
        EXPECT_FALSE(IsInk(ic.Image().pixel(100, 100))) << n;
    }
    {
        ImageContext ic;
        ic.dc.SetOrigin(0, 20);
        ic.dc.Bezier3(p0, Vector(1, 19), Vector(19, 19), p2, 30);
        EXPECT_EQ(ic.dc.PenX, 190);
        EXPECT_TRUE(IsInk(ic.Image().pixel(100, 55)));  // B(0.5) = (10, 14.5)
    }
}

TEST(DrawContextDrawing, BezierPartDrawsOnlyTheRange) {
    const Vector p0(0, 10), p1(10, 10), p2(20, 10);  // straight, B(t).x = 20t
    ImageContext ic;
    ic.dc.SetOrigin(0, 20);
    ic.dc.Bezier2Part(p0, p1, p2, 0.25f, 0.75f, 4);
    EXPECT_EQ(ic.dc.PenX, 150);
    const QImage& img = ic.Image();
    EXPECT_FALSE(IsInk(img.pixel(49, 100)));
    EXPECT_TRUE(IsInk(img.pixel(50, 100)));
    EXPECT_TRUE(IsInk(img.pixel(149, 100)));
    EXPECT_FALSE(IsInk(img.pixel(151, 100)));

    ImageContext none;
    none.dc.SetOrigin(0, 20);
    none.dc.Bezier3Part(p0, p1, p1, p2, 0.5f, 1.0f, 0);
    EXPECT_EQ(none.dc.PenX, 100);  // moved to B(t1), nothing drawn
    EXPECT_FALSE(HasInk(none.Image()));
}

TEST(DrawContextDrawing, OffsetBezierMovesAlongTheLeftNormal) {
    const Vector p0(2, 10), p1(10, 10), p2(18, 10);  // heading +x: left is up
    ImageContext ic;
    ic.dc.SetOrigin(0, 20);
    ic.dc.OffsetBezier2(p0, p1, p2, 0.0f, 1.0f, 1.5f, 8);
    EXPECT_EQ(ic.dc.PenY, 85);  // y = 11.5 cm
    EXPECT_TRUE(IsInk(ic.Image().pixel(100, 85)));
    EXPECT_FALSE(IsInk(ic.Image().pixel(100, 100)));

    ImageContext ic3;
    ic3.dc.SetOrigin(0, 20);
    ic3.dc.OffsetBezier3(p2, Vector(13, 10), Vector(7, 10), p0, 0.0f, 1.0f, 2.0f, 8);  // heading -x: left is down
    EXPECT_EQ(ic3.dc.PenY, 120);
    EXPECT_EQ(ic3.dc.PenX, 20);
}

// ---------------------------------------------------------------------------
// Labels and table text

TEST(DrawContextLabels, ScreenPlacementsOffsetByFontSize) {
    const int F = 8;
    struct Case {
        int placement, dx, dy;
    } cases[] = {
        {0, 0, 0},           {1, -F - 1, -(F + 6)}, {2, 2, -(F + 6)},       {3, 2, 0},
        {4, -F - 1, 0},      {5, -F - 5, 0},        {6, -F - 5, -(F + 6)},  {7, -F - 7, 0},
        {8, -F - 8, -(F + 6)}, {9, -F - 12, 0},     {10, -F - 12, -(F + 6)}, {11, 0, 0},
        {-1, 0, 0},
    };
    for (const Case& c : cases) {
        ImageContext ic(120, 80);
        ASSERT_EQ(ic.dc.FontSize, F);
        ic.dc.SetOrigin(0, 8);
        ic.dc.Label(Vector(5, 4), "T21", c.placement);
        EXPECT_EQ(ic.dc.PenX, 50);
        EXPECT_EQ(ic.dc.PenY, 40);
        EXPECT_EQ(ic.Image(), TextImage(120, 80, 50 + c.dx, 40 + c.dy, "T21")) << "placement " << c.placement;
    }
}

TEST(DrawContextLabels, TableTextAndNumbers) {
    const char saved = DecimalSeparator();
    SetDecimalSeparator(',');
    ImageContext ic(200, 100);
    ic.dc.IntFactorX = ic.dc.IntFactorY = 1.0f;
    ic.dc.SetIntOffset(10, 20);
    ic.dc.PenX = 77;
    ic.dc.NumberAt(30, 5, 12.345f);
    EXPECT_EQ(ic.Image(), TextImage(200, 100, 40, 25, "12,3"));
    ic.dc.NumberAt2(30, 45, 2.0f, 5, 2);
    ic.dc.TextAt(100, 5, "Ст:");
    QImage expected = TextImage(200, 100, 40, 25, "12,3");
    {
        ImageCanvas c(expected);
        c.SetBrushStyle(BrushStyle::Clear);
        c.TextOut(40, 65, "2,00");
        c.TextOut(110, 25, "Ст:");
        expected = c.Image();
    }
    EXPECT_EQ(ic.Image(), expected);
    ic.dc.MoveToInt(0, 0);
    ic.dc.LineToInt(20, 0);
    EXPECT_EQ(ic.Image().pixel(10, 20), kBlack);
    EXPECT_EQ(ic.Image().pixel(29, 20), kBlack);
    EXPECT_EQ(ic.dc.PenX, 77);  // table drawing leaves the pen fields alone
    SetDecimalSeparator(saved);
}

// ---------------------------------------------------------------------------
// Sheets and scale

TEST_F(ScreenContextTest, AllocateSheetsAt96PpiEndsAtQuarterScale) {
    dc.AllocateSheets(2);
    EXPECT_EQ(dc.ScreenPpi, 96.0f);
    EXPECT_NEAR(dc.PxPerCmAt1, 37.795276f, 1e-4);
    EXPECT_NEAR(dc.PxPerCmX, 9.448819f, 1e-5);
    EXPECT_EQ(dc.PxPerCmY, dc.PxPerCmX);
    EXPECT_EQ(dc.SheetWidthPx, 992);
    EXPECT_EQ(dc.SheetHeightPx, 1407);
    EXPECT_EQ(dc.Scale, 4);
    EXPECT_EQ(dc.MinScale, 2);
    EXPECT_EQ(dc.IntFactorX, 1.0f);
    EXPECT_EQ(dc.IntFactorY, 1.0f);
    EXPECT_EQ(window.maxHeight, 1466);
    EXPECT_EQ(window.maxWidth, 1029);
    const int tops[3] = {0, 1417, 2834};
    for (int k = 0; k < 3; ++k) {
        SheetImage& s = window.sheets[k];
        EXPECT_EQ(s.Left(), 0);
        EXPECT_EQ(s.Top(), tops[k]);
        EXPECT_EQ(s.Width(), 992);
        EXPECT_EQ(s.Height(), 1407);
        // The bitmap keeps the size of the scale it was made at.
        EXPECT_EQ(s.Bitmap().size(), QSize(1984, 2815)) << k;
    }
}

TEST_F(ScreenContextTest, AllocationFallsBackToTheNextScale) {
    SheetImage::SetAllocationLimit(2000 * 2900);  // room for 1:2, not for 1:1
    EXPECT_EQ(AllocateFirstPossible(), 2);
    EXPECT_EQ(dc.MinScale, 2);
    EXPECT_EQ(dc.Scale, 4);
    EXPECT_EQ(window.sheets[2].Bitmap().size(), QSize(1984, 2815));

    TDrawContext none;
    FakeWindow small;
    none.SetSheetWindow(&small);
    SheetImage::SetAllocationLimit(100);
    for (int n = 1; n <= 4; ++n) EXPECT_THROW(none.AllocateSheets(n), EOutOfResources);
}

TEST_F(ScreenContextTest, FinerScaleThanAllocatedShowsMessageAndUsesMinScale) {
    dc.AllocateSheets(3);
    dc.SetScale(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Из-за фрагментации памяти система выделила \nблок не достаточный для отображения чертежа \nв "
              "заданном масштабе. Для использования данного \nмасштаба необходимо перезагрузить систему.");
    EXPECT_EQ(messages[0].caption, "Не достаточно памяти для выбранного масштаба");
    EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(dc.Scale, 3);
    EXPECT_NEAR(dc.PxPerCmX, 37.795276f / 3, 1e-4);
    EXPECT_EQ(dc.SheetWidthPx, 1322);
    EXPECT_EQ(dc.SheetHeightPx, 1877);
    EXPECT_EQ(window.sheets[1].Top(), 1887);
    EXPECT_EQ(window.sheets[2].Top(), 3774);
    EXPECT_EQ(window.maxWidth, 1359);

    dc.SetScale(3);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ScreenContextTest, ScaleChangeKeepsTheMiddleOfTheView) {
    dc.AllocateSheets(3);
    dc.SetScale(3);
    window.SetHorzScrollPos(600);
    window.SetVertScrollPos(3000);
    ASSERT_EQ(window.horz, 600);
    const float pxPerCm3 = dc.PxPerCmX;
    const float midX = (600 + 200) / pxPerCm3, midY = (3000 + 150) / pxPerCm3;

    dc.SetScale(4);
    EXPECT_EQ(dc.Scale, 4);
    EXPECT_EQ(window.horz, (600 + 200) * 3 / 4 - 200);
    EXPECT_EQ(window.vert, (3000 + 150) * 3 / 4 - 150);
    EXPECT_NEAR((window.horz + 200) / dc.PxPerCmX, midX, 1.0f / dc.PxPerCmX);
    EXPECT_NEAR((window.vert + 150) / dc.PxPerCmY, midY, 1.0f / dc.PxPerCmY);
    EXPECT_EQ(window.sheets[2].Top(), 2834);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ScreenContextTest, MaximizedWindowIsCentredWithinItsLimits) {
    dc.AllocateSheets(4);
    dc.MinScale = 1;  // as if 1:1 had been allocated
    window.maximized = true;
    struct Case {
        int scale, width, height, left, top;
    } cases[] = {
        {4, 1029, 1055, 445, 0},   // 1:4 is narrower than the screen
        {1, 1920, 1055, 0, 0},
    };
    for (const Case& c : cases) {
        dc.SetScale(c.scale);
        EXPECT_EQ(window.width, c.width) << c.scale;
        EXPECT_EQ(window.height, c.height) << c.scale;
        EXPECT_EQ(window.left, c.left) << c.scale;
        EXPECT_EQ(window.top, c.top) << c.scale;
    }
    window.screenHeight = 1500;  // taller than 1:4 allows: g = 1500 - 1491
    dc.SetScale(4);
    EXPECT_EQ(window.height, 1466);
    EXPECT_EQ(window.top, 1);  // (int)(9 * 0.5 - 3)
}

TEST_F(ScreenContextTest, ClearImagePaintsTheSheetRectangleWhite) {
    SheetImage sheet;
    sheet.SetWidth(60);
    sheet.SetHeight(40);
    Canvas& canvas = sheet.GetCanvas();
    canvas.SetPenColor(255);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Rectangle(0, 0, 60, 40);
    sheet.SetWidth(30);  // the sheet shrinks; its bitmap does not
    dc.ClearImage(sheet);
    EXPECT_EQ(canvas.PenColor(), 255);
    EXPECT_EQ(canvas.GetBrushStyle(), BrushStyle::Solid);
    EXPECT_EQ(canvas.BrushColor(), 16777215);
    const QImage& img = sheet.Bitmap();
    EXPECT_EQ(img.pixel(0, 0), kWhite);
    EXPECT_EQ(img.pixel(29, 39), kWhite);
    EXPECT_EQ(img.pixel(59, 39), qRgb(255, 0, 0));  // outside the sheet
}

TEST_F(ScreenContextTest, GridAtFullScaleOn96Ppi) {
    SheetImage sheet;
    sheet.SetWidth(3968);
    sheet.SetHeight(5631);
    dc.PxPerCmX = dc.PxPerCmY = 96.0f / 2.54f;
    sheet.GetCanvas().SetPenColor(255);
    dc.ClearImage(sheet);
    dc.DrawGrid(sheet);
    EXPECT_EQ(dc.Canvas, &sheet.GetCanvas());
    EXPECT_EQ(dc.GetPenColor(), 255);
    const QImage& img = sheet.Bitmap();
    const QRgb fine = qRgb(240, 240, 240), coarse = qRgb(220, 220, 220);
    EXPECT_EQ(img.pixel(5, 17), kWhite);
    EXPECT_EQ(img.pixel(5, 18), fine);  // (int)(37.795 * 0.5)
    EXPECT_EQ(img.pixel(3967, 18), fine);
    EXPECT_EQ(img.pixel(18, 5), fine);
    EXPECT_EQ(img.pixel(5, 170), coarse);  // 4.5 cm
    EXPECT_EQ(img.pixel(94, 5), coarse);   // 2.5 cm
    EXPECT_EQ(img.pixel(3874, 5630), coarse);  // 102.5 cm, down to the last row
    EXPECT_EQ(img.pixel(5, 5461), coarse);     // 144.5 cm
    EXPECT_EQ(img.pixel(3949, 5), fine);       // the last centimetre line, 104.5 cm
    EXPECT_EQ(img.pixel(40, 40), kWhite);
    // The pen ends at the foot of the last ten-centimetre column.
    EXPECT_EQ(dc.PenX, 3874);
    EXPECT_EQ(dc.PenY, 5631);
}

// ---------------------------------------------------------------------------
// Printer page

TEST(PrinterPage, FactorsAndPageSizeFromTheMetrics) {
    const FixedPrinterMetrics printer(4800, 6600, 203, 279);
    TDrawContext dc;
    dc.BeginPrinterPage(1.0f, printer);
    EXPECT_EQ(dc.PrinterWidthMm, 203);
    EXPECT_EQ(dc.PrinterHeightMm, 279);
    EXPECT_EQ(dc.PrinterWidthDots, 4800);
    EXPECT_EQ(dc.PrinterHeightDots, 6600);
    EXPECT_NEAR(dc.PxPerCmX, 236.453f, 1e-3);
    EXPECT_NEAR(dc.PxPerCmY, 236.559f, 1e-3);
    EXPECT_NEAR(dc.IntFactorX, 6.2562f, 1e-4);
    EXPECT_NEAR(dc.PageWidthCm, 20.3f, 1e-5);
    EXPECT_NEAR(dc.PageHeightCm, 27.9f, 1e-5);
    EXPECT_EQ(dc.PageWidthUnits(), 767);
    EXPECT_EQ(dc.PageHeightUnits(), 1054);

    dc.BeginPrinterPage(4.0f, printer);
    EXPECT_NEAR(dc.PageWidthCm, 81.2f, 1e-4);
    EXPECT_NEAR(dc.PageHeightCm, 111.6f, 1e-4);
    EXPECT_NEAR(dc.PxPerCmX, 59.113f, 1e-3);
    EXPECT_NEAR(dc.IntFactorX, 6.2562f, 1e-4);  // tables keep their size
}

TEST(PrinterPage, ZeroSizeOrScaleThrows) {
    TDrawContext dc;
    EXPECT_THROW(dc.BeginPrinterPage(1.0f, FixedPrinterMetrics(4800, 6600, 0, 279)), EFloatError);
    EXPECT_THROW(dc.BeginPrinterPage(1.0f, FixedPrinterMetrics(4800, 6600, 203, 0)), EFloatError);
    EXPECT_THROW(dc.BeginPrinterPage(0.0f, FixedPrinterMetrics(4800, 6600, 203, 279)), EFloatError);
}

TEST(PrinterPage, SetPrinterOriginPlacesTablesAtThePatternPoint) {
    TDrawContext dc;
    dc.SetOrigin(5, 10);
    dc.SetPrinterOrigin(1, 2);
    EXPECT_NEAR(dc.IntOffsetX, 6 * 96 / 2.54f, 1e-3);
    EXPECT_NEAR(dc.IntOffsetY, 8 * 96 / 2.54f, 1e-3);
}

TEST(PrinterPage, LabelOffsetsAreMultiplesOfTheTableFactor) {
    TDrawContext dc;
    dc.BeginPrinterPage(1.0f, FixedPrinterMetrics(400, 300, 40, 30));  // fx = fy = 2.6458
    auto canvas = WhiteCanvas(400, 300);
    dc.AttachPrinterCanvas(canvas.get());
    EXPECT_EQ(canvas->GetBrushStyle(), BrushStyle::Clear);
    EXPECT_EQ(dc.PrinterWidthDots, 400);  // the font size is not read
    const float fx = dc.IntFactorX, fy = dc.IntFactorY;
    struct Case {
        int placement;
        float ux, uy;  // offset in table units
    } cases[] = {{0, 0, 0},     {1, -9, -12},  {2, 2, -12},  {3, 2, 0},     {4, -9, 0},  {5, -13, 0},
                 {6, -13, -12}, {7, -15, 0},   {8, -17, -12}, {9, -21, 0},  {10, -21, -12}, {12, 0, 0}};
    dc.SetOrigin(0, 20);
    for (const Case& c : cases) {
        auto image = WhiteCanvas(400, 300);
        dc.AttachPrinterCanvas(image.get());
        dc.PrinterLabel(Vector(1, 19), "K3", c.placement);  // pixel (100, 100)
        EXPECT_EQ(dc.PenX, 100);
        EXPECT_EQ(dc.PenY, 100);
        const int x = int(100 + c.ux * fx), y = int(100 + c.uy * fy);
        EXPECT_EQ(image->Image(), TextImage(400, 300, x, y, "K3")) << "placement " << c.placement;
    }
}

TEST(PrinterPage, FrameOfThePrintableAreaInDots) {
    TDrawContext dc;
    dc.BeginPrinterPage(1.0f, FixedPrinterMetrics(100, 80, 25, 20));
    auto canvas = WhiteCanvas(100, 80);
    dc.AttachPrinterCanvas(canvas.get());
    dc.SetOrigin(3, 3);
    dc.PrintableAreaFrame();
    const QImage& img = canvas->Image();
    EXPECT_EQ(img.pixel(0, 0), kBlack);
    EXPECT_EQ(img.pixel(98, 0), kBlack);
    EXPECT_EQ(img.pixel(98, 40), kBlack);
    EXPECT_EQ(img.pixel(40, 79), kBlack);
    EXPECT_EQ(img.pixel(0, 40), kBlack);
    EXPECT_EQ(img.pixel(99, 40), kWhite);
    EXPECT_EQ(img.pixel(50, 40), kWhite);
}

TEST(PrinterPage, PrintsThroughTheProgramsPrinterToPdf) {
    const std::string path = ::testing::TempDir() + "drawcontext_page.pdf";
    Printer& printer = ThePrinter();
    printer.SetPdfOutput(path);
    TDrawContext dc;
    dc.BeginPrinterPage(1.0f);
    EXPECT_EQ(dc.PrinterWidthDots, printer.WidthDots());
    EXPECT_NEAR(dc.PxPerCmX, printer.WidthDots() * 10.0f / printer.WidthMm(), 1e-3);
    printer.BeginDoc();
    dc.AttachPrinterCanvas();
    EXPECT_EQ(dc.Canvas, &printer.GetCanvas());
    dc.PrintableAreaFrame();
    dc.SetOrigin(2, 2);
    dc.SetPenWidth(4);
    dc.MoveTo(Vector(0, 0));
    dc.LineTo(Vector(10, -10));
    dc.PrinterLabel(Vector(10, -10), "B2", 3);
    printer.EndDoc();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}
