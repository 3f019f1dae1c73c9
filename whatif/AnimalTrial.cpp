#include "whatif/AnimalTrial.h"

#include "ballistics/Arrow.h"

#include <limits>

namespace kesta::whatif {

namespace {

// The shaft diameter and depth step of every run the game lists make.
constexpr double kShaftDiameter = 0.3;
constexpr double kStep = 0.001;

} // namespace

const AnimalTrial::Answer& AnimalTrial::Run(double grains, double fps) {
    auto [at, isNew] = answers_.try_emplace({grains, fps}, Answer{0, false, ErrorKind::Overflow});
    Answer& answer = at->second;
    if (isNew) {
        try {
            answer.depth = Arrow::Penetration(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep,
                                              animal_.ribResistance, animal_.chestDepth,
                                              animal_.ribResistance);
        } catch (const RuntimeError& e) {
            answer.failed = true;
            answer.failure = e.kind();
        }
    }
    return answer;
}

double AnimalTrial::Depth(double grains, double fps) {
    const Answer& answer = Run(grains, fps);
    if (answer.failed) throw RuntimeError(answer.failure);
    return answer.depth;
}

std::optional<double> AnimalTrial::TrialDepth(double grains, double fps) {
    const bool entryLoss = animal_.ribResistance > 0;
    const std::tuple<double, double, bool> arrow{grains, fps, entryLoss};
    if (raising_ != nullptr && raising_->count(arrow) != 0) return std::nullopt;
    const Answer& answer = Run(grains, fps);
    if (!answer.failed) return answer.depth;
    if (raising_ != nullptr &&
        Arrow::RaisesForEverySlab(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep, entryLoss))
        raising_->insert(arrow);
    return std::nullopt;
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
