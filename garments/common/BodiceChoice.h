// What a bodice's draft reads of the main window's choice of pieces: the
// sleeve (its shoulder pad enters the draft), whether there is a collar,
// the collar and sleeve kinds and the garment type.  The draft takes it as
// an argument, so that it can be drafted without the windows.
#pragma once

class TSleeve;

struct BodiceChoice {
    const TSleeve* sleeve = nullptr;  // the current sleeve, or none
    bool hasCollar = false;           // whether a collar is chosen
    int collarKind = 0;
    int sleeveKind = 0;
    int modelIndex = 0;  // garment type
};

// The main window's current choice; without a main window, no collar, no
// sleeve and the garment type `modelIndexWithoutWindow`.
BodiceChoice CurrentBodiceChoice(int modelIndexWithoutWindow);
