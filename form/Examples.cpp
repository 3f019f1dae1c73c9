#include "form/Examples.h"

#include "form/ExampleTable.h"
#include "form/SettingsKeys.h"

#include <map>
#include <optional>

namespace kesta {

const std::vector<ExampleSetup>& Examples() {
    static const std::vector<ExampleSetup> examples = ExampleTable();
    return examples;
}

const ExampleSetup* FindExample(std::string_view name) {
    for (const ExampleSetup& example : Examples())
        if (example.name == name) return &example;
    return nullptr;
}

FormState ExampleForm(const ExampleSetup& example) {
    FormState form;
    // The first text of a key counts, as it did when the examples were read from files.
    std::map<std::string, std::string> texts;
    for (const auto& [key, text] : example.values)
        texts.emplace(key, text);
    LoadSettings(form, ReaderOf(texts));
    return form;
}

} // namespace kesta
