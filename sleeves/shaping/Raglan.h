// The raglan sleeves of the women's bodices: the raglan line laid into the
// bodice with its drag handle, and the sleeve piece cut off by it.
//
// TRaglan lays the back raglan line from A9 to the back armhole and the
// front one from the front neck to the front armhole into the bodice, both
// bent through a control point C2 that the user drags, and builds the upper
// part of the sleeve piece: the neck and shoulder pieces the lines separate
// from the bodice, carried into the sleeve's two frames, and the sleeve's
// width line.  Both frames have their origin at the top of the middle line,
// x across the sleeve (the back half at x < 0) and y up.  The derived
// classes add the caps fitted to the raglan seams and the lower sleeve.
#pragma once

#include <cmath>

#include "collars/Wholly.h"
#include "garments/common/FitLoop.h"
#include "kernel/Geometry.h"
#include "sleeves/common/SleeveCommon.h"

class TDress;
class TMenPattern;
class TMenDress;
struct PatternPen;

namespace Raglan {
// The fitting loops of the caps correct at most this many times; a cap
// that has not fitted by then never will, and the sleeve fails with the
// integer 1.
constexpr int kMaxFitPasses = 200;
// The fitting loop of a cap or seam: while `miss` (what the piece lacks)
// is not within `tolerance`, `correct(miss)` moves the piece and answers
// the new miss.  A loop that reaches kMaxFitPasses fails with the integer
// 1; one that runs away until a correction breaks the floats names 1 in
// its fault (FitLoop::Fit).
template <class Correct>
void Fit(float miss, float tolerance, Correct correct) {
    FitLoop::Fit(miss, tolerance, kMaxFitPasses, 1, [&](double m) { return double(correct(float(m))); });
}
}  // namespace Raglan

class TRaglan : public TSleevePiece, public TWhollyRaglanHost {
public:
    explicit TRaglan(int kind) : TSleevePiece(kind), kind_(kind) {}

    float SleeveWidth = 0.0f;      // W = Оп.в + Попв + 3h
    float WristWidth = 0.0f;       // Озап + Поз + 3h
    float MinOffset = 0.0f;        // the handle's least distance from the raglan base line
    float MaxOffset = 0.0f;        // and its greatest
    float BackTouchT = 0.0f;       // parameter of BackTouch on its armhole arc
    float NeckAngle = 0.0f;        // at A9, from the neck arc's tangent to the raglan's
    float BackSeamLength = 0.0f;   // what the back cap must measure
    float FrontSeamLength = 0.0f;  // what the front cap must measure
    float Interlining = 0.0f;      // h

    // In the back frame: A91, A21, P1, P12, NeckCtrl, BackTipEnd,
    // BackUnderarm ("O"), BackMiddle ("O1").  In the front frame: A7, A71,
    // P7, P11, NeckCentre, ShoulderCtrl, FrontTip, FrontTipEnd, FrontSeamTop,
    // FrontSeamCtrl, FrontUnderarm ("O2"), FrontMiddle, HemMiddle ("H").
    // BackTouch, BackOffset and FrontOffset stay in bodice coordinates.
    Vector A91, A21, A7, A71;
    Vector BackTouch, BackOffset, FrontOffset;
    Vector BackUnderarm, BackMiddle, FrontUnderarm, FrontMiddle;
    Vector NeckCentre, P1, P7, P11, P12, FrontTip, FrontSeamTop, HemMiddle;
    Vector NeckCtrl, ShoulderCtrl, BackTipEnd, FrontTipEnd, FrontSeamCtrl;
    AxesSystem BackFrame, FrontFrame;
    int BackSide = 0;

    // The collar made in one with the front, when it lies on the sleeve.
    bool HasWhollyCollar = false;
    WhollyOnSleeve Wholly;

    // Drafts for the main window's garment (a women's bodice); the handle
    // stays where it was dragged while a drag is on.
    void Calculate() override;
    // Drafts the raglan line into d and the whole sleeve.  keepHandle keeps
    // d.C2; whollyCollar leaves the top of the box to that collar.  Throws
    // the integer 1 when the sleeve cannot be built, EFloatError on a
    // degenerate construction.
    void Draft(TDress& d, bool keepHandle, bool whollyCollar);
    // Drafts the raglan line into a men's coat or blazer with a side seam
    // and the whole sleeve; collar kind 7 (the men's jacket collar) keeps
    // the front neck straight.  There the sleeve's neck point "A9" stands in
    // A91, "A2" in A21, "A4" in A7, "A41" in A71 and "P10" in P11.
    void DraftCoat(TMenPattern& g, int collarKind);
    // Drafts the raglan line into a men's shirt or jacket with a fixed bend
    // and the whole sleeve: "A9" in A91, "A21" in A21 (the back neck's end
    // "A2" in A2Image), "A41" in A7, "A42" in A71.
    void DraftShirt(TMenDress& m);
    Vector A2Image;

    void Draw() override;
    void DrawLabels() override;
    void DrawPiece(TDrawContext& dc, bool printer) override;

    // The handle at C2 on the bodice's sheet (DragHandle::Grab); the men's
    // bodices have none.
    bool HitTest(int sheet, float x, float y) override;
    // Moves C2 along the base line's normal, within MinOffset .. MaxOffset.
    void Drag(float x, float y) override;
    // The box top from the collar's parts on the sleeve.
    void UpdateExtent();

    AxesSystem& WhollyBackFrame() override { return BackFrame; }
    AxesSystem& WhollyFrontFrame() override { return FrontFrame; }
    void TakeWhollyCollar(const WhollyOnSleeve& parts) override;

protected:
    // The darted sleeve's elbow line is lowered by the shoulder pad but on a
    // men's shirt or jacket.
    bool PadAtElbow() const { return !onShirt_; }
    // The caps and the lower sleeve, after the upper part is drafted.
    virtual void DraftLower() = 0;
    virtual void DrawLower(const PatternPen& pen) const = 0;
    virtual void LabelLower(const PatternPen& pen) const = 0;

private:
    void DraftBodice(TDress& d, bool keepHandle);
    void DraftUpper(TDress& d, bool whollyCollar);
    void DraftOnCoat(TMenPattern& g, int collarKind);
    void DraftOnShirt(TMenDress& m);
    // Two quadratic arcs of an armhole: start → ctrl1 → join → ctrl2 → end.
    struct ArmholePair {
        Vector start, ctrl1, join, ctrl2, end;
    };
    // A men's bodice as its fixed-bend raglan lines see it: A9, the front
    // neck point, the bow, the back armhole from P31 down to G2 and the
    // front armhole from G2 up to P6.
    struct FixedBend {
        Vector a9, neck;
        float bow;
        ArmholePair back, front;
    };
    // What they write into the bodice.
    struct FixedBendLines {
        Vector &backTouch, &c1, &c2, &backCtrlNeck, &backCtrlArm, &backEnd;
        float& backT;
        int& backSide;
        Vector &frontTouch, &c3, &c4, &frontCtrlNeck, &frontCtrlArm, &frontEnd;
        float& frontT;
        int& frontSide;
    };
    void LayFixedBend(const FixedBend& in, FixedBendLines out);
    void SpanWidthLine(const Vector& a9, float frontHalf, float backHalf, float backSpread);
    // The bodice points (bodice coordinates) that go onto the sleeve.
    struct BackPieces {
        Vector neckPoint, neckCtrl, shoulderNeck, p1;
    };
    struct FrontPieces {
        Vector neckCentre, neckStart, neckEnd, seamCtrl, seamTop, p7, shoulderCtrl, shoulderEnd;
    };
    void PlaceInFrames(const BackPieces& back, const FrontPieces& front, float h);
    void DrawUpper(const PatternPen& pen) const;
    void DrawShoulders(const PatternPen& pen) const;
    void LabelUpper(const PatternPen& pen) const;
    // C1 and the base line's normal of the last draft, for the handle.
    Vector c1_, normal_;
    int kind_;
    bool onCoat_ = false;        // drafted on a men's coat
    bool onShirt_ = false;       // drafted on a men's shirt or jacket
    bool straightNeck_ = false;  // its front neck straight (men's jacket collar)
};

// Kind 5: the straight raglan sleeve.
class TRaglanStright : public TRaglan {
public:
    explicit TRaglanStright(int kind = 5) : TRaglan(kind) {}

    Vector P, P4, P31, P61, CapCircleCentre;
    Vector H1, H11, H2, H21, H3, H31, H4, H41;
    Vector FrontCapCtrl, BackCapCorner, BackCapCtrl1, BackCapCtrl2;
    float CapCircleRadius = 0.0f;

protected:
    void DraftLower() override;
    void DrawLower(const PatternPen& pen) const override;
    void LabelLower(const PatternPen& pen) const override;

private:
    float FrontCapMiss();
};

// Kind 6: the raglan sleeve shaped to the bent arm by a dart at the elbow
// in the back seam (or, when the hem runs on too far, partly by the hem).
class TRaglanWDart : public TRaglan {
public:
    explicit TRaglanWDart(int kind = 6) : TRaglan(kind) {}

    Vector DartSeamPoint;  // where the dart's centre line from Lp meets the back seam
    Vector DartFoldCross;  // work point of the fold
    Vector DartFoldPoint;  // apex of the back seam edge between L4 and L5
    Vector L, L1, L3, L4, L5, Lp, Lpp;
    Vector UnderarmControl;  // arc FrontSeamTop → [UnderarmControl] → O2
    Vector SeamCorner, SeamControl1, SeamControl2;  // the back seam cubic O → … → A91
    Vector HemSeamCross;  // the hem line through H2 met with the back seam line
    Vector AxisHemPoint;  // end of the middle line on the hem
    Vector H0, H2, H3, H4;
    Vector AxisCornerIn, AxisCornerOut;  // 3 cm either side of L on the middle line
    bool DartDrawn = false;
    bool HemSplit = false;

protected:
    void DraftLower() override;
    void DrawLower(const PatternPen& pen) const override;
    void LabelLower(const PatternPen& pen) const override;

private:
    // The tangent point H2 of the hem circle, H0, and the hem ends H3, H4
    // for the current wrist width; lpH2 is |Lp H|².
    void PlaceHem(float lpH2);
    float FrontArcMiss();
};

// The men's raglans of the coats and blazers with a side seam: the same
// sleeves on the coat's raglan line (kinds 15 and 16).
class TMenRaglanStright : public TRaglanStright {
public:
    TMenRaglanStright() : TRaglanStright(15) {}
};

class TMenRaglanWDart : public TRaglanWDart {
public:
    TMenRaglanWDart() : TRaglanWDart(16) {}
};
