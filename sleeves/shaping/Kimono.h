// The sleeves made in one piece with the women's bodice: the kimono
// sleeves, straight (kind 7, " Цельнокроеный прямой") and with an elbow
// dart (kind 8, " Цельнокроеный с вытачкой").
//
// TKimono carries the bodice's shoulder lines out into the sleeve's top
// line, stands the width line on it at the upper arm and fixes the top
// line's length; it then meets the underarm seam with the bodice's side,
// moving the side line sideways so that the front and back seams reach it
// at one height, and writes the moved side into the bodice.  The front half
// is drawn with the front on sheet 1, the back half with the back on sheet
// 2; every point is in the bodice's own coordinates.  The two kinds differ
// only below the upper arm: where the underarm seam aims when it meets the
// side (the wrist for the straight sleeve, the elbow for the darted one)
// and how the lower sleeve is built.
#pragma once

#include <initializer_list>

#include "kernel/Geometry.h"
#include "sleeves/shaping/OneWithBodice.h"

struct PatternPen;
class TDress;

class TKimono : public TOneWithBodice {
public:
    Vector BackShoulderEnd;            // the bodice's P1
    Vector P12;                        // P1 carried 1 cm on along the back shoulder line
    Vector FrontShoulderEnd;           // the bodice's P11
    Vector P13;                        // P11 carried 1 cm on from the shoulder arc
    Vector H, H2;                      // back and front ends of the top line
    Vector N, N1;                      // back and front underarm points on the chest line
    Vector O, O1;                      // back width line O1–O, O1 on the top line
    Vector O2, O3;                     // front width line O3–O2, O3 on the top line
    Vector BackTopJoin, FrontTopJoin;  // ends of the roundings into the top lines
    Vector ShoulderNotch[2];           // tick across the back shoulder line at P1
    // Unit directions of the top lines, from P13 and from P12 outwards.
    Vector FrontDir, BackDir;
    float Interlining = 0.0f;          // h
    float ArmWidth = 0.0f;             // W = Оп.в + Попв + 3h
    float WristWidth = 0.0f;           // w = Озап + Поз + 3h
    // Where the underarm seams meet the side ("M" back, "M1" front).  On
    // the fitted bodice also which side curve holds the meeting (1 the arc
    // from G2, 2 the cubic from the waist) and its parameter there.
    Vector BackEnd, FrontEnd;
    int BackCurveCase = 0, FrontCurveCase = 0;
    float BackCurveT = 0.0f, FrontCurveT = 0.0f;
    // How far the side line moved along x (G2 starts at x = 0), and whether
    // the move stopped at N or N1.
    float SideShift = 0.0f;
    bool SideShiftLimited = false;
    // The underarm gusset drawn beside the front: F–F1 its diagonal, F2 and
    // F3 the corners either side of it.
    Vector F, F1, F2, F3;

    // The fitted side's search halves [N.x, N1.x] at most this many times.
    static constexpr int kMaxSideHalvings = 60;

    // Draws on whatever sheet and origin the garment has set; the main
    // window's garment must be a women's bodice (else EFloatError).
    void Calculate() override;

    // The whole sleeve on the given bodice, its own draft done.  Throws
    // the integer 1 when the width line cannot reach the top line.
    virtual void Draft(TDress& d);
    // The top lines, the width lines and the slits to the side; the names
    // of their points and of the gusset's corners.
    void DrawFront(const PatternPen& pen) const override;
    void DrawBack(const PatternPen& pen) const override;
    void LabelFront(const PatternPen& pen) const override;
    void LabelBack(const PatternPen& pen) const override;

protected:
    explicit TKimono(int kind) : TOneWithBodice(kind) {}
    // Square to the top lines, towards the underarm: the front's normal
    // (turned +90°), the back's turned −90°.
    Vector FrontAcross() const { return Vector::Perpendicular(FrontDir); }
    Vector BackAcross() const { return Vector::Perpendicular(BackDir * -1.0f); }
    // The top lines and width lines (fails with the integer 1).
    void DraftTopLines(TDress& d);
    // Meets the seams from O2 towards frontAim and from O towards backAim
    // with the bodice's side, moving the side, and writes the moved side
    // and the meeting into the bodice.
    void MeetSide(TDress& d, const Vector& frontAim, const Vector& backAim);
    // The gusset, from the slit lengths N–M and N1–M1, and its outline.
    void PlaceGusset();
    void DrawGusset(const PatternPen& pen) const;
    // The extent box about both halves' points, for the printed sheets.
    void SpanBox(std::initializer_list<Vector> points);
};

// Sleeve kind 7: straight down to the wrist, the back seam made as long as
// the front one, hems curved.
class TKimonoStright : public TKimono {
public:
    Vector H0, H01;                       // middle of the front hem chord, and 0.5 cm off it
    Vector H1;                            // back wrist point as first placed
    Vector H3;                            // front wrist point
    Vector H4;                            // back wrist point with the back seam as long as the front
    Vector FrontHemCtrl1, FrontHemCtrl2;  // arcs H2 → H01 → H3
    Vector BackHemCtrl2, BackHemCtrl1;    // cubic H → H4 (Ctrl1 next to H)

    TKimonoStright();
    void Draft(TDress& d) override;
    void DrawFront(const PatternPen& pen) const override;
    void DrawBack(const PatternPen& pen) const override;
    void LabelFront(const PatternPen& pen) const override;
    void LabelBack(const PatternPen& pen) const override;
};

// Sleeve kind 8: turned towards the underarm below the elbow so that the
// wrist is narrower, the back seam's extra length taken up in an elbow dart
// (or, when it is 1 cm or less, in a rounded corner and a shortened wrist
// point).
class TKimonoWDart : public TKimono {
public:
    Vector L, L1;      // back elbow line: on the top line, on the seam
    Vector L5, L6;     // front elbow line: on the top line, on the seam
    Vector Lp, Lpp;    // middles of the back and front elbow lines
    Vector L2;         // back seam point the dart's centre line leaves
    Vector L4, L3;     // dart leg ends towards the wrist and the underarm
    Vector DartCross;  // work point of the folded dart
    Vector DartTip;    // outer point of the folded dart on Lp → L2
    Vector H1, H02,
        H3;                                     // back wrist end of the top line, front hem middle, front wrist end
    Vector H4, H41, H5;                         // back wrist seam point, it moved back (no dart), front
                                                // wrist seam point
    Vector Hp, Hpp;                             // middles of the back and front wrist lines
    Vector BackWristCross;                      // the back seam carried on to the wrist line
    Vector FrontElbowRound1, FrontElbowRound2;  // the rounding at L6
    Vector FrontTopRound1, FrontTopRound2;      // the rounding at L5
    Vector BackTopRound1, BackTopRound2;        // the rounding at L
    Vector FrontHemCtrl1, FrontHemCtrl2;        // arcs H3 → H02 → H5
    Vector BackHemCtrl2, BackHemCtrl1;          // cubic H1 → H4 (Ctrl1 next to H1)
    Vector BackElbowRound1, BackElbowRound2;    // the rounding at L2 without a dart
    bool DartDrawn = false;
    Vector UpperSeamDir;  // L1 → O
    // The back seam less the front one, as the dart's choice measured them.
    float SeamExcess = 0.0f;
    // Passes made by the wrist narrowing and by the dart's placing; each
    // stops at its bound with its last values standing.
    int WristPasses = 0, DartPasses = 0;
    static constexpr int kMaxWristPasses = 100;
    static constexpr int kMaxDartPasses = 200;

    TKimonoWDart();
    void Draft(TDress& d) override;
    void DrawFront(const PatternPen& pen) const override;
    void DrawBack(const PatternPen& pen) const override;
    void LabelFront(const PatternPen& pen) const override;
    void LabelBack(const PatternPen& pen) const override;

private:
    // The back lower sleeve turned by ex/lB about L for the wrist width w;
    // returns g, how far the back wrist point lies inside the carried-on
    // underarm line.
    double TurnBack(double w, double lB);
};

// The kimono sleeves' makers, kinds 7 and 8.
void RegisterKimonoSleeves();
