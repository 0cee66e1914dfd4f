// The shirt sleeve (kind 4) and the one-seam sleeve with elbow dart (kind 3)
// with the program's own dresses, jackets and coats: chosen in the base
// selection, fitted on the road, drawn on the sleeve sheet, kept in the
// order file, printed; and the shirt sleeve's handles dragged on the sheet.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/bodice_women/Dress.h"
#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "shell/ReporForm.h"
#include "sleeves/set_in/OneCut.h"
#include "sleeves/set_in/ShirtSleeve.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"
#include "tests/sleeves/set_in/SleeveWindowTest.h"

namespace {

constexpr int kDartKind = 3, kShirtKind = 4;

class SetInKindsTest : public SleeveWindowTest {
protected:
    TSleeve& Calculate(int type, int kind, int collar = 0) { return CalculateWith<TSleeve>(type, collar, kind); }
    TDress& Dress() const { return dynamic_cast<TDress&>(*main->Model); }
    // Ink of the sleeve sheet inside the sleeve's box about its origin, and
    // just right of it.
    std::pair<int, int> InkInAndBesideBox(const TSleeve& s) const {
        ScreenDC.RestoreSleeveOrigin();
        const QImage& sheet = report->List2()->Bitmap();
        const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
        const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
        const int midY = (top + bottom) / 2;
        return {DarkPixels(sheet, QRect(left, top, right - left + 1, bottom - top + 1)),
                DarkPixels(sheet, QRect(right + 3, midY - 20, 40, 40))};
    }
};

}  // namespace

// Every type of the family takes both sleeves: each names itself, fits its
// cap to that garment's armhole within 0.1 cm and lies drawn within its box.
TEST_F(SetInKindsTest, BothSleevesFitEveryGarmentAndDrawOnTheirSheet) {
    for (int type = 7; type <= 14; ++type)
        for (int kind : {kDartKind, kShirtKind}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind);
            TSleeve& s = Calculate(type, kind, type % 2);
            ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
            const double r = (1 + double(Dress().CapEaseNorm)) * Dress().ArmholeLength;
            if (kind == kDartKind) {
                auto& c = dynamic_cast<TOneCut&>(s);
                EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный с вытачкой");
                EXPECT_NEAR(c.CapLengthRequired, r, 1e-4);
                EXPECT_LT(std::fabs(c.CapMismatch), 0.1);
                EXPECT_LT(std::fabs(c.BalanceMismatch), 0.1);
            } else {
                auto& c = dynamic_cast<TShirtSleeve&>(s);
                EXPECT_EQ(main->SleeveType->text().toStdString(), " Рубашечный");
                EXPECT_TRUE(c.Drafted);
                EXPECT_NEAR(c.CapLength, r, 0.1);
                EXPECT_FLOAT_EQ(c.O1.y, float(-0.25 * r));
            }
            const auto ink = InkInAndBesideBox(s);
            EXPECT_GT(ink.first, 500);
            EXPECT_EQ(ink.second, 0);
        }
}

// An order with each sleeve, saved and reopened, drafts the same sleeve.
TEST_F(SetInKindsTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (int kind : {kDartKind, kShirtKind})
        for (int type : {8, 13}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind);
            TSleeve& s = Calculate(type, kind, 1);
            ASSERT_TRUE(main->Model->calculated);
            const float left = s.BoxLeft, right = s.BoxRight, bottom = s.BoxBottom, wrist = s.WristGirth;
            const std::string path = TempPath("set_in_" + std::to_string(kind) + "_" + std::to_string(type) + ".mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path));
            main->CreateModel(0, -1, -1);
            ASSERT_TRUE(OpenOrderFrom(*main, path));
            ASSERT_TRUE(main->Model->calculated);
            EXPECT_EQ(main->SleeveKind, kind);
            EXPECT_EQ(main->Sleeve->WristGirth, wrist);
            EXPECT_EQ(main->Sleeve->BoxLeft, left);
            EXPECT_EQ(main->Sleeve->BoxRight, right);
            EXPECT_EQ(main->Sleeve->BoxBottom, bottom);
        }
}

// The darted sleeve too wide for the armhole stops the road with the cap's
// message; the shirt sleeve has no width to refuse, its width is fitted.
TEST_F(SetInKindsTest, ATooWideDartedSleeveStopsTheRoad) {
    Calculate(7, kDartKind);
    ASSERT_TRUE(main->Model->calculated);
    const int upperArm = Row("Оп.в:");
    ASSERT_GT(upperArm, 0);
    main->Meas(upperArm)->setText("75");
    messages.clear();
    main->CalcExecute();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Ширина рукава больше допустимой. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте оката");
    EXPECT_FALSE(main->Model->calculated);
}

// Printed at 1:1 the sleeve's pages carry its straight lines at true
// length: the darted sleeve's width line, the shirt sleeve's centre line
// and cuff.
TEST_F(SetInKindsTest, ThePrintedSleevesMeasureTrue) {
    {
        auto& s = dynamic_cast<TOneCut&>(Calculate(9, kDartKind));
        ASSERT_TRUE(main->Model->calculated);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "one_cut"));
        EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.P32, s.P31) * 10));
        EXPECT_TRUE(HasSegment(segments, SleeveCheck::Dist(s.L3, s.L1) * 10));
    }
    {
        auto& s = dynamic_cast<TShirtSleeve&>(Calculate(10, kShirtKind));
        ASSERT_TRUE(main->Model->calculated);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(2, "shirt_sleeve"));
        EXPECT_TRUE(HasSegment(segments, -s.H.y * 5));
        EXPECT_TRUE(HasSegment(segments, (s.CuffTopRight.x - s.CuffTopLeft.x) * 5));
        EXPECT_TRUE(HasSegment(segments, 11 * 5));  // the placket slit
    }
}

// The shirt sleeve's handles through the drawing window: a press on the cap
// handle grabs it, a move lowers the cap base and the width is fitted again
// for the new cap height, the release ends the drag; a recalculation puts
// the cap base back to its default.
TEST_F(SetInKindsTest, TheCapHandleIsDraggedOnTheSleeveSheet) {
    auto& s = dynamic_cast<TShirtSleeve&>(Calculate(7, kShirtKind));
    ASSERT_TRUE(main->Model->calculated);
    const float r = s.CapLengthRequired, defaultY = s.O1.y, defaultWidth = s.O2.x - s.O3.x;
    ScreenDC.RestoreSleeveOrigin();
    const int x = ScreenDC.PixelX(s.O1.x), y = ScreenDC.PixelY(s.O1.y);
    report->ListMouseDown(2, Qt::LeftButton, x, y);
    ASSERT_TRUE(main->DraggingSleeve);
    EXPECT_EQ(s.ActiveHandle, 1);
    report->ListMouseMove(2, Qt::LeftButton, x, y + ScreenDC.PixelY(-3.0f) - ScreenDC.PixelY(0));
    EXPECT_NEAR(s.O1.y, defaultY - 3, 0.1);
    EXPECT_LT(s.O2.x - s.O3.x, defaultWidth);  // a higher cap is narrower
    EXPECT_NEAR(s.CapLength, r, 0.1);
    EXPECT_LT(std::fabs(s.BalanceMismatch), 0.1);
    EXPECT_TRUE(messages.empty());
    report->ListMouseUp(2, Qt::LeftButton, x, y);
    EXPECT_FALSE(main->DraggingSleeve);

    main->CalcExecute();
    EXPECT_EQ(s.O1.y, defaultY);
}

// The handle limits: O1 anywhere in [−0.33·R, −0.0625·R] and H from 3.5
// cm below to 5 cm above its default are taken; a step beyond leaves the
// handle where it was.  The raised hem makes the cuff 11.5 cm high with
// two buttonholes, the lowered one 3 cm with one; two appear from 8 cm.
TEST_F(SetInKindsTest, HandlesMoveWithinTheirLimits) {
    auto& s = dynamic_cast<TShirtSleeve&>(Calculate(11, kShirtKind));
    ASSERT_TRUE(main->Model->calculated);
    const float r = s.CapLengthRequired, hemY = s.HemDefaultY;
    struct Case {
        int handle;
        float y;
        bool taken;
    };
    const Case cases[] = {
        {1, float(-0.33 * r), true},          {1, float(-0.0625 * r), true},
        {1, float(-0.2 * r), true},           {1, float(-0.33 * r) - 0.01f, false},
        {1, float(-0.0625 * r) + 0.01f, false}, {2, hemY + 5, true},
        {2, hemY - 3.5f, true},               {2, hemY + 1.5f, true},
        {2, hemY + 5.01f, false},             {2, hemY - 3.51f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "handle " << c.handle << " y " << c.y);
        main->CalcExecute();  // back to the defaults
        const Vector& point = c.handle == 1 ? s.O1 : s.H;
        ASSERT_TRUE(s.HitTest(2, point.x, point.y));
        EXPECT_EQ(s.ActiveHandle, c.handle);
        const float before = point.y;
        main->DraggingSleeve = true;
        s.Drag(point.x, c.y);
        EXPECT_EQ(point.y, c.taken ? c.y : before);
        s.Calculate();
        main->Model->RedrawSleeve();
        main->DraggingSleeve = false;
        ASSERT_TRUE(s.Drafted);
        EXPECT_NEAR(s.CapLength, r, 0.1);
        const float cuff = s.CuffTopLeft.y - s.CuffBottomLeft.y;
        EXPECT_NEAR(cuff, 6.5 + (s.H.y - hemY), 1e-3);
        EXPECT_EQ(s.TwoButtonholes, cuff >= 8);
    }
    // The limits as the cases above leave them: 11.5 and 3 cm cuffs.
    main->CalcExecute();
    ASSERT_TRUE(s.HitTest(2, s.H.x, s.H.y));
    main->DraggingSleeve = true;
    s.Drag(s.H.x, hemY + 5);
    s.Calculate();
    EXPECT_NEAR(s.CuffTopLeft.y - s.CuffBottomLeft.y, 11.5, 1e-3);
    EXPECT_TRUE(s.TwoButtonholes);
    s.Drag(s.H.x, hemY - 3.5f);
    s.Calculate();
    EXPECT_NEAR(s.CuffTopLeft.y - s.CuffBottomLeft.y, 3, 1e-3);
    EXPECT_FALSE(s.TwoButtonholes);
    main->DraggingSleeve = false;
}

// A press on a handle while the garment is not calculated is refused; a
// press beside the handles grabs nothing.
TEST_F(SetInKindsTest, HandlesAreRefusedOnAnUncalculatedGarment) {
    auto& s = dynamic_cast<TShirtSleeve&>(Calculate(7, kShirtKind));
    ASSERT_TRUE(main->Model->calculated);
    EXPECT_FALSE(s.HitTest(2, s.O1.x + 0.61f, s.O1.y));
    EXPECT_TRUE(s.HitTest(2, s.O1.x + 0.6f, s.O1.y - 0.6f));  // the box's edge counts
    main->Model->calculated = false;
    s.ActiveHandle = 0;
    EXPECT_FALSE(s.HitTest(2, s.O1.x, s.O1.y));
    EXPECT_FALSE(s.HitTest(2, s.H.x, s.H.y));
    EXPECT_EQ(s.ActiveHandle, 0);
}

// A handle point that cannot be drafted (here a cap base below the point
// where the width would vanish) is never drawn: the calculation in the drag
// goes back to the last good handles and throws nothing.
TEST_F(SetInKindsTest, ADragThatCannotBeDraftedKeepsTheLastGoodSleeve) {
    auto& s = dynamic_cast<TShirtSleeve&>(Calculate(12, kShirtKind));
    ASSERT_TRUE(main->Model->calculated);
    const Vector o2 = s.O2, o3 = s.O3;
    const float y = s.O1.y;
    main->DraggingSleeve = true;
    s.O1.y = -0.9f * s.CapLengthRequired;  // W = 2·(0.662·R + O1.y) < 0
    EXPECT_NO_THROW(s.Calculate());
    EXPECT_TRUE(s.Drafted);
    EXPECT_EQ(s.O1.y, y);
    EXPECT_EQ(s.O2, o2);
    EXPECT_EQ(s.O3, o3);
    main->DraggingSleeve = false;
}
