// The worked example of the report driver (300 fps, 400 grains, 28 inches, 9 gpi, spine 400,
// 100 grain broadhead, 60 lbs, two blades of 0.5 by 1 inch, edge 25, tip 60, no cut-on-contact
// tip, shaft smaller than the ferrule, "Imperial"), completed with an accuracy set-up of
// 20 yards, an 8 inch group and a 50% safety factor so that the whole report can be written.
#pragma once

#include "tests/common/WorkedExample.h"
#include "window/FormState.h"

#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace kesta::test {

inline const std::vector<std::pair<std::string, std::string>>& ExampleTexts() {
    static const std::vector<std::pair<std::string, std::string>> texts = {
        {"InArrowSpeed", "300"}, {"InArrowMass", "400"},
        {"InArrowLength", "28"}, {"GPI", "9"},
        {"StaticSpine", "400"},  {"BroadheadWeight", "100"},
        {"DrawWeigth", "60"},    {"InBroadhead_0", "0.5"},
        {"InBroadhead_1", "1"},  {"InBroadhead_2", "0.5"},
        {"InBroadhead_3", "1"},  {"inEdge", "25"},
        {"inTip", "60"},         {"Distance", "20"},
        {"GroupingCirc", "8"}};
    return texts;
}

// The example as the form state the report reads; every other text box empty.
inline FormState ExampleForm() {
    FormState form;
    for (const auto& [name, text] : ExampleTexts())
        form.SetText(name, text);
    form.SetSelected("Safety_2", true);
    form.SetShaftDiameter(0);
    form.SetCutOnContact(0);
    return form;
}

// The first lines of the example's report: the documented 24, then the accuracy heading.
inline QStringList ExampleOpening() {
    QStringList lines;
    for (const std::string& line : WorkedExampleOpening())
        lines << QString::fromStdString(line);
    lines << "Accuracy";
    return lines;
}

} // namespace kesta::test
