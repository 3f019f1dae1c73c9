#include "tools/DecimalConversion.h"

#include "tools/Errors.h"

#include <charconv>
#include <system_error>

namespace kesta::decimal {

std::string General15(double x) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    if (ec != std::errc()) throw RuntimeError(ErrorKind::Overflow);
    return std::string(buf, end);
}

std::string Shortest(double x) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
    if (ec != std::errc()) throw RuntimeError(ErrorKind::Overflow);
    return std::string(buf, end);
}

char* Fixed(double x, int decimals, char* out, char* outEnd) {
    const auto [end, ec] = std::to_chars(out, outEnd, x, std::chars_format::fixed, decimals);
    if (ec != std::errc()) throw RuntimeError(ErrorKind::Overflow);
    return end;
}

Read Parse(std::string_view text, double& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) return Read::OutOfRange;
    if (ec != std::errc() || end != text.data() + text.size()) return Read::Invalid;
    return Read::Ok;
}

} // namespace kesta::decimal
