// The game table of kesta-report's command line: the default, a built-in one by name, or the
// hunter's own list read from its file.
#pragma once

#include "ballistics/GameList.h"
#include "cli/CommandLine.h"

#include <optional>

namespace kesta::cli {

// The table --game names, or the default. When it cannot be had, writes the error and gives
// nullopt with `status` set: 2 when the name is neither a table nor a file, 3 when the file
// cannot be read or is not a game list ("error: <reason> (<file>, line <n>)").
std::optional<game::GameTable> ChosenGame(const CommandLine& line, int& status);

} // namespace kesta::cli
