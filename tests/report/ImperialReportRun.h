// Runs the whole imperial report over a form and gives back its lines, for the tests of the
// accuracy, reaction-time and game sections.
#pragma once

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/FormState.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kesta::testing {

// The reference set-up: a 400-grain arrow at 300 fps, 28 inches, GPI 9, spine 400, a 100-grain
// two-blade broadhead (0.5 x 1 inch), 60 lbs draw, a 6-inch group at 20 yards, 25% safety.
inline FormState ReferenceForm() {
    FormState form;
    form.SetText("InArrowSpeed", "300");
    form.SetText("InArrowMass", "400");
    form.SetText("InArrowLength", "28");
    form.SetText("GPI", "9");
    form.SetText("StaticSpine", "400");
    form.SetText("BroadheadWeight", "100");
    form.SetText("DrawWeigth", "60");
    form.SetText("InBroadhead_0", "0.5");
    form.SetText("InBroadhead_1", "1");
    form.SetText("InBroadhead_2", "0.5");
    form.SetText("InBroadhead_3", "1");
    form.SetShaftDiameter(0);
    form.SetText("Distance", "20");
    form.SetText("GroupingCirc", "6");
    form.SetSelected("Safety_1", true);
    return form;
}

inline std::vector<std::string> BoxLines(const std::string& box) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = box.find("\r\n"); end != std::string::npos; end = box.find("\r\n", start)) {
        lines.push_back(box.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct ReportRun {
    std::vector<std::string> lines;
    std::optional<ErrorKind> error; // the kind that stopped the report, if any

    // Index of the first line equal to `text`, or the line count when there is none.
    std::size_t IndexOf(const std::string& text) const {
        return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), text) -
                                        lines.begin());
    }
    // `count` lines starting at the line equal to `first` (fewer at the end of the report).
    std::vector<std::string> From(const std::string& first, std::size_t count) const {
        const std::size_t begin = std::min(IndexOf(first), lines.size());
        const std::size_t end = std::min(begin + count, lines.size());
        return {lines.begin() + static_cast<std::ptrdiff_t>(begin),
                lines.begin() + static_cast<std::ptrdiff_t>(end)};
    }
    // The lines of a game list: those after its heading up to the next empty line or the
    // hyphen line.
    std::vector<std::string> List(const std::string& heading) const {
        std::vector<std::string> names;
        for (std::size_t i = IndexOf(heading) + 1; i < lines.size(); ++i) {
            if (lines[i].empty() || lines[i].front() == '-') break;
            names.push_back(lines[i]);
        }
        return names;
    }
};

inline ReportRun RunReport(Calculator& calculator) {
    ReportRun run;
    try {
        calculator.doReport_Click();
    } catch (const RuntimeError& e) {
        run.error = e.kind();
    }
    run.lines = BoxLines(calculator.BoxText());
    return run;
}

inline ReportRun RunReport(const FormState& form) {
    Calculator calculator(form);
    return RunReport(calculator);
}

} // namespace kesta::testing
