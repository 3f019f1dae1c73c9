#include "downrange/AnimalRanges.h"

#include "ballistics/Arrow.h"
#include "tools/Errors.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kesta::downrange {

namespace {

// One animal shot with the set-up's arrow at whole distances; each distance's run is made once.
class AnimalShots {
  public:
    AnimalShots(const RangeSetUp& setUp, const Flight& flight, const game::AnimalFigures& animal)
        : setUp_(setUp), flight_(flight), animal_(animal) {}

    // The verdict at x yards; nullopt when the penetration run raised.
    std::optional<game::Verdict> VerdictAt(int x) {
        auto [at, isNew] = verdicts_.try_emplace(x);
        if (isNew) {
            try {
                const double depth = Arrow::Penetration(
                    setUp_.ro, flight_.Grains(), flight_.Speed(x), 0.3, setUp_.bladeAreaSum,
                    0.001, animal_.ribResistance, animal_.chestDepth, animal_.ribResistance);
                at->second = game::VerdictOf(animal_, flight_.Grains(), depth);
            } catch (const RuntimeError&) {
                if (x == 0) {
                    verdicts_.erase(at);
                    throw;
                }
            }
        }
        return at->second;
    }

    // The largest x in 0..last with `holds` at every whole yard up to it. The arrow only slows
    // down, so its penetration only falls: once `holds` fails it never holds again farther out,
    // which lets the search halve the distances instead of walking them.
    template <class Holds> std::optional<int> ReachOf(int last, Holds holds) {
        if (!holds(VerdictAt(0))) return std::nullopt;
        if (holds(VerdictAt(last))) return last;
        int good = 0, bad = last;
        while (bad - good > 1) {
            const int middle = good + (bad - good) / 2;
            (holds(VerdictAt(middle)) ? good : bad) = middle;
        }
        return good;
    }

  private:
    const RangeSetUp& setUp_;
    const Flight& flight_;
    game::AnimalFigures animal_;
    std::map<int, std::optional<game::Verdict>> verdicts_;
};

bool Sufficient(const std::optional<game::Verdict>& v) {
    return v == game::Verdict::Sufficient;
}

bool MarginalOrBetter(const std::optional<game::Verdict>& v) {
    return v && *v != game::Verdict::NotRecommended;
}

AnimalRange RangeOf(const RangeSetUp& setUp, const Flight& flight, int maxDistance,
                    std::size_t position, const game::Animal& animal) {
    const game::AnimalFigures figures = game::FiguresOf(animal);
    AnimalRange row{};
    row.position = position;
    row.animal = animal.name;
    row.massKg = animal.massKg;
    row.category = figures.category;
    AnimalShots shots(setUp, flight, figures);
    try {
        row.atBow = *shots.VerdictAt(0);
    } catch (RuntimeError& e) {
        e.SetPlace(animal.name + ", Game Recommendations");
        throw;
    }
    row.sufficientTo = shots.ReachOf(maxDistance, Sufficient);
    row.marginalTo = shots.ReachOf(maxDistance, MarginalOrBetter);
    row.accuracy = std::floor(setUp.huntingDistances[static_cast<std::size_t>(row.category) - 1]);
    if (row.sufficientTo) row.ethical = std::min<double>(*row.sufficientTo, row.accuracy);
    return row;
}

} // namespace

std::vector<AnimalRange> AnimalRanges(const RangeSetUp& setUp, const Flight& flight,
                                      int maxDistance, const std::vector<game::Animal>& animals) {
    std::vector<AnimalRange> rows;
    rows.reserve(animals.size());
    // Animals of equal body mass have equal figures, hence equal ranges.
    std::map<double, std::size_t> byMass;
    for (std::size_t position = 0; position < animals.size(); ++position) {
        const game::Animal& animal = animals[position];
        if (const auto same = byMass.find(animal.massKg); same != byMass.end()) {
            AnimalRange copy = rows[same->second];
            copy.position = position;
            copy.animal = animal.name;
            rows.push_back(std::move(copy));
            continue;
        }
        byMass[animal.massKg] = rows.size();
        rows.push_back(RangeOf(setUp, flight, maxDistance, position, animal));
    }
    return rows;
}

} // namespace kesta::downrange
