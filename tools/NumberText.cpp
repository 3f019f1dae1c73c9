#include "tools/NumberText.h"

#include "tools/DecimalConversion.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <cmath>

namespace kesta {

using text::TrimBlanks;

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool HoldsNumber(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    return i == n;
}

double ToNumber(std::string_view text) {
    if (!HoldsNumber(text)) throw RuntimeError(ErrorKind::TypeMismatch);
    text = TrimBlanks(text);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0;
    const decimal::Read read = decimal::Parse(text, value);
    if (read == decimal::Read::OutOfRange) {
        // from_chars leaves the value alone; tell a huge number from a vanishing one by its
        // decimal exponent, read the same way a person would.
        std::size_t e = text.find_first_of("eE");
        std::string_view mantissa = text.substr(0, e);
        long exponent = 0;
        if (e != std::string_view::npos) {
            std::string_view ex = text.substr(e + 1);
            bool negExp = !ex.empty() && ex.front() == '-';
            if (!ex.empty() && (ex.front() == '+' || ex.front() == '-')) ex.remove_prefix(1);
            for (char c : ex) {
                exponent = exponent * 10 + (c - '0');
                if (exponent > 100000) break;
            }
            if (negExp) exponent = -exponent;
        }
        // Position of the first significant digit relative to the point.
        long magnitude = 0;
        std::size_t pointAt = mantissa.find('.');
        std::size_t intDigits = pointAt == std::string_view::npos ? mantissa.size() : pointAt;
        std::size_t firstNonZero = mantissa.find_first_of("123456789");
        if (firstNonZero == std::string_view::npos) {
            value = 0;
        } else if (firstNonZero < intDigits) {
            magnitude = static_cast<long>(intDigits - firstNonZero);
        } else {
            magnitude = -static_cast<long>(firstNonZero - pointAt - 1);
        }
        if (firstNonZero != std::string_view::npos) {
            if (magnitude + exponent > 0) throw RuntimeError(ErrorKind::Overflow);
            value = 0;
        }
    } else if (read != decimal::Read::Ok) {
        throw RuntimeError(ErrorKind::TypeMismatch);
    }
    return negative ? -value : value;
}

std::string NumberText(double x) {
    if (x == 0) return "0"; // also turns -0 into "0"
    std::string s = decimal::General15(x);
    for (char& c : s) {
        if (c == 'e') c = 'E';
    }
    return s;
}

std::string ShortestText(double x) {
    if (x == 0) return "0";
    return decimal::Shortest(x);
}

double RoundHalfEven(double x, int decimals) {
    if (!std::isfinite(x)) throw RuntimeError(ErrorKind::Overflow);
    if (decimals < 0) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    // Beyond 17 significant decimals nothing changes; fixed output of a huge decimal count of
    // a tiny value is also pointless. A double has at most 1074 digits after the point.
    if (decimals > 1100) return x;
    // to_chars with a fixed precision rounds the exact binary value, ties to even.
    static thread_local std::string buffer(1500, '\0');
    char* first = buffer.data();
    char* last = first + buffer.size();
    char* end = decimal::Fixed(x, decimals, first, last);
    double rounded = 0;
    decimal::Parse(std::string_view(first, static_cast<std::size_t>(end - first)), rounded);
    return rounded;
}

std::string Rounded(double x, int decimals) {
    return NumberText(RoundHalfEven(x, decimals));
}

} // namespace kesta
