// kesta-report --downrange and --ranges: the arrow slowed by drag at every distance, or each
// animal's ethical range, as a terminal table, CSV or JSON.
#pragma once

#include "ballistics/GameList.h"
#include "cli/CommandLine.h"
#include "downrange/DownrangeInputs.h"
#include "form/FormState.h"

#include <map>
#include <string>

namespace kesta::cli {

// The downrange inputs: the stored texts (the [downrange] group of the chosen store), then the
// command line's KEY=VALUE pairs for the downrange keys.
downrange::Inputs DownrangeInputsOf(const std::map<std::string, std::string>& stored,
                                    const CommandLine& line);

// Works the table or the ranges (of the animals of `game`) out and writes them in the line's
// format; returns the exit status. A failure writes nothing to standard output and
// "error: <message> (<where>)" to standard error, exit 3.
int WriteDownrange(const FormState& form, const std::map<std::string, std::string>& stored,
                   const CommandLine& line, const game::GameTable& game);

} // namespace kesta::cli
