// The report driver, the report box and the metric summary.
#include "ReportTestSupport.h"
#include "report/Calculator.h"
#include "tests/common/WorkedExample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta {
namespace {

using test::ExampleForm;
using test::Lines;
using test::ReportError;

std::string ExampleBeginningBytes() {
    std::string bytes;
    for (const std::string& line : test::WorkedExampleOpening())
        bytes += std::string(line) + "\r\n";
    return bytes;
}

TEST(Driver, FullReportBeginsWithTheWorkedExampleByteForByte) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    calc.doReport_Click();
    const std::string expected = ExampleBeginningBytes();
    ASSERT_GE(calc.BoxText().size(), expected.size());
    EXPECT_EQ(calc.BoxText().substr(0, expected.size()), expected);
    EXPECT_EQ(calc.FailurePlace(), "");
}

TEST(Driver, PressingTwiceGivesTheSameReportOnce) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    calc.doReport_Click();
    const std::string first = calc.BoxText();
    calc.doReport_Click();
    EXPECT_EQ(calc.BoxText(), first);
}

TEST(Driver, SetupFailureKeepsThePreviousReport) {
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.doReport_Click();
    const std::string previous = calc.BoxText();
    form.SetText("InArrowLength", "");
    EXPECT_EQ(ReportError(calc), ErrorKind::TypeMismatch);
    EXPECT_EQ(calc.BoxText(), previous);
    EXPECT_EQ(calc.FailurePlace(), "input InArrowLength");
    // The metric report is abandoned the same way.
    form.SetSelected("ChosenMetric", true);
    EXPECT_EQ(ReportError(calc), ErrorKind::TypeMismatch);
    EXPECT_EQ(calc.BoxText(), previous);
}

TEST(Driver, SectionFailureKeepsTheLinesWrittenAndSaysWhere) {
    FormState form = ExampleForm();
    form.SetText("BroadheadWeight", "0");
    Calculator calc(form);
    calc.SetBoxText("an older report\r\n");
    EXPECT_EQ(ReportError(calc), ErrorKind::DivisionByZero);
    const auto lines = Lines(calc.BoxText());
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.front(), "Arrow");
    EXPECT_EQ(lines.back(), "   Fc% : 73%"); // Fc 43.896 without the broadhead
    EXPECT_EQ(calc.FailurePlace(), "report line 17 (Dynamic Spine)");
    // A good report afterwards clears the place.
    form.SetText("BroadheadWeight", "100");
    calc.doReport_Click();
    EXPECT_EQ(calc.FailurePlace(), "");
}

TEST(Driver, FailureIsRaisedUnchanged) {
    FormState form = ExampleForm();
    form.SetText("DrawWeigth", "sixty");
    Calculator calc(form);
    try {
        calc.doReport_Click();
        FAIL() << "the report should stop";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::TypeMismatch);
        EXPECT_STREQ(e.what(), ErrorMessage(ErrorKind::TypeMismatch));
    }
}

TEST(MetricSummary, ThreeLinesAndNothingElse) {
    FormState form = ExampleForm();
    form.SetSelected("ChosenMetric", true);
    Calculator calc(form);
    calc.doReport_Click();
    EXPECT_EQ(calc.BoxText(), "Momentum = 2.38 Newton seconds\r\n"
                              "Kinetic Energy = 109 Joule\r\n"
                              "Ro = 5.2 kg\r\n");
    // The summary's Ro routine also stores Ro (lbs).
    EXPECT_NEAR(calc.RoLbs(), 11.5024, 1e-4);
}

TEST(MetricSummary, MetricReadsUnitsItsOwnWay) {
    FormState form = ExampleForm();
    test::Apply(form, {{"InArrowSpeed", "91.44"}, {"InArrowMass", "26"}},
                {"ChosenMetric", "ArrowSpeedM", "ArrowMassGram"});
    Calculator calc(form);
    calc.doReport_Click();
    EXPECT_EQ(Lines(calc.BoxText()).at(0), "Momentum = 2.38 Newton seconds");
    EXPECT_EQ(Lines(calc.BoxText()).at(1), "Kinetic Energy = 109 Joule");
}

TEST(FormulaFunctions, MomentumAndEnergyOfTheExample) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    EXPECT_NEAR(calc.Mom(), 2.37744, 1e-12);
    EXPECT_NEAR(calc.KE(), 108.6965, 1e-4);
    EXPECT_NEAR(calc.Mom_(), 0.53304, 1e-5);
    EXPECT_NEAR(calc.KE_(), 79.957, 1e-3);
}

TEST(FormulaFunctions, MinGivesTheSecondOnEqualValues) {
    double a = 1;
    double b = 2;
    EXPECT_EQ(Calculator::min(a, b), 1);
    EXPECT_EQ(Calculator::min(b, a), 1);
    double zero = 0.0;
    double negativeZero = -0.0;
    EXPECT_TRUE(std::signbit(Calculator::min(zero, negativeZero)));
    EXPECT_FALSE(std::signbit(Calculator::min(negativeZero, zero)));
}

} // namespace
} // namespace kesta
