#include "garments/lower_men/LowerMen.h"

#include "garments/lower_men/MVolumeBryuki.h"

void RegisterLowerMenGarments() {
    RegisterMVolumeBryuki();  // types 5 and 27
}
