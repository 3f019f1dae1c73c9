// The game tables a report can judge against: the built-in ones, chosen by name (the African
// table is the default), and the hunter's own list read from CSV text (GameListText.h).
#pragma once

#include "ballistics/GameTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace kesta::game {

// The report marks each animal once it is on a list, and has room for this many marks.
constexpr std::size_t kMostAnimals = 1001;
// The limit of the heaviest category: a heavier animal has no category.
constexpr double kHeaviestKg = 5000;
// Below 1 kg an animal's chest depth (8 x mass^0.2 - 8 inches) is negative, and the penetration
// run of such a slab can fail and stop the report: no list holds so light an animal.
constexpr double kLightestKg = 1;

struct GameTable {
    std::string name;            // "africa", "north-america", ... or the hunter's own list's name
    std::string description;     // one line; empty for a hunter's own list
    std::vector<Animal> animals; // in the table's own order; the report sorts its lists itself

    bool operator==(const GameTable&) const = default;
};

// The name of the default table.
inline constexpr std::string_view kDefaultTable = "africa";

// Every built-in table, the default first. Read from the embedded data once.
const std::vector<GameTable>& BuiltInTables();

// The built-in table of that name, or nullptr.
const GameTable* FindBuiltInTable(std::string_view name);

// The African table the report has always used.
const GameTable& DefaultTable();

} // namespace kesta::game
