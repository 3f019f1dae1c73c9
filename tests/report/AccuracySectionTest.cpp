// The accuracy section: grouping diameter and angle, the safety factor, and the maximum hunting
// distance per category, checked line by line through the whole imperial report.
#include "ImperialReportRun.h"

#include <gtest/gtest.h>

namespace kesta::testing {
namespace {

using Lines = std::vector<std::string>;

// The table rows for the three distances of categories 1, 2 and 3 to 6.
Lines DistanceRows(const std::string& cat1, const std::string& cat2, const std::string& cat3) {
    return {"    #1        4.5  " + cat1 + " Y", "    #2        8    " + cat2 + " Y",
            "    #3       11    " + cat3 + " Y", "    #4       11    " + cat3 + " Y",
            "    #5       11    " + cat3 + " Y", "    #6       11    " + cat3 + " Y"};
}

Lines DistanceTable(const ReportRun& run) {
    const Lines rows = run.From("Category  (inch)  (yards)", 7);
    return rows.size() < 7 ? Lines{} : Lines(rows.begin() + 1, rows.end());
}

TEST(AccuracySection, WorkedExampleInInchesAndYards) {
    const ReportRun run = RunReport(ReferenceForm());
    ASSERT_FALSE(run.error);
    const Lines expected = {"Accuracy",
                            "   Grouping Diameter: 2 inch",
                            "   Grouping Angle   : 0.1 inch/yard",
                            "",
                            "Maximum Hunting Distance based on Accuracy",
                            "Safety Factor:25%",
                            "            VD     Max",
                            "Category  (inch)  (yards)",
                            "    #1        4.5  36 Y",
                            "    #2        8    64 Y",
                            "    #3       11    88 Y",
                            "    #4       11    88 Y",
                            "    #5       11    88 Y",
                            "    #6       11    88 Y",
                            "",
                            "Max distance in Relation to Reaction time and"};
    EXPECT_EQ(run.From("Accuracy", expected.size()), expected);
    // The section follows the damage-area section and its empty line.
    const std::size_t at = run.IndexOf("Accuracy");
    ASSERT_GE(at, 2u);
    EXPECT_EQ(run.lines[at - 1], "");
    EXPECT_EQ(run.lines[at - 2].rfind("Potential Damage Area: ", 0), 0u);
}

TEST(AccuracySection, MillimetresAndMetresGiveTheInchYardAngle) {
    FormState form = ReferenceForm();
    form.SetText("GroupingCirc", "150");
    form.SetSelected("GroupingCircInMM", true);
    form.SetSelected("DistanceInM", true);
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.From("Accuracy", 3), (Lines{"Accuracy", "   Grouping Diameter: 2 inch",
                                              "   Grouping Angle   : 0.09 inch/yard"}));
    // 0.09 up to floating point, times 1.25.
    EXPECT_EQ(DistanceTable(run), DistanceRows("40", "71", "98"));
}

TEST(AccuracySection, RoundedFiguresKeepTheirDecimals) {
    FormState form = ReferenceForm();
    form.SetText("GroupingCirc", " 7 "); // blanks around a number are allowed
    form.SetText("Distance", "30");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    // 7 / 3 = 2.333..., 2.333... / 30 = 0.0777...
    EXPECT_EQ(run.From("Accuracy", 3), (Lines{"Accuracy", "   Grouping Diameter: 2.3 inch",
                                              "   Grouping Angle   : 0.078 inch/yard"}));
}

TEST(AccuracySection, SafetyFactorScalesTheAngle) {
    FormState form = ReferenceForm();
    form.SetSelected("Safety_0", true);
    ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.IndexOf("Safety Factor:0%") + 1, run.IndexOf("            VD     Max"));
    EXPECT_EQ(DistanceTable(run), DistanceRows("45", "80", "110"));

    form.SetSelected("Safety_2", true);
    run = RunReport(form);
    ASSERT_LT(run.IndexOf("Safety Factor:50%"), run.lines.size());
    EXPECT_EQ(DistanceTable(run), DistanceRows("30", "53", "73"));

    form.SetSelected("Safety_3", true);
    run = RunReport(form);
    ASSERT_LT(run.IndexOf("Safety Factor:75%"), run.lines.size());
    EXPECT_EQ(DistanceTable(run), DistanceRows("26", "46", "63"));

    // "100%" halves every distance of "0%"; 4.5 / 0.2 is 22.5 and rounds half to even.
    form.SetSelected("Safety_4", true);
    run = RunReport(form);
    ASSERT_LT(run.IndexOf("Safety Factor:100%"), run.lines.size());
    EXPECT_EQ(DistanceTable(run), DistanceRows("22", "40", "55"));
}

TEST(AccuracySection, NoSafetyOptionSelectedReadsAsHundredPercent) {
    FormState form = ReferenceForm();
    form.SetSelected("Safety_1", false);
    for (int element = 0; element < 5; ++element) {
        ASSERT_FALSE(form.Selected(ElementName("Safety", element)));
    }
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_LT(run.IndexOf("Safety Factor:100%"), run.lines.size());
    EXPECT_EQ(DistanceTable(run), DistanceRows("22", "40", "55"));
}

TEST(AccuracySection, NegativeInputsGiveNegativeFigures) {
    FormState form = ReferenceForm();
    form.SetText("GroupingCirc", "-6");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.From("Accuracy", 3), (Lines{"Accuracy", "   Grouping Diameter: -2 inch",
                                              "   Grouping Angle   : -0.1 inch/yard"}));
    EXPECT_EQ(DistanceTable(run), DistanceRows("-36", "-64", "-88"));
}

// A failure leaves the lines written so far; the error kind names what went wrong.
struct AccuracyFailure {
    const char* control;
    const char* text;
    ErrorKind kind;
    const char* lastLine;
};

class AccuracyFailureTest : public ::testing::TestWithParam<AccuracyFailure> {};

TEST_P(AccuracyFailureTest, StopsAfterTheLinesWrittenSoFar) {
    const AccuracyFailure& failure = GetParam();
    FormState form = ReferenceForm();
    form.SetText(failure.control, failure.text);
    const ReportRun run = RunReport(form);
    ASSERT_TRUE(run.error);
    EXPECT_EQ(*run.error, failure.kind);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), failure.lastLine);
    EXPECT_LT(run.IndexOf("Accuracy"), run.lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    AccuracySection, AccuracyFailureTest,
    ::testing::Values(
        AccuracyFailure{"GroupingCirc", "", ErrorKind::TypeMismatch, "Accuracy"},
        AccuracyFailure{"GroupingCirc", "six", ErrorKind::TypeMismatch, "Accuracy"},
        AccuracyFailure{"GroupingCirc", "6,5", ErrorKind::TypeMismatch, "Accuracy"},
        AccuracyFailure{"Distance", "", ErrorKind::TypeMismatch, "   Grouping Diameter: 2 inch"},
        AccuracyFailure{"Distance", "20 yards", ErrorKind::TypeMismatch,
                        "   Grouping Diameter: 2 inch"},
        // Distance 0: the grouping angle divides by zero.
        AccuracyFailure{"Distance", "0", ErrorKind::DivisionByZero, "   Grouping Diameter: 2 inch"},
        AccuracyFailure{"Distance", "-0", ErrorKind::DivisionByZero,
                        "   Grouping Diameter: 2 inch"},
        // Grouping 0: the angle is 0 and the first hunting distance divides by zero, before
        // the table headings.
        AccuracyFailure{"GroupingCirc", "0", ErrorKind::DivisionByZero, "Safety Factor:25%"},
        // A grouping beyond a double is an overflow of the conversion.
        AccuracyFailure{"GroupingCirc", "1e400", ErrorKind::Overflow, "Accuracy"}));

TEST(AccuracySection, AngleBeyondADoubleIsAnOverflow) {
    FormState form = ReferenceForm();
    form.SetText("GroupingCirc", "3e300");
    form.SetText("Distance", "1e-10");
    const ReportRun run = RunReport(form);
    ASSERT_TRUE(run.error);
    EXPECT_EQ(*run.error, ErrorKind::Overflow);
    EXPECT_EQ(run.lines.back(), "   Grouping Diameter: 1E+300 inch");
}

} // namespace
} // namespace kesta::testing
