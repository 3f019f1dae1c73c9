// The warnings before a report: each names an input the way the report really treats it, so
// each case also runs the report and checks the record against what the warning claims.
#include "ReportTestSupport.h"

#include "form/SettingsKeys.h"
#include "report/InputWarnings.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using Kind = InputWarning::Kind;

std::vector<std::string> Texts(const FormState& form, const InputRecord& previous = {}) {
    std::vector<std::string> texts;
    for (const InputWarning& w : InputWarnings(form, previous))
        texts.push_back(w.text);
    return texts;
}

// The form a first run shows: every stored key absent.
FormState FirstRunForm() {
    FormState form;
    LoadSettings(form, [](const std::string&) { return std::nullopt; });
    return form;
}

TEST(InputWarnings, TheWorkedExampleHasNone) {
    EXPECT_TRUE(InputWarnings(ExampleForm(), {}).empty());
    EXPECT_FALSE(EveryInputZero(ExampleForm()));
}

TEST(InputWarnings, AnUnreadableSpeedOrMassNamesTheValueTheReportKeeps) {
    // A report at 270 fps, then the same with "28O" typed: the warning's 270 is the figure the
    // second report really prints.
    const FormState at270 = ExampleForm("InArrowSpeed=270");
    const FormState typo = ExampleForm("InArrowSpeed=28O");
    Calculator first(at270);
    first.Setup();
    const InputRecord previous = first.Record();
    EXPECT_EQ(Texts(typo, previous),
              std::vector<std::string>{
                  "Arrow speed '28O' is not a number: this report uses the previous 270 fps"});
    const struct {
        const char* changes;
        const char* expected;
    } rows[] = {
        {"InArrowSpeed=fast", "Arrow speed 'fast' is not a number: this report uses 0 fps"},
        {"InArrowSpeed=fast; ArrowSpeedM",
         "Arrow speed 'fast' is not a number: this report uses 0 m/s"},
        {"InArrowMass=  ", "Arrow mass is empty: this report uses 0 grains"},
        {"InArrowMass=26g; ArrowMassGram", "Arrow mass '26g' is not a number: this report uses 0 grams"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Texts(ExampleForm(row.changes)), std::vector<std::string>{row.expected})
            << row.changes;

    // The previous figures in the unit now chosen, rounded for reading.
    InputRecord record;
    record.speedFps = 299.99999999999994;
    record.speedMs = 91.44;
    record.massGrains = 400.00000000000006;
    record.massKg = 0.026;
    EXPECT_EQ(Texts(ExampleForm("InArrowSpeed=x; ArrowSpeedM; InArrowMass=y"), record),
              (std::vector<std::string>{
                  "Arrow speed 'x' is not a number: this report uses the previous 91.44 m/s",
                  "Arrow mass 'y' is not a number: this report uses the previous 400 grains"}));
    EXPECT_EQ(Texts(ExampleForm("InArrowSpeed=x; InArrowMass=y; ArrowMassGram"), record),
              (std::vector<std::string>{
                  "Arrow speed 'x' is not a number: this report uses the previous 300 fps",
                  "Arrow mass 'y' is not a number: this report uses the previous 26 grams"}));
}

TEST(InputWarnings, TheReportKeepsTheSpeedTheWarningNames) {
    FormState form = ExampleForm("InArrowSpeed=270");
    Calculator calc(form);
    calc.WriteReport();
    const std::string at270 = calc.BoxText();
    form.SetText("InArrowSpeed", "28O");
    const auto warnings = InputWarnings(form, calc.Record());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, Kind::SpeedNotANumber);
    calc.WriteReport();
    EXPECT_EQ(calc.BoxText(), at270); // the report is as it always was
}

TEST(InputWarnings, BladeRowsHoldingZeroCountAsBlades) {
    const struct {
        const char* changes;
        const char* expected;
        double bladeCount; // what the report really counts
    } rows[] = {
        {"InBroadhead_4=0; InBroadhead_5=0; InBroadhead_6=0; InBroadhead_7=0; InBroadhead_8=0; "
         "InBroadhead_9=0; InBroadhead_10=0; InBroadhead_11=0",
         "Blade rows 3 to 6 hold 0 and count as blades: leave unused rows empty", 6},
        {"InBroadhead_6=0; InBroadhead_7=0",
         "Blade row 4 holds 0 and counts as a blade: leave unused rows empty", 3},
        {"InBroadhead_4=0.0; InBroadhead_5=0; InBroadhead_8=-0; InBroadhead_9=0",
         "Blade rows 3 and 5 hold 0 and count as blades: leave unused rows empty", 4},
        {"InBroadhead_4=0; InBroadhead_5=0; InBroadhead_6=0; InBroadhead_7=0; InBroadhead_10=0; "
         "InBroadhead_11=0",
         "Blade rows 3, 4 and 6 hold 0 and count as blades: leave unused rows empty", 5},
        // A height of 0 with a length still counts, with no height.
        {"InBroadhead_4=0; InBroadhead_5=1",
         "Blade row 3 holds 0 and counts as a blade: leave unused rows empty", 3},
    };
    for (const auto& row : rows) {
        const FormState form = ExampleForm(row.changes);
        EXPECT_EQ(Texts(form), std::vector<std::string>{row.expected}) << row.changes;
        Calculator calc(form);
        calc.Setup();
        EXPECT_EQ(calc.Record().bladeCount, row.bladeCount) << row.changes;
    }
    // A length of 0 under a real height is a blade the user meant.
    EXPECT_TRUE(Texts(ExampleForm("InBroadhead_4=0.5; InBroadhead_5=0")).empty());
}

TEST(InputWarnings, ABladeRowWithATextThatIsNotANumberIsSkipped) {
    const struct {
        const char* changes;
        const char* expected;
    } rows[] = {
        {"InBroadhead_3=1x",
         "Blade row 2 is skipped and does not count as a blade: its length '1x' is not a number"},
        {"InBroadhead_4=0.9",
         "Blade row 3 is skipped and does not count as a blade: its length is empty"},
        {"InBroadhead_10=0,5; InBroadhead_11=1",
         "Blade row 6 is skipped and does not count as a blade: its height '0,5' is not a number"},
        {"InBroadhead_0=a; InBroadhead_1= ",
         "Blade row 1 is skipped and does not count as a blade: its height 'a' is not a number "
         "and its length is empty"},
    };
    for (const auto& row : rows) {
        const FormState form = ExampleForm(row.changes);
        EXPECT_EQ(Texts(form), std::vector<std::string>{row.expected}) << row.changes;
        Calculator calc(form);
        calc.Setup();
        EXPECT_LT(calc.Record().bladeCount, 3) << row.changes;
    }
    // Rows left empty, or holding blanks only, are unused and say nothing.
    EXPECT_TRUE(Texts(ExampleForm("InBroadhead_4= ; InBroadhead_5=")).empty());
}

TEST(InputWarnings, AFirstRunSaysSoOnce) {
    const FormState first = FirstRunForm();
    EXPECT_TRUE(EveryInputZero(first));
    const auto warnings = InputWarnings(first, {});
    ASSERT_EQ(warnings.size(), 1u); // not also six blade rows of 0
    EXPECT_EQ(warnings[0].kind, Kind::FirstRun);
    EXPECT_EQ(warnings[0].text, "Every input still holds 0, as on a first run: type the figures "
                                "of your set-up, or start from an example");
    // One figure typed and it is no longer a first run; the rows of 0 are then worth a word.
    FormState typed = first;
    typed.SetText("InArrowSpeed", "280");
    EXPECT_FALSE(EveryInputZero(typed));
    EXPECT_EQ(Texts(typed), std::vector<std::string>{"Blade rows 1 to 6 hold 0 and count as "
                                                     "blades: leave unused rows empty"});
    // The angles keep their design values on a first run and do not count.
    typed = first;
    typed.SetText("inEdge", "0");
    EXPECT_TRUE(EveryInputZero(typed));
}

TEST(InputWarnings, ALongTextIsQuotedShort) {
    const std::string pasted(500, '9');
    const auto texts = Texts(ExampleForm("InArrowSpeed=x" + pasted));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Arrow speed 'x" + std::string(39, '9') +
                            "\xE2\x80\xA6' is not a number: this report uses 0 fps");

    // Texts from a set-up file or the command line: a line break or a terminal's escape would
    // break the warning's line or act on the terminal, and stray UTF-8 continuation bytes are
    // no way past the cut (four make a character at most).
    FormState form = ExampleForm();
    form.SetText("InArrowSpeed", "4\n0\x1b[2J\x7f\t");
    form.SetText("InArrowMass", "x" + std::string(5000, '\xa3'));
    EXPECT_EQ(Texts(form),
              (std::vector<std::string>{
                  "Arrow speed '4?0?[2J??' is not a number: this report uses 0 fps",
                  "Arrow mass 'x" + std::string(159, '\xa3') +
                      "\xE2\x80\xA6' is not a number: this report uses 0 grains"}));
}

} // namespace
} // namespace kesta::test
