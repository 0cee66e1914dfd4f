// The women's bodice garments as the piece factory knows them.
#include "garments/bodice_women/DressGarment.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"

void RegisterWomenBodiceGarments() {
    RegisterModelMaker(7, [] { return new TDressOfStraight; });
    RegisterModelMaker(8, [] { return new TDressOfWaist; });
    RegisterModelMaker(9, [] { return new TCoateeOfStraight; });
    RegisterModelMaker(10, [] { return new TCoateeOfWaist; });
    RegisterModelMaker(11, [] { return new TCoatOfAutumnStraight; });
    RegisterModelMaker(12, [] { return new TCoatOfAutumnWaist; });
    RegisterModelMaker(13, [] { return new TCoatOfWinterStraight; });
    RegisterModelMaker(14, [] { return new TCoatOfWinterWaist; });
    for (int type = 7; type <= 14; ++type)
        RegisterOrderBlockLayout(type, [type](int version, int, int sleeveKind) -> std::optional<OrderBlockItems> {
            const auto captions = DressBlockCaptions(type, version, sleeveKind);
            if (!captions) return std::nullopt;
            return OrderBlockFloats(*captions);
        });
}
