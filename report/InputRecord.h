// The converted inputs of one report, filled by Setup and kept between reports.
#pragma once

#include <array>

namespace kesta {

struct InputRecord {
    double speedMs = 0;               // arrow speed (m/s)
    double speedFps = 0;              // arrow speed (fps)
    double massKg = 0;                // arrow mass (kg)
    double massGrains = 0;            // arrow mass (grains)
    double lengthInches = 0;          // arrow length (inches)
    double shaftWeightGrains = 0;     // shaft weight (grains)
    double broadheadWeightGrains = 0; // broadhead weight (grains)
    double staticSpine = 0;           // static spine, as typed
    // Per blade, entries 1 to 6 used; entry 0 is never written or read.
    std::array<double, 7> bladeHeight{}; // blade height (inches)
    std::array<double, 7> bladeLength{}; // blade length (inches)
    double bladeCount = 0;               // blades whose two texts both hold numbers
    double cuttingDiameter = 0;          // cutting diameter (inches)
    double bladeAreaSum = 0;             // blade area sum (square inches)
};

} // namespace kesta
