// Reaction time: for five reaction times of the game, the greatest distance at which the arrow
// still arrives before the animal can react to the sound of the shot.
#include "report/ReactionDistance.h"
#include "report/Sections.h"

#include "tools/Checked.h"
#include "tools/NumberText.h"

#include <array>
#include <string>

namespace kesta {

namespace {

// The fixed 24-character row prefixes of kReactionSeconds; the first row is labelled
// "Category" instead of a category number, and "#4+" stands for categories 4 to 6.
constexpr std::array<const char*, 5> kRowPrefixes = {
    "Category      0.15      ", "    #1        0.2       ", "    #2        0.25      ",
    "    #3        0.3       ", "    #4+       0.4       ",
};

} // namespace

double ReactionDistanceYards(double fps, double seconds) {
    const Num factor = Num(seconds) * kSpeedOfSoundFps;
    return ((Num(fps) * factor) / (kSpeedOfSoundFps - Num(fps))) / 3;
}

void WriteReactionSection(ReportWriter& w) {
    w.Enter("Reaction Time");
    const double v = w.Record().speedFps;

    // The distance d (feet) with d / v = d / 1083 + t: the arrow's flight time equals the
    // sound's travel time plus the reaction time. The factor t * 1083 is formed first.
    // An arrow at exactly the speed of sound divides by zero here, before any line of this
    // section (or the empty line closing the accuracy table) is written.
    std::array<double, 5> distanceYards{};
    for (std::size_t row = 0; row < kReactionSeconds.size(); ++row)
        distanceYards[row] = ReactionDistanceYards(v, kReactionSeconds[row]);

    w.AddLine(""); // closes the accuracy table
    w.AddLine("Max distance in Relation to Reaction time and");
    w.AddLine("Arrow Speed");
    w.AddLine("            Second    Yards");
    for (std::size_t row = 0; row < kRowPrefixes.size(); ++row) {
        w.AddLine(kRowPrefixes[row] + Rounded(distanceYards[row], 0) + " Y");
    }
    w.AddLine("");
}

} // namespace kesta
