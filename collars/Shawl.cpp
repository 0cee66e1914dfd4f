#include "collars/Shawl.h"

#include <algorithm>
#include <cmath>

#include "collars/Lapel.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

constexpr float kBreakDrop = 0.15f;  // of the way from G3 down to the waist
constexpr float kNeckDrop = 1.0f;
constexpr float kBelowA51 = 1.0f;    // the break point stays this far below A51
constexpr int kArcChords = 20;
constexpr int kNeckChords = 40;
constexpr int kEdgeChords = 60;
constexpr int kRaglanChords = 10;

}  // namespace

TShawl::TShawl() : TLapelCollar(kKind) {}

void TShawl::Construct() { Draft(OpenFrontOfCurrentBodice(), CurrentGarmentType()); }

void TShawl::Draft(const OpenFront& f, int garmentType) {
    const Vector& A4 = f.Neck.A4;
    const Vector& A5 = f.Neck.A5;
    const Vector& X = f.NeckCentre;

    // 1. Sizes.
    const Sizes sizes = SizesFor(garmentType);
    StandHeight = sizes.standHeight;
    Extension = sizes.extension;
    const float s = StandHeight;
    FallWidth = s + 1.5f;
    BreakDrop = (f.G3.y - f.BreakGuide.y) * kBreakDrop;
    NeckDrop = kNeckDrop;
    NeckLength = f.NeckLength;
    const float N = NeckLength;

    // 2-3. The break point e ahead of the hem end, BreakDrop below G3
    //      (while it is not dragged), and its marks.
    PlaceBreak(Vector(f.Hem.x + Extension, f.G3.y - BreakDrop), A5, f.Hem.y);

    // 4-12. The roll line, the neck edge N long, the back edge.
    const float r = Geom::Distance(X, A5);
    DraftFall(L1, A4, X, r, s, N, f.LowNeckExcess);
    const Vector& l = NeckEnd;

    // 13. The tangent from A51, 1 cm below A5, to the neck circle.
    A51 = Vector(A5.x, A5.y - NeckDrop);
    NeckTangent = Lapel::Touch(A51, X, r, 1, "shawl collar neck tangent");

    // 14-15. The outer edge, and where the tangent line meets it.
    const eVector outer(L1, C4);
    OuterCtrl = Geom::IntersectLines(C4, C5, l, outer);
    EdgeCtrl = C5 - outer * (0.25f * Geom::Distance(C5, L1));
    float t = 0.5f;
    L2 = Bezier2::CrossLine(NeckTangent, eVector(NeckTangent, A51), C5, EdgeCtrl, L1, t);

    // 16-17. The lengths shown and the limits of the next drag.
    PlaceRoll(C, f.G3, A5, A51.y - kBelowA51);

    // 18. The extent box.
    SetBox(std::min(C2.x, TurnedEnd.x), BreakPoint.Point.x, C4.y, f.ShawlBottom.y);
}

void TShawl::DrawPiece(TDrawContext& dc) const {
    const OpenFront f = OpenFrontOfCurrentBodice();
    const Vector& A4 = f.Neck.A4;

    // 1-3. The front edge with the marks at the break level, the roll line
    //      to C1 and the turn, the neck edge.
    DrawFrontEdge(dc, f.Hem);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(C1);
    dc.Arc3(F, C1, TurnedEnd, 1, kArcChords);
    dc.LineTo(C2);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(C2, NeckCtrl, A4, kNeckChords);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(C5);

    // 4. The back edge, the roll line, the tangent line.
    dc.MoveTo(C2);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(C3);
    dc.SetPenWidth(kConstructionPen);
    dc.Bezier2(C3, RollCtrl, C, kNeckChords);
    dc.MoveTo(NeckTangent);
    dc.LineTo(L2);

    // 5. The outer edge.
    dc.MoveTo(L1);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(L1, EdgeCtrl, C5, kEdgeChords);
    dc.Bezier2(C5, OuterCtrl, C4, kNeckChords);
    dc.LineTo(C3);

    // 6. The neckline on a raglan sleeve, round to A41, and the front's
    //    top corner.
    if (f.RaglanNeck) {
        dc.MoveTo(A4);
        dc.Arc3(f.NeckCentre, A4, f.A41, 1, kRaglanChords);
        dc.SetPenWidth(kConstructionPen);
        dc.MoveTo(f.a1);
        dc.LineTo(f.A3);
        dc.LineTo(A4);
    }
}

void TShawl::LabelPiece(TDrawContext& dc, bool printer) const {
    static const Labels::Row<TShawl> kLabels[] = {
        {"C3", &TShawl::C3, 8}, {"C4", &TShawl::C4, 6}, {"C2", &TShawl::C2, 5},   {"C1", &TShawl::C1, 2},
        {"C", &TShawl::C, 3},   {"C5", &TShawl::C5, 2}, {"F", &TShawl::F, 2},     {"A51", &TShawl::A51, 3},
        {"L2", &TShawl::L2, 3},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
    LabelBreak(dc, printer);
    const OpenFront f = OpenFrontOfCurrentBodice();
    if (f.RaglanNeck) {
        Labels::Put(dc, printer, f.Neck.A4, "A4", 7);
        Labels::Put(dc, printer, f.A3, "A3", 2);
    }
}
