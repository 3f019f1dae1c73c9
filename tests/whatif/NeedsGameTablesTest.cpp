// The needs table and the chart follow the chosen game table: its animals in its order, the
// verdicts the report gives with that table, and least masses the rule confirms.
#include "WhatIfTestSupport.h"
#include "ballistics/GameList.h"
#include "ballistics/GameListText.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

void ExpectNeedsOfTable(const FormState& form, const game::GameTable& game) {
    SCOPED_TRACE(game.name);
    whatif::NeedsCalculator needs(form, game);
    const whatif::NeedsTable table = needs.Table();
    Calculator calc(form, game);
    const Outcome out = Press(calc);
    ASSERT_FALSE(out.error) << out.place;
    const auto lists = ListsOf(out.lines);
    ASSERT_EQ(table.rows.size(), game.animals.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const whatif::NeedsRow& row = table.rows[i];
        const game::Animal& animal = game.animals[i];
        EXPECT_EQ(row.position, i);
        EXPECT_EQ(row.animal, animal.name);
        EXPECT_EQ(row.massKg, animal.massKg);
        const game::AnimalFigures f = game::FiguresOf(animal);
        EXPECT_EQ(row.category, f.category);
        ASSERT_TRUE(lists.count(row.animal)) << row.animal;
        EXPECT_EQ(row.verdict, lists.at(row.animal)) << row.animal;
        if (row.leastGrains) {
            EXPECT_TRUE(Sufficient(table.setUp, f, *row.leastGrains, table.setUp.fps))
                << row.animal;
            EXPECT_FALSE(Sufficient(table.setUp, f, *row.leastGrains - 1, table.setUp.fps))
                << row.animal;
        }
    }
    const whatif::NeedsChart chart = needs.Chart(game.animals.size() - 1);
    EXPECT_EQ(chart.animal, game.animals.back().name);
    EXPECT_EQ(chart.chestDepth, game::FiguresOf(game.animals.back()).chestDepth);
    EXPECT_EQ(KindOf([&] { needs.Chart(game.animals.size()); }), ErrorKind::SubscriptOutOfRange);
}

TEST(NeedsGameTables, RowsAndChartsAreTheChosenTablesAnimals) {
    const FormState form = ExampleForm();
    for (const char* name : {"north-america", "europe", "australia-new-zealand"})
        ExpectNeedsOfTable(form, *game::FindBuiltInTable(name));
    ExpectNeedsOfTable(form, game::ReadGameList("animal,mass_lb\nDoe,132\nBull,1100.5\n", "own"));
}

} // namespace
} // namespace kesta::test
