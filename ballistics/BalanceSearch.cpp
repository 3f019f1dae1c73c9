// The balance point is found by stepping, as the arrow is balanced on a finger moved forwards:
// positions are millimetres from the rear end (a) and from the front end (b). Besides the
// broadhead and the evenly spread shaft, the arrow carries 10 grains at the rear end, 40 grains
// 75 mm from the rear end and 15 grains at the front end.
#include "ballistics/BalanceSearch.h"

#include "ballistics/BalanceWalk.h"
#include "tools/Checked.h"

#include <cmath>

namespace kesta {

namespace {

using balance::kStep;
using balance::Pivot;
using balance::RearOutweighs;
using balance::Walk;

constexpr double kMaxPasses = 10'000'000; // beyond this the search jumps instead of walking

Pivot After(const Pivot& start, double moves) {
    return {Num(start.a) + (Num(moves) * kStep), Num(start.b) - (Num(moves) * kStep)};
}

// Whether the walk would have ended (or failed) at the pivot reached after `moves` moves.
bool EndsAt(const Pivot& start, double moves, double B, double g) {
    try {
        const Pivot p = After(start, moves);
        return p.b < 0 || RearOutweighs(p, B, g);
    } catch (const RuntimeError&) {
        return true;
    }
}

// The number of moves after which the walk ends, found by halving the range of moves.
// mR - mF is linear in the pivot position (the shaft's squared terms cancel because a + b stays
// the arrow's length), so "the rear outweighs the front" holds on one side of a single crossing
// and halving finds it. Taking start + n * 0.01 instead of n repeated additions moves the
// pivot by at most about n half-units in the last place of a; with n above 10 million and a
// above 100,000 mm that is under 0.0001 mm, a millionth of a percent of FOC, which is shown
// rounded to a whole percent. Where a is so large that adding 0.01 no longer changes it, the
// walk would never move at all and the jump is the only answer.
double MovesToEnd(const Pivot& start, double B, double g) {
    double lo = 0; // the walk goes on after pass 0
    double hi = std::floor(Num(start.b) / kStep) * 2 + 2;
    for (;;) {
        const double mid = std::floor(lo + (hi - lo) / 2);
        if (mid <= lo || mid >= hi) return hi;
        if (EndsAt(start, mid, B, g)) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
}

// The search for a pivot more than 10 million moves from the front end.
Pivot Jump(const Pivot& start, double B, double g, long& passes) {
    passes = 0;
    if (RearOutweighs(start, B, g)) return start;
    const double moves = MovesToEnd(start, B, g);
    if (moves <= kMaxPasses) {
        // Close enough to walk: walk, so the figure is exactly the stepped one.
        Pivot p = start;
        if (Walk(p, B, g, passes, kMaxPasses * 2)) return p;
    }
    const Pivot p = After(start, moves);
    passes = static_cast<long>(std::fmin(moves, 1e18));
    // Raise the error, if any, that the walk would have met at this pivot.
    if (!(p.b < 0)) RearOutweighs(p, B, g);
    return p;
}

} // namespace

double FrontOfCentre(double L, double B, double g, long& passes) {
    const Num half = Num(L) / 2;
    Pivot p{half * 25.4, (Num(L) - half) * 25.4};
    if (Num(p.b) / kStep > kMaxPasses) {
        p = Jump(p, B, g, passes);
    } else {
        Walk(p, B, g, passes, kMaxPasses * 2);
    }
    const double Lmm = Num(L) * 25.4;
    return ((Num(p.a) - (Num(Lmm) / 2)) / Lmm) * 100;
}

} // namespace kesta
