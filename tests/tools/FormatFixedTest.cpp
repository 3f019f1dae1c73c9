#include "tests/common/ErrorKindOf.h"
#include "tools/Tools.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using Tools::FormatFixed;

TEST(FormatFixed, WorkedResults) {
    struct Row {
        double number;
        int16_t decimals, width;
        const char* text;
    };
    // Halves round away from zero; -1 gives "" before any other rule; a negative or too small
    // width sets no field; texts in exponent form are returned as they are, then fitted.
    const Row rows[] = {
        {3.14159, 2, 0, "3.14"},   {120, 1, 8, "   120.0"},    {7, 2, 6, "  7.00"},
        {0, 2, 0, "0.00"},         {0.25, 1, 0, "0.2"},        {2.25, 1, 0, "2.2"},
        {2.5, 0, 0, "3"},          {-2.5, 0, 0, "-3"},         {0.5, 0, 0, "1"},
        {1.5, 0, 0, "2"},          {-0.5, 0, 0, "-1"},         {2.4996, 0, 0, "3"},
        {7.4, 0, 0, "7"},          {12345.678, 2, 5, "12345"}, {-0.001, 2, 0, "0.00"},
        {-1, 3, 10, ""},           {-1, -5, -5, ""},           {-1.0000001, 2, 0, "-1.00"},
        {5, 3, 0, "5.000"},        {5.25, 1, -4, "5.2"},       {5.25, 1, 3, "5.2"},
        {5000, 1, 8, "  5000.0"},  {3, 1, 8, "     3.0"},      {1e20, 2, 0, "1E+20.00"},
        {1.5e20, 0, 0, "1.5E+20"}, {1.5e20, 1, 0, "1.5E+20"},  {1.5e20, 1, 10, "   1.5E+20"},
        {1.5e20, 1, 4, "1.5E"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FormatFixed(r.number, r.decimals, r.width), r.text)
            << r.number << " " << r.decimals << " " << r.width;
    }
    EXPECT_EQ(FormatFixed(1, 32764, 3).size(), 3u);
    EXPECT_EQ(test::KindOf([] { FormatFixed(1, -1, 0); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(test::KindOf([] { FormatFixed(1, 32765, 0); }), ErrorKind::Overflow);
}

TEST(FormatFixed, MassEntriesSortByValue) {
    // The game lists rely on eight-character right-justified masses sorting as numbers.
    EXPECT_LT(FormatFixed(65, 1, 8), FormatFixed(120, 1, 8));
    EXPECT_LT(FormatFixed(999, 1, 8), FormatFixed(1000, 1, 8));
    EXPECT_LT(FormatFixed(3, 1, 8), FormatFixed(5000, 1, 8));
}

} // namespace
} // namespace kesta
