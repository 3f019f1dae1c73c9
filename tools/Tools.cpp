#include "tools/Tools.h"

#include "tools/Errors.h"
#include "tools/NumberText.h"

#include <cmath>
#include <limits>

namespace kesta::Tools {

std::string FormatFixed(double Number, int16_t Decimals, int16_t Width) {
    if (Number == -1) return "";
    if (Decimals < 0) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    // The first rounding keeps three guard decimals; its count is a 16-bit sum.
    const int guard = Decimals + 3;
    if (guard > std::numeric_limits<int16_t>::max()) throw RuntimeError(ErrorKind::Overflow);
    double x = RoundHalfEven(Number, guard);

    // An exact half at the last decimal goes away from zero rather than to even.
    const double fraction = std::fabs(x - std::trunc(x));
    if (fraction == 0.5) x += (x > 0 ? 1 : (x < 0 ? -1 : 0)) * 1e-10;

    std::string s = NumberText(RoundHalfEven(x, Decimals));
    if (Decimals > 0) {
        const std::size_t point = s.rfind('.');
        std::size_t count = 0;
        if (point == std::string::npos) {
            s += '.';
        } else {
            count = s.size() - point - 1;
        }
        // An exponent-form text such as "1.5E-05" may already carry more characters after its
        // point than asked for; it is then returned as it is.
        if (count < static_cast<std::size_t>(Decimals)) s.append(Decimals - count, '0');
    }
    const auto width = static_cast<std::size_t>(Width > 0 ? Width : 0);
    if (width > s.size()) {
        s.insert(0, width - s.size(), ' ');
    } else if (width > 0 && width < s.size()) {
        s.resize(width);
    }
    return s;
}

} // namespace kesta::Tools
