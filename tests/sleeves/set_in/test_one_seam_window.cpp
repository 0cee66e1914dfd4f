// The one-seam sleeve among the program's windows: chosen through the
// factory it names itself in the order panel, finds the bodice through the
// main window, fails on the calculation road with the cap's message and
// draws itself on the sleeve sheet within its extent box.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "kernel/DrawContext.h"
#include "shell/Factory.h"
#include "shell/GarmentSheets.h"
#include "sleeves/set_in/SetInSleeves.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/sleeves/set_in/SleeveFixture.h"

namespace {

constexpr float kSheetOriginX = 52.5f, kSheetOriginY = 10.0f;

// A bodice that drafts itself and its sleeve and draws the sleeve on the
// sleeve sheet, as the dresses do.
class TDressWithSleeve : public TTestDress {
public:
    void Calculate() override {
        TDress::Calculate();
        if (MainForm->Sleeve) MainForm->Sleeve->Calculate();
        calculated = true;
    }
    void Draw() override {
        if (!MainForm->Sleeve || !GarmentSheets::Attach(2)) return;
        ScreenDC.SetOrigin(kSheetOriginX, kSheetOriginY);
        MainForm->Sleeve->Draw();
        MainForm->Sleeve->DrawLabels();
    }
};

class OneSeamWindowTest : public ProgramWindowsTest {
protected:
    void BeforeWindows() override {
        oldSleeve_ = RegisterSleeveMaker(1, nullptr);
        RegisterSetInSleeves();
        oldModel_ = RegisterModelMaker(7, [] { return new TDressWithSleeve; });
    }
    void AfterTearDown() override {
        RegisterModelMaker(7, oldModel_);
        RegisterSleeveMaker(1, oldSleeve_);
    }

    // The dress of type 7 with a one-seam sleeve, the sample values in.
    TOneSeam& ChooseDressWithSleeve() {
        EXPECT_TRUE(main->CreateModel(7, 0, 1));
        auto& dress = dynamic_cast<TTestDress&>(*main->Model);
        Put(dress, kDressSamples);
        dress.SetAllowances(AllowancesOf(DressKind::Dress, Silhouette::Straight));
        dress.CapEaseNorm = kSleeveSamples.capEaseNorm;
        auto& sleeve = dynamic_cast<TOneSeam&>(*main->Sleeve);
        Put(sleeve, kSleeveSamples);
        return sleeve;
    }

private:
    SleeveMaker oldSleeve_;
    ModelMaker oldModel_;
};

}  // namespace

TEST_F(OneSeamWindowTest, TheSleeveNamesItselfWhileChosen) {
    EXPECT_TRUE(HasSleeveMaker(1));
    ChooseDressWithSleeve();
    EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный");
    main->Sleeve->ClearCaption();
    EXPECT_EQ(main->SleeveType->text().toStdString(), "");
    main->Sleeve->Hook8();  // the unused slots do nothing
    EXPECT_FALSE(main->Sleeve->HitTest(2, 0, 0));

    ASSERT_TRUE(main->CreateModel(7, 0, 1));  // the same kind again: the same sleeve stays
    ASSERT_TRUE(main->CreateModel(7, 0, 0));
    EXPECT_EQ(main->Sleeve, nullptr);
    EXPECT_EQ(main->SleeveType->text().toStdString(), "");
    ASSERT_TRUE(main->CreateModel(7, 0, 1));
    EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный");
}

// Through the road: the sleeve reaches the bodice the main window holds and
// fits its cap to that armhole; drawn at the sheet's origin it lies within
// its extent box.
TEST_F(OneSeamWindowTest, TheRoadDraftsAndDrawsTheSleeveOnItsSheet) {
    TOneSeam& sleeve = ChooseDressWithSleeve();
    ASSERT_TRUE(main->RunCalcBlock(kDraftFailedText));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(main->Model->calculated);

    TTestDress alone;
    TOneSeam expected;
    DraftSleeve(expected, alone);
    EXPECT_EQ(sleeve.P31, expected.P31);
    EXPECT_EQ(sleeve.FrontNotch.point, expected.FrontNotch.point);
    EXPECT_EQ(sleeve.CapLength, expected.CapLength);

    const TDrawContext::Extent& e = ScreenDC.DrawnExtent();
    const float pixel = 1.0f / ScreenDC.PxPerCmX;
    EXPECT_NEAR(e.left, kSheetOriginX + sleeve.BoxLeft, 2 * pixel);
    EXPECT_NEAR(e.right, kSheetOriginX + sleeve.BoxRight, 2 * pixel);
    EXPECT_NEAR(e.top, kSheetOriginY - sleeve.BoxTop, 2 * pixel);
    EXPECT_GE(e.bottom, kSheetOriginY - sleeve.BoxBottom - 2 * pixel);
    EXPECT_LT(e.bottom, kSheetOriginY - sleeve.BoxBottom + 1.0f);
}

// A sleeve too wide for the armhole stops the calculation with the cap's
// message; nothing of the failed draft stays drawn.
TEST_F(OneSeamWindowTest, ATooWideSleeveStopsTheRoadWithTheCapsMessage) {
    TOneSeam& sleeve = ChooseDressWithSleeve();
    sleeve.UpperArmGirth = 90;
    EXPECT_FALSE(main->RunCalcBlock(kDraftFailedText));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Ширина рукава больше допустимой. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте оката");
    EXPECT_FALSE(main->Model->calculated);
}

// The sleeve takes the main window's garment as a women's bodice, else as a
// men's shirt or jacket; with neither there is no armhole to fit.
TEST_F(OneSeamWindowTest, TheSleeveFindsAWomensOrAMensBodice) {
    TOneSeam& sleeve = ChooseDressWithSleeve();
    main->Model->Calculate();
    EXPECT_EQ(sleeve.Family, SleeveGarment::Family::Women);

    auto* shirt = new TTestMenDress;
    shirt->CapEaseNorm = kSleeveSamples.capEaseNorm;
    BodiceChoice choice;
    choice.sleeve = &sleeve;
    choice.sleeveKind = 1;
    DraftMenDress(*shirt, kShirtSamples, MenDressKind::Shirt, choice);
    delete main->Model;
    main->Model = shirt;
    sleeve.Calculate();
    EXPECT_EQ(sleeve.Family, SleeveGarment::Family::MenShirt);
    EXPECT_NEAR(sleeve.CapLengthRequired, 1.04 * shirt->ArmholeLength, 1e-4);

    delete main->Model;
    main->Model = nullptr;
    EXPECT_THROW(sleeve.Calculate(), EFloatError);
}
