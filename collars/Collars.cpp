#include "collars/Collars.h"

#include "collars/ForCoat.h"
#include "collars/Shawl.h"
#include "collars/Stand.h"
#include "shell/Factory.h"

void RegisterCollars() {
    RegisterCollarMaker(TStand::kKind, [] { return new TStand; });
    RegisterCollarMaker(TForCoat::kKind, [] { return new TForCoat; });
    RegisterCollarMaker(TShawl::kKind, [] { return new TShawl; });
}
