#include "sleeves/set_in/SetInSleeves.h"

#include "shell/Factory.h"
#include "sleeves/set_in/OneCut.h"
#include "sleeves/set_in/OneSeam.h"
#include "sleeves/set_in/ShirtSleeve.h"
#include "sleeves/set_in/TwoSeam.h"

void RegisterSetInSleeves() {
    RegisterSleeveMaker(1, [] { return new TOneSeam; });
    RegisterSleeveMaker(2, [] { return new TTwoSeam; });
    RegisterSleeveMaker(3, [] { return new TOneCut; });
    RegisterSleeveMaker(4, [] { return new TShirtSleeve; });
    RegisterSleeveMaker(12, [] { return new TMenTwoSeam; });
    RegisterSleeveMaker(13, [] { return new TMenOneSeam; });
    RegisterSleeveMaker(14, [] { return new TMenOneCut; });
}
