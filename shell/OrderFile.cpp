// The order file: its byte layout, the checks an opened file passes before
// anything in the window changes, and the save and open roads.
#include "shell/OrderFile.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>
#include <QStringList>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>

#include "kernel/Models.h"
#include "kernel/Record.h"
#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "shell/BaseCatalog.h"
#include "shell/Factory.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"
#include "shell/ReporForm.h"

namespace {

const char* const kSaveTitle = "Сохранение основы";
const char* const kOpenTitle = "Открытие основы";
const char* const kFileFilter = " Основа (*.mdr)";
const char* const kWriteFailedText = "Ошибка при записи в файл!  ";
const char* const kOpenFailedText = "Ошибка при открытии файла!  ";
const char* const kDamagedText = "Файл основы повреждён и не может быть открыт: ";
const char* const kShortReason = "файл короче, чем должен быть";
const char* const kTooLargeReason = "файл слишком велик: основа занимает не больше 1 МБ";
static_assert(kOrderMaxFileSize == 1 << 20, "the message names the largest order");

// ---------------------------------------------------------------------------
// The blocks the garments declared.

std::array<OrderBlockLayout, kModelTypes>& BlockLayouts() {
    static std::array<OrderBlockLayout, kModelTypes> layouts;
    return layouts;
}

std::string WithoutColon(std::string caption) {
    if (!caption.empty() && caption.back() == ':') caption.pop_back();
    return caption;
}

// A block of `bytes` bytes of unnamed floats.
// ---------------------------------------------------------------------------
// Reading the texts at the end of the file.

// A little-endian cursor over the file's bytes that never reads past the end.
struct Cursor {
    const std::string& bytes;
    std::size_t pos;

    bool Int(std::int32_t& v) {
        if (bytes.size() - pos < 4) return false;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= std::uint32_t(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
        v = static_cast<std::int32_t>(u);
        pos += 4;
        return true;
    }
};

struct Texts {
    std::string caption, customer;    // Windows-1251
    std::vector<std::string> lines;   // lines 0..N, Windows-1251
};

// Why reading the texts from one place failed, and how far it got.
struct TailFailure {
    std::string reason;
    std::size_t reached = 0;
};

// `what` names the text as the user knows it ("заказчик").
bool ReadString(Cursor& c, std::string& out, const std::string& what, TailFailure& why) {
    std::int32_t len = 0;
    if (!c.Int(len)) {
        why.reason = kShortReason;
        return false;
    }
    if (len < 0) {
        why.reason = "длина текста «" + what + "» записана отрицательным числом (" + std::to_string(len) + ")";
        return false;
    }
    if (len > kOrderMaxString) {
        why.reason = "текст «" + what + "» длиннее " + std::to_string(kOrderMaxString) + " знаков (" +
                     std::to_string(len) + ")";
        return false;
    }
    if (c.bytes.size() - c.pos < std::size_t(len)) {
        why.reason = kShortReason;
        return false;
    }
    out = c.bytes.substr(c.pos, std::size_t(len));
    c.pos += std::size_t(len);
    return true;
}

// The caption, the customer and the comment from `from` exactly to the end
// of the file.
bool ReadTexts(const std::string& bytes, std::size_t from, Texts& out, TailFailure& why) {
    Cursor c{bytes, from};
    auto fail = [&] {
        why.reached = c.pos - from;
        return false;
    };
    if (!ReadString(c, out.caption, "подпись заказа", why) || !ReadString(c, out.customer, "заказчик", why))
        return fail();
    std::int32_t n = 0;
    if (!c.Int(n)) {
        why.reason = kShortReason;
        return fail();
    }
    if (n < 0 || n > kOrderMaxCommentCount) {
        why.reason = "число строк комментария (" + std::to_string(n) + ") " +
                     (n < 0 ? std::string("меньше нуля") : "больше " + std::to_string(kOrderMaxCommentCount));
        return fail();
    }
    out.lines.assign(std::size_t(n) + 1, std::string());
    for (std::size_t i = 0; i < out.lines.size(); ++i)
        if (!ReadString(c, out.lines[i], "строка комментария " + std::to_string(i + 1), why)) return fail();
    if (c.pos != bytes.size()) {
        why.reason = "после комментария в файле лишние данные";
        return fail();
    }
    return true;
}

// The longest the texts can be: two strings, the count, 28 lines.
constexpr std::size_t kMaxTextsSize = 4 + (kOrderMaxCommentCount + 3) * (4 + std::size_t(kOrderMaxString));
// The shortest: two empty strings, the count, one empty line.
constexpr std::size_t kMinTextsSize = 16;

// The places on a 4-byte step from `from` at which the rest of the file
// reads exactly as the texts; the texts of the first into `texts`, and the
// failure that got furthest into `furthest`.
std::vector<std::size_t> TextPlaces(const std::string& bytes, std::size_t from, Texts& texts, TailFailure& furthest) {
    std::vector<std::size_t> ends;
    if (bytes.size() < from + kMinTextsSize) return ends;
    const std::size_t last = bytes.size() - kMinTextsSize;
    std::size_t first = from;
    if (bytes.size() - from > kMaxTextsSize) first += (bytes.size() - from - kMaxTextsSize + 3) / 4 * 4;
    for (std::size_t at = first; at <= last; at += 4) {
        Texts t;
        TailFailure why;
        if (ReadTexts(bytes, at, t, why)) {
            if (ends.empty()) texts = t;
            ends.push_back(at);
        } else if (why.reached >= furthest.reached || furthest.reason.empty()) {
            furthest = why;
        }
    }
    return ends;
}

// A float of the block as the dressmaker reads it in a message.
std::string FloatText(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", double(v));
    return buffer;
}

// Why the values of the block from `from` cannot be the items', or "".
std::string RefusedValue(const std::string& bytes, std::size_t from, const OrderBlockItems& items) {
    Cursor c{bytes, from};
    for (std::size_t k = 0; k < items.size(); ++k) {
        std::int32_t raw = 0;
        if (!c.Int(raw)) return kShortReason;
        const OrderBlockItem& item = items[k];
        if (item.refuse) {
            const std::string why = item.refuse(raw);
            if (!why.empty()) return why;
            continue;
        }
        float v;
        std::memcpy(&v, &raw, 4);
        const std::string name = item.name.empty() ? "мерка № " + std::to_string(k + 1) : "мерка «" + item.name + "»";
        if (std::isnan(v)) return name + " записана не числом";
        if (std::isinf(v)) return name + " записана бесконечностью";
        if (v < -kMaxMeasureCm)
            return name + " (" + FloatText(v) + ") меньше допустимых -" + std::to_string(int(kMaxMeasureCm)) + " см";
        if (v > kMaxMeasureCm)
            return name + " (" + FloatText(v) + ") больше допустимых " + std::to_string(int(kMaxMeasureCm)) + " см";
    }
    return std::string();
}

// ---------------------------------------------------------------------------
// Writing.

void WriteString(RecordWriter& w, const std::string& utf8) {
    const std::string text = Utf8ToCp1251(utf8).substr(0, kOrderMaxString);
    w.WriteInt(std::int32_t(text.size()));
    w.WriteBytes(text);
}

SaveDialogHook& SaveHook() {
    static SaveDialogHook hook;
    return hook;
}
OpenDialogHook& OpenHook() {
    static OpenDialogHook hook;
    return hook;
}

// The order dialogs list these files and give a chosen name this extension.
const char* const kOrderExtension = ".mdr";
const char* const kOrderPattern = "*.mdr";

std::string RunFileDialog(TMainForm& form, bool save, const OrderDialogRequest& request) {
    QFileDialog dialog(&form, QString::fromUtf8(save ? kSaveTitle : kOpenTitle), QString::fromStdString(request.folder),
                       QString::fromUtf8(kFileFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mdr"));
    if (save) dialog.selectFile(QString::fromStdString(request.proposedName + kOrderExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
    return dialog.selectedFiles().first().toStdString();
}

OrderDialogRequest DialogRequest(const std::string& proposedName) {
    return OrderDialogRequest{FileDialogFolder(FileDialogKind::Order), proposedName, {kOrderPattern}};
}

// The proposed name of a saved order: the caption immediately followed by
// the customer, with the characters a file name cannot hold replaced and
// the blanks at both ends (the caption begins with one) removed.
std::string ProposedName(const TMainForm& form) {
    const std::string safe = FileNameSafe((form.ModelType->text() + form.CustomerData->text()).toStdString());
    return QString::fromStdString(safe).trimmed().toStdString();
}

bool WriteOrderFile(TMainForm& form, const std::string& path) {
    OrderContents order;
    order.type = form.ModelIndex;
    order.collarKind = form.CollarKind;
    order.sleeveKind = form.SleeveKind;
    order.caption = form.ModelType->text().toStdString();
    order.customer = form.CustomerData->text().toStdString();
    order.comment = form.CommentLines();
    bool written = false;
    try {
        RecordWriter block;
        form.Model->SaveMeasures(block);
        order.block = block.Bytes();
        const std::string bytes = EncodeOrder(order);
        QSaveFile file(QString::fromStdString(path));
        if (file.open(QIODevice::WriteOnly)) {
            // A short write can be counted as whole and leave only the
            // error behind, so the error is asked before the old file is
            // replaced.
            const bool whole = file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                               file.flush() && file.error() == QFileDevice::NoError;
            if (whole)
                written = file.commit() && file.error() == QFileDevice::NoError;
            else
                file.cancelWriting();
        }
    } catch (const std::exception&) {
        written = false;
    }
    if (!written) ShowMessage(kWriteFailedText, "", MsgIcon::Error);
    return written;
}

// The guarded block of the calculation road for an opened order, with its
// own count of reruns and its own text for the eighth failure.
void ShowDamaged(const std::string& reason) {
    ShowMessage(kDamagedText + reason + ".  ", kOpenTitle, MsgIcon::Error);
}

}  // namespace

// ---------------------------------------------------------------------------
// The file's contents

OrderBlockItems OrderBlockFloats(const std::vector<std::string>& captions) {
    OrderBlockItems items;
    for (const std::string& caption : captions) items.push_back({WithoutColon(caption), nullptr});
    return items;
}

OrderBlockItem OrderBlockCount(const std::string& caption, int least, int most) {
    const std::string name = WithoutColon(caption);
    return {name, [name, least, most](std::int32_t v) {
                if (v >= least && v <= most) return std::string();
                return "«" + name + "» в файле равно " + std::to_string(v) + ", а может быть только от " +
                       std::to_string(least) + " до " + std::to_string(most);
            }};
}

void RegisterOrderBlockLayout(int type, OrderBlockLayout layout) {
    if (ModelCaption(type)) BlockLayouts()[std::size_t(type)] = std::move(layout);
}

bool CheckOpenedRows(const std::vector<MeasureRow>& rows, const std::function<bool(int row)>& held) {
    for (int row = 1; row <= int(rows.size()); ++row) {
        if (held && !held(row)) continue;
        float value = 0.0f;
        float* dest = &value;
        if (!MeasureColumn::Read(&rows[std::size_t(row - 1)], &dest, 1, row)) return false;
    }
    return true;
}

std::string EncodeOrder(const OrderContents& order) {
    RecordWriter w;
    w.WriteInt(order.type);
    w.WriteInt(order.version);
    if (order.type >= 7) {
        w.WriteInt(order.collarKind);
        w.WriteInt(order.sleeveKind);
    }
    w.WriteBytes(order.block);
    WriteString(w, order.caption);
    WriteString(w, order.customer);
    const int lines = int(order.comment.size());
    const int n = std::min(lines, kOrderMaxCommentCount);
    w.WriteInt(n);
    for (int i = 0; i <= n; ++i) WriteString(w, i < lines ? order.comment[std::size_t(i)] : std::string());
    return w.Bytes();
}

bool DecodeOrder(const std::string& bytes, OrderContents& out, std::string& reason) {
    if (bytes.size() > kOrderMaxFileSize) {
        reason = kTooLargeReason;
        return false;
    }
    OrderContents order;
    Cursor header{bytes, 0};
    std::int32_t type = 0, version = 0, collar = -1, sleeve = -1;
    if (!header.Int(type) || !header.Int(version)) {
        reason = kShortReason;
        return false;
    }
    if (!ModelCaption(type)) {
        reason = "неизвестный вид основы (" + std::to_string(type) + ")";
        return false;
    }
    const std::string unknownVersion = "неизвестная версия формата (" + std::to_string(version) + ")";
    if (type >= 7 && (!header.Int(collar) || !header.Int(sleeve))) {
        reason = kShortReason;
        return false;
    }
    if (!BaseKindsOffered(type, collar, sleeve)) {
        reason = "воротник вида " + std::to_string(collar) + " с рукавом вида " + std::to_string(sleeve) +
                 " не предлагаются для этой основы";
        return false;
    }
    const std::size_t blockStart = header.pos;

    // Where the garment's block ends: at its declared length, or at the one
    // place (on a 4-byte step) from which the rest reads as the texts.
    Texts texts;
    std::size_t blockEnd = 0;
    OrderBlockItems items;
    const OrderBlockLayout& declared = BlockLayouts()[std::size_t(type)];
    if (declared) {
        const std::optional<OrderBlockItems> layout = declared(version, collar, sleeve);
        if (!layout) {
            reason = unknownVersion;
            return false;
        }
        items = *layout;
        blockEnd = blockStart + 4 * items.size();
        TailFailure why;
        if (blockEnd > bytes.size() || !ReadTexts(bytes, blockEnd, texts, why)) {
            // A block of another length: say so when the texts stand
            // whole at one other place.
            Texts elsewhere;
            TailFailure furthest;
            const std::vector<std::size_t> ends = TextPlaces(bytes, blockStart, elsewhere, furthest);
            if (ends.size() == 1) {
                const std::size_t found = (ends.front() - blockStart) / 4;
                reason = std::string("мерок в файле ") + (found < items.size() ? "меньше" : "больше") +
                         ", чем у этой основы (" + std::to_string(found) + " вместо " +
                         std::to_string(items.size()) + ")";
            } else {
                reason = blockEnd > bytes.size() ? kShortReason : why.reason;
            }
            return false;
        }
    } else {
        if (version != 0 && version != 1) {
            reason = unknownVersion;
            return false;
        }
        TailFailure furthest;
        const std::vector<std::size_t> ends = TextPlaces(bytes, blockStart, texts, furthest);
        if (ends.empty()) {
            reason = furthest.reason.empty() ? kShortReason : furthest.reason;
            return false;
        }
        if (ends.size() > 1) {
            reason = "не удаётся определить, где кончаются мерки основы";
            return false;
        }
        blockEnd = ends.front();
        items = OrderBlockItems((blockEnd - blockStart) / 4);  // floats of no name
    }
    const std::string refused = RefusedValue(bytes, blockStart, items);
    if (!refused.empty()) {
        reason = refused;
        return false;
    }

    order.type = type;
    order.version = version;
    order.collarKind = collar;
    order.sleeveKind = sleeve;
    order.block = bytes.substr(blockStart, blockEnd - blockStart);
    order.caption = Cp1251ToUtf8(texts.caption);
    order.customer = Cp1251ToUtf8(texts.customer);
    // The last line is the terminator when it is empty.
    if (texts.lines.back().empty()) texts.lines.pop_back();
    for (const std::string& line : texts.lines) order.comment.push_back(Cp1251ToUtf8(line));
    out = std::move(order);
    return true;
}

// ---------------------------------------------------------------------------
// The roads

void SetOrderDialogHooks(SaveDialogHook save, OpenDialogHook open) {
    SaveHook() = std::move(save);
    OpenHook() = std::move(open);
}

bool SaveOrderTo(TMainForm& form, const std::string& path) {
    if (!form.Model || !form.Model->GetMeasures()) return false;
    return WriteOrderFile(form, path);
}

std::string WithOrderExtension(const std::string& path) {
    if (QString::fromStdString(path).endsWith(QString::fromUtf8(kOrderExtension), Qt::CaseInsensitive)) return path;
    return path + kOrderExtension;
}

void SaveOrderCommand(TMainForm& form) {
    if (!form.Model) return;
    if (!form.Model->GetMeasures()) {
        form.activateWindow();
        return;
    }
    const OrderDialogRequest request = DialogRequest(ProposedName(form));
    const std::string chosen = SaveHook() ? SaveHook()(request) : RunFileDialog(form, true, request);
    if (chosen.empty()) return;
    RememberFileDialogFolder(chosen, FileDialogKind::Order);
    // The dialog asked about overwriting the name as chosen; the extension
    // added here may name another file that exists.
    const std::string path = WithOrderExtension(chosen);
    if (path != chosen && QFileInfo::exists(QString::fromStdString(path)) &&
        ShowMessage("Файл «" + QFileInfo(QString::fromStdString(path)).fileName().toStdString() +
                        "» уже существует.\nЗаменить его?  ",
                    kSaveTitle, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    WriteOrderFile(form, path);
}

void OpenOrderCommand(TMainForm& form) {
    const OrderDialogRequest request = DialogRequest(std::string());
    const std::string path = OpenHook() ? OpenHook()(request) : RunFileDialog(form, false, request);
    if (path.empty()) return;
    RememberFileDialogFolder(path, FileDialogKind::Order);
    OpenOrderFrom(form, path);
}

bool OpenOrderFrom(TMainForm& form, const std::string& path) {
    // 1. The whole file, checked, before anything changes.
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(kOpenFailedText, "", MsgIcon::Error);
        return false;
    }
    if (file.size() > qint64(kOrderMaxFileSize)) {
        ShowDamaged(kTooLargeReason);
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowMessage(kOpenFailedText, "", MsgIcon::Error);
        return false;
    }
    file.close();
    OrderContents order;
    std::string reason;
    if (!DecodeOrder(data.toStdString(), order, reason)) {
        ShowDamaged(reason);
        return false;
    }

    // 2. The pieces of the file.  The factory refuses (with its message, and
    // nothing changed) a garment that this program cannot build yet.
    const bool kinds = order.type >= 7;
    if (!form.CreateModel(order.type, kinds ? order.collarKind : -1, kinds ? order.sleeveKind : -1)) return false;
    form.FileVersion = order.version;

    // 3. The fields.  Only a garment that declared no block size can find
    // the block not to its measure here; its fields are then emptied again.
    bool loaded = false;
    try {
        RecordReader block(order.block);
        form.Model->LoadMeasures(block);
        loaded = block.Remaining() == 0;
    } catch (const std::exception&) {
        loaded = false;
    }
    if (!loaded) {
        form.Model->ClearInputs(form.SleeveKind);
        form.Model->ClearSheets();
        ShowDamaged("мерки в файле не подходят к этой основе");
        return false;
    }

    // 4. The texts; the comment holds only the file's lines.
    form.ModelType->setText(QString::fromStdString(order.caption));
    form.CustomerData->setText(QString::fromStdString(order.customer));
    form.Comment->clear();
    QStringList lines;
    for (const std::string& line : order.comment) lines << QString::fromStdString(line);
    form.Comment->setPlainText(lines.join(QLatin1Char('\n')));

    // 5. The garment judges the loaded values before they are calculated;
    // a refusal has shown its message.
    if (!form.Model->CheckLoadedMeasures()) {
        form.Model->ClearSheets();
        form.Model->calculated = false;
        return true;
    }
    // The checks may have read the fields back; the pattern is drafted from
    // the values as the file holds them, to the last bit.
    RecordReader exact(order.block);
    form.Model->LoadMeasures(exact);
    if (ReporForm && !ReporForm->isVisible()) ReporForm->show();
    form.Model->ClearSheets();
    // The open road's own text has two trailing blanks.
    form.RunCalcBlock("Пожалуйста, проверьте измерения.  ");
    return true;
}
