// The 46 keys of the saved settings (application "KESTA", section "values"), in the order
// loading and saving visit them, and the rules that turn stored texts into control states.
// Shared by the window (through QSettings) and kesta-report; free of any toolkit.
#pragma once

#include "form/FormState.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta {

enum class KeyKind { Text, Option, ListPosition, CheckState };

struct SettingsKey {
    std::string key;     // e.g. "speed", "BH0", "Dist12", "Safety4", "ShaftDia"
    std::string control; // FormState name, e.g. "InArrowSpeed", "InBroadhead_0", "Safety_4"
    KeyKind kind;
    // The text loading uses when the key is absent; nullopt means "the control's own state
    // at that moment" (inEdge, inCOC, inTip).
    std::optional<std::string> defaultText;
};

// The 46 keys in table order.
const std::vector<SettingsKey>& SettingsKeys();

// Reads one stored value: the text, or nullopt when the key is absent.
using SettingsReader = std::function<std::optional<std::string>(const std::string& key)>;

// Loads every key in table order into the form, exactly as the window's load event does:
// absent keys take their default; a value that does not fit its kind takes the key's default
// and loading goes on with the next key.
void LoadSettings(FormState& form, const SettingsReader& read);

// The reader of stored texts held in a map (a set-up file's, an example's, the command
// line's); `texts` must outlive it.
SettingsReader ReaderOf(const std::map<std::string, std::string>& texts);

// The (key, text) pairs the window's unload event writes, in table order.
std::vector<std::pair<std::string, std::string>> SaveSettings(const FormState& form);

// Truth value of a stored option text: "True"/"False" in any case, blanks trimmed, or a
// number (0 false, any other true). nullopt when it is neither.
std::optional<bool> ReadTruth(const std::string& text);

// A stored list position or check state: a number rounded half to even to a whole number,
// accepted only within [low, high]. nullopt otherwise.
std::optional<int> ReadWhole(const std::string& text, int low, int high);

} // namespace kesta
