#include "cli/GameChoice.h"

#include "cli/CommandLine.h"
#include "cli/Output.h"
#include "settings/GameFile.h"
#include "tools/Errors.h"

#include <string>

namespace kesta::cli {

namespace {

// The reader names the file as it was given, then the line: the file is echoed as every
// argument is, so a long or odd path cannot flood the message.
std::string EchoedPlace(const std::string& place, const std::string& file) {
    if (place.compare(0, file.size(), file) != 0) return place;
    return Echoed(file) + place.substr(file.size());
}

} // namespace

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
            status = Fail(std::string(e.what()) + " (" + EchoedPlace(e.place(), line.game) + ")");
        }
    }
    return std::nullopt;
}

} // namespace kesta::cli
