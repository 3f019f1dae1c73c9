// End-to-end runs of the built kesta-report: its output bytes, exit status and standard error.
#include "ToolRun.h"
#include "tests/common/WorkedExample.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace kesta::test {
namespace {

TEST(KestaReport, WorkedExampleInLfAndCrlf) {
    const ToolRun run = RunTool(Example());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    const Args lines = Lines(run.out);
    Args expected = kesta::test::WorkedExampleOpening();
    expected.push_back("Accuracy");
    ASSERT_GT(lines.size(), expected.size());
    EXPECT_EQ(Args(lines.begin(), lines.begin() + expected.size()), expected);

    // --crlf gives the box's bytes: the same lines, each ended by CR LF.
    const ToolRun crlf = RunTool(Example({"--crlf"}));
    EXPECT_EQ(crlf.status, 0);
    EXPECT_EQ(Lines(crlf.out, "\r\n"), lines);
    EXPECT_EQ(crlf.out.size(), run.out.size() + lines.size());
}

TEST(KestaReport, StoresAndOverrides) {
    // The test environment's per-user store holds a metric set-up; only --user reads it.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    fs::create_directories(fs::path(config) / "KESTA");
    std::ofstream(fs::path(config) / "KESTA" / "KESTA.ini")
        << "[values]\nspeed=300\nmass=400\nImperial=False\nMetric=True\n";
    const ToolRun user = RunTool({"--user"});
    EXPECT_EQ(user.status, 0) << user.err;
    const Args metric = Lines(user.out);
    ASSERT_EQ(metric.size(), 3u);
    EXPECT_EQ(metric[0], "Momentum = 2.38 Newton seconds");
    EXPECT_EQ(metric[1], "Kinetic Energy = 109 Joule");
    EXPECT_EQ(metric[2].rfind("Ro = ", 0), 0u);
    EXPECT_EQ(Lines(RunTool({"speed=300", "mass=400"}).out).at(0), "Arrow"); // a first-run store

    const fs::path file = fs::path(::testing::TempDir()) / "kesta-example.ini";
    {
        std::ofstream ini(file);
        ini << "[values]\n";
        for (const std::string& pair : Example())
            ini << pair << "\n";
    }
    const ToolRun fromFile = RunTool({"--settings", file.string()});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, RunTool(Example()).out);
    // An override wins over the file, through the same option-group rules as loading; no
    // report unit selected gives the summary.
    EXPECT_EQ(Lines(RunTool({"--settings=" + file.string(), "Metric=True"}).out).size(), 3u);
    EXPECT_EQ(Lines(RunTool({"--settings", file.string(), "Imperial=False"}).out).size(), 3u);

    const ToolRun missing = RunTool({"--settings", file.string() + ".absent"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err.rfind("error: File not found", 0), 0u) << missing.err;
}

TEST(KestaReport, FailuresKeepTheLinesWrittenBeforeThem) {
    // Setup fails before any line: nothing on stdout.
    const ToolRun setup = RunTool(Example({"length="}));
    EXPECT_EQ(setup.status, 3);
    EXPECT_EQ(setup.out, "");
    EXPECT_EQ(setup.err, "error: Type mismatch (input length)\n"); // the key, as given
    // No broadhead weight: the frequency line divides by zero, right after the Fc% line.
    const ToolRun run = RunTool(Example({"--crlf", "BHW=0"}));
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "error: Division by zero (report line 17, Dynamic Spine)\n");
    const Args lines = Lines(run.out, "\r\n");
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[12], "Dynamic Spine");
    EXPECT_EQ(lines[15].rfind("   Fc% : ", 0), 0u);
    // No draw weight: the Fc% line itself divides by zero.
    const ToolRun noDraw = RunTool(Example({"DrawWeigth=0"}));
    EXPECT_EQ(noDraw.status, 3);
    EXPECT_EQ(noDraw.err, "error: Division by zero (report line 16, Dynamic Spine)\n");
    EXPECT_EQ(Lines(noDraw.out).size(), 15u);
}

TEST(KestaReport, CommandLines) {
    for (const Args& args : std::vector<Args>{{"speeed=300"},
                                              {"Dist=20"},
                                              {"dist12=20"},
                                              {"=5"},
                                              {"speed"},
                                              {"--metric"},
                                              {"-x"},
                                              {"--settings"},
                                              {"--user", "--settings", "f.ini"},
                                              {"--user", "--user"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.out, "") << args[0];
        EXPECT_EQ(Lines(run.err).back(), "see kesta-report --help") << args[0];
    }
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: kesta-report", 0), 0u);
    EXPECT_NE(help.out.find("Dist12"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kesta-report " KESTA_VERSION "\n");
}

} // namespace
// A private configuration folder, open to every user, whose KESTA/KESTA.ini is `path`.
struct UserStore {
    explicit UserStore(const std::string& name)
        : home(fs::path(::testing::TempDir()) / ("kesta-" + name + "-" + std::to_string(getpid()))),
          path(home / "KESTA" / "KESTA.ini") {
        fs::remove_all(home);
        fs::create_directories(path.parent_path());
        for (const fs::path& folder : {home, path.parent_path()})
            fs::permissions(folder,
                            fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
    }
    ~UserStore() { fs::remove_all(home); }
    RunAs As(bool ordinaryUser = false) const { return {home.string(), ordinaryUser}; }

    fs::path home, path;
};

TEST(KestaReport, AUserStoreThatCannotBeReadStopsWithItsPath) {
    const UserStore store("unreadable");
    const std::string expected = "error: Path/File access error: " + store.path.string() + "\n";
    auto expectRefused = [&](const char* what, const RunAs& as) {
        const ToolRun run = RunTool({"--user", "speed=300"}, as);
        EXPECT_EQ(run.status, 3) << what; // -1: it blocked
        EXPECT_EQ(run.out, "") << what;
        EXPECT_EQ(run.err, expected) << what;
        fs::remove_all(store.path);
    };
    ASSERT_EQ(mkfifo(store.path.c_str(), 0600), 0);
    expectRefused("a named pipe", store.As());
    fs::create_directory(store.path);
    expectRefused("a folder", store.As());
    fs::create_symlink(store.home / "absent.ini", store.path);
    expectRefused("a link to nothing", store.As());
    fs::create_symlink("/dev/zero", store.path);
    expectRefused("a device", store.As());
    // --settings refuses the same pipe with the same message; a damaged but readable store
    // is no error, as before.
    ASSERT_EQ(mkfifo(store.path.c_str(), 0600), 0);
    const ToolRun file = RunTool({"--settings", store.path.string()});
    EXPECT_EQ(file.status, 3);
    EXPECT_EQ(file.err, expected);
    fs::remove(store.path);
    std::ofstream(store.path) << "[values]\nspeed=300\nImperial=False\nMetric=True\nstaticsp";
    const ToolRun damaged = RunTool({"--user", "mass=400"}, store.As());
    EXPECT_EQ(damaged.status, 0) << damaged.err;
    EXPECT_EQ(Lines(damaged.out).at(0), "Momentum = 2.38 Newton seconds");
}

TEST(KestaReport, AUserStoreWithoutReadPermissionStopsWithItsPath) {
    // The superuser reads through file permissions: the tool then runs as user nobody, from
    // a copy that user can reach wherever the build folder lies.
    const UserStore store("unreadable");
    if (geteuid() == 0 && (ToolForEveryone().empty() || !EveryoneCanEnter(store.home)))
        GTEST_SKIP() << "no folder every user can enter for kesta-report and its store, so "
                        "it cannot run as user nobody";
    std::ofstream(store.path) << "[values]\nspeed=300\n";
    fs::permissions(store.path, fs::perms::owner_write);
    const ToolRun run = RunTool({"--user", "speed=300"}, store.As(true));
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: Path/File access error: " + store.path.string() + "\n");
}

TEST(KestaReport, OnlyItsOwnMessagesOnStandardError) {
    // A mistyped argument is echoed with at most 60 characters, then "…".
    const std::string ellipsis = "\xE2\x80\xA6";
    std::string umlauts;
    for (int i = 0; i < 70; ++i)
        umlauts += "\xC3\xA4"; // ä, two bytes each
    const std::pair<std::string, std::string> rows[] = {
        {std::string(100'000, 'k') + "=1", "unknown key '" + std::string(60, 'k') + ellipsis},
        {std::string(60, 'k') + "=1", "unknown key '" + std::string(60, 'k') + "'"},
        {"--" + std::string(99'998, 'x'), "unknown option '--" + std::string(58, 'x') + ellipsis},
        {std::string(61, 'w'), "'" + std::string(60, 'w') + ellipsis + "' is not KEY=VALUE"},
        {umlauts + "=1", "unknown key '" + umlauts.substr(0, 120) + ellipsis + "'"},
    };
    // The message and the usage, never the whole argument.
    const std::size_t usage = RunTool({"--help"}).out.size();
    ASSERT_GT(usage, 1000u);
    for (const auto& [arg, echo] : rows) {
        const ToolRun run = RunTool({arg});
        EXPECT_EQ(run.status, 2) << echo;
        EXPECT_EQ(run.err.rfind("kesta-report: " + echo, 0), 0u) << run.err.substr(0, 200);
        EXPECT_LT(run.err.size(), usage + 200) << echo;
    }

    // A damaged file makes QSettings warn; only --verbose shows it.
    const fs::path file = fs::path(::testing::TempDir()) / "kesta-damaged.ini";
    std::ofstream(file, std::ios::binary)
        << std::string("[values]\nspeed=@Variant(\0\0\0\x7f\0\0\0\x05Hello)\n", 39);
    // (--quiet: the inputs' own warnings are another matter.)
    const ToolRun quiet = RunTool({"--quiet", "--settings", file.string()});
    EXPECT_EQ(quiet.status, 3);
    ASSERT_EQ(Lines(quiet.err).size(), 1u) << quiet.err;
    EXPECT_EQ(quiet.err.rfind("error: Division by zero (", 0), 0u) << quiet.err;
    const ToolRun verbose = RunTool({"--quiet", "--verbose", "--settings", file.string()});
    EXPECT_EQ(verbose.status, 3);
    EXPECT_EQ(verbose.out, quiet.out);
    EXPECT_NE(verbose.err.find("unknown user type with name Hello"), std::string::npos)
        << verbose.err;
    EXPECT_EQ(Lines(verbose.err).back() + "\n", quiet.err);
}

} // namespace kesta::test
