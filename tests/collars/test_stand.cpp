// The stand collar: its draft from a neck (worked by hand to the geometry's
// own definitions), its draft from the women's bodices, how it finds its
// garment, its drawing and its (absent) handle.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <cmath>
#include <memory>

#include "collars/Stand.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "platform/Canvas.h"
#include "shell/BuiltInModels.h"
#include "shell/Factory.h"
#include "tests/ProgramWindows.h"
#include "tests/collars/StandShape.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

// The collar without a main window: nothing to write its caption into.
std::unique_ptr<TStand> DraftedStand(const BodiceNeck& neck) {
    auto s = std::make_unique<TStand>();
    s->Draft(neck);
    return s;
}

// Necks worked by hand: L = N + |A4 A5| π/3; C4 where the arc from C3 is
// L/2 long; C6 3.5 cm along the normal there; the upper control on y = 4
// where the perpendicular to C4 C6 through C6 meets it.
struct WorkedNeck {
    BodiceNeck neck;
    float L;
    Vector C4, C6, UpperCtrl;
};
const WorkedNeck kWorked[] = {
    {{7.5f, {20, -1}, {27, -8}}, 17.8667f, {17.710f, 1.448f}, {16.770f, 4.824f}, {13.811f, 4.0f}},
    {{9.0f, {0, 0}, {3, -4}}, 14.2360f, {14.046f, 1.421f}, {12.908f, 4.738f}, {10.757f, 4.0f}},
    {{6.2f, {5, 2}, {5.5f, -9}}, 17.7311f, {17.573f, 1.447f}, {16.627f, 4.821f}, {13.698f, 4.0f}},
};

TEST(Stand, DraftsWorkedNecks) {
    for (const WorkedNeck& w : kWorked) {
        const auto s = DraftedStand(w.neck);
        ExpectStandShape(*s, w.neck);
        EXPECT_NEAR(s->Length, w.L, 1e-3);
        EXPECT_EQ(s->C2, Vector(s->Length, 0));
        EXPECT_EQ(s->FrontEnd, Vector(s->Length, 1.5f));
        EXPECT_NEAR(s->C3.x, w.L / 2, 1e-3);
        EXPECT_NEAR(s->LowerCtrl.x, 0.75f * w.L, 1e-3);
        EXPECT_EQ(s->C5, Vector(s->C3.x, 4.0f));
        // The chord walk places C4 within about a hundredth of the true
        // arc point.
        EXPECT_NEAR(s->C4.x, w.C4.x, 0.01);
        EXPECT_NEAR(s->C4.y, w.C4.y, 0.01);
        EXPECT_NEAR(s->C6.x, w.C6.x, 0.01);
        EXPECT_NEAR(s->C6.y, w.C6.y, 0.01);
        EXPECT_NEAR(s->UpperCtrl.x, w.UpperCtrl.x, 0.02);
        EXPECT_NEAR(s->Excess, Bezier2::ArcLength(s->C3, s->LowerCtrl, s->FrontEnd, 0, 1) - w.L / 2, 1e-3);
    }
}

// A neck that has shrunk to a point leaves the rising arc without a
// direction at C4: the draft fails with the kernel's error, never a NaN.
TEST(Stand, ADegenerateNeckFailsWithTheFloatError) {
    TStand s;
    EXPECT_THROW(s.Draft(BodiceNeck{0.0f, {3, 3}, {3, 3}}), EFloatError);
}

class StandWindowTest : public ProgramWindowsTest {
protected:
    TTestDress& PutDress(DressKind kind, Silhouette silhouette) {
        auto* d = new TTestDress;
        main->Model = d;
        main->ModelIndex = TypeOf(kind, silhouette);
        main->CollarKind = TStand::kKind;
        DraftDress(*d, kDressSamples, kind, silhouette);
        d->calculated = true;
        return *d;
    }
    TStand& PutStand() {
        auto* s = new TStand;
        main->Collar = s;
        return *s;
    }
};

// On every garment of the women's family the collar reads the back neck as
// the two arcs of the bodice's back neckline and the front neck from A4 to
// A5.
TEST_F(StandWindowTest, DraftsFromEveryWomensBodice) {
    for (const DressKind kind : kKinds) {
        for (const Silhouette silhouette : kSilhouettes) {
            SCOPED_TRACE(TypeOf(kind, silhouette));
            delete main->Model;
            TTestDress& d = PutDress(kind, silhouette);
            TStand& s = main->Collar ? static_cast<TStand&>(*main->Collar) : PutStand();
            s.Calculate();
            const float backNeck = Bezier2::ArcLength(d.A01, d.NeckCtrl1, d.A9, 0, 1) +
                                   Bezier2::ArcLength(d.A9, d.NeckCtrl2, d.A2, 0, 1);
            EXPECT_NEAR(s.NeckLength, backNeck, 1e-5);
            EXPECT_GT(s.NeckLength, 5.0f);
            ExpectStandShape(s, NeckOf(d));
            // The front neck counts as an arc, longer than its chord.
            EXPECT_GT(s.Length - s.NeckLength, Geom::Distance(d.A4, d.A5));
        }
    }
}

// The collar writes its name while it lives, and the program's own
// registration makes it as kind 1.
TEST_F(StandWindowTest, WritesItsCaptionAndIsMadeByTheFactory) {
    RegisterBuiltInModels();
    ASSERT_TRUE(HasCollarMaker(TStand::kKind));
    {
        TStand s;
        EXPECT_EQ(main->CollarType->text().toStdString(), " Стоячий");
        s.ClearCaption();
        EXPECT_EQ(main->CollarType->text().toStdString(), "");
    }
    // The registered maker, put back at once.
    const CollarMaker maker = RegisterCollarMaker(TStand::kKind, nullptr);
    RegisterCollarMaker(TStand::kKind, maker);
    main->CollarType->setText("x");
    std::unique_ptr<TCollar> made(maker());
    EXPECT_NE(dynamic_cast<TStand*>(made.get()), nullptr);
    EXPECT_EQ(main->CollarType->text().toStdString(), " Стоячий");
    made.reset();
    EXPECT_EQ(main->CollarType->text().toStdString(), "");
}

// A collar paired with a garment that is no bodice (only a damaged order
// file can do that), or with none, fails its calculation with the kernel's
// error, which the calculation road reports.
TEST_F(StandWindowTest, WithoutABodiceTheCalculationFails) {
    TStand& s = PutStand();
    EXPECT_THROW(s.Calculate(), EFloatError);
    main->Model = new TNotADress;
    EXPECT_THROW(s.Calculate(), EFloatError);
}

// The stand collar has no handle: no press grabs anything and a drag
// changes nothing, calculated or not.
TEST_F(StandWindowTest, HasNoHandle) {
    PutDress(DressKind::Dress, Silhouette::Straight);
    TStand& s = PutStand();
    s.Calculate();
    const Vector c6 = s.C6, c4 = s.C4, ctrl = s.UpperCtrl;
    for (const Vector& p : {s.C, s.C4, s.C6, s.C5, s.NotchTop, Vector(s.BoxRight / 2, s.BoxTop / 2)}) {
        EXPECT_FALSE(s.HitTest(1, p.x, p.y));
        main->DraggingCollar = true;
        s.Drag(p.x + 3, p.y + 3);
        s.Calculate();
        main->DraggingCollar = false;
    }
    EXPECT_EQ(s.C6, c6);
    EXPECT_EQ(s.C4, c4);
    EXPECT_EQ(s.UpperCtrl, ctrl);
}

// The outline with pen width 2, the construction lines and the notch with
// width 1; no handle box.
TEST_F(StandWindowTest, DrawsItsOutlineBolderThanItsConstruction) {
    PutDress(DressKind::Dress, Silhouette::Straight);
    TStand& s = PutStand();
    s.Calculate();

    CollarDrawing screen(400, 200, 2, 10);
    s.Draw();
    s.DrawLabels();
    const TDrawContext used = ScreenDC;
    const QImage& drawn = screen.Image();

    // Inked pixels across a line at p: a column of rows about a horizontal
    // line, a row of columns about a vertical one.
    auto across = [&](const Vector& p, bool horizontalLine) {
        const int px = used.PixelX(p.x), py = used.PixelY(p.y);
        int ink = 0;
        for (int k = -3; k <= 3; ++k) {
            const QRgb c = horizontalLine ? drawn.pixel(px, py + k) : drawn.pixel(px + k, py);
            if (CollarDrawing::Ink(c)) ++ink;
        }
        return ink;
    };
    EXPECT_EQ(across(Vector(s.NeckLength / 2, 0), true), 2);             // lower edge C -> notch
    EXPECT_EQ(across(Vector((s.NeckLength + s.C3.x) / 2, 0), true), 2);  // lower edge notch -> C3
    EXPECT_EQ(across(Vector(s.C3.x / 2, s.Height), true), 2);            // upper edge C1 -> C5
    EXPECT_EQ(across(Vector(0, s.Height / 2), false), 1);                 // back edge
    EXPECT_EQ(across(Vector(s.C3.x, s.Height / 2), false), 1);            // C3 -> C5
    EXPECT_EQ(across(Vector(s.NeckLength, 0.25f), false), 1);             // notch stem
    EXPECT_FALSE(CollarDrawing::Has(drawn, qRgb(0, 255, 0)));
}

}  // namespace
