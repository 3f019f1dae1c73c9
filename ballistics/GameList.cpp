#include "ballistics/GameList.h"

#include "ballistics/BuiltInGameTexts.h"
#include "ballistics/GameListText.h"

namespace kesta::game {

const std::vector<GameTable>& BuiltInTables() {
    // The embedded texts go through the reader of the hunter's own files: a built-in table
    // that breaks a rule fails every test at once instead of misjudging quietly.
    static const std::vector<GameTable> tables = [] {
        std::vector<GameTable> all;
        for (const BuiltInGameText& text : BuiltInGameTexts()) {
            GameTable table =
                ReadGameList(text.csv, std::string("data/game/") + text.name + ".csv");
            table.name = text.name;
            table.description = text.description;
            all.push_back(std::move(table));
        }
        return all;
    }();
    return tables;
}

const GameTable* FindBuiltInTable(std::string_view name) {
    for (const GameTable& table : BuiltInTables())
        if (table.name == name) return &table;
    return nullptr;
}

const GameTable& DefaultTable() {
    return BuiltInTables().front();
}

} // namespace kesta::game
