#include "StringStackTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using testing::ListOf;
using testing::SnapshotOf;
using testing::Stored;
using Strings = std::vector<std::string>;

TEST(StringStackCore, NewListIsEmptyAndReadsGiveNoValue) {
    StringStack list;
    EXPECT_EQ(list.Depth, 0);
    EXPECT_EQ(list.Values, "");
    EXPECT_TRUE(list.isEmptied());
    EXPECT_EQ(list.asString(), "");
    EXPECT_EQ(list.asString(" and "), "");
    EXPECT_EQ(list.Top(), std::nullopt);
    EXPECT_EQ(list.Last(), std::nullopt);
    EXPECT_EQ(list.DeQueue(), std::nullopt);
    int16_t howMany = 1;
    EXPECT_EQ(list.Pop(howMany), std::nullopt);
    EXPECT_EQ(howMany, 1);
    EXPECT_FALSE(list.Contains("a"));
    EXPECT_EQ(list.IndexOf("a"), 0);
}

TEST(StringStackCore, StoredFormWrapsEveryItemInCodeOne) {
    const StringStack list = ListOf({"elk", "bear"});
    EXPECT_EQ(list.Values, std::string("\x01"
                                       "elk\x01\x01"
                                       "bear\x01"));
    EXPECT_EQ(list.Values.size(), 11u); // 3 + 4 characters and four separators
    EXPECT_EQ(list.Depth, 2);
    EXPECT_EQ(ListOf({""}).Values, "\x01\x01");
}

TEST(StringStackCore, PushAddsAtTheFrontQueueAtTheBack) {
    StringStack pushed;
    pushed.Push("a");
    pushed.Push("b");
    EXPECT_EQ(pushed.Top(), "b");
    EXPECT_EQ(pushed.Last(), "a");
    EXPECT_EQ(pushed.nth(1), "b");
    EXPECT_EQ(pushed.asString(), "b,a");
    EXPECT_EQ(pushed.IndexOf("a"), 2);

    StringStack queued;
    queued.Queue("a");
    queued.Queue("b");
    EXPECT_EQ(queued.Top(), "a");
    EXPECT_EQ(queued.Last(), "b");
    EXPECT_EQ(queued.Items(), (Strings{"a", "b"}));
}

TEST(StringStackCore, PopAndDeQueueRemoveFromTheirEnds) {
    StringStack list = ListOf({"a", "b", "c"});
    EXPECT_EQ(list.Pop(), "a");
    EXPECT_EQ(list.DeQueue(), "c");
    EXPECT_EQ(list.Values, Stored({"b"}));
    EXPECT_EQ(list.Depth, 1);

    StringStack empties = ListOf({"", "x", ""});
    EXPECT_EQ(empties.Top(), "");
    EXPECT_EQ(empties.Last(), "");
    EXPECT_EQ(empties.DeQueue(), "");
    EXPECT_EQ(empties.Pop(), "");
    EXPECT_EQ(empties.Values, Stored({"x"}));
}

TEST(StringStackCore, HowManyCountsDownOncePerItemRemoved) {
    StringStack two = ListOf({"a", "b"});
    int16_t howMany = 3;
    EXPECT_EQ(two.Pop(howMany), "b");
    EXPECT_EQ(two.Depth, 0);
    EXPECT_EQ(two.Values, "");
    EXPECT_EQ(howMany, 1);

    StringStack three = ListOf({"a", "b", "c"});
    howMany = 2;
    EXPECT_EQ(three.DeQueue(howMany), "b");
    EXPECT_EQ(howMany, 0);
    EXPECT_EQ(three.Values, Stored({"a"}));

    howMany = 0;
    EXPECT_EQ(three.Pop(howMany), std::nullopt);
    EXPECT_EQ(three.Depth, 1);
}

TEST(StringStackCore, NoValueIsIgnoredAndNeverContained) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    list.Push(std::nullopt);
    list.Queue(std::nullopt);
    list.Include(std::nullopt);
    list.Exclude(std::nullopt);
    EXPECT_EQ(SnapshotOf(list), before);
    EXPECT_FALSE(list.Contains(std::nullopt));
}

TEST(StringStackCore, ComparisonIsExact) {
    const StringStack list = ListOf({"Elk", "bear"});
    EXPECT_TRUE(list.Contains("Elk"));
    EXPECT_FALSE(list.Contains("elk"));
    EXPECT_FALSE(list.Contains(" Elk"));
    EXPECT_FALSE(list.Contains("bea"));
    EXPECT_EQ(list.IndexOf("bear "), 0);
}

TEST(StringStackCore, IndexOfAndExcludeOnRepeatedItems) {
    StringStack list = ListOf({"a", "b", "a"});
    EXPECT_EQ(list.IndexOf("a"), 1);
    EXPECT_EQ(list.IndexOf("a", 2), 3);
    EXPECT_EQ(list.IndexOf("a", 4), 0);
    EXPECT_EQ(list.IndexOf("d"), 0);
    EXPECT_EQ(list.IndexOf("a", 0), 1);
    list.Exclude("a");
    EXPECT_EQ(list.Values, Stored({"b", "a"}));
    EXPECT_EQ(list.Depth, 2);
    list.Exclude("d");
    EXPECT_EQ(list.Depth, 2);
}

TEST(StringStackCore, IndexOfCountsEmptyItemsAsPositions) {
    const StringStack list = ListOf({"", "x", "", "y", "x"});
    EXPECT_EQ(list.IndexOf("x"), 2);
    EXPECT_EQ(list.IndexOf("x", 3), 5);
    EXPECT_EQ(list.IndexOf("y"), 4);
}

TEST(StringStackCore, IncludeAddsAtTheFrontOnlyWhenMissing) {
    StringStack list = ListOf({"a"});
    list.Include("a");
    list.Include("b");
    EXPECT_EQ(list.Values, Stored({"b", "a"}));
    EXPECT_EQ(list.Depth, 2);
}

TEST(StringStackCore, EmptyTextMatchesTheBoundaryBetweenTwoItems) {
    StringStack two = ListOf({"a", "b"});
    EXPECT_TRUE(two.Contains(""));
    EXPECT_EQ(two.IndexOf(""), 2);
    EXPECT_EQ(ListOf({"a", "b", "c"}).IndexOf(""), 2);
    const auto before = SnapshotOf(two);
    two.Include("");
    EXPECT_EQ(SnapshotOf(two), before);
    two.Exclude("");
    EXPECT_EQ(SnapshotOf(two), before);

    EXPECT_FALSE(StringStack().Contains(""));
    EXPECT_FALSE(ListOf({"a"}).Contains(""));
    StringStack one = ListOf({"a"});
    one.Include("");
    EXPECT_EQ(one.Values, Stored({"", "a"}));

    StringStack holdingEmpty = ListOf({"a", "", "b"});
    holdingEmpty.Exclude("");
    EXPECT_EQ(holdingEmpty.Depth, 3);
}

TEST(StringStackCore, ListWhoseOnlyItemIsEmpty) {
    StringStack list = ListOf({""});
    EXPECT_EQ(list.Depth, 1);
    EXPECT_FALSE(list.isEmptied());
    EXPECT_EQ(list.asString(), "");
    EXPECT_EQ(list.nth(1), std::nullopt);
    EXPECT_TRUE(list.Items().empty());
    EXPECT_TRUE(list.Contains(""));
    EXPECT_EQ(list.Top(), "");
    EXPECT_EQ(list.Last(), "");
    EXPECT_EQ(list.Pop(), "");
    EXPECT_TRUE(list.isEmptied());
}

TEST(StringStackCore, AssignSplitsTextAtEveryDelimiter) {
    StringStack list = ListOf({"old"});
    list.Assign("x;y", ";");
    EXPECT_EQ(list.Values, Stored({"x", "y"}));
    EXPECT_EQ(list.Depth, 2);

    list.Assign("a,,b");
    EXPECT_EQ(list.Values, Stored({"a", "", "b"}));
    EXPECT_EQ(list.Depth, 3);

    list.Assign(",");
    EXPECT_EQ(list.Values, Stored({"", ""}));
    EXPECT_EQ(list.Depth, 2);

    list.Assign("a<>b<>", "<>");
    EXPECT_EQ(list.Values, Stored({"a", "b", ""}));

    list.Assign("");
    EXPECT_EQ(list.Values, "");
    EXPECT_EQ(list.Depth, 0);
}

TEST(StringStackCore, AssignOfAnotherListCopiesItAsItStands) {
    StringStack source = ListOf({"a", "b"});
    source.Depth = 7; // copied even when it does not match the stored items
    StringStack list = ListOf({"z"});
    list.Assign(source);
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(source));
}

TEST(StringStackCore, ClearEmptiesTheList) {
    StringStack list = ListOf({"a", "b"});
    list.Clear();
    EXPECT_EQ(list.Values, "");
    EXPECT_EQ(list.Depth, 0);
    EXPECT_TRUE(list.isEmptied());
}

TEST(StringStackCore, AsStringJoinsWithoutMarkingDelimitersInItems) {
    const StringStack list = ListOf({"a,b", "", "c"});
    EXPECT_EQ(list.asString(), "a,b,,c");
    EXPECT_EQ(list.asString(" | "), "a,b |  | c");
    EXPECT_EQ(list.asString(""), "a,bc");
}

TEST(StringStackCore, NthReadsOneBasedPositions) {
    const StringStack list = ListOf({"a", "b", "d"});
    EXPECT_EQ(list.nth(1), "a");
    EXPECT_EQ(list.nth(3), "d");
    EXPECT_EQ(list.nth(0), std::nullopt);
    EXPECT_EQ(list.nth(4), std::nullopt);
    EXPECT_EQ(list.nth(-1), std::nullopt);
}

TEST(StringStackCore, SetNthReplacesOrDeletes) {
    StringStack list = ListOf({"a", "b", "d"});
    const auto before = testing::SnapshotOf(list);
    list.SetNth(0, "x");
    list.SetNth(4, "x");
    list.SetNth(4, std::nullopt);
    EXPECT_EQ(SnapshotOf(list), before);

    list.SetNth(2, "x");
    EXPECT_EQ(list.Values, Stored({"a", "x", "d"}));
    EXPECT_EQ(list.Depth, 3);

    list.SetNth(2, std::nullopt);
    EXPECT_EQ(list.Values, Stored({"a", "d"}));
    EXPECT_EQ(list.Depth, 2);

    list.SetNth(1, "");
    EXPECT_EQ(list.Values, Stored({"", "d"}));
}

TEST(StringStackCore, DeletingAlsoRemovesItemsThatAreTheDeletionMark) {
    StringStack list = ListOf({"a", "\x02", "b"});
    list.SetNth(1, std::nullopt);
    EXPECT_EQ(list.Values, Stored({"b"}));
    EXPECT_EQ(list.Depth, 2); // one deletion asked for, one counted
}

TEST(StringStackCore, ItemsSetReplacesStoredItemsButNotDepth) {
    StringStack list;
    list.Items({"x", "y", "z"});
    EXPECT_EQ(list.Values, Stored({"x", "y", "z"}));
    EXPECT_EQ(list.Depth, 0);
    EXPECT_TRUE(list.isEmptied());
    EXPECT_EQ(list.Items(), (Strings{"x", "y", "z"}));

    list.Items({});
    EXPECT_EQ(list.Values, Stored({""}));
    EXPECT_EQ(list.Depth, 0);
}

TEST(StringStackCore, ItemsGetKeepsEmptyItems) {
    EXPECT_EQ(ListOf({"", ""}).Items(), (Strings{"", ""}));
    EXPECT_EQ(ListOf({"a", "", "b", ""}).Items(), (Strings{"a", "", "b", ""}));
}

} // namespace
} // namespace kesta
