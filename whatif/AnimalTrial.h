// One animal of the game table shot with arrows of any mass and speed, judged exactly as the
// report's game lists judge the arrow of the form: the same penetration run (both ribs broken,
// the chest depth as the slab) and the same verdict rule.
#pragma once

#include "ballistics/GameTable.h"
#include "ballistics/PenetrationCache.h"
#include "ballistics/PenetrationSteps.h"
#include "tools/Errors.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace kesta::whatif {

// What the trials of one set-up's animals learn about runs that raise, shared by them: a search
// that meets errors tries its range number by number, and an arrow the model cannot follow at
// all (1e308 grains at the same bow's speed) need not be run, and fail, for each animal again.
class ArrowsThatRaise {
  public:
    // Arrows whose own figures overflow before the slab's are read
    // (Arrow::RaisesForEverySlab), by mass, speed and whether the animal's entry loss is above 0.
    bool BeforeTheSlab(double grains, double fps, bool entryLoss) const;
    void AddBeforeTheSlab(double grains, double fps, bool entryLoss);

    // Runs whose very first step raises. That step reads the arrow as it enters (the speed left
    // after the entry loss included) and none of the slab's figures while its thickness is not
    // negative, so another animal's run entering in the very same state raises the same kind
    // there too. A huge arrow's energy dwarfs every entry loss: all animals enter alike.
    std::optional<ErrorKind> AtTheFirstStep(const Arrow::Steps::Run& entering) const;
    void AddAtTheFirstStep(const Arrow::Steps::Run& entering, ErrorKind kind);
    // Whether two runs enter in the same state, as far as their first step is concerned.
    static bool SameEntering(const Arrow::Steps::Run& a, const Arrow::Steps::Run& b);

    // The table's animals as far as the first step of a run is concerned: the least and the
    // most entry loss (foot-pounds) and the least chest depth (inches). Unknown until set.
    void SetAnimals(double leastEntryLoss, double mostEntryLoss, double leastChestDepth);
    // Every animal of the table has an entry loss above 0 and a chest depth not below 0.
    bool AnimalsSet() const { return animalsSet_; }
    double LeastEntryLoss() const { return leastEntryLoss_; }
    double MostEntryLoss() const { return mostEntryLoss_; }

  private:
    bool animalsSet_ = false;
    double leastEntryLoss_ = 0;
    double mostEntryLoss_ = 0;
    std::set<std::tuple<double, double, bool>> beforeTheSlab_;
    // By the figures the first step reads: Rn, m, v, dm, p, A, dx, q.
    using Entering = std::array<double, 8>;
    static Entering KeyOf(const Arrow::Steps::Run& r);
    std::map<Entering, ErrorKind> atTheFirstStep_;
};

class AnimalTrial {
  public:
    // Ro (lbs) and the blade area sum (square inches) of the set-up's broadhead; `raising`
    // (optional) is shared with the other animals' trials of the same set-up.
    // `alike` (optional), also shared, steps once for all animals the passes of an arrow whose
    // energy so dwarfs every entry loss that it enters each animal in the very same state.
    AnimalTrial(double ro, double bladeAreaSum, const game::AnimalFigures& animal,
                ArrowsThatRaise* raising = nullptr, Arrow::PenetrationCache* alike = nullptr)
        : ro_(ro), bladeArea_(bladeAreaSum), animal_(animal), raising_(raising), alike_(alike) {}

    const game::AnimalFigures& Figures() const { return animal_; }

    // What the trial shares from now on (either may be null); see the constructor.
    void ShareWith(ArrowsThatRaise* raising, Arrow::PenetrationCache* alike) {
        raising_ = raising;
        alike_ = alike;
    }

    // Both-ribs penetration (inches; 999 when the arrow passes through). Raises what the
    // penetration run raises.
    double Depth(double grains, double fps);
    // For a search's trial arrow: nullopt where Depth would raise; never raises. Otherwise
    // the depth Depth gives, except that an arrow of a mass that can suffice is followed only
    // until it is through the chest for good (no later step could raise): the depth given is
    // then where it stopped, beyond the chest, which is all the verdict needs.
    std::optional<double> TrialDepth(double grains, double fps);

    // The verdict Depth's depth gives; raises what Depth raises.
    game::Verdict VerdictOf(double grains, double fps);
    // The verdict for an arrow of `grains` whose run reached `depth`.
    game::Verdict VerdictOfDepth(double grains, double depth) const;

    // Whether every animal of the table (ArrowsThatRaise::SetAnimals), not only this one,
    // raises for this arrow, as far as the shared record knows: the arrow raises before any
    // slab, or every animal enters in one state whose first step raises. Never raises.
    bool RaisesForEveryAnimal(double grains, double fps) const;

    // Whether an arrow of this mass could be sufficient at all, however deep it went: below
    // the category's least arrow mass no speed helps. Needs no penetration run.
    bool MassCanSuffice(double grains) const;

  private:
    double ro_;
    double bladeArea_;
    game::AnimalFigures animal_;
    // An animal's searches ask for a few arrows more than once (the same-bow search may meet
    // the set-up's own arrow; a search that met an error tries its numbers again). Each arrow
    // is a different run, so the per-report cache, which shares the passes of one arrow, has
    // nothing to share here: plain runs and their answers are kept.
    struct Answer {
        double depth;
        bool failed;
        ErrorKind failure;
        // The run was stopped once it was through the chest and could no longer raise: the
        // depth is where it stopped, and the whole run goes at least as deep.
        bool atLeast = false;
    };
    std::map<std::pair<double, double>, Answer> answers_; // by mass and speed
    ArrowsThatRaise* raising_;
    Arrow::PenetrationCache* alike_;

    // `whole`: the depth itself is wanted, not only whether the arrow is through the chest.
    const Answer& Run(double grains, double fps, bool whole);
    // The run itself: Arrow::Penetration's steps, taken here so the state the arrow enters in
    // can be shared with the other animals' trials; an arrow that enters every animal alike is
    // stepped by `alike_`.
    Answer Fresh(double grains, double fps, bool whole);
};

} // namespace kesta::whatif
