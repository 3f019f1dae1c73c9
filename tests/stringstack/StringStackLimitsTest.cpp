// Misuse, inconsistent stored texts and the 16-bit limits: each failure raises its kind and
// leaves the list exactly as it was.
#include "StringStackTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using testing::KindRaisedBy;
using testing::ListOf;
using testing::SnapshotOf;
using testing::Stored;

// A list of 32,767 empty items: the most a 16-bit Depth holds.
StringStack FullList() {
    StringStack list;
    list.Assign(std::string(32766, ','));
    return list;
}

TEST(StringStackErrors, PositionalReadsOfTheEmptyStoredText) {
    StringStack list;
    EXPECT_EQ(KindRaisedBy([&] { list.Items(); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.nth(1); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.SetNth(1, "a"); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.SetNth(1, std::nullopt); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldNames(1); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.GetValues(1); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldValue(1, "a"); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.SetFieldValue(1, "a", "1"); }),
              ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(StringStack()));
}

// Deleting an item next to one that is exactly the deletion mark removes both but counts one,
// so the stored text holds fewer items than Depth.
StringStack ShortOfItems() {
    StringStack list = ListOf({"a", "\x02", "b"});
    list.SetNth(1, std::nullopt);
    return list;
}

TEST(StringStackErrors, PopAndDeQueuePastTheStoredItemsFailWithoutChange) {
    StringStack list = ShortOfItems();
    ASSERT_EQ(list.Depth, 2);
    const auto before = SnapshotOf(list);
    int16_t howMany = 2;
    EXPECT_EQ(KindRaisedBy([&] { list.Pop(howMany); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(howMany, 2);
    EXPECT_EQ(KindRaisedBy([&] { list.DeQueue(howMany); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(howMany, 2);
    EXPECT_EQ(SnapshotOf(list), before);

    EXPECT_EQ(list.Pop(), "b");
    EXPECT_EQ(list.Depth, 1);
    const auto drained = SnapshotOf(list);
    EXPECT_EQ(KindRaisedBy([&] { list.Pop(); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.DeQueue(); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.Top(); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.Last(); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(SnapshotOf(list), drained);
}

TEST(StringStackErrors, DepthWrittenPastTheStoredItems) {
    StringStack list = ListOf({"a"});
    list.Depth = 3;
    const auto before = SnapshotOf(list);
    int16_t howMany = 3;
    EXPECT_EQ(KindRaisedBy([&] { list.Pop(howMany); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindRaisedBy([&] { list.DeQueue(howMany); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(howMany, 3);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST(StringStackErrors, EmptyFieldsAndMissingValuesInRecords) {
    StringStack list = ListOf({"a=1;;b=2", "a;b=2", ";b=2", "b=1;;c"});
    const auto before = SnapshotOf(list);
    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldNames(1); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { list.GetValues(1); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldValue(1, "b"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(list.GetFieldValue(1, "a"), "1"); // matched before the empty field

    EXPECT_EQ(list.GetFieldNames(2), "a,b");
    EXPECT_EQ(KindRaisedBy([&] { list.GetValues(2); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldValue(2, "a"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(list.GetFieldValue(2, "b"), "2");

    EXPECT_EQ(KindRaisedBy([&] { list.GetFieldNames(3); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(list.GetFieldValue(4, "b"), "1");
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST(StringStackErrors, EmptyItemsAndMissingValuesInFieldItems) {
    StringStack withEmpty = ListOf({"a=1", ""});
    const auto before = SnapshotOf(withEmpty);
    EXPECT_EQ(KindRaisedBy([&] { withEmpty.GetFNames(); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { withEmpty.GetVals(); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { withEmpty.GetFVal("b"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { withEmpty.SetFVal("b", "2"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(withEmpty.GetFVal("a"), "1");
    EXPECT_EQ(SnapshotOf(withEmpty), before);

    StringStack onlyEmpty = ListOf({""});
    EXPECT_EQ(KindRaisedBy([&] { onlyEmpty.GetFNames(); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { onlyEmpty.SetFVal("a", "1"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(SnapshotOf(onlyEmpty), SnapshotOf(ListOf({""})));

    const StringStack bare = ListOf({"a", "b=2"});
    EXPECT_EQ(bare.GetFNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(KindRaisedBy([&] { bare.GetVals(); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { bare.GetFVal("a"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(bare.GetFVal("b"), "2");
}

TEST(StringStackLimits, DepthStopsAt32767) {
    StringStack list;
    for (int i = 0; i < 32767; ++i)
        list.Queue("");
    EXPECT_EQ(list.Depth, 32767);
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(FullList()));

    const auto before = SnapshotOf(list);
    EXPECT_EQ(KindRaisedBy([&] { list.Queue("x"); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { list.Push("x"); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { list.Include("x"); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { list.SetFVal("x", "1"); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST(StringStackLimits, AssignOfMorePiecesThanADepthHolds) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    EXPECT_EQ(KindRaisedBy([&] { list.Assign(std::string(32767, ',')); }), ErrorKind::Overflow);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST(StringStackLimits, SetOperationsThatWouldOverflowChangeNothing) {
    StringStack full = FullList();
    const auto before = SnapshotOf(full);
    EXPECT_EQ(KindRaisedBy([&] { full.Unite(ListOf({"x"})); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { full.Difference(ListOf({"x"})); }), ErrorKind::Overflow);
    EXPECT_EQ(SnapshotOf(full), before);

    StringStack one = ListOf({"x"});
    EXPECT_EQ(KindRaisedBy([&] { one.Difference(FullList()); }), ErrorKind::Overflow);
    EXPECT_EQ(SnapshotOf(one), SnapshotOf(ListOf({"x"})));
}

TEST(StringStackLimits, PositionalOperationsNeedAStoredTextOf32767AtMost) {
    StringStack longest = ListOf({std::string(32765, 'x')});
    ASSERT_EQ(longest.Values.size(), 32767u);
    EXPECT_EQ(longest.Top(), std::string(32765, 'x'));
    EXPECT_EQ(longest.Last(), std::string(32765, 'x'));
    EXPECT_EQ(longest.IndexOf(std::string(32765, 'x')), 1);

    StringStack tooLong = ListOf({std::string(32766, 'x')});
    ASSERT_EQ(tooLong.Values.size(), 32768u);
    const auto before = SnapshotOf(tooLong);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.Top(); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.Last(); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.Pop(); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.DeQueue(); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.IndexOf("y"); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { tooLong.Exclude(std::string(32766, 'x')); }), ErrorKind::Overflow);
    EXPECT_EQ(SnapshotOf(tooLong), before);

    // Operations that hold no positions still work on it.
    EXPECT_TRUE(tooLong.Contains(std::string(32766, 'x')));
    EXPECT_EQ(tooLong.nth(1), std::string(32766, 'x'));
    EXPECT_EQ(tooLong.asString().size(), 32766u);
}

TEST(StringStackOnlyEmptyItem, SetOperationsReadTheItemReallyThere) {
    StringStack subtracted = ListOf({""});
    subtracted.Subtract(ListOf({"x"}));
    EXPECT_EQ(SnapshotOf(subtracted), SnapshotOf(ListOf({""})));
    subtracted.Subtract(ListOf({"a", "b"})); // "" matches their boundary
    EXPECT_EQ(SnapshotOf(subtracted), SnapshotOf(StringStack()));

    StringStack intersected = ListOf({""});
    intersected.Intersect(ListOf({""}));
    EXPECT_EQ(SnapshotOf(intersected), SnapshotOf(ListOf({""})));
    intersected.Intersect(ListOf({"x"}));
    EXPECT_EQ(SnapshotOf(intersected), SnapshotOf(StringStack()));

    StringStack differed = ListOf({""});
    differed.Difference(ListOf({"x"}));
    EXPECT_EQ(SnapshotOf(differed), SnapshotOf(ListOf({"", "x"})));

    StringStack united = ListOf({"a"});
    united.Unite(ListOf({""}));
    EXPECT_EQ(SnapshotOf(united), SnapshotOf(ListOf({"a", ""})));
}

TEST(StringStackSelf, SetOperationsReadTheListAsItWasAtTheCall) {
    const StringStack original = ListOf({"a", "b", "a"});

    StringStack subtracted = original;
    subtracted.Subtract(subtracted);
    EXPECT_EQ(SnapshotOf(subtracted), SnapshotOf(StringStack()));

    StringStack intersected = original;
    intersected.Intersect(intersected);
    EXPECT_EQ(SnapshotOf(intersected), SnapshotOf(original));

    StringStack united = original;
    united.Unite(united);
    EXPECT_EQ(SnapshotOf(united), SnapshotOf(original));

    StringStack differed = original;
    differed.Difference(differed);
    EXPECT_EQ(SnapshotOf(differed), SnapshotOf(StringStack()));
}

TEST(StringStackFieldOnly, SetFieldValueOnAnItemHoldingOnlyThatField) {
    StringStack list = ListOf({"b=2", "", "b=1;", "x"});
    list.SetFieldValue(1, "b", "9");
    list.SetFieldValue(2, "b", "8");
    list.SetFieldValue(3, "b", "7");
    EXPECT_EQ(list.Values, Stored({"b=9", "b=8", "b=7", "x"}));
    for (int16_t n = 1; n <= 3; ++n) {
        EXPECT_EQ(list.GetFieldNames(n), "b");
        EXPECT_EQ(list.GetFieldValue(n, "b"), std::string(1, static_cast<char>('0' + 10 - n)));
    }
    EXPECT_EQ(list.GetValues(1), "9");
}

} // namespace
} // namespace kesta
