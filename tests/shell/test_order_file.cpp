// The order file on the real main window: saving and reopening an order,
// the byte layout, every kind of damaged file refused before anything
// changes, failed saves that keep the old file, and the comment's lines.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cmath>
#include <cstring>
#include <limits>
#include <signal.h>
#include <sys/resource.h>

#include "kernel/Record.h"
#include "platform/Text.h"
#include "shell/Factory.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"
#include "tests/shell/MainFormFixture.h"

namespace {

using Step = TestScript::Step;

// The test garment with an order-file block: its three rows as floats.
class TOrderGarment : public TTestGarment {
public:
    float values[kTestRows] = {};

    bool GetMeasures() override {
        if (!TTestGarment::GetMeasures()) return false;
        for (int n = 1; n <= kTestRows; ++n) {
            QString text = MainForm->Meas(n)->text();
            text.replace(QChar::fromLatin1(DecimalSeparator()), QLatin1Char('.'));
            bool ok = false;
            values[n - 1] = text.toFloat(&ok);
            if (!ok) {
                ShowMessage("Введите измерения. ", "Введите верные измерения  ", MsgExclamation);
                return false;
            }
        }
        return true;
    }
    void SaveMeasures(RecordWriter& w) override {
        for (float v : values) w.WriteFloat(v);
    }
    void LoadMeasures(RecordReader& r) override {
        for (int n = 1; n <= kTestRows; ++n) {
            values[n - 1] = r.ReadFloat();
            MainForm->Meas(n)->setText(QString::fromStdString(FormatFixed(values[n - 1], 5, 1)));
        }
    }
};

// The garment types the order garment stands in for: a bodice, a lower-body
// type stored without kinds and one stored with kinds of -1.
constexpr int kBodice = kTestGarmentType;  // 7
constexpr int kLowerNoKinds = 5;
constexpr int kLowerWithKinds = 15;
constexpr int kBlockSize = 4 * kTestRows;

const char* const kDamaged = "Файл основы повреждён и не может быть открыт: ";

// Declares (an empty `size`: forgets) a block of `size(version, collar,
// sleeve)` bytes of floats of no name for a type; -1: no such version.
void RegisterOrderBlockSize(int type, std::function<int(int version, int collar, int sleeve)> size) {
    if (!size) return RegisterOrderBlockLayout(type, nullptr);
    RegisterOrderBlockLayout(type, [size](int version, int collar, int sleeve) -> std::optional<OrderBlockItems> {
        const int bytes = size(version, collar, sleeve);
        if (bytes < 0) return std::nullopt;
        return OrderBlockItems(std::size_t(bytes) / 4);
    });
}

std::string ReadAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return std::string();
    return f.readAll().toStdString();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

std::int32_t IntAt(const std::string& bytes, std::size_t at) {
    RecordReader r(bytes.substr(at, 4));
    return r.ReadInt();
}

float FloatAt(const std::string& bytes, std::size_t at) {
    RecordReader r(bytes.substr(at, 4));
    return r.ReadFloat();
}

std::string IntBytes(std::int32_t v) {
    RecordWriter w;
    w.WriteInt(v);
    return w.Bytes();
}

std::string FloatBytes(float v) {
    RecordWriter w;
    w.WriteFloat(v);
    return w.Bytes();
}

// What the window shows of the open order, to tell that nothing changed.
struct WindowState {
    TModel* model;
    int modelIndex, collarKind, sleeveKind, fileVersion, orderNumber;
    std::vector<std::string> fields;
    std::string caption, customer, comment;

    bool operator==(const WindowState& o) const {
        return model == o.model && modelIndex == o.modelIndex && collarKind == o.collarKind &&
               sleeveKind == o.sleeveKind && fileVersion == o.fileVersion && orderNumber == o.orderNumber &&
               fields == o.fields && caption == o.caption && customer == o.customer && comment == o.comment;
    }
};

}  // namespace

class OrderFileTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        for (int type : {kBodice, kLowerNoKinds, kLowerWithKinds})
            RegisterModelMaker(type, [] { return new TOrderGarment; });
        main->OrderNumber = 12;
    }
    void TearDown() override {
        SetOrderDialogHooks(nullptr, nullptr);
        for (int type : {kBodice, kLowerNoKinds, kLowerWithKinds}) RegisterOrderBlockSize(type, nullptr);
        RegisterModelMaker(kLowerNoKinds, nullptr);
        RegisterModelMaker(kLowerWithKinds, nullptr);
        MainFormFixture::TearDown();
    }

    std::string Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }

    // An order on the window: the garment, its fields and texts.
    void FillOrder(int type, int collar, int sleeve, const char* customer, const char* comment) {
        ASSERT_TRUE(main->CreateModel(type, collar, sleeve));
        main->Meas(1)->setText(QString::fromStdString(std::string("31") + DecimalSeparator() + "5"));
        main->Meas(2)->setText(QStringLiteral("42"));
        main->Meas(3)->setText(QString::fromStdString(std::string("55") + DecimalSeparator() + "3"));
        main->CustomerData->setText(QString::fromUtf8(customer));
        main->Comment->setPlainText(QString::fromUtf8(comment));
        messages.clear();
    }

    WindowState State() const {
        WindowState s{main->Model,   main->ModelIndex,  main->CollarKind, main->SleeveKind,
                      main->FileVersion, main->OrderNumber, {}, {}, {}, {}};
        for (int n = 1; n <= kTestRows; ++n) s.fields.push_back(main->Meas(n)->text().toStdString());
        s.caption = main->ModelType->text().toStdString();
        s.customer = main->CustomerData->text().toStdString();
        s.comment = main->Comment->toPlainText().toStdString();
        return s;
    }

    // A saved order of the bodice type (collar 1, sleeve 2) and its bytes.
    std::string SavedBodice(const char* name = "bodice.mdr") {
        FillOrder(kBodice, 1, 2, "Иванова", "Ткань: шерсть");
        const std::string path = Path(name);
        EXPECT_TRUE(SaveOrderTo(*main, path));
        return ReadAll(path);
    }

    QTemporaryDir dir;
};

TEST_F(OrderFileTest, SavedOrderReopensWithTheSameFieldsAndTexts) {
    const char* comment = "Ткань: шерсть, подклад вискоза\nпримерка в четверг\n\nзастёжка слева";
    FillOrder(kBodice, 1, 2, "Петрова Анна Сергеевна", comment);
    const std::string path = Path("Заказ Петровой.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    EXPECT_TRUE(messages.empty());
    const WindowState saved = State();

    // Another garment with other kinds and texts, then the order again.
    ASSERT_TRUE(main->CreateModel(kBodice, 2, 1));
    main->CustomerData->setText(QStringLiteral("x"));
    main->OrderNumber = 40;
    Script().Reset();
    ASSERT_TRUE(OpenOrderFrom(*main, path));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(main->ModelIndex, kBodice);
    EXPECT_EQ(main->CollarKind, 1);
    EXPECT_EQ(main->SleeveKind, 2);
    EXPECT_EQ(main->FileVersion, 1);
    const WindowState opened = State();
    EXPECT_EQ(opened.fields, (std::vector<std::string>{"31" + std::string(1, DecimalSeparator()) + "5",
                                                       "42" + std::string(1, DecimalSeparator()) + "0",
                                                       "55" + std::string(1, DecimalSeparator()) + "3"}));
    EXPECT_EQ(opened.caption, saved.caption);  // with the saved order number 12
    EXPECT_EQ(opened.customer, "Петрова Анна Сергеевна");
    EXPECT_EQ(opened.comment, comment);
    // Calculated once, as the calculation road would, but the order number
    // is the window's own and the focus stays.
    EXPECT_TRUE(main->Model->calculated);
    EXPECT_EQ(Script().calculateCalls, 1);
    EXPECT_EQ(Script().drawTables, 1);
    EXPECT_EQ(Script().lastTableScale, 4 - main->MasAtMain->currentIndex());
    EXPECT_EQ(main->OrderNumber, 40);
    EXPECT_TRUE(report->isVisible());
}

TEST_F(OrderFileTest, BytesFollowTheLayout) {
    struct Case {
        const char* name;
        int type, collar, sleeve;
        std::size_t blockAt;  // offset of the garment's block
    };
    const Case cases[] = {
        {"bodice: kinds stored", kBodice, 1, 2, 16},
        {"lower body below 7: no kinds", kLowerNoKinds, -1, -1, 8},
        {"lower body from 7 on: kinds of -1", kLowerWithKinds, -1, -1, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillOrder(c.type, c.collar, c.sleeve, "Иванова", "");
        const std::string path = Path("layout.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        const std::string b = ReadAll(path);

        EXPECT_EQ(IntAt(b, 0), c.type);
        EXPECT_EQ(IntAt(b, 4), 1);
        if (c.blockAt == 16) {
            EXPECT_EQ(IntAt(b, 8), c.collar);
            EXPECT_EQ(IntAt(b, 12), c.sleeve);
        }
        std::size_t at = c.blockAt;
        EXPECT_FLOAT_EQ(FloatAt(b, at), 31.5f);
        EXPECT_FLOAT_EQ(FloatAt(b, at + 4), 42.0f);
        EXPECT_FLOAT_EQ(FloatAt(b, at + 8), 55.3f);
        at += kBlockSize;
        const std::string caption = Utf8ToCp1251(main->ModelType->text().toStdString());
        EXPECT_EQ(IntAt(b, at), std::int32_t(caption.size()));
        EXPECT_EQ(b.substr(at + 4, caption.size()), caption);
        at += 4 + caption.size();
        // The customer in Windows-1251: one byte a letter.
        EXPECT_EQ(IntAt(b, at), 7);
        EXPECT_EQ(b.substr(at + 4, 7), "\xC8\xE2\xE0\xED\xEE\xE2\xE0");
        at += 11;
        // An empty comment: N = 0 and one empty string, and nothing after.
        EXPECT_EQ(IntAt(b, at), 0);
        EXPECT_EQ(IntAt(b, at + 4), 0);
        EXPECT_EQ(b.size(), at + 8);
    }
}

TEST_F(OrderFileTest, CommentLinesOnSaving) {
    // 30 lines: N = 27 and lines 0..27; the rest is dropped.
    QStringList thirty;
    for (int i = 0; i < 30; ++i) thirty << QString::number(i);
    FillOrder(kBodice, 0, 0, "", "");
    main->Comment->setPlainText(thirty.join('\n'));
    const std::string path = Path("long.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    OrderContents order;
    std::string reason;
    ASSERT_TRUE(DecodeOrder(ReadAll(path), order, reason)) << reason;
    ASSERT_EQ(order.comment.size(), 28u);
    EXPECT_EQ(order.comment.back(), "27");
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_EQ(main->Comment->toPlainText(), QStringList(thirty.mid(0, 28)).join('\n'));

    // A line longer than 255 bytes is cut so that the file can be opened.
    const QString longLine(300, QChar(0x0436));  // "ж", one byte in Windows-1251
    main->Comment->setPlainText(QStringLiteral("до\n") + longLine + QStringLiteral("\nпосле"));
    ASSERT_TRUE(SaveOrderTo(*main, path));
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(main->Comment->toPlainText(),
              QStringLiteral("до\n") + QString(255, QChar(0x0436)) + QStringLiteral("\nпосле"));
}

TEST_F(OrderFileTest, SaveOpenSaveGivesTheSameBytes) {
    const char* comments[] = {"", "одна строка", "три\nстроки\nздесь", "пустая в конце\n", "\n\n"};
    for (const char* comment : comments) {
        SCOPED_TRACE(comment);
        FillOrder(kBodice, 1, 2, "Иванова", comment);
        const std::string first = Path("first.mdr"), second = Path("second.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, first));
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(OpenOrderFrom(*main, first));
            EXPECT_EQ(main->Comment->toPlainText().toStdString(), comment);
            ASSERT_TRUE(SaveOrderTo(*main, second));
            EXPECT_EQ(ReadAll(second), ReadAll(first));
        }
    }
}

TEST_F(OrderFileTest, OpeningIntoAWindowWithoutGarmentReplacesTheComment) {
    const std::string path = Path("a.mdr");
    SavedBodice("a.mdr");
    // A fresh window: no garment, so no ClearInputs empties the comment.
    main.reset();
    main = std::make_unique<TMainForm>();
    main->Comment->setPlainText(QStringLiteral("старый текст"));
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_EQ(main->Comment->toPlainText(), QString::fromUtf8("Ткань: шерсть"));
}

TEST_F(OrderFileTest, DamagedFilesAreRefusedBeforeAnythingChanges) {
    // A valid order of the bodice: header 16 bytes, block 12, then texts.
    const std::string good = SavedBodice();
    const std::size_t texts = 16 + kBlockSize;
    const std::size_t captionLen = std::size_t(IntAt(good, texts));
    const std::size_t customerAt = texts + 4 + captionLen;
    const std::size_t countAt = customerAt + 4 + 7;
    auto with = [&](std::size_t at, const std::string& bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;  // part of the message
    };
    const std::vector<Case> cases = {
        {"empty", "", "короче"},
        {"header only", good.substr(0, 8), "короче"},
        {"no kinds", good.substr(0, 12), "короче"},
        {"cut in the block", good.substr(0, 20), "короче"},
        {"last string missing", good.substr(0, good.size() - 4), "короче"},
        {"one byte short", good.substr(0, good.size() - 1), "короче"},
        {"one byte more", good + std::string(1, '\0'), "лишние"},
        {"larger than any order", good + std::string(kOrderMaxFileSize, '\0'), "слишком велик"},
        {"type 37", with(0, IntBytes(37)), "вид основы (37)"},
        {"type -1", with(0, IntBytes(-1)), "вид основы (-1)"},
        {"version 2", with(4, IntBytes(2)), "версия формата (2)"},
        {"version -1", with(4, IntBytes(-1)), "версия формата (-1)"},
        {"men's collar on a dress", with(8, IntBytes(7)), "воротник вида 7"},
        {"collar 9", with(8, IntBytes(9)), "воротник вида 9"},
        {"men's sleeve on a dress", with(12, IntBytes(12)), "рукавом вида 12"},
        {"sleeve -1 on a bodice", with(12, IntBytes(-1)), "рукавом вида -1"},
        {"not-a-number in the block", with(16, FloatBytes(std::numeric_limits<float>::quiet_NaN())),
         "мерка № 1 записана не числом"},
        {"infinity in the block", with(24, FloatBytes(std::numeric_limits<float>::infinity())),
         "мерка № 3 записана бесконечностью"},
        {"a value below -500", with(20, FloatBytes(-1e30f)), "мерка № 2 (-1e+30) меньше допустимых -500 см"},
        {"a value above 500", with(20, FloatBytes(500.5f)), "мерка № 2 (500.5) больше допустимых 500 см"},
        // (Without a declared block the caption's place is a guess.)
        {"caption length 256", with(texts, IntBytes(256)), "подпись заказа"},
        {"customer length -1", with(customerAt, IntBytes(-1)),
         "длина текста «заказчик» записана отрицательным числом (-1)"},
        {"comment count 28", with(countAt, IntBytes(28)), "число строк комментария (28) больше 27"},
        {"comment count -1", with(countAt, IntBytes(-1)), "число строк комментария (-1) меньше нуля"},
        {"comment line length 300", with(countAt + 4, IntBytes(300)),
         "текст «строка комментария 1» длиннее 255 знаков (300)"},
    };

    // The window holds another order that must survive every refusal.
    for (bool declared : {false, true}) {
        SCOPED_TRACE(declared ? "block size declared" : "block size found from the texts");
        // Declared as the women's bodices do: versions 0 and 1 only.
        if (declared)
            RegisterOrderBlockSize(kBodice,
                                   [](int version, int, int) { return version == 0 || version == 1 ? kBlockSize : -1; });
        FillOrder(kBodice, 2, 1, "Сидорова", "не трогать");
        main->Meas(2)->setText(QStringLiteral("77"));
        main->Model->calculated = true;
        const WindowState before = State();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const std::string path = Path("damaged.mdr");
            WriteAll(path, c.bytes);
            messages.clear();
            EXPECT_FALSE(OpenOrderFrom(*main, path));
            EXPECT_TRUE(State() == before);
            EXPECT_TRUE(main->Model->calculated);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].icon, MsgIcon::Error);
            EXPECT_EQ(messages[0].caption, "Открытие основы");
            EXPECT_EQ(messages[0].text.rfind(kDamaged, 0), 0u) << messages[0].text;
            EXPECT_NE(messages[0].text.find(c.reason), std::string::npos) << messages[0].text;
        }
        // Every shorter form of the file is refused too.
        for (std::size_t len = 0; len < good.size(); ++len) {
            const std::string path = Path("short.mdr");
            WriteAll(path, good.substr(0, len));
            messages.clear();
            EXPECT_FALSE(OpenOrderFrom(*main, path)) << len;
            EXPECT_TRUE(State() == before) << len;
        }
    }
}

TEST_F(OrderFileTest, RefusalsOutsideTheFile) {
    FillOrder(kBodice, 2, 1, "Сидорова", "не трогать");
    const WindowState before = State();

    // No such file.
    EXPECT_FALSE(OpenOrderFrom(*main, Path("нет такого.mdr")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Ошибка при открытии файла!  ");
    EXPECT_EQ(messages[0].caption, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(State() == before);

    // A vest (kinds 0, 0: offered) that the program cannot build yet: the
    // factory refuses it and nothing changes.
    OrderContents vest;
    vest.type = 36;
    vest.collarKind = 0;
    vest.sleeveKind = 0;
    vest.block = std::string(kBlockSize, '\0');
    WriteAll(Path("vest.mdr"), EncodeOrder(vest));
    messages.clear();
    EXPECT_FALSE(OpenOrderFrom(*main, Path("vest.mdr")));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(State() == before);
}

TEST_F(OrderFileTest, ABlockNotToTheGarmentsMeasure) {
    // Four values where the garment reads three.
    OrderContents order;
    order.type = kBodice;
    order.collarKind = 1;
    order.sleeveKind = 2;
    order.block = FloatBytes(1) + FloatBytes(2) + FloatBytes(3) + FloatBytes(4);
    order.caption = "чужой";
    WriteAll(Path("four.mdr"), EncodeOrder(order));

    // A garment that declared its size: refused before anything changes.
    RegisterOrderBlockSize(kBodice, [](int, int, int) { return kBlockSize; });
    FillOrder(kBodice, 2, 1, "Сидорова", "");
    const WindowState before = State();
    EXPECT_FALSE(OpenOrderFrom(*main, Path("four.mdr")));
    EXPECT_TRUE(State() == before);
    ASSERT_EQ(messages.size(), 1u);

    // Without the declaration it is found only by the garment: the new one
    // is left empty and nothing is calculated.
    RegisterOrderBlockSize(kBodice, nullptr);
    messages.clear();
    Script().Reset();
    EXPECT_FALSE(OpenOrderFrom(*main, Path("four.mdr")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("не подходят"), std::string::npos);
    for (int n = 1; n <= kTestRows; ++n) EXPECT_TRUE(main->Meas(n)->text().isEmpty());
    EXPECT_EQ(Script().calculateCalls, 0);
    EXPECT_FALSE(main->Model->calculated);

    // A declaration that refuses the version.
    RegisterOrderBlockSize(kBodice, [](int version, int, int) { return version == 1 ? kBlockSize : -1; });
    order.version = 0;
    order.block = std::string(kBlockSize, '\0');
    WriteAll(Path("old.mdr"), EncodeOrder(order));
    FillOrder(kBodice, 2, 1, "Сидорова", "");
    const WindowState again = State();
    EXPECT_FALSE(OpenOrderFrom(*main, Path("old.mdr")));
    EXPECT_TRUE(State() == again);
}

// A garment that declares what its block holds gets messages that name the
// value the file damaged, and decides which format versions it reads.
TEST_F(OrderFileTest, ADeclaredBlockNamesWhatIsDamaged) {
    // Ст and Сб as floats, then a count of 1 .. 3; read whatever the version.
    RegisterOrderBlockLayout(kBodice, [](int, int, int) -> std::optional<OrderBlockItems> {
        OrderBlockItems items = OrderBlockFloats({"Ст:", "Сб:"});
        items.push_back(OrderBlockCount("Кс:", 1, 3));
        return items;
    });
    OrderContents order;
    order.type = kBodice;
    order.collarKind = 1;
    order.sleeveKind = 2;
    order.caption = " Платье. Заказ № 3";
    order.customer = "Иванова";
    const std::string st = FloatBytes(38), sb = FloatBytes(53), ks = IntBytes(2);
    struct Case {
        const char* name;
        std::string block;
        int version;
        const char* reason;  // "" when the file opens
    };
    const std::vector<Case> cases = {
        {"whole", st + sb + ks, 1, ""},
        {"any version", st + sb + ks, 7, ""},
        {"a value short", st + sb, 1, "мерок в файле меньше, чем у этой основы (2 вместо 3)"},
        {"a value more", st + sb + ks + ks, 1, "мерок в файле больше, чем у этой основы (4 вместо 3)"},
        {"huge negative", FloatBytes(-1e30f) + sb + ks, 1, "мерка «Ст» (-1e+30) меньше допустимых -500 см"},
        {"above 500", st + FloatBytes(1e4f) + ks, 1, "мерка «Сб» (10000) больше допустимых 500 см"},
        {"not a number", st + FloatBytes(std::numeric_limits<float>::quiet_NaN()) + ks, 1,
         "мерка «Сб» записана не числом"},
        {"infinite", FloatBytes(-std::numeric_limits<float>::infinity()) + sb + ks, 1,
         "мерка «Ст» записана бесконечностью"},
        // An integer is judged as the integer it is, even when its bits
        // would be no number as a float.
        {"damaged count", st + sb + IntBytes(-521416928), 1,
         "«Кс» в файле равно -521416928, а может быть только от 1 до 3"},
        {"count of NaN bits", st + sb + IntBytes(0x7fc00000), 1, "«Кс» в файле равно 2143289344"},
        {"count 0", st + sb + IntBytes(0), 1, "«Кс» в файле равно 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        order.block = c.block;
        order.version = c.version;
        OrderContents read;
        std::string reason;
        const bool ok = DecodeOrder(EncodeOrder(order), read, reason);
        EXPECT_EQ(ok, !*c.reason) << reason;
        if (*c.reason) EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        else EXPECT_EQ(read.block, c.block);
    }

    // A garment that reads no such version refuses it by name.
    RegisterOrderBlockLayout(kBodice, [](int version, int, int) -> std::optional<OrderBlockItems> {
        if (version != 1) return std::nullopt;
        return OrderBlockFloats({"Ст:", "Сб:", "Дсб:"});
    });
    order.version = 2;
    order.block = st + sb + sb;
    OrderContents read;
    std::string reason;
    EXPECT_FALSE(DecodeOrder(EncodeOrder(order), read, reason));
    EXPECT_EQ(reason, "неизвестная версия формата (2)");
    RegisterOrderBlockLayout(kBodice, nullptr);
}

TEST_F(OrderFileTest, OpenedValuesPassTheGarmentsChecksBeforeCalculating) {
    const std::string path = Path("order.mdr");
    SavedBodice("order.mdr");
    Script().Reset();
    Script().measuresOk = false;
    messages.clear();
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    // The garment's own message; loaded but not calculated.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
    EXPECT_EQ(Script().calculateCalls, 0);
    EXPECT_GE(Script().clearSheets, 1);
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_EQ(main->CustomerData->text(), QString::fromUtf8("Иванова"));
}

TEST_F(OrderFileTest, CalculationFailuresAfterOpening) {
    const std::string path = Path("order.mdr");
    SavedBodice("order.mdr");
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int runs;
        const char* text;
        const char* caption;
        bool calculated;  // a failed draft is never left half drawn
    };
    const Case cases[] = {
        {"eight kernel faults", std::vector<Step>(8, Step::Float), 8, "Пожалуйста, проверьте измерения.  ",
         "Сбой при расчёте", false},
        {"seven faults, then success", std::vector<Step>(7, Step::Float), 8, nullptr, nullptr, true},
        {"sleeve cap", {Step::Int1}, 1, "Ширина рукава больше допустимой. ", "Сбой при расчёте оката", false},
        {"armhole", {Step::Int2}, 1, "Пожалуйста, проверьте измерения. ", "Сбой при расчёте проймы", false},
        {"another integer", {Step::Int7}, 1, nullptr, nullptr, false},
        {"a runaway sleeve cap, then success", {Step::RunAway1}, 2, nullptr, nullptr, true},
        {"eight runaway armholes", std::vector<Step>(8, Step::RunAway2), 8, "Пожалуйста, проверьте измерения. ",
         "Сбой при расчёте проймы", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Script().Reset();
        Script().calculate.assign(c.steps.begin(), c.steps.end());
        messages.clear();
        const int order = main->OrderNumber;
        EXPECT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_EQ(Script().calculateCalls, c.runs);
        EXPECT_EQ(main->OrderNumber, order);
        EXPECT_EQ(main->Model->calculated, c.calculated);
        if (!c.text) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, c.caption);
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        // The file's garment and values stay loaded.
        EXPECT_EQ(main->CustomerData->text(), QString::fromUtf8("Иванова"));
    }
}

TEST_F(OrderFileTest, FailedSavesKeepTheOldFile) {
    const std::string path = Path("keep.mdr");
    const std::string old = SavedBodice("keep.mdr");
    ASSERT_FALSE(old.empty());
    main->CustomerData->setText(QStringLiteral("другая заказчица"));

    auto expectWriteFailure = [&] {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Ошибка при записи в файл!  ");
        EXPECT_EQ(messages[0].caption, "");
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        messages.clear();
    };

    // The disk refuses to take more than a few bytes: the write or the
    // commit fails, and the old file stays as it was.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = SaveOrderTo(*main, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    expectWriteFailure();
    EXPECT_EQ(ReadAll(path), old);

    // A target that cannot be created at all.
    EXPECT_FALSE(SaveOrderTo(*main, Path("нет папки/order.mdr")));
    expectWriteFailure();
    EXPECT_FALSE(QFile::exists(dir.filePath(QString::fromUtf8("нет папки"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.mdr")));
    EXPECT_FALSE(SaveOrderTo(*main, Path("folder.mdr")));
    expectWriteFailure();

    // No temporary file is left behind.
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList{QStringLiteral("keep.mdr")});
}

TEST_F(OrderFileTest, SaveAndOpenCommands) {
    std::vector<std::string> proposed;
    std::string answer;
    int opened = 0;
    SetOrderDialogHooks(
        [&](const OrderDialogRequest& request) {
            proposed.push_back(request.proposedName);
            return answer;
        },
        [&](const OrderDialogRequest&) {
            ++opened;
            return answer;
        });

    // Without a garment nothing happens.
    SaveOrderCommand(*main);
    EXPECT_TRUE(proposed.empty());

    // Measurements refused: no dialog.
    FillOrder(kBodice, 1, 2, "Иванова/Петрова", "");
    Script().measuresOk = false;
    SaveOrderCommand(*main);
    EXPECT_TRUE(proposed.empty());
    ASSERT_EQ(messages.size(), 1u);
    Script().measuresOk = true;
    messages.clear();

    // Cancelled: nothing written.  The proposed name is the caption followed
    // by the customer, with what a file name cannot hold replaced and
    // without the caption's leading blank.
    SaveOrderCommand(*main);
    ASSERT_EQ(proposed.size(), 1u);
    EXPECT_EQ(proposed[0], main->ModelType->text().trimmed().toStdString() + "Иванова_Петрова");
    EXPECT_EQ(main->ModelType->text().at(0), QLatin1Char(' '));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    answer = Path("cmd.mdr");
    SaveOrderCommand(*main);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(answer)));
    EXPECT_TRUE(messages.empty());

    // Open: cancelled leaves the window; chosen opens.
    ASSERT_TRUE(main->CreateModel(kBodice, 2, 1));
    TModel* other = main->Model;
    answer.clear();
    OpenOrderCommand(*main);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(main->Model, other);
    answer = Path("cmd.mdr");
    OpenOrderCommand(*main);
    EXPECT_EQ(main->CollarKind, 1);
    EXPECT_EQ(main->CustomerData->text(), QString::fromUtf8("Иванова/Петрова"));
}

// A garment decides what is checked after an order is opened: one whose
// older format lacks a field judges only what the file's version holds,
// and is never asked for the missing one.
namespace {

class TVersionedGarment : public TOrderGarment {
public:
    static int checks;
    // Version 0 holds rows 1 and 2 only; row 3 stays empty.
    void LoadMeasures(RecordReader& r) override {
        const int rows = MainForm->FileVersion == 0 ? 2 : kTestRows;
        for (int n = 1; n <= rows; ++n) {
            values[n - 1] = r.ReadFloat();
            MainForm->Meas(n)->setText(QString::fromStdString(MeasureColumn::ValueText(values[n - 1])));
        }
    }
    bool CheckLoadedMeasures() override {
        ++checks;
        if (MainForm->FileVersion != 0) return TOrderGarment::CheckLoadedMeasures();
        if (values[0] > values[1]) return MeasureColumn::Refuse("1 > 2");
        return true;
    }
};
int TVersionedGarment::checks = 0;

}  // namespace

TEST_F(OrderFileTest, TheGarmentJudgesTheOpenedValuesByTheFilesVersion) {
    RegisterModelMaker(kBodice, [] { return new TVersionedGarment; });
    RegisterOrderBlockSize(kBodice, [](int version, int, int) { return version == 0 ? 8 : kBlockSize; });
    const std::string current = SavedBodice("current.mdr");
    struct Case {
        const char* name;
        int version;
        std::vector<float> block;
        bool calculated;
        const char* message;  // nullptr for none
    };
    const Case cases[] = {
        {"version 0 without row 3", 0, {31.5f, 42.0f}, true, nullptr},
        {"version 0, its own check refuses", 0, {42.0f, 31.5f}, false, "1 > 2"},
        {"version 1: the usual checks", 1, {31.5f, 42.0f, 55.3f}, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = current.substr(0, 16);  // type, version, kinds
        bytes.replace(4, 4, IntBytes(c.version));
        for (float v : c.block) bytes += FloatBytes(v);
        bytes += current.substr(16 + kBlockSize);
        const std::string path = Path("versioned.mdr");
        WriteAll(path, bytes);
        Script().Reset();
        TVersionedGarment::checks = 0;
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_EQ(TVersionedGarment::checks, 1);
        EXPECT_EQ(Script().getMeasures, c.version == 0 ? 0 : 1) << "no usual checks of a field version 0 lacks";
        EXPECT_EQ(main->Model->calculated, c.calculated);
        EXPECT_EQ(Script().calculateCalls, c.calculated ? 1 : 0);
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, c.message);
        } else {
            EXPECT_TRUE(messages.empty()) << messages[0].text;
        }
    }
    RegisterModelMaker(kBodice, [] { return new TOrderGarment; });
}

TEST(OrderFileName, TheExtensionIsAddedUnlessTheNameHasIt) {
    struct Case {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"/tmp/a.mdr", "/tmp/a.mdr"},
        {"/tmp/a.MDR", "/tmp/a.MDR"},
        {"/tmp/a.Mdr", "/tmp/a.Mdr"},
        {"/tmp/Юбка. Заказ № 9Иванова", "/tmp/Юбка. Заказ № 9Иванова.mdr"},
        {"/tmp/a.txt", "/tmp/a.txt.mdr"},
        {"/tmp/amdr", "/tmp/amdr.mdr"},
    };
    for (const Case& c : cases) EXPECT_EQ(WithOrderExtension(c.chosen), c.saved) << c.chosen;
}

// A saved order is found by the open dialog: in the folder the order
// dialogs remember, under their "*.mdr" filter, whatever name was typed.
TEST_F(OrderFileTest, ASavedOrderIsListedByTheOpenDialog) {
    FillOrder(kBodice, 1, 2, " Иванова ", "");
    main->OrderNumber = 9;
    main->UpdateModelCaption();
    std::vector<OrderDialogRequest> requests;
    std::string typed = Path(" Заказ № 9. Иванова");
    std::vector<std::string> listed;
    SetOrderDialogHooks(
        [&](const OrderDialogRequest& r) {
            requests.push_back(r);
            return typed;
        },
        [&](const OrderDialogRequest& r) {
            requests.push_back(r);
            QStringList patterns;
            for (const std::string& p : r.patterns) patterns << QString::fromStdString(p);
            listed.clear();
            for (const QString& f : QDir(QString::fromStdString(r.folder)).entryList(patterns, QDir::Files))
                listed.push_back(f.toStdString());
            return listed.empty() ? std::string() : QDir(QString::fromStdString(r.folder)).filePath(QString::fromStdString(listed[0])).toStdString();
        });

    SaveOrderCommand(*main);
    ASSERT_EQ(requests.size(), 1u);
    // Trimmed at both ends only: " Платье … № 9" + " Иванова ".
    EXPECT_EQ(requests[0].proposedName, main->ModelType->text().trimmed().toStdString() + " Иванова");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(typed + ".mdr")));

    ASSERT_TRUE(main->CreateModel(kBodice, 2, 1));
    OpenOrderCommand(*main);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].folder, dir.path().toStdString()) << "the folder of the last order";
    EXPECT_EQ(listed, std::vector<std::string>{" Заказ № 9. Иванова.mdr"});
    EXPECT_EQ(main->CollarKind, 1);
    EXPECT_EQ(main->CustomerData->text(), QString::fromUtf8(" Иванова "));
    EXPECT_TRUE(messages.empty());
}

// Adding the extension may name a file that exists: it is replaced only
// when the user agrees.
TEST_F(OrderFileTest, AnExistingFileOfTheExtendedNameIsReplacedOnlyWhenAgreed) {
    const std::string old = SavedBodice("order.mdr");
    main->CustomerData->setText(QStringLiteral("Петрова"));
    SetOrderDialogHooks([&](const OrderDialogRequest&) { return Path("order"); }, nullptr);
    MsgResult answer = MsgResult::No;
    std::vector<MessageRecord> asked;
    SetMessageInterceptor([&](const MessageRecord& m) {
        asked.push_back(m);
        return answer;
    });
    for (MsgResult a : {MsgResult::No, MsgResult::Yes}) {
        answer = a;
        asked.clear();
        SaveOrderCommand(*main);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, "Файл «order.mdr» уже существует.\nЗаменить его?  ");
        EXPECT_EQ(asked[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(ReadAll(Path("order.mdr")) == old, a == MsgResult::No);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("order"))));
}

// The order dialogs and the PDF dialog each start where they were last used.
TEST_F(OrderFileTest, OrderAndPdfDialogsRememberTheirOwnFolders) {
    QTemporaryDir pdfDir;
    ASSERT_TRUE(pdfDir.isValid());
    RememberFileDialogFolder(pdfDir.filePath("pattern.pdf").toStdString(), FileDialogKind::Pdf);
    FillOrder(kBodice, 1, 2, "Иванова", "");
    SetOrderDialogHooks([&](const OrderDialogRequest&) { return Path("a.mdr"); }, nullptr);
    SaveOrderCommand(*main);
    EXPECT_EQ(FileDialogFolder(FileDialogKind::Order), dir.path().toStdString());
    EXPECT_EQ(FileDialogFolder(FileDialogKind::Pdf), pdfDir.path().toStdString());
    RememberFileDialogFolder(pdfDir.filePath("other.pdf").toStdString(), FileDialogKind::Pdf);
    EXPECT_EQ(FileDialogFolder(FileDialogKind::Order), dir.path().toStdString());
}
