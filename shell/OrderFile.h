// The order file (*.mdr): one order (garment type, collar and sleeve, the
// garment's measurements, the order caption, the customer and the comment)
// saved from and opened into the main window.
//
// Layout, little-endian, no gaps:
//   int32 garment type 0..36
//   int32 format version (written as 1; 0 is the older layout of the women's
//         bodice blocks)
//   int32 collar kind, int32 sleeve kind   -- only when the type is 7 or more
//   the garment's block                     -- TModel::SaveMeasures/LoadMeasures
//   string caption, string customer
//   int32 N (0..27), then N + 1 strings: comment lines 0..N
// A string is an int32 byte count 0..255 and that many Windows-1251 bytes.
// With c comment lines, N = min(c, 27); when c <= 27 the last string is empty.
//
// Opening reads the whole file into memory and checks all of it before the
// factory is called, so a refused file leaves the open order as it was.  The
// garment's block has no length of its own: it ends where the rest of the
// file reads exactly as the texts (caption, customer, count, lines up to the
// file's end).  A garment may also declare what its block holds
// (RegisterOrderBlockLayout); the block must then be exactly that long, and
// its values are checked one by one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct MeasureRow;

class TMainForm;

// ---- The file's contents. ----

constexpr int kOrderFormatVersion = 1;  // the version this program writes
constexpr int kOrderMaxCommentCount = 27;  // the largest N: lines 0..27
constexpr int kOrderMaxString = 255;   // longest string, in bytes
// Files longer than this are not orders (a real one is a few kilobytes).
constexpr std::size_t kOrderMaxFileSize = 1 << 20;

struct OrderContents {
    int type = 0;
    int version = kOrderFormatVersion;
    // Stored only for types 7 and more; -1 for the lower-body types.
    int collarKind = -1;
    int sleeveKind = -1;
    std::string block;                 // the garment's block, raw bytes
    std::string caption;               // UTF-8
    std::string customer;              // UTF-8
    std::vector<std::string> comment;  // UTF-8 lines, as the comment shows them
};

// The bytes of the file.  Texts are converted to Windows-1251 and cut to
// 255 bytes; beyond the 28th comment line the lines are dropped.
std::string EncodeOrder(const OrderContents& order);

// Reads and checks a whole file.  On a refusal answers false and `reason`
// holds why, in Russian (it follows "Файл основы повреждён и не может быть
// открыт: ").  Checks: the file is complete; type 0..36; a format version
// the garment reads (0 or 1 for a garment that declared no block);
// kinds that the base dialog offers for the type (BaseKindsOffered);
// string lengths 0..255; comment count 0..27; the block as long as the
// garment's (when it declared one, else a single place where the texts
// fit); every float of the block a number within ±kMaxMeasureCm and every
// integer one the garment accepts.
// The comment's last, empty line (the terminator of a file with 27 lines or
// fewer) is not part of `comment`.
bool DecodeOrder(const std::string& bytes, OrderContents& out, std::string& reason);

// ---- What a garment's block holds, for the checks of an opened file. ----

// One value of a garment's block: a float (a length, an ease or a ratio) or
// a 32-bit integer (a count, a choice).
struct OrderBlockItem {
    // How the user knows the value: the code of its row ("Ст"), or what it
    // is ("вырез горловины"); "" when unknown.
    std::string name;
    // An integer: why its value cannot be one the program wrote, in the
    // user's words, or "" when it can.  Unset for a float.
    std::function<std::string(std::int32_t value)> refuse;
};
using OrderBlockItems = std::vector<OrderBlockItem>;

// Floats named by the captions of their rows ("Ст:" gives "Ст").
OrderBlockItems OrderBlockFloats(const std::vector<std::string>& captions);
// An integer count from `least` to `most`.
OrderBlockItem OrderBlockCount(const std::string& caption, int least, int most);

// A garment type's block in a file of this version and these kinds, or
// std::nullopt when the garment reads no such version.
using OrderBlockLayout = std::function<std::optional<OrderBlockItems>(int version, int collarKind, int sleeveKind)>;
// Declares (or, with an empty function, forgets) the block of a type.
void RegisterOrderBlockLayout(int type, OrderBlockLayout layout);

// The opening's check of the values an order brought into the column: the
// rows 1 .. rows.size() that `rows` describe, each judged on its own as
// reading the column judges a row, without the relations between measurements that GetMeasures adds (an
// order is drafted as it was saved).  Rows for which `held` answers false
// (a value an older file does not hold) are not judged.  False after the
// column's message.
bool CheckOpenedRows(const std::vector<MeasureRow>& rows, const std::function<bool(int row)>& held = nullptr);

// ---- The two roads of the main window. ----

// What an order dialog is asked to show: the folder it starts in (the
// order dialogs' own remembered folder, shared by saving and opening), the
// proposed name (saving only; the real dialog adds ".mdr") and the patterns
// of the files it lists.
struct OrderDialogRequest {
    std::string folder;
    std::string proposedName;
    std::vector<std::string> patterns;
};

// The file dialogs, replaceable for tests: both get the request and answer
// the chosen path, "" when cancelled.  nullptr restores the real dialogs.
using SaveDialogHook = std::function<std::string(const OrderDialogRequest&)>;
using OpenDialogHook = std::function<std::string(const OrderDialogRequest&)>;
void SetOrderDialogHooks(SaveDialogHook save, OpenDialogHook open);

// A chosen order name ending in ".mdr" (in any case) as it is, any other
// with ".mdr" added, so that the open dialog lists it.
std::string WithOrderExtension(const std::string& path);

// Save: with a garment whose measurements pass its GetMeasures (else it has
// shown its message and the main window takes the focus), the save dialog
// proposes the caption followed by the customer (blanks trimmed), the
// chosen name gets its ".mdr" (an existing file of that name is replaced
// only when the user agrees), its folder is remembered for the order
// dialogs, and the order is written.
void SaveOrderCommand(TMainForm& form);
// Open: the open dialog, its folder remembered, then OpenOrderFrom.
void OpenOrderCommand(TMainForm& form);

// Runs the garment's GetMeasures and writes the order to `path` through a
// temporary file that replaces the old one only when complete.  False (after
// the message "Ошибка при записи в файл!  ") when anything could not be
// written; an existing file is then left as it was.  False without a
// garment or when GetMeasures refuses.
bool SaveOrderTo(TMainForm& form, const std::string& path);

// Reads and checks the file, then recreates the pieces through the factory,
// fills the fields, the caption, the customer and the comment, and - when
// the garment's CheckLoadedMeasures accepts the loaded values - shows the drawing
// window and calculates (the guarded block of the calculation road), without
// moving the focus to the drawing window and without raising the order
// number.  A file that cannot be read or is refused leaves the window
// untouched and answers false (after its message).
bool OpenOrderFrom(TMainForm& form, const std::string& path);
