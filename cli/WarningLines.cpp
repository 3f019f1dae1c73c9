#include "cli/WarningLines.h"

#include "report/InputWarnings.h"

namespace kesta {

std::string WarningLines(const FormState& form, const std::string& side) {
    std::string lines;
    // kesta-report runs one report on a fresh record, so "the previous" values are all 0.
    for (const InputWarning& warning : InputWarnings(form, InputRecord{})) {
        lines += "warning: " + side + warning.text;
        if (warning.kind == InputWarning::Kind::FirstRun)
            lines += " (--example NAME; see --list-examples)";
        lines += "\n";
    }
    return lines;
}

} // namespace kesta
