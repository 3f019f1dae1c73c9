// The reaction-time table: how far the game may stand and still be hit before it reacts to
// the sound of the shot, from the arrow speed alone.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

TEST(ReactionSection, DistancesByArrowSpeed) {
    const std::pair<const char*, TextLines> rows[] = {
        // 0.15 s: (300 * 162.45) / 783 / 3 = 20.747...
        {"", {"21", "28", "35", "41", "55"}},
        // (328.08 * 162.45) / 754.92 / 3 = 23.53...
        {"InArrowSpeed=100; ArrowSpeedM", {"24", "31", "39", "47", "63"}},
        {"InArrowSpeed=1", {"0", "0", "0", "0", "0"}},
        // Three-digit distances are not padded: 0.4 s is 600 * 433.2 / 483 / 3 = 179.37...
        {"InArrowSpeed=600", {"67", "90", "112", "135", "179"}},
        // Above the speed of sound distances are negative: (1200 * 162.45) / -117 / 3.
        {"InArrowSpeed=1200", {"-555", "-741", "-926", "-1111", "-1481"}},
        // "1083" fps goes through m/s and back to 1083.0000000000002 fps, so 1083 - v is a
        // tiny negative number rather than zero: huge negative distances, in exponent form.
        {"InArrowSpeed=1083",
         {"-2.57921018718113E+17", "-3.43894691624151E+17", "-4.29868364530188E+17",
          "-5.15842037436226E+17", "-6.87789383248301E+17"}},
        // Just below: 1083 - v is no power of two, so the last digits show the order of the
        // operations: v times (t times 1083) first, then the division, then the thirds.
        {"InArrowSpeed=1082.9999999999872",
         {"4.6057324771091E+15", "6.14097663614548E+15", "7.67622079518184E+15",
          "9.21146495421821E+15", "1.2281953272291E+16"}},
    };
    for (const auto& [changes, y] : rows) {
        // The table follows the accuracy table's last line and an empty line.
        const TextLines expected = {"    #6       11    88 Y",
                                    "",
                                    "Max distance in Relation to Reaction time and",
                                    "Arrow Speed",
                                    "            Second    Yards",
                                    "Category      0.15      " + y[0] + " Y",
                                    "    #1        0.2       " + y[1] + " Y",
                                    "    #2        0.25      " + y[2] + " Y",
                                    "    #3        0.3       " + y[3] + " Y",
                                    "    #4+       0.4       " + y[4] + " Y",
                                    "",
                                    "Penetration Ability per category"};
        EXPECT_EQ(Press(ReferenceForm(changes)).From(expected[0], expected.size()), expected)
            << changes;
    }
}

TEST(ReactionSection, ExactSpeedOfSoundStopsAfterTheAccuracyTable) {
    FormState form = ReferenceForm();
    Calculator calc(form);
    ASSERT_FALSE(Press(calc).error);
    // No typed text converts to exactly 1083 fps; a speed text that is not a number keeps the
    // record's speed from the last report, so the stored speed is set directly.
    const_cast<InputRecord&>(calc.Record()).speedFps = 1083;
    form.SetText("InArrowSpeed", "fast");
    const Outcome out = Press(calc);
    EXPECT_EQ(out.error, ErrorKind::DivisionByZero);
    EXPECT_EQ(out.From("    #6       11    88 Y", 2), TextLines{"    #6       11    88 Y"});
    EXPECT_EQ(out.place, "report line 39, Reaction Time");
}

} // namespace
} // namespace kesta::test
