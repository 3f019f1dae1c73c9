// The arrow at every whole yard from the bow to the last distance shown, and how far the slowing
// arrow still arrives before an animal reacts to the sound of the shot.
#pragma once

#include "downrange/Flight.h"

#include <array>
#include <optional>
#include <vector>

namespace kesta::downrange {

struct DistanceRow {
    int yards;
    double speedFps;
    double energyFtLb;
    double momentumSlugFtS;
    double timeS;
    double pathInches; // against the line of sight; negative below it
};

// Rows for 0..maxDistance yards.
std::vector<DistanceRow> DistanceRows(const Flight& flight, double zeroYards, int maxDistance);

struct ReactionRow {
    double reactionS;
    // The report's figure for an arrow that keeps its speed; none at exactly the speed of sound,
    // where that formula divides by zero.
    std::optional<double> yardsConstantSpeed;
    // The largest whole distance in 0..maxDistance at which the slowing arrow arrives no later
    // than the sound plus the reaction time.
    int yardsWithDrag;
};

std::vector<ReactionRow> ReactionRows(const Flight& flight, int maxDistance);

} // namespace kesta::downrange
