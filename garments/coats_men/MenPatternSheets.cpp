// The men's outerwear base on the drawing window and on paper: the common
// back and front, their point names, the collar's and the sleeve's places,
// the table sheet and printing.
#include <QLineEdit>
#include <algorithm>
#include <functional>
#include <string>

#include "garments/coats_men/MenPattern.h"
#include "garments/common/BodiceFrame.h"
#include "garments/common/DraftSteps.h"
#include "garments/common/PointLabels.h"
#include "kernel/DrawContext.h"
#include "shell/GarmentSheets.h"
#include "shell/MainForm.h"

namespace {

constexpr float kHalfSheet = kSheetWidthCm / 2.0f;

int CollarKindNow() { return MainForm ? MainForm->CollarKind : 0; }
int SleeveKindNow() { return MainForm && MainForm->Sleeve ? MainForm->SleeveKind : 0; }
bool Raglan() { return SleeveKindNow() == 15 || SleeveKindNow() == 16; }
TCollar* CollarNow() { return MainForm ? MainForm->Collar : nullptr; }
TSleeve* SleeveNow() { return MainForm ? MainForm->Sleeve : nullptr; }


bool IsCoatOrBlazer(int type) { return type != MenPatternType::kVest; }

const char* const kPatternTitle = "Полочка и спинка (см)";

// ---- Point labels of the common draft, in drawing order. ----
using BaseLabel = Labels::Row<TMenPattern>;
bool WithDart(const TMenPattern& g) { return g.ArmholeDartWidth > 0.1f; }
bool Coat(const TMenPattern& g) { return IsCoatOrBlazer(g.Type()); }
bool Vest(const TMenPattern& g) { return !IsCoatOrBlazer(g.Type()); }

const BaseLabel kBaseLabels[] = {
    {"G2", &TMenPattern::G2, 7},      {"G21", &TMenPattern::G21, 9},   {"g21", &TMenPattern::g21, 2},
    {"G1", &TMenPattern::G1, 7},      {"D2", &TMenPattern::D2, 3, WithDart},
    {"U02", &TMenPattern::U02, 3, WithDart},  {"U", &TMenPattern::U, 4, WithDart},
    {"U0", &TMenPattern::U0, 3, WithDart},    {"U01", &TMenPattern::U01, 2, WithDart},
    {"D1", &TMenPattern::D1, 2, WithDart},    {"P3", &TMenPattern::P3, 3},     {"P31", &TMenPattern::P31, 2},
    {"P1", &TMenPattern::P1, 2},      {"P", &TMenPattern::P, 3},       {"P2", &TMenPattern::P2, 7},
    {"a", &TMenPattern::a, 2},        {"A2", &TMenPattern::A2, 2},     {"A9", &TMenPattern::A9, 6},
    {"A1", &TMenPattern::A1, 2},      {"A01", &TMenPattern::A01, 6},   {"A0", &TMenPattern::A0, 3},
    {"A", &TMenPattern::A, 4},        {"Y", &TMenPattern::Y, 1},       {"G", &TMenPattern::G, 1},
    {"T", &TMenPattern::T, 1},        {"T0", &TMenPattern::T0, 3},     {"B", &TMenPattern::B, 1},
    {"B31", &TMenPattern::B31, 9, Coat},      {"B32", &TMenPattern::B32, 3, Coat},
    {"H", &TMenPattern::H, 1, Vest},  {"H3", &TMenPattern::H3, 8, Vest},
    {"H31", &TMenPattern::H31, 9, Vest},      {"H32", &TMenPattern::H32, 3, Vest},
    {"B3", &TMenPattern::B3, 8},      {"T32", &TMenPattern::T32, 3},   {"T31", &TMenPattern::T31, 9},
    {"T3", &TMenPattern::T3, 8},      {"T51", &TMenPattern::T51, 3},   {"T5", &TMenPattern::T5, 2},
    {"G4", &TMenPattern::G4, 3},      {"G5", &TMenPattern::G5, 7},     {"G6", &TMenPattern::G6, 8},
    {"G3", &TMenPattern::G3, 3},      {"G7", &TMenPattern::G7, 3},     {"G8", &TMenPattern::G8, 2},
    {"a1", &TMenPattern::a1, 3},      {"A3", &TMenPattern::A3, 1},     {"A4", &TMenPattern::A4, 1},
    {"a2", &TMenPattern::a2, 1},      {"P8", &TMenPattern::P8, 3},     {"P6", &TMenPattern::P6, 3},
};

// With a raglan (sleeve kinds 15, 16): the dart's legs are named D2 and D1.
const BaseLabel kRaglanLabels[] = {
    {"G2", &TMenPattern::G2, 7},      {"G1", &TMenPattern::G1, 7},     {"D2", &TMenPattern::U02, 3},
    {"U", &TMenPattern::U, 4},        {"D1", &TMenPattern::U01, 2},    {"P3", &TMenPattern::P3, 3},
    {"P31", &TMenPattern::P31, 2},    {"a", &TMenPattern::a, 2},       {"C1", &TMenPattern::C1, 5},
    {"C2", &TMenPattern::C2, 2},      {"A9", &TMenPattern::A9, 6},     {"A1", &TMenPattern::A1, 2},
    {"A01", &TMenPattern::A01, 6},    {"A0", &TMenPattern::A0, 3},     {"A", &TMenPattern::A, 4},
    {"Y", &TMenPattern::Y, 1},        {"G", &TMenPattern::G, 1},       {"T", &TMenPattern::T, 1},
    {"T0", &TMenPattern::T0, 3},      {"B", &TMenPattern::B, 1},       {"B2", &TMenPattern::B2, 2},
    {"B31", &TMenPattern::B31, 9},    {"B32", &TMenPattern::B32, 3},   {"B3", &TMenPattern::B3, 8},
    {"T32", &TMenPattern::T32, 3},    {"T31", &TMenPattern::T31, 9},   {"T3", &TMenPattern::T3, 8},
    {"T51", &TMenPattern::T51, 3},    {"T5", &TMenPattern::T5, 8},     {"T2", &TMenPattern::T2, 8},
    {"G4", &TMenPattern::G4, 3},      {"G5", &TMenPattern::G5, 7},     {"G6", &TMenPattern::G6, 8},
    {"G3", &TMenPattern::G3, 3},      {"G7", &TMenPattern::G7, 3},     {"G8", &TMenPattern::G8, 2},
    {"a1", &TMenPattern::a1, 3},      {"A3", &TMenPattern::A3, 1},     {"A4", &TMenPattern::A4, 1},
    {"a2", &TMenPattern::a2, 1},      {"P6", &TMenPattern::P6, 8},     {"C4", &TMenPattern::C4, 8},
    {"C3", &TMenPattern::C3, 3},      {"A41", &TMenPattern::A41, 2},
};

const BaseLabel kLineLabels[] = {
    {"B2", &TMenPattern::B2, 2},
    {"T2", &TMenPattern::T2, 8},
    {"1", &TMenPattern::FrontArmhole1, 4},
    {"2", &TMenPattern::FrontArmhole2, 2},
    {"P10", &TMenPattern::P10, 10},
};

ValueTableLayout Layout(TableMedium m, const char* title, int titleX, const char* head, int headX, int textX) {
    return {title, titleX, head, headX, "Величина", 125, textX, 140, m == TableMedium::Screen ? 1 : 0};
}

}  // namespace

// ---------------------------------------------------------------------------
// The common back and front

void TMenPattern::DrawBase(const PieceTarget& t) const {
    const int sleeveKind = SleeveKindNow();
    if (sleeveKind == 15 || sleeveKind == 16) {
        DrawRaglanBase(t);
        return;
    }
    TDrawContext& dc = t.dc;
    const bool coat = IsCoatOrBlazer(type_);
    // 1. - 2. The front's frame, the bust turn and the front edge's lines.
    dc.SetPenWidth(1);
    dc.MoveTo(A);
    dc.LineTo(a1);
    dc.LineTo(coat ? B31 : H31);
    dc.LineTo(coat ? B32 : H32);
    dc.LineTo(T32);
    dc.LineTo(G7);
    dc.MoveTo(G8);
    dc.LineTo(A3);
    dc.LineTo(A4);
    dc.LineTo(G6);
    dc.LineTo(G8);
    dc.Arc3(G6, G7, G8, 0, 7);
    dc.LineTo(G6);
    dc.LineTo(T51);
    dc.LineTo(T32);
    if (!FrontEdgeTurn) dc.LineTo(A5);
    // 3. The waist, hip (and the vest's hem) lines.
    dc.MoveTo(T3);
    dc.LineTo(T);
    if (coat) {
        dc.LineTo(B);
        dc.LineTo(B3);
    } else {
        dc.LineTo(H);
        dc.LineTo(H3);
        if (B.y >= H.y) {
            dc.MoveTo(B3);
            dc.LineTo(B);
        } else {
            dc.MoveTo(H31);
            dc.LineTo(B3);
            dc.LineTo(B);
            dc.LineTo(H);
        }
    }
    // 4. The back centre, the back neck and the back shoulder.
    dc.MoveTo(T);
    dc.LineTo(A);
    dc.MoveTo(A0);
    dc.LineTo(A01);
    dc.LineTo(A1);
    dc.LineTo(A9);
    dc.MoveTo(A1);
    dc.LineTo(A2);
    dc.LineTo(P);
    dc.Arc3(A2, P, P1, 1, 7);
    dc.MoveTo(P);
    dc.LineTo(P2);
    // 5. The chest line and the width lines.
    dc.MoveTo(a);
    dc.LineTo(G1);
    dc.LineTo(G21);
    dc.LineTo(g21);
    dc.MoveTo(G21);
    dc.LineTo(G3);
    dc.MoveTo(a2);
    dc.LineTo(P8);
    dc.MoveTo(P8Bar[0]);
    dc.LineTo(P8Bar[1]);
    dc.MoveTo(P8);
    dc.LineTo(G4);
    dc.MoveTo(G1);
    dc.LineTo(G);
    // 6. The blade level and the blade dart.
    dc.MoveTo(Y);
    if (ArmholeDartWidth <= 0.1f) {
        dc.LineTo(P3);
    } else if (U0.x > P3.x) {
        dc.LineTo(U0);
        dc.MoveTo(U);
        dc.LineTo(U01);
        dc.Arc3(U, U02, U01, 0, 6);
        dc.LineTo(U);
    } else {
        dc.LineTo(P3);
        dc.MoveTo(U);
        dc.LineTo(D2);
        dc.MoveTo(D1);
        dc.LineTo(U);
        dc.Arc3(U, U02, U01, 0, 6);
    }
    // 7. The back's outline down to P31.
    dc.SetPenWidth(t.outline);
    dc.Bezier3(T0, BackSeamCtrlLow, BackSeamCtrlHigh, Y, 40);
    dc.Bezier2(Y, BackCentreGuide, A01, 20);
    dc.Bezier2(A01, NeckCtrl1, A9, 20);
    dc.Bezier2(A9, NeckCtrl2, A2, 10);
    dc.LineTo(P1);
    dc.Bezier2(P1, BackArmholeCtrl1, P31, 20);
    // 8. The back sleeve notch.
    const int sleeve = SleeveKindNow();
    if (sleeve == 12) {
        dc.SetPenWidth(1);
        dc.MoveTo(SleeveNotch2[0]);
        dc.LineTo(SleeveNotch2[2]);
        dc.MoveTo(SleeveNotch2[3]);
        dc.LineTo(SleeveNotch2[1]);
        dc.SetPenWidth(t.outline);
    } else if (sleeve == 13 || sleeve == 14) {
        dc.SetPenWidth(1);
        dc.MoveTo(P31);
        dc.LineTo(SleeveNotch1[2]);
        dc.MoveTo(SleeveNotch1[1]);
        dc.LineTo(SleeveNotch1[3]);
        dc.SetPenWidth(t.outline);
    }
    // 9. The back armhole on to the side.
    dc.Bezier2(P31, BackArmholeCtrl2, BackArmholeJoin, 20);
    dc.Bezier2(BackArmholeJoin, BackArmholeCtrl3, G2, 20);
}

void TMenPattern::DrawRaglanBase(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    const auto line = [&](std::initializer_list<Vector> points) {
        auto p = points.begin();
        dc.MoveTo(*p);
        for (++p; p != points.end(); ++p) dc.LineTo(*p);
    };
    // 1. - 2. The front's frame and construction, the raglan's guide lines.
    dc.SetPenWidth(1);
    line({A, a1, B31, B32, T32, G7, G6, G8});
    dc.Arc3(G6, G7, G8, 0, 7);
    line({G8, A3, A4, G6, T51, T32});
    if (!FrontEdgeTurn) dc.LineTo(A5);
    line({T3, T, B, B3});
    line({B2, G2, G3});
    line({G4, P6});
    line({RaglanNotches[2], RaglanNotches[3]});
    line({P6, a2});
    line({A41, C3, C4});
    line({C3, RaglanFrontEnd});
    line({G2, G});
    line({Y, P3});
    line({U02, U, U01});
    line({a, P31});
    line({RaglanNotches[0], RaglanNotches[1]});
    line({P31, G1});
    line({RaglanBackEnd, C1, C2});
    line({C1, A9, A1, A01});
    line({A, T});
    // 3. The back centre seam, the back neck to A9 and the back raglan line.
    dc.SetPenWidth(t.outline);
    dc.Bezier3(T0, BackSeamCtrlLow, BackSeamCtrlHigh, Y, 40);
    dc.Bezier2(Y, BackCentreGuide, A01, 20);
    dc.Bezier2(A01, NeckCtrl1, A9, 20);
    dc.Bezier2(A9, RaglanBackCtrl1, C2, 20);
    dc.Bezier2(C2, RaglanBackCtrl2, RaglanBackEnd, 20);
    // 4. - 5. The armholes below the raglan lines.
    if (RaglanBackCase == 1) {
        dc.Bezier2Part(P31, BackArmholeCtrl2, BackArmholeJoin, RaglanBackParam, 1, 20);
        dc.Bezier2(BackArmholeJoin, BackArmholeCtrl3, G2, 20);
    } else {
        dc.Bezier2Part(BackArmholeJoin, BackArmholeCtrl3, G2, RaglanBackParam, 1, 20);
    }
    if (RaglanFrontCase == 1) {
        dc.Bezier2Part(G2, FrontArmholeCtrl1, FrontArmholeJoin, 0, RaglanFrontParam, 20);
    } else {
        dc.Bezier2(G2, FrontArmholeCtrl1, FrontArmholeJoin, 20);
        dc.Bezier2Part(FrontArmholeJoin, FrontArmholeCtrl2, P6, 0, RaglanFrontParam, 20);
    }
    // 6. The front raglan line.
    dc.Bezier2(RaglanFrontEnd, RaglanFrontCtrl1, C4, 20);
    dc.Bezier2(C4, RaglanFrontCtrl2, A41, 20);
}

void TMenPattern::DrawLines(const PieceTarget& t) const {
    const int sleeveKind = SleeveKindNow();
    if (sleeveKind == 15 || sleeveKind == 16) return;
    TDrawContext& dc = t.dc;
    dc.SetPenWidth(1);
    dc.MoveTo(B2);
    dc.LineTo(G2);
    dc.SetPenWidth(t.outline);
    dc.Bezier2(FrontG2, FrontArmholeCtrl1, FrontArmholeJoin, 20);
    dc.Bezier2(FrontArmholeJoin, FrontArmholeCtrl2, P6, 20);
    dc.SetPenWidth(1);
    const int sleeve = SleeveKindNow();
    if (sleeve == 12) {
        dc.MoveTo(SleeveNotch1[0]);
        dc.LineTo(SleeveNotch1[2]);
        dc.MoveTo(SleeveNotch1[1]);
        dc.LineTo(SleeveNotch1[3]);
        dc.MoveTo(FrontArmhole2);
        dc.LineTo(ShoulderMark[0]);
        dc.MoveTo(ShoulderMark[2]);
        dc.LineTo(ShoulderMark[1]);
    }
    DrawUpperFront(t);
}

void TMenPattern::DrawUpperFront(const PieceTarget& t) const {
    TDrawContext& dc = t.dc;
    dc.SetPenWidth(1);
    const int sleeve = SleeveKindNow();
    if (sleeve == 13 || sleeve == 14) {
        dc.MoveTo(P6);
        dc.LineTo(SleeveNotch2[1]);
        dc.MoveTo(SleeveNotch2[2]);
        dc.LineTo(SleeveNotch2[3]);
    }
    dc.MoveTo(P6);
    dc.LineTo(P10);
    dc.MoveTo(FrontArmhole1);
    dc.LineTo(FrontArmhole2);
    dc.SetPenWidth(t.outline);
    dc.Bezier2(P6, FrontArmholeCtrl3, FrontArmhole2, 10);
    dc.Bezier2(FrontArmhole2, FrontArmholeCtrl4, P10, 10);
    dc.LineTo(A4);
}

void TMenPattern::DrawPointNames(const PieceTarget& t) const {
    if (Raglan())
        Labels::PutAll(t.dc, t.printer, *this, kRaglanLabels);
    else
        Labels::PutAll(t.dc, t.printer, *this, kBaseLabels);
}

void TMenPattern::DrawLinePointNames(const PieceTarget& t) const {
    if (!Raglan()) Labels::PutAll(t.dc, t.printer, *this, kLineLabels);
}

void TMenPattern::DrawPieces(const PieceTarget& t) const {
    DrawPieceLines(t);
    LabelPieces(t);
}

void TMenPattern::DrawPieceLines(const PieceTarget& t) const { DrawBase(t); }

void TMenPattern::LabelPieces(const PieceTarget& t) const { DrawPointNames(t); }

float TMenPattern::RightEdge() const { return T32.x + 3.0f; }

// ---------------------------------------------------------------------------
// What the coats and blazers share

bool TMenPattern::OwnFrontEdge() {
    const int kind = CollarKindNow();
    return kind == 0 || kind == 1 || kind == 2 || kind == 6;
}

void TMenPattern::PlaceOverlap(const Overlap& o, float hemY) const {
    if (!OwnFrontEdge()) return;
    if (!FrontEdgeTurn) {
        const Vector n = nVector(A5, T32);
        o.neck = A5 + n * 3.0f;
        o.t32 = T32 + n * 3.0f;
    } else {
        Vector n = nVector(A3, G8);
        o.neck = A5 + n * 3.0f;
        o.g8 = G8 + n * 3.0f;
        n = nVector(G7, T32);
        o.g7 = G7 + n * 3.0f;
        o.t32 = T32 + n * 3.0f;
    }
    o.waist = Vector(T32.x + 3.0f, T32.y);
    o.hem = Vector(T32.x + 3.0f, hemY);
}

void TMenPattern::DrawNeckAndOverlap(const PieceTarget& t, const OverlapView& o, const Vector& hemEnd) const {
    TDrawContext& dc = t.dc;
    const int sleeve = SleeveKindNow();
    const bool raglan = sleeve == 15 || sleeve == 16;
    if (OwnFrontEdge()) {
        dc.SetPenWidth(t.outline);
        if (raglan)
            dc.Arc3(FrontNeckCentre, A41, A5, 1, 25);
        else
            dc.Arc3(FrontNeckCentre, A4, A5, 1, 30);
        dc.LineTo(o.neck);
        if (FrontEdgeTurn) {
            dc.LineTo(o.g8);
            dc.LineTo(o.g7);
        }
        dc.LineTo(o.t32);
        dc.LineTo(o.waist);
        dc.LineTo(o.hem);
        dc.SetPenWidth(FrontHemPen(t));
        dc.LineTo(hemEnd);
    } else if (CollarKindNow() == 8) {
        if (raglan) {
            dc.SetPenWidth(t.outline);
            dc.Arc3(FrontNeckCentre, A4, A41, 1, 5);
            dc.SetPenWidth(1);
            dc.Arc3(FrontNeckCentre, A41, A5, 1, 25);
        } else {
            dc.SetPenWidth(1);
            dc.Arc3(FrontNeckCentre, A4, A5, 1, 30);
        }
    }
    dc.SetPenWidth(1);
}

int TMenPattern::FrontHemPen(const PieceTarget& t) const { return IsBlazer() ? t.outline : 1; }

void TMenPattern::PlaceFrontHem(const Vector& front, const Vector& side, Vector& mid, Vector& ctrl) const {
    mid = DraftSteps::Mid(front, side);
    ctrl = DraftSteps::Crossing(front, Vector::UnitBetween(B3, B2), mid, nVector(front, side),
                                "men's pattern: front hem");
}

void TMenPattern::PlaceBreastPocket(Vector& p1, Vector& p2, Vector& p3, Vector& p4) const {
    p1 = Vector(G4.x + 4.0f, P6.y - 0.1f);
    p3 = p1 - Vector(0, 2.5f);
    p2 = Vector(p1.x + 11.0f, p1.y - 1.0f);
    p4 = p2 - Vector(0, 2.5f);
}

void TMenPattern::DrawBreastPocket(const PieceTarget& t, const Vector& p1, const Vector& p2, const Vector& p3,
                                   const Vector& p4) {
    t.dc.SetPenWidth(t.outline);
    t.dc.MoveTo(p1);
    t.dc.LineTo(p2);
    t.dc.LineTo(p4);
    t.dc.LineTo(p3);
    t.dc.LineTo(p1);
}

// ---------------------------------------------------------------------------
// Sheets 1 and 2

int TMenPattern::SheetCount() const { return SleeveNow() ? 3 : 2; }

bool TMenPattern::CollarInPlace() const {
    const int kind = CollarKindNow();
    return CollarNow() && (kind == 7 || kind == 8);
}

bool TMenPattern::CollarApart() const {
    const int kind = CollarKindNow();
    return CollarNow() && (kind == 1 || kind == 2 || kind == 6);
}

// A collar drafted apart stands above the back neck, 2 cm clear of the
// pattern's top, its left end at A01.
Vector TMenPattern::ApartCollarShift() const { return Vector(A01.x, -std::max(A2.y, A3.y) - 2); }

void TMenPattern::PlaceSheet1() {
    TCollar* collar = CollarNow();
    const float top = std::max(A2.y, A3.y);
    if (!collar) {
        ScreenDC.SetOrigin(kHalfSheet - (T.x + RightEdge()) / 2, top + 10);
    } else if (CollarInPlace()) {
        ScreenDC.SetOrigin(kHalfSheet - (T.x + collar->BoxRight) / 2, collar->BoxTop + 8);
    } else if (CollarApart()) {
        ScreenDC.SetOrigin(kHalfSheet - (T.x + RightEdge()) / 2, top + collar->BoxTop - collar->BoxBottom + 12);
    }
    //  Any other collar kind is not drawn on this sheet; the origin stays.
    ScreenDC.SaveCollarOrigin();
}

void TMenPattern::DrawSheet1() {
    // Every line first, the pattern's and the collar's, then every label:
    // no line runs over a label's text.
    const PieceTarget screen{ScreenDC, GarmentSheets::kScreenOutline, false, true};
    const bool collar = CollarNow() && (CollarInPlace() || CollarApart());
    const Vector shift = ApartCollarShift();
    const Vector* at = CollarApart() ? &shift : nullptr;
    DrawPieceLines(screen);
    if (collar) BodiceFrame::DrawCollarLines(at);
    LabelPieces(screen);
    if (collar) BodiceFrame::LabelCollar(at);
}

void TMenPattern::CaptionSheet1() const {
    if (!GarmentSheets::AttachWithCaptions(1, GarmentSheets::SheetText(1, SheetCount()))) return;
    int y = 24;
    if (CollarNow() && MainForm->CollarType) {
        ScreenDC.TextAt(24, y, "Воротник: " + MainForm->CollarType->text().toStdString());
        y += 18;
    }
    ScreenDC.TextAt(24, y, "Полочка и спинка");
}

void TMenPattern::Draw() {
    if (!calculated || !GarmentSheets::Attach(1)) return;
    PlaceSheet1();
    DrawSheet1();
    GarmentSheets::Refresh(1);
    TSleeve* sleeve = SleeveNow();
    if (!sleeve || !GarmentSheets::Attach(2)) return;
    const int kind = SleeveKindNow();
    if (kind >= 12 && kind <= 14) ScreenDC.SetOrigin(kHalfSheet, 10);
    if (kind == 15 || kind == 16) ScreenDC.SetOrigin(kHalfSheet, sleeve->BoxTop + 10);
    ScreenDC.SaveSleeveOrigin();
    sleeve->Draw();
    sleeve->DrawLabels();
    GarmentSheets::Refresh(2);
}

// A collar handle's drag frame: sheet 1 as Draw and DrawTables draw it,
// changed only where it differs.
void TMenPattern::RedrawCollar() {
    if (!calculated) return;
    GarmentSheets::RedrawChanged(1, [this] {
        if (!GarmentSheets::Attach(1)) return;
        //  Sheet 1's own origin: with a sleeve Draw leaves the sleeve sheet's.
        ScreenDC.RestoreCollarOrigin();
        DrawSheet1();
        CaptionSheet1();
        GarmentSheets::Refresh(1);
    });
}

// ---------------------------------------------------------------------------
// Tables

std::vector<ValueTableRow> TMenPattern::MeasureRows() const {
    const TSleeve* sleeve = SleeveNow();
    return ShownRows({{"P", Height},
                      {"Сш", NeckHalfGirth},
                      {"Сг1", BustHalfGirth1},
                      {"Сг2", BustHalfGirth2},
                      {"Ст", WaistHalfGirth},
                      {"Сб", HipHalfGirth},
                      {"Вг", BustHeight},
                      {"Дт.п", FrontWaistLength},
                      {"Шг", ChestWidth},
                      {"Цг", BustPointSpan},
                      {"Впр.з", BackArmholeHeight},
                      {"Дт.с", BackWaistLength},
                      {"Вп.к", ObliqueShoulderHeight},
                      {"Шс", BackWidth},
                      {"Шп", ShoulderWidth},
                      {"Пк", Posture},
                      {"Пн", sleeve ? sleeve->ShoulderPad : 0.0f, sleeve != nullptr},
                      {"Пг", BustEase},
                      {"Пт", WaistEase},
                      {"Пб", HipEase},
                      {"h", InterliningEase}});
}

std::vector<ValueTableRow> TMenPattern::SleeveRows() const {
    const TSleeve* s = SleeveNow();
    if (!s) return {};
    std::vector<ValueTableRow> rows = {{"Др1с", s->ArmLength},
                                       {"Оп.в", s->UpperArmGirth},
                                       {"Озап", s->WristGirth},
                                       {"Попв", s->UpperArmEase},
                                       {"Поз", s->WristEase}};
    if (MenColumnCaseOf(true, SleeveKindNow()) == MenColumnCase::SetIn) rows.push_back({"H", CapEaseNorm, 3});
    return rows;
}

std::vector<ValueTableRow> TMenPattern::SegmentRows() const {
    return {{"[ G, G3 ]", SegGG3}, {"[ G, G2 ]", SegGG2}, {"[ G2, G3 ]", SegG2G3}, {"[ A01, H ]", SegA01H}};
}

namespace {

// The table sheet's tables: the measurements, the sleeve, the segments.
std::vector<PlacedTable> MenTables(const TMenPattern& g, TableMedium m) {
    const bool screen = m == TableMedium::Screen;
    std::vector<PlacedTable> tables = {
        {screen ? 50 : 35, 57, Layout(m, kPatternTitle, 44, "Измерение", 20, 40), g.MeasureRows()}};
    const std::vector<ValueTableRow> sleeve = g.SleeveRows();
    if (!sleeve.empty()) tables.push_back({screen ? 296 : 282, 57, Layout(m, "Рукав (см)", 73, "Измерение", 20, 40), sleeve});
    //  The vest, without a sleeve table, puts its segments in the sleeve
    //  table's place.
    const bool vest = g.Type() == MenPatternType::kVest;
    const int segmentsX = vest ? (screen ? 296 : 282) : (screen ? 541 : 529);
    tables.push_back({segmentsX, 57, Layout(m, kPatternTitle, 44, "Отрезок", 28, 30), g.SegmentRows()});
    return tables;
}

}  // namespace

void TMenPattern::DrawTables(int) {
    if (!calculated) return;
    const int count = SheetCount();
    const bool ok = GarmentSheets::CaptionSheetsForTables(count, [&](int n) {
        if (n == 1) {
            CaptionSheet1();
        } else if (n == 2 && MainForm->SleeveType) {
            ScreenDC.TextAt(24, 24, "Рукав: " + MainForm->SleeveType->text().toStdString());
        }
    });
    if (!ok) return;
    DrawTablesAndComment(TableMedium::Screen, MenTables(*this, TableMedium::Screen), 228, 489);
    GarmentSheets::Refresh(count);
}

// ---------------------------------------------------------------------------
// Printing

void TMenPattern::Print() {
    BodiceFrame::Print(
        calculated, SheetCount(),
        [&](int sheet) -> std::function<void()> {
            // Sheet 2 holds the sleeve, whichever it is, as on the screen.
            if (sheet == 2) return BodiceFrame::PrintedSleeve();
            return [this] {
                DrawPieces({PrinterDC, GarmentSheets::kPaperOutline, true, true});
                if (CollarInPlace()) {
                    CollarNow()->PrintOn(PrinterDC);
                } else if (CollarApart()) {
                    const Vector shift = ApartCollarShift();
                    BodiceFrame::DrawCollar(PrinterDC, &shift);
                }
            };
        },
        [&] { return MenTables(*this, TableMedium::Paper); }, 489);
}
