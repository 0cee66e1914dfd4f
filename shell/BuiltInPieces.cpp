#include "shell/BuiltInPieces.h"

#include "garments/lower_women/LowerWomen.h"

void RegisterBuiltInPieces() {
    // Each family adds its registration here as it is built.
    RegisterLowerWomenGarments();
}
