#include "report/HuntingDistance.h"

#include "form/ControlNames.h"
#include "tools/Checked.h"
#include "tools/NumberText.h"

namespace kesta {

double GroupingDiameter(const FormState& form) {
    // The circumference becomes a diameter by dividing by 3, not by pi.
    Num diameter = Num(ToNumber(form.Text(control::GroupingCirc))) / 3;
    if (form.Selected(control::GroupingCircInMM)) diameter = diameter / 25.4;
    return diameter;
}

double GroupingAngle(const FormState& form, double groupingDiameter) {
    Num distanceYards = ToNumber(form.Text(control::Distance));
    if (form.Selected(control::DistanceInM)) distanceYards = ((distanceYards * 100) / 2.54) / 36;
    return Num(groupingDiameter) / distanceYards;
}

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

double SafeGroupingAngle(const std::string& safetyText, double groupingAngle) {
    return ((Num(ToNumber(safetyText)) / 100) + 1) * groupingAngle;
}

std::array<double, 6> HuntingDistances(double safeGroupingAngle) {
    std::array<double, 6> distances{};
    for (std::size_t k = 0; k < kVitalZoneDiameters.size(); ++k)
        distances[k] = Num(kVitalZoneDiameters[k]) / safeGroupingAngle;
    return distances;
}

std::array<double, 6> MaxHuntingDistances(const FormState& form) {
    const double diameter = GroupingDiameter(form);
    const double angle = GroupingAngle(form, diameter);
    return HuntingDistances(SafeGroupingAngle(SafetyText(form), angle));
}

} // namespace kesta
