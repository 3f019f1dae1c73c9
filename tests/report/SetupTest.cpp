// Setup: reading and converting the inputs into the input record.
#include "ReportTestSupport.h"
#include "report/Calculator.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using test::Apply;
using test::ExampleForm;

// Setup's failure and the place it names, as the report driver reports them.
std::pair<std::optional<ErrorKind>, std::string> SetupFailure(const FormState& form) {
    Calculator calc(form);
    const auto kind = test::ReportError(calc);
    return {kind, calc.FailurePlace()};
}

TEST(Setup, FirstRunCountsAllSixZeroBlades) {
    const FormState form = test::FirstRunForm();
    Calculator calc(form);
    calc.Setup();
    const InputRecord& r = calc.Record();
    EXPECT_EQ(r.bladeCount, 6);
    EXPECT_EQ(r.cuttingDiameter, 0.3);
    EXPECT_EQ(r.bladeAreaSum, 0);
    EXPECT_EQ(r.speedMs, 0);
    EXPECT_EQ(r.massGrains, 0);
    EXPECT_EQ(r.lengthInches, 0);
    EXPECT_EQ(r.shaftWeightGrains, 0);
    EXPECT_EQ(r.broadheadWeightGrains, 0);
    EXPECT_EQ(r.staticSpine, 0);
}

TEST(Setup, NoBladesEntered) {
    FormState form = ExampleForm();
    Apply(form, {{"InBroadhead_0", ""},
                 {"InBroadhead_1", ""},
                 {"InBroadhead_2", ""},
                 {"InBroadhead_3", ""}});
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeCount, 0);
    EXPECT_EQ(calc.Record().cuttingDiameter, 0.3);
    EXPECT_EQ(calc.Record().bladeAreaSum, 0);
}

TEST(Setup, SpeedInEitherUnit) {
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    EXPECT_DOUBLE_EQ(calc.Record().speedMs, 91.44);
    EXPECT_DOUBLE_EQ(calc.Record().speedFps, 300);
    form.SetSelected("ArrowSpeedM", true);
    calc.Setup();
    EXPECT_EQ(calc.Record().speedMs, 300);
    EXPECT_NEAR(calc.Record().speedFps, 984.2519685, 1e-7);
}

TEST(Setup, MassInEitherUnit) {
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    EXPECT_DOUBLE_EQ(calc.Record().massKg, 0.026);
    EXPECT_DOUBLE_EQ(calc.Record().massGrains, 400);
    Apply(form, {{"InArrowMass", "26"}}, {"ArrowMassGram"});
    calc.Setup();
    EXPECT_DOUBLE_EQ(calc.Record().massKg, 0.026);
    EXPECT_DOUBLE_EQ(calc.Record().massGrains, 400);
}

TEST(Setup, LengthShaftAndBroadheadWeightsInMetricUnits) {
    FormState form = ExampleForm();
    Apply(form, {{"InArrowLength", "711.2"}, {"BroadheadWeight", "6.5"}},
          {"ArrowLengthInMM", "BroadheadweightInG"});
    Calculator calc(form);
    calc.Setup();
    EXPECT_DOUBLE_EQ(calc.Record().lengthInches, 28);
    EXPECT_DOUBLE_EQ(calc.Record().shaftWeightGrains, 252);
    EXPECT_DOUBLE_EQ(calc.Record().broadheadWeightGrains, 100);
    EXPECT_EQ(calc.Record().staticSpine, 400);
}

TEST(Setup, BladesInInchesAndMillimetres) {
    FormState form = ExampleForm();
    form.SetText("InBroadhead_2", "0.6");
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeCount, 2);
    EXPECT_DOUBLE_EQ(calc.Record().cuttingDiameter, 1.5);
    EXPECT_DOUBLE_EQ(calc.Record().bladeAreaSum, 1.1);
    Apply(form,
          {{"InBroadhead_0", "12.7"},
           {"InBroadhead_1", "25.4"},
           {"InBroadhead_2", "15.24"},
           {"InBroadhead_3", "25.4"}},
          {"BroadheadMM"});
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeCount, 2);
    EXPECT_DOUBLE_EQ(calc.Record().cuttingDiameter, 1.5);
    EXPECT_DOUBLE_EQ(calc.Record().bladeAreaSum, 1.1);
}

TEST(Setup, IncompleteBladeRowIsSkipped) {
    FormState form = ExampleForm();
    form.SetText("InBroadhead_4", "0.9"); // blade 3 has a height but no length
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeCount, 2);
    EXPECT_DOUBLE_EQ(calc.Record().cuttingDiameter, 1.3);
}

// A row emptied since the last report is cleared, not kept with its old figures.
TEST(Setup, EmptiedBladeRowIsCleared) {
    FormState form = ExampleForm();
    Apply(form, {{"InBroadhead_4", "0.7"}, {"InBroadhead_5", "1"}});
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeHeight[3], 0.7);
    Apply(form, {{"InBroadhead_4", ""}, {"InBroadhead_5", "1"}});
    calc.Setup();
    EXPECT_EQ(calc.Record().bladeCount, 2);
    EXPECT_EQ(calc.Record().bladeHeight[3], 0);
    EXPECT_EQ(calc.Record().bladeLength[3], 0);
}

TEST(Setup, TheNumberTestOfSpeed) {
    FormState form = ExampleForm();
    form.SetText("InArrowSpeed", " 300 ");
    Calculator calc(form);
    calc.Setup();
    EXPECT_DOUBLE_EQ(calc.Record().speedFps, 300);
    // Texts that are not numbers leave the speed of the last report.
    for (const char* text : {"", ",", "300abc", "fast", "1,5"}) {
        form.SetText("InArrowSpeed", text);
        calc.Setup();
        EXPECT_DOUBLE_EQ(calc.Record().speedFps, 300) << text;
    }
}

TEST(Setup, StaleSpeedAndMassCarryIntoTheReport) {
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.doReport_Click();
    const std::string first = calc.BoxText();
    Apply(form, {{"InArrowSpeed", "fast"}, {"InArrowMass", ""}});
    calc.doReport_Click();
    EXPECT_EQ(calc.BoxText(), first);
}

TEST(Setup, FreshCalculatorStartsFromZero) {
    FormState form = ExampleForm();
    Apply(form, {{"InArrowSpeed", "x"}, {"InArrowMass", "y"}});
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().speedFps, 0);
    EXPECT_EQ(calc.Record().massKg, 0);
}

TEST(Setup, RequiredInputsStopWithTypeMismatch) {
    for (const char* name : {"InArrowLength", "GPI", "BroadheadWeight", "StaticSpine"}) {
        for (const char* text : {"", "abc", "1,5"}) {
            FormState form = ExampleForm();
            form.SetText(name, text);
            const auto [kind, place] = SetupFailure(form);
            EXPECT_EQ(kind, ErrorKind::TypeMismatch) << name << " '" << text << "'";
            EXPECT_EQ(place, std::string("input ") + name);
        }
    }
}

TEST(Setup, FailingStepKeepsEarlierStepsOnly) {
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    Apply(form, {{"InArrowSpeed", "200"},
                 {"InArrowLength", "30"},
                 {"BroadheadWeight", "w"},
                 {"StaticSpine", "500"}});
    EXPECT_THROW(calc.Setup(), RuntimeError);
    EXPECT_DOUBLE_EQ(calc.Record().speedFps, 200);
    EXPECT_EQ(calc.Record().lengthInches, 30);
    EXPECT_EQ(calc.Record().shaftWeightGrains, 270);
    EXPECT_EQ(calc.Record().broadheadWeightGrains, 100);
    EXPECT_EQ(calc.Record().staticSpine, 400);
}

TEST(Setup, NumbersBeyondADoubleOverflow) {
    const std::pair<const char*, const char*> cases[] = {
        {"InArrowSpeed", "1e400"},    // the text itself
        {"InArrowSpeed", "1e308"},    // times 12
        {"InArrowMass", "-1e309"},    // the text itself
        {"InBroadhead_1", "1e999"},   // a blade length
        {"InBroadhead_0", "1e308"},   // the cutting diameter doubles the height
        {"GPI", "1e307"},             // times the length
        {"BroadheadWeight", "1e400"}, //
    };
    for (const auto& [name, text] : cases) {
        FormState form = ExampleForm();
        if (std::string(name) == "InBroadhead_0") form.SetText("InBroadhead_1", "1e308");
        form.SetText(name, text);
        const auto [kind, place] = SetupFailure(form);
        EXPECT_EQ(kind, ErrorKind::Overflow) << name << " " << text;
        EXPECT_NE(place.find("input "), std::string::npos) << place;
    }
}

} // namespace
} // namespace kesta
