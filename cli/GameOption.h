// What kesta-report says of the built-in game tables (--list-games); --game and --list-games
// themselves are declared with the other options (Options.cpp).
#pragma once

#include <string>

namespace kesta {

// One line per built-in table, each ended by LF: its name, the number of animals and a
// description.
std::string ListGamesText();

} // namespace kesta
