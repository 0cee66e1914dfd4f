// The men's bodice on a sheet: the back and front outline with their
// construction lines, in the set-in and the raglan layout, and the point
// names.
#include <vector>

#include "garments/common/PatternPen.h"
#include "garments/shirts_men/MenDress.h"
#include "shell/MainForm.h"

namespace {

JacketCollarPoint jacketCollarPoint = nullptr;

// The breast pocket is drawn on a chest at least this wide (G4 → G3).
constexpr float kPocketChest = 17.0f;

}  // namespace

JacketCollarPoint SetJacketCollarPoint(JacketCollarPoint point) {
    const JacketCollarPoint before = jacketCollarPoint;
    jacketCollarPoint = point;
    return before;
}

MenOutlineChoice CurrentMenOutlineChoice() {
    MenOutlineChoice c;
    if (!MainForm) return c;
    if (MainForm->Sleeve) c.sleeveKind = MainForm->SleeveKind;
    if (MainForm->Collar) {
        c.collarKind = MainForm->CollarKind;
        c.jacketCollar = jacketCollarPoint && jacketCollarPoint(*MainForm->Collar, c.c6);
    }
    return c;
}

void TMenDress::DrawOutline(const PatternPen& pen, const MenOutlineChoice& c) const {
    if (c.sleeveKind < 0 || c.sleeveKind > 6) return;
    const bool raglan = c.Raglan();
    const Vector& N = FrontNeckCentre;

    if (!raglan) {
        // 1. The back neck, the back shoulder raised by 1 cm, its end P.
        pen.Thick();
        pen.Quad(A01, NeckCtrl1, A9, 20);
        pen.Quad(A9, NeckCtrl2, A2, 10);
        pen.To(A21);
        pen.To(P1);
        pen.To(P);
        pen.Thin();
        pen.To(P2);
        // 2. The upper back armhole; a yoke seam takes K1 → K2 out of it.
        pen.Thick();
        if (HasYoke) {
            pen.QuadPart(P, BackArmholeCtrl, P31, 0, YokeParam1, 16);
            pen.To(K);
            pen.Quad(U, YokeCtrl, K2, 15);
            pen.Thin();
            pen.QuadPart(P, BackArmholeCtrl, P31, YokeParam1, YokeParam2, 16);
            pen.Thick();
            pen.QuadPart(P, BackArmholeCtrl, P31, YokeParam2, 1, 16);
        } else {
            pen.Quad(P, BackArmholeCtrl, P31, 20);
        }
        // 3. The back notch.
        if (c.HasSleeve()) {
            pen.Thin();
            if (c.sleeveKind == 2) {
                pen.Line({BackSleeveNotch[0], BackSleeveNotch[2]});
                pen.Line({BackSleeveNotch[3], BackSleeveNotch[1]});
            } else {
                pen.Line({P31, BackNotchMark[1]});
                pen.Line({BackNotchMark[0], BackNotchMark[2]});
            }
        }
        // 4. The lower armhole, back and front.
        pen.Thick();
        pen.Quad(P31, BackArmholeCtrl1, BackArmholeJoin, 20);
        pen.Quad(BackArmholeJoin, BackArmholeCtrl2, G2, 20);
        pen.Quad(G2, FrontArmholeCtrl1, FrontArmholeJoin, 20);
        pen.Quad(FrontArmholeJoin, FrontArmholeCtrl2, P6, 20);
        // 5. The front notch (the two-seam sleeve's two marks).
        if (c.HasSleeve()) {
            pen.Thin();
            if (c.sleeveKind == 2) {
                pen.Line({FrontSleeveNotch, BackNotchMark[1]});
                pen.Line({BackNotchMark[0], BackNotchMark[2]});
                pen.Line({Point4, FrontNotchMark[0]});
                pen.Line({FrontNotchMark[2], FrontNotchMark[1]});
            } else {
                pen.Line({P6, FrontNotchMark[0]});
                pen.Line({FrontNotchMark[1], FrontNotchMark[2]});
            }
        }
        // 6. The upper front armhole to P11, the front shoulder lowered by
        //    1 cm, the front neck.
        pen.Thick();
        pen.Quad(P6, FrontArmholeCtrl3, Point4, 20);
        pen.QuadPart(Point4, FrontArmholeCtrl4, P10, 0, ShoulderSplitParam, 20);
        pen.To(A41);
        pen.ArcFrom(N, A41, A5, 30);
    } else {
        // 1. The back neck and the back raglan line.
        pen.Thick();
        pen.Quad(A01, NeckCtrl1, A9, 20);
        pen.Quad(A9, BackRaglanCtrl1, C2, 20);
        pen.Quad(C2, BackRaglanCtrl2, BackRaglanEnd, 20);
        // 2. The back armhole below the raglan line.
        if (RaglanSide == 1) {
            pen.QuadPart(P31, BackArmholeCtrl1, BackArmholeJoin, RaglanBackParam, 1, 20);
            pen.Quad(BackArmholeJoin, BackArmholeCtrl2, G2, 20);
        } else if (RaglanSide == 2) {
            pen.QuadPart(BackArmholeJoin, BackArmholeCtrl2, G2, RaglanBackParam, 1, 20);
        }
        // 3. The front armhole below it.
        if (RaglanFrontSide == 1) {
            pen.QuadPart(G2, FrontArmholeCtrl1, FrontArmholeJoin, 0, RaglanFrontParam, 20);
        } else if (RaglanFrontSide == 2) {
            pen.Quad(G2, FrontArmholeCtrl1, FrontArmholeJoin, 20);
            pen.QuadPart(FrontArmholeJoin, FrontArmholeCtrl2, P6, 0, RaglanFrontParam, 20);
        }
        // 4. The front raglan line and the front neck.
        pen.Quad(FrontRaglanEnd, FrontRaglanCtrl1, C4, 20);
        pen.Quad(C4, FrontRaglanCtrl2, A42, 20);
        pen.ArcFrom(N, A42, A5, 30);
    }

    // 7. The front edge: the overlap through A51 and H5, or straight down
    //    the front centre when the collar makes the edge.
    if (c.Edge()) {
        pen.To(A51);
        pen.To(H5);
    } else {
        pen.To(H11);
    }
    // 8. The hems, the side between them, the back centre.
    pen.To(H4);
    pen.Cubic(H4, HemCtrl[3], HemCtrl[2], B51, 30);
    pen.Thin();
    pen.To(B41);
    pen.Thick();
    pen.Cubic(B41, HemCtrl[1], HemCtrl[0], H3, 30);
    pen.To(H0);
    pen.To(A01);

    if (!raglan) {
        // 9. Construction lines of the neck, shoulders and armhole.
        pen.Thin();
        pen.Line({A01, A1, A9});
        pen.Line({A1, A2, P});
        pen.Line({a, G11, G41, P4});
        pen.Tick(ShoulderLevelTick);
        pen.Line({P4, a2});
        pen.Line({P10, Point3, Point4});
        pen.Line({Point3, P6});
        pen.QuadPart(Point4, FrontArmholeCtrl4, P10, ShoulderSplitParam, 1, 20);
        pen.To(A4);
        // 10. The neck taken by the shoulder seam's move: part of the
        //     outline with the shawl collar.
        if (c.collarKind == 5)
            pen.Thick();
        else
            pen.Thin();
        pen.ArcFrom(N, A4, A41, 5);
        // 11. The front frame.
        pen.Thin();
        pen.Line({A4, A3});
        if (c.Edge()) {
            pen.To(H1);
        } else {
            pen.To(A5);
            pen.Line({H11, H1});
        }
    } else {
        // 5. Construction lines of the raglan bodice.
        pen.Thin();
        pen.Line({A01, A1, A9, C1, C2});
        pen.Line({C1, C1Partner});
        pen.Line({G0, G2, G11, P31});
        pen.Tick(BackRaglanNotch);
        pen.Line({P31, a});
        pen.Line({a2, P6});
        pen.Tick(FrontRaglanNotch);
        pen.Line({P6, G41, G2});
        pen.Line({C3Partner, C3, C4});
        pen.Line({C3, A42});
        pen.Line({a1, A});
        pen.Line({G, G3});
        // 6. The neck between A4 and A42: outline with the shawl collar;
        //    with the jacket collar thick from its "С6" when that lies
        //    above A42.
        if (c.collarKind == 5) {
            pen.Thick();
            pen.ArcBack(N, A4, A42, 5);
        } else if (c.jacketCollar) {
            if (c.c6.y > A42.y) {
                pen.Thick();
                pen.ArcBack(N, c.c6, A42, 5);
                pen.Thin();
                pen.ArcBack(N, A4, c.c6, 5);
            } else {
                pen.Thin();
                pen.ArcBack(N, A4, A42, 5);
            }
        }
        // 7. The front frame.
        pen.Thin();
        pen.dc.MoveTo(a1);
        if (c.Edge()) {
            pen.To(H1);
        } else {
            pen.To(A5);
            pen.Line({H11, H1});
        }
    }

    // The hem, hip and side lines.
    pen.To(H3);
    pen.Line({B, B3});
    pen.Line({H4, FrontSideHem2});
    pen.Line({FrontSideHem, B51});
    // 12. The lower side seams, the side, waist and chest lines.
    pen.Thick();
    pen.Line({B51, B5});
    pen.Line({B4, B41});
    pen.Thin();
    pen.Line({B41, BackSideHem});
    pen.Line({H2, G0});
    pen.Line({T3, T});
    pen.Line({WaistNotch[1], WaistNotch[0]});
    pen.Line({G, G3});
    // 13. The breast pocket on a chest wide enough for it.
    if (G3.x - G4.x >= kPocketChest) {
        pen.Thick();
        pen.Line({PocketCorners[1], PocketCorners[0], PocketCorners[2], PocketCorners[3], PocketCorners[1]});
        pen.Thin();
    }
    if (raglan) return;
    // 14. The top line.
    if (a1.y > A3.y)
        pen.Line({A3, a1});
    else
        pen.dc.MoveTo(a1);
    pen.To(A);
}

std::vector<MenPointName> TMenDress::PointNames(const MenOutlineChoice& c) const {
    if (c.sleeveKind < 0 || c.sleeveKind > 6) return {};
    struct Name {
        const char* text;
        const Vector& point;
        int placement;
        bool shown;
    };
    const bool setIn = !c.Raglan(), raglan = c.Raglan(), yoke = setIn && HasYoke, edge = c.Edge();
    const bool lapel = c.collarKind == 4 || c.collarKind == 5;
    const Name names[] = {
        {"G", G, 1, true},
        {"K", K, 4, yoke},
        {"A", A, 4, true},
        {"A01", A01, 2, true},
        {"A9", A9, 6, true},
        {"A1", A1, 2, true},
        {"A2", A2, 6, setIn},
        {"A21", A21, 2, setIn},
        {"C1", C1, 5, raglan},
        {"C2", C2, 2, raglan},
        {"a", a, 1, true},
        {"P1", P1, 1, setIn},
        {"P", P, 3, setIn},
        {"P2", P2, 7, setIn},
        {"K1", K1, 6, yoke},
        {"U", U, 4, yoke},
        {"K2", K2, 3, yoke},
        {"P31", P31, setIn ? 3 : 2, true},
        {"G1", G1, 6, true},
        {"G11", G11, 5, true},
        {"G0", G0, 2, true},
        {"G2", G2, 3, true},
        {"G41", G41, 3, true},
        {"G4", G4, 2, true},
        {"P6", P6, setIn ? 7 : 8, true},
        {"3", Point3, 4, setIn},
        {"4", Point4, 2, setIn},
        {"C3", C3, 3, raglan},
        {"C4", C4, 6, raglan},
        {"P11", P11, 5, setIn},
        {"P10", P10, 1, setIn},
        {"P4", P4, 3, setIn},
        {"a2", a2, 2, true},
        {"A4", A4, 1, setIn || lapel},
        {"A41", A41, 3, setIn},
        {"A42", A42, c.collarKind == 4 ? 3 : 2, raglan},
        {"A3", A3, 1, setIn},
        {"a1", a1, 3, true},
        {"A5", A5, 7, true},
        {"A51", A51, 2, edge},
        {"G3", G3, 7, true},
        {"T3", T3, 8, true},
        {"B3", B3, 8, true},
        {"H11", H11, 8, true},
        {"H5", H5, 2, edge},
        {"H1", H1, 3, true},
        {"H4", H4, 4, true},
        {"B51", B51, 2, true},
        {"B5", B5, 2, true},
        {"B2", B2, 4, true},
        {"B4", B4, 8, true},
        {"B41", B41, 8, true},
        {"B21", B21, 4, true},
        {"H2", H2, 4, true},
        {"H3", H3, 4, true},
        {"H0", H0, 5, true},
        {"B", B, 1, true},
        {"T", T, 1, true},
        {"T0", T0, 3, true},
    };
    std::vector<MenPointName> shown;
    for (const Name& n : names)
        if (n.shown) shown.push_back({n.text, n.point, n.placement});
    return shown;
}

void TMenDress::LabelPoints(const PatternPen& pen, const MenOutlineChoice& c) const {
    for (const MenPointName& n : PointNames(c)) pen.Label(n.point, n.text, n.placement);
}
