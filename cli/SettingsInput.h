// The form kesta-report works on: the chosen store's texts, then the command line's
// overrides, loaded exactly as the window's load event loads its settings.
#pragma once

#include "cli/CommandLine.h"
#include "form/FormState.h"

#include <map>
#include <string>

namespace kesta::cli {

// Raises File not found or Path/File access error when the settings file cannot be read.
// The per-user store is an error too when it cannot be read (a folder, a named pipe, no
// permission), where the window starts with the defaults and says so.
FormState FormOf(const CommandLine& line);

// The [downrange] group of the chosen store or settings file (none for an example). Raises as
// FormOf does.
std::map<std::string, std::string> DownrangeTextsOf(const CommandLine& line);

// The settings file the command line reads, for messages: FILE, or the per-user store.
std::string StorePath(const CommandLine& line);

} // namespace kesta::cli
