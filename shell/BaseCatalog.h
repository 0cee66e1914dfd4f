// The bases the program offers: the tree of the base-selection dialog (53
// nodes in their fixed order), and for every garment type the lists of
// sleeves and collars the dialog offers with it, their kinds and default
// items.  The dialog fills its tree and lists from here, and opening an
// order checks here that its kinds are ones the dialog could have chosen.
#pragma once

#include <string>

// Number of nodes of the base tree (the settings record keeps one expansion
// byte per node).
constexpr int kBaseTreeNodes = 53;

// One node of the tree.  Nodes are numbered by their absolute index: the
// order in which they appear with every category open.
struct BaseTreeNode {
    const char* text;  // as shown in the tree
    int parent;        // absolute index of the parent; -1 for the root
    int type;          // garment type of a leaf (0..36); -1 for a category
};

// Node `index` of the tree, nullptr outside 0..52.
const BaseTreeNode* BaseNode(int index);
// The category nodes: exactly 0, 1, 2, 3, 6, 9, 12, 15, 24, 25, 26, 29, 32,
// 36, 40 and 44.  False outside 0..52.
bool IsCategoryNode(int index);
// The leaf of a garment type (every type 0..36 has exactly one), -1 outside.
int BaseLeafOfType(int type);

// Lower-body garments (types 0..6, 15..21, 26, 27): no collar or sleeve, the
// dialog passes -1 for both kinds.  Bodice garments: types 7..14 and 22..36.
bool IsLowerBodyType(int type);
bool IsBodiceType(int type);

// An item of a collar or sleeve list: its text in the list and the kind it
// selects (0 for "none").
struct BaseListItem {
    const char* text;
    int kind;
};

// A list of items (a view on constant data).
struct BaseList {
    const BaseListItem* items = nullptr;
    int count = 0;
    bool Empty() const { return count == 0; }
    // Item i, nullptr outside 0..count-1.
    const BaseListItem* Item(int i) const { return i >= 0 && i < count ? items + i : nullptr; }
    // The first item of that kind, -1 when none.
    int IndexOfKind(int kind) const;
};

// The neckline choices: item 0 "Закрытая" (closed), item 1 "Открытая"
// (open).
constexpr int kNecklineClosed = 0;
constexpr int kNecklineOpen = 1;
extern const char* const kNecklineTexts[2];

// The first line of the dialog's description of a type ("Основа: Юбка"),
// nullptr outside 0..36.
const char* BaseDescription(int type);

// The sleeve list of a bodice type and the item selected when its leaf is
// chosen; an empty list and -1 for other types.
BaseList SleeveList(int type);
int DefaultSleeveItem(int type);

// The neckline item set when the leaf of the type is chosen: open for the
// two blazers (34, 35), closed otherwise.
int DefaultNeckline(int type);

// The collar list of a bodice type for a neckline item (0 closed, 1 open)
// and its default item; an empty list and -1 for other types or necklines.
BaseList CollarList(int type, int neckline);
int DefaultCollarItem(int type, int neckline);

// Whether the dialog can hand these kinds to the factory for this type:
// -1 and -1 for a lower-body type; for a bodice type a collar kind of its
// collar list for either neckline and a sleeve kind of its sleeve list (0,
// "none", is in every list).  False for a type outside 0..36.
bool BaseKindsOffered(int type, int collarKind, int sleeveKind);
