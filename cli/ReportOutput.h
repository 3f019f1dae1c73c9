// kesta-report's report: one press of the "Report" button on the form.
#pragma once

#include "ballistics/GameList.h"
#include "cli/CommandLine.h"
#include "form/FormState.h"

namespace kesta::cli {

// Writes the report box text to standard output and returns the exit status. After a failure
// the lines written before it are still written, and the error goes to standard error.
int WriteReport(const FormState& form, const CommandLine& line, const game::GameTable& game);

} // namespace kesta::cli
