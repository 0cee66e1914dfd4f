#include "garments/bodice_women/DressGarment.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "garments/common/BodiceFrame.h"
#include "garments/common/BodiceTables.h"
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
#include "shell/OrderFile.h"

namespace {

// ---------------------------------------------------------------------------
// The quantities

struct Quantity {
    const char* caption;
    const char* hint;
    const char* sample;  // the dress's sample ("18.1"); eases come from kEaseSamples
    MeasureKind kind;
    void (*illustration)();
};

// By DressQ.  The cap-ease norm's caption is the straight column's, with
// the Cyrillic Н; the fitted column writes the Latin H.
const Quantity kQuantities[] = {
    {"Сш:", "Полуобхват шеи", "18.1", kBody, MeasureHints::WomenLine1},
    {"Сг1:", "Полуобхват груди первый", "43.8", kBody, MeasureHints::WomenLine2},
    {"Сг2:", "Полуобхват груди второй", "48", kBody, MeasureHints::WomenLine3},
    {"Ст:", "Полуобхват талии", "38", kBody, MeasureHints::WomenLine4},
    {"Сб:", "Полуобхват бёдер", "53", kBody, MeasureHints::WomenLine5},
    {"Вг:", "Высота груди", "26.5", kBody, MeasureHints::WomenLine6},
    {"Дт.п:", "Длина талии спереди", "43", kBody, MeasureHints::WomenLine7},
    {"Шг:", "Ширина груди", "17.1", kBody, MeasureHints::WomenLine8},
    {"Цг:", "Расстояние между выступающими точками грудных желёз", "9.6", kBody, MeasureHints::WomenLine9},
    {"Дт.с:", "Длина спины до талии", "38", kBody, MeasureHints::WomenLine10},
    {"Вп.к:", "Высота плеча косая", "41", kBody, MeasureHints::WomenLine11},
    {"Шс:", "Ширина спины", "18", kBody, MeasureHints::WomenLine12},
    {"Цл:", "Расстояние между выступающими точками лопаток", "7.6", kBody, MeasureHints::WomenLine13},
    {"Дб:", "Длина бока", "20.2", kBody, MeasureHints::WomenLine14},
    {"Пк:", "Положение корпуса", "4", kFree, MeasureHints::WomenLine15},
    {"Шп:", "Ширина плечевого ската", "13.5", kBody, MeasureHints::WomenLine16},
    {"Др1с:", "Длина руки до первого сустава большого пальца", "57.4", kBody, MeasureHints::WomenLine17},
    {"Оп.в:", "Обхват плеча в верхней части", "29.1", kBody, MeasureHints::WomenLine18},
    {"Озап:", "Обхват запястья", "15.9", kBody, MeasureHints::WomenLine19},
    {"Пн:", "Плечевая накладка", nullptr, kFree, MeasureHints::WomenPn},
    {"Пг:", "Прибавка по линии груди общая", nullptr, kFree, MeasureHints::WomenPg},
    {"Пт:", "Прибавка к полуобхвату талии", nullptr, kFree, MeasureHints::WomenPt},
    {"Пб:", "Прибавка к полуобхвату бёдер", nullptr, kFree, MeasureHints::WomenPb},
    {"Попв:", "Прибавка к обхвату плеча вверху", nullptr, kFree, MeasureHints::Women5v1},
    {"Поз:", "Прибавка к обхвату запястья", nullptr, kFree, MeasureHints::Women5v2},
    {"Н:", "Норма посадки оката рукава", nullptr, kFree, MeasureHints::WomenH},
    {"С.пр:", "Спуск проймы", nullptr, kFree, MeasureHints::Women5v3},
    {"h:", "Прибавка на утепляющую прокладку", nullptr, kFree, MeasureHints::Womenh},
    {"S:", "", "0", kFree, nullptr},
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

bool CollarKindIn(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// The column's quantities, row 1 first, of a silhouette for a sleeve group.
std::vector<DressQ> ColumnOfShape(bool fitted, SleeveGroup group) {
    std::vector<DressQ> column = {Q::Cw, Q::Cg1, Q::Cg2, Q::Cb, Q::Vg,  Q::Dtp, Q::Shg, Q::Tsg,
                                  Q::Dts, Q::Vpk, Q::Shs, Q::Tsl, Q::Db, Q::Pk, Q::Shp};
    if (fitted) column.insert(column.begin() + 3, Q::Ct);
    for (DressQ q : SleeveRows(group)) {
        column.push_back(q);
        if (fitted && q == Q::Pg) column.push_back(Q::Pt);
    }
    return column;
}

// The older (format-0) record of a silhouette.
std::vector<DressQ> RecordV0OfShape(bool fitted, bool withSleeve) {
    std::vector<DressQ> record = {Q::Cw, Q::Cg1, Q::Cg2, Q::Cb,  Q::Shg, Q::Tsg, Q::Shs, Q::Tsl, Q::Shp,
                                  Q::Dtp, Q::Vg, Q::Dts, Q::Vpk, Q::Db, Q::Pk, Q::Pg, Q::h, Q::Pb};
    if (fitted) {
        record.insert(record.begin() + 3, Q::Ct);
        record.insert(record.end() - 1, Q::Pt);  // before Пб
        record.push_back(Q::S);
    }
    if (withSleeve) record.insert(record.end(), {Q::Pn, Q::Dr1s, Q::Opv, Q::Ozap, Q::Popv, Q::Poz});
    return record;
}

}  // namespace

std::optional<std::vector<std::string>> DressBlockCaptions(int type, int version, int sleeveKind) {
    if (type < 7 || type > 14 || (version != 0 && version != 1)) return std::nullopt;
    const bool fitted = type % 2 == 0;
    const bool withSleeve = sleeveKind >= 1;
    const std::vector<DressQ> record = version == 0 ? RecordV0OfShape(fitted, withSleeve)
                                                    : ColumnOfShape(fitted, SleeveGroupOf(withSleeve, sleeveKind));
    std::vector<std::string> captions;
    for (DressQ q : record) captions.push_back(q == Q::S ? "S" : Info(q).caption);
    return captions;
}

int DressBlockSize(int type, int version, int sleeveKind) {
    const auto captions = DressBlockCaptions(type, version, sleeveKind);
    return captions ? 4 * int(captions->size()) : -1;
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
    HasSleeve = MainForm->Sleeve != nullptr;
    BodiceFrame::Open(Type(), Rows(ColumnOf(Group())), SheetCount());
}

TDressGarment::~TDressGarment() { BodiceFrame::Close(); }

int TDressGarment::Type() const { return 7 + 2 * static_cast<int>(kind_) + (shape_ == Silhouette::Fitted ? 1 : 0); }

int TDressGarment::SheetCount() const { return MainForm && MainForm->Sleeve ? 3 : 2; }

SleeveGroup TDressGarment::Group() const {
    return MainForm ? SleeveGroupOf(MainForm->Sleeve != nullptr, MainForm->SleeveKind) : SleeveGroup::None;
}

std::vector<DressQ> TDressGarment::ColumnOf(SleeveGroup group) const {
    return ColumnOfShape(shape_ == Silhouette::Fitted, group);
}

std::vector<DressQ> TDressGarment::RecordV0(bool withSleeve) const {
    return RecordV0OfShape(shape_ == Silhouette::Fitted, withSleeve);
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
    std::vector<BodiceFrame::Row> rows;
    for (DressQ q : column) {
        const bool fittedH = q == Q::H && shape_ == Silhouette::Fitted;
        rows.push_back({fittedH ? "H:" : Info(q).caption, Info(q).hint, sample(q) ? sample(q) : "", Info(q).kind});
    }
    return BodiceFrame::MeasureRows(rows, samples_);
}

std::vector<float*> TDressGarment::Slots(const std::vector<DressQ>& column) { return BodiceFrame::TargetsOf(*this, column); }

bool TDressGarment::GetMeasures() {
    const std::vector<DressQ> column = ColumnOf(Group());
    if (!BodiceFrame::ReadColumn(Rows(column), Slots(column))) return false;
    // The upper-arm ease must hold the bust ease (the shirt sleeve and the
    // batwing have none).
    const SleeveGroup g = Group();
    if (!BodiceFrame::CheckUpperArmEase(g == SleeveGroup::SetIn || g == SleeveGroup::Shaping, BustEase)) return false;
    return CheckSilhouette();
}

bool TDressGarment::CheckLoadedMeasures() {
    const std::vector<DressQ> column = ColumnOf(Group());
    // An older file holds neither Н nor С.пр.
    const bool version0 = MainForm && MainForm->FileVersion == 0;
    return CheckOpenedRows(Rows(column), [&](int row) {
        const DressQ q = column[size_t(row - 1)];
        return !(version0 && (q == Q::H || q == Q::Spr));
    });
}

void TDressGarment::ClearInputs(int sleeveKind) {
    calculated = false;
    BodiceFrame::ClearOrder(Type(), int(ColumnOf(GroupOfKind(sleeveKind)).size()));
}

void TDressGarment::ShowMeasure(int n) {
    const std::vector<DressQ> column = ColumnOf(Group());
    if (n >= 1 && n <= int(column.size()))
        if (void (*show)() = Info(column[size_t(n - 1)]).illustration) show();
}

// ---------------------------------------------------------------------------
// The order block

void TDressGarment::SaveMeasures(RecordWriter& f) { BodiceFrame::WriteBlock(f, Slots(ColumnOf(Group()))); }

void TDressGarment::LoadMeasures(RecordReader& f) {
    const int version = MainForm ? MainForm->FileVersion : 1;  // on its own: the current format
    std::vector<DressQ> record;
    if (version == 0)
        record = RecordV0(MainForm && MainForm->Sleeve);
    else if (version == 1)
        record = ColumnOf(Group());
    else
        return;
    BodiceFrame::ReadBlock(f, Slots(record));
    if (version == 0) CapEaseNorm = kVersion0CapEase[static_cast<int>(kind_)];
    AfterLoad(version);
    BodiceFrame::ShowValues(Slots(ColumnOf(Group())));
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
    BodiceFrame::CalculatePieces(false);
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
    using T = BodiceTables::SleeveTable;
    switch (Group()) {
        case SleeveGroup::SetIn: return BodiceTables::SleeveRows(T::SetIn, CapEaseNorm);
        case SleeveGroup::Shirt: return BodiceTables::SleeveRows(T::Shirt, CapEaseNorm);
        case SleeveGroup::Shaping: return BodiceTables::SleeveRows(T::Shaping, CapEaseNorm);
        case SleeveGroup::Batwing: return BodiceTables::SleeveRows(T::Batwing, CapEaseNorm);
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
    return BodiceTables::Place(m, g.MeasureTableRows(), g.SleeveTableRows(), g.SegmentTableRows());
}

// The comment under the tables: below the longer measurement table of the
// fitted garments.
int CommentY(const TDressGarment& g) { return g.Shape() == Silhouette::Fitted ? 521 : 489; }

}  // namespace

void TDressGarment::DrawTables(int) {
    // Nothing of a draft that does not stand.
    if (!calculated) return;
    BodiceFrame::DrawTables(SheetCount(), PlaceTables(*this, TableMedium::Screen), CommentY(*this));
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
    Vector shift;
    BodiceFrame::DrawCollar(dc, CollarShift(shift) ? &shift : nullptr);
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

// Below the header: the collar's caption (sheet 1), the sleeve's (every
// sheet that carries the sleeve), then the sheet's piece caption.
void TDressGarment::Furniture(int sheet) const {
    const int kind = CurrentSleeveKind();
    const bool allInOne = IsAllInOneSleeve(kind);
    const bool sleeveSheet = MainForm->Sleeve && (allInOne || sheet == 2);
    std::vector<std::string> lines;
    if (sheet == 1 && MainForm->Collar) lines.push_back(BodiceFrame::CollarLine());
    if (sleeveSheet) lines.push_back(BodiceFrame::SleeveLine());
    if (sheet == 1) lines.push_back(allInOne ? kFrontWithSleeve : kFrontAndBack);
    if (sheet == 2 && allInOne) lines.push_back(kBackWithSleeve);
    BodiceFrame::Caption(sheet, SheetCount(), lines);
}

void TDressGarment::DrawSheetOne() {
    if (!GarmentSheets::Attach(1)) return;
    DrawCollar(ScreenDC);
    DrawSheetPieces({ScreenDC, false, GarmentSheets::kScreenOutline}, 1);
    Furniture(1);
    GarmentSheets::Refresh(1);
}

void TDressGarment::DrawSleeveSheet() { BodiceFrame::DrawSleeveSheet(SheetCount()); }

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

// A handle's drag frame: the sheets the handle changes, drawn by the same
// routines as Draw, changed only where they differ.
void TDressGarment::RedrawCollar() {
    if (!calculated || !MainForm) return;
    GarmentSheets::RedrawChanged(1, [this] { DrawSheetOne(); });
}

void TDressGarment::RedrawSleeve() {
    if (!calculated || !MainForm || !MainForm->Sleeve) return;
    const int kind = MainForm->SleeveKind;
    // A raglan's handle moves the bodice's armholes too.
    if (kind == 5 || kind == 6) {
        GarmentSheets::RedrawChanged(1, [this] { DrawSheetOne(); });
        ScreenDC.RestoreSleeveOrigin();
    }
    GarmentSheets::RedrawChanged(2, [this, kind] {
        if (IsAllInOneSleeve(kind))
            DrawSheetTwoBack();
        else
            DrawSleeveSheet();
    });
}

// ---------------------------------------------------------------------------
// Printing: each pattern sheet tiled over its own block of pages at the
// print scale ("Лист 1 из 2", ...), then a page of the tables.

void TDressGarment::Print() {
    const bool allInOne = IsAllInOneSleeve(CurrentSleeveKind());
    BodiceFrame::Print(
        calculated, SheetCount(),
        [&](int sheet) -> std::function<void()> {
            // The separate sleeve's sheet is the sleeve's own drawing.
            if (sheet == 2 && !allInOne) return BodiceFrame::PrintedSleeve();
            return [this, sheet] {
                if (sheet == 1) DrawCollar(PrinterDC);
                DrawSheetPieces({PrinterDC, true, GarmentSheets::kPaperOutline}, sheet);
                if (sheet == 2 && MainForm->Collar) MainForm->Collar->PrintOnBackSheet(PrinterDC);
            };
        },
        [&] { return PlaceTables(*this, TableMedium::Paper); }, CommentY(*this));
}
