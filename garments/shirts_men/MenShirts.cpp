// The men's shirts and jackets as the piece factory knows them.
#include "garments/shirts_men/MenShirts.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"

void RegisterMenShirtGarments() {
    RegisterModelMaker(22, [] { return new TMenShirtOfStraight; });
    RegisterModelMaker(23, [] { return new TMenShirtOfWaist; });
    RegisterModelMaker(24, [] { return new TMenJacketOfStraight; });
    RegisterModelMaker(25, [] { return new TMenJacketOfWaist; });
    for (int type = 22; type <= 25; ++type)
        // One layout whatever the file's format version.
        RegisterOrderBlockLayout(type, [type](int, int, int sleeveKind) -> std::optional<OrderBlockItems> {
            return OrderBlockFloats(MenDressBlockCaptions(type, sleeveKind));
        });
}
