#include "form/SettingsKeys.h"

#include "form/ControlNames.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

namespace kesta {

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// A stored number: nullopt when the text holds none or one beyond a double.
std::optional<double> ReadNumber(const std::string& text) {
    if (!HoldsNumber(text)) return std::nullopt;
    try {
        return ToNumber(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::vector<SettingsKey> BuildTable() {
    using K = KeyKind;
    using namespace control;
    std::vector<SettingsKey> t;
    auto text = [&t](const char* key, std::string_view control) {
        t.push_back({key, std::string(control), K::Text, "0"});
    };
    auto option = [&t](const std::string& key, std::string_view control, bool on) {
        t.push_back({key, std::string(control), K::Option, on ? "True" : "False"});
    };
    text("speed", InArrowSpeed);
    text("mass", InArrowMass);
    option("massgr", ArrowMassGr, true);
    option("massg", ArrowMassGram, false);
    option("speedf", ArrowSpeedFPS, true);
    option("speedm", ArrowSpeedM, false);
    text("length", InArrowLength);
    option("lengthI", ArrowLengthInInches, true);
    option("lengthMM", ArrowLengthInMM, false);
    text("staticspine", StaticSpine);
    text("shaftweight", GPI);
    text("BHW", BroadheadWeight);
    option("BHWGr", BroadheadweightGr, true);
    option("BHWG", BroadheadweightInG, false);
    for (int k = 0; k < kBroadheadBoxes; ++k)
        t.push_back({"BH" + std::to_string(k), ElementName(InBroadhead, k), K::Text, "0"});
    option("BHI", BroadheadInch, true);
    option("BHmm", BroadheadMM, false);
    // The distance and grouping keys carry "12"; stores written so far depend on it.
    text("Dist12", Distance);
    option("DistY", DistanceInyards, true);
    option("DistM", DistanceInM, false);
    text("Circ12", GroupingCirc);
    option("CircI", GroupingCircInI, true);
    option("Circmm", GroupingCircInMM, false);
    for (int k = 0; k < kSafetyOptions; ++k)
        option("Safety" + std::to_string(k), ElementName(Safety, k), false);
    option("Imperial", ChosenImperic, true);
    option("Metric", ChosenMetric, false);
    t.push_back({"ShaftDia", std::string(ShaftDiameter), K::ListPosition, "1"});
    // These three default to whatever the control holds when loading reaches them.
    t.push_back({"inEdge", std::string(inEdge), K::Text, std::nullopt});
    t.push_back({"inCOC", std::string(inCOC), K::CheckState, std::nullopt});
    t.push_back({"inTip", std::string(inTip), K::Text, std::nullopt});
    text("DrawWeigth", DrawWeigth);
    return t;
}

} // namespace

const std::vector<SettingsKey>& SettingsKeys() {
    static const std::vector<SettingsKey> table = BuildTable();
    return table;
}

std::optional<bool> ReadTruth(const std::string& text) {
    const std::string_view word = text::TrimBlanks(text);
    if (EqualsIgnoringCase(word, "true")) return true;
    if (EqualsIgnoringCase(word, "false")) return false;
    // A number beyond a double does not convert, like any other unfit text.
    const auto number = ReadNumber(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::optional<int> ReadWhole(const std::string& text, int low, int high) {
    const auto number = ReadNumber(text);
    if (!number) return std::nullopt;
    const double whole = RoundHalfEven(*number, 0);
    if (whole < low || whole > high) return std::nullopt;
    return static_cast<int>(whole);
}

SettingsReader ReaderOf(const std::map<std::string, std::string>& texts) {
    return [&texts](const std::string& key) -> std::optional<std::string> {
        const auto it = texts.find(key);
        if (it == texts.end()) return std::nullopt;
        return it->second;
    };
}

void LoadSettings(FormState& form, const SettingsReader& read) {
    for (const SettingsKey& row : SettingsKeys()) {
        // A value that does not fit its kind takes the key's default and loading goes on;
        // the store is only written by this program, so such values come from hand edits.
        const std::optional<std::string> stored = read(row.key);
        switch (row.kind) {
        case KeyKind::Text: {
            std::string fallback = row.defaultText ? *row.defaultText : form.Text(row.control);
            form.SetText(row.control, stored ? *stored : std::move(fallback));
            break;
        }
        case KeyKind::Option: {
            const bool fallback = *ReadTruth(*row.defaultText);
            const std::optional<bool> truth = stored ? ReadTruth(*stored) : std::nullopt;
            // Selecting clears the rest of the group; clearing leaves the group as it is, so a
            // pair stored "False"/"False" ends with no selection.
            form.SetSelected(row.control, truth.value_or(fallback));
            break;
        }
        case KeyKind::ListPosition: {
            const int fallback = *ReadWhole(*row.defaultText, -1, 2);
            const std::optional<int> position = stored ? ReadWhole(*stored, -1, 2) : std::nullopt;
            form.SetShaftDiameter(position.value_or(fallback));
            break;
        }
        case KeyKind::CheckState: {
            const int fallback = form.CutOnContact();
            const std::optional<int> state = stored ? ReadWhole(*stored, 0, 1) : std::nullopt;
            form.SetCutOnContact(state.value_or(fallback));
            break;
        }
        }
    }
}

std::vector<std::pair<std::string, std::string>> SaveSettings(const FormState& form) {
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(SettingsKeys().size());
    for (const SettingsKey& row : SettingsKeys()) {
        switch (row.kind) {
        case KeyKind::Text:
            pairs.emplace_back(row.key, form.Text(row.control));
            break;
        case KeyKind::Option:
            pairs.emplace_back(row.key, form.Selected(row.control) ? "True" : "False");
            break;
        case KeyKind::ListPosition:
            pairs.emplace_back(row.key, std::to_string(form.ShaftDiameter()));
            break;
        case KeyKind::CheckState:
            pairs.emplace_back(row.key, std::to_string(form.CutOnContact()));
            break;
        }
    }
    return pairs;
}

} // namespace kesta
