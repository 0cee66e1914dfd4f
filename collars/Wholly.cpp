#include "collars/Wholly.h"

#include <algorithm>

#include "garments/bodice_women/Dress.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

constexpr float kEdgeShift = 2.5f;
constexpr float kRise = 3.5f;
constexpr float kOuterBase = 0.387f;  // OuterBase along C6 -> A5
constexpr float kOuterCtrl2 = 0.553f;
constexpr float kC7Ease = 2.0f;       // C7 this much farther along than D9 is from C2
constexpr float kBackSheetMargin = 5.0f;
constexpr float kBackSheetDrop = 10.0f;
constexpr int kEdgeChords = 40;
constexpr int kOutlineChords = 20;
constexpr int kBackChords = 10;

bool IsRaglan(int sleeveKind) { return sleeveKind == 5 || sleeveKind == 6; }
bool IsAllInOne(int sleeveKind) { return sleeveKind == 7 || sleeveKind == 8 || sleeveKind == 11; }

int CurrentSleeveKind() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }

// The rigid motion that takes `from` with the axes (v, w) onto `to` with the
// axes (u, n).
Vector Carried(const Vector& p, const Vector& from, const Vector& v, const Vector& w, const Vector& to,
               const Vector& u, const Vector& n) {
    const Vector d = p - from;
    return to + u * Vector::Dot(d, v) + n * Vector::Dot(d, w);
}

}  // namespace

TWholly::TWholly() : TCollarFrame(kKind) {}

void TWholly::Construct() {
    // Offered only with the women's bodices; any other garment fails the
    // calculation.
    const TDress* d = CurrentDress();
    if (!d) Checked::Fail("collar in one with the front: the garment is not a women's bodice");
    const int kind = CurrentSleeveKind();
    TWhollyRaglanHost* host = IsRaglan(kind) ? dynamic_cast<TWhollyRaglanHost*>(MainForm->Sleeve) : nullptr;
    Draft(*d, kind, host);
}

void TWholly::Draft(const TDress& d, int sleeveKind, TWhollyRaglanHost* host) {
    sleeveKind_ = sleeveKind;
    a41_ = d.A41;
    a9_ = d.A9;
    a01_ = d.A01;
    a2_ = d.A2;
    a4_ = d.A4;
    a5_ = d.A5;
    b21_ = d.B21;
    backSheetX_ = kBackSheetMargin - d.B0.x;

    // 1. The points, in order.
    EdgeShift = kEdgeShift;
    Rise = kRise;
    C = Vector(d.A01.x, d.A01.y + Rise);
    C1 = Vector(d.A2.x, d.A2.y + Rise - 1.0f);
    C2 = Vector(C1.x - 1.0f, C1.y);
    BackRise = Vector(d.A2.x, d.A2.y + 0.8f);
    BackStart = d.A2 + eVector(d.A2, d.Q1) * 1.0f;
    C5 = Vector(d.A4.x, d.A4.y + Rise - 1.0f);
    C6 = Vector(C5.x + 0.5f, C5.y);
    EdgeTop = Vector(d.G3.x + EdgeShift, d.G3.y);
    EdgeFoot = Vector(EdgeTop.x, d.B21.y);
    ShoulderRise = Vector(d.A4.x, d.A4.y + 1.0f);
    BackCtrl = Geom::IntersectLines(BackRise, BackStart, eVector(C2, BackRise), eVector(d.Q2, d.A2));
    BackTopCtrl = Geom::IntersectLines(C, C2, eVector(d.A, d.a), nVector(BackRise, C2));
    const eVector shoulder(d.A8, d.A4);
    ShoulderStart = d.A4 - shoulder * 1.0f;
    ShoulderCtrl = Geom::IntersectLines(d.A4, C6, shoulder, eVector(C6, ShoulderRise));
    const eVector outer(C6, d.A5);
    OuterBase = C6 + outer * (kOuterBase * Geom::Distance(C6, d.A5));
    OuterMid = OuterBase + nVector(C6, d.A5) * 1.0f;
    OuterCtrl1 = OuterMid - outer * (0.5f * Geom::Distance(C6, OuterBase));
    OuterCtrl2 = OuterMid + outer * (kOuterCtrl2 * Geom::Distance(OuterBase, d.A5));
    EdgeCtrl = Geom::IntersectLines(d.A5, EdgeTop, eVector(OuterCtrl2, d.A5), eVector(d.G3, d.a1));

    // 2. The extent box.
    SetBox(C.x, EdgeTop.x, C6.y, EdgeFoot.y);

    // 3. With a raglan sleeve, the parts on the sleeve.
    if (IsRaglan(sleeveKind)) DraftOnRaglan(d, host);
}

void TWholly::DraftOnRaglan(const TDress& d, TWhollyRaglanHost* host) {
    WhollyOnSleeve parts;
    // 1, 2. D9 on the back top curve, and how far along the front part C7
    //       lies.
    FootParam = 0.5f;
    D9 = Bezier2::PerpendicularFrom(d.A9, C2, BackTopCtrl, C, FootParam, 1);
    parts.NeckParam = FootParam;
    C7Length = Bezier2::ArcLength(C2, BackTopCtrl, C, 0, FootParam) + kC7Ease;

    // 3. The back part carried from the back shoulder onto the sleeve.
    {
        const eVector u(d.Q3, d.P1);
        const nVector n(d.Q3, d.P1);
        const eVector v(d.A2, d.Q1);
        const nVector w(d.A2, d.Q1);
        SleeveBack1 = d.Q3 - u * Geom::Distance(d.Q1, BackStart);
        SleeveBack2 = d.Q3 - u * Geom::Distance(d.Q1, BackCtrl);
        const Vector back[4] = {BackRise, C2, BackTopCtrl, C};
        for (int i = 0; i < 4; ++i) MovedBack[i] = Carried(back[i], BackStart, v, w, SleeveBack1, u, n);
    }

    // 5. C7 along the front part's outer edge.
    OuterArcLength = Bezier2::ArcLength(C6, OuterCtrl1, OuterMid, 0, 1);
    C7Param = 0;
    if (C7Length <= OuterArcLength) {
        C7Arc = 1;
        C7 = Bezier2::PointAtLength(C6, OuterCtrl1, OuterMid, C7Param, C7Length);
    } else {
        C7Arc = 2;
        C7Length -= OuterArcLength;
        C7 = Bezier2::PointAtLength(OuterMid, OuterCtrl2, d.A5, C7Param, C7Length);
    }

    // 6. The front part carried from the front shoulder onto the sleeve.
    {
        const eVector u(d.P7, d.A7);
        const nVector n(d.P7, d.A7);
        const eVector v(d.A8, d.A4);
        const nVector w(d.A8, d.A4);
        SleeveFront1 = d.P7 + u * Geom::Distance(d.A8, ShoulderStart);
        SleeveFront2 = d.P7 + u * Geom::Distance(d.A8, ShoulderCtrl);
        const Vector front[6] = {ShoulderRise, C6, OuterCtrl1, OuterMid, OuterCtrl2, d.A5};
        for (int i = 0; i < 6; ++i) MovedFront[i] = Carried(front[i], ShoulderStart, v, w, SleeveFront1, u, n);
    }

    // 4, 7. Into the sleeve's frames.
    if (host) {
        AxesSystem& backFrame = host->WhollyBackFrame();
        parts.Back[0] = backFrame.ToLocal(SleeveBack1);
        parts.Back[1] = backFrame.ToLocal(SleeveBack2);
        for (int i = 0; i < 4; ++i) parts.Back[2 + i] = backFrame.ToLocal(MovedBack[i]);
        // The quadratic C -> BackTopCtrl -> C2 on the sleeve, at 1 − t.
        parts.D9 = Bezier2::Point(parts.Back[5], parts.Back[4], parts.Back[3], 1 - FootParam);
        AxesSystem& frontFrame = host->WhollyFrontFrame();
        parts.Front[0] = frontFrame.ToLocal(SleeveFront1);
        parts.Front[1] = frontFrame.ToLocal(SleeveFront2);
        for (int i = 0; i < 6; ++i) parts.Front[2 + i] = frontFrame.ToLocal(MovedFront[i]);
        const Vector* f = parts.Front + 2;  // ShoulderRise, C6, OuterCtrl1, OuterMid, OuterCtrl2, A5
        parts.C7 = C7Arc == 1 ? Bezier2::Point(f[1], f[2], f[3], C7Param) : Bezier2::Point(f[3], f[4], f[5], C7Param);
        parts.C7Arc = C7Arc;
        parts.C7Param = C7Param;
    }

    // 8. The box ends at C7; the sleeve takes its parts and updates its
    //    extent.
    BoxTop = C7.y;
    if (host) host->TakeWhollyCollar(parts);
}

void TWholly::DrawFrontPart(TDrawContext& dc) const {
    dc.Bezier2(a5_, OuterCtrl2, OuterMid, kOutlineChords);
    dc.Bezier2(OuterMid, OuterCtrl1, C6, kOutlineChords);
    RoundedCorner(dc, ShoulderRise, ShoulderCtrl, ShoulderStart, kOutlineChords);
    dc.MoveTo(a5_);
    dc.SetPenWidth(kConstructionPen);
    LinesTo(dc, {C6, C5, a4_});
}

void TWholly::DrawBackPart(TDrawContext& dc) const {
    dc.MoveTo(BackStart);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(BackStart, BackCtrl, BackRise, kBackChords);
    dc.LineTo(C2);
    dc.SetPenWidth(kConstructionPen);
    LinesTo(dc, {C1, a2_});
    dc.MoveTo(C2);
    dc.SetPenWidth(OutlinePen(dc));
    dc.Bezier2(C2, BackTopCtrl, C, kOutlineChords);
    dc.LineTo(a01_);
}

void TWholly::DrawPiece(TDrawContext& dc) const {
    // The moved front edge, common to every sleeve.
    dc.MoveTo(b21_);
    dc.SetPenWidth(kConstructionPen);
    dc.LineTo(EdgeFoot);
    dc.SetPenWidth(OutlinePen(dc));
    dc.LineTo(EdgeTop);
    dc.Bezier2(EdgeTop, EdgeCtrl, a5_, kEdgeChords);
    if (IsRaglan(sleeveKind_)) {
        // The front part up to C7 and on to the raglan line; the back part
        // from D9.
        if (C7Arc == 1) {
            dc.Bezier2(a5_, OuterCtrl2, OuterMid, kOutlineChords);
            dc.Bezier2Part(OuterMid, OuterCtrl1, C6, 0, 1 - C7Param, kOutlineChords);
        } else {
            dc.Bezier2Part(a5_, OuterCtrl2, OuterMid, 0, 1 - C7Param, kOutlineChords);
        }
        dc.LineTo(C7);
        dc.LineTo(a41_);
        dc.MoveTo(a9_);
        dc.SetPenWidth(OutlinePen(dc));
        dc.LineTo(D9);
        dc.Bezier2Part(C2, BackTopCtrl, C, FootParam, 1, kOutlineChords);
        dc.LineTo(a01_);
        return;
    }
    DrawFrontPart(dc);
    if (!IsAllInOne(sleeveKind_)) {
        DrawBackPart(dc);
        return;
    }
    // With a sleeve made in one with the bodice the back lies on sheet 2
    // (on paper it is printed with the back's sheet, PrintOnBackSheet).
    if (&dc != &ScreenDC || !GarmentSheets::Attach(2)) return;
    dc.PushOrigin(backSheetX_, BoxTop + kBackSheetDrop);
    DrawBackPart(dc);
    dc.PopOrigin();
    GarmentSheets::Attach(1);
}

void TWholly::LabelPiece(TDrawContext& dc, bool printer) const {
    using W = TWholly;
    static const Labels::Row<W> kRaglan[] = {{"C", &W::C, 1}, {"D9", &W::D9, 2}, {"C7", &W::C7, 2}};
    static const Labels::Row<W> kFront[] = {{"C5", &W::C5, 6}, {"C6", &W::C6, 2}};
    if (IsRaglan(sleeveKind_)) {
        Labels::PutAll(dc, printer, *this, kRaglan);
    } else if (!IsAllInOne(sleeveKind_)) {
        LabelBackPart(dc, printer);
        Labels::PutAll(dc, printer, *this, kFront);
    } else {
        Labels::PutAll(dc, printer, *this, kFront);
        if (&dc != &ScreenDC || !GarmentSheets::Attach(2)) return;
        dc.PushOrigin(backSheetX_, BoxTop + kBackSheetDrop);
        LabelBackPart(dc, printer);
        dc.PopOrigin();
        GarmentSheets::Attach(1);
    }
}

void TWholly::LabelBackPart(TDrawContext& dc, bool printer) const {
    using W = TWholly;
    static const Labels::Row<W> kBack[] = {{"C", &W::C, 1}, {"C2", &W::C2, 1}, {"C1", &W::C1, 2}};
    Labels::PutAll(dc, printer, *this, kBack);
}

void TWholly::PrintOnBackSheet(TDrawContext& dc) {
    if (!IsAllInOne(sleeveKind_)) return;
    DrawBackPart(dc);
    LabelBackPart(dc, true);
}

