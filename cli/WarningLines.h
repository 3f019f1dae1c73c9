// kesta-report's warnings about inputs the report reads in a way the user may not expect:
// "warning: ..." lines for standard error, before the report (which they never change).
#pragma once

#include "form/FormState.h"

#include <string>

namespace kesta {

// One "warning: <side><text>" line per warning for a report of `form` from a fresh start, as
// kesta-report runs it; `side` is "" for the report and "A: " or "B: " for a comparison.
std::string WarningLines(const FormState& form, const std::string& side = "");

} // namespace kesta
