#include "cli/GameChoice.h"

#include "cli/CommandLine.h"
#include "cli/Output.h"
#include "settings/GameFile.h"
#include "tools/Errors.h"

namespace kesta::cli {

std::optional<game::GameTable> ChosenGame(const CommandLine& line, int& status) {
    if (line.game.empty()) return game::DefaultTable();
    try {
        return GameTableOf(line.game);
    } catch (const RuntimeError& e) {
        if (e.kind() == ErrorKind::FileNotFound) {
            // Most likely a mistyped table name: a command-line problem, as an unknown example.
            Write(stderr, "kesta-report: no game table or file '" + Echoed(line.game) +
                              "' (see --list-games)\n");
            status = 2;
        } else {
            status = Fail(std::string(e.what()) + " (" + e.place() + ")");
        }
    }
    return std::nullopt;
}

} // namespace kesta::cli
