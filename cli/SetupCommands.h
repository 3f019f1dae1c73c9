// What kesta-report does with whole set-ups: list the examples, load one as the settings to
// start from, and compare two set-ups. Each command returns its output for main to write.
#pragma once

#include "ballistics/GameList.h"
#include "cli/CommandLine.h"

#include <map>
#include <string>

namespace kesta {

struct CommandOutput {
    std::string out, err;
    int status = 0;
};

// One line per example: the name, then the description in a column of its own.
CommandOutput ListExamples();

// The stored texts of an example (the name is known to exist).
std::map<std::string, std::string> ExampleTexts(const std::string& name);

// --compare: the comparison in the chosen format. Exit status 0 when both reports were
// written, 3 when either stopped or a set-up could not be read.
CommandOutput RunCompare(const CommandLine& line, const game::GameTable& game);

} // namespace kesta
