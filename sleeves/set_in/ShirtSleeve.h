// The shirt sleeve (sleeve kind 4, " Рубашечный"), offered with the women's
// dresses, jackets and coats and with the men's shirts and jackets: a
// one-seam sleeve whose cap height is a fixed share of the armhole and whose
// width is fitted to it, with a placket slit and pleat marks at the back of
// the hem and a separate cuff with buttonholes drawn below the sleeve.
//
// Two handles reshape it on the sleeve sheet: O1, the cap-base level on the
// centre line (a lower cap base makes a higher, narrower cap), and H, the
// hem centre (a raised hem makes a taller cuff).  Each moves only up and
// down within its limits; while one is dragged the draft keeps it where the
// drag left it.
//
// Its Calculate never throws.  A draft that fails while a handle is dragged
// puts the handles back where the last good draft had them and drafts from
// there, so the sleeve keeps its last good shape.  A draft that fails
// otherwise (measurements the sleeve cannot be built from) leaves the
// sleeve undrafted: it draws nothing on its sheet and offers no handle
// until a calculation succeeds.
#pragma once

#include "garments/common/DragHandle.h"
#include "sleeves/set_in/SetInSleeve.h"

class TShirtSleeve : public TSetInSleeve {
public:
    // Labelled points: O the cap top, O1 the cap-base level on the centre
    // line (handle 1), O2 and O3 the front and back ends of the width line,
    // H the hem centre (handle 2), H1 and H2 the ends of the straight hem
    // line, H11 and H21 the hem ends on the seams.
    Vector O, O1, O2, O3, H, H1, H2, H11, H21;
    // Controls of the hem arcs H11 → FrontHemCtrl → H and H → BackHemCtrl →
    // H21; the guides whose feet on the seams are H11 and H21; the placket
    // slit from SlitBottom on the back hem up to SlitTop with its bar; where
    // the width is written.
    Vector FrontHemCtrl, BackHemCtrl, FrontHemGuide, BackHemGuide, SlitBottom, SlitTop, SlitBar1, SlitBar2,
        WidthLabelPos;
    // A pleat's marks: the hem point at the first distance from the slit,
    // that point 1 and 1.5 cm into the piece, then the same at the second.
    Vector Pleat1Marks[6], Pleat2Marks[6];
    // The cap: the front cubic O2 → FrontCapCtrlLow → FrontCapCtrlTop → O
    // and the back cubic O → BackCapCtrlTop → BackCapCtrlLow → O3.
    Vector FrontCapCtrlLow, FrontCapCtrlTop, BackCapCtrlTop, BackCapCtrlLow;
    BalanceNotch FrontNotch, BackNotch, TopNotch;
    // The cuff below the sleeve.
    Vector CuffTopRight, CuffTopLeft, CuffBottomRight, CuffBottomLeft;
    // A buttonhole: its left end with its bar's upper and lower ends, then
    // its right end with its bar's.
    Vector ButtonholeRow1[6], ButtonholeRow2[6];
    // The handles: O1 and H with their boxes; each keeps where the last drag
    // put its grabbed point (kept within the limits or not).
    DragHandle CapHandle, HemHandle;

    float CapHandleMax = 0.0f, CapHandleMin = 0.0f;  // the y range of O1
    float HemHandleMax = 0.0f, HemHandleMin = 0.0f;  // the y range of H
    float CapLength = 0.0f;                          // front plus back cap
    float CapLengthRequired = 0.0f;                  // R = (n + 1)·A
    float CapMismatch = 0.0f;                        // R − CapLength
    float BalanceMismatch = 0.0f;                    // front cap − back cap
    float HemDefaultY = 0.0f;  // H.y of the last draft made without a drag
    int ActiveHandle = 0;      // 1 the cap handle, 2 the hem handle
    bool Pleat1Present = false, Pleat2Present = false, TwoButtonholes = false;
    // Whether the last calculation gave a sleeve to draw.
    bool Drafted = false;
    SleeveGarment::Family Family = SleeveGarment::Family::Women;

    // The width fit corrects the width at most this many times (or runs
    // away until a correction breaks the floats, FitLoop).
    static constexpr int kMaxWidthCorrections = 1000;

    TShirtSleeve();

    // Drafts for the main window's garment; never throws (see above).
    void Calculate() override;
    // Drafts for the garment g; throws on input it cannot draft.  The
    // handles keep their dragged points while the main window's
    // DraggingSleeve is set.
    void Draft(const SleeveGarment& g) override;

    // Grabs the cap handle, else the hem handle, when the sleeve is drafted
    // and the handle grabs the press (DragHandle::Grab).
    bool HitTest(int sheet, float x, float y) override;
    // Moves the grabbed handle's point vertically to y plus the grab offset,
    // when that lies within the handle's limits.
    void Drag(float x, float y) override;

    void Draw() override;
    void DrawLabels() override;
    void DrawPiece(TDrawContext& dc, bool printer) override;

    // The width text: "|O3,O2| :" and the width with one decimal.
    std::string WidthText() const;

protected:
    void DrawOutline(TDrawContext& dc, int outline) const override;
    void WriteLabels(TDrawContext& dc, bool printer) const override;

private:
    Vector N1;  // the unit normal of H1 → O2, into the piece
    float WristWidth = 0.0f;  // Wr′ = Озап + Поз + 3h + 9
    float lastGoodCapY_ = 0.0f, lastGoodHemY_ = 0.0f;

    // Places the width line W wide with its front end at o2x, the hem line
    // under it, and builds the cap.
    void PlaceWidthLine(float width, float o2x);
    void BuildCapCurves();
    // The hem point d cm from the slit and its marks 1 and 1.5 cm in.
    void PleatMark(float d, float ts, float backRest, Vector* marks) const;
};
