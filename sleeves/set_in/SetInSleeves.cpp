#include "sleeves/set_in/SetInSleeves.h"

#include "shell/Factory.h"
#include "sleeves/set_in/OneCut.h"
#include "sleeves/set_in/OneSeam.h"
#include "sleeves/set_in/ShirtSleeve.h"

void RegisterSetInSleeves() {
    RegisterSleeveMaker(1, [] { return new TOneSeam; });
    RegisterSleeveMaker(3, [] { return new TOneCut; });
    RegisterSleeveMaker(4, [] { return new TShirtSleeve; });
    RegisterSleeveMaker(14, [] { return new TMenOneCut; });
}
