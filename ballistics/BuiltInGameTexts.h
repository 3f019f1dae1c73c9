// The built-in game tables as the repository holds them (data/game), embedded at build time.
#pragma once

#include <span>

namespace kesta::game {

struct BuiltInGameText {
    const char* name;        // "africa", "north-america", ...
    const char* description; // one line for a list of the tables
    const char* csv;         // the table file's text, header line first
};

// In the order of data/game/tables.csv, the default table first.
std::span<const BuiltInGameText> BuiltInGameTexts();

} // namespace kesta::game
