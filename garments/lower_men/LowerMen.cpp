#include "garments/lower_men/LowerMen.h"

#include "garments/lower_men/MBryuki.h"
#include "garments/lower_men/MJeans.h"
#include "garments/lower_men/MPants.h"
#include "garments/lower_men/MVolumeBryuki.h"

void RegisterLowerMenGarments() {
    RegisterMJeans();         // types 3 and 20
    RegisterMBryuki();        // types 4 and 21
    RegisterMVolumeBryuki();  // types 5 and 27
    RegisterMPants();         // types 15 and 26
}
