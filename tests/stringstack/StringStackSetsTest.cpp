#include "StringStackTestSupport.h"
#include "tests/common/ThreadTime.h"

#include <algorithm>
#include <functional>
#include <random>

namespace kesta {
namespace {

using namespace testing;
using S = StringStack;

TEST(StringStackSort, OrdersByCharacterCodes) {
    ExpectChanges({
        {"codes", {"apple", "Zebra", "mango"}, [](S& s) { s.Sort(); }, {"Zebra", "apple", "mango"}},
        {"reversed",
         {"apple", "Zebra", "mango"},
         [](S& s) { s.Sort(true); },
         {"mango", "apple", "Zebra"}},
        {"mixed",
         {"b", "ab", "a", "9", " z", "B", "\xe9t\xe9"},
         [](S& s) { s.Sort(); },
         {" z", "9", "B", "a", "ab", "b", "\xe9t\xe9"}},
        // The game lists rely on right-justified weights sorting by value, then by name.
        {"weights",
         {"   250.0:Elk", "  1000.0:Moose", "    50.0:Rabbit", "   250.0:Bear", "    80.5:Deer"},
         [](S& s) { s.Sort(); },
         {"    50.0:Rabbit", "    80.5:Deer", "   250.0:Bear", "   250.0:Elk", "  1000.0:Moose"}},
        {"one item", {"x"}, [](S& s) { s.Sort(); }, {"x"}},
        {"no items", {}, [](S& s) { s.Sort(true); }, {}},
        {"only \"\"", {""}, [](S& s) { s.Sort(); }, {""}},
    });
}

// The exchange sort the order is defined by: each pass over j leaves the greatest (reversed:
// the least) of A(0) to A(i) in A(i).
std::vector<std::string> ExchangeSorted(std::vector<std::string> items, bool reversed) {
    for (std::size_t i = items.size(); i-- > 1;)
        for (std::size_t j = 0; j < i; ++j)
            if (reversed ? items[j] < items[i] : items[j] > items[i]) std::swap(items[i], items[j]);
    return items;
}

TEST(StringStackSort, SameOrderAsTheExchangeSortAndFastOnTheLongestList) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> items(rng() % 40);
        for (std::string& item : items) // few distinct letters: many equal items
            for (std::size_t n = rng() % 4; n > 0; --n)
                item += static_cast<char>("aAb \xe9"[rng() % 5]);
        for (const bool reversed : {false, true}) {
            StringStack list = ListOf(items);
            list.Sort(reversed);
            EXPECT_EQ(SnapshotOf(list), Holding(ExchangeSorted(items, reversed))) << round;
        }
    }
    std::vector<std::string> many(32767);
    for (std::string& item : many)
        item = std::to_string(rng() % 100000);
    StringStack list = ListOf(many);
    const double start = test::ThreadSeconds();
    list.Sort(true);
    EXPECT_LT(test::ThreadSeconds() - start, 1.0); // processor time: load does not count
    std::sort(many.begin(), many.end(), std::greater<>());
    EXPECT_EQ(list.Items(), many);
}

TEST(StringStackSets, DropDuplicatesKeepsTheLastOfEachGroup) {
    ExpectChanges({
        {"repeats", {"a", "b", "a", "d", "b"}, [](S& s) { s.DropDuplicates(); }, {"a", "d", "b"}},
        {"distinct", {"a", "ab", "b"}, [](S& s) { s.DropDuplicates(); }, {"a", "ab", "b"}},
        // An empty item matches the boundary of two items that follow it, so it goes.
        {"\"\" then two", {"", "a", "b"}, [](S& s) { s.DropDuplicates(); }, {"a", "b"}},
        {"\"\" inside", {"a", "", "b", "c"}, [](S& s) { s.DropDuplicates(); }, {"a", "b", "c"}},
        {"\"\" then one", {"a", "", "b"}, [](S& s) { s.DropDuplicates(); }, {"a", "", "b"}},
    });
}

using SetOperation = void (StringStack::*)(const StringStack&);

struct SetRow {
    Items start, other, after;
};

void ExpectSetOperation(SetOperation operation, const char* name, const std::vector<SetRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        StringStack list = ListOf(rows[i].start);
        (list.*operation)(ListOf(rows[i].other));
        EXPECT_EQ(SnapshotOf(list), Holding(rows[i].after)) << name << " row " << i;
    }
}

// A list whose only item is "" is read for the item really there, and "" in the other list
// matches the boundary between two items.
TEST(StringStackSets, SubtractAndIntersectTakeEveryCopy) {
    ExpectSetOperation(&S::Subtract, "Subtract",
                       {{{"a", "b", "a", "d"}, {"a"}, {"b", "d"}},
                        {{"a", "b"}, {}, {"a", "b"}},
                        {{}, {"a"}, {}},
                        {{""}, {"x"}, {""}},
                        {{""}, {"a", "b"}, {}}});
    ExpectSetOperation(&S::Intersect, "Intersect",
                       {{{"a", "b", "a", "d"}, {"a"}, {"a", "a"}},
                        {{"a", "b"}, {}, {"a", "b"}},
                        {{}, {"a"}, {}},
                        {{""}, {""}, {""}},
                        {{""}, {"x"}, {}}});
}

// Both cut the other list's items at commas and take only as many pieces as it has items.
TEST(StringStackSets, UniteAndDifferenceAddAtTheBack) {
    ExpectSetOperation(&S::Unite, "Unite",
                       {{{"a", "b"}, {"b", "d", "d"}, {"a", "b", "d"}},
                        {{}, {"x", "y"}, {"x", "y"}},
                        {{"a", "a"}, {}, {"a", "a"}},
                        {{"a", "a"}, {"a"}, {"a", "a"}},
                        {{}, {"p,q", "r"}, {"p", "q"}},
                        {{"a"}, {""}, {"a", ""}}});
    ExpectSetOperation(&S::Difference, "Difference",
                       {{{"a"}, {"a", "d"}, {"d"}},
                        {{"a", "d"}, {"a"}, {"d"}},
                        {{"a"}, {"a"}, {}},
                        {{"a", "a", "b"}, {"a", "d"}, {"a", "b", "d"}},
                        {{}, {"x", "y"}, {"x", "y"}},
                        {{}, {}, {}},
                        {{"a", "b"}, {}, {"a", "b"}},
                        {{}, {"p,q"}, {"p", "q"}},
                        {{"a"}, {"r,s"}, {"a", "r", "s"}},
                        {{""}, {"x"}, {"", "x"}}});
}

TEST(StringStackSets, WithItselfTheListIsReadAsItWasAtTheCall) {
    const std::pair<SetOperation, Items> rows[] = {{&S::Subtract, {}},
                                                   {&S::Intersect, {"a", "b", "a"}},
                                                   {&S::Unite, {"a", "b", "a"}},
                                                   {&S::Difference, {}}};
    for (const auto& [operation, after] : rows) {
        StringStack list = ListOf({"a", "b", "a"});
        (list.*operation)(list);
        EXPECT_EQ(SnapshotOf(list), Holding(after)) << after.size() << " items expected";
    }
}

} // namespace
} // namespace kesta
