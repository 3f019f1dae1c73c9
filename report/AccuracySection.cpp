// Accuracy: the shooter's group turned into a grouping angle, and the greatest distance at which
// that spread, enlarged by the chosen safety factor, still fits each category's vital zone.
#include "report/HuntingDistance.h"
#include "report/Sections.h"

#include "tools/NumberText.h"

#include <array>
#include <string>

namespace kesta {

namespace {

// The fixed 19-character row prefix of categories 1 to 6.
constexpr std::array<const char*, 6> kRowPrefixes = {
    "    #1        4.5  ", "    #2        8    ", "    #3       11    ",
    "    #4       11    ", "    #5       11    ", "    #6       11    ",
};

} // namespace

void WriteAccuracySection(ReportWriter& w) {
    w.Enter("Accuracy");
    const FormState& form = w.Form();

    w.AddLine("Accuracy");
    const double groupingDiameter = GroupingDiameter(form);
    w.AddLine("   Grouping Diameter: " + Rounded(groupingDiameter, 1) + " inch");

    double groupingAngle = GroupingAngle(form, groupingDiameter);
    w.AddLine("   Grouping Angle   : " + Rounded(groupingAngle, 3) + " inch/yard");

    w.AddLine("");
    w.AddLine("Maximum Hunting Distance based on Accuracy");
    const std::string safety = SafetyText(form);
    w.AddLine("Safety Factor:" + safety + "%");
    groupingAngle = SafeGroupingAngle(safety, groupingAngle);

    // Every distance is computed before the table is written, so a zero angle stops the
    // report before its headings.
    const std::array<double, 6> huntingDistance = HuntingDistances(groupingAngle);

    w.AddLine("            VD     Max");
    w.AddLine("Category  (inch)  (yards)");
    for (std::size_t k = 0; k < kRowPrefixes.size(); ++k) {
        w.AddLine(kRowPrefixes[k] +
                  w.Shown(HuntingDistanceFigure(static_cast<int>(k) + 1), huntingDistance[k], 0) + " Y");
    }
    // The empty line that closes this table is written by the reaction-time section, once it
    // has computed its distances: an arrow at the speed of sound stops the report right after
    // the last row above.
}

} // namespace kesta
