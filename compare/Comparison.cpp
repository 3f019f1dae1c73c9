#include "compare/Comparison.h"

#include "compare/InputRows.h"
#include "form/ControlNames.h"
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
    {"Arrow speed", "fps"},
    {"Arrow mass", "grains"},
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

bool IsPenetration(FigureId figure) {
    return figure == FigureId::SoftTissue ||
           (figure >= FigureId::BothRibs1 && figure <= FigureId::BothRibs6);
}

// +1 when more is better, -1 when less is, 0 when it depends on the rest of the set-up.
int Direction(FigureId figure) {
    switch (figure) {
    case FigureId::Ro:
    case FigureId::RoKg:
        return -1;
    case FigureId::ArrowSpeed:
    case FigureId::ArrowMass:
    case FigureId::DynamicSpine:
    case FigureId::Foc:
        return 0;
    default:
        return 1;
    }
}

Better BetterOf(FigureId figure, const std::optional<ShownFigure>& a,
                const std::optional<ShownFigure>& b) {
    const int direction = Direction(figure);
    if (!a || !b || direction == 0) return Better::Unclear;
    // Through is more than any depth; both through are the same.
    const bool throughA = WentThrough(figure, a), throughB = WentThrough(figure, b);
    if (throughA || throughB) return throughA == throughB ? Better::Same : throughA ? Better::A : Better::B;
    if (a->value == b->value) return Better::Same;
    return (b->value - a->value) * direction > 0 ? Better::B : Better::A;
}

std::optional<double> Difference(FigureId figure, const std::optional<ShownFigure>& a,
                                 const std::optional<ShownFigure>& b) {
    if (!a || !b || WentThrough(figure, a) || WentThrough(figure, b)) return std::nullopt;
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

SideReport RunSide(const FormState& form, const game::GameTable& game) {
    SideReport side = RunReport(form, game);
    if (!form.Selected(control::ChosenImperic)) {
        FormState full = form;
        full.SetSelected(control::ChosenImperic, true);
        side.figures = RunReport(full, game).figures;
    }
    return side;
}

Comparison Compare(const FormState& a, const FormState& b, const game::GameTable& game) {
    Comparison c = Compare(RunSide(a, game), RunSide(b, game), game);
    c.inputs = DifferingInputs(a, b);
    return c;
}

bool WentThrough(FigureId figure, const std::optional<ShownFigure>& shown) {
    return shown && IsPenetration(figure) && shown->value == 999;
}

Comparison Compare(SideReport a, SideReport b, const game::GameTable& game) {
    Comparison c;
    c.a = std::move(a);
    c.b = std::move(b);
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        const FigureId figure = static_cast<FigureId>(k);
        const auto& shownA = c.a.figures.Get(figure);
        const auto& shownB = c.b.figures.Get(figure);
        if (shownA || shownB)
            c.figures.push_back({figure, shownA, shownB, Difference(figure, shownA, shownB),
                                 BetterOf(figure, shownA, shownB)});
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
