// A raglan handle drag redraws the two sheets frame after frame; whatever
// the frames were, the sheets must end exactly as a full clear and redraw
// of the same draft leaves them, pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <tuple>
#include <vector>

#include "garments/bodice_women/Dress.h"
#include "kernel/DrawContext.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

class RaglanDragRedrawTest : public GarmentWindowTest {
protected:
    // The sheets 1 and 2 as they are now.
    std::vector<QImage> Sheets() const {
        return {report->List1()->Bitmap().copy(), report->List2()->Bitmap().copy()};
    }
    // The sheets of a full clear and redraw of the draft as it stands.
    std::vector<QImage> FullRedraw() {
        main->Model->ClearSheets();
        main->Model->Draw();
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
};

}  // namespace

// The fitted dress and the straight jacket with either raglan, at 1:4 and at
// 1:3 (the finest scale of the test windows), dragged through a run of positions (out, in, beyond either limit and
// back): after each run of frames, both sheets as a full redraw leaves them.
TEST_F(RaglanDragRedrawTest, TheFramesLeaveTheSheetsAsAFullRedraw) {
    // Offsets of the pointer along the raglan's normal, in cm; each run of
    // frames ends at its last position and is compared there.
    const std::vector<std::vector<float>> runs = {
        {0.3f},
        {0.5f, 1.0f, -0.4f},
        {20.0f, -20.0f, 0.2f},
        {-1.0f, -1.5f, -0.5f, 0.7f, 1.4f, 0.0f},
    };
    for (auto [type, kind] : {std::tuple{8, 5}, {8, 6}, {9, 5}, {9, 6}})
        for (int scale : {4, 3}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind << " 1:" << scale);
            main->FillSamples = true;
            ASSERT_TRUE(main->CreateModel(type, 1, kind));
            main->FillSamples = false;
            if (scale == 4)
                main->Mashtab14Execute();
            else
                main->Mashtab13Execute();
            main->CalcExecute();
            ASSERT_TRUE(main->Model->calculated);
            ASSERT_EQ(ScreenDC.Scale, scale);
            auto& d = dynamic_cast<TDress&>(*main->Model);
            const Vector n = Vector::UnitNormalBetween(d.A9, d.P3);
            for (size_t r = 0; r < runs.size(); ++r) {
                SCOPED_TRACE(testing::Message() << "run " << r);
                ScreenDC.RestoreCollarOrigin();
                const int x = ScreenDC.PixelX(d.C2.x), y = ScreenDC.PixelY(d.C2.y);
                report->ListMouseDown(1, Qt::LeftButton, x, y);
                ASSERT_TRUE(main->DraggingSleeve);
                const float px = ScreenDC.PxPerCmX;
                for (float cm : runs[r])
                    report->ListMouseMove(1, Qt::LeftButton, x + int(std::lround(n.x * cm * px)),
                                          y - int(std::lround(n.y * cm * px)));
                ASSERT_TRUE(main->Model->calculated);
                const std::vector<QImage> framed = Sheets();
                report->ListMouseUp(1, Qt::LeftButton, x, y);
                const std::vector<QImage> full = FullRedraw();
                EXPECT_EQ(Differing(framed[0], full[0]), 0) << "sheet 1";
                EXPECT_EQ(Differing(framed[1], full[1]), 0) << "sheet 2";
            }
        }
}
