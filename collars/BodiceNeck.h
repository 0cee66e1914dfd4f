// What the collars drafted from the neckline read of the bodice they belong
// to: the length of the back neckline and the two ends of the front one.
//
// A collar keeps no pointer to its garment; it asks the main window's
// garment again in every calculation, through the one accessor each bodice
// family offers (CurrentDress for the women's bodices, CurrentMenDress for
// the men's shirts and jackets, CurrentMenPattern for the men's vest, coats
// and blazers).
#pragma once

#include "kernel/Geometry.h"

class TDress;
class TMenDress;
class TMenPattern;

struct BodiceNeck {
    float BackNeckLength = 0.0f;  // N: the back neckline, centre back to shoulder
    Vector A4;                    // the front neck point at the shoulder
    Vector A5;                    // the lowest point of the front neckline, on the front centre
};

// The neck of a women's bodice: N is the whole length of its two back-neck
// arcs A01 -> A9 -> A2.
BodiceNeck NeckOf(const TDress& dress);
// The neck of a men's shirt or jacket, likewise from its two back-neck arcs.
BodiceNeck NeckOf(const TMenDress& dress);
// The neck of a men's vest, coat or blazer: N as its draft stored it.
BodiceNeck NeckOf(const TMenPattern& pattern);

// The neck of the main window's garment, the families asked in turn.  A
// garment of no bodice family (a collar paired with a garment it does not
// fit, which only a damaged order file can bring about) fails the
// calculation with EFloatError, so that the calculation road reports it.
BodiceNeck NeckOfCurrentBodice();

// The main window's garment type (0 without a main window): the collars
// that take their sizes from the kind of garment read it.
int CurrentGarmentType();

// The groups of garments by which the separate collars size their pieces.
enum class CollarGarmentGroup {
    Other,            // the dresses 7, 8, the men's shirts 22, 23, ...
    WomensJacket,     // 9, 10
    WomensCoat,       // 11-14
    MensJacket,       // 24, 25
    MensAutumnCoat,   // 28-30
    MensWinterCoat,   // 31-33
    Blazer,           // 34, 35
};
CollarGarmentGroup CollarGarmentGroupOf(int garmentType);
