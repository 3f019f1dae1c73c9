#include "report/InputWarnings.h"

#include "form/ControlNames.h"
#include "form/InputLabels.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <optional>
#include <string_view>

namespace kesta {

namespace {

// A typed text as a message quotes it: enough to recognise, never a whole pasted page.
std::string Quoted(std::string_view text) {
    // Appended piece by piece: GCC 12 warns falsely about "'" + a temporary.
    std::string quoted(1, '\'');
    quoted.append(text::ShownShort(text, 40));
    quoted.push_back('\'');
    return quoted;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// What is wrong with a text that does not hold a number, after the input's label.
std::string WhyNotANumber(const std::string& text) {
    if (IsBlank(text)) return " is empty";
    std::string why(1, ' ');
    why.append(Quoted(text));
    why.append(" is not a number");
    return why;
}

std::optional<double> NumberIn(const std::string& text) {
    if (!HoldsNumber(text)) return std::nullopt;
    try {
        return ToNumber(text);
    } catch (const RuntimeError&) {
        return std::nullopt; // beyond a double: Setup itself reports the overflow
    }
}

// "this report uses the previous 270 fps", or "this report uses 0 fps" when no report has
// read a value yet (or the last one read 0).
std::string Uses(double previous, const char* unit) {
    const std::string value = Rounded(previous, 2) + " " + unit;
    return previous == 0 ? "this report uses " + value : "this report uses the previous " + value;
}

void KeptValue(const FormState& form, std::string_view box, InputWarning::Kind kind,
               double previous, const char* unit, std::vector<InputWarning>& out) {
    const std::string& text = form.Text(box);
    if (HoldsNumber(text)) return;
    out.push_back({kind, InputLabel(box) + WhyNotANumber(text) + ": " + Uses(previous, unit)});
}

// "3", "3 and 5", "2, 4 and 6", or "3 to 6" for one unbroken run of three or more.
std::string RowList(const std::vector<int>& rows) {
    if (rows.size() >= 3 && rows.back() - rows.front() == static_cast<int>(rows.size()) - 1)
        return std::to_string(rows.front()) + " to " + std::to_string(rows.back());
    std::string list;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k > 0) list += k + 1 == rows.size() ? " and " : ", ";
        list += std::to_string(rows[k]);
    }
    return list;
}

void BladeWarnings(const FormState& form, bool firstRun, std::vector<InputWarning>& out) {
    std::vector<int> zeroRows;
    for (int row = 1; row <= 6; ++row) {
        const std::string& height = form.Text(ElementName(control::InBroadhead, 2 * row - 2));
        const std::string& length = form.Text(ElementName(control::InBroadhead, 2 * row - 1));
        const bool heightHolds = HoldsNumber(height), lengthHolds = HoldsNumber(length);
        if (heightHolds && lengthHolds) {
            if (NumberIn(height) == 0.0) zeroRows.push_back(row);
            continue;
        }
        if (IsBlank(height) && IsBlank(length)) continue; // an unused row, as it should be
        std::string why;
        if (!heightHolds) why = "its height" + WhyNotANumber(height);
        if (!heightHolds && !lengthHolds) why += " and ";
        if (!lengthHolds) why += "its length" + WhyNotANumber(length);
        out.push_back({InputWarning::Kind::BladeSkipped,
                       "Blade row " + std::to_string(row) + " is skipped and does not count as a "
                       "blade: " + why});
    }
    // On a first run every row holds 0; the first-run warning already says what to do.
    if (zeroRows.empty() || firstRun) return;
    const bool one = zeroRows.size() == 1;
    out.push_back({InputWarning::Kind::ZeroBlades,
                   (one ? "Blade row " : "Blade rows ") + RowList(zeroRows) +
                       (one ? " holds 0 and counts as a blade" : " hold 0 and count as blades") +
                       ": leave unused rows empty"});
}

} // namespace

bool EveryInputZero(const FormState& form) {
    for (const std::string& box : FormState::TextBoxes()) {
        if (box == control::inEdge || box == control::inTip) continue;
        if (NumberIn(form.Text(box)) != 0.0) return false;
    }
    return true;
}

std::vector<InputWarning> InputWarnings(const FormState& form, const InputRecord& previous) {
    std::vector<InputWarning> out;
    const bool firstRun = EveryInputZero(form);
    if (firstRun)
        out.push_back({InputWarning::Kind::FirstRun,
                       "Every input still holds 0, as on a first run: type the figures of your "
                       "set-up, or start from an example"});
    const bool fps = form.Selected(control::ArrowSpeedFPS);
    KeptValue(form, control::InArrowSpeed, InputWarning::Kind::SpeedNotANumber,
              fps ? previous.speedFps : previous.speedMs, fps ? "fps" : "m/s", out);
    const bool grains = form.Selected(control::ArrowMassGr);
    KeptValue(form, control::InArrowMass, InputWarning::Kind::MassNotANumber,
              grains ? previous.massGrains : previous.massKg * 1000, grains ? "grains" : "grams",
              out);
    BladeWarnings(form, firstRun, out);
    return out;
}

} // namespace kesta
