// The skirts and women's trousers: registers the garments of this family
// that the program can build with the piece factory.
#pragma once

void RegisterLowerWomenGarments();
