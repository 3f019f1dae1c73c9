// The options of kesta-report that work on whole set-ups:
//   --example NAME                 a shipped example as the settings to start from
//   --list-examples                one line per example: its name, then its description
//   --compare A B                  two set-ups compared (files, or example:NAME)
#pragma once

#include "cli/CommandLine.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kesta {

enum class OptionParse { NotMine, Taken, Bad };

// Takes args[i] (and the arguments it needs, advancing i) when it is one of these options.
OptionParse ParseSetupOption(const std::vector<std::string>& args, std::size_t& i,
                             CommandLine& line, std::string& problem);

// Once every argument is read: the combinations these options do not allow. False with
// `problem` set when the line is bad.
bool CheckSetupOptions(const CommandLine& line, std::string& problem);

// The lines the usage text gives these options.
std::string SetupOptionsUsage();

} // namespace kesta
