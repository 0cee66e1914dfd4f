#include "garments/lower_women/LowerWomen.h"

#include "garments/lower_women/Yubka.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"

void RegisterLowerWomenGarments() {
    RegisterModelMaker(kYubkaType, [] { return new TYubka; });
    // Eight floats: Ст, Сб, Дтк, Дсб, Дсп, Дтс, Пт, Пб.
    RegisterOrderBlockSize(kYubkaType, [](int, int, int) { return 32; });
}
