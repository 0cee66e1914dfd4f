#include "collars/ForCoat.h"

#include <algorithm>
#include <cmath>

#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

constexpr float kBreakDrop = 0.15f;     // of the way from G3 down to the waist
constexpr float kBelowA5 = 1.0f;        // the break point stays this far below A5
constexpr float kPostureShare = 0.125f;  // of Пк, taken off the swing chord
constexpr float kNotchHalfBar = 0.2f;
constexpr int kNeckChords = 30;         // the cubic part of the neck edge, its length too
constexpr int kTrimSteps = 40;          // chord steps per unit of t of the trim walk
constexpr int kArcChords = 20;
constexpr int kTrimmedChords = 5;
constexpr int kFoldChords = 5;
constexpr int kTopChords = 10;
constexpr int kRaglanChords = 10;
constexpr int kRaglanOutlineChords = 3;
constexpr float kTopShown = 0.45f;      // of the folded collar end drawn

}  // namespace

TForCoat::TForCoat() : TLapelCollar(kKind) {}

void TForCoat::Construct() { Draft(OpenFrontOfCurrentBodice(), CurrentGarmentType()); }

void TForCoat::Draft(const OpenFront& f, int garmentType) {
    const Vector& A4 = f.Neck.A4;
    const Vector& A5 = f.Neck.A5;
    const Vector& X = f.NeckCentre;

    // 1. Sizes.
    const Sizes sizes = SizesFor(garmentType);
    StandHeight = sizes.standHeight;
    FallWidth = StandHeight + 1.5f;
    Extension = sizes.extension;
    DeflectionBase = sizes.deflectionBase;
    NeckLength = f.Neck.BackNeckLength;
    LapelWidth = 2 * StandHeight + 0.5f;
    const float s1 = StandHeight;
    const float width = 2 * s1 + 1.5f;  // the whole collar at the back

    // 2-3. The break point the overlap s3 ahead of G3, 15 % of the way down
    //      to the waist (while it is not dragged), and its marks.
    PlaceBreak(Vector(f.G3.x + Extension, f.G3.y - (f.G3.y - f.BreakGuide.y) * kBreakDrop), A5, f.Hem.y);

    // 4. С on the shoulder line prolonged past A4; С1 up the roll line.
    C = A4 + eVector(f.ShoulderEnd, A4) * (s1 - 0.5f);
    Vector u2 = eVector(L1, C);
    C1 = C + u2 * (NeckLength + 0.5f);

    // 5. The roll line met with the neck circle, on the side of L1.
    const float r = Geom::Distance(X, A5);
    F = Geom::RoundCorner2(X, r, L1, C);

    // 6. С1 swung about F until the chord is s1 + s2 − Пк/8.
    const float R = Geom::Distance(F, C1);
    const double chord = double(s1) + DeflectionBase - kPostureShare * double(f.Posture);
    const float theta = FloatStore::Scalar(
        2 * Checked::Asin(Checked::Div(chord, 2.0 * R, "jacket collar swing"), "jacket collar swing"),
        "jacket collar swing");
    Vector::Rotate(u2, theta);
    SwungEnd = F + u2 * R;

    // 7. С6: where the tangent from SwungEnd touches the neck circle.
    const double d = Geom::Distance(SwungEnd, X);
    const float h = FloatStore::Scalar(Checked::Sqrt(d * d - double(r) * r, "jacket collar tangent"),
                                       "jacket collar tangent");
    C6 = Geom::CircleCross(SwungEnd, X, h, r, 0);

    // 8. The neck edge С6 -> 6 -> SwungEnd.
    const eVector u3(C6, SwungEnd);
    P5 = SwungEnd - u3 * (Geom::Distance(SwungEnd, C6) / 3);
    P6 = Geom::IntersectLines(SwungEnd, P5, eVector(SwungEnd, A4), nVector(SwungEnd, C6));
    BackCtrl = P6 + u3 * (Geom::Distance(P5, SwungEnd) / 3);
    const float span = Geom::Distance(P5, C6);
    NeckCtrl2 = P6 - u3 * (0.25f * span);
    NeckCtrl1 = C6 + u3 * (0.1f * span);

    // 9. The bodice's neckline from С6 (the back arcs and the circular arc
    //    A4 -> С6) against the collar's neck edge.
    const double garmentNeck =
        double(NeckLength) +
        2.0 * r * Checked::Asin(Checked::Div(Geom::Distance(A4, C6), 2.0 * r, "jacket collar neck"), "jacket collar neck");
    LengthDiff = FloatStore::Scalar(garmentNeck - Bezier3::Length(C6, NeckCtrl1, NeckCtrl2, P6, kNeckChords) -
                                        Bezier2::ArcLength(P6, BackCtrl, SwungEnd, 0, 1),
                                    "jacket collar neck");

    // 10. The back end: SwungEnd itself, trimmed back along the edge, or the
    //     edge prolonged straight.
    TrimParam = 0;
    Vector n;
    if (LengthDiff < 0) {
        TrimParam = Bezier2::ParamAtChordLength(SwungEnd, BackCtrl, P6, -LengthDiff, kTrimSteps);
        C2 = Bezier2::Point(SwungEnd, BackCtrl, P6, TrimParam);
        n = Bezier2::Normal(SwungEnd, BackCtrl, P6, TrimParam);
    } else {
        n = nVector(SwungEnd, BackCtrl);
        C2 = LengthDiff > 0 ? SwungEnd + eVector(BackCtrl, SwungEnd) * LengthDiff : SwungEnd;
    }
    C3 = C2 + n * s1;
    C4 = C3 + n * FallWidth;

    // 11. The collar's end: the line SwungEnd–A4 (in every case) met with
    //     the front neck curve, and the whole collar width out from there.
    CrossParam = 0.5f;
    EdgeCross = Bezier3::CrossLine(A4, eVector(SwungEnd, A4), P6, NeckCtrl2, NeckCtrl1, C6, CrossParam);
    OuterCross = EdgeCross + Bezier3::Normal(P6, NeckCtrl2, NeckCtrl1, C6, CrossParam) * width;

    // 12. The collar's roll line and where the bodice's roll line meets
    //     the line from С6 to the neck centre.
    const eVector roll(L1, C);
    RollCtrl = Geom::IntersectLines(L1, C3, roll, nVector(C3, C2));
    const eVector toCentre(C6, X);
    RollPoint = Geom::IntersectLines(C6, L1, toCentre, roll);
    C6Bar[0] = C6 - toCentre * kNotchHalfBar;
    C6Bar[1] = C6 + toCentre * kNotchHalfBar;

    // 13. The lapel and the collar's end.
    LapelPoint = A5 + nVector(C, L1) * LapelWidth;
    LapelCorner = Vector(A5.x + LapelWidth, A5.y);
    TopCtrl2 = OuterCross + nVector(OuterCross, EdgeCross) * (0.5f * Geom::Distance(OuterCross, LapelPoint));
    TopCtrl1 = C6 + toCentre * width;

    // 14. The lengths shown and the limits of the next drag.
    PlaceRoll(C, f.G3, A5, A5.y - kBelowA5);

    // 15. The lapel folded back across the roll line.
    const eVector u(RollPoint, L1);
    const Vector across = Vector::Perpendicular(u);
    const auto fold = [&](const Vector& p) { return Geom::MirrorInAxes(RollPoint, p, u, across); };
    MirroredCentre = fold(X);
    MirroredOuterCross = fold(OuterCross);
    MirroredTopCtrl2 = fold(TopCtrl2);
    MirroredLapelPoint = fold(LapelPoint);
    MirroredA5 = fold(A5);
    MirroredLapelCorner = fold(LapelCorner);

    // 16. The extent box.
    SetBox(std::min(C2.x, SwungEnd.x), std::max(LapelCorner.x, BreakPoint.Point.x), C4.y, f.B21.y);
}

void TForCoat::DrawPiece(TDrawContext& dc) const {
    const OpenFront f = OpenFrontOfCurrentBodice();
    const Vector& A4 = f.Neck.A4;
    const Vector& A5 = f.Neck.A5;
    const Vector& X = f.NeckCentre;
    const float width = 2 * StandHeight + 1.5f;

    // 1. The moved front edge, the marks at the break level, the roll line
    //    up to С and the lines through С.
    DrawFrontEdge(dc, f.Hem);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(C);
    dc.LineTo(A4);
    dc.MoveTo(C);
    dc.LineTo(C1);

    // 2. The swing, and the construction of the neck edge.
    dc.Arc3(F, C1, SwungEnd, 1, kArcChords);
    dc.LineTo(P5);
    dc.LineTo(P6);
    dc.MoveTo(P5);
    dc.LineTo(C6);
    dc.MoveTo(C6Bar[0]);
    dc.LineTo(C6Bar[1]);

    // 3. The neck edge and the back line.
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier3(C6, NeckCtrl1, NeckCtrl2, P6, kNeckChords);
    if (LengthDiff < 0) {
        dc.Bezier2Part(P6, BackCtrl, SwungEnd, 0, 1 - TrimParam, kArcChords);
        dc.SetPenWidth(kConstructionPen);
        dc.Bezier2Part(P6, BackCtrl, SwungEnd, 1 - TrimParam, 1, kTrimmedChords);
        dc.MoveTo(C2);
        dc.SetPenWidth(OutlinePen(dc));
    } else {
        dc.Bezier2(P6, BackCtrl, SwungEnd, kArcChords);
        if (LengthDiff > 0) dc.LineTo(C2);
    }
    dc.LineTo(C4);

    // 4. The outer edge, the collar's end and the lapel.
    dc.OffsetBezier2(SwungEnd, BackCtrl, P6, LengthDiff < 0 ? TrimParam : 0.0f, 1, width, kArcChords);
    dc.OffsetBezier3(P6, NeckCtrl2, NeckCtrl1, C6, 0, CrossParam, width, kNeckChords);
    dc.Bezier3(OuterCross, TopCtrl1, TopCtrl2, LapelPoint, kNeckChords);
    dc.LineTo(A5);
    dc.LineTo(LapelCorner);
    dc.LineTo(L1);

    // 5. The lapel folded back.
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(MirroredLapelCorner);
    dc.LineTo(MirroredA5);
    dc.Arc3(MirroredCentre, MirroredA5, F, 1, kFoldChords);
    dc.MoveTo(MirroredA5);
    dc.LineTo(MirroredLapelPoint);
    dc.Bezier2Part(MirroredLapelPoint, MirroredTopCtrl2, MirroredOuterCross, 0, kTopShown, kTopChords);

    // 6. The collar's roll line.
    dc.MoveTo(RollPoint);
    dc.Bezier2(RollPoint, RollCtrl, C3, kNeckChords);

    // 7. The neckline on a raglan sleeve, round to A41, bold from С6.
    if (f.RaglanNeck) {
        dc.MoveTo(A4);
        if (C6.y > f.A41.y) {
            dc.Arc3(X, A4, C6, 1, kRaglanChords);
            dc.SetPenWidth(OutlinePen(dc));
            dc.Arc3(X, C6, f.A41, 1, kRaglanOutlineChords);
            dc.SetPenWidth(kConstructionPen);
        } else {
            dc.Arc3(X, A4, f.A41, 1, kRaglanChords);
        }
    }
}

void TForCoat::LabelPiece(TDrawContext& dc, bool printer) const {
    static const Labels::Row<TForCoat> kLabels[] = {
        {"С3", &TForCoat::C3, 8}, {"С4", &TForCoat::C4, 2}, {"С1", &TForCoat::C1, 3},
        {"С2", &TForCoat::C2, 7}, {"5", &TForCoat::P5, 4},  {"6", &TForCoat::P6, 2},
        {"С", &TForCoat::C, 2},   {"С6", &TForCoat::C6, 2}, {"F", &TForCoat::F, 4},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
    LabelBreak(dc, printer);
    const OpenFront f = OpenFrontOfCurrentBodice();
    if (f.RaglanNeck) Labels::Put(dc, printer, f.Neck.A4, "A4", 1);
}
