// The straight raglan sleeve with the women's dresses, jackets and coats:
// chosen in the base selection, laid into the bodice on the road, drawn on
// the sleeve sheet, dragged by its handle, kept in the order file and
// printed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "garments/bodice_women/Dress.h"
#include "sleeves/shaping/Raglan.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

class RaglanGarmentsTest : public GarmentWindowTest {
protected:
    TRaglan& CalculateWithSleeve(int type, int collar, int kind = 5) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, kind)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<TRaglan&>(*main->Sleeve);
    }
    TDress& Dress() const { return dynamic_cast<TDress&>(*main->Model); }
};

}  // namespace

TEST_F(RaglanGarmentsTest, Smoke) {
    for (int type = 7; type <= 14; ++type)
        for (int collar : {0, 1, 3}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " collar " << collar);
            TRaglan& s = CalculateWithSleeve(type, collar);
            for (auto& m : messages) ADD_FAILURE() << m.text;
            EXPECT_TRUE(main->Model->calculated);
            auto& r = dynamic_cast<TRaglanStright&>(s);
            if (type == 8 && collar != 1) {
                report->List1()->Bitmap().save(QString("/tmp/raglan_s1_%1.png").arg(collar));
                report->List2()->Bitmap().save(QString("/tmp/raglan_s2_%1.png").arg(collar));
            }
            printf("%d %d W=%g box %g %g %g %g P=(%g %g) P31=(%g %g)\n", type, collar, s.SleeveWidth, s.BoxLeft,
                   s.BoxTop, s.BoxRight, s.BoxBottom, r.P.x, r.P.y, r.P31.x, r.P31.y);
        }
}
