#include "compare/InputRows.h"

#include "form/ControlNames.h"
#include "form/InputLabels.h"

#include <string_view>

namespace kesta {

namespace {

// The choices that are not text boxes, by the name a comparison gives them.
constexpr std::string_view kReportUnits = "Report units";
constexpr std::string_view kSafety = "Safety factor";
constexpr std::string_view kShaft = "Shaft diameter";
constexpr std::string_view kCutOnContact = "Cut-on-contact tip";

// A pair's unit: the first when it is selected, otherwise the second, as the report reads it.
std::string PairUnit(const FormState& form, std::string_view first, const char* firstUnit,
                     const char* secondUnit) {
    return form.Selected(first) ? firstUnit : secondUnit;
}

std::string UnitOf(const FormState& form, std::string_view box) {
    using namespace control;
    if (box == InArrowSpeed) return PairUnit(form, ArrowSpeedFPS, "fps", "m/s");
    if (box == InArrowMass) return PairUnit(form, ArrowMassGr, "grains", "grams");
    if (box == InArrowLength) return PairUnit(form, ArrowLengthInInches, "inches", "mm");
    if (box == BroadheadWeight) return PairUnit(form, BroadheadweightGr, "grains", "grams");
    if (box.substr(0, InBroadhead.size()) == InBroadhead)
        return PairUnit(form, BroadheadInch, "inches", "mm");
    // The accuracy section reads these two the other way round: metric only when chosen.
    if (box == Distance) return PairUnit(form, DistanceInM, "m", "yards");
    if (box == GroupingCirc) return PairUnit(form, GroupingCircInMM, "mm", "inches");
    if (box == GPI) return "gpi";
    if (box == DrawWeigth) return "lbs";
    if (box == inEdge || box == inTip) return "degrees";
    return ""; // the static spine is a bare number
}

std::string Choice(const FormState& form) {
    if (form.Selected(control::ChosenImperic)) return "Imperial";
    if (form.Selected(control::ChosenMetric)) return "Metric";
    return "none chosen";
}

std::string SafetyChoice(const FormState& form) {
    static const char* const kPercent[] = {"0%", "25%", "50%", "75%", "100%"};
    for (int k = 0; k < control::kSafetyOptions; ++k)
        if (form.Selected(ElementName(control::Safety, k))) return kPercent[k];
    return "none chosen";
}

} // namespace

std::string InputShown(const FormState& form, const std::string& input) {
    if (input == kReportUnits) return Choice(form);
    if (input == kSafety) return SafetyChoice(form);
    if (input == kShaft) {
        const int at = form.ShaftDiameter();
        return at < 0 ? "none chosen" : FormState::ShaftDiameterEntries()[at];
    }
    if (input == kCutOnContact) return form.CutOnContact() != 0 ? "yes" : "no";
    const std::string& text = form.Text(input);
    if (text.find_first_not_of(' ') == std::string::npos) return "(empty)";
    const std::string unit = UnitOf(form, input);
    return unit.empty() ? text : text + " " + unit;
}

std::vector<InputRow> DifferingInputs(const FormState& a, const FormState& b) {
    std::vector<std::pair<std::string, std::string>> inputs; // (form name, label)
    for (const std::string& box : FormState::TextBoxes())
        inputs.emplace_back(box, InputLabel(box));
    for (std::string_view choice : {kReportUnits, kSafety, kShaft, kCutOnContact})
        inputs.emplace_back(std::string(choice), std::string(choice));
    std::vector<InputRow> rows;
    for (const auto& [name, label] : inputs) {
        std::string shownA = InputShown(a, name), shownB = InputShown(b, name);
        if (shownA != shownB) rows.push_back({label, std::move(shownA), std::move(shownB)});
    }
    return rows;
}

} // namespace kesta
