#include "StringStackTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using testing::ListOf;
using testing::Stored;
using Strings = std::vector<std::string>;

TEST(StringStackRecordItems, ReadNamesValuesAndOneField) {
    const StringStack list = ListOf({"a=1;b=2", "other"});
    EXPECT_EQ(list.GetFieldNames(1), "a,b");
    EXPECT_EQ(list.GetValues(1), "1,2");
    EXPECT_EQ(list.GetFieldValue(1, "b"), "2");
    EXPECT_EQ(list.GetFieldValue(1, "d"), "");
    EXPECT_EQ(list.GetFieldValue(1, "B"), "");
}

TEST(StringStackRecordItems, FieldNameIsTrimmedForTheCaller) {
    const StringStack list = ListOf({"a=1;b=2"});
    std::string name = "  b ";
    EXPECT_EQ(list.GetFieldValue(1, name), "2");
    EXPECT_EQ(name, "b");
}

TEST(StringStackRecordItems, ValueEndsAtASecondEqualsSign) {
    const StringStack list = ListOf({"a=x=y;b=2"});
    EXPECT_EQ(list.GetFieldValue(1, "a"), "x");
    EXPECT_EQ(list.GetValues(1), "x,2");
}

TEST(StringStackRecordItems, EmptyNamesAndValuesAreLeftOut) {
    const StringStack list = ListOf({"=5;b=;c=3"});
    EXPECT_EQ(list.GetFieldNames(1), "b,c");
    EXPECT_EQ(list.GetValues(1), "5,3");
}

TEST(StringStackRecordItems, SetFieldValueMovesTheFieldToTheEnd) {
    StringStack list = ListOf({"a=1;b=2;d=3"});
    list.SetFieldValue(1, "b", "9");
    EXPECT_EQ(list.nth(1), "a=1;d=3;b=9");

    list.Assign(ListOf({"a=1;b=2;d=3"}));
    list.SetFieldValue(1, "e", "5");
    EXPECT_EQ(list.nth(1), "a=1;b=2;d=3;e=5");

    list.Assign(ListOf({"a=1;b=2;d=3"}));
    list.SetFieldValue(1, "a", "7");
    EXPECT_EQ(list.nth(1), "b=2;d=3;a=7");

    list.Assign(ListOf({"a=1;b=2;d=3"}));
    list.SetFieldValue(1, "d", "0");
    EXPECT_EQ(list.nth(1), "a=1;b=2;d=0");
    EXPECT_EQ(list.Depth, 1);
}

TEST(StringStackRecordItems, SetFieldValueTrimsNameAndValue) {
    StringStack list = ListOf({"x", "a=1"});
    std::string name = " a  ";
    list.SetFieldValue(2, name, "  4 ");
    EXPECT_EQ(name, "a");
    EXPECT_EQ(list.Values, Stored({"x", "a=4"}));
}

TEST(StringStackRecordItems, PositionOutOfRangeReadsTheEmptyRecord) {
    StringStack list = ListOf({"a=1"});
    EXPECT_EQ(list.GetFieldNames(2), "");
    EXPECT_EQ(list.GetValues(0), "");
    EXPECT_EQ(list.GetFieldValue(5, "a"), "");
    list.SetFieldValue(2, "a", "1");
    list.SetFieldValue(0, "a", "1");
    EXPECT_EQ(testing::SnapshotOf(list), testing::SnapshotOf(ListOf({"a=1"})));
}

TEST(StringStackFieldItems, ReadAndSetTheListAsOneRecord) {
    StringStack list = ListOf({"a=1", "b=2"});
    EXPECT_EQ(list.GetFNames(), (Strings{"a", "b"}));
    EXPECT_EQ(list.GetVals(), "1,2");
    EXPECT_EQ(list.GetFVal("b"), "2");
    EXPECT_EQ(list.GetFVal(" b "), "2");
    EXPECT_EQ(list.GetFVal("c"), "");

    list.SetFVal("b", "5");
    EXPECT_EQ(list.Last(), "b=5");
    EXPECT_EQ(list.Depth, 2);
    list.SetFVal("d", "4");
    EXPECT_EQ(list.Values, Stored({"a=1", "b=5", "d=4"}));
    EXPECT_EQ(list.Depth, 3);
}

TEST(StringStackFieldItems, SetFValReplacesTheFrontmostInPlace) {
    StringStack list = ListOf({"b=1", "a=2", "b=3"});
    list.SetFVal("  b ", " 7 ");
    EXPECT_EQ(list.Values, Stored({"b=7", "a=2", "b=3"}));
}

TEST(StringStackFieldItems, EmptyListHasNoFields) {
    StringStack list;
    EXPECT_TRUE(list.GetFNames().empty());
    EXPECT_EQ(list.GetVals(), "");
    EXPECT_EQ(list.GetFVal("a"), "");
    list.SetFVal("a", "1");
    EXPECT_EQ(list.Values, Stored({"a=1"}));
    EXPECT_EQ(list.Depth, 1);
}

TEST(StringStackFieldItems, EmptyNamesAndValuesFollowTheJoinRule) {
    const StringStack list = ListOf({"=1", "a=", "=3", "b="});
    EXPECT_EQ(list.GetFNames(), (Strings{"a", "", "b"}));
    EXPECT_EQ(list.GetVals(), "1,,3,");
}

} // namespace
} // namespace kesta
