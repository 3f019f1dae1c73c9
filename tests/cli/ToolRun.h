// Runs the built kesta-report in the tests: its output bytes, exit status and standard error.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kesta::test {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct ToolRun {
    std::string out, err;
    int status = -1;
};

inline std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// How a run differs from the test's own environment.
struct RunAs {
    std::string configHome;    // XDG_CONFIG_HOME, where --user finds the store; "" keeps it
    bool ordinaryUser = false; // as user nobody when the test runs as the superuser
};

// Whether every user may pass through each folder from the root down to `folder`.
inline bool EveryoneCanEnter(const fs::path& folder) {
    for (fs::path p = fs::absolute(folder);; p = p.parent_path()) {
        std::error_code error;
        if ((fs::status(p, error).permissions() & fs::perms::others_exec) == fs::perms::none)
            return false;
        if (p == p.parent_path()) return true;
    }
}

// The tool where user nobody can run it. The build folder may lie where only its owner can
// enter (a clone in root's home, or in a folder made by mktemp -d), so the tool is copied into
// a folder of its own that every user can enter; the copy goes when the tests end. Empty when
// no such folder can be arranged. The tool links the project's libraries statically.
inline std::string ToolForEveryone() {
    struct Copy {
        fs::path folder;
        std::string tool;
        Copy() {
            std::error_code error;
            const fs::path base = fs::temp_directory_path(error);
            if (error || !EveryoneCanEnter(base)) return;
            folder = base / ("kesta-report-public-" + std::to_string(getpid()));
            fs::remove_all(folder, error);
            const fs::path copy = folder / "kesta-report";
            if (!fs::create_directory(folder, error) ||
                (fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read |
                                             fs::perms::others_exec,
                                 error),
                 error) ||
                !fs::copy_file(KESTA_REPORT_PATH, copy, error))
                return;
            fs::permissions(copy, fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec,
                            error);
            if (!error) tool = copy.string();
        }
        ~Copy() {
            std::error_code error;
            if (!folder.empty()) fs::remove_all(folder, error);
        }
    };
    static const Copy copy;
    return copy.tool;
}

// Runs the tool with these arguments, no shell in between, stdout and stderr kept apart. A run
// that has not ended after 20 seconds is killed and reported with status -1. A run as user
// nobody runs the copy every user can reach (status 127 when there is none).
inline ToolRun RunTool(const Args& args, const RunAs& as = {}) {
    const bool asNobody = as.ordinaryUser && geteuid() == 0;
    const std::string tool = asNobody ? ToolForEveryone() : std::string(KESTA_REPORT_PATH);
    const fs::path dir =
        fs::path(::testing::TempDir()) / ("kesta-report-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path out = dir / "out", err = dir / "err";
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        if (!as.configHome.empty()) setenv("XDG_CONFIG_HOME", as.configHome.c_str(), 1);
        if (asNobody && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
        std::vector<char*> argv{const_cast<char*>(tool.c_str())};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    int wstatus = 0;
    for (int waited = 0; waitpid(child, &wstatus, WNOHANG) == 0; ++waited) {
        if (waited == 2000) {
            kill(child, SIGKILL);
            waitpid(child, &wstatus, 0);
            return {Slurp(out), Slurp(err), -1};
        }
        usleep(10'000);
    }
    return {Slurp(out), Slurp(err),
            WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus)};
}

inline Args Lines(const std::string& text, const std::string& end = "\n") {
    Args lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "the last line has no line end";
    return lines;
}

// The worked example, then `more`: blades 1 and 2 of 0.5 by 1 inch, the other four rows
// empty; 20 yards and a 6-inch group so the accuracy section has figures to divide by.
inline Args Example(const Args& more = {}) {
    Args a = {"speed=300",     "mass=400",      "length=28", "shaftweight=9", "staticspine=400",
              "BHW=100",       "DrawWeigth=60", "BH0=0.5",   "BH1=1",         "BH2=0.5",
              "BH3=1",         "inEdge=25",     "inTip=60",  "inCOC=0",       "ShaftDia=0",
              "Imperial=True", "Dist12=20",     "Circ12=6"};
    for (int k = 4; k < 12; ++k)
        a.push_back("BH" + std::to_string(k) + "=");
    a.insert(a.end(), more.begin(), more.end());
    return a;
}

} // namespace kesta::test
