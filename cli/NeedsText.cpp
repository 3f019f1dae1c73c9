// The --needs table for a terminal: a heading that states the set-up and what each column
// assumes, then one aligned row per animal in table order.
#include "cli/NeedsOutput.h"

#include "ballistics/GameTable.h"
#include "tools/NumberText.h"
#include "tools/Tools.h"

#include <algorithm>

namespace kesta::cli {

namespace {

using whatif::NeedsRow;

constexpr const char* kNone = "-";

std::string Right(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Left(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string WholeOrNone(const std::optional<int>& n) {
    return n ? std::to_string(*n) : kNone;
}

std::string SameBow(const NeedsRow& row) {
    if (!row.sameEnergyGrains) return kNone;
    return std::to_string(*row.sameEnergyGrains) + " at " + Rounded(*row.sameEnergyFps, 0);
}

std::string Heading(const whatif::SetUp& s) {
    const std::string grains = Rounded(s.grains, 1);
    const std::string fps = Rounded(s.fps, 1);
    return "What would it take to be sufficient: the least arrow for each animal\n"
           "Set-up: " +
           grains + " grains at " + fps + " fps, Ro " + Rounded(s.ro, 1) +
           " lbs\n"
           "  Least grains  the lightest arrow that is sufficient at " +
           fps +
           " fps\n"
           "  Least fps     the slowest a " +
           grains +
           "-grain arrow may fly and be sufficient\n"
           "  Same bow      the lightest arrow that is sufficient at the speed the same bow\n"
           "                would give it: the set-up's kinetic energy, so\n"
           "                fps = " +
           fps + " x (" + grains +
           " / grains)^0.5\n"
           "  Searched: 1 to " +
           std::to_string(whatif::kMostGrains) + " grains and 1 to " +
           std::to_string(whatif::kMostFps) + " fps in whole numbers; " + kNone +
           ": none in that range.\n\n";
}

} // namespace

std::string NeedsText(const whatif::NeedsTable& table) {
    std::size_t nameWidth = std::string("Animal").size();
    for (const NeedsRow& row : table.rows)
        nameWidth = std::max(nameWidth, row.animal.size());
    const std::string beforeLeast(2 + 2 + nameWidth + 2 + 7 + 2 + 3 + 2 + 15, ' ');
    std::string out = Heading(table.setUp);
    out += beforeLeast + "   Least   Least  Same bow\n";
    out += Right("#", 2) + "  " + Left("Animal", nameWidth) + "  Mass kg  Cat  " +
           Left("Verdict now", 15) + "  grains     fps  grains at fps\n";
    for (const NeedsRow& row : table.rows) {
        out += Right(std::to_string(row.position), 2) + "  " + Left(row.animal, nameWidth) + "  " +
               Tools::FormatFixed(row.massKg, 1, 7) + "  " +
               Right(std::to_string(row.category), 3) + "  " +
               Left(game::VerdictName(row.verdict), 15) + "  " +
               Right(WholeOrNone(row.leastGrains), 6) + "  " + Right(WholeOrNone(row.leastFps), 6) +
               "  " + SameBow(row) + "\n";
    }
    return out;
}

} // namespace kesta::cli
