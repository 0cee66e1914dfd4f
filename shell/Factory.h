// The tables of the piece factory: the captions of the 37 garment types, the
// 8 collar kinds and the 16 sleeve kinds, and the makers that create a piece
// of each type or kind.  A garment, collar or sleeve becomes available to the
// main window's CreateModel when its maker is registered.
#pragma once

#include <functional>

class TCollar;
class TModel;
class TSleeve;

constexpr int kModelTypes = 37;   // garment types 0..36
constexpr int kCollarKinds = 8;   // collar kinds 1..8
constexpr int kSleeveKinds = 16;  // sleeve kinds 1..16

// The start of the order caption of a garment type (" Юбка. Заказ № "),
// nullptr outside 0..36.
const char* ModelCaption(int type);
// What a collar's (sleeve's) constructor writes into CollarType (SleeveType),
// nullptr outside 1..8 (1..16).
const char* CollarCaption(int kind);
const char* SleeveCaption(int kind);

using ModelMaker = std::function<TModel*()>;
using CollarMaker = std::function<TCollar*()>;
using SleeveMaker = std::function<TSleeve*()>;

// Registers (or, with an empty maker, removes) the maker of a type or kind
// and answers the maker it replaced (so that a test can put it back);
// numbers outside the tables are ignored.
ModelMaker RegisterModelMaker(int type, ModelMaker maker);
CollarMaker RegisterCollarMaker(int kind, CollarMaker maker);
SleeveMaker RegisterSleeveMaker(int kind, SleeveMaker maker);
bool HasModelMaker(int type);
bool HasCollarMaker(int kind);
bool HasSleeveMaker(int kind);
