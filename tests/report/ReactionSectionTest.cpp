// The reaction-time table: how far the game may stand and still be hit before it reacts to
// the sound of the shot, from the arrow speed alone.
#include "ImperialReportRun.h"

#include <gtest/gtest.h>

namespace kesta::testing {
namespace {

using Lines = std::vector<std::string>;

Lines ReactionTable(const std::string& r015, const std::string& r02, const std::string& r025,
                    const std::string& r03, const std::string& r04) {
    return {"Max distance in Relation to Reaction time and",
            "Arrow Speed",
            "            Second    Yards",
            "Category      0.15      " + r015 + " Y",
            "    #1        0.2       " + r02 + " Y",
            "    #2        0.25      " + r025 + " Y",
            "    #3        0.3       " + r03 + " Y",
            "    #4+       0.4       " + r04 + " Y",
            "",
            "Penetration Ability per category"};
}

Lines ReactionLines(const ReportRun& run) {
    return run.From("Max distance in Relation to Reaction time and", 10);
}

TEST(ReactionSection, WorkedExampleAt300Fps) {
    const ReportRun run = RunReport(ReferenceForm());
    ASSERT_FALSE(run.error);
    // 20.747..., 27.66..., 34.58..., 41.49..., 55.33...
    EXPECT_EQ(ReactionLines(run), ReactionTable("21", "28", "35", "41", "55"));
    // The empty line closing the accuracy table comes right before the heading.
    const std::size_t at = run.IndexOf("Max distance in Relation to Reaction time and");
    ASSERT_GE(at, 2u);
    EXPECT_EQ(run.lines[at - 1], "");
    EXPECT_EQ(run.lines[at - 2], "    #6       11    88 Y");
}

TEST(ReactionSection, SpeedInMetresPerSecond) {
    FormState form = ReferenceForm();
    form.SetText("InArrowSpeed", "100"); // 328.08... fps
    form.SetSelected("ArrowSpeedM", true);
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    // 0.15 s: (328.08 * 162.45) / 754.92 / 3 = 23.53...
    EXPECT_EQ(ReactionLines(run), ReactionTable("24", "31", "39", "47", "63"));
}

TEST(ReactionSection, VerySlowArrowGivesZeroDistances) {
    FormState form = ReferenceForm();
    form.SetText("InArrowSpeed", "1");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(ReactionLines(run), ReactionTable("0", "0", "0", "0", "0"));
}

TEST(ReactionSection, ThreeDigitDistancesAreNotPadded) {
    FormState form = ReferenceForm();
    form.SetText("InArrowSpeed", "600"); // 0.4 s: 600 * 433.2 / 483 / 3 = 179.37...
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(ReactionLines(run), ReactionTable("67", "90", "112", "135", "179"));
}

TEST(ReactionSection, AboveTheSpeedOfSoundDistancesAreNegative) {
    FormState form = ReferenceForm();
    form.SetText("InArrowSpeed", "1200");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    // 0.15 s: (1200 * 162.45) / -117 / 3 = -555.38...
    EXPECT_EQ(ReactionLines(run), ReactionTable("-555", "-741", "-926", "-1111", "-1481"));
}

TEST(ReactionSection, TypedSpeedOfSoundIsOneUlpAbove) {
    // "1083" fps goes through m/s and back to 1083.0000000000002 fps, so 1083 - v is a tiny
    // negative number rather than zero: huge negative distances, in exponent form.
    FormState form = ReferenceForm();
    form.SetText("InArrowSpeed", "1083");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    const Lines lines = ReactionLines(run);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "Category      0.15      -2.57921018718113E+17 Y");
    EXPECT_EQ(lines[7], "    #4+       0.4       -6.87789383248301E+17 Y");
}

TEST(ReactionSection, ExactSpeedOfSoundStopsAfterTheAccuracyTable) {
    FormState form = ReferenceForm();
    Calculator calculator(form);
    ASSERT_FALSE(RunReport(calculator).error);
    // No typed text converts to exactly 1083 fps; a speed text that is not a number keeps the
    // record's speed from the last report, so the stored speed is set directly.
    const_cast<InputRecord&>(calculator.Record()).speedFps = 1083;
    form.SetText("InArrowSpeed", "fast");
    const ReportRun run = RunReport(calculator);
    ASSERT_TRUE(run.error);
    EXPECT_EQ(*run.error, ErrorKind::DivisionByZero);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), "    #6       11    88 Y");
    EXPECT_EQ(run.IndexOf("Max distance in Relation to Reaction time and"), run.lines.size());
}

} // namespace
} // namespace kesta::testing
