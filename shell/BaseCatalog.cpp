#include "shell/BaseCatalog.h"

namespace {

constexpr int kTypes = 37;

// The tree in absolute order.
const BaseTreeNode kTree[kBaseTreeNodes] = {
    {"Основы", -1, -1},                    // 0
    {"Женские", 0, -1},                    // 1
    {"Плечевых изделий", 1, -1},           // 2
    {"Платье", 2, -1},                     // 3
    {"Прямого силуэта", 3, 7},             // 4
    {"Прилегающего силуэта", 3, 8},        // 5
    {"Жакет", 2, -1},                      // 6
    {"Прямого силуэта", 6, 9},             // 7
    {"Прилегающего силуэта", 6, 10},       // 8
    {"Пальто демисезонное", 2, -1},        // 9
    {"Прямого силуэта", 9, 11},            // 10
    {"Прилегающего силуэта", 9, 12},       // 11
    {"Пальто зимнее", 2, -1},              // 12
    {"Прямого силуэта", 12, 13},           // 13
    {"Прилегающего силуэта", 12, 14},      // 14
    {"Поясных изделий", 1, -1},            // 15
    {"Юбка", 15, 0},                       // 16
    {"Юбка - брюки", 15, 6},               // 17
    {"Брюки классические", 15, 1},         // 18
    {"Брюки классические 2", 15, 16},      // 19
    {"Брюки модельные", 15, 17},           // 20
    {"Джинсы", 15, 2},                     // 21
    {"Джинсы 2", 15, 18},                  // 22
    {"Шорты", 15, 19},                     // 23
    {"Мужские", 0, -1},                    // 24
    {"Плечевых изделий", 24, -1},          // 25
    {"Сорочка", 25, -1},                   // 26
    {"Прямого силуэта", 26, 22},           // 27
    {"Прилегающего силуэта", 26, 23},      // 28
    {"Куртка", 25, -1},                    // 29
    {"Прямого силуэта", 29, 24},           // 30
    {"Прилегающего силуэта", 29, 25},      // 31
    {"Пальто демисезонное", 25, -1},       // 32
    {"С боковым швом", 32, 28},            // 33
    {"С цельнокроеным бочком", 32, 29},    // 34
    {"С отрезным бочком", 32, 30},         // 35
    {"Пальто зимнее", 25, -1},             // 36
    {"С боковым швом", 36, 31},            // 37
    {"С цельнокроеным бочком", 36, 32},    // 38
    {"С отрезным бочком", 36, 33},         // 39
    {"Пиджак", 25, -1},                    // 40
    {"С цельнокроеным бочком", 40, 34},    // 41
    {"С отрезным бочком", 40, 35},         // 42
    {"Жилет", 25, 36},                     // 43
    {"Поясных изделий", 24, -1},           // 44
    {"Брюки классические", 44, 4},         // 45
    {"Брюки классические 2", 44, 21},      // 46
    {"Брюки с заниженным поясом", 44, 15}, // 47
    {"Брюки с заниженным поясом 2", 44, 26},  // 48
    {"Брюки объёмной формы", 44, 5},       // 49
    {"Брюки объёмной формы 2", 44, 27},    // 50
    {"Джинсы", 44, 3},                     // 51
    {"Джинсы 2", 44, 20},                  // 52
};

const int kCategoryNodes[] = {0, 1, 2, 3, 6, 9, 12, 15, 24, 25, 26, 29, 32, 36, 40, 44};

// The first description line of each type.
const char* const kDescriptions[kTypes] = {
    "Основа: Юбка",                                      // 0
    "Основа: Брюки классические",                        // 1
    "Основа: Джинсы женские",                            // 2
    "Основа: Джинсы мужские",                            // 3
    "Основа: Брюки классические",                        // 4
    "Основа: Брюки объёмной формы",                      // 5
    "Основа: Юбка - брюки",                              // 6
    "Основа: Платье прямого силуэта",                    // 7
    "Основа: Платье прилегающего силуэта",               // 8
    "Основа: Жакет прямого силуэта",                     // 9
    "Основа: Жакет прилегающего силуэта",                // 10
    "Основа: Пальто демисезонное прямого силуэта",       // 11
    "Основа: Пальто демисезонное прилегающего силуэта",  // 12
    "Основа: Пальто зимнее прямого силуэта",             // 13
    "Основа: Пальто зимнее прилегающего силуэта",        // 14
    "Основа: Брюки с заниженным поясом",                 // 15
    "Основа: Брюки классические 2",                      // 16
    "Основа: Брюки женские модельные",                   // 17
    "Основа: Джинсы женские 2",                          // 18
    "Основа: Шорты женские",                             // 19
    "Основа: Джинсы мужские 2",                          // 20
    "Основа: Брюки классические 2",                      // 21
    "Основа: Сорочка прямого силуэта",                   // 22
    "Основа: Сорочка прилегающего силуэта",              // 23
    "Основа: Куртка прямого силуэта",                    // 24
    "Основа: Куртка прилегающего силуэта",               // 25
    "Основа: Брюки с заниженным поясом 2",               // 26
    "Основа: Брюки объёмной формы 2",                    // 27
    "Основа: Пальто деми с боковым швом",                // 28
    "Основа: Пальто деми с цельнокроеным бочком",        // 29
    "Основа: Пальто деми с отрезным бочком",             // 30
    "Основа: Пальто зимнее с боковым швом",              // 31
    "Основа: Пальто зимнее с цельнокроеным бочком",      // 32
    "Основа: Пальто зимнее с отрезным бочком",           // 33
    "Основа: Пиджак с цельнокроеным бочком",             // 34
    "Основа: Пиджак с отрезным бочком",                  // 35
    "Основа: Жилет",                                     // 36
};

// Sleeves of the women's bodices; the men's shirts and jackets take its
// first seven items.
const BaseListItem kWomenSleeves[] = {
    {"Без рукава", 0},
    {"Двухшовный", 2},
    {"Одношовный с вытачкой", 3},
    {"Одношовный", 1},
    {"Рубашечный", 4},
    {"Реглан прямой", 5},
    {"Реглан с вытачкой", 6},
    {"Цельнокроеный прямой", 7},
    {"Цельнокроеный с вытачкой", 8},
    {"Спущенный прямой", 9},
    {"Спущенный с вытачкой", 10},
    {"Летучая мышь", 11},
};

// Sleeves of the men's coats with a side seam; the other coats take its
// first four items, the blazers two, the vest one.
const BaseListItem kMenSleeves[] = {
    {"Без рукава", 0},
    {"Двухшовный", 12},
    {"Одношовный с вытачкой", 14},
    {"Одношовный", 13},
    {"Реглан прямой", 15},
    {"Реглан с вытачкой", 16},
};

// Collars for a closed neckline: all five for the women's bodices, the first
// four for the men's shirts, jackets, coats and blazers, two for the vest.
const BaseListItem kClosedCollars[] = {
    {"Без воротника", 0},
    {"Стоячий", 1},
    {"С притачной стойкой", 6},
    {"Стояче-отложной", 2},
    {"Цельнокроеный", 3},
};

// Collars for an open neckline: the women's and the men's shirts and
// jackets, and the men's coats, blazers and vest.
const BaseListItem kOpenCollars[] = {
    {"Без воротника", 0},
    {"Покроя шаль", 5},
    {"Пиджачный", 4},
};
const BaseListItem kMenOpenCollars[] = {
    {"Без воротника", 0},
    {"Покроя шаль", 8},
    {"Пиджачный", 7},
};

template <size_t N>
BaseList Prefix(const BaseListItem (&items)[N], int count) {
    return BaseList{items, count};
}
template <size_t N>
BaseList All(const BaseListItem (&items)[N]) {
    return BaseList{items, int(N)};
}

// What the dialog offers with one bodice type.
struct BodiceChoice {
    int type;
    BaseList sleeves;
    int sleeveItem;
    int neckline;
    BaseList collars[2];  // closed, open
    int collarItem[2];
};

const BodiceChoice kBodices[] = {
    {7, All(kWomenSleeves), 0, 0, {All(kClosedCollars), All(kOpenCollars)}, {0, 0}},
    {8, All(kWomenSleeves), 0, 0, {All(kClosedCollars), All(kOpenCollars)}, {0, 0}},
    {9, All(kWomenSleeves), 1, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 2}},
    {10, All(kWomenSleeves), 1, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 2}},
    {11, All(kWomenSleeves), 1, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 1}},
    {12, All(kWomenSleeves), 1, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 1}},
    {13, All(kWomenSleeves), 2, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 1}},
    {14, All(kWomenSleeves), 2, 0, {All(kClosedCollars), All(kOpenCollars)}, {1, 1}},
    {22, Prefix(kWomenSleeves, 7), 4, 0, {Prefix(kClosedCollars, 4), All(kOpenCollars)}, {2, 2}},
    {23, Prefix(kWomenSleeves, 7), 4, 0, {Prefix(kClosedCollars, 4), All(kOpenCollars)}, {2, 2}},
    {24, Prefix(kWomenSleeves, 7), 4, 0, {Prefix(kClosedCollars, 4), All(kOpenCollars)}, {3, 2}},
    {25, Prefix(kWomenSleeves, 7), 4, 0, {Prefix(kClosedCollars, 4), All(kOpenCollars)}, {3, 2}},
    {28, All(kMenSleeves), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {29, Prefix(kMenSleeves, 4), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {30, Prefix(kMenSleeves, 4), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {31, All(kMenSleeves), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {32, Prefix(kMenSleeves, 4), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {33, Prefix(kMenSleeves, 4), 1, 0, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {3, 2}},
    {34, Prefix(kMenSleeves, 2), 1, 1, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {1, 2}},
    {35, Prefix(kMenSleeves, 2), 1, 1, {Prefix(kClosedCollars, 4), All(kMenOpenCollars)}, {1, 2}},
    {36, Prefix(kMenSleeves, 1), 0, 0, {Prefix(kClosedCollars, 2), All(kMenOpenCollars)}, {0, 0}},
};

const BodiceChoice* Bodice(int type) {
    for (const BodiceChoice& b : kBodices)
        if (b.type == type) return &b;
    return nullptr;
}

bool ValidNeckline(int neckline) { return neckline == kNecklineClosed || neckline == kNecklineOpen; }

}  // namespace

const char* const kNecklineTexts[2] = {"Закрытая", "Открытая"};

int BaseList::IndexOfKind(int kind) const {
    for (int i = 0; i < count; ++i)
        if (items[i].kind == kind) return i;
    return -1;
}

const BaseTreeNode* BaseNode(int index) { return index >= 0 && index < kBaseTreeNodes ? &kTree[index] : nullptr; }

bool IsCategoryNode(int index) {
    for (int c : kCategoryNodes)
        if (c == index) return true;
    return false;
}

int BaseLeafOfType(int type) {
    if (type < 0) return -1;
    for (int i = 0; i < kBaseTreeNodes; ++i)
        if (kTree[i].type == type) return i;
    return -1;
}

bool IsBodiceType(int type) { return Bodice(type) != nullptr; }
bool IsLowerBodyType(int type) { return type >= 0 && type < kTypes && !IsBodiceType(type); }

const char* BaseDescription(int type) { return type >= 0 && type < kTypes ? kDescriptions[type] : nullptr; }

BaseList SleeveList(int type) {
    const BodiceChoice* b = Bodice(type);
    return b ? b->sleeves : BaseList{};
}

int DefaultSleeveItem(int type) {
    const BodiceChoice* b = Bodice(type);
    return b ? b->sleeveItem : -1;
}

int DefaultNeckline(int type) {
    const BodiceChoice* b = Bodice(type);
    return b ? b->neckline : kNecklineClosed;
}

BaseList CollarList(int type, int neckline) {
    const BodiceChoice* b = Bodice(type);
    return b && ValidNeckline(neckline) ? b->collars[neckline] : BaseList{};
}

int DefaultCollarItem(int type, int neckline) {
    const BodiceChoice* b = Bodice(type);
    return b && ValidNeckline(neckline) ? b->collarItem[neckline] : -1;
}

bool BaseKindsOffered(int type, int collarKind, int sleeveKind) {
    if (IsLowerBodyType(type)) return collarKind == -1 && sleeveKind == -1;
    const BodiceChoice* b = Bodice(type);
    if (!b) return false;
    const bool collarOk = b->collars[0].IndexOfKind(collarKind) >= 0 || b->collars[1].IndexOfKind(collarKind) >= 0;
    return collarOk && b->sleeves.IndexOfKind(sleeveKind) >= 0;
}
