// The speed the set-up's bow would give an arrow of each whole mass of the search's range,
// worked out once for a table: every animal's same-bow search asks for the same speeds, and
// where the speed itself cannot be computed (a negative set-up mass, or one so far beyond the
// arrow's that the speed overflows) each ask would raise the error again.
#pragma once

#include "whatif/Needs.h"

#include <optional>
#include <vector>

namespace kesta::whatif {

class SameBowSpeeds {
  public:
    explicit SameBowSpeeds(const SetUp& setUp) : setUp_(setUp) {}

    // SameEnergyFps(setUp, grains), or nullopt where it raises. `grains` in 1..kMostGrains.
    std::optional<double> Of(int grains);

  private:
    struct Known {
        bool asked = false;
        std::optional<double> fps;
    };
    SetUp setUp_;
    std::vector<Known> known_ = std::vector<Known>(kMostGrains + 1); // by grains
};

} // namespace kesta::whatif
