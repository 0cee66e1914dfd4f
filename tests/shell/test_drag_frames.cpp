// Every handle's drag redraws its sheets frame after frame, changing only
// what the drag changes; whatever the frames were, every sheet must end
// exactly as a whole drawing of the same draft leaves it, pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "collars/LapelCollar.h"
#include "collars/MenForCoat.h"
#include "collars/MenLapel.h"
#include "garments/bodice_women/Dress.h"
#include "kernel/DrawContext.h"
#include "platform/Canvas.h"
#include "shell/GarmentSheets.h"
#include "sleeves/set_in/ShirtSleeve.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

// A handle: the garment with its collar and sleeve kinds, the sheet the
// handle lies on, its point (nullptr: not there), whether the press grabbed
// it, and the direction (cm) the pointer moves it in.
struct HandleCase {
    const char* name;
    int type, collar, sleeve;
    int sheet;
    std::function<const Vector*(TMainForm&)> point;
    std::function<bool(TMainForm&)> grabbed;
    Vector direction;
    bool collarHandle = false;  // a collar's (RedrawCollar), else a sleeve's (RedrawSleeve)
};

bool CollarGrabbed(TMainForm& m) { return m.DraggingCollar; }
bool SleeveGrabbed(TMainForm& m) { return m.DraggingSleeve; }

const Vector* LapelBreak(TMainForm& m) {
    auto* c = dynamic_cast<TLapelCollar*>(m.Collar);
    return c ? &c->BreakPoint.Point : nullptr;
}
const Vector* MenBreak(TMainForm& m) {
    auto* c = dynamic_cast<TMenLapelCollar*>(m.Collar);
    return c ? &c->BreakPoint : nullptr;
}
const Vector* MenGorge(TMainForm& m) {
    auto* c = dynamic_cast<TMenForCoat*>(m.Collar);
    return c ? &c->A5 : nullptr;
}
const Vector* RaglanC2(TMainForm& m) {
    auto* d = dynamic_cast<TDress*>(m.Model);
    return d ? &d->C2 : nullptr;
}
std::function<const Vector*(TMainForm&)> ShirtSleevePoint(int handle) {
    return [handle](TMainForm& m) -> const Vector* {
        auto* s = dynamic_cast<TShirtSleeve*>(m.Sleeve);
        return s && s->Drafted ? (handle == 1 ? &s->O1 : &s->H) : nullptr;
    };
}
std::function<bool(TMainForm&)> ShirtSleeveGrabbed(int handle) {
    return [handle](TMainForm& m) {
        auto* s = dynamic_cast<TShirtSleeve*>(m.Sleeve);
        return m.DraggingSleeve && s && s->ActiveHandle == handle;
    };
}

const std::vector<HandleCase>& Handles() {
    static const std::vector<HandleCase> cases = {
        {"women's jacket collar, break point", 10, 4, 1, 1, LapelBreak, CollarGrabbed, Vector(0.3f, -1), true},
        {"women's shawl collar, break point", 10, 5, 1, 1, LapelBreak, CollarGrabbed, Vector(0.3f, -1), true},
        {"men's jacket collar, break point", 31, 7, 0, 1, MenBreak, CollarGrabbed, Vector(0.3f, -1), true},
        {"men's jacket collar, gorge point", 31, 7, 0, 1, MenGorge, CollarGrabbed, Vector(0, -1), true},
        {"men's shawl collar, break point", 31, 8, 0, 1, MenBreak, CollarGrabbed, Vector(0.3f, -1), true},
        {"jacket collar on the men's jacket, break point", 24, 4, 1, 1, LapelBreak, CollarGrabbed, Vector(0.3f, -1),
         true},
        {"shawl collar on the men's fitted jacket, break point", 25, 5, 1, 1, LapelBreak, CollarGrabbed,
         Vector(0.3f, -1), true},
        {"straight raglan, fitted dress", 8, 1, 5, 1, RaglanC2, SleeveGrabbed, Vector(-0.7f, 0.7f)},
        {"darted raglan, fitted dress", 8, 1, 6, 1, RaglanC2, SleeveGrabbed, Vector(-0.7f, 0.7f)},
        {"straight raglan, jacket", 9, 1, 5, 1, RaglanC2, SleeveGrabbed, Vector(-0.7f, 0.7f)},
        {"darted raglan, jacket", 9, 1, 6, 1, RaglanC2, SleeveGrabbed, Vector(-0.7f, 0.7f)},
        {"shirt sleeve's cap, winter coat", 14, 0, 4, 2, ShirtSleevePoint(1), ShirtSleeveGrabbed(1), Vector(0, -1)},
        {"shirt sleeve's hem, winter coat", 14, 0, 4, 2, ShirtSleevePoint(2), ShirtSleeveGrabbed(2), Vector(0, -1)},
        {"shirt sleeve's cap, men's shirt", 22, 0, 4, 2, ShirtSleevePoint(1), ShirtSleeveGrabbed(1), Vector(0, -1)},
        {"shirt sleeve's hem, men's shirt", 23, 0, 4, 2, ShirtSleevePoint(2), ShirtSleeveGrabbed(2), Vector(0, -1)},
    };
    return cases;
}

class DragFramesTest : public GarmentWindowTest {
protected:
    std::vector<QImage> Sheets() const {
        return {report->List1()->Bitmap().copy(), report->List2()->Bitmap().copy(),
                report->List3()->Bitmap().copy()};
    }
    // The sheets as the calculation road leaves the draft as it stands.
    std::vector<QImage> RoadRedraw() {
        main->Model->ClearSheets();
        main->Model->Draw();
        main->Model->DrawTables(ScreenDC.Scale);
        return Sheets();
    }
    // The sheets as the handle's redraw leaves them drawn whole: with no
    // list of their drawing kept.
    std::vector<QImage> WholeRedraw(const HandleCase& h) {
        for (SheetImage* sheet : {report->List1(), report->List2(), report->List3()})
            dynamic_cast<ImageCanvas&>(sheet->GetCanvas()).InvalidateOps();
        if (h.sheet == 1)
            ScreenDC.RestoreCollarOrigin();
        else
            ScreenDC.RestoreSleeveOrigin();
        if (h.collarHandle)
            main->Model->RedrawCollar();
        else
            main->Model->RedrawSleeve();
        return Sheets();
    }
    // How many pixels of a and b differ (0: identical).
    static long Differing(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return -1;
        long n = 0;
        for (int y = 0; y < a.height(); ++y) {
            const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) n += pa[x] != pb[x];
        }
        return n;
    }
    // The draft of the case calculated at 1:scale from its samples.
    void Calculate(const HandleCase& h, int scale) {
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(h.type, h.collar, h.sleeve));
        main->FillSamples = false;
        if (scale == 4)
            main->Mashtab14Execute();
        else
            main->Mashtab13Execute();
        main->CalcExecute();
        ASSERT_TRUE(main->Model->calculated);
        ASSERT_EQ(ScreenDC.Scale, scale);
    }
    // Presses the handle and moves the pointer through `run` (cm along the
    // case's direction); the sheets at the last frame, the pointer still held.
    std::vector<QImage> Drag(const HandleCase& h, const std::vector<float>& run) {
        if (h.sheet == 1)
            ScreenDC.RestoreCollarOrigin();
        else
            ScreenDC.RestoreSleeveOrigin();
        const Vector* p = h.point(*main);
        EXPECT_NE(p, nullptr);
        if (!p) return {};
        const int x = ScreenDC.PixelX(p->x), y = ScreenDC.PixelY(p->y);
        report->ListMouseDown(h.sheet, Qt::LeftButton, x, y);
        EXPECT_TRUE(h.grabbed(*main));
        const float px = ScreenDC.PxPerCmX;
        for (float cm : run)
            report->ListMouseMove(h.sheet, Qt::LeftButton, x + int(std::lround(h.direction.x * cm * px)),
                                  y - int(std::lround(h.direction.y * cm * px)));
        std::vector<QImage> framed = Sheets();
        report->ListMouseUp(h.sheet, Qt::LeftButton, x, y);
        return framed;
    }
};

}  // namespace

// Every handle at 1:3 (the finest scale of the test windows: the frames
// change only what differs) and at 1:4 (the sheets' bitmaps are larger than
// the sheets: the frames draw whole), dragged through runs of positions
// (out, in, far beyond the limits and back), the first run on sheets the
// road has just drawn.  After each run every sheet is as the same draft
// drawn whole at the same origins leaves it: by the handle's redraw with no
// list of the sheets kept, and by the calculation road when that keeps the
// origins (a collar's box places sheet 1 on the road, while a drag keeps
// the bodice where it was).
TEST_F(DragFramesTest, EveryHandlesFramesLeaveTheSheetsAsAWholeDrawing) {
    const std::vector<std::vector<float>> runs = {
        {0.3f},
        {0.5f, 1.0f, -0.4f},
        {20.0f, -20.0f, 0.2f},
        {-1.0f, -1.5f, -0.5f, 0.7f, 1.4f, 0.0f},
    };
    int roadCompared = 0;
    for (const HandleCase& h : Handles())
        for (int scale : {3, 4}) {
            SCOPED_TRACE(testing::Message() << h.name << " at 1:" << scale);
            Calculate(h, scale);
            if (HasFatalFailure()) return;
            for (size_t r = 0; r < runs.size(); ++r) {
                SCOPED_TRACE(testing::Message() << "run " << r);
                const std::vector<QImage> framed = Drag(h, runs[r]);
                ASSERT_EQ(framed.size(), 3u);
                ASSERT_TRUE(main->Model->calculated);
                const Vector collarOrigin = ScreenDC.CollarOrigin, sleeveOrigin = ScreenDC.SleeveOrigin;
                const std::vector<QImage> whole = WholeRedraw(h);
                for (int n = 0; n < 3; ++n) EXPECT_EQ(Differing(framed[n], whole[n]), 0) << "sheet " << n + 1;
                const std::vector<QImage> road = RoadRedraw();
                if (ScreenDC.CollarOrigin == collarOrigin && ScreenDC.SleeveOrigin == sleeveOrigin) {
                    ++roadCompared;
                    for (int n = 0; n < 3; ++n) EXPECT_EQ(Differing(framed[n], road[n]), 0) << "road, sheet " << n + 1;
                }
            }
        }
    EXPECT_GT(roadCompared, 0);
}

// A frame whose drawing fails leaves the sheet as the last frame drew it
// and passes the failure on; the next frame draws the sheet as a whole
// drawing does, whatever the failed one had listed.
TEST_F(DragFramesTest, AFailedFrameLeavesTheLastDrawingAndTheNextFrameDrawsWhole) {
    main->FillSamples = true;
    ASSERT_TRUE(main->CreateModel(8, 1, 1));
    main->Mashtab13Execute();
    main->CalcExecute();
    ASSERT_TRUE(main->Model->calculated);
    ASSERT_EQ(ScreenDC.Scale, 3);
    // A slanting line and a label that move with `shift`; `fail` throws
    // halfway.
    auto drawing = [](int shift, bool fail) {
        return [shift, fail] {
            ASSERT_TRUE(GarmentSheets::Attach(1));
            ScreenDC.Canvas->SetPenWidth(2);
            ScreenDC.MoveToInt(100 + shift, 100);
            ScreenDC.LineToInt(400, 300 + shift);
            if (fail) throw std::runtime_error("the frame failed");
            ScreenDC.TextAt(200 + shift, 150, "A1");
        };
    };
    auto whole = [&](int shift) {
        dynamic_cast<ImageCanvas&>(report->List1()->GetCanvas()).InvalidateOps();
        GarmentSheets::RedrawChanged(1, drawing(shift, false));
        return report->List1()->Bitmap().copy();
    };
    GarmentSheets::RedrawChanged(1, drawing(0, false));
    GarmentSheets::RedrawChanged(1, drawing(30, false));
    const QImage last = report->List1()->Bitmap().copy();
    EXPECT_THROW(GarmentSheets::RedrawChanged(1, drawing(60, true)), std::runtime_error);
    EXPECT_EQ(Differing(report->List1()->Bitmap(), last), 0);
    GarmentSheets::RedrawChanged(1, drawing(90, false));
    GarmentSheets::RedrawChanged(1, drawing(10, false));
    const QImage framed = report->List1()->Bitmap().copy();
    EXPECT_EQ(Differing(framed, whole(10)), 0);
    EXPECT_GT(Differing(framed, last), 0);
}
