// The settings file: its exact bytes, the first start, the rule for another
// version, short and damaged files, window positions kept on a screen, and a
// failed write that must leave the old file alone.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <climits>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/Screen.h"
#include "shell/Settings.h"

namespace {

// The main window's size in these tests (odd, so that the halves truncate).
constexpr int kMainW = 701;
constexpr int kMainH = 501;

bool SameRecord(const TSettingsRecord& a, const TSettingsRecord& b) {
    // Reserved bytes excepted, every byte equal.
    TSettingsRecord x = a, y = b;
    x.Reserved1 = y.Reserved1 = 0;
    std::memset(x.Reserved2, 0, 3);
    std::memset(y.Reserved2, 0, 3);
    return std::memcmp(&x, &y, sizeof x) == 0;
}

int32_t IntAt(const QByteArray& bytes, int offset) { return qFromLittleEndian<int32_t>(bytes.constData() + offset); }

void PutInt(QByteArray& bytes, int offset, int32_t v) { qToLittleEndian<int32_t>(v, bytes.data() + offset); }

// The settings file in a temporary folder, on one screen of 1024 x 768.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        TSettings::SetScreenAreasOverride({kScreen});
    }
    void TearDown() override {
        TSettings::SetScreenAreasOverride({});
        TSettings::SetFolderOverride("");
    }

    std::string Folder() const { return dir.path().toStdString(); }
    QString FilePath() const { return dir.filePath(QStringLiteral("Madrix.dat")); }

    std::unique_ptr<TSettings> Open() { return std::make_unique<TSettings>(kMainW, kMainH, Folder()); }
    TSettingsRecord Defaults() const { return TSettings::Defaults(kMainW, kMainH); }

    QByteArray FileBytes() const {
        QFile f(FilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray& bytes) {
        QFile f(FilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    // A valid record, every field away from its default, all windows on
    // the screen, as a file of the given version.
    static TSettingsRecord Sample() {
        TSettingsRecord r = TSettings::Defaults(kMainW, kMainH);
        r.MainLeft = 50;
        r.MainTop = 40;
        r.NewBaseLeft = 100;
        r.NewBaseTop = 120;
        r.ReportLeft = 30;
        r.ReportTop = 60;
        r.ReportWidth = 600;
        r.ReportHeight = 400;
        r.ReportState = 2;
        r.OrderNumber = 4321;
        r.TilingMode = 2;
        r.PrintQuality = 3;
        r.ShowSetupBeforePrint = 0;
        r.Portrait = 0;
        for (int k = 0; k < kSettingsTreeNodes; ++k) r.Expanded[k] = uint8_t(k % 3 == 0);
        r.SelectedNode = 52;
        r.NecklineIndex = 3;
        r.CollarIndex = 7;
        r.SleeveIndex = 15;
        r.FillSamples = 0;
        return r;
    }
    QByteArray SampleFile(int32_t version) {
        {
            TSettings s(kMainW, kMainH, Folder());
            *s.Record = Sample();
        }
        QByteArray bytes = FileBytes();
        PutInt(bytes, 0, version);
        return bytes;
    }

    static inline const QRect kScreen{0, 0, 1024, 768};
    QTemporaryDir dir;
};

}  // namespace

TEST_F(SettingsTest, EveryFieldAtItsOffsetAndBack) {
    {
        auto s = Open();
        *s->Record = Sample();
        ASSERT_TRUE(s->Write());
    }
    const QByteArray bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 128);
    const TSettingsRecord r = Sample();
    struct IntCase {
        int offset;  // in the file
        int32_t value;
    } ints[] = {{0, 7},
                {4, r.MainLeft},       {8, r.MainTop},        {12, r.NewBaseLeft},  {16, r.NewBaseTop},
                {20, r.ReportLeft},    {24, r.ReportTop},     {28, r.ReportWidth},  {32, r.ReportHeight},
                {36, r.ReportState},   {40, r.OrderNumber},   {44, r.TilingMode},   {48, r.PrintQuality},
                {108, r.SelectedNode}, {112, r.NecklineIndex}, {116, r.CollarIndex}, {120, r.SleeveIndex}};
    for (const IntCase& c : ints) EXPECT_EQ(IntAt(bytes, c.offset), c.value) << "offset " << c.offset;
    EXPECT_EQ(uint8_t(bytes[52]), r.ShowSetupBeforePrint);
    EXPECT_EQ(uint8_t(bytes[53]), r.Portrait);
    for (int k = 0; k < kSettingsTreeNodes; ++k) EXPECT_EQ(uint8_t(bytes[54 + k]), r.Expanded[k]) << "node " << k;
    EXPECT_EQ(uint8_t(bytes[124]), r.FillSamples);

    // Read back: the same record.
    EXPECT_TRUE(SameRecord(*Open()->Record, Sample()));
}

TEST_F(SettingsTest, FirstStartTakesTheDefaultsAndWritesAtTheEnd) {
    const int sw = ScreenWidth(), sh = ScreenHeight();
    ASSERT_GT(sw, 0);
    auto s = Open();
    const TSettingsRecord& r = *s->Record;
    EXPECT_EQ(r.MainLeft, int((sw - kMainW) * 0.5));
    EXPECT_EQ(r.MainTop, int((sh - kMainH) * 0.45));
    EXPECT_EQ(r.NewBaseLeft, int((sw - 529) * 0.5));
    EXPECT_EQ(r.NewBaseTop, int((sh - 346) * 0.5 - 12));
    EXPECT_EQ(r.ReportLeft, int((sw - 673) * 0.5));
    EXPECT_EQ(r.ReportTop, int((sh - 482) * 0.5 - 20));
    EXPECT_EQ(r.ReportWidth, 673);
    EXPECT_EQ(r.ReportHeight, 482);
    EXPECT_EQ(r.ReportState, 0);
    EXPECT_EQ(r.OrderNumber, 1);
    EXPECT_EQ(r.TilingMode, 4);
    EXPECT_EQ(r.PrintQuality, 1);
    EXPECT_EQ(r.ShowSetupBeforePrint, 1);
    EXPECT_EQ(r.Portrait, 1);
    for (uint8_t e : r.Expanded) EXPECT_EQ(e, 0);
    EXPECT_EQ(r.SelectedNode, 0);
    EXPECT_EQ(r.NecklineIndex + r.CollarIndex + r.SleeveIndex, 0);
    EXPECT_EQ(r.FillSamples, 1);
    EXPECT_FALSE(QFile::exists(FilePath()));

    s->Record->OrderNumber = 17;
    s.reset();  // closing writes the file
    EXPECT_EQ(IntAt(FileBytes(), 40), 17);
}

// A run that changed nothing leaves the file as it is (not even put in
// place again); a change, or a file gone during the run, is written.
TEST_F(SettingsTest, OnlyAChangedRecordIsWrittenAtTheEnd) {
    auto inode = [this] {
        struct stat st {};
        return ::stat(QFile::encodeName(FilePath()).constData(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    Open().reset();  // a first start writes the file
    const QByteArray first = FileBytes();
    const ino_t written = inode();
    ASSERT_NE(written, ino_t(0));

    Open().reset();
    EXPECT_EQ(inode(), written);
    EXPECT_EQ(FileBytes(), first);

    auto s = Open();
    s->Record->OrderNumber = 18;
    s.reset();
    EXPECT_NE(inode(), written);
    EXPECT_EQ(IntAt(FileBytes(), 40), 18);

    s = Open();
    ASSERT_TRUE(QFile::remove(FilePath()));
    s.reset();
    EXPECT_EQ(IntAt(FileBytes(), 40), 18);
}

TEST_F(SettingsTest, DefaultsTruncateTowardZero) {
    // A main window wider than the screen: a negative half that must not
    // round down.
    const int sw = ScreenWidth();
    const TSettingsRecord r = TSettings::Defaults(sw + 101, 10);
    EXPECT_EQ(r.MainLeft, -50);
}

TEST_F(SettingsTest, AnotherVersionKeepsTheWindowsAndTheOrderNumberOnly) {
    for (int32_t version : {6, 0, -1, 8}) {
        WriteFile(SampleFile(version));
        const TSettingsRecord r = *Open()->Record;
        const TSettingsRecord sample = Sample();
        EXPECT_EQ(0, std::memcmp(&r, &sample, 40)) << "version " << version;
        EXPECT_EQ(r.TilingMode, 4);
        EXPECT_EQ(r.PrintQuality, 1);
        EXPECT_EQ(r.ShowSetupBeforePrint, 1);
        EXPECT_EQ(r.Portrait, 1);
        for (uint8_t e : r.Expanded) EXPECT_EQ(e, 0);
        EXPECT_EQ(r.SelectedNode, -1) << "version " << version;
        EXPECT_EQ(r.NecklineIndex, 0);
        EXPECT_EQ(r.CollarIndex, 0);
        EXPECT_EQ(r.SleeveIndex, 0);
        EXPECT_EQ(r.FillSamples, 1);
    }
}

TEST_F(SettingsTest, ShortFileGivesDefaultsForWhatItDoesNotHold) {
    const QByteArray full = SampleFile(7);
    const TSettingsRecord sample = Sample(), d = Defaults();
    struct Case {
        int size;
        std::function<void(TSettingsRecord&)> expect;  // applied to the sample
    } cases[] = {
        {0, [&](TSettingsRecord& e) { e = d; }},
        {3, [&](TSettingsRecord& e) { e = d; }},
        {4, [&](TSettingsRecord& e) { e = d; }},
        // Up to the order number in full, the print scale cut in half.
        {4 + 42,
         [&](TSettingsRecord& e) {
             TSettingsRecord x = d;
             std::memcpy(&x, &e, 40);
             e = x;
         }},
        // Everything but the selected node (cut) and what follows it.
        {4 + 106,
         [&](TSettingsRecord& e) {
             e.SelectedNode = d.SelectedNode;
             e.NecklineIndex = d.NecklineIndex;
             e.CollarIndex = d.CollarIndex;
             e.SleeveIndex = d.SleeveIndex;
             e.FillSamples = d.FillSamples;
         }},
        // Only the sample option missing.
        {4 + 120, [&](TSettingsRecord& e) { e.FillSamples = d.FillSamples; }},
        {128, [](TSettingsRecord&) {}},
    };
    for (const Case& c : cases) {
        WriteFile(full.left(c.size));
        TSettingsRecord expected = sample;
        c.expect(expected);
        EXPECT_TRUE(SameRecord(*Open()->Record, expected)) << "size " << c.size;
    }
    // Bytes past the record are ignored.
    WriteFile(full + QByteArray(40, '\x7f'));
    EXPECT_TRUE(SameRecord(*Open()->Record, sample));
}

TEST_F(SettingsTest, ValuesOutOfRangeTakeTheirDefaults) {
    const TSettingsRecord d = Defaults();
    struct Case {
        const char* name;
        int offset;  // in the file
        int size;    // 4: int, 1: byte
        int32_t value;
        std::function<int32_t(const TSettingsRecord&)> field;
        int32_t expected;
    } cases[] = {
        {"state 3", 36, 4, 3, [](auto& r) { return r.ReportState; }, 0},
        {"state -1", 36, 4, -1, [](auto& r) { return r.ReportState; }, 0},
        {"tiling 3", 44, 4, 3, [](auto& r) { return r.TilingMode; }, 4},
        {"tiling 0", 44, 4, 0, [](auto& r) { return r.TilingMode; }, 4},
        {"quality 4", 48, 4, 4, [](auto& r) { return r.PrintQuality; }, 1},
        {"quality -4", 48, 4, -4, [](auto& r) { return r.PrintQuality; }, 1},
        {"setup flag 2", 52, 1, 2, [](auto& r) { return r.ShowSetupBeforePrint; }, 1},
        {"portrait 255", 53, 1, 255, [](auto& r) { return r.Portrait; }, 1},
        {"tree byte 7 (expanded)", 54 + 10, 1, 7, [](auto& r) { return r.Expanded[10]; }, 1},
        {"node 53", 108, 4, 53, [](auto& r) { return r.SelectedNode; }, 0},
        {"node -2", 108, 4, -2, [](auto& r) { return r.SelectedNode; }, 0},
        {"neckline -1 (no item)", 112, 4, -1, [](auto& r) { return r.NecklineIndex; }, -1},
        {"neckline -2", 112, 4, -2, [](auto& r) { return r.NecklineIndex; }, 0},
        {"collar -5", 116, 4, -5, [](auto& r) { return r.CollarIndex; }, 0},
        {"sleeve min", 120, 4, INT_MIN, [](auto& r) { return r.SleeveIndex; }, 0},
        {"samples 9", 124, 1, 9, [](auto& r) { return r.FillSamples; }, 1},
        {"report width 0", 28, 4, 0, [](auto& r) { return r.ReportWidth; }, d.ReportWidth},
        {"report height -3", 32, 4, -3, [](auto& r) { return r.ReportHeight; }, d.ReportHeight},
    };
    const QByteArray valid = SampleFile(7);
    for (const Case& c : cases) {
        QByteArray bytes = valid;
        if (c.size == 4)
            PutInt(bytes, c.offset, c.value);
        else
            bytes[c.offset] = char(c.value);
        WriteFile(bytes);
        const TSettingsRecord r = *Open()->Record;
        EXPECT_EQ(c.field(r), c.expected) << c.name;
        // Nothing else moved.
        TSettingsRecord others = r;
        TSettingsRecord sample = Sample();
        std::memcpy(reinterpret_cast<char*>(&others) + c.offset - 4, reinterpret_cast<char*>(&sample) + c.offset - 4,
                    size_t(c.size));
        EXPECT_TRUE(SameRecord(others, sample)) << c.name;
    }
    // The edges of the ranges are kept.
    TSettingsRecord edges = Sample();
    edges.SelectedNode = -1;
    edges.ReportState = 1;
    edges.TilingMode = 1;
    edges.PrintQuality = 0;
    {
        auto s = Open();
        *s->Record = edges;
    }
    EXPECT_TRUE(SameRecord(*Open()->Record, edges));
}

TEST_F(SettingsTest, WindowsAreKeptOnAScreen) {
    const TSettingsRecord d = Defaults();
    struct Case {
        const char* name;
        std::vector<QRect> screens;
        int32_t mainLeft, mainTop;
        int32_t expectLeft, expectTop;
    } cases[] = {
        {"inside", {kScreen}, 50, 40, 50, 40},
        {"over the right and top edges", {kScreen}, 600, -30, 1024 - kMainW, 0},
        {"over the left and bottom edges", {kScreen}, -200, 500, 0, 768 - kMainH},
        {"off every screen", {kScreen}, 3000, 40, d.MainLeft, d.MainTop},
        {"far away", {kScreen}, INT_MAX, INT_MIN, d.MainLeft, d.MainTop},
        {"on the second screen", {kScreen, QRect(1024, 0, 1280, 1024)}, 1500, 300, 1500, 300},
        {"across two screens: onto the one it covers most", {kScreen, QRect(1024, 0, 1280, 1024)}, 900, 300,
         1024, 300},
    };
    for (const Case& c : cases) {
        TSettings::SetScreenAreasOverride(c.screens);
        TSettingsRecord r = Sample();
        r.MainLeft = c.mainLeft;
        r.MainTop = c.mainTop;
        {
            auto s = Open();
            *s->Record = r;
        }
        const TSettingsRecord read = *Open()->Record;
        EXPECT_EQ(read.MainLeft, c.expectLeft) << c.name;
        EXPECT_EQ(read.MainTop, c.expectTop) << c.name;
    }
    // A drawing window larger than the screen goes to its top-left corner.
    TSettings::SetScreenAreasOverride({QRect(0, 0, 800, 600)});
    TSettingsRecord r = Sample();
    r.ReportLeft = 50;
    r.ReportTop = 50;
    r.ReportWidth = 1000;
    r.ReportHeight = 700;
    {
        auto s = Open();
        *s->Record = r;
    }
    const TSettingsRecord read = *Open()->Record;
    EXPECT_EQ(read.ReportLeft, 0);
    EXPECT_EQ(read.ReportTop, 0);
    EXPECT_EQ(read.ReportWidth, 1000);
}

TEST_F(SettingsTest, ReadAndWrittenInTheSettingsFolderOnly) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    {
        // A file in the current folder is not the settings file.
        QFile stray(QStringLiteral("Madrix.dat"));
        ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
        stray.write(QByteArray(128, '\x01'));
    }
    TSettings::SetFolderOverride(Folder() + "/sub/folder");
    {
        TSettings s(kMainW, kMainH);
        EXPECT_EQ(s.Path, Folder() + "/sub/folder");
        EXPECT_EQ(s.Record->OrderNumber, 1);
        s.Record->OrderNumber = 77;
    }
    QDir::setCurrent(before);
    QFile written(dir.filePath(QStringLiteral("sub/folder/Madrix.dat")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(IntAt(written.readAll(), 40), 77);
    QFile stray(elsewhere.filePath(QStringLiteral("Madrix.dat")));
    ASSERT_TRUE(stray.open(QIODevice::ReadOnly));
    EXPECT_EQ(stray.readAll(), QByteArray(128, '\x01'));
}

TEST_F(SettingsTest, FailedWriteKeepsTheOldFile) {
    {
        auto s = Open();
        s->Record->OrderNumber = 5;
    }
    const QByteArray old = FileBytes();
    ASSERT_EQ(old.size(), 128);

    // No file may grow now (works for any user, root included): the new
    // contents cannot be written.
    auto s = Open();
    s->Record->OrderNumber = 9;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    const bool written = s->Write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Madrix.dat")});
}

TEST_F(SettingsTest, UnwritableFolderFailsSilently) {
    // A folder that cannot be made: a plain file stands in its way.
    WriteFile("not a folder");
    auto s = std::make_unique<TSettings>(kMainW, kMainH, FilePath().toStdString() + "/inner");
    EXPECT_EQ(s->Record->OrderNumber, 1);
    EXPECT_FALSE(s->Write());
    EXPECT_NO_THROW(s.reset());
    EXPECT_EQ(FileBytes(), QByteArray("not a folder"));
}
