#include "whatif/AnimalTrial.h"

#include "ballistics/Arrow.h"

#include <limits>

namespace kesta::whatif {

namespace {

// The shaft diameter and depth step of every run the game lists make.
constexpr double kShaftDiameter = 0.3;
constexpr double kStep = 0.001;

// The shared passes kept for arrows that enter alike, at most (about 24 bytes each): beyond
// it they are forgotten and stepped again as needed.
constexpr std::size_t kMostStatesAlike = 1 << 18;

// The state an arrow enters an animal in with this entry loss (foot-pounds), or nullopt when it
// does not get in or its preparation raises.
std::optional<Arrow::Steps::Run> EnteringWith(double ro, double grains, double fps,
                                              double bladeArea, double entryLoss) {
    Arrow::Steps::Run r;
    try {
        if (Arrow::Steps::Prepare(ro, grains, fps, kShaftDiameter, bladeArea, kStep, entryLoss, 0,
                                  0, r))
            return r;
    } catch (const RuntimeError&) {
    }
    return std::nullopt;
}

// Whether the arrow enters in the state it would enter in without an entry loss: the loss is
// lost in the rounding of its kinetic energy, so it enters every animal alike. Preparing again
// cannot raise where the first preparation did not: it computes the same values but the loss.
bool EntersAsIfNoLoss(const Arrow::Steps::Run& entering, double ro, double grains, double fps,
                      double bladeArea) {
    const std::optional<Arrow::Steps::Run> unloaded = EnteringWith(ro, grains, fps, bladeArea, 0);
    return unloaded && ArrowsThatRaise::SameEntering(entering, *unloaded);
}

} // namespace

void ArrowsThatRaise::SetAnimals(double leastEntryLoss, double mostEntryLoss,
                                 double leastChestDepth) {
    animalsSet_ = leastEntryLoss > 0 && leastChestDepth >= 0;
    leastEntryLoss_ = leastEntryLoss;
    mostEntryLoss_ = mostEntryLoss;
}

bool ArrowsThatRaise::BeforeTheSlab(double grains, double fps, bool entryLoss) const {
    return beforeTheSlab_.count({grains, fps, entryLoss}) != 0;
}

void ArrowsThatRaise::AddBeforeTheSlab(double grains, double fps, bool entryLoss) {
    beforeTheSlab_.insert({grains, fps, entryLoss});
}

ArrowsThatRaise::Entering ArrowsThatRaise::KeyOf(const Arrow::Steps::Run& r) {
    return {r.Rn, r.m, r.v, r.dm, r.p, r.A, r.dx, r.q};
}

bool ArrowsThatRaise::SameEntering(const Arrow::Steps::Run& a, const Arrow::Steps::Run& b) {
    return KeyOf(a) == KeyOf(b);
}

std::optional<ErrorKind> ArrowsThatRaise::AtTheFirstStep(const Arrow::Steps::Run& entering) const {
    const auto known = atTheFirstStep_.find(KeyOf(entering));
    if (known == atTheFirstStep_.end()) return std::nullopt;
    return known->second;
}

void ArrowsThatRaise::AddAtTheFirstStep(const Arrow::Steps::Run& entering, ErrorKind kind) {
    atTheFirstStep_.emplace(KeyOf(entering), kind);
}

const AnimalTrial::Answer& AnimalTrial::Run(double grains, double fps, bool whole) {
    auto [at, isNew] = answers_.try_emplace({grains, fps}, Answer{0, false, ErrorKind::Overflow});
    if (isNew || (whole && at->second.atLeast)) at->second = Fresh(grains, fps, whole);
    return at->second;
}

AnimalTrial::Answer AnimalTrial::Fresh(double grains, double fps, bool whole) {
    namespace Steps = Arrow::Steps;
    Steps::Run r;
    try {
        if (!Steps::Prepare(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep,
                            animal_.ribResistance, animal_.chestDepth, animal_.ribResistance, r))
            return {0, false, ErrorKind::Overflow};
    } catch (const RuntimeError& e) {
        return {0, true, e.kind()};
    }
    // With a slab of negative thickness the first step would read it: nothing to share then.
    const bool sharing = raising_ != nullptr && r.D >= 0;
    if (sharing) {
        if (const std::optional<ErrorKind> kind = raising_->AtTheFirstStep(r))
            return {0, true, *kind};
    }
    // Nothing is past infinity: the whole run is stepped.
    const double past = whole ? std::numeric_limits<double>::infinity() : animal_.chestDepth;
    Arrow::PenetrationCache::Outcome out;
    if (alike_ != nullptr && EntersAsIfNoLoss(r, ro_, grains, fps, bladeArea_)) {
        if (alike_->StatesKept() > kMostStatesAlike) alike_->Clear();
        const double rib = animal_.ribResistance;
        out = alike_->PenetrationOrPast(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep, rib,
                                        animal_.chestDepth, rib, past);
    } else {
        Steps::Run stepped = r;
        try {
            out.depth = Steps::FinishOrStopPast(stepped, out.passes, past, out.stoppedEarly);
        } catch (const RuntimeError& e) {
            out.failure = e.kind();
        }
    }
    if (!out.failure) return {out.depth, false, ErrorKind::Overflow, out.stoppedEarly};
    if (sharing && out.passes == 1) raising_->AddAtTheFirstStep(r, *out.failure);
    return {0, true, *out.failure};
}

double AnimalTrial::Depth(double grains, double fps) {
    const Answer& answer = Run(grains, fps, true);
    if (answer.failed) throw RuntimeError(answer.failure);
    return answer.depth;
}

std::optional<double> AnimalTrial::TrialDepth(double grains, double fps) {
    const bool entryLoss = animal_.ribResistance > 0;
    if (raising_ != nullptr && raising_->BeforeTheSlab(grains, fps, entryLoss)) return std::nullopt;
    const Answer& answer = Run(grains, fps, !MassCanSuffice(grains));
    if (!answer.failed) return answer.depth;
    if (raising_ != nullptr &&
        Arrow::RaisesForEverySlab(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep, entryLoss))
        raising_->AddBeforeTheSlab(grains, fps, entryLoss);
    return std::nullopt;
}

bool AnimalTrial::RaisesForEveryAnimal(double grains, double fps) const {
    if (raising_ == nullptr || !raising_->AnimalsSet()) return false;
    // Every animal has an entry loss: an arrow that raises before any slab raises in each.
    if (raising_->BeforeTheSlab(grains, fps, true)) return true;
    // Charging the least and the most entry loss leaves the same state: rounding is monotone,
    // so every loss between them leaves it too, and each animal enters in it. With no slab of
    // negative thickness, the first step reads nothing else.
    const auto least = EnteringWith(ro_, grains, fps, bladeArea_, raising_->LeastEntryLoss());
    const auto most = EnteringWith(ro_, grains, fps, bladeArea_, raising_->MostEntryLoss());
    return least && most && ArrowsThatRaise::SameEntering(*least, *most) &&
           raising_->AtTheFirstStep(*least).has_value();
}

game::Verdict AnimalTrial::VerdictOf(double grains, double fps) {
    // Past the chest, and so past half of it, the verdict no longer depends on how deep: the
    // run may stop there (the chest depth is not negative for a mass of 1 kg or more).
    const Answer& answer = Run(grains, fps, animal_.chestDepth < 0);
    if (answer.failed) throw RuntimeError(answer.failure);
    return VerdictOfDepth(grains, answer.depth);
}

game::Verdict AnimalTrial::VerdictOfDepth(double grains, double depth) const {
    return game::VerdictOf(animal_, grains, depth);
}

bool AnimalTrial::MassCanSuffice(double grains) const {
    const double deepest = std::numeric_limits<double>::infinity();
    return game::VerdictOf(animal_, grains, deepest) == game::Verdict::Sufficient;
}

} // namespace kesta::whatif
