// What a report will do with inputs that are not what they seem, said before it runs. The
// report itself never changes: an unreadable speed or mass keeps the previous report's value
// and a blade row holding "0" counts as a blade, as they always have; these warnings only
// make that visible. The window shows them beside the report, kesta-report on standard error.
#pragma once

#include "form/FormState.h"
#include "report/InputRecord.h"

#include <string>
#include <vector>

namespace kesta {

struct InputWarning {
    enum class Kind {
        SpeedNotANumber, // the report uses the previous arrow speed
        MassNotANumber,  // the report uses the previous arrow mass
        ZeroBlades,      // blade rows holding 0 that count as blades
        BladeSkipped,    // a blade row with a text that is not a number
        FirstRun,        // every input still holds 0
    };
    Kind kind;
    std::string text; // one sentence, no final full stop, inputs named by their labels
};

// The warnings for a report of `form` run after the one that left `previous` (a fresh record,
// all 0, when none ran before), in the order of the form.
std::vector<InputWarning> InputWarnings(const FormState& form, const InputRecord& previous);

// True when every number box but the two angles holds a number equal to 0: the form as a
// first run leaves it, before anything was typed.
bool EveryInputZero(const FormState& form);

} // namespace kesta
