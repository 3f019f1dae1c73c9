// The arrow section: speed, mass, calculated mass, momentum and energy.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

TEST(ArrowSection, LinesOfVariedInputs) {
    const std::pair<const char*, TextLines> rows[] = {
        // 100 m/s is 328.08 fps and 32.5 g are 500 grains: metric inputs, imperial lines.
        {"InArrowSpeed=100; InArrowMass=32.5; ArrowSpeedM; ArrowMassGram",
         {"   Speed:  328 fps", "   Mass :  500 grains", "   (calculated: 417 gr)",
          "   Momentum        : 0.73 slug-foot seconds", "   Kinetic Energy  : 119.5 foot-pounds"}},
        // The calculated mass shows every digit; 0.5 fps and 2.5 grains round half to even.
        {"GPI=8.3; InArrowLength=28.5; InArrowSpeed=0.5; InArrowMass=2.5",
         {"   Speed:  0 fps", "   Mass :  2 grains", "   (calculated: 401.55 gr)",
          "   Momentum        : 0 slug-foot seconds", "   Kinetic Energy  : 0 foot-pounds"}},
        // A negative zero is never shown.
        {"InArrowSpeed=-0.1", {"   Speed:  0 fps"}},
    };
    for (const auto& [changes, lines] : rows) {
        const TextLines shown = Press(ExampleForm(changes)).From("Arrow", lines.size() + 1);
        EXPECT_EQ(TextLines(shown.begin() + 1, shown.end()), lines) << changes;
    }
}

} // namespace
} // namespace kesta::test
