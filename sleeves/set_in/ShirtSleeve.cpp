#include "sleeves/set_in/ShirtSleeve.h"

#include <algorithm>
#include <cmath>

#include "garments/common/DraftSteps.h"
#include "garments/common/FitLoop.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "platform/Text.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

constexpr int kKind = 4;
constexpr int kCapIntervals = 30;  // Simpson's double intervals of the cap halves

float F(double v) { return FloatStore::Scalar(v, "shirt sleeve"); }

bool Dragging() { return MainForm && MainForm->DraggingSleeve; }

float CubicLength(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3) {
    return F(Bezier3::ArcLength(p0, p1, p2, p3, 0.0, 1.0, kCapIntervals));
}

// The foot of the perpendicular from p on the line through a and b.
Vector Foot(const Vector& a, const Vector& b, const Vector& p) {
    return DraftSteps::Crossing(b, Vector::UnitBetween(a, b), p, Vector::UnitNormalBetween(a, b),
                                "shirt sleeve: hem guide");
}

}  // namespace

TShirtSleeve::TShirtSleeve() : TSetInSleeve(kKind) {}

// ---------------------------------------------------------------------------
// The draft

void TShirtSleeve::Calculate() {
    try {
        Draft(CurrentSleeveGarment());
        Drafted = true;
        lastGoodCapY_ = O1.y;
        lastGoodHemY_ = H.y;
        return;
    } catch (...) {
    }
    // A drag that cannot be drafted goes back to the last good handles,
    // which drafted before from the same measurements.
    if (Dragging() && Drafted) {
        O1.y = lastGoodCapY_;
        H.y = lastGoodHemY_;
        try {
            Draft(CurrentSleeveGarment());
            return;
        } catch (...) {
        }
    }
    Drafted = false;
    BoxLeft = BoxRight = BoxTop = BoxBottom = 0.0f;
}

void TShirtSleeve::Draft(const SleeveGarment& g) {
    Family = g.family;
    const bool women = g.family == SleeveGarment::Family::Women;
    const double h = g.interliningEase;
    const double pad = women ? ShoulderPad : 0.0;

    // 1 - 3. Eases, the cap ease, R and the handle limits of the cap base;
    // the hem line is 9 cm wider than the wrist.
    const SetIn::Sizes z = SetIn::DeriveSizes(*this, g);
    const float r = z.capLengthRequired;
    CapLengthRequired = r;
    CapHandleMax = F(-0.0625 * r);
    CapHandleMin = F(-0.33 * r);
    WristWidth = F(double(z.wristWidth) + 9.0);

    // 4, 5. The cap top; the cap base and the hem at their defaults, or
    // where the drag left them.  The width is 2·(0.662·R − cap height).
    O = Vector(0, 0);
    float width;
    if (!Dragging()) {
        O1 = Vector(0, F(-0.25 * r));
        width = F(0.824 * r);
        const float hy = F(-(ArmLength + pad + CapEase + h) + 6.5);
        H = Vector(0, hy);
        HemDefaultY = hy;
        HemHandleMax = F(hy + 5.0);
        HemHandleMin = F(hy - 3.5);
    } else {
        O1.x = 0;
        width = F(2 * (0.662 * r + O1.y));
    }
    // 6. The handle boxes.
    CapHandle.Point = O1;
    CapHandle.PlaceBox();
    HemHandle.Point = H;
    HemHandle.PlaceBox();

    // 7, 8. Width and hem lines, and the cap.
    PlaceWidthLine(width, F(width / 2.0));

    // 9. Fit the width: a short cap widens, the longer half gives way.
    auto miss = [&] { return FitLoop::Larger(CapMismatch, BalanceMismatch); };
    FitLoop::Fit(miss(), SetIn::kTolerance, kMaxWidthCorrections, 1, [&](double) {
        if (!(width > 0.0f)) throw 1;
        width = F(double(width) + 0.6 * CapMismatch);
        PlaceWidthLine(width, F((double(O2.x) + O3.x + width - BalanceMismatch) / 2));
        return miss();
    });

    // 10. The cap-top mark: a bar on the women's garments, a notch 1 cm
    // along the front cap on the men's shirts.
    if (women)
        TopNotch = SetIn::TopBar(O);
    else
        TopNotch = SetIn::TopNotch(CapArc::Cubic(O, FrontCapCtrlTop, FrontCapCtrlLow, O2));

    // 11. The notches that meet P6 and the back armhole point, each on its
    // single cap cubic.
    const CapArc frontCap[] = {CapArc::Cubic(O2, FrontCapCtrlLow, FrontCapCtrlTop, O)};
    FrontNotch = SetIn::PlaceNotch(frontCap, g.FrontArmholeLength(), +1.0f);
    const CapArc backCap[] = {CapArc::Cubic(O3, BackCapCtrlLow, BackCapCtrlTop, O)};
    BackNotch = SetIn::PlaceNotch(backCap, g.BackArmholeLength(), -1.0f);

    // 12. The hem: its ends are the feet of the quarter points of the hem
    // line on the seams.
    FrontHemCtrl = Vector(F((double(H.x) + H1.x) / 2), H.y);
    BackHemCtrl = Vector(F((double(H.x) + H2.x) / 2), H.y);
    FrontHemGuide = Vector(F((3.0 * H1.x + H2.x) / 4), H.y);
    BackHemGuide = Vector(F((3.0 * H2.x + H1.x) / 4), H.y);
    H11 = Foot(O2, H1, FrontHemGuide);
    H21 = Foot(O3, H2, BackHemGuide);

    // 13. The placket slit, 11 cm up from the back hem under BackHemCtrl.
    float ts = 0.5f;
    SlitBottom = Bezier2::CrossLine(BackHemCtrl, Vector(0, 1), H21, BackHemCtrl, H, ts);
    SlitTop = Vector(SlitBottom.x, F(SlitBottom.y + 11.0));
    SlitBar1 = Vector(F(SlitTop.x - 0.2), SlitTop.y);
    SlitBar2 = Vector(F(SlitTop.x + 0.2), SlitTop.y);

    // 14. Pleat marks along the hem from the slit to the front seam.
    const float backRest = DraftSteps::Arc(H21, BackHemCtrl, H, ts, 1.0f);
    const float front = DraftSteps::Arc(H, FrontHemCtrl, H11);
    const float s = F(double(backRest) + front);
    Pleat1Present = !(s < 8.0f);
    if (Pleat1Present) {
        PleatMark(3.0f, ts, backRest, Pleat1Marks);
        PleatMark(6.0f, ts, backRest, Pleat1Marks + 3);
    }
    Pleat2Present = !(s < 13.0f);
    if (Pleat2Present) {
        PleatMark(8.0f, ts, backRest, Pleat2Marks);
        PleatMark(11.0f, ts, backRest, Pleat2Marks + 3);
    }

    // 15. The cuff, 6 cm shorter than the hem, centred under the hem line,
    // 6.5 cm high plus what the hem handle has been raised.
    const float c = F(double(DraftSteps::Arc(H21, BackHemCtrl, H)) + front - 6.0);
    const float top = F(std::min(H.y, H11.y) - 2.0);
    const float bottom = F(double(top) - 6.5 + HemDefaultY - H.y);
    CuffTopRight = Vector(F((double(H1.x) + H2.x + c) / 2), top);
    CuffTopLeft = Vector(F(double(CuffTopRight.x) - c), top);
    CuffBottomRight = Vector(CuffTopRight.x, bottom);
    CuffBottomLeft = Vector(CuffTopLeft.x, bottom);

    // 16. One buttonhole in the middle of a low cuff, two at its thirds
    // from 8 cm up.
    const double k = double(top) - bottom;
    const float x1 = F(CuffTopLeft.x + 1.5), x2 = F(x1 + 1.0);
    auto row = [&](Vector* holes, double y) {
        const float yy = F(y);
        holes[0] = Vector(x1, yy), holes[1] = Vector(x1, F(yy + 0.2)), holes[2] = Vector(x1, F(yy - 0.2));
        holes[3] = Vector(x2, yy), holes[4] = Vector(x2, F(yy + 0.2)), holes[5] = Vector(x2, F(yy - 0.2));
    };
    TwoButtonholes = !(k < 8.0);
    if (TwoButtonholes) {
        row(ButtonholeRow1, top - k / 3);
        row(ButtonholeRow2, top - 2 * k / 3);
    } else {
        row(ButtonholeRow1, top - 0.5 * k);
    }

    // 17, 18. The width text's place and the extent box.
    WidthLabelPos = Vector(F(O1.x + 2.6), F(O1.y - 0.7));
    BoxTop = O.y;
    BoxBottom = bottom;
    BoxLeft = std::min(H21.x, O3.x);
    BoxRight = std::max(O2.x, H11.x);
}

void TShirtSleeve::PlaceWidthLine(float width, float o2x) {
    O2 = Vector(o2x, O1.y);
    O3 = Vector(F(double(O2.x) - width), O1.y);
    H1 = Vector(F((double(O2.x) + O3.x + WristWidth) / 2), H.y);
    H2 = Vector(F(double(H1.x) - WristWidth), H.y);
    N1 = Vector::UnitNormalBetween(H1, O2);
    BuildCapCurves();
    CapMismatch = F(double(CapLengthRequired) - CapLength);
}

void TShirtSleeve::BuildCapCurves() {
    // The cap leaves O2 and O3 square to the seams and meets itself
    // horizontally at O.
    const float d1 = Geom::Distance(O, O2), d2 = Geom::Distance(O, O3);
    FrontCapCtrlLow = O2 + N1 * F(0.35 * d1);
    FrontCapCtrlTop = Vector(F(0.405 * d1), 0);
    BackCapCtrlTop = Vector(F(-0.46 * d2), 0);
    BackCapCtrlLow = O3 + Vector::UnitNormalBetween(O3, H2) * F(0.24 * d2);
    const float front = CubicLength(O2, FrontCapCtrlLow, FrontCapCtrlTop, O);
    const float back = CubicLength(O, BackCapCtrlTop, BackCapCtrlLow, O3);
    CapLength = F(double(front) + back);
    BalanceMismatch = F(double(front) - back);
}

void TShirtSleeve::PleatMark(float d, float ts, float backRest, Vector* marks) const {
    Vector p, n;
    if (!(backRest < d)) {
        float t = ts;
        p = Bezier2::PointAtLength(H21, BackHemCtrl, H, t, d);
        n = Bezier2::Normal(H21, BackHemCtrl, H, t);
    } else {
        float t = 0.0f;
        p = Bezier2::PointAtLength(H, FrontHemCtrl, H11, t, F(double(d) - backRest));
        n = Bezier2::Normal(H, FrontHemCtrl, H11, t);
    }
    marks[0] = p;
    marks[1] = p + n * 1.0f;
    marks[2] = p + n * 1.5f;
}

// ---------------------------------------------------------------------------
// The handles

bool TShirtSleeve::HitTest(int sheet, float x, float y) {
    if (!Drafted) return false;
    if (CapHandle.Grab(sheet, x, y))
        ActiveHandle = 1;
    else if (HemHandle.Grab(sheet, x, y))
        ActiveHandle = 2;
    else
        return false;
    return true;
}

void TShirtSleeve::Drag(float x, float y) {
    // Only y moves a handle; a point beyond the limits (or no number at
    // all) leaves it where it was.
    if (ActiveHandle == 1) {
        if (!CapHandle.Follow(x, y)) return;
        const float py = CapHandle.DragPoint.y;
        if (CapHandleMin <= py && py <= CapHandleMax) O1.y = py;
    } else if (ActiveHandle == 2) {
        if (!HemHandle.Follow(x, y)) return;
        const float py = HemHandle.DragPoint.y;
        if (HemHandleMin <= py && py <= HemHandleMax) H.y = py;
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TShirtSleeve::Draw() {
    if (Drafted) TSetInSleeve::Draw();
}

void TShirtSleeve::DrawLabels() {
    if (Drafted) TSetInSleeve::DrawLabels();
}

void TShirtSleeve::DrawPiece(TDrawContext& dc, bool printer) {
    if (Drafted) TSetInSleeve::DrawPiece(dc, printer);
}

std::string TShirtSleeve::WidthText() const { return "|O3,O2| :" + FormatFixed(double(O2.x) - O3.x, 5, 1); }

void TShirtSleeve::DrawOutline(TDrawContext& dc, int outline) const {
    auto line = [&dc](const Vector& a, const Vector& b) {
        dc.MoveTo(a);
        dc.LineTo(b);
    };
    // 1. The cap, the front seam, the hem and the cuff.
    dc.SetPenWidth(outline);
    dc.Bezier3(O3, BackCapCtrlLow, BackCapCtrlTop, O, 60);
    dc.Bezier3(O, FrontCapCtrlTop, FrontCapCtrlLow, O2, 60);
    line(O2, H11);
    dc.Bezier2(H11, FrontHemCtrl, H, 30);
    dc.Bezier2(H, BackHemCtrl, H21, 30);
    dc.MoveTo(CuffTopRight);
    dc.LineTo(CuffTopLeft);
    dc.LineTo(CuffBottomLeft);
    dc.LineTo(CuffBottomRight);
    dc.LineTo(CuffTopRight);

    // 2. The buttonholes: bars with pen 1, the slit with the outline's.
    for (const Vector* row : {ButtonholeRow1, ButtonholeRow2}) {
        if (row == ButtonholeRow2 && !TwoButtonholes) break;
        dc.SetPenWidth(1);
        line(row[1], row[2]);
        dc.SetPenWidth(outline);
        line(row[0], row[3]);
        dc.SetPenWidth(1);
        line(row[4], row[5]);
    }

    // 3. The placket slit and its bar.
    dc.SetPenWidth(outline);
    line(SlitBottom, SlitTop);
    dc.SetPenWidth(1);
    line(SlitBar2, SlitBar1);

    // 4. The back seam; the width line and the cap's frame.
    dc.SetPenWidth(outline);
    line(H21, O3);
    dc.SetPenWidth(1);
    line(O3, O);
    line(O, O2);
    line(O2, O3);

    // 5. The notches, the cap-top mark (with its stem on the men's shirts)
    // and the centre line.
    SetIn::DrawNotch(dc, BackNotch);
    SetIn::DrawNotch(dc, FrontNotch);
    SetIn::DrawNotch(dc, TopNotch, Family != SleeveGarment::Family::Women);
    line(O, H);

    // 6. The pleat marks.
    for (const auto* marks : {Pleat1Present ? Pleat1Marks : nullptr, Pleat2Present ? Pleat2Marks : nullptr}) {
        if (!marks) continue;
        line(marks[0], marks[2]);
        line(marks[1], marks[4]);
        line(marks[5], marks[3]);
    }

    // 7. The straight hem line and its ends.
    dc.MoveTo(H11);
    dc.LineTo(H1);
    dc.LineTo(H2);
    dc.LineTo(H21);
}

void TShirtSleeve::WriteLabels(TDrawContext& dc, bool printer) const {
    using Row = Labels::Row<TShirtSleeve>;
    static const Row kBefore[] = {{"O3", &TShirtSleeve::O3, 6}, {"O", &TShirtSleeve::O, 2}, {"O1", &TShirtSleeve::O1, 3}};
    static const Row kAfter[] = {
        {"O2", &TShirtSleeve::O2, 2}, {"H1", &TShirtSleeve::H1, 2},   {"H11", &TShirtSleeve::H11, 3},
        {"H", &TShirtSleeve::H, 2},   {"H21", &TShirtSleeve::H21, 7}, {"H2", &TShirtSleeve::H2, 2},
    };
    Labels::PutAll(dc, printer, *this, kBefore);
    Labels::Put(dc, printer, WidthLabelPos, WidthText(), 3);
    Labels::PutAll(dc, printer, *this, kAfter);
    // The handles on the screen only.
    if (!printer) {
        CapHandle.Draw(dc);
        HemHandle.Draw(dc);
    }
}
