// Helpers of the report tests: form states for the worked hunting set-up and its variations,
// and a reading of the report box.
#pragma once

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/FormState.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta::test {

using Texts = std::initializer_list<std::pair<const char*, const char*>>;

// Sets the given texts and selects the given options, in order.
inline void Apply(FormState& form, Texts texts, std::initializer_list<const char*> options = {}) {
    for (const auto& [name, text] : texts)
        form.SetText(name, text);
    for (const char* option : options)
        form.SetSelected(option, true);
}

// The worked example: 300 fps, 400 grains, 28 inches, GPI 9, spine 400, a 100-grain broadhead,
// draw weight 60, blades 1 and 2 of 0.5 by 1 inch, edge 25, tip 60, the first shaft diameter
// entry, "Imperial".
inline FormState ExampleForm() {
    FormState form;
    Apply(form, {{"InArrowSpeed", "300"},
                 {"InArrowMass", "400"},
                 {"InArrowLength", "28"},
                 {"GPI", "9"},
                 {"StaticSpine", "400"},
                 {"BroadheadWeight", "100"},
                 {"DrawWeigth", "60"},
                 {"InBroadhead_0", "0.5"},
                 {"InBroadhead_1", "1"},
                 {"InBroadhead_2", "0.5"},
                 {"InBroadhead_3", "1"},
                 {"inEdge", "25"},
                 {"inTip", "60"},
                 {"Distance", "20"},
                 {"GroupingCirc", "10"}});
    form.SetShaftDiameter(0);
    return form;
}

// The state after a first run: every number text "0", the first options selected.
inline FormState FirstRunForm() {
    FormState form;
    for (const auto& name : FormState::TextBoxes())
        form.SetText(name, "0");
    return form;
}

} // namespace kesta::test

namespace kesta::test {

// The box text split at each CR LF; the text after the last CR LF must be empty.
inline std::vector<std::string> Lines(const std::string& box) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = box.find("\r\n"); at != std::string::npos; at = box.find("\r\n", from)) {
        lines.push_back(box.substr(from, at - from));
        from = at + 2;
    }
    if (from != box.size()) lines.push_back("<unterminated>" + box.substr(from));
    return lines;
}

// Runs one report and gives the kind of the error that stopped it.
inline std::optional<ErrorKind> ReportError(Calculator& calc) {
    try {
        calc.doReport_Click();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace kesta::test
