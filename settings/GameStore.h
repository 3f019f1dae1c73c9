// The game table the window judges against, kept in an INI file (the per-user store, or a
// set-up file) in a group of its own, "game", apart from the inputs' [values]:
//   [game]
//   table=europe             a built-in table's name, or "my-game"
//   my_game=<CSV text>       the hunter's own list, as game::GameListCsv writes it
#pragma once

#include "ballistics/GameList.h"

#include <QString>

#include <string>

namespace kesta {

inline constexpr const char* kGameGroup = "game";
inline constexpr const char* kMyGame = "my-game";

struct StoredGame {
    std::string table = std::string(game::kDefaultTable); // a built-in name or kMyGame
    game::GameTable myGame{"My game", "", {}};           // may be empty

    // The table `table` names; the default when it names nothing there is.
    const game::GameTable& Chosen() const;
};

// What the file holds; a file without the group, or with a name or list that cannot be read,
// gives the default choice, and `problem` (when given) says what was passed over.
StoredGame ReadStoredGame(const QString& iniFile, QString* problem = nullptr);

// Writes the group, leaving every other group of the file as it was. Raises
// RuntimeError(PathFileAccess) when the file cannot be written.
void WriteStoredGame(const QString& iniFile, const StoredGame& stored);

} // namespace kesta
