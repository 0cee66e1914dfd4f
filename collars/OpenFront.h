// What the collars drafted on an open front (the jacket collar with lapel
// and the shawl collar) read of the bodice they belong to, a women's bodice
// or a men's shirt or jacket: the neck as every collar reads it, and the
// front around it, each point in the bodice's own axes.
#pragma once

#include "collars/BodiceNeck.h"
#include "kernel/Geometry.h"

struct OpenFront {
    BodiceNeck Neck;          // N from the back-neck arcs, A4 and A5
    bool Women = false;       // a women's bodice (else a men's shirt or jacket)
    Vector NeckCentre;        // X: the centre of the front neck circle through A5
    Vector ShoulderEnd;       // the other end of the line ending at A4 (A8; P10 of the men's)
    Vector G3;                // the front centre on the chest line
    Vector BreakGuide;        // whose height fixes the default break point (T2; T3)
    Vector Hem;               // the front edge at the hem (B21; H11)
    Vector B21;               // the bottom of the jacket collar's extent box
    Vector ShawlBottom;       // the bottom of the shawl collar's extent box (B21; H1)
    float Posture = 0.0f;     // Пк
    float NeckLength = 0.0f;  // the back neckline as the draft stored it
    float LowNeckExcess = 0.0f;  // the shawl's lowered back neckline less NeckLength
    // A women's bodice with a raglan sleeve (kinds 5, 6): its neck ends at
    // A41 on the sleeve, and the collars draw that piece of the neckline.
    bool RaglanNeck = false;
    Vector A3, a1, A41;
};

// The front of the main window's garment: a women's bodice, else a men's
// shirt or jacket.  Any other garment (only a damaged order file can pair
// these collars with one) fails the calculation with EFloatError.
OpenFront OpenFrontOfCurrentBodice();
