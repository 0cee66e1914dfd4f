// The allowances of the eight women's bodices: the constants of each
// garment, stored as the floats the draft reads, and the interlining ease's
// share in them.
#include <gtest/gtest.h>

#include <string>

#include "tests/garments/bodice_women/DressFixture.h"

namespace {

struct Row {
    DressKind kind;
    Silhouette silhouette;
    // ArmholeDepthEase, BackLengthEase, FrontLengthEase, NeckWidthEase,
    // NeckRiseEase, BackNeckRaise, FrontNeckDepthEase, ShoulderRaise,
    // ShoulderLengthEase, PocketWidth with h = 0 and Сг2 = 48.
    float values[10];
};

const Row kRows[] = {
    {DressKind::Dress, Silhouette::Straight, {1.5f, 0.5f, 1.3f, 1, 0, 0.3f, 0.5f, 0, 0, 14.2f}},
    {DressKind::Dress, Silhouette::Fitted, {1, 0.5f, 1.3f, 1, 0, 0.3f, 0.5f, 0, 0, 14.2f}},
    {DressKind::Jacket, Silhouette::Straight, {2, 0.7f, 1.5f, 1, 0.2f, 0.5f, 0.5f, 0.5f, 0, 14.2f}},
    {DressKind::Jacket, Silhouette::Fitted, {1.5f, 0.7f, 1.5f, 1, 0.2f, 0.5f, 0.5f, 0.5f, 0, 14.2f}},
    {DressKind::AutumnCoat, Silhouette::Straight, {2.5f, 1, 2.3f, 1.5f, 0.4f, 0.7f, 1, 1, 0.5f, 15.2f}},
    {DressKind::AutumnCoat, Silhouette::Fitted, {2, 1, 2.3f, 1.5f, 0.4f, 0.7f, 1, 1, 0.5f, 15.2f}},
    {DressKind::WinterCoat, Silhouette::Straight, {3, 1, 2.8f, 2.5f, 0.8f, 0.7f, 1.5f, 1, 1, 15.2f}},
    {DressKind::WinterCoat, Silhouette::Fitted, {2.5f, 1, 2.8f, 2.5f, 0.8f, 0.7f, 1.5f, 1, 1, 15.2f}},
};

TEST(DressAllowances, EachGarmentSetsItsConstants) {
    for (const Row& row : kRows) {
        TTestDress d;
        Put(d, kDressSamples);  // Пг 3, Пб 1.5, h 0, Сг2 48
        d.SetAllowances(AllowancesOf(row.kind, row.silhouette));
        const float got[10] = {d.ArmholeDepthEase,   d.BackLengthEase, d.FrontLengthEase,   d.NeckWidthEase,
                               d.NeckRiseEase,       d.BackNeckRaise,  d.FrontNeckDepthEase, d.ShoulderRaise,
                               d.ShoulderLengthEase, d.PocketWidth};
        const std::string context = " in type " + std::to_string(TypeOf(row.kind, row.silhouette));
        // A constant standing alone is the float nearest to it (0.7 as
        // 0.699999988), and so is every sum here.
        for (int k = 0; k < 10; ++k) EXPECT_EQ(got[k], row.values[k]) << "allowance " << k << context;
        EXPECT_EQ(d.BustEaseTotal, 3.0f) << context;
        EXPECT_EQ(d.HipEaseTotal, 1.5f) << context;
        EXPECT_EQ(d.BackWidthEase, 0.69f) << context;
        EXPECT_EQ(d.FrontWidthEase, 0.51f) << context;
    }
}

// With h = 0.4 the straight winter coat sets ArmholeDepthEase 3.12,
// FrontLengthEase 3.04, BackNeckRaise 0.94 and FrontNeckDepthEase 1.74, and
// BustEaseTotal is Пг + 0.6; the fitted one only the armhole 0.5 less.
TEST(DressAllowances, TheInterliningEaseOfTheWinterCoat) {
    for (Silhouette s : kSilhouettes) {
        TTestDress d;
        DressMeasures m = kDressSamples;
        m.h = 0.4f;
        m.Pg = 8.8f;
        m.Pb = 7.3f;
        Put(d, m);
        d.SetAllowances(AllowancesOf(DressKind::WinterCoat, s));
        EXPECT_FLOAT_EQ(d.ArmholeDepthEase, s == Silhouette::Straight ? 3.12f : 2.62f);
        EXPECT_FLOAT_EQ(d.FrontLengthEase, 3.04f);
        EXPECT_FLOAT_EQ(d.BackNeckRaise, 0.94f);
        EXPECT_FLOAT_EQ(d.FrontNeckDepthEase, 1.74f);
        EXPECT_FLOAT_EQ(d.BustEaseTotal, 9.4f);
        EXPECT_FLOAT_EQ(d.HipEaseTotal, 7.9f);
        // The width eases come from the stored total.
        EXPECT_EQ(d.BackWidthEase, float(0.23 * d.BustEaseTotal));
        EXPECT_EQ(d.FrontWidthEase, float(0.17 * d.BustEaseTotal));
        // The oblique shoulder height's allowance is the draft's own.
        DressChoice choice;
        choice.modelIndex = TypeOf(DressKind::WinterCoat, s);
        d.Draft(choice);
        EXPECT_FLOAT_EQ(d.ShoulderHeightEase, (1 + 0.8f) * 41 / 38 + 0.6f * 0.4f);
    }
}

}  // namespace
