#include "sleeves/set_in/SetInSleeves.h"

#include "shell/Factory.h"
#include "sleeves/set_in/OneSeam.h"

void RegisterSetInSleeves() {
    RegisterSleeveMaker(1, [] { return new TOneSeam; });
    RegisterSleeveMaker(13, [] { return new TMenOneSeam; });
}
