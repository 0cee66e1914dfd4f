// The program's windows with the women's jeans and shorts registered with
// the factory, as a user gets them, with the decimal separator '.' and a
// PDF printer listed; and the sample measurements of these garments.
#pragma once

#include <string>
#include <vector>

#include "garments/lower_women/WJeans.h"
#include "garments/lower_women/WShort.h"
#include "tests/garments/GarmentWindowTest.h"

// The samples as typed with '.', in the order of the edits.
inline const std::vector<std::string>& JeansSamples() {
    static const std::vector<std::string> s = {"39.5", "50", "39.4", "99.9", "0.5", "0", "4"};
    return s;
}
inline const std::vector<std::string>& Jeans2Samples() {
    static const std::vector<std::string> s = {"39.5", "50", "23.5", "39.4", "99.9", "0.5", "0", "0", "4"};
    return s;
}
inline const std::vector<std::string>& ShortsSamples() {
    static const std::vector<std::string> s = {"39.5", "50", "23.5", "30", "30", "0.5", "0", "0"};
    return s;
}

// No garment is open until a test chooses one.
class JeansWindowTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override {
        RegisterWJeans();
        RegisterWShort();
    }

    void Choose(int type) {
        ASSERT_TRUE(main->CreateModel(type, -1, -1));
        messages.clear();
    }
};
