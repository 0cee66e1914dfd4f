#include "sleeves/shaping/ShapingSleeves.h"

#include "sleeves/shaping/BatWing.h"
#include "sleeves/shaping/Drop.h"
#include "sleeves/shaping/Kimono.h"

void RegisterShapingSleeves() {
    RegisterKimonoSleeves();
    RegisterBatWingSleeve();
    RegisterDropSleeves();
}
