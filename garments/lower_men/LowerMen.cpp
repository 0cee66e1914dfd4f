#include "garments/lower_men/LowerMen.h"

#include "garments/lower_men/MJeans.h"

void RegisterLowerMenGarments() {
    RegisterMJeans();  // types 3 and 20
}
