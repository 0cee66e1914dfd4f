// The program's windows with a women's bodice and a sleeve made in one with
// it: the garment chosen with the sleeve kind in the base selection, its
// sample values in the column, calculated on the road; and what the tests
// measure of the drafted sleeve independently of its draft.
#pragma once

#include <QLineEdit>
#include <cmath>
#include <initializer_list>
#include <string>

#include "garments/bodice_women/DressGarment.h"
#include "kernel/Bezier.h"
#include "tests/garments/GarmentWindowTest.h"

class ShapingSleeveTest : public GarmentWindowTest {
protected:
    TDress& Dress() const { return dynamic_cast<TDress&>(*main->Model); }

    // Runs check(sleeve, bodice) on every type of the family (7 .. 14),
    // chosen with each of the collar kinds and the sleeve kind and
    // calculated on the road; a type that is not calculated fails.
    template <class Sleeve, class Check>
    void OnEveryBodice(int sleeveKind, std::initializer_list<int> collars, Check check) {
        for (int type = 7; type <= 14; ++type)
            for (int collar : collars) {
                SCOPED_TRACE(testing::Message() << "type " << type << " collar " << collar);
                Sleeve& s = CalculateWith<Sleeve>(type, collar, sleeveKind);
                EXPECT_TRUE(main->Model->calculated) << (messages.empty() ? "" : messages[0].text);
                if (main->Model->calculated) check(s, Dress());
            }
    }


    // Types an upper-arm girth of 95 cm into the calculated garment's
    // column and calculates: the width's message with the caption of the
    // cap's failure, nothing calculated, then failed() on the garment as
    // the failure left it; the sound girth typed back drafts again.
    template <class Failed>
    void ExpectTooWideFails(Failed failed) {
        ASSERT_TRUE(main->Model->calculated);
        const int upperArm = Row("Оп.в:");
        ASSERT_GT(upperArm, 0);
        const std::string sound = main->Meas(upperArm)->text().toStdString();
        ExpectTheCapsFailure(upperArm, "95");
        if (HasFatalFailure()) return;
        failed();

        main->Meas(upperArm)->setText(QString::fromStdString(sound));
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(main->Model->calculated);
        EXPECT_TRUE(messages.empty());
    }

    // Ink in a small square about the point p of the sheet drawn with the
    // origin in force.
    int InkAt(const QImage& sheet, const Vector& p, int half = 3) const {
        return DarkPixels(sheet,
                          QRect(ScreenDC.PixelX(p.x) - half, ScreenDC.PixelY(p.y) - half, 2 * half + 1, 2 * half + 1));
    }
};

namespace ShapingCheck {

inline double Dist(const Vector& a, const Vector& b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }
inline double Dot(const Vector& a, const Vector& b, const Vector& c, const Vector& d) {
    return (double(b.x) - a.x) * (double(d.x) - c.x) + (double(b.y) - a.y) * (double(d.y) - c.y);
}
// How far p lies off the line through a and b.
inline double OffLine(const Vector& a, const Vector& b, const Vector& p) {
    const double ux = double(b.x) - a.x, uy = double(b.y) - a.y;
    return std::fabs(ux * (double(p.y) - a.y) - uy * (double(p.x) - a.x)) / std::hypot(ux, uy);
}

// The fitted bodice's side curves as the bodice draws them: case 1 the arc
// from G2 to the waist, case 2 the cubic from the waist to the hip.
inline Vector FrontSidePoint(const TDressOfWaist& w, int curveCase, float t) {
    return curveCase == 1 ? Bezier2::Point(w.G2, w.FrontSideUpperCtrl, w.FrontSideWaist, t)
                          : Bezier3::Point(w.FrontSideWaist, w.FrontSideLowerCtrl, w.FrontSideHipCtrl, w.B5, t);
}
inline Vector BackSidePoint(const TDressOfWaist& w, int curveCase, float t) {
    return curveCase == 1 ? Bezier2::Point(w.G2, w.BackSideUpperCtrl, w.BackSideWaist, t)
                          : Bezier3::Point(w.BackSideWaist, w.BackSideLowerCtrl, w.BackSideHipCtrl, w.B4, t);
}

}  // namespace ShapingCheck
