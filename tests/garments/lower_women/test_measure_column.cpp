// The garments' shared column helpers on their own: the number parsing
// that never throws, the sample and value texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/Text.h"
#include "shell/MeasureColumn.h"

namespace {

TEST(ParseMeasure, AcceptsDigitsWithOneSeparatorOfEitherKind) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {
        {"53.3", 53.3f}, {"53,3", 53.3f}, {" 7 ", 7.0f}, {"1.", 1.0f},  {".5", 0.5f},
        {",5", 0.5f},    {"-2.5", -2.5f}, {"+3", 3.0f},  {"0", 0.0f},   {"0099,40", 99.4f},
    };
    for (const Case& c : cases) {
        float v = -123.0f;
        EXPECT_TRUE(ParseMeasure(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(ParseMeasure, RefusesEverythingElseWithoutThrowing) {
    const std::string huge = "1" + std::string(39, '0');   // beyond a float
    const std::string endless = "1" + std::string(400, '0');  // beyond a double
    for (const std::string& text : {std::string(""), std::string(" "), std::string("."), std::string(","),
                                    std::string("53.3.1"), std::string("53,3.1"), std::string("5 3"),
                                    std::string("1e5"), std::string("abc"), std::string("--3"), std::string("-"),
                                    std::string("-."), std::string("0x10"), std::string("inf"), std::string("nan"),
                                    std::string("3-"), huge, endless}) {
        float v = -123.0f;
        bool ok = true;
        EXPECT_NO_THROW(ok = ParseMeasure(text, v)) << text;
        EXPECT_FALSE(ok) << text;
        EXPECT_EQ(v, -123.0f) << "untouched: " << text;
    }
}

// Without a main window the texts use the program's separator.
TEST(MeasureColumnTexts, SamplesAndValues) {
    SetDecimalSeparator(',');
    EXPECT_EQ(MeasureColumn::SampleText({"Дтк:", "", "53", "3"}), "53,3");
    EXPECT_EQ(MeasureColumn::SampleText({"Ст:", "", "38", nullptr}), "38");
    EXPECT_EQ(MeasureColumn::SampleText({"Пб:", "", "1", ""}), "1");
    EXPECT_EQ(MeasureColumn::ValueText(99.44f), "99,4");
    EXPECT_EQ(MeasureColumn::ValueText(-0.04f), "0,0");
    SetDecimalSeparator(0);
}

}  // namespace

// Sums equal as typed to a tenth of a centimetre can differ in their last
// binary digits; the relation checks treat them as the equality they are.
TEST(MeasureColumnRelations, TiesAsTypedAreNotExceeded) {
    struct Case {
        double a, b;
        bool exceeds;
    } cases[] = {
        {53.9f + 0.1f, 53.3f + 0.7f, false},
        {0.1 * 31.0f + 16.2f, 19.3f, false},  // shorts: Вс + 0.1·Сб = Дш
        {53.4f, 53.3f, true},
        {53.3f, 53.4f, false},
    };
    for (const Case& c : cases) EXPECT_EQ(MeasureColumn::Exceeds(c.a, c.b), c.exceeds) << c.a << " " << c.b;
}
