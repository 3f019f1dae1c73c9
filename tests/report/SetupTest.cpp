// Setup: reading and converting the inputs into the input record.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using enum ErrorKind;
using R = InputRecord;

TEST(Setup, UnitConversions) {
    const struct {
        const char* changes;
        std::vector<std::pair<double R::*, double>> fields;
    } rows[] = {
        {"", {{&R::speedMs, 91.44}, {&R::speedFps, 300}, {&R::massKg, 0.026}}},
        {"", {{&R::massGrains, 400}, {&R::staticSpine, 400}, {&R::bladeCount, 2}}},
        {"ArrowSpeedM", {{&R::speedMs, 300}, {&R::speedFps, 984.25196850393695}}},
        {"InArrowMass=26; ArrowMassGram", {{&R::massKg, 0.026}, {&R::massGrains, 400}}},
        {"InArrowLength=711.2; ArrowLengthInMM",
         {{&R::lengthInches, 28}, {&R::shaftWeightGrains, 252}}},
        {"BroadheadWeight=6.5; BroadheadweightInG", {{&R::broadheadWeightGrains, 100}}},
        // The cutting diameter is the largest height doubled plus the 0.3-inch ferrule.
        {"InBroadhead_2=0.6", {{&R::cuttingDiameter, 1.5}, {&R::bladeAreaSum, 1.1}}},
        {"InBroadhead_0=12.7; InBroadhead_1=25.4; InBroadhead_2=15.24; InBroadhead_3=25.4; "
         "BroadheadMM",
         {{&R::cuttingDiameter, 1.5}, {&R::bladeAreaSum, 1.1}}},
        // A row with a height but no length is skipped.
        {"InBroadhead_4=0.9", {{&R::bladeCount, 2}, {&R::cuttingDiameter, 1.3}}},
        {"InBroadhead_0=; InBroadhead_1=; InBroadhead_2=; InBroadhead_3=",
         {{&R::bladeCount, 0}, {&R::cuttingDiameter, 0.3}, {&R::bladeAreaSum, 0}}},
    };
    for (const auto& row : rows) {
        const FormState form = ExampleForm(row.changes);
        Calculator calc(form);
        calc.Setup();
        for (std::size_t f = 0; f < row.fields.size(); ++f)
            EXPECT_DOUBLE_EQ(calc.Record().*row.fields[f].first, row.fields[f].second)
                << row.changes << ", field " << f;
    }
}

// After a first run every number text is "0" but the angles: all six zero blades count but
// add nothing to the cutting diameter, and the zero arrow length stops the spine section.
TEST(Setup, FirstRunCountsAllSixZeroBlades) {
    FormState form;
    for (const auto& name : FormState::TextBoxes())
        if (name != "inEdge" && name != "inTip") form.SetText(name, "0");
    Calculator calc(form);
    const Outcome out = Press(calc);
    EXPECT_EQ(calc.Record().bladeAreaSum, 0);
    EXPECT_EQ(out.error, DivisionByZero);
    EXPECT_EQ(out.From("Broadhead", 7),
              (TextLines{"Broadhead", "   Blade count      : 6", "   Cutting diameter : 0.3 inches",
                         "   Ro               : 8.9 lbs",
                         " Potential Soft Tissue Penetration: 0 inch", "Dynamic Spine"}));
}

// Speed and mass texts that are not numbers keep the last report's values, from zero in a
// fresh calculator; blanks around a number are allowed.
TEST(Setup, SpeedAndMassKeepTheirLastNumbers) {
    FormState form = ExampleForm("InArrowSpeed=x; InArrowMass=y");
    Calculator calc(form);
    calc.Setup();
    EXPECT_EQ(calc.Record().speedFps, 0);
    EXPECT_EQ(calc.Record().massKg, 0);
    form = With(form, "InArrowSpeed= 300 ; InArrowMass=400");
    calc.WriteReport();
    const std::string first = calc.BoxText();
    for (const std::string text : {"", ",", "300abc", "fast", "1,5"}) {
        form = With(form, "InArrowSpeed=" + text + "; InArrowMass=" + text);
        calc.WriteReport();
        EXPECT_EQ(calc.BoxText(), first) << text;
    }
}

// A blade row emptied since the last report is cleared, not kept with its old figures: it no
// longer adds to Ro or the average cutting diameter.
TEST(Setup, EmptiedBladeRowIsCleared) {
    FormState form = ExampleForm("InBroadhead_4=0.5; InBroadhead_5=1");
    Calculator calc(form);
    calc.WriteReport();
    EXPECT_EQ(calc.Record().bladeHeight[3], 0.5);
    EXPECT_GT(calc.RoLbs(), 12);
    form.SetText("InBroadhead_4", "");
    const Outcome out = Press(calc);
    EXPECT_EQ(calc.Record().bladeHeight[3], 0);
    EXPECT_EQ(calc.Record().bladeLength[3], 0);
    EXPECT_NEAR(calc.RoLbs(), 11.5024, 1e-4);
    EXPECT_EQ(out.lines.at(21), "Average Cutting Diameter(aveCD):0.819 inch");
}

// A failing step keeps the earlier steps' values, and the box keeps the previous report, full
// or metric.
TEST(Setup, FailureNamesTheInputAndKeepsThePreviousReport) {
    const struct {
        const char* changes;
        ErrorKind kind;
        std::string input;
    } rows[] = {
        {"InArrowLength=", TypeMismatch, "InArrowLength"},
        {"InArrowLength=; ChosenMetric", TypeMismatch, "InArrowLength"},
        {"GPI=abc", TypeMismatch, "GPI"},
        {"BroadheadWeight=1,5", TypeMismatch, "BroadheadWeight"},
        {"StaticSpine=", TypeMismatch, "StaticSpine"},
        {"InArrowSpeed=1e400", Overflow, "InArrowSpeed"},
        {"InArrowSpeed=1e308", Overflow, "InArrowSpeed"}, // times 12
        {"InArrowMass=-1e309", Overflow, "InArrowMass"},
        {"InBroadhead_1=1e999", Overflow, "InBroadhead_1"},
        {"InBroadhead_0=1e308", Overflow, "InBroadhead"}, // the cutting diameter doubles it
        {"GPI=1e307", Overflow, "GPI"},                   // times the length
        {"BroadheadWeight=1e400", Overflow, "BroadheadWeight"},
    };
    for (const auto& row : rows) {
        FormState form = ExampleForm();
        Calculator calc(form);
        calc.WriteReport();
        const std::string previous = calc.BoxText();
        form = With(form, row.changes);
        const Outcome out = Press(calc);
        EXPECT_EQ(out.error, row.kind) << row.changes;
        EXPECT_EQ(out.place, "input " + row.input) << row.changes;
        EXPECT_EQ(calc.BoxText(), previous) << row.changes;
    }
    FormState form = ExampleForm();
    Calculator calc(form);
    calc.Setup();
    form = With(form, "InArrowSpeed=200; InArrowLength=30; BroadheadWeight=w; StaticSpine=500");
    EXPECT_EQ(KindOf([&] { calc.Setup(); }), TypeMismatch);
    EXPECT_DOUBLE_EQ(calc.Record().speedFps, 200);
    EXPECT_EQ(calc.Record().shaftWeightGrains, 270);
    EXPECT_EQ(calc.Record().broadheadWeightGrains, 100);
    EXPECT_EQ(calc.Record().staticSpine, 400);
}

} // namespace
} // namespace kesta::test
