// Runs the whole imperial report over a form and gives back its lines, for the tests of the
// accuracy, reaction-time and game sections.
#pragma once

#include "ReportTestSupport.h"
#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/FormState.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kesta::test {

// The worked example with a 6-inch group at 20 yards and 25% safety, the accuracy example.
inline FormState ReferenceForm() {
    FormState form = ExampleForm();
    form.SetText("GroupingCirc", "6");
    form.SetSelected("Safety_1", true);
    return form;
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
    run.error = ReportError(calculator);
    run.lines = Lines(calculator.BoxText());
    return run;
}

inline ReportRun RunReport(const FormState& form) {
    Calculator calculator(form);
    return RunReport(calculator);
}

} // namespace kesta::test
