#include "collars/ShawlFall.h"

#include "collars/Lapel.h"
#include "collars/LapelSteps.h"
#include "kernel/Bezier.h"
#include "kernel/Checked.h"
#include "kernel/FloatStore.h"

void ShawlFall::DraftFall(const Vector& L1, const Vector& A4, const Vector& neckCentre, float neckRadius, float s,
                          float N, float excess) {
    using namespace LapelSteps;
    const float fallWidth = s + 1.5f;

    // The roll line from L1 touches the circle of s around A4; the outer
    // edge at the shoulder lies the fall's width beyond C.
    C = Lapel::RollTouch(L1, A4, s, "shawl collar roll line");
    C5 = C + Unit(A4, C) * fallWidth;
    const Vector roll = Unit(L1, C);
    C1 = C + roll * N;

    // C1 turned about the roll line's entry into the neck circle by the
    // lowered back neckline's excess over the fall.
    F = Lapel::EnterCircle(L1, C, neckCentre, neckRadius);
    const float turn = FloatStore::Scalar(Checked::Div(excess, fallWidth, "shawl collar turn"), "shawl collar turn");
    TurnedEnd = F + Geom::Rotated(roll, turn) * Dist(F, C1);

    // The neck edge leaves A4 along the neck circle; its back end moves
    // along the end direction until the edge is N long.
    NeckCtrl = A4 + Vector::UnitNormalBetween(A4, neckCentre) * (Dist(A4, TurnedEnd) / 3);
    NeckEnd = Unit(TurnedEnd, NeckCtrl);
    C2 = TurnedEnd;
    const auto mismatch = [&] { return N - Bezier2::ArcLength(A4, NeckCtrl, C2, 0, 1); };
    Lapel::MatchLength(
        mismatch(),
        [&](float d) {
            C2 = C2 - NeckEnd * d;
            return mismatch();
        },
        "shawl collar neck edge");

    // The back edge square to the neck edge's end, and the roll line.
    const Vector m = Turned(NeckEnd);
    C3 = C2 + m * s;
    C4 = C3 + m * fallWidth;
    RollCtrl = Cross(C, roll, C3, NeckEnd);
}
