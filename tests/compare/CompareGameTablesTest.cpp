// The comparison judges both set-ups against the one chosen game table: its verdict changes
// name that table's animals, exactly those the two reports list under different headings.
#include "CompareTestSupport.h"
#include "ballistics/GameList.h"
#include "compare/Comparison.h"
#include "tests/report/ReportTestSupport.h"
#include "tools/Text.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

TEST(CompareGameTables, VerdictChangesAreThoseOfTheChosenTable) {
    const FormState a = WorkedExampleForm(), b = Mass500();
    for (const game::GameTable& game : game::BuiltInTables()) {
        SCOPED_TRACE(game.name);
        const Comparison c = Compare(a, b, game);
        ASSERT_TRUE(c.verdictsCompared);
        const auto listsA = ListsOf(Lines(text::ToCrLf(c.a.text)));
        const auto listsB = ListsOf(Lines(text::ToCrLf(c.b.text)));
        ASSERT_EQ(listsA.size(), game.animals.size());
        std::vector<std::string> changed;
        for (const game::Animal& animal : game.animals)
            if (listsA.at(animal.name) != listsB.at(animal.name)) changed.push_back(animal.name);
        std::vector<std::string> reported;
        for (const VerdictChange& change : c.verdictChanges) {
            reported.push_back(change.animal);
            EXPECT_EQ(change.a, listsA.at(change.animal)) << change.animal;
            EXPECT_EQ(change.b, listsB.at(change.animal)) << change.animal;
        }
        EXPECT_EQ(reported, changed);
        EXPECT_FALSE(changed.empty()) << "500 grains should change some verdict";
    }
    // The default is the African table.
    EXPECT_EQ(Compare(a, b).verdictChanges.size(),
              Compare(a, b, game::DefaultTable()).verdictChanges.size());
}

} // namespace
} // namespace kesta::test
