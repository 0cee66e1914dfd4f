// The measurement column of the men's shirts and jackets: its rows by
// silhouette and sleeve, the samples of the shirt and the jacket, the check
// and its message, the illustrations, ClearInputs and the order panel.
#include <gtest/gtest.h>

#include <QTextEdit>

#include "tests/garments/shirts_men/MenShirtsWindowFixture.h"

namespace {

using Rows = std::vector<std::string>;

Rows Join(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Rows FittedBody() {
    Rows r = kMenStraightBody;
    r.insert(r.begin() + 3, "Ст:");
    return r;
}

TEST_F(MenShirtsWindowTest, ColumnRowsFollowTheSilhouetteAndTheSleeve) {
    const struct {
        int type, sleeve;
        Rows rows;
    } cases[] = {
        {22, 0, Join(kMenStraightBody, {"Шк:", "Пг:", "Пб:", "h:"})},
        {22, 1, Join(kMenStraightBody, {"Шк:", "Др1с:", "Оп.в:", "Озап:", "Пг:", "Пб:", "Попв:", "Поз:", "Н:", "h:"})},
        {24, 4, Join(kMenStraightBody, {"Шк:", "Др1с:", "Озап:", "Пг:", "Пб:", "Поз:", "Н:", "h:"})},
        {22, 5, Join(kMenStraightBody, {"Др1с:", "Оп.в:", "Озап:", "Пг:", "Пб:", "Попв:", "Поз:", "h:"})},
        {23, 0, Join(FittedBody(), {"Шк:", "Пг:", "Пт:", "Пб:", "h:"})},
        {25, 2,
         Join(FittedBody(), {"Шк:", "Др1с:", "Оп.в:", "Озап:", "Пг:", "Пт:", "Пб:", "Попв:", "Поз:", "Н:", "h:"})},
        {23, 4, Join(FittedBody(), {"Шк:", "Др1с:", "Озап:", "Пг:", "Пт:", "Пб:", "Поз:", "Н:", "h:"})},
        {25, 6, Join(FittedBody(), {"Др1с:", "Оп.в:", "Озап:", "Пг:", "Пт:", "Пб:", "Попв:", "Поз:", "h:"})},
    };
    for (const auto& c : cases) {
        Choose(c.type, 0, c.sleeve);
        const std::string context = std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve);
        ASSERT_EQ(VisibleRows(), int(c.rows.size())) << context;
        for (size_t k = 0; k < c.rows.size(); ++k)
            EXPECT_EQ(Caption(int(k) + 1), c.rows[k]) << context << " row " << k + 1;
        EXPECT_EQ(main->MeasHint(c.type % 2 ? 4 : 3), c.type % 2 ? "Полуобхват талии" : "Полуобхват груди второй");
        EXPECT_EQ(report->List3()->Visible(), c.sleeve != 0) << context;
    }
    // The last garment's rows are hidden with it, whatever sleeve it had.
    main->CreateModel(0, -1, -1);
    EXPECT_EQ(VisibleRows(), dynamic_cast<TLowerGarment*>(main->Model)->MeasureCount());
    EXPECT_FALSE(report->List3()->Visible());
}

// The samples with the user's comma, the jacket's own eases.
TEST_F(MenShirtsWindowTest, SamplesAreTheGarmentsOwn) {
    const struct {
        int type, sleeve, firstRow;
        Rows values;
    } cases[] = {
        {22, 1, 1, Join(kMenStraightSamples, {"7", "61.7", "32.8", "18.5", "7", "5", "10", "9", "0.04", "0"})},
        {24, 1, 13, {"7", "61.7", "32.8", "18.5", "7", "6", "10", "10", "0.04", "0"}},
        {22, 0, 13, {"7", "7", "5", "0"}},
        {25, 0, 4, {"47", "53.4"}},
        {25, 0, 14, {"7", "7", "5", "6", "0"}},
        {23, 5, 14, {"61.7", "32.8", "18.5", "7", "5", "5", "10", "9", "0"}},
        {25, 4, 14, {"7", "61.7", "18.5", "7", "5", "6", "10", "0.04", "0"}},
    };
    for (const auto& c : cases) {
        main->DecimalSeparator = ',';
        main->DecimalSeparatorText = ",";
        TypeSamples(c.type, 0, c.sleeve);
        for (size_t k = 0; k < c.values.size(); ++k) {
            std::string expected = c.values[k];
            for (char& ch : expected)
                if (ch == '.') ch = ',';
            EXPECT_EQ(Field(c.firstRow + int(k)), expected)
                << c.type << " sleeve " << c.sleeve << " row " << c.firstRow + int(k);
        }
    }
    main->DecimalSeparator = '.';
    main->DecimalSeparatorText = ".";
    Choose(25, 0, 1);
    for (int n = 1; n <= VisibleRows(); ++n) EXPECT_EQ(Field(n), "") << n;
    EXPECT_EQ(main->ModelType->text().toStdString(),
              " Куртка прилегающего силуэта. Заказ № " + std::to_string(main->OrderNumber));
}

// The one check: the upper-arm ease must hold the bust ease, for every
// sleeve that has the row.
TEST_F(MenShirtsWindowTest, TheUpperArmEaseMustHoldTheBustEase) {
    const struct {
        const char* what;
        int type, sleeve;
        std::map<int, std::string> typed;  // row -> text over the samples
        const char* refusal;               // nullptr: accepted
    } cases[] = {
        {"samples, straight", 22, 1, {}, nullptr},
        {"samples, fitted", 25, 2, {}, nullptr},
        {"Пг = Попв", 22, 1, {{17, "10"}, {19, "10"}}, nullptr},
        {"Пг > Попв by 0.1", 22, 1, {{17, "10.1"}, {19, "10"}}, "Попв < Пг"},
        {"Пг > Попв, raglan", 24, 6, {{16, "10.1"}, {18, "10"}}, "Попв < Пг"},
        {"Пг > Попв, fitted", 23, 3, {{18, "10.1"}, {21, "10"}}, "Попв < Пг"},
        {"Пг large, shirt sleeve: never compared", 22, 4, {{16, "19"}}, nullptr},
        {"Пг large without a sleeve", 22, 0, {{14, "19"}}, nullptr},
    };
    for (const auto& c : cases) {
        TypeSamples(c.type, 0, c.sleeve);
        for (const auto& t : c.typed) main->Meas(t.first)->setText(QString::fromStdString(t.second));
        messages.clear();
        const bool ok = main->Model->GetMeasures();
        ExpectCheckVerdict(ok, c.refusal, c.what);
    }
    // A refused column keeps what it read.
    TypeSamples(22, 0, 1);
    main->Meas(17)->setText("10.1");
    main->Meas(19)->setText("10");
    EXPECT_FALSE(main->Model->GetMeasures());
    EXPECT_FLOAT_EQ(dynamic_cast<TMenDress*>(main->Model)->BustEase, 10.1f);

    // An empty field of the sleeve's group is missing; without a sleeve the
    // row is hidden and not read.
    for (int sleeve : {1, 4, 6}) {
        TypeSamples(22, 0, sleeve);
        main->Meas(17)->setText("");
        messages.clear();
        EXPECT_FALSE(main->Model->GetMeasures()) << sleeve;
        ASSERT_EQ(messages.size(), 1u) << sleeve;
        EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
    }
    TypeSamples(22, 0, 0);
    main->Meas(17)->setText("");
    EXPECT_TRUE(main->Model->GetMeasures());

    // The raglan column has no yoke and no cap-ease row: both stay.
    TMenDressGarment& g = TypeSamples(23, 0, 5);
    g.YokeWidth = 3.5f;
    g.CapEaseNorm = 0.02f;
    ASSERT_TRUE(g.GetMeasures());
    EXPECT_EQ(g.YokeWidth, 3.5f);
    EXPECT_EQ(g.CapEaseNorm, 0.02f);
    EXPECT_EQ(main->Sleeve->ArmLength, 61.7f);
}

TEST_F(MenShirtsWindowTest, EachRowShowsItsQuantitysIllustration) {
    const struct {
        int type, sleeve, row;
        void (*illustration)();
    } cases[] = {
        {22, 0, 4, MeasureHints::MenLine5},  {23, 0, 4, MeasureHints::MenLine4}, {23, 0, 5, MeasureHints::MenLine5},
        {22, 0, 6, MeasureHints::MenLine8},  {22, 0, 13, MeasureHints::MenShk},  {23, 0, 16, MeasureHints::Men3},
        {22, 5, 13, MeasureHints::MenLine16}, {24, 4, 15, MeasureHints::MenLine18}, {25, 1, 23, MeasureHints::Men004},
        {22, 1, 22, MeasureHints::Men0},     {24, 6, 19, MeasureHints::MenfESh},
    };
    for (const auto& c : cases) ExpectRowIllustration(c.type, c.sleeve, c.row, c.illustration);
    // Beyond the column nothing changes.
    Choose(22, 0, 0);
    const QImage before = main->LineImage.Bitmap().copy();
    main->Model->ShowMeasure(17);
    EXPECT_EQ(main->LineImage.Bitmap(), before);
}

// ClearInputs empties the rows of the sleeve kind it is given, writes the
// garment's own caption and empties the customer and the comment.
TEST_F(MenShirtsWindowTest, ClearInputsEmptiesTheRowsOfTheKindGiven) {
    const struct {
        int type, sleeve, clearedFor, emptied;
    } cases[] = {{22, 1, 0, 16}, {22, 2, 2, 22}, {23, 1, 0, 18}, {25, 4, 4, 22}, {24, 6, 5, 20}};
    for (const auto& c : cases) ExpectClearInputsEmpties(c.type, c.sleeve, c.clearedFor, c.emptied);
}

// The collar and sleeve rows of the order panel follow the pieces, and go
// with the garment.
TEST_F(MenShirtsWindowTest, OrderPanelShowsTheRowsOfThePiecesChosen) {
    const struct {
        int collar, sleeve;
    } choices[] = {{1, 1}, {1, 0}, {0, 1}, {0, 0}};
    for (const auto& c : choices) {
        Choose(24, c.collar, c.sleeve);
        EXPECT_EQ(main->CollarRowShown(), c.collar != 0) << c.collar << c.sleeve;
        EXPECT_EQ(main->SleeveRowShown(), c.sleeve != 0) << c.collar << c.sleeve;
    }
    Choose(23, 1, 1);
    main->CreateModel(0, -1, -1);
    EXPECT_FALSE(main->CollarRowShown());
    EXPECT_FALSE(main->SleeveRowShown());
}

}  // namespace
