// Reaction time: for five reaction times of the game, the greatest distance at which the arrow
// still arrives before the animal can react to the sound of the shot.
#include "report/Sections.h"

#include "tools/Checked.h"
#include "tools/NumberText.h"

#include <array>
#include <string>

namespace kesta {

namespace {

constexpr double kSpeedOfSoundFps = 1083;

// Reaction time (seconds) and the fixed 24-character row prefix; the first row is labelled
// "Category" instead of a category number, and "#4+" stands for categories 4 to 6.
struct ReactionRow {
    double seconds;
    const char* rowPrefix;
};

constexpr std::array<ReactionRow, 5> kReactionRows = {{
    {0.15, "Category      0.15      "},
    {0.2, "    #1        0.2       "},
    {0.25, "    #2        0.25      "},
    {0.3, "    #3        0.3       "},
    {0.4, "    #4+       0.4       "},
}};

} // namespace

void WriteReactionSection(ReportWriter& w) {
    w.Enter("Reaction Time");
    const double v = w.Record().speedFps;

    // The distance d (feet) with d / v = d / 1083 + t: the arrow's flight time equals the
    // sound's travel time plus the reaction time. The factor t * 1083 is formed first.
    // An arrow at exactly the speed of sound divides by zero here, before any line of this
    // section (or the empty line closing the accuracy table) is written.
    std::array<double, 5> distanceYards{};
    for (std::size_t row = 0; row < kReactionRows.size(); ++row) {
        const Num factor = Num(kReactionRows[row].seconds) * kSpeedOfSoundFps;
        distanceYards[row] = ((Num(v) * factor) / (kSpeedOfSoundFps - Num(v))) / 3;
    }

    w.AddLine(""); // closes the accuracy table
    w.AddLine("Max distance in Relation to Reaction time and");
    w.AddLine("Arrow Speed");
    w.AddLine("            Second    Yards");
    for (std::size_t row = 0; row < kReactionRows.size(); ++row) {
        w.AddLine(kReactionRows[row].rowPrefix + Rounded(distanceYards[row], 0) + " Y");
    }
    w.AddLine("");
}

} // namespace kesta
