// The batwing sleeve (kind 11, " Летучая мышь"), made in one with the
// women's bodice.  Its top line carries on each half's shoulder line; its
// underarm leaves the bodice's side one and two armhole drops (С.пр) below
// G2 and runs in a curve into a straight underarm line down to the wrist,
// the front and back curves made equally long.  The front half is drawn with
// the front on sheet 1, the back half with the back on sheet 2; a sleeve end
// that would run off its sheet is drawn moved onto it (the sleeve-end fold).
#pragma once

#include "kernel/Geometry.h"
#include "sleeves/shaping/OneWithBodice.h"

struct PatternPen;
class TDress;

class TBatWing : public TOneWithBodice {
public:
    Vector BackShoulderEnd;                         // the bodice's P1
    Vector FrontShoulderEnd;                        // the bodice's P10
    Vector H, H1;                                   // back end of the top line, back wrist point
    Vector H2, H3;                                  // front end of the top line, front wrist point
    Vector H03, H04;                                // middle of the front hem chord, middle of the hem
    Vector M;                                       // front side point one drop below G2
    Vector FrontEnd;                                // "M1": two drops below G2, where the front curve leaves the
                                                    // side
    Vector M2;                                      // front underarm line one drop from M
    Vector FrontCorner;                             // corner of the front underarm curve
    Vector N;                                       // back side point one drop below G2
    Vector BackEnd;                                 // "N1"
    Vector N2;                                      // back underarm line one drop from N
    Vector BackCorner;                              // corner of the back underarm curve
    Vector FrontHemCtrl1, FrontHemCtrl2;            // arcs H2 → H04 → H3
    Vector H01;                                     // control of the back hem arc H → H1
    Vector FrontUnderarmCtrl1, FrontUnderarmCtrl2;  // cubic M1 → M2
    Vector BackUnderarmCtrl1, BackUnderarmCtrl2;    // cubic N1 → N2
    Vector FrontNotch[2],
        BackNotch[2];          // ticks across the shoulders at P10 and P1
    float Interlining = 0.0f;  // h
    float WristWidth = 0.0f;   // w = Озап + Поз + 3h
    float HemAngle = 0.0f;     // the front hem's angle to the top line at H2
    // Fitted bodice: which side curve holds M1 (N1), 1 the arc from G2, 2
    // the cubic from the waist, and its parameter there.
    float FrontCurveT = 0.0f, BackCurveT = 0.0f;
    int FrontCurveCase = 0, BackCurveCase = 0;
    // The sleeve-end folds.
    Vector FrontFoldTop, FrontFoldTopMoved, FrontFoldUnder, FrontFoldUnderMoved, FrontFoldTop2, FrontFoldUnder2;
    Vector BackFoldTop, BackFoldTopMoved, BackFoldUnder, BackFoldUnderMoved, BackFoldTop2, BackFoldUnder2;
    Vector FrontEndMoved[6];  // H2, H3, H03, H04 and the hem's controls, moved
    Vector BackEndMoved[3];   // H, H1, H01 moved
    bool FrontFolded = false, BackFolded = false;
    // The underarm curves' lengths and the passes their equalisation made.
    float FrontUnderarmLength = 0.0f, BackUnderarmLength = 0.0f;
    int EqualisePasses = 0;

    // Each arc-length search halves its parameter at most this many times
    // and then ends with its last parameter; the equalisation of the
    // underarm curves makes at most this many passes and then leaves the
    // curves as its last pass made them.
    static constexpr int kMaxHalvings = 30;
    static constexpr int kMaxEqualisePasses = 100;
    // The armhole drop an order without one (format 0) drafts with: the
    // example value of the column.
    static constexpr float kDefaultArmholeDrop = 5.0f;

    TBatWing();

    void Calculate() override;

    // The sleeve on the given bodice, its own draft done; collarKind 0 for
    // none.  Limits the armhole drop to half the height G3.y − B2.y.
    void Draft(TDress& d, int collarKind);
    void DrawFront(const PatternPen& pen) const override;
    void DrawBack(const PatternPen& pen) const override;
    void LabelFront(const PatternPen& pen) const override;
    void LabelBack(const PatternPen& pen) const override;

private:
    void MeetSide(TDress& d, double c);
    void EqualiseUnderarms();
    void FoldFront(const TDress& d, int collarKind);
    void FoldBack(const TDress& d);
};

void RegisterBatWingSleeve();
