#include "web/PairsForm.h"

#include "form/SettingsKeys.h"

#include <optional>
#include <string>

namespace kesta::web {

using emscripten::val;

void LoadPairs(FormState& form, const val& pairs) {
    const val toText = val::global("String");
    LoadSettings(form, [&](const std::string& key) -> std::optional<std::string> {
        if (pairs.isUndefined() || pairs.isNull()) return std::nullopt;
        const val value = pairs[key];
        if (value.isUndefined() || value.isNull()) return std::nullopt;
        return toText(value).as<std::string>();
    });
}

FormState FormFromPairs(const val& pairs) {
    FormState form;
    LoadPairs(form, pairs);
    return form;
}

val PairsOf(const FormState& form) {
    val pairs = val::object();
    for (const auto& [key, text] : SaveSettings(form))
        pairs.set(key, text);
    return pairs;
}

} // namespace kesta::web
