#include "collars/Collars.h"

#include "collars/AttachedStand.h"
#include "collars/MenForCoat.h"
#include "collars/MenShawl.h"
#include "collars/Stand.h"
#include "collars/StandDown.h"
#include "collars/Wholly.h"
#include "shell/Factory.h"

void RegisterCollars() {
    RegisterCollarMaker(TStand::kKind, [] { return new TStand; });
    RegisterCollarMaker(TStandDown::kKind, [] { return new TStandDown; });
    RegisterCollarMaker(TWholly::kKind, [] { return new TWholly; });
    RegisterCollarMaker(TAttachedStand::kKind, [] { return new TAttachedStand; });
    RegisterCollarMaker(TMenForCoat::kKind, [] { return new TMenForCoat; });
    RegisterCollarMaker(TMenShawl::kKind, [] { return new TMenShawl; });
}
