// The broadhead section: blade count, cutting diameter, Ro and soft-tissue penetration.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta {
namespace {

using test::Apply;
using test::ExampleForm;
using test::Press;
using test::Section;

using Lines = std::vector<std::string>;

constexpr std::size_t kArrowLines = 7;

FormState NoBlades() {
    FormState form = ExampleForm();
    Apply(form, {{"InBroadhead_0", ""},
                 {"InBroadhead_1", ""},
                 {"InBroadhead_2", ""},
                 {"InBroadhead_3", ""}});
    return form;
}

std::string RoLine(const FormState& form) {
    return Press(form).lines.at(kArrowLines + 3);
}

// Ro (lbs) after a report press, whether or not a later section stops the report.
double RoOf(const FormState& form) {
    Calculator calc(form);
    test::ReportError(calc);
    return calc.RoLbs();
}

TEST(BroadheadSection, RoWithoutBladesIsTheFerruleAlone) {
    EXPECT_EQ(RoLine(NoBlades()), "   Ro               : 8.9 lbs");
    EXPECT_NEAR(RoOf(NoBlades()), 8.8887, 1e-4);
}

TEST(BroadheadSection, RoOfTwoBladesWithAndWithoutCutOnContact) {
    FormState form = ExampleForm();
    EXPECT_NEAR(RoOf(form), 11.5024, 1e-4);
    form.SetCutOnContact(1);
    EXPECT_EQ(RoLine(form), "   Ro               : 6.8 lbs");
    EXPECT_NEAR(RoOf(form), 6.7989, 1e-4);
}

TEST(BroadheadSection, AngleTextsThatAreNotNumbersCountAsTangentOne) {
    FormState form = ExampleForm();
    Apply(form, {{"inEdge", ""}, {"inTip", "sharp"}});
    EXPECT_EQ(RoLine(form), "   Ro               : 23.5 lbs");
    EXPECT_NEAR(RoOf(form), 23.4879, 1e-4);
}

TEST(BroadheadSection, BladeAsLongAsHighAddsHalfItsHeightSquaredOverLength) {
    FormState form = NoBlades();
    Apply(form, {{"InBroadhead_0", "0.5"}, {"InBroadhead_1", "0.5"}});
    // The blade adds 0.25 / (0 + 0.5) = 0.5 to the blade sum, weighed by tan(12.5 degrees).
    const double tE = std::tan(((25.0 / 180) * 3.141592654) / 2);
    EXPECT_NEAR(RoOf(form) - RoOf(NoBlades()), 0.5 * tE * 44, 1e-12);
}

TEST(BroadheadSection, FirstRunCountsSixBladesWithoutCuttingSum) {
    const auto out = Press(test::FirstRunForm());
    EXPECT_EQ(
        Section(out.lines, "Broadhead", 5),
        (Lines{"Broadhead", "   Blade count      : 6", "   Cutting diameter : 0.3 inches",
               "   Ro               : 8.9 lbs", " Potential Soft Tissue Penetration: 0 inch"}));
    // The first run then stops on the zero arrow length.
    EXPECT_EQ(out.error, ErrorKind::DivisionByZero);
    EXPECT_EQ(out.lines.back(), "Dynamic Spine");
}

TEST(BroadheadSection, RoBelowTwoPoundsDoesNotPenetrate) {
    FormState form = ExampleForm();
    Apply(form, {{"inEdge", "0.01"}, {"inTip", "0.01"}});
    const auto lines = Press(form).lines;
    EXPECT_EQ(lines.at(kArrowLines + 3), "   Ro               : 0.1 lbs");
    EXPECT_EQ(lines.at(kArrowLines + 4), " Potential Soft Tissue Penetration: 0 inch");
}

// Failures that stop the report before the Ro line.
TEST(BroadheadSection, ImpossibleGeometryStopsBeforeTheRoLine) {
    FormState shortBlade = NoBlades();
    Apply(shortBlade, {{"InBroadhead_0", "0.5"}, {"InBroadhead_1", "0.4"}});
    FormState wideTip = ExampleForm();
    wideTip.SetText("inTip", "200");
    FormState backwardEdge = ExampleForm();
    backwardEdge.SetText("inEdge", "-25");
    backwardEdge.SetCutOnContact(1);
    for (const FormState& form : {shortBlade, wideTip, backwardEdge}) {
        const auto out = Press(form);
        EXPECT_EQ(out.error, ErrorKind::InvalidProcedureCall);
        ASSERT_EQ(out.lines.size(), kArrowLines + 3);
        EXPECT_EQ(out.lines.back(), "   Cutting diameter : 1.3 inches");
        EXPECT_EQ(out.place, "report line 11 (Broadhead)");
    }
}

// Failures of the penetration simulation come after the Ro line.
TEST(BroadheadSection, PenetrationFailuresStopAfterTheRoLine) {
    FormState noMass = ExampleForm();
    noMass.SetText("InArrowMass", "0");
    FormState backwards = ExampleForm();
    backwards.SetText("InArrowSpeed", "-300");
    const std::pair<const FormState*, ErrorKind> cases[] = {
        {&noMass, ErrorKind::DivisionByZero}, {&backwards, ErrorKind::InvalidProcedureCall}};
    for (const auto& [form, kind] : cases) {
        const auto out = Press(*form);
        EXPECT_EQ(out.error, kind);
        ASSERT_EQ(out.lines.size(), kArrowLines + 4);
        EXPECT_EQ(out.lines.back(), "   Ro               : 11.5 lbs");
        EXPECT_EQ(out.place, "report line 12 (Broadhead)");
    }
}

TEST(BroadheadSection, HugeAngleTextOverflowsAtTheRoLine) {
    FormState form = ExampleForm();
    form.SetText("inEdge", "1e400");
    const auto out = Press(form);
    EXPECT_EQ(out.error, ErrorKind::Overflow);
    EXPECT_EQ(out.lines.size(), kArrowLines + 3);
}

// Blades emptied since an earlier report no longer count in Ro.
TEST(BroadheadSection, EmptiedBladeNoLongerAddsToRo) {
    FormState form = ExampleForm();
    Apply(form, {{"InBroadhead_4", "0.5"}, {"InBroadhead_5", "1"}});
    Calculator calc(form);
    calc.doReport_Click();
    const double threeBlades = calc.RoLbs();
    Apply(form, {{"InBroadhead_4", "0.5"}, {"InBroadhead_5", ""}});
    calc.doReport_Click();
    EXPECT_LT(calc.RoLbs(), threeBlades);
    EXPECT_NEAR(calc.RoLbs(), 11.5024, 1e-4);
}

} // namespace
} // namespace kesta
