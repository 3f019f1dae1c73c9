// The game table a page call judges against, and the tables it can offer.
#pragma once

#include "ballistics/GameList.h"

#include <emscripten/val.h>

namespace kesta::web {

// null or undefined: the default table; a text: the built-in table of that name; an object
// {name, csv}: the hunter's own list, csv its CSV text (a JS string, or its bytes as a
// Uint8Array so that a file that is not UTF-8 is named as such), read by the engine's reader
// with `name` standing for the file in its messages. Raises as the reader does, or
// InvalidProcedureCall for a name no built-in table has.
game::GameTable GameOf(const emscripten::val& choice);

// [{name, description, count}] of the built-in tables, the default first.
emscripten::val BuiltInGames();

// {name, animals: [{animal, mass_kg}], csv, error, place, where}: what the hunter's list holds
// as the engine reads it (masses in kg as their shortest exact text; csv the list as the
// desktop program keeps it in a file, game::GameListCsv), or why it cannot be used (then
// animals is empty and csv "").
emscripten::val ReadOwnGame(const emscripten::val& csv, const std::string& name);

} // namespace kesta::web
