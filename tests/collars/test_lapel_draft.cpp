// The jacket collar with lapel and the shawl collar drafted on the fronts of
// the women's bodices and the men's shirts and jackets, each bodice drafted
// on its own and set as the main window's garment: the sizes by garment
// type, the default break point, the construction's relations, the limits
// of a drag, the drawing of the raglan neck, and the geometries that cannot
// be drafted.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "tests/ProgramWindows.h"
#include "tests/collars/CollarDrawing.h"
#include "tests/collars/HandleOnSheet.h"
#include "tests/collars/LapelShape.h"
#include "tests/garments/bodice_women/DressFixture.h"
#include "tests/garments/shirts_men/MenDressFixture.h"

using namespace lapel_shape;

namespace {

constexpr int kWomenTypes[] = {7, 8, 9, 10, 11, 12, 13, 14};
constexpr int kMenTypes[] = {22, 23, 24, 25};
constexpr int kCollars[] = {TForCoat::kKind, TShawl::kKind};

class LapelDraftTest : public ProgramWindowsTest {
protected:
    void AfterTearDown() override { sleeve_.reset(); }

    // The bodice of the type drafted from its samples for a collar of the
    // kind (and a sleeve kind), made the main window's garment, and the
    // collar of that kind made its collar, not yet calculated.
    TCollar& Garment(int type, int collarKind, int sleeveKind = 0) {
        delete main->Collar;
        main->Collar = nullptr;
        delete main->Model;
        main->Model = nullptr;
        main->ModelIndex = type;
        main->CollarKind = collarKind;
        if (sleeveKind) sleeve_ = std::make_unique<TTestSleeve>();
        main->Sleeve = sleeveKind ? sleeve_.get() : nullptr;
        main->SleeveKind = sleeveKind;
        BodiceChoice choice = ChoiceOf(main->Sleeve, sleeveKind, true, collarKind);
        choice.modelIndex = type;
        if (type <= 14) {
            auto* d = new TTestDress;
            main->Model = d;
            DraftDress(*d, kDressSamples, kKinds[(type - 7) / 2], kSilhouettes[(type - 7) % 2], choice);
        } else {
            auto* d = new TTestMenDress;
            main->Model = d;
            DraftMenDress(*d, kShirtSamples, type < 24 ? MenDressKind::Shirt : MenDressKind::Jacket, choice);
        }
        main->Model->calculated = true;
        if (collarKind == TForCoat::kKind)
            main->Collar = new TForCoat;
        else
            main->Collar = new TShawl;
        return *main->Collar;
    }
    void TearDown() override {
        main->Sleeve = nullptr;  // the test's, not the window's to delete
        ProgramWindowsTest::TearDown();
    }

private:
    std::unique_ptr<TTestSleeve> sleeve_;
};

// Sizes by garment type, and the break point by default: the overlap
// ahead of G3 (of the hem end for the shawl collar, where the hem end lies
// under G3), 15 % of the way from G3 down to the waist.
TEST_F(LapelDraftTest, SizesAndTheDefaultBreakPointByGarmentType) {
    struct Row {
        int type;
        float s, s2, e;
    };
    const Row rows[] = {{7, 2.5f, 3, 2},   {8, 2.5f, 3, 2},   {9, 2.5f, 3, 2.5f}, {10, 2.5f, 3, 2.5f},
                        {11, 4, 4, 5},     {12, 4, 4, 5},     {13, 4, 4, 5},      {14, 4, 4, 5},
                        {22, 3, 3, 3},     {23, 3, 3, 3},     {24, 3, 3, 3},      {25, 3, 3, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        auto& coat = static_cast<TForCoat&>(Garment(row.type, TForCoat::kKind));
        coat.Calculate();
        const OpenFront f = OpenFrontOfCurrentBodice();
        EXPECT_EQ(coat.StandHeight, row.s);
        EXPECT_EQ(coat.DeflectionBase, row.s2);
        EXPECT_EQ(coat.Extension, row.e);
        EXPECT_EQ(coat.LapelWidth, 2 * row.s + 0.5f);
        EXPECT_NEAR(coat.ExtensionAtBreak, row.e, 1e-5);
        EXPECT_NEAR(coat.BreakPoint.Point.y, f.G3.y - 0.15f * (f.G3.y - f.BreakGuide.y), 1e-4);

        auto& shawl = static_cast<TShawl&>(Garment(row.type, TShawl::kKind));
        shawl.Calculate();
        const OpenFront g = OpenFrontOfCurrentBodice();
        EXPECT_EQ(shawl.StandHeight, row.s);
        EXPECT_EQ(shawl.Extension, row.e);
        EXPECT_EQ(shawl.NeckDrop, 1.0f);
        EXPECT_EQ(shawl.BreakPoint.Point, Vector(g.Hem.x + row.e, g.G3.y - shawl.BreakDrop));
        if (g.Hem.x == g.G3.x) {
            EXPECT_NEAR(shawl.ExtensionAtBreak, row.e, 1e-5);
        }
    }
}

// Every garment of both families: the collars keep their construction's
// relations; the men's take their hem end from H11, the shawl its box
// bottom from H1.
TEST_F(LapelDraftTest, EveryGarmentDraftsBothCollars) {
    for (const int* types : {std::begin(kWomenTypes), std::begin(kMenTypes)}) {
        const int count = types == std::begin(kWomenTypes) ? 8 : 4;
        for (int k = 0; k < count; ++k) {
            const int type = types[k];
            SCOPED_TRACE(type);
            Garment(type, TForCoat::kKind).Calculate();
            ExpectForCoatShape(static_cast<TForCoat&>(*main->Collar), OpenFrontOfCurrentBodice());
            Garment(type, TShawl::kKind).Calculate();
            ExpectShawlShape(static_cast<TShawl&>(*main->Collar), OpenFrontOfCurrentBodice());
            if (auto* men = dynamic_cast<TMenDress*>(main->Model)) {
                EXPECT_EQ(static_cast<TShawl&>(*main->Collar).EdgeBottom.y, men->H11.y);
                EXPECT_EQ(main->Collar->BoxBottom, men->H1.y);
            }
        }
    }
}

// The neck edge of the jacket collar comes out longer than the bodice's
// neckline (trimmed by the chord walk) or shorter (prolonged straight) as
// the break point moves; either way it ends as long as the neckline.
TEST_F(LapelDraftTest, TheJacketCollarsNeckEdgeIsTrimmedOrProlonged) {
    auto& coat = static_cast<TForCoat&>(Garment(10, TForCoat::kKind));
    coat.Calculate();
    const Vector start = coat.BreakPoint.Point;
    const OpenFront f = OpenFrontOfCurrentBodice();
    bool trimmed = false, prolonged = false;
    main->DraggingCollar = true;
    for (float dy = 0; dy >= -30 && !(trimmed && prolonged); dy -= 1) {
        for (float dx = 0; dx <= 10; dx += 2) {
            coat.BreakPoint.Point = Vector(start.x + dx, start.y + dy);
            coat.Calculate();
            EXPECT_EQ(coat.BreakPoint.Point, Vector(start.x + dx, start.y + dy));
            trimmed = trimmed || coat.LengthDiff < 0;
            prolonged = prolonged || coat.LengthDiff > 0;
            SCOPED_TRACE(::testing::Message() << dx << ", " << dy);
            ExpectForCoatShape(coat, f);
        }
    }
    main->DraggingCollar = false;
    EXPECT_TRUE(trimmed);
    EXPECT_TRUE(prolonged);
    // Not dragging: the next calculation puts the break point back.
    coat.Calculate();
    EXPECT_EQ(coat.BreakPoint.Point, start);
}

// A drag moves the break point to the press's offset from it, kept right
// of A5, below the top limit (1 cm below A5 for the jacket collar, 2 cm for
// the shawl collar) and not above the line 1 cm below С parallel to С A5.
TEST_F(LapelDraftTest, ADragKeepsTheBreakPointWithinItsLimits) {
    enum class Expect { Free, AtA5, AtTop, OnLine };
    struct Case {
        const char* name;
        float dx, dy;  // from the default break point, in cm; or from A5 where noted
        bool fromA5;
        Expect expect;
    };
    const Case cases[] = {
        {"down and out", 1.5f, -3, false, Expect::Free},
        {"left of A5", -40, -2, false, Expect::AtA5},
        {"above the top, at A5", 0, 2, true, Expect::AtTop},
        {"far out", 40, 0, false, Expect::OnLine},
        {"high and out", 3, -0.5f, true, Expect::OnLine},
    };
    for (int kind : kCollars) {
        for (int type : {8, 13, 24}) {
            auto& c = static_cast<TLapelCollar&>(Garment(type, kind));
            c.Calculate();
            const OpenFront f = OpenFrontOfCurrentBodice();
            const Vector& A5 = f.Neck.A5;
            const Vector& C = kind == TForCoat::kKind ? static_cast<TForCoat&>(c).C : static_cast<TShawl&>(c).C;
            const float top = A5.y - (kind == TForCoat::kKind ? 1.0f : 2.0f);
            const Vector start = c.BreakPoint.Point;
            for (const Case& k : cases) {
                SCOPED_TRACE(::testing::Message() << "collar " << kind << " type " << type << ": " << k.name);
                c.Calculate();
                DrawLabelsOnSheet(c, 1);
                // Pressed 0.3 cm off the handle point: the grab offset.
                ASSERT_TRUE(c.HitTest(1, start.x + 0.3f, start.y - 0.3f));
                const Vector base = k.fromA5 ? A5 : start;
                const Vector p(base.x + k.dx, base.y + k.dy);
                c.Drag(p.x + 0.3f, p.y - 0.3f);
                const Vector b = c.BreakPoint.Point;
                const nVector n(C, A5);
                const float above = Vector::Dot(Vector(b.x - C.x, b.y + 1 - C.y), n);
                EXPECT_GE(b.x, A5.x);
                EXPECT_LE(b.y, top + 1e-4f);
                EXPECT_LE(above, 1e-3f);
                switch (k.expect) {
                    case Expect::Free: EXPECT_EQ(b, p); break;
                    case Expect::AtA5: EXPECT_EQ(b, Vector(A5.x, p.y)); break;
                    case Expect::AtTop:
                        EXPECT_NEAR(b.y, top, 1e-4);
                        EXPECT_NEAR(b.x, A5.x, 1e-4);
                        break;
                    case Expect::OnLine: {
                        EXPECT_NEAR(above, 0, 1e-3);
                        // Moved straight across the line from the clamped point.
                        const Vector clamped(std::max(p.x, A5.x), std::min(p.y, top));
                        EXPECT_NEAR(Vector::Cross(clamped - b, n), 0, 1e-3);
                        break;
                    }
                }
            }
        }
    }
}

// A press outside the handle's box, or on an uncalculated garment, grabs
// nothing, and a drag then moves nothing.
TEST_F(LapelDraftTest, OnlyAPressOnTheHandleOfACalculatedDraftGrabsIt) {
    for (int kind : kCollars) {
        auto& c = static_cast<TLapelCollar&>(Garment(9, kind));
        c.Calculate();
        DrawLabelsOnSheet(c, 1);
        const Vector b = c.BreakPoint.Point;
        EXPECT_TRUE(c.HitTest(1, b.x + 0.6f, b.y - 0.6f));
        EXPECT_FALSE(c.HitTest(1, b.x + 0.65f, b.y));
        EXPECT_FALSE(c.HitTest(1, b.x, b.y + 0.65f));
        auto& fresh = static_cast<TLapelCollar&>(Garment(9, kind));
        fresh.Calculate();
        fresh.Drag(b.x + 1, b.y - 1);
        EXPECT_EQ(fresh.BreakPoint.Point, b);
        main->Model->calculated = false;
        EXPECT_FALSE(fresh.HitTest(1, b.x, b.y));
    }
}

// Fronts on which a collar cannot be drafted fail with the kernel's
// floating-point error, never with a NaN in the draft.
TEST_F(LapelDraftTest, HopelessFrontsFailWithTheFloatingPointError) {
    struct Case {
        const char* name;
        int kind;
        void (*spoil)(OpenFront&);
        const char* step;  // the step that fails, as the error names it
    };
    const Case cases[] = {
        {"swing chord longer than the swing's diameter", TForCoat::kKind, [](OpenFront& f) { f.Posture = -500; },
         "jacket collar swing"},
        {"SwungEnd inside the neck circle", TForCoat::kKind,
         [](OpenFront& f) { f.NeckCentre = f.NeckCentre + Vector(0, 60); }, "jacket collar tangent"},
        {"L1 inside the circle of radius s about A4", TShawl::kKind,
         [](OpenFront& f) { f.Neck.A4 = Vector(f.Hem.x + 3.5f, f.G3.y - 0.15f * (f.G3.y - f.BreakGuide.y) + 1); },
         "shawl collar roll line"},
        {"A51 inside the neck circle", TShawl::kKind, [](OpenFront& f) { f.NeckCentre = f.Neck.A5 - Vector(0, 1.5f); },
         "shawl collar neck tangent"},
        {"a neck edge out of reach", TShawl::kKind, [](OpenFront& f) { f.NeckLength = 1e30f; }, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TCollar& c = Garment(24, k.kind);
        OpenFront f = OpenFrontOfCurrentBodice();
        k.spoil(f);
        try {
            if (k.kind == TForCoat::kKind)
                static_cast<TForCoat&>(c).Draft(f, 24);
            else
                static_cast<TShawl&>(c).Draft(f, 24);
            ADD_FAILURE() << "drafted";
        } catch (const EFloatError& e) {
            EXPECT_NE(std::string(e.what()).find(k.step), std::string::npos) << e.what();
        }
    }
    // Paired with a garment that is no bodice.
    for (int kind : kCollars) {
        TCollar& c = Garment(7, kind);
        delete main->Model;
        main->Model = new TNotADress;
        EXPECT_THROW(c.Calculate(), EFloatError);
    }
}

// A shawl roll line that misses the neck circle, on either side, takes the
// neck centre as F and drafts on.
TEST_F(LapelDraftTest, AShawlRollLineMissingTheNeckCircleTurnsAboutTheNeckCentre) {
    auto& shawl = static_cast<TShawl&>(Garment(12, TShawl::kKind));
    shawl.Calculate();
    const OpenFront f = OpenFrontOfCurrentBodice();
    const Vector along = Vector::UnitBetween(shawl.L1, shawl.C);
    const Vector left = Vector::Perpendicular(along);
    for (float side : {1.0f, -1.0f}) {
        SCOPED_TRACE(side);
        OpenFront g = f;
        // A small neck circle 3 cm off the roll line's middle.
        const Vector mid = (shawl.L1 + shawl.C) * 0.5f;
        g.NeckCentre = mid + left * (3 * side);
        g.Neck.A5 = g.NeckCentre - Vector(0, 0.5f);
        shawl.Draft(g, 12);
        EXPECT_EQ(shawl.F, g.NeckCentre);
        for (const Vector& p : {shawl.TurnedEnd, shawl.C2, shawl.C4, shawl.NeckTangent, shawl.L2, shawl.RollFront})
            EXPECT_TRUE(Finite(p));
    }
}

// The neckline round to the raglan sleeve's A41 (and the labels "A4",
// "A3") is drawn for a women's bodice with a raglan sleeve only.
TEST_F(LapelDraftTest, OnlyAWomensRaglanBodiceGetsTheRaglanNeck) {
    // The collar drawn with the bodice's sleeve taken as the raglan (kind
    // 5) and as the one-seam sleeve (kind 1).
    const auto drawings = [&](int type, int kind) {
        TCollar& c = Garment(type, kind, 5);
        if (auto* d = dynamic_cast<TDress*>(main->Model)) {
            // The raglan sleeve's neck point, between A4 and A5 on the neck circle.
            d->A41 = d->FrontNeckCentre + Geom::Rotated(d->A4 - d->FrontNeckCentre, 0.5f);
        }
        c.Calculate();
        std::pair<QImage, QImage> images;
        for (int sleeveKind : {5, 1}) {
            main->SleeveKind = sleeveKind;
            CollarDrawing drawing(700, 900, 0, 20);
            c.Draw();
            c.DrawLabels();
            (sleeveKind == 5 ? images.first : images.second) = drawing.Image().copy();
        }
        return images;
    };
    for (int kind : kCollars) {
        SCOPED_TRACE(kind);
        const auto women = drawings(11, kind);
        EXPECT_NE(women.first, women.second);
        const auto men = drawings(24, kind);
        EXPECT_EQ(men.first, men.second);
    }
}

}  // namespace
