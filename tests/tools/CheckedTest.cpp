#include "tools/Checked.h"
#include "tests/common/ErrorKindOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace kesta {
namespace {

using test::KindOf;

TEST(Checked, FailuresRaiseTheirKind) {
    const double big = std::numeric_limits<double>::max();
    const std::pair<std::function<void()>, ErrorKind> rows[] = {
        {[] { Div(1, 0); }, ErrorKind::DivisionByZero},
        {[] { Div(0, 0); }, ErrorKind::DivisionByZero},
        {[] { Div(-3, -0.0); }, ErrorKind::DivisionByZero},
        {[] { Num(5) / Num(0); }, ErrorKind::DivisionByZero},
        {[] { Pow(0, -1); }, ErrorKind::DivisionByZero},
        {[&] { Mul(big, 2); }, ErrorKind::Overflow},
        {[&] { Add(big, big); }, ErrorKind::Overflow},
        {[&] { Sub(-big, big); }, ErrorKind::Overflow},
        {[&] { Div(big, 0.5); }, ErrorKind::Overflow},
        {[] { Pow(10, 400); }, ErrorKind::Overflow},
        {[&] { Num(big) * 10; }, ErrorKind::Overflow},
        // A fractional power of a negative base has no real value, however small the base.
        {[] { Pow(-8, 0.5); }, ErrorKind::InvalidProcedureCall},
        {[] { Pow(-1e-300, 0.2); }, ErrorKind::InvalidProcedureCall},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(KindOf(rows[i].first), rows[i].second) << "row " << i;
}

TEST(Checked, ResultsThatExist) {
    EXPECT_EQ(Div(1, 4), 0.25);
    EXPECT_EQ(Pow(-2, 3), -8); // whole exponents of negative bases are fine
    EXPECT_EQ(Pow(-3, 2), 9);
    EXPECT_EQ(Pow(0, 0), 1);
    EXPECT_EQ(Pow(0, 0.5), 0);
    EXPECT_EQ(Pow(2, 0.5), std::pow(2.0, 0.5));
    // Num keeps the written order, so checked formulas round exactly as unchecked ones did.
    const double v = 300;
    EXPECT_EQ((((Num(v) * 12) * 2.54) / 100).v, ((v * 12) * 2.54) / 100);
    EXPECT_EQ((Num(0.1) + 0.2).v, 0.1 + 0.2);
    EXPECT_EQ((1 - Num(3)).v, -2);
    EXPECT_EQ((-Num(4)).v, -4);
}

} // namespace
} // namespace kesta
