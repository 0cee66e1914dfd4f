// The handle protocol the reshapeable collars share, on the small collar of
// the tests (HandleCollar.h).
#include <gtest/gtest.h>

#include <QImage>

#include "kernel/DrawContext.h"
#include "platform/Canvas.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/collars/HandleCollar.h"
#include "tests/collars/HandleOnSheet.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

class CollarFrameTest : public ProgramWindowsTest {
protected:
    THandleCollar* collar = nullptr;
    TTestDress* dress = nullptr;

    void AfterWindows() override {
        dress = new TTestDress;
        main->Model = dress;
        collar = new THandleCollar;
        main->Collar = collar;
        collar->Calculate();
        dress->calculated = true;
        DrawLabelsOnSheet(*collar, 1);
    }
    // A press, then drags to the given points, each followed by the
    // collar's Calculate, as the drawing window runs them.
    bool Press(float x, float y) {
        main->DraggingCollar = collar->HitTest(1, x, y);
        return main->DraggingCollar;
    }
    void Move(float x, float y) {
        collar->Drag(x, y);
        collar->Calculate();
    }
};

// The box is the handle point ± 0.6 cm, edges included, on the sheet the
// box is drawn on; nothing is grabbed before the garment is calculated.
TEST_F(CollarFrameTest, APressGrabsTheHandleInsideItsBox) {
    EXPECT_EQ(collar->Tip.Box[0], Vector(4.4f, 5.6f));
    EXPECT_EQ(collar->Tip.Box[3], Vector(5.6f, 4.4f));
    struct Case {
        float x, y;
        bool grabs;
    } cases[] = {{5, 5, true},         {4.4f, 5.6f, true},  {5.6f, 4.4f, true}, {5.61f, 5, false},
                 {5, 4.39f, false},    {4.39f, 5, false},   {5, 5.61f, false},  {0, 0, false}};
    for (const Case& c : cases) EXPECT_EQ(collar->HitTest(1, c.x, c.y), c.grabs) << c.x << ", " << c.y;
    // Only on the sheet it is drawn on, and only until that sheet is cleared.
    EXPECT_FALSE(collar->HitTest(2, 5, 5));
    EXPECT_FALSE(collar->HitTest(3, 5, 5));
    ScreenDC.ClearImage(*report->List1());
    EXPECT_FALSE(collar->HitTest(1, 5, 5));
    DrawLabelsOnSheet(*collar, 2);
    EXPECT_FALSE(collar->HitTest(1, 5, 5));
    EXPECT_TRUE(collar->HitTest(2, 5, 5));
    dress->calculated = false;
    EXPECT_FALSE(collar->HitTest(1, 5, 5));
}

// The handle keeps its place relative to the cursor, stays within its
// limits, and the draft follows it while the drag lasts; the next
// calculation without a drag puts it back to its default.
TEST_F(CollarFrameTest, ADragMovesTheHandleWithinItsLimits) {
    ASSERT_TRUE(Press(5.3f, 4.8f));
    Move(6.3f, 5.8f);
    EXPECT_EQ(collar->Tip.Point, Vector(6, 6));
    EXPECT_EQ(collar->Corner, Vector(6, 0));
    EXPECT_EQ(collar->Tip.Box[1], Vector(6.6f, 6.6f));
    EXPECT_EQ(collar->BoxRight, 6);
    collar->Drag(30, 1);
    EXPECT_EQ(collar->Tip.Point.x, 10);  // limited
    main->DraggingCollar = false;
    collar->Calculate();
    EXPECT_EQ(collar->Tip.Point, Vector(5, 5));
    EXPECT_EQ(collar->Corner, Vector(5, 0));
}

// A drag without a grab, or one whose point the limits cannot judge, leaves
// the handle where it was, and never throws.
TEST_F(CollarFrameTest, AFailedDragLeavesTheHandle) {
    collar->Drag(7, 7);  // nothing grabbed yet
    EXPECT_EQ(collar->Tip.Point, Vector(5, 5));
    ASSERT_FALSE(Press(1, 1));
    collar->Drag(7, 7);
    EXPECT_EQ(collar->Tip.Point, Vector(5, 5));
    ASSERT_TRUE(Press(5, 5));
    collar->limitFails = true;
    EXPECT_NO_THROW(collar->Drag(7, 7));
    EXPECT_EQ(collar->Tip.Point, Vector(5, 5));
}

// A draft that fails while dragging passes the failure on (the drawing
// window reports it) and leaves the collar as its last good draft.
TEST_F(CollarFrameTest, AFailedDraftKeepsTheLastGoodOne) {
    ASSERT_TRUE(Press(5, 5));
    Move(7, 6);
    collar->Drag(9, 6);
    EXPECT_THROW(collar->Calculate(), EFloatError);
    EXPECT_EQ(collar->Tip.Point, Vector(7, 6));
    EXPECT_EQ(collar->Corner, Vector(7, 0));
    EXPECT_EQ(collar->BoxRight, 7);
    EXPECT_EQ(collar->Tip.Box[0], Vector(6.4f, 6.6f));
    // The drag goes on from there.
    Move(7.5f, 6);
    EXPECT_EQ(collar->Corner, Vector(7.5f, 0));
}

// The handle box is drawn last, as a green square, with pen width 2; the
// pen colour is put back.  A printed page shows no handle.
TEST_F(CollarFrameTest, TheHandleBoxIsDrawnOnTheScreenOnly) {
    const QRgb green = qRgb(0, 255, 0);
    {
        CollarDrawing screen(200, 200, 2, 12);
        ScreenDC.SetPenColor(255);
        collar->Draw();
        collar->DrawLabels();
        EXPECT_EQ(ScreenDC.GetPenColor(), 255);
        EXPECT_EQ(screen.Canvas().PenWidth(), 2);
        const int left = ScreenDC.PixelX(4.4f), right = ScreenDC.PixelX(5.6f);
        const int top = ScreenDC.PixelY(5.6f), bottom = ScreenDC.PixelY(4.4f);
        const QImage& drawn = screen.Image();
        EXPECT_EQ(drawn.pixel((left + right) / 2, top), green);
        EXPECT_EQ(drawn.pixel((left + right) / 2, bottom), green);
        EXPECT_EQ(drawn.pixel(left, (top + bottom) / 2), green);
        EXPECT_EQ(drawn.pixel(right, (top + bottom) / 2), green);
    }
    // On paper: the piece without its handle.
    ImageCanvas page(CollarDrawing::White(200, 200));
    TDrawContext dc;
    dc.SetCanvas(&page);
    dc.PxPerCmX = dc.PxPerCmY = 10.0f;
    dc.SetOrigin(2, 12);
    collar->PrintOn(dc);
    const QImage& printed = page.Image();
    EXPECT_FALSE(CollarDrawing::Has(printed, green));
    EXPECT_EQ(printed.pixel(dc.PixelX(2.5f), dc.PixelY(2.5f)), qRgb(0, 0, 0));
}

}  // namespace
