// The collar in one with the front: its draft on the women's bodices, the
// parts it hands to a raglan sleeve, and where it fails.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "collars/StandDown.h"
#include "collars/Wholly.h"
#include "kernel/Bezier.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/bodice_women/DressFixture.h"
#include "tests/garments/coats_men/MenPatternFixture.h"

namespace {

// A raglan sleeve's side of the hand-over: two frames of its own and what
// it was given.
class TRaglanHost : public TWhollyRaglanHost {
public:
    AxesSystem back{Vector(-3, 2), Vector(0.6f, 0.8f)};
    AxesSystem front{Vector(20, -4), Vector(0, -1)};
    int taken = 0;
    WhollyOnSleeve parts;
    AxesSystem& WhollyBackFrame() override { return back; }
    AxesSystem& WhollyFrontFrame() override { return front; }
    void TakeWhollyCollar(const WhollyOnSleeve& p) override {
        ++taken;
        parts = p;
    }
};

// A point given in a frame's local coordinates, back in the bodice's.
Vector Global(const AxesSystem& f, const Vector& local) { return f.origin + f.ex * local.x + f.ey * local.y; }

void ExpectNear(const Vector& a, const Vector& b, float tol, const char* what) {
    EXPECT_NEAR(a.x, b.x, tol) << what;
    EXPECT_NEAR(a.y, b.y, tol) << what;
}

std::unique_ptr<TTestDress> Dress(DressKind kind = DressKind::Dress, Silhouette s = Silhouette::Straight) {
    auto d = std::make_unique<TTestDress>();
    DraftDress(*d, kDressSamples, kind, s);
    return d;
}

// On every garment of the family, without a raglan sleeve: the points of
// the draft stand where their steps put them, nothing is handed to a
// sleeve, and the box runs from C to the moved edge, C6 down to the hem.
TEST(Wholly, DraftsOnEveryWomensBodice) {
    for (const DressKind kind : kKinds) {
        for (const Silhouette silhouette : kSilhouettes) {
            SCOPED_TRACE(TypeOf(kind, silhouette));
            const auto drafted = Dress(kind, silhouette);
            const TTestDress& d = *drafted;
            for (int sleeve : {0, 1, 9}) {
                TWholly w;
                TRaglanHost host;
                w.Draft(d, sleeve, &host);
                EXPECT_EQ(host.taken, 0);
                EXPECT_EQ(w.C, Vector(d.A01.x, d.A01.y + 3.5f));
                EXPECT_EQ(w.C6, Vector(d.A4.x + 0.5f, d.A4.y + 2.5f));
                EXPECT_EQ(w.C2, Vector(d.A2.x - 1, d.A2.y + 2.5f));
                EXPECT_EQ(w.EdgeTop, Vector(d.G3.x + 2.5f, d.G3.y));
                EXPECT_NEAR(Geom::Distance(w.BackStart, d.A2), 1.0f, 1e-5);
                EXPECT_NEAR(Geom::Distance(w.ShoulderStart, d.A4), 1.0f, 1e-5);
                // The outer edge 1 cm off the chord C6 -> A5, at 0.387 of it.
                EXPECT_NEAR(Geom::Distance(w.OuterBase, w.C6), 0.387f * Geom::Distance(w.C6, d.A5), 1e-4);
                EXPECT_NEAR(Geom::Distance(w.OuterBase, w.OuterMid), 1.0f, 1e-5);
                // The controls on both of their lines.
                EXPECT_NEAR(Vector::Cross(w.BackCtrl - w.BackRise, w.BackRise - w.C2), 0, 1e-3);
                EXPECT_NEAR(Vector::Cross(w.BackCtrl - w.BackStart, d.A2 - d.Q2), 0, 1e-3);
                EXPECT_NEAR(Vector::Cross(w.ShoulderCtrl - d.A4, d.A4 - d.A8), 0, 1e-3);
                EXPECT_NEAR(Vector::Cross(w.ShoulderCtrl - w.C6, w.ShoulderRise - w.C6), 0, 1e-3);
                EXPECT_NEAR(Vector::Cross(w.EdgeCtrl - d.A5, d.A5 - w.OuterCtrl2), 0, 1e-3);
                EXPECT_NEAR(w.EdgeCtrl.x, w.EdgeTop.x, 1e-3);  // the front edge runs straight up
                EXPECT_EQ(w.BoxLeft, w.C.x);
                EXPECT_EQ(w.BoxRight, w.EdgeTop.x);
                EXPECT_EQ(w.BoxTop, w.C6.y);
                EXPECT_EQ(w.BoxBottom, d.B21.y);
            }
        }
    }
}

// With a raglan sleeve: D9 is the foot of the perpendicular from A9 on the
// back top curve; C7 lies along the front part's outer edge from C6 as far
// as that curve runs from C2 to D9, plus 2 cm, on the first outer arc or,
// when that is too short, on the second; the parts are carried rigidly
// onto the sleeve and handed over in its frames, and the box ends at C7.
TEST(Wholly, HandsItsPartsToARaglanSleeve) {
    // A9 moved along the back neck changes how far D9 lies from C2, so that
    // C7 falls on either outer arc.
    int arcsSeen[3] = {0, 0, 0};
    for (float towardsCentre : {0.0f, 0.5f, 0.9f}) {
        const auto drafted = Dress();
        TTestDress& moved = *drafted;
        moved.A9 = moved.A9 + (moved.A01 - moved.A9) * towardsCentre;
        for (int sleeve : {5, 6}) {
            SCOPED_TRACE(::testing::Message() << "A9 moved " << towardsCentre << ", sleeve " << sleeve);
            TWholly w;
            TRaglanHost host;
            w.Draft(moved, sleeve, &host);
            ASSERT_EQ(host.taken, 1);
            const Vector tangent = Bezier2::Tangent(w.C2, w.BackTopCtrl, w.C, w.FootParam);
            EXPECT_NEAR(Vector::Dot(w.D9 - moved.A9, tangent), 0, 0.02);
            const float toD9 = Bezier2::ArcLength(w.C2, w.BackTopCtrl, w.C, 0, w.FootParam);
            const float outer1 = Bezier2::ArcLength(w.C6, w.OuterCtrl1, w.OuterMid, 0, 1);
            EXPECT_EQ(w.C7Arc, toD9 + 2 > outer1 ? 2 : 1);
            ++arcsSeen[w.C7Arc];
            const float alongOuter =
                w.C7Arc == 1 ? Bezier2::ArcLength(w.C6, w.OuterCtrl1, w.OuterMid, 0, w.C7Param)
                             : outer1 + Bezier2::ArcLength(w.OuterMid, w.OuterCtrl2, moved.A5, 0, w.C7Param);
            EXPECT_NEAR(alongOuter, toD9 + 2, 0.01);
            EXPECT_EQ(w.BoxTop, w.C7.y);
            // The back part turned onto the sleeve keeps its shape.
            EXPECT_NEAR(Geom::Distance(w.MovedBack[1], w.MovedBack[3]), Geom::Distance(w.C2, w.C), 1e-3);
            EXPECT_NEAR(Geom::Distance(w.SleeveBack1, w.MovedBack[0]), Geom::Distance(w.BackStart, w.BackRise),
                        1e-3);
            EXPECT_NEAR(Geom::Distance(w.SleeveFront1, w.MovedFront[1]),
                        Geom::Distance(w.ShoulderStart, w.C6), 1e-3);
            EXPECT_NEAR(Geom::Distance(moved.Q3, w.SleeveBack1), Geom::Distance(moved.Q1, w.BackStart), 1e-4);
            EXPECT_NEAR(Geom::Distance(moved.P7, w.SleeveFront1), Geom::Distance(moved.A8, w.ShoulderStart), 1e-4);
            // What the sleeve got, in its own frames.
            const WhollyOnSleeve& p = host.parts;
            EXPECT_EQ(p.NeckParam, w.FootParam);
            ExpectNear(Global(host.back, p.Back[0]), w.SleeveBack1, 1e-3f, "SleeveBack1");
            ExpectNear(Global(host.back, p.Back[1]), w.SleeveBack2, 1e-3f, "SleeveBack2");
            for (int i = 0; i < 4; ++i) ExpectNear(Global(host.back, p.Back[2 + i]), w.MovedBack[i], 1e-3f, "back");
            ExpectNear(Global(host.front, p.Front[0]), w.SleeveFront1, 1e-3f, "SleeveFront1");
            for (int i = 0; i < 6; ++i)
                ExpectNear(Global(host.front, p.Front[2 + i]), w.MovedFront[i], 1e-3f, "front");
            // D9 and C7 as carried onto the sleeve with their curves: the
            // images of the points themselves.
            const Vector d9Moved = w.SleeveBack1 +
                                   eVector(moved.Q3, moved.P1) * Vector::Dot(w.D9 - w.BackStart, eVector(moved.A2, moved.Q1)) +
                                   nVector(moved.Q3, moved.P1) * Vector::Dot(w.D9 - w.BackStart, nVector(moved.A2, moved.Q1));
            ExpectNear(Global(host.back, p.D9), d9Moved, 1e-3f, "D9");
            const Vector c7Moved = w.SleeveFront1 +
                                   eVector(moved.P7, moved.A7) * Vector::Dot(w.C7 - w.ShoulderStart, eVector(moved.A8, moved.A4)) +
                                   nVector(moved.P7, moved.A7) * Vector::Dot(w.C7 - w.ShoulderStart, nVector(moved.A8, moved.A4));
            ExpectNear(Global(host.front, p.C7), c7Moved, 1e-3f, "C7");
        }
    }
    EXPECT_GT(arcsSeen[1], 0);
    EXPECT_GT(arcsSeen[2], 0);
}

// Without a sleeve that takes them the raglan parts are still drafted in
// the bodice (the drawing needs D9 and C7), and nothing else happens.
TEST(Wholly, ARaglanWithoutAHostStillDraftsItsLine) {
    const auto d = Dress();
    TWholly w;
    w.Draft(*d, 5, nullptr);
    EXPECT_EQ(w.BoxTop, w.C7.y);
    EXPECT_GT(w.C7Arc, 0);
}

class WhollyWindowTest : public ProgramWindowsTest {};

// Offered with the women's bodices only: on any other garment (only a
// damaged order file can pair them) the calculation fails with the
// kernel's error, which the road reports; its caption while it lives.
TEST_F(WhollyWindowTest, OnAnyOtherGarmentTheCalculationFails) {
    auto* w = new TWholly;
    main->Collar = w;
    EXPECT_EQ(main->CollarType->text().toStdString(), " Цельнокроенный");
    EXPECT_THROW(w->Calculate(), EFloatError);
    auto* g = new TTestMenPattern;
    main->Model = g;
    main->ModelIndex = 28;
    DraftMen(*g, kCoatSamples, 28);
    EXPECT_THROW(w->Calculate(), EFloatError);
    EXPECT_FALSE(w->HitTest(1, g->A4.x, g->A4.y));
}

// A dress whose neckline has shrunk to a point before its collar is
// drafted.
class TShrunkNeckDress : public TTestDress {
public:
    void Calculate() override {
        DraftDress(*this, kDressSamples);
        A01 = A9 = A2 = NeckCtrl1 = NeckCtrl2 = A5 = A8 = A4;
        MainForm->Collar->Calculate();
        calculated = true;
    }
};

// A collar that cannot be drafted for the neckline fails the calculation
// road with its message, and the garment stays uncalculated.
TEST_F(WhollyWindowTest, ACollarThatCannotBeDraftedFailsThroughTheRoad) {
    for (int kind : {TStandDown::kKind, TWholly::kKind}) {
        SCOPED_TRACE(kind);
        delete main->Collar;
        main->Collar = kind == TWholly::kKind ? static_cast<TCollar*>(new TWholly) : new TStandDown;
        main->CollarKind = kind;
        delete main->Model;
        main->Model = new TShrunkNeckDress;
        main->ModelIndex = 7;
        messages.clear();
        main->CalcExecute();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Пожалуйста, проверьте измерения. ");
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте");
        EXPECT_FALSE(main->Model->calculated);
    }
}

}  // namespace
