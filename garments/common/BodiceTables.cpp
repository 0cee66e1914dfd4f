#include "garments/common/BodiceTables.h"

#include "kernel/Models.h"
#include "shell/MainForm.h"

namespace BodiceTables {

namespace {

// The tables' corners (table units) on the screen and on paper.
constexpr int kScreenTableX[3] = {50, 296, 541};
constexpr int kPaperTableX[3] = {35, 282, 529};
constexpr int kTableY = 57;

int Overshoot(TableMedium m) { return m == TableMedium::Screen ? 1 : 0; }

}  // namespace

ValueTableLayout MeasureLayout(TableMedium m) {
    return {"Полочка и спинка (см)", m == TableMedium::Screen ? 44 : 30, "Измерение", 20, "Величина", 125, 40, 140,
            Overshoot(m)};
}

ValueTableLayout SleeveLayout(TableMedium m) {
    return {"Рукав (см)", m == TableMedium::Screen ? 73 : 62, "Измерение", 20, "Величина", 125, 40, 140,
            Overshoot(m)};
}

ValueTableLayout SegmentLayout(TableMedium m) {
    return {"Полочка и спинка (см)", m == TableMedium::Screen ? 44 : 30, "Отрезок", 28, "Величина", 125, 30, 140,
            Overshoot(m)};
}

std::vector<PlacedTable> Place(TableMedium m, std::vector<ValueTableRow> measures, std::vector<ValueTableRow> sleeve,
                               std::vector<ValueTableRow> segments) {
    const int* x = m == TableMedium::Screen ? kScreenTableX : kPaperTableX;
    std::vector<PlacedTable> tables = {{x[0], kTableY, MeasureLayout(m), std::move(measures)}};
    if (!sleeve.empty()) tables.push_back({x[1], kTableY, SleeveLayout(m), std::move(sleeve)});
    if (!segments.empty()) tables.push_back({x[2], kTableY, SegmentLayout(m), std::move(segments)});
    return tables;
}

std::vector<ValueTableRow> SleeveRows(SleeveTable table, float capEaseNorm) {
    const TSleeve* s = MainForm ? MainForm->Sleeve : nullptr;
    if (!s) return {};
    const ValueTableRow arm{"Др1с", s->ArmLength}, upper{"Оп.в", s->UpperArmGirth}, wrist{"Озап", s->WristGirth},
        upperEase{"Попв", s->UpperArmEase}, wristEase{"Поз", s->WristEase}, norm{"H", capEaseNorm, 3},
        drop{"С.пр", s->ArmholeDrop};
    switch (table) {
        case SleeveTable::SetIn: return {arm, upper, wrist, upperEase, wristEase, norm};
        case SleeveTable::Shirt: return {arm, wrist, wristEase, norm};
        case SleeveTable::Shaping: return {arm, upper, wrist, upperEase, wristEase};
        case SleeveTable::Batwing: return {arm, wrist, wristEase, drop};
        case SleeveTable::None: break;
    }
    return {};
}

int CommentX(TableMedium m) { return m == TableMedium::Screen ? 228 : 184; }

}  // namespace BodiceTables
