// The worked example as the form state the report reads: 300 fps, 400 grains, 28 inches, 9 gpi,
// spine 400, a 100-grain broadhead, draw weight 60, blades 1 and 2 of 0.5 by 1 inch, edge 25,
// tip 60, no cut-on-contact tip, the shaft smaller than the ferrule, "Imperial", completed with
// the accuracy example (a 6-inch group at 20 yards, 25% safety) so that the whole report is
// written. Every other text box is empty. Shared by the tests and the benchmark.
#pragma once

#include "form/FormState.h"

#include <string>
#include <utility>
#include <vector>

namespace kesta::test {

inline const std::vector<std::pair<std::string, std::string>>& WorkedExampleTexts() {
    static const std::vector<std::pair<std::string, std::string>> texts = {
        {"InArrowSpeed", "300"}, {"InArrowMass", "400"},
        {"InArrowLength", "28"}, {"GPI", "9"},
        {"StaticSpine", "400"},  {"BroadheadWeight", "100"},
        {"DrawWeigth", "60"},    {"InBroadhead_0", "0.5"},
        {"InBroadhead_1", "1"},  {"InBroadhead_2", "0.5"},
        {"InBroadhead_3", "1"},  {"inEdge", "25"},
        {"inTip", "60"},         {"Distance", "20"},
        {"GroupingCirc", "6"}};
    return texts;
}

// The safety option the example selects.
inline constexpr const char* kWorkedExampleSafety = "Safety_1";

inline FormState WorkedExampleForm() {
    FormState form;
    for (const auto& [name, text] : WorkedExampleTexts())
        form.SetText(name, text);
    form.SetSelected(kWorkedExampleSafety, true);
    form.SetShaftDiameter(0);
    form.SetCutOnContact(0);
    return form;
}

} // namespace kesta::test
