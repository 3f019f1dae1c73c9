// Misuse, inconsistent stored texts and the 16-bit limits: each failure raises its kind and
// leaves the list exactly as it was.
#include "StringStackTestSupport.h"

namespace kesta {
namespace {

using namespace testing;
using S = StringStack;
constexpr ErrorKind Invalid = ErrorKind::InvalidProcedureCall;
constexpr ErrorKind Subscript = ErrorKind::SubscriptOutOfRange;
constexpr ErrorKind Overflow = ErrorKind::Overflow;

// A list of 32,767 empty items: the most a 16-bit Depth holds.
StringStack FullList() {
    StringStack list;
    list.Assign(std::string(32766, ','));
    return list;
}

TEST(StringStackErrors, PositionalReadsOfTheEmptyStoredText) {
    ExpectFailures(StringStack(),
                   {{"Items", [](S& s) { s.Items(); }, Invalid},
                    {"nth", [](S& s) { s.nth(1); }, Invalid},
                    {"SetNth", [](S& s) { s.SetNth(1, "a"); }, Invalid},
                    {"delete", [](S& s) { s.SetNth(1, std::nullopt); }, Invalid},
                    {"names", [](S& s) { s.GetFieldNames(1); }, Invalid},
                    {"values", [](S& s) { s.GetValues(1); }, Invalid},
                    {"field", [](S& s) { s.GetFieldValue(1, "a"); }, Invalid},
                    {"set field", [](S& s) { s.SetFieldValue(1, "a", "1"); }, Invalid}});
}

TEST(StringStackErrors, RemovingPastTheStoredItems) {
    // Deleting next to an item that is exactly the deletion mark removes both but counts one,
    // so the stored text holds fewer items than Depth.
    StringStack shortOfItems = ListOf({"a", "\x02", "b"});
    shortOfItems.SetNth(1, std::nullopt);
    ASSERT_EQ(SnapshotOf(shortOfItems), (Snapshot{Stored({"b"}), 2}));
    StringStack depthWritten = ListOf({"a"});
    depthWritten.Depth = 3;
    for (const StringStack& list : {shortOfItems, depthWritten}) {
        int16_t howMany = list.Depth;
        ExpectFailures(list, {{"pop", [&](S& s) { s.Pop(howMany); }, Invalid},
                              {"dequeue", [&](S& s) { s.DeQueue(howMany); }, Invalid}});
        EXPECT_EQ(howMany, list.Depth);
    }
    EXPECT_EQ(shortOfItems.Pop(), "b");
    ExpectFailures(shortOfItems, {{"pop", [](S& s) { s.Pop(); }, Invalid},
                                  {"dequeue", [](S& s) { s.DeQueue(); }, Invalid},
                                  {"top", [](S& s) { s.Top(); }, Invalid},
                                  {"last", [](S& s) { s.Last(); }, Invalid}});
}

TEST(StringStackErrors, EmptyFieldsAndMissingValuesInRecords) {
    const StringStack list = ListOf({"a=1;;b=2", "a;b=2", ";b=2", "b=1;;c"});
    ExpectFailures(list, {{"names 1", [](S& s) { s.GetFieldNames(1); }, Subscript},
                          {"values 1", [](S& s) { s.GetValues(1); }, Subscript},
                          {"b in 1", [](S& s) { s.GetFieldValue(1, "b"); }, Subscript},
                          {"values 2", [](S& s) { s.GetValues(2); }, Subscript},
                          {"a in 2", [](S& s) { s.GetFieldValue(2, "a"); }, Subscript},
                          {"names 3", [](S& s) { s.GetFieldNames(3); }, Subscript}});
    EXPECT_EQ(list.GetFieldValue(1, "a"), "1"); // matched before the empty field
    EXPECT_EQ(list.GetFieldNames(2), "a,b");
    EXPECT_EQ(list.GetFieldValue(2, "b"), "2");
    EXPECT_EQ(list.GetFieldValue(4, "b"), "1");
}

TEST(StringStackErrors, EmptyItemsAndMissingValuesInFieldItems) {
    for (const Items& items : {Items{"a=1", ""}, Items{""}}) {
        ExpectFailures(ListOf(items), {{"names", [](S& s) { s.GetFNames(); }, Subscript},
                                       {"values", [](S& s) { s.GetVals(); }, Subscript},
                                       {"field", [](S& s) { s.GetFVal("b"); }, Subscript},
                                       {"set", [](S& s) { s.SetFVal("b", "2"); }, Subscript}});
    }
    EXPECT_EQ(ListOf({"a=1", ""}).GetFVal("a"), "1");
    const StringStack bare = ListOf({"a", "b=2"});
    ExpectFailures(bare, {{"values", [](S& s) { s.GetVals(); }, Subscript},
                          {"field", [](S& s) { s.GetFVal("a"); }, Subscript}});
    EXPECT_EQ(bare.GetFNames(), (Items{"a", "b"}));
    EXPECT_EQ(bare.GetFVal("b"), "2");
}

TEST(StringStackLimits, DepthStopsAt32767) {
    StringStack list;
    for (int i = 0; i < 32767; ++i)
        list.Queue("");
    EXPECT_EQ(SnapshotOf(list), Holding(Items(32767, "")));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(FullList()));
    ExpectFailures(list, {{"queue", [](S& s) { s.Queue("x"); }, Overflow},
                          {"push", [](S& s) { s.Push("x"); }, Overflow},
                          {"include", [](S& s) { s.Include("x"); }, Overflow},
                          {"set field", [](S& s) { s.SetFVal("x", "1"); }, Subscript},
                          {"unite", [](S& s) { s.Unite(ListOf({"x"})); }, Overflow},
                          {"difference", [](S& s) { s.Difference(ListOf({"x"})); }, Overflow}});
    ExpectFailures(ListOf({"x"}),
                   {{"difference", [](S& s) { s.Difference(FullList()); }, Overflow},
                    {"assign", [](S& s) { s.Assign(std::string(32767, ',')); }, Overflow}});
}

TEST(StringStackLimits, PositionalOperationsNeedAStoredTextOf32767AtMost) {
    const std::string longest(32765, 'x'); // wrapped: 32,767 characters
    const StringStack fits = ListOf({longest});
    EXPECT_EQ(fits.Top(), longest);
    EXPECT_EQ(fits.Last(), longest);
    EXPECT_EQ(fits.IndexOf(longest), 1);

    const std::string tooLong(32766, 'x');
    const StringStack list = ListOf({tooLong});
    ExpectFailures(list, {{"top", [](S& s) { s.Top(); }, Overflow},
                          {"last", [](S& s) { s.Last(); }, Overflow},
                          {"pop", [](S& s) { s.Pop(); }, Overflow},
                          {"dequeue", [](S& s) { s.DeQueue(); }, Overflow},
                          {"index", [](S& s) { s.IndexOf("y"); }, Overflow},
                          {"exclude", [&](S& s) { s.Exclude(tooLong); }, Overflow}});
    // Operations that hold no positions still work on it.
    EXPECT_TRUE(list.Contains(tooLong));
    EXPECT_EQ(list.nth(1), tooLong);
    EXPECT_EQ(list.asString(), tooLong);
}

} // namespace
} // namespace kesta
