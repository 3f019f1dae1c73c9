// Constants the calculator's figures are built on. Their digits are part of every result:
// pi is taken to ten digits and a grain as 0.065 gram throughout, never the exact values.
#pragma once

namespace kesta {

constexpr double kPi = 3.141592654;
constexpr double kGramsPerGrain = 0.065;

} // namespace kesta
