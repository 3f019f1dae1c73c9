// The arrow section: speed, mass, calculated mass, momentum and energy.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using test::Apply;
using test::ExampleForm;
using test::Press;
using test::Section;

using Lines = std::vector<std::string>;

TEST(ArrowSection, CalculatedMassShowsEveryDigit) {
    FormState form = ExampleForm();
    Apply(form, {{"GPI", "8.3"}, {"InArrowLength", "28.5"}});
    EXPECT_EQ(Press(form).lines.at(3), "   (calculated: 401.55 gr)");
}

TEST(ArrowSection, MetricInputsShownInImperialUnits) {
    FormState form = ExampleForm();
    Apply(form, {{"InArrowSpeed", "100"}, {"InArrowMass", "32.5"}},
          {"ArrowSpeedM", "ArrowMassGram"});
    // 100 m/s is 328.08 fps, 32.5 g are 500 grains.
    EXPECT_EQ(Section(Press(form).lines, "Arrow", 7),
              (Lines{"Arrow", "   Speed:  328 fps", "   Mass :  500 grains",
                     "   (calculated: 417 gr)", "   Momentum        : 0.73 slug-foot seconds",
                     "   Kinetic Energy  : 119.5 foot-pounds", ""}));
}

TEST(ArrowSection, RoundsHalfToEven) {
    FormState form = ExampleForm();
    // 0.5 fps and 2.5 grains: both round to the even neighbour.
    Apply(form, {{"InArrowSpeed", "0.5"}, {"InArrowMass", "2.5"}});
    const auto lines = Press(form).lines;
    EXPECT_EQ(lines.at(1), "   Speed:  0 fps");
    EXPECT_EQ(lines.at(2), "   Mass :  2 grains");
}

TEST(ArrowSection, NegativeZeroIsNeverShown) {
    FormState form = ExampleForm();
    form.SetText("InArrowSpeed", "-0.1");
    EXPECT_EQ(Press(form).lines.at(1), "   Speed:  0 fps");
}

} // namespace
} // namespace kesta
