// Runs with LC_ALL naming a comma-decimal locale that ctest builds with localedef beforehand
// (LOCPATH points at it). Once the C locale is switched, printf and strtod use decimal commas;
// the number text and conversion must not change.
#include "tools/NumberText.h"
#include "tools/Tools.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kesta {
namespace {

TEST(Locale, NumberTextIgnoresACommaDecimalLocale) {
    if (std::setlocale(LC_ALL, "") == nullptr) GTEST_SKIP() << "no comma-decimal locale available";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 0.5);
    if (std::string(buf) != "0,5") GTEST_SKIP() << "the locale in force is not comma-decimal";

    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-1234567.25), "-1234567.25");
    EXPECT_EQ(NumberText(1.5e-5), "1.5E-05");
    EXPECT_EQ(Rounded(2.675, 2), "2.67");
    EXPECT_EQ(Tools::FormatFixed(120, 1, 8), "   120.0");
    EXPECT_TRUE(HoldsNumber("0.5"));
    EXPECT_FALSE(HoldsNumber("0,5"));
    EXPECT_EQ(ToNumber("0.5"), 0.5);
    EXPECT_EQ(ToNumber(" 711.2 "), 711.2);
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace kesta
