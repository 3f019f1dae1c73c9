#include "whatif/AnimalTrial.h"

#include "ballistics/Arrow.h"

#include <limits>

namespace kesta::whatif {

double AnimalTrial::Depth(double grains, double fps) {
    auto [at, isNew] = answers_.try_emplace({grains, fps}, Answer{0, false, ErrorKind::Overflow});
    Answer& answer = at->second;
    if (isNew) {
        try {
            answer.depth =
                Arrow::Penetration(ro_, grains, fps, 0.3, bladeArea_, 0.001, animal_.ribResistance,
                                   animal_.chestDepth, animal_.ribResistance);
        } catch (const RuntimeError& e) {
            answer.failed = true;
            answer.failure = e.kind();
        }
    }
    if (answer.failed) throw RuntimeError(answer.failure);
    return answer.depth;
}

game::Verdict AnimalTrial::VerdictOf(double grains, double fps) {
    return VerdictOfDepth(grains, Depth(grains, fps));
}

game::Verdict AnimalTrial::VerdictOfDepth(double grains, double depth) const {
    return game::VerdictOf(animal_, grains, depth);
}

bool AnimalTrial::MassCanSuffice(double grains) const {
    const double deepest = std::numeric_limits<double>::infinity();
    return game::VerdictOf(animal_, grains, deepest) == game::Verdict::Sufficient;
}

} // namespace kesta::whatif
