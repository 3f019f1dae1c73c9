// The needs table: per animal, the verdict for the set-up and the three least answers.
#include "whatif/Needs.h"

#include "report/Formulas.h"
#include "report/InputRecord.h"
#include "report/Setup.h"
#include "tools/Checked.h"
#include "tools/Errors.h"
#include "whatif/AnimalTrial.h"
#include "whatif/LeastWhole.h"
#include "whatif/SameBowSpeeds.h"

#include <cmath>
#include <map>

namespace kesta::whatif {

namespace {

// The lightest whole-grain arrow the verdict rule would call sufficient for a deep enough
// penetration; every lighter one is not sufficient whatever it does, so no run is needed.
int LightestThatCanSuffice(const AnimalTrial& trial) {
    int grains = 1;
    while (grains <= kMostGrains && !trial.MassCanSuffice(grains))
        ++grains;
    return grains;
}

// A trial of the search: sufficient or not, steered by how deep an arrow that is not got.
Trial Judged(AnimalTrial& trial, double grains, double fps) {
    const std::optional<double> depth = trial.TrialDepth(grains, fps);
    if (!depth) return {false, 0, true};
    return {trial.VerdictOfDepth(grains, *depth) == game::Verdict::Sufficient, *depth};
}

int Whole(double x, int low, int high) {
    if (!(x >= low)) return low; // also NaN
    if (x >= high) return high;
    return static_cast<int>(std::lround(x));
}

// The three least answers for one animal; the verdict is already in the row.
void FindLeast(AnimalTrial& trial, const SetUp& s, SameBowSpeeds& sameBow, NeedsRow& row) {
    const double chest = trial.Figures().chestDepth;
    const int lightest = LightestThatCanSuffice(trial);
    row.leastGrains = LeastWhole({lightest, kMostGrains, lightest, chest},
                                 [&](int grains) { return Judged(trial, grains, s.fps); });
    if (trial.MassCanSuffice(s.grains))
        row.leastFps = LeastWhole({1, kMostFps, Whole(s.fps, 1, kMostFps), chest},
                                  [&](int fps) { return Judged(trial, s.grains, fps); });
    // The mass that suffices at the set-up's speed is a near guess for the same bow too.
    const int start = row.leastGrains.value_or(lightest);
    // A mass the bow gives no speed is tried as a run that raises would be: not sufficient.
    row.sameEnergyGrains = LeastWhole({lightest, kMostGrains, start, chest}, [&](int grains) {
        const std::optional<double> fps = sameBow.Of(grains);
        if (!fps) return Trial{false, 0, true};
        return Judged(trial, grains, *fps);
    });
    if (row.sameEnergyGrains) row.sameEnergyFps = SameEnergyFps(s, *row.sameEnergyGrains);
}

} // namespace

double SameEnergyFps(const SetUp& setUp, double grains) {
    const double ratio = Num(setUp.grains) / grains;
    return Num(setUp.fps) * Pow(ratio, 0.5);
}

SetUp NeedsCalculator::ReadSetUp() {
    InputRecord record;
    std::string settingUp;
    try {
        kesta::Setup(*form_, record, settingUp);
    } catch (RuntimeError& e) {
        e.SetPlace("input " + settingUp);
        throw;
    }
    SetUp s{record.massGrains, record.speedFps, 0, record.bladeAreaSum};
    try {
        s.ro = BroadheadRo(*form_, record);
    } catch (RuntimeError& e) {
        e.SetPlace("Ro, Broadhead");
        throw;
    }
    return s;
}

NeedsTable NeedsCalculator::Table() {
    NeedsTable table{ReadSetUp(), {}};
    raising_.clear();
    // Animals of equal body mass have equal figures, hence equal answers.
    std::map<double, std::size_t> byMass; // mass, row
    SameBowSpeeds sameBow(table.setUp);
    const std::vector<game::Animal>& animals = game_.animals;
    for (std::size_t position = 0; position < animals.size(); ++position) {
        const game::Animal& animal = animals[position];
        if (const auto same = byMass.find(animal.massKg); same != byMass.end()) {
            NeedsRow copy = table.rows[same->second];
            copy.position = position;
            copy.animal = animal.name;
            table.rows.push_back(std::move(copy));
            continue;
        }
        byMass[animal.massKg] = table.rows.size();
        table.rows.push_back(RowOf(table.setUp, position, animal, sameBow));
    }
    return table;
}

NeedsRow NeedsCalculator::RowOf(const SetUp& s, std::size_t position, const game::Animal& animal,
                                SameBowSpeeds& sameBow) {
    const game::AnimalFigures figures = game::FiguresOf(animal);
    NeedsRow row{};
    row.position = position;
    row.animal = animal.name;
    row.massKg = animal.massKg;
    row.category = figures.category;
    AnimalTrial trial(s.ro, s.bladeAreaSum, figures, &raising_);
    try {
        row.verdict = trial.VerdictOf(s.grains, s.fps);
    } catch (RuntimeError& e) {
        // The report's game lists would stop here too.
        e.SetPlace(animal.name + ", Game Recommendations");
        throw;
    }
    FindLeast(trial, s, sameBow, row);
    return row;
}

} // namespace kesta::whatif
