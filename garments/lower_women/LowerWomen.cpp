#include "garments/lower_women/LowerWomen.h"

#include "garments/lower_women/WBryuki.h"
#include "garments/lower_women/WJeans.h"
#include "garments/lower_women/WShort.h"
#include "garments/lower_women/WVolPants.h"
#include "garments/lower_women/Yubka.h"
#include "garments/lower_women/YubkaBruyki.h"
#include "shell/Factory.h"

void RegisterLowerWomenGarments() {
    RegisterYubka();        // type 0
    RegisterYubkaBruyki();  // type 6
    RegisterWBryuki();      // types 1 and 16
    RegisterWJeans();       // types 2 and 18
    RegisterWShort();       // type 19
    RegisterWVolPants();    // type 17
}
