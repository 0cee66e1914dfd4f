#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cstddef>
#include <optional>

#include "platform/Screen.h"
#include "shell/AppInfo.h"

TSettings* Settings = nullptr;

const char* const kSettingsFileName = "Madrix.dat";

namespace {

// Offsets of the record in the file.
constexpr int kVersionSize = 4;
constexpr int kRecordSize = kSettingsFileSize - kVersionSize;
static_assert(kRecordSize == int(sizeof(TSettingsRecord)), "record size");

// A file of another version keeps its bytes up to here (positions, sizes,
// drawing window state, order number).
constexpr int kKeptOfOtherVersion = 40;

// Sizes of the drawing window outside this range are damage.
constexpr int kMinWindowSize = 100;
constexpr int kMaxWindowSize = 16384;

// The base-selection dialog's fixed size, for its default and on-screen place.
constexpr int kNewBaseWidth = 529;
constexpr int kNewBaseHeight = 346;
constexpr int kReportDefaultWidth = 673;
constexpr int kReportDefaultHeight = 482;

struct IntField {
    int32_t TSettingsRecord::*member;
    int offset;
};

constexpr IntField kIntFields[] = {
    {&TSettingsRecord::MainLeft, 0},       {&TSettingsRecord::MainTop, 4},
    {&TSettingsRecord::NewBaseLeft, 8},    {&TSettingsRecord::NewBaseTop, 12},
    {&TSettingsRecord::ReportLeft, 16},    {&TSettingsRecord::ReportTop, 20},
    {&TSettingsRecord::ReportWidth, 24},   {&TSettingsRecord::ReportHeight, 28},
    {&TSettingsRecord::ReportState, 32},   {&TSettingsRecord::OrderNumber, 36},
    {&TSettingsRecord::TilingMode, 40},    {&TSettingsRecord::PrintQuality, 44},
    {&TSettingsRecord::SelectedNode, 104}, {&TSettingsRecord::NecklineIndex, 108},
    {&TSettingsRecord::CollarIndex, 112},  {&TSettingsRecord::SleeveIndex, 116},
};

struct ByteField {
    uint8_t TSettingsRecord::*member;
    int offset;
};

constexpr ByteField kByteFields[] = {
    {&TSettingsRecord::ShowSetupBeforePrint, 48},
    {&TSettingsRecord::Portrait, 49},
    {&TSettingsRecord::FillSamples, 120},
};

constexpr int kExpandedOffset = 50;

// The record in memory has the file's layout too.
static_assert(offsetof(TSettingsRecord, TilingMode) == 40, "layout");
static_assert(offsetof(TSettingsRecord, ShowSetupBeforePrint) == 48, "layout");
static_assert(offsetof(TSettingsRecord, Expanded) == kExpandedOffset, "layout");
static_assert(offsetof(TSettingsRecord, SelectedNode) == 104, "layout");
static_assert(offsetof(TSettingsRecord, FillSamples) == 120, "layout");

// The record as the 124 bytes of the file (reserved bytes zero).
QByteArray Encode(const TSettingsRecord& r) {
    QByteArray bytes(kRecordSize, '\0');
    uchar* out = reinterpret_cast<uchar*>(bytes.data());
    for (const IntField& f : kIntFields) qToLittleEndian<int32_t>(r.*f.member, out + f.offset);
    for (const ByteField& f : kByteFields) out[f.offset] = r.*f.member;
    std::copy(std::begin(r.Expanded), std::end(r.Expanded), out + kExpandedOffset);
    return bytes;
}

// Takes into r every field that the bytes hold in full; the others keep
// what r has.
void Overlay(const QByteArray& bytes, TSettingsRecord& r) {
    const uchar* in = reinterpret_cast<const uchar*>(bytes.constData());
    const int n = int(bytes.size());
    for (const IntField& f : kIntFields)
        if (f.offset + 4 <= n) r.*f.member = qFromLittleEndian<int32_t>(in + f.offset);
    for (const ByteField& f : kByteFields)
        if (f.offset < n) r.*f.member = in[f.offset];
    for (int k = 0; k < kSettingsTreeNodes && kExpandedOffset + k < n; ++k) r.Expanded[k] = in[kExpandedOffset + k];
}

// A file of another version: everything after the first 40 bytes is reset,
// and no tree node is selected.
void ResetAfterVersionChange(TSettingsRecord& r, const TSettingsRecord& defaults) {
    TSettingsRecord reset = defaults;
    for (const IntField& f : kIntFields)
        if (f.offset < kKeptOfOtherVersion) reset.*f.member = r.*f.member;
    reset.SelectedNode = -1;
    r = reset;
}

bool IsFlag(uint8_t b) { return b == 0 || b == 1; }

// Values out of their range take their defaults.
void ReplaceOutOfRange(TSettingsRecord& r, const TSettingsRecord& d) {
    auto keep = [](int32_t& v, bool ok, int32_t fallback) {
        if (!ok) v = fallback;
    };
    keep(r.ReportWidth, r.ReportWidth >= kMinWindowSize && r.ReportWidth <= kMaxWindowSize, d.ReportWidth);
    keep(r.ReportHeight, r.ReportHeight >= kMinWindowSize && r.ReportHeight <= kMaxWindowSize, d.ReportHeight);
    keep(r.ReportState, r.ReportState >= 0 && r.ReportState <= 2, d.ReportState);
    keep(r.TilingMode, r.TilingMode == 1 || r.TilingMode == 2 || r.TilingMode == 4, d.TilingMode);
    keep(r.PrintQuality, r.PrintQuality >= 0 && r.PrintQuality <= 3, d.PrintQuality);
    keep(r.SelectedNode, r.SelectedNode >= -1 && r.SelectedNode < kSettingsTreeNodes, d.SelectedNode);
    // -1 is a list without a selected item.
    keep(r.NecklineIndex, r.NecklineIndex >= -1, d.NecklineIndex);
    keep(r.CollarIndex, r.CollarIndex >= -1, d.CollarIndex);
    keep(r.SleeveIndex, r.SleeveIndex >= -1, d.SleeveIndex);
    for (const ByteField& f : kByteFields)
        if (!IsFlag(r.*f.member)) r.*f.member = d.*f.member;
    // Any non-zero tree byte means an expanded node.
    for (int k = 0; k < kSettingsTreeNodes; ++k)
        if (!IsFlag(r.Expanded[k])) r.Expanded[k] = 1;
}

// Area shared by the window (left, top, width, height) and a screen area,
// in 64-bit arithmetic so that damaged positions cannot overflow.
int64_t SharedArea(int64_t left, int64_t top, int64_t width, int64_t height, const QRect& a) {
    const int64_t w = std::min<int64_t>(left + width, int64_t(a.x()) + a.width()) - std::max<int64_t>(left, a.x());
    const int64_t h = std::min<int64_t>(top + height, int64_t(a.y()) + a.height()) - std::max<int64_t>(top, a.y());
    return (w > 0 && h > 0) ? w * h : 0;
}

// Moves a window of the given size onto the screen area it shares most
// with, inside it as far as its size allows; a window off every screen
// goes back to its default place.  No screen known: left as it is.
void KeepOnScreen(int32_t& left, int32_t& top, int width, int height, int32_t defaultLeft, int32_t defaultTop,
                  const std::vector<QRect>& areas) {
    if (areas.empty()) return;
    const QRect* best = nullptr;
    int64_t bestArea = 0;
    for (const QRect& a : areas) {
        const int64_t shared = SharedArea(left, top, width, height, a);
        if (shared > bestArea) {
            bestArea = shared;
            best = &a;
        }
    }
    if (!best) {
        left = defaultLeft;
        top = defaultTop;
        return;
    }
    left = std::clamp(left, best->x(), std::max(best->x(), best->x() + best->width() - width));
    top = std::clamp(top, best->y(), std::max(best->y(), best->y() + best->height() - height));
}

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

std::optional<std::vector<QRect>>& AreasOverride() {
    static std::optional<std::vector<QRect>> areas;
    return areas;
}

}  // namespace

TSettings::TSettings(int mainWidth, int mainHeight) : TSettings(mainWidth, mainHeight, Folder()) {}

TSettings::TSettings(int mainWidth, int mainHeight, const std::string& folder)
    : Record(new TSettingsRecord(Defaults(mainWidth, mainHeight))), Path(folder) {
    Read(mainWidth, mainHeight);
}

TSettings::~TSettings() {
    if (onDisk_.empty() || Bytes() != onDisk_ || !QFile::exists(QString::fromStdString(FileName()))) Write();
    delete Record;
}

std::string TSettings::FileName() const {
    return QDir(QString::fromStdString(Path)).filePath(QString::fromLatin1(kSettingsFileName)).toStdString();
}

TSettingsRecord TSettings::Defaults(int mainWidth, int mainHeight) {
    const int sw = ScreenWidth();
    const int sh = ScreenHeight();
    TSettingsRecord r{};
    r.MainLeft = int32_t((sw - mainWidth) * 0.5);
    r.MainTop = int32_t((sh - mainHeight) * 0.45);
    r.NewBaseLeft = int32_t((sw - kNewBaseWidth) * 0.5);
    r.NewBaseTop = int32_t((sh - kNewBaseHeight) * 0.5 - 12);
    r.ReportLeft = int32_t((sw - kReportDefaultWidth) * 0.5);
    r.ReportTop = int32_t((sh - kReportDefaultHeight) * 0.5 - 20);
    r.ReportWidth = kReportDefaultWidth;
    r.ReportHeight = kReportDefaultHeight;
    r.ReportState = 0;
    r.OrderNumber = 1;
    r.TilingMode = 4;
    r.PrintQuality = 1;
    r.ShowSetupBeforePrint = 1;
    r.Portrait = 1;
    r.SelectedNode = 0;
    r.NecklineIndex = 0;
    r.CollarIndex = 0;
    r.SleeveIndex = 0;
    r.FillSamples = 1;
    return r;
}

void TSettings::Read(int mainWidth, int mainHeight) {
    const TSettingsRecord defaults = Defaults(mainWidth, mainHeight);
    *Record = defaults;

    QFile file(QString::fromStdString(FileName()));
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray data = file.read(kSettingsFileSize);
    if (data.size() < kVersionSize) return;  // not even a version: a first start
    if (file.size() == kSettingsFileSize) onDisk_ = data.toStdString();

    TSettingsRecord& r = *Record;
    Overlay(data.mid(kVersionSize), r);
    if (qFromLittleEndian<int32_t>(data.constData()) != kSettingsVersion) ResetAfterVersionChange(r, defaults);
    ReplaceOutOfRange(r, defaults);

    const std::vector<QRect> areas = ScreenAreas();
    KeepOnScreen(r.MainLeft, r.MainTop, mainWidth, mainHeight, defaults.MainLeft, defaults.MainTop, areas);
    KeepOnScreen(r.NewBaseLeft, r.NewBaseTop, kNewBaseWidth, kNewBaseHeight, defaults.NewBaseLeft,
                 defaults.NewBaseTop, areas);
    KeepOnScreen(r.ReportLeft, r.ReportTop, r.ReportWidth, r.ReportHeight, defaults.ReportLeft, defaults.ReportTop,
                 areas);
}

bool TSettings::Write() {
    if (!Record) return false;
    if (!QDir().mkpath(QString::fromStdString(Path))) return false;
    QSaveFile file(QString::fromStdString(FileName()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = Bytes();
    // The buffer is flushed here, where a failure can still cancel: commit
    // would otherwise put an empty file in place of the old one.
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    onDisk_ = bytes;
    return true;
}

std::string TSettings::Bytes() const {
    QByteArray bytes(kVersionSize, '\0');
    qToLittleEndian<int32_t>(kSettingsVersion, bytes.data());
    bytes += Encode(*Record);
    return bytes.toStdString();
}

std::string TSettings::Folder() {
    if (!FolderOverride().empty()) return FolderOverride();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty()) folder = QDir::home().filePath(QStringLiteral(".config/") + QString::fromUtf8(kAppConfigName));
    return folder.toStdString();
}

void TSettings::SetFolderOverride(const std::string& folder) { FolderOverride() = folder; }

std::vector<QRect> TSettings::ScreenAreas() {
    if (AreasOverride()) return *AreasOverride();
    std::vector<QRect> areas;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(screen->availableGeometry());
    return areas;
}

void TSettings::SetScreenAreasOverride(const std::vector<QRect>& areas) {
    if (areas.empty())
        AreasOverride().reset();
    else
        AreasOverride() = areas;
}
