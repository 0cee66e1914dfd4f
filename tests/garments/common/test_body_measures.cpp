// Every garment's column, whatever its sleeve: a row that measures the body
// (a girth, a length, a height, a width) refuses zero and less, typed or
// opened from an order file, with a message naming the field; an ease, an
// allowance or a shape row takes zero as before.  And every row shows its
// full name as hint of its label and field.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/BaseCatalog.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

// The rows that measure the body, by caption; every other caption a column
// shows must be one of kFreeRows.
const std::set<std::string> kBodyRows = {
    "Р:",   "Сш:",  "Сг1:", "Сг2:", "Ст:",   "Сб:",   "Вг:",   "Дт.п:", "Шг:", "Цг:",         "Дт.с:",
    "Вп.к:", "Шс:", "Цл:",  "Дб:",  "Шп:",   "Впр.з:", "Др1с:", "Оп.в:", "Озап:", "Дсб:",     "Вс:",
    "Дсп:", "Дш:",  "Шн:",  "Ок:",  "Дтк:",  "Дтс:",  "Дю:",   "О бед.н.к.:"};
const std::set<std::string> kFreeRows = {"Пк:", "Шк:",  "Пн:",   "Пг:",  "Пт:", "Пб:", "Попв:",         "Поз:",
                                         "Н:",  "H:",   "С.пр:", "h:",   "Пвс:", "Пок:", "П о.бед.н.к.:", "Псш:",
                                         "Зп:", "Кс:"};

std::string Refusal(const std::string& text, const std::string& caption) {
    const std::string code = caption.substr(0, caption.size() - 1);
    return "Значение «" + text + "» в поле «" + code + "» вне допустимых пределов: измерение должно быть больше нуля.  ";
}

// A garment type with a sleeve kind (-1 for the lower-body types).
struct Choice {
    int type;
    int sleeve;
};

class BodyMeasuresTest : public GarmentWindowTest {
protected:
    // Every type of `types` with every sleeve its base dialog offers, one
    // choice for each different column (the rows a sleeve adds).
    std::vector<Choice> Columns(const std::vector<int>& types) {
        std::vector<Choice> choices;
        for (int type : types) {
            if (IsLowerBodyType(type)) {
                choices.push_back({type, -1});
                continue;
            }
            std::set<std::vector<std::string>> seen;
            const BaseList sleeves = SleeveList(type);
            for (int i = 0; i < sleeves.count; ++i) {
                const int sleeve = sleeves.Item(i)->kind;
                if (!BaseKindsOffered(type, 0, sleeve)) continue;
                EXPECT_TRUE(main->CreateModel(type, 0, sleeve)) << type << " sleeve " << sleeve;
                if (seen.insert(Captions()).second) choices.push_back({type, sleeve});
            }
        }
        return choices;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int n = 1; n <= kMeasureRows && !main->Line(n)->isHidden(); ++n)
            captions.push_back(main->Line(n)->text().toStdString());
        return captions;
    }
    // The choice with its samples in the fields, which pass.
    void ChooseWithSamples(const Choice& c) {
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(c.type, c.sleeve < 0 ? -1 : 0, c.sleeve));
        main->FillSamples = false;
        messages.clear();
        ASSERT_TRUE(main->Model->GetMeasures());
        ASSERT_TRUE(messages.empty());
    }

    // Typed: each body row at 0 and at −5 is refused with its message; each
    // other row takes 0 without the body message.
    void ExpectTypedVerdicts(const std::vector<int>& types) {
        for (const Choice& c : Columns(types)) {
            const std::string context = "type " + std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve);
            SCOPED_TRACE(context);
            ChooseWithSamples(c);
            if (HasFatalFailure()) return;
            const std::vector<std::string> captions = Captions();
            for (size_t k = 0; k < captions.size(); ++k) {
                const int n = int(k) + 1;
                const std::string& caption = captions[k];
                const bool body = kBodyRows.count(caption) > 0;
                ASSERT_TRUE(body || kFreeRows.count(caption)) << "a row not judged: " << caption;
                const QString sample = main->Meas(n)->text();
                for (const char* text : {"0", "-5", "-0"}) {
                    main->Meas(n)->setText(text);
                    messages.clear();
                    const bool ok = main->Model->GetMeasures();
                    if (body) {
                        ExpectCheckVerdict(ok, Refusal(text, caption).c_str(), caption + " " + text);
                    } else {
                        for (const MessageRecord& m : messages)
                            EXPECT_EQ(m.text.find("больше нуля"), std::string::npos) << caption << " " << text;
                    }
                }
                main->Meas(n)->setText(sample);
            }
        }
    }

    // The order of the choice with its samples, as the file holds it.
    bool SavedOrder(OrderContents& order) {
        const std::string path = TempPath("order.mdr");
        if (!SaveOrderTo(*main, path)) return false;
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return false;
        std::string reason;
        return DecodeOrder(file.readAll().toStdString(), order, reason);
    }
    // The offset in the block of row n's value: the one float that changes
    // when the row's text does (half a centimetre more, or less where the
    // garment's checks refuse more).
    int BlockOffsetOf(int n, const std::string& block) {
        const QString sample = main->Meas(n)->text();
        float value = 0.0f;
        EXPECT_TRUE(ParseMeasure(sample.toStdString(), value));
        OrderContents changed;
        bool saved = false;
        for (double change : {0.5, -0.5}) {
            main->Meas(n)->setText(QString::number(double(value) + change));
            if ((saved = SavedOrder(changed))) break;
        }
        main->Meas(n)->setText(sample);
        if (!saved || changed.block.size() != block.size()) return -1;
        int offset = -1;
        for (size_t i = 0; i + 4 <= block.size(); i += 4)
            if (block.compare(i, 4, changed.block, i, 4) != 0) {
                if (offset >= 0) return -1;
                offset = int(i);
            }
        return offset;
    }
    // The order with `value` at `offset` of its block, opened.
    void Open(OrderContents order, int offset, float value) {
        std::memcpy(&order.block[size_t(offset)], &value, 4);
        const std::string path = TempPath("opened.mdr");
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = EncodeOrder(order);
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path));
    }

    // Opened: an order whose body row holds `value` opens with its fields,
    // refuses with the row's message and draws nothing.
    void ExpectOpenedVerdicts(const std::vector<int>& types) {
        std::set<std::pair<int, std::string>> opened;  // a type's row judged once, in its first column
        for (const Choice& c : Columns(types)) {
            const std::string context = "type " + std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve);
            SCOPED_TRACE(context);
            ChooseWithSamples(c);
            if (HasFatalFailure()) return;
            OrderContents order;
            ASSERT_TRUE(SavedOrder(order));
            const std::vector<std::string> captions = Captions();
            std::vector<std::string> samples;
            for (size_t k = 0; k < captions.size(); ++k) samples.push_back(Field(int(k) + 1));
            for (size_t k = 0; k < captions.size(); ++k) {
                const std::string& caption = captions[k];
                if (!kBodyRows.count(caption) || !opened.insert({c.type, caption}).second) continue;
                const int n = int(k) + 1;
                const int offset = BlockOffsetOf(n, order.block);
                ASSERT_GE(offset, 0) << caption << " " << main->Meas(n)->text().toStdString();
                Open(order, offset, 0.0f);
                EXPECT_EQ(Field(n), "0") << caption;
                ExpectCheckVerdict(false, Refusal("0", caption).c_str(), caption);
                EXPECT_FALSE(main->Model->calculated) << caption;
                main->Meas(n)->setText(QString::fromStdString(samples[k]));  // the samples again

            }
        }
    }

    static std::vector<int> Range(int first, int last) {
        std::vector<int> types;
        for (int t = first; t <= last; ++t) types.push_back(t);
        return types;
    }
    static std::vector<int> LowerBodyTypes() {
        std::vector<int> types;
        for (int t = 0; t < kModelTypes; ++t)
            if (IsLowerBodyType(t)) types.push_back(t);
        return types;
    }
};

TEST_F(BodyMeasuresTest, LowerBodyGarmentsTyped) { ExpectTypedVerdicts(LowerBodyTypes()); }
TEST_F(BodyMeasuresTest, WomensBodicesTyped) { ExpectTypedVerdicts(Range(7, 14)); }
TEST_F(BodyMeasuresTest, MensShirtsAndJacketsTyped) { ExpectTypedVerdicts(Range(22, 25)); }
TEST_F(BodyMeasuresTest, MensOuterwearTyped) { ExpectTypedVerdicts(Range(28, 36)); }

TEST_F(BodyMeasuresTest, LowerBodyGarmentsOpened) { ExpectOpenedVerdicts(LowerBodyTypes()); }
TEST_F(BodyMeasuresTest, WomensBodicesOpened) { ExpectOpenedVerdicts(Range(7, 14)); }
TEST_F(BodyMeasuresTest, MensShirtsAndJacketsOpened) { ExpectOpenedVerdicts(Range(22, 25)); }
TEST_F(BodyMeasuresTest, MensOuterwearOpened) { ExpectOpenedVerdicts(Range(28, 36)); }

// Every row of every column, whatever its sleeve, shows its full name on its
// label and its field, as tool tip and in the status bar: the last row
// (a coat's "h:" with a set-in sleeve) too.
TEST_F(BodyMeasuresTest, EveryRowShowsItsHint) {
    const std::map<std::string, std::set<std::string>> hints = {
        {"Р:", {"Рост"}},
        {"Сш:", {"Полуобхват шеи"}},
        {"Сг1:", {"Полуобхват груди первый"}},
        {"Сг2:", {"Полуобхват груди второй"}},
        {"Ст:", {"Полуобхват талии"}},
        {"Сб:", {"Полуобхват бёдер"}},
        {"Вг:", {"Высота груди"}},
        {"Дт.п:", {"Длина талии спереди"}},
        {"Шг:", {"Ширина груди"}},
        {"Цг:", {"Расстояние между выступающими точками грудных желёз"}},
        {"Дт.с:", {"Длина спины до талии"}},
        {"Вп.к:", {"Высота плеча косая"}},
        {"Шс:", {"Ширина спины"}},
        {"Цл:", {"Расстояние между выступающими точками лопаток"}},
        {"Дб:", {"Длина бока"}},
        {"Пк:", {"Положение корпуса"}},
        {"Шп:", {"Ширина плечевого ската"}},
        {"Впр.з:", {"Высота проймы сзади"}},
        {"Шк:", {"Ширина кокетки"}},
        {"Др1с:", {"Длина руки до первого сустава большого пальца"}},
        {"Оп.в:", {"Обхват плеча в верхней части"}},
        {"Озап:", {"Обхват запястья"}},
        {"Пн:", {"Плечевая накладка"}},
        {"Пг:", {"Прибавка по линии груди общая"}},
        {"Пт:", {"Прибавка к полуобхвату талии", "Прибавка по талии"}},
        {"Пб:", {"Прибавка к полуобхвату бёдер", "Прибавка по бёдрам"}},
        {"Попв:", {"Прибавка к обхвату плеча вверху"}},
        {"Поз:", {"Прибавка к обхвату запястья"}},
        {"Н:", {"Норма посадки оката рукава"}},
        {"H:", {"Норма посадки оката рукава"}},
        {"С.пр:", {"Спуск проймы"}},
        {"h:", {"Прибавка на утепляющую прокладку"}},
        {"Дтк:", {"Расстояние от линии талии до колена"}},
        {"Дсб:", {"Расстояние от линии талии до пола сбоку", "Длина брюк сбоку"}},
        {"Дсп:", {"Расстояние от линии талии до пола спереди", "Длина брюк спереди"}},
        {"Дтс:", {"Длина спины до талии"}},
        {"Дю:", {"Длина юбки"}},
        {"Вс:", {"Высота сидения"}},
        {"Пвс:", {"Прибавка к высоте сидения", "Прибавка к высоте сиденья"}},
        {"Ок:", {"Обхват колена"}},
        {"Пок:", {"Прибавка к обхвату колена"}},
        {"Шн:", {"Ширина низа"}},
        {"Кс:", {"Количество складок у талии"}},
        {"Дш:", {"Длина шорт", "Длина шага"}},
        {"Зп:", {"Занижение пояса спереди"}},
        {"Псш:", {"Прибавка на свободу шага"}},
        {"О бед.н.к.:", {"Обхват бедра над коленом"}},
        {"П о.бед.н.к.:", {"Прибавка к обхвату бедра над коленом"}},
    };
    std::vector<int> types;
    for (int t = 0; t < kModelTypes; ++t)
        if (HasModelMaker(t)) types.push_back(t);
    for (const Choice& c : Columns(types)) {
        ASSERT_TRUE(main->CreateModel(c.type, c.sleeve < 0 ? -1 : 0, c.sleeve));
        const std::vector<std::string> captions = Captions();
        for (size_t k = 0; k < captions.size(); ++k) {
            const int n = int(k) + 1;
            const std::string context = "type " + std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve) +
                                        " row " + std::to_string(n) + " " + captions[k];
            const std::string hint = main->Meas(n)->statusTip().toStdString();
            ASSERT_TRUE(hints.count(captions[k])) << context;
            EXPECT_TRUE(hints.at(captions[k]).count(hint)) << context << ": " << hint;
            EXPECT_EQ(main->MeasHint(n), hint) << context;
            for (QWidget* w : std::initializer_list<QWidget*>{main->Line(n), main->Meas(n)}) {
                EXPECT_EQ(w->toolTip().toStdString(), hint) << context;
                EXPECT_EQ(w->statusTip().toStdString(), hint) << context;
            }
        }
    }
}

// The cases that drafted silently before: a dress's bust or neck at 0 or
// below, a two-seam sleeve's arm length, each refused before anything is
// drafted; a coat of height −176 opened from a file is refused with the
// field showing the value the file holds.
TEST_F(BodyMeasuresTest, TheReportedCases) {
    struct Typed {
        int type, sleeve;
        const char* caption;
        const char* text;
    } typed[] = {
        {7, 0, "Сг2:", "-5"}, {7, 0, "Сг2:", "0"}, {7, 0, "Сш:", "-5"}, {8, 2, "Др1с:", "0"}, {7, 2, "Др1с:", "-1"},
    };
    for (const Typed& c : typed) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.caption + " " + c.text);
        ChooseWithSamples({c.type, c.sleeve});
        ASSERT_FALSE(HasFatalFailure());
        const int row = Row(c.caption);
        ASSERT_GT(row, 0);
        main->Meas(row)->setText(c.text);
        messages.clear();
        main->CalcExecute();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, Refusal(c.text, c.caption));
        EXPECT_FALSE(main->Model->calculated);
    }

    ChooseWithSamples({28, 0});
    ASSERT_FALSE(HasFatalFailure());
    OrderContents order;
    ASSERT_TRUE(SavedOrder(order));
    Open(order, 0, -176.0f);  // Р leads the block
    EXPECT_EQ(Field(Row("Р:")), "-176");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Refusal("-176", "Р:"));
    EXPECT_FALSE(main->Model->calculated);
}

}  // namespace
