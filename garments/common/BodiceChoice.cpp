#include "garments/common/BodiceChoice.h"

#include "shell/MainForm.h"

BodiceChoice CurrentBodiceChoice(int modelIndexWithoutWindow) {
    BodiceChoice choice;
    choice.modelIndex = modelIndexWithoutWindow;
    if (!MainForm) return choice;
    choice.sleeve = MainForm->Sleeve;
    choice.hasCollar = MainForm->Collar != nullptr;
    choice.collarKind = MainForm->CollarKind;
    choice.sleeveKind = MainForm->SleeveKind;
    choice.modelIndex = MainForm->ModelIndex;
    return choice;
}
