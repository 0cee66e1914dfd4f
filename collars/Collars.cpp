#include "collars/Collars.h"

#include "collars/MenForCoat.h"
#include "collars/Stand.h"
#include "shell/Factory.h"

void RegisterCollars() {
    RegisterCollarMaker(TStand::kKind, [] { return new TStand; });
    RegisterCollarMaker(TMenForCoat::kKind, [] { return new TMenForCoat; });
}
