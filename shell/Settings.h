// The settings file "Madrix.dat": window positions, the order number, the
// print choices, the state of the base-selection tree and the sample-values
// option, read once at start-up and written once at exit.
//
// The file is an int32 version (always written as 7) followed by the
// 124-byte record below, little-endian, 128 bytes in all.  It lives in the
// user's configuration folder (QStandardPaths::AppConfigLocation, which
// follows the application and organisation names: the entry sets the
// application name to kAppConfigName before the main window is made) and is
// read and written there only.
//
// Reading never fails: a missing file gives the defaults; a short file gives
// the defaults for the fields it does not hold in full; a file of another
// version keeps its first 40 bytes and resets the rest; values out of their
// range are replaced by their defaults, and window positions are moved onto
// a screen (back to the default when the window would be off every screen).
// Writing goes through QSaveFile, so a failed write leaves the old file as
// it was; failures are not reported to the user.
#pragma once

#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

// Number of nodes of the base-selection tree that the record has room for.
constexpr int kSettingsTreeNodes = 53;

// The record in memory, with the file's layout (offsets from the start of
// the record; in the file add 4).  The file is read and written field by
// field, little-endian, whatever the machine.
struct TSettingsRecord {
    int32_t MainLeft;                       // 0
    int32_t MainTop;                        // 4
    int32_t NewBaseLeft;                    // 8
    int32_t NewBaseTop;                     // 12
    int32_t ReportLeft;                     // 16
    int32_t ReportTop;                      // 20
    int32_t ReportWidth;                    // 24
    int32_t ReportHeight;                   // 28
    int32_t ReportState;                    // 32: 0 normal, 1 maximized, 2 minimized
    int32_t OrderNumber;                    // 36
    int32_t TilingMode;                     // 40: print scale 1, 2 or 4
    int32_t PrintQuality;                   // 44: 0 best, 1 normal, 2 everyday, 3 draft
    uint8_t ShowSetupBeforePrint;           // 48
    uint8_t Portrait;                       // 49: 1 portrait, 0 landscape
    uint8_t Expanded[kSettingsTreeNodes];   // 50: 1 expanded, 0 collapsed
    uint8_t Reserved1;                      // 103
    int32_t SelectedNode;                   // 104: -1 for none
    int32_t NecklineIndex;                  // 108
    int32_t CollarIndex;                    // 112
    int32_t SleeveIndex;                    // 116
    uint8_t FillSamples;                    // 120
    uint8_t Reserved2[3];                   // 121
};
static_assert(sizeof(TSettingsRecord) == 124, "the settings record is 124 bytes");

// Size of the settings file and the version written.
constexpr int kSettingsFileSize = 128;
constexpr int32_t kSettingsVersion = 7;
// Name of the settings file in the settings folder.
extern const char* const kSettingsFileName;

class TSettings {
public:
    // Reads the file from the user's configuration folder (or from the
    // folder set by SetFolderOverride).  mainWidth and mainHeight are the
    // main window's size, for the defaults of its position.
    TSettings(int mainWidth, int mainHeight);
    // The same with the file in the given folder.
    TSettings(int mainWidth, int mainHeight, const std::string& folder);
    // Writes the file (silently; a failure keeps the old file) unless it
    // already holds the record: a run that changed nothing leaves it alone.
    ~TSettings();
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;

    // The record, owned; the windows read and write its fields directly.
    TSettingsRecord* Record;
    // The folder of the settings file (UTF-8, no trailing separator).
    std::string Path;

    // The full name of the settings file.
    std::string FileName() const;
    // Writes the file now: creates the folder when missing, writes the
    // version and the record through QSaveFile.  False when it could not be
    // written (the old file is then untouched).
    bool Write();

    // The record of a first start: every field its default, SelectedNode 0.
    // Window defaults come from the screen size and the main window's size,
    // truncated toward zero.
    static TSettingsRecord Defaults(int mainWidth, int mainHeight);

    // The folder used by the two-argument constructor: the user's
    // configuration folder (QStandardPaths::AppConfigLocation), or while an
    // override is set that folder.  An empty override removes it.  For
    // tests, and for anyone who must keep the real file untouched.
    static std::string Folder();
    static void SetFolderOverride(const std::string& folder);

    // The screen areas the window positions are kept on: the available
    // geometry of every screen, or while an override is set those rects.
    // An empty override removes it.
    static std::vector<QRect> ScreenAreas();
    static void SetScreenAreasOverride(const std::vector<QRect>& areas);

private:
    void Read(int mainWidth, int mainHeight);
    // The file's bytes: the version and the record.
    std::string Bytes() const;
    // What the file held when read or last written ("" when unknown).
    std::string onDisk_;
};

// The one settings object of the run, made and deleted by the main window.
extern TSettings* Settings;
