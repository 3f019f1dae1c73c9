// One animal of the game table shot with arrows of any mass and speed, judged exactly as the
// report's game lists judge the arrow of the form: the same penetration run (both ribs broken,
// the chest depth as the slab) and the same verdict rule.
#pragma once

#include "ballistics/GameTable.h"
#include "tools/Errors.h"

#include <map>
#include <utility>

namespace kesta::whatif {

class AnimalTrial {
  public:
    // Ro (lbs) and the blade area sum (square inches) of the set-up's broadhead.
    AnimalTrial(double ro, double bladeAreaSum, const game::AnimalFigures& animal)
        : ro_(ro), bladeArea_(bladeAreaSum), animal_(animal) {}

    const game::AnimalFigures& Figures() const { return animal_; }

    // Both-ribs penetration (inches; 999 when the arrow passes through). Raises what the
    // penetration run raises.
    double Depth(double grains, double fps);

    game::Verdict VerdictOf(double grains, double fps);
    // The verdict for an arrow of `grains` whose run reached `depth`.
    game::Verdict VerdictOfDepth(double grains, double depth) const;

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
    };
    std::map<std::pair<double, double>, Answer> answers_; // by mass and speed
};

} // namespace kesta::whatif
