// The report's three game lists and the shared verdict rule must put every animal in the same
// place, for set-ups that spread the animals over all three lists.
#include "ReportTestSupport.h"
#include "ballistics/Arrow.h"
#include "ballistics/GameTable.h"

#include <gtest/gtest.h>

#include <set>

namespace kesta::test {
namespace {

using game::Verdict;

TEST(Verdicts, EveryAnimalOfTheTableLandsOnTheListTheRuleGives) {
    std::set<Verdict> seen;
    for (const char* changes : {"", "InArrowMass=250", "InArrowMass=330", "InArrowMass=520",
                                "InArrowMass=850; InArrowSpeed=240", "InArrowMass=1100",
                                "InArrowMass=1000; InArrowSpeed=150", "InArrowSpeed=90"}) {
        const FormState form = ExampleForm(changes);
        Calculator calc(form);
        const Outcome out = Press(calc);
        ASSERT_FALSE(out.error) << changes;
        const auto placed = ListsOf(out.lines);
        ASSERT_EQ(placed.size(), game::Animals().size()) << changes;
        const InputRecord& r = calc.Record();
        for (const game::Animal& animal : game::Animals()) {
            const game::AnimalFigures f = game::FiguresOf(animal);
            const double depth =
                Arrow::Penetration(calc.RoLbs(), r.massGrains, r.speedFps, 0.3, r.bladeAreaSum,
                                   0.001, f.ribResistance, f.chestDepth, f.ribResistance);
            const Verdict rule = game::VerdictOf(f, r.massGrains, depth);
            seen.insert(rule);
            ASSERT_TRUE(placed.count(animal.name)) << animal.name << " / " << changes;
            EXPECT_EQ(placed.at(animal.name), rule) << animal.name << " / " << changes;
        }
    }
    EXPECT_EQ(seen.size(), 3u) << "the set-ups should reach all three verdicts";
}

} // namespace
} // namespace kesta::test
