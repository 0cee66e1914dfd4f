// The stand-and-fall collar: its draft from a neck (a worked case and the
// relations every draft keeps), its sizes by garment, the notch beyond the
// first neck arc, a neck too short to draft, and the men's shirts' neck.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "collars/StandDown.h"
#include "kernel/Bezier.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

namespace {

std::unique_ptr<TStandDown> Drafted(const BodiceNeck& neck, int type) {
    auto s = std::make_unique<TStandDown>();
    s->Draft(neck, type);
    return s;
}

// What every draft keeps, whatever the neck and the garment.
void ExpectStandDownShape(const TStandDown& s) {
    SCOPED_TRACE(::testing::Message() << "N = " << s.NeckLength << ", L = " << s.Length);
    EXPECT_EQ(s.O, Vector(0, 0));
    EXPECT_EQ(s.C, Vector(0, 4));
    EXPECT_EQ(s.C1, Vector(0, 4 + s.StandHeight));
    EXPECT_EQ(s.C2, Vector(0, 4 + s.Width));
    // The chord C -> NeckEnd is L, the trimmed neck edge C -> C3 too (to
    // the 60-step chord walk).
    EXPECT_NEAR(Geom::Distance(s.C, s.NeckEnd), s.Length, 1e-4);
    const float edge = Bezier2::ArcLength(s.C, s.NeckCtrl1, s.NeckThird2, 0, 1) +
                       Bezier2::ArcLength(s.NeckThird2, s.NeckCtrl2, s.NeckEnd, 0, 1 - s.TrimParam);
    EXPECT_NEAR(edge, s.Length, 0.01);
    // The neck edge leaves C horizontally, has one tangent at the join and
    // meets the baseline at NeckEnd along it.
    EXPECT_NEAR(s.NeckCtrl1.y, s.C.y, 1e-4);
    EXPECT_NEAR(Vector::Cross(s.NeckThird2 - s.NeckCtrl1, s.NeckCtrl2 - s.NeckThird2), 0, 1e-3);
    EXPECT_NEAR(s.NeckCtrl2.y, 0, 1e-4);
    // The outer front corner 3 cm ahead of C3 and Width − 1 above it; the
    // outer edge Width beyond the neck edge across its chord's middle.
    EXPECT_NEAR(s.OuterFront.x - s.C3.x, 3.0f, 1e-4);
    EXPECT_NEAR(s.OuterFront.y - s.C3.y, s.Width - 1, 1e-4);
    EXPECT_NEAR(Geom::Distance(s.NeckCross, s.OuterPoint), s.Width, 1e-3);
    EXPECT_NEAR(Vector::Dot(s.OuterPoint - s.OuterMid, eVector(s.C2, s.OuterFront)), 0, 0.006);
    EXPECT_NEAR(s.OuterCtrl1.y, s.C2.y, 1e-4);
    // The roll line runs from C1 level at the back.
    EXPECT_NEAR(s.RollCtrl.y, s.C1.y, 1e-4);
    // The notch N along the first arc, its stem 0.5 cm and its bar 0.4 cm.
    EXPECT_NEAR(Geom::Distance(s.NotchBase, s.NotchTop), 0.5f, 1e-4);
    EXPECT_NEAR(Geom::Distance(s.NotchEnd1, s.NotchEnd2), 0.4f, 1e-4);
    // The extent box.
    EXPECT_EQ(s.BoxLeft, 0);
    EXPECT_EQ(s.BoxRight, s.OuterFront.x);
    EXPECT_EQ(s.BoxTop, s.C2.y);
    EXPECT_EQ(s.BoxBottom, 0);
}

// A neck worked by hand (N = 9, |A4 A5| = 5) on a dress: L = 9 + 5π/3, the
// neck chord's end at √(L² − 16), the arcs' controls, the trim of 0.2008 cm
// and the notch at the parameter 0.9365 of the first arc.
TEST(StandDown, DraftsAWorkedNeck) {
    const auto s = Drafted({9.0f, {0, 0}, {3, -4}}, 7);
    ExpectStandDownShape(*s);
    EXPECT_NEAR(s->Length, 14.23599f, 1e-4);
    EXPECT_NEAR(s->NeckEnd.x, 13.66248f, 1e-4);
    EXPECT_NEAR(s->NeckThird1.x, 4.55416f, 1e-4);
    EXPECT_NEAR(s->NeckThird2.x, 9.10832f, 1e-4);
    EXPECT_NEAR(s->NeckCtrl1.x, 4.94452f, 1e-4);
    EXPECT_NEAR(s->NeckCtrl2.x, 11.19022f, 1e-4);
    EXPECT_NEAR(s->Excess, 0.20084f, 1e-3);
    EXPECT_NEAR(s->C3.x, 13.4616f, 0.01);
    EXPECT_NEAR(s->C3.y, 0.0022f, 0.001);
    EXPECT_NEAR(s->OuterFront.x, 16.4616f, 0.01);
    EXPECT_NEAR(s->OuterFront.y, 5.0022f, 0.001);
    EXPECT_NEAR(s->NotchParam, 0.9365f, 0.002);
    EXPECT_NEAR(s->NotchBase.x, 8.5767f, 0.01);
    EXPECT_NEAR(s->NotchBase.y, 1.6610f, 0.01);
    EXPECT_EQ(s->BoxTop, 10.0f);
}

// The fall's width and the stand's height by garment type.
TEST(StandDown, TakesItsSizesFromTheGarmentType) {
    struct Case {
        int type;
        float width, stand;
    };
    const Case cases[] = {{7, 6.0f, 2.0f},   {8, 6.0f, 2.0f},   {9, 7.5f, 2.5f},   {10, 7.5f, 2.5f},
                          {11, 9.5f, 4.0f},  {14, 9.5f, 4.0f},  {22, 6.0f, 2.0f},  {23, 6.0f, 2.0f},
                          {24, 7.5f, 2.5f},  {25, 7.5f, 2.5f},  {28, 9.0f, 3.5f},  {30, 9.0f, 3.5f},
                          {31, 10.0f, 4.0f}, {33, 10.0f, 4.0f}, {34, 7.0f, 2.5f},  {35, 7.0f, 2.5f}};
    const BodiceNeck neck{8.0f, {0, 0}, {4, -5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const auto s = Drafted(neck, c.type);
        EXPECT_EQ(s->Width, c.width);
        EXPECT_EQ(s->StandHeight, c.stand);
        ExpectStandDownShape(*s);
    }
    // A dress and a shirt with the same neck give the same collar.
    const auto dress = Drafted(neck, 7), shirt = Drafted(neck, 22);
    EXPECT_EQ(dress->C3, shirt->C3);
    EXPECT_EQ(dress->OuterPoint, shirt->OuterPoint);
    EXPECT_EQ(dress->NotchBase, shirt->NotchBase);
}

// A back neck longer than the first neck arc puts the notch on that arc's
// parabola beyond the join: the chord walk goes on past t = 1.
TEST(StandDown, TheNotchMayLieBeyondTheFirstArc) {
    const auto s = Drafted({12.0f, {0, 0}, {0.6f, -0.8f}}, 7);
    ExpectStandDownShape(*s);
    ASSERT_GT(s->NeckLength, Bezier2::ArcLength(s->C, s->NeckCtrl1, s->NeckThird2, 0, 1));
    EXPECT_GT(s->NotchParam, 1.0f);
    EXPECT_NEAR(Bezier2::ArcLength(s->C, s->NeckCtrl1, s->NeckThird2, 0, s->NotchParam), s->NeckLength, 0.01);
}

// A neckline no longer than the 4 cm rise leaves no neck chord: the draft
// fails with the kernel's error (which the calculation road reports),
// never a NaN.
TEST(StandDown, ANeckNoLongerThanTheRiseFails) {
    for (const BodiceNeck& neck : {BodiceNeck{3.0f, {1, 1}, {1, 1}}, BodiceNeck{4.0f, {1, 1}, {1, 1}},
                                   BodiceNeck{0.0f, {0, 0}, {0, 0}}}) {
        TStandDown s;
        EXPECT_THROW(s.Draft(neck, 7), EFloatError) << neck.BackNeckLength;
    }
}

class StandDownWindowTest : public ProgramWindowsTest {};

// On a men's shirt or jacket the collar reads the back neck as the two arcs
// of the shirt's back neckline and takes the jacket's sizes; it has no
// handle and writes its caption while it lives.
TEST_F(StandDownWindowTest, DraftsFromTheMensShirtsNeck) {
    auto* d = new TTestMenDress;
    main->Model = d;
    main->ModelIndex = 24;
    BodiceChoice choice;
    choice.hasCollar = true;
    choice.collarKind = TStandDown::kKind;
    DraftMenDress(*d, kShirtSamples, MenDressKind::Jacket, choice);
    auto* s = new TStandDown;
    main->Collar = s;
    EXPECT_EQ(main->CollarType->text().toStdString(), " Стояче-отложной");
    s->Calculate();
    EXPECT_NEAR(s->NeckLength,
                Bezier2::ArcLength(d->A01, d->NeckCtrl1, d->A9, 0, 1) +
                    Bezier2::ArcLength(d->A9, d->NeckCtrl2, d->A2, 0, 1),
                1e-5);
    EXPECT_EQ(s->Width, 7.5f);
    ExpectStandDownShape(*s);
    d->calculated = true;
    EXPECT_FALSE(s->HitTest(1, s->C3.x, s->C3.y));
    EXPECT_FALSE(s->HitTest(1, s->C.x, s->C.y));
}

}  // namespace
