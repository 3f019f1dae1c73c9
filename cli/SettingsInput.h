// The form kesta-report works on: the chosen store's texts, then the command line's
// overrides, loaded exactly as the window's load event loads its settings.
#pragma once

#include "cli/CommandLine.h"
#include "form/FormState.h"
#include "settings/GameStore.h"

#include <map>
#include <optional>
#include <string>

namespace kesta::cli {

// What the store or set-up file keeps beside the inputs.
struct StoredGroups {
    std::map<std::string, std::string> downrange; // the [downrange] texts by key
    std::optional<StoredGame> game;               // the [game] choice, when there is one
    std::string gameProblem; // why the file's own game list was passed over, if it was
};

// Raises File not found or Path/File access error when the settings file cannot be read, or
// is no set-up file (as Open and --compare judge one), with `reason` saying why ("it is a
// named pipe", "it is not UTF-8 text", ...). The per-user store is an error too when it cannot
// be read (a folder, a named pipe, no permission), where the window starts with the defaults
// and says so. `groups` gets the other groups of the same read of the store or settings file
// (none for an example or a first run).
FormState FormOf(const CommandLine& line, std::string& reason, StoredGroups& groups);

// The settings file the command line reads, for messages: FILE (as echoed, at most 60
// characters), or the per-user store.
std::string StorePath(const CommandLine& line);

} // namespace kesta::cli
