// The maximum hunting distance of each category: the shooter's group, as an angle enlarged by
// the chosen safety factor, still inside the category's vital zone. The accuracy section
// prints these; the downrange ranges limit each animal's range by them.
#pragma once

#include "form/FormState.h"

#include <array>
#include <string>

namespace kesta {

// The vital-zone diameter (inches) of categories 1 to 6.
constexpr std::array<double, 6> kVitalZoneDiameters = {4.5, 8, 11, 11, 11, 11};

// The typed group circumference as a diameter (inches). Raises as checked arithmetic does.
double GroupingDiameter(const FormState& form);
// The grouping angle (inch/yard) at the typed distance.
double GroupingAngle(const FormState& form, double groupingDiameter);
// The percentage of the selected Safety option, as the report line shows it.
std::string SafetyText(const FormState& form);
// The grouping angle enlarged by the safety factor.
double SafeGroupingAngle(const std::string& safetyText, double groupingAngle);
// Each category's maximum hunting distance (yards, unrounded) for that angle.
std::array<double, 6> HuntingDistances(double safeGroupingAngle);

// The whole sequence above for a form, as the accuracy section computes it.
std::array<double, 6> MaxHuntingDistances(const FormState& form);

} // namespace kesta
