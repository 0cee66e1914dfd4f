// The raglan sleeves (straight, and with the elbow dart) with the women's dresses, jackets and coats:
// chosen in the base selection, laid into the bodice on the road, drawn on
// the sleeve sheet, dragged by its handle, kept in the order file and
// printed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <limits>
#include <string>
#include <memory>
#include <utility>

#include "garments/bodice_women/Dress.h"
#include "garments/coats_men/MenPattern.h"
#include "kernel/Bezier.h"
#include "kernel/DrawContext.h"
#include "shell/Factory.h"
#include "shell/OrderFile.h"
#include "sleeves/shaping/Raglan.h"
#include "tests/garments/GarmentWindowTest.h"
#include "tests/garments/PagesAndPixels.h"
#include "tests/garments/shirts_men/MenDressFixture.h"
#include "tests/kernel/PdfPaths.h"

namespace {

double Dist(const Vector& a, const Vector& b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

// Lengths by dense chords, independent of the draft's own formulas.
double QuadLength(const Vector& p0, const Vector& c, const Vector& p2) {
    double sum = 0;
    Vector last = p0;
    for (int i = 1; i <= 2000; ++i) {
        const Vector p = Bezier2::Point(p0, c, p2, i / 2000.0f);
        sum += Dist(last, p);
        last = p;
    }
    return sum;
}
double CubicLength(const Vector& p0, const Vector& c1, const Vector& c2, const Vector& p3) {
    double sum = 0;
    Vector last = p0;
    for (int i = 1; i <= 2000; ++i) {
        const Vector p = Bezier3::Point(p0, c1, c2, p3, i / 2000.0f);
        sum += Dist(last, p);
        last = p;
    }
    return sum;
}

bool Finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

class RaglanGarmentsTest : public GarmentWindowTest {
protected:
    // The type with the collar kind and the raglan of the kind, its sample
    // values in the fields, calculated; the sleeve.
    TRaglan& CalculateWithSleeve(int type, int collar, int kind) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, kind)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<TRaglan&>(*main->Sleeve);
    }
    TDress& Dress() const { return dynamic_cast<TDress&>(*main->Model); }

    // The pixel of sheet 1 where the bodice's point p is drawn.
    QPoint OnSheetOne(const Vector& p) const {
        ScreenDC.RestoreCollarOrigin();
        return QPoint(ScreenDC.PixelX(p.x), ScreenDC.PixelY(p.y));
    }
};

}  // namespace

constexpr int kKinds[] = {5, 6};
const char* const kCaptions[] = {" Реглан прямой", " Реглан с вытачкой"};

// The dialog offers the women's raglans and the men's.
TEST_F(RaglanGarmentsTest, TheRaglansAreRegistered) {
    for (int kind : {5, 6, 15, 16}) EXPECT_TRUE(HasSleeveMaker(kind)) << kind;
}

// The straight sleeve: the caps fitted to their seams, the width line at
// the fitted underarm level, the hem w wide about the middle of the width
// line.
void ExpectStraightSleeve(const TRaglanStright& s, float h, float pad) {
    EXPECT_NEAR(QuadLength(s.FrontSeamTop, s.FrontCapCtrl, s.P31), s.FrontSeamLength, 0.1);
    EXPECT_NEAR(CubicLength(s.P61, s.BackCapCtrl1, s.BackCapCtrl2, s.A91), s.BackSeamLength, 0.1);
    // P and P4 a quarter of W either side of the middle line.
    for (const Vector& v : {s.BackUnderarm, s.BackMiddle, s.FrontUnderarm, s.FrontMiddle, s.P4})
        EXPECT_EQ(v.y, s.P.y);
    EXPECT_NEAR(s.P.x, 0.25 * s.SleeveWidth, 1e-3);
    EXPECT_EQ(s.P4.x, -s.P.x);
    EXPECT_NEAR(s.FrontUnderarm.x - s.BackUnderarm.x, s.SleeveWidth, 1e-3);
    // The hem: the back half dips and the front half rises by a sixth of
    // their halves.
    EXPECT_NEAR(s.H1.x - s.H2.x, s.WristWidth, 1e-4);
    EXPECT_NEAR(s.H1.x + s.H2.x, s.BackUnderarm.x + s.FrontUnderarm.x, 1e-4);
    EXPECT_NEAR(s.HemMiddle.y, -(s.ArmLength + pad + h), 1e-4);
    EXPECT_NEAR(s.H31.y, s.HemMiddle.y - (s.HemMiddle.x - s.H3.x) / 6, 1e-4);
    EXPECT_NEAR(s.H41.y, s.HemMiddle.y + (s.H4.x - s.HemMiddle.x) / 6, 1e-4);
    // Both underarm seams as long as the front's from the width line.
    EXPECT_NEAR(Dist(s.P31, s.H11), s.FrontMiddle.y - s.HemMiddle.y, 1e-3);
    EXPECT_NEAR(Dist(s.P61, s.H21), Dist(s.P61, s.H2) + Dist(s.P31, s.H11) - Dist(s.P31, s.H1), 1e-3);
    EXPECT_EQ(s.BoxLeft, std::min(s.P61.x, s.H21.x));
    EXPECT_EQ(s.BoxBottom, std::min(s.H21.y, s.H31.y));
}

// The darted sleeve: the underarm arc and the back seam fitted, the elbow
// line lowered by the pad, the hem tangent to its circle, and the back seam
// made 1.5 % longer than the front whether the excess went into the dart
// alone or partly into the hem.
void ExpectDartedSleeve(const TRaglanWDart& s, float h, float pad) {
    EXPECT_NEAR(QuadLength(s.FrontSeamTop, s.UnderarmControl, s.FrontUnderarm), s.FrontSeamLength, 0.1);
    EXPECT_NEAR(CubicLength(s.BackUnderarm, s.SeamControl1, s.SeamControl2, s.A91), s.BackSeamLength, 0.1);
    for (const Vector& v : {s.BackUnderarm, s.BackMiddle, s.FrontMiddle}) EXPECT_EQ(v.y, s.FrontUnderarm.y);
    EXPECT_NEAR(s.L.y, -(0.58 * s.ArmLength + pad + h), 1e-4);
    EXPECT_NEAR(s.L1.x, s.FrontUnderarm.x - 0.035 * s.SleeveWidth, 1e-4);
    EXPECT_NEAR(s.L1.x - s.L3.x, 0.9 * s.SleeveWidth, 1e-3);
    EXPECT_EQ(s.Lp, Vector((s.L3.x + s.L.x) * 0.5f, s.L.y));
    EXPECT_EQ(s.Lpp, Vector(0.25f * s.SleeveWidth, s.L.y));
    EXPECT_EQ(s.HemMiddle.x, 0.25f * s.SleeveWidth);
    // H2 on the circle of half the wrist about H, where the line from Lp
    // touches it.
    EXPECT_NEAR(Dist(s.HemMiddle, s.H2), 0.5 * s.WristWidth, 1e-3);
    EXPECT_NEAR(Vector::Dot(s.H2 - s.HemMiddle, s.H2 - s.Lp), 0, 1e-2);
    // The dart's legs equally long; the seam's two parts beside it.
    EXPECT_NEAR(Dist(s.DartSeamPoint, s.L4), Dist(s.DartSeamPoint, s.L5), 1e-3);
    EXPECT_NEAR(Dist(s.BackUnderarm, s.L4) + Dist(s.L5, s.H4), 1.015 * Dist(s.FrontUnderarm, s.H3), 2e-3);
    EXPECT_EQ(s.BoxLeft, s.BackUnderarm.x);
    EXPECT_EQ(s.BoxRight, s.FrontUnderarm.x);
    EXPECT_EQ(s.BoxBottom, std::min(s.H2.y, s.H4.y));
}

// Every type of the family, each raglan, with no collar, the stand collar
// and the collar in one with the front: the raglan line lies in the bodice
// with its handle halfway out, the sleeve stands as its construction puts
// it, and the piece lies drawn within its box.
TEST_F(RaglanGarmentsTest, DraftedOnEveryGarmentAndDrawnOnItsSheet) {
    for (int type = 7; type <= 14; ++type)
        for (int k = 0; k < 2; ++k)
            for (int collar : {0, 1, 3}) {
                SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kKinds[k] << " collar " << collar);
                TRaglan& s = CalculateWithSleeve(type, collar, kKinds[k]);
                ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(main->SleeveType->text().toStdString(), kCaptions[k]);
                const TDress& d = Dress();

                // The handle: a quarter of |C1 X| out from the base line's
                // midpoint on its left, the box 0.6 cm about it.
                EXPECT_NEAR(Dist(d.C1, (d.A9 + d.P3) * 0.5f), 0, 1e-4);
                const double bend = Dist(d.C1, d.C2);
                EXPECT_NEAR(bend, 0.5 * s.MaxOffset, 1e-4);
                EXPECT_GT(Vector::Cross(d.P3 - d.A9, d.C2 - d.C1), 0);
                EXPECT_NEAR(Vector::Dot(d.P3 - d.A9, d.C2 - d.C1), 0, 1e-3);
                EXPECT_NEAR(s.MinOffset, 0.04 * Dist(d.A9, d.P3), 1e-4);
                EXPECT_EQ(d.RaglanHandle.Box[0], Vector(d.C2.x - 0.6f, d.C2.y + 0.6f));
                EXPECT_EQ(d.RaglanHandle.Box[3], Vector(d.C2.x + 0.6f, d.C2.y - 0.6f));
                // The front raglan is bent as far: both its bends (dart
                // closed and open) stand |C1 C2| off their base lines.
                EXPECT_NEAR(Dist(d.FrontRaglanMid, d.RaglanWorkPoints1[0]), bend, 1e-3);
                EXPECT_NEAR(Dist(d.TurnedRaglanMid, d.RaglanWorkPoints2[0]), bend, 1e-3);
                EXPECT_TRUE(d.RaglanSide == 1 || d.RaglanSide == 2);
                EXPECT_TRUE(d.RaglanFrontSide == 1 || d.RaglanFrontSide == 2);
                EXPECT_NEAR(s.SleeveWidth, s.UpperArmGirth + s.UpperArmEase + 3 * d.InterliningEase, 1e-4);

                if (kKinds[k] == 5)
                    ExpectStraightSleeve(dynamic_cast<const TRaglanStright&>(s), d.InterliningEase, s.ShoulderPad);
                else
                    ExpectDartedSleeve(dynamic_cast<const TRaglanWDart&>(s), d.InterliningEase, s.ShoulderPad);

                // With the collar in one with the front its parts stand on
                // the sleeve and set the box's top.
                EXPECT_EQ(s.HasWhollyCollar, collar == 3);
                if (collar == 3)
                    EXPECT_EQ(s.BoxTop, std::max({s.Wholly.Back[3].y, s.Wholly.D9.y, s.Wholly.Front[3].y,
                                                  s.Wholly.Front[4].y}));
                else
                    EXPECT_EQ(s.BoxTop, std::max({s.A91.y, s.A21.y, s.A7.y, s.A71.y}));

                // Sheet 2: the piece's box about the sleeve origin holds the
                // outline; nothing lies right of it.
                ScreenDC.RestoreSleeveOrigin();
                const QImage& sheet = report->List2()->Bitmap();
                const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
                const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
                EXPECT_GT(DarkPixels(sheet, QRect(left, top, right - left + 1, bottom - top + 1)), 500);
                const int midY = ScreenDC.PixelY((s.FrontUnderarm.y + s.HemMiddle.y) / 2);
                EXPECT_EQ(DarkPixels(sheet, QRect(right + 6, midY - 20, 40, 40)), 0);
                // Sheet 1: the green handle about C2.
                const QPoint c2 = OnSheetOne(d.C2);
                EXPECT_EQ(report->List1()->Bitmap().pixel(c2.x() + int(0.6f * ScreenDC.PxPerCmX), c2.y()),
                          qRgb(0, 255, 0));
            }
}

// The handle on sheet 1: pressed on C2 it is grabbed, dragged it bends both
// raglan lines and the sleeve is drafted anew, within the limits on either
// side; the next calculation puts it back halfway.
TEST_F(RaglanGarmentsTest, TheHandleBendsTheRaglanWithinItsLimits) {
    for (auto [type, kind] : {std::pair{7, 5}, {12, 5}, {8, 6}, {11, 6}}) {
        SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind);
        TRaglan& s = CalculateWithSleeve(type, 1, kind);
        ASSERT_TRUE(main->Model->calculated);
        TDress& d = Dress();
        const Vector c1 = d.C1, c2 = d.C2;
        const Vector n = Vector::UnitNormalBetween(d.A9, d.P3);
        const float backSeam = s.BackSeamLength;
        const Vector underarm = s.BackUnderarm;

        // Beside the box: nothing grabbed.  On its very corner: grabbed.
        EXPECT_FALSE(s.HitTest(1, c2.x + 0.61f, c2.y));
        EXPECT_TRUE(s.HitTest(1, c2.x + 0.6f, c2.y - 0.6f));
        EXPECT_NEAR(d.RaglanHandle.GrabOffset.x, -0.6, 1e-5);
        EXPECT_NEAR(d.RaglanHandle.GrabOffset.y, 0.6, 1e-5);

        const QPoint press = OnSheetOne(c2);
        report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
        ASSERT_TRUE(main->DraggingSleeve);
        const float px = ScreenDC.PxPerCmX;
        auto moveBy = [&](float cm) {
            report->ListMouseMove(1, Qt::LeftButton, press.x() + int(std::lround(n.x * cm * px)),
                                  press.y() - int(std::lround(n.y * cm * px)));
        };
        // A little further out: C2 follows along the normal, and the bodice
        // and the sleeve are drafted with it.
        moveBy(0.5f * s.MaxOffset * 0.5f);
        const double out = Vector::Dot(d.C2 - c1, n);
        EXPECT_GT(out, Dist(c1, c2) + 0.1);
        EXPECT_LT(out, s.MaxOffset);
        EXPECT_NEAR(Vector::Cross(n, d.C2 - c1), 0, 1e-3);
        EXPECT_NE(s.BackSeamLength, backSeam);
        EXPECT_NE(s.BackUnderarm, underarm);
        EXPECT_NEAR(Dist(d.FrontRaglanMid, d.RaglanWorkPoints1[0]), out, 1e-3);
        EXPECT_TRUE(messages.empty());
        // Far beyond either limit: held at the limit.
        moveBy(20);
        EXPECT_NEAR(Vector::Dot(d.C2 - c1, n), s.MaxOffset, 1e-4);
        moveBy(-20);  // across the base line
        EXPECT_NEAR(Vector::Dot(d.C2 - c1, n), s.MinOffset, 1e-4);
        EXPECT_TRUE(main->Model->calculated);
        report->ListMouseUp(1, Qt::LeftButton, press.x(), press.y());
        EXPECT_FALSE(main->DraggingSleeve);

        // Calculated again: halfway out once more.
        main->CalcExecute();
        EXPECT_EQ(d.C2, c2);
        EXPECT_EQ(s.BackSeamLength, backSeam);
    }
}

// A drag whose draft fails: the cap's message once, the drag ended, and
// neither the bodice's handle nor the sleeve takes a NaN.
TEST_F(RaglanGarmentsTest, AFailedDragIsReportedOnceAndDrawsNoNaN) {
    TRaglan& s = CalculateWithSleeve(9, 0, 6);
    ASSERT_TRUE(main->Model->calculated);
    TDress& d = Dress();
    const QPoint press = OnSheetOne(d.C2);
    report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
    ASSERT_TRUE(main->DraggingSleeve);
    s.UpperArmGirth = 90;  // no cap can be built this wide
    report->ListMouseMove(1, Qt::LeftButton, press.x() + 3, press.y());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Ширина рукава больше допустимой. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте оката");
    EXPECT_FALSE(main->DraggingSleeve);
    EXPECT_FALSE(main->Model->calculated);
    report->ListMouseMove(1, Qt::LeftButton, press.x() + 6, press.y());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Finite(d.C2));

    // A pointer position that is no number leaves the handle where it was.
    const Vector c2 = d.C2;
    s.Drag(std::numeric_limits<float>::quiet_NaN(), 0);
    EXPECT_EQ(d.C2, c2);
}

// A sleeve too wide for the bodice: the road's message, no piece kept on
// the sleeve sheet; back to a sound width it drafts again.
TEST_F(RaglanGarmentsTest, ATooWideSleeveStopsTheCalculationWithTheCapsMessage) {
    for (auto [type, kind] : {std::pair{8, 5}, {13, 6}}) {
        SCOPED_TRACE(type);
        CalculateWithSleeve(type, 0, kind);
        ASSERT_TRUE(main->Model->calculated);
        ExpectTooWideSleeveFails("75");
    }
}

// Saved and reopened, the order drafts the same sleeve, the collar in one
// with the front on it.
TEST_F(RaglanGarmentsTest, SavedAndReopenedTheSleeveIsTheSame) {
    for (auto [type, k] : {std::pair{7, 0}, {14, 1}}) {
        SCOPED_TRACE(type);
        TRaglan& s = CalculateWithSleeve(type, 3, kKinds[k]);
        ASSERT_TRUE(main->Model->calculated);
        const Vector o = s.BackUnderarm, o2 = s.FrontUnderarm, c7 = s.Wholly.C7;
        const float back = s.BackSeamLength, left = s.BoxLeft, bottom = s.BoxBottom, top = s.BoxTop;
        const std::string path = TempPath("raglan" + std::to_string(type) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path));
        main->CreateModel(0, -1, -1);
        EXPECT_EQ(main->SleeveType->text().toStdString(), "");
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        ASSERT_TRUE(main->Model->calculated);
        const auto& opened = dynamic_cast<const TRaglan&>(*main->Sleeve);
        EXPECT_EQ(main->SleeveType->text().toStdString(), kCaptions[k]);
        EXPECT_EQ(main->SleeveKind, kKinds[k]);
        EXPECT_EQ(opened.BackUnderarm, o);
        EXPECT_EQ(opened.FrontUnderarm, o2);
        EXPECT_EQ(opened.Wholly.C7, c7);
        EXPECT_EQ(opened.BackSeamLength, back);
        EXPECT_EQ(opened.BoxLeft, left);
        EXPECT_EQ(opened.BoxBottom, bottom);
        EXPECT_EQ(opened.BoxTop, top);
    }
}

// Printed at 1:1 and 1:2 the sleeve's pages carry its underarm seams and
// its width line at their true length at the print scale.
TEST_F(RaglanGarmentsTest, ThePrintedSleeveMeasuresTrue) {
    for (int kind : kKinds) {
        TRaglan& s = CalculateWithSleeve(10, 1, kind);
        ASSERT_TRUE(main->Model->calculated);
        for (int mode : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " 1:" << mode);
            const std::vector<PdfSegment> segments = PdfSegments(PrintAt(mode, "raglan" + std::to_string(kind)));
            const double mmPerCm = 10.0 / mode;
            auto has = [&](const Vector& a, const Vector& b) {
                for (const PdfSegment& seg : segments)
                    if (std::fabs(seg.Length() - Dist(a, b) * mmPerCm) < 0.1) return true;
                return false;
            };
            EXPECT_TRUE(has(s.BackUnderarm, s.FrontUnderarm));
            if (kind == 5) {
                const auto& r = dynamic_cast<const TRaglanStright&>(s);
                EXPECT_TRUE(has(r.P31, r.H11));
                EXPECT_TRUE(has(r.P4, r.P61));
            } else {
                const auto& r = dynamic_cast<const TRaglanWDart&>(s);
                EXPECT_TRUE(has(r.FrontUnderarm, r.H3));
                EXPECT_TRUE(has(r.L3, r.L1));
            }
        }
    }
}

// ---------------------------------------------------------------------------
// The men's coats with a side seam

// Each coat, each men's raglan, with no collar and with the men's jacket
// collar: the raglan line in the coat, the width line split by the kind's
// share, the lower sleeve as the women's, the neck straight under the
// jacket collar; no handle.
TEST_F(RaglanGarmentsTest, TheMensRaglansOnTheCoatsWithASideSeam) {
    for (int type : {28, 31})
        for (int kind : {15, 16})
            for (int collar : {0, 7}) {
                SCOPED_TRACE(testing::Message() << "type " << type << " kind " << kind << " collar " << collar);
                TRaglan& s = CalculateWithSleeve(type, collar, kind);
                ASSERT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
                EXPECT_TRUE(messages.empty());
                EXPECT_EQ(main->SleeveType->text().toStdString(), kind == 15 ? " Реглан прямой" : " Реглан с вытачкой");
                const auto& g = dynamic_cast<const TMenPattern&>(*main->Model);
                const float h = g.InterliningEase;

                // The back raglan bowed by 0.09 of |A9 P31| at its middle.
                const double d = Dist(g.A9, g.P31);
                EXPECT_NEAR(Dist(g.C1, g.A9), 0.5 * d, 1e-3);
                EXPECT_NEAR(Dist(g.C1, g.C2), 0.09 * d, 1e-3);
                EXPECT_NEAR(Dist(g.C3, g.C4), 0.09 * Dist(g.A41, g.P6), 1e-3);
                EXPECT_EQ(g.P3.x, g.a.x);
                // A41: on the straight neck under the jacket collar, else on
                // the front neck circle.
                if (collar == 7)
                    EXPECT_NEAR(Vector::Cross(g.A41 - g.A4, g.G8 - g.A3) / Dist(g.A3, g.G8), 0, 1e-3);
                else
                    EXPECT_NEAR(Dist(g.FrontNeckCentre, g.A41), Dist(g.FrontNeckCentre, g.A4), 1e-3);

                // The width line: 0.554 W (kind 15) or 0.558 W (kind 16)
                // behind the middle line, the rest in front.
                const double c = kind == 15 ? 0.054 : 0.058;
                EXPECT_NEAR(s.BackMiddle.x - s.BackUnderarm.x, (0.5 + c) * s.SleeveWidth, 1e-3);
                EXPECT_NEAR(s.FrontUnderarm.x - s.FrontMiddle.x, (0.5 - c) * s.SleeveWidth, 1e-3);
                EXPECT_NEAR(s.SleeveWidth, s.UpperArmGirth + s.UpperArmEase + 3 * h, 1e-4);
                if (kind == 15)
                    ExpectStraightSleeve(dynamic_cast<const TRaglanStright&>(s), h, s.ShoulderPad);
                else
                    ExpectDartedSleeve(dynamic_cast<const TRaglanWDart&>(s), h, s.ShoulderPad);
                EXPECT_EQ(s.BoxTop, std::max({s.A91.y, s.A21.y, s.A7.y, s.A71.y}));
                EXPECT_FALSE(s.HitTest(1, g.C2.x, g.C2.y));

                ScreenDC.RestoreSleeveOrigin();
                const QImage& sheet = report->List2()->Bitmap();
                const int left = ScreenDC.PixelX(s.BoxLeft), right = ScreenDC.PixelX(s.BoxRight);
                const int top = ScreenDC.PixelY(s.BoxTop), bottom = ScreenDC.PixelY(s.BoxBottom);
                EXPECT_GT(DarkPixels(sheet, QRect(left, top, right - left + 1, bottom - top + 1)), 500);
            }
}

// A men's raglan saved and reopened, and one too wide for the coat.
TEST_F(RaglanGarmentsTest, TheMensRaglanIsKeptAndATooWideOneFails) {
    TRaglan& s = CalculateWithSleeve(31, 7, 16);
    ASSERT_TRUE(main->Model->calculated);
    const Vector o = s.BackUnderarm, o2 = s.FrontUnderarm;
    const std::string path = TempPath("menraglan.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->CreateModel(0, -1, -1);
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    ASSERT_TRUE(main->Model->calculated);
    EXPECT_EQ(main->SleeveKind, 16);
    EXPECT_EQ(dynamic_cast<const TRaglan&>(*main->Sleeve).BackUnderarm, o);
    EXPECT_EQ(dynamic_cast<const TRaglan&>(*main->Sleeve).FrontUnderarm, o2);

    ExpectTooWideSleeveFails("90");
}

// ---------------------------------------------------------------------------
// The men's shirts and jackets (the garments themselves are drafted here on
// their own)

// Both raglans on the shirt and the jacket bodice: the fixed bend of 0.07,
// the back seam without the women's ease, the width line split 0.454 /
// 0.546, the sleeve hanging without the shoulder pad, the elbow line too.
TEST(RaglanOnMenShirts, AFixedBendAndNoShoulderPad) {
    for (MenDressKind kind : kMenKinds)
        for (int sleeveKind : {5, 6}) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " sleeve " << sleeveKind);
            std::unique_ptr<TRaglan> s(sleeveKind == 5 ? static_cast<TRaglan*>(new TRaglanStright)
                                                       : static_cast<TRaglan*>(new TRaglanWDart));
            s->ArmLength = 62;
            s->UpperArmGirth = 32;
            s->WristGirth = 18;
            s->ShoulderPad = 1;  // read by the darted sleeve only on a coat or a dress
            s->UpperArmEase = 6;
            s->WristEase = 6;
            TTestMenDress m;
            BodiceChoice choice;
            choice.sleeve = s.get();
            choice.sleeveKind = sleeveKind;
            DraftMenDress(m, kShirtSamples, kind, choice);
            s->DraftShirt(m);
            const float h = m.InterliningEase;

            const double back = Dist(m.A9, m.P31), front = Dist(m.A42, m.P6);
            EXPECT_NEAR(Dist(m.C1, m.A9), 0.5 * back, 1e-3);
            EXPECT_NEAR(Dist(m.C1, m.C2), 0.07 * back, 1e-3);
            EXPECT_NEAR(Dist(m.C3, m.C4), 0.07 * front, 1e-3);
            EXPECT_NEAR(Dist(m.FrontNeckCentre, m.A42), m.A3.y - m.A5.y, 1e-3);
            double backSeam = QuadLength(m.A9, m.BackRaglanCtrl1, m.C2) + QuadLength(m.C2, m.BackRaglanCtrl2, m.BackRaglanEnd);
            if (m.RaglanSide == 1)
                backSeam += Bezier2::ArcLength(m.P31, m.BackArmholeCtrl1, m.BackArmholeJoin, m.RaglanBackParam, 1) +
                            QuadLength(m.BackArmholeJoin, m.BackArmholeCtrl2, m.G2);
            else
                backSeam += Bezier2::ArcLength(m.BackArmholeJoin, m.BackArmholeCtrl2, m.G2, m.RaglanBackParam, 1);
            EXPECT_NEAR(s->BackSeamLength, backSeam, 0.01);

            EXPECT_NEAR(s->BackMiddle.x - s->BackUnderarm.x, 0.546 * s->SleeveWidth, 1e-3);
            EXPECT_NEAR(s->FrontUnderarm.x - s->FrontMiddle.x, 0.454 * s->SleeveWidth, 1e-3);
            EXPECT_EQ(s->BoxTop, std::max({s->A91.y, s->A21.y, s->A7.y, s->A71.y}));
            EXPECT_FALSE(s->HitTest(1, m.C2.x, m.C2.y));
            if (sleeveKind == 5)
                ExpectStraightSleeve(dynamic_cast<const TRaglanStright&>(*s), h, 0);
            else
                ExpectDartedSleeve(dynamic_cast<const TRaglanWDart&>(*s), h, 0);
        }
}
