// Set-up files (".kesta"): one hunting set-up in exactly the saved-settings format, group
// [values] with the 46 keys, so that `kesta-report --settings FILE` reads one as it is. The
// window's Open and Save as, its examples and kesta-report --compare all go through here.
#pragma once

#include "form/FormState.h"
#include "settings/FileReader.h"
#include "settings/GameStore.h"
#include "settings/IniWriter.h"

#include <QString>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta {

inline constexpr const char* kSetupFileSuffix = "kesta";
inline constexpr qint64 kMaxSetupFileBytes = kMaxUserFileBytes;

struct SetupFileContents {
    std::map<std::string, std::string> values; // the settings keys the file holds, with texts
    // The [downrange] group: the downrange inputs kept with the set-up, by key.
    std::map<std::string, std::string> downrange;
    // The [game] group: the game table chosen with the set-up, when the file has one; read
    // from the same checked bytes as the values. `gameProblem` says why its own list was
    // passed over (the table then falls back as GameOfGroup says).
    std::optional<StoredGame> game;
    QString gameProblem;
    // Any other keys, ignored: by name within [values], as "group/key" outside it.
    std::vector<std::string> unknownKeys;
    // Why the file may not read as it was meant, from its format version ([kesta] format): a
    // newer version, or none this program knows. Empty for format 1 or no version group.
    QString formatWarning;

    // Loads the values into the form exactly as loading the settings store does: absent or
    // unfit values take their defaults.
    void LoadInto(FormState& form) const;
};

struct SetupFileRead {
    std::optional<SetupFileContents> contents;
    QString problem; // why the file is no set-up, when there are no contents
};

// Reads a set-up file (through ReadUserFile). A missing or unreadable file, anything but a
// regular file (a folder, a FIFO, a device: never waited on), one larger than 1 MB, one
// holding NUL bytes or text that is not UTF-8, or one without a [values] group gives a problem
// and no contents; the problem is the reason alone ("it is a named pipe", "permission
// denied"), for FileMessage. Qt resource paths (":/...") are read like files.
SetupFileRead ReadSetupFile(const QString& path);

// Writes the form's set-up file through the settings store's writer: [kesta] with the format
// version, [values] with the 46 keys, and [downrange] with the downrange inputs' texts when
// there are any. Raises FileError with the reason when it cannot be written; a failed save leaves an old
// file at the path whole.
// `more` are further groups' keys written after those (the chosen game, GameStore.h).
void WriteSetupFile(const QString& path, const FormState& form,
                    const std::vector<std::pair<std::string, std::string>>& downrange = {},
                    const StoredValues& more = {});

} // namespace kesta
