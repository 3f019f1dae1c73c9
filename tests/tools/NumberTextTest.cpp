#include "tools/NumberText.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta {
namespace {

TEST(HoldsNumber, AcceptsPlainDecimalForms) {
    for (const char* t : {"300", " 300 ", "-.5", "1e5", "+2.", "0", "007", "1.5E-3", "  -12.25e+02",
                          ".5", "5.", "1E400"}) {
        EXPECT_TRUE(HoldsNumber(t)) << '"' << t << '"';
    }
}

TEST(HoldsNumber, RejectsEverythingElse) {
    for (const char* t : {"",      " ",   ",",   "300abc", "1,5",   "0x10", "inf",   "nan",
                          "-",     "+",   ".",   "1e",     "1e+",   "e5",   "1.2.3", "$5",
                          "1 000", "\t5", "5\n", "--5",    "1e5.5", "١٢",   "1_000", "Infinity"}) {
        EXPECT_FALSE(HoldsNumber(t)) << '"' << t << '"';
    }
}

TEST(ToNumber, ConvertsWhatHoldsANumber) {
    EXPECT_EQ(ToNumber(" 300 "), 300);
    EXPECT_EQ(ToNumber("-.5"), -0.5);
    EXPECT_EQ(ToNumber("+2."), 2);
    EXPECT_EQ(ToNumber("1e5"), 100000);
    EXPECT_EQ(ToNumber("711.2"), 711.2);
    EXPECT_EQ(ToNumber("0.1"), 0.1); // correctly rounded
    EXPECT_EQ(ToNumber("1e-400"), 0);
    EXPECT_EQ(ToNumber("0e999999"), 0);
    EXPECT_EQ(ToNumber("0.000001e-320"), 0);
}

TEST(ToNumber, FailsWithTheRightKind) {
    for (const char* t : {"", ",", "300abc", "1,5", "inf"}) {
        try {
            ToNumber(t);
            ADD_FAILURE() << t;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::TypeMismatch) << t;
        }
    }
    for (const char* t : {"1e400", "-1e400", "100000e304", "0.00001e314"}) {
        try {
            ToNumber(t);
            ADD_FAILURE() << t;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow) << t;
        }
    }
    EXPECT_EQ(ToNumber("0.001e311"), 1e308);
}

TEST(NumberText, MatchesPercent15GSwitchPoints) {
    EXPECT_EQ(NumberText(2), "2");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-0.5), "-0.5");
    EXPECT_EQ(NumberText(1.5), "1.5");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1.3 * 0.63), "0.819");
    EXPECT_EQ(NumberText(401.55), "401.55");
    EXPECT_EQ(NumberText(1e20), "1E+20");
    EXPECT_EQ(NumberText(1.5e-5), "1.5E-05");
    EXPECT_EQ(NumberText(0.0001), "0.0001"); // exponent -4 stays plain
    EXPECT_EQ(NumberText(0.00001), "1E-05"); // exponent -5 switches
    EXPECT_EQ(NumberText(1e14), "100000000000000");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberText(1e15), "1E+15"); // exponent 15 switches
    EXPECT_EQ(NumberText(999999999999999.4), "999999999999999");
    EXPECT_EQ(NumberText(999999999999999.9), "1E+15");
    EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberText(-1e-300), "-1E-300");
    EXPECT_EQ(NumberText(1.7976931348623157e308), "1.79769313486232E+308");
}

TEST(NumberText, NeverNegativeZero) {
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(Rounded(-0.04, 1), "0");
    EXPECT_EQ(Rounded(-0.4, 0), "0");
}

TEST(Rounded, HalfToEvenOnTheExactBinaryValue) {
    EXPECT_EQ(Rounded(0.25, 1), "0.2");
    EXPECT_EQ(Rounded(0.35, 1), "0.3"); // 0.35 is stored just below the half
    EXPECT_EQ(Rounded(2.5, 0), "2");
    EXPECT_EQ(Rounded(3.5, 0), "4");
    EXPECT_EQ(Rounded(-2.5, 0), "-2");
    EXPECT_EQ(Rounded(2.675, 2), "2.67");
    EXPECT_EQ(Rounded(0.125, 2), "0.12");
    EXPECT_EQ(Rounded(0.375, 2), "0.38");
    EXPECT_EQ(Rounded(79.957, 1), "80");
    EXPECT_EQ(Rounded(0.53304, 2), "0.53");
    EXPECT_EQ(Rounded(20.747, 0), "21");
    EXPECT_EQ(Rounded(1e300, 2), "1E+300");
    EXPECT_EQ(Rounded(1.23456789, 30), "1.23456789");
    EXPECT_EQ(RoundHalfEven(5e-324, 2000), 5e-324);
}

} // namespace
} // namespace kesta
