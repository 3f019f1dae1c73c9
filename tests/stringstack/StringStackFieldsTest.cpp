#include "StringStackTestSupport.h"

#include <tuple>

namespace kesta {
namespace {

using namespace testing;
using S = StringStack;

TEST(StringStackRecordItems, ReadNamesValuesAndOneField) {
    // Values end at a second "=", and empty names or values are left out.
    const StringStack list = ListOf({"a=1;b=2", "a=x=y;b=2", "=5;b=;c=3"});
    const std::tuple<int16_t, const char*, const char*> rows[] = {
        {1, "a,b", "1,2"}, {2, "a,b", "x,2"}, {3, "b,c", "5,3"}, {0, "", ""}, {4, "", ""}};
    for (const auto& [n, names, values] : rows) {
        EXPECT_EQ(list.GetFieldNames(n), names) << n;
        EXPECT_EQ(list.GetValues(n), values) << n;
    }
    EXPECT_EQ(list.GetFieldValue(1, "b"), "2");
    EXPECT_EQ(list.GetFieldValue(2, "a"), "x");
    EXPECT_EQ(list.GetFieldValue(1, "d"), "");
    EXPECT_EQ(list.GetFieldValue(1, "B"), "");
    EXPECT_EQ(list.GetFieldValue(5, "a"), "");
    std::string name = "  b ";
    EXPECT_EQ(list.GetFieldValue(1, name), "2");
    EXPECT_EQ(name, "b"); // trimmed for the caller
}

TEST(StringStackRecordItems, SetFieldValueMovesTheFieldToTheEnd) {
    const Items start = {"a=1;b=2;d=3"};
    ExpectChanges({
        {"middle", start, [](S& s) { s.SetFieldValue(1, "b", "9"); }, {"a=1;d=3;b=9"}},
        {"first", start, [](S& s) { s.SetFieldValue(1, "a", "7"); }, {"b=2;d=3;a=7"}},
        {"last", start, [](S& s) { s.SetFieldValue(1, "d", "0"); }, {"a=1;b=2;d=0"}},
        {"new", start, [](S& s) { s.SetFieldValue(1, "e", "5"); }, {"a=1;b=2;d=3;e=5"}},
        {"position 0", {"a=1"}, [](S& s) { s.SetFieldValue(0, "a", "2"); }, {"a=1"}},
        {"past the end", {"a=1"}, [](S& s) { s.SetFieldValue(2, "a", "2"); }, {"a=1"}},
        // An item holding only that field, or nothing, becomes just the field.
        {"only field", {"b=2", "x"}, [](S& s) { s.SetFieldValue(1, "b", "9"); }, {"b=9", "x"}},
        {"empty item", {"", "x"}, [](S& s) { s.SetFieldValue(1, "b", "8"); }, {"b=8", "x"}},
        {"field and ;", {"b=1;", "x"}, [](S& s) { s.SetFieldValue(1, "b", "7"); }, {"b=7", "x"}},
    });
    StringStack list = ListOf({"x", "a=1"});
    std::string name = " a  ";
    list.SetFieldValue(2, name, "  4 ");
    EXPECT_EQ(name, "a");
    EXPECT_EQ(SnapshotOf(list), Holding({"x", "a=4"}));
}

TEST(StringStackFieldItems, ReadTheListAsOneRecord) {
    const StringStack list = ListOf({"a=1", "b=2"});
    EXPECT_EQ(list.GetFNames(), (Items{"a", "b"}));
    EXPECT_EQ(list.GetVals(), "1,2");
    EXPECT_EQ(list.GetFVal("b"), "2");
    EXPECT_EQ(list.GetFVal(" b "), "2");
    EXPECT_EQ(list.GetFVal("c"), "");

    const StringStack empties = ListOf({"=1", "a=", "=3", "b="});
    EXPECT_EQ(empties.GetFNames(), (Items{"a", "", "b"}));
    EXPECT_EQ(empties.GetVals(), "1,,3,");

    EXPECT_TRUE(StringStack().GetFNames().empty());
    EXPECT_EQ(StringStack().GetVals(), "");
    EXPECT_EQ(StringStack().GetFVal("a"), "");
}

TEST(StringStackFieldItems, SetFValReplacesTheFrontmostInPlaceOrAddsAtTheBack) {
    ExpectChanges({
        {"replace", {"a=1", "b=2"}, [](S& s) { s.SetFVal("b", "5"); }, {"a=1", "b=5"}},
        {"add", {"a=1", "b=2"}, [](S& s) { s.SetFVal("d", "4"); }, {"a=1", "b=2", "d=4"}},
        {"frontmost, trimmed",
         {"b=1", "a=2", "b=3"},
         [](S& s) { s.SetFVal("  b ", " 7 "); },
         {"b=7", "a=2", "b=3"}},
        {"empty list", {}, [](S& s) { s.SetFVal("a", "1"); }, {"a=1"}},
    });
}

} // namespace
} // namespace kesta
