// The what-if search takes the least sufficient mass or speed by halving, which is only right
// when more never hurts: the both-ribs penetration must not fall as the arrow's mass rises at
// a fixed speed, nor as its speed rises at a fixed mass, and the verdict must not get worse
// either way. Checked over the searches' whole ranges on random realistic set-ups and every
// animal of the game table.
#include "WhatIfTestSupport.h"

#include "report/Calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

namespace kesta::test {
namespace {

using game::Verdict;

struct Shot {
    std::optional<double> depth; // none when the run raised
    Verdict verdict;             // a run that raised is not recommended, as the search counts it
};

Shot ShotAt(const whatif::SetUp& s, const game::AnimalFigures& f, double grains, double fps) {
    try {
        const double depth = PlainDepth(s, f, grains, fps);
        return {depth, game::VerdictOf(f, grains, depth)};
    } catch (const RuntimeError&) {
        return {std::nullopt, Verdict::NotRecommended};
    }
}

// Whole numbers of 1..most, ascending: both ends, numbers spread evenly on a log scale (where
// the depth changes fastest) and on a straight one, and a few runs of neighbours.
std::vector<int> Samples(int most, std::mt19937& rng) {
    std::set<int> numbers = {1, 2, most - 1, most};
    std::uniform_real_distribution<double> unit(0, 1);
    for (int k = 0; k < 10; ++k)
        numbers.insert(static_cast<int>(std::pow(double(most), unit(rng))));
    for (int k = 0; k < 6; ++k)
        numbers.insert(1 + static_cast<int>(unit(rng) * (most - 1)));
    for (int k = 0; k < 2; ++k) {
        const int from = 1 + static_cast<int>(unit(rng) * (most - 3));
        numbers.insert({from, from + 1, from + 2});
    }
    return {numbers.begin(), numbers.end()};
}

// The set-up a random form gives, as the search reads it: its mass, speed, Ro and blade area.
whatif::SetUp SetUpOf(const FormState& form) {
    Calculator calc(form);
    calc.WriteReport();
    return {calc.Record().massGrains, calc.Record().speedFps, calc.RoLbs(),
            calc.Record().bladeAreaSum};
}

std::string Describe(const whatif::SetUp& s, const game::Animal& animal) {
    char text[200];
    std::snprintf(text, sizeof text, "grains=%.17g fps=%.17g ro=%.17g bladeAreaSum=%.17g, %s",
                  s.grains, s.fps, s.ro, s.bladeAreaSum, animal.name.c_str());
    return text;
}

std::string Shown(const Shot& shot) {
    char text[80];
    if (shot.depth)
        std::snprintf(text, sizeof text, "%.17g in, %s", *shot.depth,
                      game::VerdictName(shot.verdict));
    else
        std::snprintf(text, sizeof text, "raised, %s", game::VerdictName(shot.verdict));
    return text;
}

// Walks `numbers` upwards with the shot each gives; fails at the first fall of depth or
// verdict, naming the set-up, the animal and the two neighbouring numbers.
void ExpectNoFall(const std::vector<int>& numbers, const std::function<Shot(int)>& shotAt,
                  const std::string& where, const char* what, int& runs, int& raised) {
    std::optional<std::pair<int, Shot>> lastDepth; // the last run that did not raise
    std::optional<std::pair<int, Shot>> last;
    for (const int n : numbers) {
        const Shot shot = shotAt(n);
        ++runs;
        if (!shot.depth) ++raised;
        if (last && static_cast<int>(shot.verdict) > static_cast<int>(last->second.verdict)) {
            ADD_FAILURE() << "the verdict gets worse: " << where << "; " << what << " "
                          << last->first << ": " << Shown(last->second) << " -> " << what << " "
                          << n << ": " << Shown(shot);
            return;
        }
        if (lastDepth && shot.depth && *shot.depth < *lastDepth->second.depth) {
            ADD_FAILURE() << "the penetration falls: " << where << "; " << what << " "
                          << lastDepth->first << ": " << Shown(lastDepth->second) << " -> "
                          << what << " " << n << ": " << Shown(shot);
            return;
        }
        last = {n, shot};
        if (shot.depth) lastDepth = last;
    }
}

constexpr int kSetUps = 300;

enum class Rising { Mass, Speed };

// Each set-up against one animal (all of them in turn): the number that rises sweeps its
// search range while the other stays at the set-up's value, then at a random one of its range.
void ExpectNoFallOnRandomSetUps(Rising rising, unsigned seed) {
    std::mt19937 rng(seed);
    const bool mass = rising == Rising::Mass;
    const int most = mass ? whatif::kMostGrains : whatif::kMostFps;
    const int mostFixed = mass ? whatif::kMostFps : whatif::kMostGrains;
    int runs = 0, raised = 0;
    for (int k = 0; k < kSetUps && !::testing::Test::HasFailure(); ++k) {
        const whatif::SetUp s = SetUpOf(RandomSetUp(rng));
        const game::Animal& animal = game::Animals()[k % game::Animals().size()];
        const game::AnimalFigures f = game::FiguresOf(animal);
        const double own = mass ? s.fps : s.grains;
        for (const double fixed :
             {own, double(std::uniform_int_distribution<int>(1, mostFixed)(rng))}) {
            char where[40];
            std::snprintf(where, sizeof where, mass ? " at %.17g fps" : " with %.17g grains",
                          fixed);
            ExpectNoFall(
                Samples(most, rng),
                [&](int n) { return mass ? ShotAt(s, f, n, fixed) : ShotAt(s, f, fixed, n); },
                Describe(s, animal) + where, mass ? "grains" : "fps", runs, raised);
        }
    }
    std::printf("%d runs, %d raised\n", runs, raised);
}

TEST(WhatIfPhysics, BothRibsDepthAndVerdictAreMonotoneInArrowMass) {
    ExpectNoFallOnRandomSetUps(Rising::Mass, 20261209);
}

TEST(WhatIfPhysics, BothRibsDepthAndVerdictAreMonotoneInSpeed) {
    ExpectNoFallOnRandomSetUps(Rising::Speed, 20261210);
}

} // namespace
} // namespace kesta::test
