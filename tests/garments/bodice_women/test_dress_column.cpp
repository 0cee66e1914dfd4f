// The measurement column of the dresses, jackets and coats: its rows by
// silhouette and sleeve, the sample values of each garment, the checks and
// their messages, the illustrations, and the order panel's piece rows.
#include <gtest/gtest.h>

#include <QTextEdit>

#include "tests/garments/bodice_women/DressWindowFixture.h"

namespace {

using Rows = std::vector<std::string>;

Rows Join(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Rows FittedBody() {
    Rows r = kStraightBody;
    r.insert(r.begin() + 3, "Ст:");
    return r;
}

// The rows of each silhouette by sleeve kind.
TEST_F(DressWindowsTest, ColumnRowsFollowTheSilhouetteAndTheSleeve) {
    const struct {
        int type, sleeve;
        Rows rows;
    } cases[] = {
        {7, 0, Join(kStraightBody, {"Пг:", "Пб:", "h:"})},
        {7, 1, Join(kStraightBody, {"Др1с:", "Оп.в:", "Озап:", "Пн:", "Пг:", "Пб:", "Попв:", "Поз:", "Н:", "h:"})},
        {9, 4, Join(kStraightBody, {"Др1с:", "Озап:", "Пн:", "Пг:", "Пб:", "Поз:", "Н:", "h:"})},
        {11, 5, Join(kStraightBody, {"Др1с:", "Оп.в:", "Озап:", "Пн:", "Пг:", "Пб:", "Попв:", "Поз:", "h:"})},
        {13, 11, Join(kStraightBody, {"Др1с:", "Озап:", "Пн:", "Пг:", "Пб:", "Поз:", "С.пр:", "h:"})},
        {8, 0, Join(FittedBody(), {"Пг:", "Пт:", "Пб:", "h:"})},
        {10, 1,
         Join(FittedBody(), {"Др1с:", "Оп.в:", "Озап:", "Пн:", "Пг:", "Пт:", "Пб:", "Попв:", "Поз:", "H:", "h:"})},
        {12, 4, Join(FittedBody(), {"Др1с:", "Озап:", "Пн:", "Пг:", "Пт:", "Пб:", "Поз:", "H:", "h:"})},
        {14, 5, Join(FittedBody(), {"Др1с:", "Оп.в:", "Озап:", "Пн:", "Пг:", "Пт:", "Пб:", "Попв:", "Поз:", "h:"})},
        {8, 11, Join(FittedBody(), {"Др1с:", "Озап:", "Пн:", "Пг:", "Пт:", "Пб:", "Поз:", "С.пр:", "h:"})},
    };
    for (const auto& c : cases) {
        Choose(c.type, 0, c.sleeve);
        const std::string context = std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve);
        ASSERT_EQ(VisibleRows(), int(c.rows.size())) << context;
        for (size_t k = 0; k < c.rows.size(); ++k) EXPECT_EQ(Caption(int(k) + 1), c.rows[k]) << context << " row " << k + 1;
        EXPECT_EQ(main->MeasHint(8 + (c.type % 2 == 0)), "Расстояние между выступающими точками грудных желёз");
        EXPECT_EQ(report->List3()->Visible(), c.sleeve != 0) << context;
    }
    // The last garment's rows are hidden with it, whatever sleeve it had.
    main->CreateModel(0, -1, -1);
    EXPECT_EQ(VisibleRows(), dynamic_cast<TLowerGarment*>(main->Model)->MeasureCount());
}

// The samples: the dress's body and arm values, and each garment's eases.
TEST_F(DressWindowsTest, SamplesAreTheGarmentsOwn) {
    const struct {
        int type, sleeve;
        int firstRow;
        Rows values;
    } cases[] = {
        {7, 1, 1, Join(kStraightBodySamples, {"57.4", "29.1", "15.9", "0.5", "3", "1.5", "5", "5", "0.04", "0"})},
        {7, 0, 16, {"3", "1.5", "0"}},
        {13, 0, 16, {"8.8", "7.3", "0.4"}},
        {14, 0, 17, {"7.5", "9", "6.8", "0.4"}},
        {8, 1, 4, {"38"}},
        {8, 1, 17, {"57.4", "29.1", "15.9", "0.5", "2.8", "4.8", "1.5", "5", "5", "0.04", "0"}},
        // The straight jacket with the batwing: Пн, Пг, Пб, Поз, С.пр, h.
        {9, 11, 16, {"57.4", "15.9", "1", "5", "3.5", "7", "5", "0"}},
        // The cap-ease norm of a shirt sleeve: row 22 straight, 24 fitted.
        {11, 4, 22, {"0.07"}},
        {12, 4, 24, {"0.07"}},
        {14, 1, 20, {"1.5", "7.5", "9", "6.8", "10", "10", "0.1", "0.4"}},
    };
    for (const auto& c : cases) {
        main->DecimalSeparator = ',';
        main->DecimalSeparatorText = ",";
        TypeSamples(c.type, 0, c.sleeve);
        for (size_t k = 0; k < c.values.size(); ++k) {
            std::string expected = c.values[k];
            for (char& ch : expected)
                if (ch == '.') ch = ',';
            EXPECT_EQ(Field(c.firstRow + int(k)), expected) << c.type << " sleeve " << c.sleeve << " row "
                                                           << c.firstRow + int(k);
        }
    }
    // Without the option the column stays empty.
    main->DecimalSeparator = '.';
    main->DecimalSeparatorText = ".";
    Choose(10, 0, 1);
    for (int n = 1; n <= VisibleRows(); ++n) EXPECT_EQ(Field(n), "") << n;
    EXPECT_EQ(main->ModelType->text().toStdString(),
              " Жакет прилегающего силуэта. Заказ № " + std::to_string(main->OrderNumber));
}

// The checks in their order, with their messages.
TEST_F(DressWindowsTest, ChecksRefuseWhatCannotBeDrafted) {
    const struct {
        const char* what;
        int type, sleeve;
        std::map<int, std::string> typed;  // row -> text over the samples
        const char* refusal;               // nullptr: accepted
    } cases[] = {
        {"samples, straight", 7, 1, {}, nullptr},
        {"samples, fitted", 8, 1, {}, nullptr},
        {"Пг = Попв", 7, 1, {{20, "5"}, {22, "5"}}, nullptr},
        {"Пг > Попв", 7, 1, {{20, "5.1"}, {22, "5"}}, "Попв < Пг"},
        {"Пг > Попв, raglan", 9, 5, {{20, "5.1"}, {22, "5"}}, "Попв < Пг"},
        {"Пг > Поз, shirt sleeve: never compared", 7, 4, {{19, "9"}}, nullptr},
        {"Пг large, batwing: never compared", 7, 11, {{19, "9"}}, nullptr},
        {"Пг > Попв, fitted", 8, 1, {{21, "5.1"}, {24, "5"}}, "Попв < Пг"},
        {"S < 0", 8, 0, {{4, "60"}}, "Сг2+Пг < Ст+Пт"},
        {"S = 0", 8, 0, {{4, "46"}}, nullptr},  // 48 + 2.8 − 46 − 4.8
        {"Пг large without a sleeve", 7, 0, {{16, "9"}}, nullptr},
    };
    for (const auto& c : cases) {
        TypeSamples(c.type, 0, c.sleeve);
        for (const auto& t : c.typed) main->Meas(t.first)->setText(QString::fromStdString(t.second));
        messages.clear();
        const bool ok = main->Model->GetMeasures();
        ExpectCheckVerdict(ok, c.refusal, c.what);
    }
    // The samples of the fitted dress make S = 8.
    TypeSamples(8, 0, 1);
    ASSERT_TRUE(main->Model->GetMeasures());
    EXPECT_FLOAT_EQ(dynamic_cast<TDressOfWaist*>(main->Model)->WaistSuppression, 8.0f);

    // An empty field of the sleeve's group (Пн of the raglan) is missing.
    TypeSamples(7, 0, 5);
    main->Meas(19)->setText("");
    messages.clear();
    EXPECT_FALSE(main->Model->GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kMeasurementsMissingText);
}

// Each row's illustration is the one of the quantity it holds.
TEST_F(DressWindowsTest, EachRowShowsItsQuantitysIllustration) {
    const struct {
        int type, sleeve, row;
        void (*illustration)();
    } cases[] = {
        {7, 0, 4, MeasureHints::WomenLine5},  {8, 0, 4, MeasureHints::WomenLine4},
        {7, 0, 16, MeasureHints::WomenPg},    {8, 0, 18, MeasureHints::WomenPt},
        {7, 11, 22, MeasureHints::Women5v3},  {8, 4, 24, MeasureHints::WomenH},
        {7, 1, 25, MeasureHints::Womenh},     {8, 11, 24, MeasureHints::Women5v3},
        {10, 1, 16, MeasureHints::WomenLine16},
    };
    for (const auto& c : cases) ExpectRowIllustration(c.type, c.sleeve, c.row, c.illustration);
    // Beyond the column nothing changes.
    Choose(7, 0, 0);
    const QImage before = main->LineImage.Bitmap().copy();
    main->Model->ShowMeasure(19);
    EXPECT_EQ(main->LineImage.Bitmap(), before);
}

// ClearInputs empties the rows of the sleeve kind it is given, writes the
// garment's own caption and empties the customer and the comment.
TEST_F(DressWindowsTest, ClearInputsEmptiesTheRowsOfTheKindGiven) {
    const struct {
        int type, sleeve, clearedFor, emptied;
    } cases[] = {{8, 1, 0, 20}, {8, 1, 1, 27}, {7, 1, 0, 18}, {12, 4, 4, 25}, {13, 0, 0, 18}};
    for (const auto& c : cases) ExpectClearInputsEmpties(c.type, c.sleeve, c.clearedFor, c.emptied);
}

// The collar and sleeve rows of the order panel follow the pieces.
TEST_F(DressWindowsTest, OrderPanelShowsTheRowsOfThePiecesChosen) {
    const struct {
        int collar, sleeve;
    } choices[] = {{1, 1}, {1, 0}, {0, 1}, {0, 0}};
    int commentTop[4];
    for (int k = 0; k < 4; ++k) {
        Choose(7, choices[k].collar, choices[k].sleeve);
        EXPECT_EQ(main->CollarRowShown(), choices[k].collar != 0) << k;
        EXPECT_EQ(main->SleeveRowShown(), choices[k].sleeve != 0) << k;
        commentTop[k] = main->Comment->y();
        // Nothing shown overlaps: the comment starts below every shown row.
        for (QWidget* w : {static_cast<QWidget*>(main->CollarType), static_cast<QWidget*>(main->SleeveType)})
            if (!w->isHidden()) EXPECT_GT(commentTop[k], w->y() + w->height()) << k;
    }
    EXPECT_GT(commentTop[0], commentTop[1]);
    EXPECT_EQ(commentTop[1], commentTop[2]);
    EXPECT_GT(commentTop[2], commentTop[3]);
    // A lower-body garment leaves neither row.
    Choose(8, 1, 1);
    main->CreateModel(0, -1, -1);
    EXPECT_FALSE(main->CollarRowShown());
    EXPECT_FALSE(main->SleeveRowShown());
    EXPECT_EQ(main->Comment->y(), commentTop[3]);
}

// The factory gives the garment its type before making it, so that its
// constructor already sees it.
TEST_F(DressWindowsTest, TheTypeIsSetBeforeTheGarmentIsMade) {
    int seen = -1;
    const ModelMaker kept = RegisterModelMaker(9, [&] {
        seen = main->ModelIndex;
        return new TCoateeOfStraight;
    });
    Choose(7);
    Choose(9);
    RegisterModelMaker(9, kept);
    EXPECT_EQ(seen, 9);
    EXPECT_EQ(main->ModelIndex, 9);
}

}  // namespace
