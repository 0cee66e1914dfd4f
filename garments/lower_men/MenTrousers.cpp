#include "garments/lower_men/MenTrousers.h"

#include <cmath>
#include <string>
#include <vector>

#include "garments/common/PatternSheets.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"

namespace MenTrousers {

float F(double v) { return FloatStore::Scalar(v, "men's trousers draft"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    const Vector x = Geom::IntersectLines(p, q, d, e);
    return Vector(F(x.x), F(x.y));
}

BackHipLine TurnedBackHip(float hipY, float seatY, float w, float angle, double shift, double crotchWidth) {
    const double a = angle;
    BackHipLine l;
    l.B3 = Vector(F(-(std::cos(a) * w + shift + crotchWidth) / 2.0), hipY);
    l.B4 = Vector(F(double(l.B3.x) + w), hipY);
    l.B5 = Vector(F(l.B3.x + std::cos(a) * w), F(hipY + std::sin(a) * w));
    l.C3 = Vector(F(l.B5.x + shift), seatY);
    l.C4 = Vector(F(l.C3.x + crotchWidth), seatY);
    return l;
}

WaistDart BackWaistDart(const Vector& sideEnd, const Vector& centreEnd, const Vector& middle, const Vector& n,
                        double depth, double rise, double halfWidth) {
    WaistDart d;
    d.apex = Geom::PointAlong(middle, n, F(-depth));
    const Vector top = Geom::PointAlong(middle, n, F(rise));
    d.sideLeg = Toward(top, sideEnd, halfWidth);
    d.centreLeg = Toward(top, centreEnd, halfWidth);
    // The centre leg mirrored in the dart's centre line: its direction
    // b3 → b5 turned once more by the angle at the apex from b3 → b21 to
    // b3 → b5.  Where it meets the waist line through the middle, the
    // dart's middle is set at the same distance from the apex.
    Vector r = Vector::UnitBetween(d.apex, d.centreLeg);
    Vector::Rotate(r, Geom::Angle(top, d.apex, d.centreLeg));
    const Vector q = Cross(top, Vector::UnitBetween(top, centreEnd), d.apex, r);
    d.top = Geom::PointAlong(d.apex, n, Geom::Distance(d.apex, q));
    return d;
}

PocketLine BackPocket(const Vector& apex, const Vector& sideEnd, const Vector& centreEnd) {
    const Vector u = Vector::UnitBetween(sideEnd, centreEnd);
    const Vector n = Vector::UnitNormalBetween(sideEnd, centreEnd);
    return {Geom::PointAlong(apex, u, -7.0f), Geom::PointAlong(apex, u, 7.0f), n * 0.2f};
}

Vector CrotchControl(const Vector& flyBottom, const Vector& flyDir, const Vector& seatPoint, const Vector& seatDir,
                     Vector* corner) {
    const Vector g = Cross(flyBottom, flyDir, seatPoint, seatDir);
    if (corner) *corner = g;
    return Geom::PointAlong(g, flyDir, F(-Geom::Distance(flyBottom, g) / 3.0));
}

float SeamLength(float backCurve, float backCentre, float backStep, float fly, float frontCurve) {
    float seam = backCurve;
    seam = F(double(seam) + backCentre);
    seam = F(double(seam) + backStep);
    seam = F(double(seam) + fly);
    return F(double(seam) + frontCurve);
}

}  // namespace MenTrousers

using namespace MenTrousers;

namespace {
// Every point of the draft, labelled or not, as one array.
static_assert(sizeof(MenTrouserPoints) % sizeof(Vector) == 0, "the points are Vectors only");
constexpr int kPointCount = int(sizeof(MenTrouserPoints) / sizeof(Vector));
}  // namespace

TMenTrousersDraft::TMenTrousersDraft(const MenTrousersKind& kind) : TLowerGarment(kind.column), kind_(kind) {}

std::vector<MeasureSlot> TMenTrousersDraft::Slots() { return FieldSlots(*this, kind_.fields); }

// Equal sums (E = 0) pass.
bool TMenTrousersDraft::CheckMeasures() { return WaistWithinHips(WaistHalfGirth, WaistEase, HipHalfGirth, HipEase); }

std::string TMenTrousersDraft::SeamLabelText() const { return Labels::CrotchSeamText(CrotchSeam); }

void TMenTrousersDraft::Calculate() {
    MenTrouserPoints& points = *this;
    KeepingTheLastDraft(
        [&] {
            points = MenTrouserPoints{};
            Draft();
        },
        points, Surplus, SideBulge, CrotchSeam, BackBulge);
    calculated = true;
}

// ---------------------------------------------------------------------------
// The tables

namespace {
using D = TMenTrousersDraft;
float Dist(const Vector& a, const Vector& b) { return Geom::Distance(a, b); }
float Diff(float a, float b) { return F(double(a) - b); }
}  // namespace

const std::vector<SegmentRule> TMenTrousersDraft::kFrontLevels = {
    {"[ T0, C0 ]", [](const D& d) { return -d.C0.y; }},
    {"[ C0, B0 ]", [](const D& d) { return Diff(d.B0.y, d.C0.y); }},
};

const std::vector<SegmentRule> TMenTrousersDraft::kFrontLeg = {
    {"[ C1, C2 ]", [](const D& d) { return Diff(d.C2.x, d.C1.x); }},
    {"[ K0, K1 ]", [](const D& d) { return -d.K1.x; }},
    {"[ K0, K2 ]", [](const D& d) { return d.K2.x; }},
    {"[ H0, H1 ]", [](const D& d) { return -d.H1.x; }},
    {"[ H0, H2 ]", [](const D& d) { return d.H2.x; }},
    {"[ H0, H01 ]", [](const D&) { return 0.5f; }},
};

const std::vector<SegmentRule> TMenTrousersDraft::kBackKneeToStep = {
    {"[ K0, K3 ]", [](const D& d) { return -d.K3.x; }},
    {"[ K0, K4 ]", [](const D& d) { return d.K4.x; }},
    {"[ H0, H3 ]", [](const D& d) { return -d.H3.x; }},
    {"[ H0, H4 ]", [](const D& d) { return d.H4.x; }},
    {"[ H0, H011 ]", [](const D&) { return 0.5f; }},
    {"[ B, B3 ]", [](const D& d) { return Diff(d.B.x, d.B3.x); }},
    {"[ B3, B4 ]", [](const D& d) { return Diff(d.B4.x, d.B3.x); }},
    // B5 lies on the circle about B3 through B4.
    {"[ B3, B5 ]", [](const D& d) { return Diff(d.B4.x, d.B3.x); }},
    {"[ B4, B5 ]", [](const D& d) { return Dist(d.B4, d.B5); }},
    {"[ C0, C3 ]", [](const D& d) { return d.C3.x; }},
    {"[ B5, T5 ]", [](const D& d) { return Dist(d.B5, d.T5); }},
    {"[ C3, C4 ]", [](const D& d) { return Diff(d.C4.x, d.C3.x); }},
    // C5 lies on the circle about C3 through C4.
    {"[ C3, C5 ]", [](const D& d) { return Diff(d.C4.x, d.C3.x); }},
    {"[ K4, C5 ]", [](const D& d) { return Dist(d.K4, d.C5); }},
    {"[ C5, 7 ]", [](const D& d) { return Dist(d.N7, d.C5); }},
    {"[ 7, 8 ]", [](const D& d) { return Dist(d.N7, d.N8); }},
};

std::vector<SegmentRule> TMenTrousersDraft::Join(std::initializer_list<std::vector<SegmentRule>> parts) {
    std::vector<SegmentRule> rows;
    for (const std::vector<SegmentRule>& p : parts) rows.insert(rows.end(), p.begin(), p.end());
    return rows;
}

void TMenTrousersDraft::CalcSegments() {
    auto measure = [this](const std::vector<SegmentRule>& rules) {
        std::vector<ValueTableRow> rows;
        for (const SegmentRule& r : rules) rows.push_back({r.text, r.value(*this)});
        return rows;
    };
    front_ = measure(FrontRules());
    back_ = measure(BackRules());
}

PatternSheets::Box TMenTrousersDraft::Extent() const {
    // Points a draft does not build stay at (0, 0), inside the draft; the
    // pocket tick is a short offset, inside too.
    const Vector* points = &T0;
    PatternSheets::Box box;
    for (int i = 0; i < kPointCount; ++i) box.Take(points[i]);
    return box;
}

void TMenTrousersDraft::DrawPieces(const PieceTarget& t) const {
    DrawPaths(t.dc, t.outline);
    if (t.labels) DrawLabels(t.dc, t.printer);
    Labels::CrotchSeam(t.dc, t.printer, SeamLabelPos, CrotchSeam);
}

// ---------------------------------------------------------------------------
// The shared steps

void TMenTrousersDraft::FrontSideAboveHips(double bulge) {
    const Vector up = Vector::UnitBetween(B, T21);
    N1 = Mid(B, T21);
    N2 = Aside(B, T21, N1, bulge);
    FrontSideTopCtrl = Geom::PointAlong(N2, up, F(Geom::Distance(N1, T21) / 3.0));
    // Where the line through 2 along B → T21 meets the vertical through B.
    FrontSideHipCtrl = Cross(N2, up, B, Vector::UnitBetween(B, T));
}

void TMenTrousersDraft::FrontSideBelowHips(float limit, double factor) {
    // The hem no wider than the limit.
    if (double(H2.x) - H1.x > limit) {
        H1.x = F(-limit / 2.0);
        H2.x = F(limit / 2.0);
    }
    // The bow: `factor` times how far B lies beside the line H1 – K1
    // carried up to the hips.
    const double kneeToHem = double(K.y) - H.y;
    SideBulge = F(factor * ((double(H1.x) - B.x) -
                            (double(H1.x) - K1.x) * Checked::Div(double(B.y) - H.y, kneeToHem, "knee at the hem")));
    if (SideBulge <= 0.0f) {
        // No bow: the side runs straight from B through K1 to the hem.
        H1.x = F(K1.x + (double(K1.x) - K.x) * Checked::Div(kneeToHem, double(B.y) - K.y, "knee at the hips"));
        H2.x = F(-double(H1.x));
    }
    N3 = Mid(B, K1);
    if (SideBulge > 0.0f) {
        N4 = Aside(B, K1, N3, SideBulge);
        FrontSideKneeCtrl = Cross(N4, Vector::UnitBetween(B, K1), K1, Vector::UnitBetween(H1, K1));
    } else {
        N4 = N3;  // 4 → K1 is a straight line; its control point is not used
    }
    FrontSideCtrlB = Geom::PointAlong(B, Vector::UnitBetween(T, B), F(Geom::Distance(B, K) / 8.0));
    FrontSideCtrl4 = Geom::PointAlong(N4, Vector::UnitBetween(B, K1), F(-Geom::Distance(B, K1) / 8.0));
    // The hem curves 0.5 cm down through the crease line.
    HemControls(-H2.x, H2.x, H01.y, FrontHemCtrl1, FrontHemCtrl2);
}

void TMenTrousersDraft::FrontInseam() {
    const Vector up = Vector::UnitBetween(K2, C2);
    const float leg = Geom::Distance(K2, C2);
    N5 = Geom::PointAlong(C2, up, F(-leg / 3.0));
    const double bow = (double(C2.x) - C11.x) -
                       (double(K2.x) - H2.x) * Checked::Div(double(C.y) - K.y, double(K.y) - H.y, "knee at the hem");
    N6 = Aside(K2, C2, N5, 0.3 * bow);
    FrontInseamKneeCtrl = Cross(K2, Vector::UnitBetween(H2, K2), N6, up);
    FrontInseamCtrl = Geom::PointAlong(N6, up, F(leg / 9.0));
}

void TMenTrousersDraft::BackKneeAndHem() {
    K4 = Vector(F(K2.x + 1.5), K0.y);
    K3 = Vector(-K4.x, K0.y);
    H4 = Vector(F(H2.x + 1.5), H0.y);
    H3 = Vector(-H4.x, H0.y);
    H011 = Vector(0, F(H0.y - 0.5));
    HemControls(H3.x, H4.x, H011.y, BackHemCtrl1, BackHemCtrl2);
}

void TMenTrousersDraft::BackWaist(double waist, double depth) {
    const double E = Surplus;
    // The back inside leg 0.98 of the front's; C5 on the circle about C3
    // through C4.
    C5 = Geom::CircleCross(K4, C3, F(0.98 * Geom::Distance(K2, C2)), F(double(C4.x) - C3.x), 0);
    T3 = Geom::PointAlong(B3, Vector::UnitBetween(K3, B3), Geom::Distance(B, T21));
    T6 = Toward(T5, T3, waist);
    // The dart halfway along the waist.
    b2 = Mid(T6, T5);
    BackWaistDart(T6, T5, b2, Vector::UnitNormalBetween(T3, T5), depth, E / 12.0, E / 8.0).Into(b3, b21, b4, b5);
    const PocketLine pocket = BackPocket(b3, T6, T5);
    P = pocket.P;
    P1 = pocket.P1;
    PocketTick = pocket.tick;
    // The back side above the hips bulges only while the waist ends short
    // of T3.
    N9 = Mid(T6, B3);
    BackBulge = double(Geom::Distance(T3, T5)) - Geom::Distance(T6, T5) > 0.0;
    N10 = BackBulge ? Aside(B3, T6, N9, Geom::Distance(T3, T6) / 4.0) : N9;
    const Vector down = Vector::UnitBetween(T6, B3);
    const float handle = F(Geom::Distance(T6, B3) / 6.0);
    BackSideTopCtrl = Geom::PointAlong(N10, down, -handle);
    BackSideHipCtrl = Geom::PointAlong(N10, down, handle);
}

void TMenTrousersDraft::BackSeams(double factor, double nearB3, double near12) {
    // The back side below the hips.
    N11 = Mid(B3, K3);
    const double bow = (double(H3.x) - B3.x) -
                       (double(H3.x) - K3.x) * Checked::Div(double(B.y) - H.y, double(K.y) - H.y, "knee at the hem");
    N12 = Aside(B3, K3, N11, factor * bow);
    const float upper = Geom::Distance(B3, N11);
    // The cubic leaves B3 along the curve that comes down from 10.
    BackSideCtrlB3 = Geom::PointAlong(B3, Vector::UnitBetween(BackSideHipCtrl, B3), F(nearB3 * upper));
    BackSideCtrl12 = Geom::PointAlong(N12, Vector::UnitBetween(B3, K3), F(-near12 * upper));
    BackSideKneeCtrl = Cross(N12, Vector::UnitBetween(B3, K3), K3, Vector::UnitBetween(H3, K3));
    // The back inside leg K4 → 8 → C5.
    const Vector up = Vector::UnitBetween(K4, C5);
    N7 = Mid(K4, C5);
    N8 = Aside(K4, C5, N7, 0.2 * (double(C5.x) - K4.x));
    BackInseamKneeCtrl = Cross(K4, Vector::UnitBetween(H4, K4), N8, up);
    BackInseamCtrl = Geom::PointAlong(N8, up, F(Geom::Distance(N7, C5) / 3.0));
    // The back step.
    BackStep = Mid(C3, C5);
}

void TMenTrousersDraft::FrontPocket(const Vector& shortWaist, Vector& sideEnd) {
    if (Arc(T21, WaistCtrl, b1) > 3.0f)
        T4 = Bezier2::PointAtChordLength(T21, WaistCtrl, b1, 3.0f, 20);
    else
        T4 = shortWaist;
    const float reach = F(0.2 * HipHalfGirth + 9.0);
    if (Geom::Distance(T4, B) < reach)
        sideEnd = Bezier3::CrossCircle(T4, reach, B, FrontSideCtrlB, FrontSideCtrl4, N4, 20);
    else
        sideEnd = B;
    PocketMark = Toward(T4, sideEnd, 3.0);
    PocketMarkTick = Aside(T4, sideEnd, PocketMark, 1.0);
}

// ---------------------------------------------------------------------------
// Drawing both drafts share

void TMenTrousersDraft::DrawOutline(TDrawContext& dc, int thick, const Vector& flyTop, bool curvedFly) const {
    // The front from the side waist down, round the hem, up the inside leg
    // and the crotch, the fly and the waist.
    dc.SetPenWidth(thick);
    dc.Bezier2(T21, FrontSideTopCtrl, N2, 20);
    dc.Bezier2(N2, FrontSideHipCtrl, B, 20);
    dc.Bezier3(B, FrontSideCtrlB, FrontSideCtrl4, N4, 20);
    if (SideBulge > 0.0f)
        dc.Bezier2(N4, FrontSideKneeCtrl, K1, 20);
    else
        dc.LineTo(K1);
    dc.LineTo(H1);
    dc.Bezier2(H1, FrontHemCtrl1, H01, 10);
    dc.Bezier2(H01, FrontHemCtrl2, H2, 10);
    dc.LineTo(K2);
    dc.Bezier2(K2, FrontInseamKneeCtrl, N6, 15);
    dc.Bezier2(N6, FrontInseamCtrl, C2, 15);
    dc.Bezier2(C2, FrontCrotchCtrl, B11, 30);
    if (curvedFly) dc.Bezier3(B11, FlyCtrl1, FlyCtrl2, FlyEnd, 20);
    dc.LineTo(flyTop);
    dc.LineTo(b1);
    dc.SetPenWidth(1);
    dc.LineTo(WaistMarkDown);
    dc.MoveTo(WaistMarkFrom);
    dc.LineTo(WaistMarkTo);
    dc.MoveTo(b1);
    dc.SetPenWidth(thick);
    dc.Bezier2(b1, WaistCtrl, T21, 15);

    // The back from the side waist down, round the hem, up the inside leg,
    // the crotch and the centre, then the waist with the open dart.
    dc.MoveTo(T6);
    if (BackBulge) {
        dc.Bezier2(T6, BackSideTopCtrl, N10, 10);
        dc.Bezier2(N10, BackSideHipCtrl, B3, 10);
    } else {
        dc.LineTo(B3);
    }
    dc.Bezier3(B3, BackSideCtrlB3, BackSideCtrl12, N12, 20);
    dc.Bezier2(N12, BackSideKneeCtrl, K3, 20);
    dc.LineTo(H3);
    dc.Bezier2(H3, BackHemCtrl1, H011, 10);
    dc.Bezier2(H011, BackHemCtrl2, H4, 10);
    dc.LineTo(K4);
    dc.Bezier2(K4, BackInseamKneeCtrl, N8, 20);
    dc.Bezier2(N8, BackInseamCtrl, C5, 15);
    dc.LineTo(BackStep);
    dc.Bezier2(BackStep, C3, BackCrotchTop, 30);
    dc.LineTo(T5);
    dc.LineTo(b5);
    dc.LineTo(b21);
    dc.LineTo(b4);
    dc.MoveTo(b3);
    dc.SetPenWidth(1);
    dc.LineTo(b5);
    dc.MoveTo(b21);
    dc.LineTo(b3);
    dc.LineTo(b4);
    dc.SetPenWidth(thick);
    dc.LineTo(T6);
}

void TMenTrousersDraft::DrawBackHipLines(TDrawContext& dc) const {
    dc.SetPenWidth(1);
    if (BackBulge) {
        dc.LineTo(N9);
        dc.LineTo(N10);
        dc.MoveTo(N9);
        dc.LineTo(B3);
    } else {
        dc.MoveTo(B3);
    }
    dc.LineTo(B5);
    dc.Arc3(B3, B4, B5, 0, 10);
}

void TMenTrousersDraft::DrawPocketLine(TDrawContext& dc, const Vector& first, const Vector& second) const {
    dc.MoveTo(first + PocketTick);
    dc.LineTo(first - PocketTick);
    dc.MoveTo(first);
    dc.LineTo(second);
    dc.MoveTo(second - PocketTick);
    dc.LineTo(second + PocketTick);
}

namespace {
using P = MenTrouserPoints;
const Labels::Row<MenTrouserPoints> kSeatToHemLabels[] = {
    {"C11", &P::C11, 3},   {"C2", &P::C2, 2},   {"C4", &P::C4, 2},  {"C5", &P::C5, 3},  {"6", &P::N6, 1},
    {"5", &P::N5, 3},      {"8", &P::N8, 1},    {"7", &P::N7, 3},   {"K2", &P::K2, 8},  {"K4", &P::K4, 3},
    {"H4", &P::H4, 3},     {"H2", &P::H2, 8},   {"H011", &P::H011, 3}, {"H01", &P::H01, 2}, {"H0", &P::H0, 7},
    {"H1", &P::H1, 2},     {"H3", &P::H3, 5},   {"H", &P::H, 5},    {"K0", &P::K0, 2},  {"K1", &P::K1, 2},
    {"K3", &P::K3, 8},     {"K", &P::K, 5},     {"11", &P::N11, 5}, {"12", &P::N12, 2}, {"3", &P::N3, 4},
    {"4", &P::N4, 2},      {"C", &P::C, 4},
};
}  // namespace

void TMenTrousersDraft::DrawSeatToHemLabels(TDrawContext& dc, bool printer) const {
    // C1 and C3 share the seat line: the left one is written to its left.
    PatternSheets::LabelC1C3(dc, printer, C1, C3);
    Labels::PutAll(dc, printer, static_cast<const MenTrouserPoints&>(*this), kSeatToHemLabels);
}
