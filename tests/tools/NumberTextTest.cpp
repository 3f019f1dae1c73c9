#include "tools/NumberText.h"
#include "tests/common/ErrorKindOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace kesta {
namespace {

using test::KindOf;

TEST(HoldsNumber, AcceptsPlainDecimalFormsOnly) {
    for (const char* t : {"300", " 300 ", "-.5", "1e5", "+2.", "0", "007", "1.5E-3", "  -12.25e+02",
                          ".5", "5.", "1E400"}) {
        EXPECT_TRUE(HoldsNumber(t)) << '"' << t << '"';
    }
    for (const char* t : {"",      " ",   ",",   "300abc", "1,5",   "0x10", "inf",   "nan",
                          "-",     "+",   ".",   "1e",     "1e+",   "e5",   "1.2.3", "$5",
                          "1 000", "\t5", "5\n", "--5",    "1e5.5", "١٢",   "1_000", "Infinity"}) {
        EXPECT_FALSE(HoldsNumber(t)) << '"' << t << '"';
    }
}

TEST(ToNumber, ConvertsCorrectlyRoundedOrFailsWithTheRightKind) {
    const std::pair<const char*, double> rows[] = {
        {" 300 ", 300}, {"-.5", -0.5}, {"+2.", 2},      {"1e5", 100000},      {"711.2", 711.2},
        {"0.1", 0.1},   {"1e-400", 0}, {"0e999999", 0}, {"0.000001e-320", 0}, {"0.001e311", 1e308}};
    for (const auto& [text, number] : rows)
        EXPECT_EQ(ToNumber(text), number) << text;
    for (const char* t : {"", ",", "300abc", "1,5", "inf"})
        EXPECT_EQ(KindOf([&] { ToNumber(t); }), ErrorKind::TypeMismatch) << t;
    for (const char* t : {"1e400", "-1e400", "100000e304", "0.00001e314"})
        EXPECT_EQ(KindOf([&] { ToNumber(t); }), ErrorKind::Overflow) << t;
}

// Fifteen significant digits; exponent form below exponent -4 and from exponent 15; never "-0".
TEST(NumberText, MatchesPercent15GSwitchPoints) {
    // clang-format off
    const std::pair<double, const char*> rows[] = {
        {2, "2"}, {0.5, "0.5"}, {-0.5, "-0.5"}, {0.1 + 0.2, "0.3"}, {1.3 * 0.63, "0.819"},
        {401.55, "401.55"}, {1e20, "1E+20"}, {1.5e-5, "1.5E-05"}, {0.0001, "0.0001"},
        {0.00001, "1E-05"}, {1e14, "100000000000000"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"}, {999999999999999.4, "999999999999999"}, {999999999999999.9, "1E+15"},
        {1.0 / 3, "0.333333333333333"}, {-1e-300, "-1E-300"}, {-0.0, "0"},
        {1.7976931348623157e308, "1.79769313486232E+308"}};
    // clang-format on
    for (const auto& [number, text] : rows)
        EXPECT_EQ(NumberText(number), text) << text;
}

TEST(ShortestText, ReadsBackAsTheSameDouble) {
    const std::pair<double, const char*> rows[] = {{348.6, "348.6"},
                                                   {0.1 + 0.2, "0.30000000000000004"},
                                                   {1.0 / 3, "0.3333333333333333"},
                                                   {-0.0, "0"},
                                                   {2, "2"},
                                                   {-2.5, "-2.5"}};
    for (const auto& [number, text] : rows) {
        EXPECT_EQ(ShortestText(number), text) << text;
        EXPECT_EQ(ToNumber(ShortestText(number)), number) << text;
    }
    // Whatever the magnitude, the text is read back by this program's own reader.
    for (double x :
         {1e20, 1.5e-5, 1.7976931348623157e308, 2.2250738585072014e-308, 300 * std::sqrt(0.5)})
        EXPECT_EQ(ToNumber(ShortestText(x)), x) << ShortestText(x);
}

TEST(Rounded, HalfToEvenOnTheExactBinaryValue) {
    struct Row {
        double number;
        int digits;
        const char* text;
    };
    const Row rows[] = {
        {0.25, 1, "0.2"},
        {0.35, 1, "0.3"}, // 0.35 is stored just below the half
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-2.5, 0, "-2"},
        {2.675, 2, "2.67"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {79.957, 1, "80"},
        {0.53304, 2, "0.53"},
        {20.747, 0, "21"},
        {1e300, 2, "1E+300"},
        {1.23456789, 30, "1.23456789"},
        {-0.04, 1, "0"},
        {-0.4, 0, "0"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Rounded(r.number, r.digits), r.text) << r.number << " to " << r.digits;
    EXPECT_EQ(RoundHalfEven(5e-324, 2000), 5e-324);
}

} // namespace
} // namespace kesta
