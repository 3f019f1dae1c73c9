// The options of kesta-report that choose the game the verdicts judge:
//   --game NAME|FILE   a built-in table by name, or the hunter's own CSV list
//   --list-games       one line per built-in table: its name, the count and a description
#pragma once

#include "cli/CommandLine.h"
#include "cli/SetupOptions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kesta {

// Takes args[i] (and its value, advancing i) when it is one of these options.
OptionParse ParseGameOption(const std::vector<std::string>& args, std::size_t& i,
                            CommandLine& line, std::string& problem);

// The lines the usage text gives these options.
std::string GameOptionsUsage();

// The text of --list-games, each line ended by LF.
std::string ListGamesText();

} // namespace kesta
