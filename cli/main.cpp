// kesta-report: a headless press of the "Report" button, for scripts, testing and users
// without a display. It loads settings into a fresh form exactly as the window's load event
// does, then writes the report, or with --needs what it would take for each animal, to
// standard output.
#include "cli/CommandLine.h"
#include "cli/GameChoice.h"
#include "cli/GameOption.h"
#include "cli/DownrangeOutput.h"
#include "cli/NeedsOutput.h"
#include "cli/Output.h"
#include "cli/QtMessages.h"
#include "cli/ReportOutput.h"
#include "cli/SettingsInput.h"
#include "cli/SetupCommands.h"
#include "tools/Errors.h"

#include <csignal>
#include <map>
#include <string>
#include <vector>

namespace {

int WriteCommandOutput(const kesta::CommandOutput& output) {
    kesta::cli::Write(stderr, output.err);
    const int written = kesta::cli::WriteOut(output.out, true);
    return written != 0 ? written : output.status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kesta;
    // Over a file size limit (ulimit -f) a write to standard output fails with EFBIG and is
    // told like any failed write, instead of the default SIGXFSZ ending the tool unheard.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string problem;
    const auto line = ParseCommandLine(args, problem);
    if (!line) {
        // One line says what is wrong; the whole usage would bury it.
        cli::Write(stderr, "kesta-report: " + problem + "\nsee kesta-report --help\n");
        return 2;
    }
    // Both already end their lines with "\n" alone.
    if (line->help) return cli::WriteOut(UsageText(), true);
    if (line->version) return cli::WriteOut("kesta-report " KESTA_VERSION "\n", true);
    cli::FilterQtMessages(line->verbose);
    int gameStatus = 0;
    const auto game = cli::ChosenGame(*line, gameStatus);
    if (!game) return gameStatus;
    switch (line->mode) {
    case CommandLine::Mode::ListExamples:
        return WriteCommandOutput(ListExamples());
    case CommandLine::Mode::ListGames:
        return WriteCommandOutput({ListGamesText(), "", 0});
    case CommandLine::Mode::Compare:
        return WriteCommandOutput(RunCompare(*line, *game));
    case CommandLine::Mode::Report:
    case CommandLine::Mode::Needs:
    case CommandLine::Mode::Downrange:
    case CommandLine::Mode::Ranges:
        break;
    }
    const bool downrange =
        line->mode == CommandLine::Mode::Downrange || line->mode == CommandLine::Mode::Ranges;
    FormState form;
    std::string reason;
    cli::StoredGroups groups;
    try {
        form = cli::FormOf(*line, reason, groups);
    } catch (const RuntimeError& e) {
        return cli::Fail(e.what() + std::string(": ") + cli::StorePath(*line) +
                         (reason.empty() ? std::string() : ": " + reason));
    }
    // Without --game, a set-up saved with a game table (or the window's choice, with --user)
    // is judged as the window judges it.
    const game::GameTable& table =
        line->game.empty() && groups.game ? groups.game->Chosen() : *game;
    if (line->game.empty() && !groups.gameProblem.empty() && !line->quiet)
        cli::Write(stderr, "warning: " + cli::StorePath(*line) +
                               ": its own game list was left out: " + groups.gameProblem +
                               "; the game table in use is " + table.name + "\n");
    if (downrange) return cli::WriteDownrange(form, groups.downrange, *line, table);
    return line->mode == CommandLine::Mode::Needs ? cli::WriteNeeds(form, *line, table)
                                                  : cli::WriteReport(form, *line, table);
}
