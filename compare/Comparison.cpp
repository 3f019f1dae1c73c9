#include "compare/Comparison.h"

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <algorithm>
#include <array>

namespace kesta {

namespace {

struct FigureText {
    const char* name;
    const char* unit;
};

// In the order of the FigureId list.
constexpr std::array<FigureText, kFigureCount> kFigureTexts = {{
    {"Kinetic energy", "foot-pounds"},
    {"Kinetic energy", "Joule"},
    {"Momentum", "slug-foot seconds"},
    {"Momentum", "Newton seconds"},
    {"Ro", "lbs"},
    {"Ro", "kg"},
    {"Soft-tissue penetration", "inch"},
    {"Dynamic spine", ""},
    {"FOC", "%"},
    {"Damage area", "sqr.inches"},
    {"Max. hunting distance #1", "yards"},
    {"Max. hunting distance #2", "yards"},
    {"Max. hunting distance #3", "yards"},
    {"Max. hunting distance #4", "yards"},
    {"Max. hunting distance #5", "yards"},
    {"Max. hunting distance #6", "yards"},
    {"Penetration, both ribs, category 1", "inch"},
    {"Penetration, both ribs, category 2", "inch"},
    {"Penetration, both ribs, category 3", "inch"},
    {"Penetration, both ribs, category 4", "inch"},
    {"Penetration, both ribs, category 5", "inch"},
    {"Penetration, both ribs, category 6", "inch"},
}};

const FigureText& TextOf(FigureId figure) {
    return kFigureTexts[static_cast<std::size_t>(figure)];
}

std::optional<double> Difference(const std::optional<ShownFigure>& a,
                                 const std::optional<ShownFigure>& b) {
    if (!a || !b) return std::nullopt;
    // Both values are already rounded; rounding again only clears the binary noise of the
    // subtraction (115.1 - 80 is 35.099999999999994).
    return RoundHalfEven(b->value - a->value, std::max(a->decimals, b->decimals));
}

std::vector<VerdictChange> VerdictChanges(const std::vector<game::Verdict>& a,
                                          const std::vector<game::Verdict>& b,
                                          const game::GameTable& game) {
    std::vector<VerdictChange> changes;
    const auto& animals = game.animals;
    for (std::size_t i = 0; i < animals.size() && i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) changes.push_back({animals[i].name, a[i], b[i]});
    return changes;
}

} // namespace

SideReport RunReport(const FormState& form, const game::GameTable& game) {
    SideReport side;
    Calculator calculator(form, game);
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        side.error = e.what();
        side.place = e.place();
    }
    side.text = text::CrLfToLf(calculator.BoxText());
    side.figures = calculator.Figures();
    return side;
}

Comparison Compare(const FormState& a, const FormState& b, const game::GameTable& game) {
    return Compare(RunReport(a, game), RunReport(b, game), game);
}

Comparison Compare(SideReport a, SideReport b, const game::GameTable& game) {
    Comparison c;
    c.a = std::move(a);
    c.b = std::move(b);
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        const FigureId figure = static_cast<FigureId>(k);
        const auto& shownA = c.a.figures.Get(figure);
        const auto& shownB = c.b.figures.Get(figure);
        if (shownA || shownB) c.figures.push_back({figure, shownA, shownB, Difference(shownA, shownB)});
    }
    const auto& verdictsA = c.a.figures.Verdicts();
    const auto& verdictsB = c.b.figures.Verdicts();
    c.verdictsCompared = verdictsA.has_value() && verdictsB.has_value();
    if (c.verdictsCompared) c.verdictChanges = VerdictChanges(*verdictsA, *verdictsB, game);
    return c;
}

const char* FigureName(FigureId figure) {
    return TextOf(figure).name;
}

const char* FigureUnit(FigureId figure) {
    return TextOf(figure).unit;
}

std::string FigureLabel(FigureId figure) {
    const FigureText& text = TextOf(figure);
    std::string label = text.name;
    if (*text.unit != '\0') label += std::string(" (") + text.unit + ")";
    return label;
}

} // namespace kesta
