#include "StringStackTestSupport.h"

namespace kesta {
namespace {

using namespace testing;
using S = StringStack;

TEST(StringStackCore, NewListIsEmptyAndReadsGiveNoValue) {
    const StringStack list;
    EXPECT_EQ(SnapshotOf(list), Holding({}));
    EXPECT_TRUE(list.isEmptied());
    EXPECT_EQ(list.asString(), "");
    EXPECT_EQ(list.asString(" and "), "");
    EXPECT_EQ(list.Top(), std::nullopt);
    EXPECT_EQ(list.Last(), std::nullopt);
    EXPECT_FALSE(list.Contains("a"));
    EXPECT_FALSE(list.Contains(""));
}

TEST(StringStackCore, StoredFormWrapsEveryItemInCodeOne) {
    EXPECT_EQ(ListOf({"elk", "bear"}).Values, std::string("\x01"
                                                          "elk\x01\x01"
                                                          "bear\x01"));
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
    const StringStack queued = ListOf({"a", "b"});
    EXPECT_EQ(queued.Top(), "a");
    EXPECT_EQ(queued.Last(), "b");
}

TEST(StringStackCore, PopAndDeQueueRemoveFromTheirEnds) {
    struct Row {
        const char* what;
        Items start;
        bool pop;
        int16_t howMany;
        Item returned;
        int16_t left;
        Items after;
    };
    const Row rows[] = {
        {"pop", {"a", "b", "c"}, true, 1, "a", 0, {"b", "c"}},
        {"dequeue", {"a", "b", "c"}, false, 1, "c", 0, {"a", "b"}},
        {"pop an empty item", {"", "x", ""}, true, 1, "", 0, {"x", ""}},
        {"dequeue an empty item", {"", "x", ""}, false, 1, "", 0, {"", "x"}},
        {"pop the only empty item", {""}, true, 1, "", 0, {}},
        // HowMany counts down once per item removed; the last one removed is returned.
        {"pop 3 of 2", {"a", "b"}, true, 3, "b", 1, {}},
        {"dequeue 2", {"a", "b", "c"}, false, 2, "b", 0, {"a"}},
        {"pop none", {"a"}, true, 0, std::nullopt, 0, {"a"}},
        {"pop from empty", {}, true, 1, std::nullopt, 1, {}},
        {"dequeue from empty", {}, false, 1, std::nullopt, 1, {}},
    };
    for (const Row& r : rows) {
        StringStack list = ListOf(r.start);
        int16_t howMany = r.howMany;
        EXPECT_EQ(r.pop ? list.Pop(howMany) : list.DeQueue(howMany), r.returned) << r.what;
        EXPECT_EQ(howMany, r.left) << r.what;
        EXPECT_EQ(SnapshotOf(list), Holding(r.after)) << r.what;
    }
    StringStack list = ListOf({"a", "b", "c"});
    EXPECT_EQ(list.Pop(), "a");
    EXPECT_EQ(list.DeQueue(), "c");
}

TEST(StringStackCore, ChangesLeaveTheExpectedItems) {
    ExpectChanges({
        {"push no value", {"a"}, [](S& s) { s.Push(std::nullopt); }, {"a"}},
        {"queue no value", {"a"}, [](S& s) { s.Queue(std::nullopt); }, {"a"}},
        {"include no value", {"a"}, [](S& s) { s.Include(std::nullopt); }, {"a"}},
        {"exclude no value", {"a"}, [](S& s) { s.Exclude(std::nullopt); }, {"a"}},
        {"include a held item", {"a"}, [](S& s) { s.Include("a"); }, {"a"}},
        {"include a missing item", {"a"}, [](S& s) { s.Include("b"); }, {"b", "a"}},
        {"exclude the first copy", {"a", "b", "a"}, [](S& s) { s.Exclude("a"); }, {"b", "a"}},
        {"exclude a missing item", {"a", "b"}, [](S& s) { s.Exclude("d"); }, {"a", "b"}},
        // "" matches the boundary between two items, so it counts as held there.
        {"include \"\" at a boundary", {"a", "b"}, [](S& s) { s.Include(""); }, {"a", "b"}},
        {"exclude \"\" at a boundary", {"a", "b"}, [](S& s) { s.Exclude(""); }, {"a", "b"}},
        {"exclude \"\" held", {"a", "", "b"}, [](S& s) { s.Exclude(""); }, {"a", "", "b"}},
        {"include \"\" into one item", {"a"}, [](S& s) { s.Include(""); }, {"", "a"}},
        {"assign splits", {"old"}, [](S& s) { s.Assign("x;y", ";"); }, {"x", "y"}},
        {"assign keeps empty pieces", {}, [](S& s) { s.Assign("a,,b"); }, {"a", "", "b"}},
        {"assign a lone delimiter", {}, [](S& s) { s.Assign(","); }, {"", ""}},
        {"assign with <>", {}, [](S& s) { s.Assign("a<>b<>", "<>"); }, {"a", "b", ""}},
        {"assign \"\"", {"a"}, [](S& s) { s.Assign(""); }, {}},
        {"clear", {"a", "b"}, [](S& s) { s.Clear(); }, {}},
        {"set nth", {"a", "b", "d"}, [](S& s) { s.SetNth(2, "x"); }, {"a", "x", "d"}},
        {"set nth to \"\"", {"a", "b"}, [](S& s) { s.SetNth(1, ""); }, {"", "b"}},
        {"set nth deletes", {"a", "b", "d"}, [](S& s) { s.SetNth(2, std::nullopt); }, {"a", "d"}},
        {"set nth 0", {"a", "b"}, [](S& s) { s.SetNth(0, "x"); }, {"a", "b"}},
        {"set nth past the end", {"a", "b"}, [](S& s) { s.SetNth(3, "x"); }, {"a", "b"}},
        {"delete past the end", {"a", "b"}, [](S& s) { s.SetNth(3, std::nullopt); }, {"a", "b"}},
    });
}

TEST(StringStackCore, IndexOfCountsItemsFromOne) {
    struct Row {
        Items items;
        std::string text;
        int16_t startAt, index;
    };
    const Row rows[] = {
        {{"Elk", "bear"}, "bear", 1, 2},      {{"Elk", "bear"}, "bear ", 1, 0},
        {{"Elk", "bear"}, "elk", 1, 0},       {{"Elk", "bear"}, "bea", 1, 0},
        {{"a", "b", "a"}, "a", 1, 1},         {{"a", "b", "a"}, "a", 2, 3},
        {{"a", "b", "a"}, "a", 4, 0},         {{"a", "b", "a"}, "a", 0, 1},
        {{"", "x", "", "y", "x"}, "x", 1, 2}, {{"", "x", "", "y", "x"}, "x", 3, 5},
        {{"", "x", "", "y", "x"}, "y", 1, 4}, {{"a", "b"}, "", 1, 2},
        {{"a", "b", "c"}, "", 1, 2},          {{}, "a", 1, 0},
    };
    for (const Row& r : rows) {
        const StringStack list = ListOf(r.items);
        EXPECT_EQ(list.IndexOf(r.text, r.startAt), r.index)
            << ListOf(r.items).asString() << " / \"" << r.text << "\" from " << r.startAt;
        if (r.startAt == 1) {
            EXPECT_EQ(list.Contains(r.text), r.index != 0) << list.asString();
        }
    }
    EXPECT_FALSE(ListOf({"a"}).Contains(""));
    EXPECT_FALSE(ListOf({"a"}).Contains(std::nullopt));
}

TEST(StringStackCore, ListWhoseOnlyItemIsEmpty) {
    const StringStack list = ListOf({""});
    EXPECT_EQ(list.Depth, 1);
    EXPECT_FALSE(list.isEmptied());
    EXPECT_EQ(list.asString(), "");
    EXPECT_EQ(list.nth(1), std::nullopt);
    EXPECT_TRUE(list.Items().empty());
    EXPECT_TRUE(list.Contains(""));
    EXPECT_EQ(list.Top(), "");
    EXPECT_EQ(list.Last(), "");
}

TEST(StringStackCore, AssignOfAnotherListCopiesItAsItStands) {
    StringStack source = ListOf({"a", "b"});
    source.Depth = 7; // copied even when it does not match the stored items
    StringStack list = ListOf({"z"});
    list.Assign(source);
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(source));
}

TEST(StringStackCore, AsStringAndNthReadItems) {
    const StringStack list = ListOf({"a,b", "", "c"});
    EXPECT_EQ(list.asString(), "a,b,,c"); // delimiters inside items are not marked
    EXPECT_EQ(list.asString(" | "), "a,b |  | c");
    EXPECT_EQ(list.asString(""), "a,bc");
    EXPECT_EQ(list.nth(1), "a,b");
    EXPECT_EQ(list.nth(3), "c");
    for (int16_t n : {0, 4, -1})
        EXPECT_EQ(list.nth(n), std::nullopt) << n;
}

TEST(StringStackCore, ItemsReadAndReplaceTheStoredItems) {
    EXPECT_EQ(ListOf({"a", "", "b", ""}).Items(), (Items{"a", "", "b", ""}));
    StringStack list;
    list.Items({"x", "y", "z"});
    EXPECT_EQ(SnapshotOf(list), (Snapshot{Stored({"x", "y", "z"}), 0})); // Depth left alone
    EXPECT_TRUE(list.isEmptied());
    EXPECT_EQ(list.Items(), (Items{"x", "y", "z"}));
    list.Items({});
    EXPECT_EQ(list.Values, Stored({""}));
}

} // namespace
} // namespace kesta
