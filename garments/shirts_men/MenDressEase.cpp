#include "garments/shirts_men/MenDressEase.h"

namespace {

// In the order of MenDressKind.
const MenDressEase kEase[] = {
    // lowering  length  front  neck rise  neck width  neck rise ease  shoulder  width  back   chest
    {2.0f, 1.0f, 1.0f, 0.3f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},    // shirt
    {3.0f, 1.2f, 1.2f, 1.0f, 1.5f, 0.4f, 1.0f, 0.8f, 0.16f, 0.43f},  // jacket
};

}  // namespace

const MenDressEase& EaseOf(MenDressKind kind) { return kEase[static_cast<int>(kind)]; }
