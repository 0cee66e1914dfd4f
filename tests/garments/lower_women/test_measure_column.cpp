// The garments' shared column helpers on their own: the number parsing
// that never throws, the sample and value texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include <QFile>

#include "kernel/Record.h"
#include "platform/Text.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"
#include "tests/garments/lower_women/SkirtFixture.h"

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

TEST(ParseMeasure, ANumberBeyondTheLargestMeasurementIsOutOfRange) {
    struct Case {
        std::string text;
        MeasureParse verdict;
    } cases[] = {
        {"500", MeasureParse::Ok},
        {"-500,0", MeasureParse::Ok},
        {"500.0001", MeasureParse::OutOfRange},
        {"501", MeasureParse::OutOfRange},
        {"-501", MeasureParse::OutOfRange},
        {"123456", MeasureParse::OutOfRange},
        {"1" + std::string(39, '0'), MeasureParse::OutOfRange},   // beyond a float
        {"1" + std::string(400, '0'), MeasureParse::OutOfRange},  // beyond a double
        {"5oo", MeasureParse::NotANumber},
    };
    for (const Case& c : cases) {
        float v = -123.0f;
        EXPECT_EQ(ParseMeasureText(c.text, v), c.verdict) << c.text;
        if (c.verdict != MeasureParse::Ok) EXPECT_EQ(v, -123.0f) << "untouched: " << c.text;
    }
}

// Without a main window the texts use the program's separator.
TEST(MeasureColumnTexts, SamplesAndValues) {
    SetDecimalSeparator(',');
    EXPECT_EQ(MeasureColumn::SampleText({"Дтк:", "", "53", "3", kBody}), "53,3");
    EXPECT_EQ(MeasureColumn::SampleText({"Ст:", "", "38", nullptr, kBody}), "38");
    EXPECT_EQ(MeasureColumn::SampleText({"Пб:", "", "1", "", kFree}), "1");
    // A value shows as many decimals as it has, and never an exponent.
    struct Case {
        float value;
        const char* text;
    } cases[] = {
        {123456.0f, "123456"}, {0.05f, "0,05"},  {53.3f, "53,3"},      {99.44f, "99,44"}, {25.04f, "25,04"},
        {-0.04f, "-0,04"},     {0.0f, "0"},      {-0.0f, "0"},         {1e-7f, "0,0000001"},
        {1e20f, "100000002004087734272"},        {500.0f, "500"},      {0.1f + 0.2f, "0,3"},
    };
    for (const Case& c : cases) EXPECT_EQ(MeasureColumn::ValueText(c.value), c.text) << c.value;
    EXPECT_EQ(MeasureColumn::ValueText(INFINITY), "");
    EXPECT_EQ(MeasureColumn::OneDecimalText(99.44f), "99,4");
    EXPECT_EQ(MeasureColumn::OneDecimalText(-0.04f), "0,0");
    SetDecimalSeparator(0);
}

// Whatever a field shows of a loaded value reads back as exactly that
// value, so that saving an order again does not change it.
TEST(MeasureColumnTexts, EveryValueTextReadsBackAsTheSameFloat) {
    SetDecimalSeparator('.');
    std::uint32_t bits = 0x3f800000u;  // a walk over the floats of 0 .. 500
    for (int k = 0; k < 20000; ++k) {
        bits = bits * 1664525u + 1013904223u;
        float v;
        const std::uint32_t b = bits & 0x7fffffffu;
        std::memcpy(&v, &b, 4);
        if (!(v <= 500.0f)) v = std::fmod(v, 500.0f);
        if (!std::isfinite(v)) continue;
        const std::string text = MeasureColumn::ValueText(v);
        float back = -1.0f;
        ASSERT_TRUE(ParseMeasure(text, back)) << text;
        ASSERT_EQ(back, v == 0.0f ? 0.0f : v) << text;
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    }
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

// ---------------------------------------------------------------------------
// The column of a real garment

namespace {

class MeasureColumnWindowTest : public SkirtWindowTest {
protected:
    void UseComma() {
        main->DecimalSeparator = ',';
        main->DecimalSeparatorText = ",";
        SetDecimalSeparator(',');
    }
    std::string ReadAll(const std::string& path) const {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
};

}  // namespace

TEST_F(MeasureColumnWindowTest, ReadRefusesWithTheFieldNamedAndTheTextCut) {
    const std::string longPaste = std::string(10000, '7') + "x";
    struct Case {
        const char* name;
        std::string typed;  // into Сб
        std::string text;
    };
    const Case cases[] = {
        {"not a number",
         "5З",
         "Значение «5З» в поле «Сб» не является числом. Введите число с одним десятичным разделителем.  "},
        {"a long paste quoted to 30 characters",
         longPaste,
         "Значение «" + std::string(30, '7') +
             "…» в поле «Сб» не является числом. Введите число с одним десятичным разделителем.  "},
        {"beyond 500 cm",
         "500.5",
         "Значение «500.5» в поле «Сб» вне допустимых пределов: измерение не может быть больше 500 см.  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(SkirtSamples());
        main->Meas(2)->setText(QString::fromStdString(c.typed));
        const float before = Skirt().HipHalfGirth;
        messages.clear();
        EXPECT_FALSE(Skirt().GetMeasures());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, kBadMeasuresCaption);
        EXPECT_EQ(messages[0].icon, MsgExclamation);
        EXPECT_EQ(Skirt().HipHalfGirth, before) << "nothing stored";
    }
}

// An order reopens with the values it was saved with, shown as they are,
// and saving it again writes the same bytes.
TEST_F(MeasureColumnWindowTest, SavedValuesReopenUnchangedAndSaveAgainTheSame) {
    UseComma();
    Type({"38", "53", "53,3", "99,4", "97,9", "38,2", "0,05", "1,25"});
    const std::string first = TempPath("first.mdr"), second = TempPath("second.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, first));
    ASSERT_TRUE(main->CreateModel(kYubkaType, -1, -1));
    ASSERT_TRUE(OpenOrderFrom(*main, first));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Field(7), "0,05");
    EXPECT_EQ(Field(8), "1,25");
    EXPECT_EQ(Skirt().WaistEase, 0.05f);
    ASSERT_TRUE(SaveOrderTo(*main, second));
    EXPECT_EQ(ReadAll(second), ReadAll(first));
    SetDecimalSeparator('.');
}

// A value the program would not take when typed is a damaged order: the
// message names the field and says which way the value is out of range.
TEST_F(MeasureColumnWindowTest, AnOutOfRangeValueInAFileIsRefusedByName) {
    Type(SkirtSamples());
    const std::string path = TempPath("large.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    const std::string saved = ReadAll(path);
    const struct {
        float hips;
        const char* text;
    } cases[] = {
        {123456.0f, "мерка «Сб» (123456) больше допустимых 500 см"},
        {-1e30f, "мерка «Сб» (-1e+30) меньше допустимых -500 см"},
    };
    for (const auto& c : cases) {
        std::string bytes = saved;
        RecordWriter hips;
        hips.WriteFloat(c.hips);
        bytes.replace(8 + 4, 4, hips.Bytes());  // type, version, then Ст and Сб
        {
            QFile f(QString::fromStdString(path));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes.data(), qint64(bytes.size()));
        }
        messages.clear();
        EXPECT_FALSE(OpenOrderFrom(*main, path));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, std::string("Файл основы повреждён и не может быть открыт: ") + c.text + ".  ");
        EXPECT_EQ(Field(2), "53");  // the typed order stays
    }
}
