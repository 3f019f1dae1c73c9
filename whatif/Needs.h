// What would it take: for every animal of the game table, the least arrow mass or speed that
// would make the form's set-up sufficient for it, and the figures of one animal's chart.
// Toolkit-free; kesta-report --needs and the window's "What would it take?" both show these.
//
// Every answer is the least whole number in its range for which the report's own verdict rule
// (game::VerdictOf, on the report's both-ribs penetration run) says "sufficient":
//   least grains  M in 1..3000 at the set-up's speed;
//   least fps     v in 1..1000 with the set-up's mass;
//   same bow      M in 1..3000 at v(M) = fps x (grains / M)^0.5, the set-up's kinetic energy.
// A trial arrow whose penetration run raises an error counts as not sufficient: an arrow the
// model cannot follow is never recommended. The set-up's own arrow is judged as the report
// judges it: when its run raises, the table stops with that error, as the report would.
#pragma once

#include "ballistics/GameList.h"
#include "form/FormState.h"
#include "whatif/AnimalTrial.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta::whatif {

constexpr int kMostGrains = 3000;
constexpr int kMostFps = 1000;

// The set-up the answers start from: the input record's mass and speed and the broadhead's Ro.
struct SetUp {
    double grains;
    double fps;
    double ro;           // lbs
    double bladeAreaSum; // square inches
};

struct NeedsRow {
    std::size_t position; // in the game table, from 0
    std::string animal;
    double massKg;
    int category;
    game::Verdict verdict; // the list the report puts the animal on for the set-up
    std::optional<int> leastGrains;
    std::optional<int> leastFps;
    std::optional<int> sameEnergyGrains;
    std::optional<double> sameEnergyFps; // v(sameEnergyGrains)
};

struct NeedsTable {
    SetUp setUp;
    std::vector<NeedsRow> rows; // in table order
};

// The speed (fps) at which an arrow of `grains` carries the kinetic energy of the set-up's
// arrow: fps x (setUpGrains / grains)^0.5. Raises as checked arithmetic does.
double SameEnergyFps(const SetUp& setUp, double grains);

// One animal's chart: both-ribs penetration against arrow mass from 150 to 1500 grains.
constexpr int kChartFirstGrains = 150;
constexpr int kChartLastGrains = 1500;
constexpr int kChartStepGrains = 25;

struct ChartPoint {
    int grains;
    std::optional<double> atSetUpSpeed; // inches; none when the run raised an error
    double sameEnergyFps;               // 0 when it cannot be computed
    std::optional<double> withSameBow;  // inches at sameEnergyFps
};

struct NeedsChart {
    SetUp setUp;
    std::string animal;
    double chestDepth;                // inches
    double minArrowMass;              // grains, the category's least arrow mass
    std::optional<double> setUpDepth; // the set-up's own arrow, inches
    std::vector<ChartPoint> points;   // ascending mass
};

// Reads the form as the report does (Setup, then Ro as the broadhead section computes it) and
// answers for it. A failure raises RuntimeError with the kind the report would raise, its
// place set in the words of the report's places ("report line 11, Broadhead"):
// "input InArrowLength" as the report says it, "Ro, Broadhead", or the animal
// whose penetration run for the set-up's own arrow failed, which would stop the report's game
// lists too, e.g. "Elephant, Game Recommendations".
class NeedsCalculator {
  public:
    // The form must outlive the calculator. The rows are the animals of `game`, in its order.
    explicit NeedsCalculator(const FormState& form, game::GameTable game = game::DefaultTable())
        : form_(&form), game_(std::move(game)) {}

    NeedsTable Table();

    // `position` in the game table; beyond it raises Subscript out of range.
    NeedsChart Chart(std::size_t position);

  private:
    SetUp ReadSetUp();

    const FormState* form_;
    game::GameTable game_;
};

} // namespace kesta::whatif
