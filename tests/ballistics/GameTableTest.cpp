// The game table and the verdict rule shared by the report's game lists and the search for
// the least arrow that is sufficient.
#include "ballistics/GameTable.h"
#include "tests/report/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kesta::game {
namespace {

using enum ErrorKind;

TEST(GameTable, CategoryBoundsAreInclusiveAndRoundHalfToEven) {
    struct Row {
        double massKg;
        int category;
    };
    for (const Row& row : std::vector<Row>{{0, 1},
                                           {60, 1},
                                           {60.5, 1}, // halves go to the even whole number
                                           {61.5, 2},
                                           {200, 2},
                                           {800.4, 3},
                                           {1000, 4},
                                           {1500, 5},
                                           {1500.6, 6},
                                           {5000, 6},
                                           {-32768, 1}})
        EXPECT_EQ(CategoryOf(row.massKg), row.category) << row.massKg;
    EXPECT_EQ(test::KindOf([] { CategoryOf(5001); }), SubscriptOutOfRange);
    EXPECT_EQ(test::KindOf([] { CategoryOf(32767.6); }), Overflow);
    EXPECT_EQ(test::KindOf([] { CategoryOf(-32769); }), Overflow);
}

TEST(GameTable, TableHoldsTheFortyEightAnimalsInOrder) {
    const auto& animals = Animals();
    ASSERT_EQ(animals.size(), 48u);
    EXPECT_EQ(animals.front().name, "Black Wildebeest");
    EXPECT_EQ(animals.front().massKg, 120);
    EXPECT_EQ(animals[11].name, "Eland bull"); // an entry with no blank after its comma
    EXPECT_EQ(animals[38].name, "Roan Antelope/Baster gemsbok");
    EXPECT_EQ(animals.back().name, "Zebra");
    EXPECT_EQ(animals.back().massKg, 300);
    std::set<std::string> names;
    for (const auto& a : animals)
        names.insert(a.name);
    EXPECT_EQ(names.size(), 48u);
}

TEST(GameTable, FiguresFollowTheFormulas) {
    const AnimalFigures kudu = FiguresOf({"Kudu male", 300});
    EXPECT_EQ(kudu.category, 3);
    EXPECT_EQ(kudu.minArrowMass, 500);
    EXPECT_DOUBLE_EQ(kudu.chestDepth, 8 * std::pow(300.0, 0.2) - 8);
    EXPECT_DOUBLE_EQ(kudu.ribResistance, 4.5 * std::pow(300.0, 0.25));
    EXPECT_DOUBLE_EQ(CategoryChestDepth(2), std::pow(200.0, 0.4) + 4);
}

// The comparisons are the report's: at least the minimum mass, strictly deeper than the chest.
TEST(GameTable, VerdictBoundaries) {
    const AnimalFigures a{3, 20.0, 10.0, 500.0};
    struct Row {
        double grains, penetration;
        Verdict verdict;
    };
    for (const Row& row : std::vector<Row>{
             {500, 20.0001, Verdict::Sufficient},
             {500, 20, Verdict::Marginal},           // equal depth is not enough
             {499.99, 999, Verdict::Marginal},       // light, but within 80%
             {400, 10.0001, Verdict::Marginal},      // 80% exactly, just over half the depth
             {400, 10, Verdict::NotRecommended},     // exactly half the depth
             {399.99, 999, Verdict::NotRecommended}, // below 80% of the minimum
             {1e9, 0, Verdict::NotRecommended}})     // heavy but does not penetrate
        EXPECT_EQ(VerdictOf(a, row.grains, row.penetration), row.verdict)
            << row.grains << " grains, " << row.penetration << " inches";
    EXPECT_STREQ(VerdictName(Verdict::NotRecommended), "not recommended");
}

} // namespace
} // namespace kesta::game
