#include "cli/GameOption.h"

#include "ballistics/GameList.h"

#include <algorithm>

namespace kesta {

std::string ListGamesText() {
    std::size_t width = 0;
    for (const game::GameTable& table : game::BuiltInTables())
        width = std::max(width, table.name.size());
    std::string text;
    for (const game::GameTable& table : game::BuiltInTables()) {
        const std::string count = std::to_string(table.animals.size());
        text += table.name + std::string(width + 2 - table.name.size(), ' ') +
                std::string(4 - std::min<std::size_t>(count.size(), 4), ' ') + count + "  " +
                table.description + "\n";
    }
    return text;
}

} // namespace kesta
