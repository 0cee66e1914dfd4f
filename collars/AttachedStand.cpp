#include "collars/AttachedStand.h"

#include <algorithm>

#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kFallGap = 1.5f;     // the fall above the stand's top edge
constexpr float kDipDepth = 0.5f;    // the neck edge's dip below the baseline
constexpr float kFallBulge = 0.3f;   // the fall's lower edge raised at its middle front
constexpr float kFrontRaise = 1.0f;  // B51 above B5
constexpr int kFrontChords = 21;
constexpr int kCornerChords = 10;

}  // namespace

AttachedStandSizes AttachedStandSizesFor(int type) {
    switch (CollarGarmentGroupOf(type)) {
        case CollarGarmentGroup::WomensJacket: return {3.0f, 2.0f};
        case CollarGarmentGroup::WomensCoat:
        case CollarGarmentGroup::MensWinterCoat: return {4.0f, 3.0f};
        case CollarGarmentGroup::MensJacket: return {3.0f, 1.5f};
        case CollarGarmentGroup::MensAutumnCoat: return {3.5f, 3.0f};
        case CollarGarmentGroup::Blazer: return {2.5f, 2.0f};
        default: return {2.5f, 1.5f};
    }
}

TAttachedStand::TAttachedStand() : TCollarFrame(kKind) {}

void TAttachedStand::Construct() { Draft(NeckOfCurrentBodice(), CurrentGarmentType()); }

void TAttachedStand::Draft(const BodiceNeck& neck, int garmentType) {
    const char* what = "collar with attached stand";
    // 1. N and L.
    NeckLength = neck.BackNeckLength;
    FrontRise = FloatStore::Scalar(double(Geom::Distance(neck.A4, neck.A5)) * kPi * (1.0 / 3.0), what);
    const float N = NeckLength, L = FrontRise;

    // 2. The sizes of the garment.
    const AttachedStandSizes sizes = AttachedStandSizesFor(garmentType);
    StandHeight = sizes.StandHeight;
    Extension = sizes.Extension;
    const float H = StandHeight;

    // 3. The stand's neck edge: the back neckline to A2, the front one to
    //    A1, dipping 0.5 cm half-way along the front one.
    A = Vector(0, 0);
    B = Vector(0, H);
    A2 = Vector(N, 0);
    A1 = Vector(FloatStore::Scalar(double(N) + L, what), 0);
    DipTop = Vector(FloatStore::Scalar((double(N) + A1.x) * 0.5, what), 0);
    Dip = Vector(DipTop.x, -kDipDepth);

    // 4. Along the front part of the neck edge, and square to it.
    const eVector l(Dip, A1);
    const Vector n = Vector::Perpendicular(l);
    const Vector e(1, 0);

    // 5. The stand's front end at height H, square to Dip -> A1 through A1.
    B1 = Geom::IntersectLines(A1, B, n, e);

    // 6. The extension, e beyond A1, with its curved front edge.
    O1 = A1 + l * Extension;
    O = Geom::IntersectLines(O1, B1, n, e);
    FrontMid = O1 + n * (Geom::Distance(O1, O) * 0.5f);

    // 7. The neck edge's rounded corners at A2 and at Dip.
    const float r1 = Geom::Distance(A2, Dip) * (1.0f / 3.0f);
    NeckCorner1 = Vector(A2.x - r1, A2.y);
    NeckCorner4 = Dip + l * r1;
    const eVector w(Dip, A2);
    NeckCorner3 = Dip + w * r1;
    NeckCorner2 = A2 - w * r1;

    // 8. The fall, 1.5 cm above the stand, H + 1.5 high at the back.
    A3 = Vector(0, H + kFallGap);
    B3 = Vector(0, (H + kFallGap) + H + kFallGap);
    A5 = Vector(B1.x, A3.y);
    B5 = Vector(B1.x, B3.y);
    A4 = Vector(B1.x * 0.5f, A3.y);
    B4 = Vector(B1.x * 0.5f, B3.y);
    B51 = Vector(B1.x, B3.y + kFrontRaise);
    A51 = B1;

    // 9. The fall's lower edge bulges 0.3 cm at the middle of A4 -> A51.
    FallMid = (A4 + A51) * 0.5f;
    FallBulge = FallMid + nVector(A4, A51) * kFallBulge;

    // 10. The front corner: on B4 -> B51 prolonged, square to
    //     FallBulge -> A51 through A51.
    B6 = Geom::IntersectLines(B51, A51, eVector(B4, B51), nVector(FallBulge, A51));

    // 11. The outer edge's rounded corner at B4.
    const float r2 = B4.x * (1.0f / 3.0f);
    OuterCorner2 = B4 + eVector(B4, B51) * r2;
    OuterCorner1 = Vector(B4.x - r2, B4.y);

    // 12. The lower edge's rounded corners at A4 and at FallBulge.
    const float r3 = Geom::Distance(A4, FallBulge) * (1.0f / 3.0f);
    const eVector u(A4, FallBulge);
    FallCorner2 = A4 + u * r3;
    FallCorner3 = FallBulge - u * r3;
    FallCorner1 = Vector(A4.x - r3, A4.y);
    FallCorner4 = FallBulge + eVector(FallBulge, A51) * r3;

    // 13. The extent box.
    SetBox(A.x, std::max(O1.x, B6.x), B6.y, Dip.y);
}

void TAttachedStand::DrawPiece(TDrawContext& dc) const {
    // 1. The stand's back and top edges and the extension.
    dc.SetPenWidth(OutlinePen(dc));
    Path(dc, {A, B, B1});
    dc.Bezier2(B1, O, FrontMid, kFrontChords);
    LinesTo(dc, {O1, A1});
    // 2. Construction lines.
    dc.SetPenWidth(kConstructionPen);
    LinesTo(dc, {B1, O, FrontMid});
    Path(dc, {A1, NeckCorner1});
    Path(dc, {A2, NeckCorner2});
    Path(dc, {NeckCorner3, Dip, NeckCorner4});
    Path(dc, {DipTop, Dip});
    // 3. The stand's neck edge.
    dc.MoveTo(A1);
    dc.SetPenWidth(OutlinePen(dc));
    RoundedCorner(dc, NeckCorner4, Dip, NeckCorner3, kCornerChords);
    RoundedCorner(dc, NeckCorner2, A2, NeckCorner1, kCornerChords);
    dc.LineTo(A);
    // 4. The fall's back edge and outer edge to the corner; its
    //    construction lines.
    Path(dc, {A3, B3, OuterCorner1});
    dc.SetPenWidth(kConstructionPen);
    LinesTo(dc, {B4, OuterCorner2});
    Path(dc, {B4, B5});
    Path(dc, {B51, A51});
    Path(dc, {A5, FallCorner1});
    Path(dc, {A4, A51});
    Path(dc, {FallCorner4, FallBulge, FallMid});
    Path(dc, {FallBulge, FallCorner3});
    Path(dc, {FallCorner2, A4});
    // 5. The fall's lower edge, front edge and the rest of the outer edge.
    dc.MoveTo(FallCorner1);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(FallCorner1, A4, FallCorner2, kCornerChords);
    RoundedCorner(dc, FallCorner3, FallBulge, FallCorner4, kCornerChords);
    LinesTo(dc, {A51, B6});
    RoundedCorner(dc, OuterCorner2, B4, OuterCorner1, kCornerChords);
    Path(dc, {FallCorner1, A3});
}

void TAttachedStand::LabelPiece(TDrawContext& dc, bool printer) const {
    using S = TAttachedStand;
    static const Labels::Row<S> kLabels[] = {
        {"A", &S::A, 4},      {"A2", &S::A2, 1},  {"1", &S::DipTop, 1},    {"2", &S::Dip, 3},
        {"A1", &S::A1, 4},    {"O1", &S::O1, 3},  {"O", &S::O, 3},         {"B1", &S::B1, 5},
        {"A51", &S::A51, 2},  {"A5", &S::A5, 8},  {"4", &S::FallBulge, 2}, {"3", &S::FallMid, 4},
        {"A4", &S::A4, 1},    {"B", &S::B, 4},    {"A3", &S::A3, 8},       {"B3", &S::B3, 6},
        {"B4", &S::B4, 1},    {"B51", &S::B51, 6}, {"B5", &S::B5, 7},      {"B6", &S::B6, 2},
    };
    Labels::PutAll(dc, printer, *this, kLabels);
}
