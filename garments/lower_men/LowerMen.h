// The men's trousers and jeans: registers the garments of this family that
// the program can build with the piece factory.
#pragma once

void RegisterLowerMenGarments();
