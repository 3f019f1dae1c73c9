#include "settings/DownrangeSettings.h"

#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"

namespace kesta {

downrange::Inputs DownrangeInputsOf(const std::map<std::string, std::string>& stored) {
    std::map<std::string, std::string> texts = stored;
    // Each refusal names its input; that one is dropped and the rest read again.
    for (std::size_t tries = 0; tries <= downrange::InputKeys().size(); ++tries) {
        try {
            return downrange::ReadInputs([&texts](const std::string& key) {
                const auto it = texts.find(key);
                return it == texts.end() ? std::nullopt
                                         : std::optional<std::string>(it->second);
            });
        } catch (const RuntimeError& e) {
            const std::string prefix = "input ";
            const std::string& place = e.place();
            if (place.rfind(prefix, 0) != 0) break;
            const std::string key = place.substr(prefix.size());
            // A chronograph reading alone is no calibration: all four go together.
            if (key.rfind("Chrono", 0) == 0) {
                for (const char* k : {downrange::key::kChronoNear, downrange::key::kChronoNearYards,
                                      downrange::key::kChronoFar, downrange::key::kChronoFarYards})
                    texts.erase(k);
            } else if (texts.erase(key) == 0) {
                break;
            }
        }
    }
    return {};
}

downrange::Inputs LoadDownrangeInputs(const SettingsStore& store) {
    return DownrangeInputsOf(store.ReadGroup(kDownrangeGroup));
}

void SaveDownrangeInputs(SettingsStore& store, const downrange::Inputs& inputs) {
    store.SaveGroup(kDownrangeGroup, downrange::InputTexts(inputs));
}

} // namespace kesta
