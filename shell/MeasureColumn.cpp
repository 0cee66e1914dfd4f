#include "shell/MeasureColumn.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTextEdit>
#include <charconv>
#include <cmath>
#include <vector>

#include "kernel/SheetCaptions.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "shell/Factory.h"
#include "shell/MainForm.h"

const char* const kBadMeasuresCaption = "Введите верные измерения  ";

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string EditText(int n) {
    const QLineEdit* edit = MainForm->Meas(n);
    return edit ? edit->text().toStdString() : std::string();
}

void SetEditText(int n, const std::string& text) {
    if (QLineEdit* edit = MainForm->Meas(n)) edit->setText(Q(text));
}

// The measurement's code as the row's label shows it, without the colon.
std::string RowCode(int n) {
    const QLabel* label = MainForm->Line(n);
    std::string code = label ? label->text().toStdString() : std::string();
    if (!code.empty() && code.back() == ':') code.pop_back();
    return code;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The number a field's text stands for, before its range is judged (the
// syntax of ParseMeasureText); digits too many for a double are
// OutOfRange.
MeasureParse ParseNumber(const std::string& text, double& parsed) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;

    std::string number;  // sign, digits and '.' only
    size_t i = begin;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, separator = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            number += '.';
        } else {
            return MeasureParse::NotANumber;
        }
    }
    if (!digits) return MeasureParse::NotANumber;

    const char* first = number.data();
    const char* last = first + number.size();
    const auto result = std::from_chars(first, last, parsed);
    if (result.ec == std::errc::result_out_of_range && result.ptr == last) return MeasureParse::OutOfRange;
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed)) return MeasureParse::NotANumber;
    return MeasureParse::Ok;
}

// text with `from` written as the main window's decimal separator (the
// program's without a main window).
std::string WithUsersSeparator(std::string text, char from) {
    const char to = MainForm ? MainForm->DecimalSeparator : DecimalSeparator();
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

// A field's text as a message quotes it: at most kMaxQuotedChars
// characters, then "…".
std::string QuotedText(const std::string& text) {
    const QString q = QString::fromStdString(text);
    if (q.size() <= kMaxQuotedChars) return text;
    return (q.left(kMaxQuotedChars) + QChar(0x2026)).toStdString();
}

}  // namespace

namespace MeasureColumn {

void LayOut(const MeasureRow* rows, int count, int firstRow) {
    if (!MainForm) return;
    for (int k = 0; k < count; ++k) MainForm->SetRow(firstRow + k, rows[k].caption, rows[k].hint);
    if (MainForm->FillSamples) FillSamples(rows, count, firstRow);
}

void Hide(int firstRow, int count) {
    if (!MainForm) return;
    for (int k = 0; k < count; ++k) MainForm->HideRow(firstRow + k);
}

std::string SampleText(const MeasureRow& row) {
    std::string text = row.sampleInt;
    if (row.sampleFrac && *row.sampleFrac) {
        text += MainForm ? MainForm->DecimalSeparatorText : std::string(1, DecimalSeparator());
        text += row.sampleFrac;
    }
    return text;
}

void FillSamples(const MeasureRow* rows, int count, int firstRow) {
    if (!MainForm) return;
    for (int k = 0; k < count; ++k) SetEditText(firstRow + k, SampleText(rows[k]));
}

void Clear(int firstRow, int count) {
    if (!MainForm) return;
    for (int k = 0; k < count; ++k)
        if (QLineEdit* edit = MainForm->Meas(firstRow + k)) edit->clear();
}

std::string ValueText(float value) {
    if (!std::isfinite(value)) return std::string();
    if (value == 0.0f) return "0";
    // More decimals until the text reads back as the value itself; a float
    // needs at most a few dozen (its smallest values), far fewer in a field.
    constexpr int kMaxDecimals = 60;
    char buffer[128];
    std::string text;
    for (int decimals = 0; decimals <= kMaxDecimals; ++decimals) {
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::fixed, decimals);
        if (r.ec != std::errc()) break;
        text.assign(buffer, r.ptr);
        // Judged as ParseMeasureText reads it, whatever the range.
        double back = 0.0;
        if (ParseNumber(text, back) == MeasureParse::Ok && float(back) == value) break;
    }
    return WithUsersSeparator(text, '.');
}

std::string OneDecimalText(float value) { return WithUsersSeparator(FormatFixed(value, 5, 1), DecimalSeparator()); }

void Load(const float* values, int count, int firstRow) {
    if (!MainForm) return;
    for (int k = 0; k < count; ++k) SetEditText(firstRow + k, ValueText(values[k]));
}

void WriteOrderCaption(int type) {
    if (!MainForm || !MainForm->ModelType) return;
    const char* caption = ModelCaption(type);
    MainForm->ModelType->setText(QString::fromUtf8(caption ? caption : "") + QString::number(MainForm->OrderNumber));
}

void ClearOrder(int type, int firstRow, int count) {
    if (!MainForm) return;
    Clear(firstRow, count);
    WriteOrderCaption(type);
    if (MainForm->CustomerData) MainForm->CustomerData->clear();
    if (MainForm->Comment) MainForm->Comment->clear();
}

bool Read(const MeasureRow* rows, float* const* dest, int count, int firstRow) {
    if (!MainForm) return false;
    for (int k = 0; k < count; ++k) {
        if (EditText(firstRow + k).empty()) {
            ShowMeasurementsMissing();
            return false;
        }
    }
    std::vector<float> values(size_t(count), 0.0f);
    for (int k = 0; k < count; ++k) {
        const std::string text = EditText(firstRow + k);
        const MeasureParse verdict = ParseMeasureText(text, values[size_t(k)]);
        const bool nonPositiveBody = rows[k].kind == kBody && values[size_t(k)] <= 0.0f;
        if (verdict == MeasureParse::Ok && !nonPositiveBody) continue;
        const std::string quoted = "Значение «" + QuotedText(text) + "» в поле «" + RowCode(firstRow + k) + "» ";
        if (verdict == MeasureParse::Ok)
            ShowMessage(quoted + "вне допустимых пределов: измерение должно быть больше нуля.  ", kBadMeasuresCaption,
                        MsgExclamation);
        else if (verdict == MeasureParse::OutOfRange)
            ShowMessage(quoted + "вне допустимых пределов: измерение не может быть больше " +
                            std::to_string(int(kMaxMeasureCm)) + " см.  ",
                        kBadMeasuresCaption, MsgExclamation);
        else
            ShowMessage(quoted + "не является числом. Введите число с одним десятичным разделителем.  ",
                        kBadMeasuresCaption, MsgExclamation);
        return false;
    }
    for (int k = 0; k < count; ++k) *dest[k] = values[size_t(k)];
    return true;
}

bool Exceeds(double a, double b) { return a - b > 1e-3; }

bool Refuse(const char* text) {
    ShowMessage(text, kBadMeasuresCaption, MsgExclamation);
    return false;
}

}  // namespace MeasureColumn

MeasureParse ParseMeasureText(const std::string& text, float& value) {
    double parsed = 0.0;
    const MeasureParse verdict = ParseNumber(text, parsed);
    if (verdict != MeasureParse::Ok) return verdict;
    if (std::fabs(parsed) > kMaxMeasureCm) return MeasureParse::OutOfRange;
    value = float(parsed);
    return MeasureParse::Ok;
}

bool ParseMeasure(const std::string& text, float& value) { return ParseMeasureText(text, value) == MeasureParse::Ok; }
