// The report with each game table: every animal of the table on the list the verdict rule gives
// it (the rule applied here to the animal's own mass), each list ordered by mass then name and
// broken into lines as the African lists are, and nothing else of the report changed.
#include "ReportTestSupport.h"
#include "ballistics/Arrow.h"
#include "ballistics/GameList.h"
#include "ballistics/GameListText.h"
#include "tools/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kesta::test {
namespace {

using game::Verdict;

// The set-ups of the verdict test: together they reach all three lists for every table.
const std::vector<const char*> kSetUps = {"",
                                          "InArrowMass=250",
                                          "InArrowMass=330",
                                          "InArrowMass=520",
                                          "InArrowMass=850; InArrowSpeed=240",
                                          "InArrowMass=1100",
                                          "InArrowMass=1000; InArrowSpeed=150",
                                          "InArrowSpeed=90"};

struct ListLines {
    TextLines sufficient, marginal, notRecommended;
};

// The lines under each heading, up to the empty line or the hyphen line that ends it.
ListLines ListLinesOf(const TextLines& lines) {
    ListLines lists;
    TextLines* current = nullptr;
    for (const std::string& line : lines) {
        if (line == "Sufficient for:")
            current = &lists.sufficient;
        else if (line == "Marginal for:")
            current = &lists.marginal;
        else if (line == "NOT Recomended for:")
            current = &lists.notRecommended;
        else if (line.empty() || line[0] == '-')
            current = nullptr;
        else if (current != nullptr)
            current->push_back(line);
    }
    return lists;
}

// The lines a list of names must make: ",  " after each name, a line closed once it is longer
// than 80 characters, one line of three blanks when there is no name.
TextLines Wrapped(const std::vector<std::string>& names) {
    TextLines lines;
    std::string line = "   ";
    for (const std::string& name : names) {
        if (line.size() > 80) {
            lines.push_back(line);
            line = "   ";
        }
        line += name + ",  ";
    }
    lines.push_back(line);
    return lines;
}

// The animals the rule puts on one list, by mass at 0.1 kg (as the report prints masses) and
// then by name in character order.
std::vector<std::string> Expected(const game::GameTable& table, const std::vector<Verdict>& rule,
                                  Verdict verdict) {
    std::vector<std::pair<std::string, std::string>> keyed;
    for (std::size_t i = 0; i < table.animals.size(); ++i)
        if (rule[i] == verdict)
            keyed.emplace_back(Tools::FormatFixed(table.animals[i].massKg, 1, 8),
                               table.animals[i].name);
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    for (const auto& [mass, name] : keyed)
        names.push_back(name);
    return names;
}

// The verdict of the rule for every animal of the table, for the set-up the calculator read.
std::vector<Verdict> RuleFor(const Calculator& calc, const game::GameTable& table) {
    const InputRecord& r = calc.Record();
    std::vector<Verdict> verdicts;
    for (const game::Animal& animal : table.animals) {
        const game::AnimalFigures f = game::FiguresOf(animal);
        const double depth =
            Arrow::Penetration(calc.RoLbs(), r.massGrains, r.speedFps, 0.3, r.bladeAreaSum, 0.001,
                               f.ribResistance, f.chestDepth, f.ribResistance);
        verdicts.push_back(game::VerdictOf(f, r.massGrains, depth));
    }
    return verdicts;
}

void ExpectListsFollowTheRule(const game::GameTable& table) {
    std::set<Verdict> seen;
    for (const char* changes : kSetUps) {
        SCOPED_TRACE(table.name + " / " + changes);
        const FormState form = ExampleForm(changes);
        Calculator calc(form, table);
        const Outcome out = Press(calc);
        ASSERT_FALSE(out.error) << out.place << " " << ErrorMessage(*out.error);
        const std::vector<Verdict> rule = RuleFor(calc, table);
        seen.insert(rule.begin(), rule.end());
        const ListLines lists = ListLinesOf(out.lines);
        EXPECT_EQ(lists.sufficient, Wrapped(Expected(table, rule, Verdict::Sufficient)));
        EXPECT_EQ(lists.marginal, Wrapped(Expected(table, rule, Verdict::Marginal)));
        EXPECT_EQ(lists.notRecommended, Wrapped(Expected(table, rule, Verdict::NotRecommended)));
        ASSERT_TRUE(calc.Figures().Verdicts().has_value());
        EXPECT_EQ(*calc.Figures().Verdicts(), rule);
    }
    EXPECT_EQ(seen.size(), 3u) << table.name << ": the set-ups should reach all three verdicts";
}

TEST(GameTablesReport, EveryBuiltInTableFollowsTheVerdictRule) {
    for (const game::GameTable& table : game::BuiltInTables())
        ExpectListsFollowTheRule(table);
}

TEST(GameTablesReport, OwnListWithDecimalsAndPoundsFollowsTheRule) {
    // 60.4 kg rounds into category 1 and 60.6 kg into category 2; 132 lb is 59.87 kg; at 1 kg,
    // the lightest allowed, the chest depth is 0.
    const game::GameTable own = game::ReadGameList(
        "animal,mass_kg\nSmall buck,60.4\nBig buck,60.6\nboar,60.6\nBoar,60.55\nTiny,1\n"
        "Bull,4999.9\n",
        "own.csv");
    ExpectListsFollowTheRule(own);
    ExpectListsFollowTheRule(game::ReadGameList("animal,mass_lb\nDoe,132\nBuck,250.5\n", "lb.csv"));
}

TEST(GameTablesReport, OnlyTheGameListsChangeWithTheTable) {
    const FormState form = ExampleForm();
    const Outcome africa = Press(form);
    Calculator byName(form, *game::FindBuiltInTable("africa"));
    EXPECT_EQ(Press(byName).lines, africa.lines); // the default is the African table
    const auto lists = std::find(africa.lines.begin(), africa.lines.end(), "Sufficient for:");
    ASSERT_NE(lists, africa.lines.end());
    const TextLines before(africa.lines.begin(), lists);
    for (const game::GameTable& table : game::BuiltInTables()) {
        Calculator calc(form, table);
        const Outcome out = Press(calc);
        ASSERT_GE(out.lines.size(), before.size() + 3) << table.name;
        EXPECT_EQ(TextLines(out.lines.begin(), out.lines.begin() + before.size()), before)
            << table.name;
        EXPECT_EQ(TextLines(out.lines.end() - 3, out.lines.end()),
                  TextLines(africa.lines.end() - 3, africa.lines.end()))
            << table.name;
    }
}

TEST(GameTablesReport, ChangingTheTableChangesTheNextReport) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    const game::GameTable& europe = *game::FindBuiltInTable("europe");
    calc.SetGame(europe);
    EXPECT_EQ(calc.Game().name, "europe");
    const auto placed = ListsOf(Press(calc).lines);
    EXPECT_EQ(placed.size(), europe.animals.size());
    EXPECT_TRUE(placed.count("Roe doe"));
    EXPECT_FALSE(placed.count("Kudu male"));
}

// The lists have room to mark 1001 animals; a longer table, which no file can give, stops the
// report at the lists with the kind a full mark array raises.
TEST(GameTablesReport, ATableBeyondTheMarksStopsAtTheLists) {
    game::GameTable huge{"huge", "", std::vector<game::Animal>(1002, game::Animal{"Elk", 320})};
    const FormState form = ExampleForm();
    Calculator calc(form, huge);
    const Outcome out = Press(calc);
    EXPECT_EQ(out.error, ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(out.lines.back(), "Sufficient for:");
}

} // namespace
} // namespace kesta::test
