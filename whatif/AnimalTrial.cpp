#include "whatif/AnimalTrial.h"

#include "ballistics/Arrow.h"

#include <cstring>
#include <limits>

namespace kesta::whatif {

namespace {

// The shaft diameter and depth step of every run the game lists make.
constexpr double kShaftDiameter = 0.3;
constexpr double kStep = 0.001;

// The shared passes kept for arrows that enter alike, at most (about 24 bytes each): beyond
// it they are forgotten and stepped again as needed.
constexpr std::size_t kMostStatesAlike = 1 << 18;

// Whether the arrow enters in the state it would enter in without an entry loss: the loss is
// lost in the rounding of its kinetic energy, so it enters every animal alike.
bool EntersAsIfNoLoss(const Arrow::Steps::Run& entering, double ro, double grains, double fps,
                      double bladeArea) {
    Arrow::Steps::Run unloaded;
    if (!Arrow::Steps::Prepare(ro, grains, fps, kShaftDiameter, bladeArea, kStep, 0, 0, 0,
                               unloaded))
        return false;
    return entering.v == unloaded.v && entering.q == unloaded.q;
}

} // namespace

void ArrowsThatRaise::clear() {
    beforeTheSlab_.clear();
    atTheFirstStep_.clear();
}

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
    // Preparing again cannot raise where the first preparation did not: it computes the same
    // values but for the entry loss.
    if (alike_ != nullptr && EntersAsIfNoLoss(r, ro_, grains, fps, bladeArea_))
        return Alike(grains, fps, whole, r, sharing);
    const Steps::Run entering = r;
    long passes = 0;
    try {
        if (whole) return {Steps::Finish(r, passes), false, ErrorKind::Overflow};
        bool stoppedEarly = false;
        const double depth = Steps::FinishOrStopPast(r, passes, animal_.chestDepth, stoppedEarly);
        return {depth, false, ErrorKind::Overflow, stoppedEarly};
    } catch (const RuntimeError& e) {
        if (sharing && passes == 1) raising_->AddAtTheFirstStep(entering, e.kind());
        return {0, true, e.kind()};
    }
}

AnimalTrial::Answer AnimalTrial::Alike(double grains, double fps, bool whole,
                                       const Arrow::Steps::Run& entering, bool sharing) {
    if (alike_->StatesKept() > kMostStatesAlike) alike_->Clear();
    const double rib = animal_.ribResistance;
    const double chest = animal_.chestDepth;
    if (whole) {
        long passes = 0;
        try {
            return {alike_->Penetration(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep, rib,
                                        chest, rib, passes),
                    false, ErrorKind::Overflow};
        } catch (const RuntimeError& e) {
            if (sharing && passes == 1) raising_->AddAtTheFirstStep(entering, e.kind());
            return {0, true, e.kind()};
        }
    }
    const Arrow::PenetrationCache::Outcome out = alike_->PenetrationOrPast(
        ro_, grains, fps, kShaftDiameter, bladeArea_, kStep, rib, chest, rib, chest);
    if (!out.failure) return {out.depth, false, ErrorKind::Overflow, out.stoppedEarly};
    if (sharing && out.passes == 1) raising_->AddAtTheFirstStep(entering, *out.failure);
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
    Arrow::Steps::Run least;
    Arrow::Steps::Run most;
    try {
        if (!Arrow::Steps::Prepare(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep,
                                   raising_->LeastEntryLoss(), 0, 0, least) ||
            !Arrow::Steps::Prepare(ro_, grains, fps, kShaftDiameter, bladeArea_, kStep,
                                   raising_->MostEntryLoss(), 0, 0, most))
            return false;
    } catch (const RuntimeError&) {
        return false;
    }
    const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    if (!same(least.Rn, most.Rn) || !same(least.m, most.m) || !same(least.v, most.v) ||
        !same(least.dm, most.dm) || !same(least.p, most.p) || !same(least.A, most.A) ||
        !same(least.dx, most.dx) || !same(least.q, most.q))
        return false;
    return raising_->AtTheFirstStep(least).has_value();
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
