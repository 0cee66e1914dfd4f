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
    std::string text = FormatFixed(value, 5, 1);
    // FormatFixed writes the program's separator; the column shows the main
    // window's, which is the same unless a test has set them apart.
    if (MainForm && MainForm->DecimalSeparator != DecimalSeparator())
        for (char& c : text)
            if (c == DecimalSeparator()) c = MainForm->DecimalSeparator;
    return text;
}

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

bool Read(float* const* dest, int count, int firstRow) {
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
        if (!ParseMeasure(text, values[size_t(k)])) {
            ShowMessage("Значение «" + text + "» в поле «" + RowCode(firstRow + k) +
                            "» не является числом. Введите число с одним десятичным разделителем.  ",
                        kBadMeasuresCaption, MsgExclamation);
            return false;
        }
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

bool ParseMeasure(const std::string& text, float& value) {
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
            return false;
        }
    }
    if (!digits) return false;

    double parsed = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc() || result.ptr != last) return false;
    const float f = float(parsed);
    if (!std::isfinite(parsed) || !std::isfinite(f)) return false;
    value = f;
    return true;
}
