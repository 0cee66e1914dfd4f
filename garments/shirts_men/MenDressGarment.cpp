// The men's shirts and jackets' frame: the column, the order block, the
// draft in the family's order, the sheets, the tables and printing.
#include <algorithm>

#include "garments/common/BodiceFrame.h"
#include "garments/common/BodiceTables.h"
#include "garments/common/PatternPen.h"
#include "garments/shirts_men/MenShirts.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "kernel/SheetCaptions.h"
#include "kernel/Units.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"
#include "shell/MeasureColumn.h"
#include "shell/OrderFile.h"

namespace {

using Q = MenQ;

// ---------------------------------------------------------------------------
// The quantities

struct Quantity {
    const char* caption;
    const char* hint;
    const char* table;   // the text of its row in the tables
    const char* sample;  // the shirt's sample; the jacket's Пб and Поз differ
    MeasureKind kind;
    void (*illustration)();
};

// By MenQ.  The cap-ease norm's caption is the Cyrillic Н, its table text
// the Latin H; the height's table text is the Latin P.
const Quantity kQuantities[] = {
    {"Р:", "Рост", "P", "176", kBody, MeasureHints::MenLine1},
    {"Сш:", "Полуобхват шеи", "Сш", "20.7", kBody, MeasureHints::MenLine2},
    {"Сг2:", "Полуобхват груди второй", "Сг2", "52.2", kBody, MeasureHints::MenLine3},
    {"Ст:", "Полуобхват талии", "Ст", "47", kBody, MeasureHints::MenLine4},
    {"Сб:", "Полуобхват бёдер", "Сб", "53.4", kBody, MeasureHints::MenLine5},
    {"Дт.п:", "Длина талии спереди", "Дт.п", "47.2", kBody, MeasureHints::MenLine7},
    {"Шг:", "Ширина груди", "Шг", "19.4", kBody, MeasureHints::MenLine8},
    {"Впр.з:", "Высота проймы сзади", "Впр.з", "21.9", kBody, MeasureHints::MenLine10},
    {"Дт.с:", "Длина спины до талии", "Дт.с", "45.2", kBody, MeasureHints::MenLine11},
    {"Вп.к:", "Высота плеча косая", "Вп.к", "48.3", kBody, MeasureHints::MenLine12},
    {"Шс:", "Ширина спины", "Шс", "20.1", kBody, MeasureHints::MenLine13},
    {"Шп:", "Ширина плечевого ската", "Шп", "15.4", kBody, MeasureHints::MenLine14},
    {"Пк:", "Положение корпуса", "Пк", "6", kFree, MeasureHints::MenLine15},
    {"Шк:", "Ширина кокетки", "Шк", "7", kFree, MeasureHints::MenShk},
    {"Др1с:", "Длина руки до первого сустава большого пальца", "Др1с", "61.7", kBody, MeasureHints::MenLine16},
    {"Оп.в:", "Обхват плеча в верхней части", "Оп.в", "32.8", kBody, MeasureHints::MenLine17},
    {"Озап:", "Обхват запястья", "Озап", "18.5", kBody, MeasureHints::MenLine18},
    {"Пг:", "Прибавка по линии груди общая", "Пг", "7", kFree, MeasureHints::Men7},
    {"Пт:", "Прибавка к полуобхвату талии", "Пт", "5", kFree, MeasureHints::Men3},
    {"Пб:", "Прибавка к полуобхвату бёдер", "Пб", "5", kFree, MeasureHints::Men6},
    {"Попв:", "Прибавка к обхвату плеча вверху", "Попв", "10", kFree, MeasureHints::Men10},
    {"Поз:", "Прибавка к обхвату запястья", "Поз", "9", kFree, MeasureHints::MenfESh},
    {"Н:", "Норма посадки оката рукава", "H", "0.04", kFree, MeasureHints::Men004},
    {"h:", "Прибавка на утепляющую прокладку", "h", "0", kFree, MeasureHints::Men0},
};

const Quantity& Info(MenQ q) { return kQuantities[static_cast<int>(q)]; }

// The jacket's own samples.
const char* Sample(MenQ q, MenDressKind kind) {
    if (kind == MenDressKind::Jacket && q == Q::Pb) return "6";
    if (kind == MenDressKind::Jacket && q == Q::Poz) return "10";
    return Info(q).sample;
}

// The rows after the body rows, by sleeve group, as the straight column has
// them; the fitted column has Пт after Пг.
std::vector<MenQ> SleeveRows(MenSleeveGroup g) {
    switch (g) {
        case MenSleeveGroup::None:
            return {Q::Shk, Q::Pg, Q::Pb, Q::h};
        case MenSleeveGroup::SetIn:
            return {Q::Shk, Q::Dr1s, Q::Opv, Q::Ozap, Q::Pg, Q::Pb, Q::Popv, Q::Poz, Q::H, Q::h};
        case MenSleeveGroup::Shirt:
            return {Q::Shk, Q::Dr1s, Q::Ozap, Q::Pg, Q::Pb, Q::Poz, Q::H, Q::h};
        case MenSleeveGroup::Raglan:
            return {Q::Dr1s, Q::Opv, Q::Ozap, Q::Pg, Q::Pb, Q::Popv, Q::Poz, Q::h};
        case MenSleeveGroup::Other:
            break;
    }
    return {};
}

std::vector<MenQ> Column(MenSilhouette shape, MenSleeveGroup group) {
    std::vector<MenQ> column = {Q::R, Q::Cw, Q::Cg2, Q::Cb, Q::Dtp, Q::Shg, Q::Vprz, Q::Dts, Q::Vpk, Q::Shs, Q::Shp, Q::Pk};
    const bool fitted = shape == MenSilhouette::Fitted;
    if (fitted) column.insert(column.begin() + 3, Q::Ct);
    for (MenQ q : SleeveRows(group)) {
        column.push_back(q);
        if (fitted && q == Q::Pg) column.push_back(Q::Pt);
    }
    return column;
}

// After the column's ClearInputs argument: a sleeve kind 1 .. 6 names its
// group, anything else the rows without a sleeve.
MenSleeveGroup GroupOfKind(int sleeveKind) {
    const MenSleeveGroup g = MenSleeveGroupOf(true, sleeveKind);
    return g == MenSleeveGroup::Other ? MenSleeveGroup::None : g;
}

int CurrentSleeveKind() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }
int CurrentCollarKind() { return MainForm && MainForm->Collar ? MainForm->CollarKind : 0; }
bool StandCollar(int kind) { return kind == 1 || kind == 2 || kind == 6; }
bool CollarInPlace(int kind) { return kind == 4 || kind == 5; }

// Half the sheet width: the side line stands on it.
float HalfSheet() { return 2 * kSheetQuarterWidth; }

constexpr const char* kFrontAndBack = "Полочка и спинка";

}  // namespace

MenSleeveGroup MenSleeveGroupOf(bool withSleeve, int sleeveKind) {
    if (!withSleeve) return MenSleeveGroup::None;
    if (sleeveKind >= 1 && sleeveKind <= 3) return MenSleeveGroup::SetIn;
    if (sleeveKind == 4) return MenSleeveGroup::Shirt;
    if (sleeveKind == 5 || sleeveKind == 6) return MenSleeveGroup::Raglan;
    return MenSleeveGroup::Other;
}

std::vector<std::string> MenDressBlockCaptions(int type, int sleeveKind) {
    if (type < 22 || type > 25) return {};
    const MenSilhouette shape = type % 2 == 0 ? MenSilhouette::Straight : MenSilhouette::Fitted;
    std::vector<std::string> captions;
    for (MenQ q : Column(shape, MenSleeveGroupOf(sleeveKind >= 1, sleeveKind))) captions.push_back(Info(q).caption);
    return captions;
}

int MenDressBlockSize(int type, int sleeveKind) {
    if (type < 22 || type > 25) return -1;
    return 4 * int(MenDressBlockCaptions(type, sleeveKind).size());
}

// ---------------------------------------------------------------------------
// Life of the garment

TMenDressGarment::TMenDressGarment(MenDressKind kind, MenSilhouette shape) : kind_(kind), shape_(shape) {
    calculated = false;
    if (!MainForm) return;
    HasSleeve = MainForm->Sleeve != nullptr;
    BodiceFrame::Open(Type(), Rows(ColumnOf(Group())), SheetCount());
}

TMenDressGarment::~TMenDressGarment() { BodiceFrame::Close(); }

int TMenDressGarment::Type() const {
    return MenDressType::kStraightShirt + 2 * static_cast<int>(kind_) + (shape_ == MenSilhouette::Fitted ? 1 : 0);
}

int TMenDressGarment::SheetCount() const { return MainForm && MainForm->Sleeve ? 3 : 2; }

MenSleeveGroup TMenDressGarment::Group() const {
    return MainForm ? MenSleeveGroupOf(MainForm->Sleeve != nullptr, MainForm->SleeveKind) : MenSleeveGroup::None;
}

std::vector<MenQ> TMenDressGarment::ColumnOf(MenSleeveGroup group) const { return Column(shape_, group); }

float* TMenDressGarment::Slot(MenQ q) {
    TSleeve* s = MainForm ? MainForm->Sleeve : nullptr;
    switch (q) {
        case Q::R: return &Height;
        case Q::Cw: return &NeckHalfGirth;
        case Q::Cg2: return &BustHalfGirth;
        case Q::Cb: return &HipHalfGirth;
        case Q::Dtp: return &FrontWaistLength;
        case Q::Shg: return &ChestWidth;
        case Q::Vprz: return &BackArmholeHeight;
        case Q::Dts: return &BackWaistLength;
        case Q::Vpk: return &ShoulderHeight;
        case Q::Shs: return &BackWidth;
        case Q::Shp: return &ShoulderLength;
        case Q::Pk: return &Posture;
        case Q::Shk: return &YokeWidth;
        case Q::Pg: return &BustEase;
        case Q::Pb: return &HipEase;
        case Q::H: return &CapEaseNorm;
        case Q::h: return &InterliningEase;
        case Q::Dr1s: return s ? &s->ArmLength : nullptr;
        case Q::Opv: return s ? &s->UpperArmGirth : nullptr;
        case Q::Ozap: return s ? &s->WristGirth : nullptr;
        case Q::Popv: return s ? &s->UpperArmEase : nullptr;
        case Q::Poz: return s ? &s->WristEase : nullptr;
        case Q::Ct:
        case Q::Pt: return SilhouetteSlot(q);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The measurement column

std::vector<MeasureRow> TMenDressGarment::Rows(const std::vector<MenQ>& column) {
    std::vector<BodiceFrame::Row> rows;
    for (MenQ q : column) rows.push_back({Info(q).caption, Info(q).hint, Sample(q, kind_), Info(q).kind});
    return BodiceFrame::MeasureRows(rows, samples_);
}

std::vector<float*> TMenDressGarment::Targets(const std::vector<MenQ>& column) { return BodiceFrame::TargetsOf(*this, column); }

bool TMenDressGarment::GetMeasures() {
    const std::vector<MenQ> column = ColumnOf(Group());
    if (!BodiceFrame::ReadColumn(Rows(column), Targets(column))) return false;
    // The upper-arm ease must hold the bust ease (the shirt sleeve has none).
    const MenSleeveGroup g = Group();
    return BodiceFrame::CheckUpperArmEase(g == MenSleeveGroup::SetIn || g == MenSleeveGroup::Raglan, BustEase);
}

bool TMenDressGarment::CheckLoadedMeasures() { return CheckOpenedRows(Rows(ColumnOf(Group()))); }

void TMenDressGarment::ClearInputs(int sleeveKind) {
    calculated = false;
    BodiceFrame::ClearOrder(Type(), int(ColumnOf(GroupOfKind(sleeveKind)).size()));
}

void TMenDressGarment::ShowMeasure(int n) {
    const std::vector<MenQ> column = ColumnOf(Group());
    if (n >= 1 && n <= int(column.size())) Info(column[size_t(n - 1)]).illustration();
}

// ---------------------------------------------------------------------------
// The order block

void TMenDressGarment::SaveMeasures(RecordWriter& f) { BodiceFrame::WriteBlock(f, Targets(ColumnOf(Group()))); }

void TMenDressGarment::LoadMeasures(RecordReader& f) {
    const std::vector<float*> targets = Targets(ColumnOf(Group()));
    BodiceFrame::ReadBlock(f, targets);
    BodiceFrame::ShowValues(targets);
}

// ---------------------------------------------------------------------------
// The draft

void TMenDressGarment::Calculate() {
    SetEase(EaseOf(kind_));
    BodiceChoice choice = CurrentBodiceChoice(Type());
    choice.modelIndex = Type();
    Draft(choice);
    DraftSilhouette();
    // The men's garments fit the collar first, then the sleeve.
    BodiceFrame::CalculatePieces(true);
    calculated = true;
}

// ---------------------------------------------------------------------------
// The tables

std::vector<ValueTableRow> TMenDressGarment::MeasureTableRows() const {
    auto* self = const_cast<TMenDressGarment*>(this);  // Slot only names the values
    const bool raglan = MenSleeveGroupOf(true, CurrentSleeveKind()) == MenSleeveGroup::Raglan;
    std::vector<ValueTableRow> rows;
    for (MenQ q : ColumnOf(MenSleeveGroup::None))
        if (!(raglan && q == Q::Shk)) rows.push_back({Info(q).table, *self->Slot(q)});
    return rows;
}

std::vector<ValueTableRow> TMenDressGarment::SleeveTableRows() const {
    using T = BodiceTables::SleeveTable;
    switch (Group()) {
        case MenSleeveGroup::SetIn: return BodiceTables::SleeveRows(T::SetIn, CapEaseNorm);
        case MenSleeveGroup::Shirt: return BodiceTables::SleeveRows(T::Shirt, CapEaseNorm);
        case MenSleeveGroup::Raglan: return BodiceTables::SleeveRows(T::Shaping, CapEaseNorm);
        default: return {};
    }
}

std::vector<ValueTableRow> TMenDressGarment::SegmentTableRows() const {
    return {{"[ G, G3 ]", ChestLineLength},
            {"[ G, G0 ]", -G.x},
            {"[ G0, G3 ]", G3.x},
            {"[ A01, H0 ]", BackLength},
            {"[ A5, H11 ]", FrontLength}};
}

namespace {

std::vector<PlacedTable> PlaceTables(const TMenDressGarment& g, TableMedium m) {
    return BodiceTables::Place(m, g.MeasureTableRows(), g.SleeveTableRows(), g.SegmentTableRows());
}

// The comment under the tables.
constexpr int kCommentY = 489;

}  // namespace

void TMenDressGarment::DrawTables(int) {
    // Nothing of a draft that does not stand.
    if (!calculated) return;
    BodiceFrame::DrawTables(SheetCount(), PlaceTables(*this, TableMedium::Screen), kCommentY);
}

// ---------------------------------------------------------------------------
// The sheets

Vector TMenDressGarment::SheetOneOrigin() const {
    const float top = std::max(A21.y, A3.y);
    const int kind = CurrentCollarKind();
    const TCollar* c = kind ? MainForm->Collar : nullptr;
    if (c && StandCollar(kind)) return Vector(HalfSheet(), top + c->BoxTop - c->BoxBottom + 12);
    if (c && CollarInPlace(kind)) return Vector(HalfSheet() - (A.x + c->BoxRight) / 2, c->BoxTop + 8);
    // No collar, or a kind these garments are never offered with.
    return Vector(HalfSheet(), top + 10);
}

bool TMenDressGarment::CollarShift(Vector& shift) const {
    if (!StandCollar(CurrentCollarKind())) return false;
    shift = Vector(A01.x, -std::max(A21.y, A3.y) - 2);
    return true;
}

// The collar at the origin in force: the stand collars in their own axes
// above the back neck, the jacket and shawl collars in place on the front.
void TMenDressGarment::DrawCollar(TDrawContext& dc) const {
    if (!CurrentCollarKind()) return;
    Vector shift;
    BodiceFrame::DrawCollar(dc, CollarShift(shift) ? &shift : nullptr);
}

void TMenDressGarment::DrawPieces(const PatternPen& pen, const std::function<void()>& beforeLabels) const {
    const MenOutlineChoice choice = CurrentMenOutlineChoice();
    DrawOutline(pen, choice);
    DrawSideSeams(pen);
    if (beforeLabels) beforeLabels();
    LabelPoints(pen, choice);
    LabelWaistPoints(pen);
}

// Below the header: the collar's caption, then the piece caption.
void TMenDressGarment::CaptionSheetOne() const {
    std::vector<std::string> lines;
    if (MainForm->Collar) lines.push_back(BodiceFrame::CollarLine());
    lines.push_back(kFrontAndBack);
    BodiceFrame::Caption(1, SheetCount(), lines);
}

void TMenDressGarment::DrawSheetOne() {
    if (!GarmentSheets::Attach(1)) return;
    // The collar's lines go with the pieces' lines, its labels after all
    // the pieces' names: no line runs over a label.
    Vector shift;
    const Vector* collarShift = CollarShift(shift) ? &shift : nullptr;
    DrawPieces({ScreenDC, false, GarmentSheets::kScreenOutline},
               [&] { BodiceFrame::DrawCollarLines(collarShift); });
    BodiceFrame::LabelCollar(collarShift);
    CaptionSheetOne();
    GarmentSheets::Refresh(1);
}

void TMenDressGarment::DrawSleeveSheet() { BodiceFrame::DrawSleeveSheet(SheetCount()); }

void TMenDressGarment::Draw() {
    if (!calculated || !MainForm || !GarmentSheets::Attach(1)) return;
    const Vector origin = SheetOneOrigin();
    ScreenDC.SetOrigin(origin.x, origin.y);
    DrawSheetOne();
    if (TSleeve* sleeve = MainForm->Sleeve) {
        const int kind = MainForm->SleeveKind;
        ScreenDC.SetOrigin(HalfSheet(), (kind == 5 || kind == 6) ? sleeve->BoxTop + 10 : 10.0f);
        ScreenDC.SaveSleeveOrigin();
        DrawSleeveSheet();
    }
    // The drawing window turns mouse positions on sheet 1 into cm from here.
    ScreenDC.SetOrigin(origin.x, origin.y);
    ScreenDC.SaveCollarOrigin();
}

// A handle's drag frame: the handle's sheet, drawn by the same routine as
// Draw, changed only where it differs.
void TMenDressGarment::RedrawCollar() {
    if (!calculated || !MainForm) return;
    GarmentSheets::RedrawChanged(1, [this] { DrawSheetOne(); });
}

void TMenDressGarment::RedrawSleeve() {
    if (!calculated || !MainForm || !MainForm->Sleeve) return;
    GarmentSheets::RedrawChanged(2, [this] { DrawSleeveSheet(); });
}

// ---------------------------------------------------------------------------
// Printing: sheet 1 and the sleeve's sheet, each tiled over its own block of
// pages at the print scale, then a page of the tables.

void TMenDressGarment::Print() {
    BodiceFrame::Print(
        calculated, SheetCount(),
        [&](int sheet) -> std::function<void()> {
            if (sheet == 2) return BodiceFrame::PrintedSleeve();
            return [this] {
                DrawCollar(PrinterDC);
                DrawPieces({PrinterDC, true, GarmentSheets::kPaperOutline});
            };
        },
        [&] { return PlaceTables(*this, TableMedium::Paper); }, kCommentY);
}
