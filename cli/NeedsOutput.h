// kesta-report --needs: for each animal of the game table, the least arrow mass or speed that
// would make the set-up sufficient, as a terminal table, CSV or JSON.
#pragma once

#include "cli/CommandLine.h"
#include "form/FormState.h"
#include "whatif/Needs.h"

#include <string>

namespace kesta::cli {

// Works the table out and writes it in the line's format; returns the exit status. A failure
// writes nothing to standard output and "error: <message> (<where>)" to standard error.
int WriteNeeds(const FormState& form, const CommandLine& line, const game::GameTable& game);

// The three formats, each line ended by LF.
std::string NeedsText(const whatif::NeedsTable& table);
std::string NeedsCsv(const whatif::NeedsTable& table);
std::string NeedsJson(const whatif::NeedsTable& table);

} // namespace kesta::cli
