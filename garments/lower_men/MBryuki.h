// The men's classic trousers: "Брюки мужские классические" (TMBryuki,
// garment type 4, five measurements) and "Брюки мужские классические 2"
// (TMBryuki2, type 21, seven: it adds the seat height Вс and its ease Пвс).
//
// Both run one draft, TMBryukiDraft, whose only parameters are the seat
// depth s and its ease p: TMBryuki takes s = Сб/2 − 1.5 and p = 0,
// TMBryuki2 the measured Вс and Пвс (the ease lowers the seat line, not the
// hip line).  The front waist rises 0.3 cm at the fly for a figure whose
// hips exceed the waist by less than the method's quadratic in Сб.
#pragma once

#include <vector>

#include "garments/lower_men/MenTrousers.h"

constexpr int kMBryukiType = 4;
constexpr int kMBryuki2Type = 21;

class TMBryukiDraft : public TMenTrousersDraft {
public:
    // ---- Derived scalars. ----
    float SeatDepth = 0.0f;  // s: Сб/2 − 1.5 (TMBryuki) or Вс (TMBryuki2)
    bool FigureSwitch = false;  // the front waist raised 0.3 cm at the fly

    // The fly is a cubic that turns from B11 up to T8 (T8 right of B11);
    // otherwise a straight line.
    bool CurvedFly() const { return B11.x < T8.x; }

    void DrawPaths(TDrawContext& dc, int thick) const override;
    void DrawLabels(TDrawContext& dc, bool printer) const override;

protected:
    TMBryukiDraft(const MenTrousersKind& kind, bool seatMeasured);
    void Draft() override;
    // 23 front rows, 25 back rows.
    std::vector<SegmentRule> FrontRules() const override;
    std::vector<SegmentRule> BackRules() const override;

private:
    bool seatMeasured_;
};

class TMBryuki : public TMBryukiDraft {
public:
    TMBryuki();
};

class TMBryuki2 : public TMBryukiDraft {
public:
    TMBryuki2();
};

// Registers both trousers with the piece factory and declares their
// order-file blocks (20 and 28 bytes).
void RegisterMBryuki();
