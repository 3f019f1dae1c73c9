#include "whatif/SameBowSpeeds.h"

#include "tools/Errors.h"

namespace kesta::whatif {

std::optional<double> SameBowSpeeds::Of(int grains) {
    Known& known = known_.at(static_cast<std::size_t>(grains));
    if (!known.asked) {
        known.asked = true;
        try {
            known.fps = SameEnergyFps(setUp_, grains);
        } catch (const RuntimeError&) {
            // No such speed: no arrow of this mass to try.
        }
    }
    return known.fps;
}

} // namespace kesta::whatif
