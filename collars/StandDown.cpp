#include "collars/StandDown.h"

#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kRise = 4.0f;           // the neck edge's back end above the baseline
constexpr float kFrontReach = 3.0f;     // the outer front corner ahead of C3
constexpr float kFrontDrop = 1.0f;      // ... and this much lower than Width above it
constexpr float kNotchDepth = 0.5f;
constexpr float kNotchHalfBar = 0.2f;
constexpr float kQuarterTurn = 1.5707964f;
constexpr int kTrimSteps = 60;    // chord steps per unit of t of the trim walk
constexpr int kNotchSteps = 160;  // ... and of the notch walk
constexpr int kOutlineChords = 20;
constexpr int kNotchRestChords = 10;
constexpr int kTrimmedChords = 5;
constexpr int kRollChords = 40;

}  // namespace

StandDownSizes StandDownSizesFor(int type) {
    switch (CollarGarmentGroupOf(type)) {
        case CollarGarmentGroup::WomensJacket:
        case CollarGarmentGroup::MensJacket: return {7.5f, 2.5f};
        case CollarGarmentGroup::WomensCoat: return {9.5f, 4.0f};
        case CollarGarmentGroup::MensAutumnCoat: return {9.0f, 3.5f};
        case CollarGarmentGroup::MensWinterCoat: return {10.0f, 4.0f};
        case CollarGarmentGroup::Blazer: return {7.0f, 2.5f};
        default: return {6.0f, 2.0f};
    }
}

TStandDown::TStandDown() : TCollarFrame(kKind) {}

void TStandDown::Construct() { Draft(NeckOfCurrentBodice(), CurrentGarmentType()); }

void TStandDown::Draft(const BodiceNeck& neck, int garmentType) {
    const char* what = "stand-and-fall collar";
    // 1. N and L.
    NeckLength = neck.BackNeckLength;
    Length = FloatStore::Scalar(NeckLength + double(Geom::Distance(neck.A4, neck.A5)) * kPi * (1.0 / 3.0), what);
    const float L = Length;

    // 2. The sizes of the garment.
    const StandDownSizes sizes = StandDownSizesFor(garmentType);
    Width = sizes.Width;
    StandHeight = sizes.StandHeight;
    Rise = kRise;

    // 3. The grid; the neck chord C -> NeckEnd is L long.  A neckline no
    //    longer than the rise leaves no chord.
    O = Vector(0, 0);
    C = Vector(0, Rise);
    C1 = Vector(0, Rise + StandHeight);
    C2 = Vector(0, Rise + Width);
    NeckEnd = Vector(FloatStore::Scalar(Checked::Sqrt(double(L) * L - double(Rise) * Rise, what), what), 0);
    if (!(NeckEnd.x > 0)) Checked::Fail("stand-and-fall collar: the neckline is no longer than the rise");

    // 4, 5. The neck chord in thirds.
    const Vector e(1, 0);
    const eVector d(C, NeckEnd);
    const nVector n(C, NeckEnd);
    const float third = Geom::Distance(C, NeckEnd) / 3;
    NeckThird1 = C + d * third;
    NeckThird2 = NeckEnd - d * third;

    // 6. The neck edge: two arcs, leaving C horizontally, one tangent at
    //    the join, reaching NeckEnd along the baseline.
    NeckCtrl1 = Geom::IntersectLines(C, NeckThird1, e, n);
    const eVector join(NeckCtrl1, NeckThird2);
    NeckCtrl2 = Geom::IntersectLines(NeckThird2, NeckEnd, join, e);

    // 7. Trimmed at its front end by the excess, so that C -> C3 is L long.
    Excess = Bezier2::ArcLength(C, NeckCtrl1, NeckThird2, 0, 1) + Bezier2::ArcLength(NeckThird2, NeckCtrl2, NeckEnd, 0, 1) -
             L;
    TrimParam = Bezier2::ParamAtChordLength(NeckEnd, NeckCtrl2, NeckThird2, Excess, kTrimSteps);
    C3 = Bezier2::Point(NeckEnd, NeckCtrl2, NeckThird2, TrimParam);

    // 8. The front end of the outer edge.
    OuterFront = Vector(C3.x + kFrontReach, C3.y + Width - kFrontDrop);

    // 9. The outer edge: Width beyond the neck edge across the middle of
    //    its chord, leaving C2 horizontally.
    const eVector chord(C2, OuterFront);
    OuterMid = C2 + chord * (Geom::Distance(C2, OuterFront) * 0.5f);
    const nVector inward(OuterFront, C2);
    float t = 0.5f;
    NeckCross = Bezier2::CrossLine(OuterMid, inward, C, NeckCtrl1, NeckThird2, t);
    OuterPoint = NeckCross - inward * Width;
    OuterCtrl1 = Geom::IntersectLines(C2, OuterPoint, e, chord);
    OuterCtrl2 = OuterPoint + chord * (Geom::Distance(OuterMid, OuterFront) / 3);

    // 10. The roll line C1 -> C3.
    RollCtrl = Geom::IntersectLines(C1, NeckThird1, e, n);

    // 11. The notch N along the first neck arc (on its parabola beyond
    //     NeckThird2 when the arc is shorter).
    NotchParam = Bezier2::ParamAtChordLength(C, NeckCtrl1, NeckThird2, NeckLength, kNotchSteps);
    NotchBase = Bezier2::Point(C, NeckCtrl1, NeckThird2, NotchParam);
    Vector m = Bezier2::Normal(C, NeckCtrl1, NeckThird2, NotchParam);
    NotchTop = NotchBase + m * kNotchDepth;
    Vector::Rotate(m, kQuarterTurn);
    NotchEnd1 = NotchTop + m * kNotchHalfBar;
    NotchEnd2 = NotchTop - m * kNotchHalfBar;

    // 12. The extent box.
    SetBox(O.x, OuterFront.x, C2.y, O.y);
}

void TStandDown::DrawPiece(TDrawContext& dc) const {
    const float keep = 1 - TrimParam;  // C3 on the second arc taken from NeckThird2
    // The neck edge to the notch, the notch and its bar.
    dc.MoveTo(C);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2Part(C, NeckCtrl1, NeckThird2, 0, NotchParam, kOutlineChords);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(NotchTop);
    dc.MoveTo(NotchEnd1);
    dc.LineTo(NotchEnd2);
    dc.MoveTo(NotchBase);
    // The rest of the neck edge to C3, the trimmed remainder.
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2Part(C, NeckCtrl1, NeckThird2, NotchParam, 1, kNotchRestChords);
    TrimmedArc(dc, NeckThird2, NeckCtrl2, NeckEnd, 0, keep, kOutlineChords, kTrimmedChords);
    // The front end and the outer edge.
    dc.SetPenWidth(OutlinePen(dc));
    dc.MoveTo(C3);
    dc.LineTo(OuterFront);
    dc.Bezier2(OuterFront, OuterCtrl2, OuterPoint, kOutlineChords);
    dc.Bezier2(OuterPoint, OuterCtrl1, C2, kOutlineChords);
    // The back line, the baseline, the neck chord and the roll line.
    dc.SetPenWidth(kConstructionPen);
    LinesTo(dc, {O, NeckEnd, C});
    dc.MoveTo(C1);
    dc.Bezier2(C1, RollCtrl, C3, kRollChords);
}

void TStandDown::LabelPiece(TDrawContext& dc, bool printer) const {
    static const Labels::Row<TStandDown> kLabels[] = {
        {"O", &TStandDown::O, 4},   {"C", &TStandDown::C, 4},   {"C1", &TStandDown::C1, 5},
        {"C2", &TStandDown::C2, 7}, {"C3", &TStandDown::C3, 3},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
