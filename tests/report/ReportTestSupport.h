// Helpers of the report tests: the worked set-up and its variations, one report press read
// back as lines, and the check of a table of set-ups that stop the report.
#pragma once

#include "ballistics/GameTable.h"
#include "form/FormState.h"
#include "report/Calculator.h"
#include "tests/common/ErrorKindOf.h"
#include "tests/common/WorkedExampleForm.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesta::test {

using TextLines = std::vector<std::string>;

// The form with changes written "Name=text; Option": a name with "=" sets a text box (blanks
// kept), a bare name selects an option, "inCOC" ticks the cut-on-contact box.
inline FormState With(FormState form, std::string_view changes) {
    while (!changes.empty()) {
        const std::size_t end = std::min(changes.find("; "), changes.size());
        const std::string_view item = changes.substr(0, end);
        const std::size_t equals = item.find('=');
        if (equals != std::string_view::npos)
            form.SetText(item.substr(0, equals), std::string(item.substr(equals + 1)));
        else if (item == "inCOC")
            form.SetCutOnContact(1);
        else
            form.SetSelected(item, true);
        changes.remove_prefix(std::min(end + 2, changes.size()));
    }
    return form;
}

// The worked example: 300 fps, 400 grains, 28 inches, GPI 9, spine 400, a 100-grain broadhead,
// draw weight 60, blades 1 and 2 of 0.5 by 1 inch, edge 25, tip 60, the first shaft diameter.
inline FormState ExampleForm(std::string_view changes = "") {
    // A 10-inch group and the design's 100% safety option keep these tests apart from the
    // accuracy example below.
    return With(WorkedExampleForm(),
                std::string("GroupingCirc=10; Safety_4; ") + std::string(changes));
}

// The worked example with a 6-inch group at 20 yards and 25% safety, the accuracy example.
inline FormState ReferenceForm(std::string_view changes = "") {
    return With(ExampleForm("GroupingCirc=6; Safety_1"), changes);
}

// The box text split at each CR LF; text after the last CR LF is flagged.
inline TextLines Lines(const std::string& box) {
    TextLines lines;
    std::size_t from = 0;
    for (std::size_t at = box.find("\r\n"); at != std::string::npos; at = box.find("\r\n", from)) {
        lines.push_back(box.substr(from, at - from));
        from = at + 2;
    }
    if (from != box.size()) lines.push_back("<unterminated>" + box.substr(from));
    return lines;
}

// Each animal's list in the report text: the names between the list headings, split at ",  ".
inline std::map<std::string, game::Verdict> ListsOf(const TextLines& lines) {
    std::map<std::string, game::Verdict> placed;
    bool inList = false;
    game::Verdict current = game::Verdict::NotRecommended;
    for (const std::string& line : lines) {
        if (line == "Sufficient for:" || line == "Marginal for:" || line == "NOT Recomended for:") {
            inList = true;
            current = line[0] == 'S'   ? game::Verdict::Sufficient
                      : line[0] == 'M' ? game::Verdict::Marginal
                                       : game::Verdict::NotRecommended;
        } else if (line.rfind("---", 0) == 0) {
            inList = false;
        } else if (inList && line.rfind("   ", 0) == 0) {
            std::string rest = line.substr(3);
            for (std::size_t at; (at = rest.find(",  ")) != std::string::npos;) {
                placed[rest.substr(0, at)] = current;
                rest = rest.substr(at + 3);
            }
        }
    }
    return placed;
}

// The error a call raises, place and all, if any.
template <typename Call> std::optional<RuntimeError> ErrorOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

// What one report press left: the box's lines, the error that stopped it and where.
struct Outcome {
    TextLines lines;
    std::optional<ErrorKind> error;
    std::string place;

    // `count` lines from the first line equal to `first` on (fewer at the end of the box).
    TextLines From(const std::string& first, std::size_t count) const {
        const auto begin = std::find(lines.begin(), lines.end(), first);
        return TextLines(begin, begin + std::min<std::ptrdiff_t>(count, lines.end() - begin));
    }
    bool Has(const std::string& line) const { return From(line, 1).size() == 1; }
};

inline Outcome Press(Calculator& calc) {
    Outcome out;
    if (const auto error = ErrorOf([&] { calc.WriteReport(); })) {
        out.error = error->kind();
        out.place = error->place();
    }
    out.lines = Lines(calc.BoxText());
    return out;
}

inline Outcome Press(const FormState& form) {
    Calculator calc(form);
    return Press(calc);
}

// One documented stop of the report: the changes to a base form, the kind raised and the
// last line written.
struct Stop {
    std::string changes;
    ErrorKind kind;
    std::string lastLine;
};

// Each row stops the report with its kind after its last line, in the named section.
inline void ExpectStops(const FormState& base, const std::string& section,
                        const std::vector<Stop>& rows) {
    for (const Stop& row : rows) {
        const Outcome out = Press(With(base, row.changes));
        EXPECT_EQ(out.error, row.kind) << row.changes;
        EXPECT_EQ(out.lines.empty() ? "<no lines>" : out.lines.back(), row.lastLine) << row.changes;
        EXPECT_EQ(out.place,
                  "report line " + std::to_string(out.lines.size() + 1) + ", " + section)
            << row.changes;
    }
}

} // namespace kesta::test
