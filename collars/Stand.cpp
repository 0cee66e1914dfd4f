#include "collars/Stand.h"

#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kBackHeight = 4.0f;   // the stand's height at the back end
constexpr float kFrontRise = 1.5f;    // rise of the lower edge at the front end
constexpr float kNotchDepth = 0.5f;   // notch stem
constexpr float kNotchHalfBar = 0.2f;
constexpr int kTrimSteps = 160;       // chord steps per unit of t of the trim walk
constexpr int kOutlineChords = 20;
constexpr int kTrimmedChords = 5;

}  // namespace

TStand::TStand() : TCollarFrame(kKind) {}

void TStand::Construct() { Draft(NeckOfCurrentBodice()); }

void TStand::Draft(const BodiceNeck& neck) {
    // 1. N, the back neckline.
    NeckLength = neck.BackNeckLength;

    // 2. L = N + |A4 A5| π/3: the front neckline as an arc of 60° over its
    //    chord.
    Length = FloatStore::Scalar(NeckLength + double(Geom::Distance(neck.A4, neck.A5)) * kPi * (1.0 / 3.0),
                                "stand collar length");
    const float L = Length;

    // 3. The grid.
    Height = kBackHeight;
    C = Vector(0, 0);
    C2 = Vector(L, 0);
    FrontEnd = Vector(L, kFrontRise);
    C3 = Vector(L * 0.5f, 0);
    C1 = Vector(0, Height);
    C5 = Vector(L * 0.5f, Height);
    LowerCtrl = Vector((L - L / 2) * 0.5f + L / 2, 0);

    // 4. The rising arc C3 -> FrontEnd is longer than its span L/2 by the
    //    excess.
    Excess = Bezier2::ArcLength(C3, LowerCtrl, FrontEnd, 0, 1) - L + L / 2;

    // 5. Trimmed by the excess at its front end, so that C -> C3 -> C4 is
    //    L long.
    TrimParam = Bezier2::ParamAtChordLength(FrontEnd, LowerCtrl, C3, Excess, kTrimSteps);
    C4 = Bezier2::Point(FrontEnd, LowerCtrl, C3, TrimParam);

    // 6. The front edge C4 -> C6, along the arc's normal at C4 (into the
    //    collar), 3.5 cm from the untrimmed front end.
    const Vector n = Bezier2::Normal(C3, LowerCtrl, FrontEnd, 1 - TrimParam);
    C6 = FrontEnd + n * (Height - 0.5f);

    // 7. The upper arc leaves C5 horizontally and meets the front edge at a
    //    right angle.
    const eVector along(C1, C5);
    const nVector m(C4, C6);
    UpperCtrl = Geom::IntersectLines(C5, C6, along, m);

    // 8. The notch at N.
    NotchBase = Vector(NeckLength, 0);
    NotchTop = Vector(NeckLength, kNotchDepth);
    NotchLeft = Vector(NeckLength - kNotchHalfBar, kNotchDepth);
    NotchRight = Vector(NeckLength + kNotchHalfBar, kNotchDepth);

    // 9. The extent box.
    SetBox(C.x, C2.x, C6.y, C.y);
}

void TStand::DrawPiece(TDrawContext& dc) const {
    const float keep = 1 - TrimParam;  // C4 on the arc taken from C3
    // The lower edge up to the notch, the notch and its bar.
    dc.MoveTo(C);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(NotchBase);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(NotchTop);
    dc.MoveTo(NotchLeft);
    dc.LineTo(NotchRight);
    // The rest of the lower edge to C4.
    dc.MoveTo(NotchBase);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(C3);
    // The kept part of the rising arc, the trimmed remainder and the
    // construction lines.
    TrimmedArc(dc, C3, LowerCtrl, FrontEnd, 0, keep, kOutlineChords, kTrimmedChords);
    LinesTo(dc, {C2, C3, C5});
    // The upper edge, the front edge and the back edge.
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(C5, UpperCtrl, C6, kOutlineChords);
    dc.LineTo(C4);
    dc.MoveTo(C5);
    dc.LineTo(C1);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(C);
}

void TStand::LabelPiece(TDrawContext& dc, bool printer) const {
    static const Labels::Row<TStand> kLabels[] = {
        {"C", &TStand::C, 4},   {"C3", &TStand::C3, 4}, {"C2", &TStand::C2, 3}, {"C4", &TStand::C4, 2},
        {"C6", &TStand::C6, 2}, {"C5", &TStand::C5, 1}, {"C1", &TStand::C1, 1},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
