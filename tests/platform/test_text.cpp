// Number formatting, the decimal separator, the date and the Windows-1251
// code page.
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include "platform/Screen.h"
#include "platform/Text.h"

namespace {

class FormatFixedTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = DecimalSeparator();
        SetDecimalSeparator('.');
    }
    void TearDown() override { SetDecimalSeparator(saved_); }
    char saved_ = '.';
};

struct FixedCase {
    double value;
    int precision;
    int digits;
    const char* text;
};

}  // namespace

TEST_F(FormatFixedTest, RoundsOnceHalfAwayFromZero) {
    const FixedCase cases[] = {
        {12.34, 5, 1, "12.3"},
        {0.25, 5, 1, "0.3"},      // an exact half goes up, not to even
        {-0.25, 5, 1, "-0.3"},
        {2.5, 5, 0, "3"},
        {1.04999, 5, 1, "1.0"},   // one rounding, not 1.0500 then 1.1
        {9.96, 5, 1, "10.0"},
        {0.04, 5, 1, "0.0"},
        {-0.04, 5, 1, "0.0"},     // rounds to zero: no sign
        {0.0, 5, 1, "0.0"},
        {0.06, 5, 1, "0.1"},
        {37.8f, 5, 1, "37.8"},    // a float value from the tables
        {12345.6, 5, 1, "12346.0"},  // precision bounds the digits kept
        {0.001234, 3, 5, "0.00123"},
        {7.0, 5, 3, "7.000"},
        {-3.14159, 5, 2, "-3.14"},
        {123456.7, 5, 1, "1.2346E5"},  // more integer digits than precision
        {99999.96, 5, 1, "1E5"},       // rounding carries into the sixth digit
    };
    for (const FixedCase& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits), c.text)
            << c.value << " precision " << c.precision << " digits " << c.digits;
}

TEST_F(FormatFixedTest, UsesTheProgramsDecimalSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(FormatFixed(12.34, 5, 1), "12,3");
    EXPECT_EQ(FormatFixed(123456.7, 5, 1), "1,2346E5");
    EXPECT_EQ(FormatFixed(5.0, 5, 0), "5");
}

TEST(ShortDate, ShowsTodaysYear) {
    const std::string text = ShortDateText();
    const std::string yy = std::to_string(QDate::currentDate().year() % 100);
    EXPECT_NE(text.find(yy), std::string::npos) << text;
}

TEST(ShortDate, NoLocaleGivesDigitsNotEnglishMonths) {
    const QDate date(2026, 12, 10);
    EXPECT_EQ(ShortDateText(QLocale::c(), date), "10.12.2026");
    EXPECT_EQ(ShortDateText(QLocale(QLocale::Russian, QLocale::Russia), date), "10.12.2026");
    EXPECT_EQ(ShortDateText(QLocale(QLocale::English, QLocale::UnitedStates), date), "12/10/26");
}

TEST(Cp1251, CyrillicTextRoundTrips) {
    const std::string utf8 = "Основа: Юбка. Заказ № 12 Ёё";
    const std::string cp = Utf8ToCp1251(utf8);
    EXPECT_EQ(cp.substr(0, 6), "\xCE\xF1\xED\xEE\xE2\xE0");
    EXPECT_NE(cp.find('\xB9'), std::string::npos);  // №
    EXPECT_EQ(cp.size(), 27u);
    EXPECT_EQ(Cp1251ToUtf8(cp), utf8);
}

TEST(Cp1251, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a中b€"), "a?b\x88");
    EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y");         // malformed UTF-8
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a?z");         // 0x98 is unassigned
    EXPECT_EQ(Cp1251ToUtf8(""), "");
}

TEST(Screen, PixelsPerInchHeadlessAndOverride) {
    EXPECT_EQ(ScreenPixelsPerInch(), 96);
    SetScreenPixelsPerInchOverride(120);
    EXPECT_EQ(ScreenPixelsPerInch(), 120);
    SetScreenPixelsPerInchOverride(0);
    EXPECT_EQ(ScreenPixelsPerInch(), 96);
    EXPECT_GT(ScreenWidth(), 0);
    EXPECT_GT(ScreenHeight(), 0);
}
