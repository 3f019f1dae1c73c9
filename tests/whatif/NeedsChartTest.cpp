// One animal's chart: every point is the plain penetration run of its arrow, and the current
// speed's curve crosses the chest where the table's least grains says.
#include "WhatIfTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

TEST(NeedsChart, EveryPointIsThePlainRunOfItsArrow) {
    const FormState form = ExampleForm();
    whatif::NeedsCalculator needs(form);
    for (std::size_t position : {0u, 13u, 15u}) { // Black Wildebeest, Elephant, fox
        const whatif::NeedsChart chart = needs.Chart(position);
        const game::Animal& animal = game::Animals()[position];
        const game::AnimalFigures f = game::FiguresOf(animal);
        const whatif::SetUp& s = chart.setUp;
        EXPECT_EQ(chart.animal, animal.name);
        EXPECT_EQ(chart.chestDepth, f.chestDepth);
        EXPECT_EQ(chart.minArrowMass, f.minArrowMass);
        EXPECT_EQ(chart.setUpDepth, PlainDepth(s, f, s.grains, s.fps));
        ASSERT_EQ(chart.points.size(), 55u);
        int grains = whatif::kChartFirstGrains;
        for (const whatif::ChartPoint& p : chart.points) {
            EXPECT_EQ(p.grains, grains);
            EXPECT_EQ(p.atSetUpSpeed, PlainDepth(s, f, grains, s.fps)) << grains;
            EXPECT_EQ(p.sameEnergyFps, SameBowFps(s, grains)) << grains;
            EXPECT_EQ(p.withSameBow, PlainDepth(s, f, grains, p.sameEnergyFps)) << grains;
            grains += whatif::kChartStepGrains;
        }
        EXPECT_EQ(chart.points.back().grains, whatif::kChartLastGrains);
    }
}

TEST(NeedsChart, CrossesTheChestWhereTheTableSays) {
    const FormState form = ExampleForm();
    whatif::NeedsCalculator needs(form);
    const whatif::NeedsTable table = needs.Table();
    for (const whatif::NeedsRow& row : table.rows) {
        const whatif::NeedsChart chart = needs.Chart(row.position);
        // The first charted mass that is sufficient at the set-up's speed: the least grains,
        // rounded up to the chart's step.
        std::optional<int> first;
        for (const whatif::ChartPoint& p : chart.points) {
            if (p.grains >= chart.minArrowMass && p.atSetUpSpeed > chart.chestDepth) {
                first = p.grains;
                break;
            }
        }
        if (row.leastGrains && *row.leastGrains <= whatif::kChartLastGrains) {
            const int step = whatif::kChartStepGrains;
            const int above =
                std::max(whatif::kChartFirstGrains, (*row.leastGrains + step - 1) / step * step);
            EXPECT_EQ(first, above) << row.animal;
        } else {
            EXPECT_EQ(first, std::nullopt) << row.animal;
        }
    }
}

TEST(NeedsChart, APositionBeyondTheTableIsOutOfRange) {
    const FormState form = ExampleForm();
    whatif::NeedsCalculator needs(form);
    EXPECT_EQ(KindOf([&] { needs.Chart(game::Animals().size()); }), ErrorKind::SubscriptOutOfRange);
}

} // namespace
} // namespace kesta::test
