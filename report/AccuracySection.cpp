// Accuracy: the shooter's group turned into a grouping angle, and the greatest distance at which
// that spread, enlarged by the chosen safety factor, still fits each category's vital zone.
#include "form/ControlNames.h"
#include "report/Sections.h"

#include "tools/Checked.h"
#include "tools/NumberText.h"

#include <array>
#include <string>

namespace kesta {

namespace {

// Vital-zone diameter (inches) and the fixed 19-character row prefix of categories 1 to 6.
struct VitalZone {
    double diameter;
    const char* rowPrefix;
};

constexpr std::array<VitalZone, 6> kVitalZones = {{
    {4.5, "    #1        4.5  "},
    {8, "    #2        8    "},
    {11, "    #3       11    "},
    {11, "    #4       11    "},
    {11, "    #5       11    "},
    {11, "    #6       11    "},
}};

// The percentage of the selected Safety option, as the text the report line shows.
std::string SafetyText(const FormState& form) {
    static constexpr std::array<const char*, 5> kPercent = {"0", "25", "50", "75", "100"};
    // With no option selected (the state after loading on a first run, until the user picks
    // one) the section reads "100%", the window's design default: a hunting distance is never
    // overstated for want of a choice.
    std::string text = "100";
    for (int element = 0; element < 5; ++element) {
        if (form.Selected(ElementName(control::Safety, element))) text = kPercent[element];
    }
    return text;
}

} // namespace

void WriteAccuracySection(ReportWriter& w) {
    w.Enter("Accuracy");
    const FormState& form = w.Form();

    w.AddLine("Accuracy");
    // The circumference becomes a diameter by dividing by 3, not by pi.
    Num groupingDiameter = Num(ToNumber(form.Text(control::GroupingCirc))) / 3;
    if (form.Selected(control::GroupingCircInMM)) groupingDiameter = groupingDiameter / 25.4;
    w.AddLine("   Grouping Diameter: " + Rounded(groupingDiameter, 1) + " inch");

    Num distanceYards = ToNumber(form.Text(control::Distance));
    if (form.Selected(control::DistanceInM)) distanceYards = ((distanceYards * 100) / 2.54) / 36;
    Num groupingAngle = groupingDiameter / distanceYards;
    w.AddLine("   Grouping Angle   : " + Rounded(groupingAngle, 3) + " inch/yard");

    w.AddLine("");
    w.AddLine("Maximum Hunting Distance based on Accuracy");
    const std::string safety = SafetyText(form);
    w.AddLine("Safety Factor:" + safety + "%");
    groupingAngle = ((Num(ToNumber(safety)) / 100) + 1) * groupingAngle;

    // Every distance is computed before the table is written, so a zero angle stops the
    // report before its headings.
    std::array<double, 6> huntingDistance{};
    for (std::size_t k = 0; k < kVitalZones.size(); ++k) {
        huntingDistance[k] = Num(kVitalZones[k].diameter) / groupingAngle;
    }

    w.AddLine("            VD     Max");
    w.AddLine("Category  (inch)  (yards)");
    for (std::size_t k = 0; k < kVitalZones.size(); ++k) {
        w.AddLine(kVitalZones[k].rowPrefix +
                  w.Shown(HuntingDistanceFigure(static_cast<int>(k) + 1), huntingDistance[k], 0) + " Y");
    }
    // The empty line that closes this table is written by the reaction-time section, once it
    // has computed its distances: an arrow at the speed of sound stops the report right after
    // the last row above.
}

} // namespace kesta
