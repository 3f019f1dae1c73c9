// The form kesta-report works on: the chosen store's texts, then the command line's
// overrides, loaded exactly as the window's load event loads its settings.
#pragma once

#include "cli/CommandLine.h"
#include "form/FormState.h"

namespace kesta::cli {

// Raises File not found or Path/File access error when the settings file cannot be read.
FormState FormOf(const CommandLine& line);

} // namespace kesta::cli
