// The men's jacket collar (or another collar of the men's outerwear family,
// by Kind) on the main window's garments of the family: each garment type
// with its sample measurements, the collar calculated by the garment on the
// calculation road.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collars/MenForCoat.h"
#include "garments/coats_men/MenPattern.h"
#include "tests/garments/GarmentWindowTest.h"

class MenForCoatTest : public GarmentWindowTest {
protected:
    // The collar kind the garments are drafted with.
    virtual int Kind() const { return TMenForCoat::kKind; }

    // The garment of `type` with the collar and no sleeve (or the given
    // one), its sample rows typed and calculated.
    TMenPattern& Calculated(int type, int sleeve = 0) {
        EXPECT_TRUE(main->CreateModel(type, Kind(), sleeve)) << type;
        Type(Rows(type, sleeve));
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(messages.empty()) << type << ": " << (messages.empty() ? "" : messages[0].text);
        return *CurrentMenPattern();
    }
    TMenForCoat& Collar() { return dynamic_cast<TMenForCoat&>(*main->Collar); }

    static std::vector<std::string> Rows(int type, int sleeve) {
        if (type == MenPatternType::kVest)
            return {"176", "20.7", "51.1", "52.2", "49",   "55.4", "27.8", "47.2", "19.4", "9.7",
                    "21.9", "45.2", "48.3", "20.1", "12", "8",    "4",    "4",    "3.5",  "0"};
        std::vector<std::string> rows = {"176",  "20.7", "51.1", "52.2", "49",   "53.4", "27.8", "47.2",
                                         "19.4", "9.7",  "21.9", "45.2", "48.3", "20.1", "15.4", "8"};
        std::vector<std::string> tail;
        if (sleeve == 15 || sleeve == 16)
            tail = {"61.7", "32.8", "18.5", "1.5", "9", "9", "9", "14", "14", "0.4"};
        else if (sleeve)
            tail = {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"};
        else
            tail = {"7", "7", "7", "0.4"};
        rows.insert(rows.end(), tail.begin(), tail.end());
        return rows;
    }
};
