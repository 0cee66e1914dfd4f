#include "shell/BuiltInModels.h"

#include "collars/Collars.h"
#include "garments/bodice_women/DressGarment.h"
#include "garments/coats_men/CoatsMen.h"
#include "garments/lower_men/LowerMen.h"
#include "garments/lower_women/LowerWomen.h"
#include "garments/shirts_men/MenShirts.h"
#include "sleeves/set_in/SetInSleeves.h"
#include "sleeves/shaping/ShapingSleeves.h"
#include "sleeves/shaping/RaglanSleeves.h"

void RegisterBuiltInModels() {
    // Each family adds its registration here as it is built.
    RegisterLowerWomenGarments();
    RegisterLowerMenGarments();
    RegisterWomenBodiceGarments();
    RegisterMenCoatsGarments();
    RegisterMenShirtGarments();
    RegisterCollars();
    RegisterSetInSleeves();
    RegisterShapingSleeves();
    RegisterRaglanSleeves();
}
