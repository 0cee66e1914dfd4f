// The program's windows with a garment and a sleeve chosen and calculated
// from the garment's sample values, for the set-in sleeves' tests on the
// road.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <string>
#include <vector>

#include "tests/garments/GarmentWindowTest.h"
#include "tests/kernel/PdfPaths.h"

class SleeveWindowTest : public GarmentWindowTest {
protected:
    // The type with the collar and sleeve kinds, its sample values in the
    // fields, calculated; the sleeve, as the sleeve class asked for.
    template <class Sleeve>
    Sleeve& CalculateWith(int type, int collar, int sleeveKind) {
        main->FillSamples = true;
        EXPECT_TRUE(main->CreateModel(type, collar, sleeveKind)) << type;
        main->FillSamples = false;
        messages.clear();
        main->CalcExecute();
        return dynamic_cast<Sleeve&>(*main->Sleeve);
    }

    // The row of the column whose caption is `caption`; 0 when none shows it.
    int Row(const std::string& caption) const {
        for (int n = 1; n <= kMeasureRows; ++n)
            if (!main->Line(n)->isHidden() && main->Line(n)->text().toStdString() == caption) return n;
        return 0;
    }
};

// Whether the file draws a straight segment mm long (to 0.1 mm).
inline bool HasSegment(const std::vector<PdfSegment>& segments, double mm) {
    for (const PdfSegment& s : segments)
        if (std::fabs(s.Length() - mm) < 0.1) return true;
    return false;
}
