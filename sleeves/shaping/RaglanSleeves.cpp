#include "sleeves/shaping/RaglanSleeves.h"

#include "shell/Factory.h"
#include "sleeves/shaping/Raglan.h"

void RegisterRaglanSleeves() {
    RegisterSleeveMaker(5, [] { return new TRaglanStright; });
    RegisterSleeveMaker(6, [] { return new TRaglanWDart; });
    RegisterSleeveMaker(15, [] { return new TMenRaglanStright; });
    RegisterSleeveMaker(16, [] { return new TMenRaglanWDart; });
}
