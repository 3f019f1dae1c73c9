// The report driver, the report box, the metric summary and the window's formula functions.
#include "ReportTestSupport.h"
#include "tests/common/WorkedExample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta::test {
namespace {

// The box begins with the worked example's lines, CR LF included, and is the same on every
// press.
TEST(Driver, WorkedExampleOpeningOnEveryPress) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    std::string opening;
    for (const std::string& line : WorkedExampleOpening())
        opening += line + "\r\n";
    calc.WriteReport();
    const std::string first = calc.BoxText();
    EXPECT_EQ(first.substr(0, opening.size()), opening);
    calc.WriteReport();
    EXPECT_EQ(calc.BoxText(), first);
}

// A section failure replaces an older box with the lines written so far and raises the
// failure's kind and message unchanged, the place added; the same calculator reports again
// once the input is mended.
TEST(Driver, SectionFailureKeepsTheLinesWrittenAndSaysWhere) {
    FormState form = ExampleForm("BroadheadWeight=0");
    Calculator calc(form);
    calc.SetBoxText("an older report\r\n");
    try {
        calc.WriteReport();
        ADD_FAILURE() << "the report should stop";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
        EXPECT_STREQ(e.what(), ErrorMessage(ErrorKind::DivisionByZero));
        EXPECT_EQ(e.place(), "report line 17, Dynamic Spine");
    }
    const TextLines lines = Lines(calc.BoxText());
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.front(), "Arrow");
    EXPECT_EQ(lines.back(), "   Fc% : 73%"); // Fc 43.896 without the broadhead
    form.SetText("BroadheadWeight", "100");
    EXPECT_FALSE(ErrorOf([&] { calc.WriteReport(); }));
    EXPECT_EQ(Lines(calc.BoxText()).front(), "Arrow");
}

// A Setup failure names the input in the error and leaves the box as the user left it.
TEST(Driver, SetupFailureNamesTheInputAndKeepsTheBox) {
    const FormState form = ExampleForm("InArrowLength=");
    Calculator calc(form);
    calc.SetBoxText("an older report\r\n");
    const auto error = ErrorOf([&] { calc.WriteReport(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::TypeMismatch);
    EXPECT_EQ(error->place(), "input InArrowLength");
    EXPECT_EQ(calc.BoxText(), "an older report\r\n");
}

// Metric reads its units its own way: 91.44 m/s and 26 g are the example's 300 fps, 400 gr.
TEST(MetricSummary, ThreeLinesAndNothingElse) {
    for (const char* changes :
         {"ChosenMetric",
          "ChosenMetric; InArrowSpeed=91.44; InArrowMass=26; ArrowSpeedM; ArrowMassGram"}) {
        const FormState form = ExampleForm(changes);
        Calculator calc(form);
        calc.WriteReport();
        EXPECT_EQ(calc.BoxText(), "Momentum = 2.38 Newton seconds\r\n"
                                  "Kinetic Energy = 109 Joule\r\n"
                                  "Ro = 5.2 kg\r\n")
            << changes;
        EXPECT_NEAR(calc.RoLbs(), 11.5024, 1e-4); // the summary's Ro routine stores it too
    }
}

TEST(FormulaFunctions, MomentumEnergyAndMin) {
    const FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    EXPECT_NEAR(calc.Mom(), 2.37744, 1e-12);
    EXPECT_NEAR(calc.KE(), 108.6965, 1e-4);
    EXPECT_NEAR(calc.Mom_(), 0.53304, 1e-5);
    EXPECT_NEAR(calc.KE_(), 79.957, 1e-3);
    // min gives the second of two equal values, which shows on the sign of zero.
    double one = 1, two = 2, zero = 0.0, negativeZero = -0.0;
    EXPECT_EQ(Calculator::min(two, one), 1);
    EXPECT_EQ(Calculator::min(one, two), 1);
    EXPECT_TRUE(std::signbit(Calculator::min(zero, negativeZero)));
    EXPECT_FALSE(std::signbit(Calculator::min(negativeZero, zero)));
}

} // namespace
} // namespace kesta::test
