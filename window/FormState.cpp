#include "window/FormState.h"

#include "tools/Errors.h"

namespace kesta {

std::string ElementName(std::string_view array, int element) {
    return std::string(array) + "_" + std::to_string(element);
}

const std::vector<std::string>& FormState::TextBoxes() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v = {"InArrowSpeed",   "DrawWeigth",  "InArrowMass",
                                      "InArrowLength",  "StaticSpine", "GPI",
                                      "BroadheadWeight"};
        for (int k = 0; k < 12; ++k)
            v.push_back(ElementName("InBroadhead", k));
        v.insert(v.end(), {"inEdge", "inTip", "Distance", "GroupingCirc"});
        return v;
    }();
    return names;
}

const std::vector<std::vector<std::string>>& FormState::OptionGroups() {
    static const std::vector<std::vector<std::string>> groups = {
        {"ChosenImperic", "ChosenMetric"},
        {"ArrowSpeedFPS", "ArrowSpeedM"},
        {"ArrowMassGr", "ArrowMassGram"},
        {"ArrowLengthInInches", "ArrowLengthInMM"},
        {"BroadheadInch", "BroadheadMM"},
        {"BroadheadweightGr", "BroadheadweightInG"},
        {"Safety_0", "Safety_1", "Safety_2", "Safety_3", "Safety_4"},
        {"DistanceInyards", "DistanceInM"},
        {"GroupingCircInI", "GroupingCircInMM"},
    };
    return groups;
}

const std::vector<std::string>& FormState::Options() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const auto& group : OptionGroups())
            v.insert(v.end(), group.begin(), group.end());
        return v;
    }();
    return names;
}

const std::vector<std::string>& FormState::ShaftDiameterEntries() {
    static const std::vector<std::string> entries = {"smaller than BH ferrule",
                                                     "same sise as ferrule", "larger than ferrule"};
    return entries;
}

FormState::FormState() {
    for (const auto& name : TextBoxes())
        texts_[name] = "";
    texts_["inEdge"] = "25";
    texts_["inTip"] = "60";
    for (const auto& group : OptionGroups()) {
        for (const auto& name : group)
            options_[name] = false;
        // The design selection: the first option of each pair; "100%" of the safety factors.
        options_[group.size() == 5 ? group.back() : group.front()] = true;
    }
}

const std::string& FormState::Text(std::string_view control) const {
    auto it = texts_.find(control);
    if (it == texts_.end()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return it->second;
}

void FormState::SetText(std::string_view control, std::string text) {
    auto it = texts_.find(control);
    if (it == texts_.end()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    it->second = std::move(text);
}

bool FormState::Selected(std::string_view option) const {
    auto it = options_.find(option);
    if (it == options_.end()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return it->second;
}

void FormState::SetSelected(std::string_view option, bool selected) {
    auto it = options_.find(option);
    if (it == options_.end()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    if (selected) {
        for (const auto& group : OptionGroups()) {
            bool inGroup = false;
            for (const auto& name : group)
                inGroup = inGroup || name == option;
            if (!inGroup) continue;
            for (const auto& name : group)
                options_[name] = false;
        }
    }
    it->second = selected;
}

void FormState::SetShaftDiameter(int position) {
    if (position < -1 || position > 2) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    shaftDiameter_ = position;
}

void FormState::SetCutOnContact(int state) {
    if (state < 0 || state > 1) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    cutOnContact_ = state;
}

} // namespace kesta
