// The outline of the women's bodice that both silhouettes share, and the
// names of its points: the back and the front on one sheet (no sleeve, a
// set-in, raglan or dropped-shoulder sleeve), or the front and the back
// apart for the sleeves made in one with the bodice (kimono, batwing).
// Nothing here computes: every point comes from the draft, the silhouette
// step or the sleeve.
#include "garments/bodice_women/Dress.h"

#include "garments/common/PatternPen.h"

namespace {

using Row = Labels::Row<TDress>;

// The dress keeps its back shoulder flat; the jacket and the coats raise it
// and the labels of the spread blade line appear.
bool Raise(const TDress& d) { return d.ShoulderRaise > 0.1f; }
bool NoRaise(const TDress& d) { return !Raise(d); }
// The hips flare the back centre.
bool Hips(const TDress& d) { return d.HipExcess > 0.0f; }
bool NoHips(const TDress& d) { return !Hips(d); }

bool IsStraight(int modelIndex) { return modelIndex >= 7 && modelIndex <= 13 && modelIndex % 2 == 1; }
bool IsFitted(int modelIndex) { return modelIndex >= 8 && modelIndex <= 14 && modelIndex % 2 == 0; }

bool Kimono(int sleeveKind) { return sleeveKind == 7 || sleeveKind == 8; }

const Row kPocketLabels[] = {
    {"Tk", &TDress::Tk, 2}, {"K1", &TDress::K1, 3}, {"K", &TDress::K, 2}, {"K0", &TDress::K0, 3},
    {"K2", &TDress::K2, 5},
};

// The hip line's labels, by whether the hips flare the back centre.
#define DRESS_HIP_LABELS \
    {"B", &TDress::B, 3, Hips}, {"B0", &TDress::B0, 5, Hips}, {"B", &TDress::B, 4, NoHips}

const Row kSetInLabels[] = {
    {"G", &TDress::G, 4},       {"Y", &TDress::Y, 4},         {"U", &TDress::U, 4},
    {"U01", &TDress::U01, 5, Raise}, {"U0", &TDress::U0, 7}, {"U02", &TDress::U02, 6, Raise},
    {"U04", &TDress::U04, 3},   {"U2", &TDress::U2, 3},       {"U03", &TDress::U03, 7},
    {"A", &TDress::A, 4},       {"A0", &TDress::A0, 6},       {"A01", &TDress::A01, 2},
    {"A9", &TDress::A9, 6},     {"A1", &TDress::A1, 2},       {"A2", &TDress::A2, 2},
    {"Q1", &TDress::Q1, 6},     {"U1", &TDress::U1, 7},       {"Q2", &TDress::Q2, 1},
    {"U4", &TDress::U4, 4},     {"U3", &TDress::U3, 3},       {"Q3", &TDress::Q3, 2},
    {"a", &TDress::a, 1},       {"P4", &TDress::P4, 2},       {"P1", &TDress::P1, 2},
    {"P", &TDress::P, 3},       {"P2", &TDress::P2, 7},       {"D", &TDress::D, 2, Raise},
    {"P3", &TDress::P3, 3},     {"D1", &TDress::D1, 3, Raise}, {"G1", &TDress::G1, 7},
    {"G2", &TDress::G2, 3},     {"G4", &TDress::G4, 3},       {"P9", &TDress::P9, 2},
    {"P6", &TDress::P6, 7},     {"3", &TDress::Point3, 4},    {"4", &TDress::Point4, 2},
    {"P11", &TDress::P11, 7},   {"P10", &TDress::P10, 8},     {"P8", &TDress::P8, 7},
    {"a2", &TDress::a2, 1},     {"P5", &TDress::P5, 1},       {"P7", &TDress::P7, 3},
    {"A7", &TDress::A7, 1},     {"A6", &TDress::A6, 2},       {"A8", &TDress::A8, 7},
    {"A4", &TDress::A4, 2},     {"A3", &TDress::A3, 2},       {"a1", &TDress::a1, 2},
    {"A5", &TDress::A5, 3},     {"G3", &TDress::G3, 2},       {"G71", &TDress::G71, 2},
    {"G7", &TDress::G7, 2},     {"G6", &TDress::G6, 3},       {"T2", &TDress::T2, 2},
    {"T3", &TDress::T3, 3},     {"T4", &TDress::T4, 3},       {"B2", &TDress::B2, 2},
    {"B3", &TDress::B3, 5},     DRESS_HIP_LABELS,             {"T", &TDress::T, 4},
    {"T1", &TDress::T1, 3},     {"T5", &TDress::T5, 2},
};

const Row kRaglanLabels[] = {
    {"A", &TDress::A, 4},     {"A0", &TDress::A0, 6},   {"A01", &TDress::A01, 2}, {"A9", &TDress::A9, 6},
    {"A1", &TDress::A1, 2},   {"C1", &TDress::C1, 5},   {"C2", &TDress::C2, 2},   {"a", &TDress::a, 1},
    {"a2", &TDress::a2, 1},   {"P8", &TDress::P8, 7},   {"P5", &TDress::P5, 1},   {"P71", &TDress::P71, 2},
    {"A81", &TDress::A81, 6}, {"A6", &TDress::A6, 2},   {"A41", &TDress::A41, 2}, {"a1", &TDress::a1, 2},
    {"A5", &TDress::A5, 3},   {"G3", &TDress::G3, 2},   {"T2", &TDress::T2, 2},   {"T3", &TDress::T3, 3},
    {"T4", &TDress::T4, 3},   {"B2", &TDress::B2, 2},   {"B3", &TDress::B3, 5},   DRESS_HIP_LABELS,
    {"T", &TDress::T, 4},     {"T1", &TDress::T1, 3},   {"T5", &TDress::T5, 2},   {"G71", &TDress::G71, 2},
    {"G7", &TDress::G7, 2},   {"G6", &TDress::G6, 3},   {"G4", &TDress::G4, 3},   {"P6", &TDress::P6, 7},
    {"G2", &TDress::G2, 3},   {"G1", &TDress::G1, 7},   {"P3", &TDress::RaglanP3, 3}, {"Y", &TDress::Y, 4},
    {"G", &TDress::G, 4},
};

const Row kDroppedLabels[] = {
    {"G", &TDress::G, 4},     {"Y", &TDress::Y, 4},     {"U", &TDress::U, 4},     {"U2", &TDress::U2, 3},
    {"A", &TDress::A, 4},     {"A0", &TDress::A0, 6},   {"A01", &TDress::A01, 2}, {"A9", &TDress::A9, 6},
    {"A1", &TDress::A1, 2},   {"A2", &TDress::A2, 2},   {"Q1", &TDress::Q1, 6},   {"U1", &TDress::U1, 7},
    {"Q2", &TDress::Q2, 1},   {"U4", &TDress::U4, 4},   {"U3", &TDress::U3, 3},   {"Q3", &TDress::Q3, 2},
    {"a", &TDress::a, 1},     {"P4", &TDress::P4, 2},   {"P2", &TDress::P2, 7},   {"P", &TDress::P, 3},
    {"P1", &TDress::P1, 2},   {"P12", &TDress::P12, 2}, {"C", &TDress::C, 3},     {"Pc", &TDress::Pc, 6},
    {"P3", &TDress::RaglanP3, 3}, {"Q", &TDress::Q, 2}, {"G1", &TDress::G1, 7},   {"G2", &TDress::G2, 3},
    {"G4", &TDress::G4, 3},   {"P6", &TDress::P6, 7},   {"Pp", &TDress::Pp, 2},   {"C1", &TDress::C1, 6},
    {"P13", &TDress::P13, 8}, {"P11", &TDress::P11, 3}, {"P8", &TDress::P8, 7},   {"a2", &TDress::a2, 1},
    {"P5", &TDress::P5, 1},   {"P7", &TDress::P7, 3},   {"A7", &TDress::A7, 1},   {"A6", &TDress::A6, 2},
    {"A8", &TDress::A8, 7},   {"A4", &TDress::A4, 2},   {"A3", &TDress::A3, 2},   {"a1", &TDress::a1, 2},
    {"A5", &TDress::A5, 3},   {"G3", &TDress::G3, 2},   {"G71", &TDress::G71, 2}, {"G7", &TDress::G7, 2},
    {"G6", &TDress::G6, 3},   {"T2", &TDress::T2, 2},   {"T3", &TDress::T3, 3},   {"T4", &TDress::T4, 3},
    {"B2", &TDress::B2, 2},   {"B3", &TDress::B3, 5},   DRESS_HIP_LABELS,         {"T", &TDress::T, 4},
    {"T1", &TDress::T1, 3},   {"T5", &TDress::T5, 2},
};

const Row kFrontLabels[] = {
    {"P8", &TDress::P8, 7}, {"a2", &TDress::a2, 1}, {"P5", &TDress::P5, 1},   {"P7", &TDress::P7, 3},
    {"A7", &TDress::A7, 1}, {"A6", &TDress::A6, 2}, {"A8", &TDress::A8, 7},   {"A4", &TDress::A4, 2},
    {"A3", &TDress::A3, 2}, {"a1", &TDress::a1, 2}, {"A5", &TDress::A5, 3},   {"G3", &TDress::G3, 2},
    {"G71", &TDress::G71, 2}, {"G7", &TDress::G7, 2}, {"G6", &TDress::G6, 3}, {"T2", &TDress::T2, 2},
    {"T3", &TDress::T3, 3}, {"T4", &TDress::T4, 3}, {"B2", &TDress::B2, 2},   {"B3", &TDress::B3, 2},
    {"Tw", &TDress::Tw, 3}, {"T5", &TDress::T5, 2}, {"G2", &TDress::G2, 1},   {"G4", &TDress::G4, 3},
    {"P6", &TDress::P6, 7}, {"P9", &TDress::P9, 2},
};

const Row kBackLabels[] = {
    {"G2", &TDress::G2, 1},   {"T5", &TDress::T5, 8},   {"Tw", &TDress::Tw, 9},   {"B3", &TDress::B3, 5},
    DRESS_HIP_LABELS,         {"T", &TDress::T, 4},     {"T1", &TDress::T1, 3},   {"G", &TDress::G, 4},
    {"G1", &TDress::G1, 7},   {"P3", &TDress::P3Blade, 2}, {"U", &TDress::U, 4},  {"Y", &TDress::Y, 4},
    {"U04", &TDress::U04, 3}, {"U2", &TDress::U2, 3},   {"U03", &TDress::U03, 7}, {"A", &TDress::A, 4},
    {"A0", &TDress::A0, 6},   {"A01", &TDress::A01, 2}, {"A9", &TDress::A9, 6},   {"A1", &TDress::A1, 2},
    {"A2", &TDress::A2, 2},   {"Q1", &TDress::Q1, 6},   {"U1", &TDress::U1, 7},   {"Q2", &TDress::Q2, 1},
    {"U4", &TDress::U4, 4},   {"U3", &TDress::U3, 3},   {"Q3", &TDress::Q3, 2},   {"a", &TDress::a, 2},
    {"P4", &TDress::P4, 2},   {"P1", &TDress::P1, 2},   {"P", &TDress::P, 3},     {"P2", &TDress::P2, 7},
};

#undef DRESS_HIP_LABELS

template <std::size_t N>
void Put(const PatternPen& pen, const TDress& d, const Row (&rows)[N]) {
    Labels::PutAll(pen.dc, pen.printer, d, rows);
}

}  // namespace

// ---------------------------------------------------------------------------
// Shared pieces of the drawings

void TDress::DrawBackCentre(const PatternPen& pen, int modelIndex) const {
    if (IsStraight(modelIndex) && HipExcess > 0.0f)
        pen.Quad(BackCentreWaist, BackCentreGuide, A01, 30);
    else if (IsStraight(modelIndex) || IsFitted(modelIndex))
        pen.Quad(Y, BackCentreGuide, A01, 20);
}

// The back centre, the back neckline and the shoulder with the closed dart
// up to P1: the start of every drawing of the back but the raglan's.
void TDress::DrawBackNeckAndShoulder(const PatternPen& pen, int modelIndex) const {
    pen.Thin();
    pen.Line({A, Y});
    pen.Thick();
    DrawBackCentre(pen, modelIndex);
    pen.Quad(A01, NeckCtrl1, A9, 20);
    pen.Quad(A9, NeckCtrl2, A2, 10);
    pen.To(Q2);
    pen.To(Q3);
    pen.To(P1);
}

// The back shoulder dart's construction lines.
void TDress::DrawShoulderDartLines(const PatternPen& pen) const {
    pen.Tick(P4Tick);
    pen.Line({P4, Q2, U, U3});
    pen.Line({Q3, U2, Q1});
    pen.Line({U1, U});
}

// The front from the bust dart's leg over the neck to the front centre.
void TDress::DrawFrontNeck(const PatternPen& pen, const Vector& neckPoint, int chords) const {
    pen.To(A8);
    pen.To(neckPoint);
    pen.ArcFrom(FrontNeckCentre, neckPoint, A5, chords);
    pen.To(B2);
}

// The front shoulder from P11, the dart leg, the neck and the front centre.
void TDress::DrawFrontShoulder(const PatternPen& pen) const {
    pen.Quad(P11, FrontShoulderMid, P7, 20);
    pen.To(G71);
    DrawFrontNeck(pen, A4, 30);
}

// The construction lines of the front's lower part, the bust point and the
// dart turned about it, from the front centre at the hip.
void TDress::DrawBustConstruction(const PatternPen& pen) const {
    pen.Thin();
    pen.To(B);
    pen.To(T);
    pen.To(T2);
    pen.Line({T3, T4, T5, T1});
    pen.Line({T, Y});
    pen.Line({G, G3});
    pen.Line({T4, G7, G71});
    pen.Line({G7, A6});
    pen.ArcFrom(G7, A4, A6, 10);
    pen.ArcFrom(G7, A6, P5, 30);
}

// The grid of the necks and the back shoulder.
void TDress::DrawNeckConstruction(const PatternPen& pen) const {
    pen.Line({A5, A3, A4});
    pen.Line({a1, A, A0, A01, A1, A9});
    pen.Line({A1, A2, P, P2});
    DrawShoulderDartLines(pen);
}

// The back armhole below the raglan or dropped shoulder line, from where
// that line meets it.
void TDress::DrawBackArmholeBelow(const PatternPen& pen) const {
    const float t = RaglanBackParam;
    if (RaglanSide == 1) {
        pen.QuadPart(P3, BackArmCtrl2, BackArmMid, t, 1.0f, 20);
        pen.Quad(BackArmMid, BackArmCtrl3, G2, 20);
    } else if (RaglanSide == 2) {
        pen.QuadPart(BackArmMid, BackArmCtrl3, G2, t, 1.0f, 20);
    }
}

// After the vertical guide that the caller draws: the horizontal, vertical
// and slanting guides with their ticks.
void TDress::DrawPocketGuides(const PatternPen& pen) const {
    const Vector* t = PocketTicks;
    pen.Thin();
    pen.Line({t[2], t[3]});
    pen.Thick();
    pen.Line({K2, K1});
    pen.Thin();
    pen.Line({t[1], t[0]});
    pen.Line({t[11], t[10]});
    pen.Line({PocketSlant1, PocketSlantEnd1});
    pen.Line({t[19], t[18]});
    pen.Line({t[17], t[16]});
    pen.Line({PocketSlantEnd2, PocketSlant2});
    pen.Line({t[9], t[8]});
    pen.Line({t[7], t[6]});
    pen.Line({PocketSlant3, PocketSlantEnd3});
    pen.Line({t[15], t[14]});
    pen.Line({t[13], t[12]});
    pen.Thick();
    pen.Line({PocketVBottom, PocketVTop});
    pen.Thin();
    pen.Line({t[5], t[4]});
}

void TDress::LabelPockets(const PatternPen& pen) const { Put(pen, *this, kPocketLabels); }

// ---------------------------------------------------------------------------
// Back and front on one sheet

void TDress::DrawBodice(const PatternPen& pen, int sleeveKind, bool withSleeve, int modelIndex) const {
    const Vector* n = ArmholeNotches;
    if (sleeveKind >= 0 && sleeveKind <= 4) {
        // 1.-2. Back centre, back neckline, shoulder with the closed dart,
        //       upper back armhole.
        DrawBackNeckAndShoulder(pen, modelIndex);
        pen.Quad(P1, BackArmCtrl1, P3, 20);
        // 3. The sleeve's mark on the back armhole.
        if (withSleeve) {
            pen.Thin();
            if (sleeveKind == 2) {
                pen.Line({n[4], n[6]});
                pen.Line({n[7], n[5]});
            } else {
                pen.To(n[2]);
                pen.Line({n[1], n[3]});
            }
            pen.Thick();
        }
        // 4. Lower back and front armhole.
        pen.Quad(P3, BackArmCtrl2, BackArmMid, 20);
        pen.Quad(BackArmMid, BackArmCtrl3, G2, 20);
        pen.Quad(G2, FrontArmCtrl1, FrontArmMid, 20);
        pen.Quad(FrontArmMid, FrontArmCtrl2, P6, 20);
        // 5. The two-seam sleeve's mark on the front armhole.
        if (withSleeve) {
            pen.Thin();
            if (sleeveKind == 2) {
                pen.Line({n[0], n[2]});
                pen.Line({n[1], n[3]});
            }
            pen.Thick();
        }
        // 6. Upper front armhole, shoulder, dart leg, neck, front centre.
        pen.Quad(P6, FrontArmCtrl3, Point4, 20);
        pen.Quad(Point4, FrontArmCtrl4, P11, 20);
        DrawFrontShoulder(pen);
        // 7. Construction lines.
        DrawBustConstruction(pen);
        pen.To(G7);
        DrawNeckConstruction(pen);
        pen.Line({Y, P3Blade});
        pen.Line({D, U, D1});
        pen.ArcFrom(U, U01, U03, 30);
        pen.Line({a, G1});
        pen.Line({P9Tick[1], P9Tick[0]});
        pen.Line({P9, P6, Point3, Point4});
        pen.Line({Point3, P10, A7});
        pen.Line({a2, P8});
        pen.Tick(P8Tick);
    } else if (sleeveKind == 5 || sleeveKind == 6) {
        // The raglan sleeve has taken the shoulder off the bodice.
        pen.Thin();
        pen.Line({Y, A0, A1, A9, C1, C2});
        pen.Line({C1, P3});
        pen.Line({RaglanP3, Y});
        pen.Thick();
        DrawBackCentre(pen, modelIndex);
        pen.Quad(A01, NeckCtrl1, A9, 20);
        pen.Quad(A9, BackRaglanCtrl1, C2, 20);
        pen.Quad(C2, BackRaglanCtrl2, Q, 20);
        DrawBackArmholeBelow(pen);
        // Front armhole up to the raglan line.
        const float tf = RaglanFrontParam;
        pen.Quad(G2, FrontArmCtrl1, FrontArmMid, 20);
        if (RaglanFrontSide == 1) {
            pen.QuadPart(FrontArmMid, FrontArmCtrl2, P6, 0.0f, tf, 20);
        } else if (RaglanFrontSide == 2) {
            pen.Quad(FrontArmMid, FrontArmCtrl2, P6, 20);
            pen.QuadPart(P6, FrontArmCtrl3, Point4, 0.0f, tf, 20);
        }
        // Front raglan line with the bust dart.
        const float td = RaglanDartParam;
        if (RaglanDartSide == 1) {
            pen.QuadPart(FrontRaglanStart, FrontRaglanCtrl1, FrontRaglanMid, 0.0f, td, 20);
        } else if (RaglanDartSide == 2) {
            pen.Quad(FrontRaglanStart, FrontRaglanCtrl1, FrontRaglanMid, 20);
            pen.QuadPart(FrontRaglanMid, FrontRaglanCtrl2, FrontRaglanEnd, 0.0f, td, 20);
        }
        pen.To(P71);
        pen.To(G71);
        pen.To(A81);
        if (RaglanDartSide == 1) {
            pen.QuadPart(TurnedRaglanStart, TurnedRaglanCtrl1, TurnedRaglanMid, td, 1.0f, 20);
            pen.Quad(TurnedRaglanMid, TurnedRaglanCtrl2, A41, 20);
        } else if (RaglanDartSide == 2) {
            pen.QuadPart(TurnedRaglanMid, TurnedRaglanCtrl2, A41, td, 1.0f, 20);
        }
        pen.ArcFrom(FrontNeckCentre, A41, A5, 26);  // 26 chords, not 30
        pen.To(B2);
        pen.Thin();
        pen.To(B);
        pen.Line({T, T2});
        pen.Line({T3, T4, T5, T1});
        pen.Line({B, Y});
        pen.Line({G, G3});
        pen.Line({T4, G7, G71});
        pen.Line({G7, A6});
        pen.ArcFrom(G7, A6, P5, 30);
        pen.To(G7);
        pen.Line({A5, a1, a, G1});
        pen.Tick(RaglanTick);
        pen.Tick(P8Tick);
        pen.Line({P8, a2});
        pen.Line({a, A});
    } else if (sleeveKind == 9 || sleeveKind == 10) {
        // The dropped shoulder carries the shoulder line past the armhole.
        DrawBackNeckAndShoulder(pen, modelIndex);
        pen.Quad(P1, P12, DropBackEnd, 20);
        pen.To(C);
        pen.Quad(C, Pc, Q, 20);
        DrawBackArmholeBelow(pen);
        pen.Quad(G2, FrontArmCtrl1, FrontArmMid, 20);
        pen.Quad(FrontArmMid, FrontArmCtrl2, P6, 20);
        pen.Quad(P6, Pp, C1, 20);
        pen.To(DropFrontEnd);
        pen.Quad(DropFrontEnd, P13, P11, 20);
        DrawFrontShoulder(pen);
        DrawBustConstruction(pen);
        pen.Line({A7, P7});
        pen.Line({P5, G7});
        DrawNeckConstruction(pen);
        pen.Line({Y, RaglanP3});
        pen.Line({a, G1});
        pen.Line({DropTick[1], DropTick[0]});
        pen.Line({DropNotch, Q, Pc, C});
        pen.Line({DropBackEnd, P12, P1});
        pen.Line({P11, P13, DropFrontEnd});
        pen.Line({C1, Pp});
        pen.Line({P9Tick[1], P9Tick[0]});
        pen.Line({P9, P6});
        pen.Line({a2, P8});
        pen.Tick(P8Tick);
    }
    pen.Thin();
    pen.Line({P8, G4, K});
    DrawPocketGuides(pen);
}

void TDress::LabelBodice(const PatternPen& pen, int sleeveKind) const {
    if (sleeveKind >= 0 && sleeveKind <= 4) {
        Put(pen, *this, kSetInLabels);
    } else if (sleeveKind == 5 || sleeveKind == 6) {
        Put(pen, *this, kRaglanLabels);
        // The handle is for the mouse: paper has none.
        if (pen.printer) {
            LabelPockets(pen);
            return;
        }
        RaglanHandle.Draw(pen.dc);
    } else if (sleeveKind == 9 || sleeveKind == 10) {
        Put(pen, *this, kDroppedLabels);
    }
    LabelPockets(pen);
}

// ---------------------------------------------------------------------------
// Front and back apart, for the sleeves made in one with the bodice

void TDress::DrawFrontWithSleeve(const PatternPen& pen, int sleeveKind) const {
    // 1. Front shoulder.
    if (Kimono(sleeveKind)) {
        pen.Thin();
        pen.Line({P7, P10, P11});
        pen.Thick();
        pen.Quad(P11, FrontShoulderMid, P7, 20);
        pen.To(G71);
    } else if (sleeveKind == 11) {
        pen.Thick();
        pen.Line({P10, P7, G71});
    }
    // 2. Dart leg, front neck, front centre.
    pen.Thick();
    DrawFrontNeck(pen, A4, 30);
    // 3. Construction lines.
    pen.Thin();
    pen.To(B3);
    pen.To(G2);
    pen.To(G3);
    pen.Line({T2, Tw});
    if (Kimono(sleeveKind)) {
        pen.Line({TwTick[1], TwTick[0]});
        pen.Line({T5Tick[1], T5Tick[0]});
    }
    pen.Line({T5, T4, T3});
    pen.Line({T4, G7, G71});
    pen.Line({G7, P5});
    pen.Line({A7, P7});
    pen.ArcBack(G7, A6, P5, 30);
    pen.ArcBack(G7, A4, A6, 10);
    pen.Line({A6, G7});
    pen.Line({A5, A3, A4});
    pen.Line({a1, a2, P8});
    pen.Tick(P8Tick);
    pen.Line({P8, P6, P9});
    pen.Tick(P9Tick);
    // 4. Pocket guides.
    pen.Line({P6, K});
    DrawPocketGuides(pen);
}

void TDress::DrawBackWithSleeve(const PatternPen& pen, int sleeveKind, int modelIndex) const {
    DrawBackNeckAndShoulder(pen, modelIndex);
    pen.Thin();
    DrawShoulderDartLines(pen);
    pen.Line({Y, P3Blade});
    pen.ArcFrom(U, U01, U03, 30);
    pen.Line({A, A0, A01, A1, A9});
    pen.Line({A1, A2, P, P2});
    pen.Line({A, a, G1});
    pen.Line({G, G2});
    if (Kimono(sleeveKind)) pen.Tick(T5Tick);
    if (Kimono(sleeveKind) || sleeveKind == 11) {
        pen.Line({T5, T1});
        pen.Line({T, Tw});
    }
    if (Kimono(sleeveKind)) pen.Tick(TwTick);
    pen.Line({B3, B});
}

void TDress::LabelFrontPoints(const PatternPen& pen, int sleeveKind) const {
    if (Kimono(sleeveKind) || sleeveKind == 11) pen.Label(P10, "P10", 8);
    if (Kimono(sleeveKind)) pen.Label(P11, "P11", 3);
    Put(pen, *this, kFrontLabels);
    LabelPockets(pen);
}

void TDress::LabelBackPoints(const PatternPen& pen) const { Put(pen, *this, kBackLabels); }
