#include "sleeves/shaping/ShapingSleeves.h"

#include "sleeves/shaping/Kimono.h"

void RegisterShapingSleeves() { RegisterKimonoSleeves(); }
