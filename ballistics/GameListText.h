// A game list as CSV text: the hunter's own file, and the files of the built-in tables.
//
//   animal,mass_kg
//   White-tailed deer buck,100
//   Roe doe,21.5
//
// `mass_lb` in place of `mass_kg` reads pounds. Two more columns may follow in the header, in
// either order: `range_kg` (the published range, text) and `source`. Fields may be quoted as
// spreadsheets write them ("..." with "" for a quote). Blank lines are skipped; a UTF-8 byte
// order mark and CR LF line ends are accepted. Standard C++: the caller reads the file.
#pragma once

#include "ballistics/GameList.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kesta::game {

constexpr std::size_t kMostGameListBytes = 1024 * 1024;
constexpr double kKgPerPound = 0.45359237; // exact, by definition of the pound

// The table the text holds, named `file`. A bad text raises RuntimeError and gives no table:
// what() is the reason, place() is "<file>, line <n>", or "<file>" for the text as a whole
// (over 1 MB). A mass must lie
// from 1 kg (kLightestKg) to 5000 kg (kHeaviestKg). Kinds: Type mismatch for a mass that is not a
// number, Path/File access error for a text too long to be a game list, Invalid procedure call or
// argument for everything else.
GameTable ReadGameList(std::string_view text, const std::string& file);

// Why a name or a mass in kg cannot stand in a game list, or the empty text when it can. The
// reader and the window's editor ask the same questions.
std::string NameProblem(std::string_view name);
std::string MassProblem(double massKg);

// The table as CSV text that ReadGameList reads back to the same animals: masses in kg as the
// shortest text that reads back as the same number, and the range and source columns when any
// animal has one.
std::string GameListCsv(const GameTable& table);

} // namespace kesta::game
