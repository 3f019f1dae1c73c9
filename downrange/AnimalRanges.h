// For every animal of a game table, how far the set-up's slowing arrow is still sufficient
// (and marginal or better) by the report's own rule, how far the shooter's group allows, and
// the ethical range: the nearer of the two.
#pragma once

#include "ballistics/GameTable.h"
#include "downrange/Flight.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kesta::downrange {

// What the ranges need of the set-up besides its flight.
struct RangeSetUp {
    double ro;           // lbs, the broadhead's cutting resistance
    double bladeAreaSum; // square inches
    // The report's maximum hunting distance of categories 1 to 6 (yards, unrounded).
    std::array<double, 6> huntingDistances;
};

struct AnimalRange {
    std::size_t position; // in the game table
    std::string animal;
    double massKg;
    int category;
    game::Verdict atBow;                // the report's verdict for the set-up
    std::optional<int> sufficientTo;    // yards; none when not sufficient at the bow
    std::optional<int> marginalTo;      // yards; none when not marginal or better at the bow
    double accuracy;                    // yards: the category's hunting distance, rounded down
    std::optional<double> ethical;      // yards: min(sufficientTo, accuracy)
};

// Sufficient at x yards: the arrow weighs at least the category's minimum and its both-ribs
// penetration at the speed it has at x passes the chest depth (game::VerdictOf). sufficientTo
// is the largest x in 0..maxDistance with the arrow sufficient at every whole yard up to it;
// marginalTo likewise. A penetration run that raises for the set-up's own speed stops the
// ranges as it stops the report's game lists (place "<animal>, Game Recommendations"); one that
// raises farther out counts as not enough: an arrow the model cannot follow is never
// recommended.
std::vector<AnimalRange> AnimalRanges(const RangeSetUp& setUp, const Flight& flight,
                                      int maxDistance,
                                      const std::vector<game::Animal>& animals = game::Animals());

} // namespace kesta::downrange
