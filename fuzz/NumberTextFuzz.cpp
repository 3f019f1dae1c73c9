// libFuzzer target for the number text toolkit: any text either holds a number and converts,
// or is a type mismatch; every double prints as a text that holds a number again.
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Tools.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace kesta;

static void Check(bool ok) {
    if (!ok) std::abort();
}

static void CheckPrinted(double x) {
    const std::string s = NumberText(x);
    Check(HoldsNumber(s));
    // 15 significant digits round the largest doubles up past the range ("1.79769313486232E+308").
    if (std::fabs(x) > 1.79769313486231e308) return;
    const double back = ToNumber(s);
    Check(back == x || std::fabs(back - x) <= std::fabs(x) * 1e-14);
    for (int d = 0; d <= 20; d += 5) {
        Check(HoldsNumber(Rounded(x, d)));
        const std::string f = Tools::FormatFixed(x, static_cast<int16_t>(d), 8);
        Check(x == -1 ? f.empty() : f.size() == 8);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double x = ToNumber(text);
        Check(HoldsNumber(text));
        Check(std::isfinite(x));
        CheckPrinted(x);
    } catch (const RuntimeError& e) {
        if (e.kind() == ErrorKind::TypeMismatch) Check(!HoldsNumber(text));
        else Check(e.kind() == ErrorKind::Overflow && HoldsNumber(text));
    }
    if (size == sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) CheckPrinted(x);
    }
    return 0;
}
