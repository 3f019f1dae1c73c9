// libFuzzer target for the comparison of two set-ups: the input decodes into two forms, as for
// the report, which are compared. Checks: each side stopped exactly when it names a place; a
// difference only where both reports printed the figure as a number; verdicts compared only when neither
// report stopped, and every change a real one; the comparison the other way round negates each
// difference and swaps each differing input and change; a side against itself differs nowhere; the text, CSV and
// JSON forms are written whole (the JSON parses, the CSV has a record per figure, input and change).
#include "compare/CompareFormats.h"
#include "compare/Comparison.h"
#include "fuzz/FuzzForm.h"
#include "tools/Errors.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

using namespace kesta;
using fuzz::Check;
using fuzz::FormFrom;
using fuzz::FuzzInput;

namespace {

void CheckSide(const SideReport& side) {
    Check(side.Stopped() == !side.place.empty());
}

void CheckShape(const Comparison& c) {
    CheckSide(c.a);
    CheckSide(c.b);
    for (const FigureRow& row : c.figures) {
        Check(row.a || row.b);
        // A difference needs two printed numbers; a penetration that went through is none.
        const bool numbers = row.a && row.b && !WentThrough(row.figure, row.a) &&
                             !WentThrough(row.figure, row.b);
        Check(row.difference.has_value() == numbers);
    }
    Check(!c.verdictsCompared || !c.EitherStopped());
    Check(c.verdictsCompared || c.verdictChanges.empty());
    for (const VerdictChange& change : c.verdictChanges)
        Check(change.a != change.b);
}

bool Negated(const std::optional<double>& x, const std::optional<double>& y) {
    if (!x || !y) return !x && !y;
    if (std::isnan(*x) || std::isnan(*y)) return std::isnan(*x) && std::isnan(*y);
    return *x == -*y;
}

void CheckReversed(const Comparison& c, const Comparison& back) {
    Check(back.figures.size() == c.figures.size());
    for (std::size_t k = 0; k < c.figures.size(); ++k) {
        Check(back.figures[k].figure == c.figures[k].figure);
        Check(Negated(back.figures[k].difference, c.figures[k].difference));
    }
    Check(back.inputs.size() == c.inputs.size());
    for (std::size_t k = 0; k < c.inputs.size(); ++k) {
        Check(back.inputs[k].input == c.inputs[k].input);
        Check(back.inputs[k].a == c.inputs[k].b && back.inputs[k].b == c.inputs[k].a);
    }
    Check(back.verdictsCompared == c.verdictsCompared);
    Check(back.verdictChanges.size() == c.verdictChanges.size());
    for (std::size_t k = 0; k < c.verdictChanges.size(); ++k) {
        Check(back.verdictChanges[k].animal == c.verdictChanges[k].animal);
        Check(back.verdictChanges[k].a == c.verdictChanges[k].b);
        Check(back.verdictChanges[k].b == c.verdictChanges[k].a);
    }
}

void CheckSame(const Comparison& same) {
    for (const FigureRow& row : same.figures)
        Check(!row.difference || *row.difference == 0 || std::isnan(*row.difference));
    Check(same.inputs.empty());
    Check(same.verdictChanges.empty());
}

// The records of RFC 4180 text: a line break inside a quoted field (an input text from a set-up
// file may hold one) belongs to the field; every quote is closed.
std::size_t CsvRecords(const std::string& csv) {
    std::size_t records = 0;
    bool quoted = false;
    for (const char ch : csv) {
        if (ch == '"')
            quoted = !quoted; // a doubled quote inside a field turns it off and on again
        else if (ch == '\n' && !quoted)
            ++records;
    }
    Check(!quoted);
    return records;
}

void CheckFormats(const Comparison& c) {
    Check(!CompareText(c, "a.kesta", "b.kesta").empty());
    const std::string csv = CompareCsv(c);
    Check(CsvRecords(csv) == 1 + c.figures.size() + c.inputs.size() + c.verdictChanges.size());
    const nlohmann::json json =
        nlohmann::json::parse(CompareJson(c, "a.kesta", "b.kesta"), nullptr, false);
    Check(!json.is_discarded());
    Check(json["figures"].size() == c.figures.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const FormState a = FormFrom(in);
    const FormState b = FormFrom(in);
    try {
        const Comparison c = Compare(a, b);
        CheckShape(c);
        CheckFormats(c);
        const Comparison back = Compare(b, a);
        CheckShape(back);
        CheckReversed(c, back);
        CheckSame(Compare(c.a, c.a));
    } catch (...) {
        std::terminate(); // a report that stops is a side that stopped, never an escape
    }
    return 0;
}
