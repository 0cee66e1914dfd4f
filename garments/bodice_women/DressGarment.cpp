#include "garments/bodice_women/DressGarment.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "garments/common/PatternPen.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/OrderInfo.h"
#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "platform/Printer.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"

namespace {

// ---------------------------------------------------------------------------
// The quantities

struct Quantity {
    const char* caption;
    const char* hint;
    const char* sample;  // the dress's sample ("18.1"); eases come from kEaseSamples
    void (*illustration)();
};

// By DressQ.  The cap-ease norm's caption is the straight column's, with
// the Cyrillic Н; the fitted column writes the Latin H.
const Quantity kQuantities[] = {
    {"Сш:", "Полуобхват шеи", "18.1", MeasureHints::WomenLine1},
    {"Сг1:", "Полуобхват груди первый", "43.8", MeasureHints::WomenLine2},
    {"Сг2:", "Полуобхват груди второй", "48", MeasureHints::WomenLine3},
    {"Ст:", "Полуобхват талии", "38", MeasureHints::WomenLine4},
    {"Сб:", "Полуобхват бёдер", "53", MeasureHints::WomenLine5},
    {"Вг:", "Высота груди", "26.5", MeasureHints::WomenLine6},
    {"Дт.п:", "Длина талии спереди", "43", MeasureHints::WomenLine7},
    {"Шг:", "Ширина груди", "17.1", MeasureHints::WomenLine8},
    {"Цг:", "Расстояние между выступающими точками грудных желёз", "9.6", MeasureHints::WomenLine9},
    {"Дт.с:", "Длина спины до талии", "38", MeasureHints::WomenLine10},
    {"Вп.к:", "Высота плеча косая", "41", MeasureHints::WomenLine11},
    {"Шс:", "Ширина спины", "18", MeasureHints::WomenLine12},
    {"Цл:", "Расстояние между выступающими точками лопаток", "7.6", MeasureHints::WomenLine13},
    {"Дб:", "Длина бока", "20.2", MeasureHints::WomenLine14},
    {"Пк:", "Положение корпуса", "4", MeasureHints::WomenLine15},
    {"Шп:", "Ширина плечевого ската", "13.5", MeasureHints::WomenLine16},
    {"Др1с:", "Длина руки до первого сустава большого пальца", "57.4", MeasureHints::WomenLine17},
    {"Оп.в:", "Обхват плеча в верхней части", "29.1", MeasureHints::WomenLine18},
    {"Озап:", "Обхват запястья", "15.9", MeasureHints::WomenLine19},
    {"Пн:", "Плечевая накладка", nullptr, MeasureHints::WomenPn},
    {"Пг:", "Прибавка по линии груди общая", nullptr, MeasureHints::WomenPg},
    {"Пт:", "Прибавка к полуобхвату талии", nullptr, MeasureHints::WomenPt},
    {"Пб:", "Прибавка к полуобхвату бёдер", nullptr, MeasureHints::WomenPb},
    {"Попв:", "Прибавка к обхвату плеча вверху", nullptr, MeasureHints::Women5v1},
    {"Поз:", "Прибавка к обхвату запястья", nullptr, MeasureHints::Women5v2},
    {"Н:", "Норма посадки оката рукава", nullptr, MeasureHints::WomenH},
    {"С.пр:", "Спуск проймы", nullptr, MeasureHints::Women5v3},
    {"h:", "Прибавка на утепляющую прокладку", nullptr, MeasureHints::Womenh},
    {"S:", "", "0", nullptr},
};

const Quantity& Info(DressQ q) { return kQuantities[static_cast<int>(q)]; }

// The sample eases of each garment: Пн, Пг, Пт, Пб, Попв, Поз, Н, С.пр, h,
// by garment kind and silhouette (Пт only in the fitted column).
struct EaseSamples {
    const char* pn;
    const char* pg;
    const char* pt;
    const char* pb;
    const char* popv;
    const char* poz;
    const char* h_norm;
    const char* spr;
    const char* h;
};
const EaseSamples kEaseSamples[4][2] = {
    {{"0.5", "3", nullptr, "1.5", "5", "5", "0.04", "5", "0"}, {"0.5", "2.8", "4.8", "1.5", "5", "5", "0.04", "5", "0"}},
    {{"1", "5", nullptr, "3.5", "7", "7", "0.06", "5", "0"}, {"1", "4.5", "6.3", "3.5", "7", "7", "0.06", "5", "0"}},
    {{"1.5", "7.3", nullptr, "5.3", "9", "9", "0.07", "5", "0"},
     {"1.5", "6.3", "7.3", "5.3", "9", "9", "0.07", "5", "0"}},
    {{"1.5", "8.8", nullptr, "7.3", "10", "10", "0.1", "5", "0.4"},
     {"1.5", "7.5", "9", "6.8", "10", "10", "0.1", "5", "0.4"}},
};

// The cap-ease norm an old (format-0) order gets, by garment kind.
const float kVersion0CapEase[4] = {0.04f, 0.06f, 0.07f, 0.1f};

using Q = DressQ;

// The rows after the body rows, by sleeve group, as the straight column
// has them; the fitted column has Пт after Пг.
std::vector<DressQ> SleeveRows(SleeveGroup g) {
    switch (g) {
        case SleeveGroup::None:
            return {Q::Pg, Q::Pb, Q::h};
        case SleeveGroup::SetIn:
            return {Q::Dr1s, Q::Opv, Q::Ozap, Q::Pn, Q::Pg, Q::Pb, Q::Popv, Q::Poz, Q::H, Q::h};
        case SleeveGroup::Shirt:
            return {Q::Dr1s, Q::Ozap, Q::Pn, Q::Pg, Q::Pb, Q::Poz, Q::H, Q::h};
        case SleeveGroup::Shaping:
            return {Q::Dr1s, Q::Opv, Q::Ozap, Q::Pn, Q::Pg, Q::Pb, Q::Popv, Q::Poz, Q::h};
        case SleeveGroup::Batwing:
            return {Q::Dr1s, Q::Ozap, Q::Pn, Q::Pg, Q::Pb, Q::Poz, Q::Spr, Q::h};
        case SleeveGroup::Other:
            break;
    }
    return {};
}

// After the column's ClearInputs argument: a sleeve kind 1 .. 11 names its
// group, anything else the rows without a sleeve.
SleeveGroup GroupOfKind(int sleeveKind) {
    const SleeveGroup g = SleeveGroupOf(true, sleeveKind);
    return g == SleeveGroup::Other ? SleeveGroup::None : g;
}

std::string Caption(DressQ q, Silhouette s) {
    if (q == Q::H && s == Silhouette::Fitted) return "H:";
    return Info(q).caption;
}

// The table text of a quantity: its caption without the colon.
const char* const kTableTexts[] = {"Сш", "Сг1", "Сг2", "Ст", "Сб",  "Вг",  "Дт.п", "Шг",   "Цг", "Дт.с",
                                   "Вп.к", "Шс", "Цл", "Дб", "Пк",  "Шп",  "Др1с", "Оп.в", "Озап", "Пн",
                                   "Пг", "Пт", "Пб", "Попв", "Поз", "H", "С.пр", "h", "S"};
const char* TableText(DressQ q) { return kTableTexts[static_cast<int>(q)]; }

// ---------------------------------------------------------------------------
// The sheets

// Half the sheet width: the pieces are centred on it.
float HalfSheet() { return 2 * kSheetQuarterWidth; }

const char* const kFrontAndBack = "Полочка и спинка";
const char* const kFrontWithSleeve = "Полочка с рукавом";
const char* const kBackWithSleeve = "Спинка с рукавом";

// The tables' corners (table units) on the screen and on paper.
constexpr int kScreenTableX[3] = {50, 296, 541};
constexpr int kPaperTableX[3] = {35, 282, 529};
constexpr int kTableY = 57;
constexpr int kCommentX = 228;
constexpr int kPaperCommentX = 184;

ValueTableLayout BodiceMeasureLayout(TableMedium m) {
    return {"Полочка и спинка (см)", m == TableMedium::Screen ? 44 : 30, "Измерение", 20, "Величина", 125, 40, 140,
            m == TableMedium::Screen ? 1 : 0};
}
ValueTableLayout SleeveLayout(TableMedium m) {
    return {"Рукав (см)", m == TableMedium::Screen ? 73 : 62, "Измерение", 20, "Величина", 125, 40, 140,
            m == TableMedium::Screen ? 1 : 0};
}
ValueTableLayout SegmentLayout(TableMedium m) {
    return {"Полочка и спинка (см)", m == TableMedium::Screen ? 44 : 30, "Отрезок", 28, "Величина", 125, 30, 140,
            m == TableMedium::Screen ? 1 : 0};
}

bool CollarKindIn(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

int DressBlockSize(int type, int version, int sleeveKind) {
    if (type < 7 || type > 14) return -1;
    const bool fitted = type % 2 == 0;
    const bool withSleeve = sleeveKind >= 1;
    if (version == 0) return 4 * ((fitted ? 21 : 18) + (withSleeve ? 6 : 0));
    const std::vector<DressQ> rows = SleeveRows(SleeveGroupOf(withSleeve, sleeveKind));
    const bool pt = std::find(rows.begin(), rows.end(), Q::Pg) != rows.end();
    return 4 * ((fitted ? 16 : 15) + int(rows.size()) + (fitted && pt ? 1 : 0));
}

SleeveGroup SleeveGroupOf(bool withSleeve, int sleeveKind) {
    if (!withSleeve) return SleeveGroup::None;
    if (sleeveKind >= 1 && sleeveKind <= 3) return SleeveGroup::SetIn;
    if (sleeveKind == 4) return SleeveGroup::Shirt;
    if (sleeveKind >= 5 && sleeveKind <= 10) return SleeveGroup::Shaping;
    if (sleeveKind == 11) return SleeveGroup::Batwing;
    return SleeveGroup::Other;
}

bool IsAllInOneSleeve(int sleeveKind) { return sleeveKind == 7 || sleeveKind == 8 || sleeveKind == 11; }

// ---------------------------------------------------------------------------
// Life of the garment

TDressGarment::TDressGarment(DressKind kind, Silhouette shape) : kind_(kind), shape_(shape) {
    calculated = false;
    if (!MainForm) return;
    // The order panel shows the rows of the pieces chosen with the garment
    // (and keeps what it shows already).
    MainForm->ShowPieceRows(MainForm->Collar || MainForm->CollarRowShown(),
                            MainForm->Sleeve || MainForm->SleeveRowShown());
    HasSleeve = MainForm->Sleeve != nullptr;
    LayOutColumn();
    MeasureColumn::WriteOrderCaption(Type());
    GarmentSheets::Show(SheetCount(), true);
}

TDressGarment::~TDressGarment() {
    if (!MainForm) return;
    // Every row the column may have used, whatever sleeve it was built for.
    MeasureColumn::Hide(1, kMeasureRows);
    GarmentSheets::Show(3, false);
    MainForm->ShowPieceRows(false, false);
}

int TDressGarment::Type() const { return 7 + 2 * static_cast<int>(kind_) + (shape_ == Silhouette::Fitted ? 1 : 0); }

int TDressGarment::SheetCount() const { return MainForm && MainForm->Sleeve ? 3 : 2; }

SleeveGroup TDressGarment::Group() const {
    return MainForm ? SleeveGroupOf(MainForm->Sleeve != nullptr, MainForm->SleeveKind) : SleeveGroup::None;
}

std::vector<DressQ> TDressGarment::ColumnOf(SleeveGroup group) const {
    std::vector<DressQ> column = {Q::Cw, Q::Cg1, Q::Cg2, Q::Cb, Q::Vg,  Q::Dtp, Q::Shg, Q::Tsg,
                                  Q::Dts, Q::Vpk, Q::Shs, Q::Tsl, Q::Db, Q::Pk, Q::Shp};
    const bool fitted = shape_ == Silhouette::Fitted;
    if (fitted) column.insert(column.begin() + 3, Q::Ct);
    for (DressQ q : SleeveRows(group)) {
        column.push_back(q);
        if (fitted && q == Q::Pg) column.push_back(Q::Pt);
    }
    return column;
}

std::vector<DressQ> TDressGarment::RecordV0(bool withSleeve) const {
    std::vector<DressQ> record = {Q::Cw, Q::Cg1, Q::Cg2, Q::Cb,  Q::Shg, Q::Tsg, Q::Shs, Q::Tsl, Q::Shp,
                                  Q::Dtp, Q::Vg, Q::Dts, Q::Vpk, Q::Db, Q::Pk, Q::Pg, Q::h, Q::Pb};
    if (shape_ == Silhouette::Fitted) {
        record.insert(record.begin() + 3, Q::Ct);
        record.insert(record.end() - 1, Q::Pt);  // before Пб
        record.push_back(Q::S);
    }
    if (withSleeve) record.insert(record.end(), {Q::Pn, Q::Dr1s, Q::Opv, Q::Ozap, Q::Popv, Q::Poz});
    return record;
}

float* TDressGarment::Slot(DressQ q) {
    TSleeve* s = MainForm ? MainForm->Sleeve : nullptr;
    switch (q) {
        case Q::Cw: return &NeckHalfGirth;
        case Q::Cg1: return &BustHalfGirth1;
        case Q::Cg2: return &BustHalfGirth2;
        case Q::Cb: return &HipHalfGirth;
        case Q::Vg: return &BustHeight;
        case Q::Dtp: return &FrontWaistLength;
        case Q::Shg: return &ChestWidth;
        case Q::Tsg: return &BustPointDistance;
        case Q::Dts: return &BackWaistLength;
        case Q::Vpk: return &ShoulderHeightOblique;
        case Q::Shs: return &BackWidth;
        case Q::Tsl: return &BladePointDistance;
        case Q::Db: return &SideLength;
        case Q::Pk: return &Posture;
        case Q::Shp: return &ShoulderLength;
        case Q::Pg: return &BustEase;
        case Q::Pb: return &HipEase;
        case Q::H: return &CapEaseNorm;
        case Q::h: return &InterliningEase;
        case Q::Dr1s: return s ? &s->ArmLength : nullptr;
        case Q::Opv: return s ? &s->UpperArmGirth : nullptr;
        case Q::Ozap: return s ? &s->WristGirth : nullptr;
        case Q::Pn: return s ? &s->ShoulderPad : nullptr;
        case Q::Popv: return s ? &s->UpperArmEase : nullptr;
        case Q::Poz: return s ? &s->WristEase : nullptr;
        case Q::Spr: return s ? &s->ArmholeDrop : nullptr;
        case Q::Ct:
        case Q::Pt:
        case Q::S: return SilhouetteSlot(q);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The measurement column

std::vector<MeasureRow> TDressGarment::Rows(const std::vector<DressQ>& column) {
    const EaseSamples& e = kEaseSamples[static_cast<int>(kind_)][shape_ == Silhouette::Fitted ? 1 : 0];
    auto sample = [&](DressQ q) -> const char* {
        switch (q) {
            case Q::Pn: return e.pn;
            case Q::Pg: return e.pg;
            case Q::Pt: return e.pt;
            case Q::Pb: return e.pb;
            case Q::Popv: return e.popv;
            case Q::Poz: return e.poz;
            case Q::H: return e.h_norm;
            case Q::Spr: return e.spr;
            case Q::h: return e.h;
            default: return Info(q).sample;
        }
    };
    // Captions, integer digits and fractions live in samples_ for as long
    // as the rows are read.
    samples_.clear();
    samples_.reserve(3 * column.size());
    for (DressQ q : column) {
        const std::string text = sample(q) ? sample(q) : "";
        const size_t dot = text.find('.');
        samples_.push_back(Caption(q, shape_));
        samples_.push_back(text.substr(0, dot));
        samples_.push_back(dot == std::string::npos ? std::string() : text.substr(dot + 1));
    }
    std::vector<MeasureRow> rows;
    for (size_t k = 0; k < column.size(); ++k)
        rows.push_back({samples_[3 * k].c_str(), Info(column[k]).hint, samples_[3 * k + 1].c_str(),
                        samples_[3 * k + 2].c_str()});
    return rows;
}

void TDressGarment::LayOutColumn() {
    const std::vector<MeasureRow> rows = Rows(ColumnOf(Group()));
    MeasureColumn::LayOut(rows.data(), int(rows.size()));
}

bool TDressGarment::GetMeasures() {
    const std::vector<DressQ> column = ColumnOf(Group());
    std::vector<float> values(column.size(), 0.0f);
    std::vector<float*> dest;
    for (float& v : values) dest.push_back(&v);
    if (!MeasureColumn::Read(dest.data(), int(dest.size()))) return false;
    for (size_t k = 0; k < column.size(); ++k)
        if (float* slot = Slot(column[k])) *slot = values[k];
    // The upper-arm ease must hold the bust ease (the shirt sleeve and the
    // batwing have none).
    const SleeveGroup g = Group();
    if ((g == SleeveGroup::SetIn || g == SleeveGroup::Shaping) &&
        MeasureColumn::Exceeds(BustEase, MainForm->Sleeve->UpperArmEase))
        return MeasureColumn::Refuse("Попв < Пг");
    return CheckSilhouette();
}

bool TDressGarment::CheckLoadedMeasures() {
    const std::vector<DressQ> column = ColumnOf(Group());
    const bool version0 = MainForm && MainForm->FileVersion == 0;
    for (size_t k = 0; k < column.size(); ++k) {
        if (version0 && (column[k] == Q::H || column[k] == Q::Spr)) continue;
        float value = 0.0f;
        float* dest = &value;
        if (!MeasureColumn::Read(&dest, 1, int(k) + 1)) return false;
    }
    return true;
}

void TDressGarment::ClearInputs(int sleeveKind) {
    calculated = false;
    MeasureColumn::ClearOrder(Type(), 1, int(ColumnOf(GroupOfKind(sleeveKind)).size()));
    if (MainForm) MainForm->ShowPieceRows(MainForm->Collar != nullptr, MainForm->Sleeve != nullptr);
}

void TDressGarment::ShowMeasure(int n) {
    const std::vector<DressQ> column = ColumnOf(Group());
    if (n >= 1 && n <= int(column.size()))
        if (void (*show)() = Info(column[size_t(n - 1)]).illustration) show();
}

// ---------------------------------------------------------------------------
// The order block

void TDressGarment::SaveMeasures(RecordWriter& f) {
    for (DressQ q : ColumnOf(Group())) {
        const float* slot = Slot(q);
        f.WriteFloat(slot ? *slot : 0.0f);
    }
}

void TDressGarment::LoadMeasures(RecordReader& f) {
    const int version = MainForm ? MainForm->FileVersion : 1;  // on its own: the current format
    std::vector<DressQ> record;
    if (version == 0)
        record = RecordV0(MainForm && MainForm->Sleeve);
    else if (version == 1)
        record = ColumnOf(Group());
    else
        return;
    for (DressQ q : record) {
        const float v = f.ReadFloat();
        if (float* slot = Slot(q)) *slot = v;
    }
    if (version == 0) CapEaseNorm = kVersion0CapEase[static_cast<int>(kind_)];
    AfterLoad(version);
    ShowLoaded(ColumnOf(Group()));
}

void TDressGarment::ShowLoaded(const std::vector<DressQ>& column) {
    std::vector<float> values;
    for (DressQ q : column) {
        const float* slot = Slot(q);
        values.push_back(slot ? *slot : 0.0f);
    }
    MeasureColumn::Load(values.data(), int(values.size()));
}

// ---------------------------------------------------------------------------
// The draft

void TDressGarment::Calculate() {
    SetAllowances(AllowancesOf(kind_, shape_));
    DressChoice choice = CurrentDressChoice();
    choice.modelIndex = Type();
    Draft(choice);
    DraftSilhouette();
    // The women's bodices fit the sleeve first, then the collar.
    if (MainForm && MainForm->Sleeve) MainForm->Sleeve->Calculate();
    if (MainForm && MainForm->Collar) MainForm->Collar->Calculate();
    calculated = true;
}

// ---------------------------------------------------------------------------
// The tables

std::vector<ValueTableRow> TDressGarment::MeasureTableRows() const {
    auto* self = const_cast<TDressGarment*>(this);  // Slot only names the values
    std::vector<ValueTableRow> rows;
    for (DressQ q : ColumnOf(SleeveGroup::None)) rows.push_back({TableText(q), *self->Slot(q)});
    if (MainForm && MainForm->Sleeve) rows.push_back({"Пн", MainForm->Sleeve->ShoulderPad});
    return rows;
}

std::vector<ValueTableRow> TDressGarment::SleeveTableRows() const {
    const TSleeve* s = MainForm ? MainForm->Sleeve : nullptr;
    if (!s) return {};
    const ValueTableRow arm{"Др1с", s->ArmLength}, upper{"Оп.в", s->UpperArmGirth}, wrist{"Озап", s->WristGirth},
        upperEase{"Попв", s->UpperArmEase}, wristEase{"Поз", s->WristEase}, norm{"H", CapEaseNorm, 3},
        drop{"С.пр", s->ArmholeDrop};
    switch (Group()) {
        case SleeveGroup::SetIn: return {arm, upper, wrist, upperEase, wristEase, norm};
        case SleeveGroup::Shirt: return {arm, wrist, wristEase, norm};
        case SleeveGroup::Shaping: return {arm, upper, wrist, upperEase, wristEase};
        case SleeveGroup::Batwing: return {arm, wrist, wristEase, drop};
        default: return {};
    }
}

std::vector<ValueTableRow> TDressGarment::SegmentTableRows() const {
    const int kind = MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0;
    const ValueTableRow gg3{"[ G, G3 ]", SegGG3}, gg2{"[ G, G2 ]", SegGG2}, g2g3{"[ G2, G3 ]", SegG2G3},
        a0t{"[ A0, T ]", SegA0T}, a3t3{"[ A3, T3 ]", SegA3T3};
    if (kind >= 0 && kind <= 4) return {gg3, gg2, g2g3, a0t, a3t3};
    if (kind == 5 || kind == 6) return {gg3, gg2, g2g3, a0t};
    if (kind >= 7 && kind <= 11) return {gg2, g2g3, a0t, a3t3};
    return {};
}

namespace {

std::vector<PlacedTable> PlaceTables(const TDressGarment& g, TableMedium m) {
    const int* x = m == TableMedium::Screen ? kScreenTableX : kPaperTableX;
    std::vector<PlacedTable> tables = {{x[0], kTableY, BodiceMeasureLayout(m), g.MeasureTableRows()}};
    const std::vector<ValueTableRow> sleeve = g.SleeveTableRows();
    if (!sleeve.empty()) tables.push_back({x[1], kTableY, SleeveLayout(m), sleeve});
    const std::vector<ValueTableRow> segments = g.SegmentTableRows();
    if (!segments.empty()) tables.push_back({x[2], kTableY, SegmentLayout(m), segments});
    return tables;
}

// The comment under the tables: below the longer measurement table of the
// fitted garments.
int CommentY(const TDressGarment& g) { return g.Shape() == Silhouette::Fitted ? 521 : 489; }

}  // namespace

void TDressGarment::DrawTables(int) {
    // Nothing of a draft that does not stand.
    if (!calculated) return;
    const int last = SheetCount();
    if (!GarmentSheets::AttachWithCaptions(last, GarmentSheets::SheetText(last, last))) return;
    DrawTablesAndComment(TableMedium::Screen, PlaceTables(*this, TableMedium::Screen), kCommentX, CommentY(*this));
    GarmentSheets::Refresh(last);
}

// ---------------------------------------------------------------------------
// The sheets

namespace {

int CurrentSleeveKind() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }
int CurrentCollarKind() { return MainForm && MainForm->Collar ? MainForm->CollarKind : 0; }

}  // namespace

void TDressGarment::SetSheetOneOrigin() {
    const float top = std::max(A2.y, A6.y);
    const int collar = CurrentCollarKind();
    const TCollar* c = collar ? MainForm->Collar : nullptr;
    float x = 0.0f, y = top + 10.0f;
    if (!IsAllInOneSleeve(CurrentSleeveKind())) {
        x = HalfSheet() - (B0.x + a1.x) / 2;
        if (c && CollarKindIn(collar, {1, 2, 6})) y = top + c->BoxTop - c->BoxBottom + 12;
        if (c && collar == 3) y = c->BoxTop + 10;
        if (c && CollarKindIn(collar, {4, 5})) {
            x = HalfSheet() - (B0.x + c->BoxRight) / 2;
            y = c->BoxTop + 8;
        }
    } else {
        // Without a collar the front centre comes 5 cm from the right edge.
        x = kSheetWidth - a1.x - 5;
        if (c && CollarKindIn(collar, {1, 2, 6})) y = top + c->BoxTop - c->BoxBottom + 12;
        if (c && collar == 3) {
            x = kSheetWidth - a1.x - 6;
            y = c->BoxTop + 10;
        }
        if (c && CollarKindIn(collar, {4, 5})) {
            x = kSheetWidth - c->BoxRight - 12;
            y = c->BoxTop + 8;
        }
    }
    ScreenDC.SetOrigin(x, y);
}

// The collar at the origin in force; the stand collars (kinds 1, 2, 6) in
// their own axes, shifted so that their (0, 0) meets the neck.
void TDressGarment::DrawCollar(TDrawContext& dc) const {
    if (!CurrentCollarKind()) return;
    TCollar* c = MainForm->Collar;
    Vector shift;
    const bool shifted = CollarShift(shift);
    if (shifted) dc.PushShift(shift.x, shift.y);
    if (&dc == &ScreenDC) {
        c->Draw();
        c->DrawLabels();
    } else {
        c->PrintOn(dc);
    }
    if (shifted) dc.PopShift();
}

void TDressGarment::DrawSheetPieces(const PatternPen& pen, int sheet) const {
    const int kind = CurrentSleeveKind();
    TSleeve* sleeve = MainForm ? MainForm->Sleeve : nullptr;
    // The sleeve's parts on the bodice sheets: its own screen drawing, or
    // its drawing on paper.
    const bool screen = &pen.dc == &ScreenDC;
    if (!IsAllInOneSleeve(kind)) {
        DrawBodice(pen, kind, sleeve != nullptr, Type());
        DrawLines(pen);
        LabelBodice(pen, kind);
        LabelLines(pen);
    } else if (sheet == 1) {
        TDress::DrawFrontWithSleeve(pen, kind);
        DrawFrontLines(pen);
        if (sleeve && screen) sleeve->DrawOnFront();
        TDress::LabelFrontPoints(pen, kind);
        LabelFrontLines(pen);
        if (sleeve && screen) sleeve->LabelsOnFront();
        if (sleeve && !screen) sleeve->PrintOnBodice(pen.dc, 1);
    } else {
        TDress::DrawBackWithSleeve(pen, kind, Type());
        DrawBackLines(pen);
        if (sleeve && screen) sleeve->DrawOnBack();
        TDress::LabelBackPoints(pen);
        LabelBackLines(pen);
        if (sleeve && screen) sleeve->LabelsOnBack();
        if (sleeve && !screen) sleeve->PrintOnBodice(pen.dc, 2);
    }
}

// The collar's shift from the origin of sheet 1: the stand collars (kinds
// 1, 2, 6) stand in their own axes above the neck; the others are drawn in
// the bodice's axes.
bool TDressGarment::CollarShift(Vector& shift) const {
    const int collar = CurrentCollarKind();
    if (!CollarKindIn(collar, {1, 2, 6})) return false;
    const TCollar* c = MainForm->Collar;
    const float top = std::max(A2.y, A6.y);
    if (IsAllInOneSleeve(CurrentSleeveKind()))
        shift = Vector(a1.x + c->BoxLeft - c->BoxRight, -top - 4);
    else
        shift = Vector(A01.x, -top - 2);
    return true;
}

PatternSheets::Box TDressGarment::PieceBox(int sheet) const {
    PatternSheets::Box box;
    // The collar's box on sheet 1, in the bodice's axes.
    Vector shift;
    if (sheet == 1 && CurrentCollarKind()) {
        const TCollar* c = MainForm->Collar;
        if (!CollarShift(shift)) shift = Vector(0, 0);
        box.Take(c->BoxLeft + shift.x, c->BoxTop - shift.y);
        box.Take(c->BoxRight + shift.x, c->BoxBottom - shift.y);
    }
    for (const Vector& p : {A, A0, A01, A1, A2, A9, A3, A4, A5, A6, A7, A8, P, P1, P2, P3, P4, P10, P11, P7, P5,
                            P6, P9, B0, B, B2, B21, B3, T, T1, T2, T3, T5, G, G3, BackCentreWaist, U01, U03, K,
                            PocketSlantEnd1, PocketSlantEnd2, PocketSlantEnd3, PocketVBottom, PocketVTop})
        box.Take(p);
    // A sleeve made in one with the bodice reaches out beyond it.
    const TSleeve* sleeve = MainForm ? MainForm->Sleeve : nullptr;
    if (sleeve && IsAllInOneSleeve(CurrentSleeveKind()) && sleeve->BoxLeft < sleeve->BoxRight) {
        box.Take(sleeve->BoxLeft, sleeve->BoxTop);
        box.Take(sleeve->BoxRight, sleeve->BoxBottom);
    }
    return box;
}

// Below the header: the collar's caption (sheet 1), the sleeve's (every
// sheet that carries the sleeve), then the sheet's piece caption.
void TDressGarment::Furniture(int sheet) const {
    const int count = SheetCount();
    if (!GarmentSheets::AttachWithCaptions(sheet, GarmentSheets::SheetText(sheet, count))) return;
    const int kind = CurrentSleeveKind();
    const bool allInOne = IsAllInOneSleeve(kind);
    const bool sleeveSheet = MainForm->Sleeve && (allInOne || sheet == 2);
    std::vector<std::string> lines;
    if (sheet == 1 && MainForm->Collar) lines.push_back("Воротник: " + MainForm->CollarType->text().toStdString());
    if (sleeveSheet) lines.push_back("Рукав: " + MainForm->SleeveType->text().toStdString());
    if (sheet == 1) lines.push_back(allInOne ? kFrontWithSleeve : kFrontAndBack);
    if (sheet == 2 && allInOne) lines.push_back(kBackWithSleeve);
    for (size_t k = 0; k < lines.size(); ++k) ScreenDC.TextAt(24, 24 + 18 * int(k), lines[k]);
}

void TDressGarment::DrawSheetOne() {
    if (!GarmentSheets::Attach(1)) return;
    DrawCollar(ScreenDC);
    DrawSheetPieces({ScreenDC, false, GarmentSheets::kScreenOutline}, 1);
    Furniture(1);
    GarmentSheets::Refresh(1);
}

void TDressGarment::DrawSleeveSheet() {
    if (!GarmentSheets::Attach(2)) return;
    MainForm->Sleeve->Draw();
    MainForm->Sleeve->DrawLabels();
    Furniture(2);
    GarmentSheets::Refresh(2);
}

void TDressGarment::Draw() {
    if (!calculated || !MainForm || !GarmentSheets::Attach(1)) return;
    SetSheetOneOrigin();
    ScreenDC.SaveCollarOrigin();
    DrawSheetOne();
    TSleeve* sleeve = MainForm->Sleeve;
    if (!sleeve) return;
    const int kind = MainForm->SleeveKind;
    if (!IsAllInOneSleeve(kind)) {
        ScreenDC.SetOrigin(HalfSheet(), (kind == 5 || kind == 6) ? sleeve->BoxTop + 10 : 10.0f);
        ScreenDC.SaveSleeveOrigin();
        DrawSleeveSheet();
        return;
    }
    // The back with the sleeve on sheet 2, 5 cm from the left edge.
    const int collar = CurrentCollarKind();
    const float y = collar == 3 ? MainForm->Collar->BoxTop : std::max(A2.y, A6.y);
    ScreenDC.SetOrigin(5 - B0.x, y + 10);
    ScreenDC.SaveSleeveOrigin();
    DrawSheetTwoBack();
}

void TDressGarment::DrawSheetTwoBack() {
    if (!GarmentSheets::Attach(2)) return;
    DrawSheetPieces({ScreenDC, false, GarmentSheets::kScreenOutline}, 2);
    Furniture(2);
    GarmentSheets::Refresh(2);
}

void TDressGarment::RedrawCollar() {
    if (!calculated || !MainForm) return;
    GarmentSheets::ClearSheet(1);
    DrawSheetOne();
}

void TDressGarment::RedrawSleeve() {
    if (!calculated || !MainForm || !MainForm->Sleeve) return;
    const int kind = MainForm->SleeveKind;
    if (kind == 5 || kind == 6) {
        GarmentSheets::ClearSheet(1);
        DrawSheetOne();
        ScreenDC.RestoreSleeveOrigin();
    }
    GarmentSheets::ClearSheet(2);
    if (IsAllInOneSleeve(kind))
        DrawSheetTwoBack();
    else
        DrawSleeveSheet();
}

// ---------------------------------------------------------------------------
// Printing: each pattern sheet tiled over its own block of pages at the
// print scale ("Лист 1 из 2", ...), then a page of the tables.

void TDressGarment::Print() {
    if (!calculated) {
        ShowNothingToPrint();
        return;
    }
    const int count = SheetCount();
    const bool allInOne = IsAllInOneSleeve(CurrentSleeveKind());
    PrinterDC.BeginTrueScalePage(float(CurrentOrder().TilingMode()));
    RunPrintJob([&] {
        for (int sheet = 1; sheet < count; ++sheet) {
            if (sheet > 1) ThePrinter().NewPage();
            // The separate sleeve's sheet is the sleeve's own drawing.
            TSleeve* sleeve = sheet == 2 && !allInOne ? MainForm->Sleeve : nullptr;
            PatternSheets::Box box;
            if (sleeve) {
                box.Take(sleeve->BoxLeft, sleeve->BoxTop);
                box.Take(sleeve->BoxRight, sleeve->BoxBottom);
            } else {
                box = PieceBox(sheet);
            }
            TilePrintSheets(box.left, box.right, box.top, box.bottom);
            WalkPrintPages(GarmentSheets::SheetText(sheet, count), [&](const PrintPage&) {
                GarmentSheets::SetPaperLabelFont();
                if (sleeve) {
                    sleeve->DrawPiece(PrinterDC, true);
                    return;
                }
                if (sheet == 1) DrawCollar(PrinterDC);
                DrawSheetPieces({PrinterDC, true, GarmentSheets::kPaperOutline}, sheet);
            });
        }
        GarmentSheets::PrintTablesPage(GarmentSheets::SheetText(count, count), [&] {
            DrawTablesAndComment(TableMedium::Paper, PlaceTables(*this, TableMedium::Paper), kPaperCommentX,
                                 CommentY(*this));
        });
    });
}
