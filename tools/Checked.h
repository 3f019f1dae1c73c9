// Checked arithmetic for the report formulas. A formula that divides by zero, overflows to
// infinity or raises a negative base to a fractional power must stop the report with that
// error kind instead of printing "inf" or "nan". Two ways to use it:
//   - the free functions Div, Mul, Add, Sub, Pow, Tan;
//   - the value type Num, whose + - * / operators and Pow() do the same checks, so a formula
//     can be written exactly as grouped on paper: ((Num(v) * 12) * 2.54) / 100.
// C++ evaluates each operator on doubles in the written order, so results are the same digits
// as the unchecked expression; the project builds with -ffp-contract=off (no fused multiply-add).
#pragma once

#include "tools/Errors.h"

#include <cmath>
#include <type_traits>

namespace kesta {

// A finite result is returned; an infinite one from finite operands raises Overflow.
inline double CheckFinite(double r) {
    if (std::isinf(r)) throw RuntimeError(ErrorKind::Overflow);
    if (std::isnan(r)) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    return r;
}

inline double Add(double a, double b) {
    return CheckFinite(a + b);
}
inline double Sub(double a, double b) {
    return CheckFinite(a - b);
}
inline double Mul(double a, double b) {
    return CheckFinite(a * b);
}

// A zero divisor (0/0 included) is a division by zero, whatever its sign.
inline double Div(double a, double b) {
    if (b == 0) throw RuntimeError(ErrorKind::DivisionByZero);
    return CheckFinite(a / b);
}

// The general power function x^y as the formulas write it (never x*x for x^2):
// a negative base with a non-integer exponent has no real value, 0 to a negative power
// divides by zero.
inline double Pow(double x, double y) {
    if (x < 0 && std::trunc(y) != y) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    if (x == 0 && y < 0) throw RuntimeError(ErrorKind::DivisionByZero);
    return CheckFinite(std::pow(x, y));
}

inline double Tan(double x) {
    return CheckFinite(std::tan(x));
}

// A double whose arithmetic operators are checked. Comparisons use the plain value.
struct Num {
    double v = 0;
    constexpr Num() = default;
    constexpr Num(double value) : v(value) {} // NOLINT: implicit on purpose, formulas mix literals
    constexpr operator double() const { return v; } // NOLINT
};

inline Num operator+(Num a, Num b) {
    return Add(a.v, b.v);
}
inline Num operator-(Num a, Num b) {
    return Sub(a.v, b.v);
}
inline Num operator*(Num a, Num b) {
    return Mul(a.v, b.v);
}
inline Num operator/(Num a, Num b) {
    return Div(a.v, b.v);
}
inline Num operator-(Num a) {
    return -a.v;
}
inline Num Pow(Num x, Num y) {
    return Pow(x.v, y.v);
}

// A literal or plain number on either side keeps the whole expression checked.
template <class T>
concept PlainNumber = std::is_arithmetic_v<T>;
template <PlainNumber T> Num operator+(Num a, T b) {
    return Add(a.v, static_cast<double>(b));
}
template <PlainNumber T> Num operator-(Num a, T b) {
    return Sub(a.v, static_cast<double>(b));
}
template <PlainNumber T> Num operator*(Num a, T b) {
    return Mul(a.v, static_cast<double>(b));
}
template <PlainNumber T> Num operator/(Num a, T b) {
    return Div(a.v, static_cast<double>(b));
}
template <PlainNumber T> Num operator+(T a, Num b) {
    return Add(static_cast<double>(a), b.v);
}
template <PlainNumber T> Num operator-(T a, Num b) {
    return Sub(static_cast<double>(a), b.v);
}
template <PlainNumber T> Num operator*(T a, Num b) {
    return Mul(static_cast<double>(a), b.v);
}
template <PlainNumber T> Num operator/(T a, Num b) {
    return Div(static_cast<double>(a), b.v);
}

} // namespace kesta
