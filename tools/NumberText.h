// Numbers to text and back, the same on every machine whatever the user's locale.
// Natively only std::to_chars / std::from_chars are used: a Qt application sets the C locale from
// the environment, after which printf and strtod write and read decimal commas in many
// countries. The browser build, whose library lacks them, uses the C library where the locale
// is fixed (tools/DecimalConversion.h).
#pragma once

#include <string>
#include <string_view>

namespace kesta {

// True when the text, blanks around it removed, is an optional sign, digits with at most one
// decimal point and at least one digit, and an optional exponent (E or e, optional sign,
// digits). Deliberately strict: no decimal comma, grouping, currency, hex, "inf" or "nan".
bool HoldsNumber(std::string_view text);

// The number a text holds. Not a number: Type mismatch. Beyond a double: Overflow.
// Too small to represent: 0.
double ToNumber(std::string_view text);

// The default number text: the digits and exponent form of C's "%.15G" (at most 15
// significant digits, no trailing zeros or point, "1E+20" / "1.5E-05" when the decimal exponent
// is below -4 or at least 15), never "-0", always ".".
std::string NumberText(double x);

// The shortest text that reads back as the same double, "." as the point, never "-0":
// 348.6000 gives "348.6", 1/3 gives "0.3333333333333333". For figures handed to other programs,
// which must not lose a digit; report lines use NumberText or Rounded.
std::string ShortestText(double x);

// x rounded half to even to `decimals` decimals on its exact binary value, as a double.
double RoundHalfEven(double x, int decimals);

// RoundHalfEven, then NumberText: Rounded(2.5, 0) is "2", Rounded(2.675, 2) is "2.67".
std::string Rounded(double x, int decimals);

} // namespace kesta
