// Shared formatting routines of the report.
#pragma once

#include <cstdint>
#include <string>

namespace kesta::Tools {

// Number with exactly `Decimals` digits after the point, right-justified in (or cut to)
// `Width` characters when Width > 0. Exact halves go away from zero at the last decimal;
// the number -1 gives the empty text. Negative Decimals: Invalid procedure call or argument;
// Decimals + 3 beyond 16 bits: Overflow.
std::string FormatFixed(double Number, int16_t Decimals, int16_t Width);

} // namespace kesta::Tools
