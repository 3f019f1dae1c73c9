// The four conversions between doubles and decimal text that number text is built on, each
// exactly as std::to_chars / std::from_chars define it. Two builds of the same contract:
// DecimalConversionCharconv.cpp (std::to_chars / from_chars, locale-free, the native build)
// and DecimalConversionLibc.cpp (snprintf / strtod, for a standard library without the
// floating-point charconv; only correct where the C locale can never change, as in a browser).
#pragma once

#include <string>
#include <string_view>

namespace kesta::decimal {

// to_chars(x, general, 15): the text of C's "%.15g".
std::string General15(double x);

// to_chars(x): the shortest text that reads back as x, in fixed or scientific notation,
// whichever is shorter (fixed on a tie).
std::string Shortest(double x);

// to_chars(x, fixed, decimals) written into `out`, which must be large enough; returns the end.
// The exact binary value rounded half to even.
char* Fixed(double x, int decimals, char* out, char* outEnd);

enum class Read { Ok, OutOfRange, Invalid };

// from_chars(general) on an unsigned decimal text: Ok with the correctly rounded value,
// OutOfRange when it rounds to infinity or to zero with a non-zero digit (value untouched),
// Invalid when not all of the text is a number.
Read Parse(std::string_view text, double& value);

} // namespace kesta::decimal
