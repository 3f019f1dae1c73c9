// Standard output that cannot take the report: every output of kesta-report, --help and
// --version included, fails as a write, says why and exits 3.
#include "ToolRun.h"

namespace kesta::test {
namespace {

TEST(KestaReportOutput, AFullDeviceStopsEveryOutputWithTheReason) {
    RunAs full;
    full.stdoutFile = "/dev/full";
    for (const Args& args : {Example(), Example({"--needs"}), Args{"--help"}, Args{"--version"},
                             Args{"--list-examples"}}) {
        const ToolRun run = RunTool(args, full);
        EXPECT_EQ(run.status, 3) << args.front();
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos)
            << args.front() << ": " << run.err;
    }
}

TEST(KestaReportOutput, AFileSizeLimitFailsTheWriteInsteadOfKillingTheTool) {
    // Under `ulimit -f`, the default SIGXFSZ would end the tool without a word (status 153).
    for (const long long limit : {0LL, 100LL}) {
        RunAs limited;
        limited.fileSizeLimit = limit;
        const ToolRun run = RunTool(Example(), limited);
        EXPECT_EQ(run.status, 3) << limit;
        // The limit binds standard error too: at 0 the message cannot be kept either.
        if (limit > 0) {
            EXPECT_EQ(run.err, "error: Path/File access error: standard output could not be "
                               "written: File too large\n");
        }
        EXPECT_LE(run.out.size(), std::size_t(limit));
    }
}

} // namespace
} // namespace kesta::test
