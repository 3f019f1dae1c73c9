// Two reports line against line.
#include "compare/SideBySide.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using Lines = std::vector<std::string>;

// Rows written "a|b" with "-" for padding and a leading "*" for a row that differs.
Lines Shown(const std::vector<AlignedRow>& rows) {
    Lines shown;
    for (const AlignedRow& row : rows)
        shown.push_back(std::string(row.differs ? "*" : "") + row.a.value_or("-") + "|" +
                        row.b.value_or("-"));
    return shown;
}

TEST(SideBySide, CommonLinesShareARow) {
    struct Case {
        Lines a, b, rows;
    };
    const std::vector<Case> cases = {
        {{"x", "y"}, {"x", "y"}, {"x|x", "y|y"}},
        {{}, {}, {}},
        {{"x", "y"}, {}, {"*x|-", "*y|-"}},
        {{}, {"x"}, {"*-|x"}},
        // A changed line pairs with its replacement.
        {{"h", "1", "t"}, {"h", "2", "t"}, {"h|h", "*1|2", "t|t"}},
        // An extra line on one side is padded on the other.
        {{"h", "t"}, {"h", "new", "t"}, {"h|h", "*-|new", "t|t"}},
        // A longer list on one side: its extra line is padded, the rest pair up.
        {{"S", "a", "b", "", "M", "c"},
         {"S", "a", "b", "c2", "", "M"},
         {"S|S", "a|a", "b|b", "*-|c2", "|", "M|M", "*c|-"}},
        // A report that stopped: the lines after the stop stand alone.
        {{"1", "2", "3"}, {"1"}, {"1|1", "*2|-", "*3|-"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(AlignLines(c.a, c.b)), c.rows) << c.a.size() << "/" << c.b.size();
}

TEST(SideBySide, SplitLines) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\nb"), (Lines{"a", "b"}));
}

} // namespace
} // namespace kesta
