// The kimono sleeves with the program's own dresses, jackets and coats:
// chosen with each type, drafted on the road, meeting the moved side seam at
// one height, drawn with the front on sheet 1 and the back on sheet 2, kept
// in the order file, failing with the width's message, printed at true
// scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "kernel/DrawContext.h"
#include "shell/OrderFile.h"
#include "sleeves/shaping/Kimono.h"
#include "tests/SheetStrokes.h"
#include "tests/kernel/PdfPaths.h"
#include "tests/sleeves/shaping/ShapingFixture.h"

namespace {

using namespace ShapingCheck;

class KimonoTest : public ShapingSleeveTest {
protected:
    TKimonoStright& Straight(int type, int collar = 0) { return CalculateWith<TKimonoStright>(type, collar, 7); }
    TKimonoWDart& Darted(int type, int collar = 0) { return CalculateWith<TKimonoWDart>(type, collar, 8); }

    // What sheet n (1 the front, 2 the back) receives when the garment is
    // drawn; the screen's origin is then the sheet's own.
    SheetStrokes SheetDrawn(int n) {
        SheetImage* sheet = n == 1 ? report->List1() : report->List2();
        SheetStrokes strokes(sheet->GetCanvas(), [&] {
            main->Model->ClearSheets();
            main->Model->Draw();
        });
        if (n == 1)
            ScreenDC.RestoreCollarOrigin();
        else
            ScreenDC.RestoreSleeveOrigin();
        return strokes;
    }
};

// The sheet's texts from `first` on, as many as `expected` holds.
std::vector<std::string> TextsFrom(const SheetStrokes& sheet, const std::string& first, std::size_t count) {
    const std::vector<std::string> texts = sheet.Texts();
    std::size_t i = 0;
    while (i < texts.size() && texts[i] != first) ++i;
    return std::vector<std::string>(texts.begin() + i, texts.begin() + std::min(texts.size(), i + count));
}

// The thin arc about `centre` drawn from `from` to `to` in `chords` chords,
// each short and on the circle, and the thin line on from `to` to `next`.
void ExpectThinArcThenLine(const SheetStrokes& sheet, const Vector& centre, const Vector& from, const Vector& to,
                           int chords, const Vector& next) {
    const Pixel a(from), b(to), c(centre), n(next);
    int i = 0;
    while (i < int(sheet.all.size()) && !(sheet.all[i].kind == 'L' && sheet.all[i].width == 1 &&
                                          sheet.all[i].From(a.x, a.y)))
        ++i;
    ASSERT_LT(i + chords + 1, int(sheet.all.size())) << "no thin line from the arc's start";
    const double r = std::hypot(double(a.x) - c.x, double(a.y) - c.y);
    const double chord = std::hypot(double(a.x) - b.x, double(a.y) - b.y) / chords + 2;
    int x = a.x, y = a.y;
    // The chords, and the closing line to the arc's end.
    for (int k = 0; k <= chords; ++k) {
        const Stroke& s = sheet.all[i + k];
        SCOPED_TRACE(testing::Message() << "chord " << k);
        EXPECT_EQ(s.kind, 'L');
        EXPECT_EQ(s.width, 1);
        EXPECT_TRUE(s.From(x, y));
        EXPECT_LE(s.Length(), chord);
        EXPECT_NEAR(std::hypot(double(s.x1) - c.x, double(s.y1) - c.y), r, 2);
        x = s.x1;
        y = s.y1;
    }
    EXPECT_EQ(x, b.x);
    EXPECT_EQ(y, b.y);
    const Stroke& on = sheet.all[i + chords + 1];
    EXPECT_EQ(on.width, 1);
    EXPECT_TRUE(on.From(b.x, b.y) && on.To(n.x, n.y)) << on.x0 << "," << on.y0 << " → " << on.x1 << "," << on.y1;
}

// What both kimono sleeves build alike, measured on the drafted points.
void ExpectTheTopAndWidthLines(const TKimono& s, const TDress& d) {
    const double W = s.ArmWidth, L = double(s.ArmLength) + s.ShoulderPad + d.InterliningEase;
    EXPECT_NEAR(W, s.UpperArmGirth + s.UpperArmEase + 3 * d.InterliningEase, 1e-4);
    // P13 and P12 1 cm beyond the shoulders; the top lines L and 1.02 L long.
    EXPECT_NEAR(Dist(d.P11, s.P13), 1, 1e-4);
    EXPECT_NEAR(Dist(d.P1, s.P12), 1, 1e-4);
    EXPECT_LT(OffLine(d.Q3, d.P1, s.P12), 1e-3);
    EXPECT_NEAR(Dist(s.P13, s.H2), L, 1e-3);
    EXPECT_NEAR(Dist(s.P12, s.H), 1.02 * L, 1e-3);
    // The width lines stand square on the top lines through N1 and N, the
    // back half 1 cm wider than the front.
    EXPECT_NEAR(Dist(s.O3, s.O2), (W - 1) / 2, 1e-3);
    EXPECT_NEAR(Dist(s.O1, s.O), (W + 1) / 2, 1e-3);
    EXPECT_NEAR(Dot(s.O3, s.O2, s.P13, s.H2) / Dist(s.O3, s.O2) / L, 0, 1e-4);
    EXPECT_NEAR(Dot(s.O1, s.O, s.P12, s.H) / Dist(s.O1, s.O) / L, 0, 1e-4);
    EXPECT_LT(OffLine(s.O3, s.O2, s.N1), 1e-3);
    EXPECT_LT(OffLine(s.O1, s.O, s.N), 1e-3);
    EXPECT_FLOAT_EQ(s.N1.y, d.G4.y);
    EXPECT_FLOAT_EQ(s.N.y, d.G1.y);
    // The side has moved between N and N1 and taken the construction line
    // B3 with it; the bodice draws up to the sleeve's meeting points.
    EXPECT_GE(d.G2.x, s.N.x);
    EXPECT_LE(d.G2.x, s.N1.x);
    EXPECT_FLOAT_EQ(d.G2.x, s.SideShift);
    EXPECT_FLOAT_EQ(d.B3.x, d.G2.x);
    EXPECT_EQ(d.SleeveFrontEnd, s.FrontEnd);
    EXPECT_EQ(d.SleeveBackEnd, s.BackEnd);
    EXPECT_EQ(d.FrontCurveCase, s.FrontCurveCase);
    EXPECT_EQ(d.BackCurveT, s.BackCurveT);

    // The gusset: a horizontal diagonal N1.x − N.x + 2 long, F3 the mirror
    // image of F2 in it, its sides the slits plus 2 cm.
    EXPECT_FLOAT_EQ(s.F.y, s.F1.y);
    EXPECT_NEAR(Dist(s.F, s.F1), double(s.N1.x) - s.N.x + 2, 1e-3);
    EXPECT_NEAR(s.F3.x, s.F2.x, 1e-4);
    EXPECT_NEAR(s.F3.y - s.F.y, s.F.y - s.F2.y, 1e-3);
    EXPECT_NEAR(Dist(s.F, s.F2), Dist(s.N, s.BackEnd) + 2, 1e-2);
    EXPECT_NEAR(Dist(s.F1, s.F2), Dist(s.N1, s.FrontEnd) + 2, 1e-2);
}

// Where the seams meet the side: on the side line (straight) or on the side
// curve the case and parameter name (fitted), at one height.
void ExpectTheSeamsMeetTheSide(const TKimono& s, const TDress& d) {
    if (auto* st = dynamic_cast<const TDressOfStraight*>(&d)) {
        EXPECT_LT(OffLine(st->G2, st->B5, s.FrontEnd), 1e-3);
        EXPECT_LT(OffLine(st->G2, st->B4, s.BackEnd), 1e-3);
        if (!s.SideShiftLimited) EXPECT_NEAR(s.FrontEnd.y, s.BackEnd.y, 1e-3);
        // The front hip arc follows B5.
        EXPECT_NEAR(st->FrontHipMid.x, (st->B5.x + st->B21.x) / 2, 1e-4);
        EXPECT_NEAR(Dist(st->FrontHipCtrl, st->B21), Dist(st->FrontHipCtrl, st->B5), 1e-2);
    } else {
        const auto& w = dynamic_cast<const TDressOfWaist&>(d);
        ASSERT_TRUE(s.FrontCurveCase == 1 || s.FrontCurveCase == 2);
        ASSERT_TRUE(s.BackCurveCase == 1 || s.BackCurveCase == 2);
        EXPECT_LT(Dist(FrontSidePoint(w, s.FrontCurveCase, s.FrontCurveT), s.FrontEnd), 0.01);
        EXPECT_LT(Dist(BackSidePoint(w, s.BackCurveCase, s.BackCurveT), s.BackEnd), 0.01);
        // Side positions 0.005 cm apart leave the heights this close.
        EXPECT_LT(std::fabs(s.FrontEnd.y - s.BackEnd.y), 0.1);
        // The waist marks moved with the side.
        EXPECT_FLOAT_EQ(w.T6.x, w.BackSideWaist.x);
        EXPECT_FLOAT_EQ(w.T7Tick[1].x, w.FrontSideWaist.x);
    }
    EXPECT_LT(OffLine(s.O2, s.FrontEnd, s.N1), 1e30);  // both points finite
    EXPECT_TRUE(std::isfinite(s.FrontEnd.x) && std::isfinite(s.BackEnd.y));
}

}  // namespace

// Every type of the family, with and without the stand collar: the straight
// kimono sleeve names itself, is built on the garment's shoulders, meets the
// moved side, makes its back seam as long as the front one, and is drawn on
// the front's and the back's sheets.
TEST_F(KimonoTest, StraightSleeveOnEveryBodice) {
    OnEveryBodice<TKimonoStright>(7, {0, 1}, [&](TKimonoStright& s, const TDress& d) {
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Цельнокроеный прямой");
        ExpectTheTopAndWidthLines(s, d);
        ExpectTheSeamsMeetTheSide(s, d);
        const double w = s.WristWidth;
        EXPECT_NEAR(Dist(s.H2, s.H3), (w - 1) / 2, 1e-3);
        EXPECT_NEAR(Dist(s.H, s.H1), (w + 1) / 2, 1e-3);
        EXPECT_NEAR(Dist(s.BackEnd, s.H4), Dist(s.FrontEnd, s.H3), 1e-3);
        EXPECT_LT(OffLine(s.O, s.H1, s.H4), 1e-3);
        EXPECT_NEAR(Dist(s.H01, (s.H2 + s.H3) * 0.5f), 0.5, 1e-3);

        // Sheet 2 carries the back's top line and hem; sheet 1 the front's.
        ScreenDC.RestoreSleeveOrigin();
        const QImage& back = report->List2()->Bitmap();
        EXPECT_GT(InkAt(back, (s.O1 + s.H) * 0.5f), 0);
        EXPECT_GT(InkAt(back, s.H4), 0);
        EXPECT_GT(InkAt(back, (s.BackEnd + s.H1) * 0.5f), 0);
    });
}

// The width line that cannot reach the top line: the calculation stops with
// the width's message and the caption of the cap's failure; at a sound
// width it drafts again.
TEST_F(KimonoTest, ATooWideSleeveStopsTheCalculationWithTheWidthsMessage) {
    for (int type : {7, 12}) {
        SCOPED_TRACE(type);
        Straight(type);
        ExpectTooWideFails([] {});
    }
}

// The front is built and checked before the back: a front that fails
// throws the integer 1 before any back point is recomputed.
TEST_F(KimonoTest, AFrontFailureLeavesTheBackAsItWas) {
    TKimonoStright& s = Straight(8);
    ASSERT_TRUE(main->Model->calculated);
    const Vector o = s.O, o1 = s.O1, h = s.H, o3 = s.O3;
    s.UpperArmGirth = 95;
    int thrown = 0;
    try {
        main->Model->Calculate();
    } catch (int e) {
        thrown = e;
    }
    EXPECT_EQ(thrown, 1);
    EXPECT_EQ(s.O, o);
    EXPECT_EQ(s.O1, o1);
    EXPECT_EQ(s.H, h);
    EXPECT_EQ(s.O3, o3);
}

// The rounding from the shoulder into the top line: it ends 2.5 cm after
// P13 (P12) when the top line's first part is longer than 5 cm, at O3 (O1)
// otherwise.  Narrower sleeves lengthen that part.
TEST_F(KimonoTest, TheShoulderRoundingEndsAtMost5CmOn) {
    TKimonoStright& s = Straight(7);
    ASSERT_TRUE(main->Model->calculated);
    bool longer = false, shorter = false;
    for (float girth : {14.0f, 22.0f, 29.1f, 35.0f, 36.0f}) {
        SCOPED_TRACE(girth);
        s.UpperArmGirth = girth;
        main->Model->Calculate();
        const double front = Dist(s.P13, s.O3), back = Dist(s.P12, s.O1);
        EXPECT_NEAR(Dist(s.P13, s.FrontTopJoin), front > 5 ? 2.5 : front, 1e-3);
        EXPECT_NEAR(Dist(s.P12, s.BackTopJoin), back > 5 ? 2.5 : back, 1e-3);
        EXPECT_LT(OffLine(s.P13, s.H2, s.FrontTopJoin), 1e-3);
        (front > 5 ? longer : shorter) = true;
    }
    EXPECT_TRUE(longer);
    EXPECT_TRUE(shorter);
}

// The straight side moves in closed form: over a range of wrists and upper
// arms the two seams meet it at one height wherever the move stays between
// N and N1, and a move that would pass them stops there exactly.
TEST_F(KimonoTest, TheStraightSideMovesToMeetBothSeamsAtOneHeight) {
    TKimonoStright& s = Straight(9);
    ASSERT_TRUE(main->Model->calculated);
    bool limited = false;
    for (float wrist : {12.0f, 16.0f, 24.0f, 34.0f})
        for (float arm : {22.0f, 29.1f, 36.0f}) {
            SCOPED_TRACE(testing::Message() << "wrist " << wrist << " arm " << arm);
            s.WristGirth = wrist;
            s.UpperArmGirth = arm;
            main->Model->Calculate();
            const TDress& d = Dress();
            limited = limited || s.SideShiftLimited;
            if (s.SideShiftLimited)
                EXPECT_TRUE(d.G2.x == s.N.x || d.G2.x == s.N1.x);
            else
                EXPECT_NEAR(s.FrontEnd.y, s.BackEnd.y, 1e-3);
            EXPECT_NEAR(Dist(s.BackEnd, s.H4), Dist(s.FrontEnd, s.H3), 1e-3);
        }
    EXPECT_TRUE(limited);  // a wide wrist on a narrow arm pushes the side to N1
}

// The sleeve's inputs are kept in the garment's order block: reopened, the
// order drafts the same sleeve.
TEST_F(KimonoTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (int type : {7, 14}) {
        SCOPED_TRACE(type);
        TKimonoStright& s = Straight(type);
        ASSERT_TRUE(main->Model->calculated);
        const Vector h4 = s.H4, front = s.FrontEnd, f2 = s.F2;
        const std::string path = TempPath("kimono" + std::to_string(type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        main->CreateModel(0, -1, -1);
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(main->Model->calculated);
        EXPECT_EQ(main->SleeveKind, 7);
        const auto& opened = dynamic_cast<const TKimonoStright&>(*main->Sleeve);
        EXPECT_EQ(opened.H4, h4);
        EXPECT_EQ(opened.FrontEnd, front);
        EXPECT_EQ(opened.F2, f2);
    }
}

// Printed at 1:1 the sheets carry the sleeve's top lines at their true
// length: the front's on the front's pages, the back's on the back's.
TEST_F(KimonoTest, PrintedTheTopLinesMeasureTrue) {
    for (int type : {7, 10}) {
        SCOPED_TRACE(type);
        TKimonoStright& s = Straight(type);
        ASSERT_TRUE(main->Model->calculated);
        const std::vector<PdfSegment> segments = PdfSegments(PrintAt(1, "kimono" + std::to_string(type)));
        auto has = [&](double mm) {
            for (const PdfSegment& g : segments)
                if (std::fabs(g.Length() - mm) < 0.1) return true;
            return false;
        };
        EXPECT_TRUE(has(Dist(s.O3, s.H2) * 10));
        EXPECT_TRUE(has(Dist(s.O1, s.H) * 10));
        EXPECT_TRUE(has(Dist(s.H3, s.FrontEnd) * 10));
    }
}

// Every type of the family with the darted kimono sleeve: the same top and
// width lines and side meeting as the straight one, aimed at the elbow; the
// elbow lines, the wrist no wider than Озап + Поз + 3h, the dart's centre
// line bisecting the back seam's corner, and the dart (or the shortened
// wrist point) taking up the back seam's extra length.
TEST_F(KimonoTest, DartedSleeveOnEveryBodice) {
    OnEveryBodice<TKimonoWDart>(8, {0, 1}, [&](TKimonoWDart& s, const TDress& d) {
        EXPECT_EQ(main->SleeveType->text().toStdString(), " Цельнокроеный с вытачкой");
        ExpectTheTopAndWidthLines(s, d);
        ExpectTheSeamsMeetTheSide(s, d);
        const double W = s.ArmWidth, h = d.InterliningEase;
        const double E = 0.55 * s.ArmLength + s.ShoulderPad + h;
        EXPECT_NEAR(Dist(s.P13, s.L5), E, 1e-3);
        EXPECT_NEAR(Dist(s.P12, s.L), 1.02 * E, 1e-3);
        EXPECT_NEAR(Dist(s.L, s.L1), 0.45 * W + 0.5, 1e-3);
        EXPECT_NEAR(Dist(s.L5, s.L6), 0.45 * W - 0.5, 1e-3);
        // The seams were aimed at the elbow: M–O–L1 and M1–O2–L6 are lines
        // (to the fitted side's crossing, found to 0.001 on its parameter).
        EXPECT_LT(OffLine(s.O, s.L1, s.BackEnd), 0.01);
        EXPECT_LT(OffLine(s.O2, s.L6, s.FrontEnd), 0.01);
        // The lower sleeve keeps the top line's length past the elbow.
        EXPECT_NEAR(Dist(s.L, s.H1), Dist(s.L, s.H), 1e-3);
        EXPECT_NEAR(Dist(s.L5, s.H3), Dist(s.L5, s.H2), 1e-3);
        const double w0 = s.WristGirth + s.WristEase + 3 * h;
        EXPECT_LE(s.WristWidth, w0 + 1e-4);
        EXPECT_LT(s.WristPasses, TKimonoWDart::kMaxWristPasses);
        EXPECT_NEAR(Dist(s.H3, s.H5), (s.WristWidth - 1) / 2, 1e-3);
        // The front rounding at L6 is at most 3 cm long.
        EXPECT_LE(Dist(s.L6, s.FrontElbowRound1), 3 + 1e-4);
        // Lp on the bisector of the corner at L2, within the search's 0.05.
        const Vector up = Vector::UnitBetween(s.L2, s.O), down = Vector::UnitBetween(s.L2, s.H4);
        EXPECT_LT(std::fabs(Vector::Dot(up - down, s.Lp - s.L2)), 0.05);
        EXPECT_LT(s.DartPasses, TKimonoWDart::kMaxDartPasses);
        if (s.DartDrawn) {
            EXPECT_GT(s.SeamExcess, 1);
            EXPECT_NEAR(Dist(s.L2, s.L4) + Dist(s.L2, s.L3), s.SeamExcess, 1e-3);
        } else {
            EXPECT_LE(s.SeamExcess, 1);
            EXPECT_NEAR(Dist(s.H4, s.H41), std::fabs(s.SeamExcess), 1e-3);
        }
        ScreenDC.RestoreSleeveOrigin();
        const QImage& back = report->List2()->Bitmap();
        EXPECT_GT(InkAt(back, (s.O1 + s.BackTopRound1) * 0.5f), 0);
        EXPECT_GT(InkAt(back, s.H1), 0);
    });
}

// The darted sleeve shows the top line as it ran before the lower sleeve
// was turned: a thin arc about the elbow from the turned wrist end back to
// the original one, then the original top line thin through the elbow, on
// the front (about L5, H3 to H2) and on the back (about L, H1 to H).
TEST_F(KimonoTest, TheTopLineBeforeTheTurnIsDrawnFromTheTurnedWristEnd) {
    for (int type : {7, 8}) {
        SCOPED_TRACE(type);
        TKimonoWDart& s = Darted(type);
        ASSERT_TRUE(main->Model->calculated);
        {
            SCOPED_TRACE("front");
            const SheetStrokes front = SheetDrawn(1);
            ExpectThinArcThenLine(front, s.L5, s.H3, s.H2, 10, s.FrontTopRound1);
        }
        {
            SCOPED_TRACE("back");
            const SheetStrokes back = SheetDrawn(2);
            ExpectThinArcThenLine(back, s.L, s.H1, s.H, 10, s.BackTopRound1);
        }
    }
}

// The sleeves' point names in the order they are written: the base's and
// the gusset's, the sleeve's own, the front's meeting point M1 last; the
// back's meeting point M last on the straight sleeve, first of its own on
// the darted one.
TEST_F(KimonoTest, ThePointNamesComeInTheirOrder) {
    const std::vector<std::string> frontBase = {"P13", "O3", "N1", "O2", "F1", "F2", "F", "F3"};
    const std::vector<std::string> backBase = {"P12", "O1", "N", "O"};
    const auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    for (int type : {7, 8}) {
        SCOPED_TRACE(type);
        Straight(type);
        ASSERT_TRUE(main->Model->calculated);
        std::vector<std::string> front = plus(frontBase, {"H2", "H0", "H01", "H3", "M1"});
        std::vector<std::string> back = plus(backBase, {"H", "H4", "H1", "M"});
        EXPECT_EQ(TextsFrom(SheetDrawn(1), "P13", front.size()), front);
        EXPECT_EQ(TextsFrom(SheetDrawn(2), "P12", back.size()), back);

        TKimonoWDart& s = Darted(type);
        ASSERT_TRUE(main->Model->calculated);
        front = plus(frontBase, {"L5", "H2", "H3", "Hpp", "H5", "H02", "Lpp", "L6", "M1"});
        back = plus(backBase, {"M", "Lp", "L", "H1", "H", "Hp"});
        back = plus(back, s.DartDrawn ? std::vector<std::string>{"H4", "L4", "L3"}
                                      : std::vector<std::string>{"H4", "H41", "L2"});
        back.push_back("L1");
        EXPECT_EQ(TextsFrom(SheetDrawn(1), "P13", front.size()), front);
        EXPECT_EQ(TextsFrom(SheetDrawn(2), "P12", back.size()), back);
    }
}

// The back seam's extra length decides between the dart and the shortened
// wrist point: a table of arm lengths and wrists that give both.
TEST_F(KimonoTest, TheDartOrTheShortenedWristPointTakesUpTheBackSeamsExcess) {
    TKimonoWDart& s = Darted(7);
    ASSERT_TRUE(main->Model->calculated);
    bool dart = false, none = false;
    for (float arm : {45.0f, 57.4f, 66.0f})
        for (float wrist : {12.0f, 15.9f, 22.0f, 28.0f}) {
            SCOPED_TRACE(testing::Message() << "arm " << arm << " wrist " << wrist);
            s.ArmLength = arm;
            s.WristGirth = wrist;
            main->Model->Calculate();
            const double back = Dist(s.BackEnd, s.L2) + Dist(s.L2, s.H4);
            if (s.DartDrawn) {
                dart = true;
                // The dart's legs fold the excess out: the seam from L3 up
                // and from L4 down is as long as the front seam.
                EXPECT_NEAR(back - Dist(s.L3, s.L2) - Dist(s.L2, s.L4), back - s.SeamExcess, 1e-3);
                EXPECT_LT(OffLine(s.Lp, s.L2, s.DartTip), 1e-3);
            } else {
                none = true;
                // H41 lies the excess back from H4 along the lower seam
                // (beyond H4 when the back seam is the shorter).
                const Vector down = Vector::UnitBetween(s.L2, s.H4);
                EXPECT_NEAR(Vector::Dot(s.H4 - s.H41, down), s.SeamExcess, 1e-3);
            }
        }
    EXPECT_TRUE(dart);
    EXPECT_TRUE(none);
}
