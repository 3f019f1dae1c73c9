// The example set-ups the program ships: each a name (one word), a one-line description and
// the texts of all the settings keys, exactly as a set-up file stores them.
#pragma once

#include "form/FormState.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kesta {

struct ExampleSetup {
    std::string name;
    std::string description;
    std::vector<std::pair<std::string, std::string>> values; // settings key, stored text
};

// Every example, the worked example of the report first.
const std::vector<ExampleSetup>& Examples();

// The example of that name, or nullptr.
const ExampleSetup* FindExample(std::string_view name);

// The form an example loads into, exactly as loading a set-up file with its texts would.
FormState ExampleForm(const ExampleSetup& example);

} // namespace kesta
