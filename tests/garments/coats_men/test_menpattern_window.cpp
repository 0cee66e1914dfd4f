// The men's outerwear base among the program's windows: how the collars and
// sleeves find it, and what its draft reads of the main window's choice.
#include <gtest/gtest.h>

#include "garments/bodice_women/Dress.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

class TOtherMenGarment : public TTestMenPattern {};

using MenPatternWindowTest = ProgramWindowsTest;

TEST_F(MenPatternWindowTest, TheCollarsAndSleevesFindTheFamilyOnly) {
    EXPECT_EQ(CurrentMenPattern(), nullptr);
    main->Model = new TTestMenPattern;  // the window owns and deletes it
    EXPECT_EQ(CurrentMenPattern(), main->Model);
    delete main->Model;
    main->Model = new TOtherMenGarment;  // any class of the family
    EXPECT_EQ(CurrentMenPattern(), main->Model);
    delete main->Model;
    main->Model = new TStubGarment<TDress>;  // another bodice
    EXPECT_EQ(CurrentMenPattern(), nullptr);
}

// The slot drafts for what the main window holds: the garment type, its
// sleeve's shoulder pad and kind, the collar and its kind.
TEST_F(MenPatternWindowTest, TheDraftReadsTheMainWindowsChoice) {
    struct Case {
        int type, collarKind, sleeveKind;
    } cases[] = {{31, 7, 13}, {34, 1, 15}, {36, 8, 0}, {29, 0, 0}};
    for (const Case& c : cases) {
        auto* shown = new TTestMenPattern;
        main->Model = shown;
        main->ModelIndex = c.type;
        main->CollarKind = c.collarKind;
        main->SleeveKind = c.sleeveKind;
        main->Collar = c.collarKind ? new TTestCollar : nullptr;
        auto* sleeve = c.sleeveKind ? new TTestSleeve : nullptr;
        if (sleeve) sleeve->ShoulderPad = 1.5f;
        main->Sleeve = sleeve;
        Put(*shown, kCoatSamples);
        shown->SetConstants(MenPatternConstantsOf(c.type));
        shown->Calculate();

        TTestMenPattern alone;
        Put(alone, kCoatSamples);
        alone.SetConstants(MenPatternConstantsOf(c.type));
        alone.Draft(BodiceChoice{sleeve, c.collarKind != 0, c.collarKind, c.sleeveKind, c.type});
        const std::string context = " type " + std::to_string(c.type);
        EXPECT_EQ(shown->a, alone.a) << context;
        EXPECT_EQ(shown->H, alone.H) << context;
        EXPECT_EQ(shown->P, alone.P) << context;
        EXPECT_EQ(shown->P10, alone.P10) << context;
        EXPECT_EQ(shown->LowNeck3, alone.LowNeck3) << context;
        EXPECT_EQ(shown->NeckLength, alone.NeckLength) << context;
        EXPECT_EQ(shown->SleeveNotch1[2], alone.SleeveNotch1[2]) << context;
        EXPECT_EQ(shown->RaglanNotches[0], alone.RaglanNotches[0]) << context;
        EXPECT_EQ(shown->ArmholeLength, alone.ArmholeLength) << context;
        // The draft alone does not mark the garment calculated.
        EXPECT_FALSE(shown->calculated) << context;

        delete main->Collar;
        delete main->Sleeve;
        main->Collar = nullptr;
        main->Sleeve = nullptr;
        delete main->Model;
        main->Model = nullptr;
    }
}

}  // namespace
