// The women's bodice garments among the program's windows, as a user gets
// them: registered with the factory, with stand-in collars and sleeves of
// the kinds a test needs (pieces that only carry their inputs and draw
// nothing), and helpers that type the column and open orders.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "garments/bodice_women/DressGarment.h"
#include "shell/Factory.h"
#include "tests/garments/bodice_women/DressFixture.h"
#include "tests/garments/BodiceWindowTest.h"

// A collar that only has its extent box and counts its drawings.
class TBoxCollar : public TTestCollar {
public:
    int draws = 0;
    void Calculate() override {
        BoxLeft = -1;
        BoxRight = 9;
        BoxTop = 4;
        BoxBottom = -1;
    }
    void Draw() override { ++draws; }
};

// The body rows as the straight column has them (the fitted one has Ст
// fourth), and the samples of the dress.
inline const std::vector<std::string> kStraightBody = {"Сш:", "Сг1:", "Сг2:", "Сб:", "Вг:", "Дт.п:", "Шг:", "Цг:",
                                                       "Дт.с:", "Вп.к:", "Шс:", "Цл:", "Дб:", "Пк:", "Шп:"};
inline const std::vector<std::string> kStraightBodySamples = {"18.1", "43.8", "48", "53",  "26.5", "43", "17.1", "9.6",
                                                              "38",   "41",   "18", "7.6", "20.2", "4",  "13.5"};

class DressWindowsTest : public BodiceWindowTest {
protected:
    void RegisterGarments() override {
        // Stand-ins for the pieces the tests choose; the real ones come
        // back after each test.
        for (int kind : {1, 2, 4, 5, 7, 11})
            keptSleeves_[kind] = RegisterSleeveMaker(kind, [] { return new TTestSleeve; });
        keptCollar_ = RegisterCollarMaker(1, [] { return new TBoxCollar; });
    }
    void AfterTearDown() override {
        for (auto& k : keptSleeves_) RegisterSleeveMaker(k.first, k.second);
        RegisterCollarMaker(1, keptCollar_);
        BodiceWindowTest::AfterTearDown();
    }

    TDressGarment& Choose(int type, int collar = 0, int sleeve = 0) {
        EXPECT_TRUE(main->CreateModel(type, collar, sleeve)) << type;
        return *dynamic_cast<TDressGarment*>(main->Model);
    }
    // The samples of the current column into its fields, as the option
    // would write them.
    void TypeSamples(int type, int collar = 0, int sleeve = 0) {
        main->FillSamples = true;
        Choose(type, collar, sleeve);
        main->FillSamples = false;
    }
    void TypeSamplesOf(int type, int collar, int sleeve) override { TypeSamples(type, collar, sleeve); }

    // The program's own one-seam sleeve and stand collar instead of the
    // stand-ins.
    void UseRealPieces() {
        RegisterSleeveMaker(1, keptSleeves_[1]);
        RegisterCollarMaker(1, keptCollar_);
    }

private:
    std::map<int, SleeveMaker> keptSleeves_;
    CollarMaker keptCollar_;
};
