// The accuracy section: grouping diameter and angle, the safety factor, and the maximum hunting
// distance per category.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using enum ErrorKind;

TEST(AccuracySection, VariedGroupingDistanceAndSafety) {
    FormState noSafetyOption = ReferenceForm();
    noSafetyOption.SetSelected("Safety_1", false);
    const struct {
        FormState form;
        std::string diameter, angle, safety, cat1, cat2, cat3; // category 3 to 6 alike
    } rows[] = {
        {ReferenceForm(), "2", "0.1", "25%", "36", "64", "88"},
        // 150 mm at 20 m is 0.09 inch/yard up to floating point, times 1.25.
        {ReferenceForm("GroupingCirc=150; GroupingCircInMM; DistanceInM"), "2", "0.09", "25%", "40",
         "71", "98"},
        // Blanks around a number are allowed; 7 / 3 = 2.333..., 2.333... / 30 = 0.0777...
        {ReferenceForm("GroupingCirc= 7 ; Distance=30"), "2.3", "0.078", "25%", "46", "82", "113"},
        {ReferenceForm("GroupingCirc=-6"), "-2", "-0.1", "25%", "-36", "-64", "-88"},
        {ReferenceForm("Safety_0"), "2", "0.1", "0%", "45", "80", "110"},
        {ReferenceForm("Safety_2"), "2", "0.1", "50%", "30", "53", "73"},
        {ReferenceForm("Safety_3"), "2", "0.1", "75%", "26", "46", "63"},
        // "100%" halves every distance of "0%"; 4.5 / 0.2 is 22.5 and rounds half to even.
        {ReferenceForm("Safety_4"), "2", "0.1", "100%", "22", "40", "55"},
        {noSafetyOption, "2", "0.1", "100%", "22", "40", "55"}, // reads as "100%"
    };
    for (const auto& f : rows) {
        // The section follows the damage area and an empty line.
        TextLines expected = {"Potential Damage Area: 8.3 sqr.inches",
                              "",
                              "Accuracy",
                              "   Grouping Diameter: " + f.diameter + " inch",
                              "   Grouping Angle   : " + f.angle + " inch/yard",
                              "",
                              "Maximum Hunting Distance based on Accuracy",
                              "Safety Factor:" + f.safety,
                              "            VD     Max",
                              "Category  (inch)  (yards)",
                              "    #1        4.5  " + f.cat1 + " Y",
                              "    #2        8    " + f.cat2 + " Y"};
        for (int category = 3; category <= 6; ++category)
            expected.push_back("    #" + std::to_string(category) + "       11    " + f.cat3 +
                               " Y");
        EXPECT_EQ(Press(f.form).From(expected[0], expected.size()), expected) << f.cat1;
    }
}

TEST(AccuracySection, FailuresStopAfterTheLinesWrittenSoFar) {
    const std::string diameter = "   Grouping Diameter: 2 inch";
    ExpectStops(
        ReferenceForm(), "Accuracy",
        {{"GroupingCirc=", TypeMismatch, "Accuracy"},
         {"GroupingCirc=six", TypeMismatch, "Accuracy"},
         {"GroupingCirc=6,5", TypeMismatch, "Accuracy"},
         {"GroupingCirc=1e400", Overflow, "Accuracy"},
         {"Distance=", TypeMismatch, diameter},
         {"Distance=20 yards", TypeMismatch, diameter},
         {"Distance=0", DivisionByZero, diameter},
         {"Distance=-0", DivisionByZero, diameter},
         // Grouping 0: the angle is 0 and the first hunting distance divides by zero
         // before the table headings.
         {"GroupingCirc=0", DivisionByZero, "Safety Factor:25%"},
         {"GroupingCirc=3e300; Distance=1e-10", Overflow, "   Grouping Diameter: 1E+300 inch"}});
}

} // namespace
} // namespace kesta::test
