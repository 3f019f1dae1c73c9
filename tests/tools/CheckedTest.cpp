#include "tools/Checked.h"

#include <gtest/gtest.h>

#include <limits>

namespace kesta {
namespace {

ErrorKind KindOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorKind::FileNotFound;
}

TEST(Checked, DivisionByAnyZeroFails) {
    EXPECT_EQ(KindOf([] { Div(1, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Div(0, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Div(-3, -0.0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Num(5) / Num(0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(Div(1, 4), 0.25);
}

TEST(Checked, InfiniteResultsOverflow) {
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(KindOf([&] { Mul(big, 2); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([&] { Add(big, big); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([&] { Sub(-big, big); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([&] { Div(big, 0.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Pow(10, 400); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([&] { Num(big) * 10; }), ErrorKind::Overflow);
}

TEST(Checked, PowerRules) {
    EXPECT_EQ(KindOf([] { Pow(-8, 0.5); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindOf([] { Pow(-1e-300, 0.2); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindOf([] { Pow(0, -1); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(Pow(-2, 3), -8); // whole exponents of negative bases are fine
    EXPECT_EQ(Pow(-3, 2), 9);
    EXPECT_EQ(Pow(0, 0), 1);
    EXPECT_EQ(Pow(0, 0.5), 0);
    EXPECT_EQ(Pow(2, 0.5), std::pow(2.0, 0.5));
}

TEST(Checked, NumOperatorsKeepTheWrittenOrder) {
    // ((300 * 12) * 2.54) / 100 in doubles, left to right, exactly as unchecked code.
    const double v = 300;
    const Num checked = ((Num(v) * 12) * 2.54) / 100;
    const double plain = ((v * 12) * 2.54) / 100;
    EXPECT_EQ(checked.v, plain);
    EXPECT_EQ((Num(0.1) + 0.2).v, 0.1 + 0.2);
    EXPECT_EQ((1 - Num(3)).v, -2);
    EXPECT_EQ((-Num(4)).v, -4);
}

} // namespace
} // namespace kesta
