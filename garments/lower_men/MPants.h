// The men's low-waist trousers: "Брюки мужские с заниженным поясом"
// (TMPants, garment type 15, seven measurements) and "Брюки мужские с
// заниженным поясом 2" (TMPants2, type 26, eight: it adds the front waist
// lowering Зп in the fifth row).
//
// Both run one draft, TMPantsDraft.  The levels come from the side length
// and the inside-leg length: the crotch line lies Дш − Псш above the hem,
// the hip line above it by a third of the seat depth (TMPants) or by
// Псш + Сб/6 − 1 (TMPants2).  TMPants lowers the waist 0.1·(Сб − Ст) at the
// crease line; TMPants2 turns the whole front waist down towards the centre
// by Зп/2 at the hips (the lowered hip point B6), raises the hem by 0.1·E
// and takes the back angle and centre from Зп too.
#pragma once

#include <vector>

#include "garments/lower_men/MenTrousers.h"

constexpr int kMPantsType = 15;
constexpr int kMPants2Type = 26;

class TMPantsDraft : public TMenTrousersDraft {
public:
    void DrawPaths(TDrawContext& dc, int thick) const override;
    void DrawLabels(TDrawContext& dc, bool printer) const override;

    // The front waist turned down by Зп (TMPants2).
    bool FrontLowered() const { return frontLowered_; }

protected:
    TMPantsDraft(const MenTrousersKind& kind, bool frontLowered);
    void Draft() override;
    // The front's 22 rows (TMPants) or 24 (TMPants2), the back's 26.
    std::vector<SegmentRule> FrontRules() const override;
    std::vector<SegmentRule> BackRules() const override;

private:
    bool frontLowered_;
};

class TMPants : public TMPantsDraft {
public:
    TMPants();
};

class TMPants2 : public TMPantsDraft {
public:
    TMPants2();
};

// Registers both trousers with the piece factory and declares their
// order-file blocks (28 and 32 bytes).
void RegisterMPants();
