#include "shell/BuiltInModels.h"

#include "garments/coats_men/CoatsMen.h"
#include "garments/lower_men/LowerMen.h"
#include "garments/lower_women/LowerWomen.h"

void RegisterBuiltInModels() {
    // Each family adds its registration here as it is built.
    RegisterLowerWomenGarments();
    RegisterLowerMenGarments();
    RegisterMenCoatsGarments();
}
