// The ease constants of the men's shirts and jackets.
//
// The shirt and the jacket of both silhouettes draft by one and the same
// method; the jacket is roomier than the shirt by ten constants, which each
// garment sets before its draft.  Those constants are data: one MenDressEase
// per kind of garment, the silhouette taking no part in them.
#pragma once

// The garment kinds of the men's shirt and jacket family.
enum class MenDressKind { Shirt, Jacket };

// The ten ease constants (cm) and what each feeds in the draft.
struct MenDressEase {
    float ArmholeLowering;  // depth of the armhole bottom below the chest line
    float LengthEase;       // the chest line drops by half of it, the waist and hem by all of it
    float FrontLengthEase;  // added to the front waist length
    float BackNeckRise;     // height of the back neck centre above the top line
    float NeckWidthEase;    // added to the neck width Сш/3
    float NeckRiseEase;     // added to the back neck rise 0.15 Сш
    float ShoulderEase;     // added to both shoulder lengths
    float WidthEase;        // added to the half width and to the armhole width
    float BackWidthEase;    // added to the back width, taken from the armhole
    float ChestWidthEase;   // added to the chest width, taken from the armhole
};

// The ease constants of one kind of garment.
const MenDressEase& EaseOf(MenDressKind kind);
