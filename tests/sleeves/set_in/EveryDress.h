// Runs a check on a set-in sleeve drafted from the sample values on every
// women's garment, with and without interlining.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/sleeves/set_in/SleeveFixture.h"

template <class Sleeve, class Check>
void OnEveryGarment(Check check) {
    for (DressKind k : kKinds)
        for (Silhouette sil : kSilhouettes)
            for (const DressMeasures& body : {kDressSamples, kWinterCoatSamples}) {
                SCOPED_TRACE("type " + std::to_string(TypeOf(k, sil)) + " h " + std::to_string(body.h));
                TTestDress d;
                Sleeve s;
                DraftSleeve(s, d, kSleeveSamples, body, k, sil);
                check(d, s);
            }
}
