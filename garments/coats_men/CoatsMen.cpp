#include "garments/coats_men/CoatsMen.h"

#include "garments/coats_men/MenCoatWSideSeam.h"
#include "garments/coats_men/MenSeparateSide.h"
#include "garments/coats_men/MenJoinedSide.h"
#include "garments/coats_men/Vest.h"
#include "shell/BaseCatalog.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"

namespace {

constexpr int kVestType = MenPatternType::kVest;

// A garment of the family with the factory, and its order-file block by
// the sleeve the order names.
void Register(int type, ModelMaker maker) {
    RegisterModelMaker(type, std::move(maker));
    RegisterOrderBlockLayout(type, [](int, int, int sleeveKind) -> std::optional<OrderBlockItems> {
        return OrderBlockFloats(MenColumnCaptions(MenColumnCaseOf(sleeveKind > 0, sleeveKind)));
    });
}

// The vest's neckline as its block holds it: closed or open, and one with
// which the base dialog offers the order's collar.
OrderBlockItem VestNeckline(int collarKind) {
    return {"вырез горловины", [collarKind](std::int32_t neckline) {
                if (neckline != kNecklineClosed && neckline != kNecklineOpen)
                    return "горловина в файле записана числом " + std::to_string(neckline) + ", а может быть " +
                           std::to_string(kNecklineClosed) + " («" + kNecklineTexts[kNecklineClosed] + "») или " +
                           std::to_string(kNecklineOpen) + " («" + kNecklineTexts[kNecklineOpen] + "»)";
                if (CollarList(kVestType, neckline).IndexOfKind(collarKind) >= 0) return std::string();
                // The collar is offered with the other neckline only.
                const BaseList other = CollarList(kVestType, 1 - neckline);
                const BaseListItem* collar = other.Item(other.IndexOfKind(collarKind));
                return std::string("воротник «") + (collar ? collar->text : "?") + "» не делается с горловиной «" +
                       kNecklineTexts[neckline] + "»";
            }};
}

}  // namespace

void RegisterMenCoatsGarments() {
    for (int type : {28, 31}) Register(type, [type] { return new TMenCoatWSideSeam(type); });
    for (int type : {29, 32}) Register(type, [type] { return new TMenCoatWOnePiece(type); });
    for (int type : {30, 33}) Register(type, [type] { return new TMenCoatWCutOffPiece(type); });
    Register(34, [] { return new TMenBlazerWOnePiece; });
    Register(35, [] { return new TMenBlazerWCutOffPiece; });
    // The vest's block: its neckline and the 20 floats of its column.
    RegisterModelMaker(kVestType, [] { return new TVest; });
    RegisterOrderBlockLayout(kVestType, [](int, int collarKind, int) -> std::optional<OrderBlockItems> {
        OrderBlockItems items = {VestNeckline(collarKind)};
        for (OrderBlockItem& item : OrderBlockFloats(MenColumnCaptions(MenColumnCase::NoSleeve))) items.push_back(item);
        return items;
    });
}
