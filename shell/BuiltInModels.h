// Registers every garment, collar and sleeve the program can build with the
// piece factory.  Called once by the entry (and by tests that need the real
// pieces).
#pragma once

void RegisterBuiltInModels();
