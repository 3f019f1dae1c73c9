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

// One compared figure: as each report printed it, if it did.
struct FigureRow {
    FigureId figure;
    std::optional<ShownFigure> a, b;
    // b minus a, rounded to the finer of the two roundings; only when both sides printed it.
    std::optional<double> difference;
};

struct VerdictChange {
    std::string animal;
    game::Verdict a, b;
};

struct Comparison {
    SideReport a, b;
    // Every figure either report printed, in the order of the FigureId list.
    std::vector<FigureRow> figures;
    // Whether both reports reached their game lists; only then are verdicts compared.
    bool verdictsCompared = false;
    std::vector<VerdictChange> verdictChanges; // in the game table's order

    bool EitherStopped() const { return a.Stopped() || b.Stopped(); }
};

Comparison Compare(const FormState& a, const FormState& b,
                   const game::GameTable& game = game::DefaultTable());
// The two reports must have judged the animals of `game`.
Comparison Compare(SideReport a, SideReport b, const game::GameTable& game = game::DefaultTable());

// "Kinetic energy", "foot-pounds" and together "Kinetic energy (foot-pounds)".
const char* FigureName(FigureId figure);
const char* FigureUnit(FigureId figure);
std::string FigureLabel(FigureId figure);

} // namespace kesta
