#include "collars/Collars.h"

#include "collars/AttachedStand.h"
#include "collars/MenForCoat.h"
#include "collars/ForCoat.h"
#include "collars/MenShawl.h"
#include "collars/Shawl.h"
#include "collars/Stand.h"
#include "collars/StandDown.h"
#include "collars/Wholly.h"
#include "garments/shirts_men/MenDress.h"
#include "shell/Factory.h"

void RegisterCollars() {
    RegisterCollarMaker(TStand::kKind, [] { return new TStand; });
    RegisterCollarMaker(TStandDown::kKind, [] { return new TStandDown; });
    RegisterCollarMaker(TWholly::kKind, [] { return new TWholly; });
    RegisterCollarMaker(TAttachedStand::kKind, [] { return new TAttachedStand; });
    RegisterCollarMaker(TMenForCoat::kKind, [] { return new TMenForCoat; });
    RegisterCollarMaker(TMenShawl::kKind, [] { return new TMenShawl; });
    RegisterCollarMaker(TForCoat::kKind, [] { return new TForCoat; });
    RegisterCollarMaker(TShawl::kKind, [] { return new TShawl; });
    // The men's shirt's raglan front takes its neck edge from the jacket
    // collar's С6.
    SetJacketCollarPoint([](const TCollar& collar, Vector& c6) {
        const auto* jacket = dynamic_cast<const TForCoat*>(&collar);
        if (jacket) c6 = jacket->C6;
        return jacket != nullptr;
    });
}
