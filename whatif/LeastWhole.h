// The least whole number in a range for which a trial holds, found with few trials when the
// trial, once it holds, holds for every larger number too (penetration grows with the arrow's
// mass and with its speed).
#pragma once

#include <functional>
#include <optional>

namespace kesta::whatif {

// One trial: whether it holds, and a measure that grows with the number towards the search's
// target, which it passes about where the trial starts to hold (a penetration depth against
// the chest depth). The measure of a trial that does not hold only steers the search; the
// answer rests on `holds` alone.
struct Trial {
    bool holds;
    double measure;
    // The trial's run raised an error: as a RuntimeError thrown by the trial, it counts as
    // not holding; told this way it costs no exception.
    bool raised = false;
};

struct Search {
    int low; // the range, both ends included
    int high;
    int start;     // the first number tried (brought into the range)
    double target; // where the measure is expected to make the trial hold
    // The start is likely the answer or next to it (a like search's answer): the number next
    // to it is tried second, below it if it holds, above it if not.
    bool startIsNear = false;
};

// A trial that raises RuntimeError counts as not holding. Such a trial may break the ordering
// the fast search relies on, so after one the range is tried number by number, from `low` up:
// the answer is always the least number whose trial holds, as a plain scan gives it.
std::optional<int> LeastWhole(const Search& search, const std::function<Trial(int)>& trial);

} // namespace kesta::whatif
