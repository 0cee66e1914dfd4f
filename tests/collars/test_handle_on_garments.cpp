// The handle protocol through the drawing window on a real dress: the
// collar of the tests (HandleCollar.h) stands in for a lapel collar, whose
// handle a press on sheet 1 grabs and a held move drags, the sheet drawn
// again at every step, and whose failed draft the window reports.
#include <gtest/gtest.h>

#include "tests/collars/HandleCollar.h"
#include "tests/collars/HandleOnSheet.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"

namespace {

class HandleOnGarmentTest : public DressWindowsTest {
protected:
    void RegisterGarments() override {
        DressWindowsTest::RegisterGarments();
        kept_ = RegisterCollarMaker(THandleCollar::kKind, [] { return new THandleCollar; });
    }
    void AfterTearDown() override {
        RegisterCollarMaker(THandleCollar::kKind, kept_);
        DressWindowsTest::AfterTearDown();
    }

    THandleCollar& Collar() { return dynamic_cast<THandleCollar&>(*main->Collar); }
    QPoint At(const Vector& p) const { return CollarPixel(p); }
    bool GreenAround(const Vector& p) { return ::GreenAround(report->List1()->Bitmap(), p); }

private:
    CollarMaker kept_;
};

TEST_F(HandleOnGarmentTest, TheHandleIsDraggedAndAFailedDraftReported) {
    TypeSamples(7, THandleCollar::kKind, 0);
    main->CalcExecute();
    ASSERT_TRUE(main->Model->calculated);
    ASSERT_TRUE(GreenAround(Vector(5, 5)));

    // Pressed beside the handle: nothing grabbed.
    const QPoint beside = At(Vector(3, 3));
    report->ListMouseDown(1, Qt::LeftButton, beside.x(), beside.y());
    EXPECT_FALSE(main->DraggingCollar);
    report->ListMouseUp(1, Qt::LeftButton, beside.x(), beside.y());

    // Pressed on it and moved 2 cm to the right: the tip follows, the sheet
    // shows the handle at its new place only.
    const QPoint press = At(Vector(5, 5));
    report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
    ASSERT_TRUE(main->DraggingCollar);
    const int twoCm = int(2 * ScreenDC.PxPerCmX + 0.5f);
    report->ListMouseMove(1, Qt::LeftButton, press.x() + twoCm, press.y());
    EXPECT_NEAR(Collar().Tip.Point.x, 7, 0.15);
    EXPECT_NEAR(Collar().Tip.Point.y, 5, 0.15);
    EXPECT_EQ(Collar().Corner.x, Collar().Tip.Point.x);
    EXPECT_TRUE(GreenAround(Collar().Tip.Point));
    EXPECT_FALSE(GreenAround(Vector(5, 5)));
    EXPECT_TRUE(messages.empty());
    const Vector good = Collar().Tip.Point;

    // On past where the collar can be drafted: the window's message, the
    // sheets cleared, the drag ended; the collar keeps its last good draft.
    report->ListMouseMove(1, Qt::LeftButton, press.x() + 2 * twoCm, press.y());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Не допустимое положение воротника. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте воротника");
    EXPECT_FALSE(main->DraggingCollar);
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_EQ(Collar().Tip.Point, good);
    EXPECT_EQ(Collar().Corner.x, good.x);
    report->ListMouseUp(1, Qt::LeftButton, press.x() + 2 * twoCm, press.y());

    // The next calculation puts the handle back to its default.
    messages.clear();
    main->CalcExecute();
    ASSERT_TRUE(main->Model->calculated);
    EXPECT_EQ(Collar().Tip.Point, Vector(5, 5));
}

}  // namespace
