// The reaction-time distances at a constant arrow speed: the distance d (feet) with
// d / v = d / 1083 + t, the arrow's flight time equal to the sound's travel time plus the
// animal's reaction time. The report's table prints them; the downrange table sets them beside
// the distances of an arrow that slows down.
#pragma once

#include <array>

namespace kesta {

constexpr double kSpeedOfSoundFps = 1083;

// The reaction times (seconds) of the report's table, top row first.
constexpr std::array<double, 5> kReactionSeconds = {0.15, 0.2, 0.25, 0.3, 0.4};

// The distance (yards) for an arrow of `fps` and a reaction time of `seconds`. The factor
// t * 1083 is formed first. Raises Division by zero at exactly the speed of sound.
double ReactionDistanceYards(double fps, double seconds);

} // namespace kesta
