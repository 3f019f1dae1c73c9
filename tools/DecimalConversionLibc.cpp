// The C library's conversions give the charconv texts digit for digit when the locale is "C":
// printf's %e / %f / %g and strtod round the exact binary or decimal value correctly (musl does).
// The browser build has no other locale, so nothing here can meet a decimal comma.
#include "tools/DecimalConversion.h"

#include "tools/Errors.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kesta::decimal {

namespace {

// Room for the whole digits of the largest double (309) and a sign.
std::string Printed(const char* format, int precision, double x) {
    char buf[400];
    const int n = std::snprintf(buf, sizeof buf, format, precision, x);
    if (n < 0 || n >= static_cast<int>(sizeof buf)) throw RuntimeError(ErrorKind::Overflow);
    return std::string(buf, static_cast<std::size_t>(n));
}

// "d.ddde+XX" to its digits without the point and its decimal exponent.
void SplitScientific(const std::string& s, std::string& digits, int& exponent) {
    const std::size_t e = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.' && s[i] != '-') digits += s[i];
    exponent = std::atoi(s.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

} // namespace

std::string General15(double x) {
    return Printed("%.*g", 15, x);
}

std::string Shortest(double x) {
    if (!std::isfinite(x)) throw RuntimeError(ErrorKind::Overflow);
    // The fewest significant digits that read back as x; printf rounds to the nearest such
    // text, which is the one to_chars picks among equally short ones.
    std::string sci;
    for (int precision = 0; precision <= 16; ++precision) {
        sci = Printed("%.*e", precision, x);
        if (std::strtod(sci.c_str(), nullptr) == x) break;
    }
    const bool negative = x < 0;
    std::string digits;
    int exponent = 0;
    SplitScientific(sci, digits, exponent);
    const int count = static_cast<int>(digits.size());

    // Scientific as to_chars writes it: "d[.ddd]e+XX" or "e-XX", at least two exponent digits.
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    scientific += exp;

    // Fixed with the same digits: padded with zeros, no trailing point.
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= count) {
        // A whole number: to_chars writes its exact digits, which differ from the shortest
        // digits padded with zeros beyond 2^53 (207574744492468608, not ...600); both are as
        // long and the exact one is nearer.
        fixed = Printed("%.*f", 0, std::fabs(x));
    } else {
        fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    const std::string& chosen = fixed.size() <= scientific.size() ? fixed : scientific;
    return negative ? "-" + chosen : chosen;
}

char* Fixed(double x, int decimals, char* out, char* outEnd) {
    const int n = std::snprintf(out, static_cast<std::size_t>(outEnd - out), "%.*f", decimals, x);
    if (n < 0 || n >= outEnd - out) throw RuntimeError(ErrorKind::Overflow);
    return out + n;
}

Read Parse(std::string_view text, double& value) {
    const std::string copy(text); // strtod needs the terminating NUL
    char* end = nullptr;
    const double read = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size()) return Read::Invalid;
    if (std::isinf(read)) return Read::OutOfRange;
    if (read == 0 && copy.find_first_of("123456789") < copy.find_first_of("eE"))
        return Read::OutOfRange;
    value = read;
    return Read::Ok;
}

} // namespace kesta::decimal
