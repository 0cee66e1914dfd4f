#include "garments/lower_men/LowerMen.h"

#include "garments/lower_men/MBryuki.h"
#include "garments/lower_men/MPants.h"

void RegisterLowerMenGarments() {
    RegisterMBryuki();  // types 4 and 21
    RegisterMPants();   // types 15 and 26
}
