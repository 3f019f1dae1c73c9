// Standard output that cannot take the report: every output of kesta-report, --help and
// --version included, fails as a write, says why and exits 3.
#include "ToolRun.h"

namespace kesta::test {
namespace {

TEST(KestaReportOutput, AFullDeviceStopsEveryOutputWithTheReason) {
    const RunAs full{.stdoutFile = "/dev/full"};
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
        const ToolRun run = RunTool(Example(), RunAs{.fileSizeLimit = limit});
        EXPECT_EQ(run.status, 3) << limit;
        EXPECT_NE(run.err.find("File too large"), std::string::npos) << limit << ": " << run.err;
        EXPECT_LE(run.out.size(), std::size_t(limit));
    }
}

} // namespace
} // namespace kesta::test
