// The game table the window judges against, kept in an INI file (the per-user store, or a
// set-up file) in a group of its own, [game] (kGameGroup), apart from the inputs' [values]:
//   [game]
//   table=europe             a built-in table's name, or "my-game"
//   my_game=<CSV text>       the hunter's own list, as game::GameListCsv writes it
#pragma once

#include "ballistics/GameList.h"
#include "settings/IniWriter.h"

#include <QString>

#include <map>
#include <optional>
#include <string>

namespace kesta {

inline constexpr const char* kMyGame = "my-game";

struct StoredGame {
    std::string table = std::string(game::kDefaultTable); // a built-in name or kMyGame
    game::GameTable myGame{"My game", "", {}};            // may be empty

    // The table `table` names; the default when it names nothing there is.
    const game::GameTable& Chosen() const;

    bool operator==(const StoredGame&) const = default;
};

// What the file holds; a file without the group, or with a name or list that cannot be read,
// gives the default choice, and `problem` (when given) says what was passed over. The file
// must be known to be a readable regular file: QSettings would wait on a named pipe.
StoredGame ReadStoredGame(const QString& iniFile, QString* problem = nullptr);
// The same, or nullopt when the file has no [game] group (a set-up saved without one).
std::optional<StoredGame> ReadGameGroup(const QString& iniFile, QString* problem = nullptr);
// The same from the group's texts by key, as SettingsStore::ReadGroup gives them.
std::optional<StoredGame> GameOfGroup(const std::map<std::string, std::string>& texts,
                                      QString* problem = nullptr);

// The [game] keys of a choice, for the one INI writer.
StoredValues GameValues(const StoredGame& stored);

// Writes the group through the one INI writer, leaving every other group of the file as it
// was. Raises FileError with the reason when the file cannot be written.
void WriteStoredGame(const QString& iniFile, const StoredGame& stored);

} // namespace kesta
