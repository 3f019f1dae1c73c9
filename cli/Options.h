// Every option of kesta-report, declared once: its name, its value, the mode it selects, what
// it may not be given with, its lines in the usage text and what it does to the command line.
// The parser (CommandLine.cpp), the usage text and the test against the man page all read
// these tables, so a new option or mode is one row here.
#pragma once

#include "cli/CommandLine.h"

#include <string>
#include <vector>

namespace kesta {

// The name under which the KEY=VALUE arguments appear in exclusions and messages.
inline constexpr const char* kKeyValues = "KEY=VALUE";

struct OptionSpec {
    const char* name = nullptr;      // "settings" is given as --settings
    const char* shortName = nullptr; // "h" is given as -h
    const char* value = nullptr;     // the value's name in the usage ("FILE"); none for a flag
    const char* needs = nullptr;     // what a missing or empty value lacks: "a FILE"
    // The arguments after the value that the option takes too: "--compare A B" takes B.
    int followers = 0;
    // The mode the option selects (Report: none); options that select modes exclude each
    // other.
    CommandLine::Mode mode = CommandLine::Mode::Report;
    // Options with the same `oneOf` exclude each other (e.g. where the settings come from).
    const char* oneOf = nullptr;
    // The modes the option is for (none: every mode), and what is said when it is given in
    // another.
    std::vector<CommandLine::Mode> onlyIn = {};
    const char* onlyInProblem = nullptr;
    const char* help = nullptr; // the usage lines after the option's column, '\n' between lines
    // Takes the values (none for a flag; the value, then the followers) into the line; the
    // problem with them, or "".
    std::string (*take)(const std::vector<std::string>& values, CommandLine& line) = nullptr;
};

// In the order the usage text lists them.
const std::vector<OptionSpec>& Options();

// Pairs that exclude each other beyond the modes and the `oneOf` groups; kKeyValues stands
// for the KEY=VALUE arguments. Each pair is refused with "--a and --b exclude each other".
struct Exclusion {
    const char* a;
    const char* b;
};
const std::vector<Exclusion>& Exclusions();

// The option named `name` ("settings"), or nullptr.
const OptionSpec* FindOption(const std::string& name);

// How the option is written in messages and the usage text: "--settings".
std::string Shown(const OptionSpec& option);

} // namespace kesta
