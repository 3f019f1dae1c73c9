// Setup: reads the input texts once per report and converts them into the input record, in
// the units the report computes with.
#pragma once

#include "form/FormState.h"
#include "report/InputRecord.h"

#include <string>

namespace kesta {

// Raises Type mismatch or Overflow. Each step writes the record as soon as it succeeds, so a
// failing step leaves the earlier steps' values in place and the later ones untouched;
// `settingUp` then names the input being converted.
void Setup(const FormState& form, InputRecord& record, std::string& settingUp);

} // namespace kesta
