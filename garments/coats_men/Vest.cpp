#include "garments/coats_men/Vest.h"

#include <cmath>

#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/FloatStore.h"
#include "kernel/Record.h"
#include "shell/MainForm.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "vest draft"); }

Vector Cross(const Vector& p, const Vector& d, const Vector& q, const Vector& e) {
    return DraftSteps::Crossing(p, d, q, e, "vest: parallel lines");
}

using DraftSteps::Mid;

int CollarKindNow() { return MainForm ? MainForm->CollarKind : 0; }

// ---- The vest's point labels, in drawing order. ----
using VestLabel = Labels::Row<TVest>;
bool Closed(const TVest& v) { return v.Neckline == 0; }
bool OpenBare(const TVest& v) { return v.Neckline != 0 && CollarKindNow() == 0; }
bool OpenShawl(const TVest& v) { return v.Neckline != 0 && CollarKindNow() == 8; }
bool A5Shown(const TVest& v) { return Closed(v) || OpenShawl(v); }
bool BackDart(const TVest& v) { return v.HasBackDart; }
bool Spread(const TVest& v) { return v.B4.x - v.B5.x > 0; }
bool NoSpread(const TVest& v) { return !Spread(v); }
bool SidesApart(const TVest& v) { return Geom::Distance(v.H6, v.H7) > 2; }
bool SidesClose(const TVest& v) { return !SidesApart(v); }
bool Opened(const TVest& v) { return v.BellyAllowance > 0.1f; }
bool Shaped(const TVest& v) { return v.HasSideShaping; }
bool FrontDart(const TVest& v) { return v.HasFrontDart; }
bool EdgeShown(const TVest& v) { return Closed(v) || OpenBare(v); }

const VestLabel kVestLabels[] = {
    {"A5", &TVest::A5, 7, A5Shown},         {"A51", &TVest::A51, 2, Closed},
    {"3", &TVest::P3, 2, OpenBare},         {"4", &TVest::P4, 4, OpenBare},
    {"L", &TVest::L, 2, OpenBare},          {"T33", &TVest::T33, 2, EdgeShown},
    {"L1", &TVest::L1, 2, OpenBare},        {"T12", &TVest::T12, 2, BackDart},
    {"T1", &TVest::T1, 3},                  {"T11", &TVest::T11, 5, BackDart},
    {"H10", &TVest::H10, 2},                {"H12", &TVest::H12, 2},
    {"B1", &TVest::B1, 5},                  {"B5", &TVest::B5, 5, Spread},
    {"B4", &TVest::B4, 3, Spread},          {"B5", &TVest::B5, 3, NoSpread},
    {"B4", &TVest::B4, 5, NoSpread},        {"H4", &TVest::H4, 3},
    {"H5", &TVest::H5, 2},                  {"5", &TVest::P5, 4},
    {"6", &TVest::P6Bend, 2},               {"H6", &TVest::H6, 7, SidesApart},
    {"H7", &TVest::H7, 3, SidesApart},      {"H6", &TVest::H6, 2, SidesClose},
    {"H7", &TVest::H7, 7, SidesClose},      {"V1", &TVest::V1, 3, Opened},
    {"V", &TVest::V, 2, Opened},            {"T22", &TVest::T22, 2, Shaped},
    {"T21", &TVest::T21, 9, Shaped},        {"K2", &TVest::K2, 2},
    {"K21", &TVest::K21, 9},                {"T52", &TVest::T52, 9, FrontDart},
    {"K7", &TVest::K7, 3},                  {"K1", &TVest::K1, 3},
    {"K6", &TVest::K6, 3},                  {"K3", &TVest::K3, 3},
    {"G50", &TVest::G50, 2},                {"K4", &TVest::K4, 2},
    {"K5", &TVest::K5, 2},
};

}  // namespace

TVest::TVest() : TMenPattern(MenPatternType::kVest) {
    if (MainForm) Neckline = MainForm->Neckline;
}

void TVest::Calculate() {
    DraftGarment(false, [this] { CalcVest(); });
}

void TVest::SaveMeasures(RecordWriter& f) {
    f.WriteInt(Neckline);
    TMenPattern::SaveMeasures(f);
}

void TVest::LoadMeasures(RecordReader& f) {
    Neckline = f.ReadInt();
    TMenPattern::LoadMeasures(f);
}

void TVest::CalcVest() {
    const double Cg2 = BustHalfGirth2, h = InterliningEase, BA = BellyAllowance;
    // 1. - 3.
    WaistSuppression = F((double(T32.x) - T0.x) - WaistHalfGirth - WaistEase - BustWidthEase + 1.5 * h);
    PocketWidth = F(0.18 * Cg2);
    T1 = Vector(G1.x, T.y);
    B1 = Vector(G1.x, B.y);
    // 4. - 5. The breast pocket rises 1 cm over its width towards the side.
    G50 = Vector(F((double(G3.x) + G4.x) / 2 + 2), G3.y);
    K3 = G50 - Vector(0, 1);
    K4 = Vector(F(G50.x - Checked::Sqrt(double(PocketWidth) * PocketWidth - 1, "vest breast pocket")), G3.y);
    K5 = K4 - Vector(0, 2);
    K6 = K3 - Vector(0, 2);
    // 6. - 8. The lower pocket under the breast pocket, along the lowered
    //    waist.
    const Vector d1 = Vector::UnitBetween(G5, T5);
    const Vector d2 = Vector::UnitBetween(T2, T51);
    K7 = Cross(G50, d1, T2, d2);
    K1 = K7 - Vector(0, 3);
    K21 = K7 - d2 * F(double(PocketWidth) + 3);
    K2 = K21 - Vector(0, 3);
    const float reach = Geom::Distance(K1, T32);
    PocketLineEnd = K1 - d2 * reach;
    // 9. A stout figure: the pocket line turns about K1 until its end has
    //    moved by the belly allowance.
    if (BA < 0.1)
        PocketLineOpened = PocketLineEnd;
    else
        PocketLineOpened = Geom::CircleCross(K1, PocketLineEnd, reach, BellyAllowance, 1);
    // 10. - 12. The front point, the side's spread at the hem, the belt.
    H4 = H32 - Vector(0, 5.5f);
    H5 = H4 - Vector(3, 0);
    HemSpread = F(((double(HipHalfGirth) + HipEase + BustWidthEase + 1.5 * h) - T32.x + B.x) * 0.5);
    B4 = B2 + Vector(HemSpread, 0);
    B5 = B2 - Vector(HemSpread, 0);
    BeltTop = Vector(F(T0.x - 3.0), F(T.y + 1.5));
    BeltBottom = Vector(F(T0.x - 3.0), F(T.y - 1.5));
    BeltTip = Vector(F(T0.x - 4.5), T.y);
    // 13. The suppression's shares: a share under 1 cm goes to the others.
    FrontDartShare = F(0.2 * WaistSuppression);
    HasFrontDart = FrontDartShare >= 1;
    if (HasFrontDart) {
        SideShare = F(0.3 * WaistSuppression);
        BackDartShare = F(0.5 * WaistSuppression);
    } else {
        FrontDartShare = F(FrontDartShare / 2.0);
        SideShare = F(0.3 * WaistSuppression + FrontDartShare);
        BackDartShare = F(0.5 * WaistSuppression + FrontDartShare);
    }
    HasSideShaping = SideShare >= 1;
    if (!HasSideShaping) BackDartShare = F(double(BackDartShare) + SideShare);
    HasBackDart = BackDartShare >= 1;
    // 14. - 23. The side seams, the opened lower front and the front dart.
    if (HasSideShaping) {
        // 15.
        SideShare = F(SideShare / 2.0);
        T21 = T2 - Vector(SideShare, 0);
        T22 = T2 + Vector(SideShare, 0);
        const float up = F(0.3 * (double(G2.y) - T2.y));
        const float down = F(0.2 * (double(T2.y) - B2.y));
        BackSideCtrl = T21 + Vector(0, up);
        FrontSideCtrl = T22 + Vector(0, up);
        BackSideLowCtrl = T21 - Vector(0, down);
        FrontSideLowCtrl = T22 - Vector(0, down);
        LowerSide(T22, FrontSideLowCtrl, T21, BackSideLowCtrl);
        // 23.
        if (HasFrontDart) {
            FrontDartTop = Vector(G5.x, F(G5.y - (double(G5.y) - T5.y) / 3));
            T52 = T51 - d2 * FrontDartShare;
            FrontDartWaist = Mid(T51, T52);
            const Vector f = Vector::UnitBetween(FrontDartTop, FrontDartWaist);
            const Vector p = Vector::Perpendicular(f);
            FrontDartTopLeft = FrontDartTop - p * 0.2f;
            FrontDartTopRight = FrontDartTop + p * 0.2f;
            float t = 0.5f;
            if (Vector::Dot(p, P6Bend - FrontDartWaist) <= 0)
                FrontDartBottom = Bezier2::CrossLineFrom(FrontDartWaist, f, P6Bend, HemCtrl2, H5, t, 1);
            else
                FrontDartBottom = Bezier2::CrossLineFrom(FrontDartWaist, f, H6, HemCtrl1, P6Bend, t, 1);
        }
    } else {
        CalcLowerPoints();
    }
    // 24. The back dart and the belt's edges at it.
    if (HasBackDart) {
        BackDartShare = F(BackDartShare / 2.0);
        T11 = T1 - Vector(BackDartShare, 0);
        T12 = T1 + Vector(BackDartShare, 0);
        const Vector w = Vector::UnitBetween(T, T1);
        BeltDartTop = Cross(G1, Vector::UnitBetween(G1, T11), BeltTop, w);
        BeltDartBottom = Cross(B1, Vector::UnitBetween(B1, T11), BeltBottom, w);
    } else {
        BeltDartTop = Vector(T1.x, F(T.y + 1.5));
        BeltDartBottom = Vector(T1.x, F(T.y - 1.5));
    }
    // 25. - 26. The back centre below the waist and the back hem.
    BackCentreCtrl = Vector(T0.x, F(2.0 * T0.y - BackSeamCtrlLow.y));
    const Vector hem = Vector::UnitBetween(B, B2);
    {
        float t = 0.5f;
        BackHemCross = Bezier2::CrossLineFrom(H, hem, T0, BackCentreCtrl, B, t, 0);
    }
    H12 = BackHemCross + Vector(3, 0);
    BackHipLevel = Vector(T.x, F((double(T.y) + H.y) / 2));
    BackCentreParam = 0.5f;
    H10 = Bezier2::CrossLineFrom(BackHipLevel, hem, T0, BackCentreCtrl, B, BackCentreParam, 0);
    // 27.
    CalcNeckline();
}

void TVest::LowerSide(const Vector& frontWaist, const Vector& frontCtrl, const Vector& backWaist,
                      const Vector& backCtrl) {
    const Vector d2 = Vector::UnitBetween(T2, T51);
    // 16. - 17. The pocket line met by the front side seam, and opened.
    SideCrossParam = 0.5f;
    V = Bezier2::CrossLineFrom(K1, d2, frontWaist, frontCtrl, B5, SideCrossParam, 0);
    V1 = K1 + Vector::UnitBetween(K1, PocketLineOpened) * Geom::Distance(K1, V);
    // 18. - 19. The side at the hem, carried with the opened front.
    HemCrossParam = 0.5f;
    SideHemCross = Bezier2::CrossLineFrom(H3, Vector::UnitBetween(H3, H), frontWaist, frontCtrl, B5, HemCrossParam, 1);
    H6 = Geom::CircleCross(H5, V1, Geom::Distance(H5, SideHemCross), Geom::Distance(V, SideHemCross), 1);
    // 20. The lower front side seam turned rigidly with it.
    const Matrix2 M = Matrix2::MapSegment2(V, SideHemCross, V1, H6);
    TurnedSideStart = V1 + Matrix2::Apply(M, frontWaist - V);
    TurnedSideCtrl = V1 + Matrix2::Apply(M, frontCtrl - V);
    TurnedSideEnd = V1 + Matrix2::Apply(M, B5 - V);
    // 21. The lower front edge bends 1 cm out at its middle.
    P5 = Mid(H5, H6);
    const Vector e = Vector::UnitBetween(H6, H5);
    P6Bend = P5 + Vector::Perpendicular(e);
    const float third = F(Geom::Distance(H5, P5) / 3.0);
    HemCtrl1 = P6Bend - e * third;
    HemCtrl2 = P6Bend + e * third;
    // 22. The back side seam at the hem.
    BackHemParam = 0.5f;
    H7 = Bezier2::CrossLineFrom(H, Vector::UnitBetween(H, H2), backWaist, backCtrl, B4, BackHemParam, 0);
}

void TVest::CalcLowerPoints() {
    BackSideLowCtrl = Vector(T2.x, F(T2.y - 0.2 * (double(T2.y) - B2.y)));
    LowerSide(T2, BackSideLowCtrl, T2, BackSideLowCtrl);
}

void TVest::CalcNeckline() {
    if (Neckline == 0) {
        // Closed, with a 2.5 cm overlap and the first buttonhole 3 cm down.
        Vector u = Vector::UnitBetween(A5, FrontEdgeTurn ? G8 : T32);
        Vector n = Vector::Perpendicular(u);
        L = A5 + u * 3.0f;
        TopButtonholeStart = L + n * 0.8f;
        TopButtonholeEnd = L - n * 1.6f;
        A51 = A5 + n * 2.5f;
        if (!FrontEdgeTurn) {
            EdgeT32 = T32 + n * 2.5f;
            EdgeCtrl2 = EdgeT32 - u * F(0.07 * Geom::Distance(A51, EdgeT32));
        } else {
            EdgeG8 = G8 + n * 2.5f;
            NeckCtrl = EdgeG8 - u * F(0.15 * Geom::Distance(A5, G8));
            u = Vector::UnitBetween(G7, T32);
            n = Vector::Perpendicular(u);
            EdgeG7 = G7 + n * 2.5f;
            EdgeT32 = T32 + n * 2.5f;
            const float reach = F(0.15 * Geom::Distance(G7, T32));
            EdgeCtrl1 = EdgeG7 + u * reach;
            EdgeCtrl2 = EdgeT32 - u * reach;
        }
    } else if (CollarKindNow() == 0) {
        // Open without a collar: a V neckline down to L.
        const Vector u = Vector::UnitBetween(G7, T32);
        const Vector n = Vector::Perpendicular(u);
        EdgeG7 = G7 + n * 2.5f;
        L = Cross(EdgeG7, u, Vector(G3.x, G3.y - 2), Vector::UnitBetween(FrontG2, G3));
        EdgeT32 = T32 + n * 2.5f;
        EdgeCtrl2 = EdgeT32 - u * F(0.15 * Geom::Distance(L, EdgeT32));
        TopButtonholeStart = L - Vector(1.7f, 0);
        TopButtonholeEnd = TopButtonholeStart - Vector(2.4f, 0);
        P3 = A4 + (L - A4) * 0.46f;
        const Vector v = Vector::UnitBetween(A4, L);
        P4 = P3 - Vector::Perpendicular(v) * F(0.04 * Geom::Distance(A4, L));
        NeckCtrl = P4 - v * F(Geom::Distance(P3, A4) / 3.0);
        EdgeCtrl1 = P4 + v * F(Geom::Distance(L, P4) / 3.0);
    } else {
        // Open with a collar: the lapel collar draws the neckline and edge.
        return;
    }
    // The overlap below the waist, down to the front point.
    const Vector u = Vector::UnitBetween(T32, H32);
    T33 = T32 + Vector::Perpendicular(u) * 2.5f;
    const Vector bottom = Cross(T33, u, H32, Vector::UnitBetween(H5, H32));
    EdgeHemCtrl = T33 + u * F(0.3 * Geom::Distance(T33, bottom));
    if (Neckline == 0) {
        EdgeHem = bottom;
        LowButtonholeStart = Vector(F(T32.x + 0.8), EdgeHem.y);
        LowButtonholeEnd = Vector(F(T32.x - 1.6), EdgeHem.y);
    } else {
        L1 = bottom;
        LowButtonholeStart = L1 - Vector(1.7f, 0);
        LowButtonholeEnd = LowButtonholeStart - Vector(2.4f, 0);
    }
}

void TVest::DrawOutline(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    const int thick = t.outline;
    const int collar = CollarKindNow();
    const auto line = [&](const Vector& a, const Vector& b) {
        dc.MoveTo(a);
        dc.LineTo(b);
    };
    // 1. - 3. The neckline and the front edge.
    if (Neckline == 0) {
        dc.SetPenWidth(thick);
        dc.Arc3(FrontNeckCentre, A4, A5, 1, 30);
        dc.LineTo(A51);
        dc.SetPenWidth(1);
        line(TopButtonholeStart, TopButtonholeEnd);
        dc.SetPenWidth(thick);
        dc.MoveTo(A51);
        if (FrontEdgeTurn) {
            dc.LineTo(NeckCtrl);
            dc.Bezier2(NeckCtrl, EdgeG8, EdgeCtrl1, 15);
        }
        dc.LineTo(EdgeCtrl2);
        dc.Bezier2(EdgeCtrl2, T33, EdgeHemCtrl, 15);
        dc.SetPenWidth(1);
        line(LowButtonholeStart, LowButtonholeEnd);
        line(T32, T33);
        dc.SetPenWidth(thick);
        line(EdgeHemCtrl, EdgeHem);
        dc.LineTo(H5);
    } else if (collar == 0) {
        dc.SetPenWidth(1);
        line(A4, L);
        line(TopButtonholeStart, TopButtonholeEnd);
        line(P3, P4);
        dc.SetPenWidth(thick);
        dc.Bezier2(A4, NeckCtrl, P4, 20);
        dc.Bezier2(P4, EdgeCtrl1, L, 24);
        dc.LineTo(EdgeCtrl2);
        dc.SetPenWidth(1);
        line(T32, T33);
        dc.SetPenWidth(thick);
        dc.Bezier2(EdgeCtrl2, T33, EdgeHemCtrl, 15);
        dc.LineTo(L1);
        dc.SetPenWidth(1);
        line(LowButtonholeStart, LowButtonholeEnd);
        dc.SetPenWidth(thick);
        line(L1, H5);
    } else if (collar == 8) {
        dc.SetPenWidth(1);
        dc.Arc3(FrontNeckCentre, A4, A5, 1, 30);
    }
    // 4. The pockets.
    dc.SetPenWidth(1);
    line(G50, K3);
    dc.SetPenWidth(thick);
    dc.LineTo(K6);
    dc.LineTo(K5);
    dc.LineTo(K4);
    dc.LineTo(K3);
    dc.SetPenWidth(1);
    line(K6, K7);
    dc.SetPenWidth(thick);
    line(K7, K1);
    if (BellyAllowance <= 0.1f) {
        dc.LineTo(K2);
    } else {
        dc.LineTo(V);
        dc.MoveTo(K2);
    }
    dc.LineTo(K21);
    if (std::fabs(T5.x - T51.x) > 0.1f) {
        dc.SetPenWidth(1);
        line(T2, K21);
        dc.SetPenWidth(thick);
    }
    dc.LineTo(K7);
    // 5. The front dart.
    if (HasFrontDart) {
        dc.SetPenWidth(1);
        line(T51, FrontDartTop);
        line(FrontDartTopLeft, FrontDartTopRight);
        line(FrontDartTop, T52);
        dc.LineTo(FrontDartBottom);
        dc.LineTo(T51);
        line(FrontDartTop, FrontDartBottom);
    }
    // 6. - 7. The opened lower front and its point.
    dc.SetPenWidth(thick);
    if (BellyAllowance > 0.1f) line(K1, V1);
    dc.Bezier2Part(TurnedSideStart, TurnedSideCtrl, TurnedSideEnd, SideCrossParam, HemCrossParam, 15);
    dc.Bezier2(H6, HemCtrl1, P6Bend, 15);
    dc.Bezier2(P6Bend, HemCtrl2, H5, 15);
    dc.SetPenWidth(1);
    line(H32, H4);
    dc.LineTo(H5);
    dc.LineTo(P5);
    dc.LineTo(P6Bend);
    line(P5, H6);
    // 8. The front side seam from B5 up.
    const float below = BellyAllowance <= 0.1f ? HemCrossParam : SideCrossParam;
    dc.Bezier2Part(B5, FrontLowCtrl(), FrontWaistPoint(), 0, 1 - below, 15);
    dc.SetPenWidth(thick);
    dc.Bezier2Part(B5, FrontLowCtrl(), FrontWaistPoint(), 1 - SideCrossParam, 1, 15);
    if (HasSideShaping) {
        dc.Bezier2(T22, FrontSideCtrl, FrontG2, 20);
        dc.Bezier2(G2, BackSideCtrl, T21, 20);
    }
    // 9. The back side seam.
    dc.Bezier2Part(BackWaistPoint(), BackSideLowCtrl, B4, 0, BackHemParam, 15);
    dc.SetPenWidth(1);
    dc.Bezier2Part(BackWaistPoint(), BackSideLowCtrl, B4, BackHemParam, 1, 15);
    // 10. The back hem and the back centre below the waist.
    dc.SetPenWidth(thick);
    line(H7, H12);
    dc.LineTo(H10);
    dc.SetPenWidth(1);
    dc.Bezier2Part(B, BackCentreCtrl, T0, 0, 1 - BackCentreParam, 15);
    line(H12, H);
    dc.SetPenWidth(thick);
    dc.Bezier2Part(B, BackCentreCtrl, T0, 1 - BackCentreParam, 1, 15);
    // 11. The half-belt.
    line(BeltDartTop, BeltTop);
    dc.LineTo(BeltTip);
    dc.LineTo(BeltBottom);
    dc.LineTo(BeltDartBottom);
    // 12. The back dart.
    dc.SetPenWidth(1);
    dc.MoveTo(B1);
    if (HasBackDart) {
        dc.LineTo(T11);
        dc.LineTo(G1);
        dc.LineTo(T12);
        dc.LineTo(B1);
    }
    dc.LineTo(G1);
}

void TVest::DrawOwnNames(const PieceTarget& t) const { Labels::PutAll(t.dc, t.printer, *this, kVestLabels); }

void TVest::DrawPieceLines(const PieceTarget& t) const {
    DrawBase(t);
    DrawLines(t);
    DrawOutline(t);
}

void TVest::LabelPieces(const PieceTarget& t) const {
    DrawPointNames(t);
    DrawLinePointNames(t);
    DrawOwnNames(t);
}
