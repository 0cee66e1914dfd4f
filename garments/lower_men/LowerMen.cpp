#include "garments/lower_men/LowerMen.h"

#include "garments/lower_men/MJeans.h"
#include "garments/lower_men/MVolumeBryuki.h"

void RegisterLowerMenGarments() {
    RegisterMJeans();         // types 3 and 20
    RegisterMVolumeBryuki();  // types 5 and 27
}
