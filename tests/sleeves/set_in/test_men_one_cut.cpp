// The men's coats' one-seam sleeve with elbow dart (kind 14): the men's
// construction on the coat's armhole with the shoulder pad in its length,
// the width line set back by the armhole's arc share X and the back cap
// 2·X + 0.18·A·n longer than the front; and on the road with every coat.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <string>

#include "garments/coats_men/MenPattern.h"
#include "kernel/DrawContext.h"
#include "kernel/PrintTiling.h"
#include "platform/Printer.h"
#include "shell/OrderFile.h"
#include "sleeves/set_in/OneCut.h"
#include "tests/garments/coats_men/MenPatternFixture.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/set_in/SleeveFixture.h"
#include "tests/sleeves/set_in/SleeveWindowTest.h"

namespace {

using namespace SleeveCheck;

constexpr int kKind = 14;

std::vector<CapArc> FrontChain(const TOneCut& s) {
    return {CapArc::Cubic(s.P31, s.MenFrontCtrl2, s.P1, s.FrontUpperCtrl, 12),
            CapArc::Quad(s.FrontUpperCtrl, s.O3, s.O2)};
}
std::vector<CapArc> BackChain(const TOneCut& s) {
    return {CapArc::Quad(s.P32, s.BackSeamCtrl, s.Point5), CapArc::Cubic(s.Point5, s.BackCubicCtrl2, s.BackCubicCtrl1, s.P5),
            CapArc::Quad(s.P5, s.BackLowerCtrl, s.Point2), CapArc::Quad(s.Point2, s.BackUpperCtrl, s.O2)};
}

// The sleeve drafted on the coat of the given type.
void DraftOnCoat(TMenOneCut& s, TMenPattern& coat, int type, const MenMeasures& body = kCoatSamples) {
    Put(s, kSleeveSamples);
    coat.CapEaseNorm = kSleeveSamples.capEaseNorm;
    BodiceChoice choice;
    choice.sleeve = &s;
    choice.sleeveKind = kKind;
    DraftMen(coat, body, type, choice);
    s.Draft(MenCoatSleeveGarment(coat));
}

class MenOneCutRoadTest : public SleeveWindowTest {
protected:
    TOneCut& Calculate(int type) { return CalculateWith<TOneCut>(type, 0, kKind); }
};

}  // namespace

// Every coat that offers the sleeve: the cap (n + 1)·A long with its back
// half 2·X + 0.18·A·n longer, the notches beyond the coat's armhole arcs by
// their ease shares, the pad in the length, the bar at the cap top.
TEST(MenOneCutDraft, FitsEveryCoatsArmhole) {
    for (int type = 28; type <= 33; ++type) {
        SCOPED_TRACE(type);
        TStubGarment<TMenPattern> coat;
        TMenOneCut s;
        DraftOnCoat(s, coat, type);
        const SleeveGarment g = MenCoatSleeveGarment(coat);
        const double a = coat.ArmholeLength, n = coat.CapEaseNorm, x = coat.ArmholeArcLength;
        EXPECT_TRUE(s.MenCut);
        EXPECT_NEAR(s.BalanceOffset, 2 * x + 0.18 * a * n, 1e-4);
        const double front = ChordLength(FrontChain(s)), back = ChordLength(BackChain(s));
        EXPECT_NEAR(front + back, (n + 1) * a, 0.1);
        EXPECT_NEAR(back - front, 2 * x + 0.18 * a * n, 0.1);
        EXPECT_NEAR(LengthAlong(FrontChain(s), s.FrontNotch.point).first, g.FrontArmholeLength() + 0.06 * a * n,
                    0.11);
        EXPECT_NEAR(LengthAlong(BackChain(s), s.BackNotch.point).first, g.BackArmholeLength() + 0.26 * a * n, 0.11);
        EXPECT_NEAR(s.H.y, -(57.4 + 0.5 + s.CapEase + coat.InterliningEase), 1e-4);
        EXPECT_NEAR(s.L0.y, -(0.58 * 57.4 + 0.5 + s.CapEase + coat.InterliningEase), 1e-4);
        EXPECT_EQ(s.TopNotch.bar1, Vector(-0.2f, -0.6f));
        EXPECT_EQ(s.TopNotch.point, s.TopNotch.foot);  // no stem
        EXPECT_EQ(s.HemSplit, s.WristWidth > 0.7 * s.SleeveWidth);
        if (s.DartOpen)
            EXPECT_NEAR(Dist(s.P32, s.L4) + Dist(s.L5, s.H4),
                        1.015 * (ChordLength({CapArc::Quad(s.P31, s.FrontLowerCtrl, s.L1)}) + Dist(s.L1, s.H3)), 1e-3);
    }
}

// With X = 0 and no shoulder pad the coat's sleeve is the men's shirts'
// sleeve drafted on the same armhole, but for the bar at the cap top; a
// larger X asks the back cap for 2·X more than the front.
TEST(MenOneCutDraft, TheArcShareIsTheOnlyDifferenceFromTheShirts) {
    TStubGarment<TMenPattern> coat;
    TMenOneCut s;
    DraftOnCoat(s, coat, 31);
    SleeveGarment g = MenCoatSleeveGarment(coat);
    s.ShoulderPad = 0;
    g.armholeArcLength = 0;
    s.Draft(g);
    TOneCut shirt;
    Put(shirt, kSleeveSamples);
    SleeveGarment asShirt = g;
    asShirt.family = SleeveGarment::Family::MenShirt;
    shirt.Draft(asShirt);
    for (auto p : {&TOneCut::P31, &TOneCut::P32, &TOneCut::P1, &TOneCut::H4, &TOneCut::L4, &TOneCut::DartCapPoint})
        EXPECT_EQ(s.*p, shirt.*p);
    EXPECT_EQ(s.FrontNotch.point, shirt.FrontNotch.point);
    EXPECT_NE(s.TopNotch.point, shirt.TopNotch.point);

    g.armholeArcLength = 2;
    s.Draft(g);
    EXPECT_NEAR(ChordLength(BackChain(s)) - ChordLength(FrontChain(s)), 4 + 0.18 * g.armholeLength * g.capEaseNorm,
                0.1);
}

// On the road: every coat drafts with the sleeve and names it; an order
// saved and reopened drafts the same sleeve; the piece printed through the
// printer's context measures true.  (The coats do not draw their sleeve
// sheet yet: that is the coat's drawing.)
TEST_F(MenOneCutRoadTest, EveryCoatDraftsKeepsAndPrintsTheSleeve) {
    for (int type = 28; type <= 33; ++type) {
        SCOPED_TRACE(type);
        TOneCut& s = Calculate(type);
        ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Одношовный с вытачкой");
        EXPECT_LT(std::fabs(s.CapMismatch), 0.1);
        EXPECT_LT(std::fabs(s.BalanceMismatch), 0.1);
    }
    TOneCut& s = Calculate(30);
    const Vector p31 = s.P31, h4 = s.H4;
    const std::string path = TempPath("men_one_cut.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->CreateModel(0, -1, -1);
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(main->Model->calculated);
    auto& opened = dynamic_cast<TOneCut&>(*main->Sleeve);
    EXPECT_EQ(opened.P31, p31);
    EXPECT_EQ(opened.H4, h4);

    const std::string pdf = TempPath("men_one_cut.pdf");
    ThePrinter().SetPdfOutput(pdf);
    PrinterDC.BeginTrueScalePage(1);
    RunPrintJob([&] {
        PrinterDC.SetOrigin(1 - opened.BoxLeft, 1);
        opened.DrawPiece(PrinterDC, true);
    });
    const std::vector<PdfSegment> segments = PdfSegments(pdf);
    EXPECT_TRUE(HasSegment(segments, Dist(opened.P32, opened.P31) * 10));
    EXPECT_TRUE(HasSegment(segments, Dist(opened.L3, opened.L1) * 10));
}
