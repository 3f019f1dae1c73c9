// The penetration runs of one report, each answered exactly as the plain Arrow::Penetration
// would answer it, but without stepping the same passes twice. A report asks for the same
// arrow again and again: animals of equal mass repeat a whole call, and every call with the
// same arrow and entry loss follows the same passes for as long as the point is inside the
// slab, whatever the slab's thickness and the exit loss (see PenetrationCache.cpp).
// One cache serves one report: clear it whenever the arrow may have changed.
#pragma once

#include "ballistics/PenetrationSteps.h"
#include "tools/Errors.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace kesta::Arrow {

class PenetrationCache {
  public:
    // The arguments and the result (or the error) of Arrow::Penetration.
    double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                       double dx, double entryLoss, double thickness, double exitLoss);
    // As above; `passes` is the count the plain run would give.
    double Penetration(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                       double dx, double entryLoss, double thickness, double exitLoss,
                       long& passes);

    // What a run came to, told without raising.
    struct Outcome {
        double depth = 0;
        long passes = 0; // as the plain run counts them, up to where it ended or stopped
        bool stoppedEarly = false;
        std::optional<ErrorKind> failure; // what the plain run would raise
    };

    // As Penetration, for a caller that only asks whether the run goes deeper than `past`
    // (inches): once the run is past it and no later pass could raise, it stops there, with
    // `stoppedEarly` set and the depth reached then; the whole run goes at least as deep.
    // A failure is told, not raised: a search meets many.
    Outcome PenetrationOrPast(double Ro, double mass, double speed, double shaftDiameter,
                              double bladeArea, double dx, double entryLoss, double thickness,
                              double exitLoss, double past);

    // Forgets every run.
    void Clear();

    // The passes this cache has actually stepped since it was last cleared.
    long Stepped() const { return stepped_; }
    // The states of shared passes it holds, a measure of its size.
    std::size_t StatesKept() const { return statesKept_; }

  private:
    // The bit patterns of a prepared run's arrow: everything the passes inside the slab read.
    using ArrowKey = std::array<std::uint64_t, 8>;

    // The moving part of a run at the start of a pass.
    struct State {
        double q, v, x;
    };

    // The passes shared by every run of one arrow while the point is inside the slab.
    struct Prefix {
        ArrowKey key;
        std::vector<State> states; // states[k] is the state at the start of pass k + 1
        bool frontAreaKnown = false;
        double frontArea = 0;
        // Open: the last state is still moving with its point inside every slab asked so far.
        // Stopped: the run ends at the last state. Failed: the pass from the last state fails.
        enum class End { Open, Stopped, Failed } end = End::Open;
        ErrorKind failure = ErrorKind::Overflow;
    };

    // One finished call, by its arrow, slab thickness and exit loss (bit patterns): its depth
    // and pass count, or its error.
    using AnswerKey = std::tuple<std::size_t, std::uint64_t, std::uint64_t>;
    struct Answer {
        double depth;
        long passes;
        bool failed;
        ErrorKind failure;
    };

    std::size_t PrefixOf(const Steps::Run& r);
    // Nullopt when the shared pass after the last state kept fails.
    std::optional<std::size_t> ResumePoint(Prefix& prefix, const Steps::Run& r);
    // Penetration, or PenetrationOrPast when `past` is given.
    Outcome Run(double Ro, double mass, double speed, double shaftDiameter, double bladeArea,
                double dx, double entryLoss, double thickness, double exitLoss,
                const double* past);

    std::vector<Prefix> prefixes_;
    std::map<ArrowKey, std::size_t> prefixOfKey_;
    std::map<AnswerKey, Answer> answers_;
    long stepped_ = 0;
    std::size_t statesKept_ = 0;
};

} // namespace kesta::Arrow
