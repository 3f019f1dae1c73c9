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
    const std::map<std::string, std::string> texts(example.values.begin(), example.values.end());
    LoadSettings(form, ReaderOf(texts));
    return form;
}

} // namespace kesta
