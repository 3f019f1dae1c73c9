#include "downrange/StoredInputs.h"

#include "tools/Errors.h"

namespace kesta::downrange {

Inputs InputsOfTexts(const std::map<std::string, std::string>& texts) {
    return ReadInputs([&texts](const std::string& key) -> std::optional<std::string> {
        const auto it = texts.find(key);
        if (it == texts.end()) return std::nullopt;
        return it->second;
    });
}

Inputs StoredInputs(const std::map<std::string, std::string>& stored) {
    std::map<std::string, std::string> texts = stored;
    // Each refusal names its input; that one is dropped and the rest read again.
    for (std::size_t tries = 0; tries <= InputKeys().size(); ++tries) {
        try {
            return InputsOfTexts(texts);
        } catch (const RuntimeError& e) {
            const std::string prefix = "input ";
            const std::string& place = e.place();
            if (place.rfind(prefix, 0) != 0) break;
            const std::string key = place.substr(prefix.size());
            if (key.rfind("Chrono", 0) == 0) {
                for (const char* k : {key::kChronoNear, key::kChronoNearYards, key::kChronoFar,
                                      key::kChronoFarYards})
                    texts.erase(k);
            } else if (texts.erase(key) == 0) {
                break;
            }
        }
    }
    return {};
}

} // namespace kesta::downrange
