// The browser build's conversions (snprintf / strtod) built natively, in the C locale, against
// std::to_chars / std::from_chars called here directly: the texts must be the same characters
// on random doubles of every magnitude and on the awkward ones (ties, subnormals, limits).
#include "tools/DecimalConversion.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kesta::decimal {
namespace {

std::string CharconvShortest(double x) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, x).ptr);
}

std::string CharconvGeneral15(double x) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr);
}

std::string CharconvFixed(double x, int decimals) {
    std::string buf(1500, '\0');
    char* end = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, decimals).ptr;
    return std::string(buf.data(), end);
}

std::string LibcFixed(double x, int decimals) {
    std::string buf(1500, '\0');
    return std::string(buf.data(), Fixed(x, decimals, buf.data(), buf.data() + buf.size()));
}

// What from_chars says of the text, in Parse's terms.
Read CharconvRead(const std::string& text, double& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) return Read::OutOfRange;
    if (ec != std::errc() || ptr != text.data() + text.size()) return Read::Invalid;
    return Read::Ok;
}

// Random bit patterns (every magnitude), decimal-looking values and the edges.
std::vector<double> Samples() {
    std::mt19937_64 rng(20261209);
    std::vector<double> xs = {0.1, 0.5, 1.5, 2.5, 1e15, 1e16, 123456789012345678.0, 1e21, 1e22,
                              1e-5, 1e-7, 5e-324, 2.2250738585072014e-308,
                              std::numeric_limits<double>::max(), 0.3, 1.0 / 3, 2.675, 348.6,
                              9007199254740993.0, 100, 1e100, 0.001, 123.456};
    std::uniform_real_distribution<double> plain(0, 2000);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = rng() & 0x7FFFFFFFFFFFFFFFull;
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) xs.push_back(x);
        xs.push_back(std::round(plain(rng) * 1000) / 1000);
    }
    const std::size_t n = xs.size();
    for (std::size_t i = 0; i < n; ++i)
        xs.push_back(-xs[i]);
    return xs;
}

TEST(DecimalConversionLibc, ShortestAndGeneralTextsAreCharconvs) {
    for (double x : Samples()) {
        ASSERT_EQ(Shortest(x), CharconvShortest(x)) << x;
        ASSERT_EQ(General15(x), CharconvGeneral15(x)) << x;
    }
}

TEST(DecimalConversionLibc, FixedTextsRoundTheBinaryValueAsCharconv) {
    std::mt19937 rng(7);
    for (double x : Samples()) {
        if (std::fabs(x) > 1e30) continue; // fixed text of huge values is only long, not hard
        const int decimals = static_cast<int>(rng() % 20);
        ASSERT_EQ(LibcFixed(x, decimals), CharconvFixed(x, decimals)) << x << " " << decimals;
    }
    EXPECT_EQ(LibcFixed(2.5, 0), "2");
    EXPECT_EQ(LibcFixed(0.125, 2), "0.12");
    EXPECT_EQ(LibcFixed(5e-324, 1074), CharconvFixed(5e-324, 1074));
}

// Every text number text writes reads back as from_chars reads it (General15 of the largest
// doubles reads as out of range with both).
TEST(DecimalConversionLibc, ParseReadsAsFromChars) {
    for (double x : Samples()) {
        for (const std::string& text : {CharconvShortest(std::fabs(x)), CharconvGeneral15(std::fabs(x))}) {
            double got = -1, want = -1;
            ASSERT_EQ(Parse(text, got), CharconvRead(text, want)) << text;
            ASSERT_EQ(got, want) << text;
        }
    }
}

TEST(DecimalConversionLibc, ParseTellsOutOfRangeAndInvalidAsFromChars) {
    const std::vector<std::string> texts = {"1e400", "1e309", "1.8e308", "1e-400", "2e-324",
                                            "3e-324", "1e-320", "0e-999", "0.000", "12e-1",
                                            "1.7976931348623158e308", "2.4703282292062328e-324",
                                            ".5", "5.", "1", "7e+2"};
    for (const std::string& text : texts) {
        double got = 42, want = 42;
        const Read expected = CharconvRead(text, want);
        EXPECT_EQ(Parse(text, got), expected) << text;
        if (expected == Read::Ok) EXPECT_EQ(got, want) << text;
    }
    double value = 0;
    EXPECT_EQ(Parse("12x", value), Read::Invalid);
    EXPECT_EQ(Parse("", value), Read::Invalid);
}

} // namespace
} // namespace kesta::decimal
