// The two silhouettes of the men's shirts and jackets: the straight side
// seams, and the fitted waist with its side take-in and darts.
#include "garments/common/DraftSteps.h"
#include "garments/common/PatternPen.h"
#include "garments/shirts_men/MenShirts.h"
#include "kernel/FloatStore.h"

namespace {

float F(double v) { return FloatStore::Scalar(v, "men's shirt silhouette"); }

// Where the side lines G2 → B4 (back) and G2 → B5 (front) cross the waist
// line through T and T3; whole lines, not segments.
void WaistCrossings(const TMenDress& d, Vector& back, Vector& front) {
    const Vector waist = Vector::UnitBetween(d.T, d.T3);
    back = DraftSteps::Crossing(d.T, waist, d.G2, Vector::UnitBetween(d.G2, d.B4), "men's shirt: back side line");
    front = DraftSteps::Crossing(d.T, waist, d.G2, Vector::UnitBetween(d.G2, d.B5), "men's shirt: front side line");
}

}  // namespace

// ---------------------------------------------------------------------------
// Straight

void TMenDressOfStraight::DraftSideSeams() { WaistCrossings(*this, BackSideCross, FrontSideCross); }

void TMenDressOfStraight::DrawSideSeams(const PatternPen& pen) const {
    pen.Thick();
    pen.Line({G2, B4});
    pen.Line({B5, G2});
}

void TMenDressOfStraight::LabelWaistPoints(const PatternPen& pen) const {
    pen.Label(BackSideCross, "T4", 8);
    pen.Label(T2, "T2", 4);
    pen.Label(FrontSideCross, "T5", 2);
}

// ---------------------------------------------------------------------------
// Fitted

namespace {

// A waist dart of the given width centred at x on the waist line: its legs,
// its ends 6 cm below the chest line and 5 cm above the hip line B, and the
// 0.4 cm bars across them.
struct DartPoints {
    Vector& centre;
    Vector& left;
    Vector& right;
    Vector& top;
    Vector (&topBar)[2];
    Vector& bottom;
    Vector (&bottomBar)[2];
};

void PlaceDart(const DartPoints& d, float x, float width, const TMenDress& g) {
    const float w = F(0.5 * width);
    d.centre = Vector(x, g.T.y);
    d.left = Vector(F(double(x) - w), g.T.y);
    d.right = Vector(F(double(x) + w), g.T.y);
    const float top = F(double(g.G.y) - 6.0), bottom = F(double(g.B.y) + 5.0);
    d.top = Vector(x, top);
    d.topBar[0] = Vector(F(x - 0.2), top);
    d.topBar[1] = Vector(F(x + 0.2), top);
    d.bottom = Vector(x, bottom);
    d.bottomBar[0] = Vector(F(x - 0.2), bottom);
    d.bottomBar[1] = Vector(F(x + 0.2), bottom);
}

// A dart as a closed diamond with its centre line and end bars, thin.
void DrawDart(const PatternPen& pen, const Vector& left, const Vector& right, const Vector& top,
              const Vector (&topBar)[2], const Vector& bottom, const Vector (&bottomBar)[2]) {
    pen.Thin();
    pen.Line({bottomBar[0], bottomBar[1]});
    pen.Line({bottom, right, top, left, bottom, top});
    pen.Line({topBar[0], topBar[1]});
}

}  // namespace

float* TMenDressOfWaist::SilhouetteSlot(MenQ q) {
    if (q == MenQ::Ct) return &WaistGirth;
    if (q == MenQ::Pt) return &WaistEase;
    return nullptr;
}

void TMenDressOfWaist::DraftWaist() {
    WaistCrossings(*this, BackSideCross, FrontSideCross);
    // S: the half width at the chest less the waist with its ease, and what
    // the side lines' slant gives or takes at the waist.
    const float S = F(double(BustHalfGirth) + BustEase - WaistGirth - WaistEase + BackSideCross.x - FrontSideCross.x);
    WaistSuppression = S;
    // Up to 3 cm at the side seams alone, half each; then 1.5 cm each side,
    // the back dart up to 2 cm, the front dart up to 2 cm; more than 7 cm
    // is not taken in.
    const float side = S <= 3.0f ? F(0.5 * S) : 1.5f;
    BackWaistPoint = Vector(F(double(BackSideCross.x) - side), T.y);
    FrontWaistPoint = Vector(F(double(FrontSideCross.x) + side), T.y);
    if (S > 3.0f) {
        const float width = S <= 5.0f ? F(double(S) - 3.0) : 2.0f;
        PlaceDart({BackDartCentre, BackDartLeft, BackDartRight, BackDartTop, BackDartTopBar, BackDartBottom,
                   BackDartBottomBar},
                  F((double(T.x) + BackWaistPoint.x) / 2), width, *this);
    }
    if (S > 5.0f) {
        const float width = S <= 7.0f ? F(double(S) - 5.0) : 2.0f;
        PlaceDart({FrontDartCentre, FrontDartLeft, FrontDartRight, FrontDartTop, FrontDartTopBar, FrontDartBottom,
                   FrontDartBottomBar},
                  F((double(FrontWaistPoint.x) + T3.x) / 2), width, *this);
    }
    // The side seams' controls: 30 % of the way from the waist up to G2,
    // 20 % of the way down to the hip line, and on the straight side lines
    // near the hip points.
    const double yW = T2.y;
    const float upper = F(yW + 0.3 * (double(G2.y) - yW)), lower = F(yW - 0.2 * (yW - B2.y));
    FrontSideUpperCtrl = Vector(FrontWaistPoint.x, upper);
    BackSideUpperCtrl = Vector(BackWaistPoint.x, upper);
    FrontSideLowerCtrl = Vector(FrontWaistPoint.x, lower);
    BackSideLowerCtrl = Vector(BackWaistPoint.x, lower);
    FrontSideHemCtrl = B5 + Vector::UnitBetween(B5, G2) * F(0.2 * Geom::Distance(B5, T2));
    BackSideHemCtrl = B4 + Vector::UnitBetween(B4, G2) * F(0.2 * Geom::Distance(B4, BackSideCross));
}

void TMenDressOfWaist::DrawSideSeams(const PatternPen& pen) const {
    pen.Thick();
    pen.Quad(G2, FrontSideUpperCtrl, FrontWaistPoint, 15);
    pen.Cubic(FrontWaistPoint, FrontSideLowerCtrl, FrontSideHemCtrl, B5, 15);
    if (HasFrontDart()) {
        DrawDart(pen, FrontDartLeft, FrontDartRight, FrontDartTop, FrontDartTopBar, FrontDartBottom,
                 FrontDartBottomBar);
        pen.Thick();
        pen.Quad(G2, BackSideUpperCtrl, BackWaistPoint, 15);
        pen.Cubic(BackWaistPoint, BackSideLowerCtrl, BackSideHemCtrl, B4, 15);
    } else {
        // Drawn from the hem up.
        pen.Cubic(B4, BackSideHemCtrl, BackSideLowerCtrl, BackWaistPoint, 15);
        pen.Quad(BackWaistPoint, BackSideUpperCtrl, G2, 15);
    }
    if (HasBackDart())
        DrawDart(pen, BackDartLeft, BackDartRight, BackDartTop, BackDartTopBar, BackDartBottom, BackDartBottomBar);
}

void TMenDressOfWaist::LabelWaistPoints(const PatternPen& pen) const {
    if (HasBackDart()) {
        pen.Label(BackDartLeft, "T6", 8);
        pen.Label(BackDartRight, "T7", 2);
    }
    pen.Label(BackWaistPoint, "T41", 6);
    pen.Label(T2, "T2", 4);
    pen.Label(FrontWaistPoint, "T51", 2);
    if (HasFrontDart()) {
        pen.Label(FrontDartLeft, "T8", 8);
        pen.Label(FrontDartRight, "T9", 2);
    }
}
