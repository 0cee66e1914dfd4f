// The program's windows with the skirt chosen through the factory, as a user
// gets them, with the decimal separator '.' and a PDF printer listed.
#pragma once

#include <string>
#include <vector>

#include "garments/lower_women/Yubka.h"
#include "tests/garments/GarmentWindowTest.h"

// The sample measurements of the skirt, as typed with '.'.
inline const std::vector<std::string>& SkirtSamples() {
    static const std::vector<std::string> samples = {"38", "53", "53.3", "99.4", "97.9", "38.2", "0.5", "1"};
    return samples;
}

// The skirt is one of the built-in pieces.
class SkirtWindowTest : public GarmentWindowTest {
protected:
    void OpenGarment() override { ASSERT_TRUE(main->CreateModel(kYubkaType, -1, -1)); }

    TYubka& Skirt() { return *dynamic_cast<TYubka*>(main->Model); }
};
