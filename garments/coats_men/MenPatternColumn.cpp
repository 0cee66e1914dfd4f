// The men's outerwear base on the main window: its measurement column, the
// reading and checking of it, and its block of the order file.
#include <string>
#include <vector>

#include "garments/coats_men/MenPattern.h"
#include "kernel/MeasureFigure.h"
#include "kernel/Record.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"

namespace {

using namespace MeasureHints;

struct MenRow {
    const char* caption;
    const char* hint;
    MeasureKind kind;
    void (*illustration)();
};

// Rows 1 .. 16: the body.  Rows 3 and 9 share their picture.
const MenRow kBodyRows[16] = {
    {"Р:", "Рост", kBody, MenLine1},
    {"Сш:", "Полуобхват шеи", kBody, MenLine2},
    {"Сг1:", "Полуобхват груди первый", kBody, MenLine8},
    {"Сг2:", "Полуобхват груди второй", kBody, MenLine3},
    {"Ст:", "Полуобхват талии", kBody, MenLine4},
    {"Сб:", "Полуобхват бёдер", kBody, MenLine5},
    {"Вг:", "Высота груди", kBody, MenLine6},
    {"Дт.п:", "Длина талии спереди", kBody, MenLine7},
    {"Шг:", "Ширина груди", kBody, MenLine8},
    {"Цг:", "Расстояние между выступающими точками грудных желёз", kBody, MenLine9},
    {"Впр.з:", "Высота проймы сзади", kBody, MenLine10},
    {"Дт.с:", "Длина спины до талии", kBody, MenLine11},
    {"Вп.к:", "Высота плеча косая", kBody, MenLine12},
    {"Шс:", "Ширина спины", kBody, MenLine13},
    {"Шп:", "Ширина плечевого ската", kBody, MenLine14},
    {"Пк:", "Положение корпуса", kFree, MenLine15},
};

const MenRow kBustEase{"Пг:", "Прибавка по линии груди общая", kFree, Men7};
const MenRow kWaistEase{"Пт:", "Прибавка к полуобхвату талии", kFree, Men3};
const MenRow kHipEase{"Пб:", "Прибавка к полуобхвату бёдер", kFree, Men6};
const MenRow kInterlining{"h:", "Прибавка на утепляющую прокладку", kFree, Men0};

// Rows 17 on with a set-in sleeve; a raglan has no "H:" row.
const MenRow kSetInRows[11] = {
    {"Др1с:", "Длина руки до первого сустава большого пальца", kBody, MenLine16},
    {"Оп.в:", "Обхват плеча в верхней части", kBody, MenLine17},
    {"Озап:", "Обхват запястья", kBody, MenLine18},
    {"Пн:", "Плечевая накладка", kFree, MenPn},
    kBustEase,
    kWaistEase,
    kHipEase,
    {"Попв:", "Прибавка к обхвату плеча вверху", kFree, Men10},
    {"Поз:", "Прибавка к обхвату запястья", kFree, MenfESh},
    {"H:", "Норма посадки оката рукава", kFree, Men004},
    kInterlining,
};
constexpr int kCapEaseRow = 9;  // index of "H:" in kSetInRows

const MenRow kNoSleeveRows[4] = {kBustEase, kWaistEase, kHipEase, kInterlining};

// The rows of a case, in column order.
std::vector<MenRow> Rows(MenColumnCase c) {
    std::vector<MenRow> rows(kBodyRows, kBodyRows + 16);
    switch (c) {
        case MenColumnCase::NoSleeve:
            rows.insert(rows.end(), kNoSleeveRows, kNoSleeveRows + 4);
            break;
        case MenColumnCase::SetIn:
            rows.insert(rows.end(), kSetInRows, kSetInRows + 11);
            break;
        case MenColumnCase::Raglan:
            for (int k = 0; k < 11; ++k)
                if (k != kCapEaseRow) rows.push_back(kSetInRows[k]);
            break;
    }
    return rows;
}

// The samples of a case, in column order; empty when the garment has none.
std::vector<const char*> Samples(const MenSamples& s, MenColumnCase c) {
    std::vector<const char*> out(s.body, s.body + 16);
    const char* const* tail = c == MenColumnCase::SetIn ? s.setIn : c == MenColumnCase::Raglan ? s.raglan : s.none;
    const int n = MenColumnRows(c) - 16;
    if (!tail[0]) return {};
    out.insert(out.end(), tail, tail + n);
    return out;
}

MenColumnCase CurrentCase() {
    return MainForm ? MenColumnCaseOf(MainForm->Sleeve != nullptr, MainForm->SleeveKind) : MenColumnCase::NoSleeve;
}

}  // namespace

MenColumnCase MenColumnCaseOf(bool hasSleeve, int sleeveKind) {
    if (!hasSleeve) return MenColumnCase::NoSleeve;
    return sleeveKind == 15 || sleeveKind == 16 ? MenColumnCase::Raglan : MenColumnCase::SetIn;
}

int MenColumnRows(MenColumnCase c) {
    switch (c) {
        case MenColumnCase::NoSleeve:
            return 20;
        case MenColumnCase::Raglan:
            return 26;
        case MenColumnCase::SetIn:
            break;
    }
    return 27;
}

std::vector<std::string> MenColumnCaptions(MenColumnCase c) {
    std::vector<std::string> captions;
    for (const MenRow& row : Rows(c)) captions.push_back(row.caption);
    return captions;
}

TMenPattern::TMenPattern(int type) : type_(type) {
    const MenSamples& samples = MenSamplesOf(type);
    calculated = false;
    if (!MainForm) return;
    const MenColumnCase c = CurrentCase();
    const std::vector<MenRow> rows = Rows(c);
    const std::vector<const char*> texts = Samples(samples, c);
    // The sample "20,7" as integer digits and fraction digits.
    std::vector<std::string> parts;
    parts.reserve(2 * rows.size());
    std::vector<MeasureRow> column;
    for (size_t k = 0; k < rows.size(); ++k) {
        const char* intPart = "";
        const char* fracPart = nullptr;
        if (k < texts.size()) {
            const std::string text = texts[k];
            const size_t comma = text.find(',');
            parts.push_back(text.substr(0, comma));
            intPart = parts.back().c_str();
            if (comma != std::string::npos) {
                parts.push_back(text.substr(comma + 1));
                fracPart = parts.back().c_str();
            }
        }
        column.push_back({rows[k].caption, rows[k].hint, intPart, fracPart, rows[k].kind});
    }
    for (size_t k = 0; k < column.size(); ++k) MainForm->SetRow(int(k) + 1, column[k].caption, column[k].hint);
    if (MainForm->FillSamples && !texts.empty()) MeasureColumn::FillSamples(column.data(), int(column.size()));
    rowsLaidOut_ = int(rows.size());
    MainForm->ShowPieceRows(MainForm->Collar != nullptr, MainForm->Sleeve != nullptr);
    MeasureColumn::WriteOrderCaption(type_);
    GarmentSheets::Show(SheetCount(), true);
}

TMenPattern::~TMenPattern() {
    if (!rowsLaidOut_ || !MainForm) return;
    MeasureColumn::Hide(1, rowsLaidOut_);
    MainForm->ShowPieceRows(false, false);
    GarmentSheets::Show(3, false);
}

std::vector<float*> TMenPattern::Slots() const {
    auto* self = const_cast<TMenPattern*>(this);  // the places only name the fields
    std::vector<float*> s = {&self->Height,          &self->NeckHalfGirth,      &self->BustHalfGirth1,
                             &self->BustHalfGirth2,  &self->WaistHalfGirth,     &self->HipHalfGirth,
                             &self->BustHeight,      &self->FrontWaistLength,   &self->ChestWidth,
                             &self->BustPointSpan,   &self->BackArmholeHeight,  &self->BackWaistLength,
                             &self->ObliqueShoulderHeight, &self->BackWidth,    &self->ShoulderWidth,
                             &self->Posture};
    TSleeve* sleeve = MainForm ? MainForm->Sleeve : nullptr;
    const MenColumnCase c = CurrentCase();
    if (c == MenColumnCase::NoSleeve || !sleeve) {
        s.insert(s.end(), {&self->BustEase, &self->WaistEase, &self->HipEase, &self->InterliningEase});
        return s;
    }
    s.insert(s.end(), {&sleeve->ArmLength, &sleeve->UpperArmGirth, &sleeve->WristGirth, &sleeve->ShoulderPad,
                       &self->BustEase, &self->WaistEase, &self->HipEase, &sleeve->UpperArmEase, &sleeve->WristEase});
    if (c == MenColumnCase::SetIn) s.push_back(&self->CapEaseNorm);
    s.push_back(&self->InterliningEase);
    return s;
}

std::vector<MeasureRow> TMenPattern::ColumnRows() const {
    std::vector<MeasureRow> column;
    for (const MenRow& r : Rows(CurrentCase())) column.push_back({r.caption, r.hint, "", nullptr, r.kind});
    return column;
}

bool TMenPattern::GetMeasures() {
    const std::vector<float*> dest = Slots();
    const std::vector<MeasureRow> column = ColumnRows();
    if (!MeasureColumn::Read(column.data(), dest.data(), int(dest.size()))) return false;
    const TSleeve* sleeve = MainForm ? MainForm->Sleeve : nullptr;
    if (sleeve && MeasureColumn::Exceeds(BustEase, sleeve->UpperArmEase)) return MeasureColumn::Refuse("Попв < Пг");
    return true;
}

bool TMenPattern::CheckLoadedMeasures() { return CheckOpenedRows(ColumnRows()); }

void TMenPattern::ShowMeasure(int n) {
    const std::vector<MenRow> rows = Rows(CurrentCase());
    if (n >= 1 && n <= int(rows.size())) rows[size_t(n - 1)].illustration();
}

void TMenPattern::ClearInputs(int sleeveKind) {
    calculated = false;
    const int rows = sleeveKind == 15 || sleeveKind == 16 ? 26 : 27;
    MeasureColumn::ClearOrder(type_, 1, rows);
    if (MainForm) MainForm->ShowPieceRows(MainForm->Collar != nullptr, MainForm->Sleeve != nullptr);
}

void TMenPattern::SaveMeasures(RecordWriter& f) {
    for (const float* v : Slots()) f.WriteFloat(*v);
}

void TMenPattern::LoadMeasures(RecordReader& f) {
    const std::vector<float*> places = Slots();
    for (float* v : places) *v = f.ReadFloat();
    for (size_t k = 0; k < places.size(); ++k) MeasureColumn::Load(places[k], 1, int(k) + 1);
}
