// Penetration ability and game recommendations: how deep the arrow goes into each game
// category with and without broken ribs, then every animal of the game table sorted into the
// sufficient, marginal and not-recommended lists, and the closing disclaimer.
#include "report/Sections.h"

#include "ballistics/GameList.h"
#include "stringstack/StringStack.h"
#include "tools/Checked.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"
#include "tools/Tools.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kesta {

namespace {

using game::Verdict;

// A list line is closed once it runs past this many characters.
constexpr std::size_t kListLineLength = 80;

constexpr const char* kListIndent = "   ";

// The arrow of this report, with the losses and thickness of one case.
double PenetrationOf(ReportWriter& w, double ro, double entryLoss, double thickness,
                     double exitLoss) {
    const InputRecord& record = w.Record();
    return w.Penetrations().Penetration(ro, record.massGrains, record.speedFps, 0.3,
                                        record.bladeAreaSum, 0.001, entryLoss, thickness, exitLoss);
}

// A result right-justified in five characters (a longer text loses its leading characters),
// then three blanks.
std::string PenetrationCell(double inches) {
    const std::string padded = "     " + Rounded(inches, 0);
    return padded.substr(padded.size() - 5) + "   ";
}

void WritePenetrationAbility(ReportWriter& w, double ro) {
    w.Enter("Penetration Ability");
    w.AddLine("Penetration Ability per category");
    w.AddLine("   rib breakage:  none     entry   exit    both");
    for (int k = 1; k <= game::kCategories; ++k) {
        // A category row uses its own chest-depth formula, not the animals' one.
        const double chestDepth = game::CategoryChestDepth(k);
        const double rib = game::RibResistance(game::CategoryMassLimit(k));
        const double none = PenetrationOf(w, ro, 0, chestDepth, 0);
        const double entry = PenetrationOf(w, ro, rib, chestDepth, 0);
        const double exit = PenetrationOf(w, ro, 0, chestDepth, rib);
        const double both = PenetrationOf(w, ro, rib, chestDepth, rib);
        w.AddLine("   Category " + std::to_string(k) + ":   " + PenetrationCell(none) +
                  PenetrationCell(entry) + PenetrationCell(exit) + PenetrationCell(both));
        w.Note(BothRibsFigure(k), both, 0);
    }
    w.AddLine("");
}

// The mass in a fixed eight-character field makes plain text order the order of mass, and
// equal masses the order of name.
std::string ListEntry(const game::Animal& animal) {
    return Tools::FormatFixed(animal.massKg, 1, 8) + ":" + animal.name;
}

// Sorts the queued entries and drains them into lines of names, each line closed once it
// runs past 80 characters.
void WriteList(ReportWriter& w, StringStack& list) {
    list.Sort(false);
    std::string line = kListIndent;
    while (list.Depth > 0) {
        if (line.size() > kListLineLength) {
            w.AddLine(line);
            line = kListIndent;
        }
        int16_t howMany = 1;
        const Item entry = list.Pop(howMany);
        const std::string_view item = entry ? std::string_view(*entry) : std::string_view{};
        line += text::TrimBlanks(item.size() > 9 ? item.substr(9) : std::string_view{});
        line += ",  ";
    }
    w.AddLine(line);
}

// Every animal of the table whose verdict is `verdict`, as one list.
void WriteAnimalsJudged(ReportWriter& w, const std::vector<Verdict>& verdicts, Verdict verdict) {
    const std::vector<game::Animal>& animals = w.Game().animals;
    StringStack list;
    for (std::size_t i = 0; i < animals.size(); ++i)
        if (verdicts[i] == verdict) list.Queue(ListEntry(animals[i]));
    WriteList(w, list);
}

void WriteGameLists(ReportWriter& w, double ro) {
    w.Enter("Game Recommendations");
    const double arrowMass = w.Record().massGrains;
    // Every animal is judged, in table order, before the first list is written: a penetration
    // run that fails stops the report right after the "Sufficient for:" heading.
    w.AddLine("Sufficient for:");
    const std::vector<game::Animal>& animals = w.Game().animals;
    // The lists mark each animal once it is placed, and have room for this many marks.
    if (animals.size() > game::kMostAnimals) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    std::vector<Verdict> verdicts;
    for (const game::Animal& animal : animals) {
        const game::AnimalFigures figures = game::FiguresOf(animal);
        const double penetration =
            PenetrationOf(w, ro, figures.ribResistance, figures.chestDepth, figures.ribResistance);
        verdicts.push_back(game::VerdictOf(figures, arrowMass, penetration));
    }
    WriteAnimalsJudged(w, verdicts, Verdict::Sufficient);

    w.AddLine("");
    w.AddLine("Marginal for:");
    WriteAnimalsJudged(w, verdicts, Verdict::Marginal);

    w.AddLine("");
    w.AddLine("NOT Recomended for:");
    WriteAnimalsJudged(w, verdicts, Verdict::NotRecommended);
    w.NoteVerdicts(std::move(verdicts));
}

} // namespace

void WriteGameSection(ReportWriter& w, double ro) {
    WritePenetrationAbility(w, ro);
    WriteGameLists(w, ro);
    w.AddLine(std::string(83, '-'));
    w.AddLine("Disclaimer: Nobody takes responsibility for your actions but you, and this "
              "report, althought");
    w.AddLine("we strive to provide it as reliable as we can, must never replace your "
              "judgement...");
}

} // namespace kesta
