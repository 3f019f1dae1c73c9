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
#include "whatif/WorkInParts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace kesta::whatif {

namespace {

// Animals of distinct masses worked out in one part of a long table. Each part's searches
// start afresh, so the parts are the same whatever the number of cores.
constexpr std::size_t kPartAnimals = 128;

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

// What the next lighter animal's search found, when it searched: a heavier animal needs as
// much or a little more, and none in the range when the lighter one found none.
struct Lighters {
    bool searched;
    std::optional<int> answer;
};

// Where a search starts: next to the lighter animal's answer, at the top of the range if it
// found none, else at `otherwise`.
Search From(int low, int high, const Lighters& lighters, int otherwise, double target) {
    if (!lighters.searched) return {low, high, otherwise, target};
    return {low, high, lighters.answer.value_or(high), target, true};
}

// What the trials of one worker's animals share: the table's animals are all the same to an
// arrow that raises for every one of them, so once one animal's trial has found that, the
// others' searches, which then try their whole range number by number, skip it at once.
struct Shared {
    explicit Shared(const SetUp& s) : sameBow(s) {}

    ArrowsThatRaise raising;
    Arrow::PenetrationCache alike;
    SameBowSpeeds sameBow;
    // By the number each search tries: true where its arrow raises for every animal.
    std::vector<char> raisingAtSetUpSpeed = std::vector<char>(kMostGrains + 1);
    std::vector<char> raisingAtSetUpMass = std::vector<char>(kMostFps + 1);
    std::vector<char> raisingWithSameBow = std::vector<char>(kMostGrains + 1);
};

// A trial of the arrow numbered `n` in its search, skipped where `raisingForAll` knows it
// raises for every animal, and told to it where it is found to.
Trial JudgedOnce(AnimalTrial& trial, std::vector<char>& raisingForAll, int n, double grains,
                 double fps) {
    char& known = raisingForAll.at(static_cast<std::size_t>(n));
    if (known != 0) return {false, 0, true};
    const Trial t = Judged(trial, grains, fps);
    if (t.raised && trial.RaisesForEveryAnimal(grains, fps)) known = 1;
    return t;
}

// The three least answers for one animal; the verdict is already in the row.
void FindLeast(AnimalTrial& trial, const SetUp& s, Shared& shared, const NeedsRow* lighter,
               NeedsRow& row) {
    const double chest = trial.Figures().chestDepth;
    const int lightest = LightestThatCanSuffice(trial);
    const auto lighters = [&](std::optional<int> NeedsRow::*answer, bool searched = true) {
        if (lighter == nullptr || !searched) return Lighters{false, std::nullopt};
        return Lighters{true, lighter->*answer};
    };
    row.leastGrains =
        LeastWhole(From(lightest, kMostGrains, lighters(&NeedsRow::leastGrains), lightest, chest),
                   [&](int grains) {
                       return JudgedOnce(trial, shared.raisingAtSetUpSpeed, grains, grains, s.fps);
                   });
    if (trial.MassCanSuffice(s.grains))
        // Whether the lighter animal searched a speed is not kept: only one it found guides.
        row.leastFps = LeastWhole(From(1, kMostFps,
                                       lighters(&NeedsRow::leastFps,
                                                lighter != nullptr && lighter->leastFps),
                                       Whole(s.fps, 1, kMostFps), chest),
                                  [&](int fps) {
                                      return JudgedOnce(trial, shared.raisingAtSetUpMass, fps,
                                                        s.grains, fps);
                                  });
    // The mass that suffices at the set-up's speed is a near guess for the same bow too.
    const int start = row.leastGrains.value_or(lightest);
    // A mass the bow gives no speed is tried as a run that raises would be: not sufficient.
    const Search sameBowSearch =
        From(lightest, kMostGrains, lighters(&NeedsRow::sameEnergyGrains), start, chest);
    row.sameEnergyGrains = LeastWhole(sameBowSearch, [&](int grains) {
        const std::optional<double> fps = shared.sameBow.Of(grains);
        if (!fps) return Trial{false, 0, true};
        return JudgedOnce(trial, shared.raisingWithSameBow, grains, grains, *fps);
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
    const SetUp& s = table.setUp;
    const std::vector<game::Animal>& animals = game_.animals;
    // Animals of equal body mass have equal figures, hence equal answers: each mass is
    // worked out once, for its first animal.
    std::map<double, std::size_t> firstOfMass; // mass, position; lightest first
    std::vector<std::size_t> firsts;           // positions of the first animals, in table order
    for (std::size_t position = 0; position < animals.size(); ++position) {
        if (firstOfMass.try_emplace(animals[position].massKg, position).second)
            firsts.push_back(position);
    }
    std::vector<AnimalTrial> trials; // by position in `firsts`
    trials.reserve(firsts.size());
    std::vector<std::size_t> trialOf(animals.size());
    for (std::size_t position : firsts) {
        trialOf[position] = trials.size();
        trials.emplace_back(s.ro, s.bladeAreaSum, game::FiguresOf(animals[position]));
    }

    // A long table is worked out in parts, side by side. What the trials of a part share is
    // kept by the worker doing it; sharing changes no answer, only the time.
    const auto partsOf = [](std::size_t count) { return (count + kPartAnimals - 1) / kPartAnimals; };
    const std::size_t workers = WorkersFor(partsOf(firsts.size()));
    std::vector<Shared> shared(workers, Shared(s));
    // The entry losses and chest depths of the table, for arrows that raise for every animal.
    double leastLoss = std::numeric_limits<double>::infinity();
    double mostLoss = -leastLoss;
    double leastChest = leastLoss;
    for (const AnimalTrial& trial : trials) {
        leastLoss = std::min(leastLoss, trial.Figures().ribResistance);
        mostLoss = std::max(mostLoss, trial.Figures().ribResistance);
        leastChest = std::min(leastChest, trial.Figures().chestDepth);
    }
    for (Shared& worker : shared)
        worker.raising.SetAnimals(leastLoss, mostLoss, leastChest);

    // The verdicts first. A run that raises stops the table at the animal where the report's
    // game lists would stop: the first in table order.
    std::vector<std::optional<ErrorKind>> failure(firsts.size());
    std::vector<game::Verdict> verdicts(firsts.size());
    WorkInParts(partsOf(firsts.size()), [&](std::size_t part, std::size_t worker) {
        const std::size_t end = std::min(firsts.size(), (part + 1) * kPartAnimals);
        for (std::size_t i = part * kPartAnimals; i < end; ++i) {
            AnimalTrial& trial = trials[i];
            trial.ShareWith(&shared[worker].raising, &shared[worker].alike);
            try {
                verdicts[i] = trial.VerdictOf(s.grains, s.fps);
            } catch (const RuntimeError& e) {
                failure[i] = e.kind();
            }
        }
    });
    table.rows.reserve(animals.size());
    for (std::size_t position = 0; position < animals.size(); ++position) {
        const game::Animal& animal = animals[position];
        if (firstOfMass.at(animal.massKg) != position) {
            table.rows.emplace_back(); // its mass's first row, once that is complete
            continue;
        }
        const std::size_t i = trialOf[position];
        if (failure[i]) {
            RuntimeError error(*failure[i]);
            // The report's game lists would stop here too.
            error.SetPlace(animal.name + ", Game Recommendations");
            throw error;
        }
        NeedsRow row{};
        row.position = position;
        row.animal = animal.name;
        row.massKg = animal.massKg;
        row.category = trials[i].Figures().category;
        row.verdict = verdicts[i];
        table.rows.push_back(std::move(row));
    }

    // The searches, lightest animal first: each starts from the answers of the one before,
    // and the first of each part afresh.
    std::vector<std::size_t> byMass;
    byMass.reserve(firstOfMass.size());
    for (const auto& [mass, position] : firstOfMass)
        byMass.push_back(position);
    WorkInParts(partsOf(byMass.size()), [&](std::size_t part, std::size_t worker) {
        const std::size_t end = std::min(byMass.size(), (part + 1) * kPartAnimals);
        const NeedsRow* lighter = nullptr;
        for (std::size_t i = part * kPartAnimals; i < end; ++i) {
            NeedsRow& row = table.rows[byMass[i]];
            AnimalTrial& trial = trials[trialOf[byMass[i]]];
            trial.ShareWith(&shared[worker].raising, &shared[worker].alike);
            FindLeast(trial, s, shared[worker], lighter, row);
            lighter = &row;
        }
    });
    for (std::size_t position = 0; position < animals.size(); ++position) {
        const std::size_t first = firstOfMass.at(animals[position].massKg);
        if (first == position) continue;
        NeedsRow& row = table.rows[position];
        row = table.rows[first];
        row.position = position;
        row.animal = animals[position].name;
    }
    return table;
}

} // namespace kesta::whatif
