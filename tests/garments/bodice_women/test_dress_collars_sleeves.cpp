// The dresses, jackets and coats with the program's own stand collar and
// one-seam sleeve: offered in the base selection, drafted together on the
// road, drawn on their sheets, saved and reopened.
#include <gtest/gtest.h>

#include "shell/BuiltInModels.h"
#include "tests/garments/bodice_women/DressWindowFixture.h"

namespace {

// What the base selection offers with the bodices: every garment type,
// every collar and every sleeve.
TEST(DressPieces, TheBaseSelectionOffersTheBuiltPieces) {
    RegisterBuiltInModels();
    for (int type = 7; type <= 14; ++type) EXPECT_TRUE(HasModelMaker(type)) << type;
    // Every collar, the men's jacket and shawl collars among them (offered
    // with the men's vest, coats and blazers only).
    for (int kind = 1; kind <= kCollarKinds; ++kind) EXPECT_TRUE(HasCollarMaker(kind)) << kind;
    // Every sleeve: the set-in ones (one-seam, two-seam, with elbow dart,
    // shirt, and the men's coats' two-seam, one-seam and with elbow dart),
    // the raglans, women's and men's, the kimono sleeves, the
    // dropped-shoulder sleeves and the batwing.
    for (int kind = 1; kind <= kSleeveKinds; ++kind) EXPECT_TRUE(HasSleeveMaker(kind)) << kind;
}

class DressWithPiecesTest : public DressWindowsTest {
protected:
    void AfterWindows() override {
        DressWindowsTest::AfterWindows();
        UseRealPieces();
    }
};

TEST_F(DressWithPiecesTest, CollarAndSleeveAreDraftedDrawnAndKept) {
    for (int type = 7; type <= 14; ++type) {
        const std::string context = "type " + std::to_string(type);
        TypeSamples(type, 1, 1);
        messages.clear();
        main->CalcExecute();
        auto* g = dynamic_cast<TDressGarment*>(main->Model);
        ASSERT_TRUE(g && g->calculated) << context << (messages.empty() ? "" : ": " + messages[0].text);
        EXPECT_TRUE(main->CollarRowShown());
        EXPECT_TRUE(main->SleeveRowShown());
        // The collar above the back neck on sheet 1, the bodice lowered by
        // its height plus 2 cm.
        const TCollar& collar = *main->Collar;
        const float top = std::max(g->A2.y, g->A6.y);
        EXPECT_NEAR(ScreenDC.CollarOrigin.y, top + collar.BoxTop - collar.BoxBottom + 12, 1e-4) << context;
        ScreenDC.RestoreCollarOrigin();
        const QImage& sheet1 = report->List1()->Bitmap();
        const int x0 = ScreenDC.PixelX(g->A01.x + collar.BoxLeft), x1 = ScreenDC.PixelX(g->A01.x + collar.BoxRight);
        const int y0 = ScreenDC.PixelY(top + 2 + collar.BoxTop), y1 = ScreenDC.PixelY(top + 2 + collar.BoxBottom);
        EXPECT_GT(DarkPixels(sheet1, QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1)), 20) << context;
        // The sleeve on sheet 2 about its origin, the tables on sheet 3.
        ScreenDC.RestoreSleeveOrigin();
        EXPECT_NEAR(ScreenDC.SleeveOrigin.x, 52.5f, 1e-4);
        const QImage& sheet2 = report->List2()->Bitmap();
        EXPECT_GT(DarkPixels(sheet2, QRect(0, 60, sheet2.width(), sheet2.height() - 120)), 500) << context;
        EXPECT_GT(DarkPixels(report->List3()->Bitmap(), QRect(296, 80, 201, 90)), 100) << context;
        ExpectRedrawsAtEveryScale();

        // Saved and opened again: the same pieces, the same draft.
        const Vector p10 = g->P10;
        const float armhole = g->ArmholeLength;
        const std::string path = TempPath("pieces.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path)) << context;
        main->CreateModel(0, -1, -1);
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << context;
        auto* opened = dynamic_cast<TDressGarment*>(main->Model);
        ASSERT_TRUE(opened && opened->calculated) << context;
        EXPECT_EQ(main->CollarKind, 1);
        EXPECT_EQ(main->SleeveKind, 1);
        EXPECT_EQ(opened->P10, p10) << context;
        EXPECT_EQ(opened->ArmholeLength, armhole) << context;
    }
}

}  // namespace
