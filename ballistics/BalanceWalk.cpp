// The walk of the balance search, without making every pass one at a time.
//
// In doubles the moves are regular. While a stays inside one binade [2^e, 2^(e+1)), every sum
// a + 0.01 rounds to the binade's spacing u in the same way, so each move adds the same
// da = fl(a + 0.01) - a (with a >= 1 there is no tie to round) and after j moves a is exactly
// a0 + j * da; b alike. A run is a stretch of moves along which both stay inside their
// binades; near a binade's edge, and below 1 mm, the walk makes single moves as written.
//
// Within a run the first pass at which the rear outweighs is found by halving the run: where
// the moments in real arithmetic differ by more than the rounding of the double evaluation
// can bridge, every pass of a stretch has the same answer and is settled at once; only the
// passes where they come within that margin are evaluated one by one, in order, exactly as
// the walk evaluates them. So the pivot, the pass count and any error are the stepped ones.
#include "ballistics/BalanceWalk.h"

#include "tools/Checked.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace kesta::balance {

namespace {

// A stretch of passes this short is evaluated pass by pass.
constexpr long kFewPasses = 16;

// Moves from `start` along which a grows by exactly `da` and b shrinks by exactly `db`.
struct Run {
    Pivot start;
    double da = 0;
    double db = 0;
    long moves = 0;

    // Exact: j * da stays within the binade's room, so it is a whole number of its spacings.
    Pivot At(long j) const {
        const double moved = static_cast<double>(j);
        return {start.a + (moved * da), start.b - (moved * db)};
    }
};

// How many moves of `dx` fit into `room` (mm) with every move's exact sum still inside the
// binade: the rounded step differs from 0.01 by at most half a spacing (under 0.008 mm), and
// the quotient may be off by a few units in its last place. Unlimited when nothing moves.
double MovesWithin(double room, double dx) {
    if (dx == 0) return std::numeric_limits<double>::infinity();
    const double q = (room - 0.02) / dx;
    return std::floor(q - (q * 0x1p-50)) - 2;
}

Run RunFrom(const Pivot& p, double limit) {
    Run run{p};
    if (!(p.a >= 1 && p.b >= 1)) return run;
    run.da = (p.a + kStep) - p.a; // exact: both lie within a factor of two
    run.db = p.b - (p.b - kStep);
    const double top = std::ldexp(1.0, std::ilogb(p.a) + 1);
    const double bottom = std::ldexp(1.0, std::ilogb(p.b));
    const double moves =
        std::min({MovesWithin(top - p.a, run.da), MovesWithin(p.b - bottom, run.db), limit});
    run.moves = moves > 0 ? static_cast<long>(moves) : 0;
    return run;
}

struct Moments {
    double rear;
    double front;
};

Moments PlainMoments(const Pivot& p, double B, double g) {
    double mR = ((p.a - 75) * 40) + (p.a * 10);
    double mF = (p.b * B) + (p.b * 15);
    const double gm = g / 25.4;
    mR = (((p.a * 0.5) * p.a) * gm) + mR;
    mF = (((p.b * 0.5) * p.b) * gm) + mF;
    return {mR, mF};
}

bool Finite(const Pivot& p, double B, double g) {
    const Moments m = PlainMoments(p, B, g);
    return std::isfinite(m.rear) && std::isfinite(m.front);
}

using Real = long double;

struct Range {
    Real low;
    Real high;
};

// The range of (c2 x + c1) x + c0 over [x1, x2].
Range QuadraticRange(Real c2, Real c1, Real c0, Real x1, Real x2) {
    const auto at = [&](Real x) { return ((c2 * x) + c1) * x + c0; };
    Range r{std::min(at(x1), at(x2)), std::max(at(x1), at(x2))};
    if (c2 != 0) {
        const Real vertex = -c1 / (2 * c2);
        if (vertex > x1 && vertex < x2) {
            r.low = std::min(r.low, at(vertex));
            r.high = std::max(r.high, at(vertex));
        }
    }
    return r;
}

enum class Answer { Never, Always, Unsure };

// Whether the rear outweighs at every pivot with a in [first.a, last.a] and b in
// [last.b, first.b] (all of them at least 1 mm), at none, or either may be. In real numbers
// mR = 50 a - 3000 + gm a^2 / 2 and mF = (B + 15) b + gm b^2 / 2; the double evaluation of
// each lies within 4.01 units of rounding (2^-53) of the sum of its terms' sizes, and these
// ranges in long double within a few more, so a margin of 16 units settles the comparison.
Answer Settled(const Pivot& first, const Pivot& last, double B, double g) {
    const double gm = g / 25.4;
    const Real a = last.a, b = first.b, halfGm = std::fabs(Real(gm)) / 2;
    const Real terms = (40 * (a + 75)) + (10 * a) + (halfGm * a * a) + (std::fabs(Real(B)) * b) +
                       (15 * b) + (halfGm * b * b);
    // Near the top of the double range some pass may overflow, which only the pass itself can
    // tell (and raise). The terms that can overflow grow with a or shrink with b, so the passes
    // that overflow are a stretch at one end or the other: finite at both ends, finite between.
    if (!(terms + (a * a) + (b * b) < DBL_MAX / 16) && !(Finite(first, B, g) && Finite(last, B, g)))
        return Answer::Unsure;
    const Range rear = QuadraticRange(Real(gm) / 2, 50, -3000, first.a, last.a);
    const Range front = QuadraticRange(Real(gm) / 2, Real(B) + 15, 0, last.b, first.b);
    const Real margin = (terms * 0x1p-49L) + 1e-300L; // the last for underflow to subnormals
    if (rear.low - front.high > margin) return Answer::Always;
    if (rear.high - front.low < -margin) return Answer::Never;
    return Answer::Unsure;
}

// The first pass in [lo, hi) of the run at which the rear outweighs, or hi.
long FirstBalanced(const Run& run, double B, double g, long lo, long hi) {
    if (hi - lo <= kFewPasses) {
        for (long j = lo; j < hi; ++j)
            if (RearOutweighs(run.At(j), B, g)) return j;
        return hi;
    }
    switch (Settled(run.At(lo), run.At(hi - 1), B, g)) {
    case Answer::Always:
        return lo;
    case Answer::Never:
        return hi;
    case Answer::Unsure:
        break;
    }
    const long mid = lo + ((hi - lo) / 2);
    const long left = FirstBalanced(run, B, g, lo, mid);
    return left < mid ? left : FirstBalanced(run, B, g, mid, hi);
}

// The moments, every operation checked.
bool RearOutweighsChecked(const Pivot& p, double B, double g) {
    const double rearWeights = (Num(p.a) - 75) * 40;
    double mR = Num(rearWeights) + (Num(p.a) * 10);
    const double broadhead = Num(p.b) * B;
    double mF = Num(broadhead) + (Num(p.b) * 15);
    const double gm = Num(g) / 25.4;
    mR = (((Num(p.a) * 0.5) * p.a) * gm) + mR;
    mF = (((Num(p.b) * 0.5) * p.b) * gm) + mF;
    return mR > mF;
}

} // namespace

// The inputs are finite and nothing divides by a computed value, so an operation that
// overflows leaves an infinity or NaN in mR or mF; only then is the checked evaluation
// repeated, to raise its error. The digits are the same either way.
bool RearOutweighs(const Pivot& p, double B, double g) {
    const Moments m = PlainMoments(p, B, g);
    if (!std::isfinite(m.rear) || !std::isfinite(m.front)) return RearOutweighsChecked(p, B, g);
    return m.rear > m.front;
}

bool Walk(Pivot& p, double B, double g, long& passes, double cap) {
    passes = 0;
    for (;;) {
        const Run run = RunFrom(p, cap - static_cast<double>(passes));
        if (run.moves < kFewPasses) { // one pass as written
            if (RearOutweighs(p, B, g)) return true;
            p.a = Num(p.a) + kStep;
            p.b = Num(p.b) - kStep;
            ++passes;
            if (p.b < 0) return true;
            if (passes >= cap) return false;
            continue;
        }
        // A pivot that no longer moves at all asks the same question at every pass.
        const bool still = run.da == 0 && run.db == 0;
        const long j = still ? (RearOutweighs(p, B, g) ? 0 : run.moves)
                             : FirstBalanced(run, B, g, 0, run.moves);
        passes += j;
        p = run.At(j);
        if (j < run.moves) return true;
        if (passes >= cap) return false; // b stays above 1 mm within a run
    }
}

} // namespace kesta::balance
