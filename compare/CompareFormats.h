// A comparison written out for kesta-report --compare and the window: as text for reading,
// CSV and JSON for other programs. Numbers are written as the reports print them, whatever
// the locale. Side names are what the user chose, e.g. "elk.kesta" or "example:light-deer".
#pragma once

#include "compare/Comparison.h"

#include <optional>
#include <string>

namespace kesta {

// A figure as its report printed it, "through" for a penetration of 999, or "n/a" when that
// report did not get to it.
std::string ShownText(FigureId figure, const std::optional<ShownFigure>& shown);
// "A", "B", "same", or empty when it is not clear which is better.
std::string BetterText(Better better);
// "Arrow mass: 400 grains → 500 grains".
std::string InputRowText(const InputRow& row);
// "+35.1", "-3" or "0"; empty when there is no difference to take.
std::string DifferenceText(const std::optional<double>& difference);
// "Kudu male: marginal → sufficient".
std::string VerdictChangeText(const VerdictChange& change);
// What is known of the verdicts, when they were not compared or did not change.
std::string VerdictNote(const Comparison& c);
// "Set-up B stopped: Division by zero (report line 17, Dynamic Spine)"; empty for a side
// written whole.
std::string StopText(const SideReport& side, char sideLetter);

// The inputs that differ, the summary table with the better side, and the verdict changes,
// lines ended by "\n".
std::string CompareText(const Comparison& c, const std::string& nameA, const std::string& nameB);

// "figure,a,b,difference,better", one row per figure, then one row per differing input
// ("input: Arrow mass,400 grains,500 grains,,") and per verdict change
// ("verdict: Kudu male,marginal,sufficient,,").
std::string CompareCsv(const Comparison& c);

// {"a": {...}, "b": {...}, "figures": [...], "verdicts_compared": ..., "verdict_changes": [...]}
std::string CompareJson(const Comparison& c, const std::string& nameA, const std::string& nameB);

} // namespace kesta
