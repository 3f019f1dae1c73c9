#include "compare/CompareFormats.h"

#include "tools/JsonOrNull.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <nlohmann/json.hpp>

namespace kesta {

namespace {

constexpr std::size_t kLabelWidth = 42;
constexpr std::size_t kValueWidth = 10;

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string CsvNumber(const std::optional<ShownFigure>& shown) {
    return shown ? NumberText(shown->value) : std::string();
}

nlohmann::ordered_json JsonShown(const std::optional<ShownFigure>& shown) {
    return JsonOrNull(shown ? std::optional<double>(shown->value) : std::nullopt);
}

nlohmann::ordered_json JsonSide(const SideReport& side, const std::string& name) {
    nlohmann::ordered_json json = {{"setup", name}, {"error", nullptr}, {"stopped_at", nullptr}};
    if (side.Stopped()) {
        json["error"] = side.error;
        json["stopped_at"] = side.place;
    }
    return json;
}

} // namespace

std::string ShownText(FigureId figure, const std::optional<ShownFigure>& shown) {
    if (WentThrough(figure, shown)) return "through";
    return shown ? NumberText(shown->value) : std::string("n/a");
}

std::string BetterText(Better better) {
    switch (better) {
    case Better::A:
        return "A";
    case Better::B:
        return "B";
    case Better::Same:
        return "same";
    case Better::Unclear:
        break;
    }
    return {};
}

std::string InputRowText(const InputRow& row) {
    return row.input + ": " + row.a + " \u2192 " + row.b;
}

std::string DifferenceText(const std::optional<double>& difference) {
    if (!difference) return {};
    const std::string text = NumberText(*difference);
    return *difference > 0 ? "+" + text : text;
}

std::string VerdictChangeText(const VerdictChange& change) {
    return change.animal + ": " + game::VerdictName(change.a) + " \u2192 " +
           game::VerdictName(change.b);
}

std::string VerdictNote(const Comparison& c) {
    if (c.verdictsCompared)
        return c.verdictChanges.empty() ? "Every animal has the same verdict." : std::string();
    const bool aListed = c.a.figures.Verdicts().has_value();
    const bool bListed = c.b.figures.Verdicts().has_value();
    if (!aListed && !bListed) return "Verdicts not compared: neither report lists the game.";
    return std::string("Verdicts not compared: report ") + (aListed ? "B" : "A") +
           " does not list the game.";
}

std::string StopText(const SideReport& side, char sideLetter) {
    if (!side.Stopped()) return {};
    std::string text = std::string("Set-up ") + sideLetter + " stopped: " + side.error;
    if (!side.place.empty()) text += " (" + side.place + ")";
    return text;
}

std::string CompareText(const Comparison& c, const std::string& nameA, const std::string& nameB) {
    std::string out = "A: " + nameA + "\nB: " + nameB + "\n";
    for (const std::string& stop : {StopText(c.a, 'A'), StopText(c.b, 'B')})
        if (!stop.empty()) out += stop + "\n";
    out += '\n';
    if (!c.inputs.empty()) {
        out += "Inputs that differ (A \u2192 B):\n";
        for (const InputRow& row : c.inputs)
            out += "   " + InputRowText(row) + "\n";
        out += '\n';
    }
    out += PadRight("Figure", kLabelWidth) + PadLeft("A", kValueWidth) +
           PadLeft("B", kValueWidth) + PadLeft("B - A", kValueWidth + 2) + "  Better\n";
    for (const FigureRow& row : c.figures) {
        std::string line = PadRight(FigureLabel(row.figure), kLabelWidth) +
                           PadLeft(ShownText(row.figure, row.a), kValueWidth) +
                           PadLeft(ShownText(row.figure, row.b), kValueWidth) +
                           PadLeft(DifferenceText(row.difference), kValueWidth + 2);
        const std::string better = BetterText(row.better);
        if (!better.empty()) line += "  " + better;
        out += line + "\n";
    }
    out += "\nVerdict changes (A \u2192 B):\n";
    for (const VerdictChange& change : c.verdictChanges)
        out += "   " + VerdictChangeText(change) + "\n";
    const std::string note = VerdictNote(c);
    if (!note.empty()) out += "   " + note + "\n";
    return out;
}

std::string CompareCsv(const Comparison& c) {
    std::string out = "figure,a,b,difference,better\n";
    for (const FigureRow& row : c.figures)
        out += text::CsvField(FigureLabel(row.figure)) + "," + CsvNumber(row.a) + "," +
               CsvNumber(row.b) + "," +
               (row.difference ? NumberText(*row.difference) : std::string()) + "," +
               BetterText(row.better) + "\n";
    for (const InputRow& row : c.inputs)
        out += text::CsvField("input: " + row.input) + "," + text::CsvField(row.a) + "," + text::CsvField(row.b) +
               ",,\n";
    for (const VerdictChange& change : c.verdictChanges)
        out += text::CsvField("verdict: " + change.animal) + "," + game::VerdictName(change.a) + "," +
               game::VerdictName(change.b) + ",,\n";
    return out;
}

std::string CompareJson(const Comparison& c, const std::string& nameA, const std::string& nameB) {
    nlohmann::ordered_json figures = nlohmann::ordered_json::array();
    for (const FigureRow& row : c.figures)
        figures.push_back({{"figure", FigureName(row.figure)},
                           {"unit", FigureUnit(row.figure)},
                           {"a", JsonShown(row.a)},
                           {"b", JsonShown(row.b)},
                           {"difference", JsonOrNull(row.difference)},
                           {"through_a", WentThrough(row.figure, row.a)},
                           {"through_b", WentThrough(row.figure, row.b)},
                           {"better", row.better == Better::Unclear
                                          ? nlohmann::ordered_json(nullptr)
                                          : nlohmann::ordered_json(BetterText(row.better))}});
    nlohmann::ordered_json inputs = nlohmann::ordered_json::array();
    for (const InputRow& row : c.inputs)
        inputs.push_back({{"input", row.input}, {"a", row.a}, {"b", row.b}});
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const VerdictChange& change : c.verdictChanges)
        changes.push_back({{"animal", change.animal},
                           {"a", game::VerdictName(change.a)},
                           {"b", game::VerdictName(change.b)}});
    const nlohmann::ordered_json json = {{"a", JsonSide(c.a, nameA)},
                                 {"b", JsonSide(c.b, nameB)},
                                 {"inputs", inputs},
                                 {"figures", figures},
                                 {"verdicts_compared", c.verdictsCompared},
                                 {"verdict_changes", changes}};
    // An input box may hold bytes that are not UTF-8 (a set-up file refuses them, the form does
    // not); they are written as U+FFFD rather than stopping the whole comparison.
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace kesta
