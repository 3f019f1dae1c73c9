#include "StringStackTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using testing::ListOf;
using testing::SnapshotOf;
using testing::Stored;

TEST(StringStackSort, OrdersByCharacterCodes) {
    StringStack list = ListOf({"apple", "Zebra", "mango"});
    list.Sort();
    EXPECT_EQ(list.Values, Stored({"Zebra", "apple", "mango"}));
    list.Sort(true);
    EXPECT_EQ(list.Values, Stored({"mango", "apple", "Zebra"}));

    StringStack mixed = ListOf({"b", "ab", "a", "9", " z", "B", "\xe9t\xe9"});
    mixed.Sort();
    EXPECT_EQ(mixed.Values, Stored({" z", "9", "B", "a", "ab", "b", "\xe9t\xe9"}));
    EXPECT_EQ(mixed.Depth, 7);
}

TEST(StringStackSort, RightJustifiedWeightsSortByValueThenName) {
    StringStack lines = ListOf(
        {"   250.0:Elk", "  1000.0:Moose", "    50.0:Rabbit", "   250.0:Bear", "    80.5:Deer"});
    lines.Sort();
    EXPECT_EQ(lines.Values, Stored({"    50.0:Rabbit", "    80.5:Deer", "   250.0:Bear",
                                    "   250.0:Elk", "  1000.0:Moose"}));
}

TEST(StringStackSort, ShortListsAndDepthStayAsTheyWere) {
    StringStack one = ListOf({"x"});
    one.Sort();
    EXPECT_EQ(SnapshotOf(one), SnapshotOf(ListOf({"x"})));

    StringStack empty;
    empty.Sort(true);
    EXPECT_EQ(SnapshotOf(empty), SnapshotOf(StringStack()));

    StringStack onlyEmpty = ListOf({""});
    onlyEmpty.Sort();
    EXPECT_EQ(SnapshotOf(onlyEmpty), SnapshotOf(ListOf({""})));
}

TEST(StringStackDropDuplicates, KeepsTheLastOfEachGroup) {
    StringStack list = ListOf({"a", "b", "a", "d", "b"});
    list.DropDuplicates();
    EXPECT_EQ(list.Values, Stored({"a", "d", "b"}));
    EXPECT_EQ(list.Depth, 3);

    StringStack distinct = ListOf({"a", "ab", "b"});
    distinct.DropDuplicates();
    EXPECT_EQ(SnapshotOf(distinct), SnapshotOf(ListOf({"a", "ab", "b"})));
}

TEST(StringStackDropDuplicates, EmptyItemGoesWhenTwoItemsFollowIt) {
    StringStack twoFollow = ListOf({"", "a", "b"});
    twoFollow.DropDuplicates();
    EXPECT_EQ(twoFollow.Values, Stored({"a", "b"}));
    EXPECT_EQ(twoFollow.Depth, 2);

    StringStack inside = ListOf({"a", "", "b", "c"});
    inside.DropDuplicates();
    EXPECT_EQ(inside.Values, Stored({"a", "b", "c"}));

    StringStack oneFollows = ListOf({"a", "", "b"});
    oneFollows.DropDuplicates();
    EXPECT_EQ(SnapshotOf(oneFollows), SnapshotOf(ListOf({"a", "", "b"})));
}

TEST(StringStackSubtract, RemovesEveryCopyTheOtherListHolds) {
    StringStack list = ListOf({"a", "b", "a", "d"});
    list.Subtract(ListOf({"a"}));
    EXPECT_EQ(list.Values, Stored({"b", "d"}));
    EXPECT_EQ(list.Depth, 2);
}

TEST(StringStackIntersect, KeepsEveryCopyTheOtherListHolds) {
    StringStack list = ListOf({"a", "b", "a", "d"});
    list.Intersect(ListOf({"a"}));
    EXPECT_EQ(list.Values, Stored({"a", "a"}));
    EXPECT_EQ(list.Depth, 2);
}

TEST(StringStackSubtract, EmptyListsChangeNothing) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    list.Subtract(StringStack());
    list.Intersect(StringStack());
    EXPECT_EQ(SnapshotOf(list), before);

    StringStack empty;
    empty.Subtract(list);
    empty.Intersect(list);
    EXPECT_EQ(SnapshotOf(empty), SnapshotOf(StringStack()));
}

TEST(StringStackUnite, AddsMissingItemsOnceAtTheBack) {
    StringStack list = ListOf({"a", "b"});
    list.Unite(ListOf({"b", "d", "d"}));
    EXPECT_EQ(list.Values, Stored({"a", "b", "d"}));
    EXPECT_EQ(list.Depth, 3);

    StringStack empty;
    empty.Unite(ListOf({"x", "y"}));
    EXPECT_EQ(empty.Values, Stored({"x", "y"}));
    EXPECT_EQ(empty.Depth, 2);

    StringStack repeats = ListOf({"a", "a"});
    repeats.Unite(StringStack());
    repeats.Unite(ListOf({"a"}));
    EXPECT_EQ(SnapshotOf(repeats), SnapshotOf(ListOf({"a", "a"})));
}

TEST(StringStackUnite, CutsItemsAtCommasAndTakesOnlyAsManyPieces) {
    StringStack list;
    list.Unite(ListOf({"p,q", "r"}));
    EXPECT_EQ(list.Values, Stored({"p", "q"}));
    EXPECT_EQ(list.Depth, 2);
}

TEST(StringStackDifference, KeepsWhatEitherListDoesNotMatch) {
    StringStack a = ListOf({"a"});
    a.Difference(ListOf({"a", "d"}));
    EXPECT_EQ(SnapshotOf(a), SnapshotOf(ListOf({"d"})));

    StringStack ad = ListOf({"a", "d"});
    ad.Difference(ListOf({"a"}));
    EXPECT_EQ(SnapshotOf(ad), SnapshotOf(ListOf({"d"})));

    StringStack same = ListOf({"a"});
    same.Difference(ListOf({"a"}));
    EXPECT_EQ(SnapshotOf(same), SnapshotOf(StringStack()));

    StringStack repeats = ListOf({"a", "a", "b"});
    repeats.Difference(ListOf({"a", "d"}));
    EXPECT_EQ(SnapshotOf(repeats), SnapshotOf(ListOf({"a", "b", "d"})));
}

TEST(StringStackDifference, EmptyListsOnEitherSide) {
    StringStack empty;
    empty.Difference(ListOf({"x", "y"}));
    EXPECT_EQ(SnapshotOf(empty), SnapshotOf(ListOf({"x", "y"})));

    StringStack stillEmpty;
    stillEmpty.Difference(StringStack());
    EXPECT_EQ(SnapshotOf(stillEmpty), SnapshotOf(StringStack()));

    StringStack list = ListOf({"a", "b"});
    list.Difference(StringStack());
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"a", "b"})));
}

TEST(StringStackDifference, CutsTheOtherListsItemsAtCommas) {
    StringStack empty;
    empty.Difference(ListOf({"p,q"}));
    EXPECT_EQ(SnapshotOf(empty), SnapshotOf(ListOf({"p", "q"})));

    StringStack list = ListOf({"a"});
    list.Difference(ListOf({"r,s"}));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"a", "r", "s"})));
}

} // namespace
} // namespace kesta
