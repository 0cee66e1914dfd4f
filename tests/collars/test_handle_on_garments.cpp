// The handle protocol through the drawing window on a real dress: the
// collar of the tests (HandleCollar.h) stands in for a lapel collar, whose
// handle a press on sheet 1 grabs and a held move drags, the sheet drawn
// again at every step, and whose failed draft the window reports.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "collars/LapelCollar.h"
#include "collars/MenForCoat.h"
#include "garments/bodice_women/Dress.h"
#include "garments/shirts_men/MenDress.h"
#include "sleeves/set_in/ShirtSleeve.h"
#include "tests/collars/HandleCollar.h"
#include "tests/collars/MenForCoatFixture.h"
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

// ---------------------------------------------------------------------------
// Every handle of the program on the garments that carry it, through the
// drawing window: a press grabs it only on the sheet it is drawn on; a press
// at the same spot of the other sheet (in that sheet's axes) grabs nothing,
// and the move that follows pans and moves nothing.  A drag whose pointer
// gives no finite point leaves the handle's drag point where it was.


namespace {

DragHandle* LapelBreak() { return &dynamic_cast<TLapelCollar&>(*MainForm->Collar).BreakPoint; }
DragHandle* MenGorge() { return &dynamic_cast<TMenForCoat&>(*MainForm->Collar).Gorge; }
DragHandle* MenBreak() { return &dynamic_cast<TMenLapelCollar&>(*MainForm->Collar).Break; }
DragHandle* RaglanBend() { return &dynamic_cast<TDress&>(*MainForm->Model).RaglanHandle; }
DragHandle* ShirtCap() { return &dynamic_cast<TShirtSleeve&>(*MainForm->Sleeve).CapHandle; }
DragHandle* ShirtHem() { return &dynamic_cast<TShirtSleeve&>(*MainForm->Sleeve).HemHandle; }
// The men's raglan lines bend at a fixed C2, with no handle.
Vector MenShirtBend() { return dynamic_cast<TMenDress&>(*MainForm->Model).C2; }
Vector MenCoatBend() { return dynamic_cast<TMenPattern&>(*MainForm->Model).C2; }

struct HandleCase {
    const char* name;
    int type, collar, sleeve;
    bool menCoat;  // typed with the men's outerwear rows
    int sheet;     // the sheet its box is drawn on; 0: no handle at all
    DragHandle* (*handle)();
    Vector (*point)();  // where there is no handle
};

const HandleCase kHandleCases[] = {
    {"women's lapel collar", 8, 4, 0, false, 1, LapelBreak, nullptr},
    {"women's shawl collar", 13, 5, 0, false, 1, LapelBreak, nullptr},
    {"lapel collar on a men's shirt", 24, 4, 0, false, 1, LapelBreak, nullptr},
    {"men's jacket collar, gorge", 28, 7, 0, true, 1, MenGorge, nullptr},
    {"men's jacket collar, break point", 28, 7, 0, true, 1, MenBreak, nullptr},
    {"men's shawl collar", 34, 8, 0, true, 1, MenBreak, nullptr},
    {"women's raglan line", 7, 1, 5, false, 1, RaglanBend, nullptr},
    {"women's darted raglan line", 11, 0, 6, false, 1, RaglanBend, nullptr},
    {"shirt sleeve cap, women's dress", 7, 0, 4, false, 2, ShirtCap, nullptr},
    {"shirt sleeve hem, women's dress", 7, 0, 4, false, 2, ShirtHem, nullptr},
    {"shirt sleeve cap, men's shirt", 22, 0, 4, false, 2, ShirtCap, nullptr},
    {"shirt sleeve hem, men's shirt", 22, 0, 4, false, 2, ShirtHem, nullptr},
    {"men's shirt raglan line", 22, 0, 5, false, 0, nullptr, MenShirtBend},
    {"men's coat raglan line", 28, 7, 15, true, 0, nullptr, MenCoatBend},
};

class HandlesOnTheirSheetsTest : public MenForCoatTest {
protected:
    int Kind() const override { return kind_; }

    void Draft(const HandleCase& c) {
        if (c.menCoat) {
            kind_ = c.collar;
            Calculated(c.type, c.sleeve);
        } else {
            main->FillSamples = true;
            EXPECT_TRUE(main->CreateModel(c.type, c.collar, c.sleeve));
            main->FillSamples = false;
            messages.clear();
            main->CalcExecute();
        }
    }
    Vector PointOf(const HandleCase& c) const { return c.handle ? c.handle()->Point : c.point(); }
    bool Dragging() const { return main->DraggingCollar || main->DraggingSleeve; }
    void Release(int sheet) { report->ListMouseUp(sheet, Qt::LeftButton, 0, 0); }

private:
    int kind_ = TMenForCoat::kKind;
};

TEST_F(HandlesOnTheirSheetsTest, AHandleIsGrabbedOnlyOnTheSheetItIsDrawnOn) {
    for (const HandleCase& c : kHandleCases) {
        SCOPED_TRACE(c.name);
        Draft(c);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        const Vector point = PointOf(c);
        for (int sheet : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "sheet " << sheet);
            const QPoint at = SheetPixel(sheet, point);
            SheetImage* image = sheet == 1 ? report->List1() : report->List2();
            EXPECT_EQ(GreenAround(image->Bitmap(), at), sheet == c.sheet);
            report->SetHorzScrollPos(0);
            report->SetVertScrollPos(0);
            report->ListMouseDown(sheet, Qt::LeftButton, at.x(), at.y());
            if (sheet != c.sheet) {
                EXPECT_FALSE(Dragging());
                report->ListMouseMove(sheet, Qt::LeftButton, at.x() - 30, at.y() - 20);
                EXPECT_EQ(PointOf(c), point);
                EXPECT_EQ(report->HorzScrollPos(), 30);
                EXPECT_EQ(report->VertScrollPos(), 20);
                Release(sheet);
                continue;
            }
            ASSERT_TRUE(Dragging());
            // A small drag, then pointers that give no finite point: the
            // drag point and the handle stay where the last one put them.
            report->ListMouseMove(sheet, Qt::LeftButton, at.x() + 3, at.y() + 3);
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
            DragHandle& h = *c.handle();
            const Vector dragPoint = h.DragPoint, moved = h.Point;
            ASSERT_TRUE(std::isfinite(dragPoint.x) && std::isfinite(dragPoint.y));
            const float nan = std::numeric_limits<float>::quiet_NaN();
            const float inf = std::numeric_limits<float>::infinity();
            for (Vector p : {Vector(nan, 0), Vector(0, inf), Vector(-inf, nan)}) {
                if (main->DraggingCollar) main->Collar->Drag(p.x, p.y);
                if (main->DraggingSleeve) main->Sleeve->Drag(p.x, p.y);
                EXPECT_EQ(h.DragPoint, dragPoint);
                EXPECT_EQ(h.Point, moved);
            }
            Release(sheet);
            main->CalcExecute();  // the handle back to its default
        }
    }
}

}  // namespace
