// The inputs of two set-ups that differ, each as the user would read it in the window: the
// typed text with its unit ("500 grains", "711 mm"), and the choices by their captions.
#pragma once

#include "compare/Comparison.h"
#include "form/FormState.h"

#include <string>
#include <vector>

namespace kesta {

// One input of a set-up as shown in a comparison: "300 fps", "(empty)", "Metric", "25%".
std::string InputShown(const FormState& form, const std::string& input);

// The inputs whose shown text differs, in the window's order: the text boxes, then the
// report units, safety factor, shaft diameter and cut-on-contact tip.
std::vector<InputRow> DifferingInputs(const FormState& a, const FormState& b);

} // namespace kesta
