#include "cli/GameOption.h"

#include "ballistics/GameList.h"

#include <algorithm>

namespace kesta {

OptionParse ParseGameOption(const std::vector<std::string>& args, std::size_t& i,
                            CommandLine& line, std::string& problem) {
    const std::string& arg = args[i];
    if (arg == "--list-games") {
        line.listGames = true;
        return OptionParse::Taken;
    }
    if (arg != "--game" && arg.rfind("--game=", 0) != 0) return OptionParse::NotMine;
    std::string value;
    if (arg == "--game") {
        if (i + 1 < args.size()) value = args[++i];
    } else {
        value = arg.substr(7);
    }
    if (value.empty()) {
        problem = "--game needs a NAME (see --list-games) or a FILE";
        return OptionParse::Bad;
    }
    if (!line.game.empty()) {
        problem = "--game may be given once";
        return OptionParse::Bad;
    }
    line.game = value;
    return OptionParse::Taken;
}

std::string GameOptionsUsage() {
    return "  --game NAME|FILE the game the verdicts judge, for the report, --needs and both\n"
           "                   sides of --compare: a table of --list-games (africa by default)\n"
           "                   or a CSV file with the header animal,mass_kg (or animal,mass_lb)\n"
           "  --list-games     list the built-in game tables: the name, the number of animals\n"
           "                   and a description\n";
}

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
