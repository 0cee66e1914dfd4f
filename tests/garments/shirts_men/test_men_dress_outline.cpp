// The men's bodice on its sheet: the point names of the set-in and raglan
// layouts, the front edge by collar, the breast pocket's threshold, the
// sleeve kinds that draw nothing, and how the outline learns the jacket
// collar's "С6".
#include <gtest/gtest.h>

#include <algorithm>

#include "garments/common/PatternPen.h"
#include "shell/GarmentSheets.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/garments/shirts_men/MenShirtsWindowFixture.h"

namespace {

std::vector<std::string> Texts(const std::vector<MenPointName>& names) {
    std::vector<std::string> texts;
    for (const MenPointName& n : names) texts.push_back(n.text);
    return texts;
}
bool Has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}
MenOutlineChoice Pieces(int sleeveKind, int collarKind) {
    MenOutlineChoice c;
    c.sleeveKind = sleeveKind;
    c.collarKind = collarKind;
    return c;
}

// Which names each layout writes: the yoke's and the shoulders' only in the
// set-in layout, A4 in the raglan one only with the jacket or shawl collar,
// the overlap's A51 and H5 only with the plain edge.
TEST(MenDressOutline, ThePointNamesFollowTheLayout) {
    TTestMenDress d;
    DraftMenDress(d, kWorkedExample);
    ASSERT_TRUE(d.HasYoke);
    const std::vector<std::string> setIn = Texts(d.PointNames(Pieces(1, 0)));
    for (const char* t : {"K", "K1", "U", "K2", "P", "P1", "P2", "A2", "A21", "P4", "P10", "P11", "3", "4", "A3",
                          "A41", "A4", "A51", "H5", "T0"})
        EXPECT_TRUE(Has(setIn, t)) << t;
    for (const char* t : {"C1", "C2", "C3", "C4", "A42"}) EXPECT_FALSE(Has(setIn, t)) << t;
    EXPECT_EQ(setIn.front(), "G");
    EXPECT_EQ(setIn.size(), 59u - 5u);

    for (int collar : {0, 1, 4, 5}) {
        const std::vector<MenPointName> names = d.PointNames(Pieces(5, collar));
        const std::vector<std::string> raglan = Texts(names);
        for (const char* t : {"K", "K1", "U", "K2", "P", "P1", "P2", "A2", "A21", "P4", "P10", "P11", "3", "4", "A3",
                              "A41"})
            EXPECT_FALSE(Has(raglan, t)) << t << " collar " << collar;
        EXPECT_EQ(Has(raglan, "A4"), collar == 4 || collar == 5) << collar;
        EXPECT_EQ(Has(raglan, "A51"), collar != 4 && collar != 5) << collar;
        EXPECT_EQ(Has(raglan, "H5"), collar != 4 && collar != 5) << collar;
        for (const MenPointName& n : names) {
            if (std::string(n.text) == "A42") EXPECT_EQ(n.placement, collar == 4 ? 3 : 2);
            if (std::string(n.text) == "P6") EXPECT_EQ(n.placement, 8);
        }
    }
    // Without a yoke its names go; a sleeve kind of 7 or more names nothing.
    d.YokeWidth = 3.9f;
    d.Draft({});
    ASSERT_FALSE(d.HasYoke);
    const std::vector<std::string> noYoke = Texts(d.PointNames(Pieces(0, 5)));
    for (const char* t : {"K", "K1", "U", "K2", "A51", "H5"}) EXPECT_FALSE(Has(noYoke, t)) << t;
    EXPECT_TRUE(d.PointNames(Pieces(7, 0)).empty());
}

class MenDressSheetTest : public MenShirtsWindowTest {
protected:
    // Sheet 1 cleared and the outline alone drawn at the garment's origin.
    const QImage& DrawOutlineAlone(const TMenDress& g, const MenOutlineChoice& c) {
        GarmentSheets::ClearSheet(1);
        GarmentSheets::Attach(1);
        ScreenDC.RestoreCollarOrigin();
        g.DrawOutline({ScreenDC, false, GarmentSheets::kScreenOutline}, c);
        return report->List1()->Bitmap();
    }
    static QRect Around(const Vector& p) {
        return QRect(ScreenDC.PixelX(p.x) - 2, ScreenDC.PixelY(p.y) - 2, 5, 5);
    }
};

// The pocket on a chest of 17 cm or more (G4 → G3), none below.
TEST_F(MenDressSheetTest, ThePocketNeedsAChestOfSeventeen) {
    TMenDressGarment& g = Calculated(22, 0, 0);
    ASSERT_TRUE(g.calculated);
    const Vector leftEdge = (g.PocketCorners[0] + g.PocketCorners[2]) * 0.5f;
    for (float chest : {16.99f, 17.0f}) {
        g.G4.x = g.G3.x - chest;
        const QImage& sheet = DrawOutlineAlone(g, Pieces(0, 0));
        EXPECT_EQ(DarkPixels(sheet, Around(leftEdge)) > 0, chest >= 17.0f) << chest;
    }
}

// The overlap line A51 → H5 with the plain edge; the jacket and shawl
// collars make the edge themselves.  A sleeve kind beyond 6 draws nothing.
TEST_F(MenDressSheetTest, TheOverlapOnlyWithThePlainEdge) {
    TMenDressGarment& g = Calculated(24, 0, 0);
    ASSERT_TRUE(g.calculated);
    const Vector overlap = (g.A51 + g.H5) * 0.5f;
    for (int collar : {0, 1, 2, 4, 5, 6}) {
        const QImage& sheet = DrawOutlineAlone(g, Pieces(0, collar));
        EXPECT_EQ(DarkPixels(sheet, Around(overlap)) > 0, collar != 4 && collar != 5) << collar;
    }
    GarmentSheets::ClearSheet(1);
    const QImage blank = report->List1()->Bitmap().copy();
    EXPECT_EQ(DrawOutlineAlone(g, Pieces(7, 0)), blank);
}

// The outline asks the jacket collar's registered function for "С6": only
// a collar that function knows is the jacket collar.
TEST_F(MenDressSheetTest, TheJacketCollarsPointComesThroughItsHook) {
    Calculated(25, 4, 5);
    // The stand-in collar of kind 4 is not the program's jacket collar.
    EXPECT_FALSE(CurrentMenOutlineChoice().jacketCollar);
    const JacketCollarPoint registered = SetJacketCollarPoint([](const TCollar& collar, Vector& c6) {
        if (!dynamic_cast<const TBoxedCollar*>(&collar)) return false;
        c6 = Vector(20, -2);
        return true;
    });
    const MenOutlineChoice c = CurrentMenOutlineChoice();
    EXPECT_TRUE(c.jacketCollar);
    EXPECT_EQ(c.c6, Vector(20, -2));
    EXPECT_EQ(c.collarKind, 4);
    EXPECT_EQ(c.sleeveKind, 5);
    EXPECT_FALSE(c.Edge());
    EXPECT_TRUE(c.Raglan());
    main->CreateModel(25, 0, 5);
    EXPECT_FALSE(CurrentMenOutlineChoice().jacketCollar);
    SetJacketCollarPoint(registered);
    EXPECT_NE(registered, nullptr);
}

}  // namespace
