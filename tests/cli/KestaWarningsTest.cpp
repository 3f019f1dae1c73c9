// kesta-report's warnings: on standard error before the report, which stays byte for byte what
// it is with --quiet, under the same exit status.
#include "ToolRun.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

// The run, and the same with --quiet: the report and the status must not move.
ToolRun RunWarned(const Args& args) {
    const ToolRun run = RunTool(args);
    Args quietArgs = args;
    quietArgs.push_back("--quiet");
    const ToolRun quiet = RunTool(quietArgs);
    EXPECT_EQ(run.out, quiet.out);
    EXPECT_EQ(run.status, quiet.status);
    EXPECT_EQ(quiet.err.find("warning: "), std::string::npos) << quiet.err;
    // What --quiet left is exactly what followed the warnings.
    EXPECT_EQ(run.err.substr(run.err.size() - quiet.err.size()), quiet.err);
    return run;
}

TEST(KestaWarnings, EachTrapIsNamedAndTheReportIsUnchanged) {
    const struct {
        Args more;
        std::string warnings;
        int status;
    } rows[] = {
        {{"speed=fast"},
         "warning: Arrow speed 'fast' is not a number: this report uses 0 fps\n", 3},
        {{"mass=28O", "massg=True"},
         "warning: Arrow mass '28O' is not a number: this report uses 0 grams\n", 3},
        {{"BH4=0", "BH5=0", "BH6=0", "BH7=0", "BH8=0", "BH9=0", "BH10=0", "BH11=0"},
         "warning: Blade rows 3 to 6 hold 0 and count as blades: leave unused rows empty\n", 0},
        {{"BH3=1,0"},
         "warning: Blade row 2 is skipped and does not count as a blade: its length '1,0' is "
         "not a number\n",
         0},
        {{}, "", 0},
    };
    for (const auto& row : rows) {
        const ToolRun run = RunWarned(Example(row.more));
        EXPECT_EQ(run.status, row.status) << row.warnings;
        EXPECT_EQ(run.err.substr(0, row.warnings.size()), row.warnings);
        if (row.status == 0) {
            EXPECT_EQ(run.err, row.warnings);
        }
    }
    // Six blades counted, as the warning says.
    const ToolRun six = RunTool(Example({"BH4=0", "BH5=0", "BH6=0", "BH7=0", "BH8=0", "BH9=0",
                                         "BH10=0", "BH11=0"}));
    EXPECT_NE(six.out.find("   Blade count      : 6\n"), std::string::npos) << six.out;
}

TEST(KestaWarnings, AFirstRunSaysWhereToStart) {
    const ToolRun run = RunWarned({});
    EXPECT_EQ(run.status, 3);
    const Args lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[0], "warning: Every input still holds 0, as on a first run: type the figures "
                        "of your set-up, or start from an example (--example NAME; see "
                        "--list-examples)");
    EXPECT_EQ(lines[1].rfind("error: ", 0), 0u);
}

TEST(KestaWarnings, NeedsAndCompareWarnToo) {
    const ToolRun needs = RunWarned(Example({"--needs", "speed=fast"}));
    EXPECT_EQ(needs.err.rfind("warning: Arrow speed 'fast' is not a number", 0), 0u) << needs.err;
    const ToolRun compare = RunWarned({"--compare", "example:worked-example", "example:light-deer"});
    EXPECT_EQ(compare.err, "");
}

} // namespace
} // namespace kesta::test
