// The collar with an attached stand: its two pieces drafted from a neck (a
// worked case and the relations every draft keeps), its sizes by garment,
// and its (absent) handle.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "collars/AttachedStand.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/bodice_women/DressFixture.h"

namespace {

std::unique_ptr<TAttachedStand> Drafted(const BodiceNeck& neck, int type) {
    auto s = std::make_unique<TAttachedStand>();
    s->Draft(neck, type);
    return s;
}

void ExpectAttachedStandShape(const TAttachedStand& s, const BodiceNeck& neck) {
    SCOPED_TRACE(::testing::Message() << "N = " << s.NeckLength << ", H = " << s.StandHeight);
    const float H = s.StandHeight;
    // The neck edge: A -> A2 is N, A1 lies L = |A4 A5| π/3 beyond, the
    // edge dips 0.5 cm half-way along that front part.
    EXPECT_EQ(s.A, Vector(0, 0));
    EXPECT_EQ(s.A2, Vector(neck.BackNeckLength, 0));
    EXPECT_NEAR(s.A1.x - s.A2.x, Geom::Distance(neck.A4, neck.A5) * 3.141592653589793 / 3, 1e-4);
    EXPECT_NEAR(s.Dip.x, (s.A1.x + s.A2.x) / 2, 1e-4);
    EXPECT_EQ(s.Dip.y, -0.5f);
    // The stand's front end at height H square to Dip -> A1 through A1;
    // the extension e beyond A1 along the neck edge, its top at height H.
    EXPECT_EQ(s.B, Vector(0, H));
    EXPECT_NEAR(s.B1.y, H, 1e-5);
    EXPECT_NEAR(Vector::Dot(s.B1 - s.A1, s.A1 - s.Dip), 0, 1e-4);
    EXPECT_NEAR(Geom::Distance(s.A1, s.O1), s.Extension, 1e-4);
    EXPECT_NEAR(Vector::Cross(s.O1 - s.A1, s.A1 - s.Dip), 0, 1e-4);
    EXPECT_NEAR(s.O.y, H, 1e-5);
    EXPECT_NEAR(Geom::Distance(s.O1, s.FrontMid), Geom::Distance(s.FrontMid, s.O), 1e-4);
    // The fall: 1.5 cm above the stand, H + 1.5 high at the back, its
    // lower edge ending at the stand's front end, its front corner square to
    // FallBulge -> A51 through A51 on B4 -> B51 prolonged.
    EXPECT_EQ(s.A3, Vector(0, H + 1.5f));
    EXPECT_NEAR(s.B3.y - s.A3.y, H + 1.5f, 1e-5);
    EXPECT_EQ(s.A51, s.B1);
    EXPECT_NEAR(s.B51.y - s.B5.y, 1.0f, 1e-5);
    EXPECT_NEAR(Geom::Distance(s.FallMid, s.FallBulge), 0.3f, 1e-4);
    EXPECT_NEAR(Vector::Dot(s.B6 - s.A51, s.A51 - s.FallBulge), 0, 1e-3);
    EXPECT_NEAR(Vector::Cross(s.B6 - s.B4, s.B51 - s.B4), 0, 1e-3);
    // The extent box.
    EXPECT_EQ(s.BoxLeft, 0);
    EXPECT_EQ(s.BoxRight, std::max(s.O1.x, s.B6.x));
    EXPECT_EQ(s.BoxTop, s.B6.y);
    EXPECT_EQ(s.BoxBottom, -0.5f);
}

// A neck worked by hand (N = 9, |A4 A5| = 5) on a dress: a stand 2.5 cm
// high with a 1.5 cm extension.
TEST(AttachedStand, DraftsAWorkedNeck) {
    const BodiceNeck neck{9.0f, {0, 0}, {3, -4}};
    const auto s = Drafted(neck, 7);
    ExpectAttachedStandShape(*s, neck);
    EXPECT_NEAR(s->FrontRise, 5.23599f, 1e-4);
    EXPECT_NEAR(s->B1.x, 13.75852f, 1e-4);
    EXPECT_NEAR(s->O1.x, 15.70936f, 1e-4);
    EXPECT_NEAR(s->O1.y, 0.28139f, 1e-4);
    EXPECT_NEAR(s->O.x, 15.28563f, 1e-4);
    EXPECT_NEAR(s->FallBulge.x, 10.38280f, 1e-4);
    EXPECT_NEAR(s->FallBulge.y, 3.54311f, 1e-4);
    EXPECT_NEAR(s->B6.x, 15.86152f, 1e-3);
    EXPECT_NEAR(s->B6.y, 9.30570f, 1e-3);
    EXPECT_NEAR(s->BoxRight, 15.86152f, 1e-3);
}

// The stand's height and the extension by garment type.
TEST(AttachedStand, TakesItsSizesFromTheGarmentType) {
    struct Case {
        int type;
        float height, extension;
    };
    const Case cases[] = {{7, 2.5f, 1.5f},  {8, 2.5f, 1.5f},  {9, 3.0f, 2.0f},  {10, 3.0f, 2.0f},
                          {11, 4.0f, 3.0f}, {14, 4.0f, 3.0f}, {22, 2.5f, 1.5f}, {23, 2.5f, 1.5f},
                          {24, 3.0f, 1.5f}, {25, 3.0f, 1.5f}, {28, 3.5f, 3.0f}, {30, 3.5f, 3.0f},
                          {31, 4.0f, 3.0f}, {33, 4.0f, 3.0f}, {34, 2.5f, 2.0f}, {35, 2.5f, 2.0f}};
    const BodiceNeck neck{8.0f, {0, 0}, {4, -5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const auto s = Drafted(neck, c.type);
        EXPECT_EQ(s->StandHeight, c.height);
        EXPECT_EQ(s->Extension, c.extension);
        ExpectAttachedStandShape(*s, neck);
    }
}

class AttachedStandWindowTest : public ProgramWindowsTest {};

// On every women's bodice: drafted from its neck, its caption written, and
// no press grabs anything.
TEST_F(AttachedStandWindowTest, DraftsOnEveryWomensBodiceWithoutAHandle) {
    auto* s = new TAttachedStand;
    main->Collar = s;
    main->CollarKind = TAttachedStand::kKind;
    EXPECT_EQ(main->CollarType->text().toStdString(), " С притачной стойкой");
    for (const DressKind kind : kKinds) {
        for (const Silhouette silhouette : kSilhouettes) {
            const int type = TypeOf(kind, silhouette);
            SCOPED_TRACE(type);
            delete main->Model;
            auto* d = new TTestDress;
            main->Model = d;
            main->ModelIndex = type;
            DraftDress(*d, kDressSamples, kind, silhouette);
            d->calculated = true;
            s->Calculate();
            ExpectAttachedStandShape(*s, NeckOf(*d));
            EXPECT_EQ(s->StandHeight, AttachedStandSizesFor(type).StandHeight);
            for (const Vector& p : {s->A, s->B1, s->B6, s->O1, s->Dip}) EXPECT_FALSE(s->HitTest(1, p.x, p.y));
        }
    }
}

}  // namespace
