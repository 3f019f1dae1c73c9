#include "form/FormState.h"

#include "form/ControlNames.h"
#include "tools/Errors.h"

#include <stdexcept>

namespace kesta {

std::string ElementName(std::string_view array, int element) {
    return std::string(array) + "_" + std::to_string(element);
}

const std::vector<std::string>& FormState::TextBoxes() {
    using namespace control;
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (std::string_view name : {InArrowSpeed, DrawWeigth, InArrowMass, InArrowLength,
                                      StaticSpine, GPI, BroadheadWeight})
            v.emplace_back(name);
        for (int k = 0; k < kBroadheadBoxes; ++k)
            v.push_back(ElementName(InBroadhead, k));
        for (std::string_view name : {inEdge, inTip, Distance, GroupingCirc})
            v.emplace_back(name);
        return v;
    }();
    return names;
}

const std::vector<std::vector<std::string>>& FormState::OptionGroups() {
    using namespace control;
    static const std::vector<std::vector<std::string>> groups = [] {
        std::vector<std::vector<std::string>> v;
        auto pair = [&v](std::string_view first, std::string_view second) {
            v.push_back({std::string(first), std::string(second)});
        };
        pair(ChosenImperic, ChosenMetric);
        pair(ArrowSpeedFPS, ArrowSpeedM);
        pair(ArrowMassGr, ArrowMassGram);
        pair(ArrowLengthInInches, ArrowLengthInMM);
        pair(BroadheadInch, BroadheadMM);
        pair(BroadheadweightGr, BroadheadweightInG);
        std::vector<std::string> safety;
        for (int k = 0; k < kSafetyOptions; ++k)
            safety.push_back(ElementName(Safety, k));
        v.push_back(std::move(safety));
        pair(DistanceInyards, DistanceInM);
        pair(GroupingCircInI, GroupingCircInMM);
        return v;
    }();
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
    texts_.find(control::inEdge)->second = "25";
    texts_.find(control::inTip)->second = "60";
    for (const auto& group : OptionGroups()) {
        for (const auto& name : group)
            options_[name] = false;
        // The design selection: the first option of each pair; "100%" of the safety factors.
        options_[group.size() == 5 ? group.back() : group.front()] = true;
    }
}

namespace {

// A control name the form does not have can only come from a fault in the program itself:
// the names are constants (ControlNames.h) and the settings key table is fixed.
[[noreturn]] void UnknownControl(std::string_view control) {
    throw std::logic_error("no such control: " + std::string(control));
}

} // namespace

const std::string& FormState::Text(std::string_view control) const {
    auto it = texts_.find(control);
    if (it == texts_.end()) UnknownControl(control);
    return it->second;
}

void FormState::SetText(std::string_view control, std::string text) {
    auto it = texts_.find(control);
    if (it == texts_.end()) UnknownControl(control);
    it->second = std::move(text);
}

bool FormState::Selected(std::string_view option) const {
    auto it = options_.find(option);
    if (it == options_.end()) UnknownControl(option);
    return it->second;
}

void FormState::SetSelected(std::string_view option, bool selected) {
    auto it = options_.find(option);
    if (it == options_.end()) UnknownControl(option);
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
