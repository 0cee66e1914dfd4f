// The sample values of the family's garments.  The coats and blazers share
// their body measurements (the demi-season coat with a separate side part
// has a smaller hip); the seasons differ in the eases.
#include <stdexcept>

#include "garments/coats_men/MenPattern.h"

namespace {

#define MEN_BODY(hip, shoulder)                                                                                 \
    {                                                                                                           \
        "176", "20,7", "51,1", "52,2", "49", hip, "27,8", "47,2", "19,4", "9,7", "21,9", "45,2", "48,3", "20,1", \
            shoulder, "8"                                                                                       \
    }

const MenSamples kDemiSideSeam{MEN_BODY("53,4", "15,4"),
                               {"61,7", "32,8", "18,5", "1", "7", "7", "7", "13", "13", "0,07", "0,4"},
                               {"61,8", "32,8", "18,5", "1", "7", "7", "7", "13", "13", "0,4"},
                               {"7", "7", "7", "0,4"}};
const MenSamples kWinterSideSeam{MEN_BODY("53,4", "15,4"),
                                 {"61,8", "32,8", "18,5", "1", "9", "9", "9", "14", "14", "0,08", "0,4"},
                                 {"61,7", "32,8", "18,5", "1,5", "9", "9", "9", "14", "14", "0,4"},
                                 {"9", "9", "9", "0,4"}};
const MenSamples kDemiOnePiece{MEN_BODY("53,4", "15,4"),
                               {"61,8", "32,8", "18,5", "1", "7", "7", "7", "12", "12", "0,07", "0"},
                               {},
                               {"7", "7", "7", "0"}};
const MenSamples kDemiCutOff{MEN_BODY("50", "15,4"),
                             {"61,8", "32,8", "18,5", "1", "7", "7", "7", "12", "12", "0,07", "0"},
                             {},
                             {"7", "7", "7", "0"}};
const MenSamples kWinterSidePart{MEN_BODY("53,4", "15,4"),
                                 {"61,8", "32,8", "18,5", "1", "9", "9", "9", "14", "14", "0,1", "0,4"},
                                 {},
                                 {"9", "9", "9", "0,4"}};
const MenSamples kBlazer{MEN_BODY("53,4", "15,4"),
                         {"61,8", "32,8", "18,5", "1", "5", "4", "4", "10", "10", "0,06", "0"},
                         {},
                         {"5", "4", "4", "0"}};
const MenSamples kVest{MEN_BODY("55,4", "12"), {}, {}, {"4", "4", "3,5", "0"}};

#undef MEN_BODY

}  // namespace

const MenSamples& MenSamplesOf(int type) {
    switch (type) {
        case 28: return kDemiSideSeam;
        case 29: return kDemiOnePiece;
        case 30: return kDemiCutOff;
        case 31: return kWinterSideSeam;
        case 32:
        case 33: return kWinterSidePart;
        case 34:
        case 35: return kBlazer;
        case 36: return kVest;
        default: break;
    }
    throw std::invalid_argument("not a men's outerwear garment type");
}
