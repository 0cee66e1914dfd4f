// The collar drafted in one with the front (collar kind 3): the front edge
// moved out and carried up past the neck point into a standing collar at
// the front, and a matching part rising over the back neckline.
//
// Drafted on the women's bodice in the bodice's own coordinates and drawn
// in place.  With a raglan sleeve the parts of the collar that fall on the
// sleeve are handed to it (TWhollyRaglanHost); with a sleeve made in one
// with the bodice the back part is drawn with the back on sheet 2.
#pragma once

#include "collars/Collar.h"
#include "kernel/Geometry.h"

class TDress;

// The collar's parts on a raglan sleeve, in the sleeve's two frames.
struct WhollyOnSleeve {
    float NeckParam = 0.0f;  // the parameter of D9 on the back top curve
    // In the first (back) frame: the two shoulder points, then the moved
    // BackRise, C2, BackTopCtrl and C; and the image of D9.
    Vector Back[6];
    Vector D9;
    // In the second (front) frame: the two shoulder points, then the moved
    // ShoulderRise, C6, OuterCtrl1, OuterMid, OuterCtrl2 and A5; and the
    // image of C7.
    Vector Front[8];
    Vector C7;
    // C7 lies at C7Param on the outer arc C6 → OuterMid (C7Arc 1) or on
    // OuterMid → A5 (C7Arc 2), both as moved.
    int C7Arc = 1;
    float C7Param = 0.0f;
};

// What a raglan sleeve offers the collar: its two frames (set up by its own
// calculation, which runs before the collar's) and a place for the
// collar's parts, after which it updates its extent.
class TWhollyRaglanHost {
public:
    virtual ~TWhollyRaglanHost() = default;
    virtual AxesSystem& WhollyBackFrame() = 0;
    virtual AxesSystem& WhollyFrontFrame() = 0;
    virtual void TakeWhollyCollar(const WhollyOnSleeve& parts) = 0;
};

class TWholly : public TCollarFrame {
public:
    static constexpr int kKind = 3;

    float EdgeShift = 0.0f;  // 2.5: the front edge moved out
    float Rise = 0.0f;       // 3.5: the collar above the neck
    Vector C;                // top of the back part at the centre back
    Vector C1, C2;           // the back part's top at the shoulder
    Vector BackRise;         // 0.8 cm above A2
    Vector BackStart;        // 1 cm along the back shoulder from A2
    Vector C5;               // above A4
    Vector C6;               // top corner of the front part
    Vector EdgeTop;          // the moved front edge at the chest line
    Vector EdgeFoot;         // ... at the hem line
    Vector OuterBase, OuterMid;  // the front part's outer edge off the chord C6 -> A5
    Vector ShoulderStart;    // 1 cm along the front shoulder from A4
    Vector ShoulderRise;     // 1 cm above A4
    Vector BackCtrl;         // control of BackStart -> BackRise
    Vector BackTopCtrl;      // control of C2 -> C
    Vector ShoulderCtrl;     // control of ShoulderRise -> ShoulderStart
    Vector OuterCtrl1;       // control of OuterMid -> C6
    Vector OuterCtrl2;       // control of A5 -> OuterMid
    Vector EdgeCtrl;         // control of EdgeTop -> A5
    // With a raglan sleeve (kinds 5 and 6) only.
    Vector D9;                          // the foot of the perpendicular from A9 on the back top curve
    Vector SleeveBack1, SleeveBack2;    // the back shoulder points carried onto the sleeve
    Vector MovedBack[4];                // BackRise, C2, BackTopCtrl, C on the sleeve
    Vector C7;                          // where the front part ends at the raglan line
    Vector SleeveFront1, SleeveFront2;  // the front shoulder points carried onto the sleeve
    Vector MovedFront[6];  // ShoulderRise, C6, OuterCtrl1, OuterMid, OuterCtrl2, A5 on the sleeve
    float FootParam = 0.0f;       // t of D9 on C2 -> C
    float C7Param = 0.0f;         // t of C7 on its outer arc
    float C7Length = 0.0f;        // C7's distance along the outer edge from C6
    float OuterArcLength = 0.0f;  // the arc C6 -> OuterMid
    int C7Arc = 0;                // 1: C7 on C6 -> OuterMid; 2: on OuterMid -> A5

    TWholly();

    // The draft on the given bodice with the given sleeve kind; the raglan
    // parts are handed to `host` when there is one.  (Construct reads the
    // main window's bodice and sleeve and calls it.)
    void Draft(const TDress& d, int sleeveKind, TWhollyRaglanHost* host);

    // With a sleeve made in one with the bodice the back part lies on the
    // back's sheet: printed there.
    void PrintOnBackSheet(TDrawContext& dc) override;

protected:
    void Construct() override;
    void DrawPiece(TDrawContext& dc) const override;
    void LabelPiece(TDrawContext& dc, bool printer) const override;

private:
    void DraftOnRaglan(const TDress& d, TWhollyRaglanHost* host);
    void DrawFrontPart(TDrawContext& dc) const;
    void DrawBackPart(TDrawContext& dc) const;
    void LabelBackPart(TDrawContext& dc, bool printer) const;

    int sleeveKind_ = 0;
    Vector a41_, a9_, a01_, a2_, a4_, a5_, b21_;  // the bodice points the drawing needs
    float backSheetX_ = 0.0f;                     // 5 − B0.x: the back's origin on sheet 2
};
