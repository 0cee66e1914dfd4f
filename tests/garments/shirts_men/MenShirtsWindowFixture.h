// The men's shirts and jackets among the program's windows, as a user gets
// them: registered with the factory, with stand-in collars and sleeves of
// the kinds a test needs (pieces that carry their inputs, keep an extent
// box and note the order they are drafted in), and helpers that type the
// column.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "garments/shirts_men/MenShirts.h"
#include "shell/Factory.h"
#include "tests/StubGarments.h"
#include "tests/garments/BodiceWindowTest.h"

// The pieces' drafts in the order they ran ('c' collar, 's' sleeve).
inline std::string& PieceDrafts() {
    static std::string drafts;
    return drafts;
}

// A collar that has only its extent box and notes its draft.
class TBoxedCollar : public TTestCollar {
public:
    void Calculate() override {
        PieceDrafts() += 'c';
        BoxLeft = -1;
        BoxRight = 9;
        BoxTop = 4;
        BoxBottom = -1;
    }
};

// A sleeve that notes its draft and has an extent box.
class TNotingSleeve : public TTestSleeve {
public:
    void Calculate() override {
        PieceDrafts() += 's';
        BoxLeft = -10;
        BoxRight = 10;
        BoxTop = 3;
        BoxBottom = -60;
    }
};

// The body rows of the straight column (the fitted one has Ст fourth) and
// the samples of both.
inline const std::vector<std::string> kMenStraightBody = {"Р:",   "Сш:",   "Сг2:", "Сб:", "Дт.п:", "Шг:",
                                                          "Впр.з:", "Дт.с:", "Вп.к:", "Шс:", "Шп:",  "Пк:"};
inline const std::vector<std::string> kMenStraightSamples = {"176",  "20.7", "52.2", "53.4", "47.2", "19.4",
                                                             "21.9", "45.2", "48.3", "20.1", "15.4", "6"};

class MenShirtsWindowTest : public BodiceWindowTest {
protected:
    void RegisterGarments() override {
        // Stand-ins for the pieces the tests choose; the real ones come
        // back after each test.
        for (int kind = 1; kind <= 6; ++kind)
            keptSleeves_[kind] = RegisterSleeveMaker(kind, [] { return new TNotingSleeve; });
        for (int kind : {1, 4, 5}) keptCollars_[kind] = RegisterCollarMaker(kind, [] { return new TBoxedCollar; });
    }
    void AfterTearDown() override {
        for (auto& k : keptSleeves_) RegisterSleeveMaker(k.first, k.second);
        for (auto& k : keptCollars_) RegisterCollarMaker(k.first, k.second);
        BodiceWindowTest::AfterTearDown();
    }

    TMenDressGarment& Choose(int type, int collar = 0, int sleeve = 0) {
        EXPECT_TRUE(main->CreateModel(type, collar, sleeve)) << type;
        return *dynamic_cast<TMenDressGarment*>(main->Model);
    }
    // The samples of the current column into its fields, as the option
    // would write them.
    TMenDressGarment& TypeSamples(int type, int collar = 0, int sleeve = 0) {
        main->FillSamples = true;
        TMenDressGarment& g = Choose(type, collar, sleeve);
        main->FillSamples = false;
        return g;
    }
    void TypeSamplesOf(int type, int collar, int sleeve) override { TypeSamples(type, collar, sleeve); }
    // The samples typed and the road run.
    TMenDressGarment& Calculated(int type, int collar = 0, int sleeve = 0) {
        TypeSamples(type, collar, sleeve);
        messages.clear();
        PieceDrafts().clear();
        main->CalcExecute();
        return *dynamic_cast<TMenDressGarment*>(main->Model);
    }

    // The program's own one-seam sleeve and stand collar instead of the
    // stand-ins.
    void UseRealPieces() {
        RegisterSleeveMaker(1, keptSleeves_[1]);
        RegisterCollarMaker(1, keptCollars_[1]);
    }
    // Every kind the program has, none stood in for.
    void UseEveryRealPiece() {
        for (auto& k : keptSleeves_) RegisterSleeveMaker(k.first, k.second);
        for (auto& k : keptCollars_) RegisterCollarMaker(k.first, k.second);
    }

private:
    std::map<int, SleeveMaker> keptSleeves_;
    std::map<int, CollarMaker> keptCollars_;
};
