// The men's bodice among the program's windows: how the collars and
// sleeves find it, and what its draft reads of the main window's choice.
#include <gtest/gtest.h>

#include "garments/bodice_women/Dress.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

namespace {

// The window owns what it is given and deletes it on closing.
class MenDressWindowTest : public ProgramWindowsTest {
protected:
    TTestMenDress& PutMenDress() {
        auto* d = new TTestMenDress;
        main->Model = d;
        return *d;
    }
};

TEST_F(MenDressWindowTest, TheCollarsAndSleevesFindTheMensBodiceOnly) {
    EXPECT_EQ(CurrentMenDress(), nullptr);
    TTestMenDress& shirt = PutMenDress();
    EXPECT_EQ(CurrentMenDress(), &shirt);
    EXPECT_EQ(CurrentDress(), nullptr);
    delete main->Model;
    main->Model = new TStubGarment<TDress>;
    EXPECT_EQ(CurrentMenDress(), nullptr);
}

// The slot drafts for what the main window holds: a raglan sleeve (its
// yoke, its ticks, the armhole length) and the shawl collar (its neckline).
TEST_F(MenDressWindowTest, TheDraftReadsTheMainWindowsChoice) {
    TTestMenDress& shirt = PutMenDress();
    Put(shirt, kShirtSamples);
    shirt.SetEase(EaseOf(MenDressKind::Jacket));
    main->Sleeve = new TTestSleeve;
    main->SleeveKind = 5;
    main->Collar = new TTestCollar;
    main->CollarKind = 5;
    shirt.Calculate();

    TTestMenDress alone;
    Put(alone, kShirtSamples);
    alone.SetEase(EaseOf(MenDressKind::Jacket));
    TTestSleeve sleeve;
    alone.Draft(ChoiceOf(&sleeve, 5, true, 5));

    EXPECT_EQ(shirt.YokeWidth, 5.0f);
    EXPECT_EQ(shirt.K2, alone.K2);
    EXPECT_EQ(shirt.P10, alone.P10);
    EXPECT_EQ(shirt.BackRaglanNotch[1], alone.BackRaglanNotch[1]);
    EXPECT_EQ(shirt.ArmholeLength, alone.ArmholeLength);
    EXPECT_EQ(shirt.ShawlNeck[2], alone.ShawlNeck[2]);
    EXPECT_EQ(shirt.ShawlNeckExcess, alone.ShawlNeckExcess);
    EXPECT_NE(shirt.ShawlNeckExcess, 0.0f);
    // The draft alone does not mark the garment calculated.
    EXPECT_FALSE(shirt.calculated);
}

}  // namespace
