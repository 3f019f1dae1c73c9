#include "form/InputLabels.h"

#include "form/ControlNames.h"

#include <array>

namespace kesta {

namespace {

struct InputText {
    std::string_view control;
    std::string_view label;
    std::string_view tooltip;
};

// Typical values are those of a common deer set-up, so a user who is unsure sees the size of
// number the box expects.
constexpr std::array kInputs = {
    InputText{control::InArrowSpeed, "Arrow speed",
              "Arrow speed measured through a chronograph, in fps or m/s as chosen beside it. "
              "Typical: 280 fps."},
    InputText{control::DrawWeigth, "Draw weight",
              "The bow's peak draw weight, in pounds (lbs). Typical: 60."},
    InputText{control::InArrowMass, "Arrow mass",
              "Total mass of the finished arrow with its broadhead, in grains or grams as chosen "
              "beside it. Typical: 400 grains."},
    InputText{control::InArrowLength, "Arrow length",
              "Shaft length, in inches or mm as chosen beside it. Typical: 28 inches."},
    InputText{control::StaticSpine, "Static spine",
              "The shaft's spine number as printed on it (deflection in thousandths of an "
              "inch). Typical: 400."},
    InputText{control::GPI, "Shaft weight",
              "Shaft weight per inch, in grains per inch (gpi). Typical: 9."},
    InputText{control::BroadheadWeight, "Broadhead weight",
              "Broadhead weight, in grains or grams as chosen beside it. Typical: 100 grains."},
    InputText{control::inEdge, "Cutting edge angle",
              "Angle of the blade's cutting edge, in degrees. Typical: 25."},
    InputText{control::inTip, "Tip angle", "Angle of the broadhead's tip, in degrees. Typical: 60."},
    InputText{control::Distance, "Distance",
              "The distance at which the grouping was shot, in yards or m as chosen beside it. "
              "Typical: 20 yards."},
    InputText{control::GroupingCirc, "Grouping circumference",
              "Circumference of the circle that holds your group at that distance, in inches or "
              "mm as chosen beside it. Typical: 6 inches."},
};

// Blade boxes: element 2i-2 is blade i's height, 2i-1 its length.
struct Blade {
    bool height;
    int row;
};

bool BladeOf(std::string_view control, Blade& blade) {
    const std::string_view prefix = control::InBroadhead;
    if (control.substr(0, prefix.size()) != prefix || control.size() < prefix.size() + 2 ||
        control[prefix.size()] != '_')
        return false;
    int element = 0;
    for (char c : control.substr(prefix.size() + 1)) {
        if (c < '0' || c > '9') return false;
        element = element * 10 + (c - '0');
        if (element >= control::kBroadheadBoxes) return false;
    }
    blade = {element % 2 == 0, element / 2 + 1};
    return true;
}

const InputText* Find(std::string_view control) {
    for (const InputText& input : kInputs)
        if (input.control == control) return &input;
    return nullptr;
}

} // namespace

std::string InputLabel(std::string_view control) {
    if (const InputText* input = Find(control)) return std::string(input->label);
    Blade blade{};
    if (BladeOf(control, blade))
        return std::string(blade.height ? "Blade height" : "Blade length") + ", row " +
               std::to_string(blade.row);
    return std::string(control);
}

std::string PlaceForUser(std::string_view place) {
    constexpr std::string_view input = "input ";
    if (place.substr(0, input.size()) == input) return InputLabel(place.substr(input.size()));
    return std::string(place);
}

std::string InputTooltip(std::string_view control) {
    if (const InputText* input = Find(control)) return std::string(input->tooltip);
    Blade blade{};
    if (!BladeOf(control, blade)) return {};
    const std::string row = std::to_string(blade.row);
    if (blade.height)
        return "Height of blade " + row +
               " from the shaft to its edge, in inches or mm as chosen beside the rows. "
               "Typical: 0.5 inch. Leave both boxes of an unused row empty: a row holding 0 "
               "counts as a blade.";
    return "Length of blade " + row +
           " along the shaft, in inches or mm as chosen beside the rows. Typical: 1 inch. "
           "Leave both boxes of an unused row empty.";
}

} // namespace kesta
