#include "garments/bodice_women/DressAllowances.h"

namespace {

// The constants of the straight silhouette, by garment kind, in the order
// of DressKind.
const DressAllowances kStraight[] = {
    //  c1   c2   c3   c4   c5   c6   c7   c8   c9   c10
    {1.5, 0.5, 1.3, 1.0, 0.0, 0.3, 0.5, 0.0, 0.0, 7.0},  // dress
    {2.0, 0.7, 1.5, 1.0, 0.2, 0.5, 0.5, 0.5, 0.0, 7.0},  // jacket
    {2.5, 1.0, 2.3, 1.5, 0.4, 0.7, 1.0, 1.0, 0.5, 8.0},  // demi-season coat
    {3.0, 1.0, 2.8, 2.5, 0.8, 0.7, 1.5, 1.0, 1.0, 8.0},  // winter coat
};

// The fitted silhouette's armhole is that much less deep.
constexpr double kFittedArmholeDepth = 0.5;

}  // namespace

DressAllowances AllowancesOf(DressKind kind, Silhouette silhouette) {
    DressAllowances c = kStraight[static_cast<int>(kind)];
    if (silhouette == Silhouette::Fitted) c.armholeDepth -= kFittedArmholeDepth;
    return c;
}
