#include "garments/coats_men/CoatsMen.h"

#include "garments/coats_men/MenCoatWSideSeam.h"
#include "garments/coats_men/MenSeparateSide.h"
#include "garments/coats_men/MenJoinedSide.h"
#include "garments/coats_men/Vest.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"

namespace {

// A garment of the family with the factory, and the size of its order-file
// block by the sleeve the order names.
void Register(int type, ModelMaker maker) {
    RegisterModelMaker(type, std::move(maker));
    RegisterOrderBlockSize(type, [](int, int, int sleeveKind) {
        return 4 * MenColumnRows(MenColumnCaseOf(sleeveKind > 0, sleeveKind));
    });
}

}  // namespace

void RegisterMenCoatsGarments() {
    for (int type : {28, 31}) Register(type, [type] { return new TMenCoatWSideSeam(type); });
    for (int type : {29, 32}) Register(type, [type] { return new TMenCoatWOnePiece(type); });
    for (int type : {30, 33}) Register(type, [type] { return new TMenCoatWCutOffPiece(type); });
    Register(34, [] { return new TMenBlazerWOnePiece; });
    Register(35, [] { return new TMenBlazerWCutOffPiece; });
    // The vest's block: its neckline and the 20 floats of its column.
    RegisterModelMaker(36, [] { return new TVest; });
    RegisterOrderBlockSize(36, [](int, int, int) { return 4 + 4 * MenColumnRows(MenColumnCase::NoSleeve); });
}
