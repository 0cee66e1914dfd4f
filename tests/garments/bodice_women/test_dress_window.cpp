// The women's bodice among the program's windows: how the collars and
// sleeves find it, what its draft reads of the main window's choice, and
// which sheets it clears.
#include <gtest/gtest.h>

#include <QImage>

#include "kernel/DrawContext.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

// Another garment of the family.
class TOtherGarment : public TTestDress {};

class DressWindowTest : public ProgramWindowsTest {
protected:
    // The window owns what it is given and deletes it on closing.
    TTestDress& PutDress() {
        auto* d = new TTestDress;
        main->Model = d;
        return *d;
    }
    TTestSleeve& PutSleeve(int kind) {
        auto* s = new TTestSleeve;
        main->Sleeve = s;
        main->SleeveKind = kind;
        return *s;
    }
};

TEST_F(DressWindowTest, TheCollarsAndSleevesFindTheBodiceOnly) {
    EXPECT_EQ(CurrentDress(), nullptr);
    TTestDress& dress = PutDress();
    EXPECT_EQ(CurrentDress(), &dress);
    delete main->Model;
    main->Model = new TOtherGarment;  // any class of the family
    EXPECT_EQ(CurrentDress(), main->Model);
    delete main->Model;
    main->Model = new TNotADress;
    EXPECT_EQ(CurrentDress(), nullptr);
}

// The slot drafts for what the main window holds: its sleeve's shoulder pad
// and kind, the collar and its kind, and the garment type.
TEST_F(DressWindowTest, TheDraftReadsTheMainWindowsChoice) {
    TTestDress& dress = PutDress();
    Put(dress, kDressSamples);
    dress.SetAllowances(AllowancesOf(DressKind::AutumnCoat, Silhouette::Straight));
    TTestSleeve& sleeve = PutSleeve(1);
    sleeve.ShoulderPad = 1.5f;
    main->ModelIndex = 11;
    main->CollarKind = 0;
    dress.Calculate();

    const DressChoice read = CurrentDressChoice();
    EXPECT_EQ(read.sleeve, &sleeve);
    EXPECT_FALSE(read.hasCollar);
    EXPECT_EQ(read.sleeveKind, 1);
    EXPECT_EQ(read.modelIndex, 11);

    TTestDress alone;
    Put(alone, kDressSamples);
    alone.SetAllowances(AllowancesOf(DressKind::AutumnCoat, Silhouette::Straight));
    DressChoice choice;
    choice.sleeve = &sleeve;
    choice.sleeveKind = 1;
    choice.modelIndex = 11;
    alone.Draft(choice);
    EXPECT_EQ(dress.P, alone.P);
    EXPECT_EQ(dress.K, alone.K);
    EXPECT_EQ(dress.ArmholeNotches[2], alone.ArmholeNotches[2]);
    EXPECT_EQ(dress.ArmholeLength, alone.ArmholeLength);
    // The draft alone does not mark the garment calculated.
    EXPECT_FALSE(dress.calculated);
}

// List1 and List2 always; List3 only when there is a sleeve.
TEST_F(DressWindowTest, TheThirdSheetIsClearedOnlyWithASleeve) {
    TTestDress& dress = PutDress();
    for (const bool withSleeve : {false, true}) {
        if (withSleeve) PutSleeve(1);
        for (SheetImage* sheet : {report->List1(), report->List2(), report->List3()}) {
            Canvas& c = sheet->GetCanvas();
            c.SetPenColor(0x0000FF);
            c.SetPenWidth(3);
            c.MoveTo(3, 3);
            c.LineTo(40, 3);
            c.End();
        }
        const QImage marked = report->List3()->Bitmap().copy();
        dress.ClearSheets();
        EXPECT_NE(report->List1()->Bitmap().pixel(20, 3), qRgb(255, 0, 0)) << withSleeve;
        EXPECT_NE(report->List2()->Bitmap().pixel(20, 3), qRgb(255, 0, 0)) << withSleeve;
        EXPECT_EQ(report->List3()->Bitmap() == marked, !withSleeve);
    }
}

}  // namespace
