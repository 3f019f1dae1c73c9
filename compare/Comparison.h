// Two set-ups side by side: both reports, the figures they print with their differences, and
// every animal whose verdict differs. Both the window and kesta-report --compare show this;
// it runs the same Calculator as the "Report" button, so each side is exactly its report.
#pragma once

#include "ballistics/GameList.h"
#include "form/FormState.h"
#include "report/ReportFigures.h"

#include <optional>
#include <string>
#include <vector>

namespace kesta {

// One set-up's report, run once in a fresh calculator.
struct SideReport {
    std::string text;  // the report box, "\n" line ends; up to the stop if it stopped
    std::string error; // the error that stopped the report, empty when it was written whole
    std::string place; // where it stopped, e.g. "report line 17, Dynamic Spine"
    ReportFigures figures;

    bool Stopped() const { return !error.empty(); }
};

// Both sides of a comparison judge the game of one table, so their verdicts can be compared.
SideReport RunReport(const FormState& form, const game::GameTable& game = game::DefaultTable());

// A side of a comparison: its own report's text, and the figures of its full report even
// when it chose the metric summary, so that any two set-ups compare figure by figure.
SideReport RunSide(const FormState& form,
                    const game::GameTable& game = game::DefaultTable());

// Which side a figure favours, where that is clear: more energy, momentum, penetration,
// damage area or hunting distance is better, and a lower Ro. Spine, FOC, speed and mass
// depend on the rest of the set-up: Unclear.
enum class Better { Unclear, Same, A, B };

// One compared figure: as each report printed it, if it did.
struct FigureRow {
    FigureId figure;
    std::optional<ShownFigure> a, b;
    // b minus a, rounded to the finer of the two roundings; only when both sides printed a
    // number (a penetration of 999, "went through", has no difference to take).
    std::optional<double> difference;
    Better better = Better::Unclear; // only when both sides printed it
};

// A penetration figure of 999: the arrow went through.
bool WentThrough(FigureId figure, const std::optional<ShownFigure>& shown);

// An input that differs between the two set-ups, as each holds it: "500 grains", "Metric".
struct InputRow {
    std::string input; // its label: "Arrow mass", "Blade height, row 3", "Report units"
    std::string a, b;
};

struct VerdictChange {
    std::string animal;
    game::Verdict a, b;
};

struct Comparison {
    SideReport a, b;
    // Every input that differs, in the window's order (empty when compared from reports).
    std::vector<InputRow> inputs;
    // Every figure either report printed, in the order of the FigureId list.
    std::vector<FigureRow> figures;
    // Whether both reports reached their game lists; only then are verdicts compared.
    bool verdictsCompared = false;
    std::vector<VerdictChange> verdictChanges; // in the game table's order

    bool EitherStopped() const { return a.Stopped() || b.Stopped(); }
};

// Both sides run through RunSide, and their differing inputs listed.
Comparison Compare(const FormState& a, const FormState& b,
                   const game::GameTable& game = game::DefaultTable());
// The two reports must have judged the animals of `game`.
Comparison Compare(SideReport a, SideReport b, const game::GameTable& game = game::DefaultTable());

// "Kinetic energy", "foot-pounds" and together "Kinetic energy (foot-pounds)".
const char* FigureName(FigureId figure);
const char* FigureUnit(FigureId figure);
std::string FigureLabel(FigureId figure);

} // namespace kesta
