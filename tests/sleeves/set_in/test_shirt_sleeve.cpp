// The shirt sleeve drafted on the women's bodices' and the men's shirts'
// armholes: the cap height fixed, the width fitted, the notches, the hem
// with its slit and pleats, the cuff and its buttonholes; measured on the
// drafted curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kernel/Bezier.h"
#include "platform/Text.h"
#include "sleeves/set_in/ShirtSleeve.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/sleeves/set_in/EveryDress.h"

namespace {

using namespace SleeveCheck;

std::vector<CapArc> FrontCap(const TShirtSleeve& s) {
    return {CapArc::Cubic(s.O2, s.FrontCapCtrlLow, s.FrontCapCtrlTop, s.O, 30)};
}
std::vector<CapArc> BackCap(const TShirtSleeve& s) {
    return {CapArc::Cubic(s.O3, s.BackCapCtrlLow, s.BackCapCtrlTop, s.O, 30)};
}


// The fitted sleeve's shape as the drawn curves give it: the cap (n + 1)·A
// long with equal halves, the cap base at a quarter of that below the top,
// the notches at the armhole's lengths along the cap, the hem ends square
// under the hem line's quarter points, the extent box round the piece.
void ExpectFittedShape(const TShirtSleeve& s, const SleeveGarment& g, double hemY) {
    const double r = (1 + double(g.capEaseNorm)) * g.armholeLength;
    EXPECT_NEAR(s.CapLengthRequired, r, 1e-4);
    const double front = ChordLength(FrontCap(s)), back = ChordLength(BackCap(s));
    EXPECT_NEAR(front + back, r, 0.1);
    EXPECT_NEAR(front, back, 0.1);
    EXPECT_FLOAT_EQ(s.O1.y, float(-0.25 * r));
    EXPECT_EQ(s.O2.y, s.O1.y);
    EXPECT_EQ(s.O3.y, s.O1.y);
    EXPECT_NEAR(s.CapHandleMax, -0.0625 * r, 1e-4);
    EXPECT_NEAR(s.CapHandleMin, -0.33 * r, 1e-4);

    // The notch search measures the whole cap cubic by Simpson's rule with
    // 10 double intervals, a few hundredths short of its true length.
    EXPECT_NEAR(LengthAlong(FrontCap(s), s.FrontNotch.point).first, g.FrontArmholeLength(), 0.15);
    EXPECT_NEAR(LengthAlong(BackCap(s), s.BackNotch.point).first, g.BackArmholeLength(), 0.15);

    EXPECT_NEAR(s.H.y, hemY, 1e-4);
    EXPECT_EQ(s.HemDefaultY, s.H.y);
    EXPECT_NEAR(s.HemHandleMax, hemY + 5, 1e-4);
    EXPECT_NEAR(s.HemHandleMin, hemY - 3.5, 1e-4);
    // The hem line is Wr + 9 long, centred under the width line.
    EXPECT_NEAR(s.H1.x - s.H2.x, s.WristGirth + s.WristEase + 3 * g.interliningEase + 9, 1e-4);
    EXPECT_NEAR(s.H1.x + s.H2.x, s.O2.x + s.O3.x, 1e-4);
    // H11 and H21: the feet on the seams of the hem line's quarter points.
    EXPECT_NEAR(CornerCos(s.H11, s.O2, s.FrontHemGuide), 0, 1e-4);
    EXPECT_NEAR(Bend(s.O2, s.H11, s.H1), 0, 1e-4);
    EXPECT_NEAR(CornerCos(s.H21, s.O3, s.BackHemGuide), 0, 1e-4);
    EXPECT_NEAR(s.FrontHemGuide.x, (3 * s.H1.x + s.H2.x) / 4, 1e-4);

    EXPECT_EQ(s.BoxTop, 0);
    EXPECT_EQ(s.BoxLeft, std::min(s.H21.x, s.O3.x));
    EXPECT_EQ(s.BoxRight, std::max(s.O2.x, s.H11.x));
    EXPECT_EQ(s.BoxBottom, s.CuffBottomLeft.y);
    EXPECT_EQ(s.WidthText(), "|O3,O2| :" + FormatFixed(s.O2.x - s.O3.x, 5, 1));
}

}  // namespace

// Every women's garment, with and without interlining: the cap base at its
// default, the width fitted, the hem 6.5 cm above the point the arm length,
// shoulder pad, cap ease and interlining give; the bar at the cap top.
TEST(ShirtSleeveDraft, FitsEveryWomensArmhole) {
    OnEveryGarment<TShirtSleeve>([](TDress& d, const TShirtSleeve& s) {
        const SleeveGarment g = WomenSleeveGarment(d);
        ExpectFittedShape(s, g, -(57.4 + 0.5 + s.CapEase + d.InterliningEase) + 6.5);
        EXPECT_NEAR(s.CapEase, 0.662 * d.ArmholeLength * d.CapEaseNorm, 1e-4);
        EXPECT_EQ(s.TopNotch.bar1, Vector(-0.2f, -0.6f));
        EXPECT_EQ(s.TopNotch.bar2, Vector(0.2f, -0.6f));
    });
}

// The men's shirts and jackets: no shoulder pad in the length, the notch 1
// cm along the front cap at the cap top.
TEST(ShirtSleeveDraft, FitsTheMenShirtsArmholes) {
    for (MenDressKind kind : kMenKinds) {
        SCOPED_TRACE(int(kind));
        TTestMenDress d;
        TShirtSleeve s;
        SleeveMeasures m = kSleeveSamples;
        m.pad = 3;
        DraftOnShirt(s, d, 4, m, kind);
        ExpectFittedShape(s, MenShirtSleeveGarment(d), -(57.4 + s.CapEase + d.InterliningEase) + 6.5);
        const std::vector<CapArc> top = {CapArc::Cubic(s.O, s.FrontCapCtrlTop, s.FrontCapCtrlLow, s.O2)};
        EXPECT_NEAR(LengthAlong(top, s.TopNotch.point).first, 1.0, 0.1);
        EXPECT_NEAR(Dist(s.TopNotch.point, s.TopNotch.foot), 0.6, 1e-4);
        EXPECT_LT(s.TopNotch.foot.y, s.TopNotch.point.y);  // into the piece
    }
}

// The slit stands 11 cm high on the back hem straight above BackHemCtrl;
// pleat marks follow the hem length S from the slit to the front seam: none
// below 8 cm, one pleat (3 and 6 cm) below 13, two (also 8 and 11) from
// 13; marks stand 1 and 1.5 cm into the piece on the hem's normal; a mark
// beyond the back arc's part lies on the front arc.
TEST(ShirtSleeveDraft, SlitAndPleatsFollowTheHemLength) {
    bool seen[3] = {false, false, false};
    for (float wrist : {-6.0f, -3.0f, 0.0f, 2.0f, 5.0f, 10.0f, 16.0f, 22.0f}) {
        SCOPED_TRACE(wrist);
        TTestDress d;
        TShirtSleeve s;
        SleeveMeasures m = kSleeveSamples;
        m.wrist = wrist;
        DraftSleeve(s, d, m);
        ASSERT_TRUE(std::isfinite(s.SlitBottom.x));
        EXPECT_NEAR(s.SlitBottom.x, s.BackHemCtrl.x, 0.01);
        const CapArc backHem = CapArc::Quad(s.H21, s.BackHemCtrl, s.H);
        const CapArc frontHem = CapArc::Quad(s.H, s.FrontHemCtrl, s.H11);
        EXPECT_LT(LengthAlong({backHem}, s.SlitBottom).second, 0.03);
        EXPECT_NEAR(s.SlitTop.y - s.SlitBottom.y, 11, 1e-4);

        const double fromSlit = ChordLength({backHem}) - LengthAlong({backHem}, s.SlitBottom).first;
        const double hem = fromSlit + ChordLength({frontHem});
        EXPECT_EQ(s.Pleat1Present, hem >= 8);
        EXPECT_EQ(s.Pleat2Present, hem >= 13);
        seen[int(s.Pleat1Present) + int(s.Pleat2Present)] = true;
        auto expectMarks = [&](const Vector* marks, double d1, double d2) {
            for (int k : {0, 3}) {
                const double want = k == 0 ? d1 : d2;
                const bool onBack = want <= fromSlit;
                const CapArc& arc = onBack ? backHem : frontHem;
                const auto at = LengthAlong({arc}, marks[k]);
                EXPECT_LT(at.second, 0.03);
                const double along = onBack ? at.first - (ChordLength({backHem}) - fromSlit) : fromSlit + at.first;
                EXPECT_NEAR(along, want, 0.04);
                EXPECT_GT(marks[k + 1].y - marks[k].y, 0.8);  // up into the piece
                EXPECT_NEAR(Dist(marks[k], marks[k + 1]), 1.0, 1e-4);
                EXPECT_NEAR(Dist(marks[k], marks[k + 2]), 1.5, 1e-4);
            }
        };
        if (s.Pleat1Present) expectMarks(s.Pleat1Marks, 3, 6);
        if (s.Pleat2Present) expectMarks(s.Pleat2Marks, 8, 11);
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

// The cuff: 6 cm shorter than the hem, centred under the hem line, its top
// 2 cm below the lower of H and H11, 6.5 cm high by default, with one
// buttonhole in the middle.
TEST(ShirtSleeveDraft, TheCuffHangsBelowTheSleeve) {
    TTestDress d;
    TShirtSleeve s;
    DraftSleeve(s, d);
    const double hem = ChordLength({CapArc::Quad(s.H21, s.BackHemCtrl, s.H)}) +
                       ChordLength({CapArc::Quad(s.H, s.FrontHemCtrl, s.H11)});
    EXPECT_NEAR(s.CuffTopRight.x - s.CuffTopLeft.x, hem - 6, 0.01);
    EXPECT_NEAR(s.CuffTopRight.x + s.CuffTopLeft.x, s.H1.x + s.H2.x, 1e-4);
    EXPECT_NEAR(s.CuffTopLeft.y, std::min(s.H.y, s.H11.y) - 2, 1e-4);
    EXPECT_NEAR(s.CuffTopLeft.y - s.CuffBottomLeft.y, 6.5, 1e-4);
    EXPECT_FALSE(s.TwoButtonholes);
    EXPECT_NEAR(s.ButtonholeRow1[0].y, s.CuffTopLeft.y - 3.25, 1e-4);
    EXPECT_NEAR(s.ButtonholeRow1[0].x, s.CuffTopLeft.x + 1.5, 1e-4);
    EXPECT_NEAR(s.ButtonholeRow1[3].x - s.ButtonholeRow1[0].x, 1.0, 1e-4);
    EXPECT_NEAR(s.ButtonholeRow1[1].y - s.ButtonholeRow1[2].y, 0.4, 1e-4);
}

// Drafted without the program's windows (no handle dragged) the sleeve
// needs no main window; an armhole it cannot fit throws from Draft, and
// Calculate turns that into a sleeve that draws nothing.
TEST(ShirtSleeveDraft, InputThatCannotBeDraftedDrawsNothing) {
    TTestDress d;
    TShirtSleeve s;
    DraftSleeve(s, d);
    SleeveGarment g = WomenSleeveGarment(d);
    g.armholeLength = 0;  // no cap to fit
    EXPECT_ANY_THROW(s.Draft(g));
    s.WristGirth = std::nanf("");
    EXPECT_ANY_THROW(s.Draft(WomenSleeveGarment(d)));
    EXPECT_NO_THROW(s.Calculate());  // no garment at all: not drafted, no throw
    EXPECT_FALSE(s.Drafted);
    EXPECT_EQ(s.BoxBottom, 0);
    EXPECT_FALSE(s.HitTest(2, s.O1.x, s.O1.y));
}
