// The stand collar on the men's vest, coats and blazers.
#include <gtest/gtest.h>

#include "collars/Stand.h"
#include "tests/ProgramWindows.h"
#include "tests/collars/StandShape.h"
#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

class StandOnMenTest : public ProgramWindowsTest {};

// On the men's vest, coats and blazers the collar takes the back neck length
// as the garment's draft stored it, not from the garment's arcs.
TEST_F(StandOnMenTest, TakesTheStoredNeckLength) {
    for (const int type : kMenTypes) {
        SCOPED_TRACE(type);
        delete main->Model;
        auto* g = new TTestMenPattern;
        main->Model = g;
        BodiceChoice choice;
        choice.hasCollar = true;
        choice.collarKind = TStand::kKind;
        DraftMen(*g, type == 36 ? kVestSamples : type >= 34 ? kBlazerSamples : kCoatSamples, type, choice);
        const float drafted = g->NeckLength;
        ASSERT_GT(drafted, 5.0f);
        g->NeckLength = drafted + 0.7f;  // stored otherwise than the arcs give
        if (!main->Collar) main->Collar = new TStand;
        auto& s = static_cast<TStand&>(*main->Collar);
        s.Calculate();
        EXPECT_EQ(s.NeckLength, drafted + 0.7f);
        ExpectStandShape(s, NeckOf(*g));
    }
}

}  // namespace
